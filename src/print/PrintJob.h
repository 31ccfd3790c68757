#pragma once

// The print job: the whole label document on one page. The images behind
// the text, then every label's text through the same renderer as the
// screen (with the printer's scale, clipped to its label unless the user
// lets text run over), then the images in front of the text; all of it
// clipped to the sheet. Images with a see-through colour are drawn once,
// from a copy in which that colour is transparent.

#include <functional>

#include <QString>

#include "document/LabelDocument.h"
#include "print/PrintGeometry.h"

class QPainter;
class QPaintDevice;
class QPrinter;

namespace porkane {

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
};

enum class PrintOutcome {
    Printed,
    NoPrinter,  // the current printer is not on the system (any more)
    CannotOpen, // the device would not start a job: nothing was printed
    Failed,     // the job broke off after it had started
    OutOfMemory, // the memory the page needs could not be had; the job ended
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

// The job on a printer, with its own settings (paper, orientation, copies,
// quality, colour, duplex); the job name is "ぽるかね". A PDF printer needs
// its output file set.
PrintOutcome printDocument(QPrinter &printer, const LabelDocument &document, const PrintOptions &options,
                           ScreenScale screen, const PrintProgress &progress = {});

} // namespace porkane
