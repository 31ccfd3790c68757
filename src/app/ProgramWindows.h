#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

#include "session/WindowHub.h"
#include "app/MainMenuWindow.h"
#include "editor/ui/EditorWindow.h"
#include "sheet/ui/TemplateDesignerWindow.h"

namespace porkane {

struct AppState;

// The program's windows and how they reach each other. main() makes one;
// it knows every window library, so the windows need not know each other.
class FormatSettingsDialog;

class ProgramWindows : public QObject, public WindowHub {
    Q_OBJECT
public:
    // `quit` ends the program (QCoreApplication::quit by default).
    explicit ProgramWindows(AppState &state, std::function<void()> quit = {});
    ~ProgramWindows() override;

    // The main menu, after the splash window has listed the fonts.
    MainMenuWindow *startMainMenu();
    MainMenuWindow *mainMenu() const { return mainMenu_; }
    TemplateDesignerWindow *designer() const { return designer_; }
    EditorWindow *editor() const { return editor_; }

    bool openDesigner() override;
    void closeDesignerForEditor() override;
    bool openEditor() override;
    void enableEditor() override;
    void showMainMenu() override;
    void openFormatSettings() override;
    bool closeWindowsForExit() override;
    void quit() override;

private:
    AppState &state_;
    std::function<void()> quit_;
    QPointer<MainMenuWindow> mainMenu_;
    QPointer<TemplateDesignerWindow> designer_;
    QPointer<EditorWindow> editor_;
    QPointer<FormatSettingsDialog> formatSettings_;
};

} // namespace porkane
