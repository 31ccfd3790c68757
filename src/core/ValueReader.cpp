#include "core/ValueReader.h"

#include <cmath>

#include "core/Cp932.h"
#include "core/Errors.h"
#include "core/NumberFormat.h"
#include "core/Rounding.h"

namespace porkane {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

int countLineEnds(const QByteArray &bytes)
{
    int count = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            ++count;
        else if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            ++count;
    }
    return count;
}

} // namespace

ValueReader::ValueReader(QByteArray data, QString source)
    : data_(std::move(data)), source_(std::move(source))
{
}

void ValueReader::fail(int line, const QString &problem) const
{
    throw FileError(QStringLiteral("%1, line %2: %3").arg(source_).arg(line).arg(problem));
}

void ValueReader::skipSpaces()
{
    while (pos_ < data_.size() && isSpace(data_[pos_]))
        ++pos_;
}

void ValueReader::consumeDelimiter()
{
    skipSpaces();
    if (pos_ >= data_.size())
        return;
    if (data_[pos_] == ',') {
        ++pos_;
    } else if (data_[pos_] == '\r') {
        ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n')
            ++pos_;
        ++line_;
    } else if (data_[pos_] == '\n') {
        ++pos_;
        ++line_;
    }
}

ValueReader::Token ValueReader::next(bool numberContext)
{
    skipSpaces();
    if (pos_ >= data_.size())
        fail(line_, QStringLiteral("the file ends before all its values were read"));

    Token token;
    token.line = line_;
    if (data_[pos_] == '"') {
        const qsizetype close = data_.indexOf('"', pos_ + 1);
        if (close < 0)
            fail(line_, QStringLiteral("a quoted text has no closing quote"));
        token.bytes = data_.mid(pos_ + 1, close - pos_ - 1);
        token.quoted = true;
        line_ += countLineEnds(token.bytes);
        pos_ = close + 1;
        skipSpaces();
        if (pos_ < data_.size() && data_[pos_] != ',' && !isLineEnd(data_[pos_]))
            fail(line_, QStringLiteral("unexpected characters after a quoted text"));
        consumeDelimiter();
        return token;
    }

    const qsizetype start = pos_;
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        if (c == ',' || isLineEnd(c) || (numberContext && isSpace(c)))
            break;
        ++pos_;
    }
    token.bytes = data_.mid(start, pos_ - start);
    if (!numberContext) {
        // An unquoted text keeps inner spaces but not the ones before its end.
        while (!token.bytes.isEmpty() && isSpace(token.bytes.back()))
            token.bytes.chop(1);
    }
    consumeDelimiter();
    return token;
}

QString ValueReader::shown(const Token &token) const
{
    const QByteArray bytes = token.bytes.left(40);
    return decodeCp932(bytes).value_or(QString::fromLatin1(bytes));
}

double ValueReader::numberFrom(const Token &token, const char *expected)
{
    if (token.quoted)
        fail(token.line, QStringLiteral("expected %1 but found the text \"%2\"")
                             .arg(QLatin1String(expected), shown(token)));
    if (token.bytes.isEmpty())
        return 0; // an empty value reads as zero
    const std::optional<double> value = parseNumber(token.bytes);
    if (!value)
        fail(token.line, QStringLiteral("expected %1 but found \"%2\"")
                             .arg(QLatin1String(expected), shown(token)));
    return *value;
}

qint16 ValueReader::int16()
{
    const Token token = next(true);
    const double value = numberFrom(token, "a 16-bit integer");
    try {
        return roundToInt16(value);
    } catch (const ValueRangeError &) {
        fail(token.line, QStringLiteral("%1 does not fit a 16-bit integer").arg(shown(token)));
    }
}

qint32 ValueReader::int32()
{
    const Token token = next(true);
    const double value = numberFrom(token, "a 32-bit integer");
    try {
        return roundToInt32(value);
    } catch (const ValueRangeError &) {
        fail(token.line, QStringLiteral("%1 does not fit a 32-bit integer").arg(shown(token)));
    }
}

double ValueReader::number() { return numberFrom(next(true), "a number"); }

float ValueReader::single()
{
    const Token token = next(true);
    const double value = numberFrom(token, "a number");
    if (std::fabs(value) > 3.402823466e38)
        fail(token.line, QStringLiteral("%1 is too large").arg(shown(token)));
    return float(value);
}

QString ValueReader::string()
{
    const Token token = next(false);
    const std::optional<QString> text = decodeCp932(token.bytes);
    if (!text)
        fail(token.line, QStringLiteral("a text holds bytes that are not Shift-JIS"));
    return *text;
}

Variant ValueReader::variant()
{
    const Token token = next(false);
    if (token.quoted) {
        const std::optional<QString> text = decodeCp932(token.bytes);
        if (!text)
            fail(token.line, QStringLiteral("a text holds bytes that are not Shift-JIS"));
        return Variant(*text);
    }
    if (token.bytes.isEmpty())
        return {};
    const QByteArray upper = token.bytes.toUpper();
    if (upper == "#TRUE#")
        return Variant(true);
    if (upper == "#FALSE#")
        return Variant(false);
    const std::optional<double> value = parseNumber(token.bytes);
    if (!value)
        fail(token.line, QStringLiteral("\"%1\" is not a value").arg(shown(token)));
    if (isIntegerLiteral(token.bytes)) {
        if (*value >= -32768 && *value <= 32767)
            return Variant(qint16(*value));
        if (*value >= -2147483648.0 && *value <= 2147483647.0)
            return Variant(qint32(*value));
    }
    return Variant(*value);
}

bool ValueReader::atEnd() const
{
    for (qsizetype i = pos_; i < data_.size(); ++i)
        if (!isSpace(data_[i]) && !isLineEnd(data_[i]))
            return false;
    return true;
}

} // namespace porkane
