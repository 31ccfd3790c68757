#include "print/PrintJob.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QImage>
#include <QPainter>
#include <QPrinter>

#include "core/Colour.h"
#include "core/Errors.h"
#include "print/CurrentPrinter.h"
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
               const LabelDocument &document, qint32 index, const PrintProgress &progress)
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
    const QImage shown = picture.copy(part->source);
    if (shown.isNull())
        throw OutOfMemoryError();
    if (placement[PlacementTransparent] != 1) {
        painter.drawImage(part->destination, shown);
        return;
    }
    report(progress.seeThroughStarted);
    report(progress.seeThroughAdvanced, 0);
    const QImage keyed = seeThroughCopy(shown, placement[PlacementColour] & 0xFFFFFF, progress);
    if (!keyed.isNull())
        painter.drawImage(part->destination, keyed);
    report(progress.seeThroughAdvanced, 1000);
    report(progress.seeThroughFinished);
}

void drawImagesOfLayer(QPainter &painter, const PrintGeometry &geometry, const QRect &sheetArea,
                       const LabelDocument &document, qint32 layer, const PrintProgress &progress)
{
    for (int number = 1; number <= document.ImageCount(); ++number) {
        const qint32 index = document.ImageSlot(number);
        if (isPictureIndex(index) && document.ImagePlacement(index)[PlacementLayer] == layer)
            drawImage(painter, geometry, sheetArea, document, index, progress);
    }
}

} // namespace

QString printFailureMessage(PrintOutcome outcome)
{
    switch (outcome) {
    case PrintOutcome::Printed:
        return QString();
    case PrintOutcome::NoPrinter:
        return QStringLiteral("プリンタが見つかりません。\rプリンタの設定を確認してください。");
    case PrintOutcome::CannotOpen:
        return QStringLiteral("プリンタを開けませんでした。\r印刷できません。");
    case PrintOutcome::Failed:
        return QStringLiteral("印刷中にエラーが発生しました。\r印刷は完了していません。");
    case PrintOutcome::OutOfMemory:
        return QCoreApplication::translate("porkane", "メモリが足りないため、印刷できませんでした。\r印刷は完了していません。");
    }
    return QString();
}

void drawSheet(QPainter &painter, const PrintDevice &device, const LabelDocument &document,
               const PrintOptions &options, ScreenScale screen, const PrintProgress &progress)
{
    if (!device.isValid() || !painter.isActive())
        return;
    const PrintGeometry geometry(device, options, screen);
    const SheetTemplate &sheet = document.sheet();
    const QRect sheetArea = geometry.sheetArea(sheet);
    if (sheetArea.isEmpty())
        return;

    painter.save();
    painter.setClipRect(sheetArea);
    drawImagesOfLayer(painter, geometry, sheetArea, document, 1, progress);

    const int labels = std::clamp(int(sheet.LabelCount), 0, int(SheetTemplate::MaxLabels));
    for (int label = 1; label <= labels; ++label) {
        report(progress.labelStarting, label);
        const QRect area = options.overflow ? sheetArea : geometry.labelArea(sheet, label) & sheetArea;
        if (area.isEmpty())
            continue;
        painter.setClipRect(area);
        const bool rotated = document.LabelRotated(label) == 1;
        const QPoint origin = geometry.textOrigin(sheet, label, rotated);
        const std::vector<PlacedGlyph> glyphs = layoutText(document.LabelText(label), TextRecords(document, label),
                                                           origin, geometry.textScale(rotated), painter.device(), area);
        paintGlyphs(painter, glyphs);
    }

    painter.setClipRect(sheetArea);
    drawImagesOfLayer(painter, geometry, sheetArea, document, 0, progress);
    painter.restore();
}

PrintOutcome printPage(QPaintDevice &target, const PrintDevice &device, const LabelDocument &document,
                       const PrintOptions &options, ScreenScale screen, const PrintProgress &progress)
{
    if (!device.isValid())
        return PrintOutcome::CannotOpen;
    QPainter painter;
    if (!painter.begin(&target))
        return PrintOutcome::CannotOpen;
    try {
        drawSheet(painter, device, document, options, screen, progress);
    } catch (const std::bad_alloc &) {
        painter.end();
        return PrintOutcome::OutOfMemory;
    } catch (const OutOfMemoryError &) {
        painter.end();
        return PrintOutcome::OutOfMemory;
    }
    return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

PrintOutcome printDocument(QPrinter &printer, const LabelDocument &document, const PrintOptions &options,
                           ScreenScale screen, const PrintProgress &progress)
{
    if (!printerExists(printer))
        return PrintOutcome::NoPrinter;
    printer.setDocName(PrintJobName);
    // The job is one page, whatever range a dialog left behind.
    printer.setPrintRange(QPrinter::AllPages);
    PrintDevice device;
    device.dotsPerInchX = printer.resolution();
    device.dotsPerInchY = printer.resolution();
    device.physicalOffset = readPrinterProperties(printer).physicalOffset;
    const PrintOutcome outcome = printPage(printer, device, document, options, screen, progress);
    if (outcome == PrintOutcome::Printed && printer.printerState() == QPrinter::Error)
        return PrintOutcome::Failed;
    return outcome;
}

} // namespace porkane
