#include <QSignalSpy>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

#include "widgets/PictureButton.h"
#include "widgets/SkinnedWindow.h"
#include "widgets/WindowPlacement.h"

using namespace porkane;

namespace {

constexpr SkinnedWindow::Parts AllParts = SkinnedWindow::TitleBar | SkinnedWindow::MinimiseButton |
                                          SkinnedWindow::MaximiseButton | SkinnedWindow::CloseButton |
                                          SkinnedWindow::ResizeGrip;

void click(PictureButton *button)
{
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(3, 3));
}

void drag(QWidget *widget, QPoint from, QPoint by)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(widget, from + by);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, from + by);
}

} // namespace

TEST(SkinnedWindow, IsCaptionlessWithRoundedCorners)
{
    SkinnedWindow window(AllParts);
    window.resize(300, 200);
    window.show();
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    const QRegion shape = window.mask();
    EXPECT_TRUE(shape.contains(QPoint(150, 100)));
    EXPECT_TRUE(shape.contains(QPoint(150, 0)));
    EXPECT_TRUE(shape.contains(QPoint(0, 100)));
    for (QPoint corner : {QPoint(0, 0), QPoint(299, 0), QPoint(0, 199), QPoint(299, 199), QPoint(1, 1)})
        EXPECT_FALSE(shape.contains(corner)) << corner.x() << "," << corner.y();

    window.resize(400, 250); // the shape follows every resize
    EXPECT_TRUE(window.mask().contains(QPoint(350, 200)));
    EXPECT_FALSE(window.mask().contains(QPoint(399, 249)));
}

TEST(SkinnedWindow, HasTheWindowButtonsItWasMadeWith)
{
    SkinnedWindow full(AllParts);
    EXPECT_NE(full.minimiseButton(), nullptr);
    EXPECT_NE(full.maximiseButton(), nullptr);
    EXPECT_NE(full.closeButton(), nullptr);
    EXPECT_NE(full.resizeGrip(), nullptr);

    SkinnedWindow bare({});
    EXPECT_EQ(bare.titleBar(), nullptr);
    EXPECT_EQ(bare.closeButton(), nullptr);
    EXPECT_EQ(bare.resizeGrip(), nullptr);
}

TEST(SkinnedWindow, WindowButtonsMinimiseMaximiseAndClose)
{
    SkinnedWindow window(AllParts);
    window.setTitle(QStringLiteral("フォームの設定"));
    window.resize(300, 200);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("フォームの設定"));

    click(window.maximiseButton());
    EXPECT_TRUE(window.isMaximized());
    click(window.maximiseButton()); // twice returns to the normal size
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(window.size(), QSize(300, 200));

    click(window.minimiseButton());
    EXPECT_TRUE(window.windowState() & Qt::WindowMinimized);
    window.showNormal();

    click(window.closeButton());
    EXPECT_FALSE(window.isVisible());
}

TEST(SkinnedWindow, MovesWhenDraggedByTitleOrBackground)
{
    SkinnedWindow window(AllParts);
    window.setGeometry(100, 100, 300, 200);
    window.show();
    drag(window.titleBar(), QPoint(60, 10), QPoint(30, 20));
    EXPECT_EQ(window.pos(), QPoint(130, 120));
    drag(&window, QPoint(150, 120), QPoint(-50, 10));
    EXPECT_EQ(window.pos(), QPoint(80, 130));
}

TEST(SkinnedWindow, TheGripResizesUnlessMaximised)
{
    SkinnedWindow window(AllParts);
    window.setGeometry(100, 100, 300, 200);
    window.show();
    QWidget *grip = window.resizeGrip();
    EXPECT_EQ(grip->geometry().bottomRight(), QPoint(300 - 4, 200 - 4));
    drag(grip, QPoint(5, 5), QPoint(40, 25));
    EXPECT_EQ(window.size(), QSize(340, 225));
    EXPECT_EQ(grip->geometry().bottomRight(), QPoint(340 - 4, 225 - 4));

    window.showMaximized();
    const QSize maximised = window.size();
    drag(grip, QPoint(5, 5), QPoint(-60, -60));
    EXPECT_EQ(window.size(), maximised);
    EXPECT_TRUE(window.isMaximized());
}

TEST(SkinnedWindow, AWidthOnlyGripKeepsTheHeight)
{
    SkinnedWindow window(AllParts | SkinnedWindow::WidthOnlyGrip);
    window.setGeometry(100, 100, 300, 200);
    window.show();
    drag(window.resizeGrip(), QPoint(5, 5), QPoint(-40, 50));
    EXPECT_EQ(window.size(), QSize(260, 200));
}

TEST(WindowPlacement, PlacesAreKeptInTwipsWithin16Bits)
{
    QWidget window;
    window.setMinimumSize(200, 150);
    applyPlace(window, WindowPlace{1500, 750, 6000, 4500}, 15, 15);
    EXPECT_EQ(window.geometry(), QRect(100, 50, 400, 300));
    EXPECT_EQ(placeOf(window, 15, 15), (WindowPlace{1500, 750, 6000, 4500}));

    window.setGeometry(10, 10, 3000, 400);
    EXPECT_EQ(placeOf(window, 15, 15).width, 32767); // held, not wrapped to a negative width

    // The file's defaults (1000 twips square) are smaller than the window:
    // it opens at its own size, on the screen.
    applyPlace(window, WindowPlace{}, 15, 15);
    EXPECT_GE(window.width(), 200);
    EXPECT_GE(window.height(), 150);
    EXPECT_GE(window.x(), 0);
}

TEST(SkinnedDialog, IsAModalDialogInTheSameFrameThatEscapeAndTheCloseButtonReject)
{
    SkinnedDialog dialog(SkinnedDialog::TitleBar | SkinnedDialog::CloseButton);
    dialog.resize(300, 200);
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(dialog.windowType(), Qt::Dialog);

    QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);

    QTimer::singleShot(0, &dialog, [&] { click(dialog.closeButton()); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());

    QTimer::singleShot(0, &dialog, [&] { dialog.accept(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_FALSE(dialog.mask().contains(QPoint(0, 0)));
}
