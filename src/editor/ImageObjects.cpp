#include "editor/ImageObjects.h"

#include <cmath>
#include <limits>

#include "core/Errors.h"
#include "core/Nearest.h"
#include "core/Rounding.h"
#include "core/Units.h"
#include "editor/EditorSession.h"
#include "render/SelectionMarks.h"

namespace porkane {

namespace {

// A place in sheet pixels; beyond what the table holds it stops at the edge.
qint32 sheetPixels(double value)
{
    return nearest32(value).value_or(value < 0 ? std::numeric_limits<qint32>::min()
                                               : std::numeric_limits<qint32>::max());
}

bool fitsPlacement(qint64 value)
{
    return value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max();
}

} // namespace

ImageObjects::ImageObjects(EditorSession &session) : session_(session) {}

LabelDocument &ImageObjects::document() const { return session_.document(); }

QRectF ImageObjects::marksTarget(double zoom) const
{
    if (selected_ == 0 || marks_.isNull())
        return {};
    const ImagePlacementRow &place = document().ImagePlacement(selected_);
    const QPointF at = dragging() ? QPointF(drag_.DragLeft, drag_.DragTop)
                                  : QPointF(place[PlacementLeft], place[PlacementTop]);
    return selectionMarksTarget(at, marks_.size(), zoom);
}

void ImageObjects::setImagesFirst(bool first)
{
    if (imagesFirst_ == first)
        return;
    imagesFirst_ = first;
    emit imagesFirstChanged(first);
}

void ImageObjects::select(qint32 pictureIndex)
{
    if (!session_.isOpen() || pictureIndex < 1 || pictureIndex > LabelDocument::MaxImages + 1)
        return;
    selected_ = pictureIndex;
    objectFocused_ = false;
    marks_ = SelectionMarks(document().picture(pictureIndex), document().ImagePlacement(pictureIndex));
    emit selectionChanged(selected_);
}

void ImageObjects::clearSelection()
{
    if (selected_ == 0)
        return;
    selected_ = 0;
    dragArmed_ = false;
    objectFocused_ = false;
    marks_ = QImage();
    emit selectionChanged(0);
}

void ImageObjects::press(int imageNumber, QPointF point, double zoom, bool leftButton)
{
    const qint32 index = document().ImageSlot(imageNumber);
    if (selected_ != 0 && selected_ != index)
        clearSelection();
    select(index);
    if (selected_ != index)
        return;
    const ImagePlacementRow &place = placement();
    const QSize size = document().picture(index).size();
    dragArmed_ = leftButton;
    dragMoved_ = false;
    drag_.DragWidth = size.width();
    drag_.DragHeight = size.height();
    drag_.DragStartLeft = place[PlacementLeft];
    drag_.DragStartTop = place[PlacementTop];
    drag_.DragLeft = sheetPixels(place[PlacementLeft] * zoom);
    drag_.DragTop = sheetPixels(place[PlacementTop] * zoom);
    dragOffsetX_ = sheetPixels(double(drag_.DragLeft) - std::floor(point.x()));
    dragOffsetY_ = sheetPixels(double(drag_.DragTop) - std::floor(point.y()));
    // The image's object now has the keyboard.
    objectFocused_ = true;
    objectLeft_ = place[PlacementLeft] * zoom;
    objectTop_ = place[PlacementTop] * zoom;
    editSlot_ = index;
}

bool ImageObjects::dragTo(QPointF point, double zoom)
{
    if (!dragArmed_ || selected_ == 0)
        return false;
    drag_.DragLeft = sheetPixels((point.x() + dragOffsetX_) / zoom);
    drag_.DragTop = sheetPixels((point.y() + dragOffsetY_) / zoom);
    dragMoved_ = true;
    return true;
}

bool ImageObjects::release(double zoom)
{
    if (!dragArmed_)
        return false;
    dragArmed_ = false;
    if (dragMoved_ && selected_ != 0) {
        ImagePlacementRow &place = placement();
        place[PlacementLeft] = drag_.DragLeft;
        place[PlacementTop] = drag_.DragTop;
        objectLeft_ = place[PlacementLeft] * zoom;
        objectTop_ = place[PlacementTop] * zoom;
        session_.setModified(true);
    }
    dragMoved_ = false;
    return true;
}

bool ImageObjects::doubleClicked(QPointF point, double zoom)
{
    if (!session_.canEdit() || selected_ == 0)
        return false;
    const ImagePlacementRow &place = placement();
    const QSize size = document().picture(selected_).size();
    const QRectF object(place[PlacementLeft] * zoom, place[PlacementTop] * zoom, size.width() * zoom,
                        size.height() * zoom);
    if (!object.contains(point))
        return false;
    dragArmed_ = false;
    return true;
}

bool ImageObjects::step(int dx, int dy, bool fine, double zoom)
{
    if (selected_ == 0 || !session_.canEdit())
        return false;
    ImagePlacementRow &place = placement();
    if (objectFocused_) {
        const double stepSize = fine ? ObjectFineStep : ObjectStep;
        const double left = objectLeft_ + dx * stepSize;
        const double top = objectTop_ + dy * stepSize;
        try {
            const qint32 sheetLeft = roundToInt32(left / zoom);
            const qint32 sheetTop = roundToInt32(top / zoom);
            place[PlacementLeft] = sheetLeft;
            place[PlacementTop] = sheetTop;
        } catch (const ValueRangeError &) {
            emit refused(tr("画像をこれ以上動かせません。"));
            return false;
        }
        objectLeft_ = left;
        objectTop_ = top;
    } else {
        const int stepSize = fine ? SheetFineStep : SheetStep;
        const qint64 left = qint64(place[PlacementLeft]) + dx * stepSize;
        const qint64 top = qint64(place[PlacementTop]) + dy * stepSize;
        if (!fitsPlacement(left) || !fitsPlacement(top)) {
            emit refused(tr("画像をこれ以上動かせません。"));
            return false;
        }
        place[PlacementLeft] = qint32(left);
        place[PlacementTop] = qint32(top);
    }
    session_.setModified(true);
    emit imagesChanged();
    return true;
}

void ImageObjects::setLayer(qint32 layer)
{
    if (selected_ == 0)
        return;
    placement()[PlacementLayer] = layer;
    session_.setModified(true);
    emit imagesChanged();
}

bool ImageObjects::deleteSelected()
{
    if (selected_ == 0 || !session_.canEdit())
        return false;
    const qint32 deleting = selected_;
    for (int number = 1; number <= document().ImageCount(); ++number) {
        if (document().ImageSlot(number) == deleting) {
            document().deleteImage(number);
            session_.setModified(true);
            break;
        }
    }
    if (editSlot_ == deleting)
        editSlot_ = 0;
    clearSelection();
    return true;
}

bool ImageObjects::hasRoom() const { return document().ImageCount() < LabelDocument::MaxImages; }

bool ImageObjects::beginNewImage()
{
    if (!session_.canEdit() || !hasRoom())
        return false;
    editSlot_ = 0;
    return true;
}

bool ImageObjects::beginEditing(qint32 pictureIndex)
{
    if (pictureIndex == 0)
        pictureIndex = selected_;
    if (!session_.canEdit() || pictureIndex < 1 || pictureIndex > LabelDocument::MaxImages ||
        document().picture(pictureIndex).isNull())
        return false;
    editSlot_ = pictureIndex;
    return true;
}

void ImageObjects::receive(const QImage &picture, bool transparent, RgbValue transparentColour,
                           QPoint viewOffsetTwips, double zoom, const PictureSource &source)
{
    if (!session_.isOpen() || picture.isNull())
        return;
    const qint32 flag = transparent ? 1 : 0;
    qint32 index = editSlot_;
    if (index == 0) {
        if (!hasRoom())
            return;
        // The view's offset is 0 or negative: the sheet's part in view starts there.
        const qint32 left = roundToInt32(
            toPixels(Twips{-double(viewOffsetTwips.x())}, session_.twipsPerPixelX()).value / zoom);
        const qint32 top = roundToInt32(
            toPixels(Twips{-double(viewOffsetTwips.y())}, session_.twipsPerPixelY()).value / zoom);
        const int number = document().addImage(picture, {left, top, flag, transparentColour, 0});
        index = document().ImageSlot(number);
    } else {
        document().setPicture(index, picture);
        ImagePlacementRow &place = document().ImagePlacement(index);
        place[PlacementTransparent] = flag;
        place[PlacementColour] = transparentColour;
    }
    document().setPictureSource(index, source);
    editSlot_ = 0;
    session_.setModified(true);
    setImagesFirst(true);
    if (selected_ != 0 && selected_ != index)
        clearSelection();
    select(index);
}

} // namespace porkane
