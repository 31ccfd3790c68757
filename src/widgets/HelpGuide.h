#pragma once

// F1 and the About box's ヘルプ: the user guide's page of a window, opened
// in the desktop's browser.

#include <functional>

#include <QUrl>

#include "session/UserGuide.h"

class QShortcut;
class QWidget;

namespace porkane::HelpGuide {

using UrlOpener = std::function<bool(const QUrl &)>;

// The guide the program found beside itself (UserGuide::find on the
// program's folder, looked up once).
UserGuide guide();

// Opens the section's page; false, with a beep, when there is no guide or
// the desktop could not open it.
bool open(GuideSection section);

// F1 anywhere in `window` opens the guide at `section`.
QShortcut *addKey(QWidget *window, GuideSection section);
// The same for a window whose section changes with what it shows (the
// editor with its print panel open): `sectionNow` is asked at each press.
QShortcut *addKey(QWidget *window, std::function<GuideSection()> sectionNow);

// Replaces the guide and the way pages are opened (QDesktopServices by
// default), for tests; reset() goes back to the program's own.
void use(const UserGuide &guide, UrlOpener opener);
void reset();

} // namespace porkane::HelpGuide
