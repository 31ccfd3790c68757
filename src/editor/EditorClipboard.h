#pragma once

// The editor's own clipboard: text together with the attribute record of
// every character, so that formatted text moves between labels. A copy
// also hands its text to the system clipboard, for other programs, marked
// with a token of its own: a paste takes the records only while the system
// clipboard still holds that mark, so that text another program put there
// since enters as typed text does.

#include <memory>
#include <vector>

#include <QByteArray>
#include <QMimeData>
#include <QString>

#include "document/LabelDocument.h"

namespace porkane {

class EditorClipboard {
public:
    // The private format of the mark; its data is the token of one copy.
    static const QString MarkFormat;

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

    // What the system clipboard is to hold after a copy: the text with line
    // breaks as the text box shows them, and the mark. Null when empty.
    std::unique_ptr<QMimeData> systemData() const;
    // Whether `system` (the system clipboard's data, possibly null) is what
    // systemData() last gave, so that a paste is this clipboard's own.
    bool isOwn(const QMimeData *system) const;

private:
    QString text_;
    std::vector<AttrRecord> records_;
    QByteArray token_; // new with every copy
};

} // namespace porkane
