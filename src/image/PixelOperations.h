#pragma once

// The turns and mirrors of the image paste dialog, done on the pictures'
// pixels. Every operation takes the picture it starts from and returns a new
// one in 32-bit RGB; the argument is never changed. Pictures with see-through
// pixels are laid on white first.
//
// Quarter turns and free turns take a while on large pictures, so they report
// after every row; the dialog uses that to move its progress bar and let
// pending events run. The operation holds its own (shared) copy of the
// picture from the start, so whatever those events do to the caller's
// picture cannot pull it away. The half turn and the mirrors are immediate.

#include <functional>

#include <QImage>
#include <QPoint>
#include <QSize>

namespace porkane {

// Called after every row of a long operation with the rows done so far and
// the rows in all (1 .. rowCount, each exactly once, in order).
using RowProgress = std::function<void(int rowsDone, int rowCount)>;

// Turned 90 degrees clockwise: a w x h picture becomes h x w, and its
// top-left pixel lies at the top right. Reports once per source row.
QImage turn90(const QImage &source, const RowProgress &progress = {});

// Turned 90 degrees counter-clockwise (270 clockwise): the top-left pixel
// lies at the bottom left. Reports once per source row.
QImage turn270(const QImage &source, const RowProgress &progress = {});

QImage turn180(const QImage &source);
QImage mirrorLeftRight(const QImage &source);
QImage mirrorTopBottom(const QImage &source);

// Where a free turn puts its result: the result's size in pixels, its
// top-left corner in the source's pixel coordinates (above and left of the
// source unless the turned picture is narrower there), and the sine and
// cosine of the turn (the angle is taken negative, so the pixel loop maps
// result pixels back into the source).
struct FreeTurnGeometry {
    QSize size;
    QPoint offset;
    double sine = 0;
    double cosine = 1;
};

// The bounding box of a w x h picture turned by `degrees`, worked out on its
// size in twips (so the screen's twips per pixel enter the rounding) and
// brought back to pixels. A result side is never less than one pixel.
FreeTurnGeometry freeTurnGeometry(QSize source, int degrees, int twipsPerPixelX, int twipsPerPixelY);

// Turned clockwise by `degrees` about the picture's centre: every result
// pixel takes the colour of the nearest source pixel under the inverse turn;
// result pixels whose source point falls outside the picture are white.
// Reports once per result row. Throws UserError (PictureTooLargeMessage())
// when the result would be larger than the program takes on; the angle is
// not checked here (see readAngle).
QImage turnFree(const QImage &source, int degrees, int twipsPerPixelX, int twipsPerPixelY,
                const RowProgress &progress = {});

} // namespace porkane
