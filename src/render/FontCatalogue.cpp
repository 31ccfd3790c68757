#include "render/FontCatalogue.h"

#include <QFont>
#include <QRawFont>
#include <QSet>
#include <QtEndian>

namespace porkane {

quint8 FontCatalogue::charSetFor(const QList<QFontDatabase::WritingSystem> &systems)
{
    // Checked in this order: a font covering Japanese and Latin is a
    // Japanese font, as the Windows enumeration reports it.
    static const std::pair<QFontDatabase::WritingSystem, CharSetCode> order[] = {
        {QFontDatabase::Japanese, ShiftJisCharSet},
        {QFontDatabase::Korean, HangulCharSet},
        {QFontDatabase::SimplifiedChinese, Gb2312CharSet},
        {QFontDatabase::TraditionalChinese, ChineseBig5CharSet},
        {QFontDatabase::Latin, AnsiCharSet},
        {QFontDatabase::Cyrillic, RussianCharSet},
        {QFontDatabase::Greek, GreekCharSet},
        {QFontDatabase::Vietnamese, VietnameseCharSet},
        {QFontDatabase::Hebrew, HebrewCharSet},
        {QFontDatabase::Arabic, ArabicCharSet},
        {QFontDatabase::Thai, ThaiCharSet},
        {QFontDatabase::Symbol, SymbolCharSet},
    };
    for (const auto &[system, code] : order) {
        if (systems.contains(system))
            return code;
    }
    return DefaultCharSet;
}

QString FontCatalogue::faceNameFrom(const QString &reported)
{
    const qsizetype nul = reported.indexOf(QChar(0));
    return nul < 0 ? reported : reported.left(nul);
}

void FontCatalogue::begin(int screenFontCount)
{
    rows_.clear();
    capacity_ = std::max(screenFontCount, 0) + 1;
    rows_.reserve(std::size_t(capacity_));
}

bool FontCatalogue::add(const QString &reportedName, quint8 charSet, qint16 trueType, const QString &localName)
{
    if (FontsListed() >= capacity_)
        return false;
    const QString faceName = faceNameFrom(reportedName);
    rows_.push_back({faceName, charSet, trueType, localName == faceName ? QString() : localName});
    return true;
}

QString FontCatalogue::withoutFoundry(const QString &family)
{
    if (!family.endsWith(QLatin1Char(']')))
        return family;
    const qsizetype open = family.lastIndexOf(QStringLiteral(" ["));
    return open > 0 ? family.left(open) : family;
}

QStringList FontCatalogue::screenFonts()
{
    QStringList families;
    QSet<QString> seen;
    for (const QString &family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family))
            continue;
        const QString name = withoutFoundry(family);
        if (!seen.contains(name)) {
            seen.insert(name);
            families.append(name);
        }
    }
    return families;
}

namespace {

// The English and Japanese family records of an OpenType name table that
// pair with `family`, as either of them; empty when none does, or the table
// is damaged.
struct FamilyNames {
    QString english;
    QString japanese;
};

FamilyNames familyNames(const QByteArray &table, const QString &family)
{
    // The name table: a header of three 16-bit values, then records of six
    // (platform, encoding, language, name, length, offset), then the strings.
    const auto word = [&](qsizetype at) -> int {
        return at >= 0 && at + 2 <= table.size() ? qFromBigEndian<quint16>(table.constData() + at) : -1;
    };
    const int count = word(2);
    const int strings = word(4);
    if (count < 0 || strings < 0)
        return {};
    enum { Windows = 3, Japanese = 0x0411, English = 0x0409, Family = 1, TypographicFamily = 16 };
    const auto text = [&](qsizetype record) {
        const qsizetype length = word(record + 8);
        const qsizetype at = qsizetype(strings) + word(record + 10);
        if (length < 0 || length % 2 != 0 || at + length > table.size())
            return QString();
        QString name(length / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < name.size(); ++i)
            name[i] = QChar(qFromBigEndian<quint16>(table.constData() + at + 2 * i));
        return name;
    };
    for (const int nameId : {int(TypographicFamily), int(Family)}) {
        QString english;
        QString japanese;
        for (int index = 0; index < count; ++index) {
            const qsizetype record = 6 + qsizetype(index) * 12;
            if (word(record + 10) < 0)
                return {}; // a table cut short
            const int encoding = word(record + 2);
            if (word(record) != Windows || word(record + 6) != nameId || (encoding != 1 && encoding != 10))
                continue;
            if (word(record + 4) == English && english.isEmpty())
                english = text(record);
            else if (word(record + 4) == Japanese && japanese.isEmpty())
                japanese = text(record);
        }
        // Only names paired with the family Qt lists belong to it; Qt lists
        // a family under its Japanese name when the locale is Japanese.
        english = english.trimmed();
        japanese = japanese.trimmed();
        if (english.isEmpty() || japanese.isEmpty() || english == japanese)
            continue;
        if (english.compare(family, Qt::CaseInsensitive) == 0 || japanese.compare(family, Qt::CaseInsensitive) == 0)
            return {english, japanese};
    }
    return {};
}

} // namespace

QString FontCatalogue::japaneseFamilyName(const QByteArray &table, const QString &family)
{
    const FamilyNames names = familyNames(table, family);
    return names.english.compare(family, Qt::CaseInsensitive) == 0 ? names.japanese : QString();
}

QString FontCatalogue::englishFamilyName(const QByteArray &table, const QString &family)
{
    const FamilyNames names = familyNames(table, family);
    return names.japanese.compare(family, Qt::CaseInsensitive) == 0 ? names.english : QString();
}

QString FontCatalogue::japaneseNameOf(const QString &family)
{
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    // The name table itself tells whether this is the family asked for (the
    // raw font's own name follows the locale).
    return raw.isValid() ? japaneseFamilyName(raw.fontTable("name"), family) : QString();
}

QString FontCatalogue::englishNameOf(const QString &family)
{
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    return raw.isValid() ? englishFamilyName(raw.fontTable("name"), family) : QString();
}

void FontCatalogue::build(const QStringList &families, const std::function<void(int)> &listed)
{
    begin(int(families.size()));
    for (const QString &family : families) {
        const qint16 trueType = QFontDatabase::isSmoothlyScalable(family) ? TrueTypeFlag : 0;
        // Records hold the English name whatever the locale, so files do not
        // change with the language; the lists show the Japanese one.
        QString faceName = family;
        QString localName = japaneseNameOf(family);
        if (localName.isEmpty()) {
            if (const QString english = englishNameOf(family); !english.isEmpty()) {
                faceName = english;
                localName = family;
            }
        }
        add(faceName, charSetFor(QFontDatabase::writingSystems(family)), trueType, localName);
        if (listed)
            listed(FontsListed());
    }
}

QStringList FontCatalogue::faceNames() const
{
    QStringList names;
    names.reserve(qsizetype(rows_.size()));
    for (const FontCatalogueRow &row : rows_)
        names.append(row.faceName);
    return names;
}

int FontCatalogue::indexOf(const QString &faceName) const
{
    const QString family = withoutFoundry(faceName);
    // The exact name first: two families may differ in case alone.
    for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const FontCatalogueRow &row = rows_[i];
            if (row.faceName.compare(family, sensitivity) == 0 ||
                (!row.localName.isEmpty() && row.localName.compare(family, sensitivity) == 0))
                return int(i);
        }
    }
    return -1;
}

} // namespace porkane
