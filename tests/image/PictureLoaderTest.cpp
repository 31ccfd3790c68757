#include "image/PictureLoader.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QSet>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "image/ImageMessages.h"
#include "image/MetafileBytes.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const QRgb White = qRgb(255, 255, 255);

QImage distinctPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x * 20 & 0xFF, y * 30 & 0xFF, 90));
    return picture;
}

QByteArray encoded(const QImage &picture, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    EXPECT_TRUE(writer.write(picture)) << writer.errorString().toStdString();
    return bytes;
}

// A 2 x 2 GIF: red, green / blue, black, with green marked see-through.
QByteArray twoByTwoGif()
{
    QByteArray gif("GIF89a");
    gif.append("\x02\x00\x02\x00\x81\x00\x00", 7); // 2 x 2, a global table of 4 colours
    gif.append("\xff\x00\x00\x00\xff\x00\x00\x00\xff\x00\x00\x00", 12);
    gif.append("\x21\xf9\x04\x01\x00\x00\x01\x00", 8); // colour 1 is see-through
    gif.append("\x2c\x00\x00\x00\x00\x02\x00\x02\x00\x00", 10);
    gif.append(char(2)); // smallest code size
    // Codes of 3 bits, a clear code (4) before every pixel so the code size
    // never grows: 4 0 4 1 4 2 4 3 5.
    quint32 bits = 0;
    int count = 0;
    QByteArray data;
    for (const int code : {4, 0, 4, 1, 4, 2, 4, 3, 5}) {
        bits |= quint32(code) << count;
        count += 3;
        while (count >= 8) {
            data.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        data.append(char(bits & 0xFF));
    gif.append(char(data.size()));
    gif.append(data);
    gif.append(char(0));
    gif.append(char(0x3b));
    return gif;
}

// An icon file holding PNG pictures of the given sides.
QByteArray iconWithSides(std::initializer_list<int> sides)
{
    QByteArray directory("\0\0\1\0", 4);
    directory.append(char(sides.size()));
    directory.append(char(0));
    QByteArray payloads;
    const int firstPayload = 6 + 16 * int(sides.size());
    for (const int side : sides) {
        const QByteArray png = encoded(distinctPicture(side, side), "png");
        QByteArray entry(16, '\0');
        entry[0] = char(side & 0xFF);
        entry[1] = char(side & 0xFF);
        entry[4] = 1;
        entry[6] = 32;
        const quint32 size = quint32(png.size()), offset = quint32(firstPayload + payloads.size());
        for (int i = 0; i < 4; ++i) {
            entry[8 + i] = char((size >> (8 * i)) & 0xFF);
            entry[12 + i] = char((offset >> (8 * i)) & 0xFF);
        }
        directory.append(entry);
        payloads.append(png);
    }
    return directory + payloads;
}

// A BMP header that claims a picture of width x height and carries almost
// no pixels.
QByteArray bmpClaiming(qint32 width, qint32 height)
{
    QByteArray bmp = encoded(distinctPicture(2, 2), "bmp");
    for (int i = 0; i < 4; ++i) {
        bmp[18 + i] = char((quint32(width) >> (8 * i)) & 0xFF);
        bmp[22 + i] = char((quint32(height) >> (8 * i)) & 0xFF);
    }
    return bmp;
}

quint32 crc32Of(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

// A PNG whose header claims width x height (its few pixels do not matter:
// the size must be refused before any are read).
QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray png = encoded(distinctPicture(2, 2), "png");
    // Signature (8), IHDR length (4) and type (4), then width and height.
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = char((width >> (24 - 8 * i)) & 0xFF);
        png[20 + i] = char((height >> (24 - 8 * i)) & 0xFF);
    }
    const quint32 crc = crc32Of(png.mid(12, 4 + 13));
    for (int i = 0; i < 4; ++i)
        png[29 + i] = char((crc >> (24 - 8 * i)) & 0xFF);
    return png;
}

QString loadError(const QString &path)
{
    try {
        loadPicture(path, 15, 15);
    } catch (const UserError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

// ---- reading ----

TEST(PictureLoader, ReadsBmpAndPngPixelForPixel)
{
    TempFolder folder;
    const QImage source = distinctPicture(7, 5);
    for (const char *format : {"bmp", "png"}) {
        const QString path = folder.file(QStringLiteral("picture.") + QLatin1String(format));
        writeBytes(path, encoded(source, format));
        const QImage loaded = loadPicture(path, 15, 15);
        EXPECT_EQ(loaded.format(), QImage::Format_RGB32) << format;
        EXPECT_EQ(loaded, source) << format;
    }
}

TEST(PictureLoader, ReadsJpegWithItsColoursNearlyKept)
{
    TempFolder folder;
    QImage source(16, 16, QImage::Format_RGB32);
    source.fill(qRgb(200, 40, 60));
    const QString path = folder.file(QStringLiteral("photo.jpg"));
    writeBytes(path, encoded(source, "jpeg"));
    const QImage loaded = loadPicture(path, 15, 15);
    ASSERT_EQ(loaded.size(), source.size());
    EXPECT_EQ(loaded.format(), QImage::Format_RGB32);
    const QRgb middle = loaded.pixel(8, 8);
    EXPECT_NEAR(qRed(middle), 200, 6);
    EXPECT_NEAR(qGreen(middle), 40, 6);
    EXPECT_NEAR(qBlue(middle), 60, 6);
}

TEST(PictureLoader, ReadsGifWithItsSeeThroughColourOnWhite)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("small.gif"));
    writeBytes(path, twoByTwoGif());
    const QImage loaded = loadPicture(path, 15, 15);
    ASSERT_EQ(loaded.size(), QSize(2, 2));
    EXPECT_EQ(loaded.format(), QImage::Format_RGB32);
    EXPECT_EQ(loaded.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(loaded.pixel(1, 0), White);
    EXPECT_EQ(loaded.pixel(0, 1), qRgb(0, 0, 255));
    EXPECT_EQ(loaded.pixel(1, 1), qRgb(0, 0, 0));
}

TEST(PictureLoader, ReadsTheLargestPictureOfAnIcon)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("sizes.ico"));
    writeBytes(path, iconWithSides({16, 48, 32}));
    const QImage loaded = loadPicture(path, 15, 15);
    EXPECT_EQ(loaded.size(), QSize(48, 48));
    EXPECT_EQ(loaded, distinctPicture(48, 48));
}

TEST(PictureLoader, ReadsMetafilesFromFiles)
{
    TempFolder folder;
    WmfBytes wmf;
    wmf.solidBrush(colorRef(0, 128, 0)).selectObject(0).rectangle(0, 0, 1000, 1000);
    const QString wmfPath = folder.file(QStringLiteral("green.wmf"));
    writeBytes(wmfPath, wmf.placeable(QRect(0, 0, 1000, 1000), 1000));
    const QImage fromWmf = loadPicture(wmfPath, 15, 15);
    EXPECT_EQ(fromWmf.size(), QSize(96, 96));
    EXPECT_EQ(fromWmf.pixel(48, 48), qRgb(0, 128, 0));

    EmfBytes emf;
    emf.solidBrush(1, colorRef(0, 128, 0)).selectObject(1).rectangle(0, 0, 96, 96);
    const QString emfPath = folder.file(QStringLiteral("green.emf"));
    writeBytes(emfPath, emf.bytes(QRect(0, 0, 96, 96), QRect(0, 0, 2540, 2540)));
    const QImage fromEmf = loadPicture(emfPath, 15, 15);
    EXPECT_EQ(fromEmf.size(), QSize(96, 96));
    EXPECT_EQ(fromEmf.pixel(48, 48), qRgb(0, 128, 0));
}

TEST(PictureLoader, JudgesTheKindByContentNotByName)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("really-a-png.bmp"));
    writeBytes(path, encoded(distinctPicture(3, 3), "png"));
    EXPECT_EQ(loadPicture(path, 15, 15), distinctPicture(3, 3));
}

TEST(PictureLoader, ReadsEveryFormatItsFilterOffers)
{
    // Only BMP, JPEG, GIF, ICO and PNG used to be taken, though the filter
    // should list, and Qt reads, WebP, TIFF and the others here too.
    TempFolder folder;
    const QImage picture = distinctPicture(16, 16);
    const QList<QByteArray> writable = QImageWriter::supportedImageFormats();
    QStringList tried;
    for (const QString &extension : pictureFileExtensions()) {
        const QByteArray format = extension.toLatin1();
        if (!writable.contains(format))
            continue;
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // A writer with rules of its own (sizes, depths) has nothing to show.
        if (!QImageWriter(&buffer, format).write(picture))
            continue;
        const QString path = folder.file(QStringLiteral("picture.") + extension);
        writeBytes(path, bytes);
        try {
            EXPECT_EQ(loadPicture(path, 15, 15).size(), picture.size()) << format.constData();
        } catch (const UserError &error) {
            ADD_FAILURE() << format.constData() << ": " << error.message().toStdString();
        }
        tried.append(extension);
    }
    for (const char *format : {"bmp", "jpg", "png", "webp", "tiff"}) {
        if (writable.contains(format))
            EXPECT_TRUE(tried.contains(QLatin1String(format))) << format;
    }
}

TEST(PictureLoader, ReadsSvgAtItsOwnSizeOnWhite)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("drawing.svg"));
    writeBytes(path, QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10'>"
                                "<rect x='0' y='0' width='10' height='10' fill='#ff0000'/></svg>"));
    const QImage loaded = loadPicture(path, 15, 15);
    EXPECT_EQ(loaded.size(), QSize(20, 10));
    EXPECT_EQ(loaded.pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(loaded.pixel(15, 5), White);
}

TEST(PictureFileFilter, ListsTheFamiliarKindsFirstThenEveryOtherReadableOne)
{
    const QStringList extensions = pictureFileExtensions();
    ASSERT_GE(extensions.size(), 6);
    EXPECT_EQ(extensions.mid(0, 6), (QStringList{QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("gif"),
                                                 QStringLiteral("ico"), QStringLiteral("wmf"), QStringLiteral("emf")}));
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        EXPECT_TRUE(extensions.contains(QString::fromLatin1(format))) << format.constData();
    EXPECT_TRUE(extensions.contains(QStringLiteral("png")));
    EXPECT_TRUE(extensions.contains(QStringLiteral("svg")));
    EXPECT_EQ(QSet<QString>(extensions.cbegin(), extensions.cend()).size(), extensions.size());

    const QString filter = pictureFileFilter();
    EXPECT_TRUE(filter.startsWith(QStringLiteral("画像ファイル (*.bmp *.jpg *.gif *.ico *.wmf *.emf *.")))
        << filter.toStdString();
    ASSERT_TRUE(filter.endsWith(QLatin1Char(')')));
    const qsizetype open = filter.indexOf(QLatin1Char('('));
    const QStringList patterns = filter.mid(open + 1, filter.size() - open - 2).split(QLatin1Char(' '));
    EXPECT_EQ(patterns.size(), 2 * extensions.size());
    // File names here tell the cases apart.
    for (const QString &extension : extensions) {
        EXPECT_TRUE(patterns.contains(QStringLiteral("*.") + extension)) << extension.toStdString();
        EXPECT_TRUE(patterns.contains(QStringLiteral("*.") + extension.toUpper())) << extension.toStdString();
    }
}

// ---- refusing ----

TEST(PictureLoader, FilesThatCannotBeReadGiveAMessageNamingThem)
{
    TempFolder folder;
    EXPECT_EQ(loadError(folder.file(QStringLiteral("missing.bmp"))),
              CannotOpenPictureMessage().arg(QStringLiteral("missing.bmp")));
    QDir(folder.path()).mkdir(QStringLiteral("folder.jpg"));
    EXPECT_EQ(loadError(folder.file(QStringLiteral("folder.jpg"))),
              CannotOpenPictureMessage().arg(QStringLiteral("folder.jpg")));

    writeBytes(folder.file(QStringLiteral("empty.gif")), QByteArray());
    EXPECT_EQ(loadError(folder.file(QStringLiteral("empty.gif"))),
              NotAPictureMessage().arg(QStringLiteral("empty.gif")));
    writeBytes(folder.file(QStringLiteral("notes.ico")), QByteArray("these are words, not a picture\n"));
    EXPECT_EQ(loadError(folder.file(QStringLiteral("notes.ico"))),
              NotAPictureMessage().arg(QStringLiteral("notes.ico")));
}

TEST(PictureLoader, HugePictureIsRefusedFromItsHeader)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("claims.png"));
    writeBytes(path, pngClaiming(30000, 30000));
    EXPECT_EQ(loadError(path), PictureTooLargeMessage().arg(30000).arg(30000));
    writeBytes(path, pngClaiming(40000, 10));
    EXPECT_EQ(loadError(path), PictureTooLargeMessage().arg(40000).arg(10));
    // A header claiming more than the file holds is damaged, whatever size.
    const QString bmpPath = folder.file(QStringLiteral("claims.bmp"));
    writeBytes(bmpPath, bmpClaiming(40000, 40000));
    EXPECT_EQ(loadError(bmpPath), DamagedPictureMessage().arg(QStringLiteral("claims.bmp")));
}

// ---- clipboard ----

TEST(ClipboardPicture, TakesTheImageWithSeeThroughPartsOnWhite)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(10, 20, 30, 255));
    QMimeData data;
    data.setImageData(image);
    const QImage picture = clipboardPicture(&data, 15, 15);
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.pixel(0, 0), White);
    EXPECT_EQ(picture.pixel(1, 0), qRgb(10, 20, 30));
}

TEST(ClipboardPicture, TakesAPictureFileCopiedInTheFileManager)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("copied.bmp"));
    writeBytes(path, encoded(distinctPicture(4, 3), "bmp"));
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/x.png")), QUrl::fromLocalFile(path)});
    EXPECT_EQ(clipboardPicture(&data, 15, 15), distinctPicture(4, 3));
}

TEST(ClipboardPicture, WithoutAPictureSaysSo)
{
    QMimeData text;
    text.setText(QStringLiteral("ぽるかね"));
    for (const QMimeData *data : {static_cast<const QMimeData *>(&text), static_cast<const QMimeData *>(nullptr)}) {
        try {
            clipboardPicture(data, 15, 15);
            ADD_FAILURE() << "a picture came from nothing";
        } catch (const UserError &error) {
            EXPECT_EQ(error.message(), NoClipboardPictureMessage());
        }
    }
}
