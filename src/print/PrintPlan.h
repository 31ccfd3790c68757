#pragma once

// Which label of which page prints what: either every label as it is, or
// the records of an address list filling the labels in order, sheet after
// sheet. A starting label leaves the labels before it empty on the first
// sheet (a sheet partly used already); copies repeat the whole job.

#include <optional>

namespace porkane {

struct PrintPlan {
    enum class Mode { AsIs, Merge };

    Mode mode = Mode::AsIs;
    int labelCount = 0;
    int startLabel = 1; // 1 to labelCount
    int recordCount = 0; // Merge: the rows of the list
    int copies = 1;

    // Pages of one copy of the job: 1 for AsIs; for Merge as many sheets as
    // the records fill from the starting label on.
    int pagesPerCopy() const;
    int pageCount() const { return pagesPerCopy() * copies; }

    // What label `label` (1-based) of page `page` (0-based) prints: AsIs the
    // label itself, Merge the record index (0-based); nothing for a label
    // left empty.
    std::optional<int> sourceAt(int page, int label) const;
};

} // namespace porkane
