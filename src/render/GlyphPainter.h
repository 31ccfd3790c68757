#pragma once

// Draws laid-out glyphs in the two passes of a label: the behind copies of
// all characters first (shadows and three-dimensional layers), so that no
// layer of a later character covers an earlier face; then character by
// character its outline copies and its face. A copy is the character in its
// own font with the top-left of its cell at the copy's point, turned
// counter-clockwise about that point by the font's escapement, text without
// antialiasing.

#include <vector>

#include "render/TextLayout.h"

class QImage;
class QPainter;

namespace porkane {

// On any painter (a printer, a picture).
void paintGlyphs(QPainter &painter, const std::vector<PlacedGlyph> &glyphs);

// Straight onto a picture's pixels: each distinct glyph is drawn once into
// a mask and every copy of it is a run of span fills. The result is the
// painter's on the same picture; label canvases use this one, since a label
// with effects holds thousands of copies.
void paintGlyphs(QImage &image, const std::vector<PlacedGlyph> &glyphs);

} // namespace porkane
