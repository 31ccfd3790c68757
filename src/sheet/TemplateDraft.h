#pragma once

// The template the designer is working on: its name, the sheet size and a
// working table of up to 20 labels, with the rules for adding, deleting and
// bounding them, the preview's scale and dragging a label in the preview.
// The designer window shows it and passes the user's edits in; the draft
// tells it what changed.

#include <array>
#include <optional>

#include <QObject>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

#include "sheet/SheetTemplate.h"

namespace porkane {

class TemplateDraft : public QObject {
    Q_OBJECT
public:
    // The sheet fields take at most this many millimetres.
    static constexpr int MaxSheetSize = 1000;
    static constexpr int MinZoom = 1;
    static constexpr int MaxZoom = 10;
    static constexpr int DefaultZoom = 2;
    static constexpr SheetTemplate::Geometry NewLabelGeometry = {0, 0, 20, 20, 0, 0};

    enum class Deletion {
        Deleted,
        FirstLabel, // label 1 is never deleted
        LabelsKept, // over the editor no label is deleted
    };

    enum class Replacement {
        Replaced,
        NoLabels,     // a template needs 1 to 20 labels
        TooFewLabels, // over the editor the document's labels stay
    };

    explicit TemplateDraft(QObject *parent = nullptr);

    // Starts over on `sheet` (at least one label, at most 20). The values
    // are taken as they are, not held to the bounds of the fields; the last
    // label is current, as though each had been added in turn. A fresh
    // draft is not modified.
    void reset(const SheetTemplate &sheet, const QString &name);

    // Over the editor the labels keep their texts, so none may be deleted.
    void setKeepsLabels(bool keeps) { keepsLabels_ = keeps; }
    bool canDeleteLabels() const { return !keepsLabels_ && labelCount_ > 1; }
    // The fewest labels a whole new layout may have: over the editor as
    // many as the document had when the draft started, otherwise 1.
    int minimumLabelCount() const { return keepsLabels_ ? labelsAtStart_ : 1; }

    // Puts a whole layout in place at once, as though the user had typed it
    // (a product chosen, a grid laid out): the sheet size (held to its
    // bounds), the label count and all 20 rows of `sheet`, and the name when
    // one is given. Label 1 becomes current and the draft is modified.
    // Refused, changing nothing, for fewer than minimumLabelCount() labels.
    // Why a layout of fewer labels is refused over the editor.
    static QString tooFewLabelsMessage(int minimum);
    Replacement replaceTemplate(const SheetTemplate &sheet, const std::optional<QString> &name = std::nullopt);

    const QString &name() const { return name_; }
    bool hasName() const { return !name_.trimmed().isEmpty(); }
    void setName(const QString &name);

    int sheetWidth() const { return sheetWidth_; }
    int sheetHeight() const { return sheetHeight_; }
    // Held to 0 to MaxSheetSize; returns the value kept.
    int setSheetWidth(int millimetres);
    int setSheetHeight(int millimetres);

    int labelCount() const { return labelCount_; }
    int currentLabel() const { return currentLabel_; }
    // Row 1 to 20 of the working table (rows above the count included).
    const SheetTemplate::Geometry &geometry(int label) const;

    // Labels outside 1 to labelCount() are ignored.
    void selectLabel(int label);
    // A new 20 x 20 mm label in the top-left corner, made current. False
    // when there are 20 already.
    bool addLabel();
    // Deletes the current label: later labels move down one place and
    // label 1 becomes current.
    Deletion deleteCurrentLabel();

    // The largest value a geometry item of the current label may take: the
    // offsets and sizes stay on the sheet, the print starts in the label.
    int itemMaximum(int item) const;
    // Sets an item of the current label, held to 0 to itemMaximum(item);
    // returns the value kept.
    int setItem(int item, int value);

    bool isModified() const { return modified_; }
    // The template file has been written.
    void markSaved() { modified_ = false; }

    // The template as the designer commits it: all 20 rows of the table.
    SheetTemplate toTemplate() const;

    // The preview shows 1 mm as 10 twips times the zoom.
    int zoom() const { return zoom_; }
    void setZoom(int zoom);
    double previewTwipsPerMillimetre() const { return 10.0 * zoom_; }
    // The sheet picture and a label's rectangle in screen pixels; sizes are
    // at least one pixel.
    QSize sheetPreviewPixels(int twipsPerPixelX, int twipsPerPixelY) const;
    QRect labelPreviewPixels(int label, int twipsPerPixelX, int twipsPerPixelY) const;

    // Dragging a label in the preview: grabbing makes it current, moving
    // follows the pointer in pixels, and letting go writes the new top and
    // left offsets in whole millimetres (held to their bounds).
    void beginDrag(int label);
    void dragBy(QPointF movedPixels, int twipsPerPixelX, int twipsPerPixelY);
    bool isDragging() const { return dragging_; }
    // Where the dragged label's corner is now: x the left offset, y the top
    // offset, in millimetres truncated towards zero.
    QPoint dragMillimetres() const;
    void endDrag();

signals:
    // Everything changed (reset).
    void replaced();
    void labelAdded(int label);
    void labelDeleted(int label);
    void currentLabelChanged(int label);
    // A row of the table changed, or was set to the value it had.
    void geometryChanged(int label);
    void sheetSizeChanged();
    void zoomChanged();

private:
    int setSheetSize(int &size, int millimetres);
    void setModified() { modified_ = true; }

    std::array<SheetTemplate::Geometry, SheetTemplate::MaxLabels + 1> working_{};
    QString name_;
    int sheetWidth_ = 0;
    int sheetHeight_ = 0;
    int labelCount_ = 1;
    int currentLabel_ = 1;
    int zoom_ = DefaultZoom;
    bool modified_ = false;
    bool keepsLabels_ = false;
    int labelsAtStart_ = 1;

    bool dragging_ = false;
    QPointF dragStartTwips_;
    QPointF dragTwips_;
};

} // namespace porkane
