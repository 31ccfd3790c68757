#pragma once

// What a change of a label's text does to its attribute records: the
// records of removed characters go, every inserted character gets a record
// of its own, later records move with their characters, and a line break
// (CR LF) is always removed or inserted whole, with its two markers.

#include <QString>

#include "document/LabelDocument.h"
#include "format/InputFormat.h"

namespace porkane {

// `removed` characters from position `start` (0-based, in the label's text)
// replaced by `inserted`.
struct TextChange {
    int start = 0;
    int removed = 0;
    QString inserted;

    bool isEmpty() const { return removed == 0 && inserted.isEmpty(); }
    bool operator==(const TextChange &) const = default;
};

// The smallest change that turns `before` into `after`, widened so that it
// never splits a line break.
TextChange textChangeBetween(const QString &before, const QString &after);

// Why the change cannot enter the label, as a short message for the status
// line; empty when it can. Refused: a text beyond the positions that keep
// records, characters the files cannot store.
QString refusalOf(const LabelDocument &document, int label, const TextChange &change);

// Applies the change; inserted characters take records made from `format`.
// Throws DocumentError when refusalOf() would refuse it.
void applyTextChange(LabelDocument &document, int label, const TextChange &change, const InputFormat &format);

// Inserts characters that bring their own records (a paste of the editor's
// clipboard): records[i] belongs to text[i].
void insertWithRecords(LabelDocument &document, int label, int start, const QString &text,
                       const std::vector<AttrRecord> &records);

// Typed text as it may enter a label: line breaks become CR LF, an ASCII
// double quote (which the label file cannot store) the full-width "＂".
QString normalisedInput(const QString &typed);
// A key's text as it may enter a label: an ASCII double quote becomes the
// full-width one; line breaks stay the text box's own.
QString typedKeyText(const QString &keyText);

// The text box shows a line break as one character; the label holds two.
QString toBoxText(const QString &labelText);
int toLabelPosition(const QString &labelText, int boxPosition);
int toBoxPosition(const QString &labelText, int labelPosition);

} // namespace porkane
