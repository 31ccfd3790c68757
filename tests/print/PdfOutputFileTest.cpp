#include <gtest/gtest.h>

#include <QPrinter>

#include "print/PdfOutputFile.h"

using namespace porkane;

TEST(PdfOutputFile, OnlyAPdfPrinterWithoutAFileAsks)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    EXPECT_TRUE(asksForPdfFile(printer));
    printer.setOutputFileName(QStringLiteral("/tmp/named-by-the-dialog.pdf"));
    EXPECT_FALSE(asksForPdfFile(printer));
}

TEST(PdfOutputFile, ANameWithoutSuffixIsAPdfFiles)
{
    EXPECT_EQ(pdfFileName(QStringLiteral("/home/u/sheet")), QStringLiteral("/home/u/sheet.pdf"));
    EXPECT_EQ(pdfFileName(QStringLiteral("/home/u/sheet.pdf")), QStringLiteral("/home/u/sheet.pdf"));
    EXPECT_EQ(pdfFileName(QStringLiteral("/home/u/sheet.PDF")), QStringLiteral("/home/u/sheet.PDF"));
    // A dot in a folder name is no suffix of the file.
    EXPECT_EQ(pdfFileName(QStringLiteral("/home/u/v1.2/ラベル")), QStringLiteral("/home/u/v1.2/ラベル.pdf"));
    // Another suffix is the user's choice.
    EXPECT_EQ(pdfFileName(QStringLiteral("/home/u/sheet.out")), QStringLiteral("/home/u/sheet.out"));
}

TEST(PdfOutputFile, TheNameHoldsForOneJobAndThePrinterStaysAPdfOne)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    {
        const PdfFileForJob job(printer, QStringLiteral("/tmp/this-job.pdf"));
        EXPECT_EQ(printer.outputFileName(), QStringLiteral("/tmp/this-job.pdf"));
        EXPECT_FALSE(asksForPdfFile(printer));
    }
    EXPECT_TRUE(printer.outputFileName().isEmpty());
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_TRUE(asksForPdfFile(printer));

    // A file the printer dialog named is left alone.
    printer.setOutputFileName(QStringLiteral("/tmp/from-the-dialog.pdf"));
    {
        const PdfFileForJob job(printer, QString());
    }
    EXPECT_EQ(printer.outputFileName(), QStringLiteral("/tmp/from-the-dialog.pdf"));
}
