#include "core/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace porkane {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Lays out significant digits d1 d2 ... with decimal exponent `exponent`
// (value = d1.d2... x 10^exponent) as the files do: plain decimals without a
// leading zero, or E notation when the exponent is below -4 or reaches
// `fixedLimit`.
QByteArray layout(bool negative, QByteArray digits, int exponent, int fixedLimit)
{
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);
    QByteArray text = negative ? "-" : "";
    if (exponent < -4 || exponent >= fixedLimit) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += '.' + digits.mid(1);
        char power[16];
        std::snprintf(power, sizeof power, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return text + power;
    }
    if (exponent < 0)
        return text + '.' + QByteArray(-exponent - 1, '0') + digits;
    if (digits.size() <= exponent + 1)
        return text + digits + QByteArray(exponent + 1 - digits.size(), '0');
    return text + digits.left(exponent + 1) + '.' + digits.mid(exponent + 1);
}

// Splits scientific text such as "-1.2345e+07" into sign, digits and exponent.
QByteArray layoutScientific(const char *scientific, int fixedLimit)
{
    const QByteArray text(scientific);
    const bool negative = text.startsWith('-');
    const qsizetype e = text.indexOf('e');
    QByteArray digits = text.mid(negative ? 1 : 0, e - (negative ? 1 : 0));
    digits.replace(".", "");
    return layout(negative, digits, text.mid(e + 1).toInt(), fixedLimit);
}

} // namespace

QByteArray formatDouble(double value)
{
    if (value == 0 || !std::isfinite(value))
        return "0"; // also turns -0 into 0
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value); // 15 significant digits
    return layoutScientific(buffer, 15);
}

QByteArray formatSingle(float value)
{
    if (value == 0 || !std::isfinite(value))
        return "0";
    // The shortest digits that read back as the same single.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::scientific);
    *result.ptr = '\0';
    return layoutScientific(buffer, 7);
}

bool isIntegerLiteral(const QByteArray &text)
{
    qsizetype i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i)
        if (!isDigit(text[i]))
            return false;
    return true;
}

std::optional<double> parseNumber(const QByteArray &text)
{
    // Validate the shape first: from_chars would also take "inf" and "nan".
    QByteArray normal;
    normal.reserve(text.size());
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int mantissaDigits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++mantissaDigits)
        normal += text[i];
    if (i < text.size() && text[i] == '.') {
        normal += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i, ++mantissaDigits)
            normal += text[i];
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        normal += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            normal += text[i++];
        int exponentDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i, ++exponentDigits)
            normal += text[i];
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(normal.constData(), normal.constData() + normal.size(), value);
    if (error != std::errc() || end != normal.constData() + normal.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace porkane
