#include "print/PrintPlan.h"

#include <algorithm>

namespace porkane {

int PrintPlan::pagesPerCopy() const
{
    if (labelCount < 1)
        return 0;
    if (mode == Mode::AsIs)
        return 1;
    if (recordCount < 1)
        return 0;
    const int first = startLabel - 1; // empty places on the first sheet
    return (first + recordCount + labelCount - 1) / labelCount;
}

std::optional<int> PrintPlan::sourceAt(int page, int label) const
{
    const int perCopy = pagesPerCopy();
    if (perCopy < 1 || page < 0 || page >= perCopy * std::max(copies, 1) || label < 1 || label > labelCount)
        return std::nullopt;
    const int sheet = page % perCopy;
    if (sheet == 0 && label < startLabel)
        return std::nullopt;
    if (mode == Mode::AsIs)
        return label;
    const int record = sheet * labelCount + (label - 1) - (startLabel - 1);
    if (record >= recordCount)
        return std::nullopt;
    return record;
}

} // namespace porkane
