#pragma once

// The address list of a merge: a CSV or TSV file as spreadsheet programs
// write it (quoted fields holding commas, quotes and line breaks), in UTF-8
// with or without a byte-order mark or in Shift-JIS (code page 932), its
// first row naming the fields. Parsed with libcsv.

#include <vector>

#include <QString>
#include <QStringList>

namespace porkane {

enum class TextEncoding { Detect, Utf8, Cp932 };

struct MergeData {
    QString file;
    TextEncoding encoding = TextEncoding::Utf8; // what the file was read as
    QStringList fieldNames;
    // Each as long as fieldNames; rows[i] is row i + 2 of the list (the
    // names are row 1), as a spreadsheet numbers them.
    std::vector<QStringList> rows;

    int fieldIndex(const QString &name) const { return int(fieldNames.indexOf(name)); }
};

// Reads the whole list. Tabs separate the fields of a .tsv or .tab file (or
// of any file whose first line holds a tab and no comma), commas those of
// others. Throws FileError naming the file, the line and the field for an
// empty or unreadable file, a missing or repeated field name, a row with
// more or fewer fields than the names, a stray quote, or bytes that are
// neither UTF-8 nor Shift-JIS (or not the encoding asked for).
MergeData readMergeData(const QString &path, TextEncoding encoding = TextEncoding::Detect);

// The same for bytes already in memory; `name` is the file name messages use.
MergeData parseMergeData(const QByteArray &bytes, const QString &name, TextEncoding encoding, bool tabSeparated);

QString encodingName(TextEncoding encoding);

} // namespace porkane
