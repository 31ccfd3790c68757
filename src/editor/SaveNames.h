#pragma once

// The names the save command works with: the name it proposes from the
// labels' text, and the file a name chosen in the save dialog stands for.

#include <QString>

#include "document/LabelDocument.h"

namespace porkane {

inline const QString LabelFileExtension = QStringLiteral(".fhl");

// The current label's text or, when it is empty, the first label's text
// that is not, without line breaks and other control characters, plus
// ".fhl". Characters a file name cannot hold are left out, and the name is
// cut so that the file system takes it.
QString proposedFileName(const LabelDocument &document, int currentLabel);

// The chosen name with its extension replaced by ".fhl", or ".fhl"
// appended when it has none. Only the file name's own dot counts, not one
// in a folder name.
QString labelFileTarget(const QString &chosen);

} // namespace porkane
