#pragma once

#include <QDoubleSpinBox>

namespace porkane {

// A length in millimetres with its up-down spinner. It shows whole
// millimetres as "30" and other lengths to a tenth ("35.3", as a free turn
// leaves them); the arrows step to the next whole millimetre.
class MillimetreField : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit MillimetreField(QWidget *parent = nullptr);

    void stepBy(int steps) override;
    QString textFromValue(double value) const override;
};

} // namespace porkane
