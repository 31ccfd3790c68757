#pragma once

// The PDF file of a printer that writes one. When the system has no print
// queue the current printer writes PDF, and unless the printer dialog named
// a file, each job asks where to put it; the name holds for that job only.

#include <QString>

class QPrinter;

namespace porkane {

// Whether a job on this printer must first ask for a file name.
bool asksForPdfFile(const QPrinter &printer);

// The name the user chose, with ".pdf" added when it has no suffix.
QString pdfFileName(const QString &chosen);

// Names the printer's file for one job. Afterwards the printer writes PDF
// without a file again: left without a name, QPrinter would turn to a print
// queue if the system has one by now. An empty `file` changes nothing.
class PdfFileForJob {
public:
    PdfFileForJob(QPrinter &printer, const QString &file);
    ~PdfFileForJob();
    PdfFileForJob(const PdfFileForJob &) = delete;
    PdfFileForJob &operator=(const PdfFileForJob &) = delete;

private:
    QPrinter &printer_;
    bool named_ = false;
};

} // namespace porkane
