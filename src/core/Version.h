#pragma once

// The program's name and version as the windows show them.

#include <QCoreApplication>
#include <QString>

namespace porkane {

// "Porkane" in the English interface.
inline QString programName() { return QCoreApplication::translate("Version", "ぽるかね"); }
inline const QString ProgramVersion = QStringLiteral("1.35");
// The main menu's title: two spaces stand between name and version.
inline QString mainMenuTitle() { return programName() + QStringLiteral("  ver") + ProgramVersion; }

} // namespace porkane
