#include "document/BitmapFile.h"

#include <cstring>

#include <QBuffer>
#include <QImageReader>

#include "core/Errors.h"

namespace porkane {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr quint32 BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3;
// A run-length coded picture can be much larger than its file; it may still
// not exceed this many pixels plus 255 per byte of file.
constexpr qint64 RunLengthPixelMargin = 256 * 1024;

void putU16(char *at, quint16 value)
{
    at[0] = char(value & 0xFF);
    at[1] = char(value >> 8);
}

void putU32(char *at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = char((value >> (8 * i)) & 0xFF);
}

quint32 getU32(const QByteArray &bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

quint16 getU16(const QByteArray &bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8));
}

// The two forms pictures in label files have almost always: plain 24-bit and
// 32-bit rows. Reading them directly is several times faster than the
// general decoder.
QImage readPlainBmp(const QByteArray &bytes, qint64 dataOffset, qint64 width, qint64 height, bool bottomUp,
                    int bitCount)
{
    const qint64 stride = ((width * bitCount + 31) / 32) * 4;
    QImage picture(int(width), int(height), QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    const uchar *pixels = reinterpret_cast<const uchar *>(bytes.constData()) + dataOffset;
    for (qint64 y = 0; y < height; ++y) {
        const uchar *source = pixels + (bottomUp ? height - 1 - y : y) * stride;
        QRgb *target = reinterpret_cast<QRgb *>(picture.scanLine(int(y)));
        if (bitCount == 24) {
            for (qint64 x = 0; x < width; ++x, source += 3)
                target[x] = 0xFF000000u | (QRgb(source[2]) << 16) | (QRgb(source[1]) << 8) | source[0];
        } else {
            for (qint64 x = 0; x < width; ++x, source += 4)
                target[x] = 0xFF000000u | (QRgb(source[2]) << 16) | (QRgb(source[1]) << 8) | source[0];
        }
    }
    return picture;
}

} // namespace

QByteArray writeBmp(const QImage &picture)
{
    if (picture.isNull())
        throw FileError(QStringLiteral("a picture to be saved is empty"));
    const QImage bgr = picture.convertToFormat(QImage::Format_BGR888);
    const qint64 width = bgr.width();
    const qint64 height = bgr.height();
    const qint64 stride = (width * 3 + 3) & ~qint64(3);
    const qint64 imageSize = stride * height;
    const qint64 fileSize = FileHeaderSize + InfoHeaderSize + imageSize;
    if (fileSize > 0x7FFFFFFF)
        throw FileError(QStringLiteral("a picture of %1 x %2 pixels is too large to be saved").arg(width).arg(height));

    QByteArray bytes(fileSize, Qt::Uninitialized);
    char *out = bytes.data();
    std::memset(out, 0, FileHeaderSize + InfoHeaderSize);
    out[0] = 'B';
    out[1] = 'M';
    putU32(out + 2, quint32(fileSize));
    putU32(out + 10, FileHeaderSize + InfoHeaderSize);
    char *info = out + FileHeaderSize;
    putU32(info + 0, InfoHeaderSize);
    putU32(info + 4, quint32(width));
    putU32(info + 8, quint32(height)); // positive: rows run bottom-up
    putU16(info + 12, 1);              // planes
    putU16(info + 14, 24);             // bits per pixel
    putU32(info + 16, BiRgb);
    putU32(info + 20, quint32(imageSize));
    putU32(info + 24, 3780); // 96 dots per inch
    putU32(info + 28, 3780);

    char *pixels = out + FileHeaderSize + InfoHeaderSize;
    const qint64 rowBytes = width * 3;
    for (qint64 row = 0; row < height; ++row) {
        char *target = pixels + (height - 1 - row) * stride;
        std::memcpy(target, bgr.constScanLine(int(row)), size_t(rowBytes));
        std::memset(target + rowBytes, 0, size_t(stride - rowBytes));
    }
    return bytes;
}

QImage readBmp(const QByteArray &bytes, const QString &source)
{
    const auto damaged = [&](const QString &why) {
        return FileError(QStringLiteral("%1: %2").arg(source, why));
    };
    if (bytes.size() < FileHeaderSize + 12 || bytes[0] != 'B' || bytes[1] != 'M')
        throw damaged(QStringLiteral("not a BMP picture"));

    const quint32 headerSize = getU32(bytes, FileHeaderSize);
    qint64 width = 0, height = 0;
    quint32 bitCount = 0, compression = BiRgb;
    if (headerSize == 12) {
        width = getU16(bytes, FileHeaderSize + 4);
        height = getU16(bytes, FileHeaderSize + 6);
        bitCount = getU16(bytes, FileHeaderSize + 10);
    } else if (headerSize >= InfoHeaderSize && headerSize <= 256 && bytes.size() >= FileHeaderSize + InfoHeaderSize) {
        width = qint32(getU32(bytes, FileHeaderSize + 4));
        height = qint32(getU32(bytes, FileHeaderSize + 8));
        bitCount = getU16(bytes, FileHeaderSize + 14);
        compression = getU32(bytes, FileHeaderSize + 16);
    } else {
        throw damaged(QStringLiteral("the BMP header is damaged"));
    }
    const bool bottomUp = height > 0;
    if (height < 0)
        height = -height; // top-down rows
    if (width <= 0 || height <= 0)
        throw damaged(QStringLiteral("the picture has no pixels"));

    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        throw damaged(QStringLiteral("a BMP of %1 bits per pixel is not supported").arg(bitCount));

    // Both sides are below 2^31 and bitCount at most 32: no product overflows.
    const qint64 pixelCount = width * height;
    if (compression == BiRgb || compression == BiBitfields) {
        const qint64 stride = ((width * bitCount + 31) / 32) * 4;
        const qint64 dataOffset = getU32(bytes, 10);
        if (dataOffset > bytes.size() || stride > (bytes.size() - dataOffset) / height)
            throw damaged(QStringLiteral("the picture is shorter than its header says"));
        if (compression == BiRgb && (bitCount == 24 || bitCount == 32) && headerSize >= InfoHeaderSize &&
            dataOffset >= FileHeaderSize + headerSize) {
            QImage picture = readPlainBmp(bytes, dataOffset, width, height, bottomUp, int(bitCount));
            if (picture.isNull())
                throw damaged(QStringLiteral("the picture is too large to be held"));
            return picture;
        }
    } else if (compression == BiRle8 || compression == BiRle4) {
        if (pixelCount > RunLengthPixelMargin + 255 * qint64(bytes.size()))
            throw damaged(QStringLiteral("the picture claims more pixels than its file can hold"));
    } else {
        throw damaged(QStringLiteral("the BMP compression %1 is not supported").arg(compression));
    }

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        throw damaged(QStringLiteral("the picture cannot be read (%1)").arg(reader.errorString()));
    return picture;
}

} // namespace porkane
