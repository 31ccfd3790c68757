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

} // namespace porkane
