#include <gtest/gtest.h>

#include <QSignalSpy>

#include "BarcodeReader.h"
#include "core/Errors.h"
#include "image/BarcodeDialogModel.h"
#include "image/BarcodeSource.h"

using namespace porkane;
using namespace porkane::test;

// The barcode dialog's rules: the symbol follows every setting at once,
// refusals say why, and the settings it hands over make the same symbol
// again, with or without merge fields.

TEST(BarcodeDialogModel, AJan13IsDrawnAtThePrintResolutionAsTheDataIsTyped)
{
    BarcodeDialogModel model;
    QSignalSpy changes(&model, &BarcodeDialogModel::changed);
    EXPECT_EQ(model.symbology(), Symbology::Ean13);
    EXPECT_EQ(model.problem(), QStringLiteral("JAN-13 のデータを入力してください"));
    EXPECT_TRUE(model.picture().image.isNull());
    EXPECT_FALSE(model.canAccept());

    model.setData(QStringLiteral("49012345678"));
    EXPECT_EQ(model.problem(), QStringLiteral("JAN-13 には数字12桁または13桁を入力してください"));
    model.setData(QStringLiteral("4901234567890"));
    EXPECT_EQ(model.problem(), QStringLiteral("JAN-13 のチェックデジット（最後の桁）が違います。正しくは 4 です"));
    model.setData(QStringLiteral("490123456789"));
    ASSERT_TRUE(model.canAccept()) << model.problem().toStdString();
    EXPECT_EQ(changes.count(), 3);
    EXPECT_EQ(model.readout(), QStringLiteral("4901234567894"));

    // 0.33 mm is four steps of 1/300 inch: eight dots at 600 dpi.
    const BarcodePicture &picture = model.picture();
    EXPECT_EQ(picture.dpi, BarcodePictureDpi);
    EXPECT_EQ(picture.dotsPerModule, 8);
    EXPECT_DOUBLE_EQ(picture.widthMm, picture.image.width() * 25.4 / 600);
    EXPECT_EQ(readBarcode(picture.image).text, QStringLiteral("4901234567894"));

    // A setting that changes nothing says nothing.
    model.setData(QStringLiteral("490123456789"));
    EXPECT_EQ(changes.count(), 3);
}

TEST(BarcodeDialogModel, EachSymbologyOffersItsOwnSettingsAndSizes)
{
    BarcodeDialogModel model;
    model.setData(QStringLiteral("ABC-123"));
    EXPECT_TRUE(model.hasBarHeight());
    EXPECT_TRUE(model.hasHumanReadable());
    EXPECT_FALSE(model.hasErrorCorrection());
    EXPECT_FALSE(model.usesPostalAddress());

    model.setSymbology(Symbology::Code128);
    EXPECT_TRUE(model.canAccept());
    EXPECT_DOUBLE_EQ(model.settings().moduleMm, defaultBarcodeRequest(Symbology::Code128).moduleMm);
    EXPECT_EQ(model.settings().symbology, QStringLiteral("code128"));
    const int withText = model.picture().image.height();
    model.setHumanReadable(false);
    EXPECT_LT(model.picture().image.height(), withText);

    model.setSymbology(Symbology::QrCode);
    EXPECT_FALSE(model.hasBarHeight());
    EXPECT_FALSE(model.hasHumanReadable());
    EXPECT_TRUE(model.hasErrorCorrection());
    model.setData(QStringLiteral("https://example.jp/商品/4901234567894"));
    model.setErrorCorrection(QrErrorCorrection::L);
    const int low = model.picture().image.width();
    model.setErrorCorrection(QrErrorCorrection::H);
    EXPECT_GT(model.picture().image.width(), low);
    EXPECT_EQ(model.settings().errorCorrection, 3);
    EXPECT_EQ(readBarcode(model.picture().image).text, QStringLiteral("https://example.jp/商品/4901234567894"));

    // The quiet zone is the blank margin around the symbol.
    const int quiet = model.picture().image.width();
    model.setQuietZone(false);
    EXPECT_LT(model.picture().image.width(), quiet);

    // Data that only zint can refuse is refused all the same.
    model.setData(QString(8000, u'A'));
    EXPECT_EQ(model.problem(), QStringLiteral("QRコードにはデータが長すぎます"));
}

TEST(BarcodeDialogModel, TheCustomerBarcodeIsMadeFromThePostcodeAndAddressB)
{
    BarcodeDialogModel model;
    model.setSymbology(Symbology::JapanPost);
    EXPECT_TRUE(model.usesPostalAddress());
    EXPECT_FALSE(model.hasBarHeight());
    EXPECT_FALSE(model.canAccept());
    // Nothing typed yet: asked for, not refused as a wrong postal code.
    EXPECT_EQ(model.problem(), QStringLiteral("郵便番号を入力してください"));
    model.setPostcode(QStringLiteral("  "));
    EXPECT_EQ(model.problem(), QStringLiteral("郵便番号を入力してください"));
    model.setPostcode(QStringLiteral("273-01"));
    EXPECT_TRUE(model.problem().startsWith(QStringLiteral("郵便番号は数字7桁"))) << model.problem().toStdString();
    model.setPostcode(QStringLiteral("273-0102"));
    model.setAddressB(QStringLiteral("東3丁目-20-5 郵便・A&bコーポB604号"));
    ASSERT_TRUE(model.canAccept()) << model.problem().toStdString();
    EXPECT_EQ(model.readout(), QStringLiteral("27301023-20-5B604"));
    EXPECT_EQ(model.settings().postcode, QStringLiteral("273-0102"));
    EXPECT_TRUE(model.settings().data.isEmpty());
    // 10 points: bars of seven steps of 1/300 inch.
    EXPECT_EQ(model.picture().dotsPerModule, 14);

    model.setPostcode(QStringLiteral("100-0000"));
    EXPECT_TRUE(model.problem().contains(QStringLiteral("代表の郵便番号"))) << model.problem().toStdString();
    model.setPostcode(QStringLiteral("273-0102"));
    model.setModuleMm(0.3);
    EXPECT_TRUE(model.problem().startsWith(QStringLiteral("カスタマバーコードのバー幅は"))) << model.problem().toStdString();
}

TEST(BarcodeDialogModel, TheWholeSizeStartsAsTheSymbolsSizeAndBoundsIt)
{
    BarcodeDialogModel model;
    model.setSymbology(Symbology::QrCode);
    model.setData(QStringLiteral("LOT 2024-05-01"));
    const double width = model.picture().widthMm;
    model.setOverallSize(true);
    EXPECT_TRUE(model.settings().overallSize);
    EXPECT_NEAR(model.settings().widthMm, width, 0.01);
    EXPECT_NEAR(model.picture().widthMm, width, 0.01);

    model.setWidthMm(15);
    model.setHeightMm(15);
    EXPECT_LE(model.picture().widthMm, 15);
    EXPECT_LE(model.picture().heightMm, 15);
    EXPECT_GT(model.picture().widthMm, 12);
    // The module size stays for when the module is chosen again.
    EXPECT_DOUBLE_EQ(model.settings().moduleMm, 0.5);

    model.setWidthMm(1);
    EXPECT_EQ(model.problem(), QStringLiteral("QRコードは 1mm × 15mm には入りません。大きさを広げてください"));
    model.setOverallSize(false);
    EXPECT_TRUE(model.canAccept());
}

TEST(BarcodeDialogModel, MergeFieldsShowASampleAndKeepTheFieldsInTheSettings)
{
    BarcodeDialogModel model;
    model.setData(QStringLiteral("《JAN》"));
    EXPECT_TRUE(model.hasFields());
    ASSERT_TRUE(model.canAccept()) << model.problem().toStdString();
    EXPECT_TRUE(model.readout().isEmpty());
    EXPECT_EQ(model.settings().data, QStringLiteral("《JAN》"));
    EXPECT_EQ(barcodeFieldNames(model.settings()), QStringList{QStringLiteral("JAN")});
    // The sample is a JAN-13 of the usual size.
    BarcodeDialogModel real;
    real.setData(QStringLiteral("4901234567894"));
    EXPECT_EQ(model.picture().image.size(), real.picture().image.size());
    EXPECT_EQ(model.picture().dotsPerModule, real.picture().dotsPerModule);

    model.setSymbology(Symbology::JapanPost);
    model.setPostcode(QStringLiteral("《郵便番号》"));
    model.setAddressB(QStringLiteral("《住所2》"));
    EXPECT_TRUE(model.hasFields());
    EXPECT_TRUE(model.canAccept()) << model.problem().toStdString();
    EXPECT_EQ(barcodeFieldNames(model.settings()), (QStringList{QStringLiteral("郵便番号"), QStringLiteral("住所2")}));

    // A field's value goes where the field is.
    const BarcodeRequest merged = barcodeRequest(model.settings(), [](const QString &name) {
        return name == QStringLiteral("郵便番号") ? QStringLiteral("263-0023") : QStringLiteral("3丁目30-8　郵便ビル403号");
    });
    EXPECT_EQ(merged.data, QStringLiteral("26300233-30-8-403"));
    PictureSource code = model.settings();
    code.symbology = QStringLiteral("code128");
    code.data = QStringLiteral("SHELF-《棚》-《段》");
    EXPECT_EQ(barcodeRequest(code, [](const QString &name) { return name == QStringLiteral("棚") ? "A" : "3"; }).data,
              QStringLiteral("SHELF-A-3"));
    // 《》 that make no field stay as written.
    code.data = QStringLiteral("《》《A\n》");
    EXPECT_TRUE(barcodeFieldNames(code).isEmpty());
}

TEST(BarcodeDialogModel, StartingOnSettingsMakesTheSameSymbolAgain)
{
    BarcodeDialogModel made;
    made.setSymbology(Symbology::Code39);
    made.setData(QStringLiteral("ASSET-0042"));
    made.setModuleMm(0.34);
    made.setBarHeightMm(12.5);
    made.setHumanReadable(false);
    ASSERT_TRUE(made.canAccept());

    BarcodeDialogModel again;
    again.startOn(made.settings());
    EXPECT_EQ(again.settings(), made.settings());
    EXPECT_EQ(again.symbology(), Symbology::Code39);
    EXPECT_EQ(again.picture().image, made.picture().image);

    // An ordinary picture's settings start a new barcode.
    BarcodeDialogModel fresh;
    fresh.startOn(PictureSource{});
    EXPECT_EQ(fresh.symbology(), Symbology::Ean13);
    PictureSource unknown = made.settings();
    unknown.symbology = QStringLiteral("pdf417");
    fresh.startOn(unknown);
    EXPECT_EQ(fresh.symbology(), Symbology::Ean13);
    EXPECT_THROW(barcodeRequest(unknown), UserError);
}

// What the dialog hands over prints the same in millimetres on printers of
// 300, 600 and 1200 dpi, each module whole dots (twice as many at twice the
// resolution), whether sized by the module or as a whole.
TEST(BarcodeDialogModel, EverySymbolLandsOnWholeDotsAt300600And1200Dpi)
{
    const struct {
        Symbology symbology;
        const char *data;
    } cases[] = {
        {Symbology::Ean13, "490123456789"}, {Symbology::Ean8, "4901234"},     {Symbology::UpcA, "01234567890"},
        {Symbology::Code128, "ABC-123"},    {Symbology::Code39, "ABC-123"},   {Symbology::Itf14, "1490123456789"},
        {Symbology::Codabar, "A123456B"},   {Symbology::QrCode, "LOT-1"},     {Symbology::DataMatrix, "LOT-1"},
        {Symbology::JapanPost, nullptr},
    };
    for (const bool overall : {false, true}) {
        for (const auto &each : cases) {
            SCOPED_TRACE(symbologyName(each.symbology).toStdString() + (overall ? " overall" : " module"));
            BarcodeDialogModel model;
            model.setSymbology(each.symbology);
            if (each.data) {
                model.setData(QString::fromLatin1(each.data));
            } else {
                model.setPostcode(QStringLiteral("100-0013"));
                model.setAddressB(QStringLiteral("1丁目3番2号"));
            }
            // The quiet zone is a margin in millimetres, rounded to each
            // printer's dots; the bars are what must scale exactly.
            model.setQuietZone(false);
            if (overall) {
                model.setOverallSize(true);
                // The customer barcode allows only a narrow range of sizes.
                const double scale = each.symbology == Symbology::JapanPost ? 1.0 : 0.8;
                model.setWidthMm(model.settings().widthMm * scale);
                model.setHeightMm(model.settings().heightMm * scale);
            }
            ASSERT_TRUE(model.canAccept()) << model.problem().toStdString();
            const BarcodeRequest request = barcodeRequest(model.settings());
            const BarcodeSize at300 = measureBarcode(request, 300);
            const BarcodeSize at600 = measureBarcode(request, 600);
            const BarcodeSize at1200 = measureBarcode(request, 1200);
            EXPECT_GE(at300.dotsPerModule, 1);
            EXPECT_EQ(at600.dotsPerModule, 2 * at300.dotsPerModule);
            EXPECT_EQ(at1200.dotsPerModule, 4 * at300.dotsPerModule);
            EXPECT_EQ(at600.width, 2 * at300.width);
            EXPECT_EQ(at1200.width, 4 * at300.width);
            // Bar heights are only rounded to the nearest dot of each.
            EXPECT_NEAR(at1200.heightMm, at300.heightMm, 25.4 / 300);
            EXPECT_DOUBLE_EQ(at1200.widthMm, at300.widthMm);
            // The dialog's picture is the 600 dpi one.
            EXPECT_EQ(model.picture().image.width(), at600.width);
            EXPECT_EQ(model.picture().dotsPerModule, at600.dotsPerModule);
        }
    }

    // A module typed between the steps of 1/300 inch (0.19 mm is 2.2, 4.5
    // and 9.0 dots) takes the same step at every resolution.
    BarcodeDialogModel model;
    model.setSymbology(Symbology::Code128);
    model.setData(QStringLiteral("ABC-123"));
    model.setModuleMm(0.19);
    ASSERT_TRUE(model.canAccept()) << model.problem().toStdString();
    const BarcodeRequest request = barcodeRequest(model.settings());
    EXPECT_EQ(measureBarcode(request, 600).dotsPerModule, 2 * measureBarcode(request, 300).dotsPerModule);
    EXPECT_EQ(measureBarcode(request, 1200).dotsPerModule, 4 * measureBarcode(request, 300).dotsPerModule);
}
