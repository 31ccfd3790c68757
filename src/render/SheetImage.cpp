#include "render/SheetImage.h"

#include <cmath>
#include <new>

#include "core/Units.h"
#include "core/Nearest.h"
#include "render/PixelCopy.h"

namespace porkane {

namespace {

bool isPictureIndex(qint32 index) { return index >= 1 && index <= LabelDocument::MaxImages + 1; }

const RgbValue White = rgbValue(255, 255, 255);
const RgbValue Black = rgbValue(0, 0, 0);

QImage blankPicture(QSize size, RgbValue colour)
{
    if (size.isEmpty() || qint64(size.width()) * size.height() > SheetImage::MaxPixels)
        return QImage();
    QImage picture(size, QImage::Format_RGB32);
    if (!picture.isNull())
        picture.fill(toQColor(colour));
    return picture;
}

void drawGrid(QImage &image, const SheetTemplate &sheet, int label, const SheetViewStyle &style,
              const SheetViewState &state)
{
    const SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
    const double factorX = TwipsPerMillimetre / state.twipsPerPixelX;
    const double factorY = TwipsPerMillimetre / state.twipsPerPixelY;
    // The horizontal factor serves both directions.
    const auto step = nearest16(factorX * style.gridSpacing);
    const auto x0 = nearest16(geometry[LeftOffset] * factorX);
    const auto x1 = nearest16((geometry[LeftOffset] + geometry[LabelWidth]) * factorX);
    const auto y0 = nearest16(geometry[TopOffset] * factorY);
    const auto y1 = nearest16((geometry[TopOffset] + geometry[LabelHeight]) * factorY);
    // An interval of 0 pixels would never reach the label's far edge.
    if (!step || *step <= 0 || !x0 || !x1 || !y0 || !y1)
        return;
    for (int x = *x0; x <= *x1; x += *step)
        fillBox(image, x, *y0, x, *y1, style.gridColour);
    for (int y = *y0; y <= *y1; y += *step)
        fillBox(image, *x0, y, *x1, y, style.gridColour);
}

void drawBorder(QImage &image, const QRect &box)
{
    fillBox(image, box.left(), box.top(), box.right(), box.top(), Black);
    fillBox(image, box.left(), box.bottom(), box.right(), box.bottom(), Black);
    fillBox(image, box.left(), box.top(), box.left(), box.bottom(), Black);
    fillBox(image, box.right(), box.top(), box.right(), box.bottom(), Black);
}

} // namespace

QRect labelRectangle(const SheetTemplate &sheet, int label, int twipsPerPixelX, int twipsPerPixelY)
{
    if (label < 1 || label > SheetTemplate::MaxLabels)
        return QRect();
    const SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
    const double factorX = TwipsPerMillimetre / twipsPerPixelX;
    const double factorY = TwipsPerMillimetre / twipsPerPixelY;
    const auto left = nearest32(geometry[LeftOffset] * factorX);
    const auto top = nearest32(geometry[TopOffset] * factorY);
    const auto right = nearest32((geometry[LeftOffset] + geometry[LabelWidth]) * factorX);
    const auto bottom = nearest32((geometry[TopOffset] + geometry[LabelHeight]) * factorY);
    if (!left || !top || !right || !bottom)
        return QRect();
    return QRect(QPoint(*left, *top), QPoint(*right, *bottom));
}

QSize SheetImage::sheetSize(const SheetTemplate &sheet, double zoom, int twipsPerPixelX, int twipsPerPixelY)
{
    if (!(zoom > 0) || twipsPerPixelX <= 0 || twipsPerPixelY <= 0)
        return QSize();
    const auto width = nearest32(sheet.SheetWidth * TwipsPerMillimetre * zoom / twipsPerPixelX);
    const auto height = nearest32(sheet.SheetHeight * TwipsPerMillimetre * zoom / twipsPerPixelY);
    if (!width || !height || *width <= 0 || *height <= 0 || qint64(*width) * *height > MaxPixels)
        return QSize();
    return QSize(*width, *height);
}

void SheetImage::drawImage(const LabelDocument &document, qint32 pictureIndex, bool ownSeeThrough)
{
    if (!isPictureIndex(pictureIndex))
        return;
    const QImage &picture = document.picture(pictureIndex);
    if (picture.isNull())
        return;
    const ImagePlacementRow &placement = document.ImagePlacement(pictureIndex);
    if (placement[PlacementTransparent] == 1) {
        // Behind the text white is see-through, whatever the image's own
        // see-through colour: the label canvases are laid on with white.
        const RgbValue seeThrough = ownSeeThrough ? placement[PlacementColour] & 0xFFFFFF : White;
        TransparentBlit(prnPicture_, picture, placement[PlacementLeft], placement[PlacementTop], seeThrough);
    } else {
        copyPicture(prnPicture_, picture, placement[PlacementLeft], placement[PlacementTop]);
    }
}

void SheetImage::releaseSharedView()
{
    if (view_.isDetached())
        return;
    view_ = QImage();
}

bool SheetImage::RePaint(const LabelDocument &document, const LabelCanvases &canvases, const SheetViewStyle &style,
                         const SheetViewState &state)
{
    view_ = QImage();
    picture13_ = QImage();
    prnPicture_ = QImage();
    try {
        paintSheet(document, canvases, style, state);
    } catch (const std::bad_alloc &) {
        view_ = QImage();
        picture13_ = QImage();
        prnPicture_ = QImage();
    }
    const SheetTemplate &sheet = document.sheet();
    const bool nothingToShow = sheet.SheetWidth <= 0 || sheet.SheetHeight <= 0 || !(state.zoom > 0);
    return nothingToShow || !view_.isNull();
}

void SheetImage::paintSheet(const LabelDocument &document, const LabelCanvases &canvases, const SheetViewStyle &style,
                            const SheetViewState &state)
{
    const SheetTemplate &sheet = document.sheet();
    prnPicture_ = blankPicture(sheetSize(sheet, 1.0, state.twipsPerPixelX, state.twipsPerPixelY),
                               style.backgroundColour);
    if (prnPicture_.isNull())
        return;

    const int labels = std::min(int(sheet.LabelCount), int(SheetTemplate::MaxLabels));
    for (int label = 1; label <= labels; ++label) {
        const QRect box = labelRectangle(sheet, label, state.twipsPerPixelX, state.twipsPerPixelY);
        const RgbValue fill = label == state.currentLabel ? White : style.labelColour;
        fillBox(prnPicture_, box.left(), box.top(), box.right(), box.bottom(), fill);
    }
    if (style.gridVisible) {
        for (int label = 1; label <= labels; ++label)
            drawGrid(prnPicture_, sheet, label, style, state);
    }
    for (int label = 1; label <= labels; ++label)
        drawBorder(prnPicture_, labelRectangle(sheet, label, state.twipsPerPixelX, state.twipsPerPixelY));

    const auto imagesOfLayer = [&](qint32 layer, bool ownSeeThrough) {
        for (int number = 1; number <= document.ImageCount(); ++number) {
            const qint32 index = document.ImageSlot(number);
            if (!isPictureIndex(index) || index == state.selectedImage)
                continue;
            if (document.ImagePlacement(index)[PlacementLayer] == layer)
                drawImage(document, index, ownSeeThrough);
        }
    };
    imagesOfLayer(1, false);

    // The text of every label, white being see-through, so the label's
    // colour shows between the characters.
    const double factorX = TwipsPerMillimetre / state.twipsPerPixelX;
    for (int label = 1; label <= labels; ++label) {
        const QImage composite = LabelComposite(canvases.canvas(label), sheet, label,
                                                document.LabelRotated(label) == 1, state.twipsPerPixelX);
        const SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
        const auto left = nearest32(geometry[LeftOffset] * factorX);
        const auto top = nearest32(geometry[TopOffset] * factorX);
        if (!composite.isNull() && left && top)
            TransparentBlit(prnPicture_, composite, *left, *top, White);
    }

    imagesOfLayer(0, true);

    // The selected image is always on top; the copy without it serves
    // dragging.
    if (state.selectedImage != 0) {
        picture13_ = prnPicture_.copy();
        drawImage(document, state.selectedImage, true);
    }
    stretchView(sheet, state);
}

void SheetImage::stretchView(const SheetTemplate &sheet, const SheetViewState &state)
{
    const QSize size = sheetSize(sheet, state.zoom, state.twipsPerPixelX, state.twipsPerPixelY);
    view_ = size.isEmpty() ? QImage() : stretchBlackOnWhite(prnPicture_, size);
}

void SheetImage::RedrawDraggedImage(const LabelDocument &document, ImageDrag &drag, const SheetViewState &state)
{
    if (state.selectedImage == 0 || prnPicture_.isNull())
        return;
    releaseSharedView();

    const QRect previous(drag.DragStartLeft, drag.DragStartTop, drag.DragWidth, drag.DragHeight);
    if (!picture13_.isNull() && drag.DragWidth > 0 && drag.DragHeight > 0)
        copyPicture(prnPicture_, picture13_, previous.left(), previous.top(), previous);
    drag.DragStartLeft = drag.DragLeft;
    drag.DragStartTop = drag.DragTop;

    QRect current(drag.DragLeft, drag.DragTop, drag.DragWidth, drag.DragHeight);
    if (isPictureIndex(state.selectedImage) && !document.picture(state.selectedImage).isNull()) {
        const QImage &picture = document.picture(state.selectedImage);
        const ImagePlacementRow &placement = document.ImagePlacement(state.selectedImage);
        if (placement[PlacementTransparent] == 1) {
            TransparentBlit(prnPicture_, picture, drag.DragLeft, drag.DragTop, placement[PlacementColour] & 0xFFFFFF);
            current.setSize(picture.size());
        } else if (drag.DragWidth > 0 && drag.DragHeight > 0) {
            copyPicture(prnPicture_, picture, drag.DragLeft, drag.DragTop,
                        QRect(0, 0, drag.DragWidth, drag.DragHeight));
        }
    }

    const QSize size = sheetSize(document.sheet(), state.zoom, state.twipsPerPixelX, state.twipsPerPixelY);
    if (view_.isNull() || view_.size() != size || size == prnPicture_.size()) {
        stretchView(document.sheet(), state);
        return;
    }
    restretchBlackOnWhite(prnPicture_, view_, previous);
    restretchBlackOnWhite(prnPicture_, view_, current);
}

} // namespace porkane
