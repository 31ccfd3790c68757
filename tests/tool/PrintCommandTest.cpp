#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>

#include "core/Cp932.h"
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

namespace {

// An A4 sheet of 12 labels whose label 1 holds the address design.
QString addressSheet(const TempFolder &folder)
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 12;
    for (int label = 1; label <= 12; ++label)
        sheet.LabelGeometry[label] = {qint16(20 + (label - 1) / 2 * 42), qint16(15 + (label - 1) % 2 * 94), 86, 40, 4, 4};
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    setText(document, 1, QStringLiteral("《氏名》 様（《住所》）"), printRecord(16));
    const QString path = folder.file(QStringLiteral("addresses.fhl"));
    saveLabelFile(document, path);
    return path;
}

QString addressList(const TempFolder &folder, int rows, const QString &extra = QString())
{
    QString csv = QStringLiteral("氏名,住所\r\n");
    for (int row = 1; row <= rows; ++row)
        csv += QStringLiteral("氏名%1,東京%1\r\n").arg(row);
    const QString path = folder.file(QStringLiteral("list.csv"));
    writeBytes(path, (csv + extra).toUtf8());
    return path;
}

} // namespace

TEST(ToolPrintMerge, WritesEveryPageOfTheMergeToOnePdf)
{
    TempFolder folder;
    const QString fhl = addressSheet(folder);
    const QString pdf = folder.file(QStringLiteral("labels.pdf"));
    const PrintRun run = print({fhl, QStringLiteral("--pdf"), pdf, QStringLiteral("--data"), addressList(folder, 25),
                                QStringLiteral("--copies"), QStringLiteral("2")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
    const int pages = pdfPageCount(pdf);
    if (pages < 0)
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    EXPECT_EQ(pages, 6);

    // Starting at label 5 of 12, 25 records take three sheets; Shift-JIS read as told.
    const QString sjis = folder.file(QStringLiteral("sjis.csv"));
    writeBytes(sjis, encodeCp932(QStringLiteral("氏名,住所\r\n髙橋,﨑町\r\n")));
    const QString one = folder.file(QStringLiteral("one.pdf"));
    ASSERT_EQ(print({fhl, QStringLiteral("--pdf"), one, QStringLiteral("--data"), sjis, QStringLiteral("--encoding"),
                     QStringLiteral("cp932"), QStringLiteral("--start"), QStringLiteral("12")})
                  .exitCode,
              0);
    EXPECT_EQ(pdfPageCount(one), 1);
    const QString text = popplerOutput(QStringLiteral("pdftotext"), {}, one);
    EXPECT_TRUE(text.contains(QStringLiteral("髙橋 様（﨑町）"))) << text.toStdString();
}

TEST(ToolPrintMerge, ListsRowsLeftOutOnStandardErrorAndExitsThree)
{
    TempFolder folder;
    const QString fhl = addressSheet(folder);
    const QString pdf = folder.file(QStringLiteral("labels.pdf"));
    const QString csv = addressList(folder, 12, QStringLiteral("🍣,大阪\r\n鈴木,%1\r\n").arg(QString(200, QChar(u'あ'))));
    const PrintRun run = print({fhl, QStringLiteral("--pdf"), pdf, QStringLiteral("--data"), csv});
    EXPECT_EQ(run.exitCode, 3) << run.err.constData();
    const QStringList lines = QString::fromUtf8(run.err).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << run.err.constData();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("porkane-tool: %1: 14 行目「氏名」: ").arg(csv))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("porkane-tool: %1: 15 行目").arg(csv))) << lines[1].toStdString();
    // The twelve rows that merge fill one sheet.
    EXPECT_EQ(pdfPageCount(pdf), 1);
}

TEST(ToolPrintMerge, RefusesAListItCannotUse)
{
    TempFolder folder;
    const QString fhl = addressSheet(folder);
    const QString pdf = folder.file(QStringLiteral("labels.pdf"));
    const QString names = folder.file(QStringLiteral("names.csv"));
    writeBytes(names, "氏名\r\n山田\r\n");
    const QString ragged = folder.file(QStringLiteral("ragged.csv"));
    writeBytes(ragged, "氏名,住所\r\n山田\r\n");
    const struct {
        QStringList arguments;
        QString file;
        QString says;
    } failures[] = {
        {{QStringLiteral("--data"), names}, names, QStringLiteral("《住所》")},
        {{QStringLiteral("--data"), ragged}, ragged, QStringLiteral("2 行目の項目が 1 個あります")},
        {{QStringLiteral("--data"), folder.file(QStringLiteral("none.csv"))}, folder.file(QStringLiteral("none.csv")),
         QStringLiteral("開けません")},
        {{QStringLiteral("--start"), QStringLiteral("13")}, fhl, QStringLiteral("--start 13: the sheet has 12 labels")},
    };
    for (const auto &failure : failures) {
        const PrintRun run = print(QStringList{fhl, QStringLiteral("--pdf"), pdf} + failure.arguments);
        EXPECT_EQ(run.exitCode, 1) << failure.arguments.join(' ').toStdString();
        const QString said = QString::fromUtf8(run.err);
        EXPECT_TRUE(said.startsWith(QStringLiteral("porkane-tool: ") + failure.file + QStringLiteral(": "))) << run.err.constData();
        EXPECT_TRUE(said.contains(failure.says)) << run.err.constData();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
        EXPECT_FALSE(QFile::exists(pdf));
    }
    for (const QStringList &wrong : std::initializer_list<QStringList>{
             {QStringLiteral("--encoding"), QStringLiteral("utf-8")},
             {QStringLiteral("--design-label"), QStringLiteral("2")},
             {QStringLiteral("--data"), names, QStringLiteral("--encoding"), QStringLiteral("latin1")},
             {QStringLiteral("--copies"), QStringLiteral("0")},
             {QStringLiteral("--start"), QStringLiteral("21")},
         }) {
        const PrintRun run = print(QStringList{fhl, QStringLiteral("--pdf"), pdf} + wrong);
        EXPECT_EQ(run.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("porkane-tool: print: ")) << run.err.constData();
        EXPECT_FALSE(QFile::exists(pdf));
    }
}
