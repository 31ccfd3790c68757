#include <gtest/gtest.h>

#include "editor/HitTesting.h"

using namespace porkane;

namespace {

// Two overlapping labels: 1 at (10, 10) 10 x 10 mm, 2 at (15, 15) 10 x 10 mm.
SheetTemplate overlapping()
{
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.LabelCount = 2;
    sheet.LabelGeometry[1] = {10, 10, 10, 10, 0, 0};
    sheet.LabelGeometry[2] = {15, 15, 10, 10, 0, 0};
    return sheet;
}

// Millimetres as sheet-view pixels at 15 twips per pixel.
double mm(double millimetres) { return millimetres * 56.7 / 15; }

} // namespace

TEST(HitTesting, LabelsContainPointsStrictlyAndLowerNumbersWin)
{
    const SheetTemplate sheet = overlapping();
    EXPECT_EQ(labelAt(sheet, {mm(12), mm(12)}, 1, 15), 1);
    EXPECT_EQ(labelAt(sheet, {mm(17), mm(17)}, 1, 15), 1); // both: the lower number
    EXPECT_EQ(labelAt(sheet, {mm(22), mm(22)}, 1, 15), 2);
    EXPECT_EQ(labelAt(sheet, {mm(10), mm(12)}, 1, 15), 0); // on the left border
    EXPECT_EQ(labelAt(sheet, {mm(12), mm(20)}, 1, 15), 0); // on the bottom border
    EXPECT_EQ(labelAt(sheet, {mm(50), mm(50)}, 1, 15), 0);
}

TEST(HitTesting, ZoomScalesTheLabelRectangles)
{
    const SheetTemplate sheet = overlapping();
    // At zoom 2 label 1 spans 10 x 56.7 / 15 x 2 = 75.6 pixels from 75.6.
    EXPECT_EQ(labelAt(sheet, {75.7, 80}, 2, 15), 1);
    EXPECT_EQ(labelAt(sheet, {75.6, 80}, 2, 15), 0);
    EXPECT_EQ(labelAt(sheet, {151.1, 80}, 2, 15), 1);
    EXPECT_EQ(labelAt(sheet, {151.3, 80}, 2, 15), 0);
}

TEST(HitTesting, ImagesAreFoundInNumberOrderWithinTheirPictures)
{
    LabelDocument document = LabelDocument::fromTemplate(overlapping());
    document.addImage(QImage(20, 10, QImage::Format_RGB32), {100, 50, 0, 0, 0});
    document.addImage(QImage(20, 10, QImage::Format_RGB32), {110, 55, 0, 0, 0});
    EXPECT_EQ(imageAt(document, {105, 55}, 1), 1);
    EXPECT_EQ(imageAt(document, {115, 58}, 1), 1);
    EXPECT_EQ(imageAt(document, {125, 62}, 1), 2);
    EXPECT_EQ(imageAt(document, {100, 55}, 1), 0); // on the edge
    EXPECT_EQ(imageAt(document, {250, 120}, 2), 2);
}

TEST(HitTesting, APressChoosesAnImageOverALabelOnlyWhenImagesComeFirst)
{
    LabelDocument document = LabelDocument::fromTemplate(overlapping());
    // Over label 1, and a second one beside every label.
    document.addImage(QImage(20, 10, QImage::Format_RGB32), {int(mm(11)), int(mm(11)), 0, 0, 0});
    document.addImage(QImage(20, 10, QImage::Format_RGB32), {200, 200, 0, 0, 0});
    const QPointF overLabel(mm(11) + 5, mm(11) + 5);
    EXPECT_EQ(hitAt(document, overLabel, 1, 15, false), (SheetHit{1, 0}));
    EXPECT_EQ(hitAt(document, overLabel, 1, 15, true), (SheetHit{0, 1}));
    // Where there is no label the image is found either way.
    EXPECT_EQ(hitAt(document, {205, 205}, 1, 15, false), (SheetHit{0, 2}));
    EXPECT_EQ(hitAt(document, {5, 5}, 1, 15, true), SheetHit{});
}
