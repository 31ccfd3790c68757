#include "sheet/ui/TemplatePreview.h"

#include <algorithm>

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

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

TemplatePreview::TemplatePreview(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("preview"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMinimumSize(300, 300);
    QPalette viewportColours = viewport()->palette();
    viewportColours.setColor(QPalette::Window, QColor(0xe8, 0xdf, 0xd6));
    viewport()->setPalette(viewportColours);
    viewport()->setAutoFillBackground(true);
    sheet_ = new SheetPicture;
    setWidget(sheet_);
    dragFrame_ = new DragFrame(sheet_);

    dragInfo_ = new QFrame(viewport());
    dragInfo_->setObjectName(QStringLiteral("dragInfo"));
    dragInfo_->setStyleSheet(QStringLiteral(
        "#dragInfo { background: #fffbe8; border: 1px solid #c4572c; border-radius: 3px; }"
        "#dragInfo QLabel { background: transparent; }"));
    auto *infoLayout = new QVBoxLayout(dragInfo_);
    infoLayout->setContentsMargins(6, 3, 6, 3);
    infoLayout->setSpacing(1);
    dragInfoLeft_ = new QLabel(dragInfo_);
    dragInfoLeft_->setObjectName(QStringLiteral("dragInfoLeft"));
    dragInfoTop_ = new QLabel(dragInfo_);
    dragInfoTop_->setObjectName(QStringLiteral("dragInfoTop"));
    infoLayout->addWidget(dragInfoLeft_);
    infoLayout->addWidget(dragInfoTop_);
    dragInfo_->hide();
}

void TemplatePreview::setSheetSize(QSize pixels) { sheet_->resize(pixels); }

LabelRectangle *TemplatePreview::rectangle(int label) const
{
    if (label < 1 || label > int(rectangles_.size()))
        return nullptr;
    return rectangles_[std::size_t(label - 1)];
}

void TemplatePreview::addRectangle(int label, QRect place)
{
    auto *added = new LabelRectangle(label, sheet_);
    added->installEventFilter(this);
    rectangles_.push_back(added);
    added->setGeometry(place);
    added->show();
    dragFrame_->raise();
}

void TemplatePreview::placeRectangle(int label, QRect place)
{
    if (LabelRectangle *placed = rectangle(label))
        placed->setGeometry(place);
}

void TemplatePreview::removeRectangle(int label)
{
    if (!rectangle(label))
        return;
    delete rectangles_[std::size_t(label - 1)];
    rectangles_.erase(rectangles_.begin() + (label - 1));
    for (std::size_t index = 0; index < rectangles_.size(); ++index)
        rectangles_[index]->setLabel(int(index) + 1);
}

void TemplatePreview::removeAllRectangles()
{
    for (LabelRectangle *removed : rectangles_)
        delete removed;
    rectangles_.clear();
}

void TemplatePreview::setCurrent(int label)
{
    for (LabelRectangle *each : rectangles_)
        each->setCurrent(each->label() == label);
}

void TemplatePreview::showDragFrame(int label, QPoint moved)
{
    const LabelRectangle *dragged = rectangle(label);
    if (!dragged)
        return;
    dragFrame_->setGeometry(dragged->geometry().translated(moved));
    dragFrame_->show();
    dragFrame_->raise();
}

void TemplatePreview::showDragInfo(const QString &leftLine, const QString &topLine)
{
    dragInfoLeft_->setText(leftLine);
    dragInfoTop_->setText(topLine);
    dragInfo_->adjustSize();
    const QPoint corner = dragFrame_->mapTo(viewport(), QPoint(dragFrame_->width() + 6, 0));
    const QRect area = viewport()->rect();
    dragInfo_->move(std::clamp(corner.x(), 0, std::max(0, area.width() - dragInfo_->width())),
                    std::clamp(corner.y(), 0, std::max(0, area.height() - dragInfo_->height())));
    dragInfo_->show();
    dragInfo_->raise();
}

void TemplatePreview::hideDrag()
{
    dragFrame_->hide();
    dragInfo_->hide();
}

bool TemplatePreview::eventFilter(QObject *watched, QEvent *event)
{
    auto *pointed = qobject_cast<LabelRectangle *>(watched);
    if (!pointed)
        return QScrollArea::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            emit rectanglePressed(pointed->label(), mouse->position());
        return true;
    }
    case QEvent::MouseMove:
        emit rectangleMoved(pointed->label(), static_cast<QMouseEvent *>(event)->position());
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            emit rectangleReleased(pointed->label());
        return true;
    default:
        return QScrollArea::eventFilter(watched, event);
    }
}

} // namespace porkane
