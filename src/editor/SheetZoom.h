#pragma once

// The zoom of the sheet view: the factor the "表示倍率：" field shows and
// the percent its up-down spinner holds.

#include <QString>

namespace porkane {

class SheetZoom {
public:
    static constexpr int MinPercent = 10;
    static constexpr int MaxPercent = 300;
    static constexpr int LargeStep = 50;
    static constexpr int SmallStep = 20;

    double factor() const { return factor_; }

    // Text typed into the field: a positive number becomes the zoom, held to
    // 0.1 to 3. Anything else leaves the zoom as it was and gives false.
    bool setText(const QString &text);
    // The spinner's percent becomes the zoom.
    void setPercent(int percent);

    // What the field shows ("1", "1.5").
    QString text() const;
    // The spinner's value: the zoom in percent, rounded halves to even.
    int percent() const;

    // The spinner's step for a click: from 100 % and below, the lower
    // arrow steps by 20 (so 100 goes to 80, not 50); otherwise the step the
    // last click left.
    static int stepForClick(bool down, int percent, int currentStep);
    // The step a click leaves: 50 from 100 % up, 20 below.
    static int stepAfterClick(int percent);

private:
    double factor_ = 1.0;
};

} // namespace porkane
