#include "render/LogicalFont.h"

#include <algorithm>
#include <cstdlib>

#include <QFontMetrics>
#include <QFontMetricsF>

#include "core/Nearest.h"

namespace porkane {

std::optional<LogicalFont> LogicalFont::fromRecord(const AttrRecord &record, const TextScale &scale)
{
    const auto height = nearest32(record[CharHeightSlot].toDouble() * scale.fontHeightFactor);
    const auto width = nearest32(record[CharWidthSlot].toDouble() * scale.fontWidthFactor);
    const auto escapement = nearest32(record[CharRotationSlot].toDouble() * 10 + scale.extraEscapement);
    const auto weight = nearest32(record[FontWeightSlot].toDouble());
    if (!height || !width || !escapement || !weight)
        return std::nullopt;
    if (std::abs(qint64(*height)) > MaxSize || std::abs(qint64(*width)) > MaxSize)
        return std::nullopt;

    LogicalFont font;
    font.height = *height;
    font.width = *width;
    font.escapement = *escapement;
    font.weight = *weight;
    font.italic = record[ItalicSlot].toBool();
    font.underline = record[UnderlineSlot].toBool();
    font.strikeOut = record[StrikeOutSlot].toBool();
    font.faceName = record[FaceNameSlot].toString();
    return font;
}

QStringList fontFamiliesFor(const QString &faceName)
{
    struct Substitute {
        const char16_t *windowsFace;
        const char *ipaFace;
    };
    static const Substitute substitutes[] = {
        {u"ＭＳ ゴシック", "IPAGothic"},   {u"MS Gothic", "IPAGothic"},
        {u"ＭＳ Ｐゴシック", "IPAPGothic"}, {u"MS PGothic", "IPAPGothic"},
        {u"MS UI Gothic", "IPAPGothic"},   {u"ＭＳ 明朝", "IPAMincho"},
        {u"MS Mincho", "IPAMincho"},       {u"ＭＳ Ｐ明朝", "IPAPMincho"},
        {u"MS PMincho", "IPAPMincho"},
    };
    QStringList families;
    if (!faceName.isEmpty())
        families << faceName;
    for (const Substitute &substitute : substitutes) {
        if (faceName.compare(QString::fromUtf16(substitute.windowsFace), Qt::CaseInsensitive) == 0) {
            families << QString::fromLatin1(substitute.ipaFace);
            break;
        }
    }
    return families;
}

QFont FontFactory::font(const LogicalFont &logical)
{
    QFont font;
    const QStringList families = fontFamiliesFor(logical.faceName);
    if (!families.isEmpty())
        font.setFamilies(families);
    // Every drawn pixel must have exactly the colour asked for: white stays
    // see-through on the sheet and effects keep their colours.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setKerning(false);
    font.setWeight(QFont::Weight(logical.weight <= 0 ? 400 : std::min(logical.weight, 1000)));
    font.setItalic(logical.italic);
    font.setUnderline(logical.underline);
    font.setStrikeOut(logical.strikeOut);

    if (logical.height > 0)
        font.setPixelSize(pixelSizeForCellHeight(font, logical.height));
    else if (logical.height < 0)
        font.setPixelSize(-logical.height);

    if (logical.width > 0) {
        const double natural = QFontMetricsF(font, device_).averageCharWidth();
        if (natural > 0)
            font.setStretch(std::clamp(int(roundHalfEven(logical.width * 100.0 / natural)), 1, 4000));
    }
    return font;
}

int FontFactory::cellHeightAt(QFont font, int pixelSize) const
{
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font, device_);
    return metrics.ascent() + metrics.descent();
}

int FontFactory::pixelSizeForCellHeight(const QFont &font, int cellHeight)
{
    const QString key = font.key() + QLatin1Char('/') + QString::number(cellHeight);
    const auto known = pixelSizes_.constFind(key);
    if (known != pixelSizes_.constEnd())
        return *known;

    // Windows picks the em size whose cell (ascent + descent) is the height
    // asked for. Estimate it from the design metrics, then settle on the
    // size whose rounded cell comes closest.
    constexpr int ReferenceSize = 1000;
    QFont reference = font;
    reference.setPixelSize(ReferenceSize);
    const QFontMetricsF metrics(reference, device_);
    const double cellPerPixel = (metrics.ascent() + metrics.descent()) / ReferenceSize;
    int best = cellPerPixel > 0 ? std::max(1, int(roundHalfEven(cellHeight / cellPerPixel))) : cellHeight;
    int bestError = std::abs(cellHeightAt(font, best) - cellHeight);
    for (const int candidate : {best - 1, best + 1}) {
        if (bestError == 0 || candidate < 1)
            continue;
        const int error = std::abs(cellHeightAt(font, candidate) - cellHeight);
        if (error < bestError) {
            best = candidate;
            bestError = error;
        }
    }
    pixelSizes_.insert(key, best);
    return best;
}

GlyphMetrics FontFactory::measure(const QFont &font, QChar character) const
{
    const QFontMetrics metrics(font, device_);
    GlyphMetrics result;
    result.advance = metrics.horizontalAdvance(character);
    result.extentWidth = result.advance;
    result.ascent = metrics.ascent();
    result.extentHeight = metrics.ascent() + metrics.descent();
    result.underlinePos = metrics.underlinePos();
    result.strikeOutPos = metrics.strikeOutPos();
    result.lineWidth = std::max(1, metrics.lineWidth());
    return result;
}

} // namespace porkane
