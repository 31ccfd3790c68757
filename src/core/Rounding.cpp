#include "core/Rounding.h"

#include <cmath>
#include <limits>
#include <string>

#include "core/Errors.h"

namespace porkane {

double roundHalfEven(double value)
{
    // std::nearbyint uses the current rounding mode, which the program never
    // changes from round-to-nearest-even; do it explicitly anyway.
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

namespace {

template <typename Int>
Int roundToInt(double value, const char *typeName)
{
    if (std::isnan(value))
        throw ValueRangeError(std::string("not a number cannot become a ") + typeName);
    const double rounded = roundHalfEven(value);
    if (rounded < double(std::numeric_limits<Int>::min()) ||
        rounded > double(std::numeric_limits<Int>::max()))
        throw ValueRangeError(std::to_string(value) + " does not fit a " + typeName);
    return static_cast<Int>(rounded);
}

} // namespace

qint32 roundToInt32(double value) { return roundToInt<qint32>(value, "32-bit integer"); }
qint16 roundToInt16(double value) { return roundToInt<qint16>(value, "16-bit integer"); }

} // namespace porkane
