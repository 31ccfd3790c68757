// Printing through a real print queue: porkane-tool print --printer on a
// cups-pdf queue, and the PDF the queue writes. Runs when
// PORKANE_TEST_PRINT_QUEUE names an existing queue (tests/print/
// start-cups-pdf.sh sets one up); PORKANE_TEST_PRINT_OUTPUT is the folder
// the queue writes to (~/PDF when unset).
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>

#include "PrintTestSupport.h"
#include "document/LabelFile.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

QString queueName() { return qEnvironmentVariable("PORKANE_TEST_PRINT_QUEUE"); }

QString outputFolder()
{
    const QString folder = qEnvironmentVariable("PORKANE_TEST_PRINT_OUTPUT");
    return folder.isEmpty() ? QDir::home().filePath(QStringLiteral("PDF")) : folder;
}

// The file the queue writes once the job is through: written since `since`
// (the queue may reuse a name) and no longer growing.
QString awaitNewPdf(const QString &folder, const QDateTime &since, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
        for (const QFileInfo &file : files) {
            if (file.lastModified() < since)
                continue;
            const qint64 size = file.size();
            QThread::msleep(500);
            if (size > 0 && QFileInfo(file.filePath()).size() == size)
                return file.filePath();
        }
        QThread::msleep(200);
    }
    return QString();
}

} // namespace

TEST(PrintQueue, PrintsASheetThroughTheQueue)
{
    const QString queue = queueName();
    if (queue.isEmpty())
        GTEST_SKIP() << "PORKANE_TEST_PRINT_QUEUE is not set: run tests/print/start-cups-pdf.sh as root and set it "
                        "to the queue it made (PDF) to print through a real queue";
    if (!QPrinterInfo::availablePrinterNames().contains(queue))
        GTEST_SKIP() << "the print queue " << queue.toStdString() << " does not exist (is cupsd running?)";

    TempFolder folder;
    const QString fhl = folder.file(QStringLiteral("twenty.fhl"));
    saveLabelFile(twentyLabelSheet(), fhl);
    const QString output = outputFolder();
    // File times have whole seconds on some file systems.
    const QDateTime since = QDateTime::currentDateTime().addSecs(-1);

    QProcess tool;
    tool.start(QStringLiteral(PORKANE_TOOL), {QStringLiteral("print"), fhl, QStringLiteral("--printer"), queue,
                                               QStringLiteral("--paper"), QStringLiteral("A4")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().constData();

    const QString pdf = awaitNewPdf(output, since, 90000);
    ASSERT_FALSE(pdf.isEmpty()) << "no new PDF in " << output.toStdString();
    EXPECT_TRUE(readBytes(pdf).startsWith("%PDF"));
    const int pages = pdfPageCount(pdf);
    if (pages >= 0) {
        EXPECT_EQ(pages, 1);
    }
    const QImage page = rasterizedPdf(pdf, 150);
    if (!page.isNull()) {
        const QStringList problems = checkTwentyLabelPage(page, 150);
        EXPECT_TRUE(problems.isEmpty()) << problems.join(QStringLiteral("; ")).toStdString();
    }
}
