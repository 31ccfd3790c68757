#include "tool/DumpJson.h"

#include <charconv>
#include <cmath>

namespace porkane {

namespace {

void appendString(QByteArray &out, const QString &text)
{
    out += '"';
    for (char c : text.toUtf8()) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                out += escape;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void appendNumber(QByteArray &out, double value)
{
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr - buffer);
}

void appendSlot(QByteArray &out, const Variant &slot)
{
    switch (slot.kind()) {
    case Variant::Kind::Empty:
        out += "null";
        break;
    case Variant::Kind::Int16:
        out += QByteArray::number(slot.int16());
        break;
    case Variant::Kind::Int32:
        out += QByteArray::number(slot.int32());
        break;
    case Variant::Kind::Double:
        appendNumber(out, slot.number());
        break;
    case Variant::Kind::Boolean:
        out += slot.boolean() ? "true" : "false";
        break;
    case Variant::Kind::String:
        appendString(out, slot.string());
        break;
    }
}

void appendSheet(QByteArray &out, const SheetTemplate &sheet)
{
    out += "\"sheet\":{\"width\":" + QByteArray::number(sheet.SheetWidth) +
           ",\"height\":" + QByteArray::number(sheet.SheetHeight) + "}";
}

void appendGeometry(QByteArray &out, const SheetTemplate::Geometry &geometry)
{
    out += "\"geometry\":[";
    for (int item = 0; item < SheetTemplate::GeometryItems; ++item) {
        if (item > 0)
            out += ',';
        out += QByteArray::number(geometry[item]);
    }
    out += ']';
}

template <typename Each>
void appendList(QByteArray &out, int count, Each each)
{
    out += '[';
    for (int i = 1; i <= count; ++i) {
        if (i > 1)
            out += ',';
        each(i);
    }
    out += ']';
}

} // namespace

QByteArray templateToJson(const SheetTemplate &sheet)
{
    QByteArray out = "{";
    appendSheet(out, sheet);
    out += ",\"labels\":";
    appendList(out, sheet.LabelCount, [&](int label) {
        out += '{';
        appendGeometry(out, sheet.LabelGeometry[label]);
        out += '}';
    });
    out += "}";
    return out;
}

QByteArray documentToJson(const LabelDocument &document)
{
    const SheetTemplate &sheet = document.sheet();
    QByteArray out = "{";
    appendSheet(out, sheet);
    out += ",\"labels\":";
    appendList(out, sheet.LabelCount, [&](int label) {
        out += '{';
        appendGeometry(out, sheet.LabelGeometry[label]);
        out += ",\"rotated\":" + QByteArray::number(document.LabelRotated(label));
        out += ",\"text\":";
        appendString(out, document.LabelText(label));
        out += ",\"records\":";
        appendList(out, int(document.LabelText(label).size()), [&](int position) {
            out += '[';
            const AttrRecord &record = document.CharAttr(label, position);
            for (int slot = 0; slot < SlotCount; ++slot) {
                if (slot > 0)
                    out += ',';
                appendSlot(out, record[slot]);
            }
            out += ']';
        });
        out += '}';
    });
    out += ",\"images\":";
    appendList(out, document.ImageCount(), [&](int number) {
        const int index = document.ImageSlot(number);
        const ImagePlacementRow &placement = document.ImagePlacement(index);
        const QImage &picture = document.picture(index);
        out += "{\"left\":" + QByteArray::number(placement[PlacementLeft]) +
               ",\"top\":" + QByteArray::number(placement[PlacementTop]) +
               ",\"transparent\":" + QByteArray::number(placement[PlacementTransparent]) +
               ",\"colour\":" + QByteArray::number(placement[PlacementColour]) +
               ",\"layer\":" + QByteArray::number(placement[PlacementLayer]) +
               ",\"width\":" + QByteArray::number(picture.width()) +
               ",\"height\":" + QByteArray::number(picture.height()) + "}";
    });
    out += "}";
    return out;
}

} // namespace porkane
