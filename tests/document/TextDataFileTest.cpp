#include <gtest/gtest.h>

#include "core/Errors.h"
#include "document/TextDataFile.h"
#include "support/TestFiles.h"

using namespace porkane;
using porkane::test::crlf;

namespace {

// The record typing gives a character with the built-in default format.
AttrRecord typedRecord()
{
    return {Variant(qint32(0)), Variant(30.0), Variant(40.0), Variant(0.0), Variant(0.0), Variant(0.0),
            Variant(0.0), Variant(qint16(400)), Variant(false), Variant(false), Variant(false), Variant(),
            Variant(), Variant(QStringLiteral(" ")), Variant(qint16(0)), Variant(qint32(0)), Variant(0.0),
            Variant(0.0), Variant(qint32(0))};
}
const char *const TypedRecordLine = "0,30,40,0,0,0,0,400,#FALSE#,#FALSE#,#FALSE#,,,\" \",0,0,0,0,0";

LabelDocument twoLabels()
{
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.LabelCount = 2;
    sheet.LabelGeometry[2] = {0, 30, 20, 20, 0, 0};
    return LabelDocument::fromTemplate(sheet);
}

void typeText(LabelDocument &document, int label, const QString &text)
{
    document.setLabelText(label, text);
    for (int position = 1; position <= text.size(); ++position) {
        document.CharAttr(label, position) = typedRecord();
        if (text[position - 1] == QLatin1Char('\r'))
            document.CharAttr(label, position)[TextColourSlot] = Variant(LineBreakMarkerAtCr);
        if (text[position - 1] == QLatin1Char('\n'))
            document.CharAttr(label, position)[TextColourSlot] = Variant(LineBreakMarkerAtLf);
    }
}

QString refusal(const QByteArray &bytes)
{
    try {
        readTextData(bytes);
    } catch (const FileError &error) {
        return error.message();
    }
    return {};
}

} // namespace

TEST(TextDataWriting, TheTwoLabelExampleIsExactlyItsLines)
{
    LabelDocument document = twoLabels();
    typeText(document, 1, QStringLiteral("A"));
    EXPECT_EQ(writeTextData(document),
              crlf({" 100 ", " 100 ", " 2 ", " 0  0  20  20  0  0 ", " 0  30  20  20  0  0 ", "\"A\"", "\"\"", "0", "0",
                    TypedRecordLine, "0"}));
}

TEST(TextDataWriting, ALineBreakStaysBetweenOnePairOfQuotesWithItsMarkers)
{
    LabelDocument document = twoLabels();
    document.sheet().LabelCount = 1;
    typeText(document, 1, QStringLiteral("A\r\nB"));
    const QByteArray bytes = writeTextData(document);
    const QByteArray lf = QByteArray(TypedRecordLine).replace(0, 1, "\"LF\"");
    const QByteArray cr = QByteArray(TypedRecordLine).replace(0, 1, "\"CR\"");
    EXPECT_EQ(bytes, crlf({" 100 ", " 100 ", " 1 ", " 0  0  20  20  0  0 ", "\"A", "B\"", "0", TypedRecordLine,
                           lf.constData(), cr.constData(), TypedRecordLine, "0"}));
    const LabelDocument read = readTextData(bytes);
    EXPECT_EQ(read.LabelText(1), QStringLiteral("A\r\nB"));
    EXPECT_EQ(read.CharAttr(1, 2)[TextColourSlot], Variant("LF"));
    EXPECT_EQ(read.CharAttr(1, 3)[TextColourSlot], Variant("CR"));
    // Slots 11 and 12 were never written: nothing between their commas, empty when read.
    EXPECT_TRUE(read.CharAttr(1, 4)[CharAlignmentSlot].isEmpty());
    EXPECT_TRUE(read.CharAttr(1, 4)[LineAlignmentSlot].isEmpty());
}

TEST(TextDataWriting, ADocumentWithoutLabelsIsItsHeaderAndImageCount)
{
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.LabelCount = 0;
    EXPECT_EQ(writeTextData(LabelDocument::fromTemplate(sheet)), crlf({" 100 ", " 100 ", " 0 ", "0"}));
}

TEST(TextDataWriting, ImagesAreWrittenInNumberOrderAfterADeletion)
{
    LabelDocument document = twoLabels();
    QImage picture(2, 2, QImage::Format_RGB32);
    document.addImage(picture, {10, 20, 1, 16777215, 0});
    document.addImage(picture, {30, 40, 0, 255, 1});
    document.addImage(picture, {-5, 60, 1, 0, 1});
    document.deleteImage(1);
    EXPECT_TRUE(writeTextData(document).endsWith(crlf({"\"\"", "\"\"", "0", "0", "2", "30,40,0,255,1", "-5,60,1,0,1"})));
    document.deleteImage(1);
    document.deleteImage(1);
    EXPECT_TRUE(writeTextData(document).endsWith(crlf({"0", "0", "0"})));
}

TEST(TextDataWriting, RefusesWhatTheFormatCannotStore)
{
    LabelDocument document = twoLabels();
    typeText(document, 1, QStringLiteral("A"));
    document.CharAttr(1, 1)[FaceNameSlot] = Variant(QStringLiteral("Font \"X\""));
    EXPECT_THROW(writeTextData(document), FileError);
    document.CharAttr(1, 1)[FaceNameSlot] = Variant(QStringLiteral("IPAGothic"));
    document.setLabelText(2, QStringLiteral("絵文字😀"));
    try {
        writeTextData(document);
        ADD_FAILURE();
    } catch (const FileError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("😀")));
    }
}

TEST(TextDataReading, EverySubtypeAndJapaneseTextSurvive)
{
    LabelDocument document = twoLabels();
    typeText(document, 1, QStringLiteral("ぽる\r\nかね"));
    typeText(document, 2, QStringLiteral("x"));
    document.setLabelRotated(2, 1);
    AttrRecord &record = document.CharAttr(1, 1);
    record[TextColourSlot] = Variant(qint32(16777215));
    record[CharWidthSlot] = Variant(12.75);
    record[LetterSpacingSlot] = Variant(-0.5);
    record[CharRotationSlot] = Variant(1e-5);
    record[FontWeightSlot] = Variant(QStringLiteral("700"));
    record[ItalicSlot] = Variant(true);
    record[CharAlignmentSlot] = Variant(qint16(-3));
    record[LineAlignmentSlot] = Variant(123456.0);
    record[FaceNameSlot] = Variant(QStringLiteral("ＭＳ Ｐゴシック"));
    record[EffectCodeSlot] = Variant(qint16(6));

    const QByteArray bytes = writeTextData(document);
    const LabelDocument read = readTextData(bytes);
    EXPECT_EQ(read.sheet(), document.sheet());
    EXPECT_EQ(read.LabelText(1), document.LabelText(1));
    EXPECT_EQ(read.LabelRotated(2), 1);
    for (int position = 1; position <= 6; ++position)
        for (int slot = 0; slot < SlotCount; ++slot)
            EXPECT_EQ(read.CharAttr(1, position)[slot].toString(), document.CharAttr(1, position)[slot].toString())
                << position << "/" << slot;
    EXPECT_EQ(read.CharAttr(1, 1)[FontWeightSlot], Variant(QStringLiteral("700")));
    EXPECT_EQ(read.CharAttr(1, 1)[ItalicSlot], Variant(true));
    EXPECT_EQ(read.CharAttr(1, 1)[CharRotationSlot], Variant(1e-5));
    EXPECT_EQ(writeTextData(read), bytes);
}

TEST(TextDataReading, AFileFromAnotherWriterIsWrittenBackByteForByte)
{
    // Written as any writer of the format would: fractions without their
    // leading zero, an exponent, quoted weight text, empty slots.
    const QByteArray bytes =
        crlf({" 210 ", " 297 ", " 2 ", " 10  5  95  25  2  2 ", " 40  5  95  25 -1  0 ",
              "\"\x83\x89\x83x\x83\x8b\r\n2\x8ds\x96\xda\"", "\"\"", "1", "0",
              "255,30,40,.5,-.5,0,90,\"700\",#TRUE#,#FALSE#,#TRUE#,1.5,-12,\"IPAGothic\",5,8421504,1E-05,-.25,65280",
              "255,30,40,.5,-.5,0,90,\"700\",#TRUE#,#FALSE#,#TRUE#,1.5,-12,\"IPAGothic\",5,8421504,1E-05,-.25,65280",
              "255,30,40,.5,-.5,0,90,\"700\",#TRUE#,#FALSE#,#TRUE#,1.5,-12,\"IPAGothic\",5,8421504,1E-05,-.25,65280",
              "\"LF\",30,40,0,0,0,0,400,#FALSE#,#FALSE#,#FALSE#,,,\"IPAGothic\",0,0,0,0,0",
              "\"CR\",30,40,0,0,0,0,400,#FALSE#,#FALSE#,#FALSE#,,,\"IPAGothic\",0,0,0,0,0",
              "0,30,40,0,0,0,0,400,#FALSE#,#FALSE#,#FALSE#,,,\"IPAGothic\",0,0,0,0,0",
              "0,30,40,0,0,0,0,400,#FALSE#,#FALSE#,#FALSE#,,,\"IPAGothic\",0,0,0,0,0",
              "0,30,40,0,0,0,0,400,#FALSE#,#FALSE#,#FALSE#,,,\"IPAGothic\",0,0,0,0,0", "1", "100,200,1,16777215,1"});
    const LabelDocument document = readTextData(bytes);
    EXPECT_EQ(document.LabelText(1), QStringLiteral("ラベル\r\n2行目"));
    EXPECT_EQ(document.ImageCount(), 1);
    EXPECT_EQ(document.ImagePlacement(document.ImageSlot(1)), (ImagePlacementRow{100, 200, 1, 16777215, 1}));
    EXPECT_EQ(document.CharAttr(1, 1)[LetterSpacingSlot].toDouble(), 0.5);
    EXPECT_EQ(writeTextData(document), bytes);
}

TEST(TextDataReading, RefusesDamagedFiles)
{
    LabelDocument document = twoLabels();
    typeText(document, 1, QStringLiteral("AB"));
    document.addImage(QImage(1, 1, QImage::Format_RGB32), {1, 2, 3, 4, 0});
    const QByteArray good = writeTextData(document);
    ASSERT_TRUE(refusal(good).isEmpty());

    // Too few values: cut anywhere before the last one.
    for (qsizetype cut : {qsizetype(0), qsizetype(10), good.indexOf("#FALSE#"), good.size() - 5})
        EXPECT_TRUE(refusal(good.left(cut)).contains(QStringLiteral("ends before"))) << cut;
    // A word where a number belongs names its line.
    EXPECT_EQ(refusal(QByteArray(good).replace(" 20  20 ", " 20  xx ")),
              QStringLiteral("ptextdat.baf, line 4: expected a 16-bit integer but found \"xx\""));
    // Thirty labels.
    EXPECT_TRUE(refusal(QByteArray(good).replace(" 2 \r\n", " 30 \r\n")).contains(QStringLiteral("label count 30")));
    // A text longer than the positions that keep records.
    QByteArray longText = good;
    longText.replace("\"AB\"", "\"" + QByteArray(202, 'x') + "\"");
    EXPECT_TRUE(refusal(longText).contains(QStringLiteral("202 characters")));
    // 21 images.
    EXPECT_TRUE(refusal(QByteArray(good).replace("\r\n1\r\n1,2,3", "\r\n21\r\n1,2,3")).contains(QStringLiteral("image count 21")));
    // A text whose closing quote is missing, and one cut after a Shift-JIS lead byte.
    EXPECT_TRUE(refusal(good.left(good.indexOf("\"AB\"") + 3)).contains(QStringLiteral("no closing quote")));
    EXPECT_FALSE(refusal(QByteArray(good).replace("\"AB\"", "\"A\x82\"")).isEmpty());
    EXPECT_FALSE(refusal(good.left(good.size() - 2) + "\x82").isEmpty());
    // Garbage after a quoted text.
    EXPECT_TRUE(refusal(QByteArray(good).replace("\"AB\"", "\"AB\"x")).contains(QStringLiteral("after a quoted text")));
}

TEST(TextDataReading, SlotsBeyondWhatTheEditorsFieldsAllowAreDamage)
{
    LabelDocument document = twoLabels();
    typeText(document, 1, QStringLiteral("A"));
    const QByteArray good = writeTextData(document);
    const QByteArray typed = TypedRecordLine;
    // The record with one slot replaced by `value`.
    const auto withSlot = [&](int slot, const QByteArray &value) {
        QList<QByteArray> values = typed.split(',');
        values[slot] = value;
        return QByteArray(good).replace(typed, values.join(','));
    };
    // The edges of every bounded slot are taken.
    for (const auto &[slot, value] : std::vector<std::pair<int, QByteArray>>{
             {CharWidthSlot, "1000"}, {CharHeightSlot, "0"}, {LetterSpacingSlot, "-100"}, {LineSpacingSlot, "100"},
             {CharRotationSlot, "359"}, {FontWeightSlot, "\"900\""}, {CharAlignmentSlot, "-1000"},
             {LineAlignmentSlot, "-37800.5"}, {EffectCodeSlot, "6"}, {ShiftVerticalSlot, "-10"},
             {ShiftHorizontalSlot, "10"}, {TextColourSlot, "-2147483648"}, {ShadowColourSlot, "99999999"}}) {
        EXPECT_TRUE(refusal(withSlot(slot, value)).isEmpty()) << slot << ' ' << value.constData();
    }
    // Beyond them: refused, naming the label, the character and the value.
    EXPECT_EQ(refusal(withSlot(ShiftVerticalSlot, "300")),
              QStringLiteral("ptextdat.baf, line 10: label 1, character 1: a vertical effect shift of 300 is outside "
                             "-10 to 10"));
    for (const auto &[slot, value] : std::vector<std::pair<int, QByteArray>>{
             {CharWidthSlot, "1000.5"}, {CharHeightSlot, "-1"}, {LetterSpacingSlot, "100.1"},
             {CharRotationSlot, "720"}, {FontWeightSlot, "\"5000\""}, {CharAlignmentSlot, "2000"},
             {LineAlignmentSlot, "1E+300"}, {EffectCodeSlot, "8"}, {ShiftHorizontalSlot, "-30"},
             {ShiftHorizontalSlot, "\"1E9\""}}) {
        EXPECT_TRUE(refusal(withSlot(slot, value)).contains(QStringLiteral("is outside"))) << slot << ' '
                                                                                             << value.constData();
    }
}

TEST(TextDataWriting, WhatCouldNotBeReadBackIsNotWritten)
{
    LabelDocument document = twoLabels();
    typeText(document, 1, QStringLiteral("AB"));
    document.CharAttr(1, 2)[ShiftHorizontalSlot] = Variant(10.5);
    try {
        writeTextData(document);
        ADD_FAILURE();
    } catch (const FileError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("label 1, character 2: a horizontal effect shift of 10.5 is outside "
                                                  "-10 to 10"));
    }
    document.CharAttr(1, 2)[ShiftHorizontalSlot] = Variant(10.0);
    document.sheet().SheetWidth = 1200; // the designer never makes it
    EXPECT_THROW(writeTextData(document), FileError);
}

TEST(TextDataReading, TextDataLargerThanAnyDocumentIsRefusedUnread)
{
    // The largest document: 20 full labels of records with long face names.
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.LabelCount = 20;
    for (int label = 1; label <= 20; ++label)
        sheet.LabelGeometry[label] = {0, 0, 20, 20, 0, 0};
    LabelDocument largest = LabelDocument::fromTemplate(sheet);
    const QString text(LabelDocument::MaxPositions, QLatin1Char('W'));
    for (int label = 1; label <= 20; ++label) {
        typeText(largest, label, text);
        for (int position = 1; position <= text.size(); ++position) {
            AttrRecord &record = largest.CharAttr(label, position);
            for (int slot : {CharWidthSlot, CharHeightSlot})
                record[slot] = Variant(999.123456789012);
            for (int slot : {LetterSpacingSlot, LineSpacingSlot, ShiftVerticalSlot, ShiftHorizontalSlot})
                record[slot] = Variant(-9.12345678901234);
            record[LineAlignmentSlot] = Variant(-1234567.89012345);
            record[FaceNameSlot] = Variant(QString(63, QLatin1Char('F')));
        }
    }
    const QByteArray bytes = writeTextData(largest);
    EXPECT_LT(bytes.size(), MaxTextDataBytes);
    EXPECT_TRUE(refusal(bytes).isEmpty());
    EXPECT_TRUE(refusal(bytes + QByteArray(MaxTextDataBytes - bytes.size() + 1, ' '))
                    .contains(QStringLiteral("more than any label document needs")));
}
