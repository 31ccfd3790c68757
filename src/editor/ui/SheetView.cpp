#include "editor/ui/SheetView.h"

#include <algorithm>

#include <QGridLayout>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>

#include "core/Units.h"
#include "editor/SheetScrolling.h"
#include "render/SheetGuides.h"

namespace porkane {

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
    drawSheetGuides(painter, guides_);
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
        topTwips_ = viewOffsetTwips(value);
        placeView();
    });
    connect(horizontal_, &QScrollBar::valueChanged, this, [this](int value) {
        leftTwips_ = viewOffsetTwips(value);
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
        const ScrollRange range = scrollRangeFor(portTwips, viewTwips);
        if (range.needed) {
            bar->setMaximum(range.maximum);
            bar->setSingleStep(range.smallChange);
            bar->setPageStep(range.largeChange);
            bar->setEnabled(true);
        } else {
            bar->setEnabled(false);
            bar->setValue(0);
            position = 0;
        }
    };
    const auto twips = [](int pixels, int twipsPerPixel) { return toTwips(Pixels{double(pixels)}, twipsPerPixel).value; };
    update(vertical_, twips(viewport_->height(), twipsPerPixelY_), twips(picture_->height(), twipsPerPixelY_),
           topTwips_);
    update(horizontal_, twips(viewport_->width(), twipsPerPixelX_), twips(picture_->width(), twipsPerPixelX_),
           leftTwips_);
    placeView();
}

void SheetViewport::placeView()
{
    picture_->move(viewOffsetPixels(leftTwips_, twipsPerPixelX_), viewOffsetPixels(topTwips_, twipsPerPixelY_));
}

bool SheetViewport::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport_ && event->type() == QEvent::Resize)
        UpdateScrollBars();
    return QWidget::eventFilter(watched, event);
}

} // namespace porkane
