#include "PrintTestSupport.h"

#include <algorithm>
#include <cmath>

#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace porkane::test {

AttrRecord printRecord(double height, RgbValue colour)
{
    AttrRecord record;
    record[TextColourSlot] = Variant(qint32(colour));
    record[CharHeightSlot] = Variant(height);
    record[FontWeightSlot] = Variant(qint16(400));
    record[FaceNameSlot] = Variant(QStringLiteral("IPAGothic"));
    return record;
}

LabelDocument oneLabelSheet(int width, int height, SheetTemplate::Geometry label)
{
    SheetTemplate sheet;
    sheet.SheetWidth = qint16(width);
    sheet.SheetHeight = qint16(height);
    sheet.LabelCount = 1;
    sheet.LabelGeometry[1] = label;
    return LabelDocument::fromTemplate(sheet);
}

void setText(LabelDocument &document, int label, const QString &text, const AttrRecord &record)
{
    document.setLabelText(label, text);
    for (int position = 1; position <= text.size(); ++position)
        document.CharAttr(label, position) = record;
}

QImage printedPage(const LabelDocument &document, QSize size, const PrintOptions &options, QPoint physicalOffset,
                   double dpi, const PrintProgress &progress)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    // Font point sizes follow the picture's own resolution.
    page.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
    page.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
    PrintDevice device;
    device.dotsPerInchX = dpi;
    device.dotsPerInchY = dpi;
    device.physicalOffset = physicalOffset;
    const PrintOutcome outcome = printPage(page, device, document, options, ScreenScale{15, 15}, progress);
    if (outcome != PrintOutcome::Printed)
        return QImage();
    return page;
}

QImage solidPicture(QSize size, RgbValue colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(toQColor(colour));
    return picture;
}

QRect inkBox(const QImage &page)
{
    int left = page.width();
    int top = page.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            if ((line[x] & RGB_MASK) == RGB_MASK)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return QRect();
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

int pixelsOf(const QImage &page, const QRect &area, RgbValue colour)
{
    const QRgb wanted = toQRgb(colour) & RGB_MASK;
    int count = 0;
    const QRect inside = area & page.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if ((page.pixel(x, y) & RGB_MASK) == wanted)
                ++count;
        }
    }
    return count;
}

LabelDocument twentyLabelSheet()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 20;
    for (int label = 1; label <= 20; ++label) {
        const qint16 top = qint16(14 + (label - 1) / 2 * 27);
        const qint16 left = qint16(12 + (label - 1) % 2 * 96);
        sheet.LabelGeometry[label] = {top, left, 90, 26, 2, 3};
    }
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    const RgbValue colours[] = {rgbValue(0, 0, 0), rgbValue(180, 20, 40), rgbValue(20, 60, 160), rgbValue(0, 110, 60)};
    for (int label = 1; label <= 20; ++label) {
        const QString first = QStringLiteral("ぽるかね ラベル%1").arg(label);
        const QString second = QStringLiteral("影・３Ｄ・輪郭 No.%1").arg(label);
        document.setLabelText(label, first + QStringLiteral("\r\n") + second);
        AttrRecord record = printRecord(label % 3 == 0 ? 30 : 24, colours[label % 4]);
        record[FontWeightSlot] = Variant(qint16(label % 2 == 0 ? 700 : 400));
        switch (label % 4) {
        case 1: // shadow, half a millimetre down and right
            record[EffectCodeSlot] = Variant(qint16(1));
            record[ShadowColourSlot] = Variant(qint32(rgbValue(170, 170, 170)));
            record[ShiftVerticalSlot] = Variant(0.5);
            record[ShiftHorizontalSlot] = Variant(0.5);
            break;
        case 2: // three-dimensional
            record[EffectCodeSlot] = Variant(qint16(2));
            record[ShadowColourSlot] = Variant(qint32(rgbValue(60, 60, 60)));
            record[EffectColourSlot] = Variant(qint32(rgbValue(250, 200, 120)));
            record[ShiftVerticalSlot] = Variant(0.6);
            record[ShiftHorizontalSlot] = Variant(0.6);
            break;
        case 3: // outline
            record[EffectCodeSlot] = Variant(qint16(4));
            record[EffectColourSlot] = Variant(qint32(rgbValue(250, 180, 0)));
            break;
        default:
            break;
        }
        const int length = int(document.LabelText(label).size());
        for (int position = 1; position <= length; ++position)
            document.CharAttr(label, position) = record;
        const int lineBreak = int(first.size()) + 1;
        document.CharAttr(label, lineBreak)[TextColourSlot] = Variant(QStringLiteral("LF"));
        document.CharAttr(label, lineBreak + 1)[TextColourSlot] = Variant(QStringLiteral("CR"));
    }
    document.setLabelRotated(20, 1);
    return document;
}

QImage rasterizedPdf(const QString &pdf, int dpi, int page)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    QTemporaryDir folder;
    if (pdftoppm.isEmpty() || !folder.isValid())
        return QImage();
    const QString prefix = folder.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(pdftoppm, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), QStringLiteral("-f"),
                             QString::number(page), QStringLiteral("-l"), QString::number(page),
                             QStringLiteral("-singlefile"), pdf, prefix});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QImage();
    // An A4 page at 600 dpi is past the reader's default allocation limit.
    QImageReader reader(prefix + QStringLiteral(".png"));
    reader.setAllocationLimit(1024);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

QString popplerOutput(const QString &tool, const QStringList &options, const QString &pdf)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return QString();
    QProcess process;
    process.start(program, options + QStringList{pdf} + (tool == QLatin1String("pdftotext") ? QStringList{QStringLiteral("-")} : QStringList{}));
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPageCount(const QString &pdf)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        return -1;
    QProcess process;
    process.start(pdfinfo, {pdf});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1;
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pages.match(QString::fromUtf8(process.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

namespace {

// Dark enough to be ink rather than a rasterizer's soft edge.
bool isDark(QRgb pixel) { return qGray(pixel) < 200; }

QRect darkBox(const QImage &page, const QRect &area)
{
    QRect box;
    const QRect inside = area & page.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (isDark(page.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

QStringList checkTwentyLabelPage(const QImage &page, int dpi)
{
    QStringList problems;
    const LabelDocument document = twentyLabelSheet();
    const SheetTemplate &sheet = document.sheet();
    const auto pixels = [dpi](double millimetres) { return int(std::lround(millimetres / 25.4 * dpi)); };
    const int tolerance = std::max(2, pixels(0.3));

    QImage outside = page;
    for (int label = 1; label <= sheet.LabelCount; ++label) {
        const SheetTemplate::Geometry &geometry = sheet.LabelGeometry[label];
        const QRect rectangle(QPoint(pixels(geometry[LeftOffset]), pixels(geometry[TopOffset])),
                              QPoint(pixels(geometry[LeftOffset] + geometry[LabelWidth]) - 1,
                                     pixels(geometry[TopOffset] + geometry[LabelHeight]) - 1));
        const QRect ink = darkBox(page, rectangle.adjusted(-tolerance, -tolerance, tolerance, tolerance));
        const QString name = QStringLiteral("label %1").arg(label);
        if (ink.isNull()) {
            problems << name + QStringLiteral(": no text");
            continue;
        }
        if (!rectangle.adjusted(-tolerance, -tolerance, tolerance, tolerance).contains(ink))
            problems << name + QStringLiteral(": text outside its rectangle");
        // The text begins at the print start; a turned label's ends at the
        // same distance from the opposite corner.
        const int startX = pixels(geometry[HorizontalPrintStart]);
        const int startY = pixels(geometry[VerticalPrintStart]);
        const int near = pixels(1.5);
        if (document.LabelRotated(label) == 1) {
            const int endX = rectangle.right() + 1 - startX;
            const int endY = rectangle.bottom() + 1 - startY;
            if (ink.right() > endX + tolerance || ink.right() < endX - near || ink.bottom() > endY + tolerance ||
                ink.bottom() < endY - near)
                problems << name + QStringLiteral(": turned text does not end at its lower right print start");
        } else {
            if (ink.left() < rectangle.left() + startX - tolerance || ink.left() > rectangle.left() + startX + near ||
                ink.top() < rectangle.top() + startY - tolerance || ink.top() > rectangle.top() + startY + near)
                problems << name + QStringLiteral(": text does not start at its print start");
        }
        for (int y = rectangle.top() - tolerance; y <= rectangle.bottom() + tolerance; ++y) {
            for (int x = rectangle.left() - tolerance; x <= rectangle.right() + tolerance; ++x) {
                if (outside.rect().contains(x, y))
                    outside.setPixel(x, y, qRgb(255, 255, 255));
            }
        }
    }
    const QRect stray = darkBox(outside, outside.rect());
    if (!stray.isNull())
        problems << QStringLiteral("ink outside every label at (%1, %2)").arg(stray.left()).arg(stray.top());
    return problems;
}

} // namespace porkane::test
