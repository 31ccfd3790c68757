#pragma once

// The largest picture the program takes on. The dialog holds several copies
// of a picture, so a size beyond these is refused with a message instead of
// asking for gigabytes.

#include <QImage>
#include <QSize>
#include <QtGlobal>

#include "core/PictureMemory.h"

namespace porkane {

// Throws UserError with PictureTooLargeMessage() when the size is not allowed
// (a side of 0 or less is never allowed either).
void checkPictureSize(qint64 width, qint64 height);

// A new picture of that size in the program's format (32-bit RGB); its
// pixels are not set. Throws UserError when the size is not allowed or the
// memory cannot be had.
QImage newPicture(qint64 width, qint64 height);

// The picture in 32-bit RGB. Pixels that are partly or wholly see-through
// (icons, GIFs, metafile backgrounds) are laid on white, the paper's colour,
// so their colour stays as the user saw it.
QImage opaqueRgb32(const QImage &picture);

} // namespace porkane
