#pragma once

// What every reader must survive: any bytes at all. Each check reads the
// bytes as one kind of file; a refusal (FileError) is a fine outcome, a
// crash, a hang, a sanitizer report or a broken round trip is a fault. The
// same checks run under libFuzzer (make fuzz) and over the saved inputs in
// the test suite.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace porkane::fuzz {

enum class Outcome { Accepted, Refused };

// The readers by name, as the fuzz targets and the input folders call them.
QStringList readerNames();
Outcome check(const QString &reader, const QByteArray &bytes);

} // namespace porkane::fuzz
