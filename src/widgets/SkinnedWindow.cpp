#include "widgets/SkinnedWindow.h"

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
} // namespace

// The caption: picture, program icon and title; dragging it moves the window.
class WindowTitleBar : public QWidget {
public:
    explicit WindowTitleBar(SkinnedWindow *window) : QWidget(window), window_(window)
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
            window_->beginMove(event);
    }
    void mouseMoveEvent(QMouseEvent *event) override { window_->followMove(event); }
    void mouseReleaseEvent(QMouseEvent *) override { window_->endMove(); }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && window_->maximiseButton())
            window_->toggleMaximised();
    }

private:
    SkinnedWindow *window_;
    QString title_;
    int buttonsWidth_ = 0;
};

// The grip in the lower-right corner: resizes the window by the pointer's
// movement, except while the window is maximised.
class WindowResizeGrip : public QWidget {
public:
    WindowResizeGrip(SkinnedWindow *window, bool widthOnly) : QWidget(window), window_(window), widthOnly_(widthOnly)
    {
        setObjectName(QStringLiteral("resizeGrip"));
        setCursor(widthOnly ? Qt::SizeHorCursor : Qt::SizeFDiagCursor);
        setFixedSize(SkinnedWindow::GripSize, SkinnedWindow::GripSize);
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
    SkinnedWindow *window_;
    bool widthOnly_;
    bool resizing_ = false;
    QPoint last_;
};

SkinnedWindow::SkinnedWindow(Parts parts, QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), parts_(parts)
{
    if (parts & TitleBar) {
        auto *bar = new WindowTitleBar(this);
        titleBar_ = bar;
        const auto addButton = [&](const QString &name, const QString &icon) {
            auto *button = new PictureButton(bar);
            button->setObjectName(name);
            button->setPictures(artwork::buttonPictures(icon, artwork::WindowButtonSize, artwork::ButtonShape::Window));
            return button;
        };
        if (parts & MinimiseButton) {
            minimiseButton_ = addButton(QStringLiteral("minimiseButton"), QStringLiteral("window-minimise"));
            minimiseButton_->setToolTip(QStringLiteral("最小化"));
            connect(minimiseButton_, &PictureButton::clicked, this, &QWidget::showMinimized);
        }
        if (parts & MaximiseButton) {
            maximiseButton_ = addButton(QStringLiteral("maximiseButton"), QStringLiteral("window-maximise"));
            maximiseButton_->setToolTip(QStringLiteral("最大化"));
            connect(maximiseButton_, &PictureButton::clicked, this, &SkinnedWindow::toggleMaximised);
        }
        if (parts & CloseButton) {
            closeButton_ = addButton(QStringLiteral("closeButton"), QStringLiteral("window-close"));
            closeButton_->setToolTip(QStringLiteral("閉じる"));
            connect(closeButton_, &PictureButton::clicked, this, &QWidget::close);
        }
        setContentsMargins(10, TitleBarHeight + 6, 10, 10);
    } else {
        setContentsMargins(10, 10, 10, 10);
    }
    if (parts & ResizeGrip)
        grip_ = new WindowResizeGrip(this, parts.testFlag(WidthOnlyGrip));
}

void SkinnedWindow::setTitle(const QString &title)
{
    setWindowTitle(title);
    if (auto *bar = static_cast<WindowTitleBar *>(titleBar_))
        bar->setTitle(title);
}

void SkinnedWindow::toggleMaximised()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

QRegion SkinnedWindow::roundedRegion(QSize size)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), CornerDiameter / 2.0, CornerDiameter / 2.0);
    return QRegion(path.toFillPolygon().toPolygon(), Qt::WindingFill);
}

void SkinnedWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), artwork::picture(QStringLiteral("skin-tile"), SkinTileSize));
    // A thin rim along the rounded edge, so the shape reads on any desktop.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xd9, 0x8c, 0x5f), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), CornerDiameter / 2.0 - 0.5,
                            CornerDiameter / 2.0 - 0.5);
}

void SkinnedWindow::placeFrameParts()
{
    if (titleBar_) {
        titleBar_->setGeometry(0, 0, width(), TitleBarHeight);
        int right = width() - 10;
        for (PictureButton *button : {closeButton_, maximiseButton_, minimiseButton_}) {
            if (!button)
                continue;
            right -= button->width();
            button->move(right, (TitleBarHeight - button->height()) / 2);
            right -= WindowButtonGap;
        }
        static_cast<WindowTitleBar *>(titleBar_)->setButtonsWidth(width() - right);
        titleBar_->raise();
    }
    if (grip_) {
        grip_->move(width() - GripSize - 3, height() - GripSize - 3);
        grip_->setVisible(!isMaximized() && !isFullScreen());
        grip_->raise();
    }
}

void SkinnedWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeFrameParts();
    setMask(roundedRegion(size()));
}

void SkinnedWindow::updateMaximiseButton()
{
    if (!maximiseButton_)
        return;
    const bool maximised = isMaximized();
    maximiseButton_->setPictures(artwork::buttonPictures(
        maximised ? QStringLiteral("window-restore") : QStringLiteral("window-maximise"), artwork::WindowButtonSize,
        artwork::ButtonShape::Window));
    maximiseButton_->setToolTip(maximised ? QStringLiteral("元のサイズに戻す") : QStringLiteral("最大化"));
}

void SkinnedWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange) {
        updateMaximiseButton();
        placeFrameParts();
    }
    QWidget::changeEvent(event);
}

void SkinnedWindow::beginMove(QMouseEvent *event)
{
    if (isMaximized())
        return;
    QWindow *handle = window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    movingByHand_ = true;
    moveGrabOffset_ = event->globalPosition().toPoint() - pos();
}

void SkinnedWindow::followMove(QMouseEvent *event)
{
    if (movingByHand_)
        move(event->globalPosition().toPoint() - moveGrabOffset_);
}

void SkinnedWindow::endMove() { movingByHand_ = false; }

void SkinnedWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        beginMove(event);
    else
        QWidget::mousePressEvent(event);
}

void SkinnedWindow::mouseMoveEvent(QMouseEvent *event)
{
    followMove(event);
    QWidget::mouseMoveEvent(event);
}

void SkinnedWindow::mouseReleaseEvent(QMouseEvent *event)
{
    endMove();
    QWidget::mouseReleaseEvent(event);
}

} // namespace porkane
