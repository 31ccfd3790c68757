#pragma once

// Between a barcode picture's settings as the document keeps them
// (PictureSource, plain values) and the symbol they make (BarcodeRequest).
// The settings may name merge fields as 《name》, written as in label
// text: a merge puts each record's value there; without a record (on the
// screen, printed as is) sample values stand in, making a symbol of the
// usual size.

#include <functional>

#include <QString>
#include <QStringList>

#include "document/PictureSource.h"
#include "image/Barcode.h"

namespace porkane {

// Barcode pictures are made at this resolution for the paste dialog, and
// drawn at it for a device whose own resolution is no multiple of 300 dpi.
inline constexpr int BarcodePictureDpi = 600;

// The symbology the settings name; false for an ordinary picture or a
// word no symbology has.
bool barcodeSymbology(const PictureSource &source, Symbology &symbology);

// The field names the settings use, in order of first use: those of the
// data, or of the postal code and then 住所B.
QStringList barcodeFieldNames(const PictureSource &source);

// The value of a field, by name.
using FieldValue = std::function<QString(const QString &name)>;

// The symbol the settings make: fields replaced by `value` (by samples
// when there is none), the customer barcode's data made from the postal
// code and 住所B. Throws UserError when the settings are no barcode's or
// the customer barcode's address is refused; whether the data suits the
// symbology is left to the drawing.
BarcodeRequest barcodeRequest(const PictureSource &source, const FieldValue &value = {});

} // namespace porkane
