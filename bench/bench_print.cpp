// Printing a sheet with four see-through pictures of 2000 x 2000 pixels to
// a 600 dpi PDF: the whole print job, keyed copies and PDF writing included.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include "document/LabelDocument.h"
#include "print/PrintJob.h"

using namespace porkane;

namespace {

// A photograph-like picture with a see-through background: a disc of
// varied colours on magenta.
QImage seeThroughPicture(int seed)
{
    QImage picture(2000, 2000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int dx = x - 1000;
            const int dy = y - 1000;
            row[x] = dx * dx + dy * dy < 900 * 900 ? qRgb((x + seed * 40) & 0xFF, (y * 3) & 0xFF, (x ^ y) & 0xFF)
                                                   : qRgb(255, 0, 255);
        }
    }
    return picture;
}

// 20 labels of text and the four pictures: on an A4 sheet each picture
// covers a quarter of it and runs off the paper; on a sheet of a metre
// every pixel of them is printed.
LabelDocument sheetWithPictures(qint16 sheetSide)
{
    SheetTemplate sheet;
    sheet.SheetWidth = sheetSide == 0 ? 210 : sheetSide;
    sheet.SheetHeight = sheetSide == 0 ? 297 : sheetSide;
    sheet.LabelCount = 20;
    for (int label = 1; label <= 20; ++label)
        sheet.LabelGeometry[label] = {qint16(10 + (label - 1) / 2 * 27), qint16(5 + (label - 1) % 2 * 100), 95, 25, 2, 2};
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    const QString text = QStringLiteral("ぽるかね ラベル印刷 12345");
    for (int label = 1; label <= 20; ++label) {
        document.setLabelText(label, text);
        for (int position = 1; position <= text.size(); ++position) {
            AttrRecord &record = document.CharAttr(label, position);
            record[TextColourSlot] = Variant(qint32(0x112233));
            record[CharHeightSlot] = Variant(30.0);
            record[FontWeightSlot] = Variant(qint16(400));
            record[FaceNameSlot] = Variant(QStringLiteral("IPAGothic"));
        }
    }
    // Screen pixels: A4 is 794 x 1123 of them, a metre 3780.
    const qint32 across = sheetSide == 0 ? 400 : 1780;
    const qint32 down = sheetSide == 0 ? 560 : 1780;
    for (int image = 0; image < 4; ++image) {
        const ImagePlacementRow placement = {image % 2 * across, image / 2 * down, 1, 0xFF00FF, image % 2};
        document.addImage(seeThroughPicture(image), placement);
    }
    return document;
}

void printToPdf(benchmark::State &state, qint16 sheetSide)
{
    const LabelDocument document = sheetWithPictures(sheetSide);
    QTemporaryDir folder;
    qint64 bytes = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(600);
        printer.setFullPage(true);
        printer.setOutputFileName(folder.filePath(QStringLiteral("sheet.pdf")));
        if (printDocument(printer, document, {}, ScreenScale{15, 15}) != PrintOutcome::Printed) {
            state.SkipWithError("the job did not print");
            break;
        }
        bytes = QFileInfo(folder.filePath(QStringLiteral("sheet.pdf"))).size();
    }
    state.counters["pdf_kB"] = double(bytes) / 1024;
}

void PrintA4WithFourSeeThroughPictures(benchmark::State &state) { printToPdf(state, 0); }
BENCHMARK(PrintA4WithFourSeeThroughPictures)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void PrintEveryPixelOfFourSeeThroughPictures(benchmark::State &state) { printToPdf(state, 1000); }
BENCHMARK(PrintEveryPixelOfFourSeeThroughPictures)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
