#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/Errors.h"
#include "document/SaveTarget.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

TEST(SaveTarget, APlainNameIsWrittenWhereItIsAndAskedAboutOnlyWhenItExists)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("宛名.fhl"));
    SaveTarget target = resolveSaveTarget(path);
    EXPECT_EQ(target.path, QFileInfo(folder.path()).canonicalFilePath() + QStringLiteral("/宛名.fhl"));
    EXPECT_FALSE(target.exists);
    EXPECT_FALSE(target.needsQuestion());

    writeBytes(path, "earlier");
    target = resolveSaveTarget(path);
    EXPECT_TRUE(target.exists);
    EXPECT_FALSE(target.throughLink);
    EXPECT_TRUE(target.needsQuestion());
}

TEST(SaveTarget, ALinkLeadsToTheFileItNamesEvenOneNotThereYet)
{
    TempFolder home;
    TempFolder elsewhere;
    const QString real = QFileInfo(elsewhere.path()).canonicalFilePath() + QStringLiteral("/real.fhl");
    const QString link = home.file(QStringLiteral("link.fhl"));
    ASSERT_TRUE(QFile::link(real, link));

    // Dangling: saving would create a file in another folder, so the window asks first.
    SaveTarget target = resolveSaveTarget(link);
    EXPECT_EQ(target.path, real);
    EXPECT_FALSE(target.exists);
    EXPECT_TRUE(target.throughLink);
    EXPECT_TRUE(target.needsQuestion());
    EXPECT_EQ(overwriteQuestionFor(target),
              QStringLiteral("ファイルを上書きしますか？\r") + QDir::toNativeSeparators(real));

    // Through a chain of links, relative ones included, to an existing file.
    writeBytes(real, "earlier");
    const QString second = home.file(QStringLiteral("second.fhl"));
    ASSERT_TRUE(QFile::link(QStringLiteral("link.fhl"), second));
    target = resolveSaveTarget(second);
    EXPECT_EQ(target.path, real);
    EXPECT_TRUE(target.exists);

    // A loop of links names no file at all.
    const QString a = home.file(QStringLiteral("a.fhl"));
    const QString b = home.file(QStringLiteral("b.fhl"));
    ASSERT_TRUE(QFile::link(b, a));
    ASSERT_TRUE(QFile::link(a, b));
    EXPECT_THROW(resolveSaveTarget(a), FileError);
}
