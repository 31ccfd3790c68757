#pragma once

// How the sheet view slides inside its viewport: the scroll bars count in
// units of 10 twips, and a view that fits needs no scroll bar.

#include <QtGlobal>

namespace porkane {

struct ScrollRange {
    bool needed = false;
    int maximum = 0;
    int smallChange = 1;
    int largeChange = 1;

    bool operator==(const ScrollRange &) const = default;
};

// The scroll bar of one axis, from the viewport's inner length and the
// view's, both in twips: the maximum is the overhang in tens of twips,
// the small and large changes a twentieth and a fifth of it (at least 1).
ScrollRange scrollRangeFor(double viewportTwips, double viewTwips);

// Where a scroll value puts the view's edge: -value × 10 twips.
int viewOffsetTwips(int scrollValue);

// That place in pixels of the screen, rounded halves to even.
int viewOffsetPixels(int twips, int twipsPerPixel);

} // namespace porkane
