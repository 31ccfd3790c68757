#pragma once

// Shiyosiki2.ini: the editor's view and print settings, eight lines in
// print style. Delivered with the program: when it is missing the delivered
// values are written. A file that is present but damaged gives way to the
// delivered values, with a message naming it; it is left as it is until the
// settings are next saved, which writes it whole again.

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

struct LoadedEditorSettings {
    EditorSettings settings;
    // For a damaged file: what the window shows (exclamation icon, title
    // "ぽるかね") before it opens the document with the delivered values.
    // Empty when the file was read or written afresh.
    QString problem;
    bool fellBack() const { return !problem.isEmpty(); }
};

// The settings of the data folder; a missing file is first written with the
// delivered values, a damaged one is replaced by them for this run (the
// file is rewritten on the next save) and `problem` says so. Never throws:
// this is what the editor opens with.
LoadedEditorSettings loadEditorSettingsReporting(const QString &dataFolder);
// The earlier form: the same, but a damaged file throws FileError.
EditorSettings loadEditorSettings(const QString &dataFolder);

// The message for a damaged settings file at `path`.
QString damagedEditorSettingsMessage(const QString &path);
// False on failure, which the program does not report.
bool saveEditorSettings(const QString &dataFolder, const EditorSettings &settings);

} // namespace porkane
