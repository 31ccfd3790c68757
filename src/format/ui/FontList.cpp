#include "format/ui/FontList.h"

#include <QHeaderView>

#include "render/FontCatalogue.h"
#include "widgets/Artwork.h"

namespace porkane {

FontList::FontList(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ListView1"));
    setHeaderLabels({tr("フォント名"), tr("CharSet"), tr("data")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->resizeSection(1, 62);
    header()->resizeSection(2, 44);
    setMinimumWidth(300);
}

void FontList::fill(const FontCatalogue &catalogue, const QString &faceName)
{
    const QIcon trueType(artwork::picture(QStringLiteral("icons/font-tt"), QSize(16, 16)));
    const QIcon other(artwork::picture(QStringLiteral("icons/font-aa"), QSize(16, 16)));
    QList<QTreeWidgetItem *> rows;
    rows.reserve(catalogue.FontsListed());
    const int currentRow = catalogue.indexOf(faceName);
    QTreeWidgetItem *current = nullptr;
    for (int index = 0; index < catalogue.FontsListed(); ++index) {
        const FontCatalogueRow &font = catalogue.row(index);
        auto *item =
            new QTreeWidgetItem({font.shownName(), QString::number(font.charSet), QString::number(font.trueType)});
        item->setData(0, Qt::UserRole, font.faceName);
        item->setIcon(0, font.trueType == FontCatalogue::TrueTypeFlag ? trueType : other);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        if (index == currentRow)
            current = item;
        rows.append(item);
    }
    addTopLevelItems(rows);
    if (current) {
        // The face in use is shown, not chosen again.
        const QSignalBlocker blocker(this);
        setCurrentItem(current);
        scrollToItem(current, QAbstractItemView::PositionAtCenter);
    }
}

QString FontList::faceNameOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

} // namespace porkane
