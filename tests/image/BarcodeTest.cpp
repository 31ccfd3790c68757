#include <gtest/gtest.h>

#include <QPainter>
#include <QSvgRenderer>

#include "BarcodeReader.h"
#include "core/Errors.h"
#include "image/Barcode.h"

using namespace porkane;
using namespace porkane::test;

namespace {

BarcodeRequest requestOf(Symbology symbology, const QString &data)
{
    BarcodeRequest request = defaultBarcodeRequest(symbology);
    request.data = data;
    return request;
}

template <typename Call> QString refusal(Call call)
{
    try {
        call();
    } catch (const UserError &error) {
        return error.message();
    }
    return QString();
}

// Lengths of the runs of equal pixels along one row.
QList<int> runsOfRow(const QImage &image, int y)
{
    QList<int> runs;
    QRgb last = image.pixel(0, y);
    int length = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (pixel != last) {
            runs << length;
            length = 0;
            last = pixel;
        }
        ++length;
    }
    runs << length;
    return runs;
}

bool onlyBlackAndWhite(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel != qRgb(0, 0, 0) && pixel != qRgb(255, 255, 255))
                return false;
        }
    }
    return true;
}

const struct RoundTrip {
    Symbology symbology;
    const char *data;
    const char *read; // what a reader returns
} RoundTrips[] = {
    {Symbology::Ean13, "490123456789", "4901234567894"},
    {Symbology::Ean13, "4512345678906", "4512345678906"},
    {Symbology::Ean8, "4901234", "49012347"},
    {Symbology::Ean8, "49012347", "49012347"},
    {Symbology::UpcA, "03600029145", "036000291452"},
    {Symbology::Code128, "Shelf A-12/3 (label)", "Shelf A-12/3 (label)"},
    {Symbology::Code39, "ASSET-0042 $/+%", "ASSET-0042 $/+%"},
    {Symbology::Itf14, "1456789012345", "14567890123453"},
    {Symbology::Itf14, "14567890123453", "14567890123453"},
    {Symbology::Codabar, "A0123-456:7B", "A0123-456:7B"},
    {Symbology::QrCode, "https://example.jp/商品/4901234567894?在庫=12",
     "https://example.jp/商品/4901234567894?在庫=12"},
    {Symbology::QrCode, "ラベル 😀", "ラベル 😀"},
    {Symbology::DataMatrix, "LOT:2024-05-01 数量 12", "LOT:2024-05-01 数量 12"},
};

} // namespace

// Each symbology is encoded, drawn for a 300 and a 600 dpi printer and read
// back by ZXing, a reader that shares nothing with zint.
TEST(Barcode, EverySymbologyIsReadBackFromItsPictureAt300And600Dpi)
{
    for (const RoundTrip &trip : RoundTrips) {
        for (const int dpi : {300, 600}) {
            SCOPED_TRACE(
                QStringLiteral("%1 %2 at %3 dpi").arg(symbologyName(trip.symbology), trip.data).arg(dpi).toStdString());
            const BarcodeRequest request = requestOf(trip.symbology, QString::fromUtf8(trip.data));
            const BarcodePicture picture = drawBarcode(request, dpi);
            ASSERT_FALSE(picture.image.isNull());
            EXPECT_TRUE(onlyBlackAndWhite(picture.image));
            const ReadResult read = readBarcode(picture.image);
            EXPECT_EQ(read.format, symbologyName(trip.symbology));
            EXPECT_EQ(read.text, QString::fromUtf8(trip.read));
            EXPECT_EQ(barcodeReadout(trip.symbology, request.data), QString::fromUtf8(trip.read));
        }
    }
}

TEST(Barcode, EachQrErrorCorrectionLevelIsReadBack)
{
    int previousSide = 0;
    for (const QrErrorCorrection level :
         {QrErrorCorrection::L, QrErrorCorrection::M, QrErrorCorrection::Q, QrErrorCorrection::H}) {
        BarcodeRequest request = requestOf(Symbology::QrCode, QStringLiteral("〒100-0013 東京都千代田区霞が関1丁目3番2号"));
        request.errorCorrection = level;
        const BarcodePicture picture = drawBarcode(request, 600);
        EXPECT_EQ(readBarcode(picture.image).text, request.data);
        // More correction never takes fewer modules for the same data.
        const int side = encodeBarcode(request).columns;
        EXPECT_GE(side, previousSide);
        previousSide = side;
    }
}

// The module is a whole number of dots on the 1/300 inch grid, so the same
// picture size comes out at 300, 600 and 1200 dpi; every bar and space is
// a whole number of modules.
TEST(Barcode, ModulesAreWholeDotsAndTheSameSizeAt300600And1200Dpi)
{
    BarcodeRequest request = requestOf(Symbology::Ean13, QStringLiteral("490123456789"));
    request.moduleMm = 0.31; // 3.66 dots at 300 dpi: four of them
    const BarcodePicture at300 = drawBarcode(request, 300);
    const BarcodePicture at600 = drawBarcode(request, 600);
    const BarcodePicture at1200 = drawBarcode(request, 1200);
    EXPECT_EQ(at300.dotsPerModule, 4);
    EXPECT_EQ(at600.dotsPerModule, 8);
    EXPECT_EQ(at1200.dotsPerModule, 16);
    EXPECT_NEAR(at300.moduleMm, 4 * 25.4 / 300, 1e-9);
    EXPECT_DOUBLE_EQ(at600.moduleMm, at300.moduleMm);
    EXPECT_DOUBLE_EQ(at1200.moduleMm, at300.moduleMm);
    EXPECT_EQ(at600.image.width(), 2 * at300.image.width());
    EXPECT_EQ(at1200.image.width(), 4 * at300.image.width());
    EXPECT_NEAR(at600.widthMm, at300.widthMm, 1e-9);
    EXPECT_EQ(at600.image.dotsPerMeterX(), qRound(600 / 0.0254));

    // EAN-13 is 95 modules wide between the quiet zones, and the quiet zones
    // (11 and 7 modules) are kept.
    for (const BarcodePicture *picture : {&at300, &at600, &at1200}) {
        const QList<int> runs = runsOfRow(picture->image, picture->image.height() / 4);
        ASSERT_GE(runs.size(), 3);
        int modules = 0;
        for (qsizetype i = 1; i + 1 < runs.size(); ++i) {
            EXPECT_EQ(runs[i] % picture->dotsPerModule, 0) << "run " << i;
            modules += runs[i] / picture->dotsPerModule;
        }
        EXPECT_EQ(modules, 95);
        EXPECT_GE(runs.front(), 11 * picture->dotsPerModule);
        EXPECT_GE(runs.back(), 7 * picture->dotsPerModule);
    }

    // A resolution that is no multiple of 300 gets whole dots of its own.
    EXPECT_EQ(drawBarcode(request, 400).dotsPerModule, 5);
}

TEST(Barcode, TheBarHeightIsTheOneAskedFor)
{
    BarcodeRequest request = requestOf(Symbology::Code128, QStringLiteral("ABC-123"));
    request.humanReadable = false;
    request.quietZone = false;
    request.heightMm = 12;
    const BarcodePicture picture = drawBarcode(request, 600);
    EXPECT_NEAR(picture.heightMm, 12, 25.4 / 600);
    // Without quiet zones the first column is a bar.
    EXPECT_EQ(picture.image.pixel(0, picture.image.height() / 2), qRgb(0, 0, 0));
    request.quietZone = true;
    const BarcodePicture quiet = drawBarcode(request, 600);
    EXPECT_EQ(quiet.image.width(), picture.image.width() + 20 * quiet.dotsPerModule); // 10 modules each side
}

// An overall size gets the largest whole module that fits.
TEST(Barcode, AnOverallSizeGetsTheLargestModuleThatFits)
{
    for (const Symbology symbology : {Symbology::QrCode, Symbology::Ean13, Symbology::Code39}) {
        SCOPED_TRACE(symbologyName(symbology).toStdString());
        BarcodeRequest request = requestOf(symbology, symbology == Symbology::Ean13 ? QStringLiteral("4901234567894")
                                                                           : QStringLiteral("LABEL-0001"));
        request.sizing = BarcodeSizing::OverallSize;
        request.widthMm = 30;
        request.heightMm = 20;
        const BarcodePicture picture = drawBarcode(request, 600);
        EXPECT_LE(picture.widthMm, 30 + 1e-9);
        EXPECT_LE(picture.heightMm, 20 + 1e-9);
        // One 1/300 inch step more would not fit.
        const double wider = picture.widthMm / picture.dotsPerModule * (picture.dotsPerModule + 2);
        if (symbology == Symbology::QrCode) {
            EXPECT_GT(std::max(wider, picture.heightMm / picture.dotsPerModule * (picture.dotsPerModule + 2)), 20.0);
        } else {
            EXPECT_GT(wider, 30.0);
            EXPECT_NEAR(picture.heightMm, 20, 25.4 / 600 * 2); // the bars take the height left
        }
        EXPECT_FALSE(readBarcode(picture.image).text.isEmpty());
    }

    BarcodeRequest tiny = requestOf(Symbology::QrCode, QStringLiteral("too small"));
    tiny.sizing = BarcodeSizing::OverallSize;
    tiny.widthMm = 1;
    tiny.heightMm = 1;
    EXPECT_TRUE(refusal([&] { drawBarcode(tiny, 600); }).contains(QStringLiteral("入りません")));
}

TEST(Barcode, TheHumanReadableTextIsDrawnOnlyWhenAsked)
{
    BarcodeRequest request = requestOf(Symbology::Code128, QStringLiteral("TEXT"));
    const BarcodePicture with = drawBarcode(request, 600);
    request.humanReadable = false;
    const BarcodePicture without = drawBarcode(request, 600);
    EXPECT_GT(with.image.height(), without.image.height());
    // Below the bars there is black (the text) only when it is asked for.
    const auto blackBelow = [](const QImage &image, int fromY) {
        for (int y = fromY; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == qRgb(0, 0, 0))
                    return true;
        return false;
    };
    EXPECT_TRUE(blackBelow(with.image, without.image.height()));
    EXPECT_EQ(encodeBarcode(requestOf(Symbology::Ean13, QStringLiteral("490123456789"))).text,
              QStringLiteral("4901234567894"));
}

// Data a symbology cannot take is refused with the reason, before zint.
TEST(Barcode, DataASymbologyCannotTakeIsRefusedWithTheReason)
{
    const struct {
        Symbology symbology;
        const char *data;
        const char *message;
    } refusals[] = {
        {Symbology::Ean13, "49012345678", "JAN-13 には数字12桁または13桁を入力してください"},
        {Symbology::Ean13, "49012345678X", "JAN-13 には数字12桁または13桁を入力してください"},
        {Symbology::Ean13, "4901234567890", "JAN-13 のチェックデジット（最後の桁）が違います。正しくは 4 です"},
        {Symbology::Ean13, "", "JAN-13 のデータを入力してください"},
        {Symbology::Ean8, "490123", "JAN-8 には数字7桁または8桁を入力してください"},
        {Symbology::Ean8, "49012340", "JAN-8 のチェックデジット（最後の桁）が違います。正しくは 7 です"},
        {Symbology::UpcA, "0360002914", "UPC-A には数字11桁または12桁を入力してください"},
        {Symbology::UpcA, "036000291453", "UPC-A のチェックデジット（最後の桁）が違います。正しくは 2 です"},
        {Symbology::Itf14, "145678901234567", "ITF-14 には数字13桁または14桁を入力してください"},
        {Symbology::Itf14, "14567890123450", "ITF-14 のチェックデジット（最後の桁）が違います。正しくは 3 です"},
        {Symbology::Code128, "値札", "Code 128 に使えるのは半角の英数字と記号です（「値」は使えません）"},
        {Symbology::Code39, "abc",
         "Code 39 に使えるのは数字、英大文字、空白と「- . $ / + %」です（「a」は使えません）"},
        {Symbology::Code39, "A*B",
         "Code 39 に使えるのは数字、英大文字、空白と「- . $ / + %」です（「*」は使えません）"},
        {Symbology::Codabar, "12345", "NW-7 はA～Dのどれかで始めて、A～Dのどれかで終えてください（例：A12345B）"},
        {Symbology::Codabar, "A12E45B", "NW-7 のA～Dの間に使えるのは数字と「- $ : / . +」です（「E」は使えません）"},
        {Symbology::QrCode, "", "QRコードのデータを入力してください"},
        {Symbology::JapanPost, "12345-1-2", "カスタマバーコードのデータは郵便番号7桁（ハイフンなし）で始めてください"},
        {Symbology::JapanPost, "1000013 1-3",
         "カスタマバーコードに使えるのは数字、ハイフンと英字です（「 」は使えません）"},
        {Symbology::JapanPost, "91000673-80-25J1-2B",
         "カスタマバーコードのデータは20けたまでです（英字は1文字で2けたと数えます）"},
    };
    for (const auto &each : refusals) {
        SCOPED_TRACE(each.data);
        const BarcodeRequest request = requestOf(each.symbology, QString::fromUtf8(each.data));
        EXPECT_EQ(barcodeDataProblem(each.symbology, request.data), QString::fromUtf8(each.message));
        EXPECT_EQ(refusal([&] { drawBarcode(request, 600); }), QString::fromUtf8(each.message));
        EXPECT_EQ(refusal([&] { encodeBarcode(request); }), QString::fromUtf8(each.message));
    }
    // Full-width digits typed with the input method are digits.
    EXPECT_EQ(barcodeDataProblem(Symbology::Ean13, QStringLiteral("４９０１２３４５６７８９")), QString());
    // What only zint can tell: more than a QR code holds.
    const QString tooLong = refusal([] { encodeBarcode(requestOf(Symbology::QrCode, QString(8000, u'9'))); });
    EXPECT_EQ(tooLong, QStringLiteral("QRコードにはデータが長すぎます"));
    EXPECT_EQ(refusal([] { encodeBarcode(requestOf(Symbology::DataMatrix, QString(5000, u'x'))); }),
              QStringLiteral("データマトリックスにはデータが長すぎます"));
    EXPECT_EQ(refusal([] { drawBarcode(requestOf(Symbology::Code128, QString(400, u'x')), 600); }),
              QStringLiteral("Code 128 にはデータが長すぎます"));
    // A NUL in the text of a QR code is data like any other.
    const QString withNul = QStringLiteral("A") + QChar(0) + QStringLiteral("B");
    EXPECT_EQ(readBarcode(drawBarcode(requestOf(Symbology::QrCode, withNul), 600).image).text, withNul);
}

TEST(Barcode, SizesThatCannotBePrintedAreRefused)
{
    BarcodeRequest request = requestOf(Symbology::Code128, QStringLiteral("ABC"));
    request.moduleMm = 0.02;
    EXPECT_TRUE(refusal([&] { drawBarcode(request, 600); }).contains(QStringLiteral("小さすぎます")));
    request.moduleMm = -1;
    EXPECT_TRUE(refusal([&] { drawBarcode(request, 600); }).contains(QStringLiteral("0より大きい")));
    request.moduleMm = std::nan("");
    EXPECT_TRUE(refusal([&] { drawBarcode(request, 600); }).contains(QStringLiteral("0より大きい")));
    request.moduleMm = 0.25;
    EXPECT_TRUE(refusal([&] { drawBarcode(request, 10); }).contains(QStringLiteral("dpi")));
    request.moduleMm = 400; // a picture of kilometres
    EXPECT_FALSE(refusal([&] { drawBarcode(request, 1200); }).isEmpty());

    BarcodeRequest postal = requestOf(Symbology::JapanPost, QStringLiteral("10000131-3-2-503"));
    postal.moduleMm = 0.3;
    EXPECT_TRUE(refusal([&] { drawBarcode(postal, 600); }).contains(QStringLiteral("8～11.5ポイント")));
}

// The customer barcode's bars against the manual: its code table gives each
// character three bars (1 long, 2 upper half, 3 lower half, 4 timing), the
// start code is 1 3 and the stop code 3 1, empty places are CC4 and the check
// digit makes the sum of the character values a multiple of 19. The check
// digits 9 (1000013 1-3-2-503) is the one the manual prints.
TEST(Barcode, TheCustomerBarcodesBarsAreTheManuals)
{
    // Values 0-9, hyphen 10, CC1 to CC8 11 to 18, with their bars.
    const char *const table[19] = {"144", "114", "132", "312", "123", "141", "321", "213", "231", "411",
                                   "414", "324", "342", "234", "432", "243", "423", "441", "111"};
    const auto valuesOf = [](const QString &data) {
        QList<int> values;
        for (const QChar c : data) {
            if (c.isDigit())
                values << c.digitValue();
            else if (c == u'-')
                values << 10;
            else // a letter: its control code and a digit
                values << 11 + (c.unicode() - u'A') / 10 << (c.unicode() - u'A') % 10;
        }
        while (values.size() < 20)
            values << 14; // CC4
        return values;
    };
    const auto barsOf = [&](const QList<int> &values, int check) {
        QString bars = QStringLiteral("13");
        for (const int value : values)
            bars += QLatin1String(table[value]);
        return bars + QLatin1String(table[check]) + QStringLiteral("31");
    };
    const auto checkOf = [](const QList<int> &values) {
        int sum = 0;
        for (const int value : values)
            sum += value;
        return (19 - sum % 19) % 19;
    };
    // The bars zint drew: full (1), top half (2), bottom half (3), timing (4).
    const auto drawnBars = [](const EncodedBarcode &symbol) {
        QString bars;
        for (int column = 0; column < symbol.columns; column += 2) {
            const bool top = symbol.moduleRows[0][column] == u'1';
            const bool bottom = symbol.moduleRows[2][column] == u'1';
            bars += top && bottom ? u'1' : top ? u'2' : bottom ? u'3' : u'4';
        }
        return bars;
    };

    EXPECT_EQ(checkOf(valuesOf(QStringLiteral("10000131-3-2-503"))), 9);
    for (const char *data : {"10000131-3-2-503", "15400233-16-4-205", "350110622-1A308", "27301023-20-5B604",
                             "014011360-1", "064080429-1524-23-2-", "65000469-7-6A1-1", "62300116-7LB106"}) {
        SCOPED_TRACE(data);
        const EncodedBarcode symbol = encodeBarcode(requestOf(Symbology::JapanPost, QString::fromLatin1(data)));
        ASSERT_EQ(symbol.rows, 3);
        ASSERT_EQ(symbol.columns, 133); // 67 bars
        const QList<int> values = valuesOf(QString::fromLatin1(data));
        EXPECT_EQ(drawnBars(symbol), barsOf(values, checkOf(values)));
    }

    // Drawn at 10 points: bars 0.6 mm wide (7 dots at 300 dpi) and long bars
    // six modules high.
    const BarcodePicture picture = drawBarcode(requestOf(Symbology::JapanPost, QStringLiteral("10000131-3-2-503")), 300);
    EXPECT_EQ(picture.dotsPerModule, 7);
    int longest = 0;
    for (int x = 0; x < picture.image.width(); ++x) {
        int run = 0;
        for (int y = 0; y < picture.image.height(); ++y) {
            run = picture.image.pixel(x, y) == qRgb(0, 0, 0) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    EXPECT_EQ(longest, 6 * 7);
}

TEST(Barcode, TheSvgHasTheSizeInMillimetresAndTheSameBars)
{
    const BarcodeRequest request = requestOf(Symbology::QrCode, QStringLiteral("SVG & <test>"));
    const QByteArray svg = barcodeSvg(request, 600);
    const BarcodePicture picture = drawBarcode(request, 600);
    EXPECT_TRUE(svg.contains(QStringLiteral("width=\"%1mm\"").arg(picture.widthMm, 0, 'f', 4).toUtf8()));
    EXPECT_TRUE(svg.contains("SVG &amp; &lt;test&gt;"));
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox().size(), picture.image.size());
    // Rendered at its own size on white, it is the picture.
    QImage rendered(picture.image.size(), QImage::Format_RGB32);
    rendered.fill(Qt::white);
    {
        QPainter painter(&rendered);
        renderer.render(&painter);
    }
    EXPECT_EQ(readBarcode(rendered).text, request.data);
    int differing = 0;
    for (int y = 0; y < rendered.height(); ++y)
        for (int x = 0; x < rendered.width(); ++x)
            differing += (qGray(rendered.pixel(x, y)) < 128) != (picture.image.pixel(x, y) == qRgb(0, 0, 0));
    EXPECT_EQ(differing, 0);
}

TEST(Barcode, SymbologyKeysAndNames)
{
    QStringList keys;
    for (const Symbology symbology : allSymbologies()) {
        Symbology found;
        ASSERT_TRUE(symbologyForKey(symbologyKey(symbology), found));
        EXPECT_EQ(found, symbology);
        keys << symbologyKey(symbology);
    }
    EXPECT_EQ(keys.join(u' '), QStringLiteral("ean13 ean8 upca code128 code39 itf14 codabar qr datamatrix japanpost"));
    Symbology found;
    EXPECT_FALSE(symbologyForKey(QStringLiteral("EAN13"), found));
}
