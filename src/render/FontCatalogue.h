#pragma once

// The installed screen fonts, listed once at start-up and kept for the whole
// run: the editor's font lists and the format dialog are filled from it.
// Each row holds the face name, the character-set code a Windows program
// would see for the font and the TrueType flag (4 for outline fonts), and
// the name the lists show: one row per family, under its Japanese name
// where the font gives one (IPA明朝 for IPAMincho). Records store the face
// name; a name a file already holds, any of the family's names, finds its
// row.

#include <functional>
#include <vector>

#include <QFontDatabase>
#include <QList>
#include <QString>
#include <QStringList>

namespace porkane {

// Character-set codes of the label and format files.
enum CharSetCode : quint8 {
    AnsiCharSet = 0,
    DefaultCharSet = 1,
    SymbolCharSet = 2,
    ShiftJisCharSet = 128,
    HangulCharSet = 129,
    Gb2312CharSet = 134,
    ChineseBig5CharSet = 136,
    GreekCharSet = 161,
    VietnameseCharSet = 163,
    HebrewCharSet = 177,
    ArabicCharSet = 178,
    BalticCharSet = 186,
    RussianCharSet = 204,
    ThaiCharSet = 222,
    EastEuropeCharSet = 238,
};

struct FontCatalogueRow {
    QString faceName;
    quint8 charSet = AnsiCharSet;
    qint16 trueType = 0; // FontCatalogue::TrueTypeFlag or 0
    QString localName;   // the family's Japanese name; empty when it has none

    // What the font lists show.
    const QString &shownName() const { return localName.isEmpty() ? faceName : localName; }
};

class FontCatalogue {
public:
    static constexpr qint16 TrueTypeFlag = 4;

    // The code of the script a font is mainly for: Japanese wins over the
    // other CJK scripts, those over Latin, Latin over the rest.
    static quint8 charSetFor(const QList<QFontDatabase::WritingSystem> &systems);
    // A reported face name cut at its first NUL character.
    static QString faceNameFrom(const QString &reported);

    // Empties the catalogue and makes room for the given number of fonts
    // (one row more, as the fonts may change while they are listed).
    void begin(int screenFontCount);
    // Fills the next row; false (and nothing changes) when no row is left.
    bool add(const QString &reportedName, quint8 charSet, qint16 trueType, const QString &localName = QString());

    // The font families the system offers to this program, in its order,
    // each once: Qt lists a family once per foundry ("Nimbus Sans [urw]",
    // "Nimbus Sans [UKWN]"), and private (system-internal) families are left
    // out.
    static QStringList screenFonts();
    // A family name without the foundry Qt adds to tell families apart.
    static QString withoutFoundry(const QString &family);
    // The Japanese name an OpenType name table ("name") gives the family:
    // its Japanese family record whose English record is `family`. Empty
    // when there is none, or the table is damaged.
    static QString japaneseFamilyName(const QByteArray &nameTable, const QString &family);
    // The same for an installed family.
    static QString japaneseNameOf(const QString &family);
    // The other way: the English family record paired with the Japanese
    // record `family` (Qt lists families so under a Japanese locale).
    static QString englishFamilyName(const QByteArray &nameTable, const QString &family);
    static QString englishNameOf(const QString &family);
    // Lists `families` (normally screenFonts()) into the catalogue, calling
    // `listed` after each font with FontsListed(), so a window can show the
    // progress and let pending events run.
    void build(const QStringList &families, const std::function<void(int)> &listed = {});

    // Rows filled so far.
    int FontsListed() const { return int(rows_.size()); }
    const FontCatalogueRow &row(int index) const { return rows_.at(std::size_t(index)); }
    // Face names of rows 0 to FontsListed() - 1.
    QStringList faceNames() const;
    // The row of a face name as a record may hold it: the face name, the
    // Japanese name, either with a foundry or in another case; -1 when it is
    // not listed.
    int indexOf(const QString &faceName) const;

private:
    std::vector<FontCatalogueRow> rows_;
    int capacity_ = 0;
};

} // namespace porkane
