#include <gtest/gtest.h>

#include <QMarginsF>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPrinter>
#include <QRegularExpression>

#include "PrintTestSupport.h"
#include "print/PrintGeometry.h"
#include "print/PrintJob.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

// Pages are printed at 600 dpi: one millimetre is 23.625 printer pixels,
// one screen pixel (15 twips) 6.25.

namespace {

const RgbValue Black = rgbValue(0, 0, 0);
const RgbValue Red = rgbValue(255, 0, 0);
const RgbValue Green = rgbValue(0, 160, 0);
const RgbValue Blue = rgbValue(0, 0, 255);
const RgbValue Magenta = rgbValue(255, 0, 255);

const QSize PageSize(1100, 900);

// 40 x 30 mm; label 1 of 20 x 15 mm at (5, 5), text from 1 mm inside it.
LabelDocument labelledSheet(const QString &text = QString())
{
    LabelDocument document = oneLabelSheet(40, 30, {5, 5, 20, 15, 1, 1});
    if (!text.isEmpty())
        setText(document, 1, text, printRecord(40));
    return document;
}

// An image in front of (layer 0) or behind (layer 1) the text.
void addPicture(LabelDocument &document, const QImage &picture, QPoint at, int layer, bool seeThrough = false,
                RgbValue colour = 0)
{
    document.addImage(picture, {at.x(), at.y(), seeThrough ? 1 : 0, colour, layer});
}

PrintOptions overflowing()
{
    PrintOptions options;
    options.overflow = true;
    return options;
}

PrintDevice deviceAt(double dpi)
{
    PrintDevice device;
    device.dotsPerInchX = dpi;
    device.dotsPerInchY = dpi;
    return device;
}

// Ink pixels as a set of points.
std::vector<QPoint> inkOf(const QImage &page)
{
    std::vector<QPoint> points;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if ((page.pixel(x, y) & RGB_MASK) != RGB_MASK)
                points.emplace_back(x, y);
        }
    }
    return points;
}

bool isInk(const QImage &page, QPoint point)
{
    return page.rect().contains(point) && (page.pixel(point) & RGB_MASK) != RGB_MASK;
}

// A device whose paint engine refuses to begin or fails at the end, as a
// printer does that cannot be reached or breaks off.
// An exhausted one runs out of memory when a picture is drawn, as a PDF
// engine does that cannot hold the page.
class BrokenEngine : public QPaintEngine {
public:
    BrokenEngine(bool begins, bool ends, bool exhausted) : begins_(begins), ends_(ends), exhausted_(exhausted) {}
    bool begin(QPaintDevice *) override { return begins_; }
    bool end() override
    {
        ++ended;
        return ends_;
    }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
    {
        if (exhausted_)
            throw std::bad_alloc();
    }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    Type type() const override { return QPaintEngine::User; }

    int ended = 0;

private:
    bool begins_;
    bool ends_;
    bool exhausted_;
};

class BrokenDevice : public QPaintDevice {
public:
    BrokenDevice(bool begins, bool ends, bool exhausted = false) : engine_(begins, ends, exhausted) {}
    QPaintEngine *paintEngine() const override { return &engine_; }
    int ended() const { return engine_.ended; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 1000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 600;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    mutable BrokenEngine engine_;
};

int pageCount(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(page));
}

} // namespace

TEST(PrintJobPlacement, OffsetsOfZeroPutTheSheetCornerOnThePaperCorner)
{
    LabelDocument document = labelledSheet();
    addPicture(document, solidPicture(QSize(8, 8), Black), QPoint(0, 0), 0);
    // 8 screen pixels are 50 printer pixels.
    EXPECT_EQ(inkBox(printedPage(document, PageSize)), QRect(0, 0, 50, 50));
    // The device's pixel (0, 0) lies 30 and 20 pixels inside the paper: the
    // sheet's corner is at (-30, -20) and only the rest of the picture shows.
    EXPECT_EQ(inkBox(printedPage(document, PageSize, {}, QPoint(30, 20))), QRect(0, 0, 20, 30));

    // Whatever is drawn stays on the sheet (40 x 30 mm: 945 x 709 pixels).
    LabelDocument covered = labelledSheet();
    addPicture(covered, solidPicture(QSize(400, 400), Black), QPoint(0, 0), 0);
    EXPECT_EQ(inkBox(printedPage(covered, PageSize)), QRect(0, 0, 945, 709));
    EXPECT_EQ(inkBox(printedPage(covered, PageSize, {}, QPoint(30, 20))), QRect(0, 0, 915, 689));
}

TEST(PrintJobPlacement, AnOffsetOfTenMovesEverythingOneMillimetre)
{
    LabelDocument document = labelledSheet(QStringLiteral("あい"));
    addPicture(document, solidPicture(QSize(20, 10), Blue), QPoint(30, 90), 0);
    const QImage plain = printedPage(document, PageSize);
    ASSERT_FALSE(inkBox(plain).isNull());

    PrintOptions right;
    right.offsetLeft = 10; // shown as "1"
    const QImage moved = printedPage(document, PageSize, right);
    // One millimetre is 23.625 pixels: everything moves right by 24.
    EXPECT_EQ(moved.copy(24, 0, PageSize.width() - 24, PageSize.height()),
              plain.copy(0, 0, PageSize.width() - 24, PageSize.height()));
    EXPECT_EQ(inkBox(moved).left(), inkBox(plain).left() + 24);

    PrintOptions down;
    down.offsetTop = 10;
    const QImage lowered = printedPage(document, PageSize, down);
    EXPECT_EQ(lowered.copy(0, 24, PageSize.width(), PageSize.height() - 24),
              plain.copy(0, 0, PageSize.width(), PageSize.height() - 24));

    PrintOptions back;
    back.offsetLeft = -10;
    EXPECT_EQ(printedPage(document, PageSize, back).copy(0, 0, 900, 900), plain.copy(24, 0, 900, 900));
}

TEST(PrintJobText, PrintsAtThePrintersSizeFromThePrintStart)
{
    LabelDocument document = labelledSheet(QStringLiteral("あ"));
    const QRect ink = inkBox(printedPage(document, PageSize));
    // The text starts 6 mm from the paper's edges (141.75 pixels) and a
    // character 40 screen pixels high is 250 printer pixels high.
    EXPECT_GE(ink.left(), 142);
    EXPECT_LT(ink.left(), 142 + 40);
    EXPECT_GE(ink.top(), 142);
    EXPECT_LT(ink.top(), 142 + 60);
    EXPECT_GT(ink.width(), 150);
    EXPECT_LE(ink.bottom(), 142 + 250);

    // The next line starts 40 / 72 * 1000 twips lower: 231 printer pixels.
    document.setLabelText(1, QStringLiteral("あ\r\nあ"));
    for (int position = 1; position <= 4; ++position)
        document.CharAttr(1, position) = printRecord(40);
    document.CharAttr(1, 2)[TextColourSlot] = Variant(QStringLiteral("LF"));
    document.CharAttr(1, 3)[TextColourSlot] = Variant(QStringLiteral("CR"));
    LabelDocument tall = document;
    tall.sheet().LabelGeometry[1][LabelHeight] = 25;
    const QImage twoLines = printedPage(tall, PageSize);
    const QImage firstLine = twoLines.copy(0, 0, PageSize.width(), ink.bottom() + 1);
    EXPECT_EQ(inkBox(firstLine), ink);
    const QRect secondLine = inkBox(twoLines.copy(0, ink.bottom() + 1, PageSize.width(), 600));
    EXPECT_EQ(secondLine.top() + ink.bottom() + 1, ink.top() + 231);
}

TEST(PrintJobText, DrawsTheOutlinePXPrinterPixelsAroundTheFace)
{
    LabelDocument document = labelledSheet(QStringLiteral("ア"));
    const QRect face = inkBox(printedPage(document, PageSize));
    AttrRecord outlined = printRecord(40);
    outlined[EffectCodeSlot] = Variant(qint16(4));
    outlined[EffectColourSlot] = Variant(qint32(Red));
    document.CharAttr(1, 1) = outlined;

    const QImage page = printedPage(document, PageSize);
    EXPECT_EQ(inkBox(page), face.adjusted(-2, -2, 2, 2)); // 2.4 twips per pixel: 2 pixels
    EXPECT_GT(pixelsOf(page, face.adjusted(-2, -2, 2, 2), Red), 0);

    // At 1200 dpi the outline is one pixel wide.
    QImage fine(2000, 1600, QImage::Format_RGB32);
    fine.fill(Qt::white);
    ASSERT_EQ(printPage(fine, deviceAt(1200), document, {}, {}), PrintOutcome::Printed);
    LabelDocument plain = labelledSheet(QStringLiteral("ア"));
    QImage fineFace(2000, 1600, QImage::Format_RGB32);
    fineFace.fill(Qt::white);
    ASSERT_EQ(printPage(fineFace, deviceAt(1200), plain, {}, {}), PrintOutcome::Printed);
    EXPECT_EQ(inkBox(fine), inkBox(fineFace).adjusted(-1, -1, 1, 1));
}

TEST(PrintJobClipping, CutsTextAtTheLabelEdgeUnlessTheOptionIsTicked)
{
    // A label 10 mm wide (236 pixels) at 5 mm; its text starts at 6 mm and
    // two characters of 250 pixels run far past its right edge at 354.
    LabelDocument document = oneLabelSheet(40, 30, {5, 5, 10, 20, 1, 1});
    setText(document, 1, QStringLiteral("ああ"), printRecord(40));
    const QImage clipped = printedPage(document, PageSize);
    const QImage whole = printedPage(document, PageSize, overflowing());

    const QRect label = QRect(QPoint(118, 118), QPoint(353, 590));
    EXPECT_LE(inkBox(clipped).right(), 353);
    EXPECT_GE(inkBox(clipped).right(), 340); // cut at the edge, not before it
    EXPECT_GT(inkBox(whole).right(), 354 + 200);
    // Inside the label both are the same.
    EXPECT_EQ(clipped.copy(label), whole.copy(label));
}

TEST(PrintJobClipping, LetsOverflowingTextRunOnlyToTheSheetsEdge)
{
    // The sheet is 20 mm wide: 472.5 pixels, so 472.
    LabelDocument document = oneLabelSheet(20, 30, {5, 5, 10, 20, 1, 1});
    setText(document, 1, QStringLiteral("あああ"), printRecord(40));
    const QRect ink = inkBox(printedPage(document, PageSize, overflowing()));
    EXPECT_LE(ink.right(), 471);
    EXPECT_GE(ink.right(), 460);
}

TEST(PrintJobText, PrintsATurnedLabelUpsideDownFromItsLowerRightCorner)
{
    // Label 20 x 15 mm at (5, 5), text starting 2 mm from the left and 1 mm
    // from the top (turned: from the right and from the bottom).
    LabelDocument upright = oneLabelSheet(40, 30, {5, 5, 20, 15, 1, 2});
    setText(upright, 1, QStringLiteral("アイ"), printRecord(40));
    LabelDocument turned = upright;
    turned.setLabelRotated(1, 1);

    const QImage uprightPage = printedPage(upright, PageSize);
    const QImage turnedPage = printedPage(turned, PageSize);
    const PrintGeometry geometry(deviceAt(600), {}, {});
    const QPoint start = geometry.textOrigin(upright.sheet(), 1, false);
    const QPoint end = geometry.textOrigin(upright.sheet(), 1, true); // (23 mm, 19 mm)

    // The first character hangs up and left from the lower right start.
    const QRect ink = inkBox(turnedPage);
    EXPECT_LE(ink.right(), end.x());
    EXPECT_GE(ink.right(), end.x() - 40);
    EXPECT_LE(ink.bottom(), end.y());
    EXPECT_GE(ink.bottom(), end.y() - 60);
    EXPECT_LT(ink.left(), end.x() - 300); // the second character to its left

    // Turned through the label's centre, the upright print lands on the
    // turned one: upside down, first character on the right.
    const std::vector<QPoint> uprightInk = inkOf(uprightPage);
    ASSERT_GT(uprightInk.size(), 1000u);
    size_t matched = 0;
    for (const QPoint &point : uprightInk) {
        const QPoint mirrored(start.x() + end.x() - 1 - point.x(), start.y() + end.y() - 1 - point.y());
        if (isInk(turnedPage, mirrored))
            ++matched;
    }
    EXPECT_GT(double(matched) / double(uprightInk.size()), 0.95);
    // Merely moved, it would not.
    size_t moved = 0;
    const QPoint shift = inkBox(turnedPage).topLeft() - inkBox(uprightPage).topLeft();
    for (const QPoint &point : uprightInk) {
        if (isInk(turnedPage, point + shift))
            ++moved;
    }
    EXPECT_LT(double(moved) / double(uprightInk.size()), 0.8);
}

TEST(PrintJobImages, TextCoversImagesBehindItAndImagesInFrontCoverTheText)
{
    const LabelDocument textOnly = labelledSheet(QStringLiteral("あ"));
    const QImage textPage = printedPage(textOnly, PageSize);
    const QRect label(QPoint(118, 118), QPoint(590, 471));
    const int textPixels = pixelsOf(textPage, label, Black);
    ASSERT_GT(textPixels, 1000);

    // A red picture over the whole label: from (112, 112), 488 x 375 pixels.
    LabelDocument behind = textOnly;
    addPicture(behind, solidPicture(QSize(78, 60), Red), QPoint(18, 18), 1);
    const QImage behindPage = printedPage(behind, PageSize);
    EXPECT_EQ(pixelsOf(behindPage, label, Black), textPixels);
    EXPECT_EQ(pixelsOf(behindPage, label, Red), label.width() * label.height() - textPixels);

    LabelDocument inFront = textOnly;
    addPicture(inFront, solidPicture(QSize(78, 60), Blue), QPoint(18, 18), 0);
    const QImage frontPage = printedPage(inFront, PageSize);
    EXPECT_EQ(pixelsOf(frontPage, label, Black), 0);
    EXPECT_EQ(pixelsOf(frontPage, label, Blue), label.width() * label.height());
}

TEST(PrintJobImages, LeavesTheSeeThroughColourOut)
{
    const LabelDocument textOnly = labelledSheet(QStringLiteral("あ"));
    const QImage textPage = printedPage(textOnly, PageSize);

    // Left half see-through magenta, right half green; in front of the text.
    QImage picture = solidPicture(QSize(40, 40), Green);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 20; ++x)
            picture.setPixel(x, y, toQRgb(Magenta));
    }
    LabelDocument document = textOnly;
    addPicture(document, picture, QPoint(20, 20), 0, true, Magenta);
    const QImage before = document.picture(document.ImageSlot(1));
    const QImage page = printedPage(document, PageSize);

    // (20, 20) screen pixels is (125, 125); each half is 125 x 250 pixels.
    const QRect seeThrough(125, 125, 125, 250);
    const QRect drawn(250, 125, 125, 250);
    EXPECT_EQ(page.copy(seeThrough), textPage.copy(seeThrough));
    EXPECT_GT(pixelsOf(textPage, seeThrough, Black), 100); // there is text to show through
    EXPECT_EQ(pixelsOf(page, drawn, Green), drawn.width() * drawn.height());
    // The sheet view's picture is as it was.
    EXPECT_EQ(document.picture(document.ImageSlot(1)), before);
}

TEST(PrintJobImages, LeavesThePageUnchangedUnderAnAllSeeThroughImage)
{
    const LabelDocument textOnly = labelledSheet(QStringLiteral("あい"));
    const QImage textPage = printedPage(textOnly, PageSize);
    for (int width : {3, 7, 120}) {
        LabelDocument document = textOnly;
        addPicture(document, solidPicture(QSize(width, 90), Magenta), QPoint(10, 10), 0, true, Magenta);
        int started = 0;
        int finished = 0;
        std::vector<int> values;
        PrintProgress progress;
        progress.seeThroughStarted = [&] { ++started; };
        progress.seeThroughAdvanced = [&](int value) { values.push_back(value); };
        progress.seeThroughFinished = [&] { ++finished; };
        EXPECT_EQ(printedPage(document, PageSize, {}, {}, 600, progress), textPage) << width;
        EXPECT_EQ(started, 1);
        EXPECT_EQ(finished, 1);
        ASSERT_FALSE(values.empty());
        EXPECT_EQ(values.front(), 0);
        EXPECT_EQ(values.back(), 1000) << width;
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    }
}

TEST(PrintJobImages, KeysOnTheExactColourOnly)
{
    LabelDocument document = labelledSheet();
    // One step off the see-through colour is drawn.
    addPicture(document, solidPicture(QSize(8, 8), rgbValue(255, 0, 254)), QPoint(0, 0), 1, true, Magenta);
    addPicture(document, solidPicture(QSize(8, 8), Magenta), QPoint(16, 0), 1, false, Magenta);
    const QImage page = printedPage(document, PageSize);
    EXPECT_EQ(pixelsOf(page, QRect(0, 0, 50, 50), rgbValue(255, 0, 254)), 2500);
    // Without the see-through flag the colour is just a colour.
    EXPECT_EQ(pixelsOf(page, QRect(100, 0, 50, 50), Magenta), 2500);
}

TEST(PrintJobPlacement, ASheetWithoutLabelsPrintsAnEmptyPage)
{
    LabelDocument document = labelledSheet(QStringLiteral("あい"));
    document.sheet().LabelCount = 0;
    const QImage page = printedPage(document, PageSize);
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(inkBox(page).isNull());

    int labelsStarted = 0;
    PrintProgress progress;
    progress.labelStarting = [&](int) { ++labelsStarted; };
    printedPage(labelledSheet(QStringLiteral("あ")), PageSize, {}, {}, 600, progress);
    EXPECT_EQ(labelsStarted, 1);
}

TEST(PrintJobFailures, ReportsADeviceThatWillNotStartOrBreaksOff)
{
    const LabelDocument document = labelledSheet(QStringLiteral("あ"));
    BrokenDevice closed(false, true);
    EXPECT_EQ(printPage(closed, deviceAt(600), document, {}, {}), PrintOutcome::CannotOpen);
    BrokenDevice breaking(true, false);
    EXPECT_EQ(printPage(breaking, deviceAt(600), document, {}, {}), PrintOutcome::Failed);
    BrokenDevice working(true, true);
    EXPECT_EQ(printPage(working, deviceAt(600), document, {}, {}), PrintOutcome::Printed);
    // A device without a resolution cannot place anything.
    QImage page(100, 100, QImage::Format_RGB32);
    EXPECT_EQ(printPage(page, deviceAt(0), document, {}, {}), PrintOutcome::CannotOpen);

    for (PrintOutcome failure :
         {PrintOutcome::NoPrinter, PrintOutcome::CannotOpen, PrintOutcome::Failed, PrintOutcome::OutOfMemory})
        EXPECT_FALSE(printFailureMessage(failure).isEmpty());
    EXPECT_TRUE(printFailureMessage(PrintOutcome::Printed).isEmpty());
}

TEST(PrintJobFailures, MemoryRunningOutEndsTheJobWithAnOutcomeNotAnAbort)
{
    LabelDocument document = labelledSheet(QStringLiteral("あ"));
    addPicture(document, solidPicture(QSize(8, 8), Red), QPoint(0, 0), 0);
    BrokenDevice exhausted(true, true, true);
    EXPECT_EQ(printPage(exhausted, deviceAt(600), document, {}, {}), PrintOutcome::OutOfMemory);
    EXPECT_EQ(exhausted.ended(), 1); // the page was closed all the same
    // The same document prints where memory suffices.
    BrokenDevice working(true, true);
    EXPECT_EQ(printPage(working, deviceAt(600), document, {}, {}), PrintOutcome::Printed);
}

TEST(PrintJobOnPrinter, WritesOnePageNamedAfterTheProgram)
{
    TempFolder folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setCopyCount(2);
    printer.setOutputFileName(folder.file(QStringLiteral("sheet.pdf")));
    const LabelDocument document = labelledSheet(QStringLiteral("あい"));
    ASSERT_EQ(printDocument(printer, document, {}, {}), PrintOutcome::Printed);
    const QByteArray pdf = readBytes(folder.file(QStringLiteral("sheet.pdf")));
    // The copy count goes to the device; the job draws one page.
    EXPECT_EQ(pageCount(pdf), 1);
    EXPECT_EQ(printer.docName(), QStringLiteral("ぽるかね"));
    QByteArray title("\xFE\xFF");
    for (QChar character : QStringLiteral("ぽるかね"))
        title += char(character.unicode() >> 8), title += char(character.unicode() & 0xFF);
    EXPECT_TRUE(pdf.contains(title));
}

TEST(PrintJobOnPrinter, PutsTheSheetOnThePaperCornerWhateverTheMargins)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("margins.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setPageMargins(QMarginsF(36, 18, 36, 18), QPageLayout::Point);
    printer.setOutputFileName(path);
    LabelDocument document = labelledSheet();
    // 24 screen pixels at the sheet's corner: a quarter of an inch.
    addPicture(document, solidPicture(QSize(24, 24), Black), QPoint(0, 0), 0);
    ASSERT_EQ(printDocument(printer, document, {}, {}), PrintOutcome::Printed);

    const QImage page = rasterizedPdf(path, 144);
    if (page.isNull())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QRect ink = inkBox(page);
    EXPECT_EQ(ink.topLeft(), QPoint(0, 0));
    EXPECT_NEAR(ink.width(), 36, 1);
    EXPECT_NEAR(ink.height(), 36, 1);
}

TEST(PrintJobOnPrinter, ReportsAFileThatCannotBeWritten)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/sheet.pdf"));
    EXPECT_EQ(printDocument(printer, labelledSheet(QStringLiteral("あ")), {}, {}), PrintOutcome::CannotOpen);
}
