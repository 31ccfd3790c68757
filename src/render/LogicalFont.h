#pragma once

// A character's font as the label records describe it: the fourteen values
// of a Windows logical-font description, and the Qt font that gives them
// their Windows meaning (a positive height is the cell height, a positive
// width the average character width, weight 0 is normal).

#include <optional>

#include <QFont>
#include <QHash>
#include <QString>
#include <QtGlobal>

#include "document/LabelDocument.h"
#include "render/TextScale.h"

class QPaintDevice;

namespace porkane {

struct LogicalFont {
    // Larger heights or widths are refused: no device draws them and the
    // glyphs would not fit in memory.
    static constexpr qint32 MaxSize = 32767;

    qint32 height = 0;     // > 0 cell height, < 0 em height, 0 default (pixels)
    qint32 width = 0;      // > 0 average character width, 0 natural (pixels)
    qint32 escapement = 0; // tenths of a degree, counter-clockwise
    qint32 orientation = 0;
    qint32 weight = 0;     // 0 to 1000, 0 meaning 400
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    quint8 charSet = 1;        // default character set
    quint8 outPrecision = 0;   // default
    quint8 clipPrecision = 0;  // default
    quint8 quality = 2;        // proof
    quint8 pitchAndFamily = 0; // default pitch, no family
    QString faceName;

    // The font a character of this record is drawn in, or nothing when a
    // value cannot become a font value (not a number, out of range): the
    // font cannot be created then.
    static std::optional<LogicalFont> fromRecord(const AttrRecord &record, const TextScale &scale);

    bool operator==(const LogicalFont &) const = default;
};

// What the renderer needs to know of one character in its font, in device
// pixels: the advance (the sum of the ABC widths), the text extent (advance
// by cell height) and where the cell's baseline and decorations lie.
struct GlyphMetrics {
    int advance = 0;
    int extentWidth = 0;
    int extentHeight = 0;
    int ascent = 0;
    int underlinePos = 0; // below the baseline
    int strikeOutPos = 0; // above the baseline
    int lineWidth = 1;
};

// Makes Qt fonts from logical fonts for one target device. Finding the
// pixel size that gives a cell height takes a few measurements, so results
// are kept for the factory's lifetime (one layout).
class FontFactory {
public:
    // `device` decides what a point size means (only the default height
    // uses one); nullptr means the screen.
    explicit FontFactory(const QPaintDevice *device = nullptr) : device_(device) {}

    // Escapement and orientation are not part of the Qt font: the glyph
    // painter turns the text itself.
    QFont font(const LogicalFont &logical);
    GlyphMetrics measure(const QFont &font, QChar character) const;

private:
    int pixelSizeForCellHeight(const QFont &font, int cellHeight);
    int cellHeightAt(QFont font, int pixelSize) const;

    const QPaintDevice *device_;
    QHash<QString, int> pixelSizes_; // font key and cell height -> pixel size
};

// Families to try for a face name: the face itself and, for the faces
// Japanese Windows installs, the IPA font that stands in for it.
QStringList fontFamiliesFor(const QString &faceName);

} // namespace porkane
