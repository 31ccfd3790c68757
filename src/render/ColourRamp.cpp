#include "render/ColourRamp.h"

#include <algorithm>

#include "core/Nearest.h"

namespace porkane {

RgbValue ColourRamp(RgbValue start, RgbValue end, int i, int n)
{
    if (n == 0)
        return end;
    struct Channels {
        double red, green, blue;
    };
    const auto split = [](RgbValue colour) {
        return Channels{double(colour & 0xFF), double(colour & 0xFF00) / 255.0,
                        double(colour & 0xFF0000) / 65280.0};
    };
    const Channels from = split(end);
    const Channels to = split(start);
    const auto channel = [&](double far, double near) {
        const double value = std::clamp(far + i * (near - far) / n, 0.0, 255.0);
        return int(roundHalfEven(value));
    };
    return channel(from.red, to.red) + 256 * channel(from.green, to.green) + 65536 * channel(from.blue, to.blue);
}

} // namespace porkane
