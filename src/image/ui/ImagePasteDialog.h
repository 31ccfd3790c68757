#pragma once

#include <array>
#include <functional>

#include <QElapsedTimer>
#include <QImage>
#include <QPointer>

#include "widgets/SkinnedWindow.h"
#include "core/Colour.h"
#include "image/ImageWorkbench.h"

class QCheckBox;
class QEventLoop;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;

namespace porkane {

struct AppState;
class ColourSwatch;
class MillimetreField;
class NumberField;
class PicturePreview;

// The image paste dialog (frm_f020, "画像の貼り付け"): a picture from a file
// or the clipboard is turned, mirrored and sized here, and given a
// see-through colour, before the editor pastes it.
//
// The editor makes one dialog per paste or edit and owns it:
//
//   auto *dialog = new ImagePasteDialog(state, editorWindow);          // new image
//   auto *dialog = new ImagePasteDialog(state, picture, flag, colour,  // editing
//                                       editorWindow);
//   connect(dialog, &ImagePasteDialog::finished, editorWindow, [=](bool accepted) {
//       if (accepted) { ... dialog->picture(), transparent(), transparentColour() ... }
//       dialog->deleteLater();
//   });
//   dialog->open();          // or: if (dialog->exec()) { ... } delete dialog;
//
// open() shows it application-modal and sets AppState::ModalMode to 2. "O K"
// hides it with ImageDialogAccepted() true; "閉じる", the title bar's close
// button and Escape hide it with ImageDialogAccepted() false. Either way the
// window's place is kept in AppState::settings.pasteDialog, the focus goes
// back to the editor window and finished() is emitted; ModalMode is still 2
// while finished() is handled and 0 after it. A dialog is used once.
//
// Accepting needs a picture: without one "O K" is disabled and accept()
// does nothing, so no empty image ever reaches the document.
//
// Controls (object names): acceptButton ("O   K"), closeDialogButton
// ("閉じる"), fileButton, clipboardButton, restoreButton, turn90Button,
// turn180Button, turn270Button, mirrorLeftRightButton,
// mirrorTopBottomButton, angleField, turnByAngleButton, scaleField,
// widthField, heightField, transparentBox ("透過処理"), transparentColour
// (the swatch) with transparentColourCaption ("透過色"), pickColourBox
// ("取得"), preview with noPictureLabel ("（なし）"), verticalBar,
// horizontalBar and previewPicture, progressBox with progressBar and
// progressMessage, statusLine.
class ImagePasteDialog : public SkinnedWindow {
    Q_OBJECT
public:
    // Buttons act only when idle; while a typed width or height is applied
    // the scale field's change does nothing.
    enum BusyState { Idle = 0, Working = 1, ApplyingSize = 2 };

    static inline const QString Caption = QStringLiteral("画像の貼り付け");
    // The picture files offered; the upper-case names too, as file names
    // here tell the cases apart.
    static inline const QString PictureFileFilter = QStringLiteral(
        "画像ファイル (*.bmp *.jpg *.gif *.ico *.wmf *.emf *.BMP *.JPG *.GIF *.ICO *.WMF *.EMF)");

    // For a new image (ImageEditMode false): empty, "（なし）" shown.
    explicit ImagePasteDialog(AppState &state, QWidget *editor = nullptr);
    // For editing an image (ImageEditMode true): its picture is the loaded
    // picture, the result and the source copy at scale 100, and the
    // see-through box and colour are the image's own.
    ImagePasteDialog(AppState &state, const QImage &picture, bool transparent, RgbValue transparentColour,
                     QWidget *editor = nullptr);
    ~ImagePasteDialog() override;

    // Shows the dialog application-modal over the editor; ModalMode := 2.
    void open();
    // open() and wait until the dialog is done; returns ImageDialogAccepted().
    bool exec();

    bool ImageEditMode() const { return editMode_; }
    bool ImageDialogAccepted() const { return accepted_; }
    bool isFinished() const { return finished_; }

    // The result the editor takes over.
    QImage picture() const { return workbench_.result(); }
    bool transparent() const;
    RgbValue transparentColour() const;

    const ImageWorkbench &workbench() const { return workbench_; }
    BusyState busyState() const { return busy_; }

    // The buttons' commands; each does nothing unless the dialog is idle.
    bool accept(); // false, with a word in the status line, without a picture
    void loadFromFile();
    void pasteFromClipboard();
    void restore();
    void turn90();
    void turn180();
    void turn270();
    void mirrorLeftRight();
    void mirrorTopBottom();
    void turnByAngle();

signals:
    void finished(bool accepted);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    ImagePasteDialog(AppState &state, bool editMode, QWidget *editor);

    void buildControls();
    QWidget *buildToolbar();
    QWidget *buildLoadGroup();
    QWidget *buildTurnGroup();
    QWidget *buildSizeGroup();
    QWidget *buildTransparencyGroup();
    QWidget *buildProgressBox();

    // A new picture (file, clipboard) as all three pictures, or the status
    // line says why not and nothing changes.
    void takePicture(const std::function<QImage()> &obtain);
    // One transformation of the result; `withProgress` shows the progress
    // box and lets events run after rows.
    void transform(const std::function<void(const RowProgress &)> &operation, bool withProgress,
                   bool sizesToTenths);
    void beginProgress();
    void endProgress();
    void reportRow(int rowsDone, int rowCount);

    void scaleEdited(int percent);
    // A typed width (or height) stretches the source copy to it; the other
    // side stays as it is.
    void sideEdited(Qt::Orientation side, double millimetres);
    void transparencyToggled(bool on);
    void pickingToggled(bool on);
    void picturePressed(QPoint pixel);
    void chooseColour();

    // The result in the preview and its size in the fields, the scale 100.
    void showResult(bool sizesToTenths = false);
    void updateEnabled();
    void setStatus(const QString &text);
    void finish(bool accepted);
    void placeProgressBox();

    AppState &state_;
    const bool editMode_;
    QPointer<QWidget> editor_;
    ImageWorkbench workbench_;
    BusyState busy_ = Idle;
    bool opened_ = false;
    bool finished_ = false;
    bool accepted_ = false;
    QEventLoop *loop_ = nullptr;
    QElapsedTimer rowClock_;

    PicturePreview *preview_ = nullptr;
    PictureButton *acceptButton_ = nullptr;
    PictureButton *closeDialogButton_ = nullptr;
    std::array<PictureButton *, 7> turnButtons_{};
    QLineEdit *angleField_ = nullptr;
    NumberField *scaleField_ = nullptr;
    MillimetreField *widthField_ = nullptr;
    MillimetreField *heightField_ = nullptr;
    QCheckBox *transparentBox_ = nullptr;
    QLabel *colourCaption_ = nullptr;
    ColourSwatch *swatch_ = nullptr;
    QCheckBox *pickBox_ = nullptr;
    QFrame *progressBox_ = nullptr;
    QProgressBar *progressBar_ = nullptr;
    QLabel *statusLine_ = nullptr;
};

} // namespace porkane
