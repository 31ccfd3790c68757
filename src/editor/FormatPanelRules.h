#pragma once

// What the controls of the editor's format panels ("入力書式" and
// "書式変更") do with their values, apart from the widgets showing them.

#include <QtGlobal>

namespace porkane {

// The effect boxes "影文字", "３Ｄ文字" and "文字輪郭付き".
struct EffectBoxes {
    enum Box { Shadow, ThreeD, Outline };

    bool shadow = false;
    bool threeD = false;
    bool outline = false;

    // The boxes after the user sets `box` to `on`: the shadow and the
    // three-dimensional text exclude each other, the outline goes with
    // either.
    EffectBoxes clicked(Box box, bool on) const;
    // The effect colours and shifts matter while any box is ticked.
    bool anyTicked() const { return shadow || threeD || outline; }
    // The effect code typed characters take (slot 14).
    qint16 effectCode() const;
    static EffectBoxes of(qint16 effectCode);

    bool operator==(const EffectBoxes &) const = default;
};

// One click of the spinner beside width and height, for one of the two
// fields: up adds 1 below the field's maximum, down takes 1 away but never
// below 1.
int sizeStepped(int value, bool up, int maximum);

// A number of the input format as an integer field shows it: rounded
// halves to even and held to the field's range (a value that is no number
// shows the minimum).
int fieldNumber(double value, int minimum, int maximum);

} // namespace porkane
