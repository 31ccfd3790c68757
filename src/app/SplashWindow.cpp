#include "app/SplashWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "session/AppState.h"
#include "core/Version.h"
#include "widgets/Artwork.h"
#include "core/Units.h"

namespace porkane {

namespace {
const QSize PictureSize(420, 210);
} // namespace

SplashWindow::SplashWindow(AppState &state, QWidget *parent) : SkinnedWindow({}, parent), state_(state)
{
    setObjectName(QStringLiteral("Form4"));
    setTitle(programName());
    setContentsMargins(14, 14, 14, 16);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("splashPicture"));
    picture->setPixmap(artwork::picture(QStringLiteral("splash"), PictureSize));
    picture->setFixedSize(PictureSize);

    auto *message = new QLabel(tr("フォント情報を読み込み中です。"), this);
    message->setObjectName(QStringLiteral("message"));
    message->setStyleSheet(QStringLiteral("color: #5a3622;"));

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setTextVisible(false);
    progress_->setFixedHeight(14);
    progress_->setStyleSheet(QStringLiteral(
        "QProgressBar { border: 1px solid #d98c5f; border-radius: 6px; background: #fffaf4; }"
        "QProgressBar::chunk { border-radius: 5px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #f9ad82, stop:1 #e2703f); }"));
    progress_->setRange(0, 100);
    progress_->setValue(0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(picture);
    layout->addWidget(message);
    layout->addWidget(progress_);
    setFixedSize(sizeHint());

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect place(QPoint(0, 0), size());
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
}

void SplashWindow::showEvent(QShowEvent *event)
{
    SkinnedWindow::showEvent(event);
    // Listing starts once the window has been painted.
    if (!scheduled_) {
        scheduled_ = true;
        QTimer::singleShot(0, this, &SplashWindow::buildCatalogue);
    }
}

void SplashWindow::buildCatalogue()
{
    if (built_)
        return;
    built_ = true;
    const QStringList families = FontCatalogue::screenFonts();
    // One step per font: the bar is full when the last font is listed.
    progress_->setRange(0, std::max<int>(1, int(families.size())));
    progress_->setValue(0);
    QCoreApplication::processEvents();
    state_.fontCatalogue.build(families, [this](int listed) {
        progress_->setValue(listed);
        QCoreApplication::processEvents();
    });
    progress_->setValue(progress_->maximum());

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        state_.TwipsPerPixelX = twipsPerPixelForDpi(screen->logicalDotsPerInchX());
        state_.TwipsPerPixelY = twipsPerPixelForDpi(screen->logicalDotsPerInchY());
    }
    emit catalogueBuilt();
}

} // namespace porkane
