#pragma once

// The main menu's grid of eight buttons, in twips: as many 1125-twip
// columns as the width allows after the 630-twip margins, 800-twip rows
// starting 630 twips down, and the window height following the last row.

#include <array>

#include <QPointF>

namespace porkane {

struct MainMenuLayout {
    static constexpr double MinimumWidth = 1755;
    static constexpr int ButtonCount = 8;

    double width = 0; // the width asked for, raised to the minimum
    double height = 0;
    int columns = 1;
    std::array<QPointF, ButtonCount> buttonTopLeft{}; // button k at index k
};

MainMenuLayout mainMenuLayout(double widthTwips);

} // namespace porkane
