#include "widgets/WindowFrame.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>

#include "widgets/Artwork.h"
#include "widgets/PictureButton.h"

namespace porkane {

namespace {
const QSize SkinTileSize(96, 96);
constexpr int WindowButtonGap = 4;

// The caption: picture, program icon and title; dragging it moves the window.
class WindowTitleBar : public QWidget {
public:
    WindowTitleBar(QWidget *window, WindowFrame *frame) : QWidget(window), frame_(frame)
    {
        setObjectName(QStringLiteral("titleBar"));
        QFont titleFont = font();
        titleFont.setPixelSize(13);
        titleFont.setBold(true);
        setFont(titleFont);
    }

    void setTitle(const QString &title)
    {
        title_ = title;
        update();
    }
    QString title() const { return title_; }
    // Room the window buttons take on the right.
    void setButtonsWidth(int width)
    {
        buttonsWidth_ = width;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, artwork::picture(QStringLiteral("titlebar"), size()));
        const int iconSide = height() - 10;
        painter.drawPixmap(10, 5, artwork::picture(QStringLiteral("porkane"), QSize(iconSide, iconSide)));
        const QRect textArea(16 + iconSide, 0, width() - 24 - iconSide - buttonsWidth_, height());
        const QString shown = fontMetrics().elidedText(title_, Qt::ElideRight, textArea.width());
        painter.setPen(QColor(0x8a, 0x3c, 0x1c, 110));
        painter.drawText(textArea.translated(1, 1), Qt::AlignVCenter | Qt::AlignLeft, shown);
        painter.setPen(Qt::white);
        painter.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft, shown);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            frame_->beginMove(event);
    }
    void mouseMoveEvent(QMouseEvent *event) override { frame_->followMove(event); }
    void mouseReleaseEvent(QMouseEvent *) override { frame_->endMove(); }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && frame_->maximiseButton())
            frame_->toggleMaximised();
    }

private:
    WindowFrame *frame_;
    QString title_;
    int buttonsWidth_ = 0;
};

// The grip in the lower-right corner: resizes the window by the pointer's
// movement, except while the window is maximised.
class WindowResizeGrip : public QWidget {
public:
    WindowResizeGrip(QWidget *window, bool widthOnly) : QWidget(window), window_(window), widthOnly_(widthOnly)
    {
        setObjectName(QStringLiteral("resizeGrip"));
        setCursor(widthOnly ? Qt::SizeHorCursor : Qt::SizeFDiagCursor);
        setFixedSize(FrameParts::GripSize, FrameParts::GripSize);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, artwork::picture(QStringLiteral("grip"), size()));
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        resizing_ = true;
        last_ = event->globalPosition().toPoint();
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (!resizing_ || window_->isMaximized() || window_->isFullScreen())
            return;
        const QPoint now = event->globalPosition().toPoint();
        const QPoint moved = now - last_;
        last_ = now;
        window_->resize(window_->width() + moved.x(), widthOnly_ ? window_->height() : window_->height() + moved.y());
    }
    void mouseReleaseEvent(QMouseEvent *) override { resizing_ = false; }

private:
    QWidget *window_;
    bool widthOnly_;
    bool resizing_ = false;
    QPoint last_;
};

} // namespace

WindowFrame::WindowFrame(QWidget *window, Parts parts) : window_(window), parts_(parts)
{
    if (parts & TitleBar) {
        auto *bar = new WindowTitleBar(window, this);
        titleBar_ = bar;
        const auto addButton = [&](const QString &name, const QString &icon, const QString &toolTip) {
            auto *button = new PictureButton(bar);
            button->setObjectName(name);
            button->setPictures(artwork::buttonPictures(icon, artwork::WindowButtonSize, artwork::ButtonShape::Window));
            button->setToolTip(toolTip);
            return button;
        };
        if (parts & MinimiseButton) {
            minimiseButton_ = addButton(QStringLiteral("minimiseButton"), QStringLiteral("window-minimise"),
                                        QCoreApplication::translate("WindowFrame", "最小化"));
            QObject::connect(minimiseButton_, &PictureButton::clicked, window, &QWidget::showMinimized);
        }
        if (parts & MaximiseButton) {
            maximiseButton_ = addButton(QStringLiteral("maximiseButton"), QStringLiteral("window-maximise"),
                                        QCoreApplication::translate("WindowFrame", "最大化"));
            QObject::connect(maximiseButton_, &PictureButton::clicked, window, [this] { toggleMaximised(); });
        }
        if (parts & CloseButton) {
            closeButton_ = addButton(QStringLiteral("closeButton"), QStringLiteral("window-close"),
                                     QCoreApplication::translate("WindowFrame", "閉じる"));
            QObject::connect(closeButton_, &PictureButton::clicked, window, &QWidget::close);
        }
        window->setContentsMargins(10, TitleBarHeight + 6, 10, 10);
    } else {
        window->setContentsMargins(10, 10, 10, 10);
    }
    if (parts & ResizeGrip)
        grip_ = new WindowResizeGrip(window, parts.testFlag(WidthOnlyGrip));
}

void WindowFrame::setTitle(const QString &title)
{
    window_->setWindowTitle(title);
    if (auto *bar = static_cast<WindowTitleBar *>(titleBar_))
        bar->setTitle(title);
}

void WindowFrame::toggleMaximised()
{
    if (window_->isMaximized())
        window_->showNormal();
    else
        window_->showMaximized();
}

QRegion WindowFrame::roundedRegion(QSize size)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), CornerDiameter / 2.0, CornerDiameter / 2.0);
    return QRegion(path.toFillPolygon().toPolygon(), Qt::WindingFill);
}

void WindowFrame::paintSkin(QPainter &painter, const QWidget *window)
{
    const QRect area = window->rect();
    painter.drawTiledPixmap(area, artwork::picture(QStringLiteral("skin-tile"), SkinTileSize));
    // A thin rim along the rounded edge, so the shape reads on any desktop.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xd9, 0x8c, 0x5f), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(area).adjusted(0.75, 0.75, -0.75, -0.75), CornerDiameter / 2.0 - 0.5,
                            CornerDiameter / 2.0 - 0.5);
    painter.restore();
}

void WindowFrame::placeParts()
{
    if (titleBar_) {
        titleBar_->setGeometry(0, 0, window_->width(), TitleBarHeight);
        int right = window_->width() - 10;
        for (PictureButton *button : {closeButton_, maximiseButton_, minimiseButton_}) {
            if (!button)
                continue;
            right -= button->width();
            button->move(right, (TitleBarHeight - button->height()) / 2);
            right -= WindowButtonGap;
        }
        static_cast<WindowTitleBar *>(titleBar_)->setButtonsWidth(window_->width() - right);
        titleBar_->raise();
    }
    if (grip_) {
        grip_->move(window_->width() - GripSize - 3, window_->height() - GripSize - 3);
        grip_->setVisible(!window_->isMaximized() && !window_->isFullScreen());
        grip_->raise();
    }
}

void WindowFrame::windowResized()
{
    placeParts();
    window_->setMask(roundedRegion(window_->size()));
}

void WindowFrame::updateMaximiseButton()
{
    if (!maximiseButton_)
        return;
    const bool maximised = window_->isMaximized();
    maximiseButton_->setPictures(artwork::buttonPictures(
        maximised ? QStringLiteral("window-restore") : QStringLiteral("window-maximise"), artwork::WindowButtonSize,
        artwork::ButtonShape::Window));
    maximiseButton_->setToolTip(maximised ? QCoreApplication::translate("WindowFrame", "元のサイズに戻す")
                                          : QCoreApplication::translate("WindowFrame", "最大化"));
}

void WindowFrame::windowStateChanged()
{
    updateMaximiseButton();
    placeParts();
}

void WindowFrame::beginMove(QMouseEvent *event)
{
    if (window_->isMaximized())
        return;
    QWindow *handle = window_->window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    movingByHand_ = true;
    moveGrabOffset_ = event->globalPosition().toPoint() - window_->pos();
}

void WindowFrame::followMove(QMouseEvent *event)
{
    if (movingByHand_)
        window_->move(event->globalPosition().toPoint() - moveGrabOffset_);
}

void WindowFrame::endMove() { movingByHand_ = false; }

} // namespace porkane
