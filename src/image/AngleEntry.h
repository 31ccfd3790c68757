#pragma once

// The angle text box of the free turn: what the user typed becomes a whole
// number of degrees from 0 to 360, or is refused with AngleRangeMessage().

#include <optional>

#include <QString>

namespace porkane {

struct AngleEntry {
    // What the text box shows afterwards: the whole-number value ("0" for an
    // empty box), or the typed text unchanged when it is not a number.
    QString text;
    // The angle, or nothing when it is refused (outside 0 to 360, or not a
    // number); the caller then shows AngleRangeMessage() and changes nothing.
    std::optional<int> degrees;
};

// Blanks around the number are ignored, full-width digits and signs count as
// their ASCII forms, and a fraction is rounded to the nearest whole degree
// (halves to even).
AngleEntry readAngle(const QString &typed);

} // namespace porkane
