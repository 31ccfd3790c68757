#pragma once

#include <QtGlobal>

namespace porkane {

// Nearest integer, halves to the even one (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// Rounded as above; a value outside the type's range (or NaN) throws
// ValueRangeError instead of wrapping.
qint32 roundToInt32(double value);
qint16 roundToInt16(double value);

} // namespace porkane
