#include "app/ProgramWindows.h"

#include <QCoreApplication>

#include "session/AppState.h"
#include "session/Messages.h"
#include "session/Prompts.h"
#include "widgets/BusyPointer.h"
#include "app/MainMenuWindow.h"
#include "editor/ui/EditorWindow.h"
#include "format/ui/FormatSettingsDialog.h"
#include "sheet/ui/TemplateDesignerWindow.h"

namespace porkane {

ProgramWindows::ProgramWindows(AppState &state, std::function<void()> quit)
    : state_(state), quit_(quit ? std::move(quit) : std::function<void()>([] { QCoreApplication::quit(); }))
{
}

ProgramWindows::~ProgramWindows()
{
    delete designer_.data();
    delete editor_.data();
    delete mainMenu_.data();
}

MainMenuWindow *ProgramWindows::startMainMenu()
{
    if (!mainMenu_) {
        mainMenu_ = new MainMenuWindow(state_);
        mainMenu_->show();
    }
    return mainMenu_;
}

bool ProgramWindows::openDesigner()
{
    if (designer_) {
        designer_->show();
        designer_->raise();
        designer_->activateWindow();
        return true;
    }
    auto *designer = new TemplateDesignerWindow(state_);
    if (!designer->start()) {
        delete designer;
        return false;
    }
    designer->setAttribute(Qt::WA_DeleteOnClose);
    designer_ = designer;
    // The menu waits while a new template is designed, so that its other
    // buttons cannot change OpenMode under the designer.
    if (mainMenu_ && !state_.DesignerFromEditor && state_.OpenMode == OpenNewTemplate)
        mainMenu_->setEnabled(false);
    designer->show();
    return true;
}

void ProgramWindows::closeDesignerForEditor()
{
    if (designer_)
        designer_->closeForEditor();
}

bool ProgramWindows::openEditor()
{
    if (editor_) {
        editor_->show();
        editor_->raise();
        editor_->activateWindow();
        return true;
    }
    auto *editor = new EditorWindow(state_);
    // A file that cannot be read is refused there, with the message.
    if (!editor->start()) {
        delete editor;
        return false;
    }
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor_ = editor;
    editor->show();
    editor->raise();
    editor->activateWindow();
    return true;
}

void ProgramWindows::enableEditor()
{
    if (!editor_)
        return;
    editor_->setEnabled(true);
    editor_->raise();
    editor_->activateWindow();
    // The designer may have changed the template (ReRenderAll).
    editor_->resume();
}

void ProgramWindows::showMainMenu()
{
    if (!mainMenu_)
        return;
    mainMenu_->setEnabled(true);
    mainMenu_->show();
    mainMenu_->raise();
}

void ProgramWindows::openFormatSettings()
{
    formatSettings_ = FormatSettingsDialog::openOnDefaultFormat(state_, mainMenu_);
}

bool ProgramWindows::closeWindowsForExit()
{
    // Closing the format dialog writes its sample settings.
    if (formatSettings_)
        formatSettings_->close();
    // The designer first: over the editor it gives the editor back.
    if (designer_ && designer_->isVisible() && !designer_->close())
        return false;
    if (editor_ && editor_->isVisible() && !editor_->close())
        return false;
    return true;
}

void ProgramWindows::quit() { quit_(); }

} // namespace porkane
