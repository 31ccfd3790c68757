#pragma once

// Pictures inside a label file are Windows BMP files: we write plain
// uncompressed 24-bit ones, and read any BMP after checking that its header
// agrees with its size.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace porkane {

// A 24-bit bottom-up BMP of the picture (alpha is dropped). Throws FileError
// for a null picture.
QByteArray writeBmp(const QImage &picture);

// The picture of a BMP file. Throws FileError naming `source` when the
// bytes are not a BMP, when its header claims more pixels than the file can
// hold, or when the decoder fails.
QImage readBmp(const QByteArray &bytes, const QString &source);

} // namespace porkane
