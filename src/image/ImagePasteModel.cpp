#include "image/ImagePasteModel.h"

#include <algorithm>

#include "core/Errors.h"
#include "core/Rounding.h"
#include "core/Units.h"
#include "image/ImageMessages.h"
#include "image/PictureLimits.h"

namespace porkane {

namespace {

// The busy state for one operation, back to idle however it ends.
class Busy {
public:
    Busy(ImagePasteModel::BusyState &state, ImagePasteModel::BusyState during) : state_(state)
    {
        state_ = during;
    }
    ~Busy() { state_ = ImagePasteModel::Idle; }
    Busy(const Busy &) = delete;
    Busy &operator=(const Busy &) = delete;

private:
    ImagePasteModel::BusyState &state_;
};

} // namespace

ImagePasteModel::ImagePasteModel(int twipsPerPixelX, int twipsPerPixelY, QObject *parent)
    : QObject(parent), workbench_(twipsPerPixelX, twipsPerPixelY)
{
}

void ImagePasteModel::startOn(const QImage &picture, bool transparent, RgbValue colour, const PictureSource &source)
{
    if (!isIdle())
        return;
    const Busy busy(busy_, Working);
    bool loaded = false;
    try {
        workbench_.load(picture);
        loaded = true;
    } catch (const UserError &error) {
        setStatus(error.message());
    }
    transparent_ = transparent;
    colour_ = colour;
    picking_ = false;
    loadedTurns_ = source.quarterTurns;
    setSource(loaded ? source : PictureSource{});
    emit seeThroughChanged();
    showNewResult(source_.isBarcode());
}

void ImagePasteModel::setSource(const PictureSource &source)
{
    if (source == source_)
        return;
    source_ = source;
    emit pictureSourceChanged();
}

void ImagePasteModel::turnSource(int quarterTurns)
{
    if (!source_.isBarcode())
        return;
    PictureSource turned = source_;
    turned.quarterTurns = (turned.quarterTurns + quarterTurns) % 4;
    setSource(turned);
}

void ImagePasteModel::keepSourceIfUnscaled()
{
    // Scaling starts from the source copy: the same size is the same picture.
    if (source_.isBarcode() && workbench_.result().size() != workbench_.sourceCopy().size())
        setSource({});
}

double ImagePasteModel::shown(double millimetres) const
{
    if (!hasPicture())
        return 0;
    return sizesToTenths_ ? roundHalfEven(millimetres * 10) / 10 : roundHalfEven(millimetres);
}

double ImagePasteModel::shownWidth() const { return shown(workbench_.resultWidth().value); }

double ImagePasteModel::shownHeight() const { return shown(workbench_.resultHeight().value); }

void ImagePasteModel::setStatus(const QString &status)
{
    if (status == status_)
        return;
    status_ = status;
    emit statusChanged(status_);
}

void ImagePasteModel::showNewResult(bool sizesToTenths)
{
    shownScale_ = workbench_.scalePercent();
    sizesToTenths_ = sizesToTenths;
    emit pictureChanged();
    emit fieldsChanged(AllFields);
}

// --- Loading --------------------------------------------------------------------

void ImagePasteModel::takePicture(const std::function<std::optional<QImage>()> &obtain)
{
    if (!isIdle())
        return;
    const Busy busy(busy_, Working);
    bool attempted = true;
    try {
        const std::optional<QImage> picture = obtain();
        attempted = picture.has_value();
        if (picture) {
            workbench_.load(*picture);
            setStatus({});
            loadedTurns_ = 0;
            setSource({});
            showNewResult(false);
        }
    } catch (const UserError &error) {
        setStatus(error.message());
    }
    if (attempted)
        emit pictureTaken();
}

void ImagePasteModel::takeBarcode(const BarcodePicture &picture, const PictureSource &settings)
{
    if (!isIdle() || picture.image.isNull())
        return;
    const Busy busy(busy_, Working);
    try {
        // One screen pixel per picture pixel, like any pasted picture.
        const auto side = [](double millimetres, int twipsPerPixel) {
            return std::max<qint64>(1, qint64(roundHalfEven(toPixels(Millimetres{millimetres}, twipsPerPixel).value)));
        };
        const qint64 width = side(picture.widthMm, workbench_.twipsPerPixelX());
        const qint64 height = side(picture.heightMm, workbench_.twipsPerPixelY());
        checkPictureSize(width, height);
        const QImage shown = withinMemory([&] {
            return picture.image.scaled(int(width), int(height), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        });
        workbench_.load(shown);
        for (int turn = 0; turn < settings.quarterTurns % 4; ++turn)
            workbench_.turn90();
        // The turned picture is the one to scale from; restoring unturns it.
        loadedTurns_ = 0;
        setStatus({});
    } catch (const UserError &error) {
        setStatus(error.message());
        return;
    }
    transparent_ = true;
    colour_ = StartingColour;
    picking_ = false;
    PictureSource kept = settings;
    kept.quarterTurns = settings.quarterTurns % 4;
    setSource(kept);
    emit seeThroughChanged();
    showNewResult(true);
}

// --- Turning and mirroring ------------------------------------------------------

void ImagePasteModel::transform(const std::function<void(const RowProgress &)> &operation, bool rowByRow,
                                bool sizesToTenths)
{
    if (!canTransform())
        return;
    const Busy busy(busy_, Working);
    if (rowByRow)
        emit turnStarted();
    try {
        operation(rowByRow ? RowProgress([this](int done, int count) { emit rowsTurned(done, count); })
                           : RowProgress());
        setStatus({});
    } catch (const UserError &error) {
        setStatus(error.message());
    }
    if (rowByRow)
        emit turnFinished();
    showNewResult(sizesToTenths);
}

void ImagePasteModel::restore()
{
    transform(
        [this](const RowProgress &) {
            workbench_.restore();
            if (source_.isBarcode()) {
                PictureSource restored = source_;
                restored.quarterTurns = loadedTurns_;
                setSource(restored);
            }
        },
        false, source_.isBarcode());
}

void ImagePasteModel::turn90()
{
    transform(
        [this](const RowProgress &progress) {
            workbench_.turn90(progress);
            turnSource(1);
        },
        true, source_.isBarcode());
}

void ImagePasteModel::turn180()
{
    transform(
        [this](const RowProgress &) {
            workbench_.turn180();
            turnSource(2);
        },
        false, source_.isBarcode());
}

void ImagePasteModel::turn270()
{
    transform(
        [this](const RowProgress &progress) {
            workbench_.turn270(progress);
            turnSource(3);
        },
        true, source_.isBarcode());
}

void ImagePasteModel::mirrorLeftRight()
{
    transform(
        [this](const RowProgress &) {
            workbench_.mirrorLeftRight();
            setSource({});
        },
        false, false);
}

void ImagePasteModel::mirrorTopBottom()
{
    transform(
        [this](const RowProgress &) {
            workbench_.mirrorTopBottom();
            setSource({});
        },
        false, false);
}

void ImagePasteModel::turnBy(int degrees)
{
    transform(
        [this, degrees](const RowProgress &progress) {
            workbench_.turnBy(degrees, progress);
            setSource({});
        },
        true, true);
}

// --- Scale, width and height ----------------------------------------------------

void ImagePasteModel::setScalePercent(int percent)
{
    if (!isIdle())
        return;
    const Busy busy(busy_, Working);
    try {
        workbench_.setScalePercent(percent);
        setStatus({});
    } catch (const UserError &error) {
        setStatus(error.message());
    }
    shownScale_ = percent;
    keepSourceIfUnscaled();
    sizesToTenths_ = source_.isBarcode();
    emit pictureChanged();
    emit fieldsChanged(WidthField | HeightField);
}

void ImagePasteModel::setWidthMillimetres(double millimetres) { setSide(true, millimetres); }

void ImagePasteModel::setHeightMillimetres(double millimetres) { setSide(false, millimetres); }

void ImagePasteModel::setSide(bool width, double millimetres)
{
    if (!isIdle())
        return;
    try {
        if (width)
            workbench_.setWidthMillimetres(millimetres);
        else
            workbench_.setHeightMillimetres(millimetres);
        setStatus({});
    } catch (const UserError &error) {
        setStatus(error.message());
    }
    keepSourceIfUnscaled();
    {
        // The scale reads 100 of the new size; its own change must not scale.
        const Busy busy(busy_, ApplyingSize);
        shownScale_ = 100;
        emit fieldsChanged(ScaleField);
    }
    emit pictureChanged();
}

// --- See-through colour -----------------------------------------------------------

void ImagePasteModel::setTransparent(bool on)
{
    if (on == transparent_)
        return;
    transparent_ = on;
    if (!on)
        picking_ = false;
    emit seeThroughChanged();
}

void ImagePasteModel::setTransparentColour(RgbValue colour)
{
    if (colour == colour_)
        return;
    colour_ = colour;
    emit seeThroughChanged();
}

void ImagePasteModel::setPicking(bool on)
{
    on = on && transparent_;
    if (on == picking_)
        return;
    picking_ = on;
    emit seeThroughChanged();
}

bool ImagePasteModel::pickColourAt(QPointF pixel)
{
    if (!picking_ || !isIdle())
        return false;
    const std::optional<RgbValue> colour = workbench_.colourAt(pixel);
    if (!colour)
        return false;
    colour_ = *colour;
    picking_ = false;
    emit seeThroughChanged();
    return true;
}

// --- Accepting ------------------------------------------------------------------

bool ImagePasteModel::canAccept()
{
    if (!isIdle())
        return false;
    if (!hasPicture()) {
        setStatus(NoPictureMessage());
        return false;
    }
    return true;
}

} // namespace porkane
