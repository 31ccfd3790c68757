#include "image/AngleEntry.h"

#include <gtest/gtest.h>

using namespace porkane;

namespace {

void expectAccepted(const QString &typed, int degrees, const QString &shown)
{
    const AngleEntry entry = readAngle(typed);
    EXPECT_EQ(entry.degrees, std::optional<int>(degrees)) << typed.toStdString();
    EXPECT_EQ(entry.text, shown) << typed.toStdString();
}

void expectRefused(const QString &typed, const QString &shown)
{
    const AngleEntry entry = readAngle(typed);
    EXPECT_FALSE(entry.degrees.has_value()) << typed.toStdString();
    EXPECT_EQ(entry.text, shown) << typed.toStdString();
}

} // namespace

TEST(AngleEntry, AcceptsWholeDegreesFromNoughtToThreeSixty)
{
    expectAccepted(QStringLiteral("0"), 0, QStringLiteral("0"));
    expectAccepted(QStringLiteral("45"), 45, QStringLiteral("45"));
    expectAccepted(QStringLiteral("360"), 360, QStringLiteral("360"));
}

TEST(AngleEntry, AnEmptyBoxIsNoughtDegrees)
{
    expectAccepted(QString(), 0, QStringLiteral("0"));
    expectAccepted(QStringLiteral("   "), 0, QStringLiteral("0"));
}

TEST(AngleEntry, RefusesAnglesOutsideTheRangeAndShowsTheirWholeValue)
{
    expectRefused(QStringLiteral("-5"), QStringLiteral("-5"));
    expectRefused(QStringLiteral("400"), QStringLiteral("400"));
    expectRefused(QStringLiteral("361"), QStringLiteral("361"));
    expectRefused(QStringLiteral("-1"), QStringLiteral("-1"));
    expectRefused(QStringLiteral("99999"), QStringLiteral("99999"));
    EXPECT_FALSE(readAngle(QStringLiteral("1e30")).degrees.has_value());
}

TEST(AngleEntry, RoundsFractionsHalvesToEven)
{
    expectAccepted(QStringLiteral("30.5"), 30, QStringLiteral("30"));
    expectAccepted(QStringLiteral("31.5"), 32, QStringLiteral("32"));
    expectAccepted(QStringLiteral("360.4"), 360, QStringLiteral("360"));
    expectAccepted(QStringLiteral("-0.4"), 0, QStringLiteral("0"));
    expectRefused(QStringLiteral("360.6"), QStringLiteral("361"));
}

TEST(AngleEntry, ReadsFullWidthDigitsAndIgnoresBlanks)
{
    expectAccepted(QStringLiteral(" ４５ "), 45, QStringLiteral("45"));
    expectRefused(QStringLiteral("－５"), QStringLiteral("-5"));
}

TEST(AngleEntry, RefusesTextThatIsNotANumberAndLeavesIt)
{
    expectRefused(QStringLiteral("abc"), QStringLiteral("abc"));
    expectRefused(QStringLiteral("45度"), QStringLiteral("45度"));
    expectRefused(QStringLiteral("nan"), QStringLiteral("nan"));
    expectRefused(QStringLiteral("inf"), QStringLiteral("inf"));
}
