// Images on the sheet: pasting through the image paste dialog, editing,
// deleting, the layer, the keys of a focused image object and what a saved
// file keeps of them.

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "EditorFixture.h"
#include "document/LabelFile.h"
#include "editor/TextEditing.h"
#include "image/ui/ImagePasteDialog.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const QString LimitMessage = QStringLiteral("これ以上画像を貼り付けられません。");
const RgbValue White = rgbValue(255, 255, 255);

QImage filled(int width, int height, QRgb colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// Label 1 of rowOfLabels() spans x 113.4 to 207.9, y 37.8 to 113.4 at zoom 1.
LabelDocument documentWithImages(int count)
{
    LabelDocument document = LabelDocument::fromTemplate(rowOfLabels(3));
    for (int n = 1; n <= count; ++n)
        document.addImage(filled(20, 10, qRgb(10 * n, 100, 200)), {20 + 30 * (n - 1), 150, 0, 0, 0});
    return document;
}

class EditorImageTest : public EditorTest {
protected:
    ~EditorImageTest() override { QGuiApplication::clipboard()->clear(); }

    QWidget *picture() { return control<QWidget>(QStringLiteral("Picture3")); }
    QCheckBox *imageFirst() { return control<QCheckBox>(QStringLiteral("imageFirst")); }
    template <typename T>
    static T *inDialog(ImagePasteDialog *dialog, const QString &name)
    {
        T *found = dialog->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QMenu *imageMenu() { return control<QMenu>(QStringLiteral("mnuPic")); }
    void sheetKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(picture(), key, modifiers);
    }
    void runImageMenu(const QString &item)
    {
        for (QAction *action : imageMenu()->actions())
            if (action->text() == item)
                action->trigger();
        imageMenu()->hide();
    }
    // The dialog the toolbar's "画像貼り付け" opened, holding `picture`.
    ImagePasteDialog *pasteDialogWith(const QImage &picture)
    {
        clickButton(EditorWindow::PasteImageButton);
        ImagePasteDialog *dialog = editor->imageDialog();
        if (!dialog)
            return nullptr;
        QGuiApplication::clipboard()->setImage(picture);
        dialog->pasteFromClipboard();
        return dialog;
    }
    QList<qint32> imageOrder()
    {
        QList<qint32> list;
        for (int n = 1; n <= document().ImageCount(); ++n)
            list.append(document().ImageSlot(n));
        return list;
    }
    // Pixels of the image's rectangle on the unzoomed sheet that are not its colour.
    int pixelsNotOfImage(qint32 index, QRgb colour)
    {
        const ImagePlacementRow &place = document().ImagePlacement(index);
        const QImage &sheet = editor->sheetImage().PrnPicture();
        const QSize size = document().picture(index).size();
        int count = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                count += sheet.pixel(place[PlacementLeft] + x, place[PlacementTop] + y) != colour ? 1 : 0;
        return count;
    }
};

} // namespace

TEST_F(EditorImageTest, TheTwentyFirstPictureIsRefusedWithoutOpeningTheDialog)
{
    openDocument(documentWithImages(LabelDocument::MaxImages));
    clickButton(EditorWindow::PasteImageButton);
    EXPECT_EQ(prompts.messages(), QStringList{LimitMessage});
    EXPECT_EQ(editor->imageDialog(), nullptr);
    EXPECT_EQ(state.ModalMode, ModalNone);
    EXPECT_EQ(document().ImageCount(), LabelDocument::MaxImages);
    EXPECT_FALSE(editor->isModified());
}

TEST_F(EditorImageTest, APastedPictureBecomesTheSelectedNewImageWithItsSeeThroughColour)
{
    openDocument(documentWithImages(1));
    imageFirst()->setChecked(false);
    ImagePasteDialog *dialog = pasteDialogWith(filled(30, 12, qRgb(200, 0, 0)));
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->ImageEditMode());
    EXPECT_EQ(state.ModalMode, ModalImageDialog);
    inDialog<QCheckBox>(dialog, QStringLiteral("transparentBox"))->click();
    dialog->accept();
    ASSERT_TRUE(dialog->ImageDialogAccepted());

    EXPECT_EQ(editor->imageDialog(), nullptr);
    EXPECT_EQ(state.ModalMode, ModalNone);
    ASSERT_EQ(document().ImageCount(), 2);
    const qint32 index = document().ImageSlot(2);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(document().picture(index).size(), QSize(30, 12));
    EXPECT_EQ(document().picture(index).pixel(5, 5), qRgb(200, 0, 0));
    // At the top left of the sheet in view, in front of the text, white see-through.
    EXPECT_EQ(document().ImagePlacement(index), (ImagePlacementRow{0, 0, 1, White, 0}));
    EXPECT_EQ(editor->selectedImage(), index);
    EXPECT_TRUE(imageFirst()->isChecked());
    EXPECT_TRUE(toolButton(EditorWindow::DeleteImageButton)->isEnabled());
    EXPECT_TRUE(editor->isModified());
    EXPECT_EQ(editor->sheetImage().PrnPicture().pixel(29, 11), qRgb(200, 0, 0));
}

TEST_F(EditorImageTest, ClosingTheDialogOrAcceptingWithoutAPictureAddsNothing)
{
    openDocument(documentWithImages(1));
    clickButton(EditorWindow::PasteImageButton);
    ImagePasteDialog *dialog = editor->imageDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->accept();
    EXPECT_FALSE(dialog->ImageDialogAccepted());
    EXPECT_EQ(editor->imageDialog(), dialog);
    // A second paste while the dialog is up opens no second dialog.
    editor->pasteImage();
    EXPECT_EQ(editor->imageDialog(), dialog);
    clickButton(inDialog<PictureButton>(dialog, QStringLiteral("closeDialogButton")));
    EXPECT_EQ(editor->imageDialog(), nullptr);
    EXPECT_EQ(state.ModalMode, ModalNone);
    EXPECT_EQ(document().ImageCount(), 1);
    EXPECT_FALSE(editor->isModified());
}

TEST_F(EditorImageTest, EditingReplacesThePictureAndSeeThroughColourOfTheSameImage)
{
    LabelDocument start = documentWithImages(2);
    start.ImagePlacement(1)[PlacementTransparent] = 1;
    start.ImagePlacement(1)[PlacementColour] = rgbValue(0, 0, 255);
    openDocument(start);
    imageFirst()->setChecked(true);
    clickSheet(QPointF(25, 155), Qt::RightButton);
    ASSERT_EQ(editor->selectedImage(), 1);
    runImageMenu(QStringLiteral("編集"));
    ImagePasteDialog *dialog = editor->imageDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->ImageEditMode());
    EXPECT_EQ(dialog->picture().size(), QSize(20, 10));
    EXPECT_TRUE(dialog->transparent());
    EXPECT_EQ(dialog->transparentColour(), rgbValue(0, 0, 255));
    dialog->turn90();
    inDialog<QCheckBox>(dialog, QStringLiteral("transparentBox"))->click();
    dialog->accept();
    ASSERT_TRUE(dialog->ImageDialogAccepted());

    EXPECT_EQ(imageOrder(), (QList<qint32>{1, 2}));
    EXPECT_EQ(document().picture(1).size(), QSize(10, 20));
    EXPECT_EQ(document().ImagePlacement(1)[PlacementTransparent], 0);
    EXPECT_EQ(document().ImagePlacement(1)[PlacementLeft], 20);
    EXPECT_EQ(editor->selectedImage(), 1);
    EXPECT_TRUE(editor->isModified());

    // A double click on an image edits it too.
    const QPointF onSecond(55, 155);
    clickSheet(onSecond);
    ASSERT_EQ(editor->selectedImage(), 2);
    QMouseEvent twice(QEvent::MouseButtonDblClick, onSecond, picture()->mapToGlobal(onSecond), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture(), &twice);
    ASSERT_NE(editor->imageDialog(), nullptr);
    EXPECT_EQ(editor->imageDialog()->picture().pixel(0, 0), qRgb(20, 100, 200));
    editor->imageDialog()->close();
    EXPECT_EQ(editor->imageDialog(), nullptr);
    EXPECT_EQ(document().picture(2).size(), QSize(20, 10));
}

TEST_F(EditorImageTest, TheToolbarAndTheImageMenuDeleteTheSelectedImage)
{
    openDocument(documentWithImages(3));
    clickSheet(QPointF(55, 155));
    ASSERT_EQ(editor->selectedImage(), 2);
    clickButton(EditorWindow::DeleteImageButton);
    EXPECT_EQ(imageOrder(), (QList<qint32>{1, 3}));
    EXPECT_EQ(editor->selectedImage(), 0);
    EXPECT_FALSE(toolButton(EditorWindow::DeleteImageButton)->isEnabled());
    EXPECT_TRUE(editor->isModified());
    EXPECT_TRUE(textBox()->hasFocus());
    EXPECT_NE(editor->sheetImage().PrnPicture().pixel(55, 155), qRgb(20, 100, 200));
    EXPECT_EQ(editor->sheetImage().PrnPicture().pixel(85, 155), qRgb(30, 100, 200));

    clickSheet(QPointF(25, 155), Qt::RightButton);
    runImageMenu(QStringLiteral("削除"));
    EXPECT_EQ(imageOrder(), (QList<qint32>{3}));
}

TEST_F(EditorImageTest, TheDeleteKeyOnAFocusedImageRemovesItFromTheSavedFile)
{
    openDocument(documentWithImages(2));
    imageFirst()->setChecked(true);
    clickSheet(QPointF(25, 155));
    ASSERT_TRUE(editor->imageObjectFocused());
    sheetKey(Qt::Key_Delete);
    EXPECT_EQ(imageOrder(), (QList<qint32>{2}));
    EXPECT_TRUE(textBox()->hasFocus());

    const QString saved = folder.file(QStringLiteral("one-image.fhl"));
    prompts.chooseFile(saved);
    clickButton(EditorWindow::SaveButton);
    const LabelDocument reopened = openLabelFile(saved);
    EXPECT_EQ(reopened.ImageCount(), 1);
    EXPECT_EQ(reopened.picture(reopened.ImageSlot(1)).pixel(0, 0), qRgb(20, 100, 200));
}

TEST_F(EditorImageTest, AnImageBehindTheTextLetsTheTextShowAndInFrontCoversIt)
{
    // A black block of text under an image over label 1.
    LabelDocument start = LabelDocument::fromTemplate(rowOfLabels(3));
    InputFormat large;
    large.charHeight = 60;
    large.charWidth = 40;
    applyTextChange(start, 1, {0, 0, QStringLiteral("■■")}, large);
    start.addImage(filled(60, 40, qRgb(0, 200, 0)), {115, 40, 0, 0, 0});
    openDocument(start);
    const qint32 index = document().ImageSlot(1);
    EXPECT_EQ(pixelsNotOfImage(index, qRgb(0, 200, 0)), 0);

    imageFirst()->setChecked(true);
    clickSheet(QPointF(140, 60), Qt::RightButton);
    runImageMenu(QStringLiteral("テキストより背面に移動"));
    EXPECT_EQ(document().ImagePlacement(index)[PlacementLayer], 1);
    EXPECT_GT(pixelsNotOfImage(index, qRgb(0, 200, 0)), 100);

    clickSheet(QPointF(140, 60), Qt::RightButton);
    runImageMenu(QStringLiteral("テキストより前面に移動"));
    EXPECT_EQ(document().ImagePlacement(index)[PlacementLayer], 0);
    EXPECT_EQ(pixelsNotOfImage(index, qRgb(0, 200, 0)), 0);
}

TEST_F(EditorImageTest, AFocusedImageObjectTakesTheArrowKeysAndEnterGivesThemBack)
{
    openDocument(documentWithImages(1));
    clickSheet(QPointF(25, 155));
    ASSERT_TRUE(editor->imageObjectFocused());
    sheetKey(Qt::Key_Right);
    EXPECT_EQ(document().ImagePlacement(1)[PlacementLeft], 77); // 20 + 56.7 view pixels
    EXPECT_TRUE(editor->isModified());
    sheetKey(Qt::Key_Return);
    EXPECT_TRUE(textBox()->hasFocus());
}
