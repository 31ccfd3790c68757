#pragma once

#include <algorithm>

#include <QAbstractSpinBox>

namespace porkane {

// The bounds a spinner's arrows keep to, which may be narrower than what
// its field takes (NumberField) or hold a value of their own (SpinField).
struct SpinnerRange {
    int minimum = 0;
    int maximum = 100;

    void set(int lowest, int highest)
    {
        minimum = lowest;
        maximum = std::max(lowest, highest);
    }
    int clamped(int value) const { return std::clamp(value, minimum, maximum); }
    // Where `steps` arrow clicks of `step` each take `value`.
    int stepped(int value, int steps, int step) const { return clamped(value + steps * step); }
    // The arrows that can still move `value`.
    QAbstractSpinBox::StepEnabled arrowsFor(int value) const
    {
        QAbstractSpinBox::StepEnabled enabled = QAbstractSpinBox::StepNone;
        if (value < maximum)
            enabled |= QAbstractSpinBox::StepUpEnabled;
        if (value > minimum)
            enabled |= QAbstractSpinBox::StepDownEnabled;
        return enabled;
    }
};

} // namespace porkane
