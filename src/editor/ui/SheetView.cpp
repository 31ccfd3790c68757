#include "editor/ui/SheetView.h"

#include <algorithm>
#include <cmath>

#include <QGridLayout>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>

#include "core/Rounding.h"

namespace porkane {

namespace {

// nearest16, held to the scroll bar's range instead of failing.
int nearestUnits(double value) { return int(std::clamp(roundHalfEven(value), 0.0, 32767.0)); }

} // namespace

// --- Picture3 -------------------------------------------------------------------------------

SheetViewPicture::SheetViewPicture(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture3"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void SheetViewPicture::setImageSource(const QImage *view)
{
    image_ = view;
    update();
}

void SheetViewPicture::setMarks(const QImage &marks, const QRectF &target)
{
    marks_ = marks;
    marksTarget_ = target;
    update();
}

void SheetViewPicture::clearMarks()
{
    marks_ = QImage();
    update();
}

void SheetViewPicture::setGuides(std::vector<QLineF> guides)
{
    guides_ = std::move(guides);
    update();
}

void SheetViewPicture::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (image_ && !image_->isNull())
        painter.drawImage(event->rect().topLeft(), *image_, event->rect());
    if (!guides_.empty()) {
        QPen guide(QColor(0x3c, 0x7d, 0xc4));
        guide.setStyle(Qt::DotLine);
        painter.setPen(guide);
        for (const QLineF &line : guides_)
            painter.drawLine(line);
    }
    if (!marks_.isNull())
        painter.drawImage(marksTarget_, marks_);
}

// --- Picture1 and the scroll bars ---------------------------------------------------------------

SheetViewport::SheetViewport(QWidget *parent) : QWidget(parent)
{
    viewport_ = new QWidget(this);
    viewport_->setObjectName(QStringLiteral("Picture1"));
    viewport_->setAutoFillBackground(true);
    QPalette colours = viewport_->palette();
    colours.setColor(QPalette::Window, QColor(0xb9, 0xb1, 0xa9));
    viewport_->setPalette(colours);
    viewport_->installEventFilter(this);
    viewport_->setMinimumSize(200, 160);

    picture_ = new SheetViewPicture(viewport_);

    vertical_ = new QScrollBar(Qt::Vertical, this);
    vertical_->setObjectName(QStringLiteral("VScroll1"));
    horizontal_ = new QScrollBar(Qt::Horizontal, this);
    horizontal_->setObjectName(QStringLiteral("HScroll1"));
    for (QScrollBar *bar : {vertical_, horizontal_}) {
        bar->setRange(0, 0);
        bar->setEnabled(false);
        bar->setFocusPolicy(Qt::NoFocus);
    }
    connect(vertical_, &QScrollBar::valueChanged, this, [this](int value) {
        topTwips_ = qint16(-value * 10);
        placeView();
    });
    connect(horizontal_, &QScrollBar::valueChanged, this, [this](int value) {
        leftTwips_ = qint16(-value * 10);
        placeView();
    });

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(viewport_, 0, 0);
    grid->addWidget(vertical_, 0, 1);
    grid->addWidget(horizontal_, 1, 0);
}

void SheetViewport::setTwipsPerPixel(int x, int y)
{
    twipsPerPixelX_ = std::max(1, x);
    twipsPerPixelY_ = std::max(1, y);
    placeView();
}

void SheetViewport::setViewSize(QSize size)
{
    picture_->resize(size.isEmpty() ? QSize(1, 1) : size);
    UpdateScrollBars();
}

void SheetViewport::UpdateScrollBars()
{
    const auto update = [](QScrollBar *bar, double portTwips, double viewTwips, int &position) {
        if (portTwips < viewTwips) {
            const int maximum = nearestUnits((viewTwips - portTwips) / 10);
            bar->setMaximum(maximum);
            bar->setSingleStep(std::max(1, nearestUnits(maximum / 20.0)));
            bar->setPageStep(std::max(1, nearestUnits(maximum / 5.0)));
            bar->setEnabled(true);
        } else {
            bar->setEnabled(false);
            bar->setValue(0);
            position = 0;
        }
    };
    update(vertical_, double(viewport_->height()) * twipsPerPixelY_, double(picture_->height()) * twipsPerPixelY_,
           topTwips_);
    update(horizontal_, double(viewport_->width()) * twipsPerPixelX_, double(picture_->width()) * twipsPerPixelX_,
           leftTwips_);
    placeView();
}

void SheetViewport::placeView()
{
    picture_->move(int(std::lround(double(leftTwips_) / twipsPerPixelX_)),
                   int(std::lround(double(topTwips_) / twipsPerPixelY_)));
}

bool SheetViewport::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport_ && event->type() == QEvent::Resize)
        UpdateScrollBars();
    return QWidget::eventFilter(watched, event);
}

} // namespace porkane
