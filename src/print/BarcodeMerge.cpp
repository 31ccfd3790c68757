#include "print/BarcodeMerge.h"

#include <algorithm>

#include <QCoreApplication>
#include <QRectF>

#include "core/Errors.h"
#include "core/Units.h"
#include "image/BarcodeSource.h"
#include "print/MergeData.h"

namespace porkane {

namespace {

// lupdate files these texts under the context the translator looks them up in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(BarcodeMerge)
};

// A symbol may be this much larger than its picture, which was rounded to
// whole screen pixels.
constexpr double SizeToleranceMm = 0.3;

bool isPictureIndex(qint32 index) { return index >= 1 && index <= LabelDocument::MaxImages + 1; }

// The symbol of settings with their own data; none when they make none.
std::optional<PrintedBarcode> ownBarcode(qint32 index, const PictureSource &source)
{
    try {
        PrintedBarcode barcode;
        barcode.pictureIndex = index;
        barcode.request = barcodeRequest(source);
        barcode.quarterTurns = source.quarterTurns % 4;
        measureBarcode(barcode.request, BarcodePictureDpi);
        return barcode;
    } catch (const UserError &) {
        return std::nullopt;
    }
}

QRectF labelRect(const SheetTemplate &sheet, int label)
{
    const SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
    return QRectF(geometry[LeftOffset], geometry[TopOffset], geometry[LabelWidth], geometry[LabelHeight]);
}

} // namespace

bool PageBarcodes::replaces(qint32 pictureIndex) const
{
    return std::find(replaced.begin(), replaced.end(), pictureIndex) != replaced.end();
}

PageBarcodes documentBarcodes(const LabelDocument &document)
{
    PageBarcodes page;
    for (int number = 1; number <= document.ImageCount(); ++number) {
        const qint32 index = document.ImageSlot(number);
        if (!isPictureIndex(index) || !document.pictureSource(index).isBarcode())
            continue;
        if (const std::optional<PrintedBarcode> barcode = ownBarcode(index, document.pictureSource(index))) {
            page.replaced.push_back(index);
            page.barcodes.push_back(*barcode);
        }
    }
    return page;
}

BarcodeMerge::BarcodeMerge(const LabelDocument &document, int designLabel, ScreenScale screen)
    : designLabel_(std::clamp(designLabel, 1, int(LabelDocument::MaxLabels)))
{
    const SheetTemplate &sheet = document.sheet();
    const int labels = std::clamp(int(sheet.LabelCount), 0, int(LabelDocument::MaxLabels));
    for (int label = 1; label <= labels; ++label)
        labelCorners_[label] = labelRect(sheet, label).topLeft();
    const QRectF design = designLabel_ <= labels ? labelRect(sheet, designLabel_) : QRectF();

    const double mmPerPixelX = screen.twipsPerPixelX / TwipsPerMillimetre;
    const double mmPerPixelY = screen.twipsPerPixelY / TwipsPerMillimetre;
    for (int number = 1; number <= document.ImageCount(); ++number) {
        const qint32 index = document.ImageSlot(number);
        if (!isPictureIndex(index))
            continue;
        const PictureSource &source = document.pictureSource(index);
        const QStringList names = barcodeFieldNames(source);
        if (names.isEmpty())
            continue;
        Picture picture;
        picture.index = index;
        picture.source = source;
        picture.fieldNames = names;
        const QSize size = document.picture(index).size();
        const ImagePlacementRow &place = document.ImagePlacement(index);
        const QRectF area(place[PlacementLeft] * mmPerPixelX, place[PlacementTop] * mmPerPixelY,
                          size.width() * mmPerPixelX, size.height() * mmPerPixelY);
        const bool sideways = source.quarterTurns % 2 == 1;
        picture.widthMm = sideways ? area.height() : area.width();
        picture.heightMm = sideways ? area.width() : area.height();
        if (placementProblem_.isEmpty() && !design.contains(area.center()))
            placementProblem_ = Texts::tr("差し込み項目（%1）のあるバーコードは、元にするラベル %2 の上に置いてください。")
                                    .arg(QStringLiteral("《%1》").arg(names.join(QStringLiteral("》《"))))
                                    .arg(designLabel_);
        for (const QString &name : names)
            if (!fieldNames_.contains(name))
                fieldNames_ << name;
        pictures_.push_back(std::move(picture));
    }
}

std::vector<MergeProblem> BarcodeMerge::missingFields(const MergeData &data) const
{
    std::vector<MergeProblem> problems;
    for (const QString &name : fieldNames_)
        if (data.fieldIndex(name) < 0)
            problems.push_back({0, name, Texts::tr("%1 にこの項目がありません").arg(data.file)});
    return problems;
}

std::optional<std::vector<PrintedBarcode>> BarcodeMerge::merge(const MergeData &data, std::size_t rowIndex,
                                                               std::vector<MergeProblem> &problems) const
{
    const QStringList &values = data.rows.at(rowIndex);
    const int row = int(rowIndex) + 2;
    std::vector<PrintedBarcode> merged;
    bool refused = false;
    for (const Picture &picture : pictures_) {
        const QString fields = picture.fieldNames.join(QStringLiteral("、"));
        try {
            PrintedBarcode barcode;
            barcode.pictureIndex = picture.index;
            barcode.quarterTurns = picture.source.quarterTurns % 4;
            barcode.request = barcodeRequest(picture.source, [&](const QString &name) {
                const int column = data.fieldIndex(name);
                if (column < 0)
                    throw UserError(Texts::tr("%1 にこの項目がありません").arg(data.file));
                return values[column];
            });
            const BarcodeSize size = measureBarcode(barcode.request, BarcodePictureDpi);
            if (size.widthMm > picture.widthMm + SizeToleranceMm || size.heightMm > picture.heightMm + SizeToleranceMm) {
                barcode.request.sizing = BarcodeSizing::OverallSize;
                barcode.request.widthMm = picture.widthMm;
                barcode.request.heightMm = picture.heightMm;
                measureBarcode(barcode.request, BarcodePictureDpi);
            }
            merged.push_back(barcode);
        } catch (const UserError &error) {
            problems.push_back({row, fields, error.message()});
            refused = true;
        }
    }
    if (refused)
        return std::nullopt;
    return merged;
}

PageBarcodes BarcodeMerge::withoutMergedPictures(PageBarcodes page) const
{
    for (const Picture &picture : pictures_) {
        std::erase_if(page.barcodes,
                      [&](const PrintedBarcode &barcode) { return barcode.pictureIndex == picture.index; });
        if (!page.replaces(picture.index))
            page.replaced.push_back(picture.index);
    }
    return page;
}

void BarcodeMerge::place(PageBarcodes &page, int label, const std::vector<PrintedBarcode> &barcodes) const
{
    if (label < 1 || label > LabelDocument::MaxLabels)
        return;
    const QPointF shift = labelCorners_[label] - labelCorners_[designLabel_];
    for (PrintedBarcode barcode : barcodes) {
        barcode.shiftXMm = shift.x();
        barcode.shiftYMm = shift.y();
        page.barcodes.push_back(std::move(barcode));
    }
}

} // namespace porkane
