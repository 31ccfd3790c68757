#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include "session/AppState.h"
#include "session/Messages.h"
#include "session/WindowHub.h"
#include "widgets/NumberField.h"
#include "widgets/PictureButton.h"
#include "sheet/TemplateFile.h"
#include "sheet/ui/TemplateDesignerWindow.h"
#include "sheet/ui/TemplatePreview.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const QString CloseQuestion = QStringLiteral("データが編集されています。\rこのまま終了しますか？");

// Records what the designer asks of the other windows.
struct RecordingHub : WindowHub {
    bool openDesigner() override { return true; }
    void closeDesignerForEditor() override {}
    bool openEditor() override
    {
        ++editorOpened;
        return editorOpens;
    }
    void enableEditor() override { ++editorEnabled; }
    void showMainMenu() override { ++mainMenuShown; }
    void openFormatSettings() override {}
    bool closeWindowsForExit() override { return true; }
    void quit() override {}

    bool editorOpens = false;
    int editorOpened = 0;
    int editorEnabled = 0;
    int mainMenuShown = 0;
};

class DesignerTest : public ::testing::Test {
protected:
    DesignerTest() : state(folder.path())
    {
        state.prompts = &prompts;
        state.windows = &hub;
    }
    ~DesignerTest() override
    {
        if (designer) {
            designer->closeForEditor();
            delete designer;
        }
    }

    TemplateDesignerWindow &open(qint16 openMode)
    {
        state.OpenMode = openMode;
        designer = new TemplateDesignerWindow(state);
        EXPECT_TRUE(designer->start());
        designer->show();
        return *designer;
    }

    template <typename T = QWidget>
    T *control(const QString &name)
    {
        T *found = designer->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    NumberField *field(int item) { return control<NumberField>(QStringLiteral("geometryField%1").arg(item)); }
    NumberField *sheetWidth() { return control<NumberField>(QStringLiteral("sheetWidth")); }
    NumberField *sheetHeight() { return control<NumberField>(QStringLiteral("sheetHeight")); }
    QListWidget *labelList() { return control<QListWidget>(QStringLiteral("labelList")); }
    QLineEdit *nameField() { return control<QLineEdit>(QStringLiteral("formName")); }

    QStringList listEntries()
    {
        QStringList entries;
        for (int row = 0; row < labelList()->count(); ++row)
            entries.append(labelList()->item(row)->text());
        return entries;
    }
    SheetTemplate::Geometry shownValues()
    {
        SheetTemplate::Geometry values{};
        for (int item = 0; item < SheetTemplate::GeometryItems; ++item)
            values[std::size_t(item)] = qint16(field(item)->value());
        return values;
    }
    void type(QSpinBox *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void click(const QString &button)
    {
        auto *picture = control<PictureButton>(button);
        QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(10, 10));
    }
    // Sets the current label's six values through its fields.
    void setValues(const SheetTemplate::Geometry &values)
    {
        for (int item : {2, 3, 0, 1, 4, 5})
            field(item)->setValue(values[std::size_t(item)]);
    }
    QString saveTemplateAs(const SheetTemplate &sheet, const QString &name)
    {
        const QString path = folder.file(name);
        saveTemplateFile(path, sheet);
        return path;
    }

    TempFolder folder;
    ScriptedPrompts prompts;
    RecordingHub hub;
    AppState state;
    TemplateDesignerWindow *designer = nullptr;
};

SheetTemplate fiveLabelSheet()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 5;
    for (int label = 1; label <= 5; ++label)
        sheet.LabelGeometry[std::size_t(label)] = {qint16(label * 10), qint16(label), 30, 20, qint16(label % 3), 2};
    return sheet;
}

} // namespace

// --- Opening ------------------------------------------------------------------

TEST_F(DesignerTest, ANewTemplateStartsAsNewForm100By100WithOneLabel)
{
    state.settings.designerZoom = 3;
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    EXPECT_EQ(window.objectName(), QStringLiteral("Form3"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("フォームの設定"));
    EXPECT_EQ(nameField()->text(), QStringLiteral("NewForm"));
    EXPECT_EQ(sheetWidth()->value(), 100);
    EXPECT_EQ(sheetHeight()->value(), 100);
    EXPECT_EQ(listEntries(), QStringList{QStringLiteral(" ①")});
    EXPECT_EQ(shownValues(), (SheetTemplate::Geometry{0, 0, 20, 20, 0, 0}));
    EXPECT_FALSE(control<PictureButton>(QStringLiteral("deleteLabelButton"))->isEnabled());
    EXPECT_EQ(control<PictureButton>(QStringLiteral("toolButton1"))->caption(), QStringLiteral("開    く"));
    EXPECT_EQ(window.zoom(), 3);
    EXPECT_FALSE(window.isModified());
    EXPECT_EQ(state.ModalMode, ModalNone);
}

TEST_F(DesignerTest, OpeningCreatesAndMarksBusyUntilStarted)
{
    state.OpenMode = OpenNewTemplate;
    designer = new TemplateDesignerWindow(state);
    EXPECT_EQ(state.ModalMode, ModalBusy);
    designer->start();
    EXPECT_EQ(state.ModalMode, ModalNone);
}

TEST_F(DesignerTest, ATemplateFileFillsTheFields)
{
    state.DocumentPath = saveTemplateAs(fiveLabelSheet(), QStringLiteral("address.fom"));
    TemplateDesignerWindow &window = open(OpenExistingFile);
    EXPECT_EQ(nameField()->text(), QStringLiteral("address.fom"));
    EXPECT_EQ(sheetWidth()->value(), 210);
    EXPECT_EQ(sheetHeight()->value(), 297);
    EXPECT_EQ(window.labelCount(), 5);
    EXPECT_EQ(listEntries(), (QStringList{" ①", " ②", " ③", " ④", " ⑤"}));
    for (int label = 1; label <= 5; ++label)
        EXPECT_EQ(window.workingGeometry(label), fiveLabelSheet().LabelGeometry[std::size_t(label)]) << label;
    EXPECT_EQ(window.currentLabel(), 5); // the last label added stays current
    EXPECT_EQ(shownValues(), fiveLabelSheet().LabelGeometry[5]);
    EXPECT_TRUE(control<PictureButton>(QStringLiteral("deleteLabelButton"))->isEnabled());
    EXPECT_FALSE(window.isModified()); // loading is not editing
}

TEST_F(DesignerTest, ABrokenTemplateFileIsRefusedWithoutShowingAnything)
{
    state.DocumentPath = folder.file(QStringLiteral("short.fom"));
    writeBytes(state.DocumentPath, crlf({" 100 ", " 100 ", " 3 ", " 0  0  20  20  0  0 ", " 0  0  20  20  0  0 "}));
    state.OpenMode = OpenExistingFile;
    designer = new TemplateDesignerWindow(state);
    EXPECT_FALSE(designer->start());
    // The form file's message, naming the file and the reason.
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].startsWith(BrokenFileMessage(DocumentKind::Template, state.DocumentPath) +
                                                 QStringLiteral("\r理由：")));
    EXPECT_EQ(prompts.last().icon, PromptIcon::Critical);
    EXPECT_EQ(state.ModalMode, ModalNone);
    EXPECT_EQ(state.OpenMode, 0);

    prompts.clear();
    state.DocumentPath = folder.file(QStringLiteral("missing.fom"));
    state.OpenMode = OpenExistingFile;
    TemplateDesignerWindow missing(state);
    EXPECT_FALSE(missing.start());
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].startsWith(BrokenFileMessage(DocumentKind::Template, state.DocumentPath)));
}

// --- Labels -----------------------------------------------------------------------

TEST_F(DesignerTest, NineteenAddsGiveTwentyLabelsAndTheNextAddChangesNothing)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    for (int i = 0; i < 19; ++i)
        click(QStringLiteral("addLabelButton"));
    QStringList expected;
    for (int label = 1; label <= 20; ++label)
        expected.append(QLatin1Char(' ') + circledNumber(label));
    EXPECT_EQ(listEntries(), expected);
    EXPECT_EQ(expected.back(), QStringLiteral(" ⑳"));
    EXPECT_EQ(labelList()->currentRow(), 19);
    EXPECT_EQ(shownValues(), (SheetTemplate::Geometry{0, 0, 20, 20, 0, 0}));
    EXPECT_EQ(window.labelRectangle(20)->fillColour(), LabelRectangle::CurrentColour);

    click(QStringLiteral("addLabelButton"));
    EXPECT_EQ(window.labelCount(), 20);
    EXPECT_EQ(listEntries(), expected);
    EXPECT_EQ(window.labelRectangle(21), nullptr);
}

TEST_F(DesignerTest, DeletingLabel3OfFiveMovesTheLaterLabelsDown)
{
    state.DocumentPath = saveTemplateAs(fiveLabelSheet(), QStringLiteral("five.fom"));
    TemplateDesignerWindow &window = open(OpenExistingFile);
    const SheetTemplate sheet = fiveLabelSheet();
    labelList()->setCurrentRow(2);
    ASSERT_EQ(window.currentLabel(), 3);

    click(QStringLiteral("deleteLabelButton"));
    EXPECT_EQ(window.labelCount(), 4);
    // The rebuilt list has no leading spaces; label ① is selected.
    EXPECT_EQ(listEntries(), (QStringList{"①", "②", "③", "④"}));
    EXPECT_EQ(labelList()->currentRow(), 0);
    EXPECT_EQ(shownValues(), sheet.LabelGeometry[1]);
    // The old ④ is now ③, where ④ was.
    LabelRectangle *third = window.labelRectangle(3);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->number(), QStringLiteral("③"));
    EXPECT_EQ(third->objectName(), QStringLiteral("labelRect3"));
    EXPECT_EQ(third->pos(), QPoint(qRound(4 * 20 / 15.0), qRound(40 * 20 / 15.0)));
    EXPECT_EQ(window.labelRectangle(4)->number(), QStringLiteral("④"));
    EXPECT_EQ(window.labelRectangle(5), nullptr);
}

TEST_F(DesignerTest, Label1CannotBeDeletedAndTheLastDeleteDisablesTheButton)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    click(QStringLiteral("addLabelButton"));
    labelList()->setCurrentRow(0);
    window.deleteLabel();
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("ラベル①は、削除できません")});
    EXPECT_EQ(prompts.last().icon, PromptIcon::Exclamation);
    EXPECT_EQ(window.labelCount(), 2);

    labelList()->setCurrentRow(1);
    click(QStringLiteral("deleteLabelButton"));
    EXPECT_EQ(window.labelCount(), 1);
    EXPECT_FALSE(control<PictureButton>(QStringLiteral("deleteLabelButton"))->isEnabled());
}

TEST_F(DesignerTest, SelectingALabelShowsItsValuesAndColoursItsRectangle)
{
    state.DocumentPath = saveTemplateAs(fiveLabelSheet(), QStringLiteral("five.fom"));
    TemplateDesignerWindow &window = open(OpenExistingFile);
    labelList()->setCurrentRow(1);
    EXPECT_EQ(shownValues(), fiveLabelSheet().LabelGeometry[2]);
    EXPECT_EQ(window.labelRectangle(2)->fillColour(), QColor(192, 255, 192));
    EXPECT_EQ(window.labelRectangle(5)->fillColour(), QColor(255, 223, 192));
    EXPECT_EQ(window.labelRectangle(1)->fillColour(), QColor(255, 223, 192));
    EXPECT_FALSE(window.isModified()); // looking is not editing
}

// --- Fields and their bounds ----------------------------------------------------------

TEST_F(DesignerTest, TypedValuesAreHeldToTheirBounds)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    type(field(LeftOffset), QStringLiteral("-5"));
    EXPECT_EQ(field(LeftOffset)->value(), 0);
    EXPECT_EQ(field(LeftOffset)->text(), QStringLiteral("0"));

    type(sheetWidth(), QStringLiteral("1200"));
    EXPECT_EQ(sheetWidth()->value(), 1000);
    EXPECT_EQ(field(LeftOffset)->spinnerMaximum(), 1000);
    EXPECT_EQ(field(LabelWidth)->spinnerMaximum(), 1000);

    type(field(TopOffset), QStringLiteral("150")); // the sheet is 100 mm high
    EXPECT_EQ(field(TopOffset)->value(), 100);
    EXPECT_EQ(window.workingGeometry(1)[TopOffset], 100);

    type(sheetHeight(), QStringLiteral("-3"));
    EXPECT_EQ(sheetHeight()->value(), 0);
    EXPECT_EQ(field(TopOffset)->spinnerMaximum(), 0);
    EXPECT_EQ(window.draft().sheetHeight(), 0);
}

TEST_F(DesignerTest, PrintStartsAreBoundByTheLabelsSize)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    type(field(VerticalPrintStart), QStringLiteral("30"));
    EXPECT_EQ(field(VerticalPrintStart)->value(), 20);
    type(field(LabelHeight), QStringLiteral("40"));
    EXPECT_EQ(field(VerticalPrintStart)->spinnerMaximum(), 40);
    type(field(VerticalPrintStart), QStringLiteral("30"));
    EXPECT_EQ(window.workingGeometry(1)[VerticalPrintStart], 30);

    type(field(LabelWidth), QStringLiteral("12"));
    EXPECT_EQ(field(HorizontalPrintStart)->spinnerMaximum(), 12);
    field(HorizontalPrintStart)->setValue(10);
    field(HorizontalPrintStart)->stepBy(5); // the arrows stop at the bound
    EXPECT_EQ(field(HorizontalPrintStart)->value(), 12);
    field(HorizontalPrintStart)->stepBy(-20);
    EXPECT_EQ(field(HorizontalPrintStart)->value(), 0);
}

TEST_F(DesignerTest, ThePreviewFollowsTheValuesAndTheZoom)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    ASSERT_EQ(window.zoom(), 2);
    auto *sheet = control<QWidget>(QStringLiteral("sheetPicture"));
    // 1 mm is 10 twips times the zoom; 15 twips a pixel.
    EXPECT_EQ(sheet->size(), QSize(qRound(100 * 20 / 15.0), qRound(100 * 20 / 15.0)));
    type(field(LeftOffset), QStringLiteral("30"));
    type(field(LabelWidth), QStringLiteral("45"));
    EXPECT_EQ(window.labelRectangle(1)->geometry(), QRect(40, 0, 60, qRound(20 * 20 / 15.0)));

    control<QSpinBox>(QStringLiteral("zoom"))->setValue(6);
    EXPECT_EQ(sheet->size(), QSize(400, 400));
    EXPECT_EQ(window.labelRectangle(1)->geometry(), QRect(120, 0, 180, 80));
    EXPECT_EQ(control<QSpinBox>(QStringLiteral("zoom"))->maximum(), 10);
    EXPECT_EQ(control<QSpinBox>(QStringLiteral("zoom"))->minimum(), 1);
}

// --- Dragging in the preview -------------------------------------------------------------

TEST_F(DesignerTest, DraggingALabel15mmDownAtZoom2)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    type(field(TopOffset), QStringLiteral("10"));
    window.setProperty("modifiedBefore", window.isModified());
    LabelRectangle *rectangle = window.labelRectangle(1);
    auto *info = control<QWidget>(QStringLiteral("dragInfo"));
    auto *left = control<QLabel>(QStringLiteral("dragInfoLeft"));
    auto *top = control<QLabel>(QStringLiteral("dragInfoTop"));
    auto *frame = control<QWidget>(QStringLiteral("dragFrame"));

    QTest::mousePress(rectangle, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_TRUE(info->isVisible());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(left->text(), QStringLiteral("横端から0"));
    EXPECT_EQ(top->text(), QStringLiteral("縦端から10"));

    // 300 twips at zoom 2 are 15 mm; at 15 twips a pixel that is 20 pixels.
    QTest::mouseMove(rectangle, QPoint(4, 24));
    EXPECT_EQ(top->text(), QStringLiteral("縦端から 25"));
    EXPECT_EQ(left->text(), QStringLiteral("横端から 0"));
    EXPECT_EQ(frame->pos(), rectangle->pos() + QPoint(0, 20));
    EXPECT_EQ(field(TopOffset)->value(), 10); // nothing is written while dragging

    QTest::mouseRelease(rectangle, Qt::LeftButton, {}, QPoint(4, 24));
    EXPECT_FALSE(info->isVisible());
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(field(TopOffset)->value(), 25);
    EXPECT_EQ(window.workingGeometry(1)[TopOffset], 25);
    EXPECT_EQ(window.workingGeometry(1)[LeftOffset], 0);
    EXPECT_EQ(rectangle->pos(), QPoint(0, qRound(25 * 20 / 15.0)));
}

TEST_F(DesignerTest, PressingALabelMakesItCurrentAndDraggingOffTheSheetCorrectsTheFields)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    click(QStringLiteral("addLabelButton"));
    type(field(TopOffset), QStringLiteral("30"));
    LabelRectangle *second = window.labelRectangle(2);
    labelList()->setCurrentRow(0);
    QTest::mousePress(second, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(window.currentLabel(), 2);
    EXPECT_EQ(labelList()->currentRow(), 1);
    EXPECT_EQ(second->fillColour(), LabelRectangle::CurrentColour);
    EXPECT_EQ(window.labelRectangle(1)->fillColour(), LabelRectangle::OtherColour);
    QTest::mouseMove(second, QPoint(-80, 400));
    QTest::mouseRelease(second, Qt::LeftButton, {}, QPoint(-80, 400));
    EXPECT_EQ(field(LeftOffset)->value(), 0);
    EXPECT_EQ(field(TopOffset)->value(), 100);
    EXPECT_EQ(second->pos(), QPoint(0, qRound(100 * 20 / 15.0)));
}

TEST_F(DesignerTest, ClosingWhileDraggingEndsTheDrag)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    LabelRectangle *rectangle = window.labelRectangle(1);
    QTest::mousePress(rectangle, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseMove(rectangle, QPoint(2, 42));
    prompts.answerNo();
    window.close();
    // The drop counted as an edit, so closing asks; the frame is gone.
    EXPECT_EQ(prompts.last().text, CloseQuestion);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(control<QWidget>(QStringLiteral("dragFrame"))->isVisible());
    EXPECT_EQ(field(TopOffset)->value(), 30);
}

// --- Saving ----------------------------------------------------------------------------------

TEST_F(DesignerTest, SavingWithoutANameAsksForOne)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    nameField()->clear();
    click(QStringLiteral("toolButton2"));
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.last().text, QStringLiteral("フォーム名を入力してください。"));
    EXPECT_EQ(prompts.last().icon, PromptIcon::Exclamation);
    EXPECT_EQ(window.focusWidget(), nameField());
}

TEST_F(DesignerTest, SavingProposesTheNameAndWritesTheTemplate)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    click(QStringLiteral("addLabelButton"));
    type(field(LabelWidth), QStringLiteral("45"));
    const QString path = folder.file(QStringLiteral("NewForm.fom"));
    prompts.chooseFile(path);
    click(QStringLiteral("toolButton2"));

    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.last().kind, AskedPrompt::SaveFile);
    EXPECT_EQ(prompts.last().text, TemplateFileFilter);
    EXPECT_EQ(prompts.last().proposedName, QStringLiteral("NewForm"));
    const SheetTemplate saved = loadTemplateFile(path, SheetTemplate{});
    EXPECT_EQ(saved.SheetWidth, 100);
    EXPECT_EQ(saved.LabelCount, 2);
    EXPECT_EQ(saved.LabelGeometry[2], (SheetTemplate::Geometry{0, 0, 45, 20, 0, 0}));
    EXPECT_EQ(readBytes(path).count('\n'), 5);
    EXPECT_FALSE(window.isModified());
    EXPECT_EQ(state.DocumentPath, QStringLiteral("NewForm"));
}

TEST_F(DesignerTest, TemplateFilesOpenedAndSavedJoinTheDesktopsRecentFiles)
{
    state.DocumentPath = saveTemplateAs(fiveLabelSheet(), QStringLiteral("recent-five.fom"));
    open(OpenExistingFile);
    EXPECT_TRUE(inRecentFiles(state.DocumentPath));

    const QString other = saveTemplateAs(fiveLabelSheet(), QStringLiteral("recent-other.fom"));
    prompts.chooseFile(other);
    click(QStringLiteral("toolButton1"));
    EXPECT_TRUE(inRecentFiles(other));

    type(field(LabelWidth), QStringLiteral("45"));
    const QString failed = folder.file(QStringLiteral("no-such-folder/recent.fom"));
    prompts.chooseFile(failed);
    click(QStringLiteral("toolButton2"));
    EXPECT_FALSE(inRecentFiles(failed));
    const QString saved = folder.file(QStringLiteral("recent-saved.fom"));
    prompts.chooseFile(saved);
    click(QStringLiteral("toolButton2"));
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_TRUE(inRecentFiles(saved));
}

TEST_F(DesignerTest, OverwritingAsksAndNoKeepsTheFile)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    const QString path = folder.file(QStringLiteral("old.fom"));
    writeBytes(path, "earlier");
    type(sheetWidth(), QStringLiteral("90"));

    prompts.chooseFile(path).answerNo();
    click(QStringLiteral("toolButton2"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("ファイルを上書きしますか？"));
    EXPECT_EQ(prompts.last().icon, PromptIcon::Question);
    EXPECT_EQ(prompts.last().preselect, Preselect::No);
    EXPECT_EQ(readBytes(path), QByteArray("earlier"));
    EXPECT_TRUE(window.isModified());

    prompts.chooseFile(path).answerYes();
    click(QStringLiteral("toolButton2"));
    EXPECT_EQ(loadTemplateFile(path, SheetTemplate{}).SheetWidth, 90);
    EXPECT_FALSE(window.isModified());
}

TEST_F(DesignerTest, ACancelledOrFailedSaveKeepsTheChanges)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    click(QStringLiteral("addLabelButton"));
    prompts.cancelDialog();
    click(QStringLiteral("toolButton2"));
    EXPECT_TRUE(window.isModified());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());

    const QString unwritable = folder.file(QStringLiteral("no-such-folder/a.fom"));
    prompts.chooseFile(unwritable);
    click(QStringLiteral("toolButton2"));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages().front().startsWith(SaveFailedMessage()));
    EXPECT_EQ(prompts.last().icon, PromptIcon::Critical);
    EXPECT_TRUE(window.isModified());
}

// --- Closing -----------------------------------------------------------------------------------

TEST_F(DesignerTest, ClosingUnchangedAsksNothingAndStoresThePlace)
{
    state.settings.designerZoom = 2;
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    window.setGeometry(30, 20, 900, 640);
    control<QSpinBox>(QStringLiteral("zoom"))->setValue(4);
    click(QStringLiteral("toolButton3"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_EQ(state.settings.designer, (WindowPlace{450, 300, 13500, 9600}));
    EXPECT_EQ(state.settings.designerZoom, 4);
    EXPECT_EQ(hub.mainMenuShown, 1);
    EXPECT_EQ(state.OpenMode, 0);
    EXPECT_EQ(state.ModalMode, ModalNone);
}

TEST_F(DesignerTest, ClosingWithChangesAsksAndNoKeepsItOpen)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    type(field(LabelHeight), QStringLiteral("33"));
    prompts.answerNo();
    click(QStringLiteral("toolButton6")); // the window button closes too
    EXPECT_EQ(prompts.last().text, CloseQuestion);
    EXPECT_EQ(prompts.last().icon, PromptIcon::Question);
    EXPECT_EQ(prompts.last().preselect, Preselect::No);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.workingGeometry(1)[LabelHeight], 33);
    EXPECT_EQ(hub.mainMenuShown, 0);

    prompts.answerYes();
    click(QStringLiteral("toolButton3"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(hub.mainMenuShown, 1);
}

// --- Button 1 by open mode ------------------------------------------------------------------

TEST_F(DesignerTest, ForANewTemplateButton1HandsTheTemplateToTheEditor)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    click(QStringLiteral("addLabelButton"));
    type(field(TopOffset), QStringLiteral("40"));
    nameField()->clear(); // the name is not needed here
    click(QStringLiteral("toolButton1"));
    EXPECT_EQ(hub.editorOpened, 1);
    EXPECT_EQ(state.designerTemplate.LabelCount, 2);
    EXPECT_EQ(state.designerTemplate.SheetWidth, 100);
    EXPECT_EQ(state.designerTemplate.LabelGeometry[2], (SheetTemplate::Geometry{40, 0, 20, 20, 0, 0}));
    EXPECT_TRUE(prompts.asked().empty());
    // The editor did not open: the designer stays as it was.
    EXPECT_EQ(state.ModalMode, ModalNone);
    EXPECT_TRUE(window.isVisible());

    hub.editorOpens = true;
    click(QStringLiteral("toolButton1"));
    EXPECT_EQ(state.ModalMode, ModalBusy); // the editor's first activation is pending
}

TEST_F(DesignerTest, ForATemplateFileButton1OpensAnother)
{
    state.DocumentPath = saveTemplateAs(fiveLabelSheet(), QStringLiteral("five.fom"));
    TemplateDesignerWindow &window = open(OpenExistingFile);
    SheetTemplate other = SheetTemplate::newTemplate();
    other.SheetWidth = 120;
    other.LabelCount = 2;
    other.LabelGeometry[2] = {5, 6, 7, 8, 1, 2};
    const QString otherPath = saveTemplateAs(other, QStringLiteral("other.fom"));
    const QString brokenPath = folder.file(QStringLiteral("broken.fom"));
    writeBytes(brokenPath, "100\r\nabc\r\n");

    prompts.cancelDialog();
    click(QStringLiteral("toolButton1"));
    EXPECT_EQ(prompts.last().text, TemplateFileFilter);
    EXPECT_EQ(window.labelCount(), 5);
    EXPECT_EQ(state.ModalMode, ModalNone);

    prompts.chooseFile(brokenPath);
    click(QStringLiteral("toolButton1"));
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].startsWith(BrokenFileMessage(DocumentKind::Template, brokenPath)));
    EXPECT_EQ(window.labelCount(), 5);
    EXPECT_EQ(nameField()->text(), QStringLiteral("five.fom"));

    prompts.chooseFile(otherPath);
    click(QStringLiteral("toolButton1"));
    EXPECT_EQ(window.labelCount(), 2);
    EXPECT_EQ(listEntries(), (QStringList{" ①", " ②"}));
    EXPECT_EQ(window.labelRectangle(3), nullptr);
    EXPECT_EQ(sheetWidth()->value(), 120);
    EXPECT_EQ(nameField()->text(), QStringLiteral("other.fom"));
    EXPECT_EQ(window.workingGeometry(2), other.LabelGeometry[2]);
    EXPECT_EQ(state.DocumentPath, otherPath);
    EXPECT_EQ(state.OpenMode, OpenExistingFile);
    EXPECT_EQ(state.ModalMode, ModalNone);
    EXPECT_FALSE(window.isModified());
}

TEST_F(DesignerTest, OpeningAnotherFileOverChangesAsksFirst)
{
    state.DocumentPath = saveTemplateAs(fiveLabelSheet(), QStringLiteral("five.fom"));
    TemplateDesignerWindow &window = open(OpenExistingFile);
    click(QStringLiteral("addLabelButton"));
    prompts.answerNo();
    click(QStringLiteral("toolButton1"));
    ASSERT_EQ(prompts.asked().size(), 1u); // no file dialog after No
    EXPECT_EQ(prompts.last().preselect, Preselect::No);
    EXPECT_EQ(window.labelCount(), 6);
}

TEST_F(DesignerTest, FromTheEditorOKCommitsToTheDocument)
{
    SheetTemplate sheet = fiveLabelSheet();
    state.document = LabelDocument::fromTemplate(sheet);
    state.DesignerFromEditor = true;
    state.ModalMode = ModalBusy;
    state.DocumentPath = QStringLiteral("/tmp/work.fhl");
    TemplateDesignerWindow &window = open(OpenFromTemplate);
    EXPECT_EQ(control<PictureButton>(QStringLiteral("toolButton1"))->caption(), QStringLiteral("Ｏ   Ｋ"));
    EXPECT_EQ(window.labelCount(), 5);
    EXPECT_EQ(sheetWidth()->value(), 210);
    auto *deleteButton = control<PictureButton>(QStringLiteral("deleteLabelButton"));
    EXPECT_FALSE(deleteButton->isEnabled());
    click(QStringLiteral("addLabelButton"));
    EXPECT_FALSE(deleteButton->isEnabled()); // the labels keep their texts: none is deleted here
    type(field(LabelWidth), QStringLiteral("50"));

    // Saving the template as a file does not change the document.
    prompts.chooseFile(folder.file(QStringLiteral("copy.fom")));
    nameField()->setText(QStringLiteral("copy"));
    click(QStringLiteral("toolButton2"));
    EXPECT_EQ(state.document.sheet().LabelCount, 5);
    EXPECT_EQ(state.DocumentPath, QStringLiteral("/tmp/work.fhl"));

    type(field(LabelHeight), QStringLiteral("25"));
    click(QStringLiteral("toolButton1"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(state.document.sheet().LabelCount, 6);
    EXPECT_EQ(state.document.sheet().LabelGeometry[6], (SheetTemplate::Geometry{0, 0, 50, 25, 0, 0}));
    EXPECT_TRUE(state.ReRenderAll);
    EXPECT_EQ(hub.editorEnabled, 1);
    EXPECT_EQ(hub.mainMenuShown, 0);
    EXPECT_FALSE(state.DesignerFromEditor);
    EXPECT_EQ(state.ModalMode, ModalNone);
    EXPECT_EQ(prompts.messages(), QStringList{}); // OK is not asked about
}

TEST_F(DesignerTest, FromTheEditorClosingLeavesTheDocumentAlone)
{
    state.document = LabelDocument::fromTemplate(fiveLabelSheet());
    state.DesignerFromEditor = true;
    TemplateDesignerWindow &window = open(OpenFromTemplate);
    type(sheetWidth(), QStringLiteral("150"));
    prompts.answerYes();
    window.close();
    EXPECT_EQ(state.document.sheet(), fiveLabelSheet());
    EXPECT_FALSE(state.ReRenderAll);
    EXPECT_EQ(hub.editorEnabled, 1);
}
