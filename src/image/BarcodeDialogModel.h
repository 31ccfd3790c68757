#pragma once

// What the barcode dialog decides, without the dialog: the symbology, its
// data (or, for the customer barcode, the postal code and 住所B), the size
// by module or as a whole, the text under the bars, the quiet zone and the
// QR code's error correction; and, after every change, the symbol drawn at
// the print resolution or the reason it cannot be drawn.
//
// The settings are a PictureSource, the plain values the document keeps
// beside the picture, so that "編集" starts the dialog on them again.

#include <QObject>
#include <QString>

#include "document/PictureSource.h"
#include "image/Barcode.h"

namespace porkane {

class BarcodeDialogModel : public QObject {
    Q_OBJECT
public:
    // A JAN-13 of the usual size, without data.
    explicit BarcodeDialogModel(QObject *parent = nullptr);

    // The settings of a barcode picture being edited; anything that is no
    // barcode's starts as a new one.
    void startOn(const PictureSource &settings);

    const PictureSource &settings() const { return settings_; }
    Symbology symbology() const { return symbology_; }

    // A new symbology takes its own usual module and bar height; the data
    // stays as typed.
    void setSymbology(Symbology symbology);
    void setData(const QString &data);
    void setPostcode(const QString &postcode);
    void setAddressB(const QString &addressB);
    // The whole size starts as the symbol's present size, so switching
    // changes nothing until a length is typed.
    void setOverallSize(bool overall);
    void setModuleMm(double millimetres);
    void setBarHeightMm(double millimetres);
    void setWidthMm(double millimetres);
    void setHeightMm(double millimetres);
    void setHumanReadable(bool on);
    void setQuietZone(bool on);
    void setErrorCorrection(QrErrorCorrection level);

    // Which settings the symbology has.
    bool usesPostalAddress() const { return symbology_ == Symbology::JapanPost; } // 郵便番号 and 住所B
    bool hasBarHeight() const;       // linear codes; the customer barcode's height is fixed
    bool hasHumanReadable() const;   // linear codes with digits under the bars
    bool hasErrorCorrection() const { return symbology_ == Symbology::QrCode; }
    // The data names merge fields: the picture is a sample, each record of
    // a merge gets its own symbol.
    bool hasFields() const { return hasFields_; }

    // Why no symbol can be drawn, in the user's words; empty when the
    // picture shows one.
    QString problem() const { return problem_; }
    bool canAccept() const { return problem_.isEmpty(); }
    // The symbol at BarcodePictureDpi; its image is null while refused.
    const BarcodePicture &picture() const { return picture_; }
    // What a reader returns (with the check digit; the customer barcode's
    // data); empty for a sample or a refusal.
    QString readout() const { return readout_; }

signals:
    // After every change of a setting, with the new picture or problem.
    void changed();

private:
    void update();

    PictureSource settings_;
    Symbology symbology_ = Symbology::Ean13;
    bool hasFields_ = false;
    QString problem_;
    QString readout_;
    BarcodePicture picture_;
};

} // namespace porkane
