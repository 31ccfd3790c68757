#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace porkane {

// The one button of the program: a picture with normal, pressed and
// disabled states and an optional caption under it. It shows the pressed
// picture while the left button is held and acts only when the left button
// is released inside its acting bounds, so a press can be cancelled by
// moving off the button. Releases on the caption do nothing.
//
// It is a real button: Tab reaches it (a click does not take the focus from
// the field being typed in), Space or Enter presses it, and a screen reader
// reads its caption (or its tooltip, when it has no caption) as its name.
class PictureButton : public QAbstractButton {
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

protected:
    bool hitButton(const QPoint &position) const override { return actsAt(position); }
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void updateAccessibleTexts();

    Pictures pictures_;
    QSize pictureSize_{75, 35};
    QString caption_;
    int maxX_ = -1; // -1: the picture area
    int maxY_ = -1;
};

} // namespace porkane
