#include "image/PixelOperations.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "core/Rounding.h"
#include "image/PictureLimits.h"

using namespace porkane;

namespace {

const QRgb White = qRgb(255, 255, 255);

// Every pixel a colour of its own: red is the column, green the row.
QImage distinctPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF));
    return picture;
}

// Four quarters in red, green, blue and black (top left, top right, bottom
// left, bottom right), nothing white.
QImage quarters(int side)
{
    QImage picture(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const bool right = x >= side / 2, bottom = y >= side / 2;
            picture.setPixel(x, y, !bottom ? (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0))
                                           : (right ? qRgb(0, 0, 0) : qRgb(0, 0, 255)));
        }
    return picture;
}

std::vector<std::pair<int, int>> progressOf(const std::function<void(const RowProgress &)> &operation)
{
    std::vector<std::pair<int, int>> calls;
    operation([&calls](int done, int total) { calls.emplace_back(done, total); });
    return calls;
}

void expectEveryRowOnce(const std::vector<std::pair<int, int>> &calls, int rows)
{
    ASSERT_EQ(calls.size(), size_t(rows));
    for (int row = 1; row <= rows; ++row)
        EXPECT_EQ(calls[size_t(row - 1)], std::make_pair(row, rows));
}

// The free turn as its rule reads, one pixel at a time: the nearest source
// pixel under the inverse turn about the rounded centre, white outside.
QImage freeTurnByTheRule(const QImage &source, int degrees)
{
    const FreeTurnGeometry geometry = freeTurnGeometry(source.size(), degrees, 15, 15);
    QImage result(geometry.size, QImage::Format_RGB32);
    const double cx = roundHalfEven(source.width() / 2.0);
    const double cy = roundHalfEven(source.height() / 2.0);
    for (int j = 0; j < result.height(); ++j)
        for (int i = 0; i < result.width(); ++i) {
            const double X = i + geometry.offset.x(), Y = j + geometry.offset.y();
            const double x = roundHalfEven(cx + (X - cx) * geometry.cosine - (Y - cy) * geometry.sine);
            const double y = roundHalfEven(cy + (X - cx) * geometry.sine + (Y - cy) * geometry.cosine);
            const bool inside = x >= 0 && y >= 0 && x < source.width() && y < source.height();
            result.setPixel(i, j, inside ? source.pixel(int(x), int(y)) : White);
        }
    return result;
}

} // namespace

// ---- quarter turns ----

TEST(QuarterTurn, NinetyDegreesPutsTheTopLeftPixelAtTheTopRight)
{
    const QImage source = distinctPicture(5, 3);
    const QImage turned = turn90(source);
    ASSERT_EQ(turned.size(), QSize(3, 5));
    EXPECT_EQ(turned.format(), QImage::Format_RGB32);
    EXPECT_EQ(turned.pixel(2, 0), source.pixel(0, 0));
    EXPECT_EQ(turned.pixel(2, 4), source.pixel(4, 0)); // the top row becomes the right column
    EXPECT_EQ(turned.pixel(0, 0), source.pixel(0, 2)); // the bottom-left pixel goes to the top left
}

TEST(QuarterTurn, TwoSeventyDegreesPutsTheTopLeftPixelAtTheBottomLeft)
{
    const QImage source = distinctPicture(5, 3);
    const QImage turned = turn270(source);
    ASSERT_EQ(turned.size(), QSize(3, 5));
    EXPECT_EQ(turned.pixel(0, 4), source.pixel(0, 0));
    EXPECT_EQ(turned.pixel(0, 0), source.pixel(4, 0)); // the top-right pixel goes to the top left
    EXPECT_EQ(turned.pixel(2, 4), source.pixel(0, 2));
}

TEST(QuarterTurn, TurnsUndoAndAddUpOnPicturesOfManyRows)
{
    // Sizes around the row bands the turn works in.
    for (const QSize size : {QSize(1, 1), QSize(37, 5), QSize(70, 45), QSize(33, 64), QSize(3, 97)}) {
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
        const QImage source = distinctPicture(size.width(), size.height());
        EXPECT_EQ(turn270(turn90(source)), source);
        EXPECT_EQ(turn90(turn270(source)), source);
        EXPECT_EQ(turn90(turn90(turn90(turn90(source)))), source);
        EXPECT_EQ(turn90(turn90(source)), turn180(source));
        EXPECT_EQ(turn90(turn90(turn90(source))), turn270(source));
    }
}

TEST(QuarterTurn, ReportsEverySourceRowOnceInOrder)
{
    const QImage source = distinctPicture(20, 75);
    expectEveryRowOnce(progressOf([&](const RowProgress &progress) { turn90(source, progress); }), 75);
    expectEveryRowOnce(progressOf([&](const RowProgress &progress) { turn270(source, progress); }), 75);
}

// ---- half turn and mirrors ----

TEST(Mirror, LeftRightSwapsTheSidesAndTwiceGivesBackThePicture)
{
    const QImage source = distinctPicture(6, 4);
    const QImage mirrored = mirrorLeftRight(source);
    ASSERT_EQ(mirrored.size(), source.size());
    EXPECT_EQ(mirrored.pixel(5, 0), source.pixel(0, 0));
    EXPECT_EQ(mirrored.pixel(0, 3), source.pixel(5, 3));
    EXPECT_EQ(mirrorLeftRight(mirrored), source);
}

TEST(Mirror, TopBottomSwapsTopAndBottomAndTwiceGivesBackThePicture)
{
    const QImage source = distinctPicture(6, 4);
    const QImage mirrored = mirrorTopBottom(source);
    ASSERT_EQ(mirrored.size(), source.size());
    EXPECT_EQ(mirrored.pixel(0, 3), source.pixel(0, 0));
    EXPECT_EQ(mirrored.pixel(5, 0), source.pixel(5, 3));
    EXPECT_EQ(mirrorTopBottom(mirrored), source);
}

TEST(Mirror, BothMirrorsMakeAHalfTurn)
{
    const QImage source = distinctPicture(7, 3);
    const QImage halfTurn = turn180(source);
    EXPECT_EQ(halfTurn.pixel(6, 2), source.pixel(0, 0));
    EXPECT_EQ(mirrorTopBottom(mirrorLeftRight(source)), halfTurn);
    EXPECT_EQ(turn180(halfTurn), source);
}

TEST(Operations, SeeThroughPixelsComeOutWhiteAndTheRestKeepsItsColour)
{
    QImage source(2, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgba(0, 0, 0, 0));
    source.setPixel(1, 0, qRgba(200, 10, 20, 255));
    for (const QImage &result : {turn90(source), turn270(source), turn180(source), mirrorLeftRight(source),
                                 turnFree(source, 0, 15, 15)}) {
        EXPECT_EQ(result.format(), QImage::Format_RGB32);
        std::vector<QRgb> colours;
        for (int y = 0; y < result.height(); ++y)
            for (int x = 0; x < result.width(); ++x)
                colours.push_back(result.pixel(x, y));
        EXPECT_EQ(std::count(colours.begin(), colours.end(), White), 1);
        EXPECT_EQ(std::count(colours.begin(), colours.end(), qRgb(200, 10, 20)), 1);
    }
}

TEST(Operations, AnEmptyPictureGivesAnEmptyPicture)
{
    EXPECT_TRUE(turn90(QImage()).isNull());
    EXPECT_TRUE(turn180(QImage()).isNull());
    EXPECT_TRUE(turnFree(QImage(), 30, 15, 15).isNull());
}

// ---- free turn ----

TEST(FreeTurn, NoughtAndThreeSixtyDegreesKeepThePicture)
{
    for (const QSize size : {QSize(1, 1), QSize(7, 5), QSize(40, 31)}) {
        const QImage source = distinctPicture(size.width(), size.height());
        EXPECT_EQ(turnFree(source, 0, 15, 15), source);
        EXPECT_EQ(turnFree(source, 360, 15, 15), source);
    }
}

TEST(FreeTurn, FortyFiveDegreesOfASquareGrowsItsSideByRootTwoWithWhiteCorners)
{
    const int side = 100;
    const QImage source = quarters(side);
    const QImage turned = turnFree(source, 45, 15, 15);
    EXPECT_NEAR(turned.width(), side * std::sqrt(2.0), 1.0);
    EXPECT_NEAR(turned.height(), side * std::sqrt(2.0), 1.0);
    const int right = turned.width() - 1, bottom = turned.height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom),
                                QPoint(10, 10), QPoint(right - 10, bottom - 10)})
        EXPECT_EQ(turned.pixel(corner), White) << corner.x() << ", " << corner.y();
    // The source covers the middle and the midpoints of the sides' inner parts.
    EXPECT_NE(turned.pixel(turned.width() / 2, turned.height() / 2), White);
    EXPECT_NE(turned.pixel(turned.width() / 2, 5), White);
    EXPECT_NE(turned.pixel(5, turned.height() / 2), White);
}

TEST(FreeTurn, TurnsClockwise)
{
    const int side = 60;
    const QImage turned = turnFree(quarters(side), 90, 15, 15);
    EXPECT_NEAR(turned.width(), side, 1);
    EXPECT_NEAR(turned.height(), side, 1);
    // Red, the top-left quarter, is now at the top right; blue (bottom left)
    // at the top left.
    EXPECT_EQ(turned.pixel(turned.width() - 10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(turned.pixel(10, 10), qRgb(0, 0, 255));
    EXPECT_EQ(turned.pixel(turned.width() - 10, turned.height() - 10), qRgb(0, 255, 0));

    // At 45 degrees the red quarter points straight up.
    const QImage diagonal = turnFree(quarters(side), 45, 15, 15);
    EXPECT_EQ(diagonal.pixel(diagonal.width() / 2, diagonal.height() / 4), qRgb(255, 0, 0));
    EXPECT_EQ(diagonal.pixel(diagonal.width() / 2, diagonal.height() * 3 / 4), qRgb(0, 0, 0));
}

TEST(FreeTurn, TakesTheNearestSourcePixelOfTheInverseTurnAtEveryAngle)
{
    const QImage source = distinctPicture(23, 17);
    for (const int degrees : {1, 30, 45, 60, 90, 120, 137, 180, 225, 270, 300, 333, 359}) {
        SCOPED_TRACE(degrees);
        EXPECT_EQ(turnFree(source, degrees, 15, 15), freeTurnByTheRule(source, degrees));
    }
}

TEST(FreeTurn, BoundingBoxHoldsTheTurnedPicture)
{
    const FreeTurnGeometry none = freeTurnGeometry(QSize(60, 40), 0, 15, 15);
    EXPECT_EQ(none.size, QSize(60, 40));
    EXPECT_EQ(none.offset, QPoint(0, 0));

    const FreeTurnGeometry quarter = freeTurnGeometry(QSize(60, 40), 90, 15, 15);
    EXPECT_EQ(quarter.size, QSize(40, 60));
    // The box is centred on the picture: it reaches 10 pixels above it.
    EXPECT_EQ(quarter.offset, QPoint(10, -10));

    const FreeTurnGeometry thirty = freeTurnGeometry(QSize(60, 40), 30, 15, 15);
    const double angle = 30 * M_PI / 180;
    EXPECT_NEAR(thirty.size.width(), 60 * std::cos(angle) + 40 * std::sin(angle), 1.0);
    EXPECT_NEAR(thirty.size.height(), 60 * std::sin(angle) + 40 * std::cos(angle), 1.0);
    EXPECT_LE(thirty.offset.x(), 0);
    EXPECT_LE(thirty.offset.y(), 0);
}

TEST(FreeTurn, ReportsEveryResultRowOnceInOrder)
{
    const QImage source = distinctPicture(30, 20);
    const QSize size = freeTurnGeometry(source.size(), 30, 15, 15).size;
    expectEveryRowOnce(progressOf([&](const RowProgress &progress) { turnFree(source, 30, 15, 15, progress); }),
                       size.height());
}

TEST(FreeTurn, RefusesAResultTooLargeWithoutAllocatingIt)
{
    // A thin picture within the limits whose turned box is not.
    const QImage strip = distinctPicture(int(MaxPictureSide), 1);
    try {
        turnFree(strip, 45, 15, 15);
        FAIL() << "the turn should have been refused";
    } catch (const UserError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("大きすぎます")));
    }
}
