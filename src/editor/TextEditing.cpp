#include "editor/TextEditing.h"

#include <QCoreApplication>

#include "core/Cp932.h"
#include "core/Errors.h"

namespace porkane {

namespace {

bool splitsLineBreak(const QString &text, int at)
{
    return at > 0 && at < text.size() && text[at - 1] == QLatin1Char('\r') && text[at] == QLatin1Char('\n');
}

// The records the label's positions 1 to its text length hold now.
std::vector<AttrRecord> recordsOf(const LabelDocument &document, int label)
{
    const int length = int(document.LabelText(label).size());
    std::vector<AttrRecord> records;
    records.reserve(length);
    for (int position = 1; position <= length; ++position)
        records.push_back(document.CharAttr(label, position));
    return records;
}

// Replaces text and records together; positions past the new end are emptied.
void replace(LabelDocument &document, int label, int start, int removed, const QString &inserted,
             const std::vector<AttrRecord> &insertedRecords)
{
    const QString text = document.LabelText(label);
    std::vector<AttrRecord> records = recordsOf(document, label);
    const QString newText = text.left(start) + inserted + text.mid(start + removed);
    document.setLabelText(label, newText); // refuses what the model cannot hold

    records.erase(records.begin() + start, records.begin() + start + removed);
    records.insert(records.begin() + start, insertedRecords.begin(), insertedRecords.end());
    const int oldLength = int(text.size());
    for (int position = 1; position <= qMax(oldLength, int(records.size())); ++position)
        document.CharAttr(label, position) = position <= int(records.size()) ? records[position - 1] : AttrRecord{};
}

} // namespace

TextChange textChangeBetween(const QString &before, const QString &after)
{
    int prefix = 0;
    const int shorter = int(qMin(before.size(), after.size()));
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    int suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    while (splitsLineBreak(before, prefix) || splitsLineBreak(after, prefix))
        --prefix;
    while (splitsLineBreak(before, int(before.size()) - suffix) || splitsLineBreak(after, int(after.size()) - suffix))
        --suffix;
    return {prefix, int(before.size()) - prefix - suffix, after.mid(prefix, after.size() - prefix - suffix)};
}

QString refusalOf(const LabelDocument &document, int label, const TextChange &change)
{
    const qsizetype length = document.LabelText(label).size() - change.removed + change.inserted.size();
    if (length > LabelDocument::MaxPositions)
        return QCoreApplication::translate("TextEditing", "１つのラベルに入力できるのは%1文字までです。")
            .arg(LabelDocument::MaxPositions);
    QString missing;
    encodeCp932(change.inserted, &missing);
    if (!missing.isEmpty())
        return QCoreApplication::translate("TextEditing", "「%1」は入力できない文字です。").arg(missing);
    if (change.inserted.contains(QLatin1Char('"')))
        return QCoreApplication::translate("TextEditing", "「%1」は入力できない文字です。").arg(QLatin1Char('"'));
    return {};
}

void applyTextChange(LabelDocument &document, int label, const TextChange &change, const InputFormat &format)
{
    const QString refusal = refusalOf(document, label, change);
    if (!refusal.isEmpty())
        throw DocumentError(refusal);
    const AttrRecord typed = typedRecord(format);
    std::vector<AttrRecord> records(change.inserted.size(), typed);
    for (int i = 0; i + 1 < int(change.inserted.size()); ++i) {
        if (change.inserted[i] == QLatin1Char('\r') && change.inserted[i + 1] == QLatin1Char('\n')) {
            records[i][TextColourSlot] = Variant(LineBreakMarkerAtCr);
            records[i + 1][TextColourSlot] = Variant(LineBreakMarkerAtLf);
            ++i;
        }
    }
    replace(document, label, change.start, change.removed, change.inserted, records);
}

void insertWithRecords(LabelDocument &document, int label, int start, const QString &text,
                       const std::vector<AttrRecord> &records)
{
    const QString refusal = refusalOf(document, label, {start, 0, text});
    if (!refusal.isEmpty())
        throw DocumentError(refusal);
    replace(document, label, start, 0, text, records);
}

QString normalisedInput(const QString &typed)
{
    QString text = typed;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return typedKeyText(text);
}

QString typedKeyText(const QString &keyText)
{
    QString text = keyText;
    return text.replace(QLatin1Char('"'), QChar(0xFF02));
}

QString toBoxText(const QString &labelText)
{
    QString text = labelText;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

int toLabelPosition(const QString &labelText, int boxPosition)
{
    int label = 0;
    for (int box = 0; box < boxPosition && label < labelText.size(); ++box)
        label += (labelText[label] == QLatin1Char('\r') && label + 1 < labelText.size() &&
                  labelText[label + 1] == QLatin1Char('\n'))
                     ? 2
                     : 1;
    return label;
}

int toBoxPosition(const QString &labelText, int labelPosition)
{
    int box = 0;
    for (int label = 0; label < labelPosition && label < labelText.size(); ++label, ++box)
        if (labelText[label] == QLatin1Char('\r') && label + 1 < labelText.size() &&
            labelText[label + 1] == QLatin1Char('\n'))
            ++label;
    return box;
}

} // namespace porkane
