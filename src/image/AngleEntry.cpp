#include "image/AngleEntry.h"

#include <cmath>

#include <QLocale>

#include "core/Rounding.h"

namespace porkane {

AngleEntry readAngle(const QString &typed)
{
    // Typed through an input method, "４５" or "－５" should mean what they say.
    const QString text = typed.normalized(QString::NormalizationForm_KC).trimmed();
    if (text.isEmpty())
        return {QStringLiteral("0"), 0};
    bool isNumber = false;
    const double value = QLocale::c().toDouble(text, &isNumber);
    if (!isNumber || !std::isfinite(value))
        return {typed, std::nullopt};
    // Adding 0 turns -0 (from "-0.4") into 0.
    const double whole = roundHalfEven(value) + 0.0;
    AngleEntry entry{QString::number(whole, 'f', 0), std::nullopt};
    if (whole >= 0 && whole <= 360)
        entry.degrees = int(whole);
    return entry;
}

} // namespace porkane
