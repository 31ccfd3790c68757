#pragma once

// The selected image's marks as the sheet view lays them over the sheet:
// DrawSelectSub's sparse blue dots (mode 2) over the picture, sparing its
// see-through colour, or the near-white RGB(249, 249, 249) of a picture
// without one. Only the pixels the dots changed are kept; every other pixel
// is see-through, so the marks can be drawn over the sheet image at the
// zoom without touching the picture itself.

#include <QImage>
#include <QPointF>
#include <QRectF>

#include "core/Colour.h"
#include "document/LabelDocument.h"

namespace porkane {

// The colour the marks spare on an image that has no see-through colour.
inline constexpr RgbValue UnmarkedColour = rgbValue(249, 249, 249);

// The marks of `picture` placed with `placement` (its see-through switch and
// colour decide what is spared); a null picture gives a null image.
QImage SelectionMarks(const QImage &picture, const ImagePlacementRow &placement);

// Where the marks of a picture of `size` at `place` (unzoomed sheet pixels)
// lie in the sheet view at `zoom`.
QRectF selectionMarksTarget(QPointF place, QSize size, double zoom);

} // namespace porkane
