#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>

#include "RenderTestSupport.h"
#include "render/LogicalFont.h"
#include "render/TextLayout.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const TextScale Screen = TextScale::screen(15, 15);
const AttrRecord Lf = breakRecord(LineBreakMarkerAtCr); // the first half of a break holds "LF"
const AttrRecord Cr = breakRecord(LineBreakMarkerAtLf);

std::vector<PlacedGlyph> layout(const QString &text, std::vector<AttrRecord> records, QPoint origin = {0, 0},
                                const TextScale &scale = Screen)
{
    return layoutText(text, TextRecords(std::move(records)), origin, scale);
}

int advanceOfA() { return layout(QStringLiteral("A"), {plainRecord(40)})[0].metrics.advance; }

} // namespace

TEST(LogicalFont, TakesItsValuesFromTheRecordOrCannotBeMade)
{
    AttrRecord record = plainRecord(40.5);
    record[CharWidthSlot] = Variant(10.5);
    record[CharRotationSlot] = Variant(12.35);
    record[FontWeightSlot] = Variant(QStringLiteral("700"));
    record[ItalicSlot] = Variant(qint16(1));
    const std::optional<LogicalFont> font = LogicalFont::fromRecord(record, Screen);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->height, 40); // halves to even
    EXPECT_EQ(font->width, 10);
    EXPECT_EQ(font->escapement, 124);
    EXPECT_EQ(font->weight, 700);
    EXPECT_TRUE(font->italic);
    EXPECT_FALSE(font->underline);

    TextScale printer = Screen; // screen font units into printer pixels, turned
    printer.fontHeightFactor = 7.5;
    printer.extraEscapement = 1800;
    EXPECT_EQ(LogicalFont::fromRecord(record, printer)->height, 304);
    EXPECT_EQ(LogicalFont::fromRecord(record, printer)->escapement, 1924);

    record[CharHeightSlot] = Variant(40000.0);
    EXPECT_FALSE(LogicalFont::fromRecord(record, Screen));
    record[CharHeightSlot] = Variant(40.0);
    record[CharRotationSlot] = Variant(1e300);
    EXPECT_FALSE(LogicalFont::fromRecord(record, Screen));
}

TEST(FontFactory, GivesHeightsWidthsAndFacesTheirWindowsMeaning)
{
    FontFactory fonts;
    LogicalFont logical;
    logical.faceName = QStringLiteral("IPAGothic");
    for (const int height : {12, 20, 37, 40, 57, 200}) {
        logical.height = height;
        const QFontMetrics metrics(fonts.font(logical));
        EXPECT_EQ(metrics.ascent() + metrics.descent(), height);
    }
    logical.height = -30;
    EXPECT_EQ(fonts.font(logical).pixelSize(), 30);
    logical.height = 40;
    logical.width = 30;
    EXPECT_NEAR(QFontMetricsF(fonts.font(logical)).averageCharWidth(), 30, 0.5);
    EXPECT_EQ(fonts.font(logical).weight(), QFont::Normal); // weight 0

    logical.faceName = QStringLiteral("ＭＳ ゴシック");
    EXPECT_EQ(QFontInfo(fonts.font(logical)).family(), QStringLiteral("IPAGothic"));
    logical.faceName = QStringLiteral("No Such Face");
    EXPECT_GT(QFontMetrics(fonts.font(logical)).horizontalAdvance(QChar(u'あ')), 0);
}

TEST(TextLayout, CharactersHangFromTheirLineTopAndLinesFollowTheTallest)
{
    // "AB" of heights 40 and 20 share their top; the next line starts
    // nearest(40 / 72 * 1000 / 15) = 37 lower. The position after "LF" ends
    // the line whatever it holds.
    const auto glyphs = layout(QStringLiteral("AB\r\nC"), {plainRecord(40), plainRecord(20), Lf, plainRecord(), plainRecord(40)},
                               {8, 38});
    ASSERT_EQ(glyphs.size(), 3u);
    EXPECT_EQ(glyphs[0].front.back().at, QPoint(8, 38));
    EXPECT_EQ(glyphs[1].front.back().at, QPoint(8 + advanceOfA(), 38));
    EXPECT_EQ(glyphs[2].front.back().at, QPoint(8, 38 + 37));

    // An empty line advances by the height on its own "CR" position (20:
    // 18.5 -> 19) and adds no spacing; the line before adds the 2 mm of its
    // tallest character.
    AttrRecord spaced = plainRecord(40);
    spaced[LineSpacingSlot] = Variant(2.0);
    AttrRecord emptyLineEnd = breakRecord(LineBreakMarkerAtLf, 20);
    emptyLineEnd[LineSpacingSlot] = Variant(3.0);
    const auto empty = layout(QStringLiteral("A\r\n\r\nB"), {spaced, Lf, Cr, Lf, emptyLineEnd, spaced});
    EXPECT_EQ(empty[1].front.back().at.y(), 45 + 19); // nearest(37 + 7.56) = 45
}

TEST(TextLayout, SpacingRotationAndAlignmentMoveTheCharacters)
{
    AttrRecord spaced = plainRecord(40);
    spaced[LetterSpacingSlot] = Variant(1.0); // nearest(3.78) = 4 pixels
    EXPECT_EQ(layout(QStringLiteral("AAA"), {spaced})[2].front.back().at.x(), 2 * (advanceOfA() + 4));

    AttrRecord down = plainRecord(40);
    down[LineRotationSlot] = Variant(90.0);
    const auto column = layout(QStringLiteral("AB"), {down}, {10, 10});
    EXPECT_EQ(column[1].front.back().at, QPoint(10, 10 + advanceOfA()));
    EXPECT_EQ(column[1].logical.escapement, 0);

    AttrRecord aligned = plainRecord(40);
    aligned[CharAlignmentSlot] = Variant(36.0); // 36 / 72 * 1000 / 15 = 33.3
    aligned[LineAlignmentSlot] = Variant(5.0);
    EXPECT_NEAR(layout(QStringLiteral("A"), {aligned}, {0, 10})[0].originY, 10 + 5 + 1000.0 / 30, 1e-9);

    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.LabelGeometry[1][VerticalPrintStart] = 10;
    sheet.LabelGeometry[1][HorizontalPrintStart] = 2;
    EXPECT_EQ(canvasTextOrigin(sheet, 1, 10), QPoint(11, 57)); // 10 mm converted with tX
}

TEST(TextLayout, TurnedCharactersAreCorrectedTowardsTheirCell)
{
    const auto square = rotationCorrection(40, 40, 90);
    EXPECT_EQ(square->x, 0);
    EXPECT_EQ(square->y, 40);
    EXPECT_EQ(rotationCorrection(37, 40, 0)->y, 0);
    EXPECT_EQ(rotationCorrection(40, 40, 180)->x, 40);

    AttrRecord turned = plainRecord(40);
    turned[CharRotationSlot] = Variant(90.0);
    const PlacedGlyph glyph = layout(QStringLiteral("漢"), {turned}, {5, 5})[0];
    EXPECT_EQ(glyph.logical.escapement, 900);
    const auto expected = rotationCorrection(glyph.metrics.extentWidth, glyph.metrics.extentHeight, 90);
    EXPECT_EQ(glyph.front.back().at, QPoint(5 + expected->x, 5 + expected->y));
}

TEST(TextLayout, GoesOnPastWhatItCannotDraw)
{
    // B's font cannot be made: B is not drawn and C follows at A's advance
    // again, the last one known.
    const auto glyphs = layout(QStringLiteral("ABC"), {plainRecord(40), plainRecord(1e12), plainRecord(40)});
    ASSERT_EQ(glyphs.size(), 2u);
    EXPECT_EQ(glyphs[1].front.back().at.x(), 2 * advanceOfA());

    // Characters past the last record take the last record's format.
    AttrRecord red = plainRecord(20);
    red[TextColourSlot] = Variant(qint32(rgbValue(255, 0, 0)));
    const auto beyond = layout(QStringLiteral("abc"), {plainRecord(40), red});
    ASSERT_EQ(beyond.size(), 3u);
    EXPECT_EQ(beyond[2].front.back().colour, rgbValue(255, 0, 0));
    LabelDocument document = LabelDocument::fromTemplate(SheetTemplate::newTemplate());
    document.CharAttr(1, 201)[CharHeightSlot] = Variant(33.0);
    EXPECT_EQ(TextRecords(document, 1).at(202)[CharHeightSlot].toDouble(), 33.0);
}

TEST(TextLayout, ATurnedLayoutRunsBackFromItsOrigin)
{
    TextScale turned = Screen;
    turned.direction = -1;
    AttrRecord shadowed = plainRecord(40);
    shadowed[EffectCodeSlot] = Variant(qint16(1));
    shadowed[ShiftHorizontalSlot] = Variant(1.0);
    const auto glyphs = layout(QStringLiteral("AB\r\nC"), {shadowed, shadowed, Lf, Cr, shadowed}, {400, 300}, turned);
    EXPECT_EQ(glyphs[1].front.back().at, QPoint(400 - advanceOfA(), 300));
    EXPECT_EQ(glyphs[2].front.back().at, QPoint(400, 300 - 37));
    EXPECT_EQ(glyphs[0].behind.front().at, QPoint(396, 300));
}
