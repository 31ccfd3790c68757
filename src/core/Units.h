#pragma once

// Lengths cross four units: millimetres (what the user sees), twips (window
// coordinates, 56.7 per millimetre), screen pixels and printer pixels (twips
// divided by the device's twips per pixel). Each value type carries its unit,
// so a conversion is always one of the named functions below.

#include <QtGlobal>

namespace porkane {

inline constexpr double TwipsPerMillimetre = 56.7;
inline constexpr double TwipsPerInch = 1440.0;

struct Millimetres {
    double value = 0;
};

struct Twips {
    double value = 0;
};

// Pixels of a device whose twips-per-pixel is known (screen or printer).
struct Pixels {
    double value = 0;
};

constexpr Twips toTwips(Millimetres mm) { return {mm.value * TwipsPerMillimetre}; }
constexpr Millimetres toMillimetres(Twips twips) { return {twips.value / TwipsPerMillimetre}; }
constexpr Pixels toPixels(Twips twips, int twipsPerPixel) { return {twips.value / twipsPerPixel}; }
constexpr Twips toTwips(Pixels pixels, int twipsPerPixel) { return {pixels.value * twipsPerPixel}; }
constexpr Pixels toPixels(Millimetres mm, int twipsPerPixel) { return toPixels(toTwips(mm), twipsPerPixel); }

// Twips per pixel of a device with the given resolution, truncated as the
// screen measurement is (96 dpi gives 15).
constexpr qint16 twipsPerPixelForDpi(double dotsPerInch)
{
    return static_cast<qint16>(TwipsPerInch / dotsPerInch);
}

// A font height in font units becomes a line height of h / 72 * 1000 twips'
// worth of pixels.
constexpr Pixels fontHeightToPixels(double fontHeight, int twipsPerPixel)
{
    return {fontHeight / 72.0 * 1000.0 / twipsPerPixel};
}

} // namespace porkane
