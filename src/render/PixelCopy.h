#pragma once

// Copies between pictures, done on their pixels: the see-through copy, the
// plain copy and the black-on-white stretch the sheet view is shown with.
// Pictures are 32-bit RGB (other formats are converted first).

#include <QImage>
#include <QRect>
#include <QtGlobal>

#include "core/Colour.h"

namespace porkane {

// Copies the rectangle from (left, top) to (right, bottom) of `source` to
// (x, y) of `destination`, unscaled; source pixels of exactly the colour
// `seeThrough` leave the destination as it was. What falls outside either
// picture is not copied. A rectangle whose size is 0, negative or does not
// fit a 32-bit integer copies nothing.
void TransparentBlit(QImage &destination, const QImage &source, qint32 left, qint32 top, qint32 right,
                     qint32 bottom, qint32 x, qint32 y, RgbValue seeThrough);

// The whole source with its top-left at (x, y).
void TransparentBlit(QImage &destination, const QImage &source, qint32 x, qint32 y, RgbValue seeThrough);

// A plain copy of `area` of the source (all of it when null) to (x, y).
void copyPicture(QImage &destination, const QImage &source, qint32 x, qint32 y, QRect area = QRect());

// The source stretched to `size` in black-on-white mode: enlarging repeats
// pixels, shrinking combines the pixels that fall together with AND, so
// dark lines survive. A null picture when it cannot be allocated.
QImage stretchBlackOnWhite(const QImage &source, QSize size);

// Redoes the pixels of `stretched` (a stretch of `source`) that the
// source's `changed` rectangle feeds, after the source changed there.
void restretchBlackOnWhite(const QImage &source, QImage &stretched, QRect changed);

// Fills the box from (x0, y0) to (x1, y1), both corners included.
void fillBox(QImage &image, int x0, int y0, int x1, int y1, RgbValue colour);

// 32-bit RGB, as every copy here expects.
QImage asRgb32(const QImage &picture);

} // namespace porkane
