#include "widgets/NumberField.h"

namespace porkane {

NumberField::NumberField(QWidget *parent) : QSpinBox(parent)
{
    setRange(-32768, 32767);
    setAccelerated(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void NumberField::setSpinnerRange(int minimum, int maximum)
{
    spinner_.set(minimum, maximum);
}

void NumberField::stepBy(int steps)
{
    const int next = spinner_.stepped(value(), steps, singleStep());
    if (next != value())
        setValue(next);
    selectAll();
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const { return spinner_.arrowsFor(value()); }

} // namespace porkane
