// A QR code the size of a label's (an address and a product URL, error
// correction M) encoded and drawn for a 600 dpi printer: target under 5 ms.
// Encoding alone and a JAN-13 are measured beside it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "image/Barcode.h"

using namespace porkane;

namespace {

BarcodeRequest labelQr()
{
    BarcodeRequest request = defaultBarcodeRequest(Symbology::QrCode);
    request.data = QStringLiteral("〒100-0013 東京都千代田区霞が関1丁目3番2号 郵便プラザ503室 "
                               "https://example.jp/products/4901234567894?lot=2024-05-01");
    request.sizing = BarcodeSizing::OverallSize;
    request.widthMm = 25;
    request.heightMm = 25;
    return request;
}

void QrCodeEncodedAndDrawnAt600Dpi(benchmark::State &state)
{
    const BarcodeRequest request = labelQr();
    for (auto _ : state) {
        BarcodePicture picture = drawBarcode(request, 600);
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(QrCodeEncodedAndDrawnAt600Dpi)->Unit(benchmark::kMillisecond);

void QrCodeEncodedOnly(benchmark::State &state)
{
    const BarcodeRequest request = labelQr();
    for (auto _ : state) {
        EncodedBarcode symbol = encodeBarcode(request);
        benchmark::DoNotOptimize(symbol);
    }
}
BENCHMARK(QrCodeEncodedOnly)->Unit(benchmark::kMillisecond);

void Jan13DrawnAt600Dpi(benchmark::State &state)
{
    BarcodeRequest request = defaultBarcodeRequest(Symbology::Ean13);
    request.data = QStringLiteral("490123456789");
    for (auto _ : state) {
        BarcodePicture picture = drawBarcode(request, 600);
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(Jan13DrawnAt600Dpi)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Text is drawn with Qt's fonts, which need a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
