#pragma once

// A sheet of labels: the paper size and, for every label, where its
// rectangle lies and where printing inside it starts. All lengths are whole
// millimetres. The template's name is its file name and is not kept here.

#include <array>
#include <optional>

#include <QString>
#include <QtGlobal>

namespace porkane {

// The six items of a label's geometry, in file order.
enum GeometryItem {
    TopOffset = 0,            // sheet top edge to label top edge
    LeftOffset = 1,           // sheet left edge to label left edge
    LabelWidth = 2,
    LabelHeight = 3,
    VerticalPrintStart = 4,   // label top edge to where printing starts
    HorizontalPrintStart = 5, // label left edge to where printing starts
};

struct SheetTemplate {
    static constexpr int MaxLabels = 20;
    // The designer never makes a sheet or a label larger than this; every
    // picture of a label or a sheet is sized from these values.
    static constexpr int MaxMillimetres = 1000;
    static constexpr int GeometryItems = 6;
    using Geometry = std::array<qint16, GeometryItems>;

    qint16 SheetWidth = 0;
    qint16 SheetHeight = 0;
    qint16 LabelCount = 0;
    // Indexed by label number 1 to 20; entry 0 is never a label.
    std::array<Geometry, MaxLabels + 1> LabelGeometry{};

    // What the designer starts a new template with: 100 x 100 mm, one
    // 20 x 20 mm label in the top-left corner.
    static SheetTemplate newTemplate();

    bool operator==(const SheetTemplate &) const = default;
};

// Why the template is no sheet of ours, or nothing: the label count beyond
// 0 to 20, or the sheet's or a label's width or height beyond 1000 mm.
// Offsets and print starts may hold any value: they size nothing.
std::optional<QString> sheetOutOfBounds(const SheetTemplate &sheet);

inline constexpr const char *NewTemplateName = "NewForm";

} // namespace porkane
