#include "core/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace porkane {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

QByteArray formatWithDigits(double value, int digits)
{
    if (value == 0 || std::isnan(value))
        return "0"; // also turns -0 into 0
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
    QByteArray text(buffer);
    // "0.5" -> ".5", "-0.5" -> "-.5"
    if (text.startsWith("0."))
        text.remove(0, 1);
    else if (text.startsWith("-0."))
        text.remove(1, 1);
    return text;
}

} // namespace

QByteArray formatDouble(double value) { return formatWithDigits(value, 15); }

QByteArray formatSingle(float value) { return formatWithDigits(double(value), 7); }

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
