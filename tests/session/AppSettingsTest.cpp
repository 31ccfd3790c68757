#include <gtest/gtest.h>

#include <QDir>

#include "session/AppSettingsFile.h"
#include "session/AppState.h"
#include "session/StartupSettings.h"
#include "core/Errors.h"
#include "format/DefaultFormatFile.h"
#include "support/TestFiles.h"

using namespace porkane;
using porkane::test::crlf;

namespace {

const QSizeF Screen(1920 * 15, 1080 * 15);

AppSettings someSettings()
{
    AppSettings settings;
    settings.mainTop = 1200.5f;
    settings.mainLeft = -300;
    settings.mainWidth = 6000;
    settings.designer = {10, 20, 9000, 7000};
    settings.designerZoom = 3;
    settings.editor = {0, 15, 12000, 9000};
    settings.pasteDialog = {-100, 200, 8000, 6000};
    return settings;
}

TextFormat someFormat()
{
    TextFormat format;
    format.charWidth = 32;
    format.letterSpacing = 1.5f;
    format.faceName = QStringLiteral("IPAGothic");
    format.effectCode = ShadowEffect | OutlineEffect;
    return format;
}

} // namespace

TEST(AppSettingsFile, WritesSixteenPrintStyleLines)
{
    EXPECT_EQ(writeAppSettings(someSettings()),
              crlf({" 1200.5 ", "-300 ", " 6000 ", " 10 ", " 20 ", " 9000 ", " 7000 ", " 3 ", " 0 ", " 15 ", " 12000 ",
                    " 9000 ", "-100 ", " 200 ", " 8000 ", " 6000 "}));
}

TEST(AppSettingsFile, ReadsBackWhatItWroteWithTheMainWidthAsAnInteger)
{
    EXPECT_EQ(readAppSettings(writeAppSettings(someSettings())), someSettings());
    AppSettings fractional = someSettings();
    fractional.mainWidth = 5150.5f;
    EXPECT_EQ(readAppSettings(writeAppSettings(fractional)).mainWidth, 5150.0f); // half to even
}

TEST(AppSettingsFile, DefaultsCentreTheMainWindow)
{
    const AppSettings defaults = AppSettings::defaults(Screen);
    EXPECT_EQ(defaults.mainWidth, 5150);
    EXPECT_EQ(defaults.mainLeft, (1920 * 15 - 5150) / 2.0f);
    EXPECT_EQ(defaults.mainTop, (1080 * 15 - 5150) / 2.0f);
    EXPECT_EQ(defaults.designer, (WindowPlace{0, 0, 1000, 1000}));
    EXPECT_EQ(defaults.designerZoom, 2);
    EXPECT_EQ(defaults.editor, (WindowPlace{0, 0, 1000, 1000}));
    EXPECT_EQ(defaults.pasteDialog, (WindowPlace{0, 0, 1000, 1000}));
}

TEST(StartupSettings, ReadsBothFilesWhenBothAreWhole)
{
    test::TempFolder folder;
    ASSERT_TRUE(saveAppSettings(folder.path(), someSettings()));
    ASSERT_TRUE(saveDefaultFormat(folder.path(), someFormat()));
    const StartupSettings startup = loadStartupSettings(folder.path(), Screen);
    EXPECT_FALSE(startup.fellBackToDefaults);
    EXPECT_EQ(startup.settings, someSettings());
    EXPECT_EQ(startup.defaultFormat, someFormat());
}

TEST(StartupSettings, AnyUnreadableFileGivesEveryDefaultTogether)
{
    test::TempFolder folder;
    // No porkane.INI at all: a first start.
    StartupSettings startup = loadStartupSettings(folder.path(), Screen);
    EXPECT_TRUE(startup.fellBackToDefaults);
    EXPECT_EQ(startup.settings, AppSettings::defaults(Screen));
    EXPECT_EQ(startup.defaultFormat, TextFormat{});

    // A porkane.INI of three lines: the default format falls back too, even
    // though DefMog.INI is whole.
    ASSERT_TRUE(saveDefaultFormat(folder.path(), someFormat()));
    test::writeBytes(folder.file(AppSettingsFileName), crlf({" 100 ", " 200 ", " 6000 "}));
    startup = loadStartupSettings(folder.path(), Screen);
    EXPECT_TRUE(startup.fellBackToDefaults);
    EXPECT_EQ(startup.settings, AppSettings::defaults(Screen));
    EXPECT_EQ(startup.defaultFormat, TextFormat{});

    // A whole porkane.INI but a damaged DefMog.INI: the window places fall back as well.
    ASSERT_TRUE(saveAppSettings(folder.path(), someSettings()));
    test::writeBytes(folder.file(DefaultFormatFileName), crlf({" 0 ", " wide "}));
    startup = loadStartupSettings(folder.path(), Screen);
    EXPECT_TRUE(startup.fellBackToDefaults);
    EXPECT_EQ(startup.settings, AppSettings::defaults(Screen));
}

TEST(AppState, CreatesItsDataFolder)
{
    test::TempFolder folder;
    const QString data = folder.file(QStringLiteral("nested/porkane"));
    AppState state(data);
    EXPECT_TRUE(QDir(data).exists());
    EXPECT_EQ(state.ModalMode, 0);
    EXPECT_EQ(state.document.labelCount(), 0);
    EXPECT_TRUE(AppState::standardDataFolder().endsWith(QStringLiteral("/porkane")));
}
