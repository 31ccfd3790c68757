#pragma once

// The largest picture the program takes on, and where picture memory comes
// from. The image paste dialog holds several copies of a picture and a label
// file up to twenty, so a size beyond these is refused rather than asking for
// gigabytes.

#include <QImage>
#include <QtGlobal>

namespace porkane {

inline constexpr qint64 MaxPictureSide = 32767;
inline constexpr qint64 MaxPicturePixels = 100'000'000;

bool pictureSizeAllowed(qint64 width, qint64 height);

// A new 32-bit RGB picture whose pixels are not set; pictures of 2 MB and
// more are laid on huge pages, which a fresh picture fills far faster than
// 4 kB ones. Null when the size is not allowed or the memory cannot be had.
QImage allocatePicture(qint64 width, qint64 height);

} // namespace porkane
