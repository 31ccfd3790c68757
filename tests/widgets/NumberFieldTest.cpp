#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "widgets/NumberField.h"

using namespace porkane;

namespace {

// The arrows the field's style would draw enabled.
class ShownNumberField : public NumberField {
public:
    using NumberField::lineEdit;
    using NumberField::stepEnabled;
};

} // namespace

TEST(NumberField, TakesAny16BitValueTypedButItsArrowsKeepToTheSpinnersRange)
{
    ShownNumberField field;
    field.setSpinnerRange(0, 50);
    field.show();
    field.selectAll();
    QTest::keyClicks(&field, QStringLiteral("-300"));
    EXPECT_EQ(field.value(), -300); // the window corrects it
    EXPECT_EQ(field.stepEnabled(), QAbstractSpinBox::StepUpEnabled);

    QSignalSpy changed(&field, &QSpinBox::valueChanged);
    field.stepBy(1);
    EXPECT_EQ(field.value(), 0);
    field.setSingleStep(20);
    field.stepBy(2);
    EXPECT_EQ(field.value(), 40);
    field.stepBy(1);
    EXPECT_EQ(field.value(), 50);
    EXPECT_EQ(field.stepEnabled(), QAbstractSpinBox::StepDownEnabled);
    // At the bound an arrow changes nothing and tells nobody.
    field.stepBy(1);
    EXPECT_EQ(changed.count(), 3);
    // A step leaves the number selected, ready to be typed over.
    EXPECT_EQ(field.lineEdit()->selectedText(), QStringLiteral("50"));

    field.setValue(32767);
    EXPECT_EQ(field.value(), 32767);
    field.setSpinnerRange(10, 5); // a reversed range is one value
    EXPECT_EQ(field.spinnerMaximum(), 10);
    field.stepBy(-1);
    EXPECT_EQ(field.value(), 10);
    EXPECT_EQ(field.stepEnabled(), QAbstractSpinBox::StepNone);
}

TEST(InterfaceFont, IsTheIpaFontTheWindowsAreLaidOutFor)
{
    // The test main sets it as the program does; on a machine without
    // fonts-ipafont this fails instead of every window measuring differently.
    const QFontInfo shown(QApplication::font());
    EXPECT_EQ(shown.family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(shown.pixelSize(), 12);
}
