#pragma once

// Every label has its own picture, its canvas: white, one pixel per
// unzoomed screen pixel of the sheet image, holding the label's text as
// RenderLabel last drew it. The sheet image lays the canvases onto the
// labels with white see-through.

#include <array>

#include <QImage>

#include "document/LabelDocument.h"
#include "render/TextScale.h"

namespace porkane {

class LabelCanvases {
public:
    // A white canvas for every label of the sheet, sized to the label
    // (width with tX, height with tY). Canvases of other labels are dropped.
    // False when the memory for a canvas could not be had: that label has
    // none and shows no text, and the window says so.
    bool reset(const SheetTemplate &sheet, int twipsPerPixelX, int twipsPerPixelY);

    // Labels 1 to 20; a label without a canvas gives a null picture.
    QImage &canvas(int label);
    const QImage &canvas(int label) const;

private:
    std::array<QImage, LabelDocument::MaxLabels + 1> canvases_;
    QImage none_; // what a number that is no label gets
};

// The canvas of a label of the sheet, cleared to white.
QImage makeLabelCanvas(const SheetTemplate &sheet, int label, int twipsPerPixelX, int twipsPerPixelY);

// Makes sure the second position of every line break holds the "CR"
// marker: the position after one holding "LF" is set to "CR", within the
// text. The document is amended in place, as rendering always has.
void amendLineBreaks(LabelDocument &document, int label);

// Draws label `label` into its canvas: the line breaks are amended, the
// canvas is cleared to white, and the text is drawn in both passes with
// its effects. Labels outside 1 to 20 and null canvases draw nothing.
// False when the memory for drawing ran out: the canvas is then left white
// (nothing is thrown, so a window's handler goes on).
bool RenderLabel(LabelDocument &document, int label, QImage &canvas, const TextScale &scale);

// Renders every label of the document into its canvas; false when any
// label ran out of memory.
bool renderAllLabels(LabelDocument &document, LabelCanvases &canvases, const TextScale &scale);

// The label as the sheet shows it: the canvas stretched into a picture of
// the label's size (both sides with the horizontal factor), turned by 180
// degrees when the label is rotated.
QImage LabelComposite(const QImage &canvas, const SheetTemplate &sheet, int label, bool rotated,
                      int twipsPerPixelX);

} // namespace porkane
