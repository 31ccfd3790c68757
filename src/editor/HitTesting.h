#pragma once

// What lies under the pointer in the sheet view. A point is inside a
// rectangle only strictly between its edges: a point on an edge is outside.

#include <QPointF>

#include "document/LabelDocument.h"
#include "sheet/SheetTemplate.h"

namespace porkane {

// The label whose rectangle holds the point (sheet-view pixels at the given
// zoom), the lowest number where labels overlap; 0 for none.
int labelAt(const SheetTemplate &sheet, QPointF point, double zoom, int twipsPerPixel);

// The first image, in number order, whose picture holds the point; 0 for none.
int imageAt(const LabelDocument &document, QPointF point, double zoom);

} // namespace porkane
