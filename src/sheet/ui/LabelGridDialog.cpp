#include "sheet/ui/LabelGridDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "widgets/Artwork.h"
#include "widgets/HelpGuide.h"
#include "widgets/MillimetreField.h"
#include "widgets/PictureButton.h"
#include "sheet/TemplateDraft.h"
#include "sheet/ui/DialogLook.h"
#include "sheet/ui/SheetSketch.h"

namespace porkane {

namespace {

// Wider than any sheet, so that the grid's own check names what is wrong.
constexpr double LengthMaximum = 1000;

} // namespace

LabelGridDialog::LabelGridDialog(const SheetTemplate &current, int minimumLabels, QWidget *parent)
    : SkinnedDialog(TitleBar | CloseButton | ResizeGrip, parent), current_(current), minimumLabels_(minimumLabels)
{
    setObjectName(QStringLiteral("labelGridDialog"));
    setTitle(tr("格子で配置"));
    HelpGuide::addKey(this, GuideSection::Grid);
    const LabelGrid start = LabelGrid::of(current);
    // Pitches that differ from the size were set on purpose: they stay.
    columnPitchSet_ = start.columnPitch != start.labelWidth;
    rowPitchSet_ = start.rowPitch != start.labelHeight;
    buildControls(start);
    showGrid();
    resize(760, 520);
    columns_->setFocus();
    columns_->selectAll();
}

void LabelGridDialog::buildControls(const LabelGrid &start)
{
    setStyleSheet(designerStyleSheet());

    auto *toolbar = new QHBoxLayout;
    toolbar->setSpacing(8);
    acceptButton_ = artwork::makeCommandButton(this, QStringLiteral("acceptButton"), QStringLiteral("ok"),
                                               tr("Ｏ   Ｋ"), tr("この並びでラベルを置き換えます。"));
    PictureButton *cancel = artwork::makeCommandButton(this, QStringLiteral("cancelButton"), QStringLiteral("close"),
                                                       tr("キャンセル"), tr("フォームを変えずに閉じます。"));
    connect(acceptButton_, &PictureButton::clicked, this, &QDialog::accept);
    connect(cancel, &PictureButton::clicked, this, &QDialog::reject);
    toolbar->addWidget(acceptButton_);
    toolbar->addWidget(cancel);
    toolbar->addStretch(1);

    auto *panel = new QWidget(this);
    panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(6);

    // One group of captioned fields; each row is caption, field, unit.
    const auto group = [&](const QString &title) {
        auto *box = new QGroupBox(title, panel);
        auto *grid = new QGridLayout(box);
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(5);
        grid->setColumnMinimumWidth(0, 120);
        panelLayout->addWidget(box);
        return grid;
    };
    const auto addRow = [](QGridLayout *grid, QWidget *field, const QString &name, const QString &caption,
                               const QString &unit, const QString &toolTip) {
        field->setObjectName(name);
        field->setFixedWidth(78);
        field->setToolTip(toolTip);
        const int row = grid->rowCount();
        auto *label = new QLabel(caption, field->parentWidget());
        label->setToolTip(toolTip);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(new QLabel(unit, field->parentWidget()), row, 2);
    };
    const auto wholeField = [this](QGridLayout *grid, int minimum, int maximum, int value) {
        auto *field = new QSpinBox(grid->parentWidget());
        field->setRange(minimum, maximum);
        field->setValue(value);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        connect(field, &QSpinBox::valueChanged, this, &LabelGridDialog::showGrid);
        return field;
    };
    const auto lengthField = [this](QGridLayout *grid, double value) {
        auto *field = new MillimetreField(grid->parentWidget());
        field->setRange(0, LengthMaximum);
        field->setValue(value);
        connect(field, &QDoubleSpinBox::valueChanged, this, &LabelGridDialog::showGrid);
        return field;
    };

    QGridLayout *sheetGroup = group(tr("用紙"));
    sheetWidth_ = wholeField(sheetGroup, 1, TemplateDraft::MaxSheetSize, current_.SheetWidth);
    sheetHeight_ = wholeField(sheetGroup, 1, TemplateDraft::MaxSheetSize, current_.SheetHeight);
    addRow(sheetGroup, sheetWidth_, QStringLiteral("sheetWidth"), tr("横長："), tr("mm"), tr("用紙の幅"));
    addRow(sheetGroup, sheetHeight_, QStringLiteral("sheetHeight"), tr("縦長："), tr("mm"), tr("用紙の高さ"));

    QGridLayout *countGroup = group(tr("ラベルの数"));
    columns_ = wholeField(countGroup, 1, SheetTemplate::MaxLabels, start.columns);
    rows_ = wholeField(countGroup, 1, SheetTemplate::MaxLabels, start.rows);
    addRow(countGroup, columns_, QStringLiteral("columns"), tr("列（横に）："), tr("列"), tr("横に並ぶラベルの数"));
    addRow(countGroup, rows_, QStringLiteral("rows"), tr("行（縦に）："), tr("行"), tr("縦に並ぶラベルの数"));

    QGridLayout *sizeGroup = group(tr("ラベルの大きさ"));
    labelWidth_ = lengthField(sizeGroup, start.labelWidth);
    labelHeight_ = lengthField(sizeGroup, start.labelHeight);
    addRow(sizeGroup, labelWidth_, QStringLiteral("labelWidth"), tr("ラベル横長："), tr("mm"), tr("ラベルの幅"));
    addRow(sizeGroup, labelHeight_, QStringLiteral("labelHeight"), tr("ラベル縦長："), tr("mm"),
           tr("ラベルの高さ"));

    QGridLayout *placeGroup = group(tr("位置"));
    top_ = lengthField(placeGroup, start.top);
    left_ = lengthField(placeGroup, start.left);
    columnPitch_ = lengthField(placeGroup, start.columnPitch);
    rowPitch_ = lengthField(placeGroup, start.rowPitch);
    addRow(placeGroup, top_, QStringLiteral("topMargin"), tr("上余白："), tr("mm"),
           tr("用紙の上端から一行目のラベルの上端まで"));
    addRow(placeGroup, left_, QStringLiteral("leftMargin"), tr("左余白："), tr("mm"),
           tr("用紙の左端から一列目のラベルの左端まで"));
    addRow(placeGroup, columnPitch_, QStringLiteral("columnPitch"), tr("横ピッチ："), tr("mm"),
           tr("ラベルの左端から右隣のラベルの左端まで。ラベルが接していればラベル横長と同じです。"));
    addRow(placeGroup, rowPitch_, QStringLiteral("rowPitch"), tr("縦ピッチ："), tr("mm"),
           tr("ラベルの上端から下のラベルの上端まで。ラベルが接していればラベル縦長と同じです。"));
    panelLayout->addStretch(1);

    // A pitch the user has not changed follows the label size.
    connect(labelWidth_, &QDoubleSpinBox::valueChanged, this, &LabelGridDialog::followSize);
    connect(labelHeight_, &QDoubleSpinBox::valueChanged, this, &LabelGridDialog::followSize);
    connect(columnPitch_, &QDoubleSpinBox::valueChanged, this, [this] {
        if (!settingPitch_)
            columnPitchSet_ = true;
    });
    connect(rowPitch_, &QDoubleSpinBox::valueChanged, this, [this] {
        if (!settingPitch_)
            rowPitchSet_ = true;
    });

    auto *previewGroup = new QGroupBox(tr("フォームイメージ"), this);
    auto *previewLayout = new QVBoxLayout(previewGroup);
    sketch_ = new SheetSketch(previewGroup);
    summary_ = new QLabel(previewGroup);
    summary_->setObjectName(QStringLiteral("gridSummary"));
    previewLayout->addWidget(sketch_, 1);
    previewLayout->addWidget(summary_);

    auto *columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addWidget(panel, 0);
    columns->addWidget(previewGroup, 1);

    statusLine_ = makeStatusLine(this, QStringLiteral("statusLine"));
    auto *statusRow = new QHBoxLayout;
    statusRow->setContentsMargins(4, 0, GripSize + 6, 0);
    statusRow->addWidget(statusLine_, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(toolbar);
    layout->addLayout(columns, 1);
    layout->addLayout(statusRow);
}

void LabelGridDialog::followSize()
{
    settingPitch_ = true;
    if (!columnPitchSet_)
        columnPitch_->setValue(labelWidth_->value());
    if (!rowPitchSet_)
        rowPitch_->setValue(labelHeight_->value());
    settingPitch_ = false;
    showGrid();
}

LabelGrid LabelGridDialog::grid() const
{
    LabelGrid grid;
    grid.columns = columns_->value();
    grid.rows = rows_->value();
    grid.labelWidth = labelWidth_->value();
    grid.labelHeight = labelHeight_->value();
    grid.top = top_->value();
    grid.left = left_->value();
    grid.columnPitch = columnPitch_->value();
    grid.rowPitch = rowPitch_->value();
    return grid;
}

int LabelGridDialog::sheetWidth() const { return sheetWidth_->value(); }

int LabelGridDialog::sheetHeight() const { return sheetHeight_->value(); }

SheetTemplate LabelGridDialog::laidOut() const
{
    SheetTemplate sheet = current_;
    sheet.SheetWidth = qint16(sheetWidth());
    sheet.SheetHeight = qint16(sheetHeight());
    return grid().applyTo(sheet);
}

void LabelGridDialog::showGrid()
{
    // Called while the fields are still being made.
    if (!rowPitch_ || settingPitch_)
        return;
    const LabelGrid laid = grid();
    problem_ = laid.problemOn(sheetWidth(), sheetHeight());
    if (problem_.isEmpty() && laid.labelCount() < minimumLabels_)
        problem_ = TemplateDraft::tooFewLabelsMessage(minimumLabels_);
    acceptButton_->setEnabled(problem_.isEmpty());
    setStatusText(statusLine_, problem_);
    summary_->setText(tr("%1 列 × %2 行 = %3 面").arg(laid.columns).arg(laid.rows).arg(laid.labelCount()));

    // The picture shows the grid as typed, also when it is refused, as far
    // as a template could hold it.
    std::vector<SheetSketch::Label> labels;
    for (int row = 0; row < laid.rows; ++row)
        for (int column = 0; column < laid.columns; ++column)
            labels.push_back({QRectF(laid.left + column * laid.columnPitch, laid.top + row * laid.rowPitch,
                                     laid.labelWidth, laid.labelHeight),
                              false, int(labels.size()) < SheetTemplate::MaxLabels});
    sketch_->setSheet(QSizeF(sheetWidth(), sheetHeight()), std::move(labels));
}

void LabelGridDialog::done(int result)
{
    if (result == Accepted && !problem_.isEmpty())
        return;
    SkinnedDialog::done(result);
}

} // namespace porkane
