#include "editor/SheetScrolling.h"

#include <algorithm>

#include "core/Nearest.h"
#include "core/Units.h"

namespace porkane {

namespace {

// nearest16, held to the scroll bar's range instead of failing.
int scrollUnits(double value)
{
    return std::clamp<int>(nearest16(value).value_or(value > 0 ? 32767 : 0), 0, 32767);
}

} // namespace

ScrollRange scrollRangeFor(double viewportTwips, double viewTwips)
{
    if (!(viewportTwips < viewTwips))
        return {};
    ScrollRange range;
    range.needed = true;
    range.maximum = scrollUnits((viewTwips - viewportTwips) / 10);
    range.smallChange = std::max(1, scrollUnits(range.maximum / 20.0));
    range.largeChange = std::max(1, scrollUnits(range.maximum / 5.0));
    return range;
}

int viewOffsetTwips(int scrollValue) { return -scrollValue * 10; }

int viewOffsetPixels(int twips, int twipsPerPixel)
{
    return nearest32(toPixels(Twips{double(twips)}, std::max(1, twipsPerPixel)).value).value_or(0);
}

} // namespace porkane
