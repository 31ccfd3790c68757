#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "app/AboutDialog.h"
#include "app/ApplicationSetup.h"
#include "widgets/HelpGuide.h"
#include "widgets/PictureButton.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

void click(PictureButton *button)
{
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
}

} // namespace

TEST(AboutDialog, ShowsTheProgramAndItsVersion)
{
    AboutDialog about;
    EXPECT_EQ(about.objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(about.findChild<QLabel *>(QStringLiteral("programName"))->text(), QStringLiteral("ぽるかね"));
    EXPECT_EQ(about.findChild<QLabel *>(QStringLiteral("version"))->text(), QStringLiteral("ver1.35"));
}

TEST(AboutDialog, HelpOpensTheGuidesContentsWhenTheGuideIsInstalled)
{
    QList<QUrl> opened;
    const auto opener = [&](const QUrl &url) {
        opened.append(url);
        return true;
    };
    {
        HelpGuide::use(UserGuide(), opener);
        AboutDialog about;
        auto *help = about.findChild<PictureButton *>(QStringLiteral("helpButton"));
        EXPECT_FALSE(help->isEnabled());
        EXPECT_FALSE(about.openHelp());
        EXPECT_TRUE(opened.isEmpty());
    }
    TempFolder folder;
    writeBytes(folder.file(QStringLiteral("index.html")), "<html></html>");
    HelpGuide::use(UserGuide(folder.path()), opener);
    AboutDialog about;
    auto *help = about.findChild<PictureButton *>(QStringLiteral("helpButton"));
    EXPECT_TRUE(help->isEnabled());
    click(help);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front(), UserGuide(folder.path()).url(GuideSection::Contents));
    EXPECT_EQ(opened.front().toLocalFile(), folder.file(QStringLiteral("index.html")));
    HelpGuide::reset();
}

TEST(AboutDialog, TheCloseButtonClosesIt)
{
    AboutDialog about;
    about.show();
    QSignalSpy closed(&about, &AboutDialog::closed);
    click(about.findChild<PictureButton *>(QStringLiteral("okButton")));
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST(ApplicationSetup, GivesQtNoDisplayNameToAppendToTheTitles)
{
    // Qt appends a display name set by the program to every window title;
    // the main menu's title holds the program's name already.
    const bool quitOnLastWindow = QApplication::quitOnLastWindowClosed();
    configureApplication();
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("porkane"));
    EXPECT_EQ(QApplication::applicationDisplayName(), QApplication::applicationName());
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
    QApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
}
