#include "sheet/TemplateDraft.h"

#include <algorithm>
#include <cmath>

#include "core/Rounding.h"
#include "core/Units.h"

namespace porkane {

namespace {

// Preview lengths are bounded (16-bit millimetres at 100 twips each), so
// the rounding cannot leave the 32-bit range.
int pixelsOf(double twips, int twipsPerPixel)
{
    return roundToInt32(toPixels(Twips{twips}, std::max(1, twipsPerPixel)).value);
}

} // namespace

TemplateDraft::TemplateDraft(QObject *parent) : QObject(parent)
{
    reset(SheetTemplate::newTemplate(), QString::fromLatin1(NewTemplateName));
}

void TemplateDraft::reset(const SheetTemplate &sheet, const QString &name)
{
    dragging_ = false;
    for (std::size_t label = 1; label < working_.size(); ++label)
        working_[label] = sheet.LabelGeometry[label];
    labelCount_ = std::clamp<int>(sheet.LabelCount, 1, SheetTemplate::MaxLabels);
    // A template without labels gets the one every template starts with.
    if (sheet.LabelCount < 1)
        working_[1] = NewLabelGeometry;
    name_ = name;
    sheetWidth_ = sheet.SheetWidth;
    sheetHeight_ = sheet.SheetHeight;
    currentLabel_ = labelCount_;
    labelsAtStart_ = labelCount_;
    modified_ = false;
    emit replaced();
}

QString TemplateDraft::tooFewLabelsMessage(int minimum)
{
    return tr("文字入力中の文書には %1 面のラベルがあります。%1 面以上の配置を選んでください。").arg(minimum);
}

TemplateDraft::Replacement TemplateDraft::replaceTemplate(const SheetTemplate &sheet,
                                                          const std::optional<QString> &name)
{
    if (sheet.LabelCount < 1 || sheet.LabelCount > SheetTemplate::MaxLabels)
        return Replacement::NoLabels;
    if (sheet.LabelCount < minimumLabelCount())
        return Replacement::TooFewLabels;
    dragging_ = false;
    for (std::size_t label = 1; label < working_.size(); ++label)
        working_[label] = sheet.LabelGeometry[label];
    labelCount_ = sheet.LabelCount;
    if (name)
        name_ = *name;
    sheetWidth_ = std::clamp<int>(sheet.SheetWidth, 0, MaxSheetSize);
    sheetHeight_ = std::clamp<int>(sheet.SheetHeight, 0, MaxSheetSize);
    currentLabel_ = 1;
    setModified();
    emit replaced();
    return Replacement::Replaced;
}

void TemplateDraft::setName(const QString &name)
{
    if (name == name_)
        return;
    name_ = name;
    setModified();
}

int TemplateDraft::setSheetWidth(int millimetres) { return setSheetSize(sheetWidth_, millimetres); }

int TemplateDraft::setSheetHeight(int millimetres) { return setSheetSize(sheetHeight_, millimetres); }

int TemplateDraft::setSheetSize(int &size, int millimetres)
{
    const int kept = std::clamp(millimetres, 0, MaxSheetSize);
    if (millimetres != size)
        setModified();
    size = kept;
    emit sheetSizeChanged();
    return kept;
}

const SheetTemplate::Geometry &TemplateDraft::geometry(int label) const { return working_.at(std::size_t(label)); }

void TemplateDraft::selectLabel(int label)
{
    if (label < 1 || label > labelCount_)
        return;
    currentLabel_ = label;
    emit currentLabelChanged(label);
}

bool TemplateDraft::addLabel()
{
    if (labelCount_ >= SheetTemplate::MaxLabels)
        return false;
    ++labelCount_;
    working_[std::size_t(labelCount_)] = NewLabelGeometry;
    setModified();
    emit labelAdded(labelCount_);
    selectLabel(labelCount_);
    return true;
}

TemplateDraft::Deletion TemplateDraft::deleteCurrentLabel()
{
    if (currentLabel_ == 1)
        return Deletion::FirstLabel;
    if (keepsLabels_)
        return Deletion::LabelsKept;
    const int deleted = currentLabel_;
    for (int k = deleted; k < SheetTemplate::MaxLabels; ++k)
        working_[std::size_t(k)] = working_[std::size_t(k + 1)];
    --labelCount_;
    setModified();
    emit labelDeleted(deleted);
    selectLabel(1);
    return Deletion::Deleted;
}

int TemplateDraft::itemMaximum(int item) const
{
    const SheetTemplate::Geometry &row = working_[std::size_t(currentLabel_)];
    switch (item) {
    case TopOffset:
    case LabelHeight:
        return sheetHeight_;
    case LeftOffset:
    case LabelWidth:
        return sheetWidth_;
    case VerticalPrintStart:
        return row[LabelHeight];
    case HorizontalPrintStart:
        return row[LabelWidth];
    default:
        return 0;
    }
}

int TemplateDraft::setItem(int item, int value)
{
    if (item < 0 || item >= SheetTemplate::GeometryItems)
        return 0;
    qint16 &stored = working_[std::size_t(currentLabel_)][std::size_t(item)];
    const int kept = std::clamp(value, 0, std::max(0, itemMaximum(item)));
    // A value the user put in counts as an edit even when it was held to
    // the bound the label already had.
    if (value != stored)
        setModified();
    stored = qint16(kept);
    emit geometryChanged(currentLabel_);
    return kept;
}

SheetTemplate TemplateDraft::toTemplate() const
{
    SheetTemplate sheet;
    sheet.SheetWidth = qint16(sheetWidth_);
    sheet.SheetHeight = qint16(sheetHeight_);
    sheet.LabelCount = qint16(labelCount_);
    for (std::size_t label = 1; label < working_.size(); ++label)
        sheet.LabelGeometry[label] = working_[label];
    return sheet;
}

void TemplateDraft::setZoom(int zoom)
{
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    emit zoomChanged();
}

QSize TemplateDraft::sheetPreviewPixels(int twipsPerPixelX, int twipsPerPixelY) const
{
    const double scale = previewTwipsPerMillimetre();
    return {std::max(1, pixelsOf(sheetWidth_ * scale, twipsPerPixelX)),
            std::max(1, pixelsOf(sheetHeight_ * scale, twipsPerPixelY))};
}

QRect TemplateDraft::labelPreviewPixels(int label, int twipsPerPixelX, int twipsPerPixelY) const
{
    const SheetTemplate::Geometry &row = geometry(label);
    const double scale = previewTwipsPerMillimetre();
    return {pixelsOf(row[LeftOffset] * scale, twipsPerPixelX), pixelsOf(row[TopOffset] * scale, twipsPerPixelY),
            std::max(1, pixelsOf(row[LabelWidth] * scale, twipsPerPixelX)),
            std::max(1, pixelsOf(row[LabelHeight] * scale, twipsPerPixelY))};
}

void TemplateDraft::beginDrag(int label)
{
    if (label < 1 || label > labelCount_)
        return;
    selectLabel(label);
    const SheetTemplate::Geometry &row = working_[std::size_t(label)];
    const double scale = previewTwipsPerMillimetre();
    dragStartTwips_ = QPointF(row[LeftOffset] * scale, row[TopOffset] * scale);
    dragTwips_ = dragStartTwips_;
    dragging_ = true;
}

void TemplateDraft::dragBy(QPointF movedPixels, int twipsPerPixelX, int twipsPerPixelY)
{
    if (!dragging_)
        return;
    dragTwips_ = dragStartTwips_ + QPointF(toTwips(Pixels{movedPixels.x()}, twipsPerPixelX).value,
                                           toTwips(Pixels{movedPixels.y()}, twipsPerPixelY).value);
}

QPoint TemplateDraft::dragMillimetres() const
{
    const double scale = previewTwipsPerMillimetre();
    // Far outside the sheet the pointer cannot go beyond what a 16-bit
    // field holds; the fields then bring it back onto the sheet.
    const auto millimetres = [scale](double twips) {
        return int(std::clamp(std::trunc(twips / scale), -32768.0, 32767.0));
    };
    return {millimetres(dragTwips_.x()), millimetres(dragTwips_.y())};
}

void TemplateDraft::endDrag()
{
    if (!dragging_)
        return;
    dragging_ = false;
    const QPoint at = dragMillimetres();
    setItem(TopOffset, at.y());
    setItem(LeftOffset, at.x());
}

} // namespace porkane
