#pragma once

// Colours in files and in the document are 32-bit RGB values with red in the
// low byte (0x00BBGGRR).

#include <QColor>
#include <QtGlobal>

namespace porkane {

using RgbValue = qint32;

constexpr RgbValue rgbValue(int red, int green, int blue)
{
    return RgbValue((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(RgbValue rgb) { return rgb & 0xFF; }
constexpr int greenOf(RgbValue rgb) { return (rgb >> 8) & 0xFF; }
constexpr int blueOf(RgbValue rgb) { return (rgb >> 16) & 0xFF; }

inline QColor toQColor(RgbValue rgb) { return QColor(redOf(rgb), greenOf(rgb), blueOf(rgb)); }
inline RgbValue fromQColor(const QColor &colour)
{
    return rgbValue(colour.red(), colour.green(), colour.blue());
}
// QRgb is 0xAARRGGBB; the document's order is reversed and has no alpha.
inline QRgb toQRgb(RgbValue rgb) { return qRgb(redOf(rgb), greenOf(rgb), blueOf(rgb)); }
inline RgbValue fromQRgb(QRgb rgb) { return rgbValue(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

} // namespace porkane
