#include "format/FormatValues.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

#include "core/Rounding.h"
#include "core/Units.h"

namespace porkane {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

qint32 roundedWithin(double value, qint32 minimum, qint32 maximum)
{
    if (std::isnan(value))
        return std::clamp<qint32>(0, minimum, maximum);
    const double rounded = roundHalfEven(std::clamp(value, double(minimum), double(maximum)));
    return qint32(rounded);
}

double fieldNumber(const QString &text)
{
    // Full-width digits, signs and points become their ASCII forms.
    const QByteArray ascii = text.normalized(QString::NormalizationForm_KC).toLatin1();
    qsizetype pos = 0;
    while (pos < ascii.size() && (ascii[pos] == ' ' || ascii[pos] == '\t'))
        ++pos;
    const qsizetype start = pos;
    if (pos < ascii.size() && (ascii[pos] == '+' || ascii[pos] == '-'))
        ++pos;
    qsizetype digits = 0;
    while (pos < ascii.size() && isDigit(ascii[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < ascii.size() && ascii[pos] == '.') {
        ++pos;
        while (pos < ascii.size() && isDigit(ascii[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    // An exponent counts only when digits follow it.
    if (pos < ascii.size() && (ascii[pos] == 'e' || ascii[pos] == 'E')) {
        qsizetype exponent = pos + 1;
        if (exponent < ascii.size() && (ascii[exponent] == '+' || ascii[exponent] == '-'))
            ++exponent;
        if (exponent < ascii.size() && isDigit(ascii[exponent])) {
            pos = exponent;
            while (pos < ascii.size() && isDigit(ascii[pos]))
                ++pos;
        }
    }
    bool ok = false;
    const double value = ascii.mid(start, pos - start).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    return value;
}

qint32 fieldInteger(const QString &text, qint32 minimum, qint32 maximum)
{
    return roundedWithin(fieldNumber(text), minimum, maximum);
}

qint32 tenthsOf(double value, qint32 minimum, qint32 maximum) { return roundedWithin(value * 10, minimum, maximum); }

QString tenthsText(qint32 tenths) { return QString::number(double(tenths) / 10.0, 'f', 1); }

QString sampleText(const QString &faceName)
{
    const QChar cr(13);
    // Shown to the user, so a translation may offer its own sample lines.
    return faceName + QCoreApplication::translate("SampleText", "あア亜いイ井") + cr +
           QCoreApplication::translate("SampleText", "abcdＡＢＣＤ") + cr +
           QCoreApplication::translate("SampleText", "123１２３") + cr;
}

std::vector<int> gridLinePositions(int extent, double intervalMillimetres, double twipsPerPixel)
{
    std::vector<int> positions;
    if (twipsPerPixel <= 0)
        return positions;
    const double step = roundHalfEven(intervalMillimetres * TwipsPerMillimetre / twipsPerPixel);
    // A step of 0 (or a negative one) would never reach the end.
    if (!(step >= 1))
        return positions;
    for (double x = 0; x < extent; x += step)
        positions.push_back(int(x));
    return positions;
}

} // namespace porkane
