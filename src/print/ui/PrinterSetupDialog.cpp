#include "print/ui/PrinterSetupDialog.h"

#include <algorithm>

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "widgets/Artwork.h"
#include "widgets/HelpGuide.h"
#include "widgets/PictureButton.h"

namespace porkane {

namespace {

constexpr QSize PortraitPictureSize{36, 46};
constexpr QSize LandscapePictureSize{46, 36};
constexpr int ListRows = 4;

QLabel *valueLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setMinimumWidth(220);
    return label;
}

// Fills `box` with the offered values, their words and the chosen one.
template <typename Value, typename Name>
void fillCombo(QComboBox *box, const QList<Value> &values, Value chosen, Name name)
{
    box->clear();
    for (const Value value : values)
        box->addItem(name(value), int(value));
    box->setCurrentIndex(std::max(0, box->findData(int(chosen))));
    // One choice is no choice.
    box->setEnabled(values.size() > 1);
}

} // namespace

PrinterSetupDialog::PrinterSetupDialog(PrinterSetup setup, QWidget *parent)
    : SkinnedDialog(TitleBar | CloseButton, parent), setup_(std::move(setup))
{
    setObjectName(QStringLiteral("PrinterSetupDialog"));
    setTitle(tr("プリンタの設定"));
    setWindowTitle(tr("プリンタの設定"));
    HelpGuide::addKey(this, GuideSection::PrinterSetup);
    setStyleSheet(
        QStringLiteral("QGroupBox { border: 1px solid #e2b594; border-radius: 6px; margin-top: 9px;"
                       " background: rgba(255, 255, 255, 150); padding: 6px 6px 4px 6px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: #8a3c1c; }"
                       "QLabel, QRadioButton { color: #5a3622; }"
                       "QLabel:disabled { color: #b0a69c; }"
                       "QLabel#printerModel, QLabel#printerLocation, QLabel#printerComment { color: #1d3f73; }"
                       "QLabel#noPrinterMessage { color: #8a3c1c; padding: 14px 8px; }"
        // A list of a printer's sizes can be long: a scrolled list, not a
        // popup over the whole screen.
        "QComboBox { combobox-popup: 0; }"));
    if (closeButton())
        closeButton()->setToolTip(tr("設定を変えずに閉じます。"));

    auto *lower = new QGridLayout;
    lower->setHorizontalSpacing(8);
    lower->setVerticalSpacing(6);
    lower->addWidget(buildPaperGroup(), 0, 0);
    lower->addWidget(buildOrientationGroup(), 0, 1, 2, 1);
    lower->addWidget(buildPrintGroup(), 1, 0);
    lower->setColumnStretch(0, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 8);
    layout->setSpacing(6);
    layout->addWidget(buildPrinterGroup());
    layout->addLayout(lower);
    layout->addWidget(buildButtons());

    if (setup_.hasPrinters()) {
        showing_ = true;
        for (const PrinterDescription &printer : setup_.printers()) {
            auto *item = new QTreeWidgetItem(printerList_, {printerListName(printer), printerStateName(printer.state)});
            if (printer.isDefault) {
                QFont bold = item->font(0);
                bold.setBold(true);
                item->setFont(0, bold);
            }
        }
        printerList_->setCurrentItem(printerList_->topLevelItem(setup_.chosenIndex()));
        showing_ = false;
        showChosenPrinter();
        // The list, not the title bar's close button, takes the keys first.
        printerList_->setFocus();
    } else {
        printerList_->hide();
        noPrinter_->show();
        for (QGroupBox *group : settingGroups_)
            group->hide();
        okButton_->setFocus();
    }
    setFixedSize(sizeHint().expandedTo(QSize(setup_.hasPrinters() ? 520 : 400, 0)));
}

QWidget *PrinterSetupDialog::buildPrinterGroup()
{
    auto *group = new QGroupBox(tr("プリンタ"), this);
    group->setObjectName(QStringLiteral("printerGroup"));
    auto *column = new QVBoxLayout(group);
    column->setSpacing(6);

    printerList_ = new QTreeWidget(group);
    printerList_->setObjectName(QStringLiteral("printerList"));
    printerList_->setColumnCount(2);
    printerList_->setHeaderLabels({tr("プリンタ名"), tr("状態")});
    printerList_->setRootIsDecorated(false);
    printerList_->setUniformRowHeights(true);
    printerList_->setAllColumnsShowFocus(true);
    printerList_->header()->setStretchLastSection(false);
    printerList_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    printerList_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    const int rowHeight = printerList_->fontMetrics().height() + 6;
    printerList_->setFixedHeight(printerList_->header()->sizeHint().height() + ListRows * rowHeight + 4);
    connect(printerList_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (showing_ || !item)
            return;
        setup_.choosePrinter(printerList_->indexOfTopLevelItem(item));
        showChosenPrinter();
    });
    column->addWidget(printerList_);

    noPrinter_ =
        new QLabel(tr("プリンタが見つかりません。\n印刷すると、PDF ファイルに書き出します。"), group);
    noPrinter_->setObjectName(QStringLiteral("noPrinterMessage"));
    noPrinter_->setAlignment(Qt::AlignCenter);
    noPrinter_->hide();
    column->addWidget(noPrinter_);

    auto *details = new QWidget(group);
    details->setObjectName(QStringLiteral("printerDetails"));
    auto *grid = new QGridLayout(details);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    const auto addRow = [&](int row, const QString &caption, const QString &name) {
        grid->addWidget(new QLabel(caption, details), row, 0, Qt::AlignRight);
        QLabel *value = valueLabel(name, details);
        grid->addWidget(value, row, 1);
        return value;
    };
    model_ = addRow(0, tr("種類："), QStringLiteral("printerModel"));
    location_ = addRow(1, tr("場所："), QStringLiteral("printerLocation"));
    comment_ = addRow(2, tr("コメント："), QStringLiteral("printerComment"));
    grid->setColumnStretch(1, 1);
    column->addWidget(details);
    if (!setup_.hasPrinters())
        details->hide();
    return group;
}

QWidget *PrinterSetupDialog::buildPaperGroup()
{
    auto *group = new QGroupBox(tr("用紙"), this);
    group->setObjectName(QStringLiteral("paperGroup"));
    settingGroups_.append(group);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);

    paperSize_ = new QComboBox(group);
    paperSize_->setObjectName(QStringLiteral("paperSize"));
    paperSize_->setMaxVisibleItems(16);
    connect(paperSize_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (showing_ || index < 0)
            return;
        const QList<QPageSize> sizes = setup_.pageSizes();
        if (index < sizes.size())
            setup_.setPageSize(sizes.at(index));
    });
    paperSource_ = new QComboBox(group);
    paperSource_->setObjectName(QStringLiteral("paperSource"));
    connect(paperSource_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0 && !setup_.paperSources().isEmpty())
            setup_.setPaperSource(QPrinter::PaperSource(paperSource_->itemData(index).toInt()));
    });

    grid->addWidget(new QLabel(tr("サイズ："), group), 0, 0, Qt::AlignRight);
    grid->addWidget(paperSize_, 0, 1);
    grid->addWidget(new QLabel(tr("給紙方法："), group), 1, 0, Qt::AlignRight);
    grid->addWidget(paperSource_, 1, 1);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget *PrinterSetupDialog::buildOrientationGroup()
{
    auto *group = new QGroupBox(tr("印刷の向き"), this);
    group->setObjectName(QStringLiteral("orientationGroup"));
    settingGroups_.append(group);
    auto *row = new QHBoxLayout(group);
    row->setSpacing(10);

    orientationPicture_ = new QLabel(group);
    orientationPicture_->setObjectName(QStringLiteral("orientationPicture"));
    orientationPicture_->setFixedSize(LandscapePictureSize.expandedTo(PortraitPictureSize));
    orientationPicture_->setAlignment(Qt::AlignCenter);
    row->addWidget(orientationPicture_);

    auto *choices = new QVBoxLayout;
    choices->setSpacing(6);
    portrait_ = new QRadioButton(orientationName(QPageLayout::Portrait), group);
    portrait_->setObjectName(QStringLiteral("portrait"));
    landscape_ = new QRadioButton(orientationName(QPageLayout::Landscape), group);
    landscape_->setObjectName(QStringLiteral("landscape"));
    auto *buttons = new QButtonGroup(group);
    buttons->addButton(portrait_);
    buttons->addButton(landscape_);
    connect(buttons, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *button, bool checked) {
        if (showing_ || !checked)
            return;
        setup_.setOrientation(button == landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
        showOrientation();
    });
    choices->addStretch(1);
    choices->addWidget(portrait_);
    choices->addWidget(landscape_);
    choices->addStretch(1);
    row->addLayout(choices);
    row->addStretch(1);
    return group;
}

QWidget *PrinterSetupDialog::buildPrintGroup()
{
    auto *group = new QGroupBox(tr("印刷"), this);
    group->setObjectName(QStringLiteral("printGroup"));
    settingGroups_.append(group);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);

    colourMode_ = new QComboBox(group);
    colourMode_->setObjectName(QStringLiteral("colourMode"));
    connect(colourMode_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0)
            setup_.setColourMode(QPrinter::ColorMode(colourMode_->itemData(index).toInt()));
    });
    duplex_ = new QComboBox(group);
    duplex_->setObjectName(QStringLiteral("duplex"));
    connect(duplex_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0)
            setup_.setDuplex(QPrinter::DuplexMode(duplex_->itemData(index).toInt()));
    });

    grid->addWidget(new QLabel(tr("色："), group), 0, 0, Qt::AlignRight);
    grid->addWidget(colourMode_, 0, 1);
    grid->addWidget(new QLabel(tr("両面印刷："), group), 1, 0, Qt::AlignRight);
    grid->addWidget(duplex_, 1, 1);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget *PrinterSetupDialog::buildButtons()
{
    auto *area = new QWidget(this);
    auto *row = new QHBoxLayout(area);
    row->setContentsMargins(0, 2, 0, 0);
    row->setSpacing(10);
    row->addStretch(1);

    okButton_ =
        artwork::makeCommandButton(area, QStringLiteral("okButton"), QStringLiteral("ok"), tr("OK"),
                                   setup_.hasPrinters() ? tr("選んだプリンタと設定を、これからの印刷に使います。")
                                                        : tr("このウインドウを閉じます。"));
    connect(okButton_, &PictureButton::clicked, this, &QDialog::accept);
    cancelButton_ = artwork::makeCommandButton(area, QStringLiteral("cancelButton"), QStringLiteral("close"),
                                               tr("キャンセル"), tr("設定を変えずに閉じます。"));
    connect(cancelButton_, &PictureButton::clicked, this, &QDialog::reject);
    row->addWidget(okButton_);
    row->addWidget(cancelButton_);
    return area;
}

void PrinterSetupDialog::showChosenPrinter()
{
    const PrinterDescription *printer = setup_.chosenPrinter();
    if (!printer)
        return;
    showing_ = true;
    const PrinterChoices &choices = setup_.choices();

    model_->setText(printer->makeAndModel);
    location_->setText(printer->location);
    comment_->setText(printer->description);

    paperSize_->clear();
    const QList<QPageSize> sizes = setup_.pageSizes();
    int chosenSize = 0;
    for (qsizetype index = 0; index < sizes.size(); ++index) {
        paperSize_->addItem(pageSizeName(sizes.at(index)));
        if (sizes.at(index).isEquivalentTo(choices.pageSize))
            chosenSize = int(index);
    }
    paperSize_->setCurrentIndex(chosenSize);
    paperSize_->setEnabled(sizes.size() > 1);

    const QList<QPrinter::PaperSource> sources = setup_.paperSources();
    if (sources.isEmpty()) {
        paperSource_->clear();
        paperSource_->addItem(tr("プリンタの設定に従う"));
        paperSource_->setEnabled(false);
        paperSource_->setToolTip(tr("このプリンタでは、給紙方法はプリンタ側の設定で決まります。"));
    } else {
        fillCombo(paperSource_, sources, choices.paperSource, paperSourceName);
        paperSource_->setToolTip(QString());
    }
    fillCombo(colourMode_, setup_.colourModes(), choices.colourMode, colourModeName);
    fillCombo(duplex_, setup_.duplexModes(), choices.duplex, duplexName);
    showing_ = false;
    showOrientation();
}

void PrinterSetupDialog::showOrientation()
{
    const bool landscape = setup_.choices().orientation == QPageLayout::Landscape;
    showing_ = true;
    landscape_->setChecked(landscape);
    portrait_->setChecked(!landscape);
    showing_ = false;
    orientationPicture_->setPixmap(landscape ? artwork::picture(QStringLiteral("page-landscape"), LandscapePictureSize)
                                             : artwork::picture(QStringLiteral("page-portrait"), PortraitPictureSize));
}

void PrinterSetupDialog::keyPressEvent(QKeyEvent *event)
{
    // Enter confirms, as in any dialog; the buttons take it themselves
    // when they have the focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    SkinnedDialog::keyPressEvent(event);
}

} // namespace porkane
