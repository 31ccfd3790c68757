#pragma once

#include <QByteArray>
#include <QString>

namespace porkane {

// The whole file. Throws FileError when it is missing, unreadable or larger
// than `maximumSize` bytes (settings and data files are small; a huge one is
// not one of ours).
QByteArray readWholeFile(const QString &path, qint64 maximumSize);

// Writes a complete new file beside `path` and renames it over `path`, so a
// failed write leaves the earlier file whole. Throws FileError on failure.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// The file name within the folder; a folder given with or without its
// trailing separator gives the same path.
QString joinPath(const QString &folder, const QString &fileName);

// The per-user folder of the settings files: ~/.config/porkane, following
// XDG_CONFIG_HOME. The program and porkane-tool share it.
QString standardDataFolder();

} // namespace porkane
