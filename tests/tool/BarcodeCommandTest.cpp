#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "BarcodeReader.h"
#include "ToolRun.h"
#include "support/TestFiles.h"

using namespace porkane::test;

TEST(BarcodeCommand, WritesAPictureThatReadsBackAndTellsTheModule)
{
    TempFolder folder;
    const QString out = folder.path() + QStringLiteral("/jan.png");
    const ToolRun run = runTool({QStringLiteral("barcode"), QStringLiteral("ean13"), QStringLiteral("490123456789"),
                                 out, QStringLiteral("--dpi"), QStringLiteral("300")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_EQ(QString::fromUtf8(run.out),
              out + QStringLiteral(": JAN-13, module 0.339 mm (4 dots at 300 dpi), 38.27 x 25.65 mm\n"));
    const QImage picture(out);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.dotsPerMeterX(), qRound(300 / 0.0254));
    const ReadResult read = readBarcode(picture);
    EXPECT_EQ(read.format, QStringLiteral("JAN-13"));
    EXPECT_EQ(read.text, QStringLiteral("4901234567894"));
}

TEST(BarcodeCommand, FitsAnOverallSizeAndWritesSvgInMillimetres)
{
    TempFolder folder;
    const QString out = folder.path() + QStringLiteral("/shelf.svg");
    const ToolRun run = runTool({QStringLiteral("barcode"), QStringLiteral("qr"), QStringLiteral("棚 A-12"), out,
                                 QStringLiteral("--mm"), QStringLiteral("20"), QStringLiteral("15")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    // 21 modules with a quiet zone of 4 on each side: 29 modules in 15 mm
    // give 6 steps of 1/300 inch, 12 dots at 600 dpi.
    EXPECT_TRUE(run.out.contains("module 0.508 mm (12 dots at 600 dpi), 14.73 x 14.73 mm")) << run.out.constData();
    QSvgRenderer svg(out);
    ASSERT_TRUE(svg.isValid());
    QImage rendered(svg.viewBox().size(), QImage::Format_RGB32);
    rendered.fill(Qt::white);
    {
        QPainter painter(&rendered);
        svg.render(&painter);
    }
    EXPECT_EQ(readBarcode(rendered).text, QStringLiteral("棚 A-12"));
}

TEST(BarcodeCommand, RefusedDataWritesNothingAndKeepsAnEarlierPicture)
{
    TempFolder folder;
    const QString out = folder.path() + QStringLiteral("/jan.png");
    ToolRun run = runTool({QStringLiteral("barcode"), QStringLiteral("ean13"), QStringLiteral("4901234567890"), out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(run.err),
              QStringLiteral("porkane-tool: %1: JAN-13 のチェックデジット（最後の桁）が違います。正しくは 4 です\n")
                  .arg(out));
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());

    writeBytes(out, "earlier");
    run = runTool({QStringLiteral("barcode"), QStringLiteral("japanpost"), QStringLiteral("1000013 1-3"), out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(readBytes(out), QByteArray("earlier"));
}

TEST(BarcodeCommand, AWrongCommandLineIsAUsageError)
{
    const struct {
        QStringList arguments;
        QByteArray line;
    } errors[] = {
        {{"barcode", "ean14", "1", "a.png"},
         "porkane-tool: barcode: SYMBOLOGY is one of ean13, ean8, upca, code128, code39, itf14, codabar, qr, "
         "datamatrix, japanpost, not \"ean14\"\n"},
        {{"barcode", "qr", "1", "a.gif"},
         "porkane-tool: barcode: the picture is written as OUT.png or OUT.svg, not \"a.gif\"\n"},
        {{"barcode", "qr", "1", "a.png", "--mm", "20"}, "porkane-tool: barcode: --mm needs W H\n"},
        {{"barcode", "qr", "1", "a.png", "--mm", "20", "wide"},
         "porkane-tool: barcode: --mm needs a width and a height in millimetres above 0 and up to 1000, not \"20 "
         "wide\"\n"},
        {{"barcode", "qr", "1", "a.png", "--dpi", "96.5"},
         "porkane-tool: barcode: --dpi needs a whole number from 72 to 2400, not \"96.5\"\n"},
        {{"barcode", "qr", "1"}, "porkane-tool: barcode: missing OUT.png|OUT.svg\n"},
        {{"customer-data", "100-0013"}, "porkane-tool: customer-data: missing ADDRESS_B\n"},
    };
    for (const auto &error : errors) {
        TempFolder folder;
        const ToolRun run = runTool(error.arguments, folder.path());
        EXPECT_EQ(run.exitCode, 2) << qPrintable(error.arguments.join(' '));
        EXPECT_EQ(run.err, error.line);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
}

TEST(CustomerDataCommand, PrintsTheDataOrRefusesInOneLine)
{
    ToolRun run = runTool({QStringLiteral("customer-data"), QStringLiteral("064-0804"),
                           QStringLiteral("29丁目1524-23　第2郵便ハウス501")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, "064080429-1524-23-2-\n");
    EXPECT_TRUE(run.err.isEmpty());

    run = runTool({QStringLiteral("customer-data"), QStringLiteral("100-0013"), QStringLiteral("1丁目(仮)")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(QString::fromUtf8(run.err),
              QStringLiteral("porkane-tool: customer-data: 住所Bの「(」はバーコードの抜き出し規則にない文字のため、"
                             "住所表示番号を決められません\n"));

    // What customer-data prints, barcode japanpost draws.
    TempFolder folder;
    const QString out = folder.path() + QStringLiteral("/postal.png");
    run =
        runTool({QStringLiteral("barcode"), QStringLiteral("japanpost"), QStringLiteral("064080429-1524-23-2-"), out});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains("module 0.593 mm (14 dots at 600 dpi)")) << run.out.constData();
}
