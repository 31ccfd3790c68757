#include <QPainter>

#include "FormatDialogFixture.h"
#include "format/FormatValues.h"
#include "render/TextLayout.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const RgbValue White = rgbValue(255, 255, 255);

InputFormat plainFormat()
{
    InputFormat format;
    format.faceName = TestFace;
    format.textColour = rgbValue(200, 0, 0);
    format.charWidth = 0; // the face's own width
    format.charHeight = 40;
    return format;
}

SampleSettings noGrid(RgbValue background = White)
{
    SampleSettings settings;
    settings.backgroundColour = background;
    settings.gridColour = rgbValue(0, 0, 255);
    settings.gridInterval = 0;
    return settings;
}

QImage drawSample(const InputFormat &format, const SampleSettings &settings, QSize size = {600, 196},
                  int twipsPerPixelX = 15, int twipsPerPixelY = 15)
{
    SampleView view;
    view.setFixedSize(size);
    view.draw(format, settings, TextScale::screen(twipsPerPixelX, twipsPerPixelY));
    return view.picture();
}

// The number of points where two pictures differ, over the area both cover.
int differences(const QImage &a, const QImage &b)
{
    const int width = std::min(a.width(), b.width());
    const int height = std::min(a.height(), b.height());
    int count = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            count += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF) ? 1 : 0;
    return count;
}

} // namespace

TEST(SampleView, LooksLikeTheEditorsLabelOfTheSameFormat)
{
    std::vector<InputFormat> formats(6, plainFormat());
    formats[1].bold = true;
    formats[1].boldWeight = 900;
    formats[1].italic = true;
    formats[1].underline = true;
    formats[1].strikeOut = true;
    formats[2].charRotation = 30;
    formats[2].lineRotation = 10;
    formats[3].letterSpacing = 1.5;
    formats[3].lineSpacing = 2;
    formats[3].charWidth = 24;
    formats[4].effectCode = 6;
    formats[4].shadowColour = rgbValue(0, 0, 120);
    formats[4].effectColour = rgbValue(0, 220, 0);
    formats[4].shiftHorizontal = 1.5;
    formats[4].shiftVertical = 1;
    formats[5].effectCode = 1;
    formats[5].shadowColour = rgbValue(90, 90, 90);
    formats[5].shiftHorizontal = -0.5;
    formats[5].shiftVertical = 0.5;
    for (std::size_t index = 0; index < formats.size(); ++index) {
        const QImage sample = drawSample(formats[index], noGrid());
        const QImage label = editorCanvas(formats[index], 15, 15);
        EXPECT_GT(countColour(sample, formats[index].textColour), 200) << index;
        EXPECT_EQ(differences(sample, label), 0) << index;
    }
}

TEST(SampleView, TextLiesWhereTheEngineLaysItOutInTheFormatsColours)
{
    InputFormat format = plainFormat();
    format.effectCode = 1;
    format.shadowColour = rgbValue(0, 0, 160);
    format.shiftHorizontal = 1; // nearest(3.78) = 4 pixels
    format.shiftVertical = 1;
    const RgbValue background = rgbValue(250, 245, 235);
    const QImage sample = drawSample(format, noGrid(background));

    const QString text = sampleText(format.faceName);
    const std::vector<PlacedGlyph> glyphs =
        layoutText(text, TextRecords(SampleView::sampleRecords(text, format)), QPoint(0, 0),
                   TextScale::screen(15, 15), &sample, sample.rect());
    ASSERT_EQ(glyphs.size(), std::size_t(text.size() - 3)); // the three CRs are not drawn

    QImage cells(sample.size(), QImage::Format_RGB32);
    cells.fill(Qt::black);
    for (const PlacedGlyph &glyph : glyphs) {
        ASSERT_EQ(glyph.front.size(), 1u);
        ASSERT_EQ(glyph.behind.size(), 1u);
        const QRect face(glyph.front.front().at, QSize(glyph.metrics.advance, glyph.metrics.extentHeight));
        const QRect shadow(glyph.behind.front().at, face.size());
        EXPECT_EQ(glyph.behind.front().at - glyph.front.front().at, QPoint(4, 4));
        // Every character leaves some of its face in the text colour.
        if (!glyph.character.isSpace()) {
            EXPECT_GT(countColour(sample, format.textColour, face), 0) << glyph.position;
        }
        QPainter painter(&cells);
        painter.fillRect(face.adjusted(-1, -1, 1, 1), Qt::white);
        painter.fillRect(shadow.adjusted(-1, -1, 1, 1), Qt::white);
    }
    // Outside the characters' cells there is only the background.
    for (int y = 0; y < sample.height(); ++y) {
        for (int x = 0; x < sample.width(); ++x) {
            if (cells.pixel(x, y) != qRgb(255, 255, 255)) {
                ASSERT_EQ(fromQRgb(sample.pixel(x, y)), background) << x << "," << y;
            }
        }
    }
    EXPECT_GT(countColour(sample, format.shadowColour), 100);
    // Three lines, each a line height (nearest(40 / 72 * 1000 / 15) = 37) below the last.
    std::vector<int> lineTops;
    for (const PlacedGlyph &glyph : glyphs)
        if (lineTops.empty() || lineTops.back() != glyph.front.front().at.y())
            lineTops.push_back(glyph.front.front().at.y());
    EXPECT_EQ(lineTops, (std::vector<int>{0, 37, 74}));
}

TEST(SampleView, DrawsTheGridOverTheWholePicture)
{
    InputFormat format = plainFormat();
    SampleSettings settings;
    settings.backgroundColour = rgbValue(250, 240, 230);
    settings.gridColour = rgbValue(0, 0, 255);
    settings.gridInterval = 5;
    // At tX 15 and tY 12: vertical lines every nearest(18.9) = 19 pixels,
    // horizontal ones every nearest(23.625) = 24.
    const QImage sample = drawSample(format, settings, {600, 320}, 15, 12);
    ASSERT_EQ(sample.size(), QSize(600, 320));
    // Below the three lines of text the picture is grid and background only.
    for (int y = 200; y < sample.height(); ++y) {
        for (int x = 0; x < sample.width(); ++x) {
            const bool onGrid = x % 19 == 0 || y % 24 == 0;
            ASSERT_EQ(fromQRgb(sample.pixel(x, y)), onGrid ? settings.gridColour : settings.backgroundColour)
                << x << "," << y;
        }
    }
    // The text is drawn over the grid.
    EXPECT_GT(countColour(sample, format.textColour, QRect(0, 0, 600, 150)), 200);
    EXPECT_EQ(fromQRgb(sample.pixel(0, 0)), settings.gridColour);
}

TEST(SampleView, AnIntervalOfNoPixelsDrawsNoGridAndEnds)
{
    for (qint32 interval : {0, -3}) {
        SampleSettings settings = noGrid(rgbValue(240, 240, 240));
        settings.gridInterval = interval;
        const QImage sample = drawSample(plainFormat(), settings);
        EXPECT_EQ(countColour(sample, settings.gridColour), 0) << interval;
        EXPECT_EQ(countColour(sample, settings.backgroundColour, QRect(0, 150, 600, 46)), 600 * 46) << interval;
    }
}

// --- The dialog's sample -----------------------------------------------------------

TEST_F(FormatDialogTest, TheSampleShowsTheFieldsAsTheEditorWouldDrawThem)
{
    openOnDefault();
    type(field(6), QStringLiteral("0"));
    selectFace(TestFace);
    clickSwatch(QStringLiteral("Label2_5")); // dark blue
    type(field(1), QStringLiteral("20"));
    type(field(2), QStringLiteral("30"));
    type(field(3), QStringLiteral("1"));
    type(field(4), QStringLiteral("2"));
    type(field(5), QStringLiteral("10"));
    box(QStringLiteral("Check1"))->click();
    weightList()->setCurrentText(QStringLiteral("700"));
    effectBox(1)->click();
    effectBox(2)->click();
    prompts.pickColour(rgbValue(160, 160, 160)).pickColour(rgbValue(255, 200, 0));
    clickSwatch(QStringLiteral("Label16"));
    clickSwatch(QStringLiteral("Label17"));
    type(field(8), QStringLiteral("0.8"));
    type(field(9), QStringLiteral("1.2"));

    InputFormat expected;
    expected.faceName = TestFace;
    expected.textColour = rgbValue(0, 0, 192);
    expected.charWidth = 20;
    expected.charHeight = 30;
    expected.letterSpacing = 1;
    expected.lineSpacing = 2;
    expected.charRotation = 10;
    expected.bold = true;
    expected.boldWeight = 700;
    expected.effectCode = 6;
    expected.shadowColour = rgbValue(160, 160, 160);
    expected.effectColour = rgbValue(255, 200, 0);
    expected.shiftVertical = double(0.8f);
    expected.shiftHorizontal = double(1.2f);
    const QImage sample = dialog->sampleView()->picture();
    EXPECT_EQ(differences(sample, editorCanvas(expected, 15, 15)), 0);
    EXPECT_GT(countColour(sample, rgbValue(0, 0, 192)), 100);
    EXPECT_GT(countColour(sample, rgbValue(255, 200, 0)), 100); // the outline
}

TEST_F(FormatDialogTest, TheSampleFollowsTheSampleSettingsAtOnce)
{
    openOnDefault();
    const QImage before = dialog->sampleView()->picture();
    // Built-in: white background, light-blue grid every nearest(18.9) = 19 pixels.
    EXPECT_EQ(fromQRgb(before.pixel(19, before.height() - 2)), rgbValue(213, 242, 255));
    EXPECT_EQ(fromQRgb(before.pixel(20, before.height() - 2)), White);

    prompts.pickColour(rgbValue(255, 250, 220));
    clickSwatch(QStringLiteral("Label15"));
    type(field(6), QStringLiteral("10")); // nearest(37.8) = 38 pixels
    const QImage after = dialog->sampleView()->picture();
    EXPECT_EQ(fromQRgb(after.pixel(38, after.height() - 2)), rgbValue(213, 242, 255));
    EXPECT_EQ(fromQRgb(after.pixel(19, after.height() - 2)), rgbValue(255, 250, 220));
}
