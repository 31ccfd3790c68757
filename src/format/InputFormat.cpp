#include "format/InputFormat.h"

namespace porkane {

InputFormat InputFormat::from(const TextFormat &format)
{
    InputFormat input;
    input.textColour = format.textColour;
    input.charWidth = format.charWidth;
    input.charHeight = format.charHeight;
    input.letterSpacing = format.letterSpacing;
    input.lineSpacing = format.lineSpacing;
    input.charRotation = format.charRotation;
    input.lineRotation = format.lineRotation;
    input.bold = format.bold != 0;
    input.boldWeight = format.boldWeight;
    input.italic = format.italic != 0;
    input.underline = format.underline != 0;
    input.strikeOut = format.strikeOut != 0;
    input.faceName = format.faceName;
    input.effectCode = format.effectCode;
    input.shadowColour = format.shadowColour;
    input.shiftVertical = format.shiftVertical;
    input.shiftHorizontal = format.shiftHorizontal;
    input.effectColour = format.effectColour;
    return input;
}

AttrRecord typedRecord(const InputFormat &format)
{
    AttrRecord record;
    record[TextColourSlot] = Variant(qint32(format.textColour));
    record[CharWidthSlot] = Variant(format.charWidth);
    record[CharHeightSlot] = Variant(format.charHeight);
    record[LetterSpacingSlot] = Variant(format.letterSpacing);
    record[LineSpacingSlot] = Variant(format.lineSpacing);
    record[CharRotationSlot] = Variant(format.charRotation);
    record[LineRotationSlot] = Variant(format.lineRotation);
    record[FontWeightSlot] = format.bold ? Variant(format.boldWeight) : Variant(qint16(400));
    record[ItalicSlot] = Variant(format.italic);
    record[UnderlineSlot] = Variant(format.underline);
    record[StrikeOutSlot] = Variant(format.strikeOut);
    record[FaceNameSlot] = Variant(format.faceName);
    record[EffectCodeSlot] = Variant(format.effectCode);
    record[ShadowColourSlot] = Variant(qint32(format.shadowColour));
    record[ShiftVerticalSlot] = Variant(format.shiftVertical);
    record[ShiftHorizontalSlot] = Variant(format.shiftHorizontal);
    record[EffectColourSlot] = Variant(qint32(format.effectColour));
    return record;
}

} // namespace porkane
