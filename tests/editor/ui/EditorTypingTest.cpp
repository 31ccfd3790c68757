// Typing into the text box with the keyboard and an input method, the
// records every character gets, undo and redo, and the editor's clipboard.

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStackedWidget>

#include "EditorFixture.h"
#include "editor/ApplyFormat.h"
#include "editor/ui/EditorTextBox.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const Variant Red = Variant(qint32(rgbValue(255, 0, 0)));
const Variant Blue = Variant(qint32(rgbValue(0, 0, 255)));

class EditorTypingTest : public EditorTest {
protected:
    QString status() { return control<QLabel>(QStringLiteral("statusLine"))->text(); }
    QWidget *shownPanel() { return control<QStackedWidget>(QStringLiteral("formatPanels"))->currentWidget(); }
    int inkIn(int label)
    {
        const QImage &canvas = editor->labelCanvases().canvas(label);
        int ink = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                ink += canvas.pixel(x, y) != qRgb(255, 255, 255);
        return ink;
    }
    QMenu *popup() { return control<QMenu>(QStringLiteral("mnuPopup")); }
    void rightClickBox()
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), textBox()->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(textBox()->viewport(), &event);
    }
    QAction *popupItem(const QString &text)
    {
        for (QAction *action : popup()->actions())
            if (action->text() == text)
                return action;
        ADD_FAILURE() << "no item " << text.toStdString();
        return nullptr;
    }
};

} // namespace

// --- Records of typed characters ------------------------------------------------------------------

TEST_F(EditorTypingTest, AThenEnterThenBGivesFourRecordsWithTheLineBreakMarkers)
{
    EditorWindow &window = openSheet(rowOfLabels(2));
    EXPECT_EQ(inkIn(1), 0);
    type(QStringLiteral("A"));
    EXPECT_EQ(labelText(), QStringLiteral("A"));
    EXPECT_EQ(slot0(1), Variant(qint32(0)));
    EXPECT_EQ(record(1)[CharHeightSlot], Variant(20.0));
    EXPECT_TRUE(record(0)[TextColourSlot].isEmpty());
    EXPECT_TRUE(window.isModified());
    EXPECT_GT(inkIn(1), 0); // the label was drawn again

    key(Qt::Key_Return);
    EXPECT_EQ(labelText(), QStringLiteral("A\r\n"));
    EXPECT_EQ(slot0(2), Variant("LF"));
    EXPECT_EQ(slot0(3), Variant("CR"));
    EXPECT_EQ(record(3)[CharHeightSlot], Variant(20.0));
    type(QStringLiteral("B"));
    EXPECT_EQ(labelText(), QStringLiteral("A\r\nB"));
    EXPECT_EQ(slot0(4), Variant(qint32(0)));
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("A\nB"));
}

TEST_F(EditorTypingTest, BackspaceAndDeleteRemoveALineBreakWithBothItsRecords)
{
    openSheet(rowOfLabels(1));
    pickColour(QStringLiteral("inputTextColour"), rgbValue(255, 0, 0));
    type(QStringLiteral("A"));
    key(Qt::Key_Return);
    // Backspace right after the break: "A" with its own record.
    key(Qt::Key_Backspace);
    EXPECT_EQ(labelText(), QStringLiteral("A"));
    EXPECT_EQ(slot0(1), Red);
    EXPECT_TRUE(slot0(2).isEmpty());
    EXPECT_TRUE(slot0(3).isEmpty());

    // Delete in front of a break.
    key(Qt::Key_Return);
    type(QStringLiteral("B"));
    selectBox(1, 1);
    key(Qt::Key_Delete);
    EXPECT_EQ(labelText(), QStringLiteral("AB"));
    EXPECT_EQ(slot0(2), Red);
    EXPECT_TRUE(slot0(3).isEmpty());

    // Backspace at the start changes nothing.
    selectBox(0, 0);
    key(Qt::Key_Backspace);
    EXPECT_EQ(labelText(), QStringLiteral("AB"));
    EXPECT_EQ(slot0(1), Red);
}

TEST_F(EditorTypingTest, AnInputMethodCommitGivesEveryCharacterItsRecord)
{
    openSheet(rowOfLabels(1));
    type(QStringLiteral("A"));
    pickColour(QStringLiteral("inputTextColour"), rgbValue(0, 0, 255));

    // Composing shows in the box but is no text yet.
    QInputMethodEvent composing(QStringLiteral("にほんご"), {});
    QCoreApplication::sendEvent(textBox(), &composing);
    EXPECT_EQ(labelText(), QStringLiteral("A"));

    commit(QStringLiteral("日本語"));
    EXPECT_EQ(labelText(), QStringLiteral("A日本語"));
    EXPECT_EQ(slot0(1), Variant(qint32(0)));
    for (int position = 2; position <= 4; ++position)
        EXPECT_EQ(slot0(position), Blue) << position;
    EXPECT_TRUE(slot0(5).isEmpty());
    EXPECT_EQ(textBox()->textCursor().position(), 4);
}

TEST_F(EditorTypingTest, TextPastedWithTheBoxsOwnKeysGivesEveryCharacterItsRecord)
{
    openSheet(rowOfLabels(1));
    QGuiApplication::clipboard()->setText(QStringLiteral("X\nY\"Z"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(labelText(), QStringLiteral("X\r\nY＂Z"));
    EXPECT_EQ(slot0(2), Variant("LF"));
    EXPECT_EQ(slot0(3), Variant("CR"));
    for (int position : {1, 4, 5, 6})
        EXPECT_EQ(slot0(position), Variant(qint32(0))) << position;
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("X\nY＂Z"));
}

TEST_F(EditorTypingTest, TypingOverASelectionReplacesTheRecordsOfTheReplacedCharacters)
{
    openSheet(rowOfLabels(1));
    type(QStringLiteral("ABCD"));
    pickColour(QStringLiteral("inputTextColour"), rgbValue(255, 0, 0));
    selectBox(1, 3);
    type(QStringLiteral("X"));
    EXPECT_EQ(labelText(), QStringLiteral("AXD"));
    EXPECT_EQ(slot0(1), Variant(qint32(0)));
    EXPECT_EQ(slot0(2), Red);
    EXPECT_EQ(slot0(3), Variant(qint32(0)));
    EXPECT_TRUE(slot0(4).isEmpty());
}

TEST_F(EditorTypingTest, CharactersTheFilesCannotHoldAreRefusedWithAMessage)
{
    openSheet(rowOfLabels(1));
    type(QStringLiteral("A"));
    commit(QStringLiteral("B😀"));
    EXPECT_EQ(labelText(), QStringLiteral("A"));
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("A"));
    EXPECT_TRUE(status().contains(QStringLiteral("😀"))) << status().toStdString();
    EXPECT_EQ(textBox()->textCursor().position(), 1);
    // The next accepted change clears the message.
    type(QStringLiteral("C"));
    EXPECT_EQ(labelText(), QStringLiteral("AC"));
    EXPECT_TRUE(status().isEmpty());
}

TEST_F(EditorTypingTest, ADoubleQuoteEntersAsTheFullWidthOne)
{
    openSheet(rowOfLabels(1));
    type(QStringLiteral("a\"b"));
    EXPECT_EQ(labelText(), QStringLiteral("a＂b"));
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("a＂b"));
    commit(QStringLiteral("\"c"));
    EXPECT_EQ(labelText(), QStringLiteral("a＂b＂c"));
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("a＂b＂c"));
    EXPECT_EQ(textBox()->textCursor().position(), 5);
    EXPECT_FALSE(slot0(5).isEmpty());
}

// --- The panel switch and the pop-up menu ---------------------------------------------------------------

TEST_F(EditorTypingTest, SelectingTextShowsTheChangePanelAndCollapsingShowsTheInputPanel)
{
    openSheet(rowOfLabels(1));
    type(QStringLiteral("ABC"));
    EXPECT_EQ(shownPanel()->objectName(), QStringLiteral("inputFormatPanel"));
    key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(shownPanel()->objectName(), QStringLiteral("changeFormatPanel"));
    EXPECT_EQ(static_cast<QGroupBox *>(shownPanel())->title(), QStringLiteral("書式変更"));
    for (int index : {6, 7, 13})
        EXPECT_TRUE(toolButton(index)->isEnabled()) << index;
    key(Qt::Key_Right);
    EXPECT_EQ(shownPanel()->objectName(), QStringLiteral("inputFormatPanel"));
    for (int index : {6, 7, 13})
        EXPECT_FALSE(toolButton(index)->isEnabled()) << index;
}

TEST_F(EditorTypingTest, ARightClickShowsOnlyTheEditorsMenuWhoseItemsRunTheCommands)
{
    openSheet(rowOfLabels(2));
    type(QStringLiteral("AB"));
    selectBox(0, 2);
    rightClickBox();
    EXPECT_TRUE(popup()->isVisible());
    QStringList items;
    for (QAction *action : popup()->actions())
        items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items, (QStringList{QStringLiteral("元に戻す"), QStringLiteral("やり直す"), QStringLiteral("-"),
                                  QStringLiteral("貼り付け"), QStringLiteral("コピー"), QStringLiteral("カット"),
                                  QStringLiteral("属性コピー")}));
    EXPECT_FALSE(popupItem(QStringLiteral("貼り付け"))->isEnabled());
    popupItem(QStringLiteral("コピー"))->trigger();
    popup()->hide();
    EXPECT_TRUE(toolButton(EditorWindow::PasteButton)->isEnabled());
    // Only the editor's menus (text, picture, print button): no other menu was opened on the box.
    EXPECT_EQ(editor->findChildren<QMenu *>().size(), 3);

    selectBox(2, 2);
    rightClickBox();
    EXPECT_FALSE(popupItem(QStringLiteral("コピー"))->isEnabled());
    popupItem(QStringLiteral("貼り付け"))->trigger();
    popup()->hide();
    EXPECT_EQ(labelText(), QStringLiteral("ABAB"));
}

// --- Undo and redo ----------------------------------------------------------------------------------------

TEST_F(EditorTypingTest, UndoRemovesTheLastCharacterAndRedoPutsItBackOnce)
{
    openSheet(rowOfLabels(1));
    type(QStringLiteral("AB"));
    EXPECT_TRUE(toolButton(EditorWindow::UndoButton)->isEnabled());
    clickButton(EditorWindow::UndoButton);
    EXPECT_EQ(labelText(), QStringLiteral("A"));
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("A"));
    EXPECT_TRUE(slot0(2).isEmpty());
    EXPECT_TRUE(toolButton(EditorWindow::RedoButton)->isEnabled());

    clickButton(EditorWindow::RedoButton);
    EXPECT_EQ(labelText(), QStringLiteral("AB"));
    EXPECT_FALSE(slot0(2).isEmpty());
    EXPECT_FALSE(toolButton(EditorWindow::RedoButton)->isEnabled());
}

TEST_F(EditorTypingTest, CtrlZAndCtrlYAreTheEditorsUndoAndRedo)
{
    openSheet(rowOfLabels(1));
    type(QStringLiteral("AB"));
    // Ctrl pressed on its own takes no undo copy.
    QTest::keyPress(textBox(), Qt::Key_Control);
    QTest::keyRelease(textBox(), Qt::Key_Control);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(labelText(), QStringLiteral("A"));
    EXPECT_TRUE(slot0(2).isEmpty());
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(labelText(), QStringLiteral("AB"));
    EXPECT_FALSE(slot0(2).isEmpty());
}

TEST_F(EditorTypingTest, UndoAfterSwitchingLabelsRestoresAndShowsItsOwnLabel)
{
    EditorWindow &window = openSheet(rowOfLabels(2));
    type(QStringLiteral("AB"));
    window.selectLabel(2);
    clickButton(EditorWindow::UndoButton);
    EXPECT_EQ(window.currentLabel(), 1);
    EXPECT_EQ(document().LabelText(1), QStringLiteral("A"));
    EXPECT_TRUE(document().LabelText(2).isEmpty());
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("A"));
}

// --- The editor's clipboard -----------------------------------------------------------------------------

TEST_F(EditorTypingTest, CuttingTheWholeTextAndPastingItBackRestoresTextAndRecords)
{
    openSheet(rowOfLabels(1));
    pickColour(QStringLiteral("inputTextColour"), rgbValue(255, 0, 0));
    type(QStringLiteral("A"));
    key(Qt::Key_Return);
    type(QStringLiteral("B"));
    textBox()->selectAll();
    clickButton(EditorWindow::CutButton);
    EXPECT_TRUE(labelText().isEmpty());
    EXPECT_TRUE(textBox()->toPlainText().isEmpty());
    EXPECT_TRUE(slot0(1).isEmpty());

    clickButton(EditorWindow::PasteButton);
    EXPECT_EQ(labelText(), QStringLiteral("A\r\nB"));
    EXPECT_EQ(slot0(1), Red);
    EXPECT_EQ(slot0(2), Variant("LF"));
    EXPECT_EQ(slot0(3), Variant("CR"));
    EXPECT_EQ(slot0(4), Red);

    // Undo takes the paste back.
    clickButton(EditorWindow::UndoButton);
    EXPECT_TRUE(labelText().isEmpty());
}


// --- The box's own clipboard keys and drags are the editor's ------------------------------------------------

TEST_F(EditorTypingTest, CtrlXAndCtrlVInTheBoxKeepTheRedE)
{
    // The sequence a new user met: the pasted E came back in the input format.
    openSheet(rowOfLabels(1));
    type(QStringLiteral("ABCDE"));
    key(Qt::Key_Left, Qt::ShiftModifier);
    pickColour(QStringLiteral("changeTextColour"), rgbValue(255, 0, 0));
    clickButton(control<PictureButton>(QStringLiteral("apply%1").arg(int(ApplyColour)))); // 文字色設定反映
    ASSERT_EQ(slot0(5), Red);
    selectBox(3, 5);
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(labelText(), QStringLiteral("ABC"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("DE"));
    key(Qt::Key_End, Qt::ControlModifier);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(labelText(), QStringLiteral("ABCDE"));
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("ABCDE"));
    EXPECT_EQ(slot0(4), Variant(qint32(0)));
    EXPECT_EQ(slot0(5), Red);
    EXPECT_EQ(textBox()->textCursor().position(), 5);
    // Undo takes the paste back.
    clickButton(EditorWindow::UndoButton);
    EXPECT_EQ(labelText(), QStringLiteral("ABC"));
}

TEST_F(EditorTypingTest, ShiftDeleteCtrlInsertAndShiftInsertAreTheEditorsCommandsToo)
{
    openSheet(rowOfLabels(2));
    pickColour(QStringLiteral("inputTextColour"), rgbValue(0, 0, 255));
    type(QStringLiteral("AB"));
    selectBox(0, 1);
    key(Qt::Key_Insert, Qt::ControlModifier); // copy
    EXPECT_EQ(labelText(), QStringLiteral("AB"));
    EXPECT_TRUE(toolButton(EditorWindow::PasteButton)->isEnabled());
    selectBox(1, 2);
    key(Qt::Key_Delete, Qt::ShiftModifier); // cut
    EXPECT_EQ(labelText(), QStringLiteral("A"));

    // Into another label, over the input format of now.
    editor->selectLabel(2);
    pickColour(QStringLiteral("inputTextColour"), rgbValue(0, 255, 0));
    key(Qt::Key_Insert, Qt::ShiftModifier); // paste
    EXPECT_EQ(labelText(), QStringLiteral("B"));
    EXPECT_EQ(slot0(1), Blue);

    // The pop-up menu's items do the same.
    textBox()->selectAll();
    rightClickBox();
    popupItem(QStringLiteral("カット"))->trigger();
    popup()->hide();
    EXPECT_TRUE(labelText().isEmpty());
    rightClickBox();
    popupItem(QStringLiteral("貼り付け"))->trigger();
    popup()->hide();
    EXPECT_EQ(slot0(1), Blue);
}

TEST_F(EditorTypingTest, TextAnotherProgramCopiedLaterEntersInTheInputFormat)
{
    openSheet(rowOfLabels(1));
    pickColour(QStringLiteral("inputTextColour"), rgbValue(255, 0, 0));
    type(QStringLiteral("A"));
    textBox()->selectAll();
    clickButton(EditorWindow::CopyButton);
    // Another program takes the clipboard.
    QGuiApplication::clipboard()->setText(QStringLiteral("xy"));
    pickColour(QStringLiteral("inputTextColour"), rgbValue(0, 0, 255));
    selectBox(1, 1);
    clickButton(EditorWindow::PasteButton);
    EXPECT_EQ(labelText(), QStringLiteral("Axy"));
    EXPECT_EQ(slot0(2), Blue);
    EXPECT_EQ(slot0(3), Blue);
}

TEST_F(EditorTypingTest, TextDraggedWithinTheBoxMovesOrCopiesWithItsRecords)
{
    openSheet(rowOfLabels(1));
    pickColour(QStringLiteral("inputTextColour"), rgbValue(255, 0, 0));
    type(QStringLiteral("AB"));
    pickColour(QStringLiteral("inputTextColour"), rgbValue(0, 0, 255));
    type(QStringLiteral("CD"));
    const auto dropAt = [this](int position, Qt::DropAction action) {
        std::unique_ptr<QMimeData> data(static_cast<EditorTextBox *>(textBox())->selectionDragData());
        QTextCursor at = textBox()->textCursor();
        at.setPosition(position);
        const QPointF point = textBox()->cursorRect(at).center();
        QDragEnterEvent enter(point.toPoint(), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(textBox()->viewport(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(point, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        drop.setDropAction(action);
        QCoreApplication::sendEvent(textBox()->viewport(), &drop);
        // The source is told a copy, so that it removes nothing itself.
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    };
    selectBox(0, 2);
    dropAt(4, Qt::MoveAction);
    EXPECT_EQ(labelText(), QStringLiteral("CDAB"));
    EXPECT_EQ(slot0(1), Blue);
    EXPECT_EQ(slot0(3), Red);
    EXPECT_EQ(slot0(4), Red);

    selectBox(2, 3);
    dropAt(0, Qt::CopyAction);
    EXPECT_EQ(labelText(), QStringLiteral("ACDAB"));
    EXPECT_EQ(slot0(1), Red);
    EXPECT_EQ(slot0(2), Blue);
    clickButton(EditorWindow::UndoButton);
    EXPECT_EQ(labelText(), QStringLiteral("CDAB"));
}
