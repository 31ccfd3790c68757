#include <gtest/gtest.h>

#include "core/Errors.h"
#include "format/SampleSettingsFile.h"
#include "support/TestFiles.h"

using namespace porkane;
using porkane::test::crlf;

TEST(SampleSettingsFile, WritesThreeLinesAndReadsThemBack)
{
    const SampleSettings defaults;
    EXPECT_EQ(writeSampleSettings(defaults), crlf({" 16777215 ", " 16773845 ", " 5 "}));
    SampleSettings settings{rgbValue(1, 2, 3), rgbValue(200, 100, 50), 10};
    EXPECT_EQ(readSampleSettings(writeSampleSettings(settings)), settings);
}

TEST(SampleSettingsFile, AMissingOrDamagedFileGivesTheBuiltInSettings)
{
    test::TempFolder folder;
    EXPECT_EQ(loadSampleSettings(folder.path()), SampleSettings{});
    test::writeBytes(folder.file(SampleSettingsFileName), crlf({" 0 ", " x "}));
    EXPECT_EQ(loadSampleSettings(folder.path()), SampleSettings{});

    const SampleSettings settings{0, 0, 10};
    ASSERT_TRUE(saveSampleSettings(folder.path(), settings));
    EXPECT_EQ(loadSampleSettings(folder.path()), settings);
    EXPECT_EQ(test::readBytes(folder.file(SampleSettingsFileName)), crlf({" 0 ", " 0 ", " 10 "}));
}
