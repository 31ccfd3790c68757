#include "render/TextLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/Units.h"
#include "render/ColourRamp.h"
#include "core/Nearest.h"

namespace porkane {

namespace {

// The value of pi the layout has always used for angles.
constexpr double LayoutPi = 3.141592654;

const AttrRecord &emptyRecord()
{
    static const AttrRecord record{};
    return record;
}

bool holdsMarker(const AttrRecord &record, const QString &marker)
{
    const Variant &slot = record[TextColourSlot];
    return slot.isString() && slot.string() == marker;
}

// A colour slot as a colour, or nothing when it is no 32-bit value (then
// setting the colour fails and the previous one stays).
std::optional<RgbValue> colourOf(const Variant &slot)
{
    const std::optional<qint32> value = nearest32(slot.toDouble());
    if (!value)
        return std::nullopt;
    return *value & 0xFFFFFF;
}

// A colour slot as the ramp's argument; one that is no 32-bit value counts
// as black.
RgbValue rampArgument(const Variant &slot) { return nearest32(slot.toDouble()).value_or(0); }

int effectCode(const AttrRecord &record) { return nearest32(record[EffectCodeSlot].toDouble()).value_or(0); }

enum EffectBits { ShadowBit = 1, ThreeDimensionalBit = 2, OutlineBit = 4 };

// Copies are placed at offsets from the unrounded origin, turned with the
// layout's direction.
class CopyPlacer {
public:
    CopyPlacer(PlacedGlyph &glyph, int direction, const QRect &drawArea)
        : glyph_(glyph), direction_(direction), reach_(drawArea)
    {
        if (!reach_.isNull()) {
            // However a character is turned, it stays within twice its cell
            // of its copy point.
            const int cell = 2 * std::max({glyph.metrics.advance, glyph.metrics.extentHeight, 1}) + 8;
            reach_.adjust(-cell, -cell, cell, cell);
        }
    }

    void add(std::vector<GlyphCopy> &copies, double u, double v, RgbValue colour) const
    {
        const auto x = nearest32(glyph_.originX + direction_ * u);
        const auto y = nearest32(glyph_.originY + direction_ * v);
        if (!x || !y)
            return;
        if (!reach_.isNull() && !reach_.contains(*x, *y))
            return;
        copies.push_back({QPoint(*x, *y), colour});
    }

private:
    PlacedGlyph &glyph_;
    int direction_;
    QRect reach_;
};

} // namespace

TextRecords::TextRecords(const LabelDocument &document, int label) : document_(&document), label_(label) {}

TextRecords::TextRecords(std::vector<AttrRecord> records) : records_(std::move(records)) {}

const AttrRecord &TextRecords::at(int position) const
{
    if (document_)
        return document_->CharAttr(label_, std::clamp(position, 1, int(LabelDocument::MaxPositions)));
    if (records_.empty())
        return emptyRecord();
    return records_[size_t(std::clamp(position, 1, int(records_.size())) - 1)];
}

std::optional<RotationCorrection> rotationCorrection(int extentWidth, int extentHeight, double degrees)
{
    const float halfW = float(extentWidth) / 2;
    const float halfH = float(extentHeight) / 2;
    const float theta = float(degrees * LayoutPi / 180.0);
    const double sine = std::sin(double(theta));
    const double cosine = std::cos(double(theta));
    const auto x = nearest16(halfH - (halfW * sine + halfH * cosine));
    const auto y = nearest16(halfW - (halfW * cosine - halfH * sine));
    if (!x || !y)
        return std::nullopt;
    return RotationCorrection{*x, *y};
}

QPoint canvasTextOrigin(const SheetTemplate &sheet, int label, double twipsPerPixelX)
{
    if (label < 1 || label > SheetTemplate::MaxLabels)
        return QPoint();
    const SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
    const double factor = TwipsPerMillimetre / twipsPerPixelX;
    return QPoint(nearest32(geometry[HorizontalPrintStart] * factor).value_or(0),
                  nearest32(geometry[VerticalPrintStart] * factor).value_or(0));
}

std::vector<PlacedGlyph> layoutText(const QString &text, const TextRecords &records, QPoint origin,
                                    const TextScale &scale, const QPaintDevice *device, const QRect &drawArea)
{
    const double tX = scale.twipsPerPixelX;
    const double tY = scale.twipsPerPixelY;
    const int direction = scale.direction < 0 ? -1 : 1;
    FontFactory fonts(device);

    std::vector<PlacedGlyph> glyphs;
    std::vector<const AttrRecord *> glyphRecords;

    // The working state of the layout. A value whose rounding fails keeps
    // what it held, as the statement computing it is skipped.
    const double x0 = origin.x();
    qint32 ycur = origin.y();
    qint32 adv = 0;
    double ax = 0;
    double ay = 0;
    int tallest = 0;
    qint32 lineHeight = 0;
    qint32 letterSpacing = 0;
    GlyphMetrics metrics;
    RotationCorrection correction;

    const auto heightAt = [&](int position) {
        return position == 0 ? 0.0 : records.at(position)[CharHeightSlot].toDouble();
    };
    const auto endLine = [&](int position) {
        // A line without characters takes the height of its own break.
        assignNearest(lineHeight, heightAt(tallest != 0 ? tallest : position) / 72 * 1000 / tY);
        const double spacing =
            tallest != 0 ? records.at(tallest)[LineSpacingSlot].toDouble() * TwipsPerMillimetre / tY : 0.0;
        assignNearest(ycur, direction > 0 ? ycur + lineHeight + spacing : ycur - lineHeight - spacing);
        adv = 0;
        ax = ay = 0;
        tallest = 0;
    };

    const int length = int(text.size());
    for (int position = 1; position <= length; ++position) {
        const AttrRecord &record = records.at(position);
        if (holdsMarker(record, LineBreakMarkerAtCr)) {
            // The position after "LF" is the second half of the break,
            // whatever its own record says.
            if (++position > length)
                break;
            endLine(position);
            continue;
        }
        if (holdsMarker(record, LineBreakMarkerAtLf)) {
            endLine(position);
            continue;
        }

        if (heightAt(position) > heightAt(tallest))
            tallest = position;

        const std::optional<LogicalFont> logical = LogicalFont::fromRecord(record, scale);
        QFont font;
        if (logical) {
            font = fonts.font(*logical);
            metrics = fonts.measure(font, text[position - 1]);
        }
        // Without a font the width query fails: the last advance and extent
        // are used again.
        if (const auto corrected =
                rotationCorrection(metrics.extentWidth, metrics.extentHeight, record[CharRotationSlot].toDouble()))
            correction = *corrected;

        if (logical) {
            PlacedGlyph glyph;
            glyph.position = position;
            glyph.character = text[position - 1];
            glyph.logical = *logical;
            glyph.font = font;
            glyph.metrics = metrics;
            const double lineAlignment = record[LineAlignmentSlot].toDouble() * scale.lineAlignmentFactor;
            const double charAlignment = record[CharAlignmentSlot].toDouble() / 72 * 1000 / tY;
            if (direction > 0) {
                glyph.originX = x0 + ax + correction.x;
                glyph.originY = lineAlignment + charAlignment + ycur + ay + correction.y;
            } else {
                glyph.originX = x0 - ax - correction.x;
                glyph.originY = ycur - ay - correction.y - charAlignment - lineAlignment;
            }
            glyphs.push_back(std::move(glyph));
            glyphRecords.push_back(&record);
        }

        assignNearest(letterSpacing, record[LetterSpacingSlot].toDouble() * TwipsPerMillimetre / tX);
        assignNearest(adv, double(adv) + metrics.advance + letterSpacing);
        const double phi = record[LineRotationSlot].toDouble() * LayoutPi / 180.0;
        ax = adv * std::cos(phi);
        ay = adv * std::sin(phi);
    }

    // Behind pass: shadows and three-dimensional layers of every character.
    // The text colour carries over from copy to copy, as on a device.
    RgbValue colour = 0;
    qint16 dx = 0;
    qint16 dy = 0;
    for (size_t index = 0; index < glyphs.size(); ++index) {
        PlacedGlyph &glyph = glyphs[index];
        const AttrRecord &record = *glyphRecords[index];
        const CopyPlacer place(glyph, direction, drawArea);
        colour = colourOf(record[ShadowColourSlot]).value_or(colour);
        assignNearest(dx, record[ShiftHorizontalSlot].toDouble() * TwipsPerMillimetre / tX);
        assignNearest(dy, record[ShiftVerticalSlot].toDouble() * TwipsPerMillimetre / tY);
        const int code = effectCode(record);
        if (code & (ShadowBit | ThreeDimensionalBit))
            place.add(glyph.behind, dx, dy, colour);
        if (!(code & ThreeDimensionalBit))
            continue;
        // Layers step from the full shift towards the face; with a shift of
        // 0 pixels on either axis only the shadow copy is drawn.
        const int layers = std::min(std::abs(int(dx)), std::abs(int(dy)));
        if (layers == 0)
            continue;
        const float stepX = float(dx) / float(layers);
        const float stepY = float(dy) / float(layers);
        const RgbValue start = rampArgument(record[EffectColourSlot]);
        const RgbValue end = rampArgument(record[ShadowColourSlot]);
        qint16 layerX = dx;
        qint16 layerY = dy;
        for (int layer = 1; layer <= layers; ++layer) {
            colour = ColourRamp(start, end, layer, layers + 1) & 0xFFFFFF;
            place.add(glyph.behind, layerX, layerY, colour);
            assignNearest(layerX, float(layerX) - stepX);
            assignNearest(layerY, float(layerY) - stepY);
        }
    }

    // Front pass: each character's outline, then its face.
    const int ox = scale.outlineStepX;
    const int oy = scale.outlineStepY;
    const QPoint outline[] = {{ox, oy}, {ox, -oy}, {-ox, oy}, {-ox, -oy}, {ox, 0}, {-ox, 0}, {0, oy}, {0, -oy}};
    for (size_t index = 0; index < glyphs.size(); ++index) {
        PlacedGlyph &glyph = glyphs[index];
        const AttrRecord &record = *glyphRecords[index];
        const CopyPlacer place(glyph, direction, drawArea);
        if (effectCode(record) & OutlineBit) {
            colour = colourOf(record[EffectColourSlot]).value_or(colour);
            for (const QPoint &offset : outline)
                place.add(glyph.front, offset.x(), offset.y(), colour);
        }
        colour = colourOf(record[TextColourSlot]).value_or(colour);
        place.add(glyph.front, 0, 0, colour);
    }
    return glyphs;
}

} // namespace porkane
