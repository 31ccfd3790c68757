#pragma once

// Shiyosiki2.ini: the editor's view and print settings, eight lines in
// print style. Delivered with the program: when it is missing the delivered
// values are written; a file that is present but damaged is refused.

#include <QByteArray>
#include <QString>

#include "core/Colour.h"

namespace porkane {

struct EditorSettings {
    qint16 gridVisible = 0;
    RgbValue backgroundColour = rgbValue(255, 255, 255);
    RgbValue gridColour = rgbValue(213, 242, 255);
    RgbValue labelColour = rgbValue(255, 250, 230);
    qint16 gridSpacing = 5;
    qint16 printOffsetLeft = 0; // tenths of a millimetre
    qint16 printOffsetTop = 0;  // tenths of a millimetre
    qint16 forcePrintOverrun = 0;

    bool operator==(const EditorSettings &) const = default;
};

inline const QString EditorSettingsFileName = QStringLiteral("Shiyosiki2.ini");

QByteArray writeEditorSettings(const EditorSettings &settings);
// Throws FileError.
EditorSettings readEditorSettings(const QByteArray &bytes);

// The settings of the data folder; a missing file is first written with the
// delivered values. Throws FileError for a damaged file (the editor then
// refuses to open).
EditorSettings loadEditorSettings(const QString &dataFolder);
// False on failure, which the program does not report.
bool saveEditorSettings(const QString &dataFolder, const EditorSettings &settings);

} // namespace porkane
