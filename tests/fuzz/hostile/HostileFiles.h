#pragma once

// Small files that once made the program allocate gigabytes, work for
// minutes or lose a file: each is made here rather than kept in the
// repository (a few are large or sparse), by the rules of its format.

#include <QByteArray>
#include <QString>

namespace porkane::test {

// The text data of a sheet of `labels` labels of `size` x `size` mm (on a
// sheet of the same size), each holding `characters` characters with the
// record line `record`.
QByteArray hostileTextData(int labels, int size, int characters, const QByteArray &record);

// A record of a three-dimensional character with both shifts `shift` mm.
QByteArray shiftedRecord(double shift);

// A label file of the given text data alone.
QByteArray labelFileOf(const QByteArray &textData);

// A label file of `members` members of a few bytes each.
QByteArray manyMemberLabelFile(int members);

// A template file of 20 labels of `size` x `size` mm.
QByteArray hugeTemplateFile(int size);

// A WMF of `lines` LineTo records and an EMF of `lines` EMR_LINETO records.
QByteArray wmfFlood(int lines);
QByteArray emfFlood(int lines);

// Writes a label file whose text-data member claims `claimed` bytes and
// holds them: the file is sparse, so it costs no disk.
void writeSparseTextDataFile(const QString &path, qint64 claimed);

// Writes every hostile file into `folder` under the names the regression
// tests use. False (with the reason on standard error) when one cannot be
// written.
bool writeHostileFiles(const QString &folder);

} // namespace porkane::test
