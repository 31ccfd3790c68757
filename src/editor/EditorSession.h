#pragma once

// The open document as the editor window edits it: which label is current,
// whether there are unsaved changes, the undo history and the editor's own
// clipboard, the settings of Shiyosiki2.ini, the images, and every command
// that changes the document. Each command passes the one guard (a document
// is open and no other window holds it), takes the undo copy before it and
// drops the redo copy after it; the signals tell the window what to show
// again. Positions are counted as the text box counts them: a line break is
// one character there and two in the label.

#include <functional>
#include <memory>
#include <optional>

#include <QObject>
#include <QString>

#include "document/LabelDocument.h"
#include "document/SaveTarget.h"
#include "editor/ApplyFormat.h"
#include "editor/EditorClipboard.h"
#include "editor/EditorSettingsFile.h"
#include "editor/ImageObjects.h"
#include "editor/UndoHistory.h"
#include "format/InputFormat.h"
#include "sheet/SheetTemplate.h"

namespace porkane {

// Where the document comes from when the editor opens.
enum class DocumentOrigin {
    DesignersTemplate, // a new document on the template the designer committed
    LabelFile,         // the label file (.fhl) at the path
    TemplateFile,      // a new document on the template file (.fom) at the path
};

class EditorSession : public QObject {
    Q_OBJECT
public:
    // The grid spacing the view offers, in millimetres.
    static constexpr int MinGridSpacing = 1;
    static constexpr int MaxGridSpacing = 10;

    // `document` is the program's one open document; `othersBusy` says
    // whether another window holds it now (the designer or the image paste
    // dialog over the editor).
    EditorSession(LabelDocument &document, std::function<bool()> othersBusy, int twipsPerPixelX,
                  int twipsPerPixelY, QObject *parent = nullptr);

    // --- Opening and closing ---

    // Reads Shiyosiki2.ini of `dataFolder` (writing the delivered one when
    // it is missing) and the document from its origin. Only when the
    // document can be read does anything replace what is there: throws
    // UserError otherwise. Label 1 is current, nothing is modified, and
    // images come first when the document has any. A damaged settings file
    // gives way to the delivered values: the returned text says so, for the
    // window to show; it is empty when the file was read.
    QString open(DocumentOrigin origin, const QString &path, const SheetTemplate &designersTemplate,
                 const QString &dataFolder);
    // Another file in the open editor (one dropped on it): a label file, or
    // a new document on a template file. The settings stay as they are.
    // Throws UserError, changing nothing, when the file cannot be read.
    void openAnother(DocumentOrigin origin, const QString &path);
    bool isOpen() const { return open_; }
    // The template changed under the document (the designer opened from the
    // editor): a change to save, and everything is to be shown again.
    void templateChanged();
    // Discards the document and writes the settings to Shiyosiki2.ini. No
    // command changes anything after it.
    void close();

    // --- State ---

    LabelDocument &document() const { return document_; }
    int currentLabel() const { return currentLabel_; }
    bool isModified() const { return modified_; }
    void setModified(bool modified);
    // The one guard of every command that changes the document.
    bool canEdit() const { return open_ && !othersBusy_(); }
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    bool hasClipboard() const { return !clipboard_.isEmpty(); }
    ImageObjects &images() { return images_; }
    const ImageObjects &images() const { return images_; }
    int twipsPerPixelX() const { return twipsPerPixelX_; }
    int twipsPerPixelY() const { return twipsPerPixelY_; }

    // The eight values of Shiyosiki2.ini, as the view and the print panel
    // last set them.
    const EditorSettings &settings() const { return settings_; }
    void setSettings(const EditorSettings &settings);

    // --- Commands ---

    // Makes a label current (a click on it); the box shows its text.
    void selectLabel(int label);
    // Before the box applies a key: what undo goes back to.
    void takeUndoCopy();
    // The box's text changed by typing: the label follows it, every new
    // character with a record made from `format`. A change the label cannot
    // take is refused and the box goes back to the label's text.
    void typed(const QString &boxText, int boxCaret, const InputFormat &format);
    void undo();
    void redo();
    // Copy and cut fill the editor's clipboard; systemClipboardData() is
    // then what the system clipboard is to hold.
    void copy(int boxStart, int boxEnd);
    void cut(int boxStart, int boxEnd);
    std::unique_ptr<QMimeData> systemClipboardData() const { return clipboard_.systemData(); }
    // Pastes over the box's selection [boxStart, boxEnd), a caret when they
    // are equal, as one step of undo. `system` is what the system clipboard
    // holds: while that is the editor's own copy (or no text at all) the
    // editor's clipboard goes in with its records; text another program
    // put there since goes in with `format`, as typed text does.
    void paste(int boxStart, int boxEnd, const QMimeData *system = nullptr, const InputFormat &format = {});
    void paste(int boxCaret) { paste(boxCaret, boxCaret); }
    // Whether paste() has anything to insert.
    bool canPaste(const QMimeData *system) const;
    // Text dragged within the box: [boxStart, boxEnd) dropped at
    // `boxDropAt`, moved (or copied) with its records, as one step of undo.
    void dropText(int boxStart, int boxEnd, int boxDropAt, bool move);
    // A "…設定反映" button of the change panel on the selection.
    void applyFormat(FormatCommand command, int boxStart, int boxEnd, const InputFormat &values);
    // Attribute copy, and what the change panel shows for a selection: the
    // format of the first selected character that is no line break (of
    // the first character when all are); nothing without a selection.
    std::optional<InputFormat> attributesOf(int boxStart, int boxEnd) const;
    // "ラベルを１８０度回転する。" for the current label.
    void setLabelRotated(bool rotated);

    // --- Saving ---

    // The name the save dialog proposes, and where a chosen name saves:
    // the name given the label file's suffix, every symbolic link followed.
    // Throws FileError for a loop of links.
    QString proposedFileName() const;
    static SaveTarget saveTarget(const QString &chosen);
    // Throws UserError; the document stays modified then.
    void save(const QString &target);

signals:
    // A new document, or its template changed: every label is to be drawn
    // and shown again.
    void documentChanged();
    // A label was made current: the box shows its text and rotation.
    void labelSelected(int label);
    // A label's text, records or rotation changed: it is to be drawn again.
    void labelEdited(int label);
    // A command rewrote the current label: the box shows this text, the
    // caret at `boxCaret`.
    void boxTextReplaced(const QString &boxText, int boxCaret);
    void modifiedChanged(bool modified);
    // A label or template file was read into the editor, or the document
    // was written to `path`: the desktop's recent files may list it.
    void fileUsed(const QString &path);
    // What undo, redo and paste can do has changed.
    void commandsChanged();
    // A short message for the status line; empty when the last change went in.
    void statusMessage(const QString &message);

private:
    // The label positions of a box range: start (0-based) and length.
    std::pair<int, int> labelRange(int boxStart, int boxEnd) const;
    // What every command does around its change of the current label.
    template <typename Change>
    void edit(bool takeUndoCopy, Change &&change);
    void replaceBoxText(int labelCaret);
    void afterHistoryChange(int label);
    LabelDocument read(DocumentOrigin origin, const QString &path, const SheetTemplate &designersTemplate) const;
    void take(LabelDocument &&document);

    LabelDocument &document_;
    std::function<bool()> othersBusy_;
    int twipsPerPixelX_;
    int twipsPerPixelY_;
    bool open_ = false;
    int currentLabel_ = 1;
    bool modified_ = false;
    QString dataFolder_;
    EditorSettings settings_;
    UndoHistory history_;
    EditorClipboard clipboard_;
    ImageObjects images_;
};

} // namespace porkane
