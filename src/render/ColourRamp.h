#pragma once

#include <QtGlobal>

#include "core/Colour.h"

namespace porkane {

// The colour at step i of n from `end` towards `start` (the far end of the
// three-dimensional layers is `end`). Green and blue are split off with the
// divisors 255 and 65280, as labels made so far were drawn: both come out
// scaled by 256/255 before the clamp to 255.
RgbValue ColourRamp(RgbValue start, RgbValue end, int i, int n);

} // namespace porkane
