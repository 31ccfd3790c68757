#pragma once

// The .fom template file: the sheet width, height and label count, then one
// line of six numbers per label, all in print style.

#include <QByteArray>
#include <QString>

#include "sheet/SheetTemplate.h"

namespace porkane {

class PrintStyleWriter;
class ValueReader;

// The header and geometry block, shared with the text-data file.
void writeTemplateBlock(PrintStyleWriter &writer, const SheetTemplate &sheet);
// Reads the block into `sheet`; labels above the count keep their geometry.
// A sheet or label larger than 1000 mm is damage. Throws FileError; `sheet`
// may then be partly changed, so callers read into a copy.
void readTemplateBlock(ValueReader &reader, SheetTemplate &sheet);

QByteArray writeTemplateFile(const SheetTemplate &sheet);

// The template the file describes, starting from `previous` so that the
// geometry of labels above the file's count stays as it was. Throws
// FileError; `previous` is never changed.
SheetTemplate readTemplateFile(const QByteArray &bytes, const SheetTemplate &previous,
                               const QString &source = QStringLiteral("template file"));

// The same on files. Saving replaces the file only once the new one is whole.
void saveTemplateFile(const QString &path, const SheetTemplate &sheet);
SheetTemplate loadTemplateFile(const QString &path, const SheetTemplate &previous);

} // namespace porkane
