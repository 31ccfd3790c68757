#include "render/FontCatalogue.h"

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

bool FontCatalogue::add(const QString &reportedName, quint8 charSet, qint16 trueType)
{
    if (FontsListed() >= capacity_)
        return false;
    rows_.push_back({faceNameFrom(reportedName), charSet, trueType});
    return true;
}

QStringList FontCatalogue::screenFonts()
{
    QStringList families = QFontDatabase::families();
    families.removeIf([](const QString &family) { return QFontDatabase::isPrivateFamily(family); });
    return families;
}

void FontCatalogue::build(const QStringList &families, const std::function<void(int)> &listed)
{
    begin(int(families.size()));
    for (const QString &family : families) {
        const qint16 trueType = QFontDatabase::isSmoothlyScalable(family) ? TrueTypeFlag : 0;
        add(family, charSetFor(QFontDatabase::writingSystems(family)), trueType);
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
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].faceName == faceName)
            return int(i);
    }
    return -1;
}

} // namespace porkane
