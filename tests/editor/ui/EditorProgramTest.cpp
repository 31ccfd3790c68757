// The editor among the program's windows: opened from the main menu and the
// designer, the designer opened from it, and the way back to the menu.

#include <QLineEdit>
#include <QPlainTextEdit>

#include "EditorFixture.h"
#include "app/MainMenuWindow.h"
#include "widgets/NumberField.h"
#include "app/ProgramWindows.h"
#include "document/LabelFile.h"
#include "sheet/TemplateFile.h"
#include "sheet/ui/TemplateDesignerWindow.h"

using namespace porkane;
using namespace porkane::test;

namespace {

class EditorProgramTest : public ::testing::Test {
protected:
    EditorProgramTest() : state(folder.path()), windows(state, [this] { ++quitCalls; })
    {
        state.prompts = &prompts;
        state.windows = &windows;
        state.TwipsPerPixelX = 15;
        state.TwipsPerPixelY = 15;
    }
    ~EditorProgramTest() override { EXPECT_TRUE(prompts.allAnswersUsed()); }

    QString labelFile()
    {
        LabelDocument document = LabelDocument::fromTemplate(twentyLabels());
        document.setLabelText(5, QStringLiteral("五"));
        const QString path = folder.file(QStringLiteral("sheet.fhl"));
        saveLabelFile(document, path);
        return path;
    }
    void click(PictureButton *button)
    {
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    }
    // Lets windows closed with WA_DeleteOnClose go.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TempFolder folder;
    ScriptedPrompts prompts;
    int quitCalls = 0;
    AppState state;
    ProgramWindows windows;
};

} // namespace

TEST_F(EditorProgramTest, TheMainMenuOpensALabelFileInTheEditorAndComesBackWhenItCloses)
{
    MainMenuWindow *menu = windows.startMainMenu();
    prompts.chooseFile(labelFile());
    click(menu->button(2));
    EditorWindow *editor = windows.editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(state.document.labelCount(), 20);
    EXPECT_EQ(state.document.LabelText(5), QStringLiteral("五"));

    click(editor->toolButton(EditorWindow::CloseButton));
    settle();
    EXPECT_EQ(windows.editor(), nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_EQ(state.document.labelCount(), 0);
}

TEST_F(EditorProgramTest, LeavingTheProgramAsksAboutTheEditorsUnsavedWork)
{
    MainMenuWindow *menu = windows.startMainMenu();
    prompts.chooseFile(labelFile());
    click(menu->button(2));
    ASSERT_NE(windows.editor(), nullptr);
    QTest::keyClicks(windows.editor()->findChild<QPlainTextEdit *>(QStringLiteral("Text14")), QStringLiteral("x"));

    prompts.answerNo();
    EXPECT_FALSE(menu->close());
    EXPECT_EQ(quitCalls, 0);
    EXPECT_TRUE(windows.editor()->isVisible());

    prompts.answerYes();
    EXPECT_TRUE(menu->close());
    EXPECT_EQ(quitCalls, 1);
}

TEST_F(EditorProgramTest, ANewTemplateGoesFromTheDesignerIntoTheEditor)
{
    state.OpenMode = OpenNewTemplate;
    ASSERT_TRUE(windows.openDesigner());
    TemplateDesignerWindow *designer = windows.designer();
    ASSERT_NE(designer, nullptr);
    click(designer->findChild<PictureButton *>(QStringLiteral("toolButton1")));
    settle();
    EXPECT_EQ(windows.designer(), nullptr);
    ASSERT_NE(windows.editor(), nullptr);
    EXPECT_EQ(state.document.sheet(), SheetTemplate::newTemplate());
    EXPECT_EQ(state.ModalMode, ModalNone);
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(EditorProgramTest, TheDesignerOpenedFromTheEditorChangesTheTemplateAndGivesTheEditorBack)
{
    state.designerTemplate = twentyLabels();
    state.OpenMode = OpenNewTemplate;
    ASSERT_TRUE(windows.openEditor());
    EditorWindow *editor = windows.editor();
    click(editor->toolButton(EditorWindow::TemplateButton));
    TemplateDesignerWindow *designer = windows.designer();
    ASSERT_NE(designer, nullptr);
    EXPECT_FALSE(editor->isEnabled());
    EXPECT_EQ(designer->labelCount(), 20);

    designer->selectLabel(1);
    designer->findChild<NumberField *>(QStringLiteral("geometryField2"))->setValue(50);
    click(designer->findChild<PictureButton *>(QStringLiteral("toolButton1"))); // "Ｏ   Ｋ"
    settle();
    EXPECT_EQ(windows.designer(), nullptr);
    EXPECT_TRUE(editor->isEnabled());
    EXPECT_EQ(state.ModalMode, ModalNone);
    EXPECT_FALSE(state.ReRenderAll);
    EXPECT_EQ(editor->labelCanvases().canvas(1).width(), 189); // 50 mm
    EXPECT_TRUE(editor->isModified());

    prompts.answerYes();
    EXPECT_TRUE(editor->close());
}

TEST_F(EditorProgramTest, TheDesignerFromTheEditorShowsTheNameOfTheDocumentsTemplate)
{
    const auto designerName = [this] {
        EditorWindow *editor = windows.editor();
        click(editor->toolButton(EditorWindow::TemplateButton));
        TemplateDesignerWindow *designer = windows.designer();
        const QString name = designer ? designer->findChild<QLineEdit *>(QStringLiteral("formName"))->text() : QString();
        if (designer)
            designer->close();
        settle();
        return name;
    };
    MainMenuWindow *menu = windows.startMainMenu();

    // A new document on a template file: that file's name, as the designer
    // shows it when it opens the file itself.
    saveTemplateFile(folder.file(QStringLiteral("card.fom")), twentyLabels());
    prompts.chooseFile(folder.file(QStringLiteral("card.fom")));
    click(menu->button(3));
    ASSERT_NE(windows.editor(), nullptr);
    EXPECT_EQ(designerName(), QStringLiteral("card.fom"));
    click(windows.editor()->toolButton(EditorWindow::CloseButton));
    settle();

    // A label file does not record its template: its own name stands in.
    prompts.chooseFile(labelFile());
    click(menu->button(2));
    ASSERT_NE(windows.editor(), nullptr);
    EXPECT_EQ(designerName(), QStringLiteral("sheet"));
    click(windows.editor()->toolButton(EditorWindow::CloseButton));
    settle();

    // A template named in the designer keeps its name.
    click(menu->button(1));
    TemplateDesignerWindow *designer = windows.designer();
    ASSERT_NE(designer, nullptr);
    designer->findChild<QLineEdit *>(QStringLiteral("formName"))->setText(QStringLiteral("宛名ラベル"));
    click(designer->findChild<PictureButton *>(QStringLiteral("toolButton1")));
    settle();
    ASSERT_NE(windows.editor(), nullptr);
    EXPECT_EQ(designerName(), QStringLiteral("宛名ラベル"));
    click(windows.editor()->toolButton(EditorWindow::CloseButton));
    settle();
}
