#include "widgets/SpinField.h"

#include <cstdlib>

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

namespace porkane {

SpinField::SpinField(QWidget *parent) : QAbstractSpinBox(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(true);
    lineEdit()->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
}

void SpinField::setButtonsOnly()
{
    buttonsOnly_ = true;
    lineEdit()->hide();
    setFocusPolicy(Qt::NoFocus);
    setFixedWidth(sizeHint().width());
}

void SpinField::setRange(int minimum, int maximum)
{
    range_.set(minimum, maximum);
    value_ = range_.clamped(value_);
}

void SpinField::setValue(int value)
{
    value_ = range_.clamped(value);
    update(); // the arrows' states follow the value
}

void SpinField::stepBy(int steps)
{
    if (!isEnabled() || steps == 0)
        return;
    const int direction = steps > 0 ? 1 : -1;
    for (int count = std::abs(steps); count > 0; --count) {
        emit clicked(direction);
        const int next = range_.stepped(value_, direction, step_);
        if (next != value_) {
            value_ = next;
            emit stepped(value_);
        }
    }
    update();
}

QAbstractSpinBox::StepEnabled SpinField::stepEnabled() const
{
    if (!isEnabled())
        return StepNone;
    // Without a field there is no value to show, and every click counts.
    if (buttonsOnly_)
        return StepUpEnabled | StepDownEnabled;
    return range_.arrowsFor(value_);
}

QSize SpinField::sizeHint() const
{
    QSize hint = QAbstractSpinBox::sizeHint();
    if (buttonsOnly_) {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        const QRect up = style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this);
        hint.setWidth(up.width() + 2 * style()->pixelMetric(QStyle::PM_SpinBoxFrameWidth, &option, this) + 2);
    }
    return hint;
}

} // namespace porkane
