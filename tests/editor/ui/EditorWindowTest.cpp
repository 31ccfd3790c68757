// The editor window's shell: opening by OpenMode, Shiyosiki2.ini, saving,
// closing, the toolbar, the window buttons, the zoom and the scroll bars.

#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

#include "EditorFixture.h"
#include "session/Messages.h"
#include "widgets/BusyPointer.h"
#include "widgets/HelpGuide.h"
#include "session/RecentFiles.h"
#include "core/Rounding.h"
#include "document/LabelFile.h"
#include "document/SaveTarget.h"
#include "print/ui/PrintPanel.h"
#include "editor/EditorSettingsFile.h"
#include "editor/TextEditing.h"
#include "editor/ui/EditorControls.h"
#include "editor/ui/SheetView.h"
#include "sheet/TemplateFile.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const QString CloseQuestion = QStringLiteral("保存せずに終了しますか？");

QStringList membersIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.baf")}, QDir::Files);
}

LabelDocument documentWithText()
{
    LabelDocument document = LabelDocument::fromTemplate(rowOfLabels(3));
    applyTextChange(document, 1, {0, 0, QStringLiteral("宛名\r\nAB")}, InputFormat{});
    applyTextChange(document, 3, {0, 0, QStringLiteral("x")}, InputFormat{});
    document.setLabelRotated(3, 1);
    QImage picture(12, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    document.addImage(picture, {40, 40, 0, 0, 0});
    return document;
}

class EditorWindowTest : public EditorTest {};

} // namespace

// --- Opening ---------------------------------------------------------------------------------------

TEST_F(EditorWindowTest, ANewDocumentOnTheDesignersTemplateTakesOverFromTheDesigner)
{
    state.DefaultFormat.textColour = rgbValue(0, 0, 255);
    BusyPointer::show();
    EditorWindow &window = openSheet(rowOfLabels(3));
    EXPECT_EQ(window.objectName(), QStringLiteral("Form5"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("文字入力"));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(hub.designerClosedForEditor, 1);
    EXPECT_EQ(state.ModalMode, ModalNone);
    EXPECT_FALSE(BusyPointer::shown());
    EXPECT_FALSE(window.isModified());
    EXPECT_EQ(window.currentLabel(), 1);
    EXPECT_EQ(document().labelCount(), 3);
    EXPECT_TRUE(textBox()->toPlainText().isEmpty());
    EXPECT_EQ(window.inputFormat().textColour, rgbValue(0, 0, 255));

    // The sheet view is the sheet at zoom 1: 200 × 100 mm at 15 twips per pixel.
    auto *picture = control<SheetViewPicture>(QStringLiteral("Picture3"));
    EXPECT_EQ(picture->size(), QSize(756, 378));
    EXPECT_EQ(window.sheetImage().view().size(), QSize(756, 378));
    for (int label = 1; label <= 3; ++label)
        EXPECT_FALSE(window.labelCanvases().canvas(label).isNull()) << label;
}

TEST_F(EditorWindowTest, ATemplateFileStartsAnEmptyDocument)
{
    const QString path = folder.file(QStringLiteral("card.fom"));
    saveTemplateFile(path, rowOfLabels(2));
    state.DocumentPath = path;
    state.OpenMode = OpenFromTemplate;
    ASSERT_NE(start(), nullptr);
    EXPECT_EQ(document().sheet(), rowOfLabels(2));
    EXPECT_TRUE(document().LabelText(1).isEmpty());
    EXPECT_EQ(hub.designerClosedForEditor, 0);
}

TEST_F(EditorWindowTest, ALabelFileIsShownWholeAndLeavesNoMemberFileBehind)
{
    EditorWindow &window = openDocument(documentWithText());
    EXPECT_EQ(document().LabelText(1), QStringLiteral("宛名\r\nAB"));
    EXPECT_EQ(document().LabelRotated(3), 1);
    EXPECT_EQ(document().ImageCount(), 1);
    // The box shows a line break as one line end.
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("宛名\nAB"));
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("imageFirst"))->isChecked());
    EXPECT_FALSE(window.isModified());
    EXPECT_TRUE(membersIn(folder.path()).isEmpty());
    EXPECT_TRUE(membersIn(QDir::tempPath()).filter(QStringLiteral("ptextdat")).isEmpty());
}

TEST_F(EditorWindowTest, AnUnreadableFileIsRefusedAndNothingOfItIsShown)
{
    document() = LabelDocument::fromTemplate(rowOfLabels(1)); // what was there before
    const QString broken = folder.file(QStringLiteral("broken.fhl"));
    writeBytes(broken, QByteArray("PK\x03\x04 not really an archive"));
    for (qint16 mode : {OpenExistingFile, OpenFromTemplate}) {
        prompts.clear();
        hub.mainMenuShown = 0;
        state.OpenMode = mode;
        state.DocumentPath = broken;
        BusyPointer::show();
        EXPECT_EQ(start(), nullptr);
        // Named by the kind it was read as, with its name and the reason.
        const DocumentKind kind = mode == OpenExistingFile ? DocumentKind::Label : DocumentKind::Template;
        ASSERT_EQ(prompts.messages().size(), 1u);
        EXPECT_TRUE(prompts.messages()[0].startsWith(BrokenFileMessage(kind, broken) + QStringLiteral("\r理由：")))
            << mode;
        EXPECT_EQ(prompts.last().icon, PromptIcon::Critical);
        EXPECT_EQ(hub.mainMenuShown, 1);
        EXPECT_EQ(state.ModalMode, ModalNone);
        EXPECT_FALSE(BusyPointer::shown());
        EXPECT_EQ(document().sheet(), rowOfLabels(1));
    }
}

TEST_F(EditorWindowTest, ADamagedSettingsFileGivesWayToTheDeliveredValuesAndAMissingOneIsDelivered)
{
    EXPECT_FALSE(QFile::exists(settingsFile()));
    openSheet(rowOfLabels(1));
    EXPECT_EQ(readEditorSettings(readBytes(settingsFile())), EditorSettings{});
    delete editor;
    editor = nullptr;

    // The document opens all the same, after a message naming the file.
    writeBytes(settingsFile(), crlf({" 1 ", " 16777215 "}));
    state.OpenMode = OpenNewTemplate;
    state.designerTemplate = rowOfLabels(3);
    ASSERT_NE(start(), nullptr);
    EXPECT_EQ(prompts.messages(), QStringList{damagedEditorSettingsMessage(settingsFile())});
    EXPECT_EQ(prompts.last().icon, PromptIcon::Exclamation);
    EXPECT_EQ(document().labelCount(), 3);
    EXPECT_EQ(editor->settings(), EditorSettings{});
    EXPECT_EQ(hub.mainMenuShown, 0);
    EXPECT_EQ(hub.designerClosedForEditor, 2);
    // Closing writes the file whole again.
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(readEditorSettings(readBytes(settingsFile())), EditorSettings{});
}

// --- Shiyosiki2.ini ----------------------------------------------------------------------------------

TEST_F(EditorWindowTest, TheEightSettingsSurviveACloseAndAReopen)
{
    EditorWindow &window = openSheet(rowOfLabels(2));
    control<QCheckBox>(QStringLiteral("Check4"))->setChecked(true);
    control<QSpinBox>(QStringLiteral("UpDown20"))->setValue(7);
    pickColour(QStringLiteral("Label19"), rgbValue(250, 240, 230));
    pickColour(QStringLiteral("Label3"), rgbValue(10, 20, 30));
    pickColour(QStringLiteral("Label15"), rgbValue(200, 255, 200));
    window.setPrintOffsets(12, -3);
    window.setForcePrintOverrun(true);
    EXPECT_TRUE(window.close());

    EditorSettings expected;
    expected.gridVisible = 1;
    expected.gridSpacing = 7;
    expected.backgroundColour = rgbValue(250, 240, 230);
    expected.gridColour = rgbValue(10, 20, 30);
    expected.labelColour = rgbValue(200, 255, 200);
    expected.printOffsetLeft = 12;
    expected.printOffsetTop = -3;
    expected.forcePrintOverrun = 1;
    EXPECT_EQ(readEditorSettings(readBytes(settingsFile())), expected);

    delete editor;
    editor = nullptr;
    EditorWindow &again = openSheet(rowOfLabels(2));
    EXPECT_EQ(again.settings(), expected);
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("Check4"))->isChecked());
    EXPECT_EQ(control<QSpinBox>(QStringLiteral("UpDown20"))->value(), 7);
    EXPECT_EQ(control<ColourSwatch>(QStringLiteral("Label15"))->colour(), rgbValue(200, 255, 200));
}

TEST_F(EditorWindowTest, TheGridAndColoursRepaintTheSheet)
{
    EditorWindow &window = openSheet(rowOfLabels(1));
    const QPoint insideLabel(int(35 * 56.7 / 15), int(15 * 56.7 / 15));
    pickColour(QStringLiteral("Label15"), rgbValue(200, 255, 200));
    // Label 1 is current, so white; the background takes its colour at once.
    pickColour(QStringLiteral("Label19"), rgbValue(0, 0, 90));
    EXPECT_EQ(window.sheetImage().PrnPicture().pixel(2, 2), qRgb(0, 0, 90));
    EXPECT_EQ(window.sheetImage().PrnPicture().pixel(insideLabel), qRgb(255, 255, 255));
    control<QCheckBox>(QStringLiteral("Check4"))->setChecked(true);
    pickColour(QStringLiteral("Label3"), rgbValue(255, 0, 0));
    // Label 1 starts at x = 30 mm: its first grid line is on its left edge,
    // the next 5 mm further.
    const int x = int(roundHalfEven(30 * 56.7 / 15 + 19));
    EXPECT_EQ(window.sheetImage().PrnPicture().pixel(x, insideLabel.y()), qRgb(255, 0, 0));
}

// --- Saving ------------------------------------------------------------------------------------------

TEST_F(EditorWindowTest, SavingProposesTheLabelsTextAndGivesTheFileItsExtension)
{
    EditorWindow &window = openSheet(rowOfLabels(2));
    type(QStringLiteral("ABC"));
    key(Qt::Key_Return);
    type(QStringLiteral("123"));
    prompts.chooseFile(folder.file(QStringLiteral("label.old")));
    clickButton(EditorWindow::SaveButton);
    ASSERT_FALSE(prompts.asked().empty());
    EXPECT_EQ(prompts.asked().front().kind, AskedPrompt::SaveFile);
    EXPECT_EQ(prompts.asked().front().text, LabelFileFilter);
    EXPECT_EQ(prompts.asked().front().proposedName, QStringLiteral("ABC123.fhl"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("label.old"))));
    const LabelDocument saved = openLabelFile(folder.file(QStringLiteral("label.fhl")));
    EXPECT_EQ(saved.LabelText(1), QStringLiteral("ABC\r\n123"));
    EXPECT_EQ(saved.CharAttr(1, 4)[TextColourSlot], Variant("LF"));
    EXPECT_FALSE(window.isModified());
    EXPECT_EQ(state.DocumentPath, folder.file(QStringLiteral("label.fhl")));

    // A name without an extension gets one too.
    type(QStringLiteral("4"));
    prompts.chooseFile(folder.file(QStringLiteral("other")));
    clickButton(EditorWindow::SaveButton);
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("other.fhl"))));
    EXPECT_TRUE(membersIn(folder.path()).isEmpty());
}

TEST_F(EditorWindowTest, OverwritingAsksWithNoPreselected)
{
    EditorWindow &window = openSheet(rowOfLabels(1));
    const QString target = folder.file(QStringLiteral("label.fhl"));
    writeBytes(target, "earlier");
    type(QStringLiteral("A"));

    prompts.chooseFile(target).answerNo();
    clickButton(EditorWindow::SaveButton);
    EXPECT_TRUE(prompts.last().text.startsWith(OverwriteQuestion()));
    EXPECT_TRUE(prompts.last().text.contains(QDir::toNativeSeparators(target)));
    EXPECT_EQ(prompts.last().icon, PromptIcon::Question);
    EXPECT_EQ(prompts.last().preselect, Preselect::No);
    EXPECT_EQ(readBytes(target), QByteArray("earlier"));
    EXPECT_TRUE(window.isModified());

    prompts.chooseFile(target).answerYes();
    clickButton(EditorWindow::SaveButton);
    EXPECT_EQ(openLabelFile(target).LabelText(1), QStringLiteral("A"));
    EXPECT_FALSE(window.isModified());
}

TEST_F(EditorWindowTest, ACancelledOrNamelessSaveWritesNothing)
{
    EditorWindow &window = openSheet(rowOfLabels(1));
    type(QStringLiteral("A"));
    prompts.cancelDialog();
    clickButton(EditorWindow::SaveButton);
    EXPECT_EQ(prompts.asked().size(), 1u);
    EXPECT_TRUE(window.isModified());

    prompts.chooseFile(QString());
    clickButton(EditorWindow::SaveButton);
    EXPECT_EQ(prompts.last().text, QStringLiteral("ファイル名を入力してください。"));
    EXPECT_EQ(prompts.last().icon, PromptIcon::Question);
    EXPECT_TRUE(window.isModified());
    EXPECT_TRUE(QDir(folder.path()).entryList({QStringLiteral("*.fhl")}).isEmpty());
}

TEST_F(EditorWindowTest, AFailedSaveSaysSoAndKeepsTheChanges)
{
    EditorWindow &window = openSheet(rowOfLabels(1));
    type(QStringLiteral("A"));
    const QString target = folder.file(QStringLiteral("no-such-folder/label.fhl"));
    prompts.chooseFile(target);
    clickButton(EditorWindow::SaveButton);
    ASSERT_EQ(prompts.asked().size(), 2u);
    // The reason follows on a line of its own.
    EXPECT_TRUE(prompts.last().text.startsWith(SaveFailedMessage() + QLatin1Char('\r') + target + QLatin1Char('\r')));
    EXPECT_EQ(prompts.last().icon, PromptIcon::Critical);
    EXPECT_TRUE(window.isModified());
    EXPECT_FALSE(BusyPointer::shown());
    EXPECT_EQ(labelText(), QStringLiteral("A"));
}

TEST_F(EditorWindowTest, SavingThroughALinkAsksWithTheRealPathAndWritesThere)
{
    EditorWindow &window = openSheet(rowOfLabels(1));
    type(QStringLiteral("A"));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("elsewhere")));
    const QString real = folder.file(QStringLiteral("elsewhere/real.fhl"));
    const QString link = folder.file(QStringLiteral("link.fhl"));
    ASSERT_TRUE(QFile::link(real, link)); // dangling: real.fhl does not exist yet

    prompts.chooseFile(link).answerNo();
    clickButton(EditorWindow::SaveButton);
    EXPECT_EQ(prompts.last().text, overwriteQuestionFor(resolveSaveTarget(link)));
    EXPECT_TRUE(prompts.last().text.contains(QDir::toNativeSeparators(real)));
    EXPECT_FALSE(QFile::exists(real));

    prompts.chooseFile(link).answerYes();
    clickButton(EditorWindow::SaveButton);
    EXPECT_EQ(openLabelFile(real).LabelText(1), QStringLiteral("A"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_FALSE(window.isModified());
}

TEST_F(EditorWindowTest, LabelFilesOpenedAndSavedJoinTheDesktopsRecentFiles)
{
    ASSERT_EQ(RecentFiles::standardListPath(), qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/recently-used.xbel"));
    LabelDocument document = LabelDocument::fromTemplate(rowOfLabels(2));
    document.setLabelText(1, QStringLiteral("recent"));
    EditorWindow &window = openDocument(document);
    EXPECT_TRUE(inRecentFiles(folder.file(QStringLiteral("opened.fhl"))));

    type(QStringLiteral("A"));
    const QString failed = folder.file(QStringLiteral("no-such-folder/recent.fhl"));
    prompts.chooseFile(failed);
    clickButton(EditorWindow::SaveButton);
    EXPECT_TRUE(window.isModified());
    EXPECT_FALSE(inRecentFiles(failed));

    const QString saved = folder.file(QStringLiteral("saved-recently.fhl"));
    prompts.chooseFile(saved);
    clickButton(EditorWindow::SaveButton);
    ASSERT_FALSE(window.isModified());
    EXPECT_TRUE(inRecentFiles(saved));

    // A template file dropped on the editor starts a new document on it.
    const QString sheet = folder.file(QStringLiteral("dropped-recently.fom"));
    saveTemplateFile(sheet, rowOfLabels(3));
    window.openDroppedFile(sheet);
    EXPECT_TRUE(inRecentFiles(sheet));
}

// --- Keys and dropped files ---------------------------------------------------------------------------

TEST_F(EditorWindowTest, CtrlSSavesCtrlPShowsThePrintPanelAndF1OpensTheGuideTypingNothing)
{
    QList<QUrl> opened;
    HelpGuide::use(UserGuide(QStringLiteral("/guide")), [&](const QUrl &url) {
        opened.append(url);
        return true;
    });
    EditorWindow &window = openSheet(rowOfLabels(1));
    type(QStringLiteral("A"));
    prompts.cancelDialog();
    key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.last().kind, AskedPrompt::SaveFile);
    EXPECT_EQ(labelText(), QStringLiteral("A"));

    key(Qt::Key_F1);
    HelpGuide::reset();
    EXPECT_EQ(labelText(), QStringLiteral("A"));
    EXPECT_EQ(prompts.asked().size(), 1u);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front().fragment(), QStringLiteral("editor"));

    key(Qt::Key_P, Qt::ControlModifier);
    ASSERT_NE(window.printPanel(), nullptr);
    EXPECT_TRUE(window.printPanel()->isVisible());
    EXPECT_EQ(labelText(), QStringLiteral("A"));
    window.printPanel()->close();
}

TEST_F(EditorWindowTest, ADroppedFileOpensAfterTheQuestionAboutUnsavedWork)
{
    LabelDocument stored = LabelDocument::fromTemplate(rowOfLabels(3));
    applyTextChange(stored, 1, {0, 0, QStringLiteral("stored")}, {});
    const QString labelPath = folder.file(QStringLiteral("stored.fhl"));
    saveLabelFile(stored, labelPath);
    const QString templatePath = folder.file(QStringLiteral("card.fom"));
    saveTemplateFile(templatePath, rowOfLabels(2));
    const QString broken = folder.file(QStringLiteral("broken.fhl"));
    writeBytes(broken, "not a label file");

    EditorWindow &window = openSheet(rowOfLabels(1));
    type(QStringLiteral("A"));
    const auto drop = [&](const QString &path, QWidget *on) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &dropped);
        QCoreApplication::processEvents(); // opened once the drag is over
    };

    // No keeps the unsaved work.
    prompts.answerNo();
    drop(labelPath, textBox()->viewport());
    EXPECT_EQ(prompts.last().kind, AskedPrompt::Ask);
    EXPECT_EQ(prompts.last().preselect, Preselect::No);
    EXPECT_EQ(labelText(), QStringLiteral("A"));

    // Yes opens the label file, in the box and on the sheet.
    prompts.answerYes();
    drop(labelPath, textBox()->viewport());
    EXPECT_EQ(document().labelCount(), 3);
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("stored"));
    EXPECT_EQ(state.DocumentPath, labelPath);
    EXPECT_EQ(state.OpenMode, OpenExistingFile);
    EXPECT_FALSE(window.isModified());

    // Unchanged, nothing is asked; a broken file is refused by name and
    // the document stays.
    drop(broken, &window);
    ASSERT_EQ(prompts.asked().size(), 3u);
    EXPECT_TRUE(prompts.last().text.startsWith(BrokenFileMessage(DocumentKind::Label, broken)));
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("stored"));

    // A template file starts a new document on it.
    drop(templatePath, &window);
    EXPECT_EQ(document().labelCount(), 2);
    EXPECT_TRUE(labelText().isEmpty());
    EXPECT_EQ(state.OpenMode, OpenFromTemplate);
    EXPECT_EQ(state.DocumentTemplateName, QStringLiteral("card.fom"));
    EXPECT_EQ(prompts.asked().size(), 3u);

    // Anything else is not taken.
    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(folder.file(QStringLiteral("notes.txt")))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(EditorWindowTest, LabelsThatCannotBeDrawnForWantOfMemoryAreToldOnce)
{
    // At one twip a pixel a label of 900 mm is far beyond any picture.
    state.TwipsPerPixelX = 1;
    state.TwipsPerPixelY = 1;
    SheetTemplate sheet;
    sheet.SheetWidth = 1000;
    sheet.SheetHeight = 1000;
    sheet.LabelCount = 1;
    sheet.LabelGeometry[1] = {10, 10, 900, 900, 0, 0};
    openSheet(sheet);
    QCoreApplication::processEvents();
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.last().icon, PromptIcon::Exclamation);
    EXPECT_TRUE(prompts.last().text.startsWith(QStringLiteral("メモリが足りない")));
    type(QStringLiteral("AB"));
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(labelText(), QStringLiteral("AB")); // the document is kept
}

// --- Closing -----------------------------------------------------------------------------------------

TEST_F(EditorWindowTest, ClosingAnUnchangedDocumentAsksNothingAndShowsTheMainMenu)
{
    EditorWindow &window = openDocument(documentWithText());
    window.move(40, 50);
    // Looking at other labels changes nothing.
    window.selectLabel(3);
    window.selectLabel(1);
    clickButton(EditorWindow::CloseButton);
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(hub.mainMenuShown, 1);
    EXPECT_EQ(document().labelCount(), 0);
    EXPECT_EQ(document().ImageCount(), 0);
    EXPECT_TRUE(document().LabelText(1).isEmpty());
    EXPECT_EQ(state.settings.editor.left, 40 * 15);
    EXPECT_EQ(state.settings.editor.top, 50 * 15);
    EXPECT_EQ(state.settings.editor.width, window.width() * 15);
}

TEST_F(EditorWindowTest, ClosingAfterTypingAsksAndNoKeepsTheDocument)
{
    EditorWindow &window = openSheet(rowOfLabels(1));
    type(QStringLiteral("A"));
    prompts.answerNo();
    clickButton(EditorWindow::WindowCloseButton);
    EXPECT_EQ(prompts.last().text, CloseQuestion);
    EXPECT_EQ(prompts.last().icon, PromptIcon::Question);
    EXPECT_EQ(prompts.last().preselect, Preselect::No);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(labelText(), QStringLiteral("A"));
    EXPECT_EQ(hub.mainMenuShown, 0);

    prompts.answerYes();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(hub.mainMenuShown, 1);
    EXPECT_TRUE(document().LabelText(1).isEmpty());
}

// --- Toolbar and window buttons --------------------------------------------------------------------

TEST_F(EditorWindowTest, TheToolbarHasSixteen36PixelButtonsActingUpToX35)
{
    openSheet(rowOfLabels(1));
    auto *toolbar = control<QWidget>(QStringLiteral("Picture7"));
    const QStringList tips = {QStringLiteral("閉じる"), QStringLiteral("保存"), QStringLiteral("印刷"),
                              QStringLiteral("書式設定"), QStringLiteral("テ゜ンプレート設定"),
                              QStringLiteral("切り取り"), QStringLiteral("コピー"), QStringLiteral("貼り付け"),
                              QStringLiteral("画像貼り付け"), QStringLiteral("画像削除"), QStringLiteral("元に戻す"),
                              QStringLiteral("やり直す"), QStringLiteral("文字属性コピー"), QStringLiteral("最小化"),
                              QStringLiteral("最大化"), QStringLiteral("閉じる")};
    for (int index = 1; index <= 16; ++index) {
        PictureButton *button = toolButton(index);
        EXPECT_EQ(button->objectName(), QStringLiteral("toolButton%1").arg(index));
        EXPECT_EQ(button->parentWidget(), toolbar);
        EXPECT_EQ(button->size(), QSize(36, 36)) << index;
        EXPECT_EQ(button->toolTip(), tips[index - 1]) << index;
    }

    // Released at x = 36 the save button does nothing; at x = 35 it runs.
    clickButton(EditorWindow::SaveButton, QPoint(36, 10));
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_EQ(toolButton(EditorWindow::SaveButton)->shown(), PictureButton::Shown::Normal);
    prompts.cancelDialog();
    clickButton(EditorWindow::SaveButton, QPoint(35, 35));
    EXPECT_EQ(prompts.asked().size(), 1u);
}

TEST_F(EditorWindowTest, ButtonsStartEnabledOnlyWhereTheyHaveSomethingToDo)
{
    openSheet(rowOfLabels(1));
    for (int index : {6, 7, 8, 10, 11, 12, 13})
        EXPECT_FALSE(toolButton(index)->isEnabled()) << index;
    for (int index : {1, 2, 3, 4, 5, 9, 14, 15, 16})
        EXPECT_TRUE(toolButton(index)->isEnabled()) << index;
    EXPECT_EQ(toolButton(6)->shown(), PictureButton::Shown::Disabled);
}

TEST_F(EditorWindowTest, MaximiseTwiceReturnsToTheNormalSize)
{
    EditorWindow &window = openSheet(rowOfLabels(1));
    const QRect normal = window.geometry();
    clickButton(EditorWindow::MaximiseButton);
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(toolButton(EditorWindow::MaximiseButton)->toolTip(), QStringLiteral("元のサイズに戻す"));
    clickButton(EditorWindow::MaximiseButton);
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(window.geometry().size(), normal.size());
    EXPECT_EQ(toolButton(EditorWindow::MaximiseButton)->toolTip(), QStringLiteral("最大化"));

    clickButton(EditorWindow::MinimiseButton);
    EXPECT_TRUE(window.isMinimized());
}

TEST_F(EditorWindowTest, TheTemplateButtonHandsTheDocumentToTheDesignerAndReRendersOnReturn)
{
    EditorWindow &window = openSheet(rowOfLabels(2));
    type(QStringLiteral("A"));
    window.selectLabel(2);
    clickButton(EditorWindow::TemplateButton);
    EXPECT_EQ(hub.designerOpened, 1);
    EXPECT_TRUE(state.DesignerFromEditor);
    EXPECT_EQ(state.ModalMode, ModalBusy);
    EXPECT_EQ(state.OpenMode, OpenFromTemplate);
    EXPECT_FALSE(window.isEnabled());

    // The designer commits a narrower label 1 and drops label 2, then closes.
    document().sheet().LabelGeometry[1][LabelWidth] = 15;
    document().sheet().LabelCount = 1;
    state.ReRenderAll = true;
    state.ModalMode = ModalNone;
    state.DesignerFromEditor = false;
    hub.enableEditor();
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(state.ReRenderAll);
    EXPECT_EQ(window.labelCanvases().canvas(1).width(), int(roundHalfEven(15 * 56.7 / 15)));
    EXPECT_TRUE(window.labelCanvases().canvas(2).isNull());
    EXPECT_EQ(window.currentLabel(), 1);
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("A"));
    EXPECT_TRUE(window.isModified());
}

TEST_F(EditorWindowTest, ADesignerThatDoesNotOpenLeavesTheEditorAsItWas)
{
    EditorWindow &window = openSheet(rowOfLabels(1));
    hub.designerOpens = false;
    clickButton(EditorWindow::TemplateButton);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(state.ModalMode, ModalNone);
    EXPECT_FALSE(state.DesignerFromEditor);
}

// --- Zoom and scroll bars ------------------------------------------------------------------------------

TEST_F(EditorWindowTest, TheZoomSpinnerStepsFrom100To150AndTo80)
{
    EditorWindow &window = openSheet(rowOfLabels(1));
    auto *spinner = control<EditorUpDown>(QStringLiteral("UpDown15"));
    auto *field = control<QLineEdit>(QStringLiteral("Text6"));
    auto *picture = control<QWidget>(QStringLiteral("Picture3"));
    EXPECT_EQ(field->text(), QStringLiteral("1"));
    EXPECT_EQ(spinner->value(), 100);

    QTest::mouseClick(spinner->upButton(), Qt::LeftButton);
    EXPECT_EQ(spinner->value(), 150);
    EXPECT_EQ(field->text(), QStringLiteral("1.5"));
    EXPECT_DOUBLE_EQ(window.zoom(), 1.5);
    EXPECT_EQ(picture->width(), 1134);
    QTest::mouseClick(spinner->downButton(), Qt::LeftButton);
    QTest::mouseClick(spinner->downButton(), Qt::LeftButton);
    EXPECT_EQ(spinner->value(), 80);
    EXPECT_EQ(field->text(), QStringLiteral("0.8"));
    QTest::mouseClick(spinner->upButton(), Qt::LeftButton);
    QTest::mouseClick(spinner->upButton(), Qt::LeftButton);
    EXPECT_EQ(spinner->value(), 150);

    // The bounds: 10 % and 300 %.
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(spinner->upButton(), Qt::LeftButton);
    EXPECT_EQ(spinner->value(), 300);
    EXPECT_EQ(field->text(), QStringLiteral("3"));
}

TEST_F(EditorWindowTest, TypingAZoomSizesTheSheetViewAndSetsTheSpinner)
{
    EditorWindow &window = openSheet(rowOfLabels(1));
    auto *field = control<QLineEdit>(QStringLiteral("Text6"));
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(window.zoom(), 2.0);
    EXPECT_EQ(control<EditorUpDown>(QStringLiteral("UpDown15"))->value(), 200);
    EXPECT_EQ(control<QWidget>(QStringLiteral("Picture3"))->size(), QSize(1512, 756));
    EXPECT_EQ(window.sheetImage().view().size(), QSize(1512, 756));

    // Text that is no zoom leaves the zoom as it was; too large a zoom is held to 3.
    field->setText(QStringLiteral("x"));
    EXPECT_DOUBLE_EQ(window.zoom(), 2.0);
    field->setText(QStringLiteral("9"));
    EXPECT_DOUBLE_EQ(window.zoom(), 3.0);
}

TEST_F(EditorWindowTest, ScrollBarsFollowTheViewAndScrollValue7PlacesTheViewAtMinus70)
{
    EditorWindow &window = openSheet(rowOfLabels(1));
    window.resize(1000, 700);
    auto *viewport = window.findChild<SheetViewport *>();
    ASSERT_NE(viewport, nullptr);
    auto *vertical = control<QScrollBar>(QStringLiteral("VScroll1"));
    auto *horizontal = control<QScrollBar>(QStringLiteral("HScroll1"));
    QWidget *port = control<QWidget>(QStringLiteral("Picture1"));
    QWidget *picture = control<QWidget>(QStringLiteral("Picture3"));

    control<QLineEdit>(QStringLiteral("Text6"))->setText(QStringLiteral("3"));
    ASSERT_GT(picture->height(), port->height());
    EXPECT_TRUE(vertical->isEnabled());
    const int maximum = int(roundHalfEven((picture->height() * 15.0 - port->height() * 15.0) / 10));
    EXPECT_EQ(vertical->maximum(), maximum);
    EXPECT_EQ(vertical->singleStep(), int(roundHalfEven(maximum / 20.0)));
    EXPECT_EQ(vertical->pageStep(), int(roundHalfEven(maximum / 5.0)));
    EXPECT_TRUE(horizontal->isEnabled());

    vertical->setValue(7);
    EXPECT_EQ(viewport->viewTopTwips(), -70);
    EXPECT_EQ(picture->y(), -5); // -70 twips at 15 twips per pixel
    horizontal->setValue(30);
    EXPECT_EQ(viewport->viewLeftTwips(), -300);
    EXPECT_EQ(picture->x(), -20);

    // Back at zoom 0.1 the view fits: no scroll bars, the view at 0.
    control<QLineEdit>(QStringLiteral("Text6"))->setText(QStringLiteral("0.1"));
    EXPECT_FALSE(vertical->isEnabled());
    EXPECT_FALSE(horizontal->isEnabled());
    EXPECT_EQ(picture->pos(), QPoint(0, 0));
}

TEST_F(EditorWindowTest, FarDownAnA4SheetAtZoom3TheViewKeepsGoingDown)
{
    EditorWindow &window = openSheet(twentyLabels());
    window.resize(1000, 700);
    control<QLineEdit>(QStringLiteral("Text6"))->setText(QStringLiteral("3"));
    auto *vertical = control<QScrollBar>(QStringLiteral("VScroll1"));
    QWidget *picture = control<QWidget>(QStringLiteral("Picture3"));
    ASSERT_GT(vertical->maximum(), 4000);
    // 40000 twips do not fit 16 bits: the view must not wrap round to below the viewport.
    vertical->setValue(4000);
    EXPECT_EQ(picture->y(), -2667);
    vertical->setValue(vertical->maximum());
    const QWidget *port = control<QWidget>(QStringLiteral("Picture1"));
    EXPECT_NEAR(picture->y() + picture->height(), port->height(), 1); // the sheet's bottom edge in view
}
