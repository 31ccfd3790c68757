// The toolbar's "印刷" and "書式設定" buttons open the print panel and the
// format-settings dialog on the editor's own values and take back what the
// user changes there.

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "EditorFixture.h"
#include "widgets/PictureButton.h"
#include "core/FileIO.h"
#include "editor/EditorSettingsFile.h"
#include "format/ui/FormatSettingsDialog.h"
#include "print/ui/PrintPanel.h"

using namespace porkane;
using namespace porkane::test;

namespace {

class EditorDialogsTest : public EditorTest {
protected:
    FormatSettingsDialog *formatDialog()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("Form1") && window->isVisible())
                return qobject_cast<FormatSettingsDialog *>(window);
        return nullptr;
    }
};

} // namespace

TEST_F(EditorDialogsTest, ThePrintButtonShowsThePanelWhoseOptionsGoToTheSettingsFile)
{
    EditorWindow &window = openSheet(twentyLabels());
    clickButton(EditorWindow::PrintButton);
    PrintPanel *panel = window.printPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->parentWidget(), &window);

    QLineEdit *left = panel->findChild<QLineEdit *>(QStringLiteral("offsetLeftField"));
    ASSERT_NE(left, nullptr);
    left->selectAll();
    QTest::keyClicks(left, QStringLiteral("1.5"));
    QTest::keyClick(left, Qt::Key_Return);
    panel->findChild<QCheckBox *>(QStringLiteral("overflowOption"))->click();
    EXPECT_EQ(window.settings().printOffsetLeft, 15);
    EXPECT_EQ(window.settings().forcePrintOverrun, 1);

    // Shown again, the panel starts from what the editor holds.
    panel->closePanel();
    clickButton(EditorWindow::PrintButton);
    EXPECT_EQ(window.printPanel(), panel);
    EXPECT_EQ(panel->options(), (PrintOptions{15, 0, true}));

    window.close();
    const EditorSettings saved = loadEditorSettings(folder.path());
    EXPECT_EQ(saved.printOffsetLeft, 15);
    EXPECT_EQ(saved.forcePrintOverrun, 1);
}

TEST_F(EditorDialogsTest, ThePrintButtonsMenuSavesAPdfWithoutAPrinter)
{
    EditorWindow &window = openSheet(twentyLabels());
    QTest::keyClicks(textBox(), QStringLiteral("ABC"));
    auto *menu = window.findChild<QMenu *>(QStringLiteral("mnuPrint"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions().at(1)->text(), QStringLiteral("PDFに保存..."));
    EXPECT_EQ(toolButton(EditorWindow::PrintButton)->contextMenuPolicy(), Qt::CustomContextMenu);

    const QString pdf = folder.file(QStringLiteral("sheet.pdf"));
    prompts.chooseFile(pdf);
    menu->actions().at(1)->trigger();
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << prompts.messages().join(u'|').toStdString();
    EXPECT_TRUE(written.read(5).startsWith("%PDF-"));
    EXPECT_TRUE(prompts.allAnswersUsed());
    // The document is not touched by it.
    EXPECT_TRUE(window.isModified());
}

TEST_F(EditorDialogsTest, TheFormatButtonEditsTheInputFormatWithTheEditorDisabled)
{
    EditorWindow &window = openSheet(twentyLabels());
    InputFormat before = window.inputFormat();
    before.italic = true;
    window.setInputFormat(before);

    clickButton(EditorWindow::FormatSettingsButton);
    FormatSettingsDialog *dialog = formatDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(state.FormatForEditor, 1);
    EXPECT_FALSE(window.isEnabled());

    // Only the strike-out box is ticked; "設定" applies and closes.
    dialog->findChild<QCheckBox *>(QStringLiteral("Check4"))->setChecked(true);
    clickButton(dialog->findChild<PictureButton *>(QStringLiteral("Picture2_0")));
    EXPECT_EQ(formatDialog(), nullptr);
    EXPECT_TRUE(window.isEnabled());
    const InputFormat after = window.inputFormat();
    EXPECT_TRUE(after.strikeOut);
    EXPECT_TRUE(after.italic);
    EXPECT_FALSE(after.bold);
    EXPECT_FALSE(after.underline);
    EXPECT_EQ(state.FormatForEditor, 0);
}
