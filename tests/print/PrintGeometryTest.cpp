#include <gtest/gtest.h>

#include <cmath>

#include "print/PrintGeometry.h"

using namespace porkane;

namespace {

PrintDevice deviceAt(double dpi, QPoint physicalOffset = {})
{
    PrintDevice device;
    device.dotsPerInchX = dpi;
    device.dotsPerInchY = dpi;
    device.physicalOffset = physicalOffset;
    return device;
}

PrintOptions offsets(qint16 left, qint16 top)
{
    PrintOptions options;
    options.offsetLeft = left;
    options.offsetTop = top;
    return options;
}

// 100 x 80 mm; one 30 x 20 mm label at (10, 5), text from (2, 3) inside it.
SheetTemplate sheet()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 100;
    sheet.SheetHeight = 80;
    sheet.LabelCount = 1;
    sheet.LabelGeometry[1] = {5, 10, 30, 20, 3, 2};
    return sheet;
}

} // namespace

TEST(PrintGeometry, PutsEveryMillimetreWhereItBelongsAtAnyResolution)
{
    for (double dpi : {300.0, 360.0, 600.0, 720.0, 1200.0, 2400.0}) {
        const PrintGeometry geometry(deviceAt(dpi), {}, {});
        // 100 mm is 3.937 inches; 56.7 twips per millimetre is 0.01 % off.
        const double inches = 100 / 25.4;
        EXPECT_NEAR(geometry.pixelX(100), inches * dpi, inches * dpi * 0.0002) << dpi;
        EXPECT_NEAR(geometry.pixelY(100), inches * dpi, inches * dpi * 0.0002) << dpi;
        EXPECT_EQ(geometry.pixelX(0), 0) << dpi;
    }
}

TEST(PrintGeometry, OffsetsCountFromThePaperCorner)
{
    // The device's pixel (0, 0) lies 83 and 50 pixels inside the paper.
    const PrintGeometry corner(deviceAt(600, QPoint(83, 50)), {}, {});
    EXPECT_EQ(corner.sheetArea(sheet()).topLeft(), QPoint(-83, -50));
    // 100 mm up at 600 dpi; 2.5 mm left at 1200 dpi is 118.125 pixels.
    EXPECT_EQ(PrintGeometry(deviceAt(600), offsets(0, -1000), {}).sheetArea(sheet()).top(), -2362);
    EXPECT_EQ(PrintGeometry(deviceAt(1200), offsets(-25, 0), {}).deviceOffsetX(), 118);
}

TEST(PrintGeometry, ClipsToTheLabelsRectangleWithoutItsFarEdges)
{
    const PrintGeometry geometry(deviceAt(600), {}, {});
    const QRect label = geometry.labelArea(sheet(), 1);
    // 10 mm -> 236.25, 40 mm -> 945, 5 mm -> 118.125, 25 mm -> 590.625
    EXPECT_EQ(label.left(), 236);
    EXPECT_EQ(label.top(), 118);
    EXPECT_EQ(label.right(), 944);
    EXPECT_EQ(label.bottom(), 590);
    EXPECT_EQ(geometry.sheetArea(sheet()), QRect(0, 0, 2362, 1890)); // 2362.5 rounds to even
    EXPECT_TRUE(geometry.labelArea(sheet(), 0).isNull());
    EXPECT_TRUE(geometry.labelArea(sheet(), 21).isNull());
}

TEST(PrintGeometry, StartsATurnedLabelsTextFromTheOppositeCorner)
{
    const PrintGeometry geometry(deviceAt(600), {}, {});
    const QPoint upright = geometry.textOrigin(sheet(), 1, false);
    const QPoint turned = geometry.textOrigin(sheet(), 1, true);
    EXPECT_EQ(upright, QPoint(284, 189)); // (12 mm, 8 mm): 283.5 rounds to even
    EXPECT_EQ(turned, QPoint(898, 520));  // (40 - 2 mm, 25 - 3 mm)

    const TextScale scale = geometry.textScale(true);
    EXPECT_EQ(scale.direction, -1);
    EXPECT_EQ(scale.extraEscapement, 1800);
    EXPECT_EQ(geometry.textScale(false).direction, 1);
    EXPECT_EQ(geometry.textScale(false).extraEscapement, 0);
}

TEST(PrintGeometry, ScalesScreenSizesToThePrinter)
{
    const PrintGeometry geometry(deviceAt(600), {}, ScreenScale{15, 15});
    const TextScale scale = geometry.textScale(false);
    // A font 40 screen pixels high is 40 * 15 twips = 250 printer pixels.
    EXPECT_DOUBLE_EQ(40 * scale.fontHeightFactor, 250);
    EXPECT_DOUBLE_EQ(40 * scale.fontWidthFactor, 250);
    EXPECT_DOUBLE_EQ(4 * scale.lineAlignmentFactor, 25);
    EXPECT_DOUBLE_EQ(scale.twipsPerPixelX, 2.4);
    // The outline lies PX printer pixels from the face.
    EXPECT_EQ(scale.outlineStepX, 2);
    EXPECT_EQ(PrintGeometry(deviceAt(1200), {}, {}).textScale(false).outlineStepY, 1);
    EXPECT_EQ(PrintGeometry(deviceAt(300), {}, {}).textScale(false).outlineStepX, 5);

    // An 8 x 4 picture at screen pixel (16, 32) covers 240 x 480 twips.
    const ImagePlacementRow placement = {16, 32, 0, 0, 0};
    EXPECT_EQ(geometry.imageArea(QSize(8, 4), placement), QRect(100, 200, 50, 25));
    const ImagePlacementRow far = {2000000000, 0, 0, 0, 0};
    EXPECT_TRUE(geometry.imageArea(QSize(8, 4), far).isNull());
}
