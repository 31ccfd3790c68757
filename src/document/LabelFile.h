#pragma once

// Opening and saving a label file (.fhl) as the editor does: the members go
// through a fresh temporary folder that is removed afterwards, whatever
// happens.

#include <QString>

#include "document/LabelDocument.h"

namespace porkane {

// The document in the label file. Throws FileError for a file that is
// missing, empty (an empty file is deleted, as listing does), damaged or
// beyond the model's limits; nothing else is touched then.
LabelDocument openLabelFile(const QString &path);

// Writes the document to `path`. The earlier file at `path` is replaced only
// by a complete new one. Throws FileError (a text the format cannot store,
// a picture missing, a failed write).
void saveLabelFile(const LabelDocument &document, const QString &path);

} // namespace porkane
