#pragma once

// Label products users buy: the catalogue Debian's glabels-data installs
// (one XML file per maker family) and the user's own products in the same
// schema. A product becomes a SheetTemplate: the sheet in whole millimetres
// and one label per layout position, in reading order.

#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

#include "sheet/SheetTemplate.h"

namespace porkane {

// One kind of label on a sheet and the grids it is laid out in; lengths in
// millimetres, exactly as converted from the file's units.
struct ProductLabelKind {
    enum class Shape { Rectangle, Round, Ellipse, Cd };
    struct Grid {
        int columns = 1;
        int rows = 1;
        double left = 0; // x0
        double top = 0;  // y0
        double columnPitch = 0; // dx
        double rowPitch = 0;    // dy
    };

    Shape shape = Shape::Rectangle;
    // The bounding rectangle: a round or CD label is as wide as its diameter.
    double width = 0;
    double height = 0;
    std::vector<Grid> grids;
};

struct LabelProduct {
    QString maker;       // brand
    QString code;        // part
    QString description; // as the catalogue writes it (mostly English)
    QString paperName;   // "A4", "US Letter", or the size for other papers
    double paperWidth = 0; // mm
    double paperHeight = 0;
    std::vector<ProductLabelKind> kinds;
    // Set for a product the catalogue lists as the same as another
    // ("equiv"): the code of that product.
    QString sameAs;
    bool fromUser = false;
    QString sourceFile;

    int labelCount() const;
    // The first kind's size, as lists show it: "63.5 × 38.1".
    QString labelSizeText() const;
    // "Avery L7160"
    QString displayName() const;
};

// Where one label of a product lies on its sheet, in millimetres as the
// catalogue gives them.
struct ProductLabelPlace {
    double top = 0;
    double left = 0;
    double width = 0;
    double height = 0;
    ProductLabelKind::Shape shape = ProductLabelKind::Shape::Rectangle;
};

// Every label of the product in reading order: rows top to bottom (tops
// within half a millimetre share a row), each row left to right. The
// template's labels are the first 20 of these.
std::vector<ProductLabelPlace> labelPlaces(const LabelProduct &product);

// A product as a template: the sheet and every position rounded to whole
// millimetres (halves to even), round labels by their bounding box, print
// start 0/0, at most 20 labels. `labelsLeftOut` gets how many positions past
// the twentieth were not used.
SheetTemplate templateFromProduct(const LabelProduct &product, int *labelsLeftOut = nullptr);

// What the designer tells when a product has more labels than a template
// holds ("この製品は 24 面です。最初の 20 面を使います。"); empty when it fits.
QString labelsLeftOutMessage(const LabelProduct &product);

class ProductCatalogue {
public:
    // Where Debian's glabels-data keeps its catalogue, for every folder of
    // XDG_DATA_DIRS (default /usr/local/share:/usr/share) that has one.
    static QStringList installedCatalogueFolders();
    // ~/.config/porkane/products (the data folder's products folder).
    static QString userProductFolder(const QString &dataFolder);

    // Reads paper-sizes.xml and every *-templates.xml of the catalogue
    // folders, then every *.xml of the user folder. A file that cannot be
    // read is skipped and named in problems(); nothing here throws.
    static ProductCatalogue load(const QStringList &catalogueFolders, const QString &userFolder);

    const std::vector<LabelProduct> &products() const { return products_; }
    // One line per skipped file or product.
    const QStringList &problems() const { return problems_; }
    // True when no catalogue folder was found: glabels-data is missing.
    bool catalogueMissing() const { return catalogueMissing_; }

    // Products whose maker, code, description, paper, size or count match
    // every word of `query` (case and width ignored; "12面" is a count).
    std::vector<const LabelProduct *> search(const QString &query) const;
    const LabelProduct *find(const QString &maker, const QString &code) const;

private:
    std::vector<LabelProduct> products_;
    QStringList problems_;
    bool catalogueMissing_ = false;
};

// The template in the catalogue's schema, one layout per label, as a user
// product the catalogue lists next time.
QByteArray userProductXml(const QString &maker, const QString &code, const QString &description,
                          const SheetTemplate &sheet);
// Writes it as <folder>/<maker>-<code>.xml (the folder made when missing)
// and returns the file's path. Throws FileError when it cannot be written.
QString saveUserProduct(const QString &folder, const QString &maker, const QString &code,
                        const QString &description, const SheetTemplate &sheet);

// A length of the catalogue ("181.4", "63.5mm", "8.5in", "0 pt") in
// millimetres; false when it is not one.
bool catalogueLengthToMillimetres(const QString &text, double &millimetres);

} // namespace porkane
