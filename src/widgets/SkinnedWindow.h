#pragma once

#include <QPointer>
#include <QWidget>

namespace porkane {

class PictureButton;

// The frame every window of the program shares: no platform caption or
// border, rounded corners, a background tiled from the skin picture, and its
// own title bar with minimise, maximise and close buttons and a resize grip.
// The window moves when dragged by its title bar or its background.
//
// Subclasses lay out their controls inside contentsMargins(), which leave
// room for the title bar; the title bar and the grip are placed by this
// class and stay on top.
class SkinnedWindow : public QWidget {
    Q_OBJECT
public:
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

    explicit SkinnedWindow(Parts parts, QWidget *parent = nullptr);

    void setTitle(const QString &title);

    // Null for the parts the window was made without.
    QWidget *titleBar() const { return titleBar_; }
    PictureButton *minimiseButton() const { return minimiseButton_; }
    PictureButton *maximiseButton() const { return maximiseButton_; }
    PictureButton *closeButton() const { return closeButton_; }
    QWidget *resizeGrip() const { return grip_; }

    void toggleMaximised();

    // The rounded shape of a window of the given size.
    static QRegion roundedRegion(QSize size);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    friend class WindowTitleBar;
    friend class WindowResizeGrip;

    void placeFrameParts();
    void updateMaximiseButton();
    // Starts moving the window with the pointer; where the platform cannot
    // move it, the move follows the pointer events instead.
    void beginMove(QMouseEvent *event);
    void followMove(QMouseEvent *event);
    void endMove();

    Parts parts_;
    QWidget *titleBar_ = nullptr;
    PictureButton *minimiseButton_ = nullptr;
    PictureButton *maximiseButton_ = nullptr;
    PictureButton *closeButton_ = nullptr;
    QWidget *grip_ = nullptr;
    bool movingByHand_ = false;
    QPoint moveGrabOffset_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SkinnedWindow::Parts)

} // namespace porkane
