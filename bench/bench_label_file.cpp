// Opening and saving a full label file: 20 labels of 200 characters each and
// 20 pictures of 1000 x 1000 pixels.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "document/LabelDocument.h"
#include "document/LabelFile.h"

using namespace porkane;

namespace {

LabelDocument fullDocument()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 20;
    for (int label = 1; label <= 20; ++label)
        sheet.LabelGeometry[label] = {qint16(10 + (label - 1) / 2 * 27), qint16(5 + (label - 1) % 2 * 100), 95, 25, 2, 2};
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    const QString line = QStringLiteral("ぽるかねラベル印刷 Label 12345 ");
    for (int label = 1; label <= 20; ++label) {
        QString text;
        while (text.size() < 200)
            text += line;
        text.truncate(200);
        text[50] = QLatin1Char('\r');
        text[51] = QLatin1Char('\n');
        document.setLabelText(label, text);
        for (int position = 1; position <= 200; ++position) {
            AttrRecord &record = document.CharAttr(label, position);
            record = {Variant(qint32(0x112233)), Variant(30.0), Variant(40.0), Variant(0.0), Variant(0.0),
                      Variant(0.0), Variant(0.0), Variant(qint16(400)), Variant(false), Variant(false),
                      Variant(false), Variant(), Variant(), Variant(QStringLiteral("IPAGothic")),
                      Variant(qint16(0)), Variant(qint32(0)), Variant(0.5), Variant(0.5), Variant(qint32(0))};
        }
        document.CharAttr(label, 51)[0] = Variant("LF");
        document.CharAttr(label, 52)[0] = Variant("CR");
    }
    for (int image = 0; image < 20; ++image) {
        QImage picture(1000, 1000, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            QRgb *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                row[x] = qRgb((x + image) & 0xFF, (y * 3) & 0xFF, (x ^ y) & 0xFF);
        }
        document.addImage(picture, {image * 10, image * 5, 1, 0xFFFFFF, image % 2});
    }
    return document;
}

void SaveLabelFile(benchmark::State &state)
{
    const LabelDocument document = fullDocument();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("full.fhl"));
    for (auto _ : state)
        saveLabelFile(document, path);
}
BENCHMARK(SaveLabelFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);

void OpenLabelFile(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("full.fhl"));
    saveLabelFile(fullDocument(), path);
    for (auto _ : state) {
        LabelDocument document = openLabelFile(path);
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(OpenLabelFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
