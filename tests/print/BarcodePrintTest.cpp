#include <gtest/gtest.h>

#include <QSet>

#include "../image/BarcodeReader.h"
#include "PrintTestSupport.h"
#include "core/Errors.h"
#include "image/BarcodeDialogModel.h"
#include "image/BarcodeSource.h"
#include "image/CustomerBarcode.h"
#include "image/ImagePasteModel.h"
#include "print/PrintJobSetup.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

// Barcode pictures printed: drawn again from their settings at the
// printer's resolution (every module whole dots), read back by ZXing from
// the PDF rasterised at 600 dpi, and merged record by record.

namespace {

constexpr double ScreenPixelsPerMm = 56.7 / 15;

// A barcode made as the user makes one: set in the barcode dialog, taken
// by the paste dialog (see-through white).
struct Made {
    QImage picture;
    PictureSource source;
    BarcodePicture symbol;
};

template <typename Settings> Made made(Settings settings)
{
    BarcodeDialogModel dialog;
    settings(dialog);
    EXPECT_TRUE(dialog.canAccept()) << dialog.problem().toStdString();
    ImagePasteModel paste;
    paste.takeBarcode(dialog.picture(), dialog.settings());
    EXPECT_TRUE(paste.transparent());
    return {paste.picture(), paste.pictureSource(), dialog.picture()};
}

// Pasted as the editor pastes: at a place in millimetres, in front of the
// text, its settings beside it.
qint32 place(LabelDocument &document, const Made &barcode, double leftMm, double topMm)
{
    const int number =
        document.addImage(barcode.picture, {qint32(std::lround(leftMm * ScreenPixelsPerMm)),
                                            qint32(std::lround(topMm * ScreenPixelsPerMm)), 1, 0xFFFFFF, 0});
    const qint32 index = document.ImageSlot(number);
    document.setPictureSource(index, barcode.source);
    return index;
}

// The picture's area on a page of `dpi`, shifted by a label's offset and
// grown by a margin for the symbol's rounding.
QRect pictureArea(const LabelDocument &document, qint32 index, double dpi, QPointF shiftMm = {})
{
    const ImagePlacementRow &place = document.ImagePlacement(index);
    const double perPixel = dpi / 96;
    const double perMm = dpi / 25.4;
    const QSize size = document.picture(index).size();
    const QRectF area((place[PlacementLeft] * perPixel + shiftMm.x() * perMm),
                      (place[PlacementTop] * perPixel + shiftMm.y() * perMm), size.width() * perPixel,
                      size.height() * perPixel);
    const double margin = 1.5 * perMm;
    return area.adjusted(-margin, -margin, margin, margin).toAlignedRect();
}

// The lengths of the black and white runs along a row of a picture,
// between its first and last black pixel.
std::vector<int> runsAlong(const QImage &picture, int y)
{
    std::vector<int> runs;
    int first = -1;
    int last = -1;
    for (int x = 0; x < picture.width(); ++x) {
        if (qGray(picture.pixel(x, y)) < 128) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    for (int x = first; first >= 0 && x <= last;) {
        const bool black = qGray(picture.pixel(x, y)) < 128;
        int run = 0;
        while (x <= last && (qGray(picture.pixel(x, y)) < 128) == black) {
            ++run;
            ++x;
        }
        runs.push_back(run);
    }
    return runs;
}

// Every run along the middle of the bars is a whole number of modules:
// no bar grew or shrank by a dot.
void expectWholeModules(const QImage &area, int dotsPerModule)
{
    const QRect ink = inkBox(area);
    ASSERT_FALSE(ink.isNull());
    const std::vector<int> runs = runsAlong(area, ink.top() + ink.height() / 3);
    ASSERT_GT(runs.size(), 20u);
    for (const int run : runs)
        EXPECT_EQ(run % dotsPerModule, 0) << run << " dots, modules of " << dotsPerModule;
}

// The bars of a customer barcode read from a page: 1 full, 2 the upper
// part, 3 the lower part, 4 the timing bar alone.
QString customerBars(const QImage &area, int dotsPerModule)
{
    const QRect ink = inkBox(area);
    if (ink.isNull())
        return {};
    const auto black = [&](double x, double y) { return qGray(area.pixel(int(x), int(y))) < 128; };
    QString bars;
    for (double x = ink.left() + dotsPerModule / 2.0; x < ink.right(); x += 2 * dotsPerModule) {
        const bool top = black(x, ink.top() + dotsPerModule);
        const bool bottom = black(x, ink.bottom() - dotsPerModule);
        bars += top && bottom ? u'1' : top ? u'2' : bottom ? u'3' : u'4';
    }
    return bars;
}

// The same, as zint encodes the data.
QString zintBars(const QString &data)
{
    BarcodeRequest request = defaultBarcodeRequest(Symbology::JapanPost);
    request.data = data;
    const EncodedBarcode symbol = encodeBarcode(request);
    QString bars;
    for (int column = 0; column < symbol.columns; column += 2) {
        const bool top = symbol.moduleRows[0][column] == u'1';
        const bool bottom = symbol.moduleRows[2][column] == u'1';
        bars += top && bottom ? u'1' : top ? u'2' : bottom ? u'3' : u'4';
    }
    return bars;
}

// An A4 sheet of twelve labels, 86 x 40 mm in two columns; label 1 holds
// `text`.
LabelDocument twelveLabels(const QString &text = {})
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 12;
    for (int label = 1; label <= 12; ++label)
        sheet.LabelGeometry[label] = {qint16(20 + (label - 1) / 2 * 42), qint16(15 + (label - 1) % 2 * 94), 86, 40, 4,
                                      4};
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    if (!text.isEmpty())
        setText(document, 1, text, printRecord(16));
    return document;
}

QPointF labelShift(int label) { return QPointF((label - 1) % 2 * 94, (label - 1) / 2 * 42); }

Made jan13()
{
    return made([](BarcodeDialogModel &dialog) { dialog.setData(QStringLiteral("490123456789")); });
}

Made qrCode()
{
    return made([](BarcodeDialogModel &dialog) {
        dialog.setSymbology(Symbology::QrCode);
        dialog.setData(QStringLiteral("https://example.jp/商品/4901234567894"));
    });
}

PrintJobSetup::Check checked(PrintJobSetup &setup, const TempFolder &folder, const QString &csv)
{
    const QString list = folder.file(QStringLiteral("list.csv"));
    writeBytes(list, csv.toUtf8());
    setup.setMode(PrintPlan::Mode::Merge);
    setup.loadData(list, TextEncoding::Detect);
    return setup.check();
}

} // namespace

// What a person does in the dialogs, at the level of the job: a JAN-13 and
// a QR code made and placed, printed to PDF, the page rasterised at 600 dpi
// and both read back.
TEST(BarcodePrint, AJanAndAQrCodeReadBackFromThePdfAt600Dpi)
{
    TempFolder folder;
    LabelDocument document = twelveLabels(QStringLiteral("商品ラベル"));
    const Made jan = jan13();
    const Made qr = qrCode();
    const qint32 janIndex = place(document, jan, 20, 30);
    const qint32 qrIndex = place(document, qr, 75, 25);
    const QString pdf = folder.file(QStringLiteral("barcodes.pdf"));
    ASSERT_EQ(exportPdf(pdf, PrintPages::asIs(document), {}, ScreenScale{15, 15}), PrintOutcome::Printed);
    const QImage page = rasterizedPdf(pdf, 600);
    // poppler-utils is a build dependency: a page that cannot be read is a fault.
    ASSERT_FALSE(page.isNull()) << "pdftoppm could not rasterise the PDF";

    const QImage janArea = page.copy(pictureArea(document, janIndex, 600));
    const ReadResult janRead = readBarcode(janArea);
    EXPECT_EQ(janRead.format, QStringLiteral("JAN-13"));
    EXPECT_EQ(janRead.text, QStringLiteral("4901234567894"));
    // At the picture's size: the print is the symbol drawn for 600 dpi.
    // (Poppler widens an image by a dot at its right edge, so the runs of
    // the raster are no measure of whole modules; the PDF's images are.)
    const QRect janInk = inkBox(janArea);
    EXPECT_NEAR(janInk.width(), inkBox(jan.symbol.image).width(), 2);

    // In the PDF both symbols are images of 600 dpi, one image pixel to a
    // dot, kept losslessly: JPEG would blur the edges of the bars.
    const QString list = popplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list")}, pdf);
    ASSERT_FALSE(list.isNull()) << "pdfimages could not list the PDF's images";
    QSet<QString> sizes;
    for (const QString &line : list.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2)) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        ASSERT_GT(columns.size(), 12) << line.toStdString();
        if (columns[2] != QLatin1String("image"))
            continue;
        sizes.insert(columns[3] + u'x' + columns[4]);
        EXPECT_NE(columns[8], QLatin1String("jpeg")) << line.toStdString();
        EXPECT_EQ(columns[12], QLatin1String("600")) << line.toStdString();
        EXPECT_EQ(columns[13], QLatin1String("600")) << line.toStdString();
    }
    EXPECT_EQ(sizes, (QSet<QString>{QStringLiteral("%1x%2").arg(jan.symbol.image.width()).arg(jan.symbol.image.height()),
                                    QStringLiteral("%1x%2").arg(qr.symbol.image.width()).arg(qr.symbol.image.height())}));

    const ReadResult qrRead = readBarcode(page.copy(pictureArea(document, qrIndex, 600)));
    EXPECT_EQ(qrRead.format, QStringLiteral("QRコード"));
    EXPECT_EQ(qrRead.text, QStringLiteral("https://example.jp/商品/4901234567894"));

    // Saved and opened again, the settings are gone: the screen picture
    // prints stretched, its bars no longer whole modules.
    LabelDocument reopened = document;
    reopened.setPictureSource(janIndex, {});
    const QImage plain = printedPage(reopened, page.size(), {}, {}, 600);
    const std::vector<int> runs = runsAlong(plain.copy(pictureArea(document, janIndex, 600)),
                                            inkBox(plain.copy(pictureArea(document, janIndex, 600))).top() + 50);
    EXPECT_TRUE(std::any_of(runs.begin(), runs.end(), [&](int run) { return run % jan.symbol.dotsPerModule != 0; }));
}

// The symbol is drawn for each printer: modules of 4, 8 and 16 dots at 300,
// 600 and 1200 dpi, the same size in millimetres; a quarter turn given in
// the paste dialog is printed too.
TEST(BarcodePrint, ModulesAreWholeDotsAt300600And1200DpiAndTurnsArePrinted)
{
    LabelDocument document = twelveLabels();
    const Made jan = jan13();
    const qint32 index = place(document, jan, 20, 30);
    for (const int dpi : {300, 600, 1200}) {
        SCOPED_TRACE(dpi);
        const QSize a4(int(210 / 25.4 * dpi), int(297 / 25.4 * dpi));
        const QImage page = printedPage(document, a4, {}, {}, dpi);
        ASSERT_FALSE(page.isNull());
        const QImage area = page.copy(pictureArea(document, index, dpi));
        expectWholeModules(area, 4 * dpi / 300);
        EXPECT_NEAR(inkBox(area).width() * 25.4 / dpi, inkBox(jan.symbol.image).width() * 25.4 / 600, 0.3);
        if (dpi == 600) {
            EXPECT_EQ(readBarcode(area).text, QStringLiteral("4901234567894"));
        }
    }

    // Turned a quarter in the paste dialog: printed turned, still read.
    ImagePasteModel paste;
    paste.takeBarcode(jan.symbol, jan.source);
    paste.turn90();
    LabelDocument turned = twelveLabels();
    const qint32 turnedIndex = place(turned, {paste.picture(), paste.pictureSource(), jan.symbol}, 20, 30);
    EXPECT_EQ(turned.pictureSource(turnedIndex).quarterTurns, 1);
    const QImage page = printedPage(turned, QSize(4961, 7016), {}, {}, 600);
    const QImage area = page.copy(pictureArea(turned, turnedIndex, 600));
    const QRect ink = inkBox(area);
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_EQ(readBarcode(area).text, QStringLiteral("4901234567894"));
    // Clockwise, as the picture: the digits' side (the bottom) is now on the left.
    int leftInk = 0;
    int rightInk = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        leftInk += qGray(area.pixel(ink.left() + 2, y)) < 128;
        rightInk += qGray(area.pixel(ink.right() - 2, y)) < 128;
    }
    EXPECT_LT(leftInk, rightInk);
}

// A merge of twelve addresses on a sheet of twelve labels: twelve customer
// barcodes, each one the bars zint makes of its own record's data.
TEST(BarcodePrint, TwelveAddressesGiveTwelveCustomerBarcodesEachOfItsOwnRecord)
{
    TempFolder folder;
    LabelDocument document = twelveLabels(QStringLiteral("〒《郵便番号》\r\n《住所》"));
    const Made customer = made([](BarcodeDialogModel &dialog) {
        dialog.setSymbology(Symbology::JapanPost);
        dialog.setQuietZone(false);
        dialog.setPostcode(QStringLiteral("《郵便番号》"));
        dialog.setAddressB(QStringLiteral("《住所2》"));
    });
    const qint32 index = place(document, customer, 19, 48);
    const struct {
        const char *postcode;
        const char *addressB;
    } addresses[] = {
        {"100-0013", "1丁目3番2号 郵便プラザ503室"}, {"273-0102", "東3丁目-20-5 郵便・A&bコーポB604号"},
        {"198-0036", "十一丁目六番地一号　郵便タワー601"}, {"080-0831", "七線　西28"},
        {"317-0055", "6丁目7-14　ABCビル2F201号室"}, {"650-0046", "9丁目7-6　郵便シティA棟1F1号"},
        {"623-0011", "綾部6-7　LプラザB106"}, {"263-0023", "3丁目30-8　郵便ビル403号"},
        {"014-0113", "南田茂木　添60-1"}, {"110-0016", "5-6-3　ABCビル10F"},
        {"027-0203", "第二十一地割大淵川480"}, {"590-0016", "四丁六番十九号"},
    };
    QString csv = QStringLiteral("郵便番号,住所,住所2\n");
    for (const auto &address : addresses)
        csv += QStringLiteral("%1,市町村,%2\n").arg(QString::fromUtf8(address.postcode), QString::fromUtf8(address.addressB));
    PrintJobSetup setup(document);
    const PrintJobSetup::Check check = checked(setup, folder, csv);
    ASSERT_TRUE(check.canPrint()) << check.refusal.toStdString();
    ASSERT_TRUE(check.problems.empty()) << check.problems.front().text().toStdString();
    const PrintPages pages = setup.pages(check);
    ASSERT_EQ(pages.pageCount(), 1);
    const QString pdf = folder.file(QStringLiteral("addresses.pdf"));
    ASSERT_EQ(exportPdf(pdf, pages, {}, ScreenScale{15, 15}), PrintOutcome::Printed);
    const QImage page = rasterizedPdf(pdf, 600);
    // poppler-utils is a build dependency: a page that cannot be read is a fault.
    ASSERT_FALSE(page.isNull()) << "pdftoppm could not rasterise the PDF";

    QSet<QString> different;
    for (int label = 1; label <= 12; ++label) {
        SCOPED_TRACE(label);
        const QString data = customerBarcodeData(QString::fromUtf8(addresses[label - 1].postcode),
                                                 QString::fromUtf8(addresses[label - 1].addressB));
        const QImage area = page.copy(pictureArea(document, index, 600, labelShift(label)));
        const QString bars = customerBars(area, customer.symbol.dotsPerModule);
        EXPECT_EQ(bars.size(), 67);
        EXPECT_EQ(bars, zintBars(data));
        different.insert(bars);
    }
    EXPECT_EQ(different.size(), 12);
}

// Merged JAN-13 and QR codes read back from the PDF, each its record's; a
// record whose value makes no symbol is reported with its row and left out.
TEST(BarcodePrint, MergedJanAndQrCodesReadBackAndAnUnencodableRowIsReported)
{
    TempFolder folder;
    LabelDocument document = twelveLabels(QStringLiteral("《氏名》"));
    const Made jan = made([](BarcodeDialogModel &dialog) { dialog.setData(QStringLiteral("《JAN》")); });
    const Made qr = made([](BarcodeDialogModel &dialog) {
        dialog.setSymbology(Symbology::QrCode);
        dialog.setData(QStringLiteral("《URL》"));
        dialog.setOverallSize(true);
        dialog.setWidthMm(18);
        dialog.setHeightMm(18);
    });
    const qint32 janIndex = place(document, jan, 19, 30);
    const qint32 qrIndex = place(document, qr, 78, 22);
    QString csv = QStringLiteral("氏名,JAN,URL\n");
    QStringList jans;
    for (int row = 1; row <= 13; ++row) {
        const QString code = row == 4 ? QStringLiteral("12345") : QStringLiteral("4512345%1").arg(row * 7, 5, 10, QLatin1Char('0'));
        if (row != 4)
            jans << code;
        csv += QStringLiteral("氏名%1,%2,https://example.jp/item/%1?lot=%3\n").arg(row).arg(code).arg(row * 1111);
    }
    PrintJobSetup setup(document);
    const PrintJobSetup::Check check = checked(setup, folder, csv);
    ASSERT_TRUE(check.canPrint()) << check.refusal.toStdString();
    ASSERT_EQ(check.problems.size(), 1u);
    EXPECT_EQ(check.problems[0].row, 5);
    EXPECT_EQ(check.problems[0].field, QStringLiteral("JAN"));
    EXPECT_EQ(check.problems[0].reason, QStringLiteral("JAN-13 には数字12桁または13桁を入力してください"));
    EXPECT_EQ(check.rows.size(), 12u);
    EXPECT_TRUE(setup.summary().contains(QStringLiteral("差し込めない行 1")));

    const PrintPages pages = setup.pages(check);
    const QString pdf = folder.file(QStringLiteral("merged.pdf"));
    ASSERT_EQ(exportPdf(pdf, pages, {}, ScreenScale{15, 15}), PrintOutcome::Printed);
    const QImage page = rasterizedPdf(pdf, 600);
    // poppler-utils is a build dependency: a page that cannot be read is a fault.
    ASSERT_FALSE(page.isNull()) << "pdftoppm could not rasterise the PDF";
    for (int label = 1; label <= 12; ++label) {
        SCOPED_TRACE(label);
        const int row = label < 4 ? label : label + 1;
        const ReadResult janRead = readBarcode(page.copy(pictureArea(document, janIndex, 600, labelShift(label))));
        EXPECT_EQ(janRead.text, barcodeReadout(Symbology::Ean13, jans[label - 1]));
        const ReadResult qrRead = readBarcode(page.copy(pictureArea(document, qrIndex, 600, labelShift(label))));
        EXPECT_EQ(qrRead.text, QStringLiteral("https://example.jp/item/%1?lot=%2").arg(row).arg(row * 1111));
    }
}

// The merge asks for what it needs: the barcode's fields in the list, the
// barcode on the design label. Printed as is, a barcode with fields shows
// its sample; merged, positions left empty get no symbol.
TEST(BarcodePrint, TheMergeRefusesMissingFieldsAndABarcodeOffTheDesignLabel)
{
    TempFolder folder;
    LabelDocument document = twelveLabels(QStringLiteral("《氏名》"));
    const Made jan = made([](BarcodeDialogModel &dialog) { dialog.setData(QStringLiteral("《JAN》")); });
    const qint32 index = place(document, jan, 19, 30);
    PrintJobSetup setup(document);
    PrintJobSetup::Check check = checked(setup, folder, QStringLiteral("氏名,コード\nA,4901234567894\n"));
    EXPECT_FALSE(check.canPrint());
    EXPECT_TRUE(check.refusal.contains(QStringLiteral("《JAN》"))) << check.refusal.toStdString();

    // On label 2, not on the design label 1.
    document.ImagePlacement(index)[PlacementLeft] = qint32(std::lround(110 * ScreenPixelsPerMm));
    check = checked(setup, folder, QStringLiteral("氏名,JAN\nA,4901234567894\n"));
    EXPECT_EQ(check.refusal,
              QStringLiteral("差し込み項目（《JAN》）のあるバーコードは、元にするラベル 1 の上に置いてください。"));
    setup.setDesignLabel(2);
    document.setLabelText(2, QStringLiteral("《氏名》"));
    check = setup.check();
    EXPECT_TRUE(check.canPrint()) << check.refusal.toStdString();

    // Starting at label 5 with two records: symbols on labels 5 and 6 only.
    setup.setStartLabel(5);
    check = checked(setup, folder, QStringLiteral("氏名,JAN\nA,4901234567894\nB,4512345678906\n"));
    const PageBarcodes merged = setup.pages(check).barcodes(0);
    EXPECT_TRUE(merged.replaces(index));
    ASSERT_EQ(merged.barcodes.size(), 2u);
    // From label 2's place to labels 5 and 6.
    EXPECT_EQ(QPointF(merged.barcodes[0].shiftXMm, merged.barcodes[0].shiftYMm), labelShift(5) - labelShift(2));
    EXPECT_EQ(merged.barcodes[1].request.data, QStringLiteral("4512345678906"));

    // As is, the sample stands at the picture's place.
    const PageBarcodes asIs = PrintPages::asIs(document).barcodes(0);
    ASSERT_EQ(asIs.barcodes.size(), 1u);
    EXPECT_EQ(asIs.barcodes[0].request.data, QStringLiteral("000000000000"));
    EXPECT_EQ(asIs.barcodes[0].shiftXMm, 0);
}

// A barcode of its own data on every page of a merge is one image in the
// PDF, as any picture.
TEST(BarcodePrint, AFixedBarcodeIsEmbeddedOnceWhateverThePages)
{
    TempFolder folder;
    LabelDocument document = twelveLabels(QStringLiteral("《氏名》"));
    place(document, qrCode(), 150, 270);
    QString csv = QStringLiteral("氏名\n");
    for (int row = 1; row <= 30; ++row)
        csv += QStringLiteral("氏名%1\n").arg(row);
    PrintJobSetup setup(document);
    const PrintJobSetup::Check check = checked(setup, folder, csv);
    const QString pdf = folder.file(QStringLiteral("fixed.pdf"));
    ASSERT_EQ(exportPdf(pdf, setup.pages(check), {}, ScreenScale{15, 15}), PrintOutcome::Printed);
    const QString list = popplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list")}, pdf);
    ASSERT_FALSE(list.isNull()) << "pdfimages could not list the PDF's images";
    QSet<QString> objects;
    int shown = 0;
    for (const QString &line : list.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2)) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        ASSERT_GT(columns.size(), 11) << line.toStdString();
        if (columns[2] == QLatin1String("image")) {
            ++shown;
            objects.insert(columns[10]);
        }
    }
    EXPECT_EQ(shown, 3);
    EXPECT_EQ(objects.size(), 1) << list.toStdString();
}
