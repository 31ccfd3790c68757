#include <gtest/gtest.h>

#include "core/NumberFormat.h"

using namespace porkane;

TEST(NumberFormat, DoublesAreWrittenAsTheFilesSpellThem)
{
    EXPECT_EQ(formatDouble(30), "30");
    EXPECT_EQ(formatDouble(-30), "-30");
    EXPECT_EQ(formatDouble(0), "0");
    EXPECT_EQ(formatDouble(-0.0), "0");
    EXPECT_EQ(formatDouble(0.5), ".5");
    EXPECT_EQ(formatDouble(-0.5), "-.5");
    EXPECT_EQ(formatDouble(1.5), "1.5");
    EXPECT_EQ(formatDouble(0.0001), ".0001");
    EXPECT_EQ(formatDouble(0.00001), "1E-05");
    EXPECT_EQ(formatDouble(-0.000015), "-1.5E-05");
    EXPECT_EQ(formatDouble(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatDouble(1e15), "1E+15");
    EXPECT_EQ(formatDouble(1.0 / 3.0), ".333333333333333");
    EXPECT_EQ(formatDouble(2.0 / 3.0), ".666666666666667");
    EXPECT_EQ(formatDouble(16777215), "16777215");
    EXPECT_EQ(formatDouble(0.1 + 0.2), ".3"); // 15 significant digits hide the binary noise
    EXPECT_EQ(formatDouble(1e-300), "1E-300");
    EXPECT_EQ(formatDouble(100), "100");
    EXPECT_EQ(formatDouble(99999999999999.9), "99999999999999.9");
    EXPECT_EQ(formatDouble(999999999999999.9), "1E+15"); // rounds up into E notation
}

TEST(NumberFormat, SinglesTakeTheShortestDigitsThatReadBackTheSame)
{
    EXPECT_EQ(formatSingle(1.1f), "1.1");
    EXPECT_EQ(formatSingle(0.1f), ".1");
    EXPECT_EQ(formatSingle(5150.0f), "5150");
    EXPECT_EQ(formatSingle(-12.25f), "-12.25");
    EXPECT_EQ(formatSingle(1.0f / 3.0f), ".33333334");
    EXPECT_EQ(formatSingle(0.00001f), "1E-05");
    EXPECT_EQ(formatSingle(12345678.0f), "1.2345678E+07");
    for (float value : {-333333984.0f, 1.0f / 3.0f, 3.4e38f, 1e-30f, 7.0f / 9.0f}) {
        const auto back = parseNumber(formatSingle(value));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(float(*back), value) << formatSingle(value).constData();
    }
}

TEST(NumberFormat, ParsesEveryFormTheFilesCarry)
{
    EXPECT_EQ(parseNumber("30"), 30);
    EXPECT_EQ(parseNumber("-30"), -30);
    EXPECT_EQ(parseNumber("+7"), 7);
    EXPECT_EQ(parseNumber(".5"), 0.5);
    EXPECT_EQ(parseNumber("-.5"), -0.5);
    EXPECT_EQ(parseNumber("0.5"), 0.5);
    EXPECT_EQ(parseNumber("5."), 5);
    EXPECT_EQ(parseNumber("1E-05"), 1e-5);
    EXPECT_EQ(parseNumber("1.5e+03"), 1500);
    EXPECT_EQ(parseNumber("2D2"), 200);
    EXPECT_EQ(parseNumber("123456789012345"), 123456789012345.0);
}

TEST(NumberFormat, RefusesWhatIsNotANumber)
{
    for (const char *text : {"", "-", "+", ".", "-.", "1E", "1E+", "E5", "inf", "nan", "1.2.3", "0x10", " 1",
                             "1 ", "1,", "#TRUE#", "1e400"})
        EXPECT_FALSE(parseNumber(text).has_value()) << text;
    EXPECT_TRUE(isIntegerLiteral("-123"));
    EXPECT_FALSE(isIntegerLiteral("1.0"));
    EXPECT_FALSE(isIntegerLiteral("-"));
}

TEST(NumberFormat, WrittenDoublesReadBackToTheSameText)
{
    for (double value : {0.1, 1.0 / 7.0, -2.675, 1e-7, 98765.4321, 3.14159265358979, 1e20, -1e-300}) {
        const QByteArray text = formatDouble(value);
        const auto back = parseNumber(text);
        ASSERT_TRUE(back.has_value()) << text.constData();
        EXPECT_EQ(formatDouble(*back), text);
    }
}
