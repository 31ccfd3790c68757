#pragma once

// The program's pictures: SVG artwork compiled in from resources/ and
// rendered at the size each window asks for.

#include <QPixmap>
#include <QSize>
#include <QString>

#include "widgets/PictureButton.h"

namespace porkane::artwork {

// resources/<name>.svg at `size` logical pixels, sharp on high-DPI screens.
QPixmap picture(const QString &name, QSize size);

// The button frames: wide for 75 x 35 command buttons, square for toolbar
// buttons, window for the small title-bar buttons.
enum class ButtonShape { Wide, Square, Window };

// Normal, pressed and disabled pictures of a button: its frame with the
// icon resources/icons/<icon>.svg in the middle.
PictureButton::Pictures buttonPictures(const QString &icon, QSize size, ButtonShape shape);

// The picture sizes of the windows' buttons.
inline constexpr QSize CommandButtonSize{75, 35};
inline constexpr QSize ToolbarButtonSize{36, 36};
inline constexpr QSize WindowButtonSize{24, 20};

} // namespace porkane::artwork
