#include "render/SheetGuides.h"

#include <algorithm>

#include <QPainter>

#include "core/Units.h"

namespace porkane {

std::vector<QLineF> sheetGuides(const LabelDocument &document, double zoom, int twipsPerPixelX, int twipsPerPixelY)
{
    std::vector<QLineF> guides;
    const SheetTemplate &sheet = document.sheet();
    const double scaleX = toPixels(Millimetres{1}, twipsPerPixelX).value * zoom;
    const double scaleY = toPixels(Millimetres{1}, twipsPerPixelY).value * zoom;
    for (int label = 1; label <= std::min<int>(sheet.LabelCount, SheetTemplate::MaxLabels); ++label) {
        const SheetTemplate::Geometry &g = sheet.LabelGeometry[std::size_t(label)];
        const bool rotated = document.LabelRotated(label) == 1;
        const double left = g[LeftOffset] * scaleX;
        const double top = g[TopOffset] * scaleY;
        const double right = (g[LeftOffset] + g[LabelWidth]) * scaleX;
        const double bottom = (g[TopOffset] + g[LabelHeight]) * scaleY;
        if (g[HorizontalPrintStart] != 0) {
            const double start = g[HorizontalPrintStart] * scaleX;
            const double x = rotated ? right - start : left + start;
            guides.emplace_back(x, top, x, bottom);
        }
        if (g[VerticalPrintStart] != 0) {
            const double start = g[VerticalPrintStart] * scaleY;
            const double y = rotated ? bottom - start : top + start;
            guides.emplace_back(left, y, right, y);
        }
    }
    return guides;
}

void drawSheetGuides(QPainter &painter, const std::vector<QLineF> &guides)
{
    if (guides.empty())
        return;
    QPen guide(QColor(0x3c, 0x7d, 0xc4));
    guide.setStyle(Qt::DotLine);
    painter.save();
    painter.setPen(guide);
    for (const QLineF &line : guides)
        painter.drawLine(line);
    painter.restore();
}

} // namespace porkane
