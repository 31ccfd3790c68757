#include "sheet/ui/ProductChooserDialog.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "session/AppState.h"
#include "widgets/Artwork.h"
#include "widgets/BusyPointer.h"
#include "widgets/HelpGuide.h"
#include "widgets/PictureButton.h"
#include "sheet/ProductCatalogue.h"
#include "sheet/TemplateDraft.h"
#include "sheet/ui/DialogLook.h"
#include "sheet/ui/SheetSketch.h"

namespace porkane {

std::shared_ptr<const ProductCatalogue> productCatalogue(AppState &state)
{
    if (!state.productCatalogue) {
        BusyPointer::show();
        state.productCatalogue = std::make_shared<const ProductCatalogue>(ProductCatalogue::load(
            ProductCatalogue::installedCatalogueFolders(), ProductCatalogue::userProductFolder(state.dataFolder)));
        BusyPointer::clear();
    }
    return state.productCatalogue;
}

void forgetProductCatalogue(AppState &state) { state.productCatalogue.reset(); }

// --- The list ------------------------------------------------------------------

void ProductTableModel::setProducts(std::vector<const LabelProduct *> products)
{
    beginResetModel();
    products_ = std::move(products);
    endResetModel();
}

const LabelProduct *ProductTableModel::product(int row) const
{
    if (row < 0 || row >= int(products_.size()))
        return nullptr;
    return products_[std::size_t(row)];
}

int ProductTableModel::rowOf(const LabelProduct *product) const
{
    const auto found = std::find(products_.begin(), products_.end(), product);
    return found == products_.end() ? -1 : int(found - products_.begin());
}

int ProductTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(products_.size());
}

int ProductTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ProductTableModel::data(const QModelIndex &index, int role) const
{
    const LabelProduct *shown = product(index.row());
    if (!shown)
        return {};
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case MakerColumn:
            return shown->maker;
        case CodeColumn:
            return shown->code;
        case PaperColumn:
            return shown->paperName;
        case CountColumn:
            return shown->labelCount();
        case SizeColumn:
            return shown->labelSizeText();
        case DescriptionColumn:
            return shown->description;
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && (index.column() == CountColumn || index.column() == SizeColumn))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole)
        return shown->fromUser ? tr("%1（保存した製品）").arg(shown->description) : shown->description;
    return {};
}

QVariant ProductTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case MakerColumn:
        return tr("メーカー");
    case CodeColumn:
        return tr("製品番号");
    case PaperColumn:
        return tr("用紙");
    case CountColumn:
        return tr("面数");
    case SizeColumn:
        return tr("ラベル (mm)");
    case DescriptionColumn:
        return tr("説明");
    default:
        return {};
    }
}

// --- The dialog ------------------------------------------------------------------

ProductChooserDialog::ProductChooserDialog(AppState &state, int minimumLabels, QWidget *parent)
    : SkinnedDialog(TitleBar | MaximiseButton | CloseButton | ResizeGrip, parent),
      catalogue_(productCatalogue(state)), minimumLabels_(minimumLabels)
{
    setObjectName(QStringLiteral("productChooser"));
    setTitle(tr("製品から選ぶ"));
    HelpGuide::addKey(this, GuideSection::Products);
    buildControls();
    showCatalogueState();
    search(QString());
    resize(960, 600);
    searchField_->setFocus();
}

ProductChooserDialog::~ProductChooserDialog() = default;

void ProductChooserDialog::buildControls()
{
    setStyleSheet(designerStyleSheet());

    auto *toolbar = new QHBoxLayout;
    toolbar->setSpacing(8);
    acceptButton_ = artwork::makeCommandButton(this, QStringLiteral("acceptButton"), QStringLiteral("ok"),
                                               tr("Ｏ   Ｋ"), tr("選んだ製品をフォームにします。"));
    PictureButton *cancel = artwork::makeCommandButton(this, QStringLiteral("cancelButton"), QStringLiteral("close"),
                                                       tr("キャンセル"), tr("フォームを変えずに閉じます。"));
    connect(acceptButton_, &PictureButton::clicked, this, &QDialog::accept);
    connect(cancel, &PictureButton::clicked, this, &QDialog::reject);
    toolbar->addWidget(acceptButton_);
    toolbar->addWidget(cancel);
    toolbar->addStretch(1);

    auto *listGroup = new QGroupBox(tr("製品"), this);
    auto *listLayout = new QVBoxLayout(listGroup);
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(tr("検索："), listGroup));
    searchField_ = new QLineEdit(listGroup);
    searchField_->setObjectName(QStringLiteral("searchField"));
    searchField_->setPlaceholderText(tr("メーカー・製品番号・用紙・面数（例：L7160、12面、A4）"));
    searchField_->setClearButtonEnabled(true);
    searchField_->setMaxLength(100);
    searchField_->installEventFilter(this);
    connect(searchField_, &QLineEdit::textChanged, this, &ProductChooserDialog::search);
    connect(searchField_, &QLineEdit::returnPressed, this, [this] {
        if (canAccept())
            accept();
    });
    searchRow->addWidget(searchField_, 1);
    matchCount_ = new QLabel(listGroup);
    matchCount_->setObjectName(QStringLiteral("matchCount"));
    matchCount_->setMinimumWidth(70);
    matchCount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    searchRow->addWidget(matchCount_);
    listLayout->addLayout(searchRow);

    table_ = new QTableView(listGroup);
    table_->setObjectName(QStringLiteral("productTable"));
    table_->setModel(&model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    QHeaderView *header = table_->horizontalHeader();
    header->setStretchLastSection(true);
    header->setHighlightSections(false);
    const std::array<int, ProductTableModel::ColumnCount - 1> widths = {110, 120, 90, 48, 100};
    for (std::size_t column = 0; column < widths.size(); ++column)
        header->resizeSection(int(column), widths[column]);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                chosen_ = model_.product(current.row());
                showChosen();
            });
    connect(table_, &QAbstractItemView::doubleClicked, this, [this] {
        if (canAccept())
            accept();
    });
    listLayout->addWidget(table_, 1);

    auto *previewGroup = new QGroupBox(tr("フォームイメージ"), this);
    auto *previewLayout = new QVBoxLayout(previewGroup);
    sketch_ = new SheetSketch(previewGroup);
    summary_ = new QLabel(previewGroup);
    summary_->setObjectName(QStringLiteral("productSummary"));
    summary_->setWordWrap(true);
    summary_->setMinimumHeight(summary_->fontMetrics().height() * 4);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note_ = new QLabel(previewGroup);
    note_->setObjectName(QStringLiteral("productNote"));
    note_->setProperty("role", QStringLiteral("note"));
    note_->setWordWrap(true);
    note_->setMinimumHeight(note_->fontMetrics().height() * 2);
    note_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    previewLayout->addWidget(sketch_, 1);
    previewLayout->addWidget(summary_);
    previewLayout->addWidget(note_);
    previewGroup->setMinimumWidth(290);

    auto *columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addWidget(listGroup, 3);
    columns->addWidget(previewGroup, 1);

    statusLine_ = makeStatusLine(this, QStringLiteral("statusLine"));
    auto *statusRow = new QHBoxLayout;
    statusRow->setContentsMargins(4, 0, GripSize + 6, 0);
    statusRow->addWidget(statusLine_, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(toolbar);
    layout->addLayout(columns, 1);
    layout->addLayout(statusRow);
}

void ProductChooserDialog::showCatalogueState()
{
    QString status;
    if (catalogue_->catalogueMissing())
        status = tr("製品カタログ（glabels-data）がインストールされていません。保存した製品だけを表示します。");
    else if (!catalogue_->problems().isEmpty())
        status = tr("読み込めなかったカタログファイルがあります: %1").arg(catalogue_->problems().join(tr("、")));
    setStatusText(statusLine_, status);
}

void ProductChooserDialog::search(const QString &query)
{
    const LabelProduct *was = chosen_;
    model_.setProducts(catalogue_->search(query));
    matchCount_->setText(tr("%1 件").arg(model_.rowCount()));
    // The chosen product stays chosen while it still matches; otherwise the
    // first match is.
    int row = model_.rowOf(was);
    if (row < 0 && model_.rowCount() > 0)
        row = 0;
    if (row >= 0) {
        table_->setCurrentIndex(model_.index(row, 0));
        table_->scrollTo(model_.index(row, 0));
    } else {
        chosen_ = nullptr;
        showChosen();
    }
}

bool ProductChooserDialog::choose(const LabelProduct *product)
{
    const int row = model_.rowOf(product);
    if (row < 0)
        return false;
    table_->setCurrentIndex(model_.index(row, 0));
    return true;
}

bool ProductChooserDialog::canAccept() const
{
    return chosen_ && std::min(chosen_->labelCount(), int(SheetTemplate::MaxLabels)) >= minimumLabels_;
}

void ProductChooserDialog::showChosen()
{
    acceptButton_->setEnabled(canAccept());
    if (!chosen_) {
        sketch_->clearSheet();
        summary_->clear();
        note_->setText(model_.rowCount() == 0 && !searchField_->text().trimmed().isEmpty()
                           ? tr("一致する製品はありません。")
                           : QString());
        return;
    }
    std::vector<SheetSketch::Label> labels;
    int number = 0;
    for (const ProductLabelPlace &place : labelPlaces(*chosen_)) {
        const bool round = place.shape != ProductLabelKind::Shape::Rectangle;
        labels.push_back({QRectF(place.left, place.top, place.width, place.height), round,
                          ++number <= SheetTemplate::MaxLabels});
    }
    sketch_->setSheet(QSizeF(chosen_->paperWidth, chosen_->paperHeight), std::move(labels));

    const auto millimetres = [](double value) { return QString::number(std::round(value * 10) / 10); };
    const QString paperSize = millimetres(chosen_->paperWidth) + QStringLiteral(" × ") +
                              millimetres(chosen_->paperHeight) + QStringLiteral(" mm");
    // A paper without a name is named by its size already.
    const QString paper = chosen_->paperName.isEmpty() || chosen_->paperName.front().isDigit()
                              ? paperSize
                              : tr("%1（%2）").arg(chosen_->paperName, paperSize);
    QString summary = tr("%1\n用紙：%2\n%3 面、ラベル %4 mm")
                          .arg(chosen_->displayName(), paper)
                          .arg(chosen_->labelCount())
                          .arg(chosen_->labelSizeText());
    if (!chosen_->description.isEmpty())
        summary += QLatin1Char('\n') + chosen_->description;
    summary_->setText(summary);
    if (!canAccept())
        note_->setText(TemplateDraft::tooFewLabelsMessage(minimumLabels_));
    else
        note_->setText(labelsLeftOutMessage(*chosen_));
}

bool ProductChooserDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Up and down in the search field move through the list.
    if (watched == searchField_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_PageUp ||
            key->key() == Qt::Key_PageDown) {
            QKeyEvent forwarded(key->type(), key->key(), key->modifiers(), key->text());
            QCoreApplication::sendEvent(table_, &forwarded);
            return true;
        }
    }
    return SkinnedDialog::eventFilter(watched, event);
}

void ProductChooserDialog::done(int result)
{
    if (result == Accepted && !canAccept())
        return;
    SkinnedDialog::done(result);
}

} // namespace porkane
