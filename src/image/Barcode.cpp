#include "image/Barcode.h"

#include <cmath>
#include <memory>

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <zint.h>

#include "core/Errors.h"
#include "image/PictureLimits.h"

namespace porkane {

namespace {

// lupdate files these texts under the context the translator looks them up in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Barcode)
};

struct ZintDeleter {
    void operator()(zint_symbol *symbol) const { ZBarcode_Delete(symbol); }
};
using ZintSymbol = std::unique_ptr<zint_symbol, ZintDeleter>;

// zint's vector output puts two units on one module (at its default scale).
constexpr double UnitsPerModule = 2.0;

// The customer barcode's bar width may lie where every length the postal
// manual gives (long bar 6, timing bar 2, pitch 2 modules) stays within its
// tolerance for some size of 8 to 11.5 points.
constexpr double JapanPostMinModuleMm = 0.5667 * 0.8;
constexpr double JapanPostMaxModuleMm = 0.6 * 1.15;

// The symbology's name as the subject of a message: "JAN-13 には", "QRコードには".
QString subject(Symbology symbology)
{
    const QString name = symbologyName(symbology);
    return name.back().unicode() < 0x80 ? name + u' ' : name;
}

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool allDigits(const QString &text)
{
    for (const QChar c : text) {
        if (!isAsciiDigit(c))
            return false;
    }
    return !text.isEmpty();
}

// The modulo-10 check digit of GTINs (JAN, UPC, ITF-14): weights 3 and 1
// from the right.
int gtinCheckDigit(QStringView digits)
{
    int sum = 0;
    bool three = true;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        const int value = digits[i].unicode() - u'0';
        sum += three ? 3 * value : value;
        three = !three;
    }
    return (10 - sum % 10) % 10;
}

// A typed full-width letter, digit or sign is the half-width one: a JAN
// typed with the input method on is still a JAN.
QString halfWidth(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E)
            c = QChar(c.unicode() - 0xFF01 + 0x21);
        else if (c.unicode() == 0x3000)
            c = u' ';
    }
    return result;
}

// The data as it is checked and encoded.
QString normalisedData(Symbology symbology, const QString &data)
{
    switch (symbology) {
    case Symbology::QrCode:
    case Symbology::DataMatrix:
        return data;
    case Symbology::JapanPost:
        return halfWidth(data).toUpper();
    default:
        return halfWidth(data);
    }
}

QString gtinProblem(Symbology symbology, const QString &data, int withoutCheck)
{
    const QString name = subject(symbology);
    if (!allDigits(data) || (data.size() != withoutCheck && data.size() != withoutCheck + 1))
        return Texts::tr("%1には数字%2桁または%3桁を入力してください")
            .arg(name)
            .arg(withoutCheck)
            .arg(withoutCheck + 1);
    if (data.size() == withoutCheck + 1) {
        const int check = gtinCheckDigit(QStringView(data).left(withoutCheck));
        if (data.back().unicode() - u'0' != check)
            return Texts::tr("%1のチェックデジット（最後の桁）が違います。正しくは %2 です").arg(name).arg(check);
    }
    return QString();
}

// The first character of `data` not in `allowed`, or a null QChar.
QChar firstOutside(QStringView data, QStringView allowed)
{
    for (const QChar c : data) {
        if (!allowed.contains(c))
            return c;
    }
    return QChar();
}

QString problemOf(Symbology symbology, const QString &data)
{
    if (data.isEmpty())
        return Texts::tr("%1のデータを入力してください").arg(subject(symbology));
    switch (symbology) {
    case Symbology::Ean13:
        return gtinProblem(symbology, data, 12);
    case Symbology::Ean8:
        return gtinProblem(symbology, data, 7);
    case Symbology::UpcA:
        return gtinProblem(symbology, data, 11);
    case Symbology::Itf14:
        return gtinProblem(symbology, data, 13);
    case Symbology::Code128:
        for (const QChar c : data) {
            if (c.unicode() < 0x20 || c.unicode() > 0x7E)
                return Texts::tr("Code 128 に使えるのは半角の英数字と記号です（「%1」は使えません）").arg(c);
        }
        return QString();
    case Symbology::Code39:
        if (const QChar c = firstOutside(data, u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ -.$/+%"); !c.isNull())
            return Texts::tr("Code 39 に使えるのは数字、英大文字、空白と「- . $ / + %」です（「%1」は使えません）")
                .arg(c);
        return QString();
    case Symbology::Codabar: {
        const QStringView startStop = u"ABCD";
        if (data.size() < 3 || !startStop.contains(data.front()) || !startStop.contains(data.back()))
            return Texts::tr("NW-7 はA～Dのどれかで始めて、A～Dのどれかで終えてください（例：A12345B）");
        if (const QChar c = firstOutside(QStringView(data).mid(1, data.size() - 2), u"0123456789-$:/.+"); !c.isNull())
            return Texts::tr("NW-7 のA～Dの間に使えるのは数字と「- $ : / . +」です（「%1」は使えません）").arg(c);
        return QString();
    }
    case Symbology::QrCode:
    case Symbology::DataMatrix:
        return QString();
    case Symbology::JapanPost: {
        if (data.size() < 7 || !allDigits(data.left(7)))
            return Texts::tr("カスタマバーコードのデータは郵便番号7桁（ハイフンなし）で始めてください");
        int digits = 0;
        for (const QChar c : data) {
            if (!isAsciiDigit(c) && c != u'-' && !(c >= u'A' && c <= u'Z'))
                return Texts::tr("カスタマバーコードに使えるのは数字、ハイフンと英字です（「%1」は使えません）").arg(c);
            digits += c.isLetter() ? 2 : 1;
        }
        if (digits > 20)
            return Texts::tr("カスタマバーコードのデータは20けたまでです（英字は1文字で2けたと数えます）");
        return QString();
    }
    }
    return QString();
}

struct ZintInput {
    int symbology = 0;
    QByteArray data;
};

// What zint is given for data already checked: GTINs without their check
// digit, which zint adds itself.
ZintInput zintInput(Symbology symbology, const QString &data)
{
    switch (symbology) {
    case Symbology::Ean13:
        return {BARCODE_EANX, data.left(12).toLatin1()};
    case Symbology::Ean8:
        return {BARCODE_EANX, data.left(7).toLatin1()};
    case Symbology::UpcA:
        return {BARCODE_UPCA, data.left(11).toLatin1()};
    case Symbology::Itf14:
        return {BARCODE_ITF14, data.left(13).toLatin1()};
    case Symbology::Code128:
        return {BARCODE_CODE128, data.toLatin1()};
    case Symbology::Code39:
        return {BARCODE_CODE39, data.toLatin1()};
    case Symbology::Codabar:
        return {BARCODE_CODABAR, data.toLatin1()};
    case Symbology::QrCode:
        return {BARCODE_QRCODE, data.toUtf8()};
    case Symbology::DataMatrix:
        return {BARCODE_DATAMATRIX, data.toUtf8()};
    case Symbology::JapanPost:
        return {BARCODE_JAPANPOST, data.toLatin1()};
    }
    return {};
}

// The symbol encoded and laid out by zint. `heightModules` is the bar
// height of a linear code in modules (0: zint's own).
ZintSymbol encoded(const BarcodeRequest &request, const QString &data, double heightModules, bool vector)
{
    const ZintInput input = zintInput(request.symbology, data);
    ZintSymbol symbol(ZBarcode_Create());
    if (!symbol)
        throw UserError(Texts::tr("バーコードを作るためのメモリが足りません"));
    symbol->symbology = input.symbology;
    symbol->input_mode = UNICODE_MODE;
    symbol->output_options = request.quietZone ? BARCODE_QUIET_ZONES : BARCODE_NO_QUIET_ZONES;
    symbol->show_hrt = request.humanReadable ? 1 : 0;
    switch (request.symbology) {
    case Symbology::QrCode:
        symbol->option_1 = int(request.errorCorrection) + 1;
        break;
    case Symbology::DataMatrix:
        symbol->option_3 = DM_SQUARE;
        break;
    case Symbology::JapanPost:
        // Long bars of 6 modules and timing bars of 2, as the manual's table.
        symbol->output_options |= COMPLIANT_HEIGHT;
        break;
    default:
        if (heightModules > 0)
            symbol->height = float(heightModules);
        break;
    }
    const auto *bytes = reinterpret_cast<const unsigned char *>(input.data.constData());
    const int status = vector ? ZBarcode_Encode_and_Buffer_Vector(symbol.get(), bytes, int(input.data.size()), 0)
                              : ZBarcode_Encode(symbol.get(), bytes, int(input.data.size()));
    if (status >= ZINT_ERROR) {
        const QString name = subject(request.symbology);
        if (status == ZINT_ERROR_TOO_LONG)
            throw UserError(Texts::tr("%1にはデータが長すぎます").arg(name));
        throw UserError(Texts::tr("%1を作れませんでした（%2）").arg(name, QString::fromUtf8(symbol->errtxt)));
    }
    return symbol;
}

// The data checked and normalised; throws with the reason it is refused.
QString checkedData(Symbology symbology, const QString &data)
{
    const QString normalised = normalisedData(symbology, data);
    const QString problem = problemOf(symbology, normalised);
    if (!problem.isEmpty())
        throw UserError(problem);
    return normalised;
}

void checkPositive(double value)
{
    if (!std::isfinite(value) || value <= 0 || value > 10000)
        throw UserError(Texts::tr("バーコードの大きさは0より大きいミリメートルで指定してください"));
}

struct DotRect {
    int x, y, width, height;
    bool white;
};

struct DotText {
    double x, baseline, pixelSize;
    int align; // zint's: 0 centre, 1 left, 2 right
    QString text;
};

// The symbol in printer dots, ready to be painted or written as SVG.
struct DotLayout {
    int dpi = 0;
    int dotsPerModule = 0;
    double moduleMm = 0;
    int width = 0;
    int height = 0;
    QList<DotRect> rects;
    QList<DotText> texts;
};

DotLayout layOut(const BarcodeRequest &request, int dpi)
{
    if (dpi < MinBarcodeDpi || dpi > MaxBarcodeDpi)
        throw UserError(Texts::tr("解像度は%1～%2 dpiで指定してください").arg(MinBarcodeDpi).arg(MaxBarcodeDpi));
    const QString data = checkedData(request.symbology, request.data);
    const bool matrix = isMatrixSymbology(request.symbology);
    const bool postal = request.symbology == Symbology::JapanPost;
    const bool fixedHeight = matrix || postal;

    // Modules are whole steps of the grid: 1/300 inch, or one dot.
    const int gridDots = dpi % 300 == 0 ? dpi / 300 : 1;
    const double gridMm = 25.4 * gridDots / dpi;

    int steps = 0;
    ZintSymbol symbol;
    if (request.sizing == BarcodeSizing::ModuleWidth) {
        checkPositive(request.moduleMm);
        if (!fixedHeight)
            checkPositive(request.heightMm);
        steps = int(std::lround(request.moduleMm / gridMm));
        if (steps < 1)
            throw UserError(
                Texts::tr("モジュール（最も細いバー）が小さすぎます。%1mm 以上にしてください").arg(gridMm, 0, 'f', 3));
        const double moduleMm = steps * gridMm;
        symbol = encoded(request, data, fixedHeight ? 0 : request.heightMm / moduleMm, true);
    } else {
        checkPositive(request.widthMm);
        checkPositive(request.heightMm);
        // The first encoding tells how many modules the picture spans.
        ZintSymbol probe = encoded(request, data, fixedHeight ? 0 : 10, true);
        const double modulesWide = probe->vector->width / UnitsPerModule;
        const double modulesHigh = probe->vector->height / UnitsPerModule;
        const double fitWidth = request.widthMm / gridMm / modulesWide;
        const double fitHeight = request.heightMm / gridMm / modulesHigh;
        steps = int(std::floor((fixedHeight ? std::min(fitWidth, fitHeight) : fitWidth) + 1e-9));
        if (steps < 1)
            throw UserError(Texts::tr("%1は %2mm × %3mm には入りません。大きさを広げてください")
                                .arg(subject(request.symbology))
                                .arg(request.widthMm)
                                .arg(request.heightMm));
        if (fixedHeight) {
            symbol = std::move(probe);
        } else {
            // Whatever is not bars (text, quiet zones, bearer bars) keeps its
            // height in modules; the bars take the rest.
            const double overhead = modulesHigh - 10;
            const double barModules = request.heightMm / (steps * gridMm) - overhead;
            if (barModules < 1)
                throw UserError(Texts::tr("%1mm の高さではバーを描けません。高さを広げてください").arg(request.heightMm));
            symbol = encoded(request, data, barModules, true);
        }
    }

    DotLayout layout;
    layout.dpi = dpi;
    layout.dotsPerModule = steps * gridDots;
    layout.moduleMm = steps * gridMm;
    if (postal && (layout.moduleMm < JapanPostMinModuleMm || layout.moduleMm > JapanPostMaxModuleMm))
        throw UserError(Texts::tr("カスタマバーコードのバー幅は0.46～0.69mm（8～11.5ポイント相当）にしてください"
                                  "（このままでは %1mm）")
                            .arg(layout.moduleMm, 0, 'f', 3));

    // Every position is a multiple of a module from the same origin, so
    // rounding each edge keeps every bar's width whole.
    const double dotsPerUnit = layout.dotsPerModule / UnitsPerModule;
    const auto dot = [dotsPerUnit](float units) { return int(std::lround(units * dotsPerUnit)); };
    const zint_vector *vector = symbol->vector;
    layout.width = dot(vector->width);
    layout.height = dot(vector->height);
    checkPictureSize(layout.width, layout.height);
    for (const zint_vector_rect *rect = vector->rectangles; rect; rect = rect->next) {
        const int left = dot(rect->x);
        const int top = dot(rect->y);
        layout.rects.append(
            {left, top, dot(rect->x + rect->width) - left, dot(rect->y + rect->height) - top, rect->colour == 8});
    }
    for (const zint_vector_string *string = vector->strings; string; string = string->next) {
        layout.texts.append({string->x * dotsPerUnit, string->y * dotsPerUnit, string->fsize * dotsPerUnit,
                             string->halign,
                             QString::fromUtf8(reinterpret_cast<const char *>(string->text), string->length)});
    }
    return layout;
}

QFont textFont(double pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("IPAGothic")});
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

double textLeft(const DotText &text, double advance)
{
    switch (text.align) {
    case 1:
        return text.x;
    case 2:
        return text.x - advance;
    default:
        return text.x - advance / 2;
    }
}

QString xmlEscaped(const QString &text) { return text.toHtmlEscaped(); }

} // namespace

const QList<Symbology> &allSymbologies()
{
    static const QList<Symbology> all = {
        Symbology::Ean13, Symbology::Ean8,    Symbology::UpcA,   Symbology::Code128,    Symbology::Code39,
        Symbology::Itf14, Symbology::Codabar, Symbology::QrCode, Symbology::DataMatrix, Symbology::JapanPost};
    return all;
}

QString symbologyName(Symbology symbology)
{
    switch (symbology) {
    case Symbology::Ean13:
        return QStringLiteral("JAN-13");
    case Symbology::Ean8:
        return QStringLiteral("JAN-8");
    case Symbology::UpcA:
        return QStringLiteral("UPC-A");
    case Symbology::Code128:
        return QStringLiteral("Code 128");
    case Symbology::Code39:
        return QStringLiteral("Code 39");
    case Symbology::Itf14:
        return QStringLiteral("ITF-14");
    case Symbology::Codabar:
        return QStringLiteral("NW-7");
    case Symbology::QrCode:
        return Texts::tr("QRコード");
    case Symbology::DataMatrix:
        return Texts::tr("データマトリックス");
    case Symbology::JapanPost:
        return Texts::tr("カスタマバーコード");
    }
    return QString();
}

QString symbologyKey(Symbology symbology)
{
    switch (symbology) {
    case Symbology::Ean13:
        return QStringLiteral("ean13");
    case Symbology::Ean8:
        return QStringLiteral("ean8");
    case Symbology::UpcA:
        return QStringLiteral("upca");
    case Symbology::Code128:
        return QStringLiteral("code128");
    case Symbology::Code39:
        return QStringLiteral("code39");
    case Symbology::Itf14:
        return QStringLiteral("itf14");
    case Symbology::Codabar:
        return QStringLiteral("codabar");
    case Symbology::QrCode:
        return QStringLiteral("qr");
    case Symbology::DataMatrix:
        return QStringLiteral("datamatrix");
    case Symbology::JapanPost:
        return QStringLiteral("japanpost");
    }
    return QString();
}

bool symbologyForKey(const QString &key, Symbology &symbology)
{
    for (const Symbology each : allSymbologies()) {
        if (symbologyKey(each) == key) {
            symbology = each;
            return true;
        }
    }
    return false;
}

bool isMatrixSymbology(Symbology symbology)
{
    return symbology == Symbology::QrCode || symbology == Symbology::DataMatrix;
}

BarcodeRequest defaultBarcodeRequest(Symbology symbology)
{
    BarcodeRequest request;
    request.symbology = symbology;
    switch (symbology) {
    case Symbology::Ean13:
    case Symbology::UpcA:
        request.moduleMm = 0.33;
        request.heightMm = 22.85;
        break;
    case Symbology::Ean8:
        request.moduleMm = 0.33;
        request.heightMm = 18.23;
        break;
    case Symbology::Itf14:
        request.moduleMm = 0.5;
        request.heightMm = 32;
        break;
    case Symbology::Code128:
    case Symbology::Code39:
    case Symbology::Codabar:
        request.moduleMm = 0.25;
        request.heightMm = 10;
        break;
    case Symbology::QrCode:
    case Symbology::DataMatrix:
        request.moduleMm = 0.5;
        request.heightMm = 0;
        break;
    case Symbology::JapanPost:
        request.moduleMm = 0.6; // 10 points
        request.heightMm = 3.6;
        break;
    }
    return request;
}

QString barcodeDataProblem(Symbology symbology, const QString &data)
{
    return problemOf(symbology, normalisedData(symbology, data));
}

QString barcodeReadout(Symbology symbology, const QString &data)
{
    const QString checked = checkedData(symbology, data);
    const auto withCheck = [&checked](int withoutCheck) {
        return checked.size() == withoutCheck ? checked + QString::number(gtinCheckDigit(checked)) : checked;
    };
    switch (symbology) {
    case Symbology::Ean13:
        return withCheck(12);
    case Symbology::Ean8:
        return withCheck(7);
    case Symbology::UpcA:
        return withCheck(11);
    case Symbology::Itf14:
        return withCheck(13);
    default:
        return checked;
    }
}

EncodedBarcode encodeBarcode(const BarcodeRequest &request)
{
    const QString data = checkedData(request.symbology, request.data);
    const ZintSymbol symbol = encoded(request, data, 0, false);
    EncodedBarcode result;
    result.rows = symbol->rows;
    result.columns = symbol->width;
    for (int row = 0; row < symbol->rows; ++row) {
        QString modules(symbol->width, u'0');
        for (int column = 0; column < symbol->width; ++column) {
            // zint keeps eight modules to a byte, the first in the low bit.
            if ((symbol->encoded_data[row][column >> 3] >> (column & 7)) & 1)
                modules[column] = u'1';
        }
        result.moduleRows << modules;
    }
    result.text = QString::fromUtf8(reinterpret_cast<const char *>(symbol->text));
    return result;
}

BarcodePicture drawBarcode(const BarcodeRequest &request, int dpi)
{
    const DotLayout layout = layOut(request, dpi);
    QImage image = newPicture(layout.width, layout.height);
    image.fill(Qt::white);
    const int dotsPerMetre = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        for (const DotRect &rect : layout.rects)
            painter.fillRect(QRect(rect.x, rect.y, rect.width, rect.height), rect.white ? Qt::white : Qt::black);
        painter.setPen(Qt::black);
        for (const DotText &text : layout.texts) {
            const QFont font = textFont(text.pixelSize);
            painter.setFont(font);
            const double advance = QFontMetricsF(font).horizontalAdvance(text.text);
            painter.drawText(QPointF(textLeft(text, advance), text.baseline), text.text);
        }
    }
    // Glyph edges drawn by a font engine that ignores NoAntialias still
    // come out black or white.
    for (int y = 0; y < image.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = qGray(row[x]) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }

    BarcodePicture picture;
    picture.image = image;
    picture.dpi = dpi;
    picture.dotsPerModule = layout.dotsPerModule;
    picture.moduleMm = layout.moduleMm;
    picture.widthMm = layout.width * 25.4 / dpi;
    picture.heightMm = layout.height * 25.4 / dpi;
    return picture;
}

BarcodeSize measureBarcode(const BarcodeRequest &request, int dpi)
{
    const DotLayout layout = layOut(request, dpi);
    BarcodeSize size;
    size.width = layout.width;
    size.height = layout.height;
    size.dotsPerModule = layout.dotsPerModule;
    size.widthMm = layout.width * 25.4 / dpi;
    size.heightMm = layout.height * 25.4 / dpi;
    return size;
}

QByteArray barcodeSvg(const BarcodeRequest &request, int dpi)
{
    const DotLayout layout = layOut(request, dpi);
    const auto mm = [dpi](int dots) { return QString::number(dots * 25.4 / dpi, 'f', 4); };
    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"%1mm\" height=\"%2mm\" "
                          "viewBox=\"0 0 %3 %4\" shape-rendering=\"crispEdges\">\n")
               .arg(mm(layout.width), mm(layout.height))
               .arg(layout.width)
               .arg(layout.height);
    svg +=
        QStringLiteral("<title>%1 %2</title>\n").arg(xmlEscaped(symbologyName(request.symbology)), xmlEscaped(request.data));
    for (const DotRect &rect : layout.rects) {
        svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                   .arg(rect.x)
                   .arg(rect.y)
                   .arg(rect.width)
                   .arg(rect.height)
                   .arg(rect.white ? QStringLiteral("#ffffff") : QStringLiteral("#000000"));
    }
    for (const DotText &text : layout.texts) {
        const QString anchor = text.align == 1   ? QStringLiteral("start")
                               : text.align == 2 ? QStringLiteral("end")
                                                 : QStringLiteral("middle");
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" font-family=\"Nimbus Sans, Helvetica, Arial, sans-serif\" "
                              "font-size=\"%3\" text-anchor=\"%4\" fill=\"#000000\">%5</text>\n")
                   .arg(text.x, 0, 'f', 2)
                   .arg(text.baseline, 0, 'f', 2)
                   .arg(text.pixelSize, 0, 'f', 2)
                   .arg(anchor, xmlEscaped(text.text));
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

} // namespace porkane
