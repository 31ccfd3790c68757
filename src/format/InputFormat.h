#pragma once

// The format newly typed characters take: what the editor's "入力書式"
// panel holds. Every typed character gets one attribute record made from it.

#include <QString>

#include "core/Colour.h"
#include "document/LabelDocument.h"
#include "format/TextFormat.h"

namespace porkane {

struct InputFormat {
    RgbValue textColour = 0;
    double charWidth = 30;
    double charHeight = 40;
    double letterSpacing = 0; // millimetres
    double lineSpacing = 0;   // millimetres
    double charRotation = 0;  // degrees
    double lineRotation = 0;  // degrees
    bool bold = false;
    double boldWeight = 900; // the number the weight list shows
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString faceName = QStringLiteral(" ");
    qint16 effectCode = NoEffect;
    RgbValue shadowColour = 0;
    double shiftVertical = 0;   // millimetres
    double shiftHorizontal = 0; // millimetres
    RgbValue effectColour = 0;

    // The input format the editor starts with: the program's default format.
    static InputFormat from(const TextFormat &format);

    bool operator==(const InputFormat &) const = default;
};

// The record of one typed character. A line break's two positions take the
// same record with slot 0 replaced by their markers. The alignment slots 11
// and 12 stay empty: typing never sets them.
AttrRecord typedRecord(const InputFormat &format);

} // namespace porkane
