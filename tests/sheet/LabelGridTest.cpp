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
    // Each position is rounded on its own, so the pitch never drifts.
    EXPECT_EQ(sheet.LabelGeometry[1], (Geometry{9, 7, 64, 47, 0, 0}));
    EXPECT_EQ(sheet.LabelGeometry[2], (Geometry{9, 73, 64, 47, 0, 0}));
    EXPECT_EQ(sheet.LabelGeometry[4], (Geometry{55, 7, 64, 47, 0, 0}));
    EXPECT_EQ(sheet.LabelGeometry[18], (Geometry{242, 139, 64, 47, 0, 0}));
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
