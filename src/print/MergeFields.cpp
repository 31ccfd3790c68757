#include "print/MergeFields.h"

#include <QCoreApplication>

#include "core/Cp932.h"
#include "editor/TextEditing.h"
#include "print/MergeData.h"

namespace porkane {

namespace {

// lupdate files these texts under the context the translator looks them up in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MergeFields)
};

// Where the field starting at `open` ends: the index of its 》, or -1 when
// the brackets there do not make a field (no name, a line break or another
// 《 inside, no 》).
qsizetype fieldEnd(const QString &text, qsizetype open)
{
    for (qsizetype index = open + 1; index < text.size(); ++index) {
        const QChar c = text[index];
        if (c == FieldClose)
            return index > open + 1 ? index : -1;
        if (c == FieldOpen || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return -1;
    }
    return -1;
}

} // namespace

QString MergeProblem::text() const
{
    if (row == 0)
        return Texts::tr("「%1」: %2").arg(field, reason);
    return Texts::tr("%1 行目「%2」: %3").arg(row).arg(field, reason);
}

QStringList mergeFieldNames(const QString &labelText)
{
    QStringList names;
    for (qsizetype index = 0; index < labelText.size(); ++index) {
        if (labelText[index] != FieldOpen)
            continue;
        const qsizetype end = fieldEnd(labelText, index);
        if (end < 0)
            continue;
        const QString name = labelText.mid(index + 1, end - index - 1);
        if (!names.contains(name))
            names << name;
        index = end;
    }
    return names;
}

LabelMerge::LabelMerge(const LabelDocument &document, int designLabel)
{
    const QString &text = document.LabelText(designLabel);
    rotated_ = document.LabelRotated(designLabel);
    const auto recordAt = [&](qsizetype index) {
        const int position = int(index) + 1;
        return position <= LabelDocument::MaxPositions ? document.CharAttr(designLabel, position) : AttrRecord{};
    };
    Piece literal;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const qsizetype end = text[index] == FieldOpen ? fieldEnd(text, index) : -1;
        if (end < 0) {
            literal.literal += text[index];
            literal.records.push_back(recordAt(index));
            continue;
        }
        if (!literal.literal.isEmpty())
            pieces_.push_back(std::move(literal));
        literal = Piece{};
        Piece field;
        field.field = text.mid(index + 1, end - index - 1);
        field.fieldRecord = recordAt(index);
        if (!fieldNames_.contains(field.field))
            fieldNames_ << field.field;
        pieces_.push_back(std::move(field));
        index = end;
    }
    if (!literal.literal.isEmpty())
        pieces_.push_back(std::move(literal));
}

std::vector<MergeProblem> LabelMerge::missingFields(const MergeData &data) const
{
    std::vector<MergeProblem> problems;
    for (const QString &name : fieldNames_)
        if (data.fieldIndex(name) < 0)
            problems.push_back({0, name, Texts::tr("%1 にこの項目がありません").arg(data.file)});
    return problems;
}

std::optional<LabelMerge::Merged> LabelMerge::merge(const MergeData &data, std::size_t rowIndex,
                                                    std::vector<MergeProblem> &problems) const
{
    const QStringList &values = data.rows.at(rowIndex);
    const int row = int(rowIndex) + 2;
    Merged merged;
    merged.rotated = rotated_;
    bool refused = false;
    for (const Piece &piece : pieces_) {
        if (piece.field.isEmpty()) {
            merged.text += piece.literal;
            merged.records.insert(merged.records.end(), piece.records.begin(), piece.records.end());
            continue;
        }
        const int column = data.fieldIndex(piece.field);
        if (column < 0) {
            problems.push_back({row, piece.field, Texts::tr("%1 にこの項目がありません").arg(data.file)});
            refused = true;
            continue;
        }
        QString value = normalisedInput(values[column]);
        value.replace(QLatin1Char('\t'), QLatin1Char(' '));
        bool control = false;
        for (const QChar c : value)
            control = control || (c.unicode() < 0x20 && c != QLatin1Char('\r') && c != QLatin1Char('\n'));
        QString unencodable;
        encodeCp932(value, &unencodable);
        if (control) {
            problems.push_back({row, piece.field, Texts::tr("制御文字が含まれています")});
            refused = true;
            continue;
        }
        if (!unencodable.isEmpty()) {
            problems.push_back(
                {row, piece.field,
                 Texts::tr("「%1」はラベルに使えない文字です（Shift-JIS にありません）").arg(unencodable)});
            refused = true;
            continue;
        }
        for (qsizetype index = 0; index < value.size(); ++index) {
            AttrRecord record = piece.fieldRecord;
            if (value[index] == QLatin1Char('\r'))
                record[TextColourSlot] = Variant(LineBreakMarkerAtCr);
            else if (value[index] == QLatin1Char('\n'))
                record[TextColourSlot] = Variant(LineBreakMarkerAtLf);
            merged.records.push_back(record);
        }
        merged.text += value;
    }
    if (!refused && merged.text.size() > LabelDocument::MaxPositions) {
        const QString fields = fieldNames_.join(QStringLiteral("、"));
        problems.push_back({row, fields,
                            Texts::tr("ラベルに入る %1 文字を超えます（%2 文字）")
                                .arg(LabelDocument::MaxPositions)
                                .arg(merged.text.size())});
        refused = true;
    }
    if (refused)
        return std::nullopt;
    return merged;
}

void LabelMerge::place(LabelDocument &document, int label, const Merged &merged)
{
    document.setLabelText(label, merged.text);
    for (std::size_t index = 0; index < merged.records.size(); ++index)
        document.CharAttr(label, int(index) + 1) = merged.records[index];
    document.setLabelRotated(label, merged.rotated);
}

} // namespace porkane
