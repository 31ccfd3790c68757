#include <gtest/gtest.h>

#include "core/Errors.h"
#include "editor/TextEditing.h"

using namespace porkane;

namespace {

LabelDocument oneLabel()
{
    return LabelDocument::fromTemplate(SheetTemplate::newTemplate());
}

InputFormat colour(RgbValue rgb)
{
    InputFormat format;
    format.textColour = rgb;
    return format;
}

// Types `after` over the label's text as a text box would report it.
void typeInto(LabelDocument &document, const QString &after, const InputFormat &format = {})
{
    applyTextChange(document, 1, textChangeBetween(document.LabelText(1), after), format);
}

Variant slot0(const LabelDocument &document, int position) { return document.CharAttr(1, position)[TextColourSlot]; }

} // namespace

TEST(TextEditing, TypingGivesEveryCharacterARecordFromTheInputFormat)
{
    LabelDocument document = oneLabel();
    typeInto(document, QStringLiteral("A"), colour(255));
    EXPECT_EQ(document.LabelText(1), QStringLiteral("A"));
    EXPECT_EQ(slot0(document, 1), Variant(qint32(255)));
    EXPECT_EQ(document.CharAttr(1, 1)[FontWeightSlot], Variant(qint16(400)));
    EXPECT_TRUE(document.CharAttr(1, 1)[CharAlignmentSlot].isEmpty());
    EXPECT_TRUE(document.CharAttr(1, 1)[LineAlignmentSlot].isEmpty());
    EXPECT_TRUE(document.CharAttr(1, 0)[TextColourSlot].isEmpty());

    InputFormat bold = colour(0);
    bold.bold = true;
    bold.boldWeight = 700;
    typeInto(document, QStringLiteral("AB"), bold);
    EXPECT_EQ(document.CharAttr(1, 2)[FontWeightSlot], Variant(700.0));
    EXPECT_EQ(slot0(document, 1), Variant(qint32(255))); // A kept its own record
}

TEST(TextEditing, EnterInsertsALineBreakOfTwoMarkedPositions)
{
    LabelDocument document = oneLabel();
    typeInto(document, QStringLiteral("A"), colour(1));
    typeInto(document, QStringLiteral("A\r\n"), colour(2));
    EXPECT_EQ(slot0(document, 2), Variant("LF"));
    EXPECT_EQ(slot0(document, 3), Variant("CR"));
    EXPECT_EQ(document.CharAttr(1, 3)[CharHeightSlot], Variant(40.0)); // the rest is the input format
    typeInto(document, QStringLiteral("A\r\nB"), colour(3));
    EXPECT_EQ(slot0(document, 4), Variant(qint32(3)));
}

TEST(TextEditing, RemovingALineBreakRemovesBothItsRecords)
{
    LabelDocument document = oneLabel();
    typeInto(document, QStringLiteral("A"), colour(1));
    typeInto(document, QStringLiteral("A\r\n"), colour(2));
    typeInto(document, QStringLiteral("A\r\nB"), colour(3));

    // Backspace right after the break, as the box reports it: "A\nB" -> "AB".
    typeInto(document, QStringLiteral("AB"));
    EXPECT_EQ(document.LabelText(1), QStringLiteral("AB"));
    EXPECT_EQ(slot0(document, 1), Variant(qint32(1)));
    EXPECT_EQ(slot0(document, 2), Variant(qint32(3)));
    EXPECT_TRUE(slot0(document, 3).isEmpty());

    // Delete in front of a break, and a change that would split it.
    typeInto(document, QStringLiteral("A\r\nB"), colour(2));
    EXPECT_EQ(textChangeBetween(QStringLiteral("A\r\nB"), QStringLiteral("A\nB")), (TextChange{1, 2, QStringLiteral("\n")}));
    typeInto(document, QStringLiteral("AB"));
    EXPECT_EQ(slot0(document, 2), Variant(qint32(3)));
}

TEST(TextEditing, SeveralCharactersAtOnceEachGetARecordAndReplaceTheSelection)
{
    LabelDocument document = oneLabel();
    typeInto(document, QStringLiteral("XYZ"), colour(1));
    // An input-method commit of two characters over the selected "Y".
    typeInto(document, QStringLiteral("X日本Z"), colour(2));
    EXPECT_EQ(document.LabelText(1), QStringLiteral("X日本Z"));
    EXPECT_EQ(slot0(document, 1), Variant(qint32(1)));
    EXPECT_EQ(slot0(document, 2), Variant(qint32(2)));
    EXPECT_EQ(slot0(document, 3), Variant(qint32(2)));
    EXPECT_EQ(slot0(document, 4), Variant(qint32(1)));
    // A paste of two lines brings its line break with markers.
    typeInto(document, QStringLiteral("X日本Z") + normalisedInput(QStringLiteral("1\n2")), colour(5));
    EXPECT_EQ(slot0(document, 6), Variant("LF"));
    EXPECT_EQ(slot0(document, 7), Variant("CR"));
    EXPECT_EQ(slot0(document, 8), Variant(qint32(5)));
}

TEST(TextEditing, RefusesWhatALabelCannotHoldAndChangesNothing)
{
    LabelDocument document = oneLabel();
    typeInto(document, QString(200, QLatin1Char('x')));
    EXPECT_TRUE(refusalOf(document, 1, {200, 0, QStringLiteral("y")}).isEmpty());
    EXPECT_FALSE(refusalOf(document, 1, {200, 0, QStringLiteral("yz")}).isEmpty());
    EXPECT_THROW(applyTextChange(document, 1, {200, 0, QStringLiteral("\r\n")}, {}), DocumentError);
    EXPECT_EQ(document.LabelText(1).size(), 200);

    LabelDocument other = oneLabel();
    EXPECT_TRUE(refusalOf(other, 1, {0, 0, QStringLiteral("😀")}).contains(QStringLiteral("😀")));
    EXPECT_FALSE(refusalOf(other, 1, {0, 0, QStringLiteral("\"")}).isEmpty());
    EXPECT_THROW(applyTextChange(other, 1, {0, 0, QStringLiteral("A😀")}, {}), DocumentError);
    EXPECT_TRUE(other.LabelText(1).isEmpty());
}

TEST(TextEditing, TypedTextIsNormalisedForTheLabel)
{
    EXPECT_EQ(normalisedInput(QStringLiteral("say \"hi\"")), QStringLiteral("say ＂hi＂"));
    EXPECT_EQ(normalisedInput(QStringLiteral("a\nb\r\nc\rd") + QChar::ParagraphSeparator + QStringLiteral("e")),
              QStringLiteral("a\r\nb\r\nc\r\nd\r\ne"));
}

TEST(TextEditing, BoxPositionsCountALineBreakOnce)
{
    const QString text = QStringLiteral("AB\r\nC\r\n\r\nD");
    EXPECT_EQ(toBoxText(text), QStringLiteral("AB\nC\n\nD"));
    EXPECT_EQ(toLabelPosition(text, 0), 0);
    EXPECT_EQ(toLabelPosition(text, 2), 2);
    EXPECT_EQ(toLabelPosition(text, 3), 4);
    EXPECT_EQ(toLabelPosition(text, 7), 10);
    for (int box = 0; box <= 7; ++box)
        EXPECT_EQ(toBoxPosition(text, toLabelPosition(text, box)), box);
}
