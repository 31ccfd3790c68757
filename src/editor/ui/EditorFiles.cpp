#include "editor/ui/EditorFiles.h"

#include <utility>

#include <QFileInfo>

#include "core/Errors.h"
#include "document/DocumentSource.h"
#include "document/SaveTarget.h"
#include "editor/EditorSession.h"
#include "session/AppState.h"
#include "session/Messages.h"
#include "session/Prompts.h"
#include "session/WindowHub.h"
#include "widgets/BusyPointer.h"

namespace porkane {

namespace {

DocumentOrigin originOf(qint16 openMode)
{
    switch (openMode) {
    case OpenExistingFile:
        return DocumentOrigin::LabelFile;
    case OpenFromTemplate:
        return DocumentOrigin::TemplateFile;
    default:
        return DocumentOrigin::DesignersTemplate;
    }
}

} // namespace

bool EditorFiles::open()
{
    const DocumentOrigin origin = originOf(state_.OpenMode);
    try {
        settingsProblem_ = session_.open(origin, state_.DocumentPath, state_.designerTemplate, state_.dataFolder);
    } catch (const UserError &error) {
        return refuseToOpen(error);
    }
    rememberTemplateName(origin == DocumentOrigin::TemplateFile, origin == DocumentOrigin::LabelFile,
                         state_.DocumentPath);
    return true;
}

void EditorFiles::tellSettingsProblem()
{
    // A damaged settings file does not stop the document: the delivered
    // values hold, and the file is written whole again on closing.
    if (!settingsProblem_.isEmpty())
        state_.prompts->tell(std::exchange(settingsProblem_, QString()), PromptIcon::Exclamation);
}

bool EditorFiles::refuseToOpen(const UserError &error)
{
    state_.ModalMode = ModalNone;
    BusyPointer::clear();
    const QString path = state_.OpenMode == OpenNewTemplate ? QString() : state_.DocumentPath;
    const DocumentKind kind = state_.OpenMode == OpenExistingFile ? DocumentKind::Label : DocumentKind::Template;
    state_.prompts->tell(OpenRefusedMessage(kind, path, error), PromptIcon::Critical);
    // Over a new template the designer is still there, with the template.
    if (state_.OpenMode != OpenNewTemplate)
        state_.windows->showMainMenu();
    return false;
}

void EditorFiles::rememberTemplateName(bool fromTemplateFile, bool fromLabelFile, const QString &path)
{
    if (fromTemplateFile)
        state_.DocumentTemplateName = QFileInfo(path).fileName();
    else if (fromLabelFile) // a label file does not record its template's name
        state_.DocumentTemplateName = QFileInfo(path).completeBaseName();
    // A designer's template was named by the designer when it committed.
}

void EditorFiles::save()
{
    if (!session_.canEdit())
        return;
    const std::optional<QString> chosen = state_.prompts->saveFileName(LabelFileFilter, session_.proposedFileName());
    if (!chosen)
        return;
    if (chosen->isEmpty()) {
        state_.prompts->tell(tr("ファイル名を入力してください。"), PromptIcon::Question);
        return;
    }
    const auto tellFailure = [this](const QString &path, const UserError &error) {
        BusyPointer::clear();
        state_.prompts->tell(SaveFailedMessage() + QLatin1Char('\r') + path + QLatin1Char('\r') + error.message(),
                             PromptIcon::Critical);
    };
    SaveTarget target;
    try {
        target = EditorSession::saveTarget(*chosen);
    } catch (const UserError &error) {
        tellFailure(*chosen, error);
        return;
    }
    if (target.needsQuestion() &&
        !state_.prompts->ask(overwriteQuestionFor(target), PromptIcon::Question, Preselect::No))
        return;
    BusyPointer::show();
    try {
        session_.save(target.path);
    } catch (const UserError &error) {
        tellFailure(target.path, error);
        return;
    }
    state_.DocumentPath = target.chosen;
    BusyPointer::clear();
}

bool EditorFiles::openDropped(const QString &path)
{
    if (session_.isModified() &&
        !state_.prompts->ask(tr("データが編集されています。\r保存せずに他のファイルを開きますか？"),
                             PromptIcon::Question, Preselect::No))
        return false;
    const bool isTemplate = documentKindOf(path) == DocumentKind::Template;
    BusyPointer::show();
    try {
        session_.openAnother(isTemplate ? DocumentOrigin::TemplateFile : DocumentOrigin::LabelFile, path);
    } catch (const UserError &error) {
        BusyPointer::clear();
        state_.prompts->tell(OpenRefusedMessage(isTemplate ? DocumentKind::Template : DocumentKind::Label, path, error),
                             PromptIcon::Critical);
        return false;
    }
    state_.DocumentPath = path;
    state_.OpenMode = isTemplate ? OpenFromTemplate : OpenExistingFile;
    rememberTemplateName(isTemplate, !isTemplate, path);
    BusyPointer::clear();
    return true;
}

} // namespace porkane
