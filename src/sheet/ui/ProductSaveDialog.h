#pragma once

#include "widgets/SkinnedWindow.h"

class QLineEdit;

namespace porkane {

class PictureButton;

// "製品として保存": the maker, product code and description under which the
// designer's template joins the list of "製品から選ぶ". OK needs a maker
// and a code.
//
// Controls (object names): acceptButton, cancelButton, makerField,
// codeField, descriptionField.
class ProductSaveDialog : public SkinnedDialog {
    Q_OBJECT
public:
    ProductSaveDialog(const QString &maker, const QString &code, QWidget *parent = nullptr);

    QString maker() const;
    QString code() const;
    QString description() const;
    bool canAccept() const;

    void done(int result) override;

private:
    void showState();

    PictureButton *acceptButton_ = nullptr;
    QLineEdit *makerField_ = nullptr;
    QLineEdit *codeField_ = nullptr;
    QLineEdit *descriptionField_ = nullptr;
};

} // namespace porkane
