#pragma once

// What a picture of the document was made from, when the program made it:
// the settings of a barcode, so that "編集" can open them again and the
// print job can draw the symbol afresh at the printer's resolution. Kept
// beside the picture in memory only; the label file has no place for it,
// so a document saved and opened again holds an ordinary picture.
//
// Plain values: the symbology is the word porkane-tool uses ("ean13",
// "qr", "japanpost", ...), the data may name merge fields as 《name》.

#include <QString>

namespace porkane {

struct PictureSource {
    enum class Kind { Picture, Barcode };

    Kind kind = Kind::Picture;
    QString symbology;
    // The symbol's data; for the customer barcode the postal code and 住所B
    // instead, from which the data is made.
    QString data;
    QString postcode;
    QString addressB;
    // Sized by the module (the narrowest bar) and the bar height, or by
    // the whole picture's width and height; millimetres.
    bool overallSize = false;
    double moduleMm = 0;
    double barHeightMm = 0;
    double widthMm = 0;
    double heightMm = 0;
    bool humanReadable = true;
    bool quietZone = true;
    int errorCorrection = 1; // QR code: 0 L, 1 M, 2 Q, 3 H
    // Quarter turns clockwise given to the picture in the image paste dialog.
    int quarterTurns = 0;

    bool isBarcode() const { return kind == Kind::Barcode; }
    bool operator==(const PictureSource &) const = default;
};

} // namespace porkane
