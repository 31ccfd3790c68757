#include <gtest/gtest.h>

#include <QPageSize>
#include <QSizeF>

#include "print/PaperSizes.h"

using namespace porkane;

namespace {

QString textOf(int code) { return paperSizeText(code).value_or(QStringLiteral("<none>")); }

} // namespace

TEST(PaperSizes, NamesEveryStandardCodeInHalfWidthKatakana)
{
    for (int code = 1; code <= 41; ++code)
        EXPECT_TRUE(paperSizeText(code).has_value()) << code;
    EXPECT_EQ(textOf(1), QStringLiteral("ﾚﾀｰ (8 1/2 x 11 ｲﾝﾁ)"));
    EXPECT_EQ(textOf(7), QStringLiteral("ｴｸﾞｾﾞｸﾃｨﾌﾞ (7 1/2 x 10 1/2 ｲﾝﾁ)"));
    EXPECT_EQ(textOf(9), QStringLiteral("A4 (210 x 297 mm)"));
    EXPECT_EQ(textOf(13), QStringLiteral("B5 (182 x 257 mm)"));
    EXPECT_EQ(textOf(24), QStringLiteral("C ｻｲｽﾞｼｰﾄ"));
    EXPECT_EQ(textOf(39), QStringLiteral("U.S. ｽﾀﾝﾀﾞｰﾄﾞ ﾌｧﾝﾌｫｰﾙﾄﾞ (14 7/8 x 11 ｲﾝﾁ)"));
    EXPECT_EQ(textOf(256), QStringLiteral("ユーザー定義のサイズ"));
    // Half-width katakana, not their full-width look-alikes.
    EXPECT_TRUE(textOf(1).contains(QChar(0xFF9A)));
    EXPECT_FALSE(textOf(1).contains(QStringLiteral("レター")));
}

TEST(PaperSizes, KeepsTheTextsAsUsersKnowThem)
{
    // Code 40 has never had a blank before its size.
    EXPECT_EQ(textOf(40), QStringLiteral("ﾄﾞｲﾂ ｽﾀﾝﾀﾞｰﾄﾞ ﾌｧﾝﾌｫｰﾙﾄﾞ(8 1/2 x 12 ｲﾝﾁ)"));
    EXPECT_EQ(textOf(41), QStringLiteral("ﾄﾞｲﾂ ﾘｰｶﾞﾙ ﾌｧﾝﾌｫｰﾙﾄﾞ (8 1/2 x 13 ｲﾝﾁ)"));
    // The B6 envelope, landscape as the platform defines it.
    EXPECT_EQ(textOf(35), QStringLiteral("封筒 B6 (176 x 125 mm)"));
    EXPECT_EQ(textOf(34), QStringLiteral("封筒 B5 (176 x 250 mm)"));
    EXPECT_EQ(textOf(36), QStringLiteral("封筒 (110 x 230 mm)"));
}

TEST(PaperSizes, LeavesOtherCodesUnnamed)
{
    for (int code : {-1, 0, 42, 118, 255, 257, 32767})
        EXPECT_FALSE(paperSizeText(code).has_value()) << code;
}

TEST(PaperSizes, MatchesTheCodesQtGivesItsPageSizes)
{
    // The printer's paper reaches the table through QPageSize::windowsId().
    EXPECT_EQ(textOf(QPageSize(QPageSize::A4).windowsId()), QStringLiteral("A4 (210 x 297 mm)"));
    EXPECT_EQ(textOf(QPageSize(QPageSize::A3).windowsId()), QStringLiteral("A3 (297 x 420 mm)"));
    EXPECT_EQ(textOf(QPageSize(QPageSize::Letter).windowsId()), QStringLiteral("ﾚﾀｰ (8 1/2 x 11 ｲﾝﾁ)"));
    EXPECT_EQ(textOf(QPageSize(QPageSize::EnvelopeB6).windowsId()), QStringLiteral("封筒 B6 (176 x 125 mm)"));
    EXPECT_EQ(textOf(QPageSize(QSizeF(91, 55), QPageSize::Millimeter).windowsId()),
              QStringLiteral("ユーザー定義のサイズ"));
}
