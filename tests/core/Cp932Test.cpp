#include <gtest/gtest.h>

#include "core/Cp932.h"

using namespace porkane;

TEST(Cp932, EncodesAndDecodesJapaneseText)
{
    const QString text = QStringLiteral("ぽるかね");
    EXPECT_EQ(encodeCp932(text), QByteArray("\x82\xdb\x82\xe9\x82\xa9\x82\xcb"));
    EXPECT_EQ(decodeCp932(QByteArray("\x82\xdb\x82\xe9\x82\xa9\x82\xcb")), text);

    // The Windows forms of the code page, not plain Shift-JIS.
    EXPECT_EQ(encodeCp932(QStringLiteral("＂")), QByteArray("\xfa\x57"));
    EXPECT_EQ(encodeCp932(QStringLiteral("～")), QByteArray("\x81\x60"));
    EXPECT_EQ(decodeCp932("\\~"), QStringLiteral("\\~"));
    // Half-width katakana are single bytes.
    EXPECT_EQ(encodeCp932(QStringLiteral("ﾃﾝﾌﾟﾚｰﾄ")).size(), 7);

    const QString mixed = QStringLiteral("ABC 漢字\r\nｶﾅ①㈱");
    EXPECT_EQ(decodeCp932(encodeCp932(mixed)), mixed);
}

TEST(Cp932, ReportsEachCharacterItCannotEncodeOnce)
{
    QString missing;
    const QByteArray bytes = encodeCp932(QStringLiteral("A😀B€😀C"), &missing);
    EXPECT_EQ(bytes, "ABC");
    EXPECT_EQ(missing, QStringLiteral("😀€"));
    EXPECT_FALSE(isCp932Encodable(QStringLiteral("𠀋")));
    EXPECT_TRUE(isCp932Encodable(QStringLiteral("表示")));
    EXPECT_FALSE(tryEncodeCp932(QStringLiteral("x€")).has_value());
}

TEST(Cp932, RefusesBytesThatAreNotCp932)
{
    EXPECT_FALSE(decodeCp932(QByteArray("A\x82")).has_value());       // lead byte at the end
    EXPECT_FALSE(decodeCp932(QByteArray("\x82\x20", 2)).has_value()); // lead byte with a bad trail
    EXPECT_FALSE(decodeCp932(QByteArray("\xff")).has_value());
    EXPECT_EQ(decodeCp932(QByteArray()), QString());
}
