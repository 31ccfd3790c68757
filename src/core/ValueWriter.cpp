#include "core/ValueWriter.h"

#include "core/Cp932.h"
#include "core/Errors.h"
#include "core/NumberFormat.h"

namespace porkane {

QByteArray encodeForFile(const QString &text)
{
    QString missing;
    QByteArray bytes = encodeCp932(text, &missing);
    if (!missing.isEmpty())
        throw FileError(QStringLiteral("the text \"%1\" holds characters that cannot be stored: %2")
                            .arg(text.left(40), missing));
    return bytes;
}

void PrintStyleWriter::signedMagnitude(bool negative, const QByteArray &digits)
{
    bytes_ += negative ? '-' : ' ';
    bytes_ += digits;
    bytes_ += ' ';
}

void PrintStyleWriter::integer(qint64 value)
{
    const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    signedMagnitude(value < 0, QByteArray::number(magnitude));
}

void PrintStyleWriter::number(double value)
{
    const bool negative = value < 0;
    signedMagnitude(negative, formatDouble(negative ? -value : value));
}

void PrintStyleWriter::single(float value)
{
    const bool negative = value < 0;
    signedMagnitude(negative, formatSingle(negative ? -value : value));
}

void PrintStyleWriter::text(const QString &value) { bytes_ += encodeForFile(value); }

void PrintStyleWriter::endLine() { bytes_ += "\r\n"; }

void ListStyleWriter::separate()
{
    if (lineHasValue_)
        bytes_ += ',';
    lineHasValue_ = true;
}

void ListStyleWriter::integer(qint64 value)
{
    separate();
    bytes_ += QByteArray::number(value);
}

void ListStyleWriter::number(double value)
{
    separate();
    bytes_ += formatDouble(value);
}

void ListStyleWriter::boolean(bool value)
{
    separate();
    bytes_ += value ? "#TRUE#" : "#FALSE#";
}

void ListStyleWriter::string(const QString &value)
{
    if (value.contains(QLatin1Char('"')))
        throw FileError(QStringLiteral("the text \"%1\" holds a double quote, which this file format cannot store")
                            .arg(value.left(40)));
    const QByteArray encoded = encodeForFile(value);
    separate();
    bytes_ += '"';
    bytes_ += encoded;
    bytes_ += '"';
}

void ListStyleWriter::empty() { separate(); }

void ListStyleWriter::value(const Variant &value)
{
    switch (value.kind()) {
    case Variant::Kind::Empty:
        empty();
        break;
    case Variant::Kind::Int16:
        integer(value.int16());
        break;
    case Variant::Kind::Int32:
        integer(value.int32());
        break;
    case Variant::Kind::Double:
        number(value.number());
        break;
    case Variant::Kind::Boolean:
        boolean(value.boolean());
        break;
    case Variant::Kind::String:
        string(value.string());
        break;
    }
}

void ListStyleWriter::endLine()
{
    bytes_ += "\r\n";
    lineHasValue_ = false;
}

} // namespace porkane
