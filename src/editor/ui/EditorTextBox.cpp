#include "editor/ui/EditorTextBox.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "editor/TextEditing.h"

namespace porkane {

namespace {

// A key that changes nothing by itself: it takes no undo copy, so that
// Ctrl+Z still undoes what was typed before Ctrl was pressed.
bool isModifierOnly(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
        return true;
    default:
        return false;
    }
}

} // namespace

EditorTextBox::EditorTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("Text14"));
    // The editor keeps its own undo, which restores the records too.
    setUndoRedoEnabled(false);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

void EditorTextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo)) {
        emit undoRequested();
        return;
    }
    if (event->matches(QKeySequence::Redo)) {
        emit redoRequested();
        return;
    }
    if (!isModifierOnly(event))
        emit aboutToChange();
    // An ASCII double quote would end the text in the label file; it is
    // typed as the full-width one, caret and all.
    if (const QString stored = typedKeyText(event->text()); stored != event->text()) {
        QKeyEvent fullWidth(event->type(), event->key(), event->modifiers(), stored, event->isAutoRepeat(),
                            ushort(event->count()));
        QPlainTextEdit::keyPressEvent(&fullWidth);
        event->setAccepted(fullWidth.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EditorTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty() || event->replacementLength() > 0)
        emit aboutToChange();
    QPlainTextEdit::inputMethodEvent(event);
}

void EditorTextBox::insertFromMimeData(const QMimeData *source)
{
    emit aboutToChange();
    QPlainTextEdit::insertFromMimeData(source);
}

void EditorTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    emit popupMenuRequested(event->globalPos());
    event->accept();
}

} // namespace porkane
