#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ArchiveBytes.h"
#include "core/Errors.h"
#include "document/LabelArchive.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

QByteArray filled(int size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7);
    return bytes;
}

class LabelArchiveTest : public ::testing::Test {
protected:
    QString archive(const QByteArray &bytes, const QString &name = QStringLiteral("label.fhl"))
    {
        const QString path = archiveFolder.file(name);
        writeBytes(path, bytes);
        return path;
    }

    QString refusal(const QByteArray &bytes)
    {
        const QString path = archive(bytes);
        QStringList members;
        try {
            LinkMelut::list(path, members);
        } catch (const FileError &error) {
            EXPECT_THROW(LinkMelut::extract(path, target.path(), 0), FileError);
            EXPECT_TRUE(QDir(target.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
            return error.message();
        }
        return {};
    }

    TempFolder archiveFolder;
    TempFolder source;
    TempFolder target;
};

} // namespace

TEST_F(LabelArchiveTest, PacksTheTwoMemberExampleWithItsOffsetsAndPadding)
{
    const QByteArray text = filled(100, 'a');
    const QByteArray image = filled(5000, 'b');
    writeBytes(source.file(QStringLiteral("ptextdat.baf")), text);
    writeBytes(source.file(QStringLiteral("prnbmp1.baf")), image);

    LinkMake::pack({QStringLiteral("ptextdat.baf"), QStringLiteral("prnbmp1.baf")}, QStringLiteral("out.fhl"),
                   archiveFolder.path() + QLatin1Char('/'), source.path());
    const QByteArray bytes = readBytes(archiveFolder.file(QStringLiteral("out.fhl")));

    const QByteArray first = rawHeader({0, 0, 0, "ptextdat.baf", 100});
    const QByteArray second = rawHeader({1, 100, 1, "prnbmp1.baf", 5000});
    EXPECT_EQ(first.size(), 16 + 12);
    const qsizetype dataStart = first.size() + second.size();
    EXPECT_EQ(bytes.size(), dataStart + 101 + 5001);
    EXPECT_EQ(bytes.left(dataStart), first + second);
    EXPECT_EQ(bytes.mid(dataStart, 100), text);
    EXPECT_EQ(bytes.at(dataStart + 100), '\0');
    // The image starts 101 bytes after the last header.
    EXPECT_EQ(bytes.mid(dataStart + 101, 5000), image);
    EXPECT_EQ(bytes.back(), '\0');
    EXPECT_EQ(bytes, packedArchive({{"ptextdat.baf", text}, {"prnbmp1.baf", image}}));

    // Members held in memory pack into the same bytes.
    const QString fromMemory = archiveFolder.file(QStringLiteral("memory.fhl"));
    LinkMake::packBytes({{QStringLiteral("ptextdat.baf"), text}, {QStringLiteral("prnbmp1.baf"), image}}, fromMemory);
    EXPECT_EQ(readBytes(fromMemory), bytes);
}

TEST_F(LabelArchiveTest, ListsAndExtractsMembers)
{
    const QByteArray text = filled(100, 'a');
    const QByteArray image = filled(5000, 'b');
    const QString path = archive(packedArchive({{"ptextdat.baf", text}, {"prnbmp1.baf", image}}));

    QStringList members;
    ASSERT_TRUE(LinkMelut::list(path, members));
    EXPECT_EQ(members, (QStringList{QStringLiteral("0\tptextdat.baf"), QStringLiteral("1\tprnbmp1.baf")}));

    // Extracting replaces a longer file of the same name instead of keeping its tail.
    writeBytes(target.file(QStringLiteral("prnbmp1.baf")), filled(9000, 'z'));
    LinkMelut::extract(path, target.path(), 1);
    EXPECT_EQ(readBytes(target.file(QStringLiteral("prnbmp1.baf"))), image);
    LinkMelut::extract(path, target.path() + QLatin1Char('/'), 0);
    EXPECT_EQ(readBytes(target.file(QStringLiteral("ptextdat.baf"))), text);
    EXPECT_THROW(LinkMelut::extract(path, target.path(), 2), FileError);
}

TEST_F(LabelArchiveTest, AnEmptyMemberStillTakesItsPaddingByte)
{
    writeBytes(source.file(QStringLiteral("a")), QByteArray());
    writeBytes(source.file(QStringLiteral("b")), "xyz");
    LinkMake::pack({QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("x.fhl"), archiveFolder.path(), source.path());
    const QString path = archiveFolder.file(QStringLiteral("x.fhl"));
    const QByteArray bytes = readBytes(path);
    EXPECT_EQ(bytes, packedArchive({{"a", ""}, {"b", "xyz"}}));
    EXPECT_EQ(bytes.right(5), QByteArray("\0xyz\0", 5));
    const QString fromMemory = archiveFolder.file(QStringLiteral("memory.fhl"));
    LinkMake::packBytes({{QStringLiteral("a"), QByteArray()}, {QStringLiteral("b"), "xyz"}}, fromMemory);
    EXPECT_EQ(readBytes(fromMemory), bytes);
    LinkMelut::extract(path, target.path(), 0);
    LinkMelut::extract(path, target.path(), 1);
    EXPECT_EQ(readBytes(target.file(QStringLiteral("a"))), QByteArray());
    EXPECT_EQ(readBytes(target.file(QStringLiteral("b"))), "xyz");
}

TEST_F(LabelArchiveTest, AZeroLengthArchiveListsNothingAndIsLeftWhereItIs)
{
    // The file is the user's: reading it never deletes or changes it.
    const QString path = archive(QByteArray());
    QStringList members;
    EXPECT_FALSE(LinkMelut::list(path, members));
    EXPECT_TRUE(members.isEmpty());
    EXPECT_EQ(LinkMelut::extractAll(path, target.path()), 0);
    LinkMelut::extract(path, target.path(), 0);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_TRUE(QDir(target.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

TEST_F(LabelArchiveTest, ALabelFileHoldsAtMostTwentyOneMembers)
{
    QList<QPair<QByteArray, QByteArray>> members;
    for (int i = 0; i < MaxArchiveMembers; ++i)
        members.append({"m" + QByteArray::number(i), QByteArray::number(i)});
    const QString full = archive(packedArchive(members), QStringLiteral("full.fhl"));
    TempFolder extracted;
    EXPECT_EQ(LinkMelut::extractAll(full, extracted.path()), MaxArchiveMembers);
    EXPECT_EQ(readBytes(extracted.file(QStringLiteral("m20"))), "20");

    // One more, or thousands: refused at the 22nd header, before any member is touched.
    for (int count : {MaxArchiveMembers + 1, 10000}) {
        QList<QPair<QByteArray, QByteArray>> many;
        for (int i = 0; i < count; ++i)
            many.append({"x" + QByteArray::number(i), "y"});
        EXPECT_TRUE(refusal(packedArchive(many)).contains(QStringLiteral("more than 21 members"))) << count;
    }
    std::vector<LinkMake::MemberBytes> tooMany;
    for (int i = 0; i <= MaxArchiveMembers; ++i)
        tooMany.push_back({QStringLiteral("m%1").arg(i), "x"});
    EXPECT_THROW(LinkMake::packBytes(tooMany, archiveFolder.file(QStringLiteral("new.fhl"))), FileError);
    EXPECT_FALSE(QFileInfo::exists(archiveFolder.file(QStringLiteral("new.fhl"))));
}

TEST_F(LabelArchiveTest, StreamedMembersGiveTheBytesOfPackedOnesAndAFailingWriterKeepsTheEarlierFile)
{
    const QString path = archive("earlier", QStringLiteral("streamed.fhl"));
    const std::vector<LinkMake::MemberWriter> members{
        {QStringLiteral("ptextdat.baf"), 3, [](QIODevice &out) { out.write("abc"); }},
        {QStringLiteral("prnbmp1.baf"), 0, [](QIODevice &) {}},
        {QStringLiteral("prnbmp2.baf"), 2, [](QIODevice &out) { out.write("de"); }},
    };
    LinkMake::packStreamed(members, path);
    EXPECT_EQ(readBytes(path), packedArchive({{"ptextdat.baf", "abc"}, {"prnbmp1.baf", ""}, {"prnbmp2.baf", "de"}}));

    const QByteArray before = readBytes(path);
    // A writer that puts fewer bytes than announced, and one that throws.
    EXPECT_THROW(LinkMake::packStreamed({{QStringLiteral("a"), 5, [](QIODevice &out) { out.write("abc"); }}}, path),
                 FileError);
    EXPECT_THROW(LinkMake::packStreamed({{QStringLiteral("a"), 1, [](QIODevice &) { throw FileError(QStringLiteral("no")); }}}, path),
                 FileError);
    EXPECT_EQ(readBytes(path), before);
}

TEST_F(LabelArchiveTest, RefusesDamagedArchivesWithoutWritingAnything)
{
    const QByteArray good = packedArchive({{"ptextdat.baf", filled(100, 'a')}, {"prnbmp1.baf", filled(50, 'b')}});
    // Truncated inside the first header, inside the second, and in the data.
    EXPECT_TRUE(refusal(good.left(10)).contains(QStringLiteral("ends inside a member header")));
    EXPECT_TRUE(refusal(good.left(40)).contains(QStringLiteral("damaged")));
    EXPECT_TRUE(refusal(good.left(good.size() - 20)).contains(QStringLiteral("beyond the end")));
    // Headers that never reach the last-member flag.
    EXPECT_TRUE(refusal(rawHeader({0, 0, 0, "a", 0})).contains(QStringLiteral("before its last member header")));
    // A name length past the end of the file, zero or negative.
    EXPECT_TRUE(refusal(rawHeader({1, 0, 0, "ptextdat.baf", 0, 500})).contains(QStringLiteral("name length")));
    EXPECT_TRUE(refusal(rawHeader({1, 0, 0, "", 0}) + "\0").contains(QStringLiteral("name length")));
    EXPECT_TRUE(refusal(rawHeader({1, 0, 0, "x", 0, -3}) + "\0").contains(QStringLiteral("name length")));
    // Negative and huge lengths and offsets: a 2 GB member in a tiny file.
    EXPECT_TRUE(refusal(rawHeader({1, 0, 0, "a", -1}) + "\0").contains(QStringLiteral("negative")));
    EXPECT_TRUE(refusal(rawHeader({1, -5, 0, "a", 1}) + "x\0").contains(QStringLiteral("negative")));
    EXPECT_TRUE(refusal(rawHeader({1, 0, 0, "a", 0x7FFFFFFF}) + QByteArray(1000, 'x')).contains(QStringLiteral("beyond the end")));
    EXPECT_TRUE(refusal(rawHeader({1, 0x7FFFFFFF, 0, "a", 1}) + "x\0").contains(QStringLiteral("beyond the end")));
    // Flags and indices out of their sequence.
    EXPECT_TRUE(refusal(rawHeader({2, 0, 0, "a", 1}) + "x\0").contains(QStringLiteral("flag")));
    EXPECT_TRUE(refusal(rawHeader({1, 0, 5, "a", 1}) + "x\0").contains(QStringLiteral("index")));
    // Members that overlap: twenty pictures could be read from one.
    EXPECT_TRUE(refusal(rawHeader({0, 0, 0, "a", 2}) + rawHeader({1, 0, 1, "b", 2}) + QByteArray("xy\0xy\0", 6))
                    .contains(QStringLiteral("instead of after the member before it")));
    // Two members of one name would overwrite each other.
    EXPECT_TRUE(refusal(packedArchive({{"a", "1"}, {"a", "2"}})).contains(QStringLiteral("two members")));
    // A Shift-JIS lead byte cut off at the end of a name.
    EXPECT_TRUE(refusal(packedArchive({{"ab\x82", "1"}})).contains(QStringLiteral("plain file")));
}

TEST_F(LabelArchiveTest, MemberNamesWithFolderPartsNeverWriteOutsideTheTarget)
{
    const QString outside = QFileInfo(target.path()).absolutePath();
    for (const QByteArray &name : {QByteArray("../x"), QByteArray(".."), QByteArray("sub/x"), QByteArray("/tmp/x"),
                                   QByteArray("..\\x"), QByteArray("C:x"), QByteArray("a\nb")}) {
        const QString message = refusal(packedArchive({{"ptextdat.baf", "t"}, {name, "evil"}}));
        EXPECT_TRUE(message.contains(QStringLiteral("plain file"))) << name.constData();
    }
    EXPECT_FALSE(QFileInfo::exists(outside + QStringLiteral("/x")));
    EXPECT_FALSE(isPlainMemberName(QStringLiteral(".")));
    EXPECT_TRUE(isPlainMemberName(QStringLiteral("prnbmp12.baf")));
    EXPECT_TRUE(isPlainMemberName(QStringLiteral("画像.baf")));
}

TEST_F(LabelArchiveTest, PackingRefusesMissingMembersAndKeepsTheEarlierArchive)
{
    const QString path = archive("earlier archive", QStringLiteral("keep.fhl"));
    writeBytes(source.file(QStringLiteral("ptextdat.baf")), "data");
    EXPECT_THROW(LinkMake::pack({QStringLiteral("ptextdat.baf"), QStringLiteral("prnbmp1.baf")},
                                QStringLiteral("keep.fhl"), archiveFolder.path(), source.path()),
                 FileError);
    EXPECT_THROW(LinkMake::pack({QStringLiteral("../ptextdat.baf")}, QStringLiteral("keep.fhl"), archiveFolder.path(),
                                source.path()),
                 FileError);
    EXPECT_THROW(LinkMake::packBytes({{QStringLiteral("sub/x"), "data"}}, path), FileError);
    EXPECT_THROW(LinkMake::packBytes({}, path), FileError);
    EXPECT_EQ(readBytes(path), "earlier archive");
}
