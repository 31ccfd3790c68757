#pragma once

// Which label of which page prints what: either every label as it is, or
// the records of an address list filling the labels in order, sheet after
// sheet. A starting label leaves the labels before it empty on the first
// sheet (a sheet partly used already); copies repeat the whole job.

#include <optional>

namespace porkane {

struct PrintPlan {
    enum class Mode { AsIs, Merge };

    static constexpr int MaxCopies = 999;

    Mode mode = Mode::AsIs;
    int labelCount = 0;
    int startLabel = 1; // 1 to labelCount; other values are taken as the nearest of those
    int recordCount = 0; // Merge: the records that fill the labels
    int copies = 1;      // 1 to MaxCopies, likewise

    // The starting label and copies as the plan uses them.
    int start() const;
    int copyCount() const;

    // Pages of one copy of the job: 1 for AsIs (a sheet without labels
    // prints an empty page, as it always did); for Merge as many sheets as
    // the records fill from the starting label on, 0 without records or
    // labels.
    int pagesPerCopy() const;
    int pageCount() const;

    // What label `label` (1-based) of page `page` (0-based) prints: AsIs the
    // label itself, Merge the record index (0-based); nothing for a label
    // left empty.
    std::optional<int> sourceAt(int page, int label) const;
};

} // namespace porkane
