#include "document/LabelDocument.h"

#include <algorithm>
#include <cmath>

#include "core/Errors.h"

namespace porkane {

namespace {
const AttrRecord EmptyRecord{};
struct SlotRange {
    double lowest;
    double highest;
    const char *what;
};

// Indexed by slot; an empty `what` takes any value.
constexpr SlotRange SlotRanges[SlotCount] = {
    {0, 0, nullptr},                  // text colour or line-break marker
    {0, 1000, "a character width"},   // the fields' range
    {0, 1000, "a character height"},
    {-100, 100, "a letter spacing"},  // the format dialog's range, in mm
    {-100, 100, "a line spacing"},
    {-360, 360, "a character rotation"},
    {-360, 360, "a line rotation"},
    {0, 1000, "a font weight"},
    {0, 0, nullptr},                  // italic
    {0, 0, nullptr},                  // underline
    {0, 0, nullptr},                  // strike-out
    {-1000, 1000, "a character alignment offset"}, // heights differ by at most 1000
    // The free height of a 1000 mm label less 100 lines of the largest
    // characters and spacings, in pixels of the finest screen: far below this.
    {-10'000'000, 10'000'000, "a line alignment offset"},
    {0, 0, nullptr},                  // face name
    {0, 7, "an effect code"},
    {0, 0, nullptr},                  // shadow colour
    {-10, 10, "a vertical effect shift"}, // the editor's fields, in mm
    {-10, 10, "a horizontal effect shift"},
    {0, 0, nullptr},                  // 3D start and outline colour
};

} // namespace

std::optional<QString> slotOutOfRange(int slot, const Variant &value)
{
    if (slot < 0 || slot >= SlotCount)
        return QStringLiteral("there is no slot %1").arg(slot);
    const SlotRange &range = SlotRanges[slot];
    if (range.what == nullptr || value.isEmpty())
        return std::nullopt;
    const double number = value.toDouble();
    if (std::isfinite(number) && number >= range.lowest && number <= range.highest)
        return std::nullopt;
    return QStringLiteral("%1 of %2 is outside %3 to %4")
        .arg(QLatin1String(range.what), value.toString().left(40))
        .arg(range.lowest)
        .arg(range.highest);
}

LabelDocument::LabelDocument() = default;

LabelDocument LabelDocument::fromTemplate(const SheetTemplate &sheet)
{
    if (sheet.LabelCount < 0 || sheet.LabelCount > MaxLabels)
        throw DocumentError(QStringLiteral("a sheet holds at most %1 labels").arg(MaxLabels));
    if (const std::optional<QString> why = sheetOutOfBounds(sheet))
        throw DocumentError(*why);
    LabelDocument document;
    document.sheet_ = sheet;
    return document;
}

void LabelDocument::discard()
{
    sheet_ = SheetTemplate{};
    for (QString &text : labelText_)
        text.clear();
    labelRotated_.fill(0);
    for (std::vector<AttrRecord> &records : charAttr_)
        records.clear();
    imageSlot_.fill(0);
    imageCount_ = 0;
    placement_.fill(ImagePlacementRow{});
    for (QImage &picture : pictures_)
        picture = QImage();
    sources_.fill(PictureSource{});
}

void LabelDocument::checkLabel(int label)
{
    if (label < 1 || label > MaxLabels)
        throw DocumentError(QStringLiteral("there is no label %1").arg(label));
}

void LabelDocument::checkPictureIndex(int index)
{
    if (index < 1 || index >= PictureIndices)
        throw DocumentError(QStringLiteral("there is no picture %1").arg(index));
}

const QString &LabelDocument::LabelText(int label) const
{
    checkLabel(label);
    return labelText_[label];
}

void LabelDocument::setLabelText(int label, const QString &text)
{
    checkLabel(label);
    if (text.size() > MaxPositions)
        throw DocumentError(QStringLiteral("a label holds at most %1 characters").arg(MaxPositions));
    if (text.contains(QLatin1Char('"')))
        throw DocumentError(QStringLiteral("a label text cannot hold the character \""));
    labelText_[label] = text;
}

qint16 LabelDocument::LabelRotated(int label) const
{
    checkLabel(label);
    return labelRotated_[label];
}

void LabelDocument::setLabelRotated(int label, qint16 rotated)
{
    checkLabel(label);
    labelRotated_[label] = rotated;
}

AttrRecord &LabelDocument::CharAttr(int label, int position)
{
    checkPosition(label, position);
    std::vector<AttrRecord> &records = charAttr_[label];
    if (int(records.size()) <= position)
        records.resize(position + 1);
    return records[position];
}

const AttrRecord &LabelDocument::CharAttr(int label, int position) const
{
    checkPosition(label, position);
    const std::vector<AttrRecord> &records = charAttr_[label];
    return position < int(records.size()) ? records[position] : EmptyRecord;
}

void LabelDocument::checkPosition(int label, int position)
{
    checkLabel(label);
    if (position < 0 || position > MaxPositions)
        throw DocumentError(QStringLiteral("a label has no position %1").arg(position));
}

qint32 LabelDocument::ImageSlot(int imageNumber) const
{
    if (imageNumber < 0 || imageNumber >= int(imageSlot_.size()))
        return 0;
    return imageSlot_[imageNumber];
}

ImagePlacementRow &LabelDocument::ImagePlacement(int pictureIndex)
{
    checkPictureIndex(pictureIndex);
    return placement_[pictureIndex];
}

const ImagePlacementRow &LabelDocument::ImagePlacement(int pictureIndex) const
{
    checkPictureIndex(pictureIndex);
    return placement_[pictureIndex];
}

const QImage &LabelDocument::picture(int pictureIndex) const
{
    checkPictureIndex(pictureIndex);
    return pictures_[pictureIndex];
}

void LabelDocument::setPicture(int pictureIndex, const QImage &picture)
{
    checkPictureIndex(pictureIndex);
    pictures_[pictureIndex] = picture;
    sources_[pictureIndex] = PictureSource{};
}

const PictureSource &LabelDocument::pictureSource(int pictureIndex) const
{
    checkPictureIndex(pictureIndex);
    return sources_[pictureIndex];
}

void LabelDocument::setPictureSource(int pictureIndex, const PictureSource &source)
{
    checkPictureIndex(pictureIndex);
    sources_[pictureIndex] = source;
}

int LabelDocument::addImage(const QImage &picture, const ImagePlacementRow &placement)
{
    if (imageCount_ >= MaxImages)
        throw DocumentError(QStringLiteral("a document holds at most %1 images").arg(MaxImages));
    int index = 1;
    while (std::find(imageSlot_.begin() + 1, imageSlot_.begin() + 1 + imageCount_, index) !=
           imageSlot_.begin() + 1 + imageCount_)
        ++index;
    const int number = imageCount_ + 1;
    imageSlot_[number] = index;
    placement_[index] = placement;
    pictures_[index] = picture;
    sources_[index] = PictureSource{};
    imageCount_ = qint16(number);
    return number;
}

void LabelDocument::deleteImage(int imageNumber)
{
    if (imageNumber < 1 || imageNumber > imageCount_)
        throw DocumentError(QStringLiteral("there is no image %1").arg(imageNumber));
    const int index = imageSlot_[imageNumber];
    pictures_[index] = QImage();
    sources_[index] = PictureSource{};
    placement_[index] = ImagePlacementRow{};
    std::copy(imageSlot_.begin() + imageNumber + 1, imageSlot_.end(), imageSlot_.begin() + imageNumber);
    imageSlot_.back() = 0;
    --imageCount_;
}

} // namespace porkane
