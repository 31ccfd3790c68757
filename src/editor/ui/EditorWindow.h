#pragma once

#include <array>

#include <QPointer>

#include "widgets/SkinnedWindow.h"
#include "editor/ApplyFormat.h"
#include "editor/EditorClipboard.h"
#include "editor/EditorSettingsFile.h"
#include "format/InputFormat.h"
#include "editor/UndoHistory.h"
#include "print/ui/PrintPanel.h"
#include "render/LabelCanvas.h"
#include "render/SheetImage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSpinBox;
class QStackedWidget;

namespace porkane {

struct AppState;
class ChangeFormatPanel;
class ColourSwatch;
class EditorTextBox;
class InputFormatPanel;
class PictureButton;
class SheetViewPicture;
class SheetViewport;
class EditorUpDown;
class ImagePasteDialog;

// The editor window (Form5, "文字入力"): it holds the label document from
// its opening to its close. The text box edits the current label, every
// character with its own record; the sheet view shows the whole sheet and
// chooses the current label or an image; the format panels set the format
// of typed characters or change the selected ones; the toolbar saves,
// closes and reaches the other windows.
class EditorWindow : public SkinnedWindow {
    Q_OBJECT
public:
    enum ToolButton {
        CloseButton = 1,
        SaveButton = 2,
        PrintButton = 3,
        FormatSettingsButton = 4,
        TemplateButton = 5,
        CutButton = 6,
        CopyButton = 7,
        PasteButton = 8,
        PasteImageButton = 9,
        DeleteImageButton = 10,
        UndoButton = 11,
        RedoButton = 12,
        AttributeCopyButton = 13,
        MinimiseButton = 14,
        MaximiseButton = 15,
        WindowCloseButton = 16,
    };
    static constexpr int ToolButtonCount = 16;
    static constexpr int MinZoomPercent = 10;
    static constexpr int MaxZoomPercent = 300;

    // Loading: the saved place, ModalMode 1, the font lists, label 1.
    explicit EditorWindow(AppState &state, QWidget *parent = nullptr);
    ~EditorWindow() override;

    // The first activation: Shiyosiki2.ini, the input format from the
    // DefaultFormat, and the document by OpenMode (1 the designer's
    // template, 2 the .fhl at DocumentPath, 3 a new document on the .fom at
    // DocumentPath); every label rendered and the sheet painted. False when
    // a file could not be read: the user has been told, the document is
    // untouched and the window is not to be shown.
    bool start();

    // Called when the window becomes active again (the designer opened from
    // it has closed): renders every label again when ReRenderAll asks.
    void resume();

    // --- For the print panel, the format dialog and the image dialog ---

    // The "入力書式" panel's values (the format dialog edits them).
    InputFormat inputFormat() const;
    void setInputFormat(const InputFormat &format);

    // The eight values of Shiyosiki2.ini as the window holds them; the print
    // offsets and the overrun flag belong to the print panel.
    EditorSettings settings() const;
    void setPrintOffsets(qint16 left, qint16 top); // tenths of a millimetre
    void setForcePrintOverrun(bool force);

    const LabelCanvases &labelCanvases() const { return canvases_; }
    // Renders every label again and repaints the sheet.
    void rerenderAll();
    // RenderLabel for the current label, then RePaint unless ModalMode.
    void renderCurrentLabel();
    // RePaint: the sheet image rebuilt and shown at the zoom.
    void repaintSheet();

    // The picture index of the selected image, 0 for none.
    qint32 selectedImage() const { return SelectedImage_; }
    // Makes an image (picture index) the selected one, with its marks.
    void selectImage(qint32 pictureIndex);
    void clearImageSelection();
    // Whether the selected image's object has the keyboard (after a click
    // on it): its arrow keys step 56.7 view pixels, 5.67 with Shift.
    bool imageObjectFocused() const { return objectFocused_; }

    // Image commands: the paste dialog for a new image (refused with a
    // message at 20 images), the dialog on an image (0: the selected one),
    // and deleting the selected image.
    void pasteImage();
    void editImage(qint32 pictureIndex = 0);
    void deleteSelectedImage();
    // The paste dialog while it is up, else null.
    ImagePasteDialog *imageDialog() const;

    // --- State, for the program and the tests ---
    int currentLabel() const { return CurrentLabel_; }
    bool isModified() const { return Modified_; }
    double zoom() const { return zoom_; }
    PictureButton *toolButton(int index) const { return toolButtons_.at(std::size_t(index - 1)); }
    const SheetImage &sheetImage() const { return sheetImage_; }

    // Room for the text box, both panels and a good part of an A4 sheet.
    QSize sizeHint() const override;

    // --- Commands ---
    void runToolButton(int index);
    void saveDocument();
    void cut();
    void copy();
    void paste();
    void undo();
    void redo();
    void attributeCopy();
    void applyFormat(FormatCommand command);
    void openDesigner();
    // The print panel over the sheet view (toolbar "印刷").
    void showPrintPanel();
    // The format-settings dialog on the input format (toolbar "書式設定").
    void openFormatSettings();
    PrintPanel *printPanel() const { return printPanel_; }
    // Makes a label current, as a click on it does.
    void selectLabel(int label);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    QWidget *buildToolbar();
    QWidget *buildTextGroup();
    QWidget *buildViewGroup();
    void fillFontLists();

    bool refuseToOpen(); // the broken-file message; always false
    void showDocument();
    void showLabelInBox(int label);
    void setBoxText(const QString &boxText, int caret);

    // Text entry.
    void takeUndoCopy();
    void boxTextChanged();
    void selectionChanged();
    void showStatus(const QString &message);
    // The box's selection in the label's positions: start (0-based) and length.
    std::pair<int, int> selectedRange() const;
    void updateToolButtons();
    void showPopupMenu(const QPoint &globalPosition);
    void afterHistoryChange(int label);

    // The sheet view.
    void zoomTextEdited(const QString &text);
    void zoomStepped(int percent);
    void applyZoom();
    void chooseViewColour(ColourSwatch *swatch);
    void viewSettingChanged();
    void rotationClicked(bool rotated);
    void updateGuides();
    void updateMarks();
    SheetViewState viewState() const;
    SheetViewStyle viewStyle() const;

    // Pointer selection and images.
    void sheetPressed(QMouseEvent *event);
    void sheetMoved(QMouseEvent *event);
    void sheetReleased(QMouseEvent *event);
    bool sheetKeyPressed(QKeyEvent *event);
    void hitImage(int imageNumber, QMouseEvent *event);
    void showImageMenu(const QPoint &globalPosition);
    void setImageLayer(qint32 layer);
    void openImageDialog(ImagePasteDialog *dialog);
    // The dialog's result as a new image or as the edited one.
    void receiveImage(ImagePasteDialog *dialog, bool accepted);
    bool moveFocusedObject(int dx, int dy, bool fine);
    void imageDoubleClicked(QMouseEvent *event);

    AppState &state_;
    bool started_ = false;

    // Editor state.
    int CurrentLabel_ = 1;
    bool Modified_ = false;
    bool ProgrammaticChange_ = false;
    qint32 SelectedImage_ = 0;
    bool DragArmed_ = false;
    bool dragMoved_ = false;
    ImageDrag drag_;
    qint32 DragOffsetX_ = 0;
    qint32 DragOffsetY_ = 0;
    double zoom_ = 1.0;
    // The focused image object's place in view pixels; it keeps the
    // fractions of its key steps, the document the rounded place.
    bool objectFocused_ = false;
    double objectLeft_ = 0;
    double objectTop_ = 0;
    qint32 ImageEditSlot_ = 0;
    QPointer<ImagePasteDialog> imageDialog_;
    qint16 printOffsetLeft_ = 0;
    qint16 printOffsetTop_ = 0;
    qint16 forcePrintOverrun_ = 0;

    UndoHistory history_;
    EditorClipboard clipboard_;
    LabelCanvases canvases_;
    SheetImage sheetImage_;
    QImage selectionMarks_; // the selected image's marks, see-through elsewhere

    // Controls.
    std::array<PictureButton *, ToolButtonCount> toolButtons_{};
    EditorTextBox *textBox_ = nullptr;
    QLabel *statusLine_ = nullptr;
    QCheckBox *rotateBox_ = nullptr;
    QStackedWidget *formatPanels_ = nullptr;
    InputFormatPanel *inputPanel_ = nullptr;
    ChangeFormatPanel *changePanel_ = nullptr;
    SheetViewport *sheetViewport_ = nullptr;
    SheetViewPicture *sheetPicture_ = nullptr;
    QLineEdit *zoomField_ = nullptr;
    EditorUpDown *zoomSpinner_ = nullptr;
    QCheckBox *gridBox_ = nullptr;
    QSpinBox *gridSpacing_ = nullptr;
    ColourSwatch *gridColour_ = nullptr;
    ColourSwatch *backgroundColour_ = nullptr;
    ColourSwatch *labelColour_ = nullptr;
    QCheckBox *imageFirstBox_ = nullptr;
    QMenu *popupMenu_ = nullptr;
    QMenu *imageMenu_ = nullptr;
    QPointer<PrintPanel> printPanel_; // made when first shown
};

} // namespace porkane
