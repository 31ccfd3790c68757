#include <gtest/gtest.h>

#include "format/FormatValues.h"
#include "format/TextFormat.h"

using namespace porkane;

TEST(FieldNumber, ReadsTheNumberAFieldStartsWith)
{
    EXPECT_EQ(fieldNumber(QStringLiteral("30")), 30);
    EXPECT_EQ(fieldNumber(QStringLiteral("  -1.5")), -1.5);
    EXPECT_EQ(fieldNumber(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(fieldNumber(QStringLiteral("12mm")), 12);
    EXPECT_EQ(fieldNumber(QStringLiteral("2e3")), 2000);
    EXPECT_EQ(fieldNumber(QStringLiteral("4e")), 4);
    // Typed by a Japanese input method.
    EXPECT_EQ(fieldNumber(QStringLiteral("３５")), 35);
    EXPECT_EQ(fieldNumber(QStringLiteral("－２．５")), -2.5);
}

TEST(FieldNumber, TextWithoutANumberIsZero)
{
    EXPECT_EQ(fieldNumber(QString()), 0);
    EXPECT_EQ(fieldNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(fieldNumber(QStringLiteral("-")), 0);
    EXPECT_EQ(fieldNumber(QStringLiteral(".")), 0);
    EXPECT_EQ(fieldNumber(QStringLiteral("1e999")), 0);
}

TEST(FieldNumber, IntegersRoundHalvesToEvenWithinTheirBounds)
{
    EXPECT_EQ(fieldInteger(QStringLiteral("2.5"), 0, 1000), 2);
    EXPECT_EQ(fieldInteger(QStringLiteral("3.5"), 0, 1000), 4);
    EXPECT_EQ(fieldInteger(QStringLiteral("5000"), 0, 1000), 1000);
    EXPECT_EQ(fieldInteger(QStringLiteral("-7"), 0, 1000), 0);
    EXPECT_EQ(fieldInt16(QStringLiteral("99999")), 32767);
    EXPECT_EQ(fieldInt16(QStringLiteral("-99999")), -32768);
}

TEST(Tenths, SpinValuesAndTheirFieldText)
{
    EXPECT_EQ(tenthsOf(1.25, -1000, 1000), 12);
    EXPECT_EQ(tenthsOf(0.75, -1000, 1000), 8);
    EXPECT_EQ(tenthsOf(-0.25, -1000, 1000), -2);
    EXPECT_EQ(tenthsOf(1.56, -1000, 1000), 16);
    EXPECT_EQ(tenthsOf(250, -1000, 1000), 1000);
    EXPECT_EQ(tenthsOf(-50, -100, 100), -100);
    EXPECT_EQ(tenthsText(0), QStringLiteral("0.0"));
    EXPECT_EQ(tenthsText(15), QStringLiteral("1.5"));
    EXPECT_EQ(tenthsText(-3), QStringLiteral("-0.3"));
    EXPECT_EQ(tenthsText(-1000), QStringLiteral("-100.0"));
}

TEST(EffectCode, ShadowAndThreeDimensionalExcludeEachOtherTheOutlineAdds)
{
    EXPECT_EQ(effectCodeOf(false, false, false), 0);
    EXPECT_EQ(effectCodeOf(true, false, false), 1);
    EXPECT_EQ(effectCodeOf(false, true, false), 2);
    EXPECT_EQ(effectCodeOf(true, true, false), 2);
    EXPECT_EQ(effectCodeOf(false, false, true), 4);
    EXPECT_EQ(effectCodeOf(true, false, true), 5);
    EXPECT_EQ(effectCodeOf(false, true, true), 6);
    EXPECT_EQ(effectCodeOf(true, true, true), 6);
    // The boxes read back from a code give the code again.
    for (qint16 code : {0, 1, 2, 4, 5, 6})
        EXPECT_EQ(effectCodeOf(hasShadow(code), hasThreeD(code), hasOutline(code)), code) << code;
}

TEST(SampleText, ThreeLinesEachEndedByACarriageReturn)
{
    const QString text = sampleText(QStringLiteral("IPAGothic"));
    EXPECT_EQ(text, QStringLiteral("IPAGothicあア亜いイ井\rabcdＡＢＣＤ\r123１２３\r"));
    EXPECT_EQ(text.count(QChar(13)), 3);
    EXPECT_TRUE(sampleText(QStringLiteral(" ")).startsWith(QStringLiteral(" あ")));
}

TEST(GridLines, StepIsTheIntervalInPixels)
{
    // 5 mm at 15 twips per pixel: nearest(18.9) = 19.
    EXPECT_EQ(gridLinePositions(60, 5, 15), (std::vector<int>{0, 19, 38, 57}));
    // 1 mm: nearest(3.78) = 4; at 12 twips per pixel nearest(4.725) = 5.
    EXPECT_EQ(gridLinePositions(10, 1, 15), (std::vector<int>{0, 4, 8}));
    EXPECT_EQ(gridLinePositions(10, 1, 12), (std::vector<int>{0, 5}));
    EXPECT_TRUE(gridLinePositions(0, 5, 15).empty());
}

TEST(GridLines, AnIntervalOfNoPixelsDrawsNoLines)
{
    EXPECT_TRUE(gridLinePositions(500, 0, 15).empty());
    EXPECT_TRUE(gridLinePositions(500, 0.1, 15).empty()); // nearest(0.378) = 0
    EXPECT_TRUE(gridLinePositions(500, -5, 15).empty());
    EXPECT_TRUE(gridLinePositions(500, 5, 0).empty());
    EXPECT_EQ(gridLinePositions(500, 1e12, 15), (std::vector<int>{0}));
}
