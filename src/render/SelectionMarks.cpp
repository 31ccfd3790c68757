#include "render/SelectionMarks.h"

#include "render/DrawSelectSub.h"

namespace porkane {

QImage SelectionMarks(const QImage &picture, const ImagePlacementRow &placement)
{
    if (picture.isNull())
        return {};
    const RgbValue spared = placement[PlacementTransparent] == 1 ? placement[PlacementColour] : UnmarkedColour;
    const QImage original = picture.convertToFormat(QImage::Format_RGB32);
    QImage marked = original.copy();
    DrawSelectSub(marked, 0, 0, marked.width(), marked.height(), 2, spared);
    QImage marks(original.size(), QImage::Format_ARGB32);
    marks.fill(Qt::transparent);
    for (int y = 0; y < original.height(); ++y) {
        const auto *before = reinterpret_cast<const QRgb *>(original.constScanLine(y));
        const auto *after = reinterpret_cast<const QRgb *>(marked.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(marks.scanLine(y));
        for (int x = 0; x < original.width(); ++x)
            if (before[x] != after[x])
                out[x] = after[x] | 0xFF000000;
    }
    return marks;
}

QRectF selectionMarksTarget(QPointF place, QSize size, double zoom)
{
    return QRectF(place.x() * zoom, place.y() * zoom, size.width() * zoom, size.height() * zoom);
}

} // namespace porkane
