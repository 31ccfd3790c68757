#include "sheet/TemplateFile.h"

#include <QFileInfo>

#include "core/Errors.h"
#include "core/FileIO.h"
#include "core/ValueReader.h"
#include "core/ValueWriter.h"

namespace porkane {

namespace {
// 3 header lines and 20 label lines of six numbers: a real template is far
// below this; anything larger is not a template.
constexpr qint64 MaximumTemplateFileSize = 64 * 1024;
} // namespace

void writeTemplateBlock(PrintStyleWriter &writer, const SheetTemplate &sheet)
{
    writer.integer(sheet.SheetWidth);
    writer.endLine();
    writer.integer(sheet.SheetHeight);
    writer.endLine();
    writer.integer(sheet.LabelCount);
    writer.endLine();
    for (int label = 1; label <= sheet.LabelCount; ++label) {
        for (qint16 item : sheet.LabelGeometry[label])
            writer.integer(item);
        writer.endLine();
    }
}

void readTemplateBlock(ValueReader &reader, SheetTemplate &sheet)
{
    const int sizeLine = reader.line();
    sheet.SheetWidth = reader.int16();
    sheet.SheetHeight = reader.int16();
    if (sheet.SheetWidth > SheetTemplate::MaxMillimetres || sheet.SheetHeight > SheetTemplate::MaxMillimetres)
        reader.fail(sizeLine, *sheetOutOfBounds(sheet));
    const int countLine = reader.line();
    const qint16 count = reader.int16();
    if (count < 0 || count > SheetTemplate::MaxLabels)
        reader.fail(countLine, QStringLiteral("the label count %1 is outside 0 to %2")
                                   .arg(count)
                                   .arg(SheetTemplate::MaxLabels));
    sheet.LabelCount = count;
    for (int label = 1; label <= count; ++label) {
        const int line = reader.line();
        SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
        for (qint16 &item : geometry)
            item = reader.int16();
        if (geometry[LabelWidth] > SheetTemplate::MaxMillimetres ||
            geometry[LabelHeight] > SheetTemplate::MaxMillimetres)
            reader.fail(line, QStringLiteral("label %1 of %2 x %3 mm is larger than %4 mm")
                                  .arg(label)
                                  .arg(geometry[LabelWidth])
                                  .arg(geometry[LabelHeight])
                                  .arg(SheetTemplate::MaxMillimetres));
    }
}

QByteArray writeTemplateFile(const SheetTemplate &sheet)
{
    PrintStyleWriter writer;
    writeTemplateBlock(writer, sheet);
    return writer.bytes();
}

SheetTemplate readTemplateFile(const QByteArray &bytes, const SheetTemplate &previous, const QString &source)
{
    SheetTemplate sheet = previous;
    ValueReader reader(bytes, source);
    readTemplateBlock(reader, sheet);
    return sheet;
}

void saveTemplateFile(const QString &path, const SheetTemplate &sheet)
{
    writeFileAtomically(path, writeTemplateFile(sheet));
}

SheetTemplate loadTemplateFile(const QString &path, const SheetTemplate &previous)
{
    return readTemplateFile(readWholeFile(path, MaximumTemplateFileSize), previous,
                            QFileInfo(path).fileName());
}

} // namespace porkane
