#pragma once

#include "document/PictureSource.h"
#include "image/BarcodeDialogModel.h"
#include "widgets/SkinnedWindow.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace porkane {

class BarcodePreview;
class PictureButton;

// The barcode dialog ("バーコード作成"), opened from the image paste
// dialog: the symbology, its data (the postal code and 住所B for the
// customer barcode), the size by module or as a whole, the text under the
// bars, the quiet zone and the QR code's error correction, with the symbol
// or the reason it cannot be made shown at once. What it decides is
// BarcodeDialogModel's.
//
// "O   K" (only while a symbol is shown) accepts; "閉じる", the title bar's
// close button and Escape reject. The paste dialog then takes picture()
// with settings() beside it.
//
// Controls (object names): symbologyBox, dataField, postcodeField,
// addressBField, readoutLine, fieldsNote, moduleSizing, overallSizing,
// moduleField, barHeightField, widthField, heightField, humanReadableBox,
// quietZoneBox, errorCorrectionBox, preview, sizeLine, problemLine,
// saveNote, acceptButton, closeDialogButton.
class BarcodeDialog : public SkinnedDialog {
    Q_OBJECT
public:
    // A new barcode, or the settings of one being edited.
    explicit BarcodeDialog(const PictureSource &settings = {}, QWidget *parent = nullptr);

    // Accepting needs a symbol.
    void done(int result) override;

    const BarcodeDialogModel &model() const { return model_; }
    const BarcodePicture &picture() const { return model_.picture(); }
    const PictureSource &settings() const { return model_.settings(); }

private:
    void buildControls();
    QWidget *buildToolbar();
    QWidget *buildDataGroup();
    QWidget *buildSizeGroup();
    QWidget *buildLookGroup();
    QWidget *buildPreviewGroup();
    void connectControls();
    void showModel();

    BarcodeDialogModel model_;
    // Set while the controls are being set from the model.
    bool showing_ = false;

    PictureButton *acceptButton_ = nullptr;
    QComboBox *symbologyBox_ = nullptr;
    QLabel *dataCaption_ = nullptr;
    QLineEdit *dataField_ = nullptr;
    QLabel *postcodeCaption_ = nullptr;
    QLineEdit *postcodeField_ = nullptr;
    QLabel *addressBCaption_ = nullptr;
    QLineEdit *addressBField_ = nullptr;
    QLabel *readoutLine_ = nullptr;
    QLabel *fieldsNote_ = nullptr;
    QRadioButton *moduleSizing_ = nullptr;
    QRadioButton *overallSizing_ = nullptr;
    QDoubleSpinBox *moduleField_ = nullptr;
    QLabel *barHeightCaption_ = nullptr;
    QDoubleSpinBox *barHeightField_ = nullptr;
    QDoubleSpinBox *widthField_ = nullptr;
    QDoubleSpinBox *heightField_ = nullptr;
    QCheckBox *humanReadableBox_ = nullptr;
    QCheckBox *quietZoneBox_ = nullptr;
    QLabel *errorCorrectionCaption_ = nullptr;
    QComboBox *errorCorrectionBox_ = nullptr;
    BarcodePreview *preview_ = nullptr;
    QLabel *sizeLine_ = nullptr;
    QLabel *problemLine_ = nullptr;
};

} // namespace porkane
