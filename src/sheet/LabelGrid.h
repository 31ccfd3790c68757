#pragma once

// Labels laid out in a grid, as every label package prints its numbers:
// columns and rows, the label size, the top and left margins and the pitch
// from one label to the next (the label size when labels touch).

#include <QString>

#include "sheet/SheetTemplate.h"

namespace porkane {

struct LabelGrid {
    int columns = 2;
    int rows = 5;
    double labelWidth = 90; // millimetres
    double labelHeight = 50;
    double top = 10;
    double left = 10;
    double columnPitch = 90;
    double rowPitch = 50;

    // The grid a template's labels form in reading order: label 1's size
    // and place, the labels of its row as columns, and the pitch from one
    // label to the next, to a tenth of a millimetre (each label within a
    // millimetre of its place, as rounding leaves them). Labels that form
    // no grid give label 1 alone.
    static LabelGrid of(const SheetTemplate &sheet);

    int labelCount() const { return columns * rows; }
    // Why the grid does not fit the sheet or the template ("" when it
    // does): more than 20 labels, a label off the sheet, a size below 1 mm.
    QString problemOn(int sheetWidth, int sheetHeight) const;
    // The template: the sheet kept, the labels replaced by the grid's in
    // reading order, each position rounded to whole millimetres, print
    // start 0/0. Throws DocumentError with problemOn()'s text.
    SheetTemplate applyTo(const SheetTemplate &sheet) const;
};

} // namespace porkane
