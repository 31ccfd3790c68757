#include "editor/ui/EditorTextBox.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUuid>

#include "document/DocumentSource.h"
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

// The private format of a drag out of the box: its id and the range.
const QString DragFormat = QStringLiteral("application/x-porkane-text-box-drag");

} // namespace

EditorTextBox::EditorTextBox(QWidget *parent)
    : QPlainTextEdit(parent), id_(QUuid::createUuid().toByteArray(QUuid::WithoutBraces))
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
    // The box's own clipboard would lose the records.
    if (event->matches(QKeySequence::Cut)) {
        emit cutRequested();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
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

QMimeData *EditorTextBox::selectionDragData() const
{
    QMimeData *data = QPlainTextEdit::createMimeDataFromSelection();
    const QTextCursor cursor = textCursor();
    data->setData(DragFormat, id_ + ' ' + QByteArray::number(cursor.selectionStart()) + ' ' +
                                  QByteArray::number(cursor.selectionEnd()));
    return data;
}

QMimeData *EditorTextBox::createMimeDataFromSelection() const { return selectionDragData(); }

void EditorTextBox::insertFromMimeData(const QMimeData *source)
{
    // Text from elsewhere (a drop, the selection paste of a middle click)
    // is typed text.
    emit aboutToChange();
    QPlainTextEdit::insertFromMimeData(source);
}

void EditorTextBox::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedDocumentFile(event->mimeData()->urls()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragEnterEvent(event);
}

void EditorTextBox::dragMoveEvent(QDragMoveEvent *event)
{
    if (!droppedDocumentFile(event->mimeData()->urls()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragMoveEvent(event);
}

void EditorTextBox::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (const QString path = droppedDocumentFile(data->urls()); !path.isEmpty()) {
        event->acceptProposedAction();
        emit documentDropped(path);
        return;
    }
    const QList<QByteArray> drag = data->data(DragFormat).split(' ');
    if (drag.size() != 3 || drag[0] != id_) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    // The drop caret goes; the session moves the text with its records.
    QDragLeaveEvent leave;
    QPlainTextEdit::dragLeaveEvent(&leave);
    const int at = cursorForPosition(event->position().toPoint()).position();
    const bool move = event->dropAction() == Qt::MoveAction;
    // Reported as a copy, so that the drag's end removes nothing more.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit textDropped(drag[1].toInt(), drag[2].toInt(), at, move);
}

void EditorTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    emit popupMenuRequested(event->globalPos());
    event->accept();
}

} // namespace porkane
