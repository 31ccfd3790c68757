#pragma once

// One level of undo and one of redo. The undo copy is taken before every
// key press and every format command; undo puts it back (keeping what it
// replaced for redo), redo puts that back once.
//
// Each copy remembers the label it was taken from and is restored into that
// label, so an undo after switching labels never writes one label's records
// into another.

#include <optional>
#include <vector>

#include <QString>

#include "document/LabelDocument.h"

namespace porkane {

struct LabelSnapshot {
    int label = 0;
    QString text;
    std::vector<AttrRecord> records; // positions 1 to 201 at indices 0 to 200

    static LabelSnapshot take(const LabelDocument &document, int label);
    void restore(LabelDocument &document) const;
};

class UndoHistory {
public:
    void takeUndoCopy(const LabelDocument &document, int label);

    bool canUndo() const { return undo_.has_value(); }
    bool canRedo() const { return redoAvailable_; }

    // The label changed, or 0 when there was nothing to undo / redo.
    int undo(LabelDocument &document);
    int redo(LabelDocument &document);

    // The document changed by a new edit: what undo replaced no longer
    // follows from it, so redo would throw that edit away.
    void discardRedo() { redoAvailable_ = false; }

    // A new document: nothing to undo.
    void clear();

private:
    std::optional<LabelSnapshot> undo_;
    std::optional<LabelSnapshot> redo_;
    bool redoAvailable_ = false;
};

} // namespace porkane
