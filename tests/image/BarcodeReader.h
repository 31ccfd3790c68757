#pragma once

// Reads a barcode picture back with ZXing-C++, a reader independent of the
// zint library that drew it.

#include <QImage>
#include <QString>

namespace porkane::test {

struct ReadResult {
    QString format; // the program's name of the symbology ("JAN-13", "QRコード"), empty when none was read
    QString text;
};

ReadResult readBarcode(const QImage &picture);

} // namespace porkane::test
