#include <gtest/gtest.h>

#include <QSet>

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

    ASSERT_EQ(catalogue.FontsListed(), families.size());
    // In the order given; a family Qt lists under its Japanese name (in a
    // Japanese locale) is shown under it and recorded under its English one.
    for (int i = 0; i < catalogue.FontsListed(); ++i)
        EXPECT_TRUE(catalogue.row(i).faceName == families[i] || catalogue.row(i).localName == families[i])
            << families[i].toStdString();
    ASSERT_EQ(steps.size(), families.size());
    for (int i = 0; i < steps.size(); ++i)
        EXPECT_EQ(steps[i], i + 1);

    // IPAGothic is the test font: a Japanese outline font.
    const int gothic = catalogue.indexOf(QStringLiteral("IPAGothic"));
    ASSERT_GE(gothic, 0);
    EXPECT_EQ(catalogue.row(gothic).charSet, ShiftJisCharSet);
    EXPECT_EQ(catalogue.row(gothic).trueType, FontCatalogue::TrueTypeFlag);
}

namespace {

// A name table of Windows Unicode records: (language, name id, text).
QByteArray nameTable(const QList<std::tuple<int, int, QString>> &records)
{
    QByteArray head;
    QByteArray strings;
    const auto word = [](QByteArray &to, int value) {
        to.append(char(value >> 8));
        to.append(char(value & 0xFF));
    };
    word(head, 0);
    word(head, int(records.size()));
    word(head, 6 + 12 * int(records.size()));
    for (const auto &[language, nameId, text] : records) {
        QByteArray encoded;
        for (QChar c : text)
            word(encoded, c.unicode());
        for (int value : {3, 1, language, nameId, int(encoded.size()), int(strings.size())})
            word(head, value);
        strings += encoded;
    }
    return head + strings;
}

} // namespace

TEST(FontCatalogue, EachFamilyIsListedOnceWithoutTheFoundryQtAdds)
{
    EXPECT_EQ(FontCatalogue::withoutFoundry(QStringLiteral("Nimbus Sans [urw]")), QStringLiteral("Nimbus Sans"));
    EXPECT_EQ(FontCatalogue::withoutFoundry(QStringLiteral("Nimbus Sans [URW ]")), QStringLiteral("Nimbus Sans"));
    EXPECT_EQ(FontCatalogue::withoutFoundry(QStringLiteral("IPAGothic")), QStringLiteral("IPAGothic"));
    EXPECT_EQ(FontCatalogue::withoutFoundry(QStringLiteral("[odd]")), QStringLiteral("[odd]"));

    const QStringList families = FontCatalogue::screenFonts();
    EXPECT_EQ(QSet<QString>(families.begin(), families.end()).size(), families.size());
    for (const QString &family : families)
        EXPECT_EQ(FontCatalogue::withoutFoundry(family), family) << family.toStdString();
}

TEST(FontCatalogue, TheJapaneseNameIsTheOnePairedWithTheFamily)
{
    const QString mincho = QStringLiteral("IPA明朝");
    EXPECT_EQ(FontCatalogue::japaneseFamilyName(
                  nameTable({{0x0409, 1, QStringLiteral("IPAMincho")}, {0x0411, 1, mincho}}), QStringLiteral("IPAMincho")),
              mincho);
    // The typographic family comes first; a family record of another
    // family name (a weight) does not count.
    EXPECT_EQ(FontCatalogue::japaneseFamilyName(nameTable({{0x0409, 1, QStringLiteral("Gothic W3")},
                                                            {0x0411, 1, QStringLiteral("ゴシック W3")},
                                                            {0x0409, 16, QStringLiteral("Gothic")},
                                                            {0x0411, 16, QStringLiteral("ゴシック")}}),
                                                 QStringLiteral("Gothic")),
              QStringLiteral("ゴシック"));
    EXPECT_TRUE(FontCatalogue::japaneseFamilyName(nameTable({{0x0409, 1, QStringLiteral("Other")}, {0x0411, 1, mincho}}),
                                                  QStringLiteral("IPAMincho"))
                    .isEmpty());
    EXPECT_TRUE(FontCatalogue::japaneseFamilyName(nameTable({{0x0409, 1, QStringLiteral("Sans")}}), QStringLiteral("Sans"))
                    .isEmpty());
    // A table cut anywhere gives nothing, and reads nothing beyond its end.
    const QByteArray whole = nameTable({{0x0409, 1, QStringLiteral("IPAMincho")}, {0x0411, 1, mincho}});
    for (qsizetype size = 0; size < whole.size(); ++size)
        EXPECT_TRUE(FontCatalogue::japaneseFamilyName(whole.left(size), QStringLiteral("IPAMincho")).isEmpty()) << size;
}

TEST(FontCatalogue, AnyNameOfAFamilyFindsItsRowAndRecordsKeepTheFaceName)
{
    FontCatalogue catalogue;
    catalogue.begin(3);
    catalogue.add(QStringLiteral("IPAMincho"), ShiftJisCharSet, 4, QStringLiteral("IPA明朝"));
    catalogue.add(QStringLiteral("Nimbus Sans"), AnsiCharSet, 4);
    catalogue.add(QStringLiteral("nimbus sans"), AnsiCharSet, 4, QStringLiteral("nimbus sans"));
    EXPECT_EQ(catalogue.row(0).shownName(), QStringLiteral("IPA明朝"));
    EXPECT_EQ(catalogue.row(1).shownName(), QStringLiteral("Nimbus Sans"));
    EXPECT_TRUE(catalogue.row(2).localName.isEmpty()); // no other name than its own
    EXPECT_EQ(catalogue.indexOf(QStringLiteral("IPAMincho")), 0);
    EXPECT_EQ(catalogue.indexOf(QStringLiteral("IPA明朝")), 0);
    EXPECT_EQ(catalogue.indexOf(QStringLiteral("ipamincho")), 0);
    EXPECT_EQ(catalogue.indexOf(QStringLiteral("Nimbus Sans [urw]")), 1);
    EXPECT_EQ(catalogue.indexOf(QStringLiteral("nimbus sans")), 2);
    EXPECT_EQ(catalogue.indexOf(QStringLiteral("ＭＳ 明朝")), -1);
}

TEST(FontCatalogue, TheInstalledIpaFontsShowTheirJapaneseNames)
{
    // The IPA fonts are the program's own Japanese fonts.
    FontCatalogue catalogue;
    catalogue.build(FontCatalogue::screenFonts());
    const int mincho = catalogue.indexOf(QStringLiteral("IPAMincho"));
    ASSERT_GE(mincho, 0);
    EXPECT_EQ(catalogue.row(mincho).faceName, QStringLiteral("IPAMincho"));
    EXPECT_EQ(catalogue.row(mincho).shownName(), QStringLiteral("IPA明朝"));
    EXPECT_EQ(catalogue.indexOf(QStringLiteral("IPAゴシック")), catalogue.indexOf(QStringLiteral("IPAGothic")));
}

TEST(FontCatalogue, AFamilyListedUnderItsJapaneseNameIsRecordedUnderItsEnglishOne)
{
    const QString mincho = QStringLiteral("IPA明朝");
    const QByteArray table = nameTable({{0x0409, 1, QStringLiteral("IPAMincho")}, {0x0411, 1, mincho}});
    EXPECT_EQ(FontCatalogue::englishFamilyName(table, mincho), QStringLiteral("IPAMincho"));
    EXPECT_TRUE(FontCatalogue::englishFamilyName(table, QStringLiteral("IPAMincho")).isEmpty());
    EXPECT_TRUE(FontCatalogue::englishFamilyName(table, QStringLiteral("IPAゴシック")).isEmpty());
    for (qsizetype size = 0; size < table.size(); ++size)
        EXPECT_TRUE(FontCatalogue::englishFamilyName(table.left(size), mincho).isEmpty()) << size;

    // Qt lists the IPA fonts under their Japanese names when the locale is
    // Japanese: the rows, and so the files, are the same in every locale.
    for (const QString &listedAs : {QStringLiteral("IPAMincho"), mincho}) {
        FontCatalogue catalogue;
        catalogue.build({listedAs});
        ASSERT_EQ(catalogue.FontsListed(), 1);
        EXPECT_EQ(catalogue.row(0).faceName, QStringLiteral("IPAMincho")) << listedAs.toStdString();
        EXPECT_EQ(catalogue.row(0).shownName(), mincho) << listedAs.toStdString();
        EXPECT_EQ(catalogue.indexOf(QStringLiteral("IPAMincho")), 0);
    }
}
