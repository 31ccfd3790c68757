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

namespace porkane {

// A PDF printer's file, written beside it under another name and renamed
// over it only once the job is complete: a job that is cancelled or fails
// leaves no half-written PDF, and an earlier file of the name stays as it
// was. For any other printer (or a PDF printer without a file) it does
// nothing.
class PdfReplacement {
public:
    explicit PdfReplacement(QPrinter &printer);
    // Removes the new file unless it was committed; the printer gets its
    // file name back.
    ~PdfReplacement();
    PdfReplacement(const PdfReplacement &) = delete;
    PdfReplacement &operator=(const PdfReplacement &) = delete;

    // False when no file could be made in the target's folder.
    bool isReady() const { return ready_; }
    // Gives the new file the target's name (and permissions); false when
    // that fails, and then the new file is removed.
    bool commit();

private:
    QPrinter &printer_;
    QString target_;
    QString temporary_;
    bool ready_ = true;
    bool committed_ = false;
};

} // namespace porkane
