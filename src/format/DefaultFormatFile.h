#pragma once

// DefMog.INI: the default text format, 18 lines in print style (the face
// name as plain text, in double quotes when it holds a comma), in the order
// of TextFormat.

#include <QByteArray>
#include <QString>

#include "format/TextFormat.h"

namespace porkane {

inline const QString DefaultFormatFileName = QStringLiteral("DefMog.INI");

QByteArray writeDefaultFormat(const TextFormat &format);
// Throws FileError when a value is missing or does not convert.
TextFormat readDefaultFormat(const QByteArray &bytes);

// The same in the data folder. Loading throws FileError (callers fall back
// to the built-in TextFormat{}); saving returns false on failure, which the
// program does not report.
TextFormat loadDefaultFormat(const QString &dataFolder);
bool saveDefaultFormat(const QString &dataFolder, const TextFormat &format);

} // namespace porkane
