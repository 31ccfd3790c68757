#pragma once

#include <array>

#include <QPointer>

#include "widgets/SkinnedWindow.h"
#include "editor/EditorSession.h"
#include "editor/ui/EditorToolbar.h"
#include "editor/ui/SheetViewGroup.h"
#include "format/InputFormat.h"

class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QStackedWidget;

namespace porkane {

struct AppState;
class ChangeFormatPanel;
class EditorTextBox;
class ImagePasteDialog;
class InputFormatPanel;
class PictureButton;
class PrintPanel;
class UserError;

// The editor window (Form5, "文字入力"): the text box edits the current
// label, the sheet view shows the whole sheet and chooses the current label
// or an image, the format panels set the format of typed characters or
// change the selected ones, and the toolbar saves, closes and reaches the
// other windows. The document and its rules are the EditorSession's; the
// window shows what the session says changed.
class EditorWindow : public SkinnedWindow {
    Q_OBJECT
public:
    using enum EditorToolButton;
    static constexpr int ToolButtonCount = EditorToolbar::ButtonCount;

    // Loading: the saved place, ModalMode 1, the font lists, label 1.
    explicit EditorWindow(AppState &state, QWidget *parent = nullptr);
    ~EditorWindow() override;

    // The first activation: the settings, the input format from the
    // DefaultFormat and the document by OpenMode, every label rendered and
    // the sheet painted. False when a file could not be read: the user has
    // been told, the document is untouched and the window is not to be shown.
    bool start();

    // Called when the window becomes active again (the designer opened from
    // it has closed): everything is shown again when ReRenderAll asks.
    void resume();

    EditorSession &session() { return session_; }

    // --- For the print panel, the format dialog and the tests ---
    InputFormat inputFormat() const;
    void setInputFormat(const InputFormat &format);
    EditorSettings settings() const { return session_.settings(); }
    void setPrintOffsets(qint16 left, qint16 top); // tenths of a millimetre
    void setForcePrintOverrun(bool force);

    const LabelCanvases &labelCanvases() const { return viewGroup_->labelCanvases(); }
    const SheetImage &sheetImage() const { return viewGroup_->sheetImage(); }
    // RenderLabel for the current label, then RePaint unless ModalMode.
    void renderCurrentLabel() { viewGroup_->renderLabel(session_.currentLabel()); }
    // RePaint: the sheet image rebuilt and shown at the zoom.
    void repaintSheet() { viewGroup_->repaintSheet(); }

    int currentLabel() const { return session_.currentLabel(); }
    bool isModified() const { return session_.isModified(); }
    double zoom() const { return viewGroup_->zoom(); }
    PictureButton *toolButton(int index) const { return toolbar_->button(index); }
    QSize sizeHint() const override;

    // --- Images ---
    qint32 selectedImage() const { return images().selected(); }
    void selectImage(qint32 pictureIndex) { images().select(pictureIndex); }
    void clearImageSelection() { images().clearSelection(); }
    bool imageObjectFocused() const { return images().objectFocused(); }
    // The paste dialog for a new image (refused with a message at 20
    // images), the dialog on an image (0: the selected one), deleting the
    // selected image.
    void pasteImage();
    void editImage(qint32 pictureIndex = 0);
    void deleteSelectedImage();
    // The paste dialog while it is up, else null.
    ImagePasteDialog *imageDialog() const;

    // --- Commands ---
    void runToolButton(int index);
    // A label file opened in the editor, or a template file as a new
    // document, as a file dropped on the window: after the question about
    // unsaved work; a file that cannot be read leaves the document as it is.
    void openDroppedFile(const QString &path);
    void saveDocument();
    void cut();
    void copy();
    void paste();
    void undo() { session_.undo(); }
    void redo() { session_.redo(); }
    void attributeCopy();
    void applyFormat(FormatCommand command);
    void openDesigner();
    void showPrintPanel();
    void openFormatSettings();
    PrintPanel *printPanel() const;
    // Makes a label current, as a click on it does.
    void selectLabel(int label) { session_.selectLabel(label); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    ImageObjects &images() { return session_.images(); }
    const ImageObjects &images() const { return session_.images(); }
    LabelDocument &document() const { return session_.document(); }

    void buildControls();
    QWidget *buildTextGroup();
    void buildMenus();
    void buildShortcuts();
    void connectSession();
    bool refuseToOpen(const UserError &error); // the refusal naming the file; always false
    void rememberTemplateName(DocumentOrigin origin, const QString &path);

    void showDocument();
    void showLabelInBox(int label);
    void setBoxText(const QString &boxText, int caret);
    void updateToolButtons();
    void boxTextChanged();
    void boxSelectionChanged();
    void showSelectionFormat();
    void renderingFailed();
    void showPopupMenu(const QPoint &globalPosition);
    void setImageLayer(qint32 layer);
    void openImageDialog(ImagePasteDialog *dialog);

    AppState &state_;
    EditorSession session_;
    // Set while the window itself rewrites the text box: the box's change
    // signals are then no typing.
    bool ProgrammaticChange_ = false;
    // The box position whose character the change panel shows; -1 while
    // nothing is selected.
    int shownSelectionStart_ = -1;
    // Attribute copy filled the change panel: its values are for the next
    // selection, until they have been applied.
    bool holdCopiedAttributes_ = false;
    // Rendering that ran out of memory is told once per document.
    bool renderFailureTold_ = false;
    QPointer<ImagePasteDialog> imageDialog_;
    QPointer<PrintPanel> printPanel_; // made when first shown

    EditorToolbar *toolbar_ = nullptr;
    EditorTextBox *textBox_ = nullptr;
    QLabel *statusLine_ = nullptr;
    QCheckBox *rotateBox_ = nullptr;
    QStackedWidget *formatPanels_ = nullptr;
    InputFormatPanel *inputPanel_ = nullptr;
    ChangeFormatPanel *changePanel_ = nullptr;
    SheetViewGroup *viewGroup_ = nullptr;
    QMenu *popupMenu_ = nullptr;
    QMenu *imageMenu_ = nullptr;
};

} // namespace porkane
