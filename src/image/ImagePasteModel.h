#pragma once

// What the image paste dialog decides, without the dialog: the three
// pictures (ImageWorkbench), the busy state that makes buttons and closing
// wait, what the scale and size fields show, the see-through colour and its
// picking from the picture, and what "O   K" hands to the editor.
//
// The dialog forwards what the user does and shows what the signals say.
// Every field change the model asks for comes back to it as an edit while
// it is busy, and is then ignored: that is how a field is rewritten without
// scaling the picture again.

#include <functional>
#include <optional>

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QString>

#include "core/Colour.h"
#include "document/PictureSource.h"
#include "image/Barcode.h"
#include "image/ImageWorkbench.h"

namespace porkane {

class ImagePasteModel : public QObject {
    Q_OBJECT
public:
    // Idle: buttons act. Working: a load, turn or scaling runs; buttons and
    // closing are ignored. ApplyingSize: a typed width or height is being
    // applied; the scale field's change does nothing.
    enum BusyState { Idle = 0, Working = 1, ApplyingSize = 2 };

    // The fields a change rewrites.
    enum Field { ScaleField = 0x1, WidthField = 0x2, HeightField = 0x4, AllFields = 0x7 };
    Q_DECLARE_FLAGS(Fields, Field)

    // White is what most pictures have around them.
    static constexpr RgbValue StartingColour = rgbValue(255, 255, 255);

    explicit ImagePasteModel(int twipsPerPixelX = 15, int twipsPerPixelY = 15, QObject *parent = nullptr);

    // Editing an existing image: its picture is the loaded picture, the
    // result and the source copy at scale 100, with its own see-through flag
    // and colour. A picture that cannot be used leaves the model empty and
    // the status says why.
    void startOn(const QImage &picture, bool transparent, RgbValue colour, const PictureSource &source = {});

    const ImageWorkbench &workbench() const { return workbench_; }
    bool hasPicture() const { return workbench_.hasPicture(); }
    BusyState busyState() const { return busy_; }
    bool isIdle() const { return busy_ == Idle; }
    // Turning and sizing need an idle model with a picture.
    bool canTransform() const { return isIdle() && hasPicture(); }
    // The status line: why the last load or transformation failed, or empty.
    QString status() const { return status_; }

    // What the fields show: the scale in percent, the result's size in
    // millimetres, whole or (after a free turn) to a tenth; 0 without a
    // picture.
    int shownScale() const { return shownScale_; }
    double shownWidth() const;
    double shownHeight() const;

    // A new picture from a file or the clipboard: `obtain` runs while the
    // model is working and gives nothing when the user cancelled; a
    // UserError it throws goes to the status line. A picture becomes all
    // three pictures at scale 100; otherwise nothing changes.
    void takePicture(const std::function<std::optional<QImage>()> &obtain);

    // A barcode from the barcode dialog, taken like a loaded picture: its
    // print-resolution picture at its size in millimetres on the screen
    // (shown to a tenth), given the settings' quarter turns, with white
    // see-through. Its settings stay beside it while quarter turns and
    // restoring are all that is done to it; mirroring, a free turn or
    // another size make it an ordinary picture.
    void takeBarcode(const BarcodePicture &picture, const PictureSource &settings);
    // What the result was made from; an ordinary picture's is Picture.
    const PictureSource &pictureSource() const { return source_; }

    void restore();
    void turn90();
    void turn180();
    void turn270();
    void mirrorLeftRight();
    void mirrorTopBottom();
    // The free turn; afterwards the sizes show tenths of a millimetre.
    void turnBy(int degrees);

    // Scale typed or spun: the source copy stretched to `percent`; the width
    // and height fields follow. Nothing unless idle.
    void setScalePercent(int percent);
    // Width (height) typed or spun: the source copy stretched to it, the
    // other side kept; the scale field then reads 100 without rescaling.
    void setWidthMillimetres(double millimetres);
    void setHeightMillimetres(double millimetres);

    // The see-through colour. Without see-through the colour cannot be
    // picked or chosen, and turning it off ends picking.
    bool transparent() const { return transparent_; }
    RgbValue transparentColour() const { return colour_; }
    bool isPicking() const { return picking_; }
    void setTransparent(bool on);
    void setTransparentColour(RgbValue colour);
    void setPicking(bool on);
    // While picking, a press on the picture takes the colour under it and
    // ends picking; true when a colour was taken.
    bool pickColourAt(QPointF pixel);
    bool canChooseColour() const { return isIdle() && transparent_; }

    // "O   K" needs an idle model with a picture; without one the status
    // line says so.
    bool canAccept();
    bool canClose() const { return isIdle(); }

    // What the editor takes over when the dialog is accepted.
    QImage picture() const { return workbench_.result(); }

signals:
    // The result picture changed (and with it whether there is one).
    void pictureChanged();
    void fieldsChanged(porkane::ImagePasteModel::Fields fields);
    void statusChanged(const QString &status);
    // The see-through flag, its colour or picking changed.
    void seeThroughChanged();
    // A load attempt is over; the model is still working, so the window may
    // let events run.
    void pictureTaken();
    // The result became a barcode or stopped being one.
    void pictureSourceChanged();
    // A quarter or free turn runs row by row.
    void turnStarted();
    void rowsTurned(int rowsDone, int rowCount);
    void turnFinished();

private:
    void transform(const std::function<void(const RowProgress &)> &operation, bool rowByRow, bool sizesToTenths);
    void setSide(bool width, double millimetres);
    void setStatus(const QString &status);
    void showNewResult(bool sizesToTenths);
    double shown(double millimetres) const;
    void setSource(const PictureSource &source);
    // After a change of size: settings no longer drawn at this size go.
    void keepSourceIfUnscaled();
    void turnSource(int quarterTurns);

    ImageWorkbench workbench_;
    BusyState busy_ = Idle;
    QString status_;
    int shownScale_ = 100;
    bool sizesToTenths_ = false;
    bool transparent_ = false;
    bool picking_ = false;
    RgbValue colour_ = StartingColour;
    PictureSource source_;
    // The quarter turns of the loaded picture, which restoring brings back.
    int loadedTurns_ = 0;
};

} // namespace porkane

Q_DECLARE_OPERATORS_FOR_FLAGS(porkane::ImagePasteModel::Fields)
