#include <gtest/gtest.h>

#include "core/Errors.h"
#include "image/CustomerBarcode.h"

using namespace porkane;

namespace {

// The refusal's message, or "" when the call went through.
template <typename Call> QString refusal(Call call)
{
    try {
        call();
    } catch (const UserError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

// The worked examples of the postal code and barcode manual's pages on
// extracting the barcode data ("バーコードに必要な文字情報の抜き出し法"):
// postal code, 住所B and the data the manual gives.
TEST(CustomerBarcodeData, TheManualsWorkedExamples)
{
    const struct {
        const char *postcode;
        const char *addressB;
        const char *data;
    } examples[] = {
        // The outline (1/9): 東京都千代田区霞が関.
        {"100-0013", "1丁目3番2号 郵便プラザ503室", "10000131-3-2-503"},
        // The basic rules (3/9), step by step, and the supplementary rules.
        {"273-0102", "東3丁目-20-5 郵便・A&bコーポB604号", "27301023-20-5B604"},
        {"198-0036", "十一丁目六番地一号　郵便タワー601", "198003611-6-1-601"},
        {"080-0831", "七線　西28", "08008317-28"},
        {"317-0055", "6丁目7-14　ABCビル2F", "31700556-7-14-2"},
        {"317-0055", "6丁目7-14　ABCビル2F201号室", "31700556-7-14-2-201"},
        {"650-0046", "9丁目7-6　郵便シティA棟1F1号", "65000469-7-6A1-1"},
        {"623-0011", "綾部6-7　LプラザB106", "62300116-7LB106"},
        // The list of examples.
        {"263-0023", "3丁目30-8　郵便ビル403号", "26300233-30-8-403"},
        {"014-0113", "南田茂木　添60-1", "014011360-1"},
        {"110-0016", "5-6-3　ABCビル10F", "11000165-6-3-10"},
        {"060-0906", "4丁目　郵便センター6号館", "06009064-6"},
        {"065-0006", "8丁目　郵便センター10号館", "06500068-10"},
        {"407-0033", "韮崎400", "4070033400"},
        {"027-0203", "第二十一地割大淵川480", "027020321-480"},
        {"590-0016", "四丁六番十九号", "59000164-6-19"},
        // Joining and cutting (4/9): the 20th digit is a hyphen.
        {"064-0804", "29丁目1524-23　第2郵便ハウス501", "064080429-1524-23-2-"},
        // The two examples of how the data is made (p. 6).
        {"154-0023", "三丁目16番4号 郵政 マンション205号", "15400233-16-4-205"},
        {"350-1106", "22-1郵政団地 A棟308号室", "350110622-1A308"},
    };
    for (const auto &example : examples) {
        SCOPED_TRACE(example.addressB);
        EXPECT_EQ(customerBarcodeData(QString::fromUtf8(example.postcode), QString::fromUtf8(example.addressB)),
                  QString::fromUtf8(example.data));
    }
}

// Joining and cutting (4/9), second case: "3丁目80-25 J1ビル2-B" gives
// 91000673-80-25 J 1-2 and B's control code CC1 as the 20th digit. zint
// cannot draw a lone control code, so the cut is reported and refused.
TEST(CustomerBarcodeData, ACutInsideALetterKeepsItsControlCodeAndIsRefused)
{
    EXPECT_EQ(addressDisplayNumber(QStringLiteral("3丁目80-25　J1ビル2-B")), QStringLiteral("3-80-25J1-2B"));
    const CustomerDataCut cut = cutCustomerData(QStringLiteral("91000673-80-25J1-2B"));
    EXPECT_EQ(cut.data, QStringLiteral("91000673-80-25J1-2"));
    EXPECT_EQ(cut.danglingLetter, u'B');

    const QString message =
        refusal([] { customerBarcodeData(QStringLiteral("910-0067"), QStringLiteral("3丁目80-25　J1ビル2-B")); });
    EXPECT_TRUE(message.contains(QStringLiteral("「B」"))) << message.toStdString();

    // A letter that fits whole at digits 19 and 20 stays; one that would
    // start at the 21st is cut with what follows.
    EXPECT_EQ(cutCustomerData(QStringLiteral("123456712345678901A9")).data, QStringLiteral("123456712345678901A"));
    EXPECT_EQ(cutCustomerData(QStringLiteral("12345671234567890123A")).data, QStringLiteral("12345671234567890123"));
    EXPECT_TRUE(cutCustomerData(QStringLiteral("12345671234567890123A")).danglingLetter.isNull());
}

TEST(CustomerBarcodeData, KanjiNumeralsAreConvertedOnlyBeforeTheMarkersOfTheRules)
{
    const struct {
        const char *addressB;
        const char *number;
    } cases[] = {
        {"一丁目二番三号", "1-2-3"},
        {"二十三番地の五", "23"}, // 五 ends the address, before no marker: not converted
        {"百五番地", "105"},
        {"千二百三十四番地", "1234"},
        {"一〇五番", "105"},
        {"十番ノ十号", "10-10"},
        {"五の三番", "5-3"},
        {"三丁十五", "3"},          // 十五 before no marker is a kanji numeral: dropped at the end
        {"北五条西二丁目3", "2-3"}, // 五 before 条 is not converted
        {"三地割", "3"},
        {"三地区5", "5"},
        {"壱番地弐号", "1-2"},
        {"一万二千番地", "12000"},
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.addressB);
        EXPECT_EQ(addressDisplayNumber(QString::fromUtf8(each.addressB)), QString::fromUtf8(each.number));
    }
    for (const char *nonsense : {"十十番地", "二三十番", "百千番", "〇十番", "万番地"}) {
        SCOPED_TRACE(nonsense);
        const QString message = refusal([nonsense] { addressDisplayNumber(QString::fromUtf8(nonsense)); });
        EXPECT_TRUE(message.contains(QStringLiteral("漢数字"))) << message.toStdString();
    }
}

TEST(CustomerBarcodeData, TheBasicRulesOnLettersBlanksAndSigns)
{
    const struct {
        const char *addressB;
        const char *number;
    } cases[] = {
        {"a棟101", "A101"},          // lower case becomes upper case
        {"1-2/3.4&5・6", "1-23456"}, // the four signs are taken out
        {"ＡＢＣビル１２３", "123"}, // full-width letters and digits
        {"１－２－３", "1-2-3"},     // a full-width hyphen
        {"1ー2ー3", "1-2-3"},        // the long vowel mark between digits is kana
        {"1―2‐3", "1-2-3"},          // dashes are hyphens
        {"1--2", "1-2"},             // hyphens that meet become one
        {"-5", "5"},                 // no hyphen at the start
        {"5-", "5-"},                // a typed hyphen at the end is taken
        {"2F", "2"},                 // a floor: F after digits
        {"2F3", "2-3"},
        {"F棟2", "F2"}, // an F after no digit is a letter
        {"2 F 3", "2F3"},
        {"2FA3", "2-3"},  // two letters or more are not taken
        {"A-B-1", "AB1"}, // letters that meet stay
        {"無番地", ""},
        {"", ""},
        {"字𠮷野5", "5"}, // a kanji beyond the basic plane
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.addressB);
        EXPECT_EQ(addressDisplayNumber(QString::fromUtf8(each.addressB)), QString::fromUtf8(each.number));
    }
}

TEST(CustomerBarcodeData, WhatTheRulesDoNotSettleIsRefused)
{
    for (const char *address : {"1-2 (サンプル荘)", "3番#5", "1、2", "〒1-2", "1,2"}) {
        SCOPED_TRACE(address);
        const QString message = refusal([address] { addressDisplayNumber(QString::fromUtf8(address)); });
        EXPECT_TRUE(message.contains(QStringLiteral("抜き出し規則にない文字"))) << message.toStdString();
    }
}

TEST(CustomerBarcodeData, ThePostalCodeIsSevenDigitsAndNotARepresentativeOne)
{
    EXPECT_EQ(normalisedPostcode(QStringLiteral("263-0023")), QStringLiteral("2630023"));
    EXPECT_EQ(normalisedPostcode(QStringLiteral(" 2630023 ")), QStringLiteral("2630023"));
    EXPECT_EQ(normalisedPostcode(QStringLiteral("２６３－００２３")), QStringLiteral("2630023"));
    for (const char *wrong : {"263-002", "26-30023", "2630023a", "〒263-0023", "", "263--0023", "26300234"}) {
        SCOPED_TRACE(wrong);
        const QString message = refusal([wrong] { normalisedPostcode(QString::fromUtf8(wrong)); });
        EXPECT_TRUE(message.contains(QStringLiteral("郵便番号は数字7桁"))) << message.toStdString();
    }
    const QString message =
        refusal([] { customerBarcodeData(QStringLiteral("100-0000"), QStringLiteral("1丁目1番1号")); });
    EXPECT_TRUE(message.contains(QStringLiteral("代表の郵便番号"))) << message.toStdString();
}
