#pragma once

// Opening and saving a label file (.fhl) as the editor does. The members are
// read in place from the archive and written straight into it: no member
// files, no copy of the whole file in memory.

#include <QString>

#include "document/LabelDocument.h"

namespace porkane {

// The document in the label file. Throws FileError for a file that is
// missing, empty, damaged or beyond the model's limits, OutOfMemoryError
// when its pictures cannot be held; the file itself is only read, whatever
// it holds.
LabelDocument openLabelFile(const QString &path);

// Writes the document to `path`. The earlier file at `path` is replaced only
// by a complete new one. Throws FileError (a text the format cannot store,
// a picture missing or beyond the picture limits, a failed write) or
// OutOfMemoryError.
void saveLabelFile(const LabelDocument &document, const QString &path);

} // namespace porkane
