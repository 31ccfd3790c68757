#include "editor/EditorSession.h"

#include <algorithm>

#include "document/DocumentSource.h"
#include "document/LabelFile.h"
#include "editor/SaveNames.h"
#include "editor/TextEditing.h"

namespace porkane {

namespace {

// The settings as the view's controls can show them.
EditorSettings shownSettings(EditorSettings settings)
{
    settings.gridVisible = settings.gridVisible != 0 ? 1 : 0;
    settings.gridSpacing = qint16(std::clamp<int>(settings.gridSpacing, EditorSession::MinGridSpacing,
                                                  EditorSession::MaxGridSpacing));
    return settings;
}

} // namespace

EditorSession::EditorSession(LabelDocument &document, std::function<bool()> othersBusy, int twipsPerPixelX,
                             int twipsPerPixelY, QObject *parent)
    : QObject(parent), document_(document), othersBusy_(std::move(othersBusy)), twipsPerPixelX_(twipsPerPixelX),
      twipsPerPixelY_(twipsPerPixelY), images_(*this)
{
    connect(&images_, &ImageObjects::refused, this, &EditorSession::statusMessage);
}

// --- Opening and closing ------------------------------------------------------------------------

void EditorSession::open(DocumentOrigin origin, const QString &path, const SheetTemplate &designersTemplate,
                         const QString &dataFolder)
{
    // Everything is read before anything changes.
    const EditorSettings settings = loadEditorSettings(dataFolder);
    LabelDocument document;
    switch (origin) {
    case DocumentOrigin::LabelFile:
        document = openLabelFile(path);
        break;
    case DocumentOrigin::TemplateFile:
        document = newDocumentOnTemplateFile(path);
        break;
    case DocumentOrigin::DesignersTemplate:
        document = LabelDocument::fromTemplate(designersTemplate);
        break;
    }

    document_ = std::move(document);
    settings_ = shownSettings(settings);
    dataFolder_ = dataFolder;
    history_.clear();
    images_.clearSelection();
    images_.setImagesFirst(document_.ImageCount() > 0);
    currentLabel_ = 1;
    open_ = true;
    setModified(false);
    emit documentChanged();
    emit commandsChanged();
}

void EditorSession::templateChanged()
{
    if (!open_)
        return;
    setModified(true);
    images_.clearSelection();
    if (currentLabel_ < 1 || currentLabel_ > std::max(1, document_.labelCount()))
        currentLabel_ = 1;
    emit documentChanged();
}

void EditorSession::close()
{
    if (!open_)
        return;
    open_ = false;
    document_.discard();
    saveEditorSettings(dataFolder_, settings_);
}

// --- State ---------------------------------------------------------------------------------------

void EditorSession::setModified(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void EditorSession::setSettings(const EditorSettings &settings) { settings_ = shownSettings(settings); }

std::pair<int, int> EditorSession::labelRange(int boxStart, int boxEnd) const
{
    const QString &text = document_.LabelText(currentLabel_);
    const int start = toLabelPosition(text, boxStart);
    const int end = toLabelPosition(text, boxEnd);
    return {start, end - start};
}

template <typename Change>
void EditorSession::edit(bool takeUndoCopy, Change &&change)
{
    if (takeUndoCopy)
        history_.takeUndoCopy(document_, currentLabel_);
    change();
    history_.discardRedo();
    setModified(true);
    emit labelEdited(currentLabel_);
    emit commandsChanged();
}

void EditorSession::replaceBoxText(int labelCaret)
{
    const QString &text = document_.LabelText(currentLabel_);
    emit boxTextReplaced(toBoxText(text), toBoxPosition(text, labelCaret));
}

// --- Commands ------------------------------------------------------------------------------------

void EditorSession::selectLabel(int label)
{
    if (!open_ || label < 1 || label > document_.labelCount())
        return;
    currentLabel_ = label;
    emit labelSelected(label);
}

void EditorSession::takeUndoCopy()
{
    if (!open_)
        return;
    history_.takeUndoCopy(document_, currentLabel_);
    emit commandsChanged();
}

void EditorSession::typed(const QString &boxText, int boxCaret, const InputFormat &format)
{
    if (!canEdit())
        return;
    const QString before = document_.LabelText(currentLabel_);
    const QString after = normalisedInput(boxText);
    const TextChange change = textChangeBetween(before, after);
    if (change.isEmpty())
        return;
    const QString refusal = refusalOf(document_, currentLabel_, change);
    if (!refusal.isEmpty()) {
        // The box goes back to the label's text: every character keeps its record.
        emit boxTextReplaced(toBoxText(before), toBoxPosition(before, change.start));
        emit statusMessage(refusal);
        return;
    }
    edit(false, [&] {
        applyTextChange(document_, currentLabel_, change, format);
        if (toBoxText(after) != boxText) // a double quote came in by a paste or an input method
            emit boxTextReplaced(toBoxText(after), boxCaret);
        emit statusMessage(QString());
    });
}

void EditorSession::afterHistoryChange(int label)
{
    setModified(true);
    if (label != currentLabel_) {
        // The undo copy belongs to another label: that one is shown.
        currentLabel_ = label;
        emit labelSelected(label);
    } else {
        replaceBoxText(int(document_.LabelText(label).size()));
    }
    emit labelEdited(label);
    emit commandsChanged();
}

void EditorSession::undo()
{
    if (!canEdit())
        return;
    if (const int label = history_.undo(document_))
        afterHistoryChange(label);
}

void EditorSession::redo()
{
    if (!canEdit())
        return;
    if (const int label = history_.redo(document_))
        afterHistoryChange(label);
}

void EditorSession::copy(int boxStart, int boxEnd)
{
    if (!open_)
        return;
    const auto [start, length] = labelRange(boxStart, boxEnd);
    if (length == 0)
        return;
    clipboard_.copy(document_, currentLabel_, start, length);
    emit commandsChanged();
}

void EditorSession::cut(int boxStart, int boxEnd)
{
    if (!canEdit())
        return;
    const auto [start, length] = labelRange(boxStart, boxEnd);
    if (length == 0)
        return;
    // Undo after a cut brings the cut text back.
    edit(true, [&] { replaceBoxText(clipboard_.cut(document_, currentLabel_, start, length)); });
}

void EditorSession::paste(int boxCaret)
{
    if (!canEdit() || clipboard_.isEmpty())
        return;
    const int caret = toLabelPosition(document_.LabelText(currentLabel_), boxCaret);
    const QString refusal = refusalOf(document_, currentLabel_, {caret, 0, clipboard_.text()});
    if (!refusal.isEmpty()) {
        emit statusMessage(refusal);
        return;
    }
    edit(true, [&] {
        replaceBoxText(clipboard_.paste(document_, currentLabel_, caret));
        emit statusMessage(QString());
    });
}

void EditorSession::applyFormat(FormatCommand command, int boxStart, int boxEnd, const InputFormat &values)
{
    if (!canEdit())
        return;
    const auto [start, length] = labelRange(boxStart, boxEnd);
    edit(true, [&] { ApplyFormat(document_, currentLabel_, command, start, length, values, twipsPerPixelY_); });
}

std::optional<InputFormat> EditorSession::attributesOf(int boxStart, int boxEnd) const
{
    if (!open_)
        return std::nullopt;
    const auto [start, length] = labelRange(boxStart, boxEnd);
    if (length == 0)
        return std::nullopt;
    return formatAt(document_, currentLabel_, start + 1);
}

void EditorSession::setLabelRotated(bool rotated)
{
    if (!open_ || document_.labelCount() < 1)
        return;
    document_.setLabelRotated(currentLabel_, rotated ? 1 : 0);
    setModified(true);
    emit labelEdited(currentLabel_);
}

// --- Saving --------------------------------------------------------------------------------------

QString EditorSession::proposedFileName() const { return porkane::proposedFileName(document_, currentLabel_); }

QString EditorSession::saveTarget(const QString &chosen) { return labelFileTarget(chosen); }

void EditorSession::save(const QString &target)
{
    // The earlier file is replaced only by a complete new one.
    saveLabelFile(document_, target);
    setModified(false);
}

} // namespace porkane
