#include "widgets/NumberField.h"

#include <algorithm>

namespace porkane {

NumberField::NumberField(QWidget *parent) : QSpinBox(parent)
{
    setRange(-32768, 32767);
    setAccelerated(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void NumberField::setSpinnerRange(int minimum, int maximum)
{
    spinnerMinimum_ = minimum;
    spinnerMaximum_ = std::max(minimum, maximum);
}

void NumberField::stepBy(int steps)
{
    const int next = std::clamp(value() + steps * singleStep(), spinnerMinimum_, spinnerMaximum_);
    if (next != value())
        setValue(next);
    selectAll();
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (value() < spinnerMaximum_)
        enabled |= StepUpEnabled;
    if (value() > spinnerMinimum_)
        enabled |= StepDownEnabled;
    return enabled;
}

} // namespace porkane
