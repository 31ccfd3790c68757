#pragma once

// Rounding for drawing code: a value that does not fit gives nothing, and
// the caller skips the statement it belonged to, as drawing does with any
// failing step.

#include <cmath>
#include <limits>
#include <optional>

#include <QtGlobal>

#include "core/Rounding.h"

namespace porkane {

template <typename Int>
std::optional<Int> tryNearest(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < double(std::numeric_limits<Int>::min()) || rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

inline std::optional<qint32> nearest32(double value) { return tryNearest<qint32>(value); }
inline std::optional<qint16> nearest16(double value) { return tryNearest<qint16>(value); }

// target = nearest(value), unless that fails: then target keeps its value.
template <typename Int>
void assignNearest(Int &target, double value)
{
    if (const std::optional<Int> rounded = tryNearest<Int>(value))
        target = *rounded;
}

} // namespace porkane
