#pragma once

#include <QSpinBox>

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
    int spinnerMinimum() const { return spinnerMinimum_; }
    int spinnerMaximum() const { return spinnerMaximum_; }

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int spinnerMinimum_ = 0;
    int spinnerMaximum_ = 100;
};

} // namespace porkane
