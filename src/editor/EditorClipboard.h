#pragma once

// The editor's own clipboard: text together with the attribute record of
// every character, so that formatted text moves between labels. Nothing is
// exchanged with the system clipboard.

#include <vector>

#include <QString>

#include "document/LabelDocument.h"

namespace porkane {

class EditorClipboard {
public:
    bool isEmpty() const { return text_.isEmpty(); }
    const QString &text() const { return text_; }
    const std::vector<AttrRecord> &records() const { return records_; }

    // Positions are 0-based in the label's text; a range that splits a line
    // break is widened to hold it whole.
    void copy(const LabelDocument &document, int label, int start, int length);
    // Copies, then removes the range with its records. Returns the caret.
    int cut(LabelDocument &document, int label, int start, int length);
    // Inserts the clipboard at `caret` with its records; returns the caret
    // after the inserted text. Throws DocumentError when the label cannot
    // hold it (the label is then unchanged).
    int paste(LabelDocument &document, int label, int caret) const;

private:
    QString text_;
    std::vector<AttrRecord> records_;
};

} // namespace porkane
