#pragma once

// Where a document comes from, decided by the file's kind: a label file
// (.fhl) holds a document, a template file (.fom) starts a new one. The
// main menu, the editor and porkane-tool all decide it here.

#include <QList>
#include <QString>
#include <QUrl>

#include "document/LabelDocument.h"

namespace porkane {

enum class DocumentKind { Label, Template, Unknown };

// By the file name's suffix, in any case (".FHL" is a label file).
DocumentKind documentKindOf(const QString &path);

// A new document on the template in the .fom at `path`: every label empty.
// Throws FileError for a template file that cannot be read.
LabelDocument newDocumentOnTemplateFile(const QString &path);

// The first local label or template file among dropped `urls`; empty when
// there is none.
QString droppedDocumentFile(const QList<QUrl> &urls);

// The document a file gives by its kind: a label file as stored, a template
// file as a new document on it. Throws FileError for a file it refuses and
// for a file of neither kind.
LabelDocument openDocumentFile(const QString &path);

} // namespace porkane
