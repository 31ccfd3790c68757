#include "image/Metafile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSvgRenderer>

extern "C" {
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>
}

#include "core/Cp932.h"
#include "core/Errors.h"
#include "core/Rounding.h"
#include "core/Units.h"
#include "image/ImageMessages.h"
#include "image/PictureLimits.h"

namespace porkane {

namespace {

quint16 u16At(const QByteArray &bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8));
}

qint16 s16At(const QByteArray &bytes, qsizetype at) { return qint16(u16At(bytes, at)); }

quint32 u32At(const QByteArray &bytes, qsizetype at)
{
    return quint32(u16At(bytes, at)) | (quint32(u16At(bytes, at + 2)) << 16);
}

qint32 s32At(const QByteArray &bytes, qsizetype at) { return qint32(u32At(bytes, at)); }

[[noreturn]] void damaged(const QString &name)
{
    throw FileError(DamagedPictureMessage().arg(name));
}

// A side in pixels of a length in twips.
qint64 pixelsOf(double twips, int twipsPerPixel)
{
    const double pixels = roundHalfEven(twips / std::max(1, twipsPerPixel));
    // Far too large for any picture; kept finite for the size check's message.
    return qint64(std::clamp(pixels, -1e12, 1e12));
}

// What drawing a metafile may cost. QtSvg takes some 50 microseconds and
// 5 kB for every element the converters make of a record, so a flood of
// records costs minutes and gigabytes however small its picture. Pictures
// of up to 40,000 records and 4 MB of drawing (coordinates, texts; the
// bitmaps are bounded by their own pixels) are drawn within about two
// seconds; more is refused as a picture too large to take on.
constexpr qint64 MaxMetafileRecords = 40'000;
constexpr qint64 MaxMetafileDrawingBytes = 4 * 1024 * 1024;
// The SVG the converters make of the records above stays far below this.
constexpr qint64 MaxConverterOutputBytes = 64 * 1024 * 1024;

struct DrawingCost {
    qint64 records = 0;
    qint64 drawingBytes = 0; // in records without a bitmap

    bool withinBudget() const
    {
        return records <= MaxMetafileRecords && drawingBytes <= MaxMetafileDrawingBytes;
    }
};

[[noreturn]] void tooLarge(qint64 width, qint64 height)
{
    throw UserError(PictureTooLargeMessage().arg(width).arg(height));
}

// ---- WMF ----

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr int PlaceableHeaderSize = 22;
constexpr int WmfHeaderSize = 18;
constexpr quint16 MetaEof = 0x0000;
constexpr quint16 MetaSetWindowOrg = 0x020B;

struct WmfLayout {
    DrawingCost cost;
    bool placeable = false;
    qint16 left = 0, top = 0, right = 0, bottom = 0;
    quint16 unitsPerInch = 0;
    qint16 originX = 0, originY = 0;
};

// A device-independent bitmap from `at` up to `end` whose header agrees with
// the bytes it has: libwmf believes the header, and one claiming a billion
// rows keeps it reading for minutes.
bool dibFits(const QByteArray &bytes, qsizetype at, qsizetype end)
{
    if (end - at < 12)
        return false;
    const quint32 headerSize = u32At(bytes, at);
    qint64 width = 0, height = 0;
    quint32 bitCount = 0, compression = 0, coloursUsed = 0, paletteEntrySize = 4;
    if (headerSize == 12) {
        width = u16At(bytes, at + 4);
        height = u16At(bytes, at + 6);
        bitCount = u16At(bytes, at + 10);
        paletteEntrySize = 3;
    } else if (headerSize >= 40 && headerSize <= quint64(end - at)) {
        width = s32At(bytes, at + 4);
        height = std::abs(qint64(s32At(bytes, at + 8))); // negative: top row first
        bitCount = u16At(bytes, at + 14);
        compression = u32At(bytes, at + 16);
        coloursUsed = u32At(bytes, at + 32);
    } else {
        return false;
    }
    if (!pictureSizeAllowed(width, height) || coloursUsed > 256)
        return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return false;
    qint64 paletteBytes = qint64(coloursUsed != 0 ? coloursUsed : bitCount <= 8 ? 1u << bitCount : 0) * paletteEntrySize;
    if (compression == 3) // colour masks
        paletteBytes += 12;
    const qint64 data = qint64(end - at) - headerSize - paletteBytes;
    if (data < 0)
        return false;
    switch (compression) {
    case 0:
    case 3: // rows of whole 32-bit words
        return (width * bitCount + 31) / 32 * 4 * height <= data;
    case 1:
    case 2: // run-length coded: at most 255 pixels per pair of bytes, plus skips
        return width * height <= 4 * 1024 * 1024 + 255 * data;
    default: // JPEG or PNG inside: not for libwmf
        return false;
    }
}

// An old device-dependent bitmap (Bitmap16) from `at` up to `end`.
bool bitmap16Fits(const QByteArray &bytes, qsizetype at, qsizetype end)
{
    if (end - at < 10)
        return false;
    const qint64 width = s16At(bytes, at + 2), height = s16At(bytes, at + 4), widthBytes = s16At(bytes, at + 6);
    return pictureSizeAllowed(width, height) && widthBytes > 0 && widthBytes * height <= end - at - 10;
}

// Where a record's bitmap starts, counted from the record's start; 0 for
// records without one. The blits have a form without a bitmap, which is
// (function >> 8) + 3 words long.
struct BitmapPlace {
    qsizetype at = 0;
    bool independent = true; // a DIB, else a Bitmap16
};

BitmapPlace bitmapIn(quint16 function, quint32 words)
{
    const bool blitWithout = words == quint32(function >> 8) + 3;
    switch (function) {
    case 0x0940: // DIBBITBLT
        return blitWithout ? BitmapPlace{} : BitmapPlace{22, true};
    case 0x0B41: // DIBSTRETCHBLT
        return blitWithout ? BitmapPlace{} : BitmapPlace{26, true};
    case 0x0F43: // STRETCHDIB
        return {28, true};
    case 0x0D33: // SETDIBTODEV
        return {24, true};
    case 0x0142: // DIBCREATEPATTERNBRUSH
        return {10, true};
    case 0x0922: // BITBLT
        return blitWithout ? BitmapPlace{} : BitmapPlace{22, false};
    case 0x0B23: // STRETCHBLT
        return blitWithout ? BitmapPlace{} : BitmapPlace{26, false};
    case 0x01F9: // CREATEPATTERNBRUSH
        return {6, false};
    default:
        return {};
    }
}

bool isWmfHeader(const QByteArray &bytes, qsizetype at)
{
    if (bytes.size() < at + WmfHeaderSize)
        return false;
    const quint16 type = u16At(bytes, at);
    return (type == 1 || type == 2) && u16At(bytes, at + 2) == 9;
}

WmfLayout checkWmf(const QByteArray &bytes, const QString &name)
{
    WmfLayout layout;
    qsizetype at = 0;
    if (bytes.size() >= PlaceableHeaderSize && u32At(bytes, 0) == PlaceableKey) {
        layout.placeable = true;
        layout.left = s16At(bytes, 6);
        layout.top = s16At(bytes, 8);
        layout.right = s16At(bytes, 10);
        layout.bottom = s16At(bytes, 12);
        layout.unitsPerInch = u16At(bytes, 14);
        if (layout.unitsPerInch == 0 || layout.left == layout.right || layout.top == layout.bottom)
            damaged(name);
        at = PlaceableHeaderSize;
    }
    if (!isWmfHeader(bytes, at))
        damaged(name);
    at += WmfHeaderSize;
    bool originSeen = false;
    while (at + 6 <= bytes.size()) {
        const quint32 words = u32At(bytes, at);
        const quint16 function = u16At(bytes, at + 4);
        if (words < 3 || words > quint64(bytes.size() - at) / 2)
            damaged(name);
        if (function == MetaEof)
            return layout;
        const qsizetype end = at + qsizetype(words) * 2;
        ++layout.cost.records;
        if (const BitmapPlace bitmap = bitmapIn(function, words); bitmap.at != 0) {
            const bool fits = bitmap.independent ? dibFits(bytes, at + bitmap.at, end)
                                                 : bitmap16Fits(bytes, at + bitmap.at, end);
            if (!fits)
                damaged(name);
        } else {
            layout.cost.drawingBytes += qint64(words) * 2;
        }
        // libwmf puts the window origin at the picture's top left; where the
        // frame lies follows from the first origin the metafile sets.
        if (function == MetaSetWindowOrg && words >= 5 && !originSeen) {
            layout.originY = s16At(bytes, at + 6);
            layout.originX = s16At(bytes, at + 8);
            originSeen = true;
        }
        at = end;
    }
    damaged(name); // no end record
}

// One libwmf session, closed however we leave.
class WmfSession {
public:
    explicit WmfSession(const QString &name)
    {
        wmfAPI_Options options{};
        options.function = wmf_svg_function;
        const unsigned long flags =
            WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&api_, flags, &options) != wmf_E_None || api_ == nullptr) {
            api_ = nullptr;
            damaged(name);
        }
    }
    void open(QByteArray bytes, const QString &name)
    {
        bytes_ = std::move(bytes);
        if (wmf_mem_open(api_, reinterpret_cast<unsigned char *>(bytes_.data()), long(bytes_.size())) !=
            wmf_E_None)
            damaged(name);
        open_ = true;
    }
    ~WmfSession()
    {
        if (api_ == nullptr)
            return;
        if (open_)
            wmf_mem_close(api_);
        wmf_api_destroy(api_);
    }
    WmfSession(const WmfSession &) = delete;
    WmfSession &operator=(const WmfSession &) = delete;

    wmfAPI *api() const { return api_; }

private:
    QByteArray bytes_; // libwmf reads from it until the session ends
    wmfAPI *api_ = nullptr;
    bool open_ = false;
};

// libwmf draws in points (1/72 inch) from the window origin.
constexpr float PointsPerInch = 72.0f;

// libwmf writes a bitmap as <image x y width height transform="matrix(a 0 0
// d x y)">, sizing and placing it twice over. The matrix alone is meant: the
// image is its own pixels wide (width / a) at the origin.
QByteArray withImagesMended(const QByteArray &svg)
{
    static const QRegularExpression image(
        QStringLiteral(R"re(<image x="[-0-9.]+" y="[-0-9.]+" width="([-0-9.]+)" height="([-0-9.]+)"\s+)re"
                       R"re(transform="matrix\(([-0-9.]+) 0 0 ([-0-9.]+) )re"));
    QString text = QString::fromUtf8(svg);
    QString mended;
    qsizetype copied = 0;
    for (QRegularExpressionMatchIterator it = image.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const double a = match.captured(3).toDouble(), d = match.captured(4).toDouble();
        if (a == 0 || d == 0)
            continue;
        mended += QStringView(text).mid(copied, match.capturedStart() - copied);
        mended += QStringLiteral(R"re(<image x="0" y="0" width="%1" height="%2" )re"
                                 R"re(transform="matrix(%3 0 0 %4 )re")
                      .arg(match.captured(1).toDouble() / a, 0, 'g', 10)
                      .arg(match.captured(2).toDouble() / d, 0, 'g', 10)
                      .arg(match.captured(3), match.captured(4));
        copied = match.capturedEnd();
    }
    mended += QStringView(text).mid(copied);
    return mended.toUtf8();
}

// libwmf copies the bytes of a text as they are: code page 932 on Japanese
// systems, and "&" or "<" unescaped, which breaks the SVG. Each text becomes
// escaped UTF-8 (bytes that are not code page 932 are read as Latin-1).
QByteArray withTextsMended(const QByteArray &svg)
{
    QByteArray mended;
    qsizetype copied = 0;
    for (qsizetype start = svg.indexOf("<text"); start >= 0; start = svg.indexOf("<text", copied)) {
        const qsizetype open = svg.indexOf('>', start);
        const qsizetype close = open < 0 ? -1 : svg.indexOf("</text>", open);
        if (close < 0)
            break;
        const QByteArray bytes = svg.mid(open + 1, close - open - 1);
        const QString text = decodeCp932(bytes).value_or(QString::fromLatin1(bytes));
        mended += svg.mid(copied, open + 1 - copied);
        mended += text.toHtmlEscaped().toUtf8();
        copied = close;
    }
    mended += svg.mid(copied);
    return mended;
}

// QtSvg turns antialiasing on whatever the painter says. Metafile players
// draw without it, and blended edges would escape a see-through colour as a
// fringe; so the drawing goes through this device, which hands every call to
// a painter on the picture with antialiasing kept off.
class AliasedEngine : public QPaintEngine {
public:
    explicit AliasedEngine(QImage &target) : QPaintEngine(QPaintEngine::AllFeatures), target_(target) {}

    bool begin(QPaintDevice *) override { return painter_.begin(&target_); }
    bool end() override { return painter_.end(); }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyTransform)
            painter_.setTransform(state.transform());
        if (dirty & DirtyPen)
            painter_.setPen(state.pen());
        if (dirty & DirtyBrush)
            painter_.setBrush(state.brush());
        if (dirty & DirtyBrushOrigin)
            painter_.setBrushOrigin(state.brushOrigin());
        if (dirty & DirtyFont)
            painter_.setFont(state.font());
        if (dirty & DirtyBackground)
            painter_.setBackground(state.backgroundBrush());
        if (dirty & DirtyBackgroundMode)
            painter_.setBackgroundMode(state.backgroundMode());
        if (dirty & DirtyCompositionMode)
            painter_.setCompositionMode(state.compositionMode());
        if (dirty & DirtyOpacity)
            painter_.setOpacity(state.opacity());
        if (dirty & DirtyClipRegion)
            painter_.setClipRegion(state.clipRegion(), state.clipOperation());
        if (dirty & DirtyClipPath)
            painter_.setClipPath(state.clipPath(), state.clipOperation());
        if (dirty & DirtyClipEnabled)
            painter_.setClipping(state.isClipEnabled());
        painter_.setRenderHints(
            QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform, false);
    }

    void drawPath(const QPainterPath &path) override { painter_.drawPath(path); }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        if (mode == PolylineMode)
            painter_.drawPolyline(points, count);
        else
            painter_.drawPolygon(points, count, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    }
    void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source) override
    {
        painter_.drawPixmap(target, pixmap, source);
    }
    void drawImage(const QRectF &target, const QImage &image, const QRectF &source,
                   Qt::ImageConversionFlags flags) override
    {
        painter_.drawImage(target, image, source, flags);
    }
    void drawTextItem(const QPointF &position, const QTextItem &item) override
    {
        painter_.drawTextItem(position, item);
    }

private:
    QImage &target_;
    QPainter painter_;
};

class AliasedDevice : public QPaintDevice {
public:
    explicit AliasedDevice(QImage &target) : target_(target), engine_(target) {}
    QPaintEngine *paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return target_.width();
        case PdmHeight:
            return target_.height();
        case PdmWidthMM:
            return target_.widthMM();
        case PdmHeightMM:
            return target_.heightMM();
        case PdmDepth:
            return target_.depth();
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return target_.logicalDpiX();
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return target_.logicalDpiY();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    QImage &target_;
    mutable AliasedEngine engine_;
};

// The SVG a converter made of a metafile, drawn on white at width x height;
// `viewBox` is the part of the drawing that fills the picture (all of it when
// empty).
QImage drawSvg(QByteArray svg, const QString &name, qint64 width, qint64 height, QRectF viewBox = {})
{
    // Bitmaps are stretched without blending, as metafile players do, so
    // their colours stay exact.
    svg.replace("<image ", "<image image-rendering=\"optimizeSpeed\" ");
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        damaged(name);
    if (!viewBox.isEmpty())
        renderer.setViewBox(viewBox);
    QImage picture = newPicture(width, height);
    picture.fill(Qt::white);
    {
        AliasedDevice device(picture);
        QPainter painter(&device);
        renderer.render(&painter, QRectF(0, 0, double(width), double(height)));
    }
    return picture;
}

} // namespace

MetafileKind metafileKind(const QByteArray &bytes)
{
    if (bytes.size() >= 88 && u32At(bytes, 0) == 1 && u32At(bytes, 40) == 0x464D4520)
        return MetafileKind::Emf;
    if (bytes.size() >= 4 && u32At(bytes, 0) == PlaceableKey)
        return MetafileKind::Wmf;
    if (isWmfHeader(bytes, 0) && (u16At(bytes, 4) == 0x0100 || u16At(bytes, 4) == 0x0300))
        return MetafileKind::Wmf;
    return MetafileKind::None;
}

QImage renderWmf(const QByteArray &bytes, const QString &name, int twipsPerPixelX, int twipsPerPixelY)
{
    const WmfLayout layout = checkWmf(bytes, name);
    WmfSession session(name);
    session.open(bytes, name);
    wmfAPI *api = session.api();

    wmfD_Rect drawn{};
    if (wmf_scan(api, 0, &drawn) != wmf_E_None)
        damaged(name);

    wmfD_Rect frame = drawn;
    qint64 width = 0, height = 0;
    if (layout.placeable) {
        const double inch = layout.unitsPerInch;
        const qint16 left = std::min(layout.left, layout.right), right = std::max(layout.left, layout.right);
        const qint16 top = std::min(layout.top, layout.bottom), bottom = std::max(layout.top, layout.bottom);
        width = pixelsOf((right - left) / inch * TwipsPerInch, twipsPerPixelX);
        height = pixelsOf((bottom - top) / inch * TwipsPerInch, twipsPerPixelY);
        frame.TL.x = float((left - layout.originX) / inch) * PointsPerInch;
        frame.TL.y = float((top - layout.originY) / inch) * PointsPerInch;
        frame.BR.x = float((right - layout.originX) / inch) * PointsPerInch;
        frame.BR.y = float((bottom - layout.originY) / inch) * PointsPerInch;
    } else {
        unsigned int displayWidth = 0, displayHeight = 0;
        if (wmf_display_size(api, &displayWidth, &displayHeight, TwipsPerInch / std::max(1, twipsPerPixelX),
                             TwipsPerInch / std::max(1, twipsPerPixelY)) != wmf_E_None)
            damaged(name);
        width = displayWidth;
        height = displayHeight;
    }
    if (width <= 0 || height <= 0)
        damaged(name); // draws nothing and has no frame
    checkPictureSize(width, height);
    if (!layout.cost.withinBudget())
        tooLarge(width, height);

    // libwmf writes SVG, which QtSvg draws; its own raster device leaves
    // ellipses and other closed figures unfilled. Its output is bounded:
    // past the limit the rest is dropped and the picture refused.
    struct SvgOutput {
        QByteArray svg;
        bool overflowed = false;
    } out;
    wmfStream output{};
    output.context = &out;
    output.sputs = [](char *text, void *context) {
        auto *into = static_cast<SvgOutput *>(context);
        const qsizetype length = qsizetype(std::strlen(text));
        if (into->overflowed || into->svg.size() + length > MaxConverterOutputBytes) {
            into->overflowed = true;
            return 0;
        }
        into->svg.append(text, length);
        return 0;
    };
    output.reset = [](void *context) {
        static_cast<SvgOutput *>(context)->svg.clear();
        return 0;
    };
    auto *device = WMF_SVG_GetData(api);
    device->out = &output;
    device->bbox = frame;
    device->width = static_cast<unsigned int>(width);
    device->height = static_cast<unsigned int>(height);
    device->flags |= WMF_SVG_INLINE_IMAGES;
    wmfD_Rect played{};
    const wmf_error_t outcome = wmf_play(api, 0, &played);
    device->out = nullptr;
    if (outcome != wmf_E_None)
        damaged(name);
    if (out.overflowed)
        tooLarge(width, height);
    return drawSvg(withImagesMended(withTextsMended(out.svg)), name, width, height);
}

// ---- EMF ----

namespace {

constexpr quint32 EmrHeader = 1;
constexpr quint32 EmrEof = 14;
constexpr int EmfHeaderMinimum = 88;

struct EmfLayout {
    DrawingCost cost;
    qint32 boundsLeft = 0, boundsTop = 0, boundsRight = 0, boundsBottom = 0;
    qint32 frameLeft = 0, frameTop = 0, frameRight = 0, frameBottom = 0; // 0.01 mm
    qint32 devicePixelsX = 0, devicePixelsY = 0;                         // reference device
    qint32 deviceMillimetresX = 0, deviceMillimetresY = 0;
};

// Records whose size is mostly a bitmap (bounded by its pixels) or a
// comment (not drawn).
bool carriesBitmap(quint32 type)
{
    switch (type) {
    case 70:  // GDICOMMENT
    case 76:  // BITBLT
    case 77:  // STRETCHBLT
    case 78:  // MASKBLT
    case 79:  // PLGBLT
    case 80:  // SETDIBITSTODEVICE
    case 81:  // STRETCHDIBITS
    case 93:  // CREATEMONOBRUSH
    case 94:  // CREATEDIBPATTERNBRUSHPT
    case 114: // ALPHABLEND
    case 116: // TRANSPARENTBLT
        return true;
    default:
        return false;
    }
}

EmfLayout checkEmf(const QByteArray &bytes, const QString &name)
{
    if (metafileKind(bytes) != MetafileKind::Emf)
        damaged(name);
    const quint32 headerSize = u32At(bytes, 4);
    if (headerSize < EmfHeaderMinimum || headerSize % 4 != 0 || headerSize > quint64(bytes.size()))
        damaged(name);
    EmfLayout layout;
    layout.boundsLeft = s32At(bytes, 8);
    layout.boundsTop = s32At(bytes, 12);
    layout.boundsRight = s32At(bytes, 16);
    layout.boundsBottom = s32At(bytes, 20);
    layout.frameLeft = s32At(bytes, 24);
    layout.frameTop = s32At(bytes, 28);
    layout.frameRight = s32At(bytes, 32);
    layout.frameBottom = s32At(bytes, 36);
    layout.devicePixelsX = s32At(bytes, 72);
    layout.devicePixelsY = s32At(bytes, 76);
    layout.deviceMillimetresX = s32At(bytes, 80);
    layout.deviceMillimetresY = s32At(bytes, 84);

    qsizetype at = 0;
    while (at + 8 <= bytes.size()) {
        const quint32 type = u32At(bytes, at);
        const quint32 size = u32At(bytes, at + 4);
        if (size < 8 || size % 4 != 0 || size > quint64(bytes.size() - at) || (at == 0) != (type == EmrHeader))
            damaged(name);
        if (type == EmrEof)
            return layout;
        ++layout.cost.records;
        if (!carriesBitmap(type))
            layout.cost.drawingBytes += size;
        at += qsizetype(size);
    }
    damaged(name); // no end record
}

// Pixels per millimetre of the device the metafile was made for (96 dpi when
// the header does not say).
double referencePixelsPerMillimetre(qint32 pixels, qint32 millimetres)
{
    if (pixels > 0 && millimetres > 0)
        return double(pixels) / millimetres;
    return 96.0 / 25.4;
}

struct SvgText {
    char *data = nullptr;
    size_t length = 0;
    ~SvgText() { std::free(data); }
};

} // namespace

QImage renderEmf(const QByteArray &bytes, const QString &name, int twipsPerPixelX, int twipsPerPixelY)
{
    const EmfLayout layout = checkEmf(bytes, name);
    const double pixelsPerMmX = referencePixelsPerMillimetre(layout.devicePixelsX, layout.deviceMillimetresX);
    const double pixelsPerMmY = referencePixelsPerMillimetre(layout.devicePixelsY, layout.deviceMillimetresY);

    // The frame (hundredths of a millimetre) is the picture's own size; an
    // empty frame falls back on the bounds of what is drawn.
    double leftMm = 0, topMm = 0, widthMm = 0, heightMm = 0;
    if (layout.frameRight > layout.frameLeft && layout.frameBottom > layout.frameTop) {
        leftMm = layout.frameLeft / 100.0;
        topMm = layout.frameTop / 100.0;
        widthMm = (double(layout.frameRight) - layout.frameLeft) / 100.0;
        heightMm = (double(layout.frameBottom) - layout.frameTop) / 100.0;
    } else if (layout.boundsRight >= layout.boundsLeft && layout.boundsBottom >= layout.boundsTop) {
        leftMm = layout.boundsLeft / pixelsPerMmX;
        topMm = layout.boundsTop / pixelsPerMmY;
        widthMm = (double(layout.boundsRight) - layout.boundsLeft + 1) / pixelsPerMmX;
        heightMm = (double(layout.boundsBottom) - layout.boundsTop + 1) / pixelsPerMmY;
    } else {
        damaged(name);
    }
    const qint64 width = pixelsOf(toTwips(Millimetres{widthMm}).value, twipsPerPixelX);
    const qint64 height = pixelsOf(toTwips(Millimetres{heightMm}).value, twipsPerPixelY);
    if (width <= 0 || height <= 0)
        damaged(name);
    checkPictureSize(width, height);
    if (!layout.cost.withinBudget())
        tooLarge(width, height);

    QByteArray input = bytes; // the converter takes a writable buffer
    generatorOptions options{};
    char emptyNamespace[] = "";
    options.nameSpace = emptyNamespace;
    options.svgDelimiter = true;
    options.emfplus = false; // dual files carry plain EMF records too, which the converter knows best
    SvgText svg;
    if (emf2svg(input.data(), size_t(input.size()), &svg.data, &svg.length, &options) == 0 ||
        svg.data == nullptr)
        damaged(name);
    if (qint64(svg.length) > MaxConverterOutputBytes)
        tooLarge(width, height);
    // The converter's drawing is in reference-device pixels, shifted by the
    // bounds' top left; show exactly the frame of it.
    const QRectF frame(leftMm * pixelsPerMmX - layout.boundsLeft, topMm * pixelsPerMmY - layout.boundsTop,
                       widthMm * pixelsPerMmX, heightMm * pixelsPerMmY);
    return drawSvg(QByteArray(svg.data, qsizetype(svg.length)), name, width, height, frame);
}

} // namespace porkane
