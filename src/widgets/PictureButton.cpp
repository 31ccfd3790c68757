#include "widgets/PictureButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace porkane {

namespace {
const QColor CaptionColour(0x5a, 0x36, 0x22);
const QColor DisabledCaptionColour(0x9a, 0x90, 0x88);
const QColor FocusColour(0xd9, 0x6b, 0x2b);
} // namespace

PictureButton::PictureButton(QWidget *parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover, false);
    // Reached with Tab; a click leaves the focus where the user was typing.
    setFocusPolicy(Qt::TabFocus);
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
    updateAccessibleTexts();
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
    return isDown() ? Shown::Pressed : Shown::Normal;
}

QSize PictureButton::sizeHint() const
{
    return {pictureSize_.width(), pictureSize_.height() + (caption_.isEmpty() ? 0 : CaptionHeight)};
}

void PictureButton::updateAccessibleTexts()
{
    // Captions break their words over spaces ("保    存"); a reader wants them whole.
    QString name = caption_.simplified().remove(QLatin1Char(' '));
    if (name.isEmpty())
        name = toolTip();
    setAccessibleName(name);
    setAccessibleDescription(toolTip());
}

bool PictureButton::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTipChange)
        updateAccessibleTexts();
    return QAbstractButton::event(event);
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
        painter.setPen(isEnabled() ? CaptionColour : DisabledCaptionColour);
        const QRect captionArea(0, pictureSize_.height(), width(), height() - pictureSize_.height());
        painter.drawText(captionArea, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
    }
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(FocusColour, 1.5, Qt::DotLine));
        painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(pictureSize_)).adjusted(1, 1, -1, -1), 4, 4);
    }
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    // Anywhere on the button, caption included, shows the pressed picture;
    // where the release happens decides whether it acts.
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setDown(true);
    event->accept();
}

void PictureButton::mouseMoveEvent(QMouseEvent *event)
{
    // The pressed picture stays while the button is held, wherever the pointer goes.
    event->accept();
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace porkane
