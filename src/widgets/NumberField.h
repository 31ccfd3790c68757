#pragma once

#include <QSpinBox>

#include "widgets/SpinnerRange.h"

namespace porkane {

// A number field with its up-down spinner. The field takes any 16-bit value
// as typed, so that the window can correct it (a negative length to 0, too
// large a value to the bound); the arrows step only within the spinner's
// own bounds.
class NumberField : public QSpinBox {
    Q_OBJECT
public:
    explicit NumberField(QWidget *parent = nullptr);

    void setSpinnerRange(int minimum, int maximum);
    int spinnerMinimum() const { return spinner_.minimum; }
    int spinnerMaximum() const { return spinner_.maximum; }

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    SpinnerRange spinner_;
};

} // namespace porkane
