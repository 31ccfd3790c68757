#pragma once

// porkane.INI: where the windows were and the designer's zoom, 16 lines in
// print style. Lengths are twips.

#include <QByteArray>
#include <QSizeF>
#include <QString>

namespace porkane {

struct WindowPlace {
    qint16 left = 0;
    qint16 top = 0;
    qint16 width = 1000;
    qint16 height = 1000;

    bool operator==(const WindowPlace &) const = default;
};

struct AppSettings {
    static constexpr float DefaultMainWidth = 5150;

    float mainTop = 0;
    float mainLeft = 0;
    float mainWidth = DefaultMainWidth;
    WindowPlace designer;
    qint16 designerZoom = 2;
    WindowPlace editor;
    WindowPlace pasteDialog;

    // The defaults: the main window centred on a screen of the given size.
    static AppSettings defaults(QSizeF screenTwips);

    bool operator==(const AppSettings &) const = default;
};

inline const QString AppSettingsFileName = QStringLiteral("porkane.INI");

QByteArray writeAppSettings(const AppSettings &settings);
// Throws FileError. The main window width is read back as a 32-bit integer.
AppSettings readAppSettings(const QByteArray &bytes);

// False on failure, which the program does not report.
bool saveAppSettings(const QString &dataFolder, const AppSettings &settings);

} // namespace porkane
