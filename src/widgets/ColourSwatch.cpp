#include "widgets/ColourSwatch.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace porkane {

ColourSwatch::ColourSwatch(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void ColourSwatch::setColour(RgbValue colour)
{
    colour_ = colour & 0xFFFFFF;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath outline;
    outline.addRoundedRect(frame, 4, 4);

    QColor fill = toQColor(colour_);
    if (!isEnabled()) {
        fill = QColor((fill.red() + 2 * 0xee) / 3, (fill.green() + 2 * 0xe8) / 3, (fill.blue() + 2 * 0xe2) / 3);
    }
    painter.fillPath(outline, fill);
    if (!isEnabled()) {
        painter.save();
        painter.setClipPath(outline);
        painter.fillPath(outline, QBrush(QColor(0xc9, 0xbe, 0xb4), Qt::BDiagPattern));
        painter.restore();
    }
    // A white inner rim keeps dark and light colours apart from the border.
    painter.setPen(QPen(QColor(255, 255, 255, 170), 1));
    painter.drawRoundedRect(frame.adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    const QColor border = !isEnabled() ? QColor(0xc9, 0xbe, 0xb4)
                          : pressed_   ? QColor(0xc4, 0x57, 0x2c)
                                       : QColor(0x8a, 0x6a, 0x55);
    painter.setPen(QPen(border, pressed_ ? 2 : 1));
    painter.drawPath(outline);
}

void ColourSwatch::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        update();
    }
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ColourSwatch::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        pressed_ = false;
    QWidget::changeEvent(event);
    update();
}

} // namespace porkane
