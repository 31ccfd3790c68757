#include "sheet/ui/TemplateFields.h"

#include <utility>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "widgets/Artwork.h"
#include "widgets/NumberField.h"
#include "widgets/PictureButton.h"
#include "sheet/TemplateDraft.h"
#include "sheet/ui/TemplatePreview.h"

namespace porkane {

namespace {

// The fields are listed in this order of items, numbered 1 to 6 on screen.
constexpr std::array<int, SheetTemplate::GeometryItems> ShownItemOrder = {1, 0, 3, 2, 5, 4};

// The captions' runs of spaces were line breaks of a narrow caption; here
// they are shown as such.
QString shownCaption(const QString &caption)
{
    QString shown = caption;
    static const QRegularExpression spaces(QStringLiteral(" {2,}"));
    shown.replace(spaces, QStringLiteral("\n"));
    return shown;
}

} // namespace

TemplateFields::TemplateFields(TemplateDraft &draft, QWidget *parent) : QWidget(parent), draft_(draft)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    column->addWidget(buildNameGroup());
    column->addWidget(buildSizeGroup());
    column->addWidget(buildLabelGroup(), 1);
    column->addWidget(buildDirectionGroup());

    connect(&draft_, &TemplateDraft::replaced, this, &TemplateFields::showDraft);
    connect(&draft_, &TemplateDraft::labelAdded, this, &TemplateFields::showAddedLabel);
    connect(&draft_, &TemplateDraft::labelDeleted, this, &TemplateFields::showLabelsAfterDeletion);
    connect(&draft_, &TemplateDraft::currentLabelChanged, this, &TemplateFields::showCurrentLabel);
    connect(&draft_, &TemplateDraft::geometryChanged, this, [this](int label) {
        if (label == draft_.currentLabel())
            showCurrentValues();
    });
    connect(&draft_, &TemplateDraft::sheetSizeChanged, this, &TemplateFields::showSheetSize);
}

QWidget *TemplateFields::buildNameGroup()
{
    auto *group = new QGroupBox(tr("フォーム名"), this);
    nameField_ = new QLineEdit(group);
    nameField_->setObjectName(QStringLiteral("formName"));
    nameField_->setMaxLength(200);
    connect(nameField_, &QLineEdit::textChanged, &draft_, &TemplateDraft::setName);
    auto *layout = new QHBoxLayout(group);
    layout->addWidget(nameField_);
    return group;
}

QWidget *TemplateFields::buildSizeGroup()
{
    auto *group = new QGroupBox(tr("フォームサイズ"), this);
    auto *layout = new QHBoxLayout(group);
    const auto addSizeField = [&](const QString &name, const QString &caption, int (TemplateDraft::*set)(int)) {
        auto *field = new NumberField(group);
        field->setObjectName(name);
        field->setSpinnerRange(0, TemplateDraft::MaxSheetSize);
        field->setFixedWidth(78);
        layout->addWidget(new QLabel(caption, group));
        layout->addWidget(field);
        layout->addWidget(new QLabel(tr("mm"), group));
        connect(field, &QSpinBox::valueChanged, this, [this, set](int value) {
            if (!showingValues_)
                (draft_.*set)(value);
        });
        return field;
    };
    widthField_ = addSizeField(QStringLiteral("sheetWidth"), tr("横長："), &TemplateDraft::setSheetWidth);
    layout->addSpacing(12);
    heightField_ = addSizeField(QStringLiteral("sheetHeight"), tr("縦長："), &TemplateDraft::setSheetHeight);
    layout->addStretch(1);
    return group;
}

QWidget *TemplateFields::buildLabelGroup()
{
    auto *group = new QGroupBox(tr("ラベル設定"), this);
    auto *layout = new QHBoxLayout(group);
    layout->setSpacing(10);

    auto *listColumn = new QVBoxLayout;
    listColumn->setSpacing(2);
    listColumn->addWidget(new QLabel(tr("  Ｎｏ．"), group));
    labelList_ = new QListWidget(group);
    labelList_->setObjectName(QStringLiteral("labelList"));
    labelList_->setFixedWidth(64);
    QFont listFont = labelList_->font();
    listFont.setPixelSize(15);
    labelList_->setFont(listFont);
    labelList_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(labelList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            draft_.selectLabel(row + 1);
    });
    listColumn->addWidget(labelList_, 1);
    layout->addLayout(listColumn);

    auto *fieldsColumn = new QVBoxLayout;
    fieldsColumn->setSpacing(6);
    auto *labelButtons = new QHBoxLayout;
    labelButtons->setSpacing(8);
    addButton_ = artwork::makeCommandButton(group, QStringLiteral("addLabelButton"), QStringLiteral("label-add"),
                                            tr("ラベルの追加"), tr("ラベルを一つ追加します。"));
    deleteButton_ = artwork::makeCommandButton(group, QStringLiteral("deleteLabelButton"),
                                               QStringLiteral("label-delete"), tr("ラベルの削除"),
                                               tr("選択中のラベルを削除します。"));
    connect(addButton_, &PictureButton::clicked, &draft_, &TemplateDraft::addLabel);
    connect(deleteButton_, &PictureButton::clicked, this, &TemplateFields::deleteRequested);
    labelButtons->addWidget(addButton_);
    labelButtons->addWidget(deleteButton_);
    labelButtons->addStretch(1);
    fieldsColumn->addLayout(labelButtons);

    auto *fieldsGrid = new QGridLayout;
    fieldsGrid->setHorizontalSpacing(6);
    fieldsGrid->setVerticalSpacing(5);
    // The field captions, by geometry item.
    const std::array<QString, SheetTemplate::GeometryItems> captions = {
        tr("２．フォーム横端から           ラベル横端まで゜"),
        tr("1．フォーム縦端から           ラベル縦端まで゜"),
        tr("４．ラベル横長"),
        tr("３．ラベル縦長"),
        tr("６．ラベル横端からの           印刷開始位置"),
        tr("５．ラベル縦端からの           印刷開始位置"),
    };
    for (int row = 0; row < SheetTemplate::GeometryItems; ++row) {
        const int item = ShownItemOrder[std::size_t(row)];
        auto *caption = new QLabel(shownCaption(captions[std::size_t(item)]), group);
        caption->setObjectName(QStringLiteral("geometryCaption%1").arg(item));
        auto *field = new NumberField(group);
        field->setObjectName(QStringLiteral("geometryField%1").arg(item));
        field->setFixedWidth(78);
        geometryFields_[std::size_t(item)] = field;
        connect(field, &QSpinBox::valueChanged, this, [this, item](int value) {
            if (!showingValues_)
                draft_.setItem(item, value);
        });
        fieldsGrid->addWidget(caption, row, 0);
        fieldsGrid->addWidget(field, row, 1, Qt::AlignVCenter);
        fieldsGrid->addWidget(new QLabel(tr("mm"), group), row, 2);
    }
    fieldsColumn->addLayout(fieldsGrid);
    fieldsColumn->addStretch(1);
    layout->addLayout(fieldsColumn, 1);
    return group;
}

QWidget *TemplateFields::buildDirectionGroup()
{
    auto *group = new QGroupBox(tr("プリンタ挿入方向"), this);
    auto *layout = new QHBoxLayout(group);
    for (int index = 1; index <= 2; ++index) {
        auto *picture = new QLabel(group);
        picture->setObjectName(QStringLiteral("printerDirection%1").arg(index));
        picture->setPixmap(artwork::picture(QStringLiteral("printer-direction-%1").arg(index), QSize(150, 64)));
        layout->addWidget(picture);
    }
    layout->addStretch(1);
    return group;
}

void TemplateFields::showDraft()
{
    showingValues_ = true;
    labelList_->clear();
    nameField_->setText(draft_.name());
    for (int label = 1; label <= draft_.labelCount(); ++label)
        labelList_->addItem(QLatin1Char(' ') + circledNumber(label));
    updateDeleteButton();
    showingValues_ = false;

    showSheetSize();
    showCurrentLabel(draft_.currentLabel());
}

void TemplateFields::showAddedLabel(int label)
{
    labelList_->addItem(QLatin1Char(' ') + circledNumber(label));
    updateDeleteButton();
}

void TemplateFields::showLabelsAfterDeletion()
{
    updateDeleteButton();
    const QSignalBlocker blocker(labelList_);
    labelList_->clear();
    // The rebuilt entries carry no leading space.
    for (int number = 1; number <= draft_.labelCount(); ++number)
        labelList_->addItem(circledNumber(number));
}

void TemplateFields::showCurrentLabel(int label)
{
    if (labelList_->currentRow() != label - 1) {
        const QSignalBlocker blocker(labelList_);
        labelList_->setCurrentRow(label - 1);
    }
    showCurrentValues();
}

void TemplateFields::showCurrentValues()
{
    const bool wasShowing = std::exchange(showingValues_, true);
    updateGeometryMaxima();
    const SheetTemplate::Geometry &row = draft_.geometry(draft_.currentLabel());
    for (int item : ShownItemOrder) {
        NumberField *field = geometryFields_[std::size_t(item)];
        // A field already showing the value keeps its text as typed.
        if (field->value() != row[std::size_t(item)])
            field->setValue(row[std::size_t(item)]);
    }
    showingValues_ = wasShowing;
}

void TemplateFields::showSheetSize()
{
    const bool wasShowing = std::exchange(showingValues_, true);
    if (widthField_->value() != draft_.sheetWidth())
        widthField_->setValue(draft_.sheetWidth());
    if (heightField_->value() != draft_.sheetHeight())
        heightField_->setValue(draft_.sheetHeight());
    showingValues_ = wasShowing;
    updateGeometryMaxima();
}

void TemplateFields::updateGeometryMaxima()
{
    for (int item = 0; item < SheetTemplate::GeometryItems; ++item)
        geometryFields_[std::size_t(item)]->setSpinnerRange(0, draft_.itemMaximum(item));
}

void TemplateFields::updateDeleteButton() { deleteButton_->setEnabled(draft_.canDeleteLabels()); }

} // namespace porkane
