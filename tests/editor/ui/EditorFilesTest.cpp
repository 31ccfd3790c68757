// The editor's file commands without the window: what opening by OpenMode
// remembers and refuses, saving under a chosen name with its questions, and
// a dropped file replacing the document only after the unsaved-work question.

#include <QFile>
#include <gtest/gtest.h>

#include "session/AppState.h"
#include "session/WindowHub.h"
#include "document/LabelFile.h"
#include "editor/EditorSession.h"
#include "editor/TextEditing.h"
#include "editor/ui/EditorFiles.h"
#include "sheet/TemplateFile.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

struct CountingHub : WindowHub {
    bool openDesigner() override { return true; }
    void closeDesignerForEditor() override {}
    bool openEditor() override { return true; }
    void enableEditor() override {}
    void showMainMenu() override { ++mainMenuShown; }
    void openFormatSettings() override {}
    bool closeWindowsForExit() override { return true; }
    void quit() override {}
    int mainMenuShown = 0;
};

SheetTemplate twoLabels()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 100;
    sheet.SheetHeight = 50;
    sheet.LabelCount = 2;
    sheet.LabelGeometry[1] = {5, 5, 20, 30, 0, 0};
    sheet.LabelGeometry[2] = {5, 40, 20, 30, 0, 0};
    return sheet;
}

class EditorFilesTest : public ::testing::Test {
protected:
    EditorFilesTest() : state(folder.path()), session(state.document, [] { return false; }, 15, 15), files(state, session)
    {
        state.prompts = &prompts;
        state.windows = &hub;
    }
    QString written(const QString &name, const QByteArray &bytes)
    {
        const QString path = folder.file(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    void typeInLabelOne(const QString &text)
    {
        session.takeUndoCopy();
        session.typed(text, int(text.size()), {});
    }

    TempFolder folder;
    AppState state;
    ScriptedPrompts prompts;
    CountingHub hub;
    EditorSession session;
    EditorFiles files;
};

} // namespace

TEST_F(EditorFilesTest, OpeningRemembersTheTemplateNameByWhereTheDocumentCameFrom)
{
    const QString templatePath = folder.file(QStringLiteral("宛名12面.fom"));
    saveTemplateFile(templatePath, twoLabels());
    state.OpenMode = OpenFromTemplate;
    state.DocumentPath = templatePath;
    ASSERT_TRUE(files.open());
    EXPECT_EQ(state.DocumentTemplateName, QStringLiteral("宛名12面.fom"));
    EXPECT_EQ(state.document.labelCount(), 2);

    // A label file keeps no template name: its own name stands in, without .fhl.
    const QString labelPath = folder.file(QStringLiteral("年賀状.fhl"));
    saveLabelFile(LabelDocument::fromTemplate(twoLabels()), labelPath);
    EditorSession other(state.document, [] { return false; }, 15, 15);
    EditorFiles otherFiles(state, other);
    state.OpenMode = OpenExistingFile;
    state.DocumentPath = labelPath;
    ASSERT_TRUE(otherFiles.open());
    EXPECT_EQ(state.DocumentTemplateName, QStringLiteral("年賀状"));
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(EditorFilesTest, ARefusedLabelFileIsNamedAsOneAndBringsTheMainMenuBack)
{
    state.OpenMode = OpenExistingFile;
    state.DocumentPath = written(QStringLiteral("壊れた.fhl"), QByteArray("not an archive at all"));
    state.ModalMode = ModalBusy;
    EXPECT_FALSE(files.open());
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_TRUE(prompts.last().text.startsWith(QStringLiteral("ラベルファイルを")));
    EXPECT_TRUE(prompts.last().text.contains(QStringLiteral("壊れた.fhl")));
    EXPECT_EQ(hub.mainMenuShown, 1);
    EXPECT_EQ(state.ModalMode, ModalNone);
    EXPECT_FALSE(session.isOpen());
}

TEST_F(EditorFilesTest, SavingAsksBeforeReplacingAFileAndKeepsTheNameChosen)
{
    state.OpenMode = OpenNewTemplate;
    state.designerTemplate = twoLabels();
    ASSERT_TRUE(files.open());
    typeInLabelOne(QStringLiteral("ABC"));

    const QString target = written(QStringLiteral("sheet.fhl"), QByteArray("earlier"));
    prompts.chooseFile(target).answerNo();
    files.save();
    EXPECT_TRUE(session.isModified());
    QFile earlier(target);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("earlier"));

    prompts.chooseFile(target).answerYes();
    files.save();
    EXPECT_FALSE(session.isModified());
    EXPECT_EQ(state.DocumentPath, target);
    EXPECT_EQ(openLabelFile(target).LabelText(1), QStringLiteral("ABC"));
    EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(EditorFilesTest, ADroppedFileReplacesUnsavedWorkOnlyWhenTheUserSaysSo)
{
    state.OpenMode = OpenNewTemplate;
    state.designerTemplate = twoLabels();
    ASSERT_TRUE(files.open());
    typeInLabelOne(QStringLiteral("unsaved"));
    const QString templatePath = folder.file(QStringLiteral("other.fom"));
    SheetTemplate other = twoLabels();
    other.SheetWidth = 120;
    saveTemplateFile(templatePath, other);

    prompts.answerNo();
    EXPECT_FALSE(files.openDropped(templatePath));
    EXPECT_EQ(state.document.LabelText(1), QStringLiteral("unsaved"));

    // A damaged file leaves the document as it was, after the question.
    const QString damaged = written(QStringLiteral("damaged.fom"), QByteArray("1,2\r\n"));
    prompts.answerYes();
    EXPECT_FALSE(files.openDropped(damaged));
    EXPECT_EQ(state.document.LabelText(1), QStringLiteral("unsaved"));
    EXPECT_TRUE(prompts.last().text.contains(QStringLiteral("damaged.fom")));

    prompts.answerYes();
    EXPECT_TRUE(files.openDropped(templatePath));
    EXPECT_EQ(state.document.sheet().SheetWidth, 120);
    EXPECT_EQ(state.OpenMode, OpenFromTemplate);
    EXPECT_EQ(state.DocumentTemplateName, QStringLiteral("other.fom"));
}
