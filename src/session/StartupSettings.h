#pragma once

// What the main window reads while it loads: porkane.INI, then DefMog.INI.
// If either cannot be read whole, every application setting and the whole
// default format take their built-in values together.

#include <QSizeF>
#include <QString>

#include "session/AppSettingsFile.h"
#include "format/TextFormat.h"

namespace porkane {

struct StartupSettings {
    AppSettings settings;
    TextFormat defaultFormat;
    bool fellBackToDefaults = false; // the main window then opens centred
};

StartupSettings loadStartupSettings(const QString &dataFolder, QSizeF screenTwips);

} // namespace porkane
