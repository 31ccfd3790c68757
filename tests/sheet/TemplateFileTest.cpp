#include <gtest/gtest.h>

#include "core/Errors.h"
#include "sheet/TemplateFile.h"
#include "support/TestFiles.h"

using namespace porkane;
using porkane::test::crlf;

namespace {

SheetTemplate sheetWithLabels(int count)
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = qint16(count);
    for (int label = 1; label <= count; ++label)
        sheet.LabelGeometry[label] = {qint16(label * 10), qint16(label), 50, 30, 2, 3};
    return sheet;
}

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    EXPECT_TRUE(lines.takeLast().isEmpty()); // the file ends with a line end
    for (QByteArray &line : lines) {
        EXPECT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    return lines;
}

} // namespace

TEST(TemplateFileWriting, NewTemplateIsFourLinesOfFiveFiveThreeAndTwentyCharacters)
{
    const QByteArray bytes = writeTemplateFile(SheetTemplate::newTemplate());
    EXPECT_EQ(bytes, crlf({" 100 ", " 100 ", " 1 ", " 0  0  20  20  0  0 "}));
    const QList<QByteArray> lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].size(), 5);
    EXPECT_EQ(lines[1].size(), 5);
    EXPECT_EQ(lines[2].size(), 3);
    EXPECT_EQ(lines[3].size(), 20);
}

TEST(TemplateFileWriting, TwentyLabelsWriteTwentyThreeLines)
{
    EXPECT_EQ(linesOf(writeTemplateFile(sheetWithLabels(20))).size(), 23);
    EXPECT_EQ(linesOf(writeTemplateFile(sheetWithLabels(0))).size(), 3);
}

TEST(TemplateFileWriting, NegativeValuesTakeTheMinusInPlaceOfTheSpaceAndReadBack)
{
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.LabelGeometry[1] = {-5, 0, 20, -20, -32768, 32767};
    const QByteArray bytes = writeTemplateFile(sheet);
    EXPECT_TRUE(bytes.endsWith("-5  0  20 -20 -32768  32767 \r\n")) << bytes.constData();
    EXPECT_EQ(readTemplateFile(bytes, SheetTemplate{}), sheet);
}

TEST(TemplateFileReading, LabelsAboveTheCountKeepTheirGeometry)
{
    const SheetTemplate five = sheetWithLabels(5);
    SheetTemplate two = sheetWithLabels(2);
    two.LabelGeometry[1] = {1, 1, 1, 1, 1, 1};
    const SheetTemplate read = readTemplateFile(writeTemplateFile(two), five);
    EXPECT_EQ(read.LabelCount, 2);
    EXPECT_EQ(read.LabelGeometry[1], two.LabelGeometry[1]);
    for (int label = 3; label <= 5; ++label)
        EXPECT_EQ(read.LabelGeometry[label], five.LabelGeometry[label]);
}

TEST(TemplateFileReading, TakesNumbersSeparatedByCommasOrSpacesAnyhow)
{
    const SheetTemplate read = readTemplateFile("100,80\r\n2\r\n1 2 3 4 5 6\r\n7,8,9,10,11,12", SheetTemplate{});
    EXPECT_EQ(read.SheetWidth, 100);
    EXPECT_EQ(read.SheetHeight, 80);
    EXPECT_EQ(read.LabelGeometry[1], (SheetTemplate::Geometry{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(read.LabelGeometry[2], (SheetTemplate::Geometry{7, 8, 9, 10, 11, 12}));
}

TEST(TemplateFileReading, RefusesDamagedFilesAndLeavesTheTemplateAsItWas)
{
    const SheetTemplate previous = sheetWithLabels(4);
    const auto refuses = [&](const QByteArray &bytes, const char *why) {
        try {
            readTemplateFile(bytes, previous, QStringLiteral("sheet.fom"));
            ADD_FAILURE() << "accepted: " << why;
        } catch (const FileError &error) {
            EXPECT_TRUE(error.message().startsWith(QStringLiteral("sheet.fom, line "))) << error.what();
        }
    };
    refuses(crlf({" 100 ", " 100 ", " 3 ", " 0  0  20  20  0  0 ", " 0  0  20  20  0  0 "}), "two of three labels");
    refuses(crlf({" 100 ", " 100 "}), "no label count");
    refuses(crlf({" 100 ", " abc ", " 1 ", " 0  0  20  20  0  0 "}), "a word for a number");
    refuses(crlf({" 100 ", " 100 ", " 21 "}), "21 labels");
    refuses(crlf({" 100 ", " 100 ", "-1 "}), "a negative label count");
    refuses(crlf({" 100 ", " 40000 ", " 0 "}), "a height beyond 16 bits");
    refuses(QByteArray(), "an empty file");
    // The template passed in is a value: nothing the reader did can show.
    EXPECT_EQ(previous, sheetWithLabels(4));
}

TEST(TemplateFileReading, SheetsAndLabelsBeyondTheDesignersBoundsAreRefusedWithTheReason)
{
    const auto reason = [](const QByteArray &bytes) {
        try {
            readTemplateFile(bytes, SheetTemplate{}, QStringLiteral("big.fom"));
        } catch (const FileError &error) {
            return error.message();
        }
        return QString();
    };
    // 1000 mm is the largest the designer makes.
    EXPECT_TRUE(reason(crlf({" 1000 ", " 1000 ", " 1 ", " 0  0  1000  1000  0  0 "})).isEmpty());
    EXPECT_EQ(reason(crlf({" 1001 ", " 100 ", " 0 "})),
              QStringLiteral("big.fom, line 1: the sheet of 1001 x 100 mm is larger than 1000 mm"));
    EXPECT_EQ(reason(crlf({" 100 ", " 10000 ", " 0 "})),
              QStringLiteral("big.fom, line 1: the sheet of 100 x 10000 mm is larger than 1000 mm"));
    EXPECT_EQ(reason(crlf({" 100 ", " 100 ", " 2 ", " 0  0  20  20  0  0 ", " 0  0  20  10000  0  0 "})),
              QStringLiteral("big.fom, line 5: label 2 of 20 x 10000 mm is larger than 1000 mm"));
    // Offsets and print starts size nothing: any value stays as written.
    EXPECT_TRUE(reason(crlf({" 100 ", " 100 ", " 1 ", " 30000 -30000  20  20  5000  5000 "})).isEmpty());

    SheetTemplate sheet = SheetTemplate::newTemplate();
    EXPECT_FALSE(sheetOutOfBounds(sheet));
    sheet.LabelGeometry[1][LabelWidth] = 1001;
    EXPECT_TRUE(sheetOutOfBounds(sheet));
    sheet.LabelCount = 0; // a label above the count is no label
    EXPECT_FALSE(sheetOutOfBounds(sheet));
}

TEST(TemplateFileOnDisk, SavesAndLoadsAndRefusesAMissingFile)
{
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("NewForm.fom"));
    saveTemplateFile(path, sheetWithLabels(3));
    EXPECT_EQ(loadTemplateFile(path, SheetTemplate{}), sheetWithLabels(3));
    EXPECT_THROW(loadTemplateFile(folder.file(QStringLiteral("missing.fom")), SheetTemplate{}), FileError);
    // Saving over a file replaces it whole.
    saveTemplateFile(path, SheetTemplate::newTemplate());
    EXPECT_EQ(test::readBytes(path), writeTemplateFile(SheetTemplate::newTemplate()));
}
