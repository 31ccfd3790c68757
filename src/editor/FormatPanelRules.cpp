#include "editor/FormatPanelRules.h"

#include <algorithm>
#include <cmath>

#include "core/Rounding.h"
#include "format/TextFormat.h"

namespace porkane {

EffectBoxes EffectBoxes::clicked(Box box, bool on) const
{
    EffectBoxes boxes = *this;
    switch (box) {
    case Shadow:
        boxes.shadow = on;
        if (on)
            boxes.threeD = false;
        break;
    case ThreeD:
        boxes.threeD = on;
        if (on)
            boxes.shadow = false;
        break;
    case Outline:
        boxes.outline = on;
        break;
    }
    return boxes;
}

qint16 EffectBoxes::effectCode() const { return effectCodeOf(shadow, threeD, outline); }

EffectBoxes EffectBoxes::of(qint16 effectCode)
{
    return {hasShadow(effectCode), hasThreeD(effectCode), hasOutline(effectCode)};
}

int sizeStepped(int value, bool up, int maximum)
{
    if (up)
        return value < maximum ? value + 1 : value;
    return value > 1 ? value - 1 : value;
}

int fieldNumber(double value, int minimum, int maximum)
{
    if (std::isnan(value))
        return minimum;
    return int(roundHalfEven(std::clamp(value, double(minimum), double(maximum))));
}

} // namespace porkane
