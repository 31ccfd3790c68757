#include "image/ImageWorkbench.h"

#include <algorithm>
#include <cmath>

#include "core/Errors.h"
#include "core/Rounding.h"
#include "image/ImageMessages.h"
#include "image/PictureLimits.h"
#include "image/PictureLoader.h"

namespace porkane {

namespace {

// A length typed in millimetres as a side in pixels: at least one pixel, and
// kept finite so the size check can name it.
qint64 sideInPixels(double millimetres, int twipsPerPixel)
{
    if (!std::isfinite(millimetres))
        millimetres = 0;
    const double pixels = roundHalfEven(toPixels(Millimetres{millimetres}, twipsPerPixel).value);
    return qint64(std::clamp(pixels, 1.0, 1e12));
}

QImage stretched(const QImage &picture, qint64 width, qint64 height)
{
    checkPictureSize(width, height);
    // Nearest pixels, no blending: the see-through colour must stay exactly
    // the colour it was, or a fringe of mixed colours would show.
    QImage result = withinMemory(
        [&] { return picture.scaled(int(width), int(height), Qt::IgnoreAspectRatio, Qt::FastTransformation); });
    if (result.isNull())
        throw UserError(PictureTooLargeMessage().arg(width).arg(height));
    return result;
}

} // namespace

ImageWorkbench::ImageWorkbench(int twipsPerPixelX, int twipsPerPixelY)
    : twipsPerPixelX_(std::max(1, twipsPerPixelX)), twipsPerPixelY_(std::max(1, twipsPerPixelY))
{
}

void ImageWorkbench::load(const QImage &picture)
{
    const QImage usable = withinMemory([&] { return usablePicture(picture); });
    loaded_ = usable;
    result_ = usable;
    source_ = usable;
    scalePercent_ = 100;
}

void ImageWorkbench::clear()
{
    loaded_ = QImage();
    result_ = QImage();
    source_ = QImage();
    scalePercent_ = 100;
}

void ImageWorkbench::transformed(const QImage &picture)
{
    result_ = picture;
    source_ = picture;
    scalePercent_ = 100;
}

void ImageWorkbench::restore()
{
    if (!loaded_.isNull())
        transformed(loaded_);
}

void ImageWorkbench::turn90(const RowProgress &progress)
{
    if (hasPicture())
        transformed(withinMemory([&] { return porkane::turn90(result_, progress); }));
}

void ImageWorkbench::turn180()
{
    if (hasPicture())
        transformed(withinMemory([&] { return porkane::turn180(result_); }));
}

void ImageWorkbench::turn270(const RowProgress &progress)
{
    if (hasPicture())
        transformed(withinMemory([&] { return porkane::turn270(result_, progress); }));
}

void ImageWorkbench::mirrorLeftRight()
{
    if (hasPicture())
        transformed(withinMemory([&] { return porkane::mirrorLeftRight(result_); }));
}

void ImageWorkbench::mirrorTopBottom()
{
    if (hasPicture())
        transformed(withinMemory([&] { return porkane::mirrorTopBottom(result_); }));
}

void ImageWorkbench::turnBy(int degrees, const RowProgress &progress)
{
    if (hasPicture())
        transformed(withinMemory(
            [&] { return turnFree(result_, degrees, twipsPerPixelX_, twipsPerPixelY_, progress); }));
}

AngleEntry ImageWorkbench::turnByAngleText(const QString &angleText, const RowProgress &progress)
{
    const AngleEntry entry = readAngle(angleText);
    if (entry.degrees)
        turnBy(*entry.degrees, progress);
    return entry;
}

void ImageWorkbench::setScalePercent(int percent)
{
    if (!hasPicture())
        return;
    const auto scaledSide = [percent](int side) {
        return std::max<qint64>(1, qint64(roundHalfEven(double(side) * percent / 100)));
    };
    result_ = stretched(source_, scaledSide(source_.width()), scaledSide(source_.height()));
    scalePercent_ = percent;
}

void ImageWorkbench::setWidthMillimetres(double millimetres)
{
    if (!hasPicture())
        return;
    result_ = stretched(source_, sideInPixels(millimetres, twipsPerPixelX_), result_.height());
    scalePercent_ = 100;
}

void ImageWorkbench::setHeightMillimetres(double millimetres)
{
    if (!hasPicture())
        return;
    result_ = stretched(source_, result_.width(), sideInPixels(millimetres, twipsPerPixelY_));
    scalePercent_ = 100;
}

Millimetres ImageWorkbench::resultWidth() const
{
    return toMillimetres(toTwips(Pixels{double(result_.width())}, twipsPerPixelX_));
}

Millimetres ImageWorkbench::resultHeight() const
{
    return toMillimetres(toTwips(Pixels{double(result_.height())}, twipsPerPixelY_));
}

std::optional<RgbValue> ImageWorkbench::colourAt(QPointF point) const
{
    if (!hasPicture() || !std::isfinite(point.x()) || !std::isfinite(point.y()))
        return std::nullopt;
    const double x = roundHalfEven(point.x());
    const double y = roundHalfEven(point.y());
    if (x < 0 || y < 0 || x >= result_.width() || y >= result_.height())
        return std::nullopt;
    const QRgb *row = reinterpret_cast<const QRgb *>(result_.constScanLine(int(y)));
    return fromQRgb(row[int(x)]);
}

} // namespace porkane
