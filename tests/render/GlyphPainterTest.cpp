#include <gtest/gtest.h>

#include <set>

#include <QFontMetrics>
#include <QPainter>

#include "RenderTestSupport.h"
#include "render/ColourRamp.h"
#include "render/GlyphPainter.h"
#include "render/TextLayout.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const RgbValue Face = rgbValue(10, 20, 30);
const RgbValue Shadow = rgbValue(200, 0, 0);
const RgbValue Start = rgbValue(0, 0, 250);

std::vector<PlacedGlyph> layout(const QString &text, std::vector<AttrRecord> records, QPoint origin)
{
    return layoutText(text, TextRecords(std::move(records)), origin, TextScale::screen(15, 15));
}

QImage painted(const std::vector<PlacedGlyph> &glyphs)
{
    QImage image = whitePicture(400, 160);
    paintGlyphs(image, glyphs);
    return image;
}

AttrRecord effectRecord(int code, int right, int down)
{
    AttrRecord record = plainRecord(40);
    record[TextColourSlot] = Variant(qint32(Face));
    record[EffectCodeSlot] = Variant(qint16(code));
    record[ShadowColourSlot] = Variant(qint32(Shadow));
    record[EffectColourSlot] = Variant(qint32(Start));
    record[ShiftHorizontalSlot] = Variant(right * 15 / 56.7);
    record[ShiftVerticalSlot] = Variant(down * 15 / 56.7);
    return record;
}

// The face of a character drawn alone, relative to its copy point.
std::vector<QPoint> maskOf(const QString &character)
{
    std::vector<QPoint> mask = inkOf(painted(layout(character, {plainRecord(40)}, {100, 100})));
    for (QPoint &point : mask)
        point -= QPoint(100, 100);
    return mask;
}

} // namespace

TEST(GlyphPainter, DrawsTheCellsTopLeftAtTheCopyPoint)
{
    const auto glyphs = layout(QStringLiteral("AB"), {plainRecord(40), plainRecord(20)}, {10, 20});
    const QImage image = painted(glyphs);
    for (const PlacedGlyph &glyph : glyphs) {
        const QPoint at = glyph.front.back().at;
        const QRect expected = QFontMetrics(glyph.font).boundingRect(glyph.character).translated(at.x(), at.y() + glyph.metrics.ascent);
        const QRect drawn = inkBox(image.copy(at.x(), 0, glyph.metrics.advance, image.height())).translated(at.x(), 0);
        EXPECT_NEAR(drawn.top(), expected.top(), 1) << qPrintable(QString(glyph.character));
        EXPECT_NEAR(drawn.bottom(), expected.bottom(), 1) << qPrintable(QString(glyph.character));
    }
}

TEST(GlyphPainter, LayersComeBeforeEveryFaceInTheirExactColours)
{
    // Two three-dimensional characters whose layers reach back over the
    // face before them: all layers first, then the faces, nothing blended.
    const std::vector<QPoint> mask = maskOf(QStringLiteral("口"));
    const auto glyphs = layout(QStringLiteral("口口"), {effectRecord(2, -8, 4)}, {50, 50});
    QImage expected = whitePicture(400, 160);
    const QPoint second(50 + glyphs[0].metrics.advance, 50);
    for (const QPoint at : {QPoint(50, 50), second}) {
        paintMask(expected, mask, at + QPoint(-8, 4), Shadow);
        for (int layer = 1; layer <= 4; ++layer)
            paintMask(expected, mask, at + QPoint(-8 + 2 * (layer - 1), 4 - (layer - 1)), ColourRamp(Start, Shadow, layer, 5));
    }
    paintMask(expected, mask, {50, 50}, Face);
    paintMask(expected, mask, second, Face);
    EXPECT_EQ(painted(glyphs), expected);
}

TEST(GlyphPainter, TurnsACharacterAboutItsCopyPoint)
{
    AttrRecord turned = plainRecord(40);
    turned[CharRotationSlot] = Variant(90.0);
    const QRect ink = inkBox(painted(layout(QStringLiteral("漢"), {plainRecord(40)}, {0, 0})));
    const auto glyphs = layout(QStringLiteral("漢"), {turned}, {60, 60});
    const QRect turnedInk = inkBox(painted(glyphs));
    // Counter-clockwise about the copy point: (x, y) goes to (y, -x).
    const QPoint at = glyphs[0].front.back().at;
    EXPECT_NEAR(turnedInk.left(), at.x() + ink.top(), 1);
    EXPECT_NEAR(turnedInk.right(), at.x() + ink.bottom(), 1);
    EXPECT_NEAR(turnedInk.top(), at.y() - ink.right() - 1, 1);
    EXPECT_NEAR(turnedInk.bottom(), at.y() - ink.left() - 1, 1);
}

TEST(GlyphPainter, PainterAndPictureDrawTheSameExactColours)
{
    AttrRecord bold = effectRecord(6, 8, 4);
    bold[FontWeightSlot] = Variant(qint16(700));
    bold[UnderlineSlot] = Variant(true);
    bold[StrikeOutSlot] = Variant(true);
    AttrRecord wide = effectRecord(5, 4, 4);
    wide[CharWidthSlot] = Variant(30.0);
    wide[ItalicSlot] = Variant(true);
    const auto glyphs = layout(QStringLiteral("ぽるかねAg"), {bold, bold, wide, wide, bold, wide}, {20, 20});
    QImage viaPainter = whitePicture(400, 160);
    {
        QPainter painter(&viaPainter);
        paintGlyphs(painter, glyphs);
    }
    const QImage image = painted(glyphs);
    EXPECT_EQ(image, viaPainter);

    std::set<QRgb> allowed = {qRgb(255, 255, 255), toQRgb(Face), toQRgb(Shadow), toQRgb(Start)};
    for (int i = 1; i <= 4; ++i)
        allowed.insert(toQRgb(ColourRamp(Start, Shadow, i, 5)));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(allowed.count(image.pixel(x, y)), 1u) << x << "," << y;
    }
}

TEST(GlyphPainter, UnderlineAndStrikeOutSpanTheAdvance)
{
    AttrRecord record = plainRecord(40);
    record[UnderlineSlot] = Variant(true);
    record[StrikeOutSlot] = Variant(true);
    const auto glyphs = layout(QStringLiteral(" "), {record}, {10, 10}); // a space has no ink of its own
    const GlyphMetrics &metrics = glyphs[0].metrics;
    const QImage image = painted(glyphs);
    EXPECT_EQ(inkBox(image).left(), 10);
    EXPECT_EQ(inkBox(image).width(), metrics.advance);
    EXPECT_EQ(image.pixel(10 + metrics.advance - 1, 10 + metrics.ascent + metrics.underlinePos), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(10, 10 + metrics.ascent - metrics.strikeOutPos - metrics.lineWidth / 2), qRgb(0, 0, 0));
}
