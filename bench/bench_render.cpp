// Drawing as the editor does while the user types: one label of 200
// characters with outline and three-dimensional text, and the whole sheet
// image (20 labels, 10 pictures of 500 x 500, half of them see-through) at
// zoom 1 and zoom 3.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "document/LabelDocument.h"
#include "render/LabelCanvas.h"
#include "render/SheetImage.h"

using namespace porkane;

namespace {

constexpr int TwipsPerPixel = 15;

AttrRecord effectRecord(int index)
{
    AttrRecord record;
    record[TextColourSlot] = Variant(qint32(rgbValue(20, 40, 160)));
    record[CharWidthSlot] = Variant(0.0);
    record[CharHeightSlot] = Variant(index % 7 == 0 ? 36.0 : 28.0);
    record[LetterSpacingSlot] = Variant(0.0);
    record[LineSpacingSlot] = Variant(0.5);
    record[CharRotationSlot] = Variant(index % 11 == 0 ? 90.0 : 0.0);
    record[LineRotationSlot] = Variant(0.0);
    record[FontWeightSlot] = Variant(qint16(index % 5 == 0 ? 700 : 400));
    record[ItalicSlot] = Variant(false);
    record[UnderlineSlot] = Variant(false);
    record[StrikeOutSlot] = Variant(false);
    record[FaceNameSlot] = Variant(QStringLiteral("IPAGothic"));
    record[EffectCodeSlot] = Variant(qint16(6)); // three-dimensional and outline
    record[ShadowColourSlot] = Variant(qint32(rgbValue(60, 60, 60)));
    record[ShiftVerticalSlot] = Variant(1.0);   // 4 pixels: four layers
    record[ShiftHorizontalSlot] = Variant(1.0);
    record[EffectColourSlot] = Variant(qint32(rgbValue(255, 220, 0)));
    return record;
}

// 200 positions: lines of 18 characters and their line breaks.
void fillLabel(LabelDocument &document, int label)
{
    const QString words = QStringLiteral("ぽるかねラベル印刷、宛名シール作成 Label 2024 東京都千代田区一丁目");
    QString text;
    int column = 0;
    while (text.size() < 200) {
        if (column == 18 && text.size() < 198) {
            text += QStringLiteral("\r\n");
            column = 0;
            continue;
        }
        text += words[text.size() % words.size()];
        ++column;
    }
    text.truncate(200);
    document.setLabelText(label, text);
    for (int position = 1; position <= text.size(); ++position) {
        AttrRecord record = effectRecord(position);
        if (text[position - 1] == QLatin1Char('\r'))
            record[TextColourSlot] = Variant(LineBreakMarkerAtCr);
        else if (text[position - 1] == QLatin1Char('\n'))
            record[TextColourSlot] = Variant(LineBreakMarkerAtLf);
        document.CharAttr(label, position) = record;
    }
}

LabelDocument fullSheet()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 20;
    for (int label = 1; label <= 20; ++label)
        sheet.LabelGeometry[label] = {qint16(10 + (label - 1) / 2 * 28), qint16(5 + (label - 1) % 2 * 102), 98, 26, 2, 2};
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    for (int label = 1; label <= 20; ++label)
        fillLabel(document, label);
    for (int image = 0; image < 10; ++image) {
        QImage picture(500, 500, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            QRgb *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                row[x] = (x / 50 + y / 50) % 3 == 0 ? qRgb(255, 255, 255) : qRgb((x + image) & 0xFF, y & 0xFF, 90);
        }
        document.addImage(picture, {image * 60, image * 100, image % 2, 0xFFFFFF, image / 5});
    }
    return document;
}

void RenderLabel200Characters(benchmark::State &state)
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 1;
    sheet.LabelGeometry[1] = {10, 10, 190, 120, 2, 2};
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    fillLabel(document, 1);
    QImage canvas = makeLabelCanvas(sheet, 1, TwipsPerPixel, TwipsPerPixel);
    const TextScale scale = TextScale::screen(TwipsPerPixel, TwipsPerPixel);
    for (auto _ : state) {
        RenderLabel(document, 1, canvas, scale);
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(RenderLabel200Characters)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);

void SheetImageAtZoom(benchmark::State &state)
{
    LabelDocument document = fullSheet();
    LabelCanvases canvases;
    canvases.reset(document.sheet(), TwipsPerPixel, TwipsPerPixel);
    renderAllLabels(document, canvases, TextScale::screen(TwipsPerPixel, TwipsPerPixel));
    SheetViewStyle style;
    style.labelColour = rgbValue(255, 250, 230);
    style.gridColour = rgbValue(213, 242, 255);
    style.gridVisible = true;
    SheetViewState view;
    view.currentLabel = 3;
    view.zoom = double(state.range(0));
    SheetImage sheet;
    for (auto _ : state) {
        sheet.RePaint(document, canvases, style, view);
        benchmark::DoNotOptimize(sheet.view().constBits());
    }
}
BENCHMARK(SheetImageAtZoom)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
