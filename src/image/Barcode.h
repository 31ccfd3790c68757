#pragma once

// Barcodes and two-dimensional codes drawn as pictures for the label. The
// symbols themselves come from libzint; this side checks the data first so
// that a refusal says in Japanese what is wrong, and draws zint's vector
// output onto whole printer dots.
//
// Module sizes are chosen on a grid of 1/300 inch (when the resolution is a
// multiple of 300 dpi), so a picture made for one of the usual printers puts
// every bar on whole dots at 300, 600 and 1200 dpi alike.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace porkane {

enum class Symbology {
    Ean13, // EAN-13 / JAN-13
    Ean8,  // EAN-8 / JAN-8
    UpcA,
    Code128,
    Code39,
    Itf14,
    Codabar, // NW-7
    QrCode,
    DataMatrix,
    JapanPost, // the postal customer barcode
};

const QList<Symbology> &allSymbologies();
// The name shown to the user: "JAN-13", "NW-7", "QRコード", ...
QString symbologyName(Symbology symbology);
// The porkane-tool word: "ean13", "codabar", "japanpost", ...
QString symbologyKey(Symbology symbology);
// The symbology of a tool word; false when there is none.
bool symbologyForKey(const QString &key, Symbology &symbology);
bool isMatrixSymbology(Symbology symbology); // QR Code and Data Matrix

enum class QrErrorCorrection { L, M, Q, H };

enum class BarcodeSizing {
    ModuleWidth, // moduleMm gives the narrowest bar (the cell of a 2D code); heightMm the bar height
    OverallSize, // the whole picture fits widthMm x heightMm, with the largest module that fits
};

struct BarcodeRequest {
    Symbology symbology = Symbology::Ean13;
    QString data;
    BarcodeSizing sizing = BarcodeSizing::ModuleWidth;
    double moduleMm = 0.33;
    double widthMm = 40;       // OverallSize only
    double heightMm = 20;      // bar height (ModuleWidth, linear codes) or overall height (OverallSize)
    bool humanReadable = true; // the text under linear codes
    bool quietZone = true;     // the blank margins the symbology asks for
    QrErrorCorrection errorCorrection = QrErrorCorrection::M;

    bool operator==(const BarcodeRequest &) const = default;
};

// Usual sizes of each symbology at 100 %: module and bar height.
BarcodeRequest defaultBarcodeRequest(Symbology symbology);

// Why the data cannot be encoded, in the user's words; empty when it can.
// Checks the characters, lengths and check digits the symbology needs (a
// given check digit must be right); a few limits, such as the capacity of
// a QR code, are only known once encoded.
QString barcodeDataProblem(Symbology symbology, const QString &data);

// The data as a reader returns it: the check digit added where the
// symbology has one (JAN-13 "490123456789" reads as "4901234567894").
// Throws UserError as encodeBarcode does.
QString barcodeReadout(Symbology symbology, const QString &data);

// The encoded symbol, in modules, as zint made it.
struct EncodedBarcode {
    int rows = 0;
    int columns = 0;
    QStringList moduleRows; // one string of '0' and '1' per row, top first
    QString text;           // the human-readable text zint gives (empty for 2D and postal codes)
};

// Throws UserError with the reason when the data cannot be encoded.
EncodedBarcode encodeBarcode(const BarcodeRequest &request);

struct BarcodePicture {
    QImage image; // 32-bit RGB, black on white only; white is meant to be see-through
    int dpi = 0;
    int dotsPerModule = 0;
    double moduleMm = 0;
    double widthMm = 0;
    double heightMm = 0;
};

// The symbol drawn for a printer of `dpi` dots per inch (72 to 2400): each
// module is a whole number of dots, on the 1/300 inch grid when dpi is a
// multiple of 300. The image's dots per metre are set to dpi. Throws
// UserError when the data is refused, a size is not a positive number, the
// module would be smaller than one dot, or the picture would be too large.
BarcodePicture drawBarcode(const BarcodeRequest &request, int dpi);

// The size drawBarcode gives, in dots and millimetres, without drawing;
// throws as it does.
struct BarcodeSize {
    int width = 0;
    int height = 0;
    int dotsPerModule = 0;
    double widthMm = 0;
    double heightMm = 0;
};
BarcodeSize measureBarcode(const BarcodeRequest &request, int dpi);

// The same drawing as an SVG document sized in millimetres, with no
// background (white stays see-through); its units are the dots of `dpi`.
QByteArray barcodeSvg(const BarcodeRequest &request, int dpi);

inline constexpr int MinBarcodeDpi = 72;
inline constexpr int MaxBarcodeDpi = 2400;

} // namespace porkane
