#include "sheet/ui/ProductSaveDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "widgets/Artwork.h"
#include "widgets/HelpGuide.h"
#include "widgets/PictureButton.h"
#include "sheet/ui/DialogLook.h"

namespace porkane {

namespace {

constexpr int NameLength = 60;
constexpr int DescriptionLength = 200;

} // namespace

ProductSaveDialog::ProductSaveDialog(const QString &maker, const QString &code, QWidget *parent)
    : SkinnedDialog(TitleBar | CloseButton, parent)
{
    setObjectName(QStringLiteral("productSaveDialog"));
    setTitle(tr("製品として保存"));
    HelpGuide::addKey(this, GuideSection::ProductSave);
    setStyleSheet(designerStyleSheet());

    auto *toolbar = new QHBoxLayout;
    toolbar->setSpacing(8);
    acceptButton_ = artwork::makeCommandButton(this, QStringLiteral("acceptButton"), QStringLiteral("ok"),
                                               tr("Ｏ   Ｋ"), tr("このフォームを製品として保存します。"));
    PictureButton *cancel = artwork::makeCommandButton(this, QStringLiteral("cancelButton"), QStringLiteral("close"),
                                                       tr("キャンセル"), tr("保存せずに閉じます。"));
    connect(acceptButton_, &PictureButton::clicked, this, &QDialog::accept);
    connect(cancel, &PictureButton::clicked, this, &QDialog::reject);
    toolbar->addWidget(acceptButton_);
    toolbar->addWidget(cancel);
    toolbar->addStretch(1);

    auto *group = new QGroupBox(tr("製品"), this);
    auto *fields = new QGridLayout(group);
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(6);
    const auto addField = [&](const QString &name, const QString &caption, const QString &text, int length) {
        auto *field = new QLineEdit(text, group);
        field->setObjectName(name);
        field->setMaxLength(length);
        connect(field, &QLineEdit::textChanged, this, &ProductSaveDialog::showState);
        connect(field, &QLineEdit::returnPressed, this, [this] {
            if (canAccept())
                accept();
        });
        const int row = fields->rowCount();
        fields->addWidget(new QLabel(caption, group), row, 0);
        fields->addWidget(field, row, 1);
        return field;
    };
    makerField_ = addField(QStringLiteral("makerField"), tr("メーカー："), maker, NameLength);
    codeField_ = addField(QStringLiteral("codeField"), tr("製品番号："), code, NameLength);
    descriptionField_ = addField(QStringLiteral("descriptionField"), tr("説明："), QString(), DescriptionLength);
    auto *hint = new QLabel(tr("保存した製品は「製品から選ぶ」の一覧に加わります。"), group);
    hint->setProperty("role", QStringLiteral("note"));
    fields->addWidget(hint, fields->rowCount(), 0, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 10);
    layout->setSpacing(6);
    layout->addLayout(toolbar);
    layout->addWidget(group);

    showState();
    resize(460, sizeHint().height());
    (maker.isEmpty() ? makerField_ : codeField_)->setFocus();
}

QString ProductSaveDialog::maker() const { return makerField_->text().trimmed(); }

QString ProductSaveDialog::code() const { return codeField_->text().trimmed(); }

QString ProductSaveDialog::description() const { return descriptionField_->text().trimmed(); }

bool ProductSaveDialog::canAccept() const { return !maker().isEmpty() && !code().isEmpty(); }

void ProductSaveDialog::showState() { acceptButton_->setEnabled(canAccept()); }

void ProductSaveDialog::done(int result)
{
    if (result == Accepted && !canAccept())
        return;
    SkinnedDialog::done(result);
}

} // namespace porkane
