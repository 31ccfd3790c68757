#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "widgets/Artwork.h"
#include "widgets/PictureButton.h"

using namespace porkane;

namespace {

PictureButton *makeButton(QWidget *parent, QSize size, artwork::ButtonShape shape)
{
    auto *button = new PictureButton(parent);
    button->setPictures(artwork::buttonPictures(QStringLiteral("save"), size, shape));
    return button;
}

void pressAndRelease(PictureButton *button, QPoint releaseAt)
{
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, releaseAt);
}

} // namespace

TEST(PictureButton, ShowsThePressedPictureWhileHeldAndActsOnReleaseInside)
{
    QWidget window;
    PictureButton *button = makeButton(&window, artwork::CommandButtonSize, artwork::ButtonShape::Wide);
    QSignalSpy clicked(button, &PictureButton::clicked);
    EXPECT_EQ(button->shown(), PictureButton::Shown::Normal);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_EQ(button->shown(), PictureButton::Shown::Pressed);
    EXPECT_EQ(clicked.count(), 0); // a press alone does nothing
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_EQ(button->shown(), PictureButton::Shown::Normal);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(PictureButton, MainMenuBoundsReachX75AndY35)
{
    QWidget window;
    PictureButton *button = makeButton(&window, artwork::CommandButtonSize, artwork::ButtonShape::Wide);
    button->setActingBounds(75, 35);
    QSignalSpy clicked(button, &PictureButton::clicked);

    pressAndRelease(button, QPoint(76, 10));
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(button->shown(), PictureButton::Shown::Normal); // only the picture is restored
    pressAndRelease(button, QPoint(10, 36));
    pressAndRelease(button, QPoint(-1, 10));
    pressAndRelease(button, QPoint(10, -1));
    EXPECT_EQ(clicked.count(), 0);

    pressAndRelease(button, QPoint(75, 35));
    pressAndRelease(button, QPoint(0, 0));
    EXPECT_EQ(clicked.count(), 2);
}

TEST(PictureButton, ToolbarButtonsActAtX35AndNotAtX36)
{
    QWidget window;
    PictureButton *button = makeButton(&window, artwork::ToolbarButtonSize, artwork::ButtonShape::Square);
    EXPECT_EQ(button->size(), QSize(36, 36));
    QSignalSpy clicked(button, &PictureButton::clicked);
    pressAndRelease(button, QPoint(36, 10));
    pressAndRelease(button, QPoint(10, 36));
    EXPECT_EQ(clicked.count(), 0);
    pressAndRelease(button, QPoint(35, 35));
    EXPECT_EQ(clicked.count(), 1);
}

TEST(PictureButton, OtherButtonsAndReleasesWithoutPressDoNothing)
{
    QWidget window;
    PictureButton *button = makeButton(&window, artwork::CommandButtonSize, artwork::ButtonShape::Wide);
    QSignalSpy clicked(button, &PictureButton::clicked);
    QTest::mousePress(button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->shown(), PictureButton::Shown::Normal);
    QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 0);
}

TEST(PictureButton, ADisabledButtonShowsItsDisabledPictureAndIgnoresClicks)
{
    QWidget window;
    PictureButton *button = makeButton(&window, artwork::CommandButtonSize, artwork::ButtonShape::Wide);
    QSignalSpy clicked(button, &PictureButton::clicked);
    button->setEnabled(false);
    EXPECT_EQ(button->shown(), PictureButton::Shown::Disabled);
    pressAndRelease(button, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 0);

    // Disabled while held: the press is dropped, not acted on later.
    button->setEnabled(true);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    button->setEnabled(false);
    button->setEnabled(true);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 0);
}

TEST(PictureButton, TheCaptionSitsUnderThePictureAndDoesNotAct)
{
    QWidget window;
    PictureButton *button = makeButton(&window, artwork::CommandButtonSize, artwork::ButtonShape::Wide);
    button->setCaption(QStringLiteral("保    存"));
    EXPECT_EQ(button->size(), QSize(75, 35 + PictureButton::CaptionHeight));
    QSignalSpy clicked(button, &PictureButton::clicked);
    pressAndRelease(button, QPoint(20, 45));
    EXPECT_EQ(clicked.count(), 0);
}

TEST(PictureButton, TheThreePicturesDiffer)
{
    const PictureButton::Pictures pictures =
        artwork::buttonPictures(QStringLiteral("printer"), artwork::CommandButtonSize, artwork::ButtonShape::Wide);
    const QImage normal = pictures.normal.toImage();
    const QImage pressed = pictures.pressed.toImage();
    const QImage disabled = pictures.disabled.toImage();
    ASSERT_FALSE(normal.isNull());
    EXPECT_EQ(pictures.normal.deviceIndependentSize().toSize(), QSize(75, 35));
    EXPECT_NE(normal, pressed);
    EXPECT_NE(normal, disabled);
    // The artwork is drawn, not an empty picture.
    const QRgb centre = normal.pixel(normal.width() / 2, normal.height() / 2);
    EXPECT_GT(qAlpha(centre), 0);
    // The disabled picture has no colour of its own.
    for (int x = 0; x < disabled.width(); x += 3) {
        const QRgb pixel = disabled.pixel(x, disabled.height() / 2);
        if (qAlpha(pixel) == 255) {
            EXPECT_LE(std::abs(qRed(pixel) - qBlue(pixel)), 40) << x;
        }
    }
}

TEST(PictureButton, TabReachesItAndSpaceOrEnterPressesIt)
{
    QWidget window;
    auto *field = new QLineEdit(&window);
    PictureButton *button = makeButton(&window, artwork::CommandButtonSize, artwork::ButtonShape::Wide);
    button->move(0, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    field->setFocus();
    QSignalSpy clicked(button, &PictureButton::clicked);

    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_TRUE(button->hasFocus());
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 1);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked.count() == 2; }));
    QTest::keyClick(button, Qt::Key_Enter);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked.count() == 3; }));

    // A disabled button is skipped and ignores the keys.
    button->setEnabled(false);
    EXPECT_FALSE(button->hasFocus());
}

TEST(PictureButton, AClickLeavesTheFocusInTheFieldBeingTypedIn)
{
    QWidget window;
    auto *field = new QLineEdit(&window);
    PictureButton *button = makeButton(&window, artwork::ToolbarButtonSize, artwork::ButtonShape::Square);
    button->move(0, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    field->setFocus();
    QSignalSpy clicked(button, &PictureButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(field->hasFocus());
}

TEST(PictureButton, AScreenReaderReadsTheCaptionOrElseTheTooltip)
{
    QWidget window;
    PictureButton *button = makeButton(&window, artwork::CommandButtonSize, artwork::ButtonShape::Wide);
    button->setToolTip(QStringLiteral("ファイルを保存します。"));
    EXPECT_EQ(button->accessibleName(), QStringLiteral("ファイルを保存します。"));
    button->setCaption(QStringLiteral("保    存"));
    EXPECT_EQ(button->accessibleName(), QStringLiteral("保存"));
    EXPECT_EQ(button->accessibleDescription(), QStringLiteral("ファイルを保存します。"));
}
