#pragma once

// The rules of the format-settings dialog that need no window: how its
// fields read as numbers, the effect code of its three effect boxes, the
// sample's text and where the sample's grid lines fall.

#include <vector>

#include <QString>
#include <QtGlobal>

namespace porkane {

// The number a field holds. Leading spaces are skipped and the number
// ends where the text stops looking like one ("12mm" is 12); text that
// does not start with a number is 0. Full-width digits and signs, as a
// Japanese input method types them, count as their ASCII forms.
double fieldNumber(const QString &text);

// Rounded (halves to even) into the bounds; NaN gives the bound nearest 0.
// Nothing the user types can make it fail.
qint32 roundedWithin(double value, qint32 minimum, qint32 maximum);

// The field's number rounded (halves to even) into the given bounds.
qint32 fieldInteger(const QString &text, qint32 minimum, qint32 maximum);
inline qint16 fieldInt16(const QString &text) { return qint16(fieldInteger(text, -32768, 32767)); }

// Tenths, as a spin button holds millimetres: nearest(value * 10) within
// the bounds.
qint32 tenthsOf(double value, qint32 minimum, qint32 maximum);
// A spin button's tenths as its field shows them, format "0.0".
QString tenthsText(qint32 tenths);

// The three sample lines: the face name directly followed by
// "あア亜いイ井", then "abcdＡＢＣＤ" and "123１２３", each ended by CR.
QString sampleText(const QString &faceName);

// Where grid lines of the given interval in millimetres fall on a picture
// `extent` pixels long: 0, s, 2s, ... up to the extent, with
// s = nearest(interval * 56.7 / twipsPerPixel). An interval that gives no
// positive step draws no lines at all.
std::vector<int> gridLinePositions(int extent, double intervalMillimetres, double twipsPerPixel);

} // namespace porkane
