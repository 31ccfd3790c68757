#pragma once

// Small controls of the editor window's panels: colour swatches, the bare
// up-down spinner, the 21 x 21 format buttons, and number fields that
// select their text when entered.

#include <QFrame>
#include <QString>

#include "widgets/ColourSwatch.h"
#include "widgets/PictureButton.h"
#include "core/Colour.h"

class QDoubleSpinBox;
class QSpinBox;
class QToolButton;

namespace porkane {

// The editor's colour swatches: the shared swatch at the editor's size.
ColourSwatch *newSwatch(QWidget *parent);

// An up-down spinner without a field of its own: two arrow buttons that
// step an integer value within its bounds. pressed() comes before the
// step, so the owner may change the step for this click.
class EditorUpDown : public QWidget {
    Q_OBJECT
public:
    enum Direction { Down = -1, Up = 1 };

    explicit EditorUpDown(QWidget *parent = nullptr);

    int value() const { return value_; }
    void setValue(int value);
    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int singleStep() const { return step_; }
    void setSingleStep(int step) { step_ = step; }

    // What a click on the upper or lower arrow does.
    void step(Direction direction);

    QToolButton *upButton() const { return up_; }
    QToolButton *downButton() const { return down_; }

signals:
    void pressed(porkane::EditorUpDown::Direction direction);
    void stepped(porkane::EditorUpDown::Direction direction);
    void valueChanged(int value);

private:
    QToolButton *up_ = nullptr;
    QToolButton *down_ = nullptr;
    int value_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
    int step_ = 1;
};

// The 21 x 21 format buttons: acting on release within 0 to 20 on both
// axes. A toggle shows its pressed picture while it is on.
class PanelButton : public PictureButton {
    Q_OBJECT
public:
    static constexpr int Side = 21;

    PanelButton(const QString &icon, const QString &toolTip, QWidget *parent = nullptr);

    bool isOn() const { return on_; }
    void setOn(bool on);

private:
    QString icon_;
    bool on_ = false;
};

// A number field of the panels: an integer spinner within its bounds.
QSpinBox *makeNumberField(QWidget *parent, const QString &name, int minimum, int maximum, int step);
// A field shown with one decimal ("0.0"); its spinner steps by 0.1 within
// -10.0 and 10.0.
QDoubleSpinBox *makeDecimalField(QWidget *parent, const QString &name);
// Entering the field selects its whole text, so typing replaces it.
void selectAllOnEntry(QWidget *field);

} // namespace porkane
