#pragma once

#include <QCoreApplication>
#include <QString>

namespace porkane {

struct AppState;
class EditorSession;
class UserError;

// The editor's file commands around EditorSession: opening what the main
// menu or the designer asked for, saving under a chosen name and opening a
// dropped file, with the questions, the busy pointer and the refusals that
// name the file. The window only shows the outcome.
class EditorFiles {
    Q_DECLARE_TR_FUNCTIONS(EditorFiles)

public:
    EditorFiles(AppState &state, EditorSession &session) : state_(state), session_(session) { }

    // Opens the document AppState::OpenMode and DocumentPath name. False
    // once the user has been told why not; the main menu is back then,
    // unless the designer still holds a new template.
    bool open();
    // Tells what a damaged editor settings file gave way to, once the
    // window is up; the document opened with the delivered values.
    void tellSettingsProblem();

    // "保存": the file dialog, the question for an existing file or a name
    // that leads elsewhere (asked with the real path), and the save. A
    // failure leaves the document open and modified and the earlier file
    // as it was.
    void save();

    // A label file, or a template as a new document, after the question
    // about unsaved work. False when nothing was opened; a file that cannot
    // be read leaves the document as it was.
    bool openDropped(const QString &path);

private:
    bool refuseToOpen(const UserError &error);
    void rememberTemplateName(bool fromTemplateFile, bool fromLabelFile, const QString &path);

    AppState &state_;
    EditorSession &session_;
    QString settingsProblem_;
};

} // namespace porkane
