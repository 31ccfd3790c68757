#include "widgets/MillimetreField.h"

#include <cmath>

#include <QLocale>

namespace porkane {

MillimetreField::MillimetreField(QWidget *parent) : QDoubleSpinBox(parent)
{
    // A decimal point, whatever the desktop's language.
    setLocale(QLocale::c());
    setDecimals(1);
    setSingleStep(1);
    setAccelerated(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void MillimetreField::stepBy(int steps)
{
    const double now = value();
    const double whole = steps > 0 ? std::floor(now) : std::ceil(now);
    const double next = whole + steps * singleStep();
    setValue(next);
    selectAll();
}

QString MillimetreField::textFromValue(double value) const
{
    const double tenths = std::round(value * 10);
    if (std::fmod(tenths, 10.0) == 0)
        return QString::number(qint64(tenths / 10));
    return QString::number(tenths / 10, 'f', 1);
}

} // namespace porkane
