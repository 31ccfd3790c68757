#include "print/PrintGeometry.h"

#include <algorithm>
#include <cmath>

#include "core/Units.h"
#include "core/Nearest.h"

namespace porkane {

namespace {

// Page coordinates stay far inside 32 bits for any sheet the model allows.
qint32 nearestPixel(double value) { return nearest32(value).value_or(0); }

} // namespace

bool PrintDevice::isValid() const
{
    return std::isfinite(dotsPerInchX) && std::isfinite(dotsPerInchY) && dotsPerInchX >= 1 && dotsPerInchY >= 1 &&
           dotsPerInchX <= 100000 && dotsPerInchY <= 100000;
}

PrintGeometry::PrintGeometry(const PrintDevice &device, const PrintOptions &options, ScreenScale screen)
    : twipsPerPixelX_(TwipsPerInch / device.dotsPerInchX),
      twipsPerPixelY_(TwipsPerInch / device.dotsPerInchY),
      screen_(screen)
{
    deviceOffsetX_ =
        nearestPixel(device.physicalOffset.x() - options.offsetLeft / 10.0 * TwipsPerMillimetre / twipsPerPixelX_);
    deviceOffsetY_ =
        nearestPixel(device.physicalOffset.y() - options.offsetTop / 10.0 * TwipsPerMillimetre / twipsPerPixelY_);
}

double PrintGeometry::pixelX(double millimetres) const
{
    return millimetres * TwipsPerMillimetre / twipsPerPixelX_ - deviceOffsetX_;
}

double PrintGeometry::pixelY(double millimetres) const
{
    return millimetres * TwipsPerMillimetre / twipsPerPixelY_ - deviceOffsetY_;
}

QRect PrintGeometry::areaBetween(double left, double top, double right, double bottom) const
{
    const qint32 x0 = nearestPixel(pixelX(left));
    const qint32 y0 = nearestPixel(pixelY(top));
    const qint32 x1 = nearestPixel(pixelX(right));
    const qint32 y1 = nearestPixel(pixelY(bottom));
    return QRect(QPoint(x0, y0), QSize(std::max(x1 - x0, 0), std::max(y1 - y0, 0)));
}

QRect PrintGeometry::sheetArea(const SheetTemplate &sheet) const
{
    return areaBetween(0, 0, sheet.SheetWidth, sheet.SheetHeight);
}

QRect PrintGeometry::labelArea(const SheetTemplate &sheet, int label) const
{
    if (label < 1 || label > SheetTemplate::MaxLabels)
        return QRect();
    const SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
    const double left = geometry[LeftOffset];
    const double top = geometry[TopOffset];
    return areaBetween(left, top, left + geometry[LabelWidth], top + geometry[LabelHeight]);
}

QPoint PrintGeometry::textOrigin(const SheetTemplate &sheet, int label, bool rotated) const
{
    if (label < 1 || label > SheetTemplate::MaxLabels)
        return QPoint();
    const SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
    if (rotated) {
        const double right = geometry[LeftOffset] + geometry[LabelWidth];
        const double bottom = geometry[TopOffset] + geometry[LabelHeight];
        return QPoint(nearestPixel(pixelX(right - geometry[HorizontalPrintStart])),
                      nearestPixel(pixelY(bottom - geometry[VerticalPrintStart])));
    }
    return QPoint(nearestPixel(pixelX(geometry[LeftOffset] + geometry[HorizontalPrintStart])),
                  nearestPixel(pixelY(geometry[TopOffset] + geometry[VerticalPrintStart])));
}

TextScale PrintGeometry::textScale(bool rotated) const
{
    TextScale scale;
    scale.twipsPerPixelX = twipsPerPixelX_;
    scale.twipsPerPixelY = twipsPerPixelY_;
    // Font sizes are screen pixels; each axis takes its own ratio.
    scale.fontHeightFactor = screen_.twipsPerPixelY / twipsPerPixelY_;
    scale.fontWidthFactor = screen_.twipsPerPixelX / twipsPerPixelX_;
    scale.lineAlignmentFactor = screen_.twipsPerPixelY / twipsPerPixelY_;
    // The outline lies PX printer pixels from the face (one at 1200 dpi,
    // two at 600, five at 300).
    scale.outlineStepX = std::max(1, nearestPixel(twipsPerPixelX_));
    scale.outlineStepY = std::max(1, nearestPixel(twipsPerPixelY_));
    if (rotated) {
        scale.extraEscapement = 1800;
        scale.direction = -1;
    }
    return scale;
}

QRect PrintGeometry::imageArea(QSize pictureSize, const ImagePlacementRow &placement) const
{
    const double factorX = double(screen_.twipsPerPixelX) / twipsPerPixelX_;
    const double factorY = double(screen_.twipsPerPixelY) / twipsPerPixelY_;
    const auto x = nearest32(placement[PlacementLeft] * factorX - deviceOffsetX_);
    const auto y = nearest32(placement[PlacementTop] * factorY - deviceOffsetY_);
    const auto width = nearest32(pictureSize.width() * factorX);
    const auto height = nearest32(pictureSize.height() * factorY);
    // A placement no page can reach draws nothing.
    if (!x || !y || !width || !height || *width <= 0 || *height <= 0)
        return QRect();
    return QRect(*x, *y, *width, *height);
}

} // namespace porkane
