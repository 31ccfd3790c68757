#pragma once

// The selection highlight: a dotted pattern in blue over a rectangle of a
// picture, leaving pixels of one colour untouched.

#include <optional>

#include <QImage>
#include <QtGlobal>

#include "core/Colour.h"

namespace porkane {

// Tiles the pattern of `Mode` over the rectangle (nX, nY, nWidth, nHeight)
// from its top-left corner, and turns blue every pixel where the pattern is
// off, unless the pixel has the colour `Mcolor`:
//   Mode 0: a 4 x 2 cell, rows "on off off off" / "off off on off" (6 of 8 blue)
//   Mode 1: a 2 x 2 checkerboard, rows "on off" / "off on" (half blue)
//   Mode 2: Mode 0 with on and off exchanged (2 of 8 blue)
// `Mcolor` is an RGB colour or a system colour reference (0x800000nn).
// Any other mode draws nothing. Returns 0, as the editor expects.
qint32 DrawSelectSub(QImage &hDC, qint32 nX, qint32 nY, qint32 nWidth, qint32 nHeight, qint32 Mode,
                     qint32 Mcolor);

// The RGB colour of a colour reference: plain RGB (high byte 0), a
// palette-relative RGB (high byte 2) or a Windows system colour (high byte
// 0x80, the colours of Windows' default scheme). Nothing for anything else.
std::optional<RgbValue> translateColour(qint32 colourReference);

} // namespace porkane
