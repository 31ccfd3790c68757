#include <gtest/gtest.h>

#include "editor/TextEditing.h"
#include "editor/UndoHistory.h"

using namespace porkane;

namespace {

LabelDocument twoLabels()
{
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.LabelCount = 2;
    return LabelDocument::fromTemplate(sheet);
}

void type(LabelDocument &document, int label, const QString &after, UndoHistory &history)
{
    history.takeUndoCopy(document, label); // every key press takes it first
    applyTextChange(document, label, textChangeBetween(document.LabelText(label), after), {});
}

} // namespace

TEST(UndoHistory, UndoRemovesTheLastTypedCharacterAndRedoPutsItBackOnce)
{
    LabelDocument document = twoLabels();
    UndoHistory history;
    EXPECT_FALSE(history.canUndo());
    type(document, 1, QStringLiteral("A"), history);
    type(document, 1, QStringLiteral("AB"), history);

    EXPECT_EQ(history.undo(document), 1);
    EXPECT_EQ(document.LabelText(1), QStringLiteral("A"));
    EXPECT_TRUE(document.CharAttr(1, 2)[TextColourSlot].isEmpty());
    EXPECT_TRUE(history.canRedo());

    EXPECT_EQ(history.redo(document), 1);
    EXPECT_EQ(document.LabelText(1), QStringLiteral("AB"));
    EXPECT_EQ(document.CharAttr(1, 2)[TextColourSlot], Variant(qint32(0)));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.redo(document), 0);
}

TEST(UndoHistory, ASecondUndoRestoresTheSameStateAndLeavesNothingToRedo)
{
    LabelDocument document = twoLabels();
    UndoHistory history;
    type(document, 1, QStringLiteral("A"), history);
    type(document, 1, QStringLiteral("AB"), history);
    history.undo(document);
    history.undo(document);
    EXPECT_EQ(document.LabelText(1), QStringLiteral("A"));
    history.redo(document);
    EXPECT_EQ(document.LabelText(1), QStringLiteral("A"));
}

TEST(UndoHistory, ANewEditAfterAnUndoLeavesNothingToRedo)
{
    LabelDocument document = twoLabels();
    UndoHistory history;
    type(document, 1, QStringLiteral("A"), history);
    history.undo(document);
    EXPECT_TRUE(history.canRedo());
    type(document, 1, QStringLiteral("XYZ"), history);
    history.discardRedo();
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.redo(document), 0);
    EXPECT_EQ(document.LabelText(1), QStringLiteral("XYZ"));
}

TEST(UndoHistory, AnUndoCopyGoesBackToItsOwnLabel)
{
    LabelDocument document = twoLabels();
    UndoHistory history;
    type(document, 1, QStringLiteral("first"), history);
    type(document, 1, QStringLiteral("first!"), history);
    document.setLabelText(2, QStringLiteral("second")); // the user moved to label 2
    EXPECT_EQ(history.undo(document), 1);
    EXPECT_EQ(document.LabelText(1), QStringLiteral("first"));
    EXPECT_EQ(document.LabelText(2), QStringLiteral("second"));
}
