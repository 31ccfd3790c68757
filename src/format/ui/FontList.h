#pragma once

#include <QTreeWidget>

namespace porkane {

class FontCatalogue;

// The format dialog's font list (ListView1): one row per catalogue entry
// with the columns "フォント名" (the name the catalogue shows), "CharSet"
// and "data", and a small "tt" picture for TrueType fonts, "aa" for the
// others. Each row carries the face name records store (faceNameOf()).
class FontList : public QTreeWidget {
    Q_OBJECT
public:
    explicit FontList(QWidget *parent = nullptr);

    // Fills the list in catalogue order and shows the row of `faceName`, if
    // any, as current without reporting it as chosen.
    void fill(const FontCatalogue &catalogue, const QString &faceName);
    // The face name of a row.
    static QString faceNameOf(const QTreeWidgetItem *item);
};

} // namespace porkane
