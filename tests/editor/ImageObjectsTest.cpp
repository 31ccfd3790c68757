// The images of the open document without a window: selection and marks,
// pressing and dragging at a zoom, the arrow-key steps, the layer,
// deleting with the list closing up, and placing the image paste dialog's
// picture.

#include <limits>

#include <QSignalSpy>
#include <gtest/gtest.h>

#include "editor/EditorSession.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const RgbValue White = rgbValue(255, 255, 255);

QImage filled(int width, int height, QRgb colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

class ImageObjectsTest : public ::testing::Test {
protected:
    ImageObjectsTest() : session(document, [this] { return busy; }, 15, 15)
    {
        SheetTemplate sheet;
        sheet.SheetWidth = 200;
        sheet.SheetHeight = 100;
        sheet.LabelCount = 1;
        sheet.LabelGeometry[1] = {10, 30, 25, 20, 0, 0};
        session.open(DocumentOrigin::DesignersTemplate, QString(), sheet, folder.path());
    }
    // Adds an image of 20 × 10 (or the given size) and gives its picture index.
    qint32 addImage(int left, int top, QSize size = QSize(20, 10))
    {
        const int number = document.addImage(filled(size.width(), size.height(), qRgb(0, 160, 0)),
                                              {left, top, 0, 0, 0});
        return document.ImageSlot(number);
    }
    QList<qint32> order() const
    {
        QList<qint32> list;
        for (int n = 1; n <= document.ImageCount(); ++n)
            list.append(document.ImageSlot(n));
        return list;
    }
    ImageObjects &images() { return session.images(); }
    const ImagePlacementRow &place(qint32 index) const { return document.ImagePlacement(index); }

    TempFolder folder;
    LabelDocument document;
    bool busy = false;
    EditorSession session;
};

} // namespace

TEST_F(ImageObjectsTest, ASelectedImageHasItsMarksOverItsPlaceAtTheZoom)
{
    const qint32 index = addImage(150, 50, QSize(40, 30));
    QSignalSpy changed(&images(), &ImageObjects::selectionChanged);
    images().select(index);
    EXPECT_EQ(images().selected(), index);
    EXPECT_FALSE(images().objectFocused());
    EXPECT_EQ(images().marks().size(), QSize(40, 30));
    EXPECT_EQ(images().marksTarget(2), QRectF(300, 100, 80, 60));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.last().at(0).toInt(), index);

    images().clearSelection();
    EXPECT_EQ(images().selected(), 0);
    EXPECT_TRUE(images().marks().isNull());
    EXPECT_EQ(changed.last().at(0).toInt(), 0);
    images().clearSelection(); // nothing more to say
    EXPECT_EQ(changed.count(), 2);

    // Slot 0 holds no image, and there is no slot 22.
    images().select(0);
    images().select(22);
    EXPECT_EQ(images().selected(), 0);
}

TEST_F(ImageObjectsTest, PressingAndReleasingWithoutMovingAtZoom2KeepsThePlace)
{
    const qint32 first = addImage(20, 150);
    const qint32 index = addImage(150, 50, QSize(40, 30));
    images().select(first);
    QSignalSpy changed(&images(), &ImageObjects::selectionChanged);
    images().press(2, QPointF(321, 121), 2, true);
    // The other image's selection ends first.
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 0);
    EXPECT_EQ(images().selected(), index);
    EXPECT_TRUE(images().objectFocused());
    EXPECT_EQ(images().editSlot(), index);
    EXPECT_TRUE(images().release(2));
    EXPECT_EQ(place(index)[PlacementLeft], 150);
    EXPECT_EQ(place(index)[PlacementTop], 50);
    EXPECT_FALSE(session.isModified());
    EXPECT_FALSE(images().release(2)); // no drag armed any more
}

TEST_F(ImageObjectsTest, DraggingMovesTheImageByThePointersWayAtTheZoom)
{
    const qint32 index = addImage(150, 50, QSize(40, 30));
    EXPECT_FALSE(images().dragTo(QPointF(10, 10), 2)); // nothing pressed

    images().press(1, QPointF(320, 120), 2, true);
    ASSERT_TRUE(images().dragTo(QPointF(340, 130), 2));
    EXPECT_TRUE(images().dragging());
    EXPECT_EQ(images().drag().DragLeft, 160);
    EXPECT_EQ(images().drag().DragTop, 55);
    EXPECT_EQ(images().drag().DragWidth, 40);
    // The marks follow the drag; the stored place waits for the release.
    EXPECT_EQ(images().marksTarget(2).topLeft(), QPointF(320, 110));
    EXPECT_EQ(place(index)[PlacementLeft], 150);

    images().dragTo(QPointF(360, 140), 2);
    EXPECT_TRUE(images().release(2));
    EXPECT_EQ(place(index)[PlacementLeft], 170);
    EXPECT_EQ(place(index)[PlacementTop], 60);
    EXPECT_TRUE(session.isModified());

    // The right button selects without arming a drag.
    images().press(1, QPointF(345, 125), 2, false);
    EXPECT_FALSE(images().dragTo(QPointF(400, 200), 2));
}

TEST_F(ImageObjectsTest, ArrowKeysMoveAnImageSelectedInTheSheetViewBy10AndWithShiftBy1)
{
    const qint32 index = addImage(150, 50);
    images().select(index); // as a placed image is: the sheet view has the keys
    QSignalSpy changed(&images(), &ImageObjects::imagesChanged);
    EXPECT_TRUE(images().step(1, 0, true, 1));
    EXPECT_EQ(place(index)[PlacementLeft], 151);
    images().step(1, 0, false, 1);
    EXPECT_EQ(place(index)[PlacementLeft], 161);
    images().step(0, 1, false, 1);
    images().step(0, -1, true, 1);
    EXPECT_EQ(place(index)[PlacementTop], 59);
    images().step(-1, 0, false, 2); // whole sheet pixels at any zoom
    EXPECT_EQ(place(index)[PlacementLeft], 151);
    EXPECT_TRUE(session.isModified());
    EXPECT_EQ(changed.count(), 5);
}

TEST_F(ImageObjectsTest, AFocusedObjectSteps56_7AndWithShift5_67ViewPixelsKeepingTheFractions)
{
    const qint32 index = addImage(20, 150);
    images().press(1, QPointF(25, 155), 1, true);
    images().release(1);
    ASSERT_TRUE(images().objectFocused());
    images().step(1, 0, false, 1);
    EXPECT_EQ(place(index)[PlacementLeft], 77); // 76.7
    images().step(1, 0, false, 1);
    EXPECT_EQ(place(index)[PlacementLeft], 133); // 133.4: the fractions add up
    images().step(1, 0, true, 1);
    EXPECT_EQ(place(index)[PlacementLeft], 139); // 139.07
    images().step(0, 1, false, 1);
    images().step(0, -1, true, 1);
    EXPECT_EQ(place(index)[PlacementTop], 201); // 150 + 56.7 - 5.67

    // At zoom 2 the object's place is twice the stored one.
    images().press(1, QPointF(2 * 139 + 5, 2 * 201 + 5), 2, true);
    images().release(2);
    images().step(-1, 0, true, 2);
    EXPECT_EQ(place(index)[PlacementLeft], 136); // (278 - 5.67) / 2 = 136.165
}

TEST_F(ImageObjectsTest, AStepBeyondWhatThePlaceCanHoldIsRefused)
{
    const qint32 far = std::numeric_limits<qint32>::max() - 5;
    const qint32 index = addImage(far, 0);
    images().select(index);
    QSignalSpy refused(&images(), &ImageObjects::refused);
    EXPECT_FALSE(images().step(1, 0, false, 1));
    EXPECT_EQ(place(index)[PlacementLeft], far);
    EXPECT_TRUE(images().step(-1, 0, false, 1));

    images().press(1, QPointF(0, 0), 1, true);
    EXPECT_FALSE(images().step(1, 0, false, 1));
    EXPECT_EQ(place(index)[PlacementLeft], far - 10);
    EXPECT_EQ(refused.count(), 2);
    EXPECT_FALSE(refused.last().at(0).toString().isEmpty());
}

TEST_F(ImageObjectsTest, TheLayerPutsTheSelectedImageBehindOrInFrontOfTheText)
{
    const qint32 index = addImage(10, 10);
    images().setLayer(1); // nothing selected
    EXPECT_EQ(place(index)[PlacementLayer], 0);
    EXPECT_FALSE(session.isModified());
    images().select(index);
    images().setLayer(1);
    EXPECT_EQ(place(index)[PlacementLayer], 1);
    images().setLayer(0);
    EXPECT_EQ(place(index)[PlacementLayer], 0);
    EXPECT_TRUE(session.isModified());
}

TEST_F(ImageObjectsTest, DeletingTheSecondOfThreeClosesUpTheListAndTheFreedSlotIsTakenNext)
{
    addImage(20, 150);
    const qint32 second = addImage(50, 150);
    addImage(80, 150);
    EXPECT_FALSE(images().deleteSelected());
    images().press(2, QPointF(55, 155), 1, false);
    ASSERT_EQ(images().editSlot(), second);
    EXPECT_TRUE(images().deleteSelected());
    EXPECT_EQ(order(), (QList<qint32>{1, 3}));
    EXPECT_EQ(images().selected(), 0);
    EXPECT_EQ(images().editSlot(), 0);
    EXPECT_TRUE(session.isModified());

    images().select(1);
    busy = true; // held by another window: nothing goes
    EXPECT_FALSE(images().deleteSelected());
    busy = false;
    images().deleteSelected();
    EXPECT_EQ(order(), (QList<qint32>{3}));
    ASSERT_TRUE(images().beginNewImage());
    images().receive(filled(4, 4, qRgb(1, 2, 3)), false, 0, QPoint(0, 0), 1);
    EXPECT_EQ(order(), (QList<qint32>{3, 1}));
}

TEST_F(ImageObjectsTest, ANewPictureStartsAtTheTopLeftOfTheViewInFrontOfTheText)
{
    addImage(20, 150);
    QSignalSpy first(&images(), &ImageObjects::imagesFirstChanged);
    ASSERT_TRUE(images().beginNewImage());
    EXPECT_EQ(images().editSlot(), 0);
    // The view scrolled by 300 and 150 twips, at zoom 2: 10 and 5 sheet pixels.
    images().receive(filled(30, 12, qRgb(200, 0, 0)), true, White, QPoint(-300, -150), 2);
    ASSERT_EQ(document.ImageCount(), 2);
    const qint32 index = document.ImageSlot(2);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(place(index), (ImagePlacementRow{10, 5, 1, White, 0}));
    EXPECT_EQ(document.picture(index).pixel(5, 5), qRgb(200, 0, 0));
    EXPECT_EQ(images().selected(), index);
    EXPECT_TRUE(images().imagesFirst());
    EXPECT_EQ(first.count(), 1);
    EXPECT_TRUE(session.isModified());
}

TEST_F(ImageObjectsTest, EditingReplacesThePictureAndSeeThroughColourOfTheSameImage)
{
    const qint32 index = addImage(20, 150);
    document.ImagePlacement(index)[PlacementTransparent] = 1;
    document.ImagePlacement(index)[PlacementColour] = rgbValue(0, 0, 255);
    addImage(50, 150);
    EXPECT_FALSE(images().beginEditing(0)); // nothing selected
    EXPECT_FALSE(images().beginEditing(5)); // no picture there
    images().select(index);
    busy = true;
    EXPECT_FALSE(images().beginEditing(0));
    busy = false;
    ASSERT_TRUE(images().beginEditing(0));
    EXPECT_EQ(images().editSlot(), index);

    images().receive(filled(10, 20, qRgb(9, 9, 9)), false, White, QPoint(-300, 0), 1);
    EXPECT_EQ(order(), (QList<qint32>{1, 2}));
    EXPECT_EQ(document.picture(index).size(), QSize(10, 20));
    EXPECT_EQ(place(index), (ImagePlacementRow{20, 150, 0, White, 0}));
    EXPECT_EQ(images().selected(), index);
    EXPECT_EQ(images().editSlot(), 0);
}

TEST_F(ImageObjectsTest, ABarcodesSettingsStayBesideItsPictureUntilAnOrdinaryPictureReplacesIt)
{
    PictureSource barcode;
    barcode.kind = PictureSource::Kind::Barcode;
    barcode.symbology = QStringLiteral("ean13");
    barcode.data = QStringLiteral("490123456789");
    ASSERT_TRUE(images().beginNewImage());
    images().receive(filled(40, 30, qRgb(0, 0, 0)), true, White, QPoint(0, 0), 1, barcode);
    const qint32 index = document.ImageSlot(1);
    EXPECT_EQ(document.pictureSource(index), barcode);

    // Edited into an ordinary picture, the settings go.
    ASSERT_TRUE(images().beginEditing(index));
    images().receive(filled(10, 10, qRgb(9, 9, 9)), false, White, QPoint(0, 0), 1);
    EXPECT_FALSE(document.pictureSource(index).isBarcode());
}

TEST_F(ImageObjectsTest, WithTwentyImagesThereIsNoRoomForANewOne)
{
    for (int n = 0; n < LabelDocument::MaxImages; ++n)
        addImage(n, 0);
    EXPECT_FALSE(images().hasRoom());
    EXPECT_FALSE(images().beginNewImage());
    images().receive(filled(4, 4, qRgb(1, 2, 3)), false, 0, QPoint(0, 0), 1);
    EXPECT_EQ(document.ImageCount(), LabelDocument::MaxImages);
    EXPECT_FALSE(session.isModified());
}

TEST_F(ImageObjectsTest, ADoubleClickEditsOnlyOnTheSelectedImagesObject)
{
    addImage(150, 50, QSize(40, 30));
    EXPECT_FALSE(images().doubleClicked(QPointF(320, 120), 2));
    images().press(1, QPointF(320, 120), 2, true);
    EXPECT_FALSE(images().doubleClicked(QPointF(299, 120), 2));
    EXPECT_TRUE(images().doubleClicked(QPointF(320, 120), 2));
    // The double click's press armed no drag.
    EXPECT_FALSE(images().dragTo(QPointF(330, 130), 2));
}
