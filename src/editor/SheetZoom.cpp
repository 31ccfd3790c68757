#include "editor/SheetZoom.h"

#include <algorithm>

#include "core/Rounding.h"

namespace porkane {

bool SheetZoom::setText(const QString &text)
{
    bool isNumber = false;
    const double typed = text.trimmed().toDouble(&isNumber);
    if (!isNumber || !(typed > 0))
        return false;
    factor_ = std::clamp(typed, MinPercent / 100.0, MaxPercent / 100.0);
    return true;
}

void SheetZoom::setPercent(int percent) { factor_ = percent / 100.0; }

QString SheetZoom::text() const { return QString::number(factor_); }

int SheetZoom::percent() const { return int(roundHalfEven(factor_ * 100)); }

int SheetZoom::stepForClick(bool down, int percent, int currentStep)
{
    return down && percent <= 100 ? SmallStep : currentStep;
}

int SheetZoom::stepAfterClick(int percent) { return percent > 99 ? LargeStep : SmallStep; }

} // namespace porkane
