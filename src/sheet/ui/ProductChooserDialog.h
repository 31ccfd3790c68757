#pragma once

#include <memory>
#include <vector>

#include <QAbstractTableModel>

#include "widgets/SkinnedWindow.h"

class QLabel;
class QLineEdit;
class QTableView;

namespace porkane {

struct AppState;
struct LabelProduct;
class PictureButton;
class ProductCatalogue;
class SheetSketch;

// The label products the catalogue lists, read from the installed catalogue
// and the user's product folder the first time they are asked for and kept
// in the AppState for later.
std::shared_ptr<const ProductCatalogue> productCatalogue(AppState &state);
// The next productCatalogue() reads the files again (a product was saved).
void forgetProductCatalogue(AppState &state);

// The matching products, one a row.
class ProductTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { MakerColumn, CodeColumn, PaperColumn, CountColumn, SizeColumn, DescriptionColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setProducts(std::vector<const LabelProduct *> products);
    const LabelProduct *product(int row) const;
    int rowOf(const LabelProduct *product) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<const LabelProduct *> products_;
};

// "製品から選ぶ": a search field that narrows the list as the user types
// (maker, product code, paper, "12面", a size such as "63.5x38.1"), the
// matching products, a picture of the chosen one's sheet and the
// catalogue's problems in the status line. OK accepts the chosen product.
//
// Over the editor a product with fewer labels than the document has cannot
// be chosen (`minimumLabels`): OK stays disabled and the note says why.
//
// Controls (object names): acceptButton, cancelButton, searchField,
// matchCount, productTable, sheetSketch, productSummary, productNote,
// statusLine.
class ProductChooserDialog : public SkinnedDialog {
    Q_OBJECT
public:
    ProductChooserDialog(AppState &state, int minimumLabels, QWidget *parent = nullptr);
    ~ProductChooserDialog() override;

    // The product chosen in the list, or null.
    const LabelProduct *chosenProduct() const { return chosen_; }
    // Chooses a product if the list shows it.
    bool choose(const LabelProduct *product);
    bool canAccept() const;

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void search(const QString &query);
    void showChosen();
    void showCatalogueState();

    std::shared_ptr<const ProductCatalogue> catalogue_;
    const int minimumLabels_;
    const LabelProduct *chosen_ = nullptr;

    ProductTableModel model_;
    PictureButton *acceptButton_ = nullptr;
    QLineEdit *searchField_ = nullptr;
    QLabel *matchCount_ = nullptr;
    QTableView *table_ = nullptr;
    SheetSketch *sketch_ = nullptr;
    QLabel *summary_ = nullptr;
    QLabel *note_ = nullptr;
    QLabel *statusLine_ = nullptr;
};

} // namespace porkane
