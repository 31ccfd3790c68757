#include "render/LabelCanvas.h"

#include <algorithm>
#include <new>
#include <utility>

#include "core/Units.h"
#include "render/GlyphPainter.h"
#include "core/Nearest.h"
#include "render/PixelCopy.h"
#include "render/TextLayout.h"

namespace porkane {

namespace {

QSize pixelSize(double widthMm, double heightMm, double twipsPerPixelX, double twipsPerPixelY)
{
    const auto width = nearest32(widthMm * TwipsPerMillimetre / twipsPerPixelX);
    const auto height = nearest32(heightMm * TwipsPerMillimetre / twipsPerPixelY);
    if (!width || !height || *width <= 0 || *height <= 0)
        return QSize();
    return QSize(*width, *height);
}

bool isLabel(int label) { return label >= 1 && label <= LabelDocument::MaxLabels; }

} // namespace

QImage makeLabelCanvas(const SheetTemplate &sheet, int label, int twipsPerPixelX, int twipsPerPixelY)
{
    if (!isLabel(label) || twipsPerPixelX <= 0 || twipsPerPixelY <= 0)
        return QImage();
    const SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
    const QSize size = pixelSize(geometry[LabelWidth], geometry[LabelHeight], twipsPerPixelX, twipsPerPixelY);
    if (size.isEmpty())
        return QImage();
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

bool LabelCanvases::reset(const SheetTemplate &sheet, int twipsPerPixelX, int twipsPerPixelY)
{
    // The old canvases go first, so their memory serves the new ones.
    for (QImage &canvas : canvases_)
        canvas = QImage();
    bool whole = true;
    for (int label = 1; label <= std::min(int(sheet.LabelCount), int(LabelDocument::MaxLabels)); ++label) {
        QImage &canvas = canvases_[size_t(label)];
        canvas = makeLabelCanvas(sheet, label, twipsPerPixelX, twipsPerPixelY);
        const SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
        if (canvas.isNull() && !pixelSize(geometry[LabelWidth], geometry[LabelHeight], twipsPerPixelX, twipsPerPixelY)
                                   .isEmpty())
            whole = false;
    }
    return whole;
}

QImage &LabelCanvases::canvas(int label)
{
    if (!isLabel(label)) {
        none_ = QImage();
        return none_;
    }
    return canvases_[size_t(label)];
}

const QImage &LabelCanvases::canvas(int label) const
{
    return isLabel(label) ? canvases_[size_t(label)] : none_;
}

void amendLineBreaks(LabelDocument &document, int label)
{
    if (!isLabel(label))
        return;
    const int length = std::min(int(document.LabelText(label).size()), int(LabelDocument::MaxPositions));
    for (int position = 1; position < length; ++position) {
        const Variant &marker = std::as_const(document).CharAttr(label, position)[TextColourSlot];
        if (marker.isString() && marker.string() == LineBreakMarkerAtCr) {
            document.CharAttr(label, position + 1)[TextColourSlot] = Variant(LineBreakMarkerAtLf);
            ++position; // the second half of this break starts no other
        }
    }
}

bool RenderLabel(LabelDocument &document, int label, QImage &canvas, const TextScale &scale)
{
    if (!isLabel(label) || canvas.isNull())
        return true;
    amendLineBreaks(document, label);
    canvas.fill(Qt::white);
    try {
        const QPoint origin = canvasTextOrigin(document.sheet(), label, scale.twipsPerPixelX);
        const std::vector<PlacedGlyph> glyphs = layoutText(document.LabelText(label), TextRecords(document, label),
                                                           origin, scale, &canvas, canvas.rect());
        paintGlyphs(canvas, glyphs);
    } catch (const std::bad_alloc &) {
        canvas.fill(Qt::white);
        return false;
    }
    return true;
}

bool renderAllLabels(LabelDocument &document, LabelCanvases &canvases, const TextScale &scale)
{
    bool whole = true;
    for (int label = 1; label <= document.labelCount(); ++label)
        whole &= RenderLabel(document, label, canvases.canvas(label), scale);
    return whole;
}

QImage LabelComposite(const QImage &canvas, const SheetTemplate &sheet, int label, bool rotated, int twipsPerPixelX)
{
    if (!isLabel(label) || canvas.isNull() || twipsPerPixelX <= 0)
        return QImage();
    const SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
    const QSize size = pixelSize(geometry[LabelWidth], geometry[LabelHeight], twipsPerPixelX, twipsPerPixelX);
    if (size.isEmpty())
        return QImage();
    QImage composite = stretchBlackOnWhite(canvas, size);
    if (rotated && !composite.isNull())
        composite = composite.mirrored(true, true);
    return composite;
}

} // namespace porkane
