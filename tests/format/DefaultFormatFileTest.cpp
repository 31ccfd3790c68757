#include <gtest/gtest.h>

#include "core/Errors.h"
#include "format/DefaultFormatFile.h"
#include "support/TestFiles.h"

using namespace porkane;
using porkane::test::crlf;

TEST(DefaultFormat, BuiltInDefaultsAreTheFirstRunFormat)
{
    const TextFormat format;
    EXPECT_EQ(format.charWidth, 30);
    EXPECT_EQ(format.charHeight, 40);
    EXPECT_EQ(format.bold, 0);
    EXPECT_EQ(format.boldWeight, 900);
    EXPECT_EQ(format.effectCode, 0);
    EXPECT_EQ(format.textColour, 0);
    EXPECT_EQ(format.shadowColour, 0);
    EXPECT_EQ(format.effectColour, 0);
    EXPECT_EQ(format.faceName, QStringLiteral(" "));
}

TEST(DefaultFormatFile, WritesEighteenLinesInTheirOrder)
{
    TextFormat format;
    format.textColour = 255;
    format.charWidth = 32;
    format.letterSpacing = 1.5f;
    format.lineSpacing = -0.5f;
    format.charRotation = 90;
    format.lineRotation = -45;
    format.bold = 1;
    format.italic = 1;
    format.faceName = QStringLiteral("ＭＳ ゴシック");
    format.boldWeight = 700;
    format.shadowColour = 0x808080;
    format.effectColour = 16777215;
    format.shiftHorizontal = 0.3f;
    format.shiftVertical = 2;
    format.effectCode = 6;
    EXPECT_EQ(writeDefaultFormat(format),
              crlf({" 255 ", " 32 ", " 40 ", " 1.5 ", "-.5 ", " 90 ", "-45 ", " 1 ", " 1 ", " 0 ", " 0 ",
                    "\x82l\x82r \x83S\x83V\x83\x62\x83N", " 700 ", " 8421504 ", " 16777215 ", " .3 ", " 2 ",
                    " 6 "}));
    EXPECT_EQ(readDefaultFormat(writeDefaultFormat(format)), format);
}

TEST(DefaultFormatFile, AFaceNameWithACommaIsQuotedAndReadBackWhole)
{
    TextFormat format;
    format.faceName = QStringLiteral("Font, Bold");
    format.boldWeight = 700;
    const QByteArray bytes = writeDefaultFormat(format);
    EXPECT_TRUE(bytes.contains("\r\n\"Font, Bold\"\r\n 700 \r\n"));
    EXPECT_EQ(readDefaultFormat(bytes), format);
    format.faceName = QStringLiteral("Font,700");
    EXPECT_EQ(readDefaultFormat(writeDefaultFormat(format)), format);
}

TEST(DefaultFormatFile, AFaceNameIsReadUpToACommaWithoutItsLeadingSpaces)
{
    // A file written by hand (or by the old program) with a plain comma:
    // the comma ends the value, and the rest is no weight.
    QByteArray bytes = writeDefaultFormat(TextFormat{});
    bytes.replace("\r\n \r\n 900 ", "\r\nFont, Bold\r\n 900 ");
    EXPECT_THROW(readDefaultFormat(bytes), FileError);
    // A name that cannot be quoted keeps the plain form.
    TextFormat format;
    format.faceName = QStringLiteral("A\"B,C");
    EXPECT_TRUE(writeDefaultFormat(format).contains("\r\nA\"B,C\r\n"));
    // Names without a comma are written as they are; the built-in face of
    // one space reads back empty.
    format.faceName = QStringLiteral("IPAGothic");
    EXPECT_TRUE(writeDefaultFormat(format).contains("\r\nIPAGothic\r\n"));
    EXPECT_TRUE(writeDefaultFormat(TextFormat{}).contains("\r\n \r\n 900 \r\n"));
    EXPECT_EQ(readDefaultFormat(writeDefaultFormat(TextFormat{})).faceName, QString());
}

TEST(DefaultFormatFile, RefusesAShortOrDamagedFileAndLoadsFromTheFolder)
{
    EXPECT_THROW(readDefaultFormat(crlf({" 0 ", " 30 ", " 40 "})), FileError);
    QByteArray bytes = writeDefaultFormat(TextFormat{});
    bytes.replace(" 900 ", " heavy ");
    EXPECT_THROW(readDefaultFormat(bytes), FileError);

    test::TempFolder folder;
    EXPECT_THROW(loadDefaultFormat(folder.path()), FileError);
    TextFormat format;
    format.charHeight = 72;
    format.faceName = QStringLiteral("IPAGothic");
    ASSERT_TRUE(saveDefaultFormat(folder.path(), format));
    EXPECT_EQ(loadDefaultFormat(folder.path()), format);
    EXPECT_FALSE(saveDefaultFormat(folder.file(QStringLiteral("no/such/folder")), format));
}

TEST(DefaultFormatFile, ValuesBeyondWhatARecordHoldsAreDamage)
{
    // Each value held to the range of the slot it feeds; at the edge it is
    // still read.
    const auto withLine = [](int line, const char *value) {
        QList<QByteArray> lines = writeDefaultFormat(TextFormat{}).split('\n');
        lines[line - 1] = QByteArray(value) + '\r';
        return lines.join('\n');
    };
    EXPECT_EQ(readDefaultFormat(withLine(2, " 1000 ")).charWidth, 1000);
    EXPECT_EQ(readDefaultFormat(withLine(17, "-10 ")).shiftVertical, -10.0f);
    for (const auto &[line, value] : std::initializer_list<std::pair<int, const char *>>{
             {2, " 1001 "}, {3, "-1 "}, {4, " 100.5 "}, {6, " 400 "}, {13, " 1200 "}, {16, " 10.5 "},
             {17, "-30 "}, {18, " 8 "}}) {
        try {
            readDefaultFormat(withLine(line, value));
            ADD_FAILURE() << "line " << line << " read " << value;
        } catch (const FileError &error) {
            EXPECT_TRUE(error.message().startsWith(DefaultFormatFileName)) << error.what();
        }
    }
}
