#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/SheetImage.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const RgbValue Background = rgbValue(240, 240, 240);
const RgbValue LabelColour = rgbValue(255, 250, 230);
const RgbValue Grid = rgbValue(213, 242, 255);
const RgbValue Green = rgbValue(0, 255, 0);
const RgbValue Black = rgbValue(0, 0, 0);
const RgbValue White = rgbValue(255, 255, 255);

SheetViewStyle style(bool grid = false, int spacing = 5)
{
    return {Background, LabelColour, Grid, grid, spacing};
}

// Three labels side by side; label 1 is 10 mm from the left and 30 mm wide.
LabelDocument threeLabels()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 120;
    sheet.SheetHeight = 40;
    sheet.LabelCount = 3;
    for (int label = 1; label <= 3; ++label)
        sheet.LabelGeometry[label] = {5, qint16(10 + (label - 1) * 35), 30, 20, 1, 1};
    return LabelDocument::fromTemplate(sheet);
}

void setText(LabelDocument &document, int label, const QString &text, RgbValue colour)
{
    AttrRecord record = plainRecord(40);
    record[TextColourSlot] = Variant(qint32(colour));
    document.setLabelText(label, text);
    for (int position = 1; position <= text.size(); ++position)
        document.CharAttr(label, position) = record;
}

SheetImage repainted(LabelDocument &document, const SheetViewStyle &viewStyle, const SheetViewState &state = {})
{
    LabelCanvases canvases;
    canvases.reset(document.sheet(), 15, 15);
    renderAllLabels(document, canvases, TextScale::screen(15, 15));
    SheetImage sheet;
    sheet.RePaint(document, canvases, viewStyle, state);
    return sheet;
}

RgbValue at(const QImage &image, int x, int y) { return fromQRgb(image.pixel(x, y)); }

} // namespace

TEST(RePaint, FillsLabelsDrawsTheGridAndBordersOverIt)
{
    LabelDocument document = threeLabels();
    SheetViewState state;
    state.currentLabel = 2;
    const QImage image = repainted(document, style(true, 5), state).PrnPicture();
    EXPECT_EQ(image.size(), QSize(454, 151));
    EXPECT_EQ(at(image, 2, 2), Background);
    EXPECT_EQ(at(image, 60, 30), LabelColour);
    EXPECT_EQ(at(image, 200, 30), White); // the current label
    EXPECT_EQ(at(image, 330, 30), LabelColour);

    // Label 1 spans x 38 to 151: an interval of 19 pixels gives lines at 38
    // (under the border), 57, 76, 95, 114, 133, and none at 152.
    std::vector<int> grid, black;
    for (int x = 30; x < 160; ++x) {
        if (at(image, x, 30) == Grid)
            grid.push_back(x);
        if (at(image, x, 30) == Black)
            black.push_back(x);
    }
    EXPECT_EQ(grid, (std::vector<int>{57, 76, 95, 114, 133}));
    EXPECT_EQ(black, (std::vector<int>{38, 151}));
    EXPECT_EQ(at(image, 60, 38), Grid); // rows from the top edge at 19
    EXPECT_EQ(at(image, 60, 94), Black);

    // An interval that comes to 0 pixels draws no grid (and ends).
    const QImage without = repainted(document, style(false), state).PrnPicture();
    EXPECT_EQ(repainted(document, style(true, 0), state).PrnPicture(), without);
    EXPECT_EQ(repainted(document, style(true, -5), state).PrnPicture(), without);
}

TEST(RePaint, LaysTextOnWithWhiteSeeThrough)
{
    LabelDocument document = threeLabels();
    const QImage empty = repainted(document, style()).PrnPicture();
    setText(document, 3, QStringLiteral("ラベル"), White);
    EXPECT_EQ(repainted(document, style()).PrnPicture(), empty);

    setText(document, 3, QStringLiteral("ラベル"), Black);
    const QImage image = repainted(document, style()).PrnPicture();
    int changed = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != empty.pixel(x, y)) {
                ++changed;
                ASSERT_EQ(at(image, x, y), Black);
            }
        }
    }
    EXPECT_GT(changed, 100);
}

TEST(RePaint, ImagesBehindSeeThroughWhiteAndInFrontTheirOwnColour)
{
    LabelDocument document = threeLabels();
    QImage picture(60, 40, QImage::Format_RGB32); // left half white, right half green
    picture.fill(Qt::white);
    for (int y = 0; y < 40; ++y) {
        for (int x = 30; x < 60; ++x)
            picture.setPixel(x, y, toQRgb(Green));
    }
    setText(document, 1, QStringLiteral("■"), Black); // from (42, 23)
    const qint32 index = document.ImageSlot(document.addImage(picture, {40, 20, 1, Green, 1}));
    SheetViewState state;
    state.currentLabel = 2;

    const QImage behind = repainted(document, style(), state).PrnPicture();
    EXPECT_EQ(at(behind, 41, 21), LabelColour);
    EXPECT_EQ(at(behind, 95, 21), Green);
    EXPECT_EQ(at(behind, 55, 40), Black); // the text covers it

    document.ImagePlacement(index)[PlacementLayer] = 0;
    const QImage front = repainted(document, style(), state).PrnPicture();
    EXPECT_EQ(at(front, 41, 21), White);
    EXPECT_EQ(at(front, 55, 40), White); // it covers the text
    EXPECT_EQ(at(front, 95, 21), LabelColour);

    document.ImagePlacement(index)[PlacementTransparent] = 0;
    EXPECT_EQ(at(repainted(document, style(), state).PrnPicture(), 95, 21), Green);
}

TEST(RePaint, PutsTheSelectedImageOnTopAndKeepsTheSheetWithoutIt)
{
    LabelDocument document = threeLabels();
    setText(document, 1, QStringLiteral("■■"), Black);
    QImage solid(120, 80, QImage::Format_RGB32);
    solid.fill(toQColor(Green));
    document.addImage(solid, {30, 10, 0, 0, 1});
    SheetViewState state;
    state.selectedImage = document.ImageSlot(1);
    const SheetImage sheet = repainted(document, style(), state);
    EXPECT_EQ(at(sheet.PrnPicture(), 55, 35), Green);

    LabelDocument without = document;
    without.deleteImage(1);
    EXPECT_EQ(sheet.Picture13(), repainted(without, style()).PrnPicture());
}

TEST(RedrawDraggedImage, GivesWhatARepaintAtTheNewPlaceGives)
{
    LabelDocument document = threeLabels();
    setText(document, 2, QStringLiteral("文字"), Black);
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(toQColor(Green));
    picture.setPixel(3, 3, qRgb(255, 0, 0));
    document.addImage(picture, {50, 30, 1, Green, 0});
    const qint32 selected = document.ImageSlot(1);

    for (const double zoom : {1.0, 1.5, 0.5}) {
        SheetViewState state;
        state.selectedImage = selected;
        state.zoom = zoom;
        SheetImage sheet = repainted(document, style(), state);
        ImageDrag drag{190, 45, 40, 20, 50, 30};
        sheet.RedrawDraggedImage(document, drag, state);
        EXPECT_EQ(drag.DragStartLeft, 190);
        EXPECT_EQ(drag.DragStartTop, 45);

        LabelDocument moved = document;
        moved.ImagePlacement(selected)[PlacementLeft] = 190;
        moved.ImagePlacement(selected)[PlacementTop] = 45;
        const SheetImage expected = repainted(moved, style(), state);
        EXPECT_EQ(sheet.PrnPicture(), expected.PrnPicture());
        EXPECT_EQ(sheet.view(), expected.view());
    }
}

TEST(RePaint, ShowsTheSheetStretchedToTheZoom)
{
    LabelDocument document = threeLabels();
    setText(document, 1, QStringLiteral("ぽ"), Black);
    SheetViewState state;
    state.zoom = 3;
    const SheetImage zoomed = repainted(document, style(true), state);
    EXPECT_EQ(zoomed.view().size(), QSize(1361, 454)); // 1360.8 x 453.6
    EXPECT_EQ(zoomed.view().pixel(3 * 57 + 1, 3 * 30), zoomed.PrnPicture().pixel(57, 30)); // a grid line

    state.zoom = 1;
    EXPECT_EQ(repainted(document, style(true), state).view(), zoomed.PrnPicture());
    state.zoom = 0;
    EXPECT_TRUE(repainted(document, style(true), state).view().isNull());
}
