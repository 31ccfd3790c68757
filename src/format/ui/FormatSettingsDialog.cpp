#include "format/ui/FormatSettingsDialog.h"

#include <algorithm>
#include <cmath>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "session/AppState.h"
#include "session/Prompts.h"
#include "widgets/Artwork.h"
#include "widgets/BusyPointer.h"
#include "widgets/PictureButton.h"
#include "core/Rounding.h"
#include "format/DefaultFormatFile.h"
#include "format/FormatValues.h"
#include "widgets/ColourSwatch.h"
#include "format/ui/SampleView.h"
#include "widgets/SpinField.h"
#include "render/TextScale.h"

namespace porkane {

namespace {

const QString Caption = QStringLiteral("書式設定");

// The palette of Label2(0) to Label2(8).
constexpr std::array<RgbValue, 9> PaletteColours = {
    rgbValue(0, 0, 0),     // black
    rgbValue(255, 0, 0),   // red
    rgbValue(255, 255, 0), // yellow
    rgbValue(0, 255, 255), // cyan
    rgbValue(0, 255, 0),   // green
    rgbValue(0, 0, 192),   // dark blue
    rgbValue(192, 0, 192), // purple
    rgbValue(255, 255, 255), // white
    rgbValue(255, 128, 0),   // orange
};
const std::array<QString, 9> PaletteNames = {
    QStringLiteral("黒"), QStringLiteral("赤"), QStringLiteral("黄"), QStringLiteral("水色"),     QStringLiteral("緑"),
    QStringLiteral("紺"), QStringLiteral("紫"), QStringLiteral("白"), QStringLiteral("オレンジ"),
};

const QStringList WeightItems = {
    QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("300"), QStringLiteral("400"), QStringLiteral("500"),
    QStringLiteral("600"), QStringLiteral("700"), QStringLiteral("800"), QStringLiteral("900"),
};

// The buttons' pictures are 35 x 35; releasing within 0 to 35 runs them.
constexpr QSize DialogButtonSize{35, 35};
constexpr int ActingBound = 35;

constexpr QSize SampleSize{720, 190};
constexpr int NumberFieldWidth = 58;

struct ButtonFace {
    const char *name;
    const char *icon;
    QString caption;
    QString toolTip;
};

// The captions' runs of spaces were line breaks of a narrow caption.
QString shownCaption(const QString &caption)
{
    QString shown = caption;
    static const QRegularExpression spaces(QStringLiteral(" {2,}"));
    shown.replace(spaces, QStringLiteral("\n"));
    return shown;
}

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(shownCaption(text), parent);
    return label;
}

qint32 rounded(double value, qint32 minimum, qint32 maximum)
{
    if (std::isnan(value))
        return std::clamp<qint32>(0, minimum, maximum);
    return qint32(roundHalfEven(std::clamp(value, double(minimum), double(maximum))));
}

// The font list's pictures: "tt" for TrueType fonts, "aa" for the others.
QIcon fontTypeIcon(bool trueType)
{
    return QIcon(artwork::picture(trueType ? QStringLiteral("icons/font-tt") : QStringLiteral("icons/font-aa"),
                                  QSize(16, 16)));
}

} // namespace

// --- Making the dialog ---------------------------------------------------------

FormatSettingsDialog::FormatSettingsDialog(AppState &state, QWidget *opener)
    : FormatSettingsDialog(state, false, InputFormat::from(state.DefaultFormat), opener)
{
}

FormatSettingsDialog::FormatSettingsDialog(AppState &state, const InputFormat &input, QWidget *opener)
    : FormatSettingsDialog(state, true, input, opener)
{
}

FormatSettingsDialog::FormatSettingsDialog(AppState &state, bool forEditor, const InputFormat &input,
                                           QWidget *opener)
    : SkinnedWindow(TitleBar | CloseButton), state_(state), forEditor_(forEditor), opener_(opener)
{
    setObjectName(QStringLiteral("Form1"));
    setTitle(Caption);
    setWindowTitle(Caption);
    state_.FormatForEditor = forEditor_ ? 1 : 0;
    if (opener_)
        opener_->setEnabled(false);

    buildControls();
    if (closeButton()) {
        closeButton()->setObjectName(QStringLiteral("Picture2_8"));
        closeButton()->setToolTip(QStringLiteral("このウインドウを閉じます。"));
    }
    load(input);
    setFixedSize(sizeHint());
    placeOverOpener();
}

FormatSettingsDialog::~FormatSettingsDialog() = default;

FormatSettingsDialog *FormatSettingsDialog::openOnDefaultFormat(AppState &state, QWidget *opener)
{
    auto *dialog = new FormatSettingsDialog(state, opener);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    dialog->activateWindow();
    return dialog;
}

FormatSettingsDialog *FormatSettingsDialog::openOnInputFormat(AppState &state, const InputFormat &input,
                                                              QWidget *opener)
{
    auto *dialog = new FormatSettingsDialog(state, input, opener);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    dialog->activateWindow();
    return dialog;
}

void FormatSettingsDialog::buildControls()
{
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #e2b594; border-radius: 6px; margin-top: 9px;"
        " background: rgba(255, 255, 255, 140); padding: 6px 6px 4px 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: #8a3c1c; }"
        "QLabel { color: #5a3622; }"
        "QLabel:disabled { color: #b0a69c; }"
        "QCheckBox { color: #5a3622; }"
        "QLabel#Label1 { background: #ffffff; border: 1px solid #d9b79c; border-radius: 3px; padding: 2px 6px; }"));

    auto *right = new QGridLayout;
    right->setHorizontalSpacing(8);
    right->setVerticalSpacing(6);
    right->addWidget(buildSizeGroup(), 0, 0);
    right->addWidget(buildSpacingGroup(), 1, 0);
    right->addWidget(buildRotationGroup(), 2, 0);
    right->addWidget(buildColourGroup(), 3, 0);
    right->addWidget(buildStyleGroup(), 0, 1);
    right->addWidget(buildEffectGroup(), 1, 1, 3, 1);
    right->setRowStretch(4, 1);

    auto *upper = new QHBoxLayout;
    upper->setSpacing(8);
    upper->addWidget(buildFontGroup(), 1);
    upper->addLayout(right, 0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 10);
    layout->setSpacing(6);
    layout->addWidget(buildButtonRow());
    layout->addLayout(upper);
    layout->addWidget(buildSampleGroup());
}

QWidget *FormatSettingsDialog::buildFontGroup()
{
    auto *group = new QGroupBox(QStringLiteral("フォント名"), this);
    auto *column = new QVBoxLayout(group);
    column->setSpacing(5);

    fontList_ = new QTreeWidget(group);
    fontList_->setObjectName(QStringLiteral("ListView1"));
    fontList_->setHeaderLabels({QStringLiteral("フォント名"), QStringLiteral("CharSet"), QStringLiteral("data")});
    fontList_->setRootIsDecorated(false);
    fontList_->setUniformRowHeights(true);
    fontList_->setAllColumnsShowFocus(true);
    fontList_->setIconSize(QSize(16, 16));
    fontList_->setSelectionMode(QAbstractItemView::SingleSelection);
    fontList_->header()->setStretchLastSection(false);
    fontList_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    fontList_->header()->resizeSection(1, 62);
    fontList_->header()->resizeSection(2, 44);
    fontList_->setMinimumWidth(300);
    fontList_->installEventFilter(this);
    connect(fontList_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (!item)
            return;
        faceNameLabel_->setText(item->text(0));
        changed();
    });
    column->addWidget(fontList_, 1);

    faceNameLabel_ = new QLabel(group);
    faceNameLabel_->setObjectName(QStringLiteral("Label1"));
    faceNameLabel_->setMinimumHeight(24);
    faceNameLabel_->setTextInteractionFlags(Qt::NoTextInteraction);
    column->addWidget(faceNameLabel_);
    return group;
}

SpinField *FormatSettingsDialog::makeNumberPair(Field which, const QString &fieldName, const QString &spinName,
                                                int minimum, int maximum, int step, bool tenths, QWidget *parent)
{
    auto *spin = new SpinField(parent);
    spin->setObjectName(spinName);
    spin->field()->setObjectName(fieldName);
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setFixedWidth(NumberFieldWidth);
    spin->installEventFilter(this);
    spin->field()->installEventFilter(this);
    connect(spin->field(), &QLineEdit::textChanged, this, [this, which] { fieldEdited(which); });
    connect(spin, &SpinField::stepped, this, [this, which] { spinStepped(which); });
    fields_[std::size_t(which)] = NumberPair{spin->field(), spin, tenths};
    return spin;
}

namespace {

// A number field followed by its unit.
QHBoxLayout *withUnit(QWidget *field, QWidget *unit = nullptr)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(field);
    if (unit)
        row->addWidget(unit);
    row->addStretch(1);
    return row;
}

} // namespace

QWidget *FormatSettingsDialog::buildSizeGroup()
{
    auto *group = new QGroupBox(QStringLiteral("文字サイズ"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    SpinField *width =
        makeNumberPair(WidthField, QStringLiteral("Text1"), QStringLiteral("UpDown1"), 0, 1000, 1, false, group);
    SpinField *height =
        makeNumberPair(HeightField, QStringLiteral("Text2"), QStringLiteral("UpDown2"), 0, 1000, 1, false, group);
    grid->addWidget(caption(QStringLiteral("幅："), group), 0, 0);
    grid->addWidget(width, 0, 1);
    grid->addWidget(caption(QStringLiteral("高："), group), 1, 0);
    grid->addWidget(height, 1, 1);

    // Moves width and height together; only its clicks count.
    sizeSpin_ = new SpinField(group);
    sizeSpin_->setObjectName(QStringLiteral("UpDown3"));
    sizeSpin_->setRange(0, 10);
    sizeSpin_->setSingleStep(1);
    sizeSpin_->setButtonsOnly();
    sizeSpin_->setToolTip(QStringLiteral("幅と高さを一緒に変えます。"));
    sizeSpin_->setFixedHeight(2 * width->sizeHint().height() + grid->verticalSpacing());
    connect(sizeSpin_, &SpinField::clicked, this, &FormatSettingsDialog::sizeClicked);
    grid->addWidget(sizeSpin_, 0, 2, 2, 1, Qt::AlignVCenter);
    grid->addWidget(caption(QStringLiteral("ｐｏｉｎｔ"), group), 0, 3, 2, 1, Qt::AlignVCenter);
    grid->setColumnStretch(4, 1);
    return group;
}

QWidget *FormatSettingsDialog::buildSpacingGroup()
{
    auto *group = new QGroupBox(QStringLiteral("字間・行間"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    SpinField *letter = makeNumberPair(LetterSpacingField, QStringLiteral("Text3"), QStringLiteral("UpDown5"), -1000,
                                       1000, 1, true, group);
    SpinField *line = makeNumberPair(LineSpacingField, QStringLiteral("Text4"), QStringLiteral("UpDown9"), -1000, 1000,
                                     1, true, group);
    grid->addWidget(caption(QStringLiteral("字間"), group), 0, 0);
    grid->addLayout(withUnit(letter, caption(QStringLiteral("ｍｍ"), group)), 0, 1);
    grid->addWidget(caption(QStringLiteral("行間"), group), 1, 0);
    grid->addLayout(withUnit(line, caption(QStringLiteral("ｍｍ"), group)), 1, 1);
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget *FormatSettingsDialog::buildRotationGroup()
{
    auto *group = new QGroupBox(QStringLiteral("回転"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    SpinField *character = makeNumberPair(CharRotationField, QStringLiteral("Text5"), QStringLiteral("UpDown6"), 0,
                                          359, 10, false, group);
    SpinField *line = makeNumberPair(LineRotationField, QStringLiteral("Text7"), QStringLiteral("UpDown8"), 0, 359,
                                     10, false, group);
    grid->addWidget(caption(QStringLiteral("文字回転角"), group), 0, 0);
    grid->addLayout(withUnit(character, caption(QStringLiteral("度"), group)), 0, 1);
    grid->addWidget(caption(QStringLiteral("行回転角"), group), 1, 0);
    grid->addLayout(withUnit(line, caption(QStringLiteral("度"), group)), 1, 1);
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget *FormatSettingsDialog::buildStyleGroup()
{
    auto *group = new QGroupBox(QStringLiteral("文字飾り"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    const std::array<QString, 4> captions = {QStringLiteral("太字"), QStringLiteral("斜体"), QStringLiteral("下線"),
                                             QStringLiteral("取り消し線")};
    for (std::size_t index = 0; index < styleBoxes_.size(); ++index) {
        auto *box = new QCheckBox(captions[index], group);
        box->setObjectName(QStringLiteral("Check%1").arg(index + 1));
        box->installEventFilter(this);
        styleBoxes_[index] = box;
        connect(box, &QCheckBox::toggled, this, index == 0 ? &FormatSettingsDialog::boldChanged
                                                           : &FormatSettingsDialog::changed);
    }
    weightList_ = new QComboBox(group);
    weightList_->setObjectName(QStringLiteral("Combo1"));
    weightList_->addItems(WeightItems);
    weightList_->setToolTip(QStringLiteral("ボールドウェイト"));
    weightList_->setMinimumWidth(72);
    connect(weightList_, &QComboBox::currentTextChanged, this, &FormatSettingsDialog::changed);

    grid->addWidget(styleBoxes_[0], 0, 0);
    grid->addWidget(weightList_, 0, 1);
    grid->addWidget(styleBoxes_[1], 1, 0);
    grid->addWidget(styleBoxes_[2], 1, 1);
    grid->addWidget(styleBoxes_[3], 2, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget *FormatSettingsDialog::buildColourGroup()
{
    auto *group = new QGroupBox(QStringLiteral("文字色"), this);
    auto *row = new QHBoxLayout(group);
    row->setSpacing(8);

    textColour_ = new ColourSwatch(group);
    textColour_->setObjectName(QStringLiteral("Label10"));
    textColour_->setFixedSize(44, 44);
    textColour_->setToolTip(QStringLiteral("クリックすると色を選べます。"));
    connect(textColour_, &ColourSwatch::clicked, this, [this] { chooseColour(textColour_); });
    row->addWidget(textColour_);

    auto *palette = new QGridLayout;
    palette->setSpacing(3);
    for (std::size_t index = 0; index < palette_.size(); ++index) {
        auto *swatch = new ColourSwatch(group);
        swatch->setObjectName(QStringLiteral("Label2_%1").arg(index));
        swatch->setColour(PaletteColours[index]);
        swatch->setFixedSize(20, 20);
        swatch->setToolTip(PaletteNames[index]);
        connect(swatch, &ColourSwatch::clicked, this, [this, index] {
            textColour_->setColour(PaletteColours[index]);
            changed();
        });
        palette_[index] = swatch;
        palette->addWidget(swatch, int(index) / 5, int(index) % 5);
    }
    row->addLayout(palette);
    row->addStretch(1);
    return group;
}

QWidget *FormatSettingsDialog::buildEffectGroup()
{
    auto *group = new QGroupBox(QStringLiteral("文字効果"), this);
    auto *column = new QVBoxLayout(group);
    column->setSpacing(4);

    const std::array<QString, 3> captions = {QStringLiteral("影文字"), QStringLiteral("３Ｄ文字"),
                                             QStringLiteral("文字輪郭付き")};
    for (std::size_t index = 0; index < effectBoxes_.size(); ++index) {
        auto *box = new QCheckBox(captions[index], group);
        box->setObjectName(QStringLiteral("Check5_%1").arg(index));
        box->installEventFilter(this);
        effectBoxes_[index] = box;
        connect(box, &QCheckBox::toggled, this, [this, index] { effectBoxChanged(Effect(index)); });
        column->addWidget(box);
    }

    effectFrame_ = new QWidget(group);
    effectFrame_->setObjectName(QStringLiteral("effectFrame"));
    auto *grid = new QGridLayout(effectFrame_);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);

    shadowColour_ = new ColourSwatch(effectFrame_);
    shadowColour_->setObjectName(QStringLiteral("Label16"));
    shadowColour_->setFixedSize(36, 22);
    connect(shadowColour_, &ColourSwatch::clicked, this, [this] { chooseColour(shadowColour_); });
    effectColour_ = new ColourSwatch(effectFrame_);
    effectColour_->setObjectName(QStringLiteral("Label17"));
    effectColour_->setFixedSize(36, 22);
    connect(effectColour_, &ColourSwatch::clicked, this, [this] { chooseColour(effectColour_); });
    effectColourCaption_ = caption(QStringLiteral("３Ｄ開始色"), effectFrame_);
    effectColourCaption_->setObjectName(QStringLiteral("effectColourCaption"));

    grid->addWidget(caption(QStringLiteral("影文字色"), effectFrame_), 0, 0);
    grid->addWidget(shadowColour_, 0, 1, Qt::AlignLeft);
    grid->addWidget(effectColourCaption_, 1, 0);
    grid->addWidget(effectColour_, 1, 1, Qt::AlignLeft);

    SpinField *vertical = makeNumberPair(ShiftVerticalField, QStringLiteral("Text8"), QStringLiteral("UpDown4"), -100,
                                         100, 1, true, effectFrame_);
    SpinField *horizontal = makeNumberPair(ShiftHorizontalField, QStringLiteral("Text9"), QStringLiteral("UpDown10"),
                                           -100, 100, 1, true, effectFrame_);
    grid->addWidget(caption(QStringLiteral("縦ずらし量          (mm)"), effectFrame_), 2, 0);
    grid->addWidget(vertical, 2, 1, Qt::AlignLeft);
    grid->addWidget(caption(QStringLiteral("横ずらし量          (mm)"), effectFrame_), 3, 0);
    grid->addWidget(horizontal, 3, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);

    column->addWidget(effectFrame_);
    column->addStretch(1);
    return group;
}

QWidget *FormatSettingsDialog::buildSampleGroup()
{
    auto *group = new QGroupBox(QStringLiteral("サンプル"), this);
    auto *row = new QHBoxLayout(group);
    row->setSpacing(10);

    sample_ = new SampleView(group);
    sample_->setFixedSize(SampleSize);
    row->addWidget(sample_);

    auto *settings = new QGridLayout;
    settings->setHorizontalSpacing(6);
    settings->setVerticalSpacing(6);
    backgroundColour_ = new ColourSwatch(group);
    backgroundColour_->setObjectName(QStringLiteral("Label15"));
    backgroundColour_->setFixedSize(36, 22);
    connect(backgroundColour_, &ColourSwatch::clicked, this, [this] { chooseColour(backgroundColour_); });
    gridColour_ = new ColourSwatch(group);
    gridColour_->setObjectName(QStringLiteral("Label13"));
    gridColour_->setFixedSize(36, 22);
    connect(gridColour_, &ColourSwatch::clicked, this, [this] { chooseColour(gridColour_); });
    SpinField *interval = makeNumberPair(GridIntervalField, QStringLiteral("Text6"), QStringLiteral("UpDown7"), 1, 100,
                                         1, false, group);

    settings->addWidget(caption(QStringLiteral("背景色"), group), 0, 0);
    settings->addWidget(backgroundColour_, 0, 1, Qt::AlignLeft);
    settings->addWidget(caption(QStringLiteral("グリッド色"), group), 1, 0);
    settings->addWidget(gridColour_, 1, 1, Qt::AlignLeft);
    settings->addWidget(caption(QStringLiteral("グリッド"), group), 2, 0);
    settings->addLayout(withUnit(interval, caption(QStringLiteral("mm"), group)), 2, 1);
    settings->setRowStretch(3, 1);
    row->addLayout(settings);
    row->addStretch(1);
    return group;
}

QWidget *FormatSettingsDialog::buildButtonRow()
{
    const std::array<ButtonFace, 3> faces = {{
        {"Picture2_0", "ok", QStringLiteral("設定"), QStringLiteral("設定を有効にしこのウインドウを閉じます。")},
        {"Picture2_1", "set-default", QStringLiteral("既定値"),
         QStringLiteral("設定を規定値に設定にしこのウインドウを閉じます。")},
        {"Picture2_2", "close", QStringLiteral("取消"), QStringLiteral("設定を無効にしこのウインドウを閉じます。")},
    }};
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("toolbar"));
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 0, 0, 0);
    row->setSpacing(12);
    for (std::size_t index = 0; index < faces.size(); ++index) {
        auto *button = new PictureButton(panel);
        button->setObjectName(QString::fromLatin1(faces[index].name));
        button->setPictures(artwork::buttonPictures(QString::fromLatin1(faces[index].icon), DialogButtonSize,
                                                    artwork::ButtonShape::Square));
        button->setCaption(faces[index].caption);
        button->setToolTip(faces[index].toolTip);
        button->setActingBounds(ActingBound, ActingBound);
        buttons_[index] = button;
        row->addWidget(button);
    }
    row->addStretch(1);
    connect(buttons_[0], &PictureButton::clicked, this, &FormatSettingsDialog::applyAndClose);
    connect(buttons_[1], &PictureButton::clicked, this, &FormatSettingsDialog::setAsDefaultAndClose);
    connect(buttons_[2], &PictureButton::clicked, this, &FormatSettingsDialog::discardAndClose);
    return panel;
}

void FormatSettingsDialog::placeOverOpener()
{
    QRect area;
    if (opener_ && opener_->isVisible())
        area = opener_->frameGeometry();
    else if (const QScreen *screen = this->screen())
        area = screen->availableGeometry();
    if (area.isEmpty())
        return;
    QRect placed(QPoint(0, 0), size());
    placed.moveCenter(area.center());
    if (const QScreen *screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        placed.moveLeft(std::clamp(placed.left(), available.left(), std::max(available.left(),
                                                                               available.right() - width())));
        placed.moveTop(std::clamp(placed.top(), available.top(), std::max(available.top(),
                                                                            available.bottom() - height())));
    }
    move(placed.topLeft());
}

// --- Loading ---------------------------------------------------------------------

void FormatSettingsDialog::load(const InputFormat &format)
{
    // No change redraws the sample while the fields are filled.
    loading_ = true;
    state_.ModalMode = ModalBusy;

    faceNameLabel_->setText(format.faceName);
    textColour_->setColour(format.textColour);
    showValue(WidthField, format.charWidth);
    showValue(HeightField, format.charHeight);
    showValue(LetterSpacingField, format.letterSpacing);
    showValue(LineSpacingField, format.lineSpacing);
    showValue(CharRotationField, format.charRotation);
    showValue(LineRotationField, format.lineRotation);
    styleBoxes_[0]->setChecked(format.bold);
    styleBoxes_[1]->setChecked(format.italic);
    styleBoxes_[2]->setChecked(format.underline);
    styleBoxes_[3]->setChecked(format.strikeOut);

    // A weight the list does not offer (from a file written by hand) is
    // shown in its place among them rather than lost.
    const QString weight = QString::number(rounded(format.boldWeight, -32768, 32767));
    if (weightList_->findText(weight) < 0) {
        int at = 0;
        while (at < weightList_->count() && weightList_->itemText(at).toInt() < weight.toInt())
            ++at;
        weightList_->insertItem(at, weight);
    }
    weightList_->setCurrentText(weight);
    boldChanged();

    effectBoxes_[ShadowBox]->setChecked(format.effectCode & ShadowEffect);
    effectBoxes_[ThreeDimensionalBox]->setChecked(format.effectCode & ThreeDEffect);
    effectBoxes_[OutlineBox]->setChecked(format.effectCode & OutlineEffect);
    updateEffectControls();
    shadowColour_->setColour(format.shadowColour);
    effectColour_->setColour(format.effectColour);
    showValue(ShiftVerticalField, format.shiftVertical);
    showValue(ShiftHorizontalField, format.shiftHorizontal);

    sampleSettings_ = loadSampleSettings(state_.dataFolder);
    backgroundColour_->setColour(sampleSettings_.backgroundColour);
    gridColour_->setColour(sampleSettings_.gridColour);
    showValue(GridIntervalField, sampleSettings_.gridInterval);

    fillFontList(format.faceName);

    loading_ = false;
    state_.ModalMode = ModalNone;
    redrawSample();
    BusyPointer::clear();
}

void FormatSettingsDialog::fillFontList(const QString &faceName)
{
    const QIcon trueType = fontTypeIcon(true);
    const QIcon other = fontTypeIcon(false);
    const FontCatalogue &catalogue = state_.fontCatalogue;
    QList<QTreeWidgetItem *> rows;
    rows.reserve(catalogue.FontsListed());
    QTreeWidgetItem *current = nullptr;
    for (int index = 0; index < catalogue.FontsListed(); ++index) {
        const FontCatalogueRow &font = catalogue.row(index);
        auto *item = new QTreeWidgetItem(
            {font.faceName, QString::number(font.charSet), QString::number(font.trueType)});
        item->setIcon(0, font.trueType == FontCatalogue::TrueTypeFlag ? trueType : other);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        if (!current && font.faceName == faceName)
            current = item;
        rows.append(item);
    }
    fontList_->addTopLevelItems(rows);
    if (current) {
        // The face in use is shown, not chosen again.
        const QSignalBlocker blocker(fontList_);
        fontList_->setCurrentItem(current);
        fontList_->scrollToItem(current, QAbstractItemView::PositionAtCenter);
    }
}

void FormatSettingsDialog::showValue(Field which, double value)
{
    NumberPair &pair = fields_[std::size_t(which)];
    if (pair.tenths) {
        pair.spin->setValue(tenthsOf(value, pair.spin->minimum(), pair.spin->maximum()));
        pair.field->setText(tenthsText(pair.spin->value()));
    } else {
        const qint32 whole = rounded(value, -2147483647 - 1, 2147483647);
        pair.spin->setValue(whole);
        pair.field->setText(QString::number(whole));
    }
}

double FormatSettingsDialog::fieldValue(Field which) const
{
    return fieldNumber(fields_[std::size_t(which)].field->text());
}

// --- Editing ---------------------------------------------------------------------

void FormatSettingsDialog::fieldEdited(Field which)
{
    NumberPair &pair = fields_[std::size_t(which)];
    const double value = fieldValue(which);
    if (pair.tenths)
        pair.spin->setValue(tenthsOf(value, pair.spin->minimum(), pair.spin->maximum()));
    else
        pair.spin->setValue(rounded(value, pair.spin->minimum(), pair.spin->maximum()));
    changed();
}

void FormatSettingsDialog::spinStepped(Field which)
{
    const NumberPair &pair = fields_[std::size_t(which)];
    const int value = pair.spin->value();
    pair.field->setText(pair.tenths ? tenthsText(value) : QString::number(value));
}

void FormatSettingsDialog::sizeClicked(int direction)
{
    // Both sizes move by one where they can; the sample is drawn once.
    changingSizes_ = true;
    for (Field which : {WidthField, HeightField}) {
        const NumberPair &pair = fields_[std::size_t(which)];
        const int value = pair.spin->value();
        if (direction > 0 && value < pair.spin->maximum())
            pair.field->setText(QString::number(value + 1));
        else if (direction < 0 && value > 1)
            pair.field->setText(QString::number(value - 1));
    }
    changingSizes_ = false;
    changed();
}

void FormatSettingsDialog::effectBoxChanged(Effect which)
{
    if (effectRuleActive_)
        return;
    // Shadow and three-dimensional exclude each other; the outline goes
    // with either.
    if (effectBoxes_[std::size_t(which)]->isChecked() && which != OutlineBox) {
        effectRuleActive_ = true;
        effectBoxes_[which == ShadowBox ? ThreeDimensionalBox : ShadowBox]->setChecked(false);
        effectRuleActive_ = false;
    }
    updateEffectControls();
    changed();
}

void FormatSettingsDialog::updateEffectControls()
{
    const bool shadow = effectBoxes_[ShadowBox]->isChecked();
    const bool threeDimensional = effectBoxes_[ThreeDimensionalBox]->isChecked();
    const bool outline = effectBoxes_[OutlineBox]->isChecked();
    effectFrame_->setEnabled(shadow || threeDimensional || outline);
    // The start colour means nothing to a shadow alone.
    effectColourCaption_->setEnabled(threeDimensional || outline);
    effectColour_->setEnabled(threeDimensional || outline);
}

void FormatSettingsDialog::boldChanged()
{
    weightList_->setEnabled(styleBoxes_[0]->isChecked());
    changed();
}

void FormatSettingsDialog::chooseColour(ColourSwatch *swatch)
{
    if (!state_.prompts)
        return;
    if (const std::optional<qint32> chosen = state_.prompts->chooseColour(swatch->colour())) {
        swatch->setColour(*chosen);
        changed();
    }
}

void FormatSettingsDialog::changed()
{
    if (!loading_ && !changingSizes_)
        redrawSample();
}

void FormatSettingsDialog::redrawSample()
{
    sample_->draw(fieldsFormat(), fieldsSampleSettings(),
                  TextScale::screen(state_.TwipsPerPixelX, state_.TwipsPerPixelY));
}

bool FormatSettingsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the cursor.
        auto *spin = qobject_cast<SpinField *>(watched);
        if (!spin && watched->parent())
            spin = qobject_cast<SpinField *>(watched->parent());
        if (spin)
            QTimer::singleShot(0, spin->field(), &QLineEdit::selectAll);
    } else if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter moves on to the next field instead of being typed.
            focusNextChild();
            return true;
        }
    }
    return SkinnedWindow::eventFilter(watched, event);
}

// --- The fields' values ----------------------------------------------------------

InputFormat FormatSettingsDialog::fieldsFormat() const
{
    InputFormat format;
    format.textColour = textColour_->colour();
    format.charWidth = fieldInt16(fields_[WidthField].field->text());
    format.charHeight = fieldInt16(fields_[HeightField].field->text());
    // Spacings and shifts are singles wherever they are kept.
    format.letterSpacing = double(float(fieldValue(LetterSpacingField)));
    format.lineSpacing = double(float(fieldValue(LineSpacingField)));
    format.charRotation = fieldInt16(fields_[CharRotationField].field->text());
    format.lineRotation = fieldInt16(fields_[LineRotationField].field->text());
    format.bold = styleBoxes_[0]->isChecked();
    format.boldWeight = fieldInt16(weightList_->currentText());
    format.italic = styleBoxes_[1]->isChecked();
    format.underline = styleBoxes_[2]->isChecked();
    format.strikeOut = styleBoxes_[3]->isChecked();
    format.faceName = faceNameLabel_->text();
    format.effectCode = effectCodeOf(effectBoxes_[ShadowBox]->isChecked(),
                                      effectBoxes_[ThreeDimensionalBox]->isChecked(),
                                      effectBoxes_[OutlineBox]->isChecked());
    format.shadowColour = shadowColour_->colour();
    format.effectColour = effectColour_->colour();
    format.shiftVertical = double(float(fieldValue(ShiftVerticalField)));
    format.shiftHorizontal = double(float(fieldValue(ShiftHorizontalField)));
    return format;
}

SampleSettings FormatSettingsDialog::fieldsSampleSettings() const
{
    SampleSettings settings;
    settings.backgroundColour = backgroundColour_->colour();
    settings.gridColour = gridColour_->colour();
    settings.gridInterval = fieldInteger(fields_[GridIntervalField].field->text(), -2147483647 - 1, 2147483647);
    return settings;
}

TextFormat FormatSettingsDialog::fieldsTextFormat() const
{
    const InputFormat fields = fieldsFormat();
    TextFormat format;
    format.textColour = fields.textColour;
    format.charWidth = qint16(fields.charWidth);
    format.charHeight = qint16(fields.charHeight);
    format.letterSpacing = float(fields.letterSpacing);
    format.lineSpacing = float(fields.lineSpacing);
    format.charRotation = qint16(fields.charRotation);
    format.lineRotation = qint16(fields.lineRotation);
    format.bold = fields.bold ? 1 : 0;
    format.italic = fields.italic ? 1 : 0;
    format.underline = fields.underline ? 1 : 0;
    format.strikeOut = fields.strikeOut ? 1 : 0;
    format.faceName = fields.faceName;
    format.boldWeight = qint16(fields.boldWeight);
    format.shadowColour = fields.shadowColour;
    format.effectColour = fields.effectColour;
    format.shiftHorizontal = float(fields.shiftHorizontal);
    format.shiftVertical = float(fields.shiftVertical);
    format.effectCode = fields.effectCode;
    return format;
}

// --- Buttons and closing ------------------------------------------------------------

void FormatSettingsDialog::apply()
{
    if (!forEditor_) {
        state_.DefaultFormat = fieldsTextFormat();
        sampleSettings_ = fieldsSampleSettings();
        emit defaultFormatApplied();
        return;
    }
    // The editor's spin buttons hold spacings and shifts in tenths.
    InputFormat format = fieldsFormat();
    const auto inTenths = [this](Field which) {
        const SpinField *spin = fields_[std::size_t(which)].spin;
        return tenthsOf(fieldValue(which), spin->minimum(), spin->maximum()) / 10.0;
    };
    format.letterSpacing = inTenths(LetterSpacingField);
    format.lineSpacing = inTenths(LineSpacingField);
    format.shiftVertical = inTenths(ShiftVerticalField);
    format.shiftHorizontal = inTenths(ShiftHorizontalField);
    emit inputFormatApplied(format);
}

void FormatSettingsDialog::applyAndClose()
{
    apply();
    close();
}

void FormatSettingsDialog::setAsDefaultAndClose()
{
    // In the editor's mode apply leaves the DefaultFormat alone, so the file
    // receives the defaults as they were.
    apply();
    saveDefaultFormat(state_.dataFolder, state_.DefaultFormat);
    saveSampleSettings(state_.dataFolder, sampleSettings_);
    close();
}

void FormatSettingsDialog::discardAndClose() { close(); }

void FormatSettingsDialog::closeEvent(QCloseEvent *event)
{
    if (!closed_) {
        closed_ = true;
        // The sample settings are kept whatever the button, discard too.
        saveSampleSettings(state_.dataFolder, fieldsSampleSettings());
        state_.FormatForEditor = 0;
        if (opener_) {
            opener_->setEnabled(true);
            opener_->raise();
            opener_->activateWindow();
        }
        emit closed();
    }
    event->accept();
}

} // namespace porkane
