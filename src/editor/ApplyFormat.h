#pragma once

// The change-format commands: one attribute at a time applied to the
// selected characters of a label, or to the whole label for line alignment.
// Callers take the undo copy first.

#include "document/LabelDocument.h"
#include "format/InputFormat.h"

namespace porkane {

enum FormatCommand {
    ApplyFont = 4,
    ApplySize = 5,
    ApplyColour = 6,
    ApplyLetterSpacing = 7,
    ApplyLineSpacing = 8,
    ApplyCharRotation = 9,
    ApplyLineRotation = 10,
    ApplyPlain = 12,
    ApplyBold = 13,
    ApplyItalic = 14,
    ApplyUnderline = 15,
    ApplyStrikeOut = 16,
    AlignCharsTop = 18,
    AlignCharsCentre = 19,
    AlignCharsBottom = 20,
    AlignLinesTop = 22,
    AlignLinesCentre = 23,
    AlignLinesBottom = 24,
    ApplyEffects = 25,
};

// Applies `command` with the values the change panel shows to positions
// start + 1 to start + length of the label (0-based selection start), or to
// every position for the line alignments. Line breaks keep their markers.
void ApplyFormat(LabelDocument &document, int label, FormatCommand command, int start, int length,
                 const InputFormat &values, int twipsPerPixelY);

// The height in screen pixels the label's lines take, as the layout stacks
// them: each line's tallest character plus that character's line spacing.
double linesHeight(const LabelDocument &document, int label, int twipsPerPixelY);

// Attribute copy: the format of the character just before the caret (the
// first character when the caret is at the start), in the panel's terms.
InputFormat formatAt(const LabelDocument &document, int label, int caret);

} // namespace porkane
