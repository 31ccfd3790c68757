#pragma once

// A complete text format: what a typed character gets when it enters a
// label. The program's default format (DefMog.INI) and the editor's input
// format have this shape.

#include <QString>

#include "core/Colour.h"

namespace porkane {

// Effect code bits: 1 shadow, 2 three-dimensional (replaces 1), +4 outline.
enum EffectCode : qint16 {
    NoEffect = 0,
    ShadowEffect = 1,
    ThreeDEffect = 2,
    OutlineEffect = 4,
};

// The effect code of the three effect boxes: three-dimensional text
// replaces the shadow, the outline adds to either.
constexpr qint16 effectCodeOf(bool shadow, bool threeD, bool outline)
{
    return qint16((threeD ? ThreeDEffect : shadow ? ShadowEffect : NoEffect) | (outline ? OutlineEffect : NoEffect));
}
constexpr bool hasThreeD(qint16 code) { return (code & ThreeDEffect) != 0; }
constexpr bool hasShadow(qint16 code) { return (code & ShadowEffect) != 0 && !hasThreeD(code); }
constexpr bool hasOutline(qint16 code) { return (code & OutlineEffect) != 0; }

struct TextFormat {
    RgbValue textColour = 0;
    qint16 charWidth = 30;
    qint16 charHeight = 40;
    float letterSpacing = 0; // millimetres
    float lineSpacing = 0;   // millimetres
    qint16 charRotation = 0; // degrees
    qint16 lineRotation = 0; // degrees
    qint16 bold = 0;         // 1 on, 0 off
    qint16 italic = 0;
    qint16 underline = 0;
    qint16 strikeOut = 0;
    QString faceName = QStringLiteral(" "); // one space: no face chosen
    qint16 boldWeight = 900;                // 100 to 900
    RgbValue shadowColour = 0;
    RgbValue effectColour = 0; // three-dimensional start and outline colour
    float shiftHorizontal = 0; // millimetres
    float shiftVertical = 0;   // millimetres
    qint16 effectCode = NoEffect;

    bool operator==(const TextFormat &) const = default;
};

} // namespace porkane
