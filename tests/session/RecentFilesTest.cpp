#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QXmlStreamReader>

#include "session/RecentFiles.h"
#include "support/TestFiles.h"

using namespace porkane;
using porkane::test::readBytes;
using porkane::test::TempFolder;
using porkane::test::writeBytes;

namespace {

const QString BookmarkNs = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString MimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

const QDateTime First(QDate(2024, 5, 1), QTime(9, 30, 15, 250), Qt::UTC);
const QDateTime Later(QDate(2024, 6, 2), QTime(18, 0, 0), Qt::UTC);

// What a GLib reader takes from the list, read with namespaces resolved as
// GLib does, whatever prefixes the file uses.
struct Application {
    QString name, exec, modified, count;
};
struct Bookmark {
    QString href, added, modified, visited, mimeType;
    QList<Application> applications;
    QStringList groups;
};

QList<Bookmark> readList(const QString &path)
{
    QXmlStreamReader xml(readBytes(path));
    QList<Bookmark> bookmarks;
    bool inOurMetadata = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("metadata"))
            inOurMetadata = false;
        if (!xml.isStartElement())
            continue;
        const auto attribute = [&xml](const char *name) { return xml.attributes().value(QLatin1String(name)).toString(); };
        if (xml.namespaceUri().isEmpty() && xml.name() == QLatin1String("bookmark")) {
            bookmarks.append({attribute("href"), attribute("added"), attribute("modified"), attribute("visited"), {}, {}, {}});
        } else if (xml.name() == QLatin1String("metadata")) {
            inOurMetadata = attribute("owner") == QLatin1String("http://freedesktop.org");
        } else if (inOurMetadata && xml.namespaceUri() == MimeNs && xml.name() == QLatin1String("mime-type")) {
            bookmarks.last().mimeType = attribute("type");
        } else if (inOurMetadata && xml.namespaceUri() == BookmarkNs && xml.name() == QLatin1String("application")) {
            bookmarks.last().applications.append({attribute("name"), attribute("exec"), attribute("modified"), attribute("count")});
        } else if (inOurMetadata && xml.namespaceUri() == BookmarkNs && xml.name() == QLatin1String("group")) {
            bookmarks.last().groups.append(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return bookmarks;
}

// As GTK writes it: another program's entry, a group, a private hint.
const char *const GtkList = R"(<?xml version="1.0" encoding="UTF-8"?>
<xbel version="1.0"
      xmlns:bookmark="http://www.freedesktop.org/standards/desktop-bookmarks"
      xmlns:mime="http://www.freedesktop.org/standards/shared-mime-info"
>
  <bookmark href="file:///home/u/notes%20%E3%83%A1%E3%83%A2.txt" added="2024-01-02T03:04:05.000006Z" modified="2024-01-02T03:04:05.000006Z" visited="2024-01-02T03:04:05.000006Z">
    <info>
      <metadata owner="http://freedesktop.org">
        <mime:mime-type type="text/plain"/>
        <bookmark:groups>
          <bookmark:group>Notes</bookmark:group>
        </bookmark:groups>
        <bookmark:applications>
          <bookmark:application name="gedit" exec="&apos;gedit %u&apos;" modified="2024-01-02T03:04:05.000006Z" count="3"/>
        </bookmark:applications>
        <bookmark:private/>
      </metadata>
    </info>
  </bookmark>
</xbel>
)";

} // namespace

TEST(RecentFiles, StartsANewListWithOneEntryAsGLibReadsIt)
{
    TempFolder folder;
    const QString list = folder.file(QStringLiteral("share/recently-used.xbel")); // its folder is made too
    RecentFiles recent(list);
    const QString label = folder.file(QStringLiteral("宛名 2024.fhl"));
    ASSERT_TRUE(recent.add(label, First)) << recent.errorString().toStdString();

    const QList<Bookmark> bookmarks = readList(list);
    ASSERT_EQ(bookmarks.size(), 1);
    const Bookmark &entry = bookmarks.first();
    // Percent-escaped UTF-8, as g_filename_to_uri writes it.
    EXPECT_EQ(entry.href, QStringLiteral("file://") + QString::fromLatin1(QUrl::toPercentEncoding(
                                                          QDir::cleanPath(QFileInfo(label).absoluteFilePath()), "/")));
    EXPECT_TRUE(entry.href.contains(QLatin1String("%E5%AE%9B%E5%90%8D%202024.fhl")));
    EXPECT_EQ(entry.added, QStringLiteral("2024-05-01T09:30:15.250000Z"));
    EXPECT_EQ(entry.modified, entry.added);
    EXPECT_EQ(entry.visited, entry.added);
    EXPECT_EQ(entry.mimeType, QStringLiteral("application/x-porkane-label"));
    ASSERT_EQ(entry.applications.size(), 1);
    EXPECT_EQ(entry.applications[0].name, QStringLiteral("porkane"));
    EXPECT_EQ(entry.applications[0].exec, QStringLiteral("'porkane %u'"));
    EXPECT_EQ(entry.applications[0].modified, entry.added);
    EXPECT_EQ(entry.applications[0].count, QStringLiteral("1"));

    // What the user worked on is theirs alone to read.
    EXPECT_EQ(QFileInfo(list).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), 0);
}

TEST(RecentFiles, KeepsOtherProgramsEntriesAndAppendsOurs)
{
    TempFolder folder;
    const QString list = folder.file(QStringLiteral("recently-used.xbel"));
    writeBytes(list, GtkList);
    QFile::setPermissions(list, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);

    RecentFiles recent(list);
    ASSERT_TRUE(recent.add(folder.file(QStringLiteral("sheet.FOM")), First)) << recent.errorString().toStdString();

    const QList<Bookmark> bookmarks = readList(list);
    ASSERT_EQ(bookmarks.size(), 2);
    const Bookmark &gedit = bookmarks[0];
    EXPECT_EQ(gedit.href, QStringLiteral("file:///home/u/notes%20%E3%83%A1%E3%83%A2.txt"));
    EXPECT_EQ(gedit.modified, QStringLiteral("2024-01-02T03:04:05.000006Z"));
    EXPECT_EQ(gedit.mimeType, QStringLiteral("text/plain"));
    EXPECT_EQ(gedit.groups, QStringList{QStringLiteral("Notes")});
    ASSERT_EQ(gedit.applications.size(), 1);
    EXPECT_EQ(gedit.applications[0].exec, QStringLiteral("'gedit %u'"));
    EXPECT_EQ(gedit.applications[0].count, QStringLiteral("3"));
    EXPECT_TRUE(readBytes(list).contains("<bookmark:private/>"));

    EXPECT_EQ(bookmarks[1].mimeType, QStringLiteral("application/x-porkane-form"));
    EXPECT_EQ(bookmarks[1].applications.size(), 1);
    // A list that was there keeps the rights its owner gave it.
    EXPECT_TRUE(QFileInfo(list).permissions() & QFileDevice::ReadGroup);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("recently-used.xbel")});
}

TEST(RecentFiles, OpeningAgainRefreshesTheOneEntryAndCountsUp)
{
    TempFolder folder;
    const QString list = folder.file(QStringLiteral("recently-used.xbel"));
    const QString label = folder.file(QStringLiteral("a.fhl"));
    RecentFiles recent(list);
    ASSERT_TRUE(recent.add(label, First));
    // The file manager recorded the same file too, under other escapes.
    QByteArray bytes = readBytes(list);
    const QByteArray href = "href=\"" + QUrl::fromLocalFile(QFileInfo(label).absoluteFilePath()).toEncoded() + '"';
    ASSERT_TRUE(bytes.contains(href));
    QByteArray otherEscapes = href;
    otherEscapes.replace("a.fhl", "%61.fhl");
    bytes.replace(href, otherEscapes);
    bytes.replace("</bookmark:applications>", "<bookmark:application name=\"nautilus\" exec=\"'nautilus %u'\" "
                                              "modified=\"2024-05-01T10:00:00Z\" count=\"1\"/></bookmark:applications>");
    writeBytes(list, bytes);

    ASSERT_TRUE(recent.add(QDir(folder.path()).filePath(QStringLiteral("./sub/../a.fhl")), Later));
    ASSERT_TRUE(recent.add(label, Later));

    const QList<Bookmark> bookmarks = readList(list);
    ASSERT_EQ(bookmarks.size(), 1);
    EXPECT_EQ(bookmarks[0].added, QStringLiteral("2024-05-01T09:30:15.250000Z"));
    EXPECT_EQ(bookmarks[0].modified, QStringLiteral("2024-06-02T18:00:00.000000Z"));
    EXPECT_EQ(bookmarks[0].visited, QStringLiteral("2024-06-02T18:00:00.000000Z"));
    ASSERT_EQ(bookmarks[0].applications.size(), 2);
    EXPECT_EQ(bookmarks[0].applications[0].name, QStringLiteral("porkane"));
    EXPECT_EQ(bookmarks[0].applications[0].count, QStringLiteral("3"));
    EXPECT_EQ(bookmarks[0].applications[0].modified, QStringLiteral("2024-06-02T18:00:00.000000Z"));
    EXPECT_EQ(bookmarks[0].applications[1].name, QStringLiteral("nautilus"));
    EXPECT_EQ(bookmarks[0].applications[1].count, QStringLiteral("1"));
}

TEST(RecentFiles, LeavesADamagedOrForeignListAsItWas)
{
    TempFolder folder;
    const QString list = folder.file(QStringLiteral("recently-used.xbel"));
    RecentFiles recent(list);
    for (const QByteArray &damaged : {QByteArray(GtkList).left(700), QByteArray("<?xml version=\"1.0\"?><html/>"),
                                      QByteArray("\xff\xfe garbage")}) {
        writeBytes(list, damaged);
        EXPECT_FALSE(recent.add(folder.file(QStringLiteral("a.fhl")), First));
        EXPECT_TRUE(recent.errorString().contains(QLatin1String("not a recent-files list")))
            << recent.errorString().toStdString();
        EXPECT_EQ(readBytes(list), damaged);
    }
    // An empty list, as a crash between creating and filling it leaves, is a new one.
    writeBytes(list, QByteArray());
    ASSERT_TRUE(recent.add(folder.file(QStringLiteral("a.fhl")), First));
    EXPECT_TRUE(recent.errorString().isEmpty());
    EXPECT_EQ(readList(list).size(), 1);
}

TEST(RecentFiles, TellsWhenTheListCannotBeWritten)
{
    TempFolder folder;
    writeBytes(folder.file(QStringLiteral("blocker")), "a file where the list's folder should be");
    RecentFiles recent(folder.file(QStringLiteral("blocker/recently-used.xbel")));
    EXPECT_FALSE(recent.add(folder.file(QStringLiteral("a.fhl")), First));
    EXPECT_TRUE(recent.errorString().contains(QLatin1String("recently-used.xbel"))) << recent.errorString().toStdString();
}

TEST(RecentFiles, KnowsOurTwoKindsOfFileAndTheDesktopsList)
{
    EXPECT_EQ(RecentFiles::mimeTypeOf(QStringLiteral("/x/a.fhl")), QStringLiteral("application/x-porkane-label"));
    EXPECT_EQ(RecentFiles::mimeTypeOf(QStringLiteral("B.FHL")), QStringLiteral("application/x-porkane-label"));
    EXPECT_EQ(RecentFiles::mimeTypeOf(QStringLiteral("form.fom")), QStringLiteral("application/x-porkane-form"));
    EXPECT_EQ(RecentFiles::mimeTypeOf(QStringLiteral("fhl")), QStringLiteral("application/octet-stream"));

    TempFolder folder;
    qputenv("XDG_DATA_HOME", folder.path().toLocal8Bit());
    EXPECT_EQ(RecentFiles::standardListPath(), folder.file(QStringLiteral("recently-used.xbel")));
    qunsetenv("XDG_DATA_HOME");
}
