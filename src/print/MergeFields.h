#pragma once

// Merge fields: a label's text names the fields of an address list as
// 《name》 (U+300A, U+300B, both in code page 932), so a document with
// fields is an ordinary label file. Merging a row replaces each field with
// the row's value; every character of the value takes the record of the
// field's 《, a line break in a value becomes the two-position line break.

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "document/LabelDocument.h"

namespace porkane {

struct MergeData;

inline constexpr char16_t FieldOpen = u'《';
inline constexpr char16_t FieldClose = u'》';

// A value that could not be merged, or a field the list lacks (row 0).
struct MergeProblem {
    int row = 0; // the list's row, its names being row 1
    QString field;
    QString reason;

    QString text() const;
};

// The field names a text uses, in order of first use.
QStringList mergeFieldNames(const QString &labelText);

// One label's text and records as the design label gives them.
class LabelMerge {
public:
    // Copies the design label's text, records and rotation.
    LabelMerge(const LabelDocument &document, int designLabel);

    const QStringList &fieldNames() const { return fieldNames_; }
    // The fields the text uses that the list does not name, each as a
    // problem of row 0; empty when the list serves the design.
    std::vector<MergeProblem> missingFields(const MergeData &data) const;

    // The label with row `rowIndex` (0-based) of `data` merged in, or none
    // when a value cannot go into the label; then each reason is added to
    // `problems`.
    struct Merged {
        QString text;
        std::vector<AttrRecord> records; // records[0] is position 1
        qint16 rotated = 0;
    };
    std::optional<Merged> merge(const MergeData &data, std::size_t rowIndex,
                                std::vector<MergeProblem> &problems) const;

    // Puts a merged label into `document`'s label `label`.
    static void place(LabelDocument &document, int label, const Merged &merged);

private:
    struct Piece {
        QString literal;    // text copied as it stands, with its records
        std::vector<AttrRecord> records;
        QString field;      // or a field, taking the record of its 《
        AttrRecord fieldRecord;
    };
    std::vector<Piece> pieces_;
    QStringList fieldNames_;
    qint16 rotated_ = 0;
};

} // namespace porkane
