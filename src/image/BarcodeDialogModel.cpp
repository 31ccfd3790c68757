#include "image/BarcodeDialogModel.h"

#include <cmath>

#include "core/Errors.h"
#include "image/BarcodeSource.h"

namespace porkane {

namespace {

// The usual sizes of a symbology, kept in the settings.
void takeUsualSizes(PictureSource &settings, Symbology symbology)
{
    const BarcodeRequest usual = defaultBarcodeRequest(symbology);
    settings.moduleMm = usual.moduleMm;
    settings.barHeightMm = usual.heightMm;
}

// Lengths are kept to a hundredth of a millimetre, as the fields show them.
double hundredths(double millimetres)
{
    return std::isfinite(millimetres) ? std::round(millimetres * 100) / 100 : 0;
}

} // namespace

BarcodeDialogModel::BarcodeDialogModel(QObject *parent) : QObject(parent)
{
    settings_.kind = PictureSource::Kind::Barcode;
    settings_.symbology = symbologyKey(symbology_);
    takeUsualSizes(settings_, symbology_);
    settings_.widthMm = 40;
    settings_.heightMm = 20;
    update();
}

void BarcodeDialogModel::startOn(const PictureSource &settings)
{
    Symbology symbology = Symbology::Ean13;
    if (barcodeSymbology(settings, symbology)) {
        settings_ = settings;
        symbology_ = symbology;
    }
    update();
}

void BarcodeDialogModel::setSymbology(Symbology symbology)
{
    if (symbology == symbology_)
        return;
    symbology_ = symbology;
    settings_.symbology = symbologyKey(symbology);
    takeUsualSizes(settings_, symbology);
    update();
}

void BarcodeDialogModel::setData(const QString &data)
{
    if (data == settings_.data)
        return;
    settings_.data = data;
    update();
}

void BarcodeDialogModel::setPostcode(const QString &postcode)
{
    if (postcode == settings_.postcode)
        return;
    settings_.postcode = postcode;
    update();
}

void BarcodeDialogModel::setAddressB(const QString &addressB)
{
    if (addressB == settings_.addressB)
        return;
    settings_.addressB = addressB;
    update();
}

void BarcodeDialogModel::setOverallSize(bool overall)
{
    if (overall == settings_.overallSize)
        return;
    if (overall && !picture_.image.isNull()) {
        // Up to the next hundredth, so that the same symbol still fits.
        settings_.widthMm = std::ceil(picture_.widthMm * 100 - 1e-6) / 100;
        settings_.heightMm = std::ceil(picture_.heightMm * 100 - 1e-6) / 100;
    }
    settings_.overallSize = overall;
    update();
}

void BarcodeDialogModel::setModuleMm(double millimetres)
{
    if (hundredths(millimetres) == settings_.moduleMm)
        return;
    settings_.moduleMm = hundredths(millimetres);
    update();
}

void BarcodeDialogModel::setBarHeightMm(double millimetres)
{
    if (hundredths(millimetres) == settings_.barHeightMm)
        return;
    settings_.barHeightMm = hundredths(millimetres);
    update();
}

void BarcodeDialogModel::setWidthMm(double millimetres)
{
    if (hundredths(millimetres) == settings_.widthMm)
        return;
    settings_.widthMm = hundredths(millimetres);
    update();
}

void BarcodeDialogModel::setHeightMm(double millimetres)
{
    if (hundredths(millimetres) == settings_.heightMm)
        return;
    settings_.heightMm = hundredths(millimetres);
    update();
}

void BarcodeDialogModel::setHumanReadable(bool on)
{
    if (on == settings_.humanReadable)
        return;
    settings_.humanReadable = on;
    update();
}

void BarcodeDialogModel::setQuietZone(bool on)
{
    if (on == settings_.quietZone)
        return;
    settings_.quietZone = on;
    update();
}

void BarcodeDialogModel::setErrorCorrection(QrErrorCorrection level)
{
    if (int(level) == settings_.errorCorrection)
        return;
    settings_.errorCorrection = int(level);
    update();
}

bool BarcodeDialogModel::hasBarHeight() const
{
    return !isMatrixSymbology(symbology_) && symbology_ != Symbology::JapanPost;
}

bool BarcodeDialogModel::hasHumanReadable() const { return hasBarHeight(); }

void BarcodeDialogModel::update()
{
    hasFields_ = !barcodeFieldNames(settings_).isEmpty();
    problem_.clear();
    readout_.clear();
    picture_ = BarcodePicture{};
    if (usesPostalAddress() && settings_.postcode.trimmed().isEmpty()) {
        // Asked for as the other symbologies ask for their data.
        problem_ = tr("郵便番号を入力してください");
        emit changed();
        return;
    }
    try {
        const BarcodeRequest request = barcodeRequest(settings_);
        picture_ = drawBarcode(request, BarcodePictureDpi);
        if (!hasFields_)
            readout_ = barcodeReadout(request.symbology, request.data);
    } catch (const UserError &error) {
        problem_ = error.message();
        picture_ = BarcodePicture{};
    }
    emit changed();
}

} // namespace porkane
