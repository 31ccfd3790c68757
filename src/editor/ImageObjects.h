#pragma once

// The images of the open document as the editor handles them: which one is
// selected (with its marks), pressing and dragging it on the sheet view,
// the arrow-key steps, its layer, deleting it with the list closing up, and
// placing the picture the image paste dialog returns. The sheet view tells
// it where the pointer is, in view pixels, and at which zoom.

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRectF>

#include "core/Colour.h"
#include "document/LabelDocument.h"
#include "render/SheetImage.h"

namespace porkane {

class EditorSession;

class ImageObjects : public QObject {
    Q_OBJECT
public:
    // Key steps of a focused image object, in view pixels.
    static constexpr double ObjectStep = 56.7;
    static constexpr double ObjectFineStep = 5.67;
    // Key steps of an image selected in the sheet view, in sheet pixels.
    static constexpr int SheetStep = 10;
    static constexpr int SheetFineStep = 1;

    explicit ImageObjects(EditorSession &session);

    // The picture index of the selected image, 0 for none.
    qint32 selected() const { return selected_; }
    // The selected image's marks (see-through where unmarked), and where
    // they lie in the view: over the image, or where it is being dragged.
    const QImage &marks() const { return marks_; }
    QRectF marksTarget(double zoom) const;
    // Whether the selected image's object has the keyboard (after a press
    // on it): its arrow keys step 56.7 view pixels, 5.67 with Shift.
    bool objectFocused() const { return objectFocused_; }
    // The drag of the selected image; the sheet image keeps its last place
    // in it while redrawing.
    ImageDrag &drag() { return drag_; }
    bool dragging() const { return dragArmed_ && dragMoved_; }

    // "画像選択優先": a press tests the images before the labels. Ticked
    // when a document with images opens and when an image is placed.
    bool imagesFirst() const { return imagesFirst_; }
    void setImagesFirst(bool first);

    // Makes an image (picture index) the selected one, with new marks; the
    // sheet view has the keys, not the image's object.
    void select(qint32 pictureIndex);
    void clearSelection();

    // A press on image `imageNumber` at `point`: it becomes selected, its
    // object takes the keys, and the left button arms a drag.
    void press(int imageNumber, QPointF point, double zoom, bool leftButton);
    // The pointer moved with the left button down: false when no drag is
    // armed; otherwise the drag point follows and the image is to be drawn
    // there.
    bool dragTo(QPointF point, double zoom);
    // The left button came up: a moved image keeps the dragged place. False
    // when no drag was armed.
    bool release(double zoom);
    // A double click: true when it lies on the selected image's object,
    // which is then to be edited.
    bool doubleClicked(QPointF point, double zoom);

    // An arrow key on the selected image: dx, dy are -1, 0 or 1. A focused
    // object steps view pixels (keeping their fractions), an image selected
    // in the sheet view whole sheet pixels. False when nothing moved.
    bool step(int dx, int dy, bool fine, double zoom);
    // In front of the text (0) or behind it (1).
    void setLayer(qint32 layer);
    // Removes the selected image from the document. False when there was
    // nothing to delete.
    bool deleteSelected();

    // The image paste dialog: room for a new image, and which image it is
    // about (0: a new one). beginEditing(0) edits the selected image; false
    // when there is nothing to edit or the document is held elsewhere.
    bool hasRoom() const;
    bool beginNewImage();
    bool beginEditing(qint32 pictureIndex);
    qint32 editSlot() const { return editSlot_; }
    // The dialog's picture: a new image at the top left of the part of the
    // sheet in view (the view's offset in twips, at the zoom), in front of
    // the text; or the edited image's new picture and see-through colour.
    // Either becomes the selected image, with what the picture was made
    // from (a barcode's settings) kept beside it.
    void receive(const QImage &picture, bool transparent, RgbValue transparentColour, QPoint viewOffsetTwips,
                 double zoom, const PictureSource &source = {});

signals:
    void selectionChanged(qint32 selected);
    // A place, layer or picture changed: the sheet is to be painted again.
    void imagesChanged();
    void imagesFirstChanged(bool first);
    // A step the image cannot take, as a short message.
    void refused(const QString &message);

private:
    LabelDocument &document() const;
    ImagePlacementRow &placement() const { return document().ImagePlacement(selected_); }

    EditorSession &session_;
    qint32 selected_ = 0;
    QImage marks_;
    bool imagesFirst_ = false;
    bool dragArmed_ = false;
    bool dragMoved_ = false;
    ImageDrag drag_;
    qint32 dragOffsetX_ = 0;
    qint32 dragOffsetY_ = 0;
    // The focused object's place in view pixels; it keeps the fractions of
    // its key steps, the document the rounded place.
    bool objectFocused_ = false;
    double objectLeft_ = 0;
    double objectTop_ = 0;
    qint32 editSlot_ = 0;
};

} // namespace porkane
