#pragma once

// The sheet as the editor shows it: the paper, the labels with their grid
// and borders, the images behind the text, every label's text, the images
// in front of it and the selected image on top; drawn unzoomed
// (`PrnPicture`) and shown stretched to the zoom.

#include <QImage>
#include <QRect>
#include <QtGlobal>

#include "core/Colour.h"
#include "document/LabelDocument.h"
#include "render/LabelCanvas.h"

namespace porkane {

// The view's colours and grid, as the editor's settings hold them.
struct SheetViewStyle {
    RgbValue backgroundColour = rgbValue(255, 255, 255);
    RgbValue labelColour = rgbValue(255, 255, 255);
    RgbValue gridColour = rgbValue(0, 0, 0);
    bool gridVisible = false;
    int gridSpacing = 5; // millimetres
};

// What else the picture depends on.
struct SheetViewState {
    int currentLabel = 1;      // filled white
    qint32 selectedImage = 0;  // picture index of the selected image, 0 for none
    double zoom = 1.0;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
};

// The selected image while it is dragged: where it is to be drawn now, its
// size, and where it was drawn last.
struct ImageDrag {
    qint32 DragLeft = 0;
    qint32 DragTop = 0;
    qint32 DragWidth = 0;
    qint32 DragHeight = 0;
    qint32 DragStartLeft = 0;
    qint32 DragStartTop = 0;
};

class SheetImage {
public:
    // Pictures larger than this many pixels are not made.
    static constexpr qint64 MaxPixels = qint64(1) << 28;

    // Rebuilds the whole sheet image from the document, the label canvases
    // and the settings, takes the copy without the selected image (when one
    // is selected), and stretches the result to the zoom. False when the
    // memory for it could not be had: the pictures are then null.
    bool RePaint(const LabelDocument &document, const LabelCanvases &canvases, const SheetViewStyle &style,
                 const SheetViewState &state);

    // While the selected image is dragged: restores the sheet image under
    // its last place from the copy without it, draws it at the drag point,
    // and restretches only what changed. Nothing happens without a
    // selected image.
    void RedrawDraggedImage(const LabelDocument &document, ImageDrag &drag, const SheetViewState &state);

    // The unzoomed sheet image.
    const QImage &PrnPicture() const { return prnPicture_; }
    // The sheet image without the selected image (null when none is).
    const QImage &Picture13() const { return picture13_; }
    // The sheet image stretched to the zoom: what the sheet view shows.
    const QImage &view() const { return view_; }

    // The unzoomed sheet image's size, and the view's at a zoom.
    static QSize sheetSize(const SheetTemplate &sheet, double zoom, int twipsPerPixelX, int twipsPerPixelY);

private:
    void paintSheet(const LabelDocument &document, const LabelCanvases &canvases, const SheetViewStyle &style,
                    const SheetViewState &state);
    void drawImage(const LabelDocument &document, qint32 pictureIndex, bool ownSeeThrough);
    void stretchView(const SheetTemplate &sheet, const SheetViewState &state);
    // Lets go of a view that shares the sheet image's pixels before the
    // sheet image changes, so the change does not copy the whole picture.
    void releaseSharedView();

    QImage prnPicture_;
    QImage picture13_;
    QImage view_;
};

// A label's rectangle on the unzoomed sheet image, corners included.
QRect labelRectangle(const SheetTemplate &sheet, int label, int twipsPerPixelX, int twipsPerPixelY);

} // namespace porkane
