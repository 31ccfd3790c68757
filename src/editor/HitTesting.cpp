#include "editor/HitTesting.h"

#include "core/Units.h"

namespace porkane {

namespace {

bool strictlyInside(QPointF point, double left, double top, double right, double bottom)
{
    return left < point.x() && point.x() < right && top < point.y() && point.y() < bottom;
}

} // namespace

int labelAt(const SheetTemplate &sheet, QPointF point, double zoom, int twipsPerPixel)
{
    const auto pixels = [&](int mm) { return toPixels(Millimetres{double(mm)}, twipsPerPixel).value * zoom; };
    for (int label = 1; label <= sheet.LabelCount; ++label) {
        const SheetTemplate::Geometry &g = sheet.LabelGeometry[label];
        if (strictlyInside(point, pixels(g[LeftOffset]), pixels(g[TopOffset]),
                           pixels(g[LeftOffset] + g[LabelWidth]), pixels(g[TopOffset] + g[LabelHeight])))
            return label;
    }
    return 0;
}

int imageAt(const LabelDocument &document, QPointF point, double zoom)
{
    for (int number = 1; number <= document.ImageCount(); ++number) {
        const int index = document.ImageSlot(number);
        const ImagePlacementRow &place = document.ImagePlacement(index);
        const QSize size = document.picture(index).size();
        if (strictlyInside(point, place[PlacementLeft] * zoom, place[PlacementTop] * zoom,
                           (place[PlacementLeft] + size.width()) * zoom, (place[PlacementTop] + size.height()) * zoom))
            return number;
    }
    return 0;
}

SheetHit hitAt(const LabelDocument &document, QPointF point, double zoom, int twipsPerPixel, bool imagesFirst)
{
    if (imagesFirst) {
        if (const int image = imageAt(document, point, zoom))
            return {0, image};
    }
    if (const int label = labelAt(document.sheet(), point, zoom, twipsPerPixel))
        return {label, 0};
    return {0, imageAt(document, point, zoom)};
}

} // namespace porkane
