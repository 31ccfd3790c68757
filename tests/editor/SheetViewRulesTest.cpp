// The zoom and the scrolling of the sheet view, without the view.

#include <gtest/gtest.h>

#include "editor/SheetScrolling.h"
#include "editor/SheetZoom.h"

using namespace porkane;

TEST(SheetZoom, TypedTextBecomesTheZoomWithinItsBounds)
{
    SheetZoom zoom;
    EXPECT_EQ(zoom.text(), QStringLiteral("1"));
    EXPECT_EQ(zoom.percent(), 100);
    EXPECT_TRUE(zoom.setText(QStringLiteral(" 1.5 ")));
    EXPECT_DOUBLE_EQ(zoom.factor(), 1.5);
    EXPECT_EQ(zoom.percent(), 150);
    // No number, zero or less: the zoom stays.
    for (const char *text : {"x", "", "0", "-2"})
        EXPECT_FALSE(zoom.setText(QString::fromLatin1(text))) << text;
    EXPECT_DOUBLE_EQ(zoom.factor(), 1.5);
    EXPECT_TRUE(zoom.setText(QStringLiteral("9")));
    EXPECT_EQ(zoom.text(), QStringLiteral("3"));
    EXPECT_TRUE(zoom.setText(QStringLiteral("0.01")));
    EXPECT_EQ(zoom.percent(), SheetZoom::MinPercent);
    // The spinner's percent halves to even.
    EXPECT_TRUE(zoom.setText(QStringLiteral("1.125")));
    EXPECT_EQ(zoom.percent(), 112);
    zoom.setPercent(80);
    EXPECT_EQ(zoom.text(), QStringLiteral("0.8"));
}

TEST(SheetZoom, TheSpinnerStepsFrom100To150AndTo80)
{
    // A walk of the arrows from 100 %: the step each click takes and leaves.
    int percent = 100;
    int step = SheetZoom::stepAfterClick(percent);
    const auto click = [&](bool down) {
        step = SheetZoom::stepForClick(down, percent, step);
        percent += down ? -step : step;
        step = SheetZoom::stepAfterClick(percent);
        return percent;
    };
    EXPECT_EQ(click(false), 150);
    EXPECT_EQ(click(true), 100);
    EXPECT_EQ(click(true), 80);
    EXPECT_EQ(click(true), 60);
    EXPECT_EQ(click(false), 80);
    EXPECT_EQ(click(false), 100);
    EXPECT_EQ(click(false), 150);
    EXPECT_EQ(click(true), 100);
}

TEST(SheetScrolling, ABarIsNeededOnlyWhenTheViewOverhangs)
{
    EXPECT_FALSE(scrollRangeFor(3000, 3000).needed);
    EXPECT_FALSE(scrollRangeFor(3000, 1000).needed);
    const ScrollRange range = scrollRangeFor(3000, 20010);
    EXPECT_TRUE(range.needed);
    EXPECT_EQ(range.maximum, 1701); // 1701.0
    EXPECT_EQ(range.smallChange, 85); // 85.05
    EXPECT_EQ(range.largeChange, 340); // 340.2
    // A small overhang still scrolls by at least 1; a huge one stops at the bar's range.
    EXPECT_EQ(scrollRangeFor(3000, 3010), (ScrollRange{true, 1, 1, 1}));
    EXPECT_EQ(scrollRangeFor(0, 1e9).maximum, 32767);
}

TEST(SheetScrolling, ScrollValue7PlacesTheViewAtMinus70AndLargeValuesDoNotWrap)
{
    EXPECT_EQ(viewOffsetTwips(7), -70);
    EXPECT_EQ(viewOffsetPixels(-70, 15), -5);
    EXPECT_EQ(viewOffsetPixels(-300, 15), -20);
    // An A4 sheet at zoom 3 scrolls past 3276 units: still further down, never back up.
    EXPECT_EQ(viewOffsetTwips(4000), -40000);
    EXPECT_EQ(viewOffsetPixels(-40000, 15), -2667);
}
