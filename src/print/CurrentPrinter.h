#pragma once

// The current printer: a QPrinter the program holds, made from the
// system's default printer, and the properties the information frame and
// the print job read from it. When the system has no printer, the current
// printer writes a PDF file (its device name is "PDF") and the job asks
// where to put it.

#include <memory>

#include <QPoint>
#include <QString>
#include <QtGlobal>

class QPrinter;

namespace porkane {

// The device name shown for a printer that writes a PDF file.
inline const QString PdfPrinterName = QStringLiteral("PDF");

// Property values as the platform's device-mode record codes them.
enum PrinterOrientation : qint16 { PortraitOrientation = 1, LandscapeOrientation = 2 };
enum PrinterColourMode : qint16 { MonochromeMode = 1, ColourMode = 2 };
enum PrinterDuplex : qint16 { SimplexPrinting = 1, LongEdgeDuplex = 2, ShortEdgeDuplex = 3 };

struct PrinterProperties {
    QString deviceName;
    qint16 paperCode = 0; // QPageSize::windowsId(): 9 for A4, 256 user-defined, 0 none
    qint16 orientation = PortraitOrientation;
    qint16 colourMode = ColourMode;
    qint16 copies = 1;
    qint16 quality = 0; // the resolution in dots per inch
    qint16 duplex = SimplexPrinting;
    // 1440 / the resolution, exactly: a rounded value would put every
    // millimetre in the wrong place (600 dpi is 2.4, not 2).
    double twipsPerPixelX = 0;
    double twipsPerPixelY = 0;
    // The printable area's offset from the paper corner, in printer pixels:
    // where the device's pixel (0, 0) lies.
    QPoint physicalOffset;

    bool writesPdf = false;
};

// What the printer holds at this moment.
PrinterProperties readPrinterProperties(const QPrinter &printer);

// A printer on the system's default queue (the first queue when none is the
// default), or a PDF file printer when there is none; high resolution.
std::unique_ptr<QPrinter> makeCurrentPrinter();

// The printer in `slot`, made first when there is none yet.
QPrinter &ensureCurrentPrinter(std::shared_ptr<QPrinter> &slot);

// Whether the printer is one the system has: a PDF printer always is, a
// queue only while the system lists it.
bool printerExists(const QPrinter &printer);

// "不明" in the interface's language.
QString unknownPrinterValue();

// The four values of the information frame "現在のプリンタの設定", as
// shown: each starts as "不明".
struct PrinterInfoTexts {
    QString name = unknownPrinterValue();
    QString paper = unknownPrinterValue();
    QString orientation = unknownPrinterValue();
    QString ink = unknownPrinterValue();

    bool operator==(const PrinterInfoTexts &) const = default;
};

// Refreshes the texts from the properties. A paper code the table lacks
// leaves the paper text as it was.
void refreshPrinterInfo(PrinterInfoTexts &texts, const PrinterProperties &properties);

} // namespace porkane
