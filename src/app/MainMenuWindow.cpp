#include "app/MainMenuWindow.h"

#include <cmath>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "session/AppState.h"
#include "session/MainMenuLayout.h"
#include "session/Prompts.h"
#include "session/StartupSettings.h"
#include "core/Version.h"
#include "session/WindowHub.h"
#include "app/AboutDialog.h"
#include "document/DocumentSource.h"
#include "widgets/Artwork.h"
#include "widgets/BusyPointer.h"
#include "widgets/PictureButton.h"
#include "print/CurrentPrinter.h"

namespace porkane {

namespace {

struct MenuButton {
    const char *icon;
    QString caption;
    QString toolTip;
};

const std::array<MenuButton, MainMenuWindow::ButtonCount> &menuButtons()
{
    static const std::array<MenuButton, MainMenuWindow::ButtonCount> buttons{{
        {"exit", QStringLiteral("終   了"), QStringLiteral("ぽるかねを終了します。")},
        {"new", QStringLiteral("新規製作"), QStringLiteral("新規テンプレートを製作し、文字入力します。")},
        {"open-file", QStringLiteral("ファイルを開く"), QStringLiteral("保存済みのファイルを開きます。")},
        {"open-template", QStringLiteral("ﾃﾝﾌﾟﾚｰﾄを開く"), QStringLiteral("テンプレートを開きます。")},
        {"format", QStringLiteral("書式設定"), QStringLiteral("入力書式の設定画面を開きます。")},
        {"printer", QStringLiteral("プリンタの設定"), QStringLiteral("プリンタの設定画面を開きます。")},
        {"template-settings", QStringLiteral("ﾃﾝﾌﾟﾚｰﾄ設定"), QStringLiteral("テンプレートの設定画面を開きます。")},
        {"about", QStringLiteral("Ａｂｏｕｔ"), QStringLiteral("Ａｂｏｕｔを表示します。")},
    }};
    return buttons;
}

// Releasing within 0 to 75 by 0 to 35 of a button runs it.
constexpr int ActingRight = 75;
constexpr int ActingBottom = 35;

int toPixels(double twips, int twipsPerPixel) { return int(std::lround(twips / twipsPerPixel)); }

QSizeF screenTwips(const AppState &state)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->size() : QSize(1024, 768);
    return QSizeF(double(pixels.width()) * state.TwipsPerPixelX, double(pixels.height()) * state.TwipsPerPixelY);
}

} // namespace

MainMenuWindow::MainMenuWindow(AppState &state, QWidget *parent)
    : SkinnedWindow(TitleBar | MinimiseButton | CloseButton | ResizeGrip | WidthOnlyGrip, parent), state_(state)
{
    Q_ASSERT(state_.prompts && state_.windows);
    setObjectName(QStringLiteral("Form2"));
    setTitle(MainMenuTitle);
    BusyPointer::clear();

    const StartupSettings startup = loadStartupSettings(state_.dataFolder, screenTwips(state_));
    state_.settings = startup.settings;
    state_.DefaultFormat = startup.defaultFormat;
    startedWithDefaults_ = startup.fellBackToDefaults;

    for (int index = 0; index < ButtonCount; ++index) {
        const MenuButton &entry = menuButtons()[std::size_t(index)];
        PictureButton *button = artwork::makeCommandButton(this, QStringLiteral("menuButton%1").arg(index),
                                                           QString::fromLatin1(entry.icon), entry.caption,
                                                           entry.toolTip);
        connect(button, &PictureButton::clicked, this, [this, index] { runCommand(index); });
        buttons_[std::size_t(index)] = button;
    }
    if (minimiseButton())
        minimiseButton()->setObjectName(QStringLiteral("menuButton9"));
    if (closeButton())
        closeButton()->setObjectName(QStringLiteral("menuButton10"));

    const int tx = state_.TwipsPerPixelX;
    const int ty = state_.TwipsPerPixelY;
    setMinimumWidth(int(std::ceil(MainMenuLayout::MinimumWidth / tx)));
    move(toPixels(state_.settings.mainLeft, tx), toPixels(state_.settings.mainTop, ty));
    const MainMenuLayout layout = mainMenuLayout(state_.settings.mainWidth);
    resize(toPixels(layout.width, tx), toPixels(layout.height, ty));
    layOutButtons();
    placedAt_ = pos();
    placedWidth_ = width();
    placedLeftTwips_ = state_.settings.mainLeft;
    placedTopTwips_ = state_.settings.mainTop;
    placedWidthTwips_ = float(layout.width);
}

MainMenuWindow::~MainMenuWindow() { delete about_.data(); }

void MainMenuWindow::layOutButtons()
{
    const int tx = state_.TwipsPerPixelX;
    const int ty = state_.TwipsPerPixelY;
    const MainMenuLayout layout = mainMenuLayout(double(width()) * tx);
    columns_ = layout.columns;
    for (int index = 0; index < ButtonCount; ++index) {
        const QPointF at = layout.buttonTopLeft[std::size_t(index)];
        buttons_[std::size_t(index)]->move(toPixels(at.x(), tx), toPixels(at.y(), ty));
    }
    const int height = toPixels(layout.height, ty);
    if (minimumHeight() != height || maximumHeight() != height)
        setFixedHeight(height);
}

void MainMenuWindow::resizeEvent(QResizeEvent *event)
{
    SkinnedWindow::resizeEvent(event);
    if (buttons_.back())
        layOutButtons();
}

void MainMenuWindow::runCommand(int index)
{
    switch (index) {
    case 0:
        close();
        break;
    case 1:
        state_.OpenMode = OpenNewTemplate;
        state_.windows->openDesigner();
        break;
    case 2:
        openFileIn(LabelFileFilter, OpenExistingFile, false);
        break;
    case 3:
        openFileIn(TemplateFileFilter, OpenFromTemplate, false);
        break;
    case 4:
        BusyPointer::show();
        setEnabled(false);
        state_.FormatForEditor = 0;
        state_.windows->openFormatSettings();
        break;
    case 5:
        setUpPrinter();
        break;
    case 6:
        openFileIn(TemplateFileFilter, OpenExistingFile, true);
        break;
    case 7:
        showAbout();
        break;
    default:
        break;
    }
}

void MainMenuWindow::openFileIn(const QString &filter, qint16 openMode, bool inDesigner)
{
    const std::optional<QString> file = state_.prompts->openFileName(filter);
    if (file)
        openPath(*file, openMode, inDesigner);
}

void MainMenuWindow::openGivenFile(const QString &path)
{
    const bool isTemplate = documentKindOf(path) == DocumentKind::Template;
    openPath(path, isTemplate ? OpenFromTemplate : OpenExistingFile, false);
}

void MainMenuWindow::openPath(const QString &path, qint16 openMode, bool inDesigner)
{
    state_.DocumentPath = path;
    state_.OpenMode = openMode;
    BusyPointer::show();
    // Hidden first: a window that refuses the file brings the menu back.
    hide();
    const bool opened = inDesigner ? state_.windows->openDesigner() : state_.windows->openEditor();
    if (!opened) {
        BusyPointer::clear();
        setEnabled(true);
        show();
    }
}

void MainMenuWindow::setUpPrinter()
{
    state_.prompts->choosePrinter(ensureCurrentPrinter(state_.printer));
}

void MainMenuWindow::showAbout()
{
    if (about_) {
        about_->raise();
        return;
    }
    setEnabled(false);
    about_ = new AboutDialog();
    about_->setAttribute(Qt::WA_DeleteOnClose);
    connect(about_, &AboutDialog::closed, this, [this] { setEnabled(true); });
    QRect place(QPoint(0, 0), about_->size());
    place.moveCenter(frameGeometry().center());
    about_->move(place.topLeft());
    about_->show();
}

void MainMenuWindow::closeEvent(QCloseEvent *event)
{
    // Windows holding unsaved work ask first; one that stays keeps the
    // program running.
    if (!state_.windows->closeWindowsForExit()) {
        event->ignore();
        return;
    }
    if (about_)
        about_->close();
    const bool moved = pos() != placedAt_;
    state_.settings.mainLeft = moved ? float(x() * state_.TwipsPerPixelX) : placedLeftTwips_;
    state_.settings.mainTop = moved ? float(y() * state_.TwipsPerPixelY) : placedTopTwips_;
    state_.settings.mainWidth =
        width() != placedWidth_ ? float(width() * state_.TwipsPerPixelX) : placedWidthTwips_;
    saveAppSettings(state_.dataFolder, state_.settings);
    event->accept();
    state_.windows->quit();
}

} // namespace porkane
