#include "image/Metafile.h"

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "core/Errors.h"
#include "image/MetafileBytes.h"
#include "image/PictureLoader.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb White = qRgb(255, 255, 255);

// One inch by half an inch (1000 units per inch): a red square on the left,
// a blue disc on the right. The frame starts at `origin`.
QByteArray redAndBlueWmf(QPoint origin = {})
{
    const qint16 x = qint16(origin.x()), y = qint16(origin.y());
    WmfBytes wmf;
    wmf.setWindowOrg(x, y)
        .setWindowExt(1000, 500)
        .solidBrush(colorRef(255, 0, 0))
        .selectObject(0)
        .nullPen()
        .selectObject(1)
        .rectangle(x, y, qint16(x + 500), qint16(y + 500))
        .solidBrush(colorRef(0, 0, 255))
        .selectObject(2)
        .ellipse(qint16(x + 500), y, qint16(x + 1000), qint16(y + 500));
    return wmf.placeable(QRect(x, y, 1000, 500), 1000);
}

// 100 x 50 reference pixels (96 per inch): a red square on the left, a blue
// disc on the right. The frame is given in hundredths of a millimetre.
QByteArray redAndBlueEmf(QRect frame)
{
    EmfBytes emf;
    emf.solidBrush(1, colorRef(255, 0, 0))
        .selectObject(1)
        .nullPen()
        .rectangle(0, 0, 50, 50)
        .solidBrush(2, colorRef(0, 0, 255))
        .selectObject(2)
        .ellipse(50, 0, 100, 50);
    return emf.bytes(QRect(0, 0, 100, 50), frame);
}

// 100 x 50 pixels at 96 per inch, in hundredths of a millimetre.
const QRect EmfFrame(0, 0, 2646, 1323);

void expectDamaged(const QByteArray &bytes, const QString &name)
{
    try {
        decodePicture(bytes, name, 15, 15);
        ADD_FAILURE() << "the damaged metafile " << name.toStdString() << " was loaded";
    } catch (const FileError &error) {
        EXPECT_TRUE(error.message().contains(name)) << error.message().toStdString();
    }
}

// Whatever the bytes, a picture or an error, never a crash.
void expectPictureOrError(const QByteArray &bytes)
{
    try {
        const QImage picture = decodePicture(bytes, QStringLiteral("mutated"), 15, 15);
        EXPECT_FALSE(picture.isNull());
        EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    } catch (const UserError &error) {
        EXPECT_FALSE(error.message().isEmpty());
    }
}

} // namespace

TEST(Metafile, KindIsJudgedByTheHeaders)
{
    EXPECT_EQ(metafileKind(redAndBlueWmf()), MetafileKind::Wmf);
    EXPECT_EQ(metafileKind(WmfBytes().rectangle(0, 0, 10, 10).plain()), MetafileKind::Wmf);
    EXPECT_EQ(metafileKind(redAndBlueEmf(EmfFrame)), MetafileKind::Emf);
    EXPECT_EQ(metafileKind(QByteArray("BM and some more bytes")), MetafileKind::None);
    EXPECT_EQ(metafileKind(QByteArray()), MetafileKind::None);
}

// ---- WMF ----

TEST(Wmf, PlaceableMetafileIsDrawnAtItsOwnSize)
{
    const QImage picture = decodePicture(redAndBlueWmf(), QStringLiteral("a.wmf"), 15, 15);
    ASSERT_EQ(picture.size(), QSize(96, 48)); // one inch by half an inch at 96 pixels per inch
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.pixel(24, 24), Red);
    EXPECT_EQ(picture.pixel(72, 24), Blue);
    EXPECT_EQ(picture.pixel(94, 1), White); // outside the disc: the paper
    EXPECT_EQ(picture.pixel(50, 46), White);
}

// Every pixel is one of the colours drawn or the paper: edges are not
// blended, so a see-through colour takes the whole background.
void expectOnlyColours(const QImage &picture, std::initializer_list<QRgb> colours)
{
    int blended = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            blended += std::find(colours.begin(), colours.end(), picture.pixel(x, y)) == colours.end() ? 1 : 0;
    EXPECT_EQ(blended, 0);
}

TEST(Metafile, EdgesAreDrawnWithoutBlending)
{
    expectOnlyColours(decodePicture(redAndBlueWmf(), QStringLiteral("a.wmf"), 15, 15), {Red, Blue, White});
    expectOnlyColours(decodePicture(redAndBlueWmf(), QStringLiteral("a.wmf"), 11, 13), {Red, Blue, White});
    expectOnlyColours(decodePicture(redAndBlueEmf(EmfFrame), QStringLiteral("a.emf"), 15, 15), {Red, Blue, White});
    expectOnlyColours(decodePicture(redAndBlueEmf(EmfFrame), QStringLiteral("a.emf"), 7, 9), {Red, Blue, White});
}

TEST(Wmf, SizeFollowsTheScreensTwipsPerPixel)
{
    const QImage picture = decodePicture(redAndBlueWmf(), QStringLiteral("a.wmf"), 10, 10);
    ASSERT_EQ(picture.size(), QSize(144, 72));
    EXPECT_EQ(picture.pixel(36, 36), Red);
    EXPECT_EQ(picture.pixel(108, 36), Blue);
}

TEST(Wmf, FrameAwayFromTheOriginShowsTheSamePicture)
{
    const QImage atOrigin = decodePicture(redAndBlueWmf(), QStringLiteral("a.wmf"), 15, 15);
    const QImage moved = decodePicture(redAndBlueWmf(QPoint(300, 200)), QStringLiteral("b.wmf"), 15, 15);
    EXPECT_EQ(moved, atOrigin);
}

TEST(Wmf, MetafileWithoutAFrameTakesTheSizeOfWhatItDraws)
{
    WmfBytes wmf;
    wmf.solidBrush(colorRef(255, 0, 0)).selectObject(0).nullPen().selectObject(1).rectangle(0, 0, 1440, 720);
    const QImage picture = decodePicture(wmf.plain(), QStringLiteral("plain.wmf"), 15, 15);
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(picture.width(), picture.height());
    EXPECT_EQ(picture.pixel(picture.width() / 2, picture.height() / 2), Red);
}

TEST(Wmf, DamagedMetafilesAreRefusedWithTheirName)
{
    const QByteArray good = redAndBlueWmf();
    expectDamaged(good.left(good.size() / 2), QStringLiteral("half.wmf"));
    expectDamaged(good.left(good.size() - 6), QStringLiteral("no-end.wmf"));

    QByteArray zeroRecord = good;
    zeroRecord.replace(22 + 18, 4, QByteArray(4, '\0')); // first record claims no words
    expectDamaged(zeroRecord, QStringLiteral("zero.wmf"));

    QByteArray hugeRecord = good;
    hugeRecord.replace(22 + 18, 4, QByteArray("\xff\xff\xff\x7f", 4));
    expectDamaged(hugeRecord, QStringLiteral("huge.wmf"));

    QByteArray noInch = good;
    noInch.replace(14, 2, QByteArray(2, '\0'));
    expectDamaged(noInch, QStringLiteral("no-inch.wmf"));
}

TEST(Wmf, JapaneseTextAndMarkupCharactersAreDrawn)
{
    // Text bytes are code page 932, as Japanese Windows writes them.
    const QByteArray text = encodeCp932(QStringLiteral("日本 & <ラベル>"));
    WmfBytes wmf;
    wmf.setWindowOrg(0, 0).setWindowExt(2000, 1000).font(400, "Arial").selectObject(0).textOut(100, 300, text.constData());
    const QImage picture = decodePicture(wmf.placeable(QRect(0, 0, 2000, 1000), 1000), QStringLiteral("jp.wmf"), 15, 15);
    ASSERT_EQ(picture.size(), QSize(192, 96));
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            dark += qGray(picture.pixel(x, y)) < 100;
    EXPECT_GT(dark, 100);
}

TEST(Wmf, BitmapWhoseHeaderClaimsMoreThanItHoldsIsRefused)
{
    QImage tile(3, 2, QImage::Format_RGB32);
    tile.fill(Red);
    const QByteArray good = WmfBytes().stretchDib(0, 0, 100, 100, tile).placeable(QRect(0, 0, 100, 100), 1000);
    // The bitmap header follows the record's size, function and 22 bytes of
    // parameters; its height is at 8.
    const qsizetype header = good.indexOf(QByteArray("\x43\x0f", 2)) + 2 + 22;
    ASSERT_EQ(good.mid(header, 4), QByteArray("\x28\0\0\0", 4));
    EXPECT_FALSE(decodePicture(good, QStringLiteral("good.wmf"), 15, 15).isNull());

    QByteArray billionRows = good;
    billionRows.replace(header + 8, 4, QByteArray("\x02\x00\xff\xbb", 4)); // -1157627902: top row first
    expectDamaged(billionRows, QStringLiteral("rows.wmf"));

    QByteArray wider = good;
    wider.replace(header + 4, 4, QByteArray("\x00\x01\0\0", 4)); // 256 pixels wide in a 3-pixel record
    expectDamaged(wider, QStringLiteral("wide.wmf"));

    QByteArray oddDepth = good;
    oddDepth.replace(header + 14, 2, QByteArray("\x07\0", 2));
    expectDamaged(oddDepth, QStringLiteral("depth.wmf"));
}

TEST(Wmf, FrameTooLargeIsRefusedBeforeDrawing)
{
    // 32000 units at one unit per inch: far beyond any picture.
    const QByteArray bytes = WmfBytes().rectangle(0, 0, 10, 10).placeable(QRect(0, 0, 32000, 32000), 1);
    try {
        decodePicture(bytes, QStringLiteral("vast.wmf"), 15, 15);
        FAIL() << "the vast metafile was drawn";
    } catch (const UserError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("大きすぎます")));
    }
}

TEST(Wmf, DamagedBytesNeverCrashTheLoader)
{
    const QByteArray good = redAndBlueWmf();
    for (qsizetype length = 0; length < good.size(); ++length)
        expectPictureOrError(good.left(length));
    std::mt19937 random(6);
    for (int round = 0; round < 300; ++round) {
        QByteArray mutated = good;
        for (int change = 0; change < 3; ++change)
            mutated[qsizetype(random() % quint32(mutated.size()))] = char(random() & 0xFF);
        expectPictureOrError(mutated);
    }
}

// ---- EMF ----

TEST(Emf, MetafileIsDrawnAtTheSizeOfItsFrame)
{
    const QImage picture = decodePicture(redAndBlueEmf(EmfFrame), QStringLiteral("a.emf"), 15, 15);
    ASSERT_EQ(picture.size(), QSize(100, 50));
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.pixel(25, 25), Red);
    EXPECT_EQ(picture.pixel(75, 25), Blue);
    EXPECT_EQ(picture.pixel(98, 2), White);
}

TEST(Emf, FrameWiderThanTheDrawingKeepsItsMargin)
{
    const QImage picture =
        decodePicture(redAndBlueEmf(QRect(0, 0, 2 * EmfFrame.width(), EmfFrame.height())), QStringLiteral("wide.emf"), 15, 15);
    ASSERT_EQ(picture.size(), QSize(200, 50));
    EXPECT_EQ(picture.pixel(25, 25), Red);
    EXPECT_EQ(picture.pixel(75, 25), Blue);
    EXPECT_EQ(picture.pixel(150, 25), White);
}

TEST(Emf, SizeFollowsTheScreensTwipsPerPixel)
{
    const QImage picture = decodePicture(redAndBlueEmf(EmfFrame), QStringLiteral("a.emf"), 10, 10);
    ASSERT_EQ(picture.size(), QSize(150, 75));
    EXPECT_EQ(picture.pixel(37, 37), Red);
    EXPECT_EQ(picture.pixel(112, 37), Blue);
}

TEST(Emf, DamagedMetafilesAreRefusedWithTheirName)
{
    const QByteArray good = redAndBlueEmf(EmfFrame);
    expectDamaged(good.left(good.size() - 20), QStringLiteral("no-end.emf"));
    expectDamaged(good.left(100), QStringLiteral("short-header.emf"));

    QByteArray oddRecord = good;
    oddRecord.replace(108 + 4, 4, QByteArray("\x1a\0\0\0", 4)); // 26 bytes: not whole words
    expectDamaged(oddRecord, QStringLiteral("odd.emf"));

    QByteArray secondHeader = good;
    secondHeader.replace(108, 4, QByteArray("\x01\0\0\0", 4));
    expectDamaged(secondHeader, QStringLiteral("two-headers.emf"));

    // Bounds and frame both empty: right and bottom before left and top.
    QByteArray noFrame = good;
    noFrame.replace(16, 8, QByteArray(8, '\xff'));
    noFrame.replace(32, 8, QByteArray(8, '\xff'));
    expectDamaged(noFrame, QStringLiteral("no-frame.emf"));
}

TEST(Emf, DamagedBytesNeverCrashTheLoader)
{
    const QByteArray good = redAndBlueEmf(EmfFrame);
    for (qsizetype length = 0; length < good.size(); ++length)
        expectPictureOrError(good.left(length));
    std::mt19937 random(6);
    for (int round = 0; round < 300; ++round) {
        QByteArray mutated = good;
        for (int change = 0; change < 3; ++change)
            mutated[qsizetype(random() % quint32(mutated.size()))] = char(random() & 0xFF);
        expectPictureOrError(mutated);
    }
}

TEST(Wmf, TextAndBitmapsAreDrawn)
{
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.setPixel(0, 0, Red);
    tile.setPixel(1, 0, Blue);
    tile.setPixel(0, 1, Blue);
    tile.setPixel(1, 1, Red);
    WmfBytes wmf;
    wmf.setWindowOrg(0, 0)
        .setWindowExt(2000, 1000)
        .stretchDib(0, 0, 1000, 1000, tile)
        .font(400, "Arial")
        .selectObject(0)
        .textOut(1100, 300, "HH");
    const QImage picture = decodePicture(wmf.placeable(QRect(0, 0, 2000, 1000), 1000), QStringLiteral("t.wmf"), 15, 15);
    ASSERT_EQ(picture.size(), QSize(192, 96));
    // The bitmap fills the left half, its four pixels as four squares with
    // sharp edges.
    EXPECT_EQ(picture.pixel(24, 24), Red);
    EXPECT_EQ(picture.pixel(72, 24), Blue);
    EXPECT_EQ(picture.pixel(24, 72), Blue);
    EXPECT_EQ(picture.pixel(72, 72), Red);
    EXPECT_EQ(picture.pixel(46, 24), Red);
    EXPECT_EQ(picture.pixel(49, 24), Blue);
    // Dark text somewhere on the right half.
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 100; x < picture.width(); ++x)
            dark += qGray(picture.pixel(x, y)) < 100;
    EXPECT_GT(dark, 20);
}

TEST(Emf, BitmapsAreDrawn)
{
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.setPixel(0, 0, Red);
    tile.setPixel(1, 0, Blue);
    tile.setPixel(0, 1, Blue);
    tile.setPixel(1, 1, Red);
    EmfBytes emf;
    emf.stretchDib(0, 0, 100, 50, tile);
    const QImage picture = decodePicture(emf.bytes(QRect(0, 0, 100, 50), EmfFrame), QStringLiteral("b.emf"), 15, 15);
    ASSERT_EQ(picture.size(), QSize(100, 50));
    EXPECT_EQ(picture.pixel(25, 12), Red);
    EXPECT_EQ(picture.pixel(75, 12), Blue);
    EXPECT_EQ(picture.pixel(25, 37), Blue);
    EXPECT_EQ(picture.pixel(75, 37), Red);
}

// ---- What drawing may cost ----

namespace {

QString tooLargeRefusal(const QByteArray &bytes, const QString &name)
{
    try {
        decodePicture(bytes, name, 15, 15);
    } catch (const UserError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

TEST(Metafile, FloodsOfRecordsAreRefusedAsTooLargeBeforeTheyAreConverted)
{
    // A small picture of 40,001 lines: more records than a picture may take.
    WmfBytes wmf;
    wmf.setWindowOrg(0, 0).setWindowExt(1000, 500).solidPen(colorRef(0, 0, 0)).selectObject(0);
    for (int line = 0; line < 40'001; ++line)
        wmf.record(0x0213, {quint16(line % 500), quint16(line % 1000)}); // LineTo
    EXPECT_EQ(tooLargeRefusal(wmf.placeable(QRect(0, 0, 1000, 500), 1000), QStringLiteral("lines.wmf")),
              QStringLiteral("画像が大きすぎます（96 × 48 ピクセル）。これより小さな画像をお使いください。"));
    EXPECT_TRUE(tooLargeRefusal(wmf.plain(), QStringLiteral("lines.wmf")).contains(QStringLiteral("大きすぎます")));

    EmfBytes emf;
    for (int line = 0; line < 40'001; ++line)
        emf.record(54, {quint32(line % 100), quint32(line % 50)}); // EMR_LINETO
    EXPECT_EQ(tooLargeRefusal(emf.bytes(QRect(0, 0, 100, 50), EmfFrame), QStringLiteral("lines.emf")),
              QStringLiteral("画像が大きすぎます（100 × 50 ピクセル）。これより小さな画像をお使いください。"));

    // One record of a million points is as much drawing as a million records.
    QByteArray points;
    for (int point = 0; point < 1'100'000; ++point) {
        const quint16 x = quint16(point % 100), y = quint16(point % 50);
        points.append(char(x & 0xFF)).append(char(x >> 8)).append(char(y & 0xFF)).append(char(y >> 8));
    }
    QByteArray polyline;
    for (quint32 value : {0u, 0u, 100u, 50u, 1'100'000u}) // bounds, point count
        for (int i = 0; i < 4; ++i)
            polyline.append(char((value >> (8 * i)) & 0xFF));
    EmfBytes long16;
    long16.rawRecord(87, polyline + points); // EMR_POLYLINE16
    EXPECT_TRUE(tooLargeRefusal(long16.bytes(QRect(0, 0, 100, 50), EmfFrame), QStringLiteral("long.emf"))
                    .contains(QStringLiteral("大きすぎます")));

    // Within the budget a metafile of many records is still drawn.
    EmfBytes many;
    many.solidBrush(1, colorRef(255, 0, 0)).selectObject(1).nullPen();
    for (int box = 0; box < 2000; ++box)
        many.rectangle(box % 90, 0, box % 90 + 10, 50);
    const QImage picture = decodePicture(many.bytes(QRect(0, 0, 100, 50), EmfFrame), QStringLiteral("many.emf"), 15, 15);
    EXPECT_EQ(picture.size(), QSize(100, 50));
    EXPECT_EQ(picture.pixel(5, 25), Red);
}
