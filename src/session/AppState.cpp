#include "session/AppState.h"

#include <QDir>
#include <QStandardPaths>

namespace porkane {

AppState::AppState(QString folder) : dataFolder(std::move(folder))
{
    QDir().mkpath(dataFolder);
}

QString AppState::standardDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/porkane");
}

} // namespace porkane
