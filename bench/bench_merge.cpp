// Merge printing: 1,000 address records (three fields of about 40
// characters, the design label with font effects) merged onto a 12-label
// A4 sheet and written as one PDF; the peak memory of that job for 1,000
// and 10,000 records, each measured in a process of its own with
// getrusage; and one page of the print preview.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include "document/LabelDocument.h"
#include "print/MergeData.h"
#include "print/PrintJob.h"
#include "print/PrintJobSetup.h"
#include "print/PrintPages.h"

using namespace porkane;

namespace {

AttrRecord record(double height, qint32 colour, int effect)
{
    AttrRecord attributes;
    attributes[TextColourSlot] = Variant(colour);
    attributes[CharHeightSlot] = Variant(height);
    attributes[FontWeightSlot] = Variant(qint16(effect == 0 ? 700 : 400));
    attributes[FaceNameSlot] = Variant(QStringLiteral("IPAGothic"));
    attributes[EffectCodeSlot] = Variant(qint16(effect));
    attributes[ShadowColourSlot] = Variant(qint32(0x999999));
    attributes[EffectColourSlot] = Variant(qint32(0x33AAFF));
    attributes[ShiftVerticalSlot] = Variant(0.3);
    attributes[ShiftHorizontalSlot] = Variant(0.3);
    return attributes;
}

// A4, 2 x 6 labels of 86.4 x 42.3 mm (rounded to whole millimetres); label 1
// holds the design: a shadowed postcode, an outlined address and a bold,
// shadowed name.
LabelDocument addressSheet()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 12;
    for (int label = 1; label <= 12; ++label)
        sheet.LabelGeometry[label] = {qint16(21 + (label - 1) / 2 * 42), qint16(18 + (label - 1) % 2 * 87), 86, 42, 3,
                                      4};
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    const QString text = QStringLiteral("〒《郵便番号》\r\n《住所》\r\n《氏名》 様");
    document.setLabelText(1, text);
    const int address = int(text.indexOf(QStringLiteral("《住所》"))) + 1;
    const int name = int(text.indexOf(QStringLiteral("《氏名》"))) + 1;
    for (int position = 1; position <= text.size(); ++position) {
        if (position >= name)
            document.CharAttr(1, position) = record(20, 0x202020, 1);
        else if (position >= address)
            document.CharAttr(1, position) = record(11, 0x603010, 4);
        else
            document.CharAttr(1, position) = record(12, 0x000000, 1);
    }
    for (int position = 1; position < text.size(); ++position) {
        if (text[position - 1] == QLatin1Char('\r')) {
            document.CharAttr(1, position)[TextColourSlot] = Variant(LineBreakMarkerAtCr);
            document.CharAttr(1, position + 1)[TextColourSlot] = Variant(LineBreakMarkerAtLf);
        }
    }
    return document;
}

// Three fields of about 40 characters each.
std::shared_ptr<const MergeData> addressList(int records)
{
    QString csv = QStringLiteral("郵便番号,住所,氏名\r\n");
    for (int row = 0; row < records; ++row) {
        const QString number = QString::number(row);
        csv += QStringLiteral("%1-%2 （配達区分 第%3区画 ・ 集配局留め置き扱い なし）,")
                   .arg(100 + row % 900)
                   .arg(row % 10000, 4, 10, QLatin1Char('0'))
                   .arg(row % 7);
        csv += QStringLiteral("東京都千代田区丸の内一丁目%1番%2号 ぽるかねビルディング第%3別館%4階,")
                   .arg(row % 9 + 1)
                   .arg(row % 20 + 1)
                   .arg(row % 3 + 1)
                   .arg(row % 30 + 1);
        csv += QStringLiteral("山田 太郎%1 株式会社ぽるかね商事 営業本部 第二営業部 課長代理\r\n").arg(number);
    }
    return std::make_shared<const MergeData>(
        parseMergeData(csv.toUtf8(), QStringLiteral("addresses.csv"), TextEncoding::Detect, false));
}

PrintPages mergedJob(const LabelDocument &document, const std::shared_ptr<const MergeData> &data)
{
    // As the panel and the tool do: every row checked, then the rows that merge.
    PrintJobSetup setup(document);
    std::vector<MergeProblem> problems;
    std::vector<int> rows;
    const LabelMerge merge(document, 1);
    for (std::size_t row = 0; row < data->rows.size(); ++row)
        if (merge.merge(*data, row, problems))
            rows.push_back(int(row));
    return PrintPages::merged(document, data, 1, std::move(rows));
}

void MergeAddressesToPdf(benchmark::State &state)
{
    const LabelDocument document = addressSheet();
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("addresses.pdf"));
    qint64 bytes = 0;
    int pages = 0;
    for (auto _ : state) {
        // The list is read and checked within the job, as the user waits for it.
        const PrintPages job = mergedJob(document, addressList(int(state.range(0))));
        pages = job.pageCount();
        if (exportPdf(pdf, job, {}, ScreenScale{15, 15}) != PrintOutcome::Printed) {
            state.SkipWithError("the job did not print");
            break;
        }
        bytes = QFileInfo(pdf).size();
    }
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = double(bytes) / (1024 * 1024);
}
BENCHMARK(MergeAddressesToPdf)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The job in a process of its own, so its peak is its own.
double childPeakMegabytes(int records)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--peak-rss-child"), QString::number(records)});
    if (!child.waitForFinished(600000) || child.exitCode() != 0)
        return -1;
    return child.readAllStandardOutput().trimmed().toDouble();
}

void MergePeakMemory(benchmark::State &state)
{
    double megabytes = 0;
    for (auto _ : state) {
        megabytes = childPeakMegabytes(int(state.range(0)));
        if (megabytes < 0) {
            state.SkipWithError("the job did not run");
            break;
        }
    }
    state.counters["peak_rss_MB"] = megabytes;
}
BENCHMARK(MergePeakMemory)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void PreviewOnePage(benchmark::State &state)
{
    const LabelDocument document = addressSheet();
    const PrintPages job = mergedJob(document, addressList(1000));
    const double zoom = double(state.range(0)) / 100;
    int page = 0;
    for (auto _ : state) {
        // A different page each time, as a user paging through.
        const QImage shown = previewPage(job, page, {}, ScreenScale{15, 15}, zoom);
        benchmark::DoNotOptimize(shown.constBits());
        page = (page + 7) % job.pageCount();
    }
}
BENCHMARK(PreviewOnePage)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();

int runPeakChild(int records)
{
    const LabelDocument document = addressSheet();
    const QTemporaryDir folder;
    const PrintPages job = mergedJob(document, addressList(records));
    if (exportPdf(folder.filePath(QStringLiteral("peak.pdf")), job, {}, ScreenScale{15, 15}) != PrintOutcome::Printed)
        return 1;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.1f\n", double(usage.ru_maxrss) / 1024); // kilobytes on Linux
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--peak-rss-child") == 0)
        return runPeakChild(std::atoi(argv[2]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
