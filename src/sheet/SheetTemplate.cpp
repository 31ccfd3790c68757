#include "sheet/SheetTemplate.h"

namespace porkane {

SheetTemplate SheetTemplate::newTemplate()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 100;
    sheet.SheetHeight = 100;
    sheet.LabelCount = 1;
    sheet.LabelGeometry[1] = {0, 0, 20, 20, 0, 0};
    return sheet;
}

std::optional<QString> sheetOutOfBounds(const SheetTemplate &sheet)
{
    const int most = SheetTemplate::MaxMillimetres;
    if (sheet.LabelCount < 0 || sheet.LabelCount > SheetTemplate::MaxLabels)
        return QStringLiteral("the label count %1 is outside 0 to %2").arg(sheet.LabelCount).arg(SheetTemplate::MaxLabels);
    if (sheet.SheetWidth > most || sheet.SheetHeight > most)
        return QStringLiteral("the sheet of %1 x %2 mm is larger than %3 mm")
            .arg(sheet.SheetWidth)
            .arg(sheet.SheetHeight)
            .arg(most);
    for (int label = 1; label <= sheet.LabelCount; ++label) {
        const SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
        if (geometry[LabelWidth] > most || geometry[LabelHeight] > most)
            return QStringLiteral("label %1 of %2 x %3 mm is larger than %4 mm")
                .arg(label)
                .arg(geometry[LabelWidth])
                .arg(geometry[LabelHeight])
                .arg(most);
    }
    return std::nullopt;
}

} // namespace porkane
