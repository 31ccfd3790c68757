#include "session/MainMenuLayout.h"

#include <algorithm>
#include <cmath>

namespace porkane {

namespace {
constexpr double SideMargin = 315;
constexpr double TopMargin = 630;
constexpr double ColumnWidth = 1125;
constexpr double RowHeight = 800;
constexpr double BelowLastRow = 1065;
} // namespace

MainMenuLayout mainMenuLayout(double widthTwips)
{
    MainMenuLayout layout;
    layout.width = std::max(widthTwips, MainMenuLayout::MinimumWidth);
    layout.columns = std::max(1, int(std::floor((layout.width - 2 * SideMargin) / ColumnWidth)));
    for (int k = 0; k < MainMenuLayout::ButtonCount; ++k) {
        const int column = k % layout.columns;
        const int row = k / layout.columns;
        layout.buttonTopLeft[std::size_t(k)] = QPointF(SideMargin + column * ColumnWidth, TopMargin + row * RowHeight);
    }
    layout.height = layout.buttonTopLeft.back().y() + BelowLastRow;
    return layout;
}

} // namespace porkane
