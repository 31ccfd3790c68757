#include "image/PixelOperations.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "core/Errors.h"
#include "core/Rounding.h"
#include "image/ImageMessages.h"
#include "image/PictureLimits.h"

namespace porkane {

namespace {

// Picture turns work with this value of pi, so results do not depend on the
// library's constant.
constexpr double TurnPi = 3.14159265358979;

const QRgb White = qRgb(255, 255, 255);

// Nearest whole number, halves to even, as roundHalfEven gives, but cheap
// enough for every pixel: adding 1.5 * 2^52 leaves the value rounded by the
// hardware's round-to-nearest-even in the low bits of the sum (exact for
// |value| < 2^31, far beyond any pixel coordinate). Needs strict floating
// point, which the build keeps (no -ffast-math).
inline qint32 nearestEven(double value)
{
    const double shifted = value + 6755399441055744.0;
    qint64 bits;
    std::memcpy(&bits, &shifted, sizeof bits);
    return qint32(bits);
}

std::vector<const QRgb *> rowPointers(const QImage &picture)
{
    std::vector<const QRgb *> rows(size_t(picture.height()));
    for (int y = 0; y < picture.height(); ++y)
        rows[size_t(y)] = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
    return rows;
}

// Source rows are taken in bands, so the columns they become are written a
// few cache lines at a time instead of one pixel per line.
constexpr int QuarterTurnBand = 64;

// Qt gives a null picture when the memory for one cannot be had; a turn
// must then be refused, not turn the picture into nothing.
QImage had(QImage picture, const QImage &from)
{
    if (picture.isNull() && !from.isNull())
        throw OutOfMemoryError(PictureTooLargeMessage().arg(from.width()).arg(from.height()));
    return picture;
}

QImage quarterTurn(const QImage &picture, bool clockwise, const RowProgress &progress)
{
    const QImage source = had(opaqueRgb32(picture), picture);
    if (source.isNull())
        return {};
    const int width = source.width();
    const int height = source.height();
    QImage result = newPicture(height, width);
    uchar *const resultBits = result.bits();
    const qsizetype resultStride = result.bytesPerLine();
    const std::vector<const QRgb *> rows = rowPointers(source);

    for (int bandTop = 0; bandTop < height; bandTop += QuarterTurnBand) {
        const int bandEnd = std::min(height, bandTop + QuarterTurnBand);
        for (int x = 0; x < width; ++x) {
            // Clockwise, source (x, y) goes to (height - 1 - y, x); the other
            // way to (y, width - 1 - x).
            QRgb *target = reinterpret_cast<QRgb *>(resultBits + (clockwise ? x : width - 1 - x) * resultStride);
            if (clockwise) {
                for (int y = bandTop; y < bandEnd; ++y)
                    target[height - 1 - y] = rows[size_t(y)][x];
            } else {
                for (int y = bandTop; y < bandEnd; ++y)
                    target[y] = rows[size_t(y)][x];
            }
        }
        if (progress) {
            for (int row = bandTop + 1; row <= bandEnd; ++row)
                progress(row, height);
        }
    }
    return result;
}

} // namespace

QImage turn90(const QImage &source, const RowProgress &progress)
{
    return quarterTurn(source, true, progress);
}

QImage turn270(const QImage &source, const RowProgress &progress)
{
    return quarterTurn(source, false, progress);
}

QImage turn180(const QImage &source)
{
    return had(had(opaqueRgb32(source), source).mirrored(true, true), source);
}

QImage mirrorLeftRight(const QImage &source)
{
    return had(had(opaqueRgb32(source), source).mirrored(true, false), source);
}

QImage mirrorTopBottom(const QImage &source)
{
    return had(had(opaqueRgb32(source), source).mirrored(false, true), source);
}

FreeTurnGeometry freeTurnGeometry(QSize source, int degrees, int twipsPerPixelX, int twipsPerPixelY)
{
    const double perPixelX = std::max(1, twipsPerPixelX);
    const double perPixelY = std::max(1, twipsPerPixelY);
    FreeTurnGeometry geometry;
    const double theta = -double(degrees) * TurnPi / 180;
    geometry.sine = std::sin(theta);
    geometry.cosine = std::cos(theta);

    // The corners of the picture's size in twips, turned about its middle.
    const double width = source.width() * perPixelX;
    const double height = source.height() * perPixelY;
    const double a = roundHalfEven(width / 2);
    const double b = roundHalfEven(height / 2);
    double left = 0, right = 0, top = 0, bottom = 0;
    bool first = true;
    for (const auto &[x, y] : {std::pair{0.0, 0.0}, {width, 0.0}, {0.0, height}, {width, height}}) {
        const double turnedX = roundHalfEven((x - a) * geometry.cosine - (y - b) * geometry.sine + a);
        const double turnedY = roundHalfEven((x - a) * geometry.sine + (y - b) * geometry.cosine + b);
        left = first ? turnedX : std::min(left, turnedX);
        right = first ? turnedX : std::max(right, turnedX);
        top = first ? turnedY : std::min(top, turnedY);
        bottom = first ? turnedY : std::max(bottom, turnedY);
        first = false;
    }
    geometry.size = QSize(int(std::max(1.0, roundHalfEven((right - left) / perPixelX))),
                          int(std::max(1.0, roundHalfEven((bottom - top) / perPixelY))));
    geometry.offset = QPoint(int(roundHalfEven(left / perPixelX)), int(roundHalfEven(top / perPixelY)));
    return geometry;
}

QImage turnFree(const QImage &picture, int degrees, int twipsPerPixelX, int twipsPerPixelY,
                const RowProgress &progress)
{
    const QImage source = had(opaqueRgb32(picture), picture);
    if (source.isNull())
        return {};
    const FreeTurnGeometry geometry = freeTurnGeometry(source.size(), degrees, twipsPerPixelX, twipsPerPixelY);
    QImage result = newPicture(geometry.size.width(), geometry.size.height());
    const int sourceWidth = source.width();
    const int sourceHeight = source.height();
    const int resultWidth = result.width();
    const int resultHeight = result.height();
    const double cx = roundHalfEven(sourceWidth / 2.0);
    const double cy = roundHalfEven(sourceHeight / 2.0);
    const double sine = geometry.sine;
    const double cosine = geometry.cosine;

    // The source point of result pixel (i, j) is
    //   x = cx + (X - cx) cos - (Y - cy) sin,  y = cy + (X - cx) sin + (Y - cy) cos
    // with X = i + dx, Y = j + dy. The parts that depend on the column alone
    // are worked out once; the sums keep the order above, so every rounding
    // falls exactly as in the formula.
    std::vector<double> columnX(static_cast<size_t>(resultWidth));
    std::vector<double> columnY(static_cast<size_t>(resultWidth));
    for (int i = 0; i < resultWidth; ++i) {
        const double fromCentre = double(i + geometry.offset.x()) - cx;
        columnX[size_t(i)] = cx + fromCentre * cosine;
        columnY[size_t(i)] = cy + fromCentre * sine;
    }
    const std::vector<const QRgb *> rows = rowPointers(source);
    uchar *const resultBits = result.bits();
    const qsizetype resultStride = result.bytesPerLine();
    const auto columns = unsigned(sourceWidth);
    const auto lines = unsigned(sourceHeight);

    for (int j = 0; j < resultHeight; ++j) {
        const double fromCentre = double(j + geometry.offset.y()) - cy;
        const double rowX = fromCentre * sine;
        const double rowY = fromCentre * cosine;
        QRgb *target = reinterpret_cast<QRgb *>(resultBits + j * resultStride);
        for (int i = 0; i < resultWidth; ++i) {
            // Negative coordinates become huge unsigned ones: one test each.
            const auto x = unsigned(nearestEven(columnX[size_t(i)] - rowX));
            const auto y = unsigned(nearestEven(columnY[size_t(i)] + rowY));
            target[i] = x < columns && y < lines ? rows[y][x] : White;
        }
        if (progress)
            progress(j + 1, resultHeight);
    }
    return result;
}

} // namespace porkane
