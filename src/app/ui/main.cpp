#include <QApplication>
#include <QScreen>

#include "app/AppState.h"
#include "app/StartupSettings.h"
#include "app/ui/MainMenuWindow.h"
#include "core/Units.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("porkane"));

    porkane::AppState state(porkane::AppState::standardDataFolder());
    const QScreen *screen = QGuiApplication::primaryScreen();
    state.TwipsPerPixelX = porkane::twipsPerPixelForDpi(screen->logicalDotsPerInchX());
    state.TwipsPerPixelY = porkane::twipsPerPixelForDpi(screen->logicalDotsPerInchY());

    const QSize screenPixels = screen->size();
    const porkane::StartupSettings startup = porkane::loadStartupSettings(
        state.dataFolder,
        QSizeF(screenPixels.width() * state.TwipsPerPixelX, screenPixels.height() * state.TwipsPerPixelY));
    state.settings = startup.settings;
    state.DefaultFormat = startup.defaultFormat;

    porkane::MainMenuWindow mainMenu(state);
    mainMenu.show();
    return application.exec();
}
