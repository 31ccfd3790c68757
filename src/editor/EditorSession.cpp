#include "editor/EditorSession.h"

#include <algorithm>

#include <QMimeData>

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

LabelDocument EditorSession::read(DocumentOrigin origin, const QString &path,
                                  const SheetTemplate &designersTemplate) const
{
    switch (origin) {
    case DocumentOrigin::LabelFile:
        return openLabelFile(path);
    case DocumentOrigin::TemplateFile:
        return newDocumentOnTemplateFile(path);
    case DocumentOrigin::DesignersTemplate:
        break;
    }
    return LabelDocument::fromTemplate(designersTemplate);
}

void EditorSession::take(LabelDocument &&document)
{
    document_ = std::move(document);
    history_.clear();
    images_.clearSelection();
    images_.setImagesFirst(document_.ImageCount() > 0);
    currentLabel_ = 1;
    open_ = true;
    setModified(false);
    emit documentChanged();
    emit commandsChanged();
}

QString EditorSession::open(DocumentOrigin origin, const QString &path, const SheetTemplate &designersTemplate,
                            const QString &dataFolder)
{
    // The document is read before anything changes.
    LabelDocument document = read(origin, path, designersTemplate);
    const LoadedEditorSettings loaded = loadEditorSettingsReporting(dataFolder);
    settings_ = shownSettings(loaded.settings);
    dataFolder_ = dataFolder;
    take(std::move(document));
    if (origin != DocumentOrigin::DesignersTemplate)
        emit fileUsed(path);
    return loaded.problem;
}

void EditorSession::openAnother(DocumentOrigin origin, const QString &path)
{
    if (!open_ || origin == DocumentOrigin::DesignersTemplate)
        return;
    take(read(origin, path, SheetTemplate{}));
    emit fileUsed(path);
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

bool EditorSession::canPaste(const QMimeData *system) const
{
    return !clipboard_.isEmpty() || (system && !system->text().isEmpty());
}

void EditorSession::paste(int boxStart, int boxEnd, const QMimeData *system, const InputFormat &format)
{
    if (!canEdit())
        return;
    // The latest copy wins: the editor's own, or what another program put
    // on the system clipboard after it.
    const bool foreign = system && !clipboard_.isOwn(system) && !system->text().isEmpty();
    if (!foreign && clipboard_.isEmpty())
        return;
    const auto [start, length] = labelRange(boxStart, boxEnd);
    const TextChange change{start, length, foreign ? normalisedInput(system->text()) : clipboard_.text()};
    const QString refusal = refusalOf(document_, currentLabel_, change);
    if (!refusal.isEmpty()) {
        emit statusMessage(refusal);
        return;
    }
    edit(true, [&] {
        if (foreign) {
            applyTextChange(document_, currentLabel_, change, format);
            replaceBoxText(start + int(change.inserted.size()));
        } else {
            if (length > 0)
                applyTextChange(document_, currentLabel_, {start, length, QString()}, format);
            replaceBoxText(clipboard_.paste(document_, currentLabel_, start));
        }
        emit statusMessage(QString());
    });
}

void EditorSession::dropText(int boxStart, int boxEnd, int boxDropAt, bool move)
{
    if (!canEdit())
        return;
    const auto [start, length] = labelRange(boxStart, boxEnd);
    int at = toLabelPosition(document_.LabelText(currentLabel_), boxDropAt);
    if (length == 0 || (move && at >= start && at <= start + length))
        return; // nothing dragged, or dropped onto itself
    EditorClipboard dragged;
    dragged.copy(document_, currentLabel_, start, length);
    if (!move) {
        const QString refusal = refusalOf(document_, currentLabel_, {at, 0, dragged.text()});
        if (!refusal.isEmpty()) {
            emit statusMessage(refusal);
            return;
        }
    }
    edit(true, [&] {
        if (move) {
            applyTextChange(document_, currentLabel_, {start, length, QString()}, InputFormat{});
            if (at > start)
                at -= length;
        }
        replaceBoxText(dragged.paste(document_, currentLabel_, at));
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
    // A line break's record carries a marker, not a colour.
    const QString &text = document_.LabelText(currentLabel_);
    const auto isBreak = [&](int index) { return text[index] == QLatin1Char('\r') || text[index] == QLatin1Char('\n'); };
    int first = start;
    while (first < start + length && isBreak(first))
        ++first;
    if (first == start + length)
        first = start;
    return formatAt(document_, currentLabel_, first + 1);
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

SaveTarget EditorSession::saveTarget(const QString &chosen) { return resolveSaveTarget(labelFileTarget(chosen)); }

void EditorSession::save(const QString &target)
{
    // The earlier file is replaced only by a complete new one.
    saveLabelFile(document_, target);
    setModified(false);
    emit fileUsed(target);
}

} // namespace porkane
