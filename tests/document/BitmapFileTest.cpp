#include <gtest/gtest.h>

#include <QBuffer>
#include <QtEndian>

#include "core/Errors.h"
#include "document/BitmapFile.h"

using namespace porkane;

namespace {

QImage pattern(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x * 40 % 256, y * 60 % 256, (x + y) * 25 % 256));
    return picture;
}

bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF))
                return false;
    return true;
}

qint32 field(const QByteArray &bytes, int at) { return qFromLittleEndian<qint32>(bytes.constData() + at); }

} // namespace

TEST(BitmapFile, WritesAPlainBottomUp24BitBmp)
{
    const QImage picture = pattern(5, 3); // 15 bytes a row, padded to 16
    const QByteArray bytes = writeBmp(picture);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(bytes.size(), 54 + 16 * 3);
    EXPECT_EQ(field(bytes, 2), bytes.size());
    EXPECT_EQ(field(bytes, 10), 54);
    EXPECT_EQ(field(bytes, 18), 5);
    EXPECT_EQ(field(bytes, 22), 3);
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
    EXPECT_EQ(field(bytes, 30), 0); // no compression
    // The first stored row is the bottom one, blue-green-red, and its padding is 0.
    const QRgb bottomLeft = picture.pixel(0, 2);
    EXPECT_EQ(quint8(bytes[54]), qBlue(bottomLeft));
    EXPECT_EQ(quint8(bytes[55]), qGreen(bottomLeft));
    EXPECT_EQ(quint8(bytes[56]), qRed(bottomLeft));
    EXPECT_EQ(bytes[54 + 15], '\0');
}

TEST(BitmapFile, ReadsBackTheSamePixels)
{
    for (const QSize size : {QSize(1, 1), QSize(7, 3), QSize(64, 33)}) {
        const QImage picture = pattern(size.width(), size.height());
        EXPECT_TRUE(samePixels(readBmp(writeBmp(picture), "x"), picture)) << size.width();
    }
    // A picture with alpha keeps its colours.
    QImage alpha(3, 3, QImage::Format_ARGB32);
    alpha.fill(qRgba(10, 20, 30, 128));
    EXPECT_EQ(readBmp(writeBmp(alpha), "x").pixel(1, 1) & 0xFFFFFF, 0x0A141Eu);
}

TEST(BitmapFile, RefusesWhatIsNotAWholeBmp)
{
    const QByteArray good = writeBmp(pattern(10, 10));
    EXPECT_THROW(readBmp(QByteArray(), "x"), FileError);
    EXPECT_THROW(readBmp("GIF89a....................................", "x"), FileError);
    EXPECT_THROW(readBmp(good.left(good.size() - 10), "x"), FileError);

    // A header claiming a huge picture in a small file.
    QByteArray huge = good;
    qToLittleEndian<qint32>(30000, huge.data() + 18);
    qToLittleEndian<qint32>(30000, huge.data() + 22);
    try {
        readBmp(huge, "prnbmp1.baf");
        ADD_FAILURE();
    } catch (const FileError &error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("prnbmp1.baf: ")));
    }
    QByteArray empty = good;
    qToLittleEndian<qint32>(0, empty.data() + 18);
    EXPECT_THROW(readBmp(empty, "x"), FileError);
    QByteArray runLength = good;
    qToLittleEndian<qint32>(1, runLength.data() + 30);
    qToLittleEndian<qint32>(100000, runLength.data() + 18);
    qToLittleEndian<qint32>(100000, runLength.data() + 22);
    EXPECT_THROW(readBmp(runLength, "x"), FileError);
}

namespace {

// A BMP made the plain way: Qt's own conversion of the whole picture to
// blue-green-red, rows laid bottom-up with their padding.
QByteArray bmpByWholeConversion(const QImage &picture)
{
    const QImage bgr = picture.convertToFormat(QImage::Format_BGR888);
    const int stride = (bgr.width() * 3 + 3) & ~3;
    QByteArray bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    qToLittleEndian<qint32>(54 + stride * bgr.height(), bytes.data() + 2);
    qToLittleEndian<qint32>(54, bytes.data() + 10);
    qToLittleEndian<qint32>(40, bytes.data() + 14);
    qToLittleEndian<qint32>(bgr.width(), bytes.data() + 18);
    qToLittleEndian<qint32>(bgr.height(), bytes.data() + 22);
    qToLittleEndian<quint16>(1, bytes.data() + 26);
    qToLittleEndian<quint16>(24, bytes.data() + 28);
    qToLittleEndian<qint32>(stride * bgr.height(), bytes.data() + 34);
    qToLittleEndian<qint32>(3780, bytes.data() + 38);
    qToLittleEndian<qint32>(3780, bytes.data() + 42);
    for (int y = bgr.height() - 1; y >= 0; --y) {
        QByteArray row(reinterpret_cast<const char *>(bgr.constScanLine(y)), bgr.width() * 3);
        row.append(QByteArray(stride - row.size(), '\0'));
        bytes += row;
    }
    return bytes;
}

// A plain BMP of 24 or 32 bits, rows bottom-up or top-down.
QByteArray plainBmp(const QImage &picture, int bits, bool bottomUp)
{
    const int stride = (picture.width() * bits / 8 + 3) & ~3;
    QByteArray bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    qToLittleEndian<qint32>(54 + stride * picture.height(), bytes.data() + 2);
    qToLittleEndian<qint32>(54, bytes.data() + 10);
    qToLittleEndian<qint32>(40, bytes.data() + 14);
    qToLittleEndian<qint32>(picture.width(), bytes.data() + 18);
    qToLittleEndian<qint32>(bottomUp ? picture.height() : -picture.height(), bytes.data() + 22);
    qToLittleEndian<quint16>(1, bytes.data() + 26);
    qToLittleEndian<quint16>(quint16(bits), bytes.data() + 28);
    for (int i = 0; i < picture.height(); ++i) {
        const int y = bottomUp ? picture.height() - 1 - i : i;
        QByteArray row;
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y);
            row.append(char(qBlue(colour))).append(char(qGreen(colour))).append(char(qRed(colour)));
            if (bits == 32)
                row.append('\x7f');
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        bytes += row;
    }
    return bytes;
}

// The picture read from a device, from the middle of other bytes, as a
// label file's member is.
QImage readFromDevice(const QByteArray &bmp)
{
    QByteArray around = "before" + bmp + "after";
    QBuffer device(&around);
    device.open(QIODevice::ReadOnly);
    device.seek(6);
    return readBmp(device, bmp.size(), QStringLiteral("prnbmp1.baf"));
}

} // namespace

TEST(BitmapFile, WritingInBandsGivesTheBytesOfConvertingTheWholePicture)
{
    // 600 x 600 takes more than one band of rows; odd widths pad every row.
    for (const QSize size : {QSize(1, 1), QSize(5, 3), QSize(7, 2), QSize(600, 600)}) {
        const QImage picture = pattern(size.width(), size.height());
        QImage alpha = picture.convertToFormat(QImage::Format_ARGB32);
        alpha.setPixel(0, 0, qRgba(200, 100, 50, 60));
        for (const QImage &kind : {picture, alpha, alpha.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                                   picture.convertToFormat(QImage::Format_RGB16),
                                   picture.convertToFormat(QImage::Format_Indexed8)}) {
            EXPECT_EQ(writeBmp(kind), bmpByWholeConversion(kind)) << size.width() << " format " << kind.format();
            QByteArray streamed;
            QBuffer device(&streamed);
            device.open(QIODevice::WriteOnly);
            writeBmp(device, kind, QStringLiteral("x"));
            EXPECT_EQ(streamed, bmpByWholeConversion(kind));
        }
    }
}

TEST(BitmapFile, PlainPicturesReadFromADeviceAsFromMemory)
{
    for (const QSize size : {QSize(1, 1), QSize(3, 5), QSize(701, 500)}) {
        const QImage picture = pattern(size.width(), size.height());
        for (int bits : {24, 32}) {
            for (bool bottomUp : {true, false}) {
                const QByteArray bmp = plainBmp(picture, bits, bottomUp);
                EXPECT_TRUE(samePixels(readFromDevice(bmp), picture)) << size.width() << ' ' << bits << ' ' << bottomUp;
                EXPECT_TRUE(samePixels(readBmp(bmp, "x"), picture));
            }
        }
    }
    // Other kinds go through Qt's decoder, from the device too.
    const QImage indexed = pattern(9, 4).convertToFormat(QImage::Format_Indexed8);
    QByteArray qtBmp;
    QBuffer buffer(&qtBmp);
    buffer.open(QIODevice::WriteOnly);
    indexed.save(&buffer, "BMP");
    EXPECT_TRUE(samePixels(readFromDevice(qtBmp), indexed.convertToFormat(QImage::Format_RGB32)));
    // A member shorter than its header says is refused, whatever the device.
    EXPECT_THROW(readFromDevice(plainBmp(pattern(20, 20), 24, true).left(500)), FileError);
}

TEST(BitmapFile, PicturesBeyondTheProgramsLimitsAreRefusedBeforeAnythingIsHeld)
{
    const auto refusal = [](const QByteArray &bytes) {
        try {
            readBmp(bytes, QStringLiteral("prnbmp2.baf"));
        } catch (const FileError &error) {
            return error.message();
        }
        return QString();
    };
    // 40000 pixels wide, and 20000 x 20000: beyond a side or the pixel count.
    for (const QSize claimed : {QSize(40000, 1), QSize(20000, 20000)}) {
        QByteArray bytes = plainBmp(pattern(4, 4), 24, true);
        qToLittleEndian<qint32>(claimed.width(), bytes.data() + 18);
        qToLittleEndian<qint32>(claimed.height(), bytes.data() + 22);
        bytes.append(QByteArray(100000, '\0'));
        EXPECT_TRUE(refusal(bytes).contains(QStringLiteral("larger than the program takes on"))) << claimed.width();
    }
    // Run-length coding: a small file may not claim a hundred times its size in pixels.
    QByteArray runs = plainBmp(pattern(4, 4), 24, true);
    qToLittleEndian<quint16>(8, runs.data() + 28);
    qToLittleEndian<qint32>(1, runs.data() + 30);
    qToLittleEndian<qint32>(4000, runs.data() + 18);
    qToLittleEndian<qint32>(4000, runs.data() + 22);
    runs.append(QByteArray(100000, '\0'));
    EXPECT_TRUE(refusal(runs).contains(QStringLiteral("more pixels than its file can hold")));

    // And a picture beyond them is never saved.
    EXPECT_THROW(writeBmp(QImage(32768, 2, QImage::Format_RGB32)), FileError);
    EXPECT_THROW(writeBmp(QImage()), FileError);
}
