#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "app/SplashWindow.h"
#include "ShellFixture.h"

using namespace porkane;
using namespace porkane::test;

using SplashTest = ShellTest;

TEST_F(SplashTest, ListsTheFontsWithOneStepPerFont)
{
    state.TwipsPerPixelX = 0;
    state.TwipsPerPixelY = 0;
    SplashWindow splash(state);
    EXPECT_EQ(splash.objectName(), QStringLiteral("Form4"));
    auto *message = splash.findChild<QLabel *>(QStringLiteral("message"));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(), QStringLiteral("フォント情報を読み込み中です。"));

    QSignalSpy built(&splash, &SplashWindow::catalogueBuilt);
    QList<int> values;
    QObject::connect(splash.progressBar(), &QProgressBar::valueChanged, [&](int value) { values.append(value); });
    splash.buildCatalogue();

    const int fonts = int(FontCatalogue::screenFonts().size());
    EXPECT_EQ(state.fontCatalogue.FontsListed(), fonts);
    EXPECT_EQ(built.count(), 1);
    EXPECT_EQ(splash.progressBar()->maximum(), fonts);
    EXPECT_EQ(splash.progressBar()->value(), fonts);
    // The bar advanced by one for every font, and was full only at the end.
    QList<int> expected;
    for (int i = 1; i <= fonts; ++i)
        expected.append(i);
    EXPECT_EQ(values, expected);

    // The screen is measured once the fonts are listed (96 dpi offscreen).
    EXPECT_EQ(state.TwipsPerPixelX, 15);
    EXPECT_EQ(state.TwipsPerPixelY, 15);

    splash.buildCatalogue(); // once only
    EXPECT_EQ(built.count(), 1);
}

TEST_F(SplashTest, ShowingTheSplashStartsTheListing)
{
    SplashWindow splash(state);
    QSignalSpy built(&splash, &SplashWindow::catalogueBuilt);
    splash.show();
    EXPECT_EQ(built.count(), 0); // not before it has been painted
    EXPECT_TRUE(built.wait(5000));
    EXPECT_GT(state.fontCatalogue.FontsListed(), 0);
    EXPECT_FALSE(splash.mask().contains(QPoint(0, 0)));
}
