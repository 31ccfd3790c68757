#include "app/ui/MainMenuWindow.h"

#include <QCloseEvent>

#include "app/AppState.h"

namespace porkane {

MainMenuWindow::MainMenuWindow(AppState &state, QWidget *parent) : QWidget(parent), state_(state)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ぽるかね  ver1.35"));
    const int tx = state_.TwipsPerPixelX;
    const int ty = state_.TwipsPerPixelY;
    setGeometry(int(state_.settings.mainLeft) / tx, int(state_.settings.mainTop) / ty,
                int(state_.settings.mainWidth) / tx, int(state_.settings.mainWidth) / ty);
}

void MainMenuWindow::closeEvent(QCloseEvent *event)
{
    const int tx = state_.TwipsPerPixelX;
    const int ty = state_.TwipsPerPixelY;
    state_.settings.mainLeft = float(x() * tx);
    state_.settings.mainTop = float(y() * ty);
    state_.settings.mainWidth = float(width() * tx);
    saveAppSettings(state_.dataFolder, state_.settings);
    event->accept();
}

} // namespace porkane
