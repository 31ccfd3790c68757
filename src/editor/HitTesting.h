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

// What a press on the sheet view chooses: a label or an image (by number),
// at most one of them. With images first ("画像選択優先") an image under
// the point wins; otherwise a label does, and an image is found only where
// there is no label.
struct SheetHit {
    int label = 0;
    int image = 0;

    bool operator==(const SheetHit &) const = default;
};
SheetHit hitAt(const LabelDocument &document, QPointF point, double zoom, int twipsPerPixel, bool imagesFirst);

} // namespace porkane
