#include <gtest/gtest.h>

#include "render/PixelCopy.h"

using namespace porkane;

namespace {

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Every pixel its own colour; black on the even diagonals' corner (0, 0).
QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 40, y * 40, (x + y) % 2 ? 90 : 0));
    }
    return image;
}

} // namespace

TEST(TransparentBlit, LeavesExactlyTheSeeThroughColour)
{
    const QImage destination = gradient(6, 6);
    QImage unchanged = destination; // every pixel see-through
    TransparentBlit(unchanged, filled(4, 4, qRgb(255, 255, 255)), 1, 1, rgbValue(255, 255, 255));
    EXPECT_EQ(unchanged, destination);

    const QImage source = gradient(3, 3);
    QImage copied = destination; // no pixel see-through: a plain copy
    TransparentBlit(copied, source, 2, 1, rgbValue(1, 2, 3));
    QImage plain = destination;
    copyPicture(plain, source, 2, 1);
    EXPECT_EQ(copied, plain);
    EXPECT_EQ(copied.pixel(3, 2), source.pixel(1, 1));

    QImage keyed = filled(3, 3, qRgb(7, 7, 7)); // black see-through, other colours exact
    TransparentBlit(keyed, source, 0, 0, rgbValue(0, 0, 0));
    EXPECT_EQ(keyed.pixel(0, 0), qRgb(7, 7, 7));
    EXPECT_EQ(keyed.pixel(1, 0), source.pixel(1, 0));
    EXPECT_EQ(keyed.pixel(2, 2), source.pixel(2, 2));

    QImage nearly = filled(1, 1, qRgb(0, 0, 0));
    TransparentBlit(nearly, filled(1, 1, qRgb(254, 255, 255)), 0, 0, rgbValue(255, 255, 255));
    EXPECT_EQ(nearly.pixel(0, 0), qRgb(254, 255, 255));
}

TEST(TransparentBlit, CopiesOnlyWhereBothPicturesAreAndNothingForBadRectangles)
{
    const QImage source = gradient(4, 4);
    QImage destination = filled(5, 5, qRgb(1, 1, 1));
    TransparentBlit(destination, source, 1, 0, 4, 4, -2, 3, rgbValue(255, 255, 255));
    EXPECT_EQ(destination.pixel(0, 3), source.pixel(3, 0));
    EXPECT_EQ(destination.pixel(1, 3), qRgb(1, 1, 1));

    const QImage before = destination;
    TransparentBlit(destination, source, 3, 0, 3, 4, 0, 0, rgbValue(255, 255, 255));
    TransparentBlit(destination, source, 4, 4, 0, 0, 0, 0, rgbValue(255, 255, 255));
    TransparentBlit(destination, source, -2147483647 - 1, 0, 2147483647, 4, 0, 0, rgbValue(255, 255, 255));
    EXPECT_EQ(destination, before);
}

TEST(Stretch, EnlargesByRepeatingAndShrinksKeepingDarkPixels)
{
    const QImage source = gradient(3, 2);
    const QImage tripled = stretchBlackOnWhite(source, {9, 6});
    EXPECT_EQ(tripled.pixel(5, 4), source.pixel(1, 1));
    EXPECT_EQ(tripled.pixel(8, 2), source.pixel(2, 0));

    QImage lined = filled(9, 9, qRgb(255, 255, 255));
    for (int y = 0; y < 9; ++y)
        lined.setPixel(4, y, qRgb(0, 0, 0));
    lined.setPixel(0, 0, qRgb(255, 0, 255));
    lined.setPixel(1, 0, qRgb(0, 255, 255));
    const QImage shrunk = stretchBlackOnWhite(lined, {3, 3});
    EXPECT_EQ(shrunk.pixel(1, 2), qRgb(0, 0, 0));          // the line survives
    EXPECT_EQ(shrunk.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(shrunk.pixel(0, 0), qRgb(0, 0, 255));        // magenta AND cyan
}
