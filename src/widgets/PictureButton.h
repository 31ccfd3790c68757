#pragma once

#include <QPixmap>
#include <QWidget>

namespace porkane {

// The one button of the program: a picture with normal, pressed and
// disabled states and an optional caption under it. It shows the pressed
// picture while the left button is held and acts only when the left button
// is released inside its acting bounds, so a press can be cancelled by
// moving off the button. Clicks on the caption do nothing.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    struct Pictures {
        QPixmap normal;
        QPixmap pressed;
        QPixmap disabled;
    };
    enum class Shown { Normal, Pressed, Disabled };

    static constexpr int CaptionHeight = 16;

    explicit PictureButton(QWidget *parent = nullptr);

    // The picture's logical size becomes the button's picture area.
    void setPictures(const Pictures &pictures);
    void setCaption(const QString &caption);
    QString caption() const { return caption_; }

    // The button acts when released at 0 <= x <= maxX and 0 <= y <= maxY of
    // its own coordinates. By default that is its picture area.
    void setActingBounds(int maxX, int maxY);
    bool actsAt(QPoint position) const;

    QSize pictureSize() const { return pictureSize_; }
    Shown shown() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Pictures pictures_;
    QSize pictureSize_{75, 35};
    QString caption_;
    int maxX_ = -1; // -1: the picture area
    int maxY_ = -1;
    bool pressed_ = false;
};

} // namespace porkane
