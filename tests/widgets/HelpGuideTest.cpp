#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "widgets/HelpGuide.h"

using namespace porkane;

namespace {

class HelpGuideTest : public ::testing::Test {
protected:
    ~HelpGuideTest() override { HelpGuide::reset(); }

    void useGuide(const QString &folder, bool opens = true)
    {
        HelpGuide::use(UserGuide(folder), [this, opens](const QUrl &url) {
            opened.append(url);
            return opens;
        });
    }

    QList<QUrl> opened;
};

} // namespace

TEST_F(HelpGuideTest, F1AnywhereInAWindowOpensItsSection)
{
    useGuide(QStringLiteral("/guide"));
    QWidget window;
    auto *field = new QLineEdit(&window);
    (new QVBoxLayout(&window))->addWidget(field);
    HelpGuide::addKey(&window, GuideSection::Format);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus();

    QTest::keyClick(field, Qt::Key_F1);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front(), UserGuide(QStringLiteral("/guide")).url(GuideSection::Format));
    EXPECT_EQ(opened.front().fragment(), QStringLiteral("format"));
}

TEST_F(HelpGuideTest, EachWindowOpensItsOwnSection)
{
    useGuide(QStringLiteral("/guide"));
    QWidget designer;
    QWidget editor;
    HelpGuide::addKey(&designer, GuideSection::Designer);
    HelpGuide::addKey(&editor, GuideSection::Editor);
    for (QWidget *window : {&designer, &editor}) {
        window->show();
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_F1);
    }
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].fileName(), QStringLiteral("designer.html"));
    EXPECT_EQ(opened[1].fileName(), QStringLiteral("editor.html"));
}

TEST_F(HelpGuideTest, WithoutAGuideOrWhenTheDesktopFailsNothingIsReportedOpened)
{
    useGuide(QString());
    EXPECT_FALSE(HelpGuide::guide().exists());
    EXPECT_FALSE(HelpGuide::open(GuideSection::Editor));
    EXPECT_TRUE(opened.isEmpty());

    useGuide(QStringLiteral("/guide"), false);
    EXPECT_FALSE(HelpGuide::open(GuideSection::Editor));
    EXPECT_EQ(opened.size(), 1);

    useGuide(QStringLiteral("/guide"));
    EXPECT_TRUE(HelpGuide::open(GuideSection::Troubleshooting));
}
