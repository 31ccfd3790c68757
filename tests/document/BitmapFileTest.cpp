#include <gtest/gtest.h>

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
