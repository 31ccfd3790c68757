#include <gtest/gtest.h>

#include "core/Errors.h"
#include "document/LabelDocument.h"

using namespace porkane;

namespace {

SheetTemplate threeLabels()
{
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.LabelCount = 3;
    sheet.LabelGeometry[2] = {30, 0, 20, 20, 1, 1};
    sheet.LabelGeometry[3] = {60, 0, 20, 20, 2, 2};
    return sheet;
}

QImage pictureOf(int width)
{
    QImage picture(width, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    return picture;
}

} // namespace

TEST(LabelDocument, ANewDocumentHasTheTemplateAndNothingElse)
{
    const LabelDocument document = LabelDocument::fromTemplate(threeLabels());
    EXPECT_EQ(document.sheet(), threeLabels());
    for (int label = 1; label <= 3; ++label) {
        EXPECT_TRUE(document.LabelText(label).isEmpty());
        EXPECT_EQ(document.LabelRotated(label), 0);
        EXPECT_TRUE(document.CharAttr(label, 1)[TextColourSlot].isEmpty());
    }
    EXPECT_EQ(document.ImageCount(), 0);
    EXPECT_EQ(document.ImageSlot(1), 0);

    SheetTemplate tooMany = threeLabels();
    tooMany.LabelCount = 21;
    EXPECT_THROW(LabelDocument::fromTemplate(tooMany), DocumentError);
    SheetTemplate tooLarge = threeLabels();
    tooLarge.LabelGeometry[2][LabelHeight] = 1001;
    EXPECT_THROW(LabelDocument::fromTemplate(tooLarge), DocumentError);
}

TEST(LabelDocument, KeepsTheLimitsOfLabelsAndPositions)
{
    LabelDocument document = LabelDocument::fromTemplate(threeLabels());
    document.setLabelText(1, QString(201, QLatin1Char('x')));
    EXPECT_THROW(document.setLabelText(1, QString(202, QLatin1Char('x'))), DocumentError);
    EXPECT_EQ(document.LabelText(1).size(), 201); // the refused text changed nothing
    EXPECT_THROW(document.setLabelText(2, QStringLiteral("say \"hi\"")), DocumentError);
    EXPECT_THROW(document.setLabelText(0, QStringLiteral("x")), DocumentError);
    EXPECT_THROW(document.setLabelText(21, QStringLiteral("x")), DocumentError);
    EXPECT_NO_THROW(document.setLabelText(2, QStringLiteral("＂引用＂")));

    document.CharAttr(1, 201)[FaceNameSlot] = Variant("IPAGothic");
    EXPECT_EQ(document.CharAttr(1, 201)[FaceNameSlot], Variant("IPAGothic"));
    EXPECT_THROW(document.CharAttr(1, 202), DocumentError);
    EXPECT_THROW(document.CharAttr(1, -1), DocumentError);
    EXPECT_THROW(document.CharAttr(0, 1), DocumentError);
}

TEST(LabelDocument, ALineBreakOwnsTwoRecords)
{
    LabelDocument document = LabelDocument::fromTemplate(threeLabels());
    document.setLabelText(1, QStringLiteral("\r\n"));
    document.CharAttr(1, 1)[TextColourSlot] = Variant(LineBreakMarkerAtCr);
    document.CharAttr(1, 2)[TextColourSlot] = Variant(LineBreakMarkerAtLf);
    EXPECT_EQ(document.CharAttr(1, 1)[TextColourSlot], Variant("LF"));
    EXPECT_EQ(document.CharAttr(1, 2)[TextColourSlot], Variant("CR"));
}

TEST(LabelDocument, ImagesAreNumberedWithoutGaps)
{
    LabelDocument document = LabelDocument::fromTemplate(threeLabels());
    for (int width = 1; width <= 3; ++width)
        EXPECT_EQ(document.addImage(pictureOf(width), {width, 0, 0, 0, 0}), width);

    document.deleteImage(1);
    EXPECT_EQ(document.ImageCount(), 2);
    EXPECT_EQ(document.ImageSlot(3), 0);
    EXPECT_EQ(document.picture(document.ImageSlot(1)).width(), 2);
    EXPECT_EQ(document.picture(document.ImageSlot(2)).width(), 3);
    EXPECT_EQ(document.ImagePlacement(document.ImageSlot(1))[PlacementLeft], 2);

    // The next image takes number 3 and the picture index image 1 gave up.
    EXPECT_EQ(document.addImage(pictureOf(9), {}), 3);
    EXPECT_EQ(document.ImageSlot(3), 1);
    EXPECT_THROW(document.deleteImage(4), DocumentError);
}

TEST(LabelDocument, APicturesSourceStaysWithItsPictureAndGoesWithANewOne)
{
    LabelDocument document = LabelDocument::fromTemplate(threeLabels());
    document.addImage(pictureOf(1), {});
    document.addImage(pictureOf(2), {});
    PictureSource barcode;
    barcode.kind = PictureSource::Kind::Barcode;
    barcode.symbology = QStringLiteral("ean13");
    barcode.data = QStringLiteral("《JAN》");
    const qint32 second = document.ImageSlot(2);
    document.setPictureSource(second, barcode);

    // A copy of the document (an undo copy, a printed page) carries it.
    const LabelDocument copy = document;
    EXPECT_EQ(copy.pictureSource(second), barcode);
    EXPECT_FALSE(copy.pictureSource(document.ImageSlot(1)).isBarcode());

    // Deleting the first image keeps the second's source with its picture.
    document.deleteImage(1);
    ASSERT_EQ(document.ImageSlot(1), second);
    EXPECT_EQ(document.pictureSource(second), barcode);

    // A new picture in its place is an ordinary one until told otherwise,
    // and so is an image taking a freed index.
    document.setPicture(second, pictureOf(5));
    EXPECT_FALSE(document.pictureSource(second).isBarcode());
    document.setPictureSource(second, barcode);
    document.deleteImage(1);
    document.addImage(pictureOf(7), {});
    EXPECT_FALSE(document.pictureSource(document.ImageSlot(1)).isBarcode());
    document.setPictureSource(document.ImageSlot(1), barcode);
    document.discard();
    EXPECT_FALSE(document.pictureSource(second).isBarcode());
    EXPECT_THROW(document.pictureSource(0), DocumentError);
    EXPECT_THROW(document.setPictureSource(22, barcode), DocumentError);
}

TEST(LabelDocument, HoldsAtMostTwentyImages)
{
    LabelDocument document = LabelDocument::fromTemplate(threeLabels());
    for (int i = 1; i <= 20; ++i)
        document.addImage(pictureOf(i), {});
    EXPECT_THROW(document.addImage(pictureOf(21), {}), DocumentError);
    EXPECT_EQ(document.ImageCount(), 20);
    for (int n = 1; n <= 20; ++n)
        EXPECT_EQ(document.picture(document.ImageSlot(n)).width(), n);
}

TEST(LabelDocument, DiscardingErasesEverything)
{
    LabelDocument document = LabelDocument::fromTemplate(threeLabels());
    document.setLabelText(2, QStringLiteral("AB"));
    document.setLabelRotated(2, 1);
    document.CharAttr(2, 1)[CharWidthSlot] = Variant(30.0);
    document.addImage(pictureOf(5), {1, 2, 3, 4, 1});
    document.discard();
    EXPECT_EQ(document.labelCount(), 0);
    EXPECT_EQ(document.ImageCount(), 0);
    EXPECT_EQ(document.ImageSlot(1), 0);
    EXPECT_EQ(document.sheet().LabelGeometry[2], (SheetTemplate::Geometry{}));
    for (int label = 1; label <= LabelDocument::MaxLabels; ++label)
        EXPECT_TRUE(document.LabelText(label).isEmpty());
    EXPECT_EQ(document.LabelRotated(2), 0);
    EXPECT_TRUE(document.CharAttr(2, 1)[CharWidthSlot].isEmpty());
    EXPECT_TRUE(document.picture(1).isNull());
}
