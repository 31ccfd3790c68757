#include "editor/UndoHistory.h"

namespace porkane {

LabelSnapshot LabelSnapshot::take(const LabelDocument &document, int label)
{
    LabelSnapshot snapshot;
    snapshot.label = label;
    snapshot.text = document.LabelText(label);
    snapshot.records.reserve(LabelDocument::MaxPositions);
    for (int position = 1; position <= LabelDocument::MaxPositions; ++position)
        snapshot.records.push_back(document.CharAttr(label, position));
    return snapshot;
}

void LabelSnapshot::restore(LabelDocument &document) const
{
    document.setLabelText(label, text);
    for (int position = 1; position <= int(records.size()); ++position)
        document.CharAttr(label, position) = records[position - 1];
}

void UndoHistory::takeUndoCopy(const LabelDocument &document, int label)
{
    undo_ = LabelSnapshot::take(document, label);
}

int UndoHistory::undo(LabelDocument &document)
{
    if (!undo_)
        return 0;
    redo_ = LabelSnapshot::take(document, undo_->label);
    undo_->restore(document);
    redoAvailable_ = true;
    return undo_->label;
}

int UndoHistory::redo(LabelDocument &document)
{
    if (!redoAvailable_ || !redo_)
        return 0;
    redo_->restore(document);
    redoAvailable_ = false;
    return redo_->label;
}

void UndoHistory::clear()
{
    undo_.reset();
    redo_.reset();
    redoAvailable_ = false;
}

} // namespace porkane
