#include <QWheelEvent>

#include "PasteDialogFixture.h"

using namespace porkane;
using namespace porkane::test;

namespace {

// Each 10 x 10 block of its own colour, so a pick shows where it landed.
QImage blocks(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x / 10) * 5 & 0xFF, (y / 10) * 5 & 0xFF, 90));
    return picture;
}

} // namespace

TEST_F(PasteDialogTest, APictureThatFitsLiesAtTheTopLeftWithBothBarsDisabled)
{
    openOn(distinctPicture(40, 30), false, rgbValue(255, 255, 255));
    PicturePreview *view = preview();
    EXPECT_FALSE(view->verticalBar()->isEnabled());
    EXPECT_FALSE(view->horizontalBar()->isEnabled());
    EXPECT_EQ(view->pictureArea()->geometry(), QRect(0, 0, 40, 30));
}

TEST_F(PasteDialogTest, TheBarsRunOverWhatDoesNotFitAndMoveThePicture)
{
    openOn(blocks(2000, 1500), false, rgbValue(255, 255, 255));
    PicturePreview *view = preview();
    const QSize viewport = view->viewport()->size();
    ASSERT_LT(viewport.width(), 2000);
    ASSERT_LT(viewport.height(), 1500);
    EXPECT_TRUE(view->verticalBar()->isEnabled());
    EXPECT_EQ(view->verticalBar()->maximum(), 1500 - viewport.height());
    EXPECT_EQ(view->horizontalBar()->maximum(), 2000 - viewport.width());

    view->verticalBar()->setValue(300);
    view->horizontalBar()->setValue(700);
    EXPECT_EQ(view->pictureArea()->pos(), QPoint(-700, -300));

    // A larger window shows more, so less is left to scroll.
    dialog->resize(dialog->width() + 100, dialog->height() + 80);
    EXPECT_EQ(view->horizontalBar()->maximum(), 2000 - view->viewport()->width());
    EXPECT_EQ(view->verticalBar()->maximum(), 1500 - view->viewport()->height());

    // Scaled down until it fits, the bars go idle and the picture back home.
    type(QStringLiteral("scaleField"), QStringLiteral("10"));
    EXPECT_FALSE(view->verticalBar()->isEnabled());
    EXPECT_FALSE(view->horizontalBar()->isEnabled());
    EXPECT_EQ(view->pictureArea()->pos(), QPoint(0, 0));
}

TEST_F(PasteDialogTest, TheWheelScrollsThePicture)
{
    openOn(blocks(2000, 1500), false, rgbValue(255, 255, 255));
    PicturePreview *view = preview();
    const QPointF at(20, 20);
    QWheelEvent down(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view->viewport(), &down);
    EXPECT_GT(view->verticalBar()->value(), 0);
    EXPECT_EQ(view->horizontalBar()->value(), 0);
}

TEST_F(PasteDialogTest, PickingTakesThePixelUnderThePointerWhereverThePictureIsScrolled)
{
    const QImage picture = blocks(2000, 1500);
    openOn(picture, true, rgbValue(255, 255, 255));
    PicturePreview *view = preview();
    view->verticalBar()->setValue(300);
    view->horizontalBar()->setValue(700);
    box(QStringLiteral("pickColourBox"))->click();

    // The user points at (25, 35) of the viewport: picture pixel (725, 335).
    const QPoint pointer = view->pictureArea()->mapFrom(view->viewport(), QPoint(25, 35));
    QTest::mouseClick(view->pictureArea(), Qt::LeftButton, {}, pointer);
    EXPECT_EQ(swatch()->colour(), fromQRgb(picture.pixel(725, 335)));
    EXPECT_NE(swatch()->colour(), fromQRgb(picture.pixel(25, 35)));
}
