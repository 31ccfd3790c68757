#pragma once

// The sheet guides: for every label whose template gives a print start, a
// dotted line where printing starts inside it, on the edges that match the
// label's orientation (a label turned by 180 degrees measures from its right
// and bottom edges). They are drawn over the sheet view, at its zoom.

#include <vector>

#include <QLineF>

#include "document/LabelDocument.h"

class QPainter;

namespace porkane {

// The guide lines of the document's labels in sheet-view pixels at `zoom`.
std::vector<QLineF> sheetGuides(const LabelDocument &document, double zoom, int twipsPerPixelX,
                                int twipsPerPixelY);

// Draws the guides as the sheet view shows them: dotted, in a light blue.
void drawSheetGuides(QPainter &painter, const std::vector<QLineF> &guides);

} // namespace porkane
