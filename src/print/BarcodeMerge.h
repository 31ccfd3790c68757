#pragma once

// Barcode pictures on the printed page. A picture made in the barcode
// dialog has one pixel per screen pixel, far too coarse for bars; while its
// settings are known (until the document is saved and opened again) the job
// draws the symbol afresh from them at the printer's resolution, every bar
// whole dots, at the picture's place.
//
// Settings that name merge fields make one symbol per record: each label
// position that prints a record gets the record's symbol, placed on that
// label as the picture lies on the design label, at the picture's size.

#include <array>
#include <optional>
#include <vector>

#include <QPointF>

#include <QString>
#include <QStringList>

#include "document/LabelDocument.h"
#include "image/Barcode.h"
#include "print/MergeFields.h"
#include "print/PrintGeometry.h"

namespace porkane {

struct MergeData;

// One symbol to draw in place of a picture.
struct PrintedBarcode {
    qint32 pictureIndex = 0; // the picture it stands for: its place, layer and see-through colour
    BarcodeRequest request;
    int quarterTurns = 0;    // clockwise, as the picture was turned
    double shiftXMm = 0;     // from the picture's place to where this symbol goes
    double shiftYMm = 0;

    bool operator==(const PrintedBarcode &) const = default;
};

// The barcodes of one page.
struct PageBarcodes {
    // Pictures drawn as the symbols below instead (on this page maybe none).
    std::vector<qint32> replaced;
    std::vector<PrintedBarcode> barcodes;

    bool replaces(qint32 pictureIndex) const;
};

// The document's barcode pictures with their own data (samples for fields).
// A picture whose settings make no symbol is printed as a picture.
PageBarcodes documentBarcodes(const LabelDocument &document);

class BarcodeMerge {
public:
    // The screen's scale gives the pictures' sizes and places in millimetres.
    BarcodeMerge(const LabelDocument &document, int designLabel, ScreenScale screen);

    // Whether any barcode names a field, and which fields.
    bool isEmpty() const { return pictures_.empty(); }
    const QStringList &fieldNames() const { return fieldNames_; }
    // The fields the list does not name, as problems of row 0.
    std::vector<MergeProblem> missingFields(const MergeData &data) const;
    // Why the merge cannot run: a barcode with fields whose centre does not
    // lie on the design label. Empty when it can.
    QString placementProblem() const { return placementProblem_; }

    // The symbols of row `rowIndex` (0-based) for the design label; none
    // when a value cannot be made into its symbol, each reason then added
    // to `problems` with the row. A symbol larger than its picture (a longer
    // value) is drawn with the largest module that fits the picture.
    std::optional<std::vector<PrintedBarcode>> merge(const MergeData &data, std::size_t rowIndex,
                                                     std::vector<MergeProblem> &problems) const;

    // The page's barcodes with the merged pictures taken out of the
    // document's: they print only as records place them.
    PageBarcodes withoutMergedPictures(PageBarcodes page) const;
    // Adds the symbols of a record to the page for label `label`.
    void place(PageBarcodes &page, int label, const std::vector<PrintedBarcode> &barcodes) const;

private:
    struct Picture {
        qint32 index = 0;
        PictureSource source;
        QStringList fieldNames;
        double widthMm = 0; // the picture's size unturned: the symbol's box
        double heightMm = 0;
    };
    // Each label's top-left corner, millimetres.
    std::array<QPointF, LabelDocument::MaxLabels + 1> labelCorners_{};
    int designLabel_;
    std::vector<Picture> pictures_;
    QStringList fieldNames_;
    QString placementProblem_;
};

} // namespace porkane
