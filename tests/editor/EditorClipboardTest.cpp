#include <gtest/gtest.h>

#include "core/Errors.h"
#include "editor/EditorClipboard.h"
#include "editor/TextEditing.h"

using namespace porkane;

namespace {

LabelDocument twoLabels()
{
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.LabelCount = 2;
    return LabelDocument::fromTemplate(sheet);
}

void typeColoured(LabelDocument &document, int label, const QString &text, RgbValue rgb)
{
    InputFormat format;
    format.textColour = rgb;
    const QString &current = document.LabelText(label);
    applyTextChange(document, label, {int(current.size()), 0, text}, format);
}

RgbValue colourAt(const LabelDocument &document, int label, int position)
{
    return document.CharAttr(label, position)[TextColourSlot].toInt32();
}

} // namespace

TEST(EditorClipboard, CopiedTextKeepsItsFormatInAnotherLabel)
{
    LabelDocument document = twoLabels();
    typeColoured(document, 1, QStringLiteral("A"), 0x0000FF);
    typeColoured(document, 1, QStringLiteral("B"), 0xFF0000);
    typeColoured(document, 2, QStringLiteral("xy"), 0);

    EditorClipboard clipboard;
    clipboard.copy(document, 1, 0, 2);
    EXPECT_EQ(clipboard.paste(document, 2, 1), 3);
    EXPECT_EQ(document.LabelText(2), QStringLiteral("xABy"));
    EXPECT_EQ(colourAt(document, 2, 2), 0x0000FF);
    EXPECT_EQ(colourAt(document, 2, 3), 0xFF0000);
    EXPECT_EQ(colourAt(document, 2, 4), 0);
    EXPECT_EQ(document.LabelText(1), QStringLiteral("AB")); // copying changed nothing
}

TEST(EditorClipboard, CutOfTheWholeTextAndPasteBringItBack)
{
    LabelDocument document = twoLabels();
    typeColoured(document, 1, QStringLiteral("1\r\n2"), 77);
    EditorClipboard clipboard;
    EXPECT_EQ(clipboard.cut(document, 1, 0, 4), 0);
    EXPECT_TRUE(document.LabelText(1).isEmpty());
    EXPECT_TRUE(document.CharAttr(1, 1)[TextColourSlot].isEmpty());
    clipboard.paste(document, 1, 0);
    EXPECT_EQ(document.LabelText(1), QStringLiteral("1\r\n2"));
    EXPECT_EQ(document.CharAttr(1, 2)[TextColourSlot], Variant("LF"));
    EXPECT_EQ(document.CharAttr(1, 3)[TextColourSlot], Variant("CR"));
    EXPECT_EQ(colourAt(document, 1, 4), 77);
}

TEST(EditorClipboard, ARangeThatSplitsALineBreakTakesItWhole)
{
    LabelDocument document = twoLabels();
    typeColoured(document, 1, QStringLiteral("A\r\nB"), 5);
    EditorClipboard clipboard;
    clipboard.cut(document, 1, 2, 2); // from between CR and LF to the end
    EXPECT_EQ(clipboard.text(), QStringLiteral("\r\nB"));
    EXPECT_EQ(document.LabelText(1), QStringLiteral("A"));
}

TEST(EditorClipboard, AnEmptyClipboardOrAnOverlongPasteChangesNothing)
{
    LabelDocument document = twoLabels();
    typeColoured(document, 1, QString(200, QLatin1Char('x')), 1);
    EditorClipboard clipboard;
    EXPECT_TRUE(clipboard.isEmpty());
    EXPECT_EQ(clipboard.paste(document, 1, 3), 3);
    EXPECT_EQ(document.LabelText(1).size(), 200);

    clipboard.copy(document, 1, 0, 2);
    EXPECT_THROW(clipboard.paste(document, 1, 0), DocumentError);
    EXPECT_EQ(document.LabelText(1), QString(200, QLatin1Char('x')));
}
