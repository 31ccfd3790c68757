#include <limits>

#include <gtest/gtest.h>

#include "editor/FormatPanelRules.h"
#include "format/TextFormat.h"

using namespace porkane;

TEST(FormatPanelRules, ShadowAndThreeDExcludeEachOtherAndTheOutlineGoesWithEither)
{
    EffectBoxes boxes;
    EXPECT_FALSE(boxes.anyTicked());
    boxes = boxes.clicked(EffectBoxes::Shadow, true).clicked(EffectBoxes::Outline, true);
    EXPECT_EQ(boxes, (EffectBoxes{true, false, true}));
    EXPECT_EQ(boxes.effectCode(), ShadowEffect | OutlineEffect);
    boxes = boxes.clicked(EffectBoxes::ThreeD, true);
    EXPECT_EQ(boxes, (EffectBoxes{false, true, true}));
    EXPECT_EQ(boxes.effectCode(), ThreeDEffect | OutlineEffect);
    boxes = boxes.clicked(EffectBoxes::Shadow, true);
    EXPECT_EQ(boxes, (EffectBoxes{true, false, true}));
    // Unticking leaves the other box alone.
    boxes = boxes.clicked(EffectBoxes::Shadow, false);
    EXPECT_EQ(boxes, (EffectBoxes{false, false, true}));
    EXPECT_TRUE(boxes.anyTicked());
    EXPECT_FALSE(boxes.clicked(EffectBoxes::Outline, false).anyTicked());
}

TEST(FormatPanelRules, EffectCodesShowAsTheirBoxes)
{
    for (qint16 code : {0, 1, 2, 4, 5, 6})
        EXPECT_EQ(EffectBoxes::of(code).effectCode(), code) << code;
    // A file that says shadow and 3D at once shows the 3D.
    EXPECT_EQ(EffectBoxes::of(ShadowEffect | ThreeDEffect), (EffectBoxes{false, true, false}));
}

TEST(FormatPanelRules, TheSizeSpinnerStepsWithinTheFieldAndNeverBelow1)
{
    EXPECT_EQ(sizeStepped(1, true, 1000), 2);
    EXPECT_EQ(sizeStepped(1000, true, 1000), 1000);
    EXPECT_EQ(sizeStepped(2, false, 1000), 1);
    EXPECT_EQ(sizeStepped(1, false, 1000), 1);
    EXPECT_EQ(sizeStepped(0, false, 1000), 0);
}

TEST(FormatPanelRules, FieldNumbersRoundHalvesToEvenWithinTheFieldsRange)
{
    EXPECT_EQ(fieldNumber(2.5, 0, 1000), 2);
    EXPECT_EQ(fieldNumber(3.5, 0, 1000), 4);
    EXPECT_EQ(fieldNumber(-7, 0, 359), 0);
    EXPECT_EQ(fieldNumber(1e12, 0, 359), 359);
    EXPECT_EQ(fieldNumber(std::numeric_limits<double>::quiet_NaN(), 0, 359), 0);
}
