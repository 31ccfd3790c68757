#pragma once

// The print job: the label document on a page. The images behind the
// text, then every label's text through the same renderer as the screen
// (with the printer's scale, clipped to its label unless the user lets
// text run over), then the images in front of the text; all of it clipped
// to the sheet. Images with a see-through colour are drawn once, from a
// copy in which that colour is transparent.
//
// A job of several pages (copies, a starting label, an address list; see
// PrintPages) draws each page in turn on the same device, made when it is
// drawn. The print preview and the PDF export run the same job: the
// preview on a picture at the screen's resolution, the export on a PDF
// printer with the sheet's paper.

#include <functional>

#include <QImage>
#include <QPageLayout>
#include <QString>

#include "document/LabelDocument.h"
#include "print/PrintGeometry.h"

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;
class QPrinter;

namespace porkane {

class PrintPages;

// The job's name in the print queue.
inline const QString PrintJobName = QStringLiteral("ぽるかね");

// What a window shows while the job runs. Every member may be empty.
struct PrintProgress {
    // Before each label's text (a window lets pending events run here).
    std::function<void(int label)> labelStarting;
    // Around the preparation of a see-through image; the value runs from
    // 0 to 1000 and ends at 1000.
    std::function<void()> seeThroughStarted;
    std::function<void(int permille)> seeThroughAdvanced;
    std::function<void()> seeThroughFinished;
    // Before each page: page 1 to `pages`.
    std::function<void(int page, int pages)> pageStarting;
    // Asked before each page and each label: true ends the job there.
    std::function<bool()> cancelled;
};

enum class PrintOutcome {
    Printed,
    NoPrinter,  // the current printer is not on the system (any more)
    CannotOpen, // the device would not start a job: nothing was printed
    Failed,     // the job broke off after it had started
    OutOfMemory, // the memory the page needs could not be had; the job ended
    Cancelled,  // the user ended the job; a PDF is not written
    NothingToPrint, // the job has no page
};

// What the user is told when a job does not print; empty for Printed.
QString printFailureMessage(PrintOutcome outcome);

// Draws the page with an active painter on a device of the given
// resolution and physical offset. The document is not changed.
void drawSheet(QPainter &painter, const PrintDevice &device, const LabelDocument &document,
               const PrintOptions &options, ScreenScale screen, const PrintProgress &progress = {});

// One page on any paint device: begins a painter on it, draws the sheet
// and ends the painter, reporting a device that does not begin or end and
// memory that runs out while drawing (the job then ends, the program and
// the document stay).
PrintOutcome printPage(QPaintDevice &target, const PrintDevice &device, const LabelDocument &document,
                       const PrintOptions &options, ScreenScale screen, const PrintProgress &progress = {});

// Every page of the job on a paged device, each page made just before it
// is drawn; a picture shown on several pages is prepared once and handed
// to the device as the same image each time (a PDF then holds it once).
PrintOutcome printPages(QPagedPaintDevice &target, const PrintDevice &device, const PrintPages &pages,
                        const PrintOptions &options, ScreenScale screen, const PrintProgress &progress = {});

// The job on a printer, with its own settings (paper, orientation, copies,
// quality, colour, duplex); the job name is "ぽるかね". A PDF printer needs
// its output file set: the PDF is written beside it and renamed over it
// when complete, so a cancelled or failed job leaves no file behind (and
// an earlier file of that name as it was). A print queue that is cancelled
// is asked to drop the job; the pages it already has may still print.
PrintOutcome printJob(QPrinter &printer, const PrintPages &pages, const PrintOptions &options, ScreenScale screen,
                      const PrintProgress &progress = {});

// The document on one page: printJob with the document as it is.
PrintOutcome printDocument(QPrinter &printer, const LabelDocument &document, const PrintOptions &options,
                           ScreenScale screen, const PrintProgress &progress = {});

// The paper of a sheet: a standard size when one matches its width and
// height (turned to landscape for a sheet wider than high), otherwise a
// size of its own; no margins.
QPageLayout sheetPageLayout(const SheetTemplate &sheet);

// The PDF export: a 600 dpi PDF printer on the sheet's paper, the whole
// paper printable (so the offsets apply from the paper's corner as on any
// printer), writing `file`.
void setUpPdfPrinter(QPrinter &printer, const SheetTemplate &sheet, const QString &file);
PrintOutcome exportPdf(const QString &file, const PrintPages &pages, const PrintOptions &options, ScreenScale screen,
                       const PrintProgress &progress = {});

// Zoom limits of the preview.
inline constexpr double MinPreviewZoom = 0.25;
inline constexpr double MaxPreviewZoom = 4.0;

// Page `page` (0-based) as the preview shows it: the same job on a white
// picture of the sheet's paper at the screen's resolution times `zoom`,
// the paper's corner at the picture's corner. Null when the page does not
// exist or the picture cannot be had.
QImage previewPage(const PrintPages &pages, int page, const PrintOptions &options, ScreenScale screen,
                   double zoom = 1.0);

} // namespace porkane
