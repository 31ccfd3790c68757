#pragma once

#include <QByteArray>
#include <QPlainTextEdit>

namespace porkane {

// The text-entry box (Text14): the whole text of the current label, a line
// break shown as one line end. The window mirrors every change into the
// label; the box only reports what is about to change it. Its own cut,
// copy and paste keys and a drag within it are the editor's commands, which
// keep the records; a label or template file dropped on it is opened.
class EditorTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EditorTextBox(QWidget *parent = nullptr);

    // What a drag of the selection carries: its text, and where it came
    // from, so that a drop within this box can move the records with it.
    QMimeData *selectionDragData() const;

signals:
    // Before the box applies a key, an input-method commit or a dropped
    // text: the moment to take the undo copy.
    void aboutToChange();
    // Ctrl+Z and Ctrl+Y (or the platform's keys): the editor's own undo
    // and redo, which take the records back too.
    void undoRequested();
    void redoRequested();
    // The platform's cut, copy and paste keys (Ctrl+X, Shift+Delete,
    // Ctrl+C, Ctrl+Insert, Ctrl+V, Shift+Insert): the editor's commands.
    void cutRequested();
    void copyRequested();
    void pasteRequested();
    // The box's text [start, end) dragged to `at` within the box, moved or
    // (with Ctrl) copied. The box has not changed.
    void textDropped(int start, int end, int at, bool move);
    // A label or template file dropped on the box.
    void documentDropped(const QString &path);
    // A right click or the menu key: the editor's pop-up menu, never the
    // box's own.
    void popupMenuRequested(const QPoint &globalPosition);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QByteArray id_; // tells this box's drags from any other's
};

} // namespace porkane
