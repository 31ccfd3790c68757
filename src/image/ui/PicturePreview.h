#pragma once

#include <QFrame>
#include <QImage>

class QLabel;
class QScrollBar;

namespace porkane {

// The paste dialog's preview: the picture at one screen pixel per picture
// pixel, in a viewport with a vertical and a horizontal scroll bar of its
// own. A bar is disabled while the picture fits that way, and the picture
// then lies at the top (left); otherwise the bar runs from 0 to the part
// that does not fit, and the picture is shifted by the bar's value.
// "（なし）" stands in the viewport while there is no picture.
class PicturePreview : public QFrame {
    Q_OBJECT
public:
    explicit PicturePreview(QWidget *parent = nullptr);

    // A null picture shows "（なし）".
    void setPicture(const QImage &picture);
    const QImage &picture() const { return picture_; }

    // While picking, the pointer over the picture is the eyedropper.
    void setPicking(bool picking);
    bool isPicking() const { return picking_; }

    QWidget *viewport() const { return viewport_; }
    QWidget *pictureArea() const { return pictureArea_; }
    QScrollBar *verticalBar() const { return verticalBar_; }
    QScrollBar *horizontalBar() const { return horizontalBar_; }
    QLabel *placeholder() const { return placeholder_; }

    QSize sizeHint() const override { return {540, 420}; }
    QSize minimumSizeHint() const override { return {260, 200}; }

signals:
    // The left button went down on this pixel of the picture (top left
    // 0, 0).
    void picturePressed(QPoint pixel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateBars();
    void placePicture();

    QImage picture_;
    bool picking_ = false;
    QWidget *viewport_ = nullptr;
    QWidget *pictureArea_ = nullptr;
    QLabel *placeholder_ = nullptr;
    QScrollBar *verticalBar_ = nullptr;
    QScrollBar *horizontalBar_ = nullptr;
};

} // namespace porkane
