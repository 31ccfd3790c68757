#pragma once

// The slot value of an attribute record: a value that keeps the subtype it
// was written with (empty, 16-bit integer, 32-bit integer, double, boolean,
// string), because the text-data file writes every slot in its own subtype.

#include <variant>

#include <QString>
#include <QtGlobal>

namespace porkane {

class Variant {
public:
    enum class Kind { Empty, Int16, Int32, Double, Boolean, String };

    Variant() = default;
    Variant(qint16 value) : value_(value) {}
    Variant(qint32 value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(bool value) : value_(value) {}
    Variant(const QString &value) : value_(value) {}
    Variant(const char *value) : value_(QString::fromUtf8(value)) {}
    // A float would silently become a double subtype; say which one is meant.
    Variant(float) = delete;

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isNumber() const
    {
        return kind() == Kind::Int16 || kind() == Kind::Int32 || kind() == Kind::Double;
    }
    bool isString() const { return kind() == Kind::String; }
    bool isBoolean() const { return kind() == Kind::Boolean; }

    // Conversions as readers of a slot need them: empty is 0 or "", a boolean
    // is -1 or 0 as a number, a string converts when it holds a number
    // (otherwise 0, as a field holding no number gives 0).
    double toDouble() const;
    // toDouble() rounded (halves to even) and held within the 32-bit range.
    qint32 toInt32() const;
    bool toBool() const;
    QString toString() const;

    // The stored value of exactly this subtype; only valid for that kind.
    qint16 int16() const { return std::get<qint16>(value_); }
    qint32 int32() const { return std::get<qint32>(value_); }
    double number() const { return std::get<double>(value_); }
    bool boolean() const { return std::get<bool>(value_); }
    const QString &string() const { return std::get<QString>(value_); }

    bool operator==(const Variant &other) const = default;

private:
    std::variant<std::monostate, qint16, qint32, double, bool, QString> value_;
};

} // namespace porkane
