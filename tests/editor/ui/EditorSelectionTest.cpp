// Clicking on the sheet view: labels and images by strict containment, the
// image-first box, zoom, dragging and nudging an image, and the end of an
// image's selection.

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "EditorFixture.h"
#include "editor/ui/SheetView.h"

using namespace porkane;
using namespace porkane::test;

namespace {

// An image of 40 × 30 pixels at (150, 50), which lies over label 1 of
// rowOfLabels() (x 113.4 to 207.9, y 37.8 to 113.4 at zoom 1).
LabelDocument documentWithImage()
{
    LabelDocument document = LabelDocument::fromTemplate(rowOfLabels(3));
    document.setLabelText(2, QStringLiteral("two"));
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(0, 160, 0));
    document.addImage(picture, {150, 50, 0, 0, 0});
    return document;
}

class EditorSelectionTest : public EditorTest {
protected:
    QWidget *picture() { return control<QWidget>(QStringLiteral("Picture3")); }
    QCheckBox *imageFirst() { return control<QCheckBox>(QStringLiteral("imageFirst")); }
    const ImagePlacementRow &placement() { return document().ImagePlacement(document().ImageSlot(1)); }
    void setZoom(const QString &zoom) { control<QLineEdit>(QStringLiteral("Text6"))->setText(zoom); }
    void sendMouse(QEvent::Type type, QPointF point, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, point, picture()->mapToGlobal(point), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(picture(), &event);
    }
    void sheetKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(picture(), key, modifiers);
    }
};

} // namespace

TEST_F(EditorSelectionTest, AClickInsideALabelMakesItCurrentButItsBorderDoesNot)
{
    EditorWindow &window = openDocument(documentWithImage());
    const double left2 = 60 * 56.7 / 15; // 226.8
    clickSheet(QPointF(left2, 80));
    EXPECT_EQ(window.currentLabel(), 1);
    clickSheet(QPointF(left2 + 0.5, 80));
    EXPECT_EQ(window.currentLabel(), 2);
    EXPECT_EQ(textBox()->toPlainText(), QStringLiteral("two"));
    EXPECT_TRUE(textBox()->hasFocus());
    EXPECT_FALSE(window.isModified());
    // The current label is filled white, the others in the label colour.
    const QImage &sheet = window.sheetImage().PrnPicture();
    EXPECT_EQ(sheet.pixel(240, 100), qRgb(255, 255, 255));
    EXPECT_NE(sheet.pixel(380, 100), qRgb(255, 255, 255)); // label 3
}

TEST_F(EditorSelectionTest, AClickOnEmptySheetKeepsTheLabelAndFocusesTheTextBox)
{
    EditorWindow &window = openDocument(documentWithImage());
    window.selectLabel(2);
    control<QLineEdit>(QStringLiteral("Text6"))->setFocus();
    clickSheet(QPointF(5, 5));
    EXPECT_EQ(window.currentLabel(), 2);
    EXPECT_TRUE(textBox()->hasFocus());
}

TEST_F(EditorSelectionTest, AnArrowKeyMovesAnImageSelectedByTheProgramOnTheSheet)
{
    // Selected by the program, as a pasted image is: the sheet view has the
    // keys (a click gives them to the image's object instead).
    EditorWindow &window = openDocument(documentWithImage());
    window.selectImage(document().ImageSlot(1));
    ASSERT_NE(window.selectedImage(), 0);
    ASSERT_FALSE(window.imageObjectFocused());
    sheetKey(Qt::Key_Right, Qt::ShiftModifier);
    sheetKey(Qt::Key_Down);
    EXPECT_EQ(placement()[PlacementLeft], 151);
    EXPECT_EQ(placement()[PlacementTop], 60);
    EXPECT_TRUE(window.isModified());
    // The sheet shows it at its new place.
    EXPECT_EQ(window.sheetImage().PrnPicture().pixel(151 + 39, 60 + 29), qRgb(0, 160, 0));
}

TEST_F(EditorSelectionTest, DraggingAnImageMovesItByThePointersWayAtTheZoom)
{
    EditorWindow &window = openDocument(documentWithImage());
    setZoom(QStringLiteral("2"));
    sendMouse(QEvent::MouseButtonPress, QPointF(320, 120), Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseMove, QPointF(340, 130), Qt::NoButton, Qt::LeftButton);
    // While dragging, the sheet shows the image at the pointer.
    EXPECT_EQ(window.sheetImage().PrnPicture().pixel(160 + 39, 55 + 29), qRgb(0, 160, 0));
    sendMouse(QEvent::MouseMove, QPointF(360, 140), Qt::NoButton, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, QPointF(360, 140), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(placement()[PlacementLeft], 170);
    EXPECT_EQ(placement()[PlacementTop], 60);
    EXPECT_TRUE(window.isModified());
    EXPECT_EQ(window.sheetImage().PrnPicture().pixel(170, 60), qRgb(0, 160, 0));
    // Where it was, the label shows again.
    EXPECT_NE(window.sheetImage().PrnPicture().pixel(151, 51), qRgb(0, 160, 0));
}

TEST_F(EditorSelectionTest, ClickingALabelEndsTheImagesSelection)
{
    EditorWindow &window = openDocument(documentWithImage());
    window.selectLabel(2);
    clickSheet(QPointF(160, 60)); // over label 1, but images come first in a document with images
    EXPECT_EQ(window.currentLabel(), 2);
    ASSERT_EQ(window.selectedImage(), document().ImageSlot(1));
    EXPECT_TRUE(picture()->hasFocus());
    EXPECT_TRUE(toolButton(EditorWindow::DeleteImageButton)->isEnabled());
    EXPECT_TRUE(control<SheetViewPicture>(QStringLiteral("Picture3"))->hasMarks());
    clickSheet(atMillimetres(70, 20));
    EXPECT_EQ(window.currentLabel(), 2);
    EXPECT_EQ(window.selectedImage(), 0);
    EXPECT_FALSE(toolButton(EditorWindow::DeleteImageButton)->isEnabled());
    EXPECT_FALSE(control<SheetViewPicture>(QStringLiteral("Picture3"))->hasMarks());

    // Without "画像選択優先" the label under the image wins.
    imageFirst()->setChecked(false);
    clickSheet(QPointF(160, 60));
    EXPECT_EQ(window.currentLabel(), 1);
    EXPECT_EQ(window.selectedImage(), 0);
}

TEST_F(EditorSelectionTest, TheImageMenuPutsTheImageBehindOrInFrontOfTheText)
{
    EditorWindow &window = openDocument(documentWithImage());
    clickSheet(QPointF(160, 60), Qt::RightButton);
    auto *menu = control<QMenu>(QStringLiteral("mnuPic"));
    EXPECT_TRUE(menu->isVisible());
    QStringList items;
    for (QAction *action : menu->actions())
        items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items, (QStringList{QStringLiteral("編集"), QStringLiteral("テキストより前面に移動"),
                                  QStringLiteral("テキストより背面に移動"), QStringLiteral("-"),
                                  QStringLiteral("削除")}));
    menu->actions().at(2)->trigger();
    menu->hide();
    EXPECT_EQ(placement()[PlacementLayer], 1);
    EXPECT_TRUE(window.isModified());
    EXPECT_TRUE(textBox()->hasFocus());
}
