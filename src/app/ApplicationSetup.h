#pragma once

namespace porkane {

// What the program sets on the application before its first window: its
// names for the desktop, its icon, the interface font, and that closing the
// last window does not end it (the main menu does). No display name is set:
// Qt would append it to every window title, and the main menu's title
// already holds the program's name.
void configureApplication();

} // namespace porkane
