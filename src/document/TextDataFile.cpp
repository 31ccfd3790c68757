#include "document/TextDataFile.h"

#include "core/Errors.h"
#include "core/ValueReader.h"
#include "core/ValueWriter.h"
#include "sheet/TemplateFile.h"

namespace porkane {

QString imageMemberName(int imageNumber)
{
    return QStringLiteral("prnbmp%1.baf").arg(imageNumber);
}

QByteArray writeTextData(const LabelDocument &document)
{
    const int labels = document.labelCount();
    if (const std::optional<QString> why = sheetOutOfBounds(document.sheet()))
        throw FileError(*why);

    PrintStyleWriter head;
    writeTemplateBlock(head, document.sheet());

    ListStyleWriter list;
    for (int label = 1; label <= labels; ++label) {
        list.string(document.LabelText(label));
        list.endLine();
    }
    for (int label = 1; label <= labels; ++label) {
        list.integer(document.LabelRotated(label));
        list.endLine();
    }
    for (int label = 1; label <= labels; ++label) {
        const int length = int(document.LabelText(label).size());
        for (int position = 1; position <= length; ++position) {
            const AttrRecord &record = document.CharAttr(label, position);
            for (int slot = 0; slot < SlotCount; ++slot) {
                if (const std::optional<QString> why = slotOutOfRange(slot, record[slot]))
                    throw FileError(QStringLiteral("label %1, character %2: %3").arg(label).arg(position).arg(*why));
                list.value(record[slot]);
            }
            list.endLine();
        }
    }
    const int images = document.ImageSlot(1) != 0 ? document.ImageCount() : 0;
    list.integer(images);
    list.endLine();
    for (int number = 1; number <= images; ++number) {
        for (qint32 column : document.ImagePlacement(document.ImageSlot(number)))
            list.integer(column);
        list.endLine();
    }
    const QByteArray bytes = head.bytes() + list.bytes();
    if (bytes.size() > MaxTextDataBytes)
        throw FileError(QStringLiteral("the text data of %1 bytes is larger than a label file holds").arg(bytes.size()));
    return bytes;
}

LabelDocument readTextData(const QByteArray &bytes)
{
    if (bytes.size() > MaxTextDataBytes)
        throw FileError(QStringLiteral("%1 holds %2 bytes, more than any label document needs")
                            .arg(TextDataMemberName)
                            .arg(bytes.size()));
    ValueReader reader(bytes, TextDataMemberName);
    SheetTemplate sheet;
    readTemplateBlock(reader, sheet);
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    const int labels = sheet.LabelCount;

    for (int label = 1; label <= labels; ++label) {
        const int line = reader.line();
        const QString text = reader.string();
        if (text.size() > LabelDocument::MaxPositions)
            reader.fail(line, QStringLiteral("label %1 holds %2 characters; a label holds at most %3")
                                  .arg(label)
                                  .arg(text.size())
                                  .arg(LabelDocument::MaxPositions));
        // An unquoted text may hold a double quote, which no label can.
        if (text.contains(QLatin1Char('"')))
            reader.fail(line, QStringLiteral("label %1 holds a double quote").arg(label));
        document.setLabelText(label, text);
    }
    for (int label = 1; label <= labels; ++label)
        document.setLabelRotated(label, reader.int16());
    for (int label = 1; label <= labels; ++label) {
        const int length = int(document.LabelText(label).size());
        for (int position = 1; position <= length; ++position) {
            AttrRecord &record = document.CharAttr(label, position);
            for (int slot = 0; slot < SlotCount; ++slot) {
                const int line = reader.line();
                record[slot] = reader.variant();
                if (const std::optional<QString> why = slotOutOfRange(slot, record[slot]))
                    reader.fail(line, QStringLiteral("label %1, character %2: %3").arg(label).arg(position).arg(*why));
            }
        }
    }

    const int countLine = reader.line();
    const qint16 images = reader.int16();
    if (images < 0 || images > LabelDocument::MaxImages)
        reader.fail(countLine, QStringLiteral("the image count %1 is outside 0 to %2")
                                   .arg(images)
                                   .arg(LabelDocument::MaxImages));
    for (int number = 1; number <= images; ++number) {
        ImagePlacementRow placement{};
        for (qint32 &column : placement)
            column = reader.int32();
        document.addImage(QImage(), placement);
    }
    return document;
}

} // namespace porkane
