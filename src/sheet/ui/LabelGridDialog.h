#pragma once

#include "widgets/SkinnedWindow.h"
#include "sheet/LabelGrid.h"
#include "sheet/SheetTemplate.h"

class QLabel;
class QSpinBox;

namespace porkane {

class MillimetreField;
class PictureButton;
class SheetSketch;

// "格子で配置": the numbers printed on a label package (the sheet, columns
// and rows, the label size, the top and left margins and the pitch from
// one label to the next) laid out as the template's labels, with a live
// picture. The pitches follow the label size (touching labels) until the
// user changes them. A grid that leaves the sheet, holds more than 20
// labels or, over the editor, fewer than the document has is refused
// live: the status line says why and OK is disabled.
//
// Controls (object names): acceptButton, cancelButton, sheetWidth,
// sheetHeight, columns, rows, labelWidth, labelHeight, topMargin,
// leftMargin, columnPitch, rowPitch, sheetSketch, gridSummary, statusLine.
class LabelGridDialog : public SkinnedDialog {
    Q_OBJECT
public:
    // Starts from the grid `current`'s labels form (label 1 alone when they
    // form none) on its sheet.
    LabelGridDialog(const SheetTemplate &current, int minimumLabels, QWidget *parent = nullptr);

    LabelGrid grid() const;
    int sheetWidth() const;
    int sheetHeight() const;
    // Why the grid cannot be used; empty when it can.
    QString problem() const { return problem_; }
    // The template the grid makes: the sheet, the labels in reading order.
    // Only when problem() is empty.
    SheetTemplate laidOut() const;

    void done(int result) override;

private:
    void buildControls(const LabelGrid &start);
    void showGrid();
    void followSize();

    const SheetTemplate current_;
    const int minimumLabels_;
    QString problem_;
    bool settingPitch_ = false;
    bool columnPitchSet_ = false;
    bool rowPitchSet_ = false;

    PictureButton *acceptButton_ = nullptr;
    QSpinBox *sheetWidth_ = nullptr;
    QSpinBox *sheetHeight_ = nullptr;
    QSpinBox *columns_ = nullptr;
    QSpinBox *rows_ = nullptr;
    MillimetreField *labelWidth_ = nullptr;
    MillimetreField *labelHeight_ = nullptr;
    MillimetreField *top_ = nullptr;
    MillimetreField *left_ = nullptr;
    MillimetreField *columnPitch_ = nullptr;
    MillimetreField *rowPitch_ = nullptr;
    SheetSketch *sketch_ = nullptr;
    QLabel *summary_ = nullptr;
    QLabel *statusLine_ = nullptr;
};

} // namespace porkane
