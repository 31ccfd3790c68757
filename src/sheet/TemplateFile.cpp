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
    sheet.SheetWidth = reader.int16();
    sheet.SheetHeight = reader.int16();
    const int countLine = reader.line();
    const qint16 count = reader.int16();
    if (count < 0 || count > SheetTemplate::MaxLabels)
        reader.fail(countLine, QStringLiteral("the label count %1 is outside 0 to %2")
                                   .arg(count)
                                   .arg(SheetTemplate::MaxLabels));
    sheet.LabelCount = count;
    for (int label = 1; label <= count; ++label)
        for (qint16 &item : sheet.LabelGeometry[label])
            item = reader.int16();
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
