#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include "DataFolders.h"
#include "session/UserGuide.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

// The guide as written, in the sources.
const QString GuideSource = QStringLiteral(PORKANE_GUIDE_SOURCE);

QString pageText(const QString &page) { return QString::fromUtf8(readBytes(QDir(GuideSource).filePath(page))); }

QSet<QString> idsOf(const QString &html)
{
    QSet<QString> ids;
    static const QRegularExpression id(QStringLiteral(R"re(\bid="([^"]+)")re"));
    for (const QRegularExpressionMatch &match : id.globalMatch(html))
        ids.insert(match.captured(1));
    return ids;
}

} // namespace

TEST(UserGuide, TheFolderBesideTheProgramComesBeforeTheSystemsDataFolders)
{
    TempFolder data;
    const DataFoldersOnly only(data.path());
    const QStringList folders = UserGuide::guideFolders(QStringLiteral("/opt/porkane/bin"));
    ASSERT_EQ(folders.size(), 2);
    EXPECT_EQ(folders[0], QStringLiteral("/opt/porkane/share/porkane/guide"));
    EXPECT_EQ(folders[1], data.file(QStringLiteral("porkane/guide")));
}

TEST(UserGuide, TheFirstFolderHoldingTheContentsPageIsTheGuide)
{
    TempFolder root;
    const DataFoldersOnly only(root.file(QStringLiteral("data")));
    QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(dir.mkpath(QStringLiteral("share/porkane/guide")));
    ASSERT_TRUE(dir.mkpath(QStringLiteral("data/porkane/guide")));
    const QString bin = root.file(QStringLiteral("bin"));

    EXPECT_FALSE(UserGuide::find(bin).exists());
    // A folder without index.html is no guide: the next one is taken.
    writeBytes(root.file(QStringLiteral("share/porkane/guide/editor.html")), "<html></html>");
    writeBytes(root.file(QStringLiteral("data/porkane/guide/index.html")), "<html></html>");
    EXPECT_EQ(UserGuide::find(bin).folder(), root.file(QStringLiteral("data/porkane/guide")));

    writeBytes(root.file(QStringLiteral("share/porkane/guide/index.html")), "<html></html>");
    EXPECT_EQ(UserGuide::find(bin).folder(), root.file(QStringLiteral("share/porkane/guide")));
}

TEST(UserGuide, ASectionIsItsPageWithItsAnchor)
{
    const UserGuide guide(QStringLiteral("/usr/share/porkane/guide"));
    const QUrl editor = guide.url(GuideSection::Editor);
    EXPECT_TRUE(editor.isLocalFile());
    EXPECT_EQ(editor.toLocalFile(), QStringLiteral("/usr/share/porkane/guide/editor.html"));
    EXPECT_EQ(editor.fragment(), QStringLiteral("editor"));
    EXPECT_EQ(guide.url(GuideSection::Grid).toString(),
              QStringLiteral("file:///usr/share/porkane/guide/designer.html#grid"));
    EXPECT_EQ(guide.url(GuideSection::Contents).toString(),
              QStringLiteral("file:///usr/share/porkane/guide/index.html#contents"));

    const UserGuide none;
    EXPECT_FALSE(none.exists());
    EXPECT_TRUE(none.url(GuideSection::Editor).isEmpty());
}

TEST(UserGuide, RunFromTheBuildTreeTheProgramFindsTheGuideOfTheSources)
{
    const UserGuide found = UserGuide::find(QCoreApplication::applicationDirPath());
    ASSERT_TRUE(found.exists());
    EXPECT_EQ(QFileInfo(found.folder()).canonicalFilePath(), QFileInfo(GuideSource).canonicalFilePath());
}

TEST(UserGuide, EverySectionsPageHoldsItsAnchor)
{
    QSet<QString> anchors;
    for (GuideSection section : UserGuide::allSections()) {
        const QString page = UserGuide::pageOf(section);
        const QString anchor = UserGuide::anchorOf(section);
        EXPECT_FALSE(anchors.contains(anchor)) << anchor.toStdString();
        anchors.insert(anchor);
        ASSERT_TRUE(QFileInfo(QDir(GuideSource).filePath(page)).isFile()) << page.toStdString();
        EXPECT_TRUE(idsOf(pageText(page)).contains(anchor)) << page.toStdString() << "#" << anchor.toStdString();
    }
}

TEST(UserGuide, EveryLinkAndPictureOfTheGuideLeadsSomewhere)
{
    const QDir guide(GuideSource);
    const QStringList pages = guide.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_FALSE(pages.isEmpty());
    ASSERT_TRUE(pages.contains(QStringLiteral("index.html")));
    QSet<QString> picturesShown;
    static const QRegularExpression reference(QStringLiteral(R"re(\b(href|src)="([^"]*)")re"));
    for (const QString &page : pages) {
        const QString html = pageText(page);
        EXPECT_TRUE(html.contains(QStringLiteral(R"(<html lang="ja">)"))) << page.toStdString();
        EXPECT_TRUE(html.contains(QStringLiteral(R"(href="guide.css")"))) << page.toStdString();
        for (const QRegularExpressionMatch &match : reference.globalMatch(html)) {
            const QString target = match.captured(2);
            if (target.startsWith(QLatin1String("http://")) || target.startsWith(QLatin1String("https://")) ||
                target.startsWith(QLatin1String("mailto:")))
                continue;
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            const QString anchor = target.section(QLatin1Char('#'), 1);
            const QString targetPage = file.isEmpty() ? page : file;
            ASSERT_TRUE(QFileInfo(guide.filePath(targetPage)).isFile())
                << page.toStdString() << ": " << target.toStdString();
            if (!anchor.isEmpty())
                EXPECT_TRUE(idsOf(pageText(targetPage)).contains(anchor))
                    << page.toStdString() << ": " << target.toStdString();
            if (file.startsWith(QLatin1String("images/")))
                picturesShown.insert(file.mid(7));
        }
    }
    // A picture no page shows is left over from an earlier guide.
    for (const QString &picture : QDir(guide.filePath(QStringLiteral("images"))).entryList(QDir::Files))
        EXPECT_TRUE(picturesShown.contains(picture)) << "images/" << picture.toStdString() << " is not used";
}
