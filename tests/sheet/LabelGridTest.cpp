#include <gtest/gtest.h>

#include "core/Errors.h"
#include "sheet/LabelGrid.h"

using namespace porkane;

namespace {

using Geometry = SheetTemplate::Geometry;

SheetTemplate a4()
{
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    return sheet;
}

} // namespace

TEST(LabelGrid, LaysLabelsOutRowByRowWithTheirPitchOnTheSameSheet)
{
    LabelGrid grid;
    grid.columns = 3;
    grid.rows = 6;
    grid.labelWidth = 63.5;
    grid.labelHeight = 46.6;
    grid.top = 8.8;
    grid.left = 7.2;
    grid.columnPitch = 66;
    grid.rowPitch = 46.6;
    ASSERT_TRUE(grid.problemOn(210, 297).isEmpty()) << grid.problemOn(210, 297).toStdString();
    const SheetTemplate sheet = grid.applyTo(a4());
    EXPECT_EQ(sheet.SheetWidth, 210);
    EXPECT_EQ(sheet.LabelCount, 18);
    // Each edge is rounded on its own, so the pitch never drifts and rows
    // that touch (pitch = height) still touch: 46.6 mm rows are 46 or 47.
    EXPECT_EQ(sheet.LabelGeometry[1], (Geometry{9, 7, 64, 46, 0, 0}));
    EXPECT_EQ(sheet.LabelGeometry[2], (Geometry{9, 73, 64, 46, 0, 0}));
    EXPECT_EQ(sheet.LabelGeometry[4], (Geometry{55, 7, 64, 47, 0, 0}));
    EXPECT_EQ(sheet.LabelGeometry[18], (Geometry{242, 139, 64, 46, 0, 0}));
    for (int label = 1; label + 3 <= 18; ++label)
        EXPECT_EQ(sheet.LabelGeometry[label][TopOffset] + sheet.LabelGeometry[label][LabelHeight],
                  sheet.LabelGeometry[label + 3][TopOffset])
            << label;
    EXPECT_EQ(sheet.LabelGeometry[19], Geometry{});
}

TEST(LabelGrid, RefusesGridsThatLeaveTheSheetOrExceedTwentyLabels)
{
    LabelGrid grid;
    grid.columns = 3;
    grid.rows = 7;
    EXPECT_TRUE(grid.problemOn(210, 297).contains(QStringLiteral("20 面まで"))) << grid.problemOn(210, 297).toStdString();
    EXPECT_THROW(grid.applyTo(a4()), DocumentError);

    grid.columns = 2;
    grid.rows = 5;
    grid.labelWidth = grid.columnPitch = 100;
    grid.left = 11; // 11 + 100 + 100 = 211 mm on a 210 mm sheet
    EXPECT_TRUE(grid.problemOn(210, 297).contains(QStringLiteral("はみ出します"))) << grid.problemOn(210, 297).toStdString();
    grid.left = 10;
    EXPECT_TRUE(grid.problemOn(210, 297).isEmpty());
    grid.rowPitch = 60; // 10 + 4 * 60 + 50 = 300 mm on a 297 mm sheet
    EXPECT_TRUE(grid.problemOn(210, 297).contains(QStringLiteral("下端"))) << grid.problemOn(210, 297).toStdString();

    LabelGrid empty;
    empty.labelWidth = 0.2;
    EXPECT_FALSE(empty.problemOn(210, 297).isEmpty());
    empty = LabelGrid{};
    empty.rows = 0;
    EXPECT_FALSE(empty.problemOn(210, 297).isEmpty());
    empty = LabelGrid{};
    empty.top = -1;
    EXPECT_FALSE(empty.problemOn(210, 297).isEmpty());
}

TEST(LabelGrid, ATemplatesLabelsGiveBackTheirGridOrLabel1Alone)
{
    LabelGrid grid;
    grid.columns = 3;
    grid.rows = 6;
    grid.labelWidth = 64;
    grid.labelHeight = 38;
    grid.top = 15;
    grid.left = 7;
    grid.columnPitch = 66;
    grid.rowPitch = 38;
    const LabelGrid back = LabelGrid::of(grid.applyTo(a4()));
    EXPECT_EQ(back.columns, 3);
    EXPECT_EQ(back.rows, 6);
    EXPECT_EQ(back.labelWidth, 64);
    EXPECT_EQ(back.labelHeight, 38);
    EXPECT_EQ(back.top, 15);
    EXPECT_EQ(back.left, 7);
    EXPECT_EQ(back.columnPitch, 66);
    EXPECT_EQ(back.rowPitch, 38);

    // Laid out in tenths, stored in whole millimetres: the pitch comes back
    // to a tenth from the first label to the last.
    LabelGrid tenths = grid;
    tenths.top = 8.8;
    tenths.left = 7.2;
    tenths.rowPitch = tenths.labelHeight = 46.5;
    const LabelGrid rounded = LabelGrid::of(tenths.applyTo(a4()));
    EXPECT_EQ(rounded.labelCount(), 18);
    EXPECT_EQ(rounded.top, 9);
    EXPECT_DOUBLE_EQ(rounded.columnPitch, 66);
    EXPECT_DOUBLE_EQ(rounded.rowPitch, 46.4); // (241 - 9) / 5
    EXPECT_EQ(rounded.labelHeight, 46);

    // One column of five.
    grid.columns = 1;
    grid.rows = 5;
    const LabelGrid column = LabelGrid::of(grid.applyTo(a4()));
    EXPECT_EQ(column.columns, 1);
    EXPECT_EQ(column.rows, 5);
    EXPECT_EQ(column.columnPitch, 64); // no pitch to see: the label's width

    // A label out of line, or labels of two sizes, form no grid.
    SheetTemplate moved = grid.applyTo(a4());
    moved.LabelGeometry[4][LeftOffset] = 9;
    const LabelGrid alone = LabelGrid::of(moved);
    EXPECT_EQ(alone.columns, 1);
    EXPECT_EQ(alone.rows, 1);
    EXPECT_EQ(alone.top, 15);
    EXPECT_EQ(alone.columnPitch, 64);
    EXPECT_EQ(alone.rowPitch, 38);
    SheetTemplate sizes = grid.applyTo(a4());
    sizes.LabelGeometry[2][LabelHeight] = 30;
    EXPECT_EQ(LabelGrid::of(sizes).labelCount(), 1);

    // Right to left is not a grid a package prints.
    SheetTemplate backwards = a4();
    backwards.LabelCount = 2;
    backwards.LabelGeometry[1] = {10, 100, 50, 20, 0, 0};
    backwards.LabelGeometry[2] = {10, 20, 50, 20, 0, 0};
    EXPECT_EQ(LabelGrid::of(backwards).labelCount(), 1);

    // The new template's single label.
    const LabelGrid fresh = LabelGrid::of(SheetTemplate::newTemplate());
    EXPECT_EQ(fresh.labelCount(), 1);
    EXPECT_EQ(fresh.labelWidth, 20);
}
