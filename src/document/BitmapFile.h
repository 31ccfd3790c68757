#pragma once

// Pictures inside a label file are Windows BMP files: we write plain
// uncompressed 24-bit ones, and read any BMP after checking that its header
// agrees with its size and that the picture is one the program takes on.
// Both directions stream: rows go between the file and the picture a band
// at a time, never through a copy of the whole picture.

#include <QByteArray>
#include <QImage>
#include <QString>

class QIODevice;

namespace porkane {

// The size in bytes of the BMP writeBmp() makes of a picture of that size.
qint64 bmpFileSize(qint64 width, qint64 height);

// Refuses (FileError naming `source`) a picture that cannot be saved: a null
// one, or one beyond the program's picture limits.
void checkSavablePicture(const QImage &picture, const QString &source);

// A 24-bit bottom-up BMP of the picture (alpha is dropped), written to the
// device in bands of rows. Throws FileError for a picture checkSavablePicture
// refuses or a failed write.
void writeBmp(QIODevice &out, const QImage &picture, const QString &source);
QByteArray writeBmp(const QImage &picture);

// The picture of a BMP file. Throws FileError naming `source` when the
// bytes are not a BMP, when its header claims more pixels than the file can
// hold or than the program takes on, or when the decoder fails; an
// OutOfMemoryError when its memory cannot be had.
QImage readBmp(const QByteArray &bytes, const QString &source);

// The same for a BMP of `length` bytes at the device's current position.
// Plain 24- and 32-bit pictures are decoded band by band straight into the
// picture; other kinds are read whole first.
QImage readBmp(QIODevice &in, qint64 length, const QString &source);

} // namespace porkane
