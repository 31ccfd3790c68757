#pragma once

#include <QAbstractSpinBox>

#include "widgets/SpinnerRange.h"

class QLineEdit;

namespace porkane {

// A text field with its up-down spin button, drawn as one spin box. The
// field takes any text, as the format dialog's fields do (text that is no
// number reads as 0); the spin button holds an integer within its own range
// and steps it by its own step. The window keeps the two in step: setting
// the value from the field tells nobody, so the field is never rewritten
// while it is being typed in.
//
// Made buttonsOnly, it is a spin button without a field, whose clicks alone
// count.
class SpinField : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit SpinField(QWidget *parent = nullptr);

    QLineEdit *field() const { return lineEdit(); }
    void setButtonsOnly();

    void setRange(int minimum, int maximum);
    void setSingleStep(int step) { step_ = step; }
    int minimum() const { return range_.minimum; }
    int maximum() const { return range_.maximum; }
    int singleStep() const { return step_; }

    int value() const { return value_; }
    // Held within the range; emits nothing.
    void setValue(int value);

    // Arrow clicks, the arrow keys and the wheel come here.
    void stepBy(int steps) override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // An arrow was clicked, whether or not the value could move.
    void clicked(int direction);
    // An arrow moved the value.
    void stepped(int value);

protected:
    StepEnabled stepEnabled() const override;

private:
    SpinnerRange range_;
    int step_ = 1;
    int value_ = 0;
    bool buttonsOnly_ = false;
};

} // namespace porkane
