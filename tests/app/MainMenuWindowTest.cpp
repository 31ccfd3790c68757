#include <QApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QTest>

#include "session/MainMenuLayout.h"
#include "session/Messages.h"
#include "core/Version.h"
#include "app/AboutDialog.h"
#include "widgets/BusyPointer.h"
#include "app/MainMenuWindow.h"
#include "widgets/HelpGuide.h"
#include "widgets/PictureButton.h"
#include "format/ui/FormatSettingsDialog.h"
#include "core/FileIO.h"
#include "format/DefaultFormatFile.h"
#include "document/LabelFile.h"
#include "sheet/TemplateFile.h"
#include "sheet/ui/TemplateDesignerWindow.h"
#include "widgets/NumberField.h"
#include "ShellFixture.h"

using namespace porkane;
using namespace porkane::test;

namespace {

QList<QByteArray> fileLines(const QString &path)
{
    QList<QByteArray> lines = readBytes(path).split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// A click as a user makes it: press inside, release at `releaseAt`.
void clickButton(PictureButton *button, QPoint releaseAt = QPoint(10, 10))
{
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, releaseAt);
}

QSizeF screenTwips()
{
    const QSize pixels = QGuiApplication::primaryScreen()->size();
    return QSizeF(pixels.width() * 15.0, pixels.height() * 15.0);
}

class MainMenuTest : public ShellTest {
protected:
    MainMenuWindow *startMenu() { return windows.startMainMenu(); }
};

} // namespace

// --- Starting and ending ------------------------------------------------------

TEST_F(MainMenuTest, FirstStartWithoutSettingsOpensCentredAndExitWrites16Lines)
{
    ASSERT_FALSE(QFile::exists(dataFile(AppSettingsFileName)));
    MainMenuWindow *menu = startMenu();
    EXPECT_TRUE(menu->startedWithDefaults());
    EXPECT_EQ(menu->objectName(), QStringLiteral("Form2"));
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("ぽるかね  ver1.35"));
    EXPECT_TRUE(menu->windowFlags() & Qt::FramelessWindowHint);

    const QSizeF screen = screenTwips();
    EXPECT_NEAR(menu->width() * 15, 5150, 15);
    EXPECT_NEAR(menu->x() * 15, (screen.width() - 5150) / 2, 15);
    EXPECT_NEAR(menu->y() * 15, (screen.height() - 5150) / 2, 15);

    EXPECT_TRUE(menu->close());
    EXPECT_EQ(quitCalls, 1);
    const QList<QByteArray> lines = fileLines(dataFile(AppSettingsFileName));
    ASSERT_EQ(lines.size(), 16);
    for (const QByteArray &line : lines)
        EXPECT_TRUE(line.endsWith("\r"));
    const AppSettings written = readAppSettings(readBytes(dataFile(AppSettingsFileName)));
    EXPECT_EQ(written, AppSettings::defaults(screen)); // the unmoved window keeps its exact twips
}

TEST_F(MainMenuTest, SettingsFilesPlaceTheWindowAndGiveTheDefaultFormat)
{
    AppSettings saved = AppSettings::defaults(screenTwips());
    saved.mainLeft = 1500;
    saved.mainTop = 900;
    saved.mainWidth = 3000;
    saved.designerZoom = 5;
    ASSERT_TRUE(saveAppSettings(folder.path(), saved));
    TextFormat format;
    format.charWidth = 55;
    format.faceName = QStringLiteral("IPAGothic");
    ASSERT_TRUE(saveDefaultFormat(folder.path(), format));

    MainMenuWindow *menu = startMenu();
    EXPECT_FALSE(menu->startedWithDefaults());
    EXPECT_EQ(menu->pos(), QPoint(100, 60));
    EXPECT_EQ(menu->width(), 200);
    EXPECT_EQ(state.settings.designerZoom, 5);
    EXPECT_EQ(state.DefaultFormat, format);
}

TEST_F(MainMenuTest, AThreeLineSettingsFileGivesEveryDefaultIncludingTheFormat)
{
    writeBytes(dataFile(AppSettingsFileName), crlf({" 1500 ", " 900 ", " 3000 "}));
    TextFormat format;
    format.charWidth = 55;
    ASSERT_TRUE(saveDefaultFormat(folder.path(), format));

    MainMenuWindow *menu = startMenu();
    EXPECT_TRUE(menu->startedWithDefaults());
    EXPECT_EQ(state.settings, AppSettings::defaults(screenTwips()));
    EXPECT_EQ(state.DefaultFormat, TextFormat{});
    EXPECT_NEAR(menu->width() * 15, 5150, 15);
    EXPECT_NEAR(menu->x() * 15, (screenTwips().width() - 5150) / 2, 15);

    menu->close();
    EXPECT_EQ(fileLines(dataFile(AppSettingsFileName)).size(), 16); // written whole again
}

TEST_F(MainMenuTest, AMovedAndWidenedWindowIsWrittenWhereItStands)
{
    MainMenuWindow *menu = startMenu();
    menu->move(40, 30);
    menu->resize(400, menu->height());
    menu->close();
    const AppSettings written = readAppSettings(readBytes(dataFile(AppSettingsFileName)));
    EXPECT_EQ(written.mainLeft, 600);
    EXPECT_EQ(written.mainTop, 450);
    EXPECT_EQ(written.mainWidth, 6000);
}

TEST_F(MainMenuTest, APlaceNoWindowCanStandAtOpensCentred)
{
    AppSettings saved = AppSettings::defaults(screenTwips());
    saved.mainLeft = 1e30f;
    saved.mainTop = -1e30f;
    saved.mainWidth = 3000;
    ASSERT_TRUE(saveAppSettings(folder.path(), saved));
    ASSERT_TRUE(saveDefaultFormat(folder.path(), TextFormat{}));

    MainMenuWindow *menu = startMenu();
    EXPECT_FALSE(menu->startedWithDefaults());
    EXPECT_NEAR(menu->x() * 15, (screenTwips().width() - 5150) / 2, 15);
    EXPECT_NEAR(menu->y() * 15, (screenTwips().height() - 5150) / 2, 15);
    EXPECT_EQ(menu->width(), 200);
    menu->close();
    const AppSettings written = readAppSettings(readBytes(dataFile(AppSettingsFileName)));
    EXPECT_EQ(written.mainLeft, AppSettings::defaults(screenTwips()).mainLeft);
    EXPECT_EQ(written.mainWidth, 3000);
}

// --- Buttons --------------------------------------------------------------------

TEST_F(MainMenuTest, ButtonsCarryTheirCaptionsAndTooltips)
{
    const std::array<std::pair<QString, QString>, 8> expected{{
        {QStringLiteral("終   了"), QStringLiteral("ぽるかねを終了します。")},
        {QStringLiteral("新規製作"), QStringLiteral("新規テンプレートを製作し、文字入力します。")},
        {QStringLiteral("ファイルを開く"), QStringLiteral("保存済みのファイルを開きます。")},
        {QStringLiteral("ﾃﾝﾌﾟﾚｰﾄを開く"), QStringLiteral("テンプレートを開きます。")},
        {QStringLiteral("書式設定"), QStringLiteral("入力書式の設定画面を開きます。")},
        {QStringLiteral("プリンタの設定"), QStringLiteral("プリンタの設定画面を開きます。")},
        {QStringLiteral("ﾃﾝﾌﾟﾚｰﾄ設定"), QStringLiteral("テンプレートの設定画面を開きます。")},
        {QStringLiteral("Ａｂｏｕｔ"), QStringLiteral("Ａｂｏｕｔを表示します。")},
    }};
    MainMenuWindow *menu = startMenu();
    for (int index = 0; index < 8; ++index) {
        auto *button = menu->findChild<PictureButton *>(QStringLiteral("menuButton%1").arg(index));
        ASSERT_NE(button, nullptr) << index;
        EXPECT_EQ(button->caption(), expected[std::size_t(index)].first) << index;
        EXPECT_EQ(button->toolTip(), expected[std::size_t(index)].second) << index;
        EXPECT_EQ(button->pictureSize(), QSize(75, 35)) << index;
    }
    EXPECT_NE(menu->findChild<PictureButton *>(QStringLiteral("menuButton9")), nullptr);
    EXPECT_NE(menu->findChild<PictureButton *>(QStringLiteral("menuButton10")), nullptr);
}

TEST_F(MainMenuTest, ReleasingOneUnitRightOfAButtonRunsNothing)
{
    MainMenuWindow *menu = startMenu();
    menu->show();
    clickButton(menu->button(2), QPoint(76, 10));
    EXPECT_TRUE(prompts.asked().empty());
    clickButton(menu->button(0), QPoint(76, 10));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(quitCalls, 0);
    clickButton(menu->button(2), QPoint(10, 36));
    EXPECT_TRUE(prompts.asked().empty());

    prompts.cancelDialog();
    clickButton(menu->button(2), QPoint(75, 35)); // the last point that counts
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.last().kind, AskedPrompt::OpenFile);
}

TEST_F(MainMenuTest, CancellingTheOpenDialogChangesNothing)
{
    MainMenuWindow *menu = startMenu();
    state.OpenMode = OpenNothing;
    state.DocumentPath = QStringLiteral("before.fhl");
    prompts.cancelDialog();
    clickButton(menu->button(2));
    EXPECT_EQ(prompts.last().text, LabelFileFilter);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_EQ(state.OpenMode, 0);
    EXPECT_EQ(state.DocumentPath, QStringLiteral("before.fhl"));
    EXPECT_FALSE(BusyPointer::shown());
}

TEST_F(MainMenuTest, OpeningALabelFileHandsItToTheEditor)
{
    MainMenuWindow *menu = startMenu();
    prompts.chooseFile(QStringLiteral("/tmp/a.fhl"));
    clickButton(menu->button(2));
    EXPECT_EQ(state.DocumentPath, QStringLiteral("/tmp/a.fhl"));
    EXPECT_EQ(state.OpenMode, OpenExistingFile);
    // There is no such file: the editor refuses it, naming it as a label
    // file, and the menu comes back.
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].startsWith(BrokenFileMessage(DocumentKind::Label, QStringLiteral("/tmp/a.fhl")) +
                                                 QStringLiteral("\r理由：")));
    EXPECT_EQ(windows.editor(), nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_FALSE(BusyPointer::shown());
}

TEST_F(MainMenuTest, OpeningATemplateStartsADocumentOnIt)
{
    MainMenuWindow *menu = startMenu();
    prompts.chooseFile(QStringLiteral("/tmp/a.fom"));
    clickButton(menu->button(3));
    EXPECT_EQ(prompts.asked().front().text, TemplateFileFilter);
    EXPECT_EQ(state.DocumentPath, QStringLiteral("/tmp/a.fom"));
    EXPECT_EQ(state.OpenMode, OpenFromTemplate);
}

TEST_F(MainMenuTest, AFileFromTheDesktopOpensLikeTheMenusButtons)
{
    MainMenuWindow *menu = startMenu();
    menu->openGivenFile(QStringLiteral("/tmp/宛名.FOM"));
    EXPECT_EQ(state.OpenMode, OpenFromTemplate);
    EXPECT_EQ(state.DocumentPath, QStringLiteral("/tmp/宛名.FOM"));
    menu->openGivenFile(QStringLiteral("/tmp/work.fhl"));
    EXPECT_EQ(state.OpenMode, OpenExistingFile);
    ASSERT_EQ(prompts.messages().size(), 2u);
    EXPECT_TRUE(prompts.messages()[0].startsWith(BrokenFileMessage(DocumentKind::Template, QStringLiteral("宛名.FOM"))));
    EXPECT_TRUE(prompts.messages()[1].startsWith(BrokenFileMessage(DocumentKind::Label, QStringLiteral("work.fhl"))));
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(MainMenuTest, CtrlOOpensALabelFileAndF1TheGuidesMainMenuPage)
{
    QList<QUrl> opened;
    HelpGuide::use(UserGuide(QStringLiteral("/guide")), [&](const QUrl &url) {
        opened.append(url);
        return true;
    });
    MainMenuWindow *menu = startMenu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    HelpGuide::reset();
    EXPECT_TRUE(prompts.asked().empty());
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front(), UserGuide(QStringLiteral("/guide")).url(GuideSection::MainMenu));
    prompts.cancelDialog();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.last().kind, AskedPrompt::OpenFile);
    EXPECT_EQ(prompts.last().text, LabelFileFilter);
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(MainMenuTest, AFileDroppedOnTheMenuOpensAsFromTheDesktop)
{
    LabelDocument document = LabelDocument::fromTemplate(SheetTemplate::newTemplate());
    document.setLabelText(1, QStringLiteral("dropped"));
    const QString path = dataFile(QStringLiteral("dropped.fhl"));
    saveLabelFile(document, path);
    MainMenuWindow *menu = startMenu();

    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(dataFile(QStringLiteral("photo.png")))});
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &refused);
    EXPECT_FALSE(refused.isAccepted());

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &drop);
    QCoreApplication::processEvents();
    ASSERT_NE(windows.editor(), nullptr);
    EXPECT_EQ(state.OpenMode, OpenExistingFile);
    EXPECT_EQ(state.document.LabelText(1), QStringLiteral("dropped"));
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(MainMenuTest, TemplateSettingsOpenTheFileInTheDesignerAndHideTheMenu)
{
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.SheetWidth = 150;
    saveTemplateFile(dataFile(QStringLiteral("card.fom")), sheet);
    MainMenuWindow *menu = startMenu();
    prompts.chooseFile(dataFile(QStringLiteral("card.fom")));
    clickButton(menu->button(6));

    TemplateDesignerWindow *designer = windows.designer();
    ASSERT_NE(designer, nullptr);
    EXPECT_TRUE(designer->isVisible());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(designer->findChild<NumberField *>(QStringLiteral("sheetWidth"))->value(), 150);

    designer->close();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->isEnabled());
}

TEST_F(MainMenuTest, ABrokenTemplateIsRefusedAndTheMenuComesBack)
{
    writeBytes(dataFile(QStringLiteral("broken.fom")), crlf({" 100 ", " 100 ", " 3 ", " 0  0  20  20  0  0 "}));
    MainMenuWindow *menu = startMenu();
    prompts.chooseFile(dataFile(QStringLiteral("broken.fom")));
    clickButton(menu->button(6));
    EXPECT_EQ(windows.designer(), nullptr);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].startsWith(
        BrokenFileMessage(DocumentKind::Template, dataFile(QStringLiteral("broken.fom"))) + QStringLiteral("\r理由：")));
    EXPECT_EQ(prompts.last().icon, PromptIcon::Critical);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_EQ(state.ModalMode, ModalNone);
    EXPECT_FALSE(BusyPointer::shown());
}

TEST_F(MainMenuTest, NewTemplateOpensTheDesignerWhileTheMenuWaits)
{
    MainMenuWindow *menu = startMenu();
    clickButton(menu->button(1));
    ASSERT_NE(windows.designer(), nullptr);
    EXPECT_EQ(state.OpenMode, OpenNewTemplate);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(menu->isEnabled());
    windows.designer()->close();
    EXPECT_TRUE(menu->isEnabled());
}

TEST_F(MainMenuTest, ClosingWithUnsavedDesignerWorkAsksFirst)
{
    MainMenuWindow *menu = startMenu();
    clickButton(menu->button(1));
    TemplateDesignerWindow *designer = windows.designer();
    ASSERT_NE(designer, nullptr);
    designer->addLabel();
    ASSERT_TRUE(designer->isModified());

    prompts.answerNo();
    EXPECT_FALSE(menu->close());
    EXPECT_EQ(prompts.last().text, QStringLiteral("データが編集されています。\rこのまま終了しますか？"));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(designer->isVisible());
    EXPECT_FALSE(QFile::exists(dataFile(AppSettingsFileName)));
    EXPECT_EQ(quitCalls, 0);

    prompts.answerYes();
    EXPECT_TRUE(menu->close());
    EXPECT_EQ(quitCalls, 1);
    EXPECT_TRUE(QFile::exists(dataFile(AppSettingsFileName)));
}

TEST_F(MainMenuTest, AboutDisablesTheMenuUntilItCloses)
{
    MainMenuWindow *menu = startMenu();
    clickButton(menu->button(7));
    AboutDialog *about = menu->aboutDialog();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(menu->isEnabled());
    about->close();
    EXPECT_TRUE(menu->isEnabled());

    // Escape closes it, as it closes a dialog.
    clickButton(menu->button(7));
    about = menu->aboutDialog();
    ASSERT_NE(about, nullptr);
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(menu->isEnabled());
}

TEST_F(MainMenuTest, PrinterAndFormatButtons)
{
    MainMenuWindow *menu = startMenu();
    prompts.acceptPrinter();
    clickButton(menu->button(5));
    EXPECT_EQ(prompts.last().kind, AskedPrompt::Printer);
    EXPECT_NE(state.printer, nullptr);

    // The format dialog opens on the default format with the menu disabled
    // until it closes.
    clickButton(menu->button(4));
    FormatSettingsDialog *dialog = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("Form1") && window->isVisible())
            dialog = qobject_cast<FormatSettingsDialog *>(window);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(state.FormatForEditor, 0);
    EXPECT_FALSE(menu->isEnabled());
    EXPECT_FALSE(BusyPointer::shown());
    dialog->close();
    EXPECT_TRUE(menu->isEnabled());
}

TEST_F(MainMenuTest, TitleBarButtonsMinimiseAndClose)
{
    MainMenuWindow *menu = startMenu();
    clickButton(menu->findChild<PictureButton *>(QStringLiteral("menuButton9")), QPoint(5, 5));
    EXPECT_TRUE(menu->windowState() & Qt::WindowMinimized);
    menu->showNormal();
    clickButton(menu->findChild<PictureButton *>(QStringLiteral("menuButton10")), QPoint(5, 5));
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(quitCalls, 1);
}

TEST_F(MainMenuTest, TheMenuIsDrivenByTheKeyboardAlone)
{
    MainMenuWindow *menu = startMenu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    const auto focused = [] {
        QWidget *widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QString();
    };
    // The first button has the focus; Tab goes through the menu in reading
    // order, then the title bar, and comes round again.
    EXPECT_EQ(focused(), QStringLiteral("menuButton0"));
    QStringList visited;
    for (int press = 0; press < 10; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focused();
    }
    EXPECT_EQ(visited, QStringList({QStringLiteral("menuButton1"), QStringLiteral("menuButton2"),
                                    QStringLiteral("menuButton3"), QStringLiteral("menuButton4"),
                                    QStringLiteral("menuButton5"), QStringLiteral("menuButton6"),
                                    QStringLiteral("menuButton7"), QStringLiteral("menuButton9"),
                                    QStringLiteral("menuButton10"), QStringLiteral("menuButton0")}));

    // Shift+Tab back past the title bar to the printer button; Enter opens
    // the printer dialog.
    for (int press = 0; press < 5; ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(focused(), QStringLiteral("menuButton5"));
    prompts.cancelDialog();
    QTest::keyClick(menu->button(5), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.asked().empty(); }));
    EXPECT_EQ(prompts.last().kind, AskedPrompt::Printer);

    // Space on Ａｂｏｕｔ opens it; its close button is reached with Tab and
    // pressed with Space, and the menu has the focus again on Ａｂｏｕｔ.
    menu->button(7)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(menu->button(7), Qt::Key_Space);
    AboutDialog *about = menu->aboutDialog();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    auto *closeAbout = about->findChild<PictureButton *>(QStringLiteral("okButton"));
    ASSERT_NE(closeAbout, nullptr);
    for (int press = 0; press < 4 && QApplication::focusWidget() != closeAbout; ++press)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : about, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), closeAbout);
    QTest::keyClick(closeAbout, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->aboutDialog() == nullptr; }));
    EXPECT_TRUE(menu->isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    EXPECT_EQ(focused(), QStringLiteral("menuButton7"));

    // Space on 終了 ends the program.
    menu->button(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(menu->button(0), Qt::Key_Space);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(quitCalls, 1);
}

// --- Layout ----------------------------------------------------------------------

TEST(MainMenuLayout, ColumnsAndHeightFollowTheWidth)
{
    const MainMenuLayout wide = mainMenuLayout(5150);
    EXPECT_EQ(wide.columns, 4);
    EXPECT_EQ(wide.buttonTopLeft[5], QPointF(315 + 1125, 630 + 800));
    EXPECT_EQ(wide.height, 630 + 800 + 1065);

    const MainMenuLayout narrow = mainMenuLayout(1000);
    EXPECT_EQ(narrow.width, 1755);
    EXPECT_EQ(narrow.columns, 1);
    EXPECT_EQ(narrow.buttonTopLeft[7], QPointF(315, 630 + 7 * 800));
    EXPECT_EQ(narrow.height, 630 + 7 * 800 + 1065);

    EXPECT_EQ(mainMenuLayout(2879).columns, 1);
    EXPECT_EQ(mainMenuLayout(2880).columns, 2);
    EXPECT_EQ(mainMenuLayout(2880).height, 630 + 3 * 800 + 1065);
}

TEST_F(MainMenuTest, NarrowingTo1000TwipsLeaves1755WithOneColumn)
{
    MainMenuWindow *menu = startMenu();
    EXPECT_EQ(menu->columns(), 4);
    EXPECT_EQ(menu->height(), qRound((630 + 800 + 1065) / 15.0));
    EXPECT_EQ(menu->button(4)->pos(), QPoint(21, qRound(1430 / 15.0)));

    menu->resize(1000 / 15, menu->height());
    EXPECT_EQ(menu->width() * 15, 1755);
    EXPECT_EQ(menu->columns(), 1);
    EXPECT_EQ(menu->height(), qRound((630 + 7 * 800 + 1065) / 15.0));
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(menu->button(k)->pos(), QPoint(21, qRound((630 + k * 800) / 15.0))) << k;
}

TEST_F(MainMenuTest, TheGripChangesOnlyTheWidth)
{
    MainMenuWindow *menu = startMenu();
    menu->show();
    QWidget *grip = menu->resizeGrip();
    ASSERT_NE(grip, nullptr);
    const int height = menu->height();
    QTest::mousePress(grip, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(grip, QPoint(5 - 120, 60));
    QTest::mouseRelease(grip, Qt::LeftButton, {}, QPoint(5 - 120, 60));
    EXPECT_EQ(menu->width(), 343 - 120);
    EXPECT_EQ(menu->columns(), 2);
    EXPECT_EQ(menu->height(), qRound((630 + 3 * 800 + 1065) / 15.0));
    EXPECT_NE(menu->height(), height);
}
