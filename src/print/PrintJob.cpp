#include "print/PrintJob.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QImage>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include "core/Colour.h"
#include "core/Errors.h"
#include "core/Nearest.h"
#include "core/Units.h"
#include "image/BarcodeSource.h"
#include "image/PixelOperations.h"
#include "print/BarcodeMerge.h"
#include "print/CurrentPrinter.h"
#include "print/PdfOutputFile.h"
#include "print/PrintPages.h"
#include "render/GlyphPainter.h"
#include "render/TextLayout.h"

namespace porkane {

namespace {

bool isPictureIndex(qint32 index) { return index >= 1 && index <= LabelDocument::MaxImages + 1; }

void report(const std::function<void(int)> &callback, int value)
{
    if (callback)
        callback(value);
}

void report(const std::function<void()> &callback)
{
    if (callback)
        callback();
}

void report(const std::function<void(int, int)> &callback, int first, int second)
{
    if (callback)
        callback(first, second);
}

// Thrown inside a page when the user ends the job.
struct JobCancelled {};

void stopIfCancelled(const PrintProgress &progress)
{
    if (progress.cancelled && progress.cancelled())
        throw JobCancelled();
}

// Pictures as the page shows them (the visible part, the see-through
// colour made transparent), kept for the whole job: every page of it
// draws the same images at the same places, and the device then sees the
// same image each time.
class PreparedPictures {
public:
    struct Key {
        qint64 picture;
        QRect source;
        bool seeThrough;
        qint32 colour;
        bool operator==(const Key &) const = default;
    };
    const QImage *find(const Key &key) const
    {
        for (const auto &[each, image] : prepared_)
            if (each == key)
                return &image;
        return nullptr;
    }
    const QImage &add(const Key &key, QImage image)
    {
        prepared_.emplace_back(key, std::move(image));
        return prepared_.back().second;
    }

    // Barcodes drawn from their own settings are the same on every page too.
    struct BarcodeKey {
        PrintedBarcode barcode;
        int dpi;
        bool seeThrough;
        qint32 colour;
        bool operator==(const BarcodeKey &) const = default;
    };
    const QImage *find(const BarcodeKey &key) const
    {
        for (const auto &[each, image] : barcodes_)
            if (each == key)
                return &image;
        return nullptr;
    }
    const QImage &add(const BarcodeKey &key, QImage image)
    {
        barcodes_.emplace_back(key, std::move(image));
        return barcodes_.back().second;
    }

private:
    // At most the document's twenty images.
    std::vector<std::pair<Key, QImage>> prepared_;
    std::vector<std::pair<BarcodeKey, QImage>> barcodes_;
};

// The part of a picture that shows inside `visible` when the whole picture
// is stretched over `target`: whole source pixels, and where they land.
struct PicturePart {
    QRect source;
    QRectF destination;
};

std::optional<PicturePart> visiblePart(QSize pictureSize, const QRect &target, const QRect &visible)
{
    const QRect shown = target & visible;
    if (shown.isEmpty())
        return std::nullopt;
    const double scaleX = double(target.width()) / pictureSize.width();
    const double scaleY = double(target.height()) / pictureSize.height();
    const int left = std::clamp(int(std::floor((shown.left() - target.left()) / scaleX)), 0, pictureSize.width());
    const int top = std::clamp(int(std::floor((shown.top() - target.top()) / scaleY)), 0, pictureSize.height());
    const int right =
        std::clamp(int(std::ceil((shown.right() + 1 - target.left()) / scaleX)), left, pictureSize.width());
    const int bottom =
        std::clamp(int(std::ceil((shown.bottom() + 1 - target.top()) / scaleY)), top, pictureSize.height());
    if (right <= left || bottom <= top)
        return std::nullopt;
    PicturePart part;
    part.source = QRect(left, top, right - left, bottom - top);
    part.destination = QRectF(target.left() + left * scaleX, target.top() + top * scaleY, (right - left) * scaleX,
                              (bottom - top) * scaleY);
    return part;
}

// A copy of the picture in which every pixel of exactly the see-through
// colour is transparent; null when no pixel would show. Throws
// OutOfMemoryError when the copy cannot be had.
QImage seeThroughCopy(const QImage &picture, RgbValue seeThrough, const PrintProgress &progress)
{
    QImage copy = picture.convertToFormat(QImage::Format_ARGB32);
    if (copy.isNull())
        throw OutOfMemoryError();
    const QRgb key = toQRgb(seeThrough) & RGB_MASK;
    bool anyShown = false;
    int reported = 0;
    const int rows = copy.height();
    for (int y = 0; y < rows; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x) {
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
            else
                anyShown = true;
        }
        const int permille = int(qint64(y + 1) * 1000 / rows);
        if (permille != reported) {
            reported = permille;
            report(progress.seeThroughAdvanced, permille);
        }
    }
    return anyShown ? copy : QImage();
}

void drawImage(QPainter &painter, const PrintGeometry &geometry, const QRect &sheetArea,
               const LabelDocument &document, qint32 index, const PrintProgress &progress,
               PreparedPictures &prepared)
{
    const QImage &picture = document.picture(index);
    if (picture.isNull())
        return;
    const ImagePlacementRow &placement = document.ImagePlacement(index);
    const QRect target = geometry.imageArea(picture.size(), placement);
    if (target.isNull())
        return;
    const std::optional<PicturePart> part = visiblePart(picture.size(), target, sheetArea);
    if (!part)
        return;
    const bool seeThrough = placement[PlacementTransparent] == 1;
    const PreparedPictures::Key key{picture.cacheKey(), part->source, seeThrough,
                                    seeThrough ? placement[PlacementColour] & 0xFFFFFF : 0};
    if (const QImage *ready = prepared.find(key)) {
        if (!ready->isNull())
            painter.drawImage(part->destination, *ready);
        return;
    }
    const QImage shown = picture.copy(part->source);
    if (shown.isNull())
        throw OutOfMemoryError();
    if (!seeThrough) {
        painter.drawImage(part->destination, prepared.add(key, shown));
        return;
    }
    report(progress.seeThroughStarted);
    report(progress.seeThroughAdvanced, 0);
    const QImage &keyed = prepared.add(key, seeThroughCopy(shown, key.colour, progress));
    if (!keyed.isNull())
        painter.drawImage(part->destination, keyed);
    report(progress.seeThroughAdvanced, 1000);
    report(progress.seeThroughFinished);
}

// The resolution a barcode is drawn at on the device: its own when that
// puts modules on whole dots of the 1/300 inch grid, otherwise the
// picture's, stretched (a preview, a printer of 360 or 720 dpi).
int barcodeDpi(const PrintDevice &device)
{
    const double dpi = device.dotsPerInchX;
    if (dpi == device.dotsPerInchY && dpi >= 300 && dpi <= MaxBarcodeDpi && std::fmod(dpi, 300) == 0)
        return int(dpi);
    return BarcodePictureDpi;
}

// The symbol as the page shows it: turned as its picture was, white made
// see-through when that is the picture's see-through colour. Null when
// nothing of it would show.
QImage barcodeImage(const PrintedBarcode &barcode, int dpi, bool seeThrough, RgbValue colour)
{
    QImage image = drawBarcode(barcode.request, dpi).image;
    // Turned as the paste dialog turns pictures.
    for (int turn = 0; turn < barcode.quarterTurns % 4; ++turn)
        image = turn90(image);
    if (image.isNull())
        throw OutOfMemoryError();
    return seeThrough ? seeThroughCopy(image, colour, {}) : image;
}

void drawPrintedBarcode(QPainter &painter, const PrintGeometry &geometry, const PrintDevice &device, ScreenScale screen,
                 const LabelDocument &document, const PrintedBarcode &barcode, PreparedPictures &prepared)
{
    const ImagePlacementRow &placement = document.ImagePlacement(barcode.pictureIndex);
    const bool seeThrough = placement[PlacementTransparent] == 1;
    const int dpi = barcodeDpi(device);
    const PreparedPictures::BarcodeKey key{barcode, dpi, seeThrough,
                                           seeThrough ? placement[PlacementColour] & 0xFFFFFF : 0};
    // A merged symbol differs from label to label: only the document's own
    // are kept for the next page.
    const bool shared = barcode.shiftXMm == 0 && barcode.shiftYMm == 0;
    QImage made;
    const QImage *image = shared ? prepared.find(key) : nullptr;
    if (!image) {
        try {
            made = barcodeImage(barcode, dpi, seeThrough, key.colour);
        } catch (const UserError &) {
            // Settings that were checked make a symbol; should one not, the
            // page goes on without it.
        }
        image = shared ? &prepared.add(key, made) : &made;
    }
    if (image->isNull())
        return;
    // The picture's corner, shifted to its label, on whole device pixels.
    const double left = placement[PlacementLeft] * double(screen.twipsPerPixelX) / geometry.twipsPerPixelX() -
                        geometry.deviceOffsetX() + barcode.shiftXMm * TwipsPerMillimetre / geometry.twipsPerPixelX();
    const double top = placement[PlacementTop] * double(screen.twipsPerPixelY) / geometry.twipsPerPixelY() -
                       geometry.deviceOffsetY() + barcode.shiftYMm * TwipsPerMillimetre / geometry.twipsPerPixelY();
    const std::optional<qint32> x = nearest32(left);
    const std::optional<qint32> y = nearest32(top);
    if (!x || !y)
        return;
    // One picture pixel to one device pixel when drawn at the device's own
    // resolution.
    const QSizeF size(image->width() * device.dotsPerInchX / dpi, image->height() * device.dotsPerInchY / dpi);
    // A PDF would otherwise keep the bars as JPEG, blurring their edges.
    const bool lossless = painter.testRenderHint(QPainter::LosslessImageRendering);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QRectF(QPointF(*x, *y), size), *image);
    painter.setRenderHint(QPainter::LosslessImageRendering, lossless);
}

void drawImagesOfLayer(QPainter &painter, const PrintGeometry &geometry, const QRect &sheetArea,
                       const PrintDevice &device, ScreenScale screen, const LabelDocument &document,
                       const PageBarcodes &barcodes, qint32 layer, const PrintProgress &progress,
                       PreparedPictures &prepared)
{
    for (int number = 1; number <= document.ImageCount(); ++number) {
        const qint32 index = document.ImageSlot(number);
        if (!isPictureIndex(index) || document.ImagePlacement(index)[PlacementLayer] != layer)
            continue;
        if (!barcodes.replaces(index)) {
            drawImage(painter, geometry, sheetArea, document, index, progress, prepared);
            continue;
        }
        for (const PrintedBarcode &barcode : barcodes.barcodes)
            if (barcode.pictureIndex == index)
                drawPrintedBarcode(painter, geometry, device, screen, document, barcode, prepared);
    }
}

void drawSheetWith(QPainter &painter, const PrintDevice &device, const LabelDocument &document,
                   const PageBarcodes &barcodes, const PrintOptions &options, ScreenScale screen,
                   const PrintProgress &progress, PreparedPictures &prepared)
{
    if (!device.isValid() || !painter.isActive())
        return;
    const PrintGeometry geometry(device, options, screen);
    const SheetTemplate &sheet = document.sheet();
    const QRect sheetArea = geometry.sheetArea(sheet);
    if (sheetArea.isEmpty())
        return;

    painter.save();
    try {
        painter.setClipRect(sheetArea);
        drawImagesOfLayer(painter, geometry, sheetArea, device, screen, document, barcodes, 1, progress, prepared);

        const int labels = std::clamp(int(sheet.LabelCount), 0, int(SheetTemplate::MaxLabels));
        for (int label = 1; label <= labels; ++label) {
            report(progress.labelStarting, label);
            stopIfCancelled(progress);
            if (document.LabelText(label).isEmpty())
                continue;
            const QRect area = options.overflow ? sheetArea : geometry.labelArea(sheet, label) & sheetArea;
            if (area.isEmpty())
                continue;
            painter.setClipRect(area);
            const bool rotated = document.LabelRotated(label) == 1;
            const QPoint origin = geometry.textOrigin(sheet, label, rotated);
            const std::vector<PlacedGlyph> glyphs =
                layoutText(document.LabelText(label), TextRecords(document, label), origin,
                           geometry.textScale(rotated), painter.device(), area);
            paintGlyphs(painter, glyphs);
        }

        painter.setClipRect(sheetArea);
        drawImagesOfLayer(painter, geometry, sheetArea, device, screen, document, barcodes, 0, progress, prepared);
    } catch (...) {
        painter.restore();
        throw;
    }
    painter.restore();
}

void drawSheetOnce(QPainter &painter, const PrintDevice &device, const LabelDocument &document,
                   const PageBarcodes &barcodes, const PrintOptions &options, ScreenScale screen,
                   const PrintProgress &progress)
{
    PreparedPictures prepared;
    PrintProgress uncancellable = progress;
    uncancellable.cancelled = nullptr;
    drawSheetWith(painter, device, document, barcodes, options, screen, uncancellable, prepared);
}

PrintOutcome printPageWith(QPaintDevice &target, const PrintDevice &device, const LabelDocument &document,
                           const PageBarcodes &barcodes, const PrintOptions &options, ScreenScale screen,
                           const PrintProgress &progress)
{
    if (!device.isValid())
        return PrintOutcome::CannotOpen;
    QPainter painter;
    if (!painter.begin(&target))
        return PrintOutcome::CannotOpen;
    try {
        drawSheetOnce(painter, device, document, barcodes, options, screen, progress);
    } catch (const std::bad_alloc &) {
        painter.end();
        return PrintOutcome::OutOfMemory;
    } catch (const OutOfMemoryError &) {
        painter.end();
        return PrintOutcome::OutOfMemory;
    }
    return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

// Ends the painter of a job that stops early; its outcome is the reason
// it stopped, whatever the device says.
PrintOutcome endEarly(QPainter &painter, PrintOutcome outcome)
{
    painter.end();
    return outcome;
}

} // namespace

QString printFailureMessage(PrintOutcome outcome)
{
    switch (outcome) {
    case PrintOutcome::Printed:
        return QString();
    case PrintOutcome::NoPrinter:
        return QCoreApplication::translate("porkane", "プリンタが見つかりません。\rプリンタの設定を確認してください。");
    case PrintOutcome::CannotOpen:
        return QCoreApplication::translate("porkane", "プリンタを開けませんでした。\r印刷できません。");
    case PrintOutcome::Failed:
        return QCoreApplication::translate("porkane", "印刷中にエラーが発生しました。\r印刷は完了していません。");
    case PrintOutcome::OutOfMemory:
        return QCoreApplication::translate("porkane", "メモリが足りないため、印刷できませんでした。\r印刷は完了していません。");
    case PrintOutcome::Cancelled:
        return QCoreApplication::translate("porkane", "印刷を中止しました。");
    case PrintOutcome::NothingToPrint:
        return QCoreApplication::translate("porkane", "印刷するページがありません。");
    }
    return QString();
}

void drawSheet(QPainter &painter, const PrintDevice &device, const LabelDocument &document,
               const PrintOptions &options, ScreenScale screen, const PrintProgress &progress)
{
    drawSheetOnce(painter, device, document, documentBarcodes(document), options, screen, progress);
}

PrintOutcome printPage(QPaintDevice &target, const PrintDevice &device, const LabelDocument &document,
                       const PrintOptions &options, ScreenScale screen, const PrintProgress &progress)
{
    return printPageWith(target, device, document, documentBarcodes(document), options, screen, progress);
}

PrintOutcome printPages(QPagedPaintDevice &target, const PrintDevice &device, const PrintPages &pages,
                        const PrintOptions &options, ScreenScale screen, const PrintProgress &progress)
{
    const int count = pages.pageCount();
    if (count < 1)
        return PrintOutcome::NothingToPrint;
    if (!device.isValid())
        return PrintOutcome::CannotOpen;
    QPainter painter;
    if (!painter.begin(&target))
        return PrintOutcome::CannotOpen;
    PreparedPictures prepared;
    try {
        for (int page = 0; page < count; ++page) {
            stopIfCancelled(progress);
            report(progress.pageStarting, page + 1, count);
            if (page > 0 && !target.newPage())
                return endEarly(painter, PrintOutcome::Failed);
            const LabelDocument sheet = pages.page(page);
            drawSheetWith(painter, device, sheet, pages.barcodes(page), options, screen, progress, prepared);
        }
    } catch (const JobCancelled &) {
        // A print queue is asked to drop what it has; a PDF is not kept.
        if (auto *printer = dynamic_cast<QPrinter *>(&target); printer && printer->outputFormat() == QPrinter::NativeFormat)
            printer->abort();
        return endEarly(painter, PrintOutcome::Cancelled);
    } catch (const std::bad_alloc &) {
        return endEarly(painter, PrintOutcome::OutOfMemory);
    } catch (const OutOfMemoryError &) {
        return endEarly(painter, PrintOutcome::OutOfMemory);
    }
    return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

PrintOutcome printJob(QPrinter &printer, const PrintPages &pages, const PrintOptions &options, ScreenScale screen,
                      const PrintProgress &progress)
{
    if (!printerExists(printer))
        return PrintOutcome::NoPrinter;
    if (pages.pageCount() < 1)
        return PrintOutcome::NothingToPrint;
    printer.setDocName(PrintJobName);
    // The job's pages are all printed, whatever range a dialog left behind.
    printer.setPrintRange(QPrinter::AllPages);
    PrintDevice device;
    device.dotsPerInchX = printer.resolution();
    device.dotsPerInchY = printer.resolution();
    device.physicalOffset = readPrinterProperties(printer).physicalOffset;
    PdfReplacement file(printer);
    if (!file.isReady())
        return PrintOutcome::CannotOpen;
    PrintOutcome outcome = printPages(printer, device, pages, options, screen, progress);
    if (outcome == PrintOutcome::Printed && printer.printerState() == QPrinter::Error)
        outcome = PrintOutcome::Failed;
    if (outcome == PrintOutcome::Printed && !file.commit())
        outcome = PrintOutcome::CannotOpen;
    return outcome;
}

PrintOutcome printDocument(QPrinter &printer, const LabelDocument &document, const PrintOptions &options,
                           ScreenScale screen, const PrintProgress &progress)
{
    return printJob(printer, PrintPages::asIs(document), options, screen, progress);
}

QPageLayout sheetPageLayout(const SheetTemplate &sheet)
{
    const double width = std::max<double>(sheet.SheetWidth, 1);
    const double height = std::max<double>(sheet.SheetHeight, 1);
    const bool landscape = width > height;
    // Standard sizes are defined upright; a landscape sheet is one turned.
    const QSizeF upright(std::min(width, height), std::max(width, height));
    const QPageSize size(upright, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

void setUpPdfPrinter(QPrinter &printer, const SheetTemplate &sheet, const QString &file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setFullPage(true);
    printer.setPageLayout(sheetPageLayout(sheet));
    printer.setCopyCount(1);
    printer.setCreator(PrintJobName);
    printer.setOutputFileName(file);
}

PrintOutcome exportPdf(const QString &file, const PrintPages &pages, const PrintOptions &options, ScreenScale screen,
                       const PrintProgress &progress)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, pages.sheet(), file);
    return printJob(printer, pages, options, screen, progress);
}

QImage previewPage(const PrintPages &pages, int page, const PrintOptions &options, ScreenScale screen, double zoom)
{
    if (page < 0 || page >= pages.pageCount() || !std::isfinite(zoom))
        return QImage();
    zoom = std::clamp(zoom, MinPreviewZoom, MaxPreviewZoom);
    PrintDevice device;
    device.dotsPerInchX = TwipsPerInch / std::max(screen.twipsPerPixelX, 1) * zoom;
    device.dotsPerInchY = TwipsPerInch / std::max(screen.twipsPerPixelY, 1) * zoom;
    if (!device.isValid())
        return QImage();
    // The sheet's paper, placed as the job places it: x mm at x * 56.7 / PX.
    const SheetTemplate &sheet = pages.sheet();
    const auto width = nearest32(std::max<double>(sheet.SheetWidth, 1) * TwipsPerMillimetre * device.dotsPerInchX / TwipsPerInch);
    const auto height =
        nearest32(std::max<double>(sheet.SheetHeight, 1) * TwipsPerMillimetre * device.dotsPerInchY / TwipsPerInch);
    if (!width || !height || qint64(*width) * *height > 64LL * 1024 * 1024)
        return QImage();
    QImage image(*width, *height, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    image.fill(Qt::white);
    // Font sizes follow the picture's own resolution.
    image.setDotsPerMeterX(int(std::lround(device.dotsPerInchX / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(device.dotsPerInchY / 0.0254)));
    try {
        if (printPageWith(image, device, pages.page(page), pages.barcodes(page), options, screen, {}) !=
            PrintOutcome::Printed)
            return QImage();
    } catch (const std::bad_alloc &) {
        return QImage();
    }
    return image;
}

} // namespace porkane
