#define ZX_USE_UTF8 1
#include "BarcodeReader.h"

#include <ZXing/ReadBarcode.h>

namespace porkane::test {

namespace {

QString formatName(ZXing::BarcodeFormat format)
{
    switch (format) {
    case ZXing::BarcodeFormat::EAN13:
        return QStringLiteral("JAN-13");
    case ZXing::BarcodeFormat::EAN8:
        return QStringLiteral("JAN-8");
    case ZXing::BarcodeFormat::UPCA:
        return QStringLiteral("UPC-A");
    case ZXing::BarcodeFormat::Code128:
        return QStringLiteral("Code 128");
    case ZXing::BarcodeFormat::Code39:
        return QStringLiteral("Code 39");
    case ZXing::BarcodeFormat::ITF:
        return QStringLiteral("ITF-14");
    case ZXing::BarcodeFormat::Codabar:
        return QStringLiteral("NW-7");
    case ZXing::BarcodeFormat::QRCode:
        return QStringLiteral("QRコード");
    case ZXing::BarcodeFormat::DataMatrix:
        return QStringLiteral("データマトリックス");
    default:
        return QString::fromUtf8(ZXing::ToString(format));
    }
}

} // namespace

ReadResult readBarcode(const QImage &picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    ZXing::DecodeHints hints;
    hints.setReturnCodabarStartEnd(true);
    hints.setTryHarder(true);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                int(grey.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return {};
    return {formatName(result.format()), QString::fromStdString(result.text())};
}

} // namespace porkane::test
