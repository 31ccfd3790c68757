#pragma once

// The pages of one print job, each made when it is drawn: a job of ten
// thousand addresses holds one page at a time, never all of them.
//
// As is, every page is the document, the labels before the starting label
// left empty on the first sheet of each copy. Merged, every label position
// takes the design label's text and formats with the next record of the
// list; positions without a record are empty. The document's images stay
// where they are on every page (the design label's own images are not
// copied to the other positions: images belong to the sheet, not to a
// label). Barcodes whose data names fields are the exception: each label
// position that prints a record gets its own symbol (see BarcodeMerge).

#include <memory>
#include <optional>
#include <vector>

#include "document/LabelDocument.h"
#include "print/BarcodeMerge.h"
#include "print/MergeFields.h"
#include "print/PrintPlan.h"

namespace porkane {

struct MergeData;

class PrintPages {
public:
    // The document as it is.
    static PrintPages asIs(const LabelDocument &document, int startLabel = 1, int copies = 1);
    // The rows of `data` listed in `rows` (0-based indices, each one that
    // merges), in that order, on the design label's text. The screen's
    // scale sizes the merged barcodes.
    static PrintPages merged(const LabelDocument &document, std::shared_ptr<const MergeData> data,
                             int designLabel, std::vector<int> rows, int startLabel = 1, int copies = 1,
                             ScreenScale screen = {});

    const PrintPlan &plan() const { return plan_; }
    int pageCount() const { return plan_.pageCount(); }
    const LabelDocument &document() const { return document_; }
    const SheetTemplate &sheet() const { return document_.sheet(); }
    // The record (0-based row of the list) label `label` of page `page`
    // prints; nothing for a label left empty or a job printed as is.
    std::optional<int> rowAt(int page, int label) const;

    // Page `page` (0-based) as a document of its own, sharing the pictures.
    LabelDocument page(int page) const;
    // The barcodes drawn from their settings on page `page`.
    PageBarcodes barcodes(int page) const;

private:
    PrintPages() = default;

    PrintPlan plan_;
    LabelDocument document_;
    std::shared_ptr<const MergeData> data_;
    std::optional<LabelMerge> merge_;
    std::optional<BarcodeMerge> barcodeMerge_;
    std::vector<int> rows_;
};

} // namespace porkane
