#include "editor/EditorClipboard.h"

#include <QMimeData>
#include <QUuid>

#include "editor/TextEditing.h"

namespace porkane {

namespace {

// The range [start, start + length) widened over a line break it splits.
std::pair<int, int> wholeRange(const QString &text, int start, int length)
{
    start = qBound(0, start, int(text.size()));
    int end = qBound(start, start + length, int(text.size()));
    if (start > 0 && text[start - 1] == QLatin1Char('\r') && start < text.size() && text[start] == QLatin1Char('\n'))
        --start;
    if (end > 0 && text[end - 1] == QLatin1Char('\r') && end < text.size() && text[end] == QLatin1Char('\n'))
        ++end;
    return {start, end - start};
}

} // namespace

const QString EditorClipboard::MarkFormat = QStringLiteral("application/x-porkane-label-text");

void EditorClipboard::copy(const LabelDocument &document, int label, int start, int length)
{
    const QString &labelText = document.LabelText(label);
    std::tie(start, length) = wholeRange(labelText, start, length);
    text_ = labelText.mid(start, length);
    records_.clear();
    for (int position = start + 1; position <= start + length; ++position)
        records_.push_back(document.CharAttr(label, position));
    token_ = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
}

int EditorClipboard::cut(LabelDocument &document, int label, int start, int length)
{
    std::tie(start, length) = wholeRange(document.LabelText(label), start, length);
    copy(document, label, start, length);
    applyTextChange(document, label, {start, length, QString()}, InputFormat{});
    return start;
}

int EditorClipboard::paste(LabelDocument &document, int label, int caret) const
{
    if (text_.isEmpty())
        return caret;
    caret = wholeRange(document.LabelText(label), caret, 0).first;
    insertWithRecords(document, label, caret, text_, records_);
    return caret + int(text_.size());
}

std::unique_ptr<QMimeData> EditorClipboard::systemData() const
{
    if (text_.isEmpty())
        return nullptr;
    auto data = std::make_unique<QMimeData>();
    data->setText(toBoxText(text_));
    data->setData(MarkFormat, token_);
    return data;
}

bool EditorClipboard::isOwn(const QMimeData *system) const
{
    return !text_.isEmpty() && system && system->hasFormat(MarkFormat) && system->data(MarkFormat) == token_;
}

} // namespace porkane
