#pragma once

#include <QPoint>
#include <QRegion>
#include <QString>

class QMouseEvent;
class QPainter;
class QWidget;

namespace porkane {

class PictureButton;

// The parts a skinned window is made with.
struct FrameParts {
    enum Part {
        TitleBar = 0x1,
        MinimiseButton = 0x2,
        MaximiseButton = 0x4,
        CloseButton = 0x8,
        ResizeGrip = 0x10,
        WidthOnlyGrip = 0x20, // the grip changes the width alone
    };
    Q_DECLARE_FLAGS(Parts, Part)

    static constexpr int TitleBarHeight = 28;
    static constexpr int CornerDiameter = 20;
    static constexpr int GripSize = 16;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(FrameParts::Parts)

// The frame's parts and behaviour for one top-level widget: the title bar
// with its buttons, the grip, the skin, the rounded mask and moving by drag.
// The window forwards its paint, resize, state and mouse events to it.
class WindowFrame : public FrameParts {
public:
    WindowFrame(QWidget *window, Parts parts);

    void setTitle(const QString &title);
    QWidget *titleBar() const { return titleBar_; }
    PictureButton *minimiseButton() const { return minimiseButton_; }
    PictureButton *maximiseButton() const { return maximiseButton_; }
    PictureButton *closeButton() const { return closeButton_; }
    QWidget *resizeGrip() const { return grip_; }

    void toggleMaximised();

    // The skin and its rim over `window`'s whole area; also for panels that
    // are not windows but look like one.
    static void paintSkin(QPainter &painter, const QWidget *window);
    // The rounded shape of a window of the given size.
    static QRegion roundedRegion(QSize size);

    void windowResized();
    void windowStateChanged();
    // Starts moving the window with the pointer; where the platform cannot
    // move it, the move follows the pointer events instead.
    void beginMove(QMouseEvent *event);
    void followMove(QMouseEvent *event);
    void endMove();

private:
    void placeParts();
    void updateMaximiseButton();

    QWidget *window_;
    Parts parts_;
    QWidget *titleBar_ = nullptr;
    PictureButton *minimiseButton_ = nullptr;
    PictureButton *maximiseButton_ = nullptr;
    PictureButton *closeButton_ = nullptr;
    QWidget *grip_ = nullptr;
    bool movingByHand_ = false;
    QPoint moveGrabOffset_;
};

} // namespace porkane
