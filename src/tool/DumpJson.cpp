#include "tool/DumpJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace porkane {

namespace {

// A slot as JSON: empty as null, numbers as numbers (a number that is not
// finite as null), booleans and strings as themselves.
QJsonValue slotValue(const Variant &slot)
{
    switch (slot.kind()) {
    case Variant::Kind::Empty:
        break;
    case Variant::Kind::Int16:
        return slot.int16();
    case Variant::Kind::Int32:
        return slot.int32();
    case Variant::Kind::Double:
        return slot.number(); // QJsonDocument writes what is not finite as null
    case Variant::Kind::Boolean:
        return slot.boolean();
    case Variant::Kind::String:
        return slot.string();
    }
    return QJsonValue::Null;
}

QJsonObject sheetObject(const SheetTemplate &sheet)
{
    return {{QStringLiteral("width"), sheet.SheetWidth}, {QStringLiteral("height"), sheet.SheetHeight}};
}

QJsonArray geometryArray(const SheetTemplate::Geometry &geometry)
{
    QJsonArray items;
    for (int item = 0; item < SheetTemplate::GeometryItems; ++item)
        items.append(geometry[item]);
    return items;
}

QByteArray compact(const QJsonObject &root)
{
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

} // namespace

QByteArray templateToJson(const SheetTemplate &sheet)
{
    QJsonArray labels;
    for (int label = 1; label <= sheet.LabelCount; ++label)
        labels.append(QJsonObject{{QStringLiteral("geometry"), geometryArray(sheet.LabelGeometry[label])}});
    return compact({{QStringLiteral("sheet"), sheetObject(sheet)}, {QStringLiteral("labels"), labels}});
}

QByteArray documentToJson(const LabelDocument &document)
{
    const SheetTemplate &sheet = document.sheet();
    QJsonArray labels;
    for (int label = 1; label <= sheet.LabelCount; ++label) {
        const QString &text = document.LabelText(label);
        QJsonArray records;
        for (int position = 1; position <= int(text.size()); ++position) {
            const AttrRecord &record = document.CharAttr(label, position);
            QJsonArray values;
            for (int slot = 0; slot < SlotCount; ++slot)
                values.append(slotValue(record[slot]));
            records.append(values);
        }
        labels.append(QJsonObject{{QStringLiteral("geometry"), geometryArray(sheet.LabelGeometry[label])},
                                  {QStringLiteral("rotated"), document.LabelRotated(label)},
                                  {QStringLiteral("text"), text},
                                  {QStringLiteral("records"), records}});
    }
    QJsonArray images;
    for (int number = 1; number <= document.ImageCount(); ++number) {
        const int index = document.ImageSlot(number);
        const ImagePlacementRow &placement = document.ImagePlacement(index);
        const QImage &picture = document.picture(index);
        images.append(QJsonObject{{QStringLiteral("left"), placement[PlacementLeft]},
                                  {QStringLiteral("top"), placement[PlacementTop]},
                                  {QStringLiteral("transparent"), placement[PlacementTransparent]},
                                  {QStringLiteral("colour"), placement[PlacementColour]},
                                  {QStringLiteral("layer"), placement[PlacementLayer]},
                                  {QStringLiteral("width"), picture.width()},
                                  {QStringLiteral("height"), picture.height()}});
    }
    return compact({{QStringLiteral("sheet"), sheetObject(sheet)},
                    {QStringLiteral("labels"), labels},
                    {QStringLiteral("images"), images}});
}

} // namespace porkane
