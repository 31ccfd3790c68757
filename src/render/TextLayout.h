#pragma once

// Lays out a label's formatted text: where every character goes, in which
// font, and which copies of it (shadow, three-dimensional layers, outline,
// face) are drawn in which colours. Drawing is left to GlyphPainter, so the
// same layout serves the label canvases, the format sample and the printer.

#include <optional>
#include <vector>

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include "core/Colour.h"
#include "document/LabelDocument.h"
#include "render/LogicalFont.h"
#include "render/TextScale.h"

class QPaintDevice;

namespace porkane {

// The attribute records a text is laid out with, by 1-based position.
class TextRecords {
public:
    // The records of a label of the document.
    TextRecords(const LabelDocument &document, int label);
    // Records held by the caller: position p reads records[p - 1].
    explicit TextRecords(std::vector<AttrRecord> records);

    // A position past the last record reads the last one, so a character
    // without a record of its own is drawn in the format before it rather
    // than dropped. With no records at all every slot is empty.
    const AttrRecord &at(int position) const;

private:
    const LabelDocument *document_ = nullptr;
    int label_ = 0;
    std::vector<AttrRecord> records_;
};

// One copy of a character at an offset from its glyph origin, already
// rounded to a device point (the top-left of the character's cell).
struct GlyphCopy {
    QPoint at;
    RgbValue colour = 0;

    bool operator==(const GlyphCopy &) const = default;
};

struct PlacedGlyph {
    int position = 0; // 1-based position in the text
    QChar character;
    LogicalFont logical;
    QFont font;
    GlyphMetrics metrics;
    // The glyph origin before rounding; copies lie at offsets from it.
    double originX = 0;
    double originY = 0;
    // Drawn for all characters before any front copy: the shadow, then the
    // three-dimensional layers from the far end towards the face.
    std::vector<GlyphCopy> behind;
    // Drawn character by character: the outline copies, then the face.
    std::vector<GlyphCopy> front;
};

// The rotation correction of a character cell cx by cy turned by `degrees`
// counter-clockwise: it keeps the turned cell near the unturned one.
struct RotationCorrection {
    qint16 x = 0;
    qint16 y = 0;
};
std::optional<RotationCorrection> rotationCorrection(int extentWidth, int extentHeight, double degrees);

// Lays out `text` from `origin` (the line origin x0 and the first line's
// top, device pixels). Line breaks are the markers of the records: "LF" and
// the position after it end a line. Characters whose font cannot be created
// are not drawn; the next one then reuses the last known advance. `device`
// is the target the fonts are measured for (nullptr: the screen). When
// `drawArea` is given, copies that cannot reach it are left out: they would
// draw nothing, and absurd effect shifts would otherwise make millions.
std::vector<PlacedGlyph> layoutText(const QString &text, const TextRecords &records, QPoint origin,
                                    const TextScale &scale, const QPaintDevice *device = nullptr,
                                    const QRect &drawArea = QRect());

// Where a label's text starts on its own canvas: its print-start offsets,
// both converted with the horizontal factor as the label canvases always
// were.
QPoint canvasTextOrigin(const SheetTemplate &sheet, int label, double twipsPerPixelX);

} // namespace porkane
