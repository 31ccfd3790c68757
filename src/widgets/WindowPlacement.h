#pragma once

// Window places are kept in twips (porkane.INI); windows live in pixels.

#include <QRect>

#include "session/AppSettingsFile.h"

class QWidget;

namespace porkane {

// The saved place in pixels.
QRect pixelRect(const WindowPlace &place, int twipsPerPixelX, int twipsPerPixelY);

// Where the window stands when not maximised or minimised, in twips, each
// value held to the 16-bit range the file keeps.
WindowPlace placeOf(const QWidget &window, int twipsPerPixelX, int twipsPerPixelY);

// Moves the window to the saved place. A place smaller than the window's
// minimum (the file's defaults are 1000 twips square) gives the window its
// usual size, centred on the screen; a place off every screen is brought
// back onto the primary one.
void applyPlace(QWidget &window, const WindowPlace &place, int twipsPerPixelX, int twipsPerPixelY);

} // namespace porkane
