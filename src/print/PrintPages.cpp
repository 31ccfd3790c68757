#include "print/PrintPages.h"

#include "print/MergeData.h"

namespace porkane {

PrintPages PrintPages::asIs(const LabelDocument &document, int startLabel, int copies)
{
    PrintPages pages;
    pages.document_ = document;
    pages.plan_.mode = PrintPlan::Mode::AsIs;
    pages.plan_.labelCount = document.labelCount();
    pages.plan_.startLabel = startLabel;
    pages.plan_.copies = copies;
    return pages;
}

PrintPages PrintPages::merged(const LabelDocument &document, std::shared_ptr<const MergeData> data,
                              int designLabel, std::vector<int> rows, int startLabel, int copies,
                              ScreenScale screen)
{
    PrintPages pages;
    pages.document_ = document;
    pages.plan_.mode = PrintPlan::Mode::Merge;
    pages.plan_.labelCount = document.labelCount();
    pages.plan_.startLabel = startLabel;
    pages.plan_.copies = copies;
    if (data) {
        // Rows the list does not have are left out rather than read past it.
        std::erase_if(rows, [&](int row) { return row < 0 || std::size_t(row) >= data->rows.size(); });
        pages.merge_.emplace(document, designLabel);
        pages.barcodeMerge_.emplace(document, designLabel, screen);
    } else {
        rows.clear();
    }
    pages.plan_.recordCount = int(rows.size());
    pages.rows_ = std::move(rows);
    pages.data_ = std::move(data);
    return pages;
}

std::optional<int> PrintPages::rowAt(int page, int label) const
{
    if (plan_.mode != PrintPlan::Mode::Merge)
        return std::nullopt;
    const std::optional<int> record = plan_.sourceAt(page, label);
    if (!record)
        return std::nullopt;
    return rows_[std::size_t(*record)];
}

LabelDocument PrintPages::page(int page) const
{
    LabelDocument sheet = document_;
    const int labels = plan_.labelCount;
    for (int label = 1; label <= labels; ++label) {
        const std::optional<int> source = plan_.sourceAt(page, label);
        if (plan_.mode == PrintPlan::Mode::AsIs) {
            if (!source)
                sheet.setLabelText(label, QString());
            continue;
        }
        std::optional<LabelMerge::Merged> merged;
        if (source && merge_) {
            // Rows were checked when the job was set up; one that fails
            // now leaves its label empty instead of printing half of it.
            std::vector<MergeProblem> problems;
            merged = merge_->merge(*data_, std::size_t(rows_[std::size_t(*source)]), problems);
        }
        if (merged)
            LabelMerge::place(sheet, label, *merged);
        else
            sheet.setLabelText(label, QString());
    }
    return sheet;
}

PageBarcodes PrintPages::barcodes(int page) const
{
    PageBarcodes barcodes = documentBarcodes(document_);
    if (plan_.mode != PrintPlan::Mode::Merge || !barcodeMerge_ || barcodeMerge_->isEmpty())
        return barcodes;
    barcodes = barcodeMerge_->withoutMergedPictures(std::move(barcodes));
    for (int label = 1; label <= plan_.labelCount; ++label) {
        const std::optional<int> source = plan_.sourceAt(page, label);
        if (!source)
            continue;
        // As with the text: a row that fails now prints no symbol.
        std::vector<MergeProblem> problems;
        if (const auto merged = barcodeMerge_->merge(*data_, std::size_t(rows_[std::size_t(*source)]), problems))
            barcodeMerge_->place(barcodes, label, *merged);
    }
    return barcodes;
}

} // namespace porkane
