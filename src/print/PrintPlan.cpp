#include "print/PrintPlan.h"

#include <algorithm>
#include <limits>

namespace porkane {

int PrintPlan::start() const { return std::clamp(startLabel, 1, std::max(labelCount, 1)); }

int PrintPlan::copyCount() const { return std::clamp(copies, 1, MaxCopies); }

int PrintPlan::pagesPerCopy() const
{
    if (mode == Mode::AsIs)
        return 1;
    if (labelCount < 1 || recordCount < 1)
        return 0;
    // 64 bits: a long list with a late start must not wrap.
    const long long places = (long long)(start() - 1) + recordCount;
    return int((places + labelCount - 1) / labelCount);
}

int PrintPlan::pageCount() const
{
    const long long pages = (long long)pagesPerCopy() * copyCount();
    return int(std::min<long long>(pages, std::numeric_limits<int>::max()));
}

std::optional<int> PrintPlan::sourceAt(int page, int label) const
{
    const int perCopy = pagesPerCopy();
    if (perCopy < 1 || page < 0 || page >= pageCount() || label < 1 || label > labelCount)
        return std::nullopt;
    const int sheet = page % perCopy;
    const int first = start();
    if (sheet == 0 && label < first)
        return std::nullopt;
    if (mode == Mode::AsIs)
        return label;
    const long long record = (long long)sheet * labelCount + (label - 1) - (first - 1);
    if (record >= recordCount)
        return std::nullopt;
    return int(record);
}

} // namespace porkane
