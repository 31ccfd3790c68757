#include <gtest/gtest.h>

#include <limits>

#include "RenderTestSupport.h"
#include "render/LabelCanvas.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const TextScale Screen = TextScale::screen(15, 15);

LabelDocument oneLabel(const QString &text, const std::vector<AttrRecord> &records)
{
    SheetTemplate sheet;
    sheet.SheetWidth = 100;
    sheet.SheetHeight = 60;
    sheet.LabelCount = 1;
    sheet.LabelGeometry[1] = {5, 10, 60, 30, 3, 2};
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    document.setLabelText(1, text);
    for (int position = 1; position <= text.size(); ++position)
        document.CharAttr(1, position) = records[std::min(size_t(position), records.size()) - 1];
    return document;
}

AttrRecord effects()
{
    AttrRecord record = plainRecord(40);
    record[TextColourSlot] = Variant(qint32(rgbValue(0, 90, 200)));
    record[EffectCodeSlot] = Variant(qint16(6));
    record[ShadowColourSlot] = Variant(qint32(rgbValue(90, 0, 0)));
    record[EffectColourSlot] = Variant(qint32(rgbValue(255, 200, 0)));
    record[ShiftHorizontalSlot] = Variant(1.5);
    record[ShiftVerticalSlot] = Variant(1.0);
    record[CharRotationSlot] = Variant(20.0);
    return record;
}

} // namespace

TEST(RenderLabel, AmendsBreaksClearsTheCanvasAndDrawsFromThePrintStart)
{
    LabelDocument document = oneLabel(QStringLiteral("A\r\nB\r\n"), {plainRecord(), breakRecord(LineBreakMarkerAtCr),
                                                                     plainRecord(), plainRecord(),
                                                                     breakRecord(LineBreakMarkerAtCr)});
    QImage canvas = makeLabelCanvas(document.sheet(), 1, 15, 15);
    ASSERT_EQ(canvas.size(), QSize(227, 113)); // 60 x 30 mm
    canvas.fill(Qt::red);
    RenderLabel(document, 1, canvas, Screen);

    EXPECT_EQ(document.CharAttr(1, 3)[TextColourSlot], Variant(LineBreakMarkerAtLf));
    EXPECT_TRUE(document.CharAttr(1, 7)[TextColourSlot].isEmpty()); // nothing past the text
    EXPECT_EQ(canvas.pixel(200, 100), qRgb(255, 255, 255));
    // Print start (2, 3) mm: x0 = 8, first top 11; "B" on the line 37 lower.
    const QRect ink = inkBox(canvas);
    EXPECT_GE(ink.left(), 8);
    EXPECT_GE(ink.top(), 11);
    EXPECT_GT(ink.bottom(), 11 + 37 + 20);
    EXPECT_LT(ink.bottom(), 11 + 37 + 40);
}

TEST(RenderLabel, GoesOnPastValuesNoEditorWrites)
{
    AttrRecord farShifted = effects(); // 30240 layers, all far off the label
    farShifted[ShiftHorizontalSlot] = Variant(8000.0);
    farShifted[ShiftVerticalSlot] = Variant(-8000.0);
    AttrRecord broken = effects();
    broken[CharRotationSlot] = Variant(std::numeric_limits<double>::quiet_NaN());
    broken[FontWeightSlot] = Variant(1e6);
    AttrRecord far = effects();
    far[LetterSpacingSlot] = Variant(1e300);
    far[TextColourSlot] = Variant(1e20);
    far[CharAlignmentSlot] = Variant(1e15);
    AttrRecord giant = effects();
    giant[CharHeightSlot] = Variant(32000.0);
    LabelDocument document = oneLabel(QStringLiteral("BCD\r\nEA"), {farShifted, broken, far, breakRecord(LineBreakMarkerAtCr),
                                                                    breakRecord(LineBreakMarkerAtLf), plainRecord(40), giant});
    QImage canvas = makeLabelCanvas(document.sheet(), 1, 15, 15);
    RenderLabel(document, 1, canvas, Screen);
    // The plain "E" still stands at the start of the second line.
    EXPECT_FALSE(inkBox(canvas.copy(8, 48, 37, 40)).isNull());
}

TEST(LabelComposite, ATurnedLabelIsTheUprightOneTurnedPixelForPixel)
{
    LabelDocument document = oneLabel(QStringLiteral("ぽるかね\r\nAbc"), {effects(), effects(), effects(), effects(),
                                                                     breakRecord(LineBreakMarkerAtCr),
                                                                     breakRecord(LineBreakMarkerAtLf), effects()});
    QImage canvas = makeLabelCanvas(document.sheet(), 1, 15, 15);
    RenderLabel(document, 1, canvas, Screen);
    const QImage upright = LabelComposite(canvas, document.sheet(), 1, false, 15);
    const QImage turned = LabelComposite(canvas, document.sheet(), 1, true, 15);
    EXPECT_EQ(upright, canvas);
    ASSERT_GT(inkOf(upright).size(), 1000u);
    ASSERT_EQ(turned.size(), upright.size());
    for (int y = 0; y < upright.height(); ++y) {
        for (int x = 0; x < upright.width(); ++x)
            ASSERT_EQ(turned.pixel(x, y), upright.pixel(upright.width() - 1 - x, upright.height() - 1 - y));
    }

    // Both sides of the composite are converted with tX.
    const QImage narrow = makeLabelCanvas(document.sheet(), 1, 10, 15);
    EXPECT_EQ(narrow.size(), QSize(340, 113));
    EXPECT_EQ(LabelComposite(narrow, document.sheet(), 1, false, 10).size(), QSize(340, 170));
}
