// The product dialog's first show: the whole installed catalogue read, then
// the list filled for an empty search and narrowed as a code is typed.
#include <benchmark/benchmark.h>

#include "sheet/ProductCatalogue.h"

using namespace porkane;

namespace {

void BM_LoadInstalledCatalogue(benchmark::State &state)
{
    const QStringList folders = ProductCatalogue::installedCatalogueFolders();
    for (auto _ : state) {
        const ProductCatalogue catalogue = ProductCatalogue::load(folders, QString());
        benchmark::DoNotOptimize(catalogue.search(QString()).size());
    }
    state.counters["products"] =
        double(ProductCatalogue::load(folders, QString()).products().size());
}
BENCHMARK(BM_LoadInstalledCatalogue)->Unit(benchmark::kMillisecond);

void BM_SearchAsTyped(benchmark::State &state)
{
    const ProductCatalogue catalogue = ProductCatalogue::load(ProductCatalogue::installedCatalogueFolders(), QString());
    const QStringList typed{QStringLiteral("L"), QStringLiteral("L7"), QStringLiteral("L71"), QStringLiteral("L716"),
                            QStringLiteral("L7160")};
    for (auto _ : state)
        for (const QString &query : typed)
            benchmark::DoNotOptimize(catalogue.search(query).size());
}
BENCHMARK(BM_SearchAsTyped)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
