#include "sheet/ui/TemplatePreview.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>

namespace porkane {

QString circledNumber(int label)
{
    // The circled digits ① to ⑳ are consecutive characters.
    return QString(QChar(char16_t(0x2460 + label - 1)));
}

SheetPicture::SheetPicture(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("sheetPicture"));
}

void SheetPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(0xb0, 0xa0, 0x94));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SheetPicture::mousePressEvent(QMouseEvent *event) { event->accept(); }

LabelRectangle::LabelRectangle(int label, QWidget *parent) : QWidget(parent), label_(label)
{
    setLabel(label);
    setCursor(Qt::SizeAllCursor);
}

void LabelRectangle::setLabel(int label)
{
    label_ = label;
    setObjectName(QStringLiteral("labelRect%1").arg(label));
    update();
}

void LabelRectangle::setCurrent(bool current)
{
    current_ = current;
    update();
}

void LabelRectangle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), fillColour());
    painter.setPen(QColor(0x8a, 0x5a, 0x3c));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont numberFont = font();
    numberFont.setPixelSize(std::clamp(std::min(width(), height()) * 2 / 3, 6, 16));
    painter.setFont(numberFont);
    painter.setPen(QColor(0x5a, 0x36, 0x22));
    painter.drawText(rect(), Qt::AlignCenter, number());
}

DragFrame::DragFrame(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("dragFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void DragFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(QColor(0xc4, 0x57, 0x2c), 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace porkane
