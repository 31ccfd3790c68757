#pragma once

#include <array>
#include <vector>

#include "widgets/SkinnedWindow.h"
#include "sheet/SheetTemplate.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;
class QSpinBox;

namespace porkane {

struct AppState;
class DragFrame;
class LabelRectangle;
class NumberField;
class PictureButton;
class SheetPicture;

// The template designer (Form3, "フォームの設定"): the template's name, the
// sheet size and up to 20 labels of six millimetre values each, with a
// scaled preview in which the labels can be dragged.
//
// By AppState::OpenMode when it starts: 1 a new template (button 1 hands
// it to the editor), 2 the .fom at DocumentPath (button 1 opens another),
// 3 the open document's template (button 1 commits it to the document).
class TemplateDesignerWindow : public SkinnedWindow {
    Q_OBJECT
public:
    static constexpr int MaxSheetSize = 1000;

    // Moves the window to its saved place; AppState::ModalMode := 1.
    explicit TemplateDesignerWindow(AppState &state, QWidget *parent = nullptr);

    // Fills the designer for OpenMode. False when the template file cannot
    // be read: the user has been told, nothing is shown and the window is
    // not to be used.
    bool start();
    // Closes without the unsaved-changes question and without bringing the
    // main menu back: the editor has taken the new template.
    void closeForEditor();

    int labelCount() const { return labelCount_; }
    int currentLabel() const { return currentLabel_; }
    bool isModified() const { return modified_; }
    // Row 1 to 20 of the working table.
    const SheetTemplate::Geometry &workingGeometry(int label) const { return working_.at(std::size_t(label)); }
    LabelRectangle *labelRectangle(int label) const;
    int zoom() const;

    // The commands of the toolbar and the label buttons.
    void openOrCommit(); // button 1
    void saveTemplate(); // button 2
    void addLabel();
    void deleteLabel();
    void selectLabel(int label);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    QWidget *buildToolbar();
    QWidget *buildFormGroups();
    QWidget *buildPreviewGroup();

    // The template as the fields show it (name aside).
    SheetTemplate fieldsTemplate() const;
    // Shows a template: one list entry and one rectangle per label.
    void showTemplate(const SheetTemplate &sheet, const QString &name);
    void showCurrentValues();
    void openAnotherTemplate();
    void commitToDocument();

    void sheetSizeChanged(NumberField *field, int value);
    void geometryChanged(int item, int value);
    void zoomChanged();
    void applySheetSize();
    void updateGeometryMaxima();
    void placeRectangle(int label);
    void setModified();

    LabelRectangle *addRectangle(int label);
    void removeAllRectangles();

    // Preview scale: 1 mm is 10 twips times the zoom.
    double twipsPerMillimetre() const;
    int toPixelsX(double twips) const;
    int toPixelsY(double twips) const;

    void beginDrag(LabelRectangle *rectangle, QPointF grabPoint);
    void followDrag(LabelRectangle *rectangle, QPointF pointer);
    void endDrag();
    void showDragInfo(const QString &separator);

    AppState &state_;
    qint16 openMode_ = 0;
    bool fromEditor_ = false;

    std::array<SheetTemplate::Geometry, SheetTemplate::MaxLabels + 1> working_{};
    int labelCount_ = 1;
    int currentLabel_ = 1;
    bool modified_ = false;
    bool started_ = false;
    bool initialising_ = false; // filling the fields: no change counts as an edit
    bool showingValues_ = false; // the fields show stored values: nothing to correct
    bool closingForEditor_ = false;
    bool committed_ = false;

    // Dragging: the label's place when grabbed (twips) and where it is now.
    bool dragging_ = false;
    QPointF grabPoint_;
    QPointF dragStartTwips_;
    QPointF dragTwips_;

    std::array<PictureButton *, 3> toolButtons_{};
    QLineEdit *nameField_ = nullptr;
    NumberField *widthField_ = nullptr;
    NumberField *heightField_ = nullptr;
    QListWidget *labelList_ = nullptr;
    PictureButton *addButton_ = nullptr;
    PictureButton *deleteButton_ = nullptr;
    std::array<NumberField *, SheetTemplate::GeometryItems> geometryFields_{};
    QScrollArea *preview_ = nullptr;
    SheetPicture *sheetPicture_ = nullptr;
    std::vector<LabelRectangle *> rectangles_; // label l at l - 1
    DragFrame *dragFrame_ = nullptr;
    QWidget *dragInfo_ = nullptr;
    QLabel *dragInfoLeft_ = nullptr;
    QLabel *dragInfoTop_ = nullptr;
    QSpinBox *zoomField_ = nullptr;
};

} // namespace porkane
