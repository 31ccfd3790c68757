#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/Errors.h"
#include "editor/EditorSettingsFile.h"
#include "support/TestFiles.h"

using namespace porkane;
using porkane::test::crlf;

TEST(EditorSettingsFile, AMissingFileIsWrittenWithTheDeliveredValues)
{
    test::TempFolder folder;
    const EditorSettings loaded = loadEditorSettings(folder.path());
    EXPECT_EQ(loaded, EditorSettings{});
    EXPECT_EQ(loaded.gridVisible, 0);
    EXPECT_EQ(loaded.backgroundColour, rgbValue(255, 255, 255));
    EXPECT_EQ(loaded.gridSpacing, 5);
    EXPECT_EQ(loaded.printOffsetLeft, 0);
    EXPECT_EQ(loaded.forcePrintOverrun, 0);
    const QByteArray written = test::readBytes(folder.file(EditorSettingsFileName));
    EXPECT_EQ(written.count("\r\n"), 8);
    EXPECT_EQ(readEditorSettings(written), EditorSettings{});
}

TEST(EditorSettingsFile, SettingsSurviveASaveAndALoad)
{
    test::TempFolder folder;
    const EditorSettings settings{1, rgbValue(10, 20, 30), rgbValue(0, 0, 255), rgbValue(255, 255, 200), 10, -1000, 1000, 1};
    ASSERT_TRUE(saveEditorSettings(folder.path(), settings));
    EXPECT_EQ(test::readBytes(folder.file(EditorSettingsFileName)),
              crlf({" 1 ", " 1971210 ", " 16711680 ", " 13172735 ", " 10 ", "-1000 ", " 1000 ", " 1 "}));
    EXPECT_EQ(loadEditorSettings(folder.path()), settings);
}

TEST(EditorSettingsFile, ADamagedFileIsRefusedAndLeftAlone)
{
    test::TempFolder folder;
    const QString path = folder.file(EditorSettingsFileName);
    const QByteArray damaged = crlf({" 1 ", " 16777215 ", " 0 "});
    test::writeBytes(path, damaged);
    EXPECT_THROW(loadEditorSettings(folder.path()), FileError);
    EXPECT_EQ(test::readBytes(path), damaged);
    // Lines 1 and 5 to 8 are 16-bit: a spacing of 70000 does not fit.
    test::writeBytes(path, crlf({" 1 ", " 0 ", " 0 ", " 0 ", " 70000 ", " 0 ", " 0 ", " 0 "}));
    EXPECT_THROW(loadEditorSettings(folder.path()), FileError);
}

TEST(EditorSettingsFile, ADamagedFileGivesWayToTheDeliveredValuesAndIsRewrittenOnTheNextSave)
{
    test::TempFolder folder;
    const QString path = folder.file(EditorSettingsFileName);
    const QByteArray damaged = crlf({" 1 ", " 16777215 ", " garbage "});
    test::writeBytes(path, damaged);

    const LoadedEditorSettings loaded = loadEditorSettingsReporting(folder.path());
    EXPECT_TRUE(loaded.fellBack());
    EXPECT_EQ(loaded.settings, EditorSettings{});
    // The message names the settings file, not the document.
    EXPECT_TRUE(loaded.problem.contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(loaded.problem.contains(EditorSettingsFileName));
    EXPECT_EQ(loaded.problem, damagedEditorSettingsMessage(path));
    // Reading leaves the file as it was; the next save writes it whole.
    EXPECT_EQ(test::readBytes(path), damaged);
    EditorSettings chosen;
    chosen.gridSpacing = 8;
    ASSERT_TRUE(saveEditorSettings(folder.path(), chosen));
    const LoadedEditorSettings again = loadEditorSettingsReporting(folder.path());
    EXPECT_FALSE(again.fellBack());
    EXPECT_EQ(again.settings, chosen);

    // A missing file is no damage: it is written with the delivered values.
    QFile::remove(path);
    EXPECT_FALSE(loadEditorSettingsReporting(folder.path()).fellBack());
    EXPECT_TRUE(QFileInfo::exists(path));
}
