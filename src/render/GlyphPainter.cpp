#include "render/GlyphPainter.h"

#include <algorithm>
#include <cmath>

#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include "core/Colour.h"

namespace porkane {

namespace {

// A glyph in its own coordinates: the cell's top-left at (0, 0), the
// baseline at the ascent, turned about the origin by the escapement.
struct GlyphShape {
    QList<QGlyphRun> runs;
    QList<QRectF> decorations; // underline and strike-out bars
    QTransform turn;
    QRectF bounds; // around everything drawn, before the turn
};

GlyphShape shapeOf(const PlacedGlyph &glyph, const QPaintDevice *device)
{
    GlyphShape shape;
    QTextLayout layout(QString(glyph.character), glyph.font, device);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (line.isValid())
        line.setPosition(QPointF(0, 0));

    const GlyphMetrics &metrics = glyph.metrics;
    QRectF bounds(0, 0, metrics.advance, metrics.extentHeight);
    for (QGlyphRun run : layout.glyphRuns()) {
        // Glyphs of a fallback font share the cell's baseline.
        QList<QPointF> positions = run.positions();
        for (QPointF &position : positions)
            position.setY(metrics.ascent);
        run.setPositions(positions);
        // Our own bars follow the escapement; Qt's do not.
        run.setUnderline(false);
        run.setStrikeOut(false);
        run.setOverline(false);
        bounds |= run.boundingRect();
        shape.runs.append(run);
    }
    const double width = std::max(metrics.advance, 1);
    if (glyph.logical.underline)
        shape.decorations.append(QRectF(0, metrics.ascent + metrics.underlinePos, width, metrics.lineWidth));
    if (glyph.logical.strikeOut)
        shape.decorations.append(
            QRectF(0, metrics.ascent - metrics.strikeOutPos - metrics.lineWidth / 2, width, metrics.lineWidth));
    for (const QRectF &bar : shape.decorations)
        bounds |= bar;
    shape.bounds = bounds;
    shape.turn.rotate(-glyph.logical.escapement / 10.0);
    return shape;
}

void drawShape(QPainter &painter, const GlyphShape &shape, const QTransform &base, QPoint at, RgbValue colour)
{
    QTransform transform = shape.turn * QTransform::fromTranslate(at.x(), at.y());
    painter.setWorldTransform(transform * base);
    const QColor qcolour = toQColor(colour);
    painter.setPen(qcolour);
    for (const QGlyphRun &run : shape.runs)
        painter.drawGlyphRun(QPointF(0, 0), run);
    for (const QRectF &bar : shape.decorations)
        painter.fillRect(bar, qcolour);
}

void preparePainter(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
}

// The pixels a glyph covers, as spans relative to its copy point.
struct Stamp {
    struct Span {
        int dy;
        int dx;
        int length;
    };
    std::vector<Span> spans;
    QRect box; // relative to the copy point
    bool tooLarge = false;
};

// Larger glyphs are drawn with the painter instead of a mask.
constexpr qint64 MaxStampPixels = 4 * 1024 * 1024;

Stamp stampOf(const GlyphShape &shape)
{
    Stamp stamp;
    const QRectF turned = shape.turn.mapRect(shape.bounds);
    // Two pixels of margin catch what hinting adds beyond the outlines.
    const QRect box(QPoint(int(std::floor(turned.left())) - 2, int(std::floor(turned.top())) - 2),
                    QPoint(int(std::ceil(turned.right())) + 2, int(std::ceil(turned.bottom())) + 2));
    stamp.box = box;
    if (qint64(box.width()) * box.height() > MaxStampPixels) {
        stamp.tooLarge = true;
        return stamp;
    }
    QImage mask(box.size(), QImage::Format_RGB32);
    if (mask.isNull()) {
        stamp.tooLarge = true;
        return stamp;
    }
    mask.fill(Qt::white);
    {
        QPainter painter(&mask);
        preparePainter(painter);
        drawShape(painter, shape, QTransform(), -box.topLeft(), rgbValue(0, 0, 0));
    }
    const QRgb white = qRgb(255, 255, 255);
    for (int row = 0; row < mask.height(); ++row) {
        const QRgb *pixels = reinterpret_cast<const QRgb *>(mask.constScanLine(row));
        int column = 0;
        while (column < mask.width()) {
            while (column < mask.width() && pixels[column] == white)
                ++column;
            const int start = column;
            while (column < mask.width() && pixels[column] != white)
                ++column;
            if (column > start)
                stamp.spans.push_back({box.top() + row, box.left() + start, column - start});
        }
    }
    return stamp;
}

// The pixels of a 32-bit picture, taken once: scanLine() checks for
// sharing on every call, which costs more than the span fills themselves.
struct PixelTarget {
    explicit PixelTarget(QImage &image)
        : bits(image.bits()), stride(image.bytesPerLine()), width(image.width()), height(image.height())
    {
    }
    QRgb *row(int y) const { return reinterpret_cast<QRgb *>(bits + stride * y); }

    uchar *bits;
    qsizetype stride;
    int width;
    int height;
};

void applyStamp(const PixelTarget &target, const Stamp &stamp, QPoint at, RgbValue colour)
{
    // In 64 bits: a copy point may lie anywhere a 32-bit integer reaches.
    if (qint64(at.x()) + stamp.box.right() < 0 || qint64(at.x()) + stamp.box.left() >= target.width ||
        qint64(at.y()) + stamp.box.bottom() < 0 || qint64(at.y()) + stamp.box.top() >= target.height)
        return;
    const QRgb pixel = toQRgb(colour);
    for (const Stamp::Span &span : stamp.spans) {
        const int y = at.y() + span.dy;
        if (y < 0 || y >= target.height)
            continue;
        const int left = std::max(at.x() + span.dx, 0);
        const int right = std::min(at.x() + span.dx + span.length, target.width);
        if (left < right)
            std::fill(target.row(y) + left, target.row(y) + right, pixel);
    }
}

QString shapeKey(const PlacedGlyph &glyph)
{
    return glyph.font.key() + QLatin1Char('|') + QString::number(glyph.logical.escapement) + QLatin1Char('|') +
           QString::number(glyph.metrics.ascent) + QLatin1Char('|') + QString::number(glyph.metrics.advance) +
           QLatin1Char('|') + QString(glyph.character);
}

// Copies drawn one after another in the same colour and font, unturned,
// become one glyph run: in whatever order copies of one colour are drawn
// they cover the same pixels, and a printer or PDF then gets one text
// operation for a character's eight outline copies, or for a line of faces,
// instead of one each. A copy that cannot join is drawn on its own, after
// the ones gathered before it.
class CopyBatch {
public:
    CopyBatch(QPainter &painter, const QTransform &base) : painter_(painter), base_(base) {}

    void draw(const GlyphShape &shape, QPoint at, RgbValue colour)
    {
        const bool joins = shape.turn.isIdentity() && shape.decorations.isEmpty() && shape.runs.size() == 1;
        if (!joins) {
            flush();
            drawShape(painter_, shape, base_, at, colour);
            return;
        }
        const QGlyphRun &run = shape.runs.constFirst();
        if (!indexes_.isEmpty() && (colour != colour_ || !(run.rawFont() == font_)))
            flush();
        if (indexes_.isEmpty()) {
            colour_ = colour;
            font_ = run.rawFont();
        }
        indexes_ += run.glyphIndexes();
        for (const QPointF &position : run.positions())
            positions_.append(position + QPointF(at));
    }

    void flush()
    {
        if (indexes_.isEmpty())
            return;
        QGlyphRun run;
        run.setRawFont(font_);
        run.setGlyphIndexes(indexes_);
        run.setPositions(positions_);
        painter_.setWorldTransform(base_);
        painter_.setPen(toQColor(colour_));
        painter_.drawGlyphRun(QPointF(0, 0), run);
        indexes_.clear();
        positions_.clear();
    }

private:
    QPainter &painter_;
    QTransform base_;
    RgbValue colour_ = 0;
    QRawFont font_;
    QList<quint32> indexes_;
    QList<QPointF> positions_;
};

} // namespace

void paintGlyphs(QPainter &painter, const std::vector<PlacedGlyph> &glyphs)
{
    painter.save();
    preparePainter(painter);
    const QTransform base = painter.worldTransform();
    std::vector<GlyphShape> shapes;
    shapes.reserve(glyphs.size());
    for (const PlacedGlyph &glyph : glyphs)
        shapes.push_back(shapeOf(glyph, painter.device()));
    CopyBatch batch(painter, base);
    for (size_t index = 0; index < glyphs.size(); ++index) {
        for (const GlyphCopy &copy : glyphs[index].behind)
            batch.draw(shapes[index], copy.at, copy.colour);
    }
    for (size_t index = 0; index < glyphs.size(); ++index) {
        for (const GlyphCopy &copy : glyphs[index].front)
            batch.draw(shapes[index], copy.at, copy.colour);
    }
    batch.flush();
    painter.restore();
}

void paintGlyphs(QImage &image, const std::vector<PlacedGlyph> &glyphs)
{
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image.convertTo(QImage::Format_RGB32);

    // Copies of the same character in the same font share one shape.
    QHash<QString, size_t> known;
    std::vector<GlyphShape> shapes;
    std::vector<Stamp> stamps;
    std::vector<size_t> shapeOfGlyph;
    shapeOfGlyph.reserve(glyphs.size());
    for (const PlacedGlyph &glyph : glyphs) {
        const QString key = shapeKey(glyph);
        auto found = known.constFind(key);
        if (found == known.constEnd()) {
            shapes.push_back(shapeOf(glyph, &image));
            stamps.push_back(stampOf(shapes.back()));
            found = known.insert(key, shapes.size() - 1);
        }
        shapeOfGlyph.push_back(*found);
    }

    const PixelTarget target(image);
    const auto draw = [&](size_t index, const GlyphCopy &copy) {
        const size_t shape = shapeOfGlyph[index];
        if (!stamps[shape].tooLarge) {
            applyStamp(target, stamps[shape], copy.at, copy.colour);
            return;
        }
        // The painter writes into the same, unshared pixels.
        QPainter painter(&image);
        preparePainter(painter);
        drawShape(painter, shapes[shape], QTransform(), copy.at, copy.colour);
    };
    for (size_t index = 0; index < glyphs.size(); ++index) {
        for (const GlyphCopy &copy : glyphs[index].behind)
            draw(index, copy);
    }
    for (size_t index = 0; index < glyphs.size(); ++index) {
        for (const GlyphCopy &copy : glyphs[index].front)
            draw(index, copy);
    }
}

} // namespace porkane
