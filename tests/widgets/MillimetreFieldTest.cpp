#include <QSignalSpy>
#include <gtest/gtest.h>

#include "widgets/MillimetreField.h"

using namespace porkane;

TEST(MillimetreField, ShowsWholeMillimetresPlainAndOthersToATenth)
{
    MillimetreField field;
    field.setRange(0, 10000);
    field.setValue(30);
    EXPECT_EQ(field.text(), QStringLiteral("30"));
    field.setValue(35.27);
    EXPECT_EQ(field.text(), QStringLiteral("35.3"));
    EXPECT_DOUBLE_EQ(field.value(), 35.3);
    field.setValue(0);
    EXPECT_EQ(field.text(), QStringLiteral("0"));
}

TEST(MillimetreField, TheArrowsStepToTheNextWholeMillimetre)
{
    MillimetreField field;
    field.setRange(0, 10000);
    field.setValue(35.3);
    QSignalSpy changed(&field, &QDoubleSpinBox::valueChanged);
    field.stepBy(1);
    EXPECT_EQ(field.text(), QStringLiteral("36"));
    field.setValue(35.3);
    field.stepBy(-1);
    EXPECT_EQ(field.text(), QStringLiteral("35"));
    field.stepBy(-1);
    EXPECT_EQ(field.text(), QStringLiteral("34"));
    EXPECT_EQ(changed.size(), 4);
    // Not below the range.
    field.setValue(0);
    field.stepBy(-1);
    EXPECT_EQ(field.text(), QStringLiteral("0"));
}
