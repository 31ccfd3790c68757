#include "sheet/LabelGrid.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

#include "core/Errors.h"
#include "core/Rounding.h"

namespace porkane {

namespace {

// lupdate files these texts under the context the translator looks them up in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(LabelGrid)
};

qint16 whole(double millimetres) { return roundToInt16(millimetres); }

} // namespace

LabelGrid LabelGrid::of(const SheetTemplate &sheet)
{
    const int count = std::clamp<int>(sheet.LabelCount, 0, SheetTemplate::MaxLabels);
    if (count < 1)
        return {};
    const SheetTemplate::Geometry &first = sheet.LabelGeometry[1];
    LabelGrid alone;
    alone.columns = alone.rows = 1;
    alone.labelWidth = alone.columnPitch = first[LabelWidth];
    alone.labelHeight = alone.rowPitch = first[LabelHeight];
    alone.top = first[TopOffset];
    alone.left = first[LeftOffset];

    // A grid laid out in tenths of a millimetre comes back in whole ones:
    // the pitch is the mean from the first label to the last, and each
    // label may lie, and its edges be rounded, up to a millimetre from
    // where that puts it.
    const auto pitchOf = [](double from, double to, int steps) {
        return std::round((to - from) / steps * 10) / 10;
    };
    int columns = 1;
    while (columns < count && std::abs(sheet.LabelGeometry[columns + 1][TopOffset] - first[TopOffset]) <= 1)
        ++columns;
    if (count % columns != 0)
        return alone;
    LabelGrid grid = alone;
    grid.columns = columns;
    grid.rows = count / columns;
    if (grid.columns > 1)
        grid.columnPitch = pitchOf(first[LeftOffset], sheet.LabelGeometry[columns][LeftOffset], columns - 1);
    if (grid.rows > 1)
        grid.rowPitch = pitchOf(first[TopOffset], sheet.LabelGeometry[count - columns + 1][TopOffset], grid.rows - 1);
    if (grid.columnPitch < 0 || grid.rowPitch < 0)
        return alone;
    int label = 1;
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column, ++label) {
            const SheetTemplate::Geometry &at = sheet.LabelGeometry[label];
            if (std::abs(at[TopOffset] - (grid.top + row * grid.rowPitch)) > 1 ||
                std::abs(at[LeftOffset] - (grid.left + column * grid.columnPitch)) > 1 ||
                std::abs(at[LabelWidth] - first[LabelWidth]) > 1 || std::abs(at[LabelHeight] - first[LabelHeight]) > 1)
                return alone;
        }
    return grid;
}

QString LabelGrid::problemOn(int sheetWidth, int sheetHeight) const
{
    if (columns < 1 || rows < 1)
        return Texts::tr("列と行はそれぞれ 1 以上にしてください。");
    if (labelCount() > SheetTemplate::MaxLabels)
        return Texts::tr("ラベルは %1 面までです（%2 列 × %3 行 = %4 面）。")
            .arg(SheetTemplate::MaxLabels)
            .arg(columns)
            .arg(rows)
            .arg(labelCount());
    for (double value : {labelWidth, labelHeight, top, left, columnPitch, rowPitch})
        if (!std::isfinite(value) || std::abs(value) > 1000)
            return Texts::tr("長さは 1000 mm までです。");
    if (whole(labelWidth) < 1 || whole(labelHeight) < 1)
        return Texts::tr("ラベルの幅と高さは 1 mm 以上にしてください。");
    if (top < 0 || left < 0 || columnPitch < 0 || rowPitch < 0)
        return Texts::tr("余白と間隔は 0 mm 以上にしてください。");
    const double right = left + (columns - 1) * columnPitch + labelWidth;
    const double bottom = top + (rows - 1) * rowPitch + labelHeight;
    if (whole(right) > sheetWidth)
        return Texts::tr("右端のラベルが用紙からはみ出します（%1 mm > 用紙の幅 %2 mm）。")
            .arg(std::round(right * 10) / 10)
            .arg(sheetWidth);
    if (whole(bottom) > sheetHeight)
        return Texts::tr("下端のラベルが用紙からはみ出します（%1 mm > 用紙の高さ %2 mm）。")
            .arg(std::round(bottom * 10) / 10)
            .arg(sheetHeight);
    return {};
}

SheetTemplate LabelGrid::applyTo(const SheetTemplate &sheet) const
{
    const QString problem = problemOn(sheet.SheetWidth, sheet.SheetHeight);
    if (!problem.isEmpty())
        throw DocumentError(problem);
    SheetTemplate laid = sheet;
    laid.LabelCount = qint16(labelCount());
    int label = 1;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column, ++label) {
            // Edges are rounded, not sizes: labels that touch still touch.
            const double y = top + row * rowPitch;
            const double x = left + column * columnPitch;
            laid.LabelGeometry[label] = {whole(y), whole(x), qint16(whole(x + labelWidth) - whole(x)),
                                         qint16(whole(y + labelHeight) - whole(y)), 0, 0};
        }
    for (; label <= SheetTemplate::MaxLabels; ++label)
        laid.LabelGeometry[label] = {};
    return laid;
}

} // namespace porkane
