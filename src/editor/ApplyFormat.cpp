#include "editor/ApplyFormat.h"

#include <algorithm>

#include "core/Rounding.h"
#include "core/Units.h"

namespace porkane {

namespace {

bool isLineBreak(const AttrRecord &record)
{
    const Variant &slot = record[TextColourSlot];
    return slot.isString() && (slot.string() == LineBreakMarkerAtCr || slot.string() == LineBreakMarkerAtLf);
}

double heightOf(const AttrRecord &record) { return record[CharHeightSlot].toDouble(); }

double nearestValue(double value) { return roundHalfEven(value); }

} // namespace

double linesHeight(const LabelDocument &document, int label, int twipsPerPixelY)
{
    const int length = int(document.LabelText(label).size());
    const auto lineAdvance = [&](double height, double spacing) {
        return nearestValue(fontHeightToPixels(height, twipsPerPixelY).value) +
               toTwips(Millimetres{spacing}).value / twipsPerPixelY;
    };
    double total = 0;
    int tallest = 0; // 0: no character on this line yet
    for (int position = 1; position <= length; ++position) {
        const AttrRecord &record = document.CharAttr(label, position);
        const Variant &marker = record[TextColourSlot];
        if (marker.isString() && marker.string() == LineBreakMarkerAtCr)
            continue;
        if (marker.isString() && marker.string() == LineBreakMarkerAtLf) {
            const AttrRecord &measured = tallest ? document.CharAttr(label, tallest) : record;
            const double spacing = tallest ? measured[LineSpacingSlot].toDouble() : 0;
            total = nearestValue(total + lineAdvance(heightOf(measured), spacing));
            tallest = 0;
            continue;
        }
        if (heightOf(record) > (tallest ? heightOf(document.CharAttr(label, tallest)) : 0))
            tallest = position;
    }
    if (tallest) {
        const AttrRecord &measured = document.CharAttr(label, tallest);
        total = nearestValue(total + lineAdvance(heightOf(measured), measured[LineSpacingSlot].toDouble()));
    }
    return total;
}

void ApplyFormat(LabelDocument &document, int label, FormatCommand command, int start, int length,
                 const InputFormat &values, int twipsPerPixelY)
{
    const int textLength = int(document.LabelText(label).size());
    const int first = qMax(1, start + 1);
    const int last = qMin(textLength, start + length);

    const auto eachSelected = [&](auto change) {
        for (int position = first; position <= last; ++position)
            change(document.CharAttr(label, position));
    };
    const auto eachInLabel = [&](auto change) {
        for (int position = 1; position <= textLength; ++position)
            change(document.CharAttr(label, position));
    };

    switch (command) {
    case ApplyColour:
        eachSelected([&](AttrRecord &r) {
            if (!isLineBreak(r))
                r[TextColourSlot] = Variant(qint32(values.textColour));
        });
        break;
    case ApplyFont:
        eachSelected([&](AttrRecord &r) { r[FaceNameSlot] = Variant(values.faceName); });
        break;
    case ApplySize:
        eachSelected([&](AttrRecord &r) {
            r[CharWidthSlot] = Variant(values.charWidth);
            r[CharHeightSlot] = Variant(values.charHeight);
        });
        break;
    case ApplyLetterSpacing:
        eachSelected([&](AttrRecord &r) { r[LetterSpacingSlot] = Variant(values.letterSpacing); });
        break;
    case ApplyLineSpacing:
        eachSelected([&](AttrRecord &r) { r[LineSpacingSlot] = Variant(values.lineSpacing); });
        break;
    case ApplyCharRotation:
        eachSelected([&](AttrRecord &r) { r[CharRotationSlot] = Variant(values.charRotation); });
        break;
    case ApplyLineRotation:
        eachSelected([&](AttrRecord &r) { r[LineRotationSlot] = Variant(values.lineRotation); });
        break;
    case ApplyPlain:
        eachSelected([&](AttrRecord &r) {
            r[FontWeightSlot] = Variant(qint16(400));
            r[ItalicSlot] = r[UnderlineSlot] = r[StrikeOutSlot] = Variant(qint16(0));
        });
        break;
    case ApplyBold:
        eachSelected([&](AttrRecord &r) { r[FontWeightSlot] = Variant(values.boldWeight); });
        break;
    case ApplyItalic:
        eachSelected([&](AttrRecord &r) { r[ItalicSlot] = Variant(qint16(1)); });
        break;
    case ApplyUnderline:
        eachSelected([&](AttrRecord &r) { r[UnderlineSlot] = Variant(qint16(1)); });
        break;
    case ApplyStrikeOut:
        eachSelected([&](AttrRecord &r) { r[StrikeOutSlot] = Variant(qint16(1)); });
        break;
    case AlignCharsTop:
    case AlignCharsCentre:
    case AlignCharsBottom: {
        double tallest = 0;
        eachSelected([&](AttrRecord &r) { tallest = std::max(tallest, heightOf(r)); });
        eachSelected([&](AttrRecord &r) {
            const double free = tallest - heightOf(r);
            r[CharAlignmentSlot] = Variant(command == AlignCharsTop      ? 0.0
                                           : command == AlignCharsCentre ? free / 2
                                                                          : free);
        });
        break;
    }
    case AlignLinesTop:
    case AlignLinesCentre:
    case AlignLinesBottom: {
        const double labelHeight =
            toPixels(Millimetres{double(document.sheet().LabelGeometry[label][LabelHeight])}, twipsPerPixelY).value;
        const double free = labelHeight - linesHeight(document, label, twipsPerPixelY);
        const double offset = command == AlignLinesTop ? 0.0 : command == AlignLinesCentre ? free / 2 : free;
        eachInLabel([&](AttrRecord &r) { r[LineAlignmentSlot] = Variant(offset); });
        break;
    }
    case ApplyEffects:
        eachSelected([&](AttrRecord &r) {
            r[EffectCodeSlot] = Variant(values.effectCode);
            r[ShadowColourSlot] = Variant(qint32(values.shadowColour));
            r[ShiftVerticalSlot] = Variant(values.shiftVertical);
            r[ShiftHorizontalSlot] = Variant(values.shiftHorizontal);
            r[EffectColourSlot] = Variant(qint32(values.effectColour));
        });
        break;
    }
}

InputFormat formatAt(const LabelDocument &document, int label, int caret)
{
    InputFormat format;
    const int length = int(document.LabelText(label).size());
    if (length == 0)
        return format;
    const AttrRecord &r = document.CharAttr(label, qBound(1, caret, length));
    if (!isLineBreak(r))
        format.textColour = r[TextColourSlot].toInt32();
    format.charWidth = r[CharWidthSlot].toDouble();
    format.charHeight = r[CharHeightSlot].toDouble();
    format.letterSpacing = r[LetterSpacingSlot].toDouble();
    format.lineSpacing = r[LineSpacingSlot].toDouble();
    format.charRotation = r[CharRotationSlot].toDouble();
    format.lineRotation = r[LineRotationSlot].toDouble();
    const double weight = r[FontWeightSlot].toDouble();
    format.bold = weight != 400 && weight != 0;
    if (format.bold)
        format.boldWeight = weight;
    format.italic = r[ItalicSlot].toBool();
    format.underline = r[UnderlineSlot].toBool();
    format.strikeOut = r[StrikeOutSlot].toBool();
    format.faceName = r[FaceNameSlot].toString();
    format.effectCode = qint16(r[EffectCodeSlot].toInt32());
    format.shadowColour = r[ShadowColourSlot].toInt32();
    format.shiftVertical = r[ShiftVerticalSlot].toDouble();
    format.shiftHorizontal = r[ShiftHorizontalSlot].toDouble();
    format.effectColour = r[EffectColourSlot].toInt32();
    return format;
}

} // namespace porkane
