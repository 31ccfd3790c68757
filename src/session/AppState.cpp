#include "session/AppState.h"

#include "core/FileIO.h"

#include <QDir>
#include <QStandardPaths>

namespace porkane {

AppState::AppState(QString folder) : dataFolder(std::move(folder))
{
    QDir().mkpath(dataFolder);
}

QString AppState::standardDataFolder()
{
    return porkane::standardDataFolder();
}

} // namespace porkane
