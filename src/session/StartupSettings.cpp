#include "session/StartupSettings.h"

#include "core/Errors.h"
#include "core/FileIO.h"
#include "format/DefaultFormatFile.h"

namespace porkane {

StartupSettings loadStartupSettings(const QString &dataFolder, QSizeF screenTwips)
{
    StartupSettings result;
    try {
        result.settings = readAppSettings(readWholeFile(joinPath(dataFolder, AppSettingsFileName), 64 * 1024));
        result.defaultFormat = loadDefaultFormat(dataFolder);
    } catch (const UserError &) {
        result.settings = AppSettings::defaults(screenTwips);
        result.defaultFormat = TextFormat{};
        result.fellBackToDefaults = true;
    }
    return result;
}

} // namespace porkane
