#include <gtest/gtest.h>

#include "editor/InputFormat.h"

using namespace porkane;

TEST(InputFormat, TheEffectBoxesGiveTheSixEffectCodes)
{
    EXPECT_EQ(effectCodeOf(false, false, false), 0);
    EXPECT_EQ(effectCodeOf(true, false, false), 1);
    EXPECT_EQ(effectCodeOf(false, true, false), 2);
    EXPECT_EQ(effectCodeOf(true, true, false), 2); // three-dimensional replaces the shadow
    EXPECT_EQ(effectCodeOf(false, false, true), 4);
    EXPECT_EQ(effectCodeOf(true, false, true), 5);
    EXPECT_EQ(effectCodeOf(false, true, true), 6);
    for (qint16 code : {0, 1, 2, 4, 5, 6})
        EXPECT_EQ(effectCodeOf(hasShadow(code), hasThreeD(code), hasOutline(code)), code) << code;
}
