#pragma once

// A picture of a sheet of labels scaled to fit the widget, for the product
// and grid dialogs: the white sheet, each label in its place with its
// circled number, round labels as ellipses, labels the template leaves out
// greyed and labels off the sheet outlined in red.

#include <vector>

#include <QRectF>
#include <QSizeF>
#include <QWidget>

namespace porkane {

struct SheetTemplate;

class SheetSketch : public QWidget {
    Q_OBJECT
public:
    struct Label {
        QRectF millimetres; // left, top, width, height on the sheet
        bool round = false;
        bool used = true; // false past the template's 20 labels
    };

    explicit SheetSketch(QWidget *parent = nullptr);

    void setSheet(QSizeF paperMillimetres, std::vector<Label> labels);
    // The template's sheet and labels 1 to its count.
    void setTemplate(const SheetTemplate &sheet);
    // Nothing to show.
    void clearSheet();

    QSizeF paper() const { return paper_; }
    const std::vector<Label> &labels() const { return labels_; }

    // Where a point of the sheet (in millimetres) is drawn.
    QPointF pixelOf(QPointF millimetres) const;

    QSize sizeHint() const override { return {280, 360}; }
    QSize minimumSizeHint() const override { return {120, 150}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF shownArea() const;
    double scale() const;
    QPointF origin() const;

    QSizeF paper_;
    std::vector<Label> labels_;
};

} // namespace porkane
