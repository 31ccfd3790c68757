#include "image/ui/BarcodeDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QCoreApplication>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

#include "image/ui/DialogStyle.h"
#include "widgets/Artwork.h"
#include "widgets/HelpGuide.h"
#include "widgets/PictureButton.h"

namespace porkane {

// The symbol scaled to fit, on a white card: the picture itself is drawn
// for the printer and is far larger than the screen needs.
class BarcodePreview : public QFrame {
public:
    explicit BarcodePreview(QWidget *parent) : QFrame(parent)
    {
        setObjectName(QStringLiteral("preview"));
        setMinimumSize(300, 190);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    void setPicture(const QImage &picture)
    {
        picture_ = picture;
        update();
    }
    const QImage &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF card = QRectF(rect()).adjusted(1, 1, -1, -1);
        painter.setPen(QPen(QColor(0xe2, 0xb5, 0x94), 1));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(card, 6, 6);
        const QRect room = rect().adjusted(14, 14, -14, -14);
        if (picture_.isNull() || room.isEmpty()) {
            painter.setPen(QColor(0xb0, 0xa6, 0x9c));
            // Under the dialog's context: this widget has no tr() of its own.
            painter.drawText(rect(), Qt::AlignCenter, QCoreApplication::translate("porkane::BarcodeDialog", "（なし）"));
            return;
        }
        QSize fitted = picture_.size().scaled(room.size(), Qt::KeepAspectRatio);
        // Never larger than twice its printed size on the screen.
        const double actual = logicalDpiX() / double(picture_.dotsPerMeterX() * 0.0254);
        if (fitted.width() > picture_.width() * actual * 2)
            fitted = (QSizeF(picture_.size()) * actual * 2).toSize();
        QRect target(QPoint(0, 0), fitted);
        target.moveCenter(room.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture_);
    }

private:
    QImage picture_;
};

namespace {

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    return label;
}

QDoubleSpinBox *millimetreBox(const QString &name, double minimum, double maximum, double step, QWidget *parent)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setDecimals(2);
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFixedWidth(84);
    return box;
}

} // namespace

BarcodeDialog::BarcodeDialog(const PictureSource &settings, QWidget *parent)
    : SkinnedDialog(TitleBar | CloseButton, parent)
{
    setObjectName(QStringLiteral("barcodeDialog"));
    setTitle(tr("バーコード作成"));
    HelpGuide::addKey(this, GuideSection::Barcodes);
    model_.startOn(settings);
    buildControls();
    connectControls();
    showModel();
    resize(780, 540);
}

void BarcodeDialog::buildControls()
{
    setStyleSheet(imageDialogStyle());

    auto *settingsColumn = new QVBoxLayout;
    settingsColumn->setSpacing(6);
    settingsColumn->addWidget(buildDataGroup());
    settingsColumn->addWidget(buildSizeGroup());
    settingsColumn->addWidget(buildLookGroup());
    settingsColumn->addStretch(1);

    auto *columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addLayout(settingsColumn, 0);
    columns->addWidget(buildPreviewGroup(), 1);

    problemLine_ = new QLabel(this);
    problemLine_->setObjectName(QStringLiteral("problemLine"));
    problemLine_->setWordWrap(true);
    problemLine_->setMinimumHeight(problemLine_->fontMetrics().height() + 2);

    auto *saveNote = new QLabel(tr("保存して開き直すと、通常の画像になります。"), this);
    saveNote->setObjectName(QStringLiteral("saveNote"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(buildToolbar());
    layout->addLayout(columns, 1);
    layout->addWidget(problemLine_);
    layout->addWidget(saveNote);
}

QWidget *BarcodeDialog::buildToolbar()
{
    auto *toolbar = new QWidget(this);
    auto *row = new QHBoxLayout(toolbar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    acceptButton_ = artwork::makeCommandButton(toolbar, QStringLiteral("acceptButton"), QStringLiteral("ok"),
                                               tr("O   K"), tr("このバーコードを画像にします。"));
    PictureButton *closeButton = artwork::makeCommandButton(
        toolbar, QStringLiteral("closeDialogButton"), QStringLiteral("close"), tr("閉じる"),
        tr("バーコードを作らずに閉じます。"));
    row->addWidget(acceptButton_);
    row->addWidget(closeButton);
    row->addStretch(1);
    connect(acceptButton_, &PictureButton::clicked, this, &BarcodeDialog::accept);
    connect(closeButton, &PictureButton::clicked, this, &BarcodeDialog::reject);
    return toolbar;
}

QWidget *BarcodeDialog::buildDataGroup()
{
    auto *group = new QGroupBox(tr("種類とデータ"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);

    symbologyBox_ = new QComboBox(group);
    symbologyBox_->setObjectName(QStringLiteral("symbologyBox"));
    for (const Symbology symbology : allSymbologies())
        symbologyBox_->addItem(symbologyName(symbology), int(symbology));

    const auto lineField = [group](const QString &name, const QString &placeholder) {
        auto *field = new QLineEdit(group);
        field->setObjectName(name);
        field->setPlaceholderText(placeholder);
        field->setMinimumWidth(250);
        return field;
    };
    dataField_ = lineField(QStringLiteral("dataField"), tr("例：4901234567894、《JAN》"));
    postcodeField_ = lineField(QStringLiteral("postcodeField"), tr("例：100-0013、《郵便番号》"));
    addressBField_ = lineField(QStringLiteral("addressBField"), tr("例：1丁目3番2号、《住所2》"));
    addressBField_->setToolTip(tr("町域名より後ろの住所（丁目・番地・号、建物名と部屋番号）"));
    dataCaption_ = caption(tr("・データ"), group);
    postcodeCaption_ = caption(tr("・郵便番号"), group);
    addressBCaption_ = caption(tr("・住所B"), group);

    readoutLine_ = new QLabel(group);
    readoutLine_->setObjectName(QStringLiteral("readoutLine"));
    readoutLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long URL must not widen the column; the tooltip shows it whole.
    readoutLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    fieldsNote_ = new QLabel(tr("《》の項目は、差し込み印刷で行ごとの値に置き換わります（ここでは見本）。"), group);
    fieldsNote_->setObjectName(QStringLiteral("fieldsNote"));
    fieldsNote_->setWordWrap(true);

    grid->addWidget(caption(tr("・種類"), group), 0, 0);
    grid->addWidget(symbologyBox_, 0, 1, Qt::AlignLeft);
    grid->addWidget(dataCaption_, 1, 0);
    grid->addWidget(dataField_, 1, 1);
    grid->addWidget(postcodeCaption_, 2, 0);
    grid->addWidget(postcodeField_, 2, 1);
    grid->addWidget(addressBCaption_, 3, 0);
    grid->addWidget(addressBField_, 3, 1);
    grid->addWidget(readoutLine_, 4, 0, 1, 2);
    grid->addWidget(fieldsNote_, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget *BarcodeDialog::buildSizeGroup()
{
    auto *group = new QGroupBox(tr("大きさ"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);

    moduleSizing_ = new QRadioButton(tr("モジュール幅で指定"), group);
    moduleSizing_->setObjectName(QStringLiteral("moduleSizing"));
    moduleSizing_->setToolTip(tr("最も細いバー（二次元コードはセル）の幅を決めます。"));
    overallSizing_ = new QRadioButton(tr("全体の大きさで指定"), group);
    overallSizing_->setObjectName(QStringLiteral("overallSizing"));
    overallSizing_->setToolTip(tr("この大きさに収まる、できるだけ大きなバーコードにします。"));

    moduleField_ = millimetreBox(QStringLiteral("moduleField"), 0.05, 5, 0.01, group);
    barHeightField_ = millimetreBox(QStringLiteral("barHeightField"), 1, 300, 0.5, group);
    widthField_ = millimetreBox(QStringLiteral("widthField"), 1, 500, 0.5, group);
    heightField_ = millimetreBox(QStringLiteral("heightField"), 1, 500, 0.5, group);
    barHeightCaption_ = caption(tr("バーの高さ"), group);

    const auto unit = [group] { return caption(tr("ｍｍ"), group); };
    grid->addWidget(moduleSizing_, 0, 0, 1, 4);
    grid->addWidget(caption(tr("　モジュール幅"), group), 1, 0);
    grid->addWidget(moduleField_, 1, 1);
    grid->addWidget(unit(), 1, 2);
    grid->addWidget(barHeightCaption_, 2, 0, Qt::AlignRight);
    grid->addWidget(barHeightField_, 2, 1);
    grid->addWidget(unit(), 2, 2);
    grid->addWidget(overallSizing_, 3, 0, 1, 4);
    grid->addWidget(caption(tr("　横"), group), 4, 0);
    grid->addWidget(widthField_, 4, 1);
    grid->addWidget(unit(), 4, 2);
    grid->addWidget(caption(tr("縦"), group), 5, 0, Qt::AlignRight);
    grid->addWidget(heightField_, 5, 1);
    grid->addWidget(unit(), 5, 2);
    grid->setColumnStretch(3, 1);
    return group;
}

QWidget *BarcodeDialog::buildLookGroup()
{
    auto *group = new QGroupBox(tr("表示"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);
    humanReadableBox_ = new QCheckBox(tr("バーの下に数字・文字を表示する"), group);
    humanReadableBox_->setObjectName(QStringLiteral("humanReadableBox"));
    quietZoneBox_ = new QCheckBox(tr("周りに余白（クワイエットゾーン）を付ける"), group);
    quietZoneBox_->setObjectName(QStringLiteral("quietZoneBox"));
    quietZoneBox_->setToolTip(tr("読み取りに必要な白い余白です。ラベルの端に寄せるときも付けておきます。"));
    errorCorrectionCaption_ = caption(tr("・誤り訂正レベル"), group);
    errorCorrectionBox_ = new QComboBox(group);
    errorCorrectionBox_->setObjectName(QStringLiteral("errorCorrectionBox"));
    errorCorrectionBox_->addItem(tr("L（約7%）"), int(QrErrorCorrection::L));
    errorCorrectionBox_->addItem(tr("M（約15%）"), int(QrErrorCorrection::M));
    errorCorrectionBox_->addItem(tr("Q（約25%）"), int(QrErrorCorrection::Q));
    errorCorrectionBox_->addItem(tr("H（約30%）"), int(QrErrorCorrection::H));
    errorCorrectionBox_->setToolTip(tr("汚れや欠けがあっても読み取れる割合です。高いほどコードは大きくなります。"));
    grid->addWidget(humanReadableBox_, 0, 0, 1, 3);
    grid->addWidget(quietZoneBox_, 1, 0, 1, 3);
    grid->addWidget(errorCorrectionCaption_, 2, 0);
    grid->addWidget(errorCorrectionBox_, 2, 1);
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget *BarcodeDialog::buildPreviewGroup()
{
    auto *group = new QGroupBox(tr("見本"), this);
    auto *column = new QVBoxLayout(group);
    preview_ = new BarcodePreview(group);
    sizeLine_ = new QLabel(group);
    sizeLine_->setObjectName(QStringLiteral("sizeLine"));
    sizeLine_->setAlignment(Qt::AlignCenter);
    column->addWidget(preview_, 1);
    column->addWidget(sizeLine_);
    return group;
}

void BarcodeDialog::connectControls()
{
    // Every edit goes to the model at once; the model's change is shown.
    connect(&model_, &BarcodeDialogModel::changed, this, &BarcodeDialog::showModel);
    const auto unlessShowing = [this](auto apply) {
        return [this, apply](auto value) {
            if (!showing_)
                apply(value);
        };
    };
    connect(symbologyBox_, &QComboBox::currentIndexChanged, this, unlessShowing([this](int index) {
                model_.setSymbology(Symbology(symbologyBox_->itemData(index).toInt()));
            }));
    connect(dataField_, &QLineEdit::textChanged, this,
            unlessShowing([this](const QString &text) { model_.setData(text); }));
    connect(postcodeField_, &QLineEdit::textChanged, this,
            unlessShowing([this](const QString &text) { model_.setPostcode(text); }));
    connect(addressBField_, &QLineEdit::textChanged, this,
            unlessShowing([this](const QString &text) { model_.setAddressB(text); }));
    connect(overallSizing_, &QRadioButton::toggled, this,
            unlessShowing([this](bool on) { model_.setOverallSize(on); }));
    connect(moduleField_, &QDoubleSpinBox::valueChanged, this,
            unlessShowing([this](double value) { model_.setModuleMm(value); }));
    connect(barHeightField_, &QDoubleSpinBox::valueChanged, this,
            unlessShowing([this](double value) { model_.setBarHeightMm(value); }));
    connect(widthField_, &QDoubleSpinBox::valueChanged, this,
            unlessShowing([this](double value) { model_.setWidthMm(value); }));
    connect(heightField_, &QDoubleSpinBox::valueChanged, this,
            unlessShowing([this](double value) { model_.setHeightMm(value); }));
    connect(humanReadableBox_, &QCheckBox::toggled, this,
            unlessShowing([this](bool on) { model_.setHumanReadable(on); }));
    connect(quietZoneBox_, &QCheckBox::toggled, this, unlessShowing([this](bool on) { model_.setQuietZone(on); }));
    connect(errorCorrectionBox_, &QComboBox::currentIndexChanged, this, unlessShowing([this](int index) {
                model_.setErrorCorrection(QrErrorCorrection(errorCorrectionBox_->itemData(index).toInt()));
            }));
}

void BarcodeDialog::showModel()
{
    showing_ = true;
    const PictureSource &settings = model_.settings();
    symbologyBox_->setCurrentIndex(symbologyBox_->findData(int(model_.symbology())));
    // Rewriting a field being typed in would move its cursor.
    const auto showText = [](QLineEdit *field, const QString &text) {
        if (field->text() != text)
            field->setText(text);
    };
    showText(dataField_, settings.data);
    showText(postcodeField_, settings.postcode);
    showText(addressBField_, settings.addressB);
    const bool postal = model_.usesPostalAddress();
    dataCaption_->setVisible(!postal);
    dataField_->setVisible(!postal);
    postcodeCaption_->setVisible(postal);
    postcodeField_->setVisible(postal);
    addressBCaption_->setVisible(postal);
    addressBField_->setVisible(postal);

    const auto showLength = [](QDoubleSpinBox *box, double value) {
        if (!qFuzzyCompare(box->value(), value))
            box->setValue(value);
    };
    (settings.overallSize ? overallSizing_ : moduleSizing_)->setChecked(true);
    showLength(moduleField_, settings.moduleMm);
    showLength(barHeightField_, settings.barHeightMm);
    showLength(widthField_, settings.widthMm);
    showLength(heightField_, settings.heightMm);
    moduleField_->setEnabled(!settings.overallSize);
    barHeightCaption_->setEnabled(!settings.overallSize && model_.hasBarHeight());
    barHeightField_->setEnabled(!settings.overallSize && model_.hasBarHeight());
    widthField_->setEnabled(settings.overallSize);
    heightField_->setEnabled(settings.overallSize);

    // A symbol without text under it shows the box empty, not ticked and grey;
    // the setting is kept for a symbology that has it.
    humanReadableBox_->setChecked(settings.humanReadable && model_.hasHumanReadable());
    humanReadableBox_->setEnabled(model_.hasHumanReadable());
    quietZoneBox_->setChecked(settings.quietZone);
    errorCorrectionBox_->setCurrentIndex(errorCorrectionBox_->findData(settings.errorCorrection));
    errorCorrectionCaption_->setEnabled(model_.hasErrorCorrection());
    errorCorrectionBox_->setEnabled(model_.hasErrorCorrection());

    const BarcodePicture &picture = model_.picture();
    preview_->setPicture(picture.image);
    sizeLine_->setText(picture.image.isNull()
                           ? QString()
                           : tr("%1 × %2 mm（モジュール %3 mm）")
                                 .arg(picture.widthMm, 0, 'f', 1)
                                 .arg(picture.heightMm, 0, 'f', 1)
                                 .arg(picture.moduleMm, 0, 'f', 2));
    readoutLine_->setText(model_.readout().isEmpty() ? QString()
                          : postal ? tr("バーコードのデータ：%1").arg(model_.readout())
                                   : tr("読み取ると：%1").arg(model_.readout()));
    readoutLine_->setToolTip(readoutLine_->text());
    fieldsNote_->setVisible(model_.hasFields());
    problemLine_->setText(model_.problem());
    acceptButton_->setEnabled(model_.canAccept());
    showing_ = false;
}

void BarcodeDialog::done(int result)
{
    if (result == Accepted && !model_.canAccept())
        return;
    SkinnedDialog::done(result);
}

} // namespace porkane
