#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "core/Rounding.h"
#include "core/Units.h"

using namespace porkane;

TEST(Rounding, HalvesGoToTheEvenInteger)
{
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999999), 2);
    EXPECT_EQ(roundHalfEven(2.5000001), 3);
    EXPECT_EQ(roundHalfEven(-2.5000001), -3);
    EXPECT_EQ(roundToInt32(56.7 * 10), 567);
}

TEST(Rounding, ValuesThatDoNotFitAreErrorsNotWraps)
{
    EXPECT_EQ(roundToInt16(32767.4), 32767);
    EXPECT_EQ(roundToInt16(-32768.5), -32768); // the half goes to the even -32768
    EXPECT_THROW(roundToInt16(32767.5), ValueRangeError);
    EXPECT_THROW(roundToInt16(-32769), ValueRangeError);
    EXPECT_THROW(roundToInt16(40000), ValueRangeError);

    EXPECT_EQ(roundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(roundToInt32(-2147483648.0), std::numeric_limits<qint32>::min());
    EXPECT_THROW(roundToInt32(2147483647.5), ValueRangeError);
    EXPECT_THROW(roundToInt32(1e12), ValueRangeError);
    EXPECT_THROW(roundToInt32(std::nan("")), ValueRangeError);
    EXPECT_THROW(roundToInt32(std::numeric_limits<double>::infinity()), ValueRangeError);
}

TEST(Units, ConversionsBetweenMillimetresTwipsAndPixels)
{
    EXPECT_DOUBLE_EQ(toTwips(Millimetres{10}).value, 567);
    EXPECT_DOUBLE_EQ(toMillimetres(Twips{567}).value, 10);
    EXPECT_DOUBLE_EQ(toPixels(Twips{1500}, 15).value, 100);
    EXPECT_DOUBLE_EQ(toTwips(Pixels{100}, 15).value, 1500);
    EXPECT_DOUBLE_EQ(toPixels(Millimetres{100}, 15).value, 378);
    EXPECT_EQ(twipsPerPixelForDpi(96), 15);
    EXPECT_EQ(twipsPerPixelForDpi(120), 12);
    EXPECT_EQ(twipsPerPixelForDpi(600), 2);
    EXPECT_EQ(twipsPerPixelForDpi(100), 14); // 14.4 truncated
    EXPECT_NEAR(fontHeightToPixels(40, 15).value, 37.037037, 1e-6);
}
