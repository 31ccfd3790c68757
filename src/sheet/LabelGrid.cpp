#include "sheet/LabelGrid.h"

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
        for (int column = 0; column < columns; ++column, ++label)
            laid.LabelGeometry[label] = {whole(top + row * rowPitch), whole(left + column * columnPitch),
                                         whole(labelWidth), whole(labelHeight), 0, 0};
    for (; label <= SheetTemplate::MaxLabels; ++label)
        laid.LabelGeometry[label] = {};
    return laid;
}

} // namespace porkane
