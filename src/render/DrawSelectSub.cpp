#include "render/DrawSelectSub.h"

#include <algorithm>
#include <array>

namespace porkane {

std::optional<RgbValue> translateColour(qint32 colourReference)
{
    const quint32 value = quint32(colourReference);
    switch (value >> 24) {
    case 0x00:
    case 0x02:
        return RgbValue(value & 0xFFFFFF);
    case 0x80: {
        // COLOR_SCROLLBAR (0) to COLOR_MENUBAR (30) of Windows' default scheme.
        static constexpr std::array<RgbValue, 31> system = {
            rgbValue(200, 200, 200), rgbValue(0, 0, 0),       rgbValue(153, 180, 209), rgbValue(191, 205, 219),
            rgbValue(240, 240, 240), rgbValue(255, 255, 255), rgbValue(100, 100, 100), rgbValue(0, 0, 0),
            rgbValue(0, 0, 0),       rgbValue(0, 0, 0),       rgbValue(180, 180, 180), rgbValue(244, 247, 252),
            rgbValue(171, 171, 171), rgbValue(0, 120, 215),   rgbValue(255, 255, 255), rgbValue(240, 240, 240),
            rgbValue(160, 160, 160), rgbValue(109, 109, 109), rgbValue(0, 0, 0),       rgbValue(0, 0, 0),
            rgbValue(255, 255, 255), rgbValue(105, 105, 105), rgbValue(227, 227, 227), rgbValue(0, 0, 0),
            rgbValue(255, 255, 225), rgbValue(0, 0, 0),       rgbValue(0, 102, 204),   rgbValue(185, 209, 234),
            rgbValue(215, 228, 242), rgbValue(51, 153, 255),  rgbValue(240, 240, 240)};
        const quint32 index = value & 0xFFFFFF;
        if (index < system.size())
            return system[index];
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

qint32 DrawSelectSub(QImage &hDC, qint32 nX, qint32 nY, qint32 nWidth, qint32 nHeight, qint32 Mode,
                     qint32 Mcolor)
{
    // The cells, "on" true; the tiled pattern repeats them from the
    // rectangle's top-left corner.
    static constexpr bool mode0[2][4] = {{true, false, false, false}, {false, false, true, false}};
    static constexpr bool mode1[2][4] = {{true, false}, {false, true}};
    static constexpr bool mode2[2][4] = {{false, true, true, true}, {true, true, false, true}};
    const bool(*cell)[4] = nullptr;
    int cellWidth = 0;
    switch (Mode) {
    case 0:
        cell = mode0;
        cellWidth = 4;
        break;
    case 1:
        cell = mode1;
        cellWidth = 2;
        break;
    case 2:
        cell = mode2;
        cellWidth = 4;
        break;
    default:
        return 0;
    }
    if (hDC.isNull() || nWidth <= 0 || nHeight <= 0)
        return 0;
    if (hDC.format() != QImage::Format_RGB32 && hDC.format() != QImage::Format_ARGB32)
        hDC.convertTo(QImage::Format_RGB32);

    // A colour that cannot be translated protects no pixel.
    const std::optional<RgbValue> kept = translateColour(Mcolor);
    const QRgb keptPixel = kept ? (toQRgb(*kept) & 0xFFFFFFu) : 0xFFFFFFFFu;
    const QRgb blue = qRgb(0, 0, 255);

    const qint64 left = std::max<qint64>(nX, 0);
    const qint64 top = std::max<qint64>(nY, 0);
    const qint64 right = std::min<qint64>(qint64(nX) + nWidth, hDC.width());
    const qint64 bottom = std::min<qint64>(qint64(nY) + nHeight, hDC.height());
    for (qint64 y = top; y < bottom; ++y) {
        const bool *pattern = cell[(y - nY) % 2];
        QRgb *line = reinterpret_cast<QRgb *>(hDC.scanLine(int(y)));
        for (qint64 x = left; x < right; ++x) {
            if (!pattern[(x - nX) % cellWidth] && (line[x] & 0xFFFFFFu) != keptPixel)
                line[x] = blue;
        }
    }
    return 0;
}

} // namespace porkane
