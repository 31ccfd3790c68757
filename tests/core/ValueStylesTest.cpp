#include <gtest/gtest.h>

#include "core/Errors.h"
#include "core/ValueReader.h"
#include "core/ValueWriter.h"
#include "support/TestFiles.h"

using namespace porkane;
using porkane::test::crlf;

namespace {

// The message of the FileError the call throws ("" when it throws none).
template <typename Call>
QString errorOf(Call call)
{
    try {
        call();
    } catch (const FileError &error) {
        return error.message();
    }
    return {};
}

} // namespace

TEST(PrintStyleWriter, WritesSignDigitsAndOneTrailingSpace)
{
    PrintStyleWriter out;
    out.integer(100);
    out.endLine();
    out.integer(-5);
    out.endLine();
    for (int value : {0, 0, 20, 20, 0, -1})
        out.integer(value);
    out.endLine();
    out.number(0.5);
    out.number(-0.5);
    out.single(1.5f);
    out.number(30);
    out.endLine();
    out.text(QStringLiteral("ＭＳ ゴシック"));
    out.endLine();
    EXPECT_EQ(out.bytes(), crlf({" 100 ", "-5 ", " 0  0  20  20  0 -1 ", " .5 -.5  1.5  30 ",
                                 "\x82l\x82r \x83S\x83V\x83\x62\x83N"}));
}

TEST(ListStyleWriter, WritesCommaSeparatedValuesOfEverySubtype)
{
    ListStyleWriter out;
    out.value(Variant(qint32(255)));
    out.value(Variant(30.0));
    out.value(Variant(0.5));
    out.value(Variant(-0.5));
    out.value(Variant(qint16(400)));
    out.value(Variant(true));
    out.value(Variant(false));
    out.value(Variant());
    out.value(Variant(QStringLiteral("ＭＳ 明朝")));
    out.value(Variant());
    out.endLine();
    out.string(QStringLiteral("A\r\nB"));
    out.endLine();
    out.value(Variant(1e-5));
    out.endLine();
    EXPECT_EQ(out.bytes(), QByteArray("255,30,.5,-.5,400,#TRUE#,#FALSE#,,\"\x82l\x82r \x96\xbe\x92\xa9\",\r\n"
                                      "\"A\r\nB\"\r\n"
                                      "1E-05\r\n"));
}

TEST(ListStyleWriter, RefusesTextItCannotStore)
{
    ListStyleWriter out;
    EXPECT_TRUE(errorOf([&] { out.string(QStringLiteral("say \"hi\"")); }).contains(QStringLiteral("double quote")));
    EXPECT_TRUE(errorOf([&] { out.string(QStringLiteral("A😀")); }).contains(QStringLiteral("😀")));
    PrintStyleWriter print;
    EXPECT_TRUE(errorOf([&] { print.text(QStringLiteral("€")); }).contains(QStringLiteral("€")));
    EXPECT_TRUE(out.bytes().isEmpty());
}

TEST(ValueReader, ReadsPrintStyleNumbersAcrossSpacesAndLineEnds)
{
    ValueReader in(crlf({" 100 ", "-5 ", " 0  0  20  20  0 -1 ", " .5 -.5  1E-05 "}), "test");
    EXPECT_EQ(in.int16(), 100);
    EXPECT_EQ(in.int16(), -5);
    for (int expected : {0, 0, 20, 20, 0, -1})
        EXPECT_EQ(in.int16(), expected);
    EXPECT_EQ(in.number(), 0.5);
    EXPECT_EQ(in.single(), -0.5f);
    EXPECT_EQ(in.number(), 1e-5);
    EXPECT_TRUE(in.atEnd());
}

TEST(ValueReader, ReadsListStyleValuesIntoVariantsOfTheirSubtype)
{
    const QByteArray bytes = "255,1.5,-.5,400,70000,3000000000,#TRUE#,#FALSE#,,\"LF\",\"\x82\xdb\"\r\n"
                             "\"two\r\nlines\",\"\",last\r\n"
                             ",\r\n";
    ValueReader in(bytes, "test");
    EXPECT_EQ(in.variant(), Variant(qint16(255)));
    EXPECT_EQ(in.variant(), Variant(1.5));
    EXPECT_EQ(in.variant(), Variant(-0.5));
    EXPECT_EQ(in.variant(), Variant(qint16(400)));
    EXPECT_EQ(in.variant(), Variant(qint32(70000)));
    EXPECT_EQ(in.variant(), Variant(3000000000.0));
    EXPECT_EQ(in.variant(), Variant(true));
    EXPECT_EQ(in.variant(), Variant(false));
    EXPECT_EQ(in.variant(), Variant());
    EXPECT_EQ(in.variant(), Variant("LF"));
    EXPECT_EQ(in.variant(), Variant(QStringLiteral("ぽ")));
    EXPECT_EQ(in.line(), 2);
    EXPECT_EQ(in.string(), QStringLiteral("two\r\nlines"));
    EXPECT_EQ(in.line(), 3);
    EXPECT_EQ(in.string(), QString());
    EXPECT_EQ(in.string(), QStringLiteral("last"));
    // A line holding a comma only: two empty values.
    EXPECT_EQ(in.variant(), Variant());
    EXPECT_EQ(in.variant(), Variant());
    EXPECT_TRUE(in.atEnd());
}

TEST(ValueReader, UnquotedTextEndsAtACommaOrTheLineEnd)
{
    ValueReader encoded(crlf({" \x82l\x82r \x83S\x83V\x83\x62\x83N", "Arial,Bold", "", " 12 "}), "test");
    EXPECT_EQ(encoded.string(), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(encoded.string(), QStringLiteral("Arial"));
    EXPECT_EQ(encoded.string(), QStringLiteral("Bold"));
    EXPECT_EQ(encoded.int16(), 0); // an empty line reads as an empty value
    EXPECT_EQ(encoded.int16(), 12);
}

TEST(ValueReader, RefusesValuesThatDoNotConvertAndNamesTheLine)
{
    const auto failing = [](const QByteArray &bytes, auto read) {
        ValueReader in(bytes, "sample.ini");
        return errorOf([&] { read(in); });
    };
    const auto twoInt16 = [](ValueReader &in) {
        in.int16();
        in.int16();
    };
    EXPECT_EQ(failing(crlf({" 1 ", " abc "}), twoInt16), QStringLiteral("sample.ini, line 2: expected a 16-bit integer but found \"abc\""));
    EXPECT_TRUE(failing(crlf({" 1 "}), twoInt16).contains(QStringLiteral("ends before")));
    EXPECT_TRUE(failing(crlf({" 40000 "}), [](ValueReader &in) { in.int16(); }).contains(QStringLiteral("16-bit")));
    EXPECT_TRUE(failing(crlf({" 3000000000 "}), [](ValueReader &in) { in.int32(); }).contains(QStringLiteral("32-bit")));
    EXPECT_TRUE(failing(crlf({"\"LF\""}), [](ValueReader &in) { in.number(); }).contains(QStringLiteral("text")));
    EXPECT_TRUE(failing(crlf({"#TRUE#"}), [](ValueReader &in) { in.int16(); }).contains(QStringLiteral("line 1")));
    EXPECT_TRUE(failing("1\r\n\"open", [](ValueReader &in) {
                    in.variant();
                    in.variant();
                }).contains(QStringLiteral("line 2: a quoted text has no closing quote")));
    EXPECT_TRUE(failing("\"ab\"c\"\r\n", [](ValueReader &in) { in.string(); }).contains(QStringLiteral("after a quoted text")));
    EXPECT_TRUE(failing("1,2,wrong\r\n", [](ValueReader &in) {
                    in.variant();
                    in.variant();
                    in.variant();
                }).contains(QStringLiteral("\"wrong\" is not a value")));
    // A Shift-JIS lead byte without its trail byte at the end of the file.
    EXPECT_TRUE(failing("\"\x82", [](ValueReader &in) { in.string(); }).contains(QStringLiteral("closing quote")));
    EXPECT_TRUE(failing("abc\x82", [](ValueReader &in) { in.string(); }).contains(QStringLiteral("Shift-JIS")));
}

TEST(ValueStyles, WhatTheWritersWriteTheReaderReadsBack)
{
    const QList<Variant> values{Variant(qint16(-32768)), Variant(qint32(2147483647)), Variant(0.1),
                                Variant(-1234.5678), Variant(1e-9), Variant(true), Variant(),
                                Variant(QStringLiteral("行間 字間\r\n改行")), Variant(false)};
    ListStyleWriter out;
    for (const Variant &value : values)
        out.value(value);
    out.endLine();
    ValueReader in(out.bytes(), "round trip");
    for (const Variant &value : values)
        EXPECT_EQ(in.variant(), value);
    EXPECT_TRUE(in.atEnd());
}
