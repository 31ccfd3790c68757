#include "render/PixelCopy.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace porkane {

namespace {

bool isRgb32(const QImage &picture)
{
    return picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32;
}

// Rows of a picture taken once: scanLine() checks for sharing on every
// call, which costs as much as copying a short row.
template <typename Pixel, typename Bytes>
struct Rows {
    Bytes *bits;
    qsizetype stride;
    Pixel *operator[](int y) const { return reinterpret_cast<Pixel *>(bits + stride * y); }
};
Rows<QRgb, uchar> rowsOf(QImage &image) { return {image.bits(), image.bytesPerLine()}; }
Rows<const QRgb, const uchar> rowsOf(const QImage &image) { return {image.constBits(), image.bytesPerLine()}; }

// Where a source rectangle lands in the destination once both pictures'
// edges are taken into account.
struct ClippedCopy {
    int sourceX = 0;
    int sourceY = 0;
    int targetX = 0;
    int targetY = 0;
    int width = 0;
    int height = 0;
};

bool clipCopy(const QImage &destination, const QImage &source, qint64 left, qint64 top, qint64 width,
              qint64 height, qint64 x, qint64 y, ClippedCopy &copy)
{
    // Cut what lies outside the source, moving the target along.
    if (left < 0) {
        width += left;
        x -= left;
        left = 0;
    }
    if (top < 0) {
        height += top;
        y -= top;
        top = 0;
    }
    width = std::min(width, source.width() - left);
    height = std::min(height, source.height() - top);
    // Then what lies outside the destination.
    if (x < 0) {
        width += x;
        left -= x;
        x = 0;
    }
    if (y < 0) {
        height += y;
        top -= y;
        y = 0;
    }
    width = std::min(width, destination.width() - x);
    height = std::min(height, destination.height() - y);
    if (width <= 0 || height <= 0)
        return false;
    copy = {int(left), int(top), int(x), int(y), int(width), int(height)};
    return true;
}

// Source footprint [first, last) of every destination index.
std::vector<std::pair<int, int>> footprints(int sourceSize, int targetSize, int from, int to)
{
    std::vector<std::pair<int, int>> result;
    result.reserve(size_t(std::max(0, to - from)));
    for (qint64 index = from; index < to; ++index) {
        const int first = int(index * sourceSize / targetSize);
        const int last = std::max(first + 1, int((index + 1) * sourceSize / targetSize));
        result.emplace_back(first, std::min(last, sourceSize));
    }
    return result;
}

void stretchInto(const QImage &source, QImage &target, QRect area)
{
    area &= target.rect();
    if (area.isEmpty() || source.isNull())
        return;
    const auto columns = footprints(source.width(), target.width(), area.left(), area.right() + 1);
    const auto rows = footprints(source.height(), target.height(), area.top(), area.bottom() + 1);
    const bool singleColumns = std::all_of(columns.begin(), columns.end(),
                                           [](const auto &range) { return range.second - range.first == 1; });
    const auto from = rowsOf(source);
    const auto to = rowsOf(target);
    for (int row = 0; row < int(rows.size()); ++row) {
        QRgb *out = to[area.top() + row] + area.left();
        const auto [firstRow, lastRow] = rows[size_t(row)];
        if (row > 0 && rows[size_t(row - 1)] == rows[size_t(row)]) {
            // Enlarging repeats a row: copy the one just made.
            std::memcpy(out, to[area.top() + row - 1] + area.left(), size_t(area.width()) * sizeof(QRgb));
            continue;
        }
        if (singleColumns && lastRow - firstRow == 1) {
            const QRgb *in = from[firstRow];
            for (size_t column = 0; column < columns.size(); ++column)
                out[column] = in[columns[column].first];
            continue;
        }
        for (size_t column = 0; column < columns.size(); ++column) {
            QRgb combined = 0xFFFFFFFFu;
            for (int y = firstRow; y < lastRow; ++y) {
                for (int x = columns[column].first; x < columns[column].second; ++x)
                    combined &= from[y][x];
            }
            out[column] = combined;
        }
    }
}

} // namespace

QImage asRgb32(const QImage &picture)
{
    if (picture.isNull() || isRgb32(picture))
        return picture;
    return picture.convertToFormat(QImage::Format_RGB32);
}

void TransparentBlit(QImage &destination, const QImage &source, qint32 left, qint32 top, qint32 right,
                     qint32 bottom, qint32 x, qint32 y, RgbValue seeThrough)
{
    const qint64 width = qint64(right) - left;
    const qint64 height = qint64(bottom) - top;
    if (width > std::numeric_limits<qint32>::max() || height > std::numeric_limits<qint32>::max())
        return; // the size overflows: nothing is drawn
    if (destination.isNull() || source.isNull())
        return;
    if (!isRgb32(destination))
        destination.convertTo(QImage::Format_RGB32);
    const QImage pixels = asRgb32(source);
    ClippedCopy copy;
    if (!clipCopy(destination, pixels, left, top, width, height, x, y, copy))
        return;
    const QRgb key = toQRgb(seeThrough) & 0xFFFFFFu;
    const auto from = rowsOf(pixels);
    const auto to = rowsOf(destination);
    for (int row = 0; row < copy.height; ++row) {
        const QRgb *__restrict in = from[copy.sourceY + row] + copy.sourceX;
        QRgb *__restrict out = to[copy.targetY + row] + copy.targetX;
        for (int column = 0; column < copy.width; ++column) {
            const QRgb pixel = in[column];
            out[column] = (pixel & 0xFFFFFFu) != key ? pixel | 0xFF000000u : out[column];
        }
    }
}

void TransparentBlit(QImage &destination, const QImage &source, qint32 x, qint32 y, RgbValue seeThrough)
{
    TransparentBlit(destination, source, 0, 0, source.width(), source.height(), x, y, seeThrough);
}

void copyPicture(QImage &destination, const QImage &source, qint32 x, qint32 y, QRect area)
{
    if (destination.isNull() || source.isNull())
        return;
    if (area.isNull())
        area = source.rect();
    if (!isRgb32(destination))
        destination.convertTo(QImage::Format_RGB32);
    const QImage pixels = asRgb32(source);
    ClippedCopy copy;
    if (!clipCopy(destination, pixels, area.left(), area.top(), area.width(), area.height(), x, y, copy))
        return;
    const auto from = rowsOf(pixels);
    const auto to = rowsOf(destination);
    // RGB32 pixels are opaque already; others are made so.
    const bool opaque = pixels.format() == QImage::Format_RGB32;
    for (int row = 0; row < copy.height; ++row) {
        const QRgb *in = from[copy.sourceY + row] + copy.sourceX;
        QRgb *out = to[copy.targetY + row] + copy.targetX;
        if (opaque) {
            std::memcpy(out, in, size_t(copy.width) * sizeof(QRgb));
            continue;
        }
        for (int column = 0; column < copy.width; ++column)
            out[column] = in[column] | 0xFF000000u;
    }
}

QImage stretchBlackOnWhite(const QImage &source, QSize size)
{
    if (source.isNull() || size.isEmpty())
        return QImage();
    const QImage pixels = asRgb32(source);
    if (size == pixels.size())
        return pixels;
    QImage stretched(size, QImage::Format_RGB32);
    if (stretched.isNull())
        return stretched;
    stretchInto(pixels, stretched, stretched.rect());
    return stretched;
}

void restretchBlackOnWhite(const QImage &source, QImage &stretched, QRect changed)
{
    if (source.isNull() || stretched.isNull())
        return;
    changed &= source.rect();
    if (changed.isEmpty())
        return;
    const QImage pixels = asRgb32(source);
    if (stretched.size() == pixels.size()) {
        copyPicture(stretched, pixels, changed.left(), changed.top(), changed);
        return;
    }
    // Every target pixel whose footprint meets the changed rectangle; a
    // pixel more on each side costs little and needs no exact inverse.
    const auto target = [](int sourceIndex, int sourceSize, int targetSize) {
        return int(qint64(sourceIndex) * targetSize / sourceSize);
    };
    const int left = target(changed.left(), pixels.width(), stretched.width()) - 1;
    const int right = target(changed.right() + 1, pixels.width(), stretched.width()) + 1;
    const int top = target(changed.top(), pixels.height(), stretched.height()) - 1;
    const int bottom = target(changed.bottom() + 1, pixels.height(), stretched.height()) + 1;
    stretchInto(pixels, stretched, QRect(QPoint(left, top), QPoint(right, bottom)));
}

void fillBox(QImage &image, int x0, int y0, int x1, int y1, RgbValue colour)
{
    if (image.isNull())
        return;
    const QRect box = QRect(QPoint(std::min(x0, x1), std::min(y0, y1)), QPoint(std::max(x0, x1), std::max(y0, y1))) &
                      image.rect();
    if (box.isEmpty())
        return;
    const QRgb pixel = toQRgb(colour);
    const auto rows = rowsOf(image);
    for (int row = box.top(); row <= box.bottom(); ++row)
        std::fill(rows[row] + box.left(), rows[row] + box.right() + 1, pixel);
}

} // namespace porkane
