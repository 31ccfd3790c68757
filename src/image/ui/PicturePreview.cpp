#include "image/ui/PicturePreview.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "widgets/Artwork.h"

namespace porkane {

namespace {

const QColor ViewportColour(0xe8, 0xdf, 0xd6);

// The eyedropper's tip is its hot spot.
const QString PickPointerName = QStringLiteral("pick-colour-pointer");
constexpr QSize PickPointerSize(24, 24);
constexpr QPoint PickPointerTip(2, 22);

QCursor pickPointer()
{
    const QPixmap picture = artwork::picture(PickPointerName, PickPointerSize);
    // Without its picture the pointer would vanish; the cross picks as well.
    if (!QFile::exists(QStringLiteral(":/porkane/%1.svg").arg(PickPointerName)))
        return QCursor(Qt::CrossCursor);
    return QCursor(picture, PickPointerTip.x(), PickPointerTip.y());
}

// Paints only what is exposed: a photo of several thousand pixels a side
// scrolls without being drawn whole each time.
class PictureArea : public QWidget {
public:
    PictureArea(const QImage &picture, QWidget *parent) : QWidget(parent), picture_(picture)
    {
        setObjectName(QStringLiteral("previewPicture"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        const QRect exposed = event->rect().intersected(picture_.rect());
        if (!exposed.isEmpty())
            painter.drawImage(exposed.topLeft(), picture_, exposed);
    }

private:
    const QImage &picture_;
};

} // namespace

PicturePreview::PicturePreview(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("preview"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);

    viewport_ = new QWidget(this);
    viewport_->setObjectName(QStringLiteral("previewViewport"));
    QPalette colours = viewport_->palette();
    colours.setColor(QPalette::Window, ViewportColour);
    viewport_->setPalette(colours);
    viewport_->setAutoFillBackground(true);
    viewport_->installEventFilter(this);

    pictureArea_ = new PictureArea(picture_, viewport_);
    pictureArea_->installEventFilter(this);
    pictureArea_->hide();

    placeholder_ = new QLabel(tr("（なし）"), viewport_);
    placeholder_->setObjectName(QStringLiteral("noPictureLabel"));
    placeholder_->setAlignment(Qt::AlignCenter);
    QFont placeholderFont = placeholder_->font();
    placeholderFont.setPixelSize(15);
    placeholder_->setFont(placeholderFont);
    placeholder_->setStyleSheet(QStringLiteral("color: #9a8472;"));

    verticalBar_ = new QScrollBar(Qt::Vertical, this);
    verticalBar_->setObjectName(QStringLiteral("verticalBar"));
    horizontalBar_ = new QScrollBar(Qt::Horizontal, this);
    horizontalBar_->setObjectName(QStringLiteral("horizontalBar"));
    for (QScrollBar *bar : {verticalBar_, horizontalBar_}) {
        bar->setSingleStep(16);
        connect(bar, &QScrollBar::valueChanged, this, &PicturePreview::placePicture);
    }

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(1, 1, 1, 1);
    grid->setSpacing(0);
    grid->addWidget(viewport_, 0, 0);
    grid->addWidget(verticalBar_, 0, 1);
    grid->addWidget(horizontalBar_, 1, 0);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(0, 1);

    updateBars();
}

void PicturePreview::setPicture(const QImage &picture)
{
    picture_ = picture;
    pictureArea_->resize(picture_.size());
    pictureArea_->setVisible(!picture_.isNull());
    placeholder_->setVisible(picture_.isNull());
    updateBars();
    pictureArea_->update();
}

void PicturePreview::setPicking(bool picking)
{
    picking_ = picking;
    if (picking)
        pictureArea_->setCursor(pickPointer());
    else
        pictureArea_->unsetCursor();
}

void PicturePreview::updateBars()
{
    const QSize view = viewport_->size();
    const auto fit = [](QScrollBar *bar, int pictureSide, int viewSide) {
        const int overhang = pictureSide - viewSide;
        if (overhang <= 0) {
            bar->setRange(0, 0);
            bar->setEnabled(false);
        } else {
            bar->setRange(0, overhang);
            bar->setPageStep(std::max(1, viewSide));
            bar->setEnabled(true);
        }
    };
    fit(verticalBar_, picture_.height(), view.height());
    fit(horizontalBar_, picture_.width(), view.width());
    placePicture();
}

void PicturePreview::placePicture()
{
    pictureArea_->move(-horizontalBar_->value(), -verticalBar_->value());
}

bool PicturePreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport_) {
        if (event->type() == QEvent::Resize) {
            placeholder_->setGeometry(viewport_->rect());
            updateBars();
        } else if (event->type() == QEvent::Wheel) {
            auto *wheel = static_cast<QWheelEvent *>(event);
            const bool sideways =
                wheel->angleDelta().x() != 0 || wheel->modifiers().testFlag(Qt::ShiftModifier);
            QScrollBar *bar = sideways ? horizontalBar_ : verticalBar_;
            if (bar->isEnabled())
                QCoreApplication::sendEvent(bar, event);
            return true;
        }
    } else if (watched == pictureArea_ && event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::LeftButton) {
            // The pixel under the pointer, whatever the screen's scaling.
            const QPointF at = press->position();
            emit picturePressed(QPoint(int(std::floor(at.x())), int(std::floor(at.y()))));
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace porkane
