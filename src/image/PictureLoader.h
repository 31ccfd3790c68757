#pragma once

// Pictures for the image paste dialog, from a file or from the clipboard.
// Files: BMP, JPEG, GIF, ICO (and PNG) through Qt's readers, WMF and EMF as
// metafiles drawn at their own size; the kind is judged by the file's
// contents, not its name. Every picture comes back in 32-bit RGB with
// see-through parts laid on white. A picture that cannot be had throws a
// UserError (FileError for files) whose message() is for the status line.

#include <QByteArray>
#include <QImage>
#include <QString>

class QMimeData;

namespace porkane {

// Files larger than this are not pictures we can take on.
inline constexpr qint64 MaxPictureFileBytes = 512LL * 1024 * 1024;

// Twips per screen pixel size metafiles, which have a size in inches or
// millimetres rather than in pixels.
QImage loadPicture(const QString &path, int twipsPerPixelX, int twipsPerPixelY);

// The same for bytes already read; `name` is used in messages.
QImage decodePicture(const QByteArray &bytes, const QString &name, int twipsPerPixelX, int twipsPerPixelY);

// A picture from elsewhere (QClipboard::image(), an image slot being
// edited) made ready for the dialog: 32-bit RGB on white, within the size
// limits. Throws UserError with NoPictureMessage() for a null picture.
QImage usablePicture(const QImage &picture);

// The clipboard's picture: an image, or else the first picture file a file
// manager copied. Throws UserError with NoClipboardPictureMessage() when there
// is neither.
QImage clipboardPicture(const QMimeData *data, int twipsPerPixelX, int twipsPerPixelY);

} // namespace porkane
