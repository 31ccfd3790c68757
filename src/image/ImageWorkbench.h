#pragma once

// What the image paste dialog does to its pictures, without the dialog. It
// holds three pictures:
//  - the loaded picture, as loaded or pasted; restore brings it back;
//  - the result, which the dialog shows and hands to the editor;
//  - the source copy, the result as of the last load, restore or
//    transformation; scaling and typed sizes always start from it, so scale
//    50 then 200 doubles the picture rather than the halved one.
// Every transformation works on the result and its outcome becomes both the
// new result and the new source copy, at a scale of 100. An operation that
// throws (a picture too large) leaves all three pictures as they were.
// Without a picture, the operations do nothing.

#include <optional>

#include <QImage>
#include <QPointF>
#include <QString>

#include "core/Colour.h"
#include "core/Units.h"
#include "image/AngleEntry.h"
#include "image/PixelOperations.h"

namespace porkane {

class ImageWorkbench {
public:
    // The screen's twips per pixel turn millimetres into pixels and size
    // the free turn's bounding box.
    explicit ImageWorkbench(int twipsPerPixelX = 15, int twipsPerPixelY = 15);

    int twipsPerPixelX() const { return twipsPerPixelX_; }
    int twipsPerPixelY() const { return twipsPerPixelY_; }

    bool hasPicture() const { return !result_.isNull(); }
    const QImage &loaded() const { return loaded_; }
    const QImage &result() const { return result_; }
    const QImage &sourceCopy() const { return source_; }
    // Percent of the source copy's size the result was last scaled to.
    int scalePercent() const { return scalePercent_; }

    // A newly loaded or pasted picture (or the image being edited) becomes
    // all three pictures at scale 100. Throws UserError for a null picture
    // or one too large, and then keeps the earlier pictures.
    void load(const QImage &picture);
    void clear();

    void restore();
    void turn90(const RowProgress &progress = {});
    void turn180();
    void turn270(const RowProgress &progress = {});
    void mirrorLeftRight();
    void mirrorTopBottom();
    void turnBy(int degrees, const RowProgress &progress = {});

    // The free turn from the angle text box: returns what the box shows
    // afterwards, and turns only when the angle is accepted; when
    // entry.degrees is empty the caller shows AngleRangeMessage().
    AngleEntry turnByAngleText(const QString &angleText, const RowProgress &progress = {});

    // The result becomes the source copy stretched to `percent` of its size
    // (at least one pixel each way).
    void setScalePercent(int percent);

    // The result becomes the source copy stretched to that width (height),
    // keeping the result's height (width); the scale reads 100 afterwards
    // without anything being scaled again.
    void setWidthMillimetres(double millimetres);
    void setHeightMillimetres(double millimetres);

    Millimetres resultWidth() const;
    Millimetres resultHeight() const;

    // The result's colour at a point of the picture (pixel coordinates,
    // rounded to whole pixels); nothing outside the picture.
    std::optional<RgbValue> colourAt(QPointF point) const;

private:
    void transformed(const QImage &picture);

    int twipsPerPixelX_;
    int twipsPerPixelY_;
    QImage loaded_;
    QImage result_;
    QImage source_;
    int scalePercent_ = 100;
};

} // namespace porkane
