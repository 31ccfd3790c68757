#pragma once

// Pictures for the image paste dialog, from a file or from the clipboard.
// Files: every format Qt has a reader for (BMP, JPEG, GIF, ICO, PNG, and
// SVG, WebP, TIFF, ... where their plug-ins are installed), WMF and EMF as
// metafiles drawn at their own size; the kind is judged by the file's
// contents, not its name. Every picture comes back in 32-bit RGB with
// see-through parts laid on white. A picture that cannot be had throws a
// UserError (FileError for files) whose message() is for the status line.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class QMimeData;

namespace porkane {

// Files larger than this are not pictures we can take on.
inline constexpr qint64 MaxPictureFileBytes = 512LL * 1024 * 1024;

// The extensions of the files loadPicture() reads: bmp, jpg, gif, ico, wmf
// and emf first, as the open dialog has always listed them, then every
// other format Qt reads here, each once, in lower case.
QStringList pictureFileExtensions();
// The open dialog's filter for those files, each pattern also in upper
// case: "画像ファイル (*.bmp *.jpg ... *.BMP ...)".
QString pictureFileFilter();

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
