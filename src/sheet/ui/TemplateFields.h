#pragma once

#include <array>

#include <QWidget>

#include "sheet/SheetTemplate.h"

class QLineEdit;
class QListWidget;

namespace porkane {

class NumberField;
class PictureButton;
class TemplateDraft;

// The designer's left column: the template's name, the sheet size, the list
// of labels with their add and delete buttons, the six millimetre fields of
// the current label and the printer's feed direction. It shows the draft and
// passes what is typed into it; deleting is left to the window, which may
// have to refuse it with a message.
class TemplateFields : public QWidget {
    Q_OBJECT
public:
    TemplateFields(TemplateDraft &draft, QWidget *parent = nullptr);

    QLineEdit *nameField() const { return nameField_; }

signals:
    void deleteRequested();

private:
    QWidget *buildNameGroup();
    QWidget *buildSizeGroup();
    QWidget *buildLabelGroup();
    QWidget *buildDirectionGroup();

    void showDraft();
    void showAddedLabel(int label);
    void showLabelsAfterDeletion();
    void showCurrentLabel(int label);
    void showCurrentValues();
    void showSheetSize();
    void updateGeometryMaxima();
    void updateDeleteButton();

    TemplateDraft &draft_;
    bool showingValues_ = false; // the fields are being set from the draft: no edit

    QLineEdit *nameField_ = nullptr;
    NumberField *widthField_ = nullptr;
    NumberField *heightField_ = nullptr;
    QListWidget *labelList_ = nullptr;
    PictureButton *addButton_ = nullptr;
    PictureButton *deleteButton_ = nullptr;
    std::array<NumberField *, SheetTemplate::GeometryItems> geometryFields_{};
};

} // namespace porkane
