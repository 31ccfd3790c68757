#include <gtest/gtest.h>

#include "render/DrawSelectSub.h"

using namespace porkane;

namespace {

// The pattern left on a grey picture: 'x' blue, '.' unchanged.
QStringList patternOf(qint32 mode, int width, int height, QPoint at = {0, 0})
{
    QImage image(at.x() + width, at.y() + height, QImage::Format_RGB32);
    image.fill(qRgb(128, 128, 128));
    EXPECT_EQ(DrawSelectSub(image, at.x(), at.y(), width, height, mode, rgbValue(249, 249, 249)), 0);
    QStringList rows;
    for (int y = at.y(); y < image.height(); ++y) {
        QString row;
        for (int x = at.x(); x < image.width(); ++x)
            row += image.pixel(x, y) == qRgb(0, 0, 255) ? QLatin1Char('x') : QLatin1Char('.');
        rows << row;
    }
    return rows;
}

} // namespace

TEST(DrawSelectSub, TilesItsThreePatternsFromTheRectanglesCorner)
{
    EXPECT_EQ(patternOf(0, 9, 3), QStringList({".xxx.xxx.", "xx.xxx.xx", ".xxx.xxx."}));
    EXPECT_EQ(patternOf(1, 5, 2), QStringList({".x.x.", "x.x.x"}));
    EXPECT_EQ(patternOf(2, 9, 2), QStringList({"x...x...x", "..x...x.."}));
    EXPECT_EQ(patternOf(2, 5, 2, {3, 1}), QStringList({"x...x", "..x.."}));
    EXPECT_EQ(patternOf(7, 4, 2), QStringList({"....", "...."})); // no such mode
}

TEST(DrawSelectSub, LeavesPixelsOfMcolorAndOutsideThePictureAlone)
{
    QImage image(8, 2, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    image.setPixel(2, 1, qRgb(200, 10, 10));
    DrawSelectSub(image, 0, 0, 8, 2, 2, rgbValue(255, 255, 255));
    EXPECT_EQ(image.pixel(2, 1), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)); // off, but the background colour

    QImage window(4, 2, QImage::Format_RGB32); // COLOR_WINDOW is white
    window.fill(qRgb(255, 255, 255));
    DrawSelectSub(window, -3, 0, 100, 100, 0, qint32(0x80000005));
    EXPECT_EQ(window.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_FALSE(translateColour(0x01000003));
}
