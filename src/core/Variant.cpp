#include "core/Variant.h"

#include <algorithm>
#include <cmath>

#include "core/NumberFormat.h"
#include "core/Rounding.h"

namespace porkane {

double Variant::toDouble() const
{
    switch (kind()) {
    case Kind::Empty:
        return 0;
    case Kind::Int16:
        return int16();
    case Kind::Int32:
        return int32();
    case Kind::Double:
        return number();
    case Kind::Boolean:
        return boolean() ? -1 : 0;
    case Kind::String:
        return parseNumber(string().trimmed().toLatin1()).value_or(0.0);
    }
    return 0;
}

qint32 Variant::toInt32() const
{
    const double value = toDouble();
    if (std::isnan(value))
        return 0;
    return qint32(std::clamp(roundHalfEven(value), -2147483648.0, 2147483647.0));
}

bool Variant::toBool() const
{
    if (kind() == Kind::Boolean)
        return boolean();
    return toDouble() != 0;
}

QString Variant::toString() const
{
    switch (kind()) {
    case Kind::Empty:
        return {};
    case Kind::Int16:
        return QString::number(int16());
    case Kind::Int32:
        return QString::number(int32());
    case Kind::Double:
        return QString::fromLatin1(formatDouble(number()));
    case Kind::Boolean:
        return boolean() ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::String:
        return string();
    }
    return {};
}

} // namespace porkane
