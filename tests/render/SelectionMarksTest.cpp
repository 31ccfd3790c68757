#include <gtest/gtest.h>

#include <QPainter>

#include "render/SelectionMarks.h"
#include "render/SheetGuides.h"

using namespace porkane;

namespace {

int marked(const QImage &marks)
{
    int count = 0;
    for (int y = 0; y < marks.height(); ++y)
        for (int x = 0; x < marks.width(); ++x)
            count += qAlpha(marks.pixel(x, y)) != 0;
    return count;
}

// A label of 30 × 20 mm at (10, 10) with print starts 4 mm across and 3 mm down.
LabelDocument labelWithPrintStarts()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 100;
    sheet.SheetHeight = 100;
    sheet.LabelCount = 2;
    sheet.LabelGeometry[1] = {10, 10, 30, 20, 3, 4};
    sheet.LabelGeometry[2] = {40, 10, 30, 20, 0, 0}; // no print start: no guides
    return LabelDocument::fromTemplate(sheet);
}

} // namespace

TEST(SelectionMarks, SparseBlueDotsOverThePictureSparingItsSeeThroughColour)
{
    QImage picture(8, 2, QImage::Format_RGB32);
    picture.fill(qRgb(255, 255, 255));
    picture.setPixel(0, 0, qRgb(10, 20, 30));
    picture.setPixel(2, 1, qRgb(10, 20, 30));

    // No see-through colour: only near-white would be spared, so 2 of every 8 pixels are dotted.
    const QImage plain = SelectionMarks(picture, {0, 0, 0, 0, 0});
    ASSERT_EQ(plain.size(), picture.size());
    EXPECT_EQ(marked(plain), 4);
    EXPECT_EQ(plain.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(plain.pixel(1, 0)), 0);

    // White see-through: only the two dark pixels under a dot are marked.
    const QImage spared = SelectionMarks(picture, {0, 0, 1, rgbValue(255, 255, 255), 0});
    EXPECT_EQ(marked(spared), 2);
    EXPECT_EQ(spared.pixel(2, 1), qRgb(0, 0, 255));

    // A pixel already blue under a dot is no mark: nothing changed there.
    picture.setPixel(4, 0, qRgb(0, 0, 255));
    EXPECT_EQ(marked(SelectionMarks(picture, {0, 0, 0, 0, 0})), 3);
    EXPECT_TRUE(SelectionMarks(QImage(), {0, 0, 0, 0, 0}).isNull());
}

TEST(SelectionMarks, TheMarksLieOverThePictureAtTheZoom)
{
    EXPECT_EQ(selectionMarksTarget(QPointF(150, 50), QSize(40, 30), 2), QRectF(300, 100, 80, 60));
    EXPECT_EQ(selectionMarksTarget(QPointF(10, 10), QSize(4, 4), 0.5), QRectF(5, 5, 2, 2));
}

TEST(SheetGuides, PrintStartsAreMeasuredFromTheEdgesOfTheLabelsOrientation)
{
    LabelDocument document = labelWithPrintStarts();
    const double mm = 56.7 / 15;
    std::vector<QLineF> guides = sheetGuides(document, 1, 15, 15);
    ASSERT_EQ(guides.size(), 2u);
    EXPECT_DOUBLE_EQ(guides[0].x1(), 14 * mm); // vertical line 4 mm in from the left
    EXPECT_DOUBLE_EQ(guides[0].y1(), 10 * mm);
    EXPECT_DOUBLE_EQ(guides[0].y2(), 30 * mm);
    EXPECT_DOUBLE_EQ(guides[1].y1(), 13 * mm); // horizontal line 3 mm down from the top
    EXPECT_DOUBLE_EQ(guides[1].x2(), 40 * mm);

    // Turned by 180 degrees, from the right and bottom edges instead; at zoom 2 twice as far.
    document.setLabelRotated(1, 1);
    guides = sheetGuides(document, 2, 15, 15);
    ASSERT_EQ(guides.size(), 2u);
    EXPECT_NEAR(guides[0].x1(), 36 * mm * 2, 1e-9);
    EXPECT_NEAR(guides[1].y1(), 27 * mm * 2, 1e-9);
}

TEST(SheetGuides, AreDrawnDottedOverThePicture)
{
    QImage view(40, 10, QImage::Format_RGB32);
    view.fill(Qt::white);
    {
        QPainter painter(&view);
        drawSheetGuides(painter, {QLineF(0, 5, 39, 5)});
    }
    int drawn = 0;
    for (int x = 0; x < view.width(); ++x)
        drawn += view.pixel(x, 5) != qRgb(255, 255, 255);
    EXPECT_GT(drawn, 5);
    EXPECT_LT(drawn, 40); // dotted, not solid
    EXPECT_EQ(view.pixel(10, 2), qRgb(255, 255, 255));
}
