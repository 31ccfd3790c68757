#pragma once

// Where the sheet lands on a printed page, in the printer's own pixels. A
// sheet position of x millimetres from the paper's left edge lies at
// x * 56.7 / PX - DX, where PX is the printer's twips per pixel and DX the
// device offset: the printable area's offset from the paper corner less
// the user's print offset. So offsets of 0 put the sheet's corner on the
// paper's corner, whatever margins the printer keeps.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

#include "document/LabelDocument.h"
#include "render/TextScale.h"

namespace porkane {

// What the user chose on the print panel (kept in Shiyosiki2.ini).
struct PrintOptions {
    qint16 offsetLeft = 0; // tenths of a millimetre; positive moves the print right
    qint16 offsetTop = 0;  // tenths of a millimetre; positive moves the print down
    bool overflow = false; // text may run past its label (within the sheet)

    bool operator==(const PrintOptions &) const = default;
};

// A page to draw on: its resolution and where its pixel (0, 0) lies,
// counted in its pixels from the paper's corner.
struct PrintDevice {
    double dotsPerInchX = 0;
    double dotsPerInchY = 0;
    QPoint physicalOffset;

    bool isValid() const;
};

// The screen's twips per pixel: image placements and font sizes of the
// document are screen values.
struct ScreenScale {
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
};

class PrintGeometry {
public:
    // The device must be valid.
    PrintGeometry(const PrintDevice &device, const PrintOptions &options, ScreenScale screen);

    // PX and PY: 1440 / the resolution, not rounded.
    double twipsPerPixelX() const { return twipsPerPixelX_; }
    double twipsPerPixelY() const { return twipsPerPixelY_; }
    // DX and DY, printer pixels.
    qint32 deviceOffsetX() const { return deviceOffsetX_; }
    qint32 deviceOffsetY() const { return deviceOffsetY_; }

    // Sheet millimetres to device pixels, unrounded.
    double pixelX(double millimetres) const;
    double pixelY(double millimetres) const;

    // The whole sheet and a label's rectangle, right and bottom edges
    // excluded: what drawing is clipped to.
    QRect sheetArea(const SheetTemplate &sheet) const;
    QRect labelArea(const SheetTemplate &sheet, int label) const;

    // Where a label's text starts: its print-start point, or for a label
    // printed turned by 180 degrees the opposite point from the label's
    // lower right corner.
    QPoint textOrigin(const SheetTemplate &sheet, int label, bool rotated) const;
    // The text renderer's parameters for this printer.
    TextScale textScale(bool rotated) const;

    // Where an image of the sheet (placed and sized in screen pixels) is
    // drawn on the page; a null rectangle when it lies beyond any page.
    QRect imageArea(QSize pictureSize, const ImagePlacementRow &placement) const;

private:
    QRect areaBetween(double left, double top, double right, double bottom) const;

    double twipsPerPixelX_;
    double twipsPerPixelY_;
    qint32 deviceOffsetX_;
    qint32 deviceOffsetY_;
    ScreenScale screen_;
};

} // namespace porkane
