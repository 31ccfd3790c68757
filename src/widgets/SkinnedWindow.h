#pragma once

#include <QDialog>
#include <QWidget>

#include "widgets/WindowFrame.h"

namespace porkane {

// The frame every window of the program shares: no platform caption or
// border, rounded corners, a background tiled from the skin picture, and its
// own title bar with minimise, maximise and close buttons and a resize grip.
// The window moves when dragged by its title bar or its background.
//
// Subclasses lay out their controls inside contentsMargins(), which leave
// room for the title bar; the title bar and the grip are placed by the frame
// and stay on top. Skinned<QWidget> is a window, Skinned<QDialog> a dialog
// with Qt's own modality, exec() and Escape.
template <typename Base>
class Skinned : public Base, public FrameParts {
public:
    explicit Skinned(Parts parts, QWidget *parent = nullptr);

    void setTitle(const QString &title) { frame_.setTitle(title); }

    // Null for the parts the window was made without.
    QWidget *titleBar() const { return frame_.titleBar(); }
    PictureButton *minimiseButton() const { return frame_.minimiseButton(); }
    PictureButton *maximiseButton() const { return frame_.maximiseButton(); }
    PictureButton *closeButton() const { return frame_.closeButton(); }
    QWidget *resizeGrip() const { return frame_.resizeGrip(); }

    void toggleMaximised() { frame_.toggleMaximised(); }

    static QRegion roundedRegion(QSize size) { return WindowFrame::roundedRegion(size); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    WindowFrame frame_;
};

extern template class Skinned<QWidget>;
extern template class Skinned<QDialog>;

class SkinnedWindow : public Skinned<QWidget> {
    Q_OBJECT
public:
    explicit SkinnedWindow(Parts parts, QWidget *parent = nullptr);
};

// A dialog in the program's frame. The close button and Escape reject it.
class SkinnedDialog : public Skinned<QDialog> {
    Q_OBJECT
public:
    explicit SkinnedDialog(Parts parts, QWidget *parent = nullptr);
};

} // namespace porkane
