#include <gtest/gtest.h>

#include "editor/ApplyFormat.h"
#include "editor/TextEditing.h"

using namespace porkane;

namespace {

LabelDocument labelWith(const QString &text)
{
    LabelDocument document = LabelDocument::fromTemplate(SheetTemplate::newTemplate());
    applyTextChange(document, 1, {0, 0, text}, {});
    return document;
}

} // namespace

TEST(ApplyFormat, ColourChangesTheSelectionButNotTheLineBreakMarkers)
{
    LabelDocument document = labelWith(QStringLiteral("AB\r\nCD"));
    InputFormat values;
    values.textColour = 0x00FF00;
    ApplyFormat(document, 1, ApplyColour, 1, 4, values, 15); // "B", the break and "C"
    EXPECT_EQ(document.CharAttr(1, 1)[TextColourSlot], Variant(qint32(0)));
    EXPECT_EQ(document.CharAttr(1, 2)[TextColourSlot], Variant(qint32(0x00FF00)));
    EXPECT_EQ(document.CharAttr(1, 3)[TextColourSlot], Variant("LF"));
    EXPECT_EQ(document.CharAttr(1, 4)[TextColourSlot], Variant("CR"));
    EXPECT_EQ(document.CharAttr(1, 5)[TextColourSlot], Variant(qint32(0x00FF00)));
    EXPECT_EQ(document.CharAttr(1, 6)[TextColourSlot], Variant(qint32(0)));
}

TEST(ApplyFormat, DecorationsAndThePlainCommand)
{
    LabelDocument document = labelWith(QStringLiteral("AB"));
    InputFormat values;
    values.boldWeight = 700;
    ApplyFormat(document, 1, ApplyBold, 0, 2, values, 15);
    ApplyFormat(document, 1, ApplyItalic, 0, 1, values, 15);
    EXPECT_EQ(document.CharAttr(1, 2)[FontWeightSlot].toDouble(), 700);
    EXPECT_TRUE(document.CharAttr(1, 1)[ItalicSlot].toBool());
    EXPECT_FALSE(document.CharAttr(1, 2)[ItalicSlot].toBool());
    ApplyFormat(document, 1, ApplyPlain, 0, 2, values, 15);
    EXPECT_EQ(document.CharAttr(1, 1)[FontWeightSlot], Variant(qint16(400)));
    EXPECT_FALSE(document.CharAttr(1, 1)[ItalicSlot].toBool());
}

TEST(ApplyFormat, CharacterAlignmentCentresOnTheTallestSelectedCharacter)
{
    LabelDocument document = labelWith(QStringLiteral("AB"));
    document.CharAttr(1, 1)[CharHeightSlot] = Variant(20.0);
    document.CharAttr(1, 2)[CharHeightSlot] = Variant(10.0);
    ApplyFormat(document, 1, AlignCharsCentre, 0, 2, {}, 15);
    EXPECT_EQ(document.CharAttr(1, 1)[CharAlignmentSlot].toDouble(), 0);
    EXPECT_EQ(document.CharAttr(1, 2)[CharAlignmentSlot].toDouble(), 5);
    ApplyFormat(document, 1, AlignCharsBottom, 0, 2, {}, 15);
    EXPECT_EQ(document.CharAttr(1, 2)[CharAlignmentSlot].toDouble(), 10);
    ApplyFormat(document, 1, AlignCharsTop, 1, 1, {}, 15);
    EXPECT_EQ(document.CharAttr(1, 2)[CharAlignmentSlot].toDouble(), 0);
}

TEST(ApplyFormat, LineAlignmentCoversTheWholeLabelWhateverIsSelected)
{
    // A 20 mm high label at 15 twips per pixel is 75.6 pixels; two lines of
    // height 40 (37 pixels each) leave 1.6.
    LabelDocument document = labelWith(QStringLiteral("A\r\nB"));
    EXPECT_DOUBLE_EQ(linesHeight(document, 1, 15), 74);
    ApplyFormat(document, 1, AlignLinesCentre, 0, 1, {}, 15);
    for (int position = 1; position <= 4; ++position)
        EXPECT_NEAR(document.CharAttr(1, position)[LineAlignmentSlot].toDouble(), 0.8, 1e-9) << position;
    ApplyFormat(document, 1, AlignLinesBottom, 3, 1, {}, 15);
    EXPECT_NEAR(document.CharAttr(1, 1)[LineAlignmentSlot].toDouble(), 1.6, 1e-9);

    // Line spacing of the tallest character counts; an empty line adds its own height only.
    LabelDocument spaced = labelWith(QStringLiteral("A\r\n\r\nB"));
    spaced.CharAttr(1, 1)[LineSpacingSlot] = Variant(1.0); // 3.78 pixels
    EXPECT_DOUBLE_EQ(linesHeight(spaced, 1, 15), 37 + 37 + 37 + 4);
}

TEST(ApplyFormat, AttributeCopyReadsTheCharacterBeforeTheCaret)
{
    LabelDocument document = labelWith(QStringLiteral("AB"));
    document.CharAttr(1, 2)[TextColourSlot] = Variant(qint32(0xABCDEF));
    document.CharAttr(1, 2)[FaceNameSlot] = Variant(QStringLiteral("IPAMincho"));
    document.CharAttr(1, 2)[ShiftVerticalSlot] = Variant(1.5);
    const InputFormat copied = formatAt(document, 1, 2);
    EXPECT_EQ(copied.textColour, 0xABCDEF);
    EXPECT_EQ(copied.faceName, QStringLiteral("IPAMincho"));
    EXPECT_EQ(copied.shiftVertical, 1.5);
    EXPECT_EQ(formatAt(document, 1, 0).textColour, 0); // at the start: the first character
}
