#pragma once

// What a print job is asked to do, and the rules that make its pages: the
// document as it is or merged with an address list, the design label whose
// text and formats every position takes, the starting label and the
// copies. The print panel and porkane-tool both hold one; the panel only
// shows it.

#include <memory>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "print/MergeData.h"
#include "print/MergeFields.h"
#include "print/PrintPages.h"
#include "print/PrintPlan.h"

namespace porkane {

class LabelDocument;

class PrintJobSetup {
public:
    // The document is read when a job is checked and made, as it is then;
    // the screen's scale gives its pictures' sizes in millimetres.
    explicit PrintJobSetup(const LabelDocument &document, ScreenScale screen = {});

    PrintPlan::Mode mode() const { return mode_; }
    void setMode(PrintPlan::Mode mode) { mode_ = mode; }

    // Label numbers are kept within the sheet's labels (1 when it has
    // none); copies within 1 to PrintPlan::MaxCopies.
    int labelCount() const;
    int designLabel() const;
    void setDesignLabel(int label) { designLabel_ = label; }
    int startLabel() const;
    void setStartLabel(int label) { startLabel_ = label; }
    int copies() const;
    void setCopies(int copies) { copies_ = copies; }

    // Reads the address list. A list that is refused (FileError, naming
    // the file, row and field) leaves no list at all, so no job runs on
    // the one before it by mistake.
    void loadData(const QString &path, TextEncoding encoding);
    void clearData();
    const MergeData *data() const { return data_.get(); }
    // The file and encoding asked for, kept after a refusal so the user
    // can pick another encoding for the same file.
    const QString &dataFile() const { return dataFile_; }
    TextEncoding encoding() const { return encoding_; }

    // Every row merged on the design label (its text and the barcodes that
    // name fields) as the document is now.
    struct Check {
        // Why no job can run, empty when one can.
        QString refusal;
        // Rows that cannot be merged, listed for the user before anything
        // prints; the job leaves them out.
        std::vector<MergeProblem> problems;
        // The rows (0-based) that merge, in the list's order.
        std::vector<int> rows;

        bool canPrint() const { return refusal.isEmpty(); }
    };
    Check check() const;

    // The job's pages after a check that allows one; the merged rows only.
    PrintPages pages(const Check &check) const;
    // The job as it stands (checked now), for showing the page count.
    PrintPages pages() const { return pages(check()); }

    // One line for the panel: the list's rows and the pages the job makes,
    // or why it cannot run.
    QString summary() const;

private:
    const LabelDocument &document_;
    ScreenScale screen_;
    PrintPlan::Mode mode_ = PrintPlan::Mode::AsIs;
    int designLabel_ = 1;
    int startLabel_ = 1;
    int copies_ = 1;
    QString dataFile_;
    TextEncoding encoding_ = TextEncoding::Detect;
    std::shared_ptr<const MergeData> data_;
};

} // namespace porkane
