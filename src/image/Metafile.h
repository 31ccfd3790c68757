#pragma once

// Windows metafiles drawn as pictures at their own size: WMF through libwmf,
// EMF through libemf2svg and QtSvg. Both libraries trust their input more
// than we do, so the record structure is checked here first: every record
// must lie inside the file and the last one must end the metafile.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace porkane {

enum class MetafileKind { None, Wmf, Emf };

// What the bytes are, judged by their headers (not by a file name).
MetafileKind metafileKind(const QByteArray &bytes);

// The metafile as a 32-bit RGB picture on white. Its size is the metafile's
// own: a placeable WMF's frame or an EMF's frame rectangle, converted with
// the screen's twips per pixel; a WMF without a frame takes the extent of
// what it draws. Throws FileError (a message naming `name`) for a damaged
// metafile, UserError for a picture larger than the program takes on.
QImage renderWmf(const QByteArray &bytes, const QString &name, int twipsPerPixelX, int twipsPerPixelY);
QImage renderEmf(const QByteArray &bytes, const QString &name, int twipsPerPixelX, int twipsPerPixelY);

} // namespace porkane
