#include "document/LabelDocument.h"

#include <algorithm>

#include "core/Errors.h"

namespace porkane {

namespace {
const AttrRecord EmptyRecord{};
} // namespace

LabelDocument::LabelDocument() = default;

LabelDocument LabelDocument::fromTemplate(const SheetTemplate &sheet)
{
    if (sheet.LabelCount < 0 || sheet.LabelCount > MaxLabels)
        throw DocumentError(QStringLiteral("a sheet holds at most %1 labels").arg(MaxLabels));
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
    imageCount_ = qint16(number);
    return number;
}

void LabelDocument::deleteImage(int imageNumber)
{
    if (imageNumber < 1 || imageNumber > imageCount_)
        throw DocumentError(QStringLiteral("there is no image %1").arg(imageNumber));
    const int index = imageSlot_[imageNumber];
    pictures_[index] = QImage();
    placement_[index] = ImagePlacementRow{};
    std::copy(imageSlot_.begin() + imageNumber + 1, imageSlot_.end(), imageSlot_.begin() + imageNumber);
    imageSlot_.back() = 0;
    --imageCount_;
}

} // namespace porkane
