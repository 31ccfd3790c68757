#include "image/BarcodeSource.h"

#include <algorithm>

#include <QCoreApplication>

#include "core/Errors.h"
#include "image/CustomerBarcode.h"

namespace porkane {

namespace {

// lupdate files these texts under the context the translator looks them up in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(BarcodeSource)
};

constexpr char16_t FieldOpen = u'《';
constexpr char16_t FieldClose = u'》';

// Where the field starting at `open` ends, as in label text: its 》, or -1
// when the brackets make no field (no name, a line break or another 《
// inside, no 》).
qsizetype fieldEnd(const QString &text, qsizetype open)
{
    for (qsizetype index = open + 1; index < text.size(); ++index) {
        const QChar c = text[index];
        if (c == FieldClose)
            return index > open + 1 ? index : -1;
        if (c == FieldOpen || c == u'\r' || c == u'\n')
            return -1;
    }
    return -1;
}

// The text with every field replaced by `value(name)`; the names found are
// added to `names` when given.
QString replaceFields(const QString &text, const FieldValue &value, QStringList *names = nullptr)
{
    QString result;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const qsizetype end = text[index] == FieldOpen ? fieldEnd(text, index) : -1;
        if (end < 0) {
            result += text[index];
            continue;
        }
        const QString name = text.mid(index + 1, end - index - 1);
        if (names && !names->contains(name))
            names->append(name);
        if (value)
            result += value(name);
        index = end;
    }
    return result;
}

QStringList fieldNamesOf(const QString &text)
{
    QStringList names;
    replaceFields(text, {}, &names);
    return names;
}

int gtinLength(Symbology symbology)
{
    switch (symbology) {
    case Symbology::Ean13:
        return 12;
    case Symbology::Ean8:
        return 7;
    case Symbology::UpcA:
        return 11;
    case Symbology::Itf14:
        return 13;
    default:
        return 0;
    }
}

// The data with samples for its fields: zeros up to the length of a GTIN
// (its check digit 0), digits for the other linear codes, the field as it
// is written for the two-dimensional codes.
QString sampleData(Symbology symbology, const QString &data)
{
    if (fieldNamesOf(data).isEmpty())
        return data;
    if (const int length = gtinLength(symbology)) {
        qsizetype missing = std::max<qsizetype>(0, length - replaceFields(data, {}).size());
        return replaceFields(data, [&missing](const QString &) {
            const QString zeros(missing, u'0');
            missing = 0;
            return zeros;
        });
    }
    switch (symbology) {
    case Symbology::QrCode:
    case Symbology::DataMatrix:
        return data;
    case Symbology::Codabar: {
        QString sample = replaceFields(data, [](const QString &) { return QStringLiteral("012345"); });
        if (!QStringView(u"ABCD").contains(sample.front()))
            sample.prepend(u'A');
        if (!QStringView(u"ABCD").contains(sample.back()))
            sample.append(u'B');
        return sample;
    }
    default:
        return replaceFields(data, [](const QString &) { return QStringLiteral("0123456789"); });
    }
}

} // namespace

bool barcodeSymbology(const PictureSource &source, Symbology &symbology)
{
    return source.isBarcode() && symbologyForKey(source.symbology, symbology);
}

QStringList barcodeFieldNames(const PictureSource &source)
{
    Symbology symbology = Symbology::Ean13;
    if (!barcodeSymbology(source, symbology))
        return {};
    if (symbology != Symbology::JapanPost)
        return fieldNamesOf(source.data);
    QStringList names = fieldNamesOf(source.postcode);
    for (const QString &name : fieldNamesOf(source.addressB))
        if (!names.contains(name))
            names << name;
    return names;
}

BarcodeRequest barcodeRequest(const PictureSource &source, const FieldValue &value)
{
    Symbology symbology = Symbology::Ean13;
    if (!barcodeSymbology(source, symbology))
        throw UserError(Texts::tr("バーコードの設定がありません"));
    BarcodeRequest request = defaultBarcodeRequest(symbology);
    request.sizing = source.overallSize ? BarcodeSizing::OverallSize : BarcodeSizing::ModuleWidth;
    request.moduleMm = source.moduleMm;
    if (source.overallSize) {
        request.widthMm = source.widthMm;
        request.heightMm = source.heightMm;
    } else {
        request.heightMm = source.barHeightMm;
    }
    request.humanReadable = source.humanReadable;
    request.quietZone = source.quietZone;
    request.errorCorrection = QrErrorCorrection(std::clamp(source.errorCorrection, 0, 3));
    if (symbology == Symbology::JapanPost) {
        const bool sample = !value;
        const QString postcode = sample && !fieldNamesOf(source.postcode).isEmpty()
                                     ? QStringLiteral("1000013")
                                     : replaceFields(source.postcode, value);
        const QString addressB = sample && !fieldNamesOf(source.addressB).isEmpty()
                                     ? QStringLiteral("1-3-2-503")
                                     : replaceFields(source.addressB, value);
        request.data = customerBarcodeData(postcode, addressB);
    } else {
        request.data = value ? replaceFields(source.data, value) : sampleData(symbology, source.data);
    }
    return request;
}

} // namespace porkane
