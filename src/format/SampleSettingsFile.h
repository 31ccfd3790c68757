#pragma once

// Shiyosiki.INI: the three settings of the format dialog's sample picture.

#include <QByteArray>
#include <QString>

#include "core/Colour.h"

namespace porkane {

struct SampleSettings {
    RgbValue backgroundColour = rgbValue(255, 255, 255);
    RgbValue gridColour = rgbValue(213, 242, 255);
    qint32 gridInterval = 5; // millimetres

    bool operator==(const SampleSettings &) const = default;
};

inline const QString SampleSettingsFileName = QStringLiteral("Shiyosiki.INI");

QByteArray writeSampleSettings(const SampleSettings &settings);
// Throws FileError.
SampleSettings readSampleSettings(const QByteArray &bytes);

// A missing or unreadable file gives the built-in settings, without a message.
SampleSettings loadSampleSettings(const QString &dataFolder);
// False on failure, which the program does not report.
bool saveSampleSettings(const QString &dataFolder, const SampleSettings &settings);

} // namespace porkane
