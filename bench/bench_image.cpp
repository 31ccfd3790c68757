// Turning a 4000 x 3000 photo, as the image paste dialog does: a free turn
// (target under 300 ms) and quarter turns (target under 100 ms), each
// reporting every row as the dialog's progress bar needs.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "image/PixelOperations.h"

using namespace porkane;

namespace {

QImage photo()
{
    QImage picture(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            row[x] = qRgb((x * 7) & 0xFF, (y * 5) & 0xFF, ((x ^ y) * 3) & 0xFF);
    }
    return picture;
}

// What the dialog's progress bar sees, without the dialog.
struct Progress {
    int lastRow = 0;
    RowProgress callback()
    {
        return [this](int done, int) { lastRow = done; };
    }
};

void FreeTurn30(benchmark::State &state)
{
    const QImage source = photo();
    Progress progress;
    for (auto _ : state) {
        QImage turned = turnFree(source, 30, 15, 15, progress.callback());
        benchmark::DoNotOptimize(turned);
    }
}
BENCHMARK(FreeTurn30)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);

void FreeTurn45(benchmark::State &state)
{
    const QImage source = photo();
    Progress progress;
    for (auto _ : state) {
        QImage turned = turnFree(source, 45, 15, 15, progress.callback());
        benchmark::DoNotOptimize(turned);
    }
}
BENCHMARK(FreeTurn45)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);

void QuarterTurn90(benchmark::State &state)
{
    const QImage source = photo();
    Progress progress;
    for (auto _ : state) {
        QImage turned = turn90(source, progress.callback());
        benchmark::DoNotOptimize(turned);
    }
}
BENCHMARK(QuarterTurn90)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);

void QuarterTurn270(benchmark::State &state)
{
    const QImage source = photo();
    Progress progress;
    for (auto _ : state) {
        QImage turned = turn270(source, progress.callback());
        benchmark::DoNotOptimize(turned);
    }
}
BENCHMARK(QuarterTurn270)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);

void HalfTurn(benchmark::State &state)
{
    const QImage source = photo();
    for (auto _ : state) {
        QImage turned = turn180(source);
        benchmark::DoNotOptimize(turned);
    }
}
BENCHMARK(HalfTurn)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
