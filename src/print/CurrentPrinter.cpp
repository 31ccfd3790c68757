#include "print/CurrentPrinter.h"

#include <algorithm>
#include <limits>

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/Units.h"
#include "print/PaperSizes.h"

namespace porkane {

namespace {

qint16 clampedShort(int value)
{
    return qint16(std::clamp(value, int(std::numeric_limits<qint16>::min()), int(std::numeric_limits<qint16>::max())));
}

qint16 duplexCode(QPrinter::DuplexMode mode)
{
    switch (mode) {
    case QPrinter::DuplexNone:
        return SimplexPrinting;
    case QPrinter::DuplexShortSide:
        return ShortEdgeDuplex;
    case QPrinter::DuplexAuto: // the driver's choice; long edge is the usual one
    case QPrinter::DuplexLongSide:
        return LongEdgeDuplex;
    }
    return SimplexPrinting;
}

} // namespace

PrinterProperties readPrinterProperties(const QPrinter &printer)
{
    PrinterProperties properties;
    properties.writesPdf = printer.outputFormat() == QPrinter::PdfFormat;
    properties.deviceName = properties.writesPdf ? PdfPrinterName : printer.printerName();
    const QPageLayout layout = printer.pageLayout();
    properties.paperCode = clampedShort(layout.pageSize().windowsId());
    properties.orientation =
        layout.orientation() == QPageLayout::Landscape ? LandscapeOrientation : PortraitOrientation;
    properties.colourMode = printer.colorMode() == QPrinter::Color ? ColourMode : MonochromeMode;
    properties.copies = clampedShort(printer.copyCount());
    const int resolution = printer.resolution();
    properties.quality = clampedShort(resolution);
    properties.duplex = duplexCode(printer.duplex());
    if (resolution > 0) {
        properties.twipsPerPixelX = TwipsPerInch / resolution;
        properties.twipsPerPixelY = TwipsPerInch / resolution;
    }
    // Without full-page drawing the device's origin is the printable area's
    // corner, inside the paper's margins.
    if (!printer.fullPage())
        properties.physicalOffset = printer.pageRect(QPrinter::DevicePixel).topLeft().toPoint();
    return properties;
}

std::unique_ptr<QPrinter> makeCurrentPrinter()
{
    QPrinterInfo queue = QPrinterInfo::defaultPrinter();
    if (queue.isNull()) {
        const QList<QPrinterInfo> queues = QPrinterInfo::availablePrinters();
        if (!queues.isEmpty())
            queue = queues.constFirst();
    }
    if (queue.isNull()) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        return printer;
    }
    return std::make_unique<QPrinter>(queue, QPrinter::HighResolution);
}

QPrinter &ensureCurrentPrinter(std::shared_ptr<QPrinter> &slot)
{
    if (!slot)
        slot = makeCurrentPrinter();
    return *slot;
}

QString unknownPrinterValue() { return QCoreApplication::translate("PrinterSetup", "不明"); }

bool printerExists(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return true;
    return !printer.printerName().isEmpty() && QPrinterInfo::availablePrinterNames().contains(printer.printerName());
}

void refreshPrinterInfo(PrinterInfoTexts &texts, const PrinterProperties &properties)
{
    texts.name = properties.deviceName;
    if (const std::optional<QString> paper = paperSizeText(properties.paperCode))
        texts.paper = *paper;
    texts.orientation = properties.orientation == PortraitOrientation
                            ? QCoreApplication::translate("PrinterSetup", "縦")
                            : QCoreApplication::translate("PrinterSetup", "横");
    texts.ink = properties.colourMode == ColourMode ? QCoreApplication::translate("PrinterSetup", "カラーインク")
                                                    : QCoreApplication::translate("PrinterSetup", "モノクロインク");
}

} // namespace porkane
