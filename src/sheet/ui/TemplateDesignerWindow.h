#pragma once

#include <array>

#include "widgets/SkinnedWindow.h"
#include "sheet/SheetTemplate.h"
#include "sheet/TemplateDraft.h"

class QSpinBox;

namespace porkane {

struct AppState;
struct LabelProduct;
class LabelRectangle;
class PictureButton;
class TemplateFields;
class TemplatePreview;

// The template designer (Form3, "フォームの設定"): the template's name, the
// sheet size and up to 20 labels of six millimetre values each, with a
// scaled preview in which the labels can be dragged. The template and its
// rules are the TemplateDraft; the window shows it and passes edits in.
//
// By AppState::OpenMode when it starts: 1 a new template (button 1 hands
// it to the editor), 2 the .fom at DocumentPath (button 1 opens another),
// 3 the open document's template (button 1 commits it to the document).
class TemplateDesignerWindow : public SkinnedWindow {
    Q_OBJECT
public:
    static constexpr int MaxSheetSize = TemplateDraft::MaxSheetSize;

    // Moves the window to its saved place; AppState::ModalMode := 1.
    explicit TemplateDesignerWindow(AppState &state, QWidget *parent = nullptr);

    // Fills the designer for OpenMode. False when the template file cannot
    // be read: the user has been told, nothing is shown and the window is
    // not to be used.
    bool start();
    // Closes without the unsaved-changes question and without bringing the
    // main menu back: the editor has taken the new template.
    void closeForEditor();

    const TemplateDraft &draft() const { return draft_; }
    int labelCount() const { return draft_.labelCount(); }
    int currentLabel() const { return draft_.currentLabel(); }
    bool isModified() const { return draft_.isModified(); }
    // Row 1 to 20 of the working table.
    const SheetTemplate::Geometry &workingGeometry(int label) const { return draft_.geometry(label); }
    LabelRectangle *labelRectangle(int label) const;
    int zoom() const { return draft_.zoom(); }

    // The commands of the toolbar and the label buttons.
    void openOrCommit(); // button 1
    void saveTemplate(); // button 2
    void addLabel();
    void deleteLabel();
    void selectLabel(int label);

    // The label-sheet commands: "製品から選ぶ", "格子で配置", "製品として保存".
    void chooseProduct();
    void layOutGrid();
    void saveAsProduct();
    // A product's sheet and labels in place of the template, named after
    // it, as though typed; says when labels were left out. False when
    // refused (over the editor, fewer labels than the document has).
    bool useProduct(const LabelProduct &product);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QWidget *buildToolbar();
    QWidget *buildPreviewGroup();
    QWidget *buildSheetCommands(QWidget *parent);
    bool replaceTemplate(const SheetTemplate &sheet, const std::optional<QString> &name);
    void connectDraft();

    void openAnotherTemplate();
    void commitToDocument();

    // What the window does when the draft changes.
    void showDraft();
    void showSheetSize();
    void placeRectangle(int label);

    void beginDrag(int label, QPointF grabPoint);
    void followDrag(int label, QPointF pointer);
    void endDrag();
    void showDragInfo(const QString &separator);

    AppState &state_;
    TemplateDraft draft_;
    qint16 openMode_ = 0;
    bool fromEditor_ = false;

    bool started_ = false;
    bool closingForEditor_ = false;
    bool committed_ = false;

    QPointF grabPoint_; // where the dragged rectangle was grabbed

    std::array<PictureButton *, 3> toolButtons_{};
    TemplateFields *fields_ = nullptr;
    TemplatePreview *preview_ = nullptr;
    QSpinBox *zoomField_ = nullptr;
};

} // namespace porkane
