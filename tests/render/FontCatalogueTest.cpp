#include <gtest/gtest.h>

#include "render/FontCatalogue.h"

using namespace porkane;
using WS = QFontDatabase::WritingSystem;

TEST(FontCatalogue, CharacterSetComesFromTheFontsMainScript)
{
    EXPECT_EQ(FontCatalogue::charSetFor({WS::Latin, WS::Japanese, WS::Cyrillic}), ShiftJisCharSet);
    EXPECT_EQ(FontCatalogue::charSetFor({WS::SimplifiedChinese, WS::Japanese}), ShiftJisCharSet);
    EXPECT_EQ(FontCatalogue::charSetFor({WS::Latin, WS::Korean}), HangulCharSet);
    EXPECT_EQ(FontCatalogue::charSetFor({WS::Latin, WS::SimplifiedChinese}), Gb2312CharSet);
    EXPECT_EQ(FontCatalogue::charSetFor({WS::TraditionalChinese}), ChineseBig5CharSet);
    EXPECT_EQ(FontCatalogue::charSetFor({WS::Latin}), AnsiCharSet);
    EXPECT_EQ(FontCatalogue::charSetFor({WS::Greek, WS::Latin, WS::Cyrillic}), AnsiCharSet);
    EXPECT_EQ(FontCatalogue::charSetFor({WS::Cyrillic}), RussianCharSet);
    EXPECT_EQ(FontCatalogue::charSetFor({WS::Greek}), GreekCharSet);
    EXPECT_EQ(FontCatalogue::charSetFor({WS::Hebrew}), HebrewCharSet);
    EXPECT_EQ(FontCatalogue::charSetFor({WS::Thai}), ThaiCharSet);
    EXPECT_EQ(FontCatalogue::charSetFor({WS::Symbol}), SymbolCharSet);
    EXPECT_EQ(FontCatalogue::charSetFor({}), DefaultCharSet);
}

TEST(FontCatalogue, FaceNamesAreCutAtTheirFirstNul)
{
    EXPECT_EQ(FontCatalogue::faceNameFrom(QStringLiteral("IPAGothic")), QStringLiteral("IPAGothic"));
    EXPECT_EQ(FontCatalogue::faceNameFrom(QString::fromUtf16(u"ＭＳ 明朝\0\0\0", 8)), QStringLiteral("ＭＳ 明朝"));
    FontCatalogue catalogue;
    catalogue.begin(1);
    catalogue.add(QString::fromUtf16(u"Mono\0x", 6), AnsiCharSet, 0);
    EXPECT_EQ(catalogue.row(0).faceName, QStringLiteral("Mono"));
}

TEST(FontCatalogue, RowsAreFilledInTheOrderGivenWithOneSpareRow)
{
    FontCatalogue catalogue;
    catalogue.begin(150);
    for (int i = 0; i < 150; ++i)
        ASSERT_TRUE(catalogue.add(QStringLiteral("Font %1").arg(i), AnsiCharSet, FontCatalogue::TrueTypeFlag));
    EXPECT_EQ(catalogue.FontsListed(), 150);
    EXPECT_EQ(catalogue.row(149).faceName, QStringLiteral("Font 149"));
    EXPECT_EQ(catalogue.faceNames().size(), 150);
    EXPECT_EQ(catalogue.faceNames().at(7), QStringLiteral("Font 7"));
    EXPECT_EQ(catalogue.indexOf(QStringLiteral("Font 42")), 42);
    EXPECT_EQ(catalogue.indexOf(QStringLiteral("Nothing")), -1);

    // A font reported beyond the count still has its row; the next is skipped.
    EXPECT_TRUE(catalogue.add(QStringLiteral("Late"), AnsiCharSet, 0));
    EXPECT_FALSE(catalogue.add(QStringLiteral("Too late"), AnsiCharSet, 0));
    EXPECT_EQ(catalogue.FontsListed(), 151);

    catalogue.begin(2); // listing again starts empty
    EXPECT_EQ(catalogue.FontsListed(), 0);
}

TEST(FontCatalogue, ListsTheSystemsFontsOneByOne)
{
    const QStringList families = FontCatalogue::screenFonts();
    ASSERT_FALSE(families.isEmpty());
    FontCatalogue catalogue;
    QList<int> steps;
    catalogue.build(families, [&](int listed) { steps.append(listed); });

    EXPECT_EQ(catalogue.FontsListed(), families.size());
    EXPECT_EQ(catalogue.faceNames(), families);
    ASSERT_EQ(steps.size(), families.size());
    for (int i = 0; i < steps.size(); ++i)
        EXPECT_EQ(steps[i], i + 1);

    // IPAGothic is the test font: a Japanese outline font.
    const int gothic = catalogue.indexOf(QStringLiteral("IPAGothic"));
    ASSERT_GE(gothic, 0);
    EXPECT_EQ(catalogue.row(gothic).charSet, ShiftJisCharSet);
    EXPECT_EQ(catalogue.row(gothic).trueType, FontCatalogue::TrueTypeFlag);
}
