#include <gtest/gtest.h>

#include <QDir>
#include <QPrinter>
#include <QRegularExpression>

#include "PrintTestSupport.h"
#include "core/Cp932.h"
#include "core/Errors.h"
#include "print/MergeData.h"
#include "print/PdfOutputFile.h"
#include "print/PrintJob.h"
#include "print/PrintJobSetup.h"
#include "print/PrintPages.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

// Jobs of several pages: an address list merged on a design label, a
// starting label, copies; the preview and the PDF export of the same job.

namespace {

// An A4 sheet of `labels` labels in two columns (86 x 42 mm for 12, 86 x 50
// for 10), text 4 mm inside; label 1 holds the address design.
LabelDocument addressSheet(int labels = 12)
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = qint16(labels);
    const qint16 height = labels == 12 ? 42 : 50;
    for (int label = 1; label <= labels; ++label)
        sheet.LabelGeometry[label] = {qint16(20 + (label - 1) / 2 * height), qint16(15 + (label - 1) % 2 * 94), 86,
                                      qint16(height - 2), 4, 4};
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    const QString text = QStringLiteral("〒《郵便番号》\r\n《住所》\r\n《氏名》 様");
    document.setLabelText(1, text);
    for (int position = 1; position <= text.size(); ++position)
        document.CharAttr(1, position) = printRecord(16);
    for (int position = 1; position < text.size(); ++position) {
        if (text[position - 1] == QLatin1Char('\r')) {
            document.CharAttr(1, position)[TextColourSlot] = Variant(LineBreakMarkerAtCr);
            document.CharAttr(1, position + 1)[TextColourSlot] = Variant(LineBreakMarkerAtLf);
        }
    }
    return document;
}

// Rows "氏名01", "氏名02", ... with a postcode and an address each; varied,
// the addresses are one to five characters longer by turns.
QByteArray addressList(int rows, bool varied = false)
{
    QString csv = QStringLiteral("氏名,住所,郵便番号\r\n");
    for (int row = 1; row <= rows; ++row) {
        const QString number = QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
        const QString town = varied ? QString(row % 5 + 1, QChar(u'町')) : QString();
        csv += QStringLiteral("氏名") + number + QStringLiteral(",東京都千代田区") + town + number +
               QStringLiteral("-1,100-00") + number + QStringLiteral("\r\n");
    }
    return csv.toUtf8();
}

std::shared_ptr<const MergeData> listOf(int rows, bool varied = false)
{
    return std::make_shared<const MergeData>(
        parseMergeData(addressList(rows, varied), QStringLiteral("list.csv"), TextEncoding::Detect, false));
}

PrintPages mergedPages(const LabelDocument &document, int rows, int start = 1, int copies = 1, bool varied = false)
{
    std::vector<int> all(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row)
        all[std::size_t(row)] = row;
    return PrintPages::merged(document, listOf(rows, varied), 1, all, start, copies);
}

// The label's rectangle on a page of `dpi`, as pdftoppm or the preview
// draws it with the paper's corner at (0, 0).
QRect labelRect(const SheetTemplate &sheet, int label, double dpi)
{
    const auto pixels = [dpi](double millimetres) { return int(std::lround(millimetres / 25.4 * dpi)); };
    const SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
    return QRect(QPoint(pixels(geometry[LeftOffset]), pixels(geometry[TopOffset])),
                 QPoint(pixels(geometry[LeftOffset] + geometry[LabelWidth]) - 1,
                        pixels(geometry[TopOffset] + geometry[LabelHeight]) - 1));
}

int darkPixels(const QImage &page, const QRect &area)
{
    int count = 0;
    const QRect inside = area & page.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += qGray(page.pixel(x, y)) < 160;
    return count;
}

QStringList entriesOf(const TempFolder &folder)
{
    return QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
}

} // namespace

TEST(MergeJobPages, StartingAtLabelFiveLeavesTheFirstFourEmpty)
{
    const LabelDocument document = addressSheet(10);
    const PrintPages pages = mergedPages(document, 10, 5);
    ASSERT_EQ(pages.pageCount(), 2);
    const LabelDocument first = pages.page(0);
    for (int label = 1; label <= 4; ++label)
        EXPECT_TRUE(first.LabelText(label).isEmpty()) << label;
    EXPECT_EQ(first.LabelText(5), QStringLiteral("〒100-0001\r\n東京都千代田区01-1\r\n氏名01 様"));
    EXPECT_TRUE(first.LabelText(10).contains(QStringLiteral("氏名06")));
    EXPECT_TRUE(pages.page(1).LabelText(4).contains(QStringLiteral("氏名10")));
    EXPECT_TRUE(pages.page(1).LabelText(5).isEmpty());

    // Drawn, the first four labels have no ink and the others do.
    const QImage page = previewPage(pages, 0, {}, ScreenScale{15, 15});
    ASSERT_FALSE(page.isNull());
    for (int label = 1; label <= 10; ++label) {
        const int ink = darkPixels(page, labelRect(document.sheet(), label, 96));
        if (label <= 4)
            EXPECT_EQ(ink, 0) << label;
        else
            EXPECT_GT(ink, 50) << label;
    }

    // As is, the start empties the first labels of each copy's sheet only.
    LabelDocument filled = addressSheet(10);
    for (int label = 2; label <= 10; ++label)
        setText(filled, label, QStringLiteral("ラベル%1").arg(label), printRecord(16));
    const PrintPages asIs = PrintPages::asIs(filled, 5, 2);
    ASSERT_EQ(asIs.pageCount(), 2);
    for (int copy = 0; copy < 2; ++copy) {
        const LabelDocument sheet = asIs.page(copy);
        EXPECT_TRUE(sheet.LabelText(4).isEmpty());
        EXPECT_EQ(sheet.LabelText(5), QStringLiteral("ラベル5"));
    }
    // The document itself is untouched.
    EXPECT_EQ(filled.LabelText(4), QStringLiteral("ラベル4"));
}

TEST(MergeJobPages, KeepsTheDocumentsImagesOnEveryPageAndTheLabelsOwnTurn)
{
    LabelDocument document = addressSheet(12);
    document.addImage(solidPicture(QSize(30, 30), rgbValue(255, 0, 0)), {700, 20, 0, 0, 0});
    document.setLabelRotated(2, 1);
    const PrintPages pages = mergedPages(document, 25);
    for (int page = 0; page < 3; ++page) {
        const LabelDocument sheet = pages.page(page);
        EXPECT_EQ(sheet.ImageCount(), 1);
        EXPECT_EQ(sheet.picture(sheet.ImageSlot(1)).cacheKey(), document.picture(document.ImageSlot(1)).cacheKey());
    }
    EXPECT_EQ(pages.rowAt(1, 1), 12);
    EXPECT_EQ(pages.rowAt(2, 1), 24);
    EXPECT_EQ(pages.rowAt(2, 2), std::nullopt);
}

TEST(MergeJobPdf, TwentyFiveRecordsOnTwelveLabelsMakeThreePagesAndCopiesTwiceThat)
{
    TempFolder folder;
    const LabelDocument document = addressSheet(12);
    const QString pdf = folder.file(QStringLiteral("labels.pdf"));
    ASSERT_EQ(exportPdf(pdf, mergedPages(document, 25), {}, ScreenScale{15, 15}), PrintOutcome::Printed);
    const int pages = pdfPageCount(pdf);
    if (pages < 0)
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    EXPECT_EQ(pages, 3);

    // The last page holds record 25 in label 1 and nothing else.
    const QImage last = rasterizedPdf(pdf, 72, 3);
    ASSERT_FALSE(last.isNull());
    EXPECT_GT(darkPixels(last, labelRect(document.sheet(), 1, 72)), 30);
    for (int label = 2; label <= 12; ++label)
        EXPECT_EQ(darkPixels(last, labelRect(document.sheet(), label, 72)), 0) << label;

    const QString twice = folder.file(QStringLiteral("twice.pdf"));
    ASSERT_EQ(exportPdf(twice, mergedPages(document, 25, 1, 2), {}, ScreenScale{15, 15}), PrintOutcome::Printed);
    EXPECT_EQ(pdfPageCount(twice), 6);
    // The second copy starts over with the first record.
    EXPECT_TRUE(popplerOutput(QStringLiteral("pdftotext"), {"-f", "4", "-l", "4"}, twice).contains(QStringLiteral("氏名01")));

    // Without a list the job is the one page it always was.
    const QString single = folder.file(QStringLiteral("single.pdf"));
    ASSERT_EQ(exportPdf(single, PrintPages::asIs(document), {}, ScreenScale{15, 15}), PrintOutcome::Printed);
    EXPECT_EQ(pdfPageCount(single), 1);
}

TEST(MergeJobPdf, HoldsTheTextAsTextInEmbeddedFontsOnTheSheetsPaper)
{
    TempFolder folder;
    const QString pdf = folder.file(QStringLiteral("text.pdf"));
    ASSERT_EQ(exportPdf(pdf, mergedPages(addressSheet(12), 30), {}, ScreenScale{15, 15}), PrintOutcome::Printed);
    const QString second = popplerOutput(QStringLiteral("pdftotext"), {"-f", "2", "-l", "2"}, pdf);
    if (second.isNull())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    for (int row = 13; row <= 24; ++row)
        EXPECT_TRUE(second.contains(QStringLiteral("氏名%1 様").arg(row))) << row;
    EXPECT_FALSE(second.contains(QStringLiteral("氏名12")));
    EXPECT_FALSE(second.contains(QStringLiteral("氏名25")));
    EXPECT_TRUE(second.contains(QStringLiteral("〒100-0013")));

    // Every font is embedded (a subset).
    const QStringList fonts =
        popplerOutput(QStringLiteral("pdffonts"), {}, pdf).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString &font : fonts) {
        EXPECT_TRUE(font.contains(QStringLiteral("IPAGothic"))) << font.toStdString();
        // emb sub uni: embedded (Qt keeps only the glyphs used, but does not
        // mark the name as a subset's) and mapped back to Unicode.
        EXPECT_TRUE(font.contains(QRegularExpression(QStringLiteral("\\byes\\s+(yes|no)\\s+yes\\s+\\d+\\s+\\d+\\s*$"))))
            << font.toStdString();
    }

    // A4 sheets on A4 paper; a sheet of its own size on paper of that size.
    EXPECT_TRUE(popplerOutput(QStringLiteral("pdfinfo"), {}, pdf).contains(QStringLiteral("(A4)")));
    LabelDocument odd = LabelDocument::fromTemplate([] {
        SheetTemplate sheet;
        sheet.SheetWidth = 100;
        sheet.SheetHeight = 60;
        sheet.LabelCount = 1;
        sheet.LabelGeometry[1] = {5, 5, 90, 50, 2, 2};
        return sheet;
    }());
    const QString small = folder.file(QStringLiteral("small.pdf"));
    ASSERT_EQ(exportPdf(small, PrintPages::asIs(odd), {}, ScreenScale{15, 15}), PrintOutcome::Printed);
    const QString info = popplerOutput(QStringLiteral("pdfinfo"), {}, small);
    // Qt keeps page sizes in whole points: 100 x 60 mm is 283 x 170.
    EXPECT_TRUE(info.contains(QStringLiteral("Page size:       283 x 170 pts"))) << info.toStdString();
    const QPageLayout landscape = sheetPageLayout([] {
        SheetTemplate sheet;
        sheet.SheetWidth = 297;
        sheet.SheetHeight = 210;
        return sheet;
    }());
    EXPECT_EQ(landscape.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(landscape.orientation(), QPageLayout::Landscape);
}

TEST(MergeJobPdf, EmbedsEachPictureOnceWhateverThePages)
{
    TempFolder folder;
    LabelDocument document = addressSheet(12);
    QImage picture(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            picture.setPixel(x, y, qRgb(x * 6, y * 8, 128));
    document.addImage(picture, {600, 40, 0, 0, 1});
    // A see-through one too, whose keyed copy is made once.
    document.addImage(solidPicture(QSize(20, 20), rgbValue(0, 200, 0)), {650, 100, 1, 0xFF00FF, 0});
    int preparations = 0;
    PrintProgress progress;
    progress.seeThroughStarted = [&] { ++preparations; };
    const QString pdf = folder.file(QStringLiteral("pictures.pdf"));
    ASSERT_EQ(exportPdf(pdf, mergedPages(document, 40), {}, ScreenScale{15, 15}, progress), PrintOutcome::Printed);
    EXPECT_EQ(preparations, 1);
    const QString list = popplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list")}, pdf);
    if (list.isNull())
        GTEST_SKIP() << "pdfimages (poppler-utils) is not installed";
    // page num type width height color comp bpc enc interp object ID ...
    QSet<QString> objects;
    QSet<QString> pages;
    for (const QString &line : list.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2)) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        ASSERT_GT(columns.size(), 11) << line.toStdString();
        if (columns[2] != QLatin1String("image"))
            continue;
        pages.insert(columns[0]);
        objects.insert(columns[10]);
    }
    EXPECT_EQ(pages.size(), 4);
    EXPECT_EQ(objects.size(), 2) << list.toStdString();
}

TEST(MergeJobPdf, AppliesTheOffsetsAsOnAPrinter)
{
    TempFolder folder;
    const LabelDocument document = addressSheet(12);
    const QString plain = folder.file(QStringLiteral("plain.pdf"));
    const QString moved = folder.file(QStringLiteral("moved.pdf"));
    PrintOptions offsets;
    offsets.offsetLeft = 100; // 10 mm right
    offsets.offsetTop = -50;  // 5 mm up
    ASSERT_EQ(exportPdf(plain, mergedPages(document, 12), {}, ScreenScale{15, 15}), PrintOutcome::Printed);
    ASSERT_EQ(exportPdf(moved, mergedPages(document, 12), offsets, ScreenScale{15, 15}), PrintOutcome::Printed);
    const QImage before = rasterizedPdf(plain, 254);
    const QImage after = rasterizedPdf(moved, 254);
    if (before.isNull())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    // 254 dpi: ten pixels a millimetre.
    const QRect was = inkBox(before);
    const QRect is = inkBox(after);
    EXPECT_NEAR(is.left() - was.left(), 100, 2);
    EXPECT_NEAR(is.top() - was.top(), -50, 2);
}

TEST(MergeJobPdf, ACancelledOrFailedJobLeavesNoFileBehind)
{
    TempFolder folder;
    const QString pdf = folder.file(QStringLiteral("labels.pdf"));
    writeBytes(pdf, "an earlier file");
    int started = 0;
    PrintProgress progress;
    progress.pageStarting = [&](int page, int pages) {
        started = page;
        EXPECT_EQ(pages, 9);
    };
    progress.cancelled = [&] { return started == 2; };
    EXPECT_EQ(exportPdf(pdf, mergedPages(addressSheet(12), 100), {}, ScreenScale{15, 15}, progress),
              PrintOutcome::Cancelled);
    EXPECT_EQ(started, 2);
    EXPECT_EQ(readBytes(pdf), QByteArray("an earlier file"));
    EXPECT_EQ(entriesOf(folder), QStringList{QStringLiteral("labels.pdf")});

    // Completed, the new file takes the earlier one's place and nothing else is left.
    ASSERT_EQ(exportPdf(pdf, mergedPages(addressSheet(12), 13), {}, ScreenScale{15, 15}), PrintOutcome::Printed);
    EXPECT_TRUE(readBytes(pdf).startsWith("%PDF"));
    EXPECT_EQ(entriesOf(folder), QStringList{QStringLiteral("labels.pdf")});

    EXPECT_EQ(exportPdf(QStringLiteral("/nonexistent-folder/labels.pdf"), mergedPages(addressSheet(12), 3), {},
                        ScreenScale{15, 15}),
              PrintOutcome::CannotOpen);
    // A job of no page touches nothing.
    const QString none = folder.file(QStringLiteral("none.pdf"));
    EXPECT_EQ(exportPdf(none, PrintPages::merged(addressSheet(12), listOf(3), 1, {}), {}, ScreenScale{15, 15}),
              PrintOutcome::NothingToPrint);
    EXPECT_FALSE(QFile::exists(none));
}

TEST(MergeJobPreview, APreviewPageIsThePdfPageAtScreenResolution)
{
    TempFolder folder;
    LabelDocument document = addressSheet(12);
    // Effects and a picture, so the comparison covers them too.
    AttrRecord shadowed = printRecord(16, rgbValue(30, 30, 160));
    shadowed[EffectCodeSlot] = Variant(qint16(1));
    shadowed[ShadowColourSlot] = Variant(qint32(rgbValue(120, 120, 120)));
    shadowed[ShiftVerticalSlot] = Variant(0.4);
    shadowed[ShiftHorizontalSlot] = Variant(0.4);
    for (int position = 1; position <= document.LabelText(1).size(); ++position)
        if (!document.CharAttr(1, position)[TextColourSlot].isString())
            document.CharAttr(1, position) = shadowed;
    document.addImage(solidPicture(QSize(60, 20), rgbValue(0, 0, 0)), {300, 1000, 0, 0, 0});
    PrintOptions offsets;
    offsets.offsetLeft = 25;
    const PrintPages pages = mergedPages(document, 30, 1, 1, true);
    const QString pdf = folder.file(QStringLiteral("preview.pdf"));
    ASSERT_EQ(exportPdf(pdf, pages, offsets, ScreenScale{15, 15}), PrintOutcome::Printed);
    const QImage printed = rasterizedPdf(pdf, 96, 2);
    if (printed.isNull())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QImage shown = previewPage(pages, 1, offsets, ScreenScale{15, 15});
    ASSERT_FALSE(shown.isNull());
    EXPECT_NEAR(shown.width(), printed.width(), 1);
    EXPECT_NEAR(shown.height(), printed.height(), 1);

    // Every dark pixel of one has a dark pixel near it in the other, but for
    // the odd pixel that antialiasing turns either way. Near is two pixels:
    // the job lays text out in whole pixels of the device it draws on (as
    // the screen does), so a line of a dozen characters at screen
    // resolution may end a pixel or two from where it does at 600 dpi.
    const auto dark = [](const QImage &image, QPoint at) {
        return image.rect().contains(at) && qGray(image.pixel(at)) < 128;
    };
    // Antialiased edges are lighter: any ink will do on the other side.
    const auto inked = [](const QImage &image, QPoint at) {
        return image.rect().contains(at) && qGray(image.pixel(at)) < 220;
    };
    const auto matched = [&](const QImage &from, const QImage &to) {
        int all = 0;
        int near = 0;
        for (int y = 0; y < from.height(); ++y) {
            for (int x = 0; x < from.width(); ++x) {
                if (!dark(from, {x, y}))
                    continue;
                ++all;
                bool found = false;
                for (int dy = -2; dy <= 2 && !found; ++dy)
                    for (int dx = -2; dx <= 2 && !found; ++dx)
                        found = inked(to, {x + dx, y + dy});
                near += found;
            }
        }
        return all == 0 ? 0.0 : double(near) / all;
    };
    EXPECT_GT(matched(shown, printed), 0.98);
    EXPECT_GT(matched(printed, shown), 0.98);
    // Label by label the ink lies within a millimetre (3.8 pixels) of the
    // print's at every edge; a page of other records does not.
    const auto inkOfLabels = [&](const QImage &page) {
        std::vector<QRect> boxes;
        for (int label = 1; label <= 12; ++label)
            boxes.push_back(inkBox(page.copy(labelRect(document.sheet(), label, 96).translated(10, 0))));
        return boxes;
    };
    const std::vector<QRect> printedInk = inkOfLabels(printed);
    const auto sameInk = [&](const std::vector<QRect> &shownInk) {
        for (std::size_t label = 0; label < shownInk.size(); ++label) {
            const QRect &a = shownInk[label];
            const QRect &b = printedInk[label];
            if (a.isNull() || b.isNull() || std::abs(a.left() - b.left()) > 2 || std::abs(a.top() - b.top()) > 2 ||
                std::abs(a.right() - b.right()) > 4 || std::abs(a.bottom() - b.bottom()) > 4)
                return false;
        }
        return true;
    };
    EXPECT_TRUE(sameInk(inkOfLabels(shown)));
    EXPECT_FALSE(sameInk(inkOfLabels(previewPage(pages, 0, offsets, ScreenScale{15, 15}))));

    // Zoomed, the page grows with it; pages beyond the job are null.
    EXPECT_NEAR(previewPage(pages, 1, offsets, ScreenScale{15, 15}, 2.0).width(), shown.width() * 2, 2);
    EXPECT_TRUE(previewPage(pages, 3, offsets, ScreenScale{15, 15}).isNull());
    EXPECT_TRUE(previewPage(pages, -1, offsets, ScreenScale{15, 15}).isNull());
}

TEST(PrintJobSetupRules, RefusesAMergeThatCannotRunAndListsRowsLeftOut)
{
    TempFolder folder;
    const LabelDocument document = addressSheet(12);
    PrintJobSetup setup(document);
    EXPECT_TRUE(setup.check().canPrint()); // as is
    EXPECT_EQ(setup.pages().pageCount(), 1);
    EXPECT_EQ(setup.summary(), QStringLiteral("全 1 ページ"));

    setup.setMode(PrintPlan::Mode::Merge);
    EXPECT_EQ(setup.check().refusal, QStringLiteral("差し込むデータファイルを選んでください。"));

    // A list without the field 郵便番号.
    const QString names = folder.file(QStringLiteral("names.csv"));
    writeBytes(names, "氏名,住所\r\n山田,東京\r\n");
    setup.loadData(names, TextEncoding::Detect);
    const PrintJobSetup::Check missing = setup.check();
    EXPECT_FALSE(missing.canPrint());
    EXPECT_TRUE(missing.refusal.contains(QStringLiteral("《郵便番号》"))) << missing.refusal.toStdString();
    EXPECT_TRUE(missing.refusal.contains(QStringLiteral("names.csv")));

    // Rows that cannot go into the label are listed and left out; the rest print.
    const QString list = folder.file(QStringLiteral("list.csv"));
    writeBytes(list, QStringLiteral("氏名,住所,郵便番号\r\n山田,東京,100\r\n🍣,大阪,530\r\n鈴木,%1,600\r\n佐藤,京都,604\r\n")
                         .arg(QString(200, QChar(u'あ')))
                         .toUtf8());
    setup.loadData(list, TextEncoding::Detect);
    const PrintJobSetup::Check check = setup.check();
    ASSERT_TRUE(check.canPrint()) << check.refusal.toStdString();
    EXPECT_EQ(check.rows, (std::vector<int>{0, 3}));
    ASSERT_EQ(check.problems.size(), 2u);
    EXPECT_EQ(check.problems[0].row, 3);
    EXPECT_EQ(check.problems[1].row, 4);
    const PrintPages pages = setup.pages(check);
    EXPECT_EQ(pages.pageCount(), 1);
    EXPECT_TRUE(pages.page(0).LabelText(2).contains(QStringLiteral("佐藤")));
    EXPECT_EQ(setup.summary(), QStringLiteral("2 件（UTF-8）・差し込めない行 2・全 1 ページ"));

    // A list refused on reading leaves none behind.
    const QString broken = folder.file(QStringLiteral("broken.csv"));
    writeBytes(broken, "氏名,住所\r\n山田\r\n");
    EXPECT_THROW(setup.loadData(broken, TextEncoding::Detect), FileError);
    EXPECT_EQ(setup.data(), nullptr);
    EXPECT_EQ(setup.dataFile(), broken);
    EXPECT_FALSE(setup.check().canPrint());

    // No row that merges: nothing to print.
    const QString bad = folder.file(QStringLiteral("bad.csv"));
    writeBytes(bad, "氏名,住所,郵便番号\r\n🍣,東京,100\r\n");
    setup.loadData(bad, TextEncoding::Detect);
    EXPECT_EQ(setup.check().refusal, QStringLiteral("差し込める行がありません。"));
    EXPECT_EQ(setup.check().problems.size(), 1u);
}

TEST(PrintJobSetupRules, KeepsLabelNumbersAndCopiesWithinTheSheet)
{
    TempFolder folder;
    const LabelDocument document = addressSheet(10);
    PrintJobSetup setup(document);
    setup.setStartLabel(25);
    setup.setDesignLabel(0);
    setup.setCopies(5000);
    EXPECT_EQ(setup.startLabel(), 10);
    EXPECT_EQ(setup.designLabel(), 1);
    EXPECT_EQ(setup.copies(), PrintPlan::MaxCopies);
    setup.setCopies(-3);
    EXPECT_EQ(setup.copies(), 1);

    // Shift-JIS read as asked: the NEC and IBM extension characters.
    const QString list = folder.file(QStringLiteral("sjis.csv"));
    writeBytes(list, encodeCp932(QStringLiteral("氏名,住所,郵便番号\r\n髙橋,﨑町,100\r\n")));
    setup.setMode(PrintPlan::Mode::Merge);
    setup.setStartLabel(5);
    setup.setCopies(2);
    setup.loadData(list, TextEncoding::Cp932);
    const PrintPages pages = setup.pages();
    EXPECT_EQ(pages.pageCount(), 2);
    EXPECT_TRUE(pages.page(1).LabelText(5).contains(QStringLiteral("髙橋 様")));
    EXPECT_TRUE(pages.page(1).LabelText(4).isEmpty());
}
