#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/ColourRamp.h"
#include "render/TextLayout.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const RgbValue Face = rgbValue(10, 20, 30);
const RgbValue Shadow = rgbValue(200, 0, 0);
const RgbValue Start = rgbValue(0, 0, 250);

// Shifts in pixels at 15 twips per pixel.
AttrRecord withEffect(int code, int right, int down)
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

PlacedGlyph single(const AttrRecord &record)
{
    return layoutText(QStringLiteral("A"), TextRecords({record}), QPoint(100, 100), TextScale::screen(15, 15)).at(0);
}

using Copies = std::vector<GlyphCopy>;

} // namespace

TEST(ColourRamp, KeepsItsDivisorsOf255And65280)
{
    EXPECT_EQ(ColourRamp(rgbValue(255, 255, 255), rgbValue(0, 0, 0), 1, 5), rgbValue(51, 51, 51));
    EXPECT_EQ(ColourRamp(rgbValue(0, 128, 0), rgbValue(0, 128, 0), 3, 5), rgbValue(0, 129, 0)); // 128.502
    EXPECT_EQ(ColourRamp(rgbValue(255, 255, 255), rgbValue(255, 255, 255), 2, 3), rgbValue(255, 255, 255));
    EXPECT_EQ(ColourRamp(rgbValue(100, 0, 0), rgbValue(0, 0, 0), 1, 8), rgbValue(12, 0, 0)); // 12.5, halves to even
    EXPECT_EQ(ColourRamp(rgbValue(0, 0, 0), rgbValue(100, 0, 0), 1, 4), rgbValue(75, 0, 0));
}

TEST(TextEffects, ShadowAndLayersLieBehindAtTheShift)
{
    // 1 mm right and down: nearest16(3.78) = 4 pixels.
    AttrRecord shadow = withEffect(1, 0, 0);
    shadow[ShiftHorizontalSlot] = Variant(1.0);
    shadow[ShiftVerticalSlot] = Variant(1.0);
    EXPECT_EQ(single(shadow).behind, (Copies{{{104, 104}, Shadow}}));
    EXPECT_EQ(single(shadow).front, (Copies{{{100, 100}, Face}}));

    // dx 8, dy 4: four layers stepping (2, 1) towards the face after the shadow.
    EXPECT_EQ(single(withEffect(2, 8, 4)).behind, (Copies{{{108, 104}, Shadow},
                                                          {{108, 104}, ColourRamp(Start, Shadow, 1, 5)},
                                                          {{106, 103}, ColourRamp(Start, Shadow, 2, 5)},
                                                          {{104, 102}, ColourRamp(Start, Shadow, 3, 5)},
                                                          {{102, 101}, ColourRamp(Start, Shadow, 4, 5)}}));
    // Steps of -1 and -1.5 round halves to even: -4.5 -> -4, -2.5 -> -2, -0.5 -> 0.
    const Copies back = single(withEffect(2, -4, -6)).behind;
    EXPECT_EQ(back[2].at, QPoint(97, 96));
    EXPECT_EQ(back[4].at, QPoint(99, 100));
    // No vertical shift: the shadow only.
    EXPECT_EQ(single(withEffect(2, 8, 0)).behind, (Copies{{{108, 100}, Shadow}}));
}

TEST(TextEffects, TheOutlineIsEightCopiesBeforeTheFace)
{
    const Copies outline = {{{101, 101}, Start}, {{101, 99}, Start},  {{99, 101}, Start},
                            {{99, 99}, Start},   {{101, 100}, Start}, {{99, 100}, Start},
                            {{100, 101}, Start}, {{100, 99}, Start},  {{100, 100}, Face}};
    EXPECT_TRUE(single(withEffect(4, 4, 4)).behind.empty());
    EXPECT_EQ(single(withEffect(4, 4, 4)).front, outline);
    EXPECT_EQ(single(withEffect(5, 4, 4)).behind.size(), 1u);
    EXPECT_EQ(single(withEffect(5, 4, 4)).front, outline);
    EXPECT_EQ(single(withEffect(6, 8, 4)).behind.size(), 5u);
    EXPECT_EQ(single(withEffect(6, 8, 4)).front, outline);
}
