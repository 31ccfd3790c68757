#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "widgets/SpinField.h"

using namespace porkane;

namespace {

void clickArrow(SpinField &box, int direction)
{
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(box.width() - 6, direction > 0 ? 4 : box.height() - 5));
}

} // namespace

TEST(SpinField, ItsFieldTakesAnyTextAndItsArrowsStep)
{
    SpinField spin;
    spin.setRange(-100, 100);
    spin.resize(70, 24);
    spin.show();
    QTest::keyClicks(&spin, QStringLiteral("12mm"));
    EXPECT_EQ(spin.field()->text(), QStringLiteral("12mm"));
    EXPECT_EQ(spin.value(), 0); // the window sets it from the field

    clickArrow(spin, +1);
    clickArrow(spin, +1);
    EXPECT_EQ(spin.value(), 2);
    clickArrow(spin, -1);
    EXPECT_EQ(spin.value(), 1);
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.value(), 2);
    // Stepping stops at the range; a page step is that many clicks.
    QSignalSpy stepped(&spin, &SpinField::stepped);
    spin.setValue(95);
    EXPECT_EQ(stepped.count(), 0); // setting the value tells nobody
    spin.stepBy(10);
    EXPECT_EQ(spin.value(), 100);
    EXPECT_EQ(stepped.count(), 5);

    spin.setEnabled(false);
    QSignalSpy clicked(&spin, &SpinField::clicked);
    spin.stepBy(-1);
    clickArrow(spin, -1);
    EXPECT_EQ(spin.value(), 100);
    EXPECT_EQ(clicked.count(), 0);
}

TEST(SpinField, WithoutAFieldEveryClickCounts)
{
    SpinField spin;
    spin.setRange(0, 10);
    spin.setButtonsOnly();
    spin.resize(spin.sizeHint().width(), 40);
    spin.show();
    EXPECT_FALSE(spin.field()->isVisible());
    QSignalSpy clicked(&spin, &SpinField::clicked);
    clickArrow(spin, -1); // at its minimum, still a click
    clickArrow(spin, +1);
    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), -1);
    EXPECT_EQ(clicked.at(1).at(0).toInt(), +1);
}
