#include "widgets/SkinnedWindow.h"

#include <QMouseEvent>
#include <QPainter>

namespace porkane {

template <typename Base>
Skinned<Base>::Skinned(Parts parts, QWidget *parent)
    : Base(parent, (std::is_same_v<Base, QDialog> ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint),
      frame_(this, parts)
{
}

template <typename Base>
void Skinned<Base>::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    WindowFrame::paintSkin(painter, this);
}

template <typename Base>
void Skinned<Base>::resizeEvent(QResizeEvent *event)
{
    Base::resizeEvent(event);
    frame_.windowResized();
}

template <typename Base>
void Skinned<Base>::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        frame_.windowStateChanged();
    Base::changeEvent(event);
}

template <typename Base>
void Skinned<Base>::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        frame_.beginMove(event);
    else
        Base::mousePressEvent(event);
}

template <typename Base>
void Skinned<Base>::mouseMoveEvent(QMouseEvent *event)
{
    frame_.followMove(event);
    Base::mouseMoveEvent(event);
}

template <typename Base>
void Skinned<Base>::mouseReleaseEvent(QMouseEvent *event)
{
    frame_.endMove();
    Base::mouseReleaseEvent(event);
}

template class Skinned<QWidget>;
template class Skinned<QDialog>;

SkinnedWindow::SkinnedWindow(Parts parts, QWidget *parent) : Skinned<QWidget>(parts, parent) {}

SkinnedDialog::SkinnedDialog(Parts parts, QWidget *parent) : Skinned<QDialog>(parts, parent) {}

} // namespace porkane
