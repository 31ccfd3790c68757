#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>

#include "print/CurrentPrinter.h"

using namespace porkane;

namespace {

// A PDF printer set as a dialog would leave it.
std::unique_ptr<QPrinter> pdfPrinter(int resolution)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(resolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setColorMode(QPrinter::Color);
    return printer;
}

PrinterProperties a4PortraitColour()
{
    PrinterProperties properties;
    properties.deviceName = QStringLiteral("Office");
    properties.paperCode = 9;
    properties.orientation = PortraitOrientation;
    properties.colourMode = ColourMode;
    return properties;
}

} // namespace

TEST(CurrentPrinter, ReadsTheSettingsTheDialogLeft)
{
    auto printer = pdfPrinter(600);
    PrinterProperties properties = readPrinterProperties(*printer);
    EXPECT_EQ(properties.deviceName, QStringLiteral("PDF"));
    EXPECT_TRUE(properties.writesPdf);
    EXPECT_EQ(properties.paperCode, 9);
    EXPECT_EQ(properties.orientation, PortraitOrientation);
    EXPECT_EQ(properties.colourMode, ColourMode);
    EXPECT_EQ(properties.quality, 600);

    printer->setPageOrientation(QPageLayout::Landscape);
    printer->setColorMode(QPrinter::GrayScale);
    printer->setCopyCount(3);
    printer->setPageSize(QPageSize(QPageSize::JisB5));
    properties = readPrinterProperties(*printer);
    EXPECT_EQ(properties.orientation, LandscapeOrientation);
    EXPECT_EQ(properties.colourMode, MonochromeMode);
    EXPECT_EQ(properties.copies, 3);
    EXPECT_EQ(properties.paperCode, 13);
    // A PDF file is printed on one side.
    EXPECT_EQ(properties.duplex, SimplexPrinting);
}

TEST(CurrentPrinter, TwipsPerPixelAreExactAtEveryResolution)
{
    // Rounded to whole twips, 600 dpi would give 2 and print every length
    // 20 % too long; 1200 dpi would give 1.
    for (int dpi : {300, 360, 600, 720, 1200, 2400}) {
        const PrinterProperties properties = readPrinterProperties(*pdfPrinter(dpi));
        EXPECT_DOUBLE_EQ(properties.twipsPerPixelX * dpi, 1440.0) << dpi;
        EXPECT_DOUBLE_EQ(properties.twipsPerPixelY * dpi, 1440.0) << dpi;
    }
    EXPECT_DOUBLE_EQ(readPrinterProperties(*pdfPrinter(600)).twipsPerPixelX, 2.4);
}

TEST(CurrentPrinter, PhysicalOffsetIsThePrintableAreasCorner)
{
    auto printer = pdfPrinter(600);
    printer->setPageMargins(QMarginsF(36, 18, 36, 18), QPageLayout::Point);
    // Half an inch and a quarter of an inch at 600 dpi.
    EXPECT_EQ(readPrinterProperties(*printer).physicalOffset, QPoint(300, 150));
    printer->setFullPage(true);
    EXPECT_EQ(readPrinterProperties(*printer).physicalOffset, QPoint(0, 0));
}

TEST(CurrentPrinter, IsMadeOnceAndKept)
{
    std::shared_ptr<QPrinter> slot;
    QPrinter &made = ensureCurrentPrinter(slot);
    ASSERT_TRUE(slot);
    EXPECT_EQ(&made, slot.get());
    EXPECT_EQ(&ensureCurrentPrinter(slot), &made);
    // High resolution, not the screen's.
    EXPECT_GE(made.resolution(), 300);
    // A PDF printer when the system has no queue, else a queue of it.
    EXPECT_TRUE(printerExists(made));
}

TEST(PrinterInfo, ShowsNamePaperOrientationAndInk)
{
    PrinterInfoTexts texts;
    EXPECT_EQ(texts.name, QStringLiteral("不明"));
    EXPECT_EQ(texts.paper, QStringLiteral("不明"));
    EXPECT_EQ(texts.orientation, QStringLiteral("不明"));
    EXPECT_EQ(texts.ink, QStringLiteral("不明"));

    refreshPrinterInfo(texts, a4PortraitColour());
    EXPECT_EQ(texts.name, QStringLiteral("Office"));
    EXPECT_EQ(texts.paper, QStringLiteral("A4 (210 x 297 mm)"));
    EXPECT_EQ(texts.orientation, QStringLiteral("縦"));
    EXPECT_EQ(texts.ink, QStringLiteral("カラーインク"));

    PrinterProperties other = a4PortraitColour();
    other.orientation = LandscapeOrientation;
    other.colourMode = MonochromeMode;
    other.paperCode = 256;
    refreshPrinterInfo(texts, other);
    EXPECT_EQ(texts.orientation, QStringLiteral("横"));
    EXPECT_EQ(texts.ink, QStringLiteral("モノクロインク"));
    EXPECT_EQ(texts.paper, QStringLiteral("ユーザー定義のサイズ"));

    // Any colour mode but 2 is monochrome; any orientation but 1 landscape.
    other.colourMode = 0;
    other.orientation = 0;
    refreshPrinterInfo(texts, other);
    EXPECT_EQ(texts.ink, QStringLiteral("モノクロインク"));
    EXPECT_EQ(texts.orientation, QStringLiteral("横"));
}

TEST(PrinterInfo, KeepsThePaperTextForACodeTheTableLacks)
{
    PrinterProperties driverSpecific = a4PortraitColour();
    driverSpecific.paperCode = 118;
    PrinterInfoTexts texts;
    refreshPrinterInfo(texts, driverSpecific);
    EXPECT_EQ(texts.paper, QStringLiteral("不明"));
    EXPECT_EQ(texts.name, QStringLiteral("Office"));

    refreshPrinterInfo(texts, a4PortraitColour());
    driverSpecific.deviceName = QStringLiteral("Plotter");
    refreshPrinterInfo(texts, driverSpecific);
    EXPECT_EQ(texts.paper, QStringLiteral("A4 (210 x 297 mm)")); // the previous printer's
    EXPECT_EQ(texts.name, QStringLiteral("Plotter"));
}

TEST(PrinterInfo, NamesTheB6EnvelopeOfARealPrinter)
{
    auto printer = pdfPrinter(600);
    printer->setPageSize(QPageSize(QPageSize::EnvelopeB6));
    PrinterInfoTexts texts;
    refreshPrinterInfo(texts, readPrinterProperties(*printer));
    EXPECT_EQ(texts.paper, QStringLiteral("封筒 B6 (176 x 125 mm)"));
    EXPECT_EQ(texts.name, QStringLiteral("PDF"));
}
