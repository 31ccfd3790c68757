#pragma once

// The program's name and version as the windows show them.

#include <QString>

namespace porkane {

inline const QString ProgramName = QStringLiteral("ぽるかね");
inline const QString ProgramVersion = QStringLiteral("1.35");
// The main menu's title: two spaces stand between name and version.
inline const QString MainMenuTitle = QStringLiteral("ぽるかね  ver1.35");

} // namespace porkane
