#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>

#include "document/LabelFile.h"
#include "print/PrintTestSupport.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

struct PrintRun {
    int exitCode = -1;
    QByteArray err;
};

PrintRun print(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(PORKANE_TOOL), QStringList{QStringLiteral("print")} + arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), process.readAllStandardError()};
}

// 60 x 40 mm; one label of 40 x 20 mm at (10, 10) holding a red picture
// in front of its text at the sheet's corner.
QString smallSheet(const TempFolder &folder)
{
    LabelDocument document = oneLabelSheet(60, 40, {10, 10, 40, 20, 2, 2});
    setText(document, 1, QStringLiteral("ぽるかね"), printRecord(40));
    document.addImage(solidPicture(QSize(24, 24), rgbValue(255, 0, 0)), {0, 0, 0, 0, 0});
    const QString path = folder.file(QStringLiteral("small.fhl"));
    saveLabelFile(document, path);
    return path;
}

bool isRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }

} // namespace

TEST(ToolPrint, PrintsATwentyLabelSheetOnOnePdfPage)
{
    TempFolder folder;
    const QString fhl = folder.file(QStringLiteral("twenty.fhl"));
    saveLabelFile(twentyLabelSheet(), fhl);
    const QString pdf = folder.file(QStringLiteral("twenty.pdf"));
    const PrintRun run = print({fhl, QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
    ASSERT_TRUE(readBytes(pdf).startsWith("%PDF"));

    const QImage page = rasterizedPdf(pdf, 150);
    if (page.isNull())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    EXPECT_EQ(pdfPageCount(pdf), 1);
    // A4 portrait (210 x 297 mm) at 150 dpi.
    EXPECT_NEAR(page.width(), 1240, 2);
    EXPECT_NEAR(page.height(), 1754, 2);
    const QStringList problems = checkTwentyLabelPage(page, 150);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QStringLiteral("; ")).toStdString();
}

TEST(ToolPrint, MovesThePrintByTheOffsetsAndTakesThePaperNamed)
{
    TempFolder folder;
    const QString fhl = smallSheet(folder);
    const QString plain = folder.file(QStringLiteral("plain.pdf"));
    const QString moved = folder.file(QStringLiteral("moved.pdf"));
    ASSERT_EQ(print({fhl, QStringLiteral("--pdf"), plain, QStringLiteral("--paper"), QStringLiteral("A5")}).exitCode,
              0);
    ASSERT_EQ(print({fhl, QStringLiteral("--pdf"), moved, QStringLiteral("--offset-left"), QStringLiteral("100"),
                     QStringLiteral("--offset-top"), QStringLiteral("-50"), QStringLiteral("--paper"),
                     QStringLiteral("a5")})
                  .exitCode,
              0);
    const QImage plainPage = rasterizedPdf(plain, 254); // 10 pixels per millimetre
    const QImage movedPage = rasterizedPdf(moved, 254);
    if (plainPage.isNull() || movedPage.isNull())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    EXPECT_NEAR(plainPage.width(), 1480, 2); // A5
    EXPECT_NEAR(plainPage.height(), 2100, 2);
    // The picture is 24 screen pixels: 6.35 mm, from the paper's corner.
    EXPECT_TRUE(isRed(plainPage.pixel(2, 2)));
    EXPECT_TRUE(isRed(plainPage.pixel(60, 60)));
    EXPECT_FALSE(isRed(plainPage.pixel(66, 66)));
    // 10 mm right and 5 mm up: the part above the paper is gone.
    EXPECT_FALSE(isRed(movedPage.pixel(98, 2)));
    EXPECT_TRUE(isRed(movedPage.pixel(102, 2)));
    EXPECT_TRUE(isRed(movedPage.pixel(160, 10)));
    EXPECT_FALSE(isRed(movedPage.pixel(160, 16)));
}

TEST(ToolPrint, RefusesWhatItCannotPrintWithOneLine)
{
    TempFolder folder;
    const QString fhl = smallSheet(folder);
    const QString missing = folder.file(QStringLiteral("missing.fhl"));
    const QString unwritable = QStringLiteral("/nonexistent-folder/out.pdf");

    const struct {
        QStringList arguments;
        QString file;
        QByteArray says;
    } failures[] = {
        {{missing, QStringLiteral("--pdf"), folder.file(QStringLiteral("a.pdf"))}, missing, ""},
        {{fhl, QStringLiteral("--pdf"), unwritable}, fhl, "cannot write /nonexistent-folder/out.pdf"},
        {{fhl, QStringLiteral("--printer"), QStringLiteral("porkane-no-such-queue")}, fhl,
         "there is no printer named porkane-no-such-queue"},
    };
    for (const auto &failure : failures) {
        const PrintRun run = print(failure.arguments);
        EXPECT_EQ(run.exitCode, 1) << failure.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(("porkane-tool: " + failure.file + ": ").toUtf8())) << run.err.constData();
        EXPECT_TRUE(run.err.contains(failure.says)) << run.err.constData();
        EXPECT_EQ(run.err.count('\n'), 1);
    }

    // Wrong options are usage errors.
    const QString out = folder.file(QStringLiteral("b.pdf"));
    for (const QStringList &arguments : std::initializer_list<QStringList>{
             {fhl},
             {fhl, QStringLiteral("--pdf"), out, QStringLiteral("--printer"), QStringLiteral("PDF")},
             {fhl, QStringLiteral("--pdf"), out, QStringLiteral("--offset-left"), QStringLiteral("1001")},
             {fhl, QStringLiteral("--pdf"), out, QStringLiteral("--offset-top"), QStringLiteral("1.5")},
             {fhl, QStringLiteral("--pdf"), out, QStringLiteral("--paper"), QStringLiteral("Napkin")},
             {fhl, QStringLiteral("--pdf")},
             {fhl, QStringLiteral("--pdf"), out, QStringLiteral("--sideways")},
         }) {
        const PrintRun run = print(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("porkane-tool: print: ")) << run.err.constData();
    }
    EXPECT_FALSE(QFile::exists(out));
}
