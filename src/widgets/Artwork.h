#pragma once

// The program's pictures: SVG artwork compiled in from resources/ and
// rendered at the size each window asks for.

#include <QFont>
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

// What a button's pictures show: its frame, the icon resources/icons/<icon>.svg
// and, optionally, words beside the icon. The pressed picture sinks the icon
// by a pixel with its frame; the disabled one greys it.
struct ButtonFace {
    QString icon;
    QSize size;
    ButtonShape shape = ButtonShape::Wide;
    // 0: as large as the frame allows, centred.
    int iconSide = 0;
    // Words beside the icon, on the left of a wide frame stretched to `size`.
    QString text;
    QFont textFont;
    // A toggle that is on: its normal picture is the pressed one.
    bool latched = false;
};
PictureButton::Pictures buttonPictures(const ButtonFace &face);

// The common case: the icon in the middle of its frame.
PictureButton::Pictures buttonPictures(const QString &icon, QSize size, ButtonShape shape);

// A 75 x 35 command button with its caption under it, acting on release
// within 0 to 75 by 0 to 35, as on the main menu, the designer, the print
// panel and the About box.
PictureButton *makeCommandButton(QWidget *parent, const QString &objectName, const QString &icon,
                                 const QString &caption, const QString &toolTip);

// The picture sizes of the windows' buttons.
inline constexpr QSize CommandButtonSize{75, 35};
inline constexpr QSize ToolbarButtonSize{36, 36};
inline constexpr QSize WindowButtonSize{24, 20};

} // namespace porkane::artwork
