#pragma once

// The scale parameters of one drawing target. The label canvases and the
// format sample use the screen's values; the print job passes its printer's,
// so nothing in the text renderer assumes the screen.

namespace porkane {

struct TextScale {
    // Twips per device pixel (tX, tY).
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    // Font heights and widths of the records are screen font units; a
    // printer multiplies them into its own pixels before rounding.
    double fontHeightFactor = 1;
    double fontWidthFactor = 1;
    // The line-alignment offset (slot 12) is held in screen pixels.
    double lineAlignmentFactor = 1;
    // Added to every character's escapement, in tenths of a degree.
    int extraEscapement = 0;
    // How far the outline copies lie from the face, in device pixels.
    int outlineStepX = 1;
    int outlineStepY = 1;
    // 1 lays text out rightward and downward from its origin; -1 subtracts
    // every advance and offset instead (a label printed turned by 180
    // degrees, together with an extra escapement of 1800).
    int direction = 1;

    static TextScale screen(int twipsPerPixelX, int twipsPerPixelY)
    {
        TextScale scale;
        scale.twipsPerPixelX = twipsPerPixelX;
        scale.twipsPerPixelY = twipsPerPixelY;
        return scale;
    }
};

} // namespace porkane
