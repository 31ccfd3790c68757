#include "app/MainMenuWindow.h"

#include <cmath>

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>

#include "session/AppState.h"
#include "session/MainMenuLayout.h"
#include "session/Prompts.h"
#include "session/StartupSettings.h"
#include "session/WindowHub.h"
#include "app/AboutDialog.h"
#include "core/Errors.h"
#include "core/Rounding.h"
#include "core/Units.h"
#include "core/Version.h"
#include "document/DocumentSource.h"
#include "widgets/Artwork.h"
#include "widgets/BusyPointer.h"
#include "widgets/HelpGuide.h"
#include "widgets/PictureButton.h"
#include "print/CurrentPrinter.h"

namespace porkane {

namespace {

// Captions and tooltips are translated when the buttons are made.
struct MenuButton {
    const char *icon;
    const char *caption;
    const char *toolTip;
};

constexpr std::array<MenuButton, MainMenuWindow::ButtonCount> MenuButtons{{
    {"exit", QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "終   了"),
     QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "ぽるかねを終了します。")},
    {"new", QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "新規製作"),
     QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "新規テンプレートを製作し、文字入力します。")},
    {"open-file", QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "ファイルを開く"),
     QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "保存済みのファイルを開きます。")},
    {"open-template", QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "ﾃﾝﾌﾟﾚｰﾄを開く"),
     QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "テンプレートを開きます。")},
    {"format", QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "書式設定"),
     QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "入力書式の設定画面を開きます。")},
    {"printer", QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "プリンタの設定"),
     QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "プリンタの設定画面を開きます。")},
    {"template-settings", QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "ﾃﾝﾌﾟﾚｰﾄ設定"),
     QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "テンプレートの設定画面を開きます。")},
    {"about", QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "Ａｂｏｕｔ"),
     QT_TRANSLATE_NOOP("porkane::MainMenuWindow", "Ａｂｏｕｔを表示します。")},
}};

// A window coordinate from twips, rounded halves to even. Throws
// ValueRangeError for a place no window can stand at.
int wholePixels(double twips, int twipsPerPixel)
{
    return roundToInt32(toPixels(Twips{twips}, twipsPerPixel).value);
}

QSizeF screenTwips(const AppState &state)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->size() : QSize(1024, 768);
    return QSizeF(toTwips(Pixels{double(pixels.width())}, state.TwipsPerPixelX).value,
                  toTwips(Pixels{double(pixels.height())}, state.TwipsPerPixelY).value);
}

} // namespace

MainMenuWindow::MainMenuWindow(AppState &state, QWidget *parent)
    : SkinnedWindow(TitleBar | MinimiseButton | CloseButton | ResizeGrip | WidthOnlyGrip, parent), state_(state)
{
    Q_ASSERT(state_.prompts && state_.windows);
    setObjectName(QStringLiteral("Form2"));
    setTitle(mainMenuTitle());
    BusyPointer::clear();

    const StartupSettings startup = loadStartupSettings(state_.dataFolder, screenTwips(state_));
    state_.settings = startup.settings;
    state_.DefaultFormat = startup.defaultFormat;
    startedWithDefaults_ = startup.fellBackToDefaults;

    for (int index = 0; index < ButtonCount; ++index) {
        const MenuButton &entry = MenuButtons[std::size_t(index)];
        PictureButton *button = artwork::makeCommandButton(this, QStringLiteral("menuButton%1").arg(index),
                                                           QString::fromLatin1(entry.icon), tr(entry.caption),
                                                           tr(entry.toolTip));
        connect(button, &PictureButton::clicked, this, [this, index] { runCommand(index); });
        buttons_[std::size_t(index)] = button;
    }
    // Tab goes through the menu in its reading order, then to the title
    // bar's buttons.
    QWidgetList chain(buttons_.begin(), buttons_.end());
    chain << minimiseButton() << closeButton();
    chain.removeAll(nullptr);
    for (qsizetype index = 1; index < chain.size(); ++index)
        setTabOrder(chain[index - 1], chain[index]);
    buttons_.front()->setFocus(Qt::OtherFocusReason);
    if (minimiseButton())
        minimiseButton()->setObjectName(QStringLiteral("menuButton9"));
    if (closeButton())
        closeButton()->setObjectName(QStringLiteral("menuButton10"));
    HelpGuide::addKey(this, GuideSection::MainMenu)->setObjectName(QStringLiteral("helpKey"));

    auto *openKey = new QAction(this);
    openKey->setObjectName(QStringLiteral("openKey"));
    openKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(openKey, &QAction::triggered, this, [this] { runCommand(2); });
    addAction(openKey);
    setAcceptDrops(true);

    const int tx = state_.TwipsPerPixelX;
    const int ty = state_.TwipsPerPixelY;
    setMinimumWidth(int(std::ceil(toPixels(Twips{MainMenuLayout::MinimumWidth}, tx).value)));
    try {
        move(wholePixels(state_.settings.mainLeft, tx), wholePixels(state_.settings.mainTop, ty));
    } catch (const ValueRangeError &) {
        // A place far off any screen, from an edited settings file: the
        // window opens centred, as without settings.
        const AppSettings centred = AppSettings::defaults(screenTwips(state_));
        state_.settings.mainLeft = centred.mainLeft;
        state_.settings.mainTop = centred.mainTop;
        move(wholePixels(centred.mainLeft, tx), wholePixels(centred.mainTop, ty));
    }
    const MainMenuLayout layout = mainMenuLayout(state_.settings.mainWidth);
    resize(wholePixels(layout.width, tx), wholePixels(layout.height, ty));
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
        buttons_[std::size_t(index)]->move(wholePixels(at.x(), tx), wholePixels(at.y(), ty));
    }
    const int height = wholePixels(layout.height, ty);
    if (minimumHeight() != height || maximumHeight() != height)
        setFixedHeight(height);
}

void MainMenuWindow::resizeEvent(QResizeEvent *event)
{
    SkinnedWindow::resizeEvent(event);
    if (buttons_.back())
        layOutButtons();
}

void MainMenuWindow::changeEvent(QEvent *event)
{
    SkinnedWindow::changeEvent(event);
    // Disabling the menu took the focus away; back from the window it
    // opened, the keyboard goes on from the button used, not from 終了.
    if (event->type() == QEvent::EnabledChange && isEnabled() && !focusWidget() && buttons_.back())
        buttons_[std::size_t(lastCommand_)]->setFocus(Qt::OtherFocusReason);
}

void MainMenuWindow::runCommand(int index)
{
    if (index >= 0 && index < ButtonCount)
        lastCommand_ = index;
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

void MainMenuWindow::openFileIn(const QString &filter, OpenModes openMode, bool inDesigner)
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

void MainMenuWindow::openPath(const QString &path, OpenModes openMode, bool inDesigner)
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

void MainMenuWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedDocumentFile(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
}

void MainMenuWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedDocumentFile(event->mimeData()->urls());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drag has ended.
    QMetaObject::invokeMethod(this, [this, path] { openGivenFile(path); }, Qt::QueuedConnection);
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
    connect(about_, &AboutDialog::closed, this, [this] {
        setEnabled(true);
        activateWindow();
    });
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
    const auto twips = [](int pixels, int twipsPerPixel) {
        return float(toTwips(Pixels{double(pixels)}, twipsPerPixel).value);
    };
    state_.settings.mainLeft = moved ? twips(x(), state_.TwipsPerPixelX) : placedLeftTwips_;
    state_.settings.mainTop = moved ? twips(y(), state_.TwipsPerPixelY) : placedTopTwips_;
    state_.settings.mainWidth = width() != placedWidth_ ? twips(width(), state_.TwipsPerPixelX) : placedWidthTwips_;
    saveAppSettings(state_.dataFolder, state_.settings);
    event->accept();
    state_.windows->quit();
}

} // namespace porkane
