#pragma once

#include <array>

#include <QElapsedTimer>
#include <QImage>
#include <QPointer>

#include "core/Colour.h"
#include "document/PictureSource.h"
#include "image/ImagePasteModel.h"
#include "widgets/SkinnedWindow.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;

namespace porkane {

struct AppState;
class BarcodeDialog;
class ColourSwatch;
class MillimetreField;
class NumberField;
class PicturePreview;
class PictureButton;

// The image paste dialog (frm_f020, "画像の貼り付け"): a picture from a file
// or the clipboard is turned, mirrored and sized here, and given a
// see-through colour, before the editor pastes it. What it decides is
// ImagePasteModel's; the dialog shows it and forwards what the user does.
//
// The editor makes one dialog per paste or edit and owns it:
//
//   auto *dialog = new ImagePasteDialog(state, editorWindow);          // new image
//   auto *dialog = new ImagePasteDialog(state, picture, flag, colour,  // editing
//                                       editorWindow);
//   connect(dialog, &ImagePasteDialog::finished, editorWindow, [=](int result) {
//       if (result == QDialog::Accepted) { ... dialog->picture(), transparent(), transparentColour() ... }
//       dialog->deleteLater();
//   });
//   dialog->open();          // or: if (dialog->exec() == QDialog::Accepted) { ... } delete dialog;
//
// open() and exec() show it application-modal and set AppState::ModalMode
// to ModalImageDialog. "O   K" accepts; "閉じる", the title bar's close
// button and Escape reject. Either way the window's place is kept in
// AppState::settings.pasteDialog, the dialog hides, the focus goes back to
// the editor window and finished() is emitted; ModalMode is still
// ModalImageDialog while finished() is handled and ModalNone after it.
// While the model is busy the dialog cannot be closed.
//
// Accepting needs a picture: without one "O   K" is disabled and accept()
// only says so in the status line, so no empty image reaches the document.
//
// "バーコード作成" opens the barcode dialog; its symbol comes in like a
// loaded picture, with its settings beside it (pictureSource()) for the
// editor to keep. Editing a barcode picture opens the barcode dialog on
// its settings as soon as this dialog shows.
//
// Controls (object names): acceptButton ("O   K"), closeDialogButton
// ("閉じる"), fileButton, clipboardButton, restoreButton, turn90Button,
// turn180Button, turn270Button, mirrorLeftRightButton,
// mirrorTopBottomButton, barcodeButton with barcodeNote, angleField,
// turnByAngleButton, scaleField,
// widthField, heightField, transparentBox ("透過処理"), transparentColour
// (the swatch) with transparentColourCaption ("透過色"), pickColourBox
// ("取得"), preview with noPictureLabel ("（なし）"), verticalBar,
// horizontalBar and previewPicture, progressBox with progressBar and
// progressMessage, statusLine.
class ImagePasteDialog : public SkinnedDialog {
    Q_OBJECT
public:
    // For a new image (ImageEditMode false): empty, "（なし）" shown.
    explicit ImagePasteDialog(AppState &state, QWidget *editor = nullptr);
    // For editing an image (ImageEditMode true): its picture is the loaded
    // picture, the result and the source copy at scale 100, and the
    // see-through box and colour are the image's own.
    ImagePasteDialog(AppState &state, const QImage &picture, bool transparent, RgbValue transparentColour,
                     QWidget *editor = nullptr, const PictureSource &source = {});
    ~ImagePasteDialog() override;

    void open() override;
    int exec() override;
    // Accepting without a picture, or closing while busy, does nothing.
    void done(int result) override;

    bool ImageEditMode() const { return editMode_; }
    bool ImageDialogAccepted() const { return result() == Accepted; }

    // The result the editor takes over.
    QImage picture() const { return model_.picture(); }
    bool transparent() const { return model_.transparent(); }
    RgbValue transparentColour() const { return model_.transparentColour(); }
    // What the picture was made from: a barcode's settings, or Picture.
    const PictureSource &pictureSource() const { return model_.pictureSource(); }

    const ImagePasteModel &model() const { return model_; }
    const ImageWorkbench &workbench() const { return model_.workbench(); }
    ImagePasteModel::BusyState busyState() const { return model_.busyState(); }

    // The buttons' commands; each does nothing unless the model is idle.
    void loadFromFile();
    void pasteFromClipboard();
    void restore() { model_.restore(); }
    void turn90() { model_.turn90(); }
    void turn180() { model_.turn180(); }
    void turn270() { model_.turn270(); }
    void mirrorLeftRight() { model_.mirrorLeftRight(); }
    void mirrorTopBottom() { model_.mirrorTopBottom(); }
    void turnByAngle();
    // "バーコード作成": the barcode dialog, on the present barcode's
    // settings when the picture is one.
    void makeBarcode();
    BarcodeDialog *barcodeDialog() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    ImagePasteDialog(AppState &state, bool editMode, QWidget *editor);

    void buildControls();
    QWidget *buildToolbar();
    QWidget *buildLoadGroup();
    QWidget *buildTurnGroup();
    QWidget *buildSizeGroup();
    QWidget *buildTransparencyGroup();
    QFrame *buildProgressBox();
    void connectModel();

    // What the model says, shown.
    void showPicture();
    void showFields(ImagePasteModel::Fields fields);
    void showSeeThrough();
    void showPictureSource();
    // Editing a barcode starts in the barcode dialog.
    void openBarcodeDialogWhenEditing();
    void showTurnStarted();
    void showRowsTurned(int rowsDone, int rowCount);
    void showTurnFinished();
    void placeProgressBox();

    void chooseColour();
    // Marks the dialog as the editor's modal step before it shows.
    void markModal();

    AppState &state_;
    const bool editMode_;
    QPointer<QWidget> editor_;
    ImagePasteModel model_;
    QElapsedTimer rowClock_;

    PicturePreview *preview_ = nullptr;
    PictureButton *acceptButton_ = nullptr;
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
    QLabel *barcodeNote_ = nullptr;
    QPointer<BarcodeDialog> barcodeDialog_;
    bool barcodeDialogOffered_ = false;
};

} // namespace porkane
