#include "document/BitmapFile.h"

#include <algorithm>
#include <cstring>

#include <QBuffer>
#include <QImageReader>

#include "core/Errors.h"
#include "core/PictureMemory.h"

namespace porkane {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int LargestInfoHeader = 256;
constexpr quint32 BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3;
// A run-length coded picture can be much larger than its file. Label files
// hold uncompressed pictures (every writer of the format saves them so), so
// one that is run-length coded may hold at most this many pixels plus 64 per
// byte of file: a small file cannot ask for gigabytes.
constexpr qint64 RunLengthPixelMargin = 256 * 1024;
constexpr qint64 RunLengthPixelsPerByte = 64;
// Rows go between file and picture in bands of about this many bytes: large
// enough for few calls, small enough to stay in the cache.
constexpr qint64 BandBytes = 1 << 20;

void putU16(uchar *at, quint16 value)
{
    at[0] = uchar(value & 0xFF);
    at[1] = uchar(value >> 8);
}

void putU32(uchar *at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = uchar((value >> (8 * i)) & 0xFF);
}

quint32 getU32(const uchar *at) { return quint32(at[0]) | quint32(at[1]) << 8 | quint32(at[2]) << 16 | quint32(at[3]) << 24; }

quint16 getU16(const uchar *at) { return quint16(at[0] | (at[1] << 8)); }

FileError damaged(const QString &source, const QString &why)
{
    return FileError(QStringLiteral("%1: %2").arg(source, why));
}

// What a BMP's headers say, checked against the file's size.
struct BmpLayout {
    qint64 width = 0;
    qint64 height = 0;
    bool bottomUp = true;
    int bitCount = 0;
    qint64 dataOffset = 0;
    qint64 stride = 0;
    // Uncompressed 24- or 32-bit rows: decoded here, band by band.
    bool plain = false;
};

// `head` holds the first bytes of a BMP file of `fileSize` bytes: all of
// them, or at least as many as the largest header takes.
BmpLayout parseBmp(const uchar *head, qint64 headSize, qint64 fileSize, const QString &source)
{
    if (fileSize < FileHeaderSize + 12 || headSize < FileHeaderSize + 12 || head[0] != 'B' || head[1] != 'M')
        throw damaged(source, QStringLiteral("not a BMP picture"));

    BmpLayout layout;
    const quint32 headerSize = getU32(head + FileHeaderSize);
    quint32 compression = BiRgb;
    if (headerSize == 12) {
        layout.width = getU16(head + FileHeaderSize + 4);
        layout.height = getU16(head + FileHeaderSize + 6);
        layout.bitCount = getU16(head + FileHeaderSize + 10);
    } else if (headerSize >= InfoHeaderSize && headerSize <= LargestInfoHeader &&
               headSize >= FileHeaderSize + InfoHeaderSize) {
        layout.width = qint32(getU32(head + FileHeaderSize + 4));
        layout.height = qint32(getU32(head + FileHeaderSize + 8));
        layout.bitCount = getU16(head + FileHeaderSize + 14);
        compression = getU32(head + FileHeaderSize + 16);
    } else {
        throw damaged(source, QStringLiteral("the BMP header is damaged"));
    }
    layout.bottomUp = layout.height > 0;
    if (layout.height < 0)
        layout.height = -layout.height; // top-down rows
    if (layout.width <= 0 || layout.height <= 0)
        throw damaged(source, QStringLiteral("the picture has no pixels"));
    const int bits = layout.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        throw damaged(source, QStringLiteral("a BMP of %1 bits per pixel is not supported").arg(bits));
    if (!pictureSizeAllowed(layout.width, layout.height))
        throw damaged(source, QStringLiteral("a picture of %1 x %2 pixels is larger than the program takes on")
                                  .arg(layout.width)
                                  .arg(layout.height));

    // Both sides are below 2^15 and bits at most 32: no product overflows.
    if (compression == BiRgb || compression == BiBitfields) {
        layout.stride = ((layout.width * bits + 31) / 32) * 4;
        layout.dataOffset = getU32(head + 10);
        if (layout.dataOffset > fileSize || layout.stride > (fileSize - layout.dataOffset) / layout.height)
            throw damaged(source, QStringLiteral("the picture is shorter than its header says"));
        layout.plain = compression == BiRgb && (bits == 24 || bits == 32) && headerSize >= InfoHeaderSize &&
                       layout.dataOffset >= FileHeaderSize + qint64(headerSize);
    } else if (compression == BiRle8 || compression == BiRle4) {
        if (layout.width * layout.height > RunLengthPixelMargin + RunLengthPixelsPerByte * fileSize)
            throw damaged(source, QStringLiteral("the picture claims more pixels than its file can hold"));
    } else {
        throw damaged(source, QStringLiteral("the BMP compression %1 is not supported").arg(compression));
    }
    return layout;
}

QImage pictureFor(const BmpLayout &layout)
{
    QImage picture = allocatePicture(layout.width, layout.height);
    if (picture.isNull())
        throw OutOfMemoryError();
    return picture;
}

// File rows `first` .. `first + count - 1` from `rows` (one stride apart)
// into the picture.
void decodeRows(const BmpLayout &layout, const uchar *rows, qint64 first, qint64 count, uchar *bits,
                qsizetype bytesPerLine)
{
    const qint64 width = layout.width;
    for (qint64 i = 0; i < count; ++i) {
        const qint64 fileRow = first + i;
        const uchar *source = rows + i * layout.stride;
        auto *target = reinterpret_cast<QRgb *>(bits + bytesPerLine * (layout.bottomUp ? layout.height - 1 - fileRow
                                                                                        : fileRow));
        quint32 value = 0;
        if (layout.bitCount == 24) {
            // Blue, green, red read as one little-endian word are 0x00RRGGBB;
            // the last pixel of a row may have no byte after it.
            qint64 x = 0;
            for (; x + 1 < width; ++x, source += 3) {
                std::memcpy(&value, source, 4);
                target[x] = 0xFF000000u | (value & 0xFFFFFFu);
            }
            target[x] = 0xFF000000u | (QRgb(source[2]) << 16) | (QRgb(source[1]) << 8) | source[0];
        } else {
            for (qint64 x = 0; x < width; ++x, source += 4) {
                std::memcpy(&value, source, 4);
                target[x] = 0xFF000000u | (value & 0xFFFFFFu);
            }
        }
    }
}

QImage readWithQt(const QByteArray &bytes, const QString &source)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        throw damaged(source, QStringLiteral("the picture cannot be read (%1)").arg(reader.errorString()));
    return picture;
}

qint64 rowsPerBand(qint64 stride) { return std::max<qint64>(1, BandBytes / stride); }

} // namespace

qint64 bmpFileSize(qint64 width, qint64 height)
{
    const qint64 stride = (width * 3 + 3) & ~qint64(3);
    return FileHeaderSize + InfoHeaderSize + stride * height;
}

void checkSavablePicture(const QImage &picture, const QString &source)
{
    if (picture.isNull())
        throw FileError(QStringLiteral("%1: the picture to be saved is empty").arg(source));
    if (!pictureSizeAllowed(picture.width(), picture.height()))
        throw FileError(QStringLiteral("%1: a picture of %2 x %3 pixels is larger than a label file holds")
                            .arg(source)
                            .arg(picture.width())
                            .arg(picture.height()));
}

void writeBmp(QIODevice &out, const QImage &picture, const QString &source)
{
    checkSavablePicture(picture, source);
    const qint64 width = picture.width();
    const qint64 height = picture.height();
    const qint64 stride = (width * 3 + 3) & ~qint64(3);
    const qint64 rowBytes = width * 3;
    const qint64 fileSize = bmpFileSize(width, height);
    const auto cannotWrite = [&] {
        return FileError(QStringLiteral("%1: cannot write the picture: %2").arg(source, out.errorString()));
    };

    uchar header[FileHeaderSize + InfoHeaderSize] = {};
    header[0] = 'B';
    header[1] = 'M';
    putU32(header + 2, quint32(fileSize));
    putU32(header + 10, FileHeaderSize + InfoHeaderSize);
    uchar *info = header + FileHeaderSize;
    putU32(info + 0, InfoHeaderSize);
    putU32(info + 4, quint32(width));
    putU32(info + 8, quint32(height)); // positive: rows run bottom-up
    putU16(info + 12, 1);              // planes
    putU16(info + 14, 24);             // bits per pixel
    putU32(info + 16, BiRgb);
    putU32(info + 20, quint32(stride * height));
    putU32(info + 24, 3780); // 96 dots per inch
    putU32(info + 28, 3780);
    if (out.write(reinterpret_cast<const char *>(header), sizeof header) != qint64(sizeof header))
        throw cannotWrite();

    // The common formats are converted here row by row; any other goes
    // through Qt's own conversion one band at a time, which gives the same
    // bytes as converting the whole picture would.
    const bool direct = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32;
    const qint64 bandRows = rowsPerBand(stride);
    // One byte more than the band: a pixel is stored as a whole word.
    QByteArray band(stride * std::min(bandRows, height) + 1, Qt::Uninitialized);
    auto *buffer = reinterpret_cast<uchar *>(band.data());
    for (qint64 first = 0; first < height; first += bandRows) {
        const qint64 count = std::min(bandRows, height - first);
        // File row r holds picture row height - 1 - r.
        const qint64 lowestPictureRow = height - first - count;
        QImage converted;
        if (!direct) {
            converted = picture.copy(0, int(lowestPictureRow), int(width), int(count))
                            .convertToFormat(QImage::Format_BGR888);
            if (converted.isNull())
                throw OutOfMemoryError();
        }
        for (qint64 i = 0; i < count; ++i) {
            const qint64 pictureRow = height - 1 - (first + i);
            uchar *target = buffer + i * stride;
            if (direct) {
                const auto *source = reinterpret_cast<const QRgb *>(picture.constScanLine(int(pictureRow)));
                uchar *at = target;
                for (qint64 x = 0; x < width; ++x, at += 3) {
                    const quint32 value = source[x]; // 0xAARRGGBB: blue, green, red in memory
                    std::memcpy(at, &value, 4);
                }
            } else {
                std::memcpy(target, converted.constScanLine(int(pictureRow - lowestPictureRow)), size_t(rowBytes));
            }
            std::memset(target + rowBytes, 0, size_t(stride - rowBytes));
        }
        if (out.write(band.constData(), stride * count) != stride * count)
            throw cannotWrite();
    }
}

QByteArray writeBmp(const QImage &picture)
{
    checkSavablePicture(picture, QStringLiteral("picture"));
    QByteArray bytes;
    bytes.reserve(bmpFileSize(picture.width(), picture.height()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeBmp(buffer, picture, QStringLiteral("picture"));
    return bytes;
}

QImage readBmp(const QByteArray &bytes, const QString &source)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const BmpLayout layout = parseBmp(data, bytes.size(), bytes.size(), source);
    if (!layout.plain)
        return readWithQt(bytes, source);
    QImage picture = pictureFor(layout);
    decodeRows(layout, data + layout.dataOffset, 0, layout.height, picture.bits(), picture.bytesPerLine());
    return picture;
}

QImage readBmp(QIODevice &in, qint64 length, const QString &source)
{
    const qint64 start = in.pos();
    const auto cannotRead = [&] {
        return FileError(QStringLiteral("%1: cannot read the picture: %2").arg(source, in.errorString()));
    };
    const auto readExactly = [&](char *into, qint64 count) {
        qint64 done = 0;
        while (done < count) {
            const qint64 got = in.read(into + done, count - done);
            if (got <= 0)
                throw cannotRead();
            done += got;
        }
    };

    uchar head[FileHeaderSize + LargestInfoHeader];
    const qint64 headSize = std::min<qint64>(length, sizeof head);
    readExactly(reinterpret_cast<char *>(head), headSize);
    const BmpLayout layout = parseBmp(head, headSize, length, source);
    if (!layout.plain || in.isSequential()) {
        // Rare kinds: the whole file for Qt's decoder, which has been told
        // above that the file can hold what its header claims.
        QByteArray bytes(length, Qt::Uninitialized);
        std::memcpy(bytes.data(), head, size_t(headSize));
        readExactly(bytes.data() + headSize, length - headSize);
        return layout.plain ? readBmp(bytes, source) : readWithQt(bytes, source);
    }

    QImage picture = pictureFor(layout);
    if (!in.seek(start + layout.dataOffset))
        throw cannotRead();
    uchar *bits = picture.bits();
    const qsizetype bytesPerLine = picture.bytesPerLine();
    const qint64 bandRows = rowsPerBand(layout.stride);
    QByteArray band(layout.stride * std::min(bandRows, layout.height), Qt::Uninitialized);
    for (qint64 first = 0; first < layout.height; first += bandRows) {
        const qint64 count = std::min(bandRows, layout.height - first);
        readExactly(band.data(), layout.stride * count);
        decodeRows(layout, reinterpret_cast<const uchar *>(band.constData()), first, count, bits, bytesPerLine);
    }
    return picture;
}

} // namespace porkane
