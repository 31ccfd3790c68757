#pragma once

#include <QPlainTextEdit>

namespace porkane {

// The text-entry box (Text14): the whole text of the current label, a line
// break shown as one line end. The window mirrors every change into the
// label; the box only reports what is about to change it.
class EditorTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EditorTextBox(QWidget *parent = nullptr);

signals:
    // Before the box applies a key, an input-method commit or a dropped
    // text: the moment to take the undo copy.
    void aboutToChange();
    // Ctrl+Z and Ctrl+Y (or the platform's keys): the editor's own undo
    // and redo, which take the records back too.
    void undoRequested();
    void redoRequested();
    // A right click or the menu key: the editor's pop-up menu, never the
    // box's own.
    void popupMenuRequested(const QPoint &globalPosition);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};

} // namespace porkane
