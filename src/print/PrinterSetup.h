#pragma once

// The rules of the printer-setup dialog ("プリンタの設定"): which printers
// it lists and which one it starts on, what each printer offers (paper
// sizes, paper sources, colour, duplex), the Japanese words it shows, and
// how the choices go onto the current printer. No widgets: the dialog in
// print/ui shows an instance of PrinterSetup and the tests drive one
// without a window and without a print queue.

#include <optional>

#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QString>

class QPrinterInfo;

namespace porkane {

// A printer of the system as the dialog lists it. Made from QPrinterInfo
// for the real list; tests make their own.
struct PrinterDescription {
    QString name; // the queue's name, the one QPrinter::setPrinterName takes
    QString description;
    QString location;
    QString makeAndModel;
    bool isDefault = false;
    // Nothing when the system does not say.
    std::optional<QPrinter::PrinterState> state;
    QList<QPageSize> pageSizes;
    QPageSize defaultPageSize;
    QList<QPrinter::ColorMode> colourModes;
    QPrinter::ColorMode defaultColourMode = QPrinter::Color;
    QList<QPrinter::DuplexMode> duplexModes;
    QPrinter::DuplexMode defaultDuplexMode = QPrinter::DuplexNone;
    // The paper sources the platform lets a program choose. Qt lists them
    // on Windows only; on CUPS the list is empty and the printer feeds
    // paper as its own settings say.
    QList<QPrinter::PaperSource> paperSources;
};

PrinterDescription describePrinter(const QPrinterInfo &info);
// Every printer of the system (QPrinterInfo::availablePrinters()).
QList<PrinterDescription> systemPrinters();

// What the dialog sets on a printer.
struct PrinterChoices {
    QString printerName; // empty for a printer that writes a PDF file
    QPageSize pageSize;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QPrinter::ColorMode colourMode = QPrinter::Color;
    QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
    QPrinter::PaperSource paperSource = QPrinter::Auto;
};

// The printer's settings as they are now.
PrinterChoices readPrinterChoices(const QPrinter &printer);

class PrinterSetup {
public:
    // The dialog over `printers`, starting from the current printer's
    // settings `current`: on the current printer when it is listed, else
    // on the system's default printer, else on the first one.
    PrinterSetup(QList<PrinterDescription> printers, const PrinterChoices &current);

    const QList<PrinterDescription> &printers() const { return printers_; }
    bool hasPrinters() const { return !printers_.isEmpty(); }
    // The index of the chosen printer; -1 when there is none.
    int chosenIndex() const { return chosen_; }
    // Null when there is no printer.
    const PrinterDescription *chosenPrinter() const;
    const PrinterChoices &choices() const { return choices_; }

    // Chooses another printer: the settings it offers too are kept, the
    // others become its defaults. An index out of range changes nothing.
    void choosePrinter(int index);

    // What the chosen printer offers, in the dialog's order: the paper
    // sizes of the paper table first, by their code, then the printer's
    // others, each size once.
    QList<QPageSize> pageSizes() const;
    QList<QPrinter::ColorMode> colourModes() const;
    QList<QPrinter::DuplexMode> duplexModes() const;
    QList<QPrinter::PaperSource> paperSources() const;

    // Each refuses (false, nothing changed) a value the chosen printer
    // does not offer. A page size is taken as the printer names it.
    bool setPageSize(const QPageSize &size);
    void setOrientation(QPageLayout::Orientation orientation);
    bool setColourMode(QPrinter::ColorMode mode);
    bool setDuplex(QPrinter::DuplexMode mode);
    bool setPaperSource(QPrinter::PaperSource source);

    // Puts the choices on `printer`: it prints on the chosen queue with
    // the chosen settings from now on. Without a printer, or when the
    // queue has gone meanwhile, the printer stays as it was and the result
    // is false.
    bool applyTo(QPrinter &printer) const;

private:
    void takeChoices(const PrinterChoices &wanted);

    QList<PrinterDescription> printers_;
    int chosen_ = -1;
    PrinterChoices choices_;
};

// The Japanese words of the dialog.
QString printerStateName(std::optional<QPrinter::PrinterState> state);
// The printer's name in the list; the system's default printer is marked.
QString printerListName(const PrinterDescription &printer);
// The paper table's text where the size has a code in it, else a name
// with the size in millimetres ("はがき (100 x 148 mm)").
QString pageSizeName(const QPageSize &size);
QString orientationName(QPageLayout::Orientation orientation);
QString colourModeName(QPrinter::ColorMode mode);
QString duplexName(QPrinter::DuplexMode mode);
QString paperSourceName(QPrinter::PaperSource source);

} // namespace porkane
