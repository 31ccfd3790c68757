#include "print/ui/PrintPreviewDialog.h"

#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Units.h"
#include "print/PrintJob.h"
#include "widgets/HelpGuide.h"

namespace porkane {

const QList<double> &PrintPreviewDialog::zoomSteps()
{
    static const QList<double> steps{0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0};
    return steps;
}

PrintPreviewDialog::PrintPreviewDialog(PrintPages pages, const PrintOptions &options, ScreenScale screen,
                                       QWidget *parent)
    : QDialog(parent), pages_(std::move(pages)), options_(options), screen_(screen)
{
    setObjectName(QStringLiteral("printPreview"));
    setWindowTitle(tr("印刷プレビュー"));
    HelpGuide::addKey(this, GuideSection::PrintPreview);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    auto *bar = new QHBoxLayout;
    previous_ = new QToolButton(this);
    previous_->setObjectName(QStringLiteral("previousPage"));
    previous_->setText(tr("◀ 前のページ"));
    previous_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    next_ = new QToolButton(this);
    next_->setObjectName(QStringLiteral("nextPage"));
    next_->setText(tr("次のページ ▶"));
    next_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    pageNumber_ = new QSpinBox(this);
    pageNumber_->setObjectName(QStringLiteral("pageNumber"));
    pageNumber_->setRange(1, std::max(pageCount(), 1));
    pageNumber_->setKeyboardTracking(false);
    pageCount_ = new QLabel(this);
    pageCount_->setObjectName(QStringLiteral("pageCount"));
    pageCount_->setText(tr("/ %1 ページ").arg(pageCount()));
    zoomBox_ = new QComboBox(this);
    zoomBox_->setObjectName(QStringLiteral("zoom"));
    for (double step : zoomSteps())
        zoomBox_->addItem(QStringLiteral("%1%").arg(std::lround(step * 100)), step);
    auto *close = new QPushButton(tr("閉じる"), this);
    close->setObjectName(QStringLiteral("closePreview"));
    bar->addWidget(previous_);
    bar->addWidget(pageNumber_);
    bar->addWidget(pageCount_);
    bar->addWidget(next_);
    bar->addSpacing(20);
    bar->addWidget(new QLabel(tr("倍率："), this));
    bar->addWidget(zoomBox_);
    bar->addStretch(1);
    bar->addWidget(close);
    layout->addLayout(bar);

    scroller_ = new QScrollArea(this);
    scroller_->setObjectName(QStringLiteral("pageArea"));
    scroller_->setAlignment(Qt::AlignCenter);
    scroller_->setBackgroundRole(QPalette::Dark);
    view_ = new QLabel;
    view_->setObjectName(QStringLiteral("pageView"));
    // A thin edge shows where the paper ends.
    view_->setStyleSheet(QStringLiteral("QLabel#pageView { border: 1px solid #6b6b6b; background: white; }"));
    scroller_->setWidget(view_);
    layout->addWidget(scroller_, 1);

    connect(previous_, &QToolButton::clicked, this, &PrintPreviewDialog::showPreviousPage);
    connect(next_, &QToolButton::clicked, this, &PrintPreviewDialog::showNextPage);
    connect(pageNumber_, &QSpinBox::valueChanged, this, [this](int number) {
        if (!showingNavigation_)
            showPage(number - 1);
    });
    connect(zoomBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showingNavigation_ && index >= 0)
            setZoom(zoomBox_->itemData(index).toDouble());
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    // The page as wide as the screen lets it be, up to its own size: smaller
    // steps make the unsmoothed text of the job hard to read. A page taller
    // than the screen scrolls.
    const QScreen *shownOn = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = shownOn ? shownOn->availableGeometry().size() - QSize(80, 120) : QSize(800, 600);
    const double pageWidth = pages_.sheet().SheetWidth * TwipsPerMillimetre / std::max(screen_.twipsPerPixelX, 1);
    const double pageHeight = pages_.sheet().SheetHeight * TwipsPerMillimetre / std::max(screen_.twipsPerPixelY, 1);
    zoom_ = zoomSteps().front();
    for (double step : zoomSteps())
        if (step <= 1.0 && pageWidth * step + 40 <= room.width())
            zoom_ = step;
    redraw();
    const QSize page(int(pageWidth * zoom_) + 40, int(pageHeight * zoom_) + 90);
    resize(page.boundedTo(room).expandedTo(QSize(600, 320)));
}

void PrintPreviewDialog::showPage(int page)
{
    page = std::clamp(page, 0, std::max(pageCount() - 1, 0));
    if (page == page_ && !shown_.isNull())
        return;
    page_ = page;
    redraw();
}

void PrintPreviewDialog::showNextPage() { showPage(page_ + 1); }

void PrintPreviewDialog::showPreviousPage() { showPage(page_ - 1); }

void PrintPreviewDialog::setZoom(double zoom)
{
    zoom = std::clamp(zoom, MinPreviewZoom, MaxPreviewZoom);
    if (zoom == zoom_ && !shown_.isNull())
        return;
    zoom_ = zoom;
    redraw();
}

void PrintPreviewDialog::redraw()
{
    shown_ = previewPage(pages_, page_, options_, screen_, zoom_);
    if (shown_.isNull()) {
        view_->setPixmap(QPixmap());
        view_->setText(tr("このページは表示できません。"));
    } else {
        view_->setPixmap(QPixmap::fromImage(shown_));
    }
    view_->adjustSize();
    showNavigation();
}

void PrintPreviewDialog::showNavigation()
{
    showingNavigation_ = true;
    pageNumber_->setValue(page_ + 1);
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < pageCount());
    int nearest = 0;
    for (int index = 0; index < zoomBox_->count(); ++index)
        if (std::abs(zoomBox_->itemData(index).toDouble() - zoom_) <
            std::abs(zoomBox_->itemData(nearest).toDouble() - zoom_))
            nearest = index;
    zoomBox_->setCurrentIndex(nearest);
    showingNavigation_ = false;
}

void PrintPreviewDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        showNextPage();
        return;
    case Qt::Key_PageUp:
        showPreviousPage();
        return;
    case Qt::Key_Home:
        showPage(0);
        return;
    case Qt::Key_End:
        showPage(pageCount() - 1);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace porkane
