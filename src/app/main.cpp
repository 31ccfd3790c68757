#include <QApplication>
#include <QFont>
#include <QPrinter>
#include <QScreen>

#include "session/AppState.h"
#include "session/InterfaceLanguage.h"
#include "app/ApplicationSetup.h"
#include "app/MainMenuWindow.h"
#include "app/ProgramWindows.h"
#include "app/QtPrompts.h"
#include "app/SplashWindow.h"
#include "core/Units.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    porkane::configureApplication();

    // The windows in English when the locale asks for it (LANG=en_US.UTF-8),
    // in Japanese otherwise; Qt's own dialogs follow.
    porkane::InterfaceTranslators translators;
    translators.install(porkane::languageFromLocale(), QCoreApplication::applicationDirPath());

    porkane::AppState state(porkane::AppState::standardDataFolder());
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        state.TwipsPerPixelX = porkane::twipsPerPixelForDpi(screen->logicalDotsPerInchX());
        state.TwipsPerPixelY = porkane::twipsPerPixelForDpi(screen->logicalDotsPerInchY());
    }
    porkane::QtPrompts prompts;
    state.prompts = &prompts;
    porkane::ProgramWindows windows(state);
    state.windows = &windows;

    porkane::SplashWindow splash(state);
    // The program takes no options; a file the desktop hands over (a double
    // click on a .fhl or .fom) is opened once the main menu is up.
    const QStringList arguments = QApplication::arguments();
    const QString givenFile = arguments.size() > 1 ? arguments.at(1) : QString();
    QObject::connect(&splash, &porkane::SplashWindow::catalogueBuilt, &splash, [&] {
        porkane::MainMenuWindow *mainMenu = windows.startMainMenu();
        splash.close();
        if (!givenFile.isEmpty())
            mainMenu->openGivenFile(givenFile);
    });
    splash.show();
    return application.exec();
}
