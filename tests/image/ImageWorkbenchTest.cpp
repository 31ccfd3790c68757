#include "image/ImageWorkbench.h"

#include <set>

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "image/PictureLimits.h"

using namespace porkane;

namespace {

QImage distinctPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, 77));
    return picture;
}

std::set<QRgb> coloursOf(const QImage &picture)
{
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    return colours;
}

ImageWorkbench loadedWith(const QImage &picture)
{
    ImageWorkbench workbench(15, 15);
    workbench.load(picture);
    return workbench;
}

} // namespace

// ---- loading and restoring ----

TEST(ImageWorkbench, LoadingMakesAllThreePicturesAndResetsTheScale)
{
    ImageWorkbench workbench = loadedWith(distinctPicture(40, 20));
    workbench.setScalePercent(50);
    const QImage next = distinctPicture(30, 10);
    workbench.load(next);
    EXPECT_EQ(workbench.scalePercent(), 100);
    EXPECT_EQ(workbench.loaded(), next);
    EXPECT_EQ(workbench.result(), next);
    EXPECT_EQ(workbench.sourceCopy(), next);
}

TEST(ImageWorkbench, NothingLoadedKeepsTheEarlierPictures)
{
    ImageWorkbench workbench = loadedWith(distinctPicture(4, 4));
    EXPECT_THROW(workbench.load(QImage()), UserError);
    EXPECT_EQ(workbench.result(), distinctPicture(4, 4));
}

TEST(ImageWorkbench, RestoreBringsBackTheLoadedPictureAtFullScale)
{
    const QImage picture = distinctPicture(40, 20);
    ImageWorkbench workbench = loadedWith(picture);
    workbench.turn90();
    workbench.setScalePercent(50);
    workbench.mirrorLeftRight();
    workbench.turnBy(30);
    workbench.restore();
    EXPECT_EQ(workbench.result(), picture);
    EXPECT_EQ(workbench.sourceCopy(), picture);
    EXPECT_EQ(workbench.scalePercent(), 100);
}

TEST(ImageWorkbench, WithoutAPictureEveryOperationDoesNothing)
{
    ImageWorkbench workbench;
    workbench.turn90();
    workbench.turn180();
    workbench.turnBy(45);
    workbench.mirrorTopBottom();
    workbench.setScalePercent(50);
    workbench.setWidthMillimetres(30);
    workbench.restore();
    EXPECT_FALSE(workbench.hasPicture());
    EXPECT_FALSE(workbench.colourAt(QPointF(0, 0)).has_value());
}

// ---- transformations ----

TEST(ImageWorkbench, TransformationsWorkOnTheResultAndKeepTheLoadedPicture)
{
    const QImage picture = distinctPicture(40, 20);
    ImageWorkbench workbench = loadedWith(picture);
    workbench.turn90();
    workbench.turn270();
    EXPECT_EQ(workbench.result(), picture);
    workbench.mirrorLeftRight();
    workbench.mirrorLeftRight();
    EXPECT_EQ(workbench.result(), picture);
    workbench.turn180();
    EXPECT_EQ(workbench.result().pixel(39, 19), picture.pixel(0, 0));
    EXPECT_EQ(workbench.loaded(), picture);
}

TEST(ImageWorkbench, ScalingAfterATurnKeepsTheTurn)
{
    // Red on the left, blue on the right: turned clockwise, red is on top.
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    ImageWorkbench workbench = loadedWith(picture);
    workbench.turn90();
    EXPECT_EQ(workbench.scalePercent(), 100);
    workbench.setScalePercent(50);
    ASSERT_EQ(workbench.result().size(), QSize(10, 20));
    EXPECT_EQ(workbench.result().pixel(5, 2), qRgb(255, 0, 0));
    EXPECT_EQ(workbench.result().pixel(5, 17), qRgb(0, 0, 255));
    workbench.setWidthMillimetres(10);
    EXPECT_EQ(workbench.result().pixel(20, 2), qRgb(255, 0, 0));
    EXPECT_EQ(workbench.result().pixel(20, 17), qRgb(0, 0, 255));
}

TEST(ImageWorkbench, AngleTextOutsideTheRangeChangesNothing)
{
    const QImage picture = distinctPicture(12, 8);
    ImageWorkbench workbench = loadedWith(picture);
    for (const QString &typed : {QStringLiteral("-5"), QStringLiteral("400")}) {
        const AngleEntry entry = workbench.turnByAngleText(typed);
        EXPECT_FALSE(entry.degrees.has_value());
        EXPECT_EQ(workbench.result(), picture);
    }
}

TEST(ImageWorkbench, EmptyAngleTextTurnsByNought)
{
    const QImage picture = distinctPicture(12, 8);
    ImageWorkbench workbench = loadedWith(picture);
    int rows = 0;
    const AngleEntry entry = workbench.turnByAngleText(QString(), [&rows](int, int) { ++rows; });
    EXPECT_EQ(entry.text, QStringLiteral("0"));
    EXPECT_EQ(entry.degrees, std::optional<int>(0));
    EXPECT_EQ(workbench.result(), picture);
    EXPECT_EQ(rows, picture.height());
}

TEST(ImageWorkbench, TurnTooLargeIsRefusedAndKeepsThePictures)
{
    const QImage strip = distinctPicture(int(MaxPictureSide), 1);
    ImageWorkbench workbench = loadedWith(strip);
    EXPECT_THROW(workbench.turnBy(45), UserError);
    EXPECT_EQ(workbench.result(), strip);
    EXPECT_EQ(workbench.sourceCopy(), strip);
}

// ---- scale and size ----

TEST(ImageWorkbench, ScaleAlwaysStartsFromTheSourceCopy)
{
    const QImage picture = distinctPicture(40, 20);
    ImageWorkbench workbench = loadedWith(picture);
    workbench.setScalePercent(50);
    EXPECT_EQ(workbench.result().size(), QSize(20, 10));
    workbench.setScalePercent(200);
    EXPECT_EQ(workbench.result().size(), QSize(80, 40));
    // Every pixel of the source copy is there, not only the quarter the
    // halved picture kept.
    EXPECT_EQ(coloursOf(workbench.result()), coloursOf(picture));
    EXPECT_EQ(workbench.sourceCopy(), picture);
    EXPECT_EQ(workbench.scalePercent(), 200);
}

TEST(ImageWorkbench, ScaleKeepsColoursExactAndAtLeastOnePixel)
{
    ImageWorkbench workbench = loadedWith(distinctPicture(40, 20));
    workbench.setScalePercent(37);
    const std::set<QRgb> source = coloursOf(workbench.sourceCopy());
    for (const QRgb colour : coloursOf(workbench.result()))
        EXPECT_TRUE(source.count(colour)) << std::hex << colour; // no blended colours
    workbench.setScalePercent(0);
    EXPECT_EQ(workbench.result().size(), QSize(1, 1));
}

TEST(ImageWorkbench, ScaleTooLargeIsRefusedAndKeepsTheResult)
{
    ImageWorkbench workbench = loadedWith(distinctPicture(4000, 10));
    workbench.setScalePercent(50);
    EXPECT_THROW(workbench.setScalePercent(10000), UserError);
    EXPECT_EQ(workbench.result().size(), QSize(2000, 5));
    EXPECT_EQ(workbench.scalePercent(), 50);
}

TEST(ImageWorkbench, TypedWidthLeavesTheHeightAndReadsAsFullScale)
{
    ImageWorkbench workbench = loadedWith(distinctPicture(40, 20));
    workbench.setScalePercent(50);
    workbench.setWidthMillimetres(30);
    EXPECT_EQ(workbench.result().width(), 113); // 30 mm = 1701 twips = 113.4 pixels
    EXPECT_EQ(workbench.result().height(), 10);
    EXPECT_NEAR(workbench.resultWidth().value, 30, 0.2);
    EXPECT_EQ(workbench.scalePercent(), 100);

    workbench.setHeightMillimetres(10);
    EXPECT_EQ(workbench.result().width(), 113);
    EXPECT_EQ(workbench.result().height(), 38); // 567 twips = 37.8 pixels
    EXPECT_NEAR(workbench.resultHeight().value, 10, 0.2);

    // On a finer screen the same millimetres are more pixels.
    ImageWorkbench fine(10, 10);
    fine.load(distinctPicture(567, 20));
    EXPECT_DOUBLE_EQ(fine.resultWidth().value, 100);
    fine.setWidthMillimetres(30);
    EXPECT_EQ(fine.result().width(), 170); // 1701 twips = 170.1 pixels
}

// ---- picking a colour ----

TEST(ImageWorkbench, PicksTheColourUnderThePointerRoundedToWholePixels)
{
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(3, 2, qRgb(255, 0, 0));
    ImageWorkbench workbench = loadedWith(picture);
    EXPECT_EQ(workbench.colourAt(QPointF(3, 2)), std::optional<RgbValue>(rgbValue(255, 0, 0)));
    EXPECT_EQ(workbench.colourAt(QPointF(3.4, 1.6)), std::optional<RgbValue>(rgbValue(255, 0, 0)));
    // Halves go to the even pixel: 2.5 is pixel 2, 3.5 pixel 4.
    EXPECT_EQ(workbench.colourAt(QPointF(2.5, 2)), std::optional<RgbValue>(rgbValue(255, 255, 255)));
    EXPECT_EQ(workbench.colourAt(QPointF(3.5, 2)), std::optional<RgbValue>(rgbValue(255, 255, 255)));
    EXPECT_TRUE(workbench.colourAt(QPointF(-0.4, 0)).has_value());
    EXPECT_FALSE(workbench.colourAt(QPointF(-0.6, 0)).has_value());
    EXPECT_FALSE(workbench.colourAt(QPointF(6, 0)).has_value());
    EXPECT_FALSE(workbench.colourAt(QPointF(0, 3.6)).has_value());
}
