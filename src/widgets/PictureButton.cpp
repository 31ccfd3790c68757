#include "widgets/PictureButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace porkane {

PictureButton::PictureButton(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_Hover, false);
    QFont captionFont = font();
    captionFont.setPixelSize(11);
    setFont(captionFont);
}

void PictureButton::setPictures(const Pictures &pictures)
{
    pictures_ = pictures;
    if (!pictures.normal.isNull())
        pictureSize_ = pictures.normal.deviceIndependentSize().toSize();
    updateGeometry();
    resize(sizeHint());
    update();
}

void PictureButton::setCaption(const QString &caption)
{
    caption_ = caption;
    updateGeometry();
    resize(sizeHint());
    update();
}

void PictureButton::setActingBounds(int maxX, int maxY)
{
    maxX_ = maxX;
    maxY_ = maxY;
}

bool PictureButton::actsAt(QPoint position) const
{
    const int maxX = maxX_ >= 0 ? maxX_ : pictureSize_.width() - 1;
    const int maxY = maxY_ >= 0 ? maxY_ : pictureSize_.height() - 1;
    return position.x() >= 0 && position.x() <= maxX && position.y() >= 0 && position.y() <= maxY;
}

PictureButton::Shown PictureButton::shown() const
{
    if (!isEnabled())
        return Shown::Disabled;
    return pressed_ ? Shown::Pressed : Shown::Normal;
}

QSize PictureButton::sizeHint() const
{
    return {pictureSize_.width(), pictureSize_.height() + (caption_.isEmpty() ? 0 : CaptionHeight)};
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap *picture = &pictures_.normal;
    switch (shown()) {
    case Shown::Pressed:
        picture = &pictures_.pressed;
        break;
    case Shown::Disabled:
        if (!pictures_.disabled.isNull())
            picture = &pictures_.disabled;
        break;
    case Shown::Normal:
        break;
    }
    painter.drawPixmap(QPoint(0, 0), *picture);

    if (!caption_.isEmpty()) {
        painter.setPen(isEnabled() ? QColor(0x5a, 0x36, 0x22) : QColor(0x9a, 0x90, 0x88));
        const QRect captionArea(0, pictureSize_.height(), width(), height() - pictureSize_.height());
        painter.drawText(captionArea, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
    }
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed_ = true;
    update();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !pressed_) {
        event->ignore();
        return;
    }
    pressed_ = false;
    update();
    if (actsAt(event->position().toPoint()))
        emit clicked();
}

void PictureButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            pressed_ = false;
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace porkane
