#include "image/ImagePasteModel.h"

#include "core/Errors.h"
#include "core/Rounding.h"
#include "image/ImageMessages.h"

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

void ImagePasteModel::startOn(const QImage &picture, bool transparent, RgbValue colour)
{
    if (!isIdle())
        return;
    const Busy busy(busy_, Working);
    try {
        workbench_.load(picture);
    } catch (const UserError &error) {
        setStatus(error.message());
    }
    transparent_ = transparent;
    colour_ = colour;
    picking_ = false;
    emit seeThroughChanged();
    showNewResult(false);
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
            showNewResult(false);
        }
    } catch (const UserError &error) {
        setStatus(error.message());
    }
    if (attempted)
        emit pictureTaken();
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
    transform([this](const RowProgress &) { workbench_.restore(); }, false, false);
}

void ImagePasteModel::turn90()
{
    transform([this](const RowProgress &progress) { workbench_.turn90(progress); }, true, false);
}

void ImagePasteModel::turn180()
{
    transform([this](const RowProgress &) { workbench_.turn180(); }, false, false);
}

void ImagePasteModel::turn270()
{
    transform([this](const RowProgress &progress) { workbench_.turn270(progress); }, true, false);
}

void ImagePasteModel::mirrorLeftRight()
{
    transform([this](const RowProgress &) { workbench_.mirrorLeftRight(); }, false, false);
}

void ImagePasteModel::mirrorTopBottom()
{
    transform([this](const RowProgress &) { workbench_.mirrorTopBottom(); }, false, false);
}

void ImagePasteModel::turnBy(int degrees)
{
    transform([this, degrees](const RowProgress &progress) { workbench_.turnBy(degrees, progress); }, true, true);
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
    sizesToTenths_ = false;
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
