#include "format/ui/FormatSettingsDialog.h"

#include <algorithm>
#include <utility>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "session/AppState.h"
#include "session/Prompts.h"
#include "widgets/Artwork.h"
#include "widgets/BusyPointer.h"
#include "widgets/ColourSwatch.h"
#include "widgets/PictureButton.h"
#include "widgets/SpinField.h"
#include "widgets/HelpGuide.h"
#include "format/ui/FontList.h"
#include "format/ui/SampleView.h"
#include "render/TextScale.h"

namespace porkane {

namespace {

// The buttons' pictures are 35 x 35; releasing within 0 to 35 runs them.
constexpr QSize DialogButtonSize{35, 35};
constexpr int ActingBound = 35;

constexpr QSize SampleSize{720, 190};
constexpr int NumberFieldWidth = 58;

// The captions' runs of spaces were line breaks of a narrow caption.
QLabel *caption(const QString &text, QWidget *parent)
{
    QString shown = text;
    static const QRegularExpression spaces(QStringLiteral(" {2,}"));
    shown.replace(spaces, QStringLiteral("\n"));
    return new QLabel(shown, parent);
}

// A number field followed by its unit.
QHBoxLayout *withUnit(QWidget *field, QWidget *unit)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(field);
    row->addWidget(unit);
    row->addStretch(1);
    return row;
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
    : SkinnedDialog(TitleBar | CloseButton), state_(state),
      model_(forEditor ? FormatDialogModel::Mode::EditorInputFormat : FormatDialogModel::Mode::DefaultFormat,
             state.DefaultFormat, input, state.dataFolder),
      opener_(opener)
{
    setObjectName(QStringLiteral("Form1"));
    setTitle(tr("書式設定"));
    HelpGuide::addKey(this, GuideSection::Format);
    setWindowTitle(tr("書式設定"));
    state_.FormatForEditor = model_.formatForEditor();
    if (opener_)
        opener_->setEnabled(false);

    buildControls();
    if (closeButton()) {
        closeButton()->setObjectName(QStringLiteral("Picture2_8"));
        closeButton()->setToolTip(tr("このウインドウを閉じます。"));
    }
    // No change redraws the sample while the fields are filled.
    state_.ModalMode = ModalBusy;
    showModel();
    connectModel();
    state_.ModalMode = ModalNone;
    redrawSample();
    BusyPointer::clear();
    setFixedSize(sizeHint());
    placeOverOpener();
}

FormatSettingsDialog::~FormatSettingsDialog() = default;

FormatSettingsDialog *FormatSettingsDialog::openOnDefaultFormat(AppState &state, QWidget *opener)
{
    return showOpened(new FormatSettingsDialog(state, opener));
}

FormatSettingsDialog *FormatSettingsDialog::openOnInputFormat(AppState &state, const InputFormat &input,
                                                              QWidget *opener)
{
    return showOpened(new FormatSettingsDialog(state, input, opener));
}

FormatSettingsDialog *FormatSettingsDialog::showOpened(FormatSettingsDialog *dialog)
{
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
    right->addWidget(buildPairGroup(tr("字間・行間"),
                                    {{{tr("字間"), FormatDialogModel::LetterSpacing, "Text3", "UpDown5"},
                                      {tr("行間"), FormatDialogModel::LineSpacing, "Text4", "UpDown9"}}},
                                    tr("ｍｍ")),
                     1, 0);
    right->addWidget(buildPairGroup(tr("回転"),
                                    {{{tr("文字回転角"), FormatDialogModel::CharRotation, "Text5", "UpDown6"},
                                      {tr("行回転角"), FormatDialogModel::LineRotation, "Text7", "UpDown8"}}},
                                    tr("度")),
                     2, 0);
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
    auto *group = new QGroupBox(tr("フォント名"), this);
    auto *column = new QVBoxLayout(group);
    column->setSpacing(5);

    fontList_ = new FontList(group);
    fontList_->installEventFilter(this);
    connect(fontList_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (!item || showingValues_)
            return;
        faceNameLabel_->setText(item->text(0));
        model_.setFaceName(FontList::faceNameOf(item));
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
                                                QWidget *parent)
{
    const FormatDialogModel::SpinRange range = FormatDialogModel::rangeOf(which);
    auto *spin = new SpinField(parent);
    spin->setObjectName(spinName);
    spin->field()->setObjectName(fieldName);
    spin->setRange(range.minimum, range.maximum);
    spin->setSingleStep(range.step);
    spin->setFixedWidth(NumberFieldWidth);
    spin->installEventFilter(this);
    spin->field()->installEventFilter(this);
    connect(spin->field(), &QLineEdit::textChanged, this, [this, which](const QString &text) {
        if (!showingValues_)
            model_.typeText(which, text);
    });
    // The spin button has moved itself within the same range.
    connect(spin, &SpinField::stepped, this, [this, which](int value) { model_.setSpinValue(which, value); });
    fields_[std::size_t(which)] = spin;
    return spin;
}

ColourSwatch *FormatSettingsDialog::makeSwatch(Colour which, const QString &name, QSize size, QWidget *parent)
{
    auto *swatch = new ColourSwatch(parent);
    swatch->setObjectName(name);
    swatch->setFixedSize(size);
    connect(swatch, &ColourSwatch::clicked, this, [this, which] { chooseColour(which); });
    swatches_[std::size_t(which)] = swatch;
    return swatch;
}

QWidget *FormatSettingsDialog::buildSizeGroup()
{
    auto *group = new QGroupBox(tr("文字サイズ"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    SpinField *width = makeNumberPair(FormatDialogModel::Width, QStringLiteral("Text1"), QStringLiteral("UpDown1"), group);
    SpinField *height =
        makeNumberPair(FormatDialogModel::Height, QStringLiteral("Text2"), QStringLiteral("UpDown2"), group);
    grid->addWidget(caption(tr("幅："), group), 0, 0);
    grid->addWidget(width, 0, 1);
    grid->addWidget(caption(tr("高："), group), 1, 0);
    grid->addWidget(height, 1, 1);

    // Moves width and height together; only its clicks count.
    sizeSpin_ = new SpinField(group);
    sizeSpin_->setObjectName(QStringLiteral("UpDown3"));
    sizeSpin_->setRange(0, 10);
    sizeSpin_->setSingleStep(1);
    sizeSpin_->setButtonsOnly();
    sizeSpin_->setToolTip(tr("幅と高さを一緒に変えます。"));
    sizeSpin_->setFixedHeight(2 * width->sizeHint().height() + grid->verticalSpacing());
    connect(sizeSpin_, &SpinField::clicked, &model_, &FormatDialogModel::stepSizes);
    grid->addWidget(sizeSpin_, 0, 2, 2, 1, Qt::AlignVCenter);
    grid->addWidget(caption(tr("ｐｏｉｎｔ"), group), 0, 3, 2, 1, Qt::AlignVCenter);
    grid->setColumnStretch(4, 1);
    return group;
}

QWidget *FormatSettingsDialog::buildPairGroup(const QString &title, const std::array<PairRow, 2> &rows,
                                              const QString &unit)
{
    auto *group = new QGroupBox(title, this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    for (int row = 0; row < 2; ++row) {
        const PairRow &pair = rows[std::size_t(row)];
        SpinField *spin = makeNumberPair(pair.field, QString::fromLatin1(pair.fieldName),
                                         QString::fromLatin1(pair.spinName), group);
        grid->addWidget(caption(pair.caption, group), row, 0);
        grid->addLayout(withUnit(spin, caption(unit, group)), row, 1);
    }
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget *FormatSettingsDialog::buildStyleGroup()
{
    auto *group = new QGroupBox(tr("文字飾り"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    const std::array<QString, FormatDialogModel::StyleCount> captions = {tr("太字"), tr("斜体"), tr("下線"),
                                                                         tr("取り消し線")};
    for (std::size_t index = 0; index < styleBoxes_.size(); ++index) {
        auto *box = new QCheckBox(captions[index], group);
        box->setObjectName(QStringLiteral("Check%1").arg(index + 1));
        box->installEventFilter(this);
        styleBoxes_[index] = box;
        connect(box, &QCheckBox::toggled, this, [this, index](bool on) {
            if (showingValues_)
                return;
            model_.setStyle(FormatDialogModel::Style(index), on);
            weightList_->setEnabled(model_.weightListEnabled());
        });
    }
    weightList_ = new QComboBox(group);
    weightList_->setObjectName(QStringLiteral("Combo1"));
    weightList_->setToolTip(tr("ボールドウェイト"));
    weightList_->setMinimumWidth(72);
    connect(weightList_, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        if (!showingValues_)
            model_.setWeightText(text);
    });

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
    auto *group = new QGroupBox(tr("文字色"), this);
    auto *row = new QHBoxLayout(group);
    row->setSpacing(8);

    ColourSwatch *text = makeSwatch(FormatDialogModel::TextColour, QStringLiteral("Label10"), QSize(44, 44), group);
    text->setToolTip(tr("クリックすると色を選べます。"));
    row->addWidget(text);

    const std::array<QString, FormatDialogModel::Palette.size()> names = {
        tr("黒"), tr("赤"), tr("黄"), tr("水色"), tr("緑"), tr("紺"), tr("紫"), tr("白"), tr("オレンジ"),
    };
    auto *palette = new QGridLayout;
    palette->setSpacing(3);
    for (std::size_t index = 0; index < names.size(); ++index) {
        auto *swatch = new ColourSwatch(group);
        swatch->setObjectName(QStringLiteral("Label2_%1").arg(index));
        swatch->setColour(FormatDialogModel::Palette[index]);
        swatch->setFixedSize(20, 20);
        swatch->setToolTip(names[index]);
        connect(swatch, &ColourSwatch::clicked, this, [this, index] { model_.pickPaletteColour(int(index)); });
        palette->addWidget(swatch, int(index) / 5, int(index) % 5);
    }
    row->addLayout(palette);
    row->addStretch(1);
    return group;
}

QWidget *FormatSettingsDialog::buildEffectGroup()
{
    auto *group = new QGroupBox(tr("文字効果"), this);
    auto *column = new QVBoxLayout(group);
    column->setSpacing(4);

    const std::array<QString, FormatDialogModel::EffectCount> captions = {tr("影文字"), tr("３Ｄ文字"),
                                                                          tr("文字輪郭付き")};
    for (std::size_t index = 0; index < effectBoxes_.size(); ++index) {
        auto *box = new QCheckBox(captions[index], group);
        box->setObjectName(QStringLiteral("Check5_%1").arg(index));
        box->installEventFilter(this);
        effectBoxes_[index] = box;
        connect(box, &QCheckBox::toggled, this, [this, index](bool on) {
            if (!showingValues_)
                model_.setEffect(FormatDialogModel::Effect(index), on);
        });
        column->addWidget(box);
    }

    effectFrame_ = new QWidget(group);
    effectFrame_->setObjectName(QStringLiteral("effectFrame"));
    auto *grid = new QGridLayout(effectFrame_);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);

    ColourSwatch *shadow =
        makeSwatch(FormatDialogModel::ShadowColour, QStringLiteral("Label16"), QSize(36, 22), effectFrame_);
    ColourSwatch *start =
        makeSwatch(FormatDialogModel::EffectColour, QStringLiteral("Label17"), QSize(36, 22), effectFrame_);
    effectColourCaption_ = caption(tr("３Ｄ開始色"), effectFrame_);
    effectColourCaption_->setObjectName(QStringLiteral("effectColourCaption"));

    grid->addWidget(caption(tr("影文字色"), effectFrame_), 0, 0);
    grid->addWidget(shadow, 0, 1, Qt::AlignLeft);
    grid->addWidget(effectColourCaption_, 1, 0);
    grid->addWidget(start, 1, 1, Qt::AlignLeft);

    SpinField *vertical = makeNumberPair(FormatDialogModel::ShiftVertical, QStringLiteral("Text8"),
                                         QStringLiteral("UpDown4"), effectFrame_);
    SpinField *horizontal = makeNumberPair(FormatDialogModel::ShiftHorizontal, QStringLiteral("Text9"),
                                           QStringLiteral("UpDown10"), effectFrame_);
    grid->addWidget(caption(tr("縦ずらし量          (mm)"), effectFrame_), 2, 0);
    grid->addWidget(vertical, 2, 1, Qt::AlignLeft);
    grid->addWidget(caption(tr("横ずらし量          (mm)"), effectFrame_), 3, 0);
    grid->addWidget(horizontal, 3, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);

    column->addWidget(effectFrame_);
    column->addStretch(1);
    return group;
}

QWidget *FormatSettingsDialog::buildSampleGroup()
{
    auto *group = new QGroupBox(tr("サンプル"), this);
    auto *row = new QHBoxLayout(group);
    row->setSpacing(10);

    sample_ = new SampleView(group);
    sample_->setFixedSize(SampleSize);
    row->addWidget(sample_);

    auto *settings = new QGridLayout;
    settings->setHorizontalSpacing(6);
    settings->setVerticalSpacing(6);
    ColourSwatch *background =
        makeSwatch(FormatDialogModel::BackgroundColour, QStringLiteral("Label15"), QSize(36, 22), group);
    ColourSwatch *grid = makeSwatch(FormatDialogModel::GridColour, QStringLiteral("Label13"), QSize(36, 22), group);
    SpinField *interval =
        makeNumberPair(FormatDialogModel::GridInterval, QStringLiteral("Text6"), QStringLiteral("UpDown7"), group);

    settings->addWidget(caption(tr("背景色"), group), 0, 0);
    settings->addWidget(background, 0, 1, Qt::AlignLeft);
    settings->addWidget(caption(tr("グリッド色"), group), 1, 0);
    settings->addWidget(grid, 1, 1, Qt::AlignLeft);
    settings->addWidget(caption(tr("グリッド"), group), 2, 0);
    settings->addLayout(withUnit(interval, caption(tr("mm"), group)), 2, 1);
    settings->setRowStretch(3, 1);
    row->addLayout(settings);
    row->addStretch(1);
    return group;
}

QWidget *FormatSettingsDialog::buildButtonRow()
{
    struct Face {
        const char *name;
        const char *icon;
        QString caption;
        QString toolTip;
    };
    const std::array<Face, 3> faces = {{
        {"Picture2_0", "ok", tr("設定"), tr("設定を有効にしこのウインドウを閉じます。")},
        {"Picture2_1", "set-default", tr("既定値"), tr("設定を規定値に設定にしこのウインドウを閉じます。")},
        {"Picture2_2", "close", tr("取消"), tr("設定を無効にしこのウインドウを閉じます。")},
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

void FormatSettingsDialog::connectModel()
{
    connect(&model_, &FormatDialogModel::fieldChanged, this, &FormatSettingsDialog::showField);
    connect(&model_, &FormatDialogModel::effectsChanged, this, &FormatSettingsDialog::showEffects);
    connect(&model_, &FormatDialogModel::colourChanged, this,
            [this](Colour which) { swatches_[std::size_t(which)]->setColour(model_.colour(which)); });
    connect(&model_, &FormatDialogModel::changed, this, &FormatSettingsDialog::redrawSample);
    connect(&model_, &FormatDialogModel::defaultFormatApplied, this, &FormatSettingsDialog::defaultFormatApplied);
    connect(&model_, &FormatDialogModel::inputFormatApplied, this, &FormatSettingsDialog::inputFormatApplied);
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

// --- Showing the model ------------------------------------------------------------

void FormatSettingsDialog::showModel()
{
    showingValues_ = true;
    // The face as the list shows it; a face the system lacks as it is.
    const int row = state_.fontCatalogue.indexOf(model_.faceName());
    faceNameLabel_->setText(row >= 0 ? state_.fontCatalogue.row(row).shownName() : model_.faceName());
    for (int field = 0; field < FormatDialogModel::FieldCount; ++field)
        showField(Field(field));
    for (std::size_t index = 0; index < styleBoxes_.size(); ++index)
        styleBoxes_[index]->setChecked(model_.style(FormatDialogModel::Style(index)));
    weightList_->addItems(model_.weightItems());
    weightList_->setCurrentText(model_.weightText());
    weightList_->setEnabled(model_.weightListEnabled());
    showEffects();
    for (std::size_t index = 0; index < swatches_.size(); ++index)
        swatches_[index]->setColour(model_.colour(Colour(index)));
    fontList_->fill(state_.fontCatalogue, model_.faceName());
    showingValues_ = false;
}

void FormatSettingsDialog::showField(Field which)
{
    SpinField *spin = fields_[std::size_t(which)];
    spin->setValue(model_.spinValue(which));
    // A field being typed in already holds the text: it is not rewritten.
    if (spin->field()->text() != model_.text(which)) {
        const bool wasShowing = std::exchange(showingValues_, true);
        spin->field()->setText(model_.text(which));
        showingValues_ = wasShowing;
    }
}

void FormatSettingsDialog::showEffects()
{
    for (std::size_t index = 0; index < effectBoxes_.size(); ++index) {
        const QSignalBlocker blocker(effectBoxes_[index]);
        effectBoxes_[index]->setChecked(model_.effect(FormatDialogModel::Effect(index)));
    }
    effectFrame_->setEnabled(model_.effectFrameEnabled());
    effectColourCaption_->setEnabled(model_.effectColourEnabled());
    swatches_[FormatDialogModel::EffectColour]->setEnabled(model_.effectColourEnabled());
}

// --- Editing ---------------------------------------------------------------------

void FormatSettingsDialog::chooseColour(Colour which)
{
    if (!state_.prompts)
        return;
    if (const std::optional<qint32> chosen = state_.prompts->chooseColour(model_.colour(which)))
        model_.setColour(which, *chosen);
}

void FormatSettingsDialog::redrawSample()
{
    sample_->draw(model_.format(), model_.sampleSettings(),
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
    return SkinnedDialog::eventFilter(watched, event);
}

// --- Buttons and closing ------------------------------------------------------------

void FormatSettingsDialog::applyAndClose()
{
    model_.apply();
    close();
}

void FormatSettingsDialog::setAsDefaultAndClose()
{
    model_.setAsDefault();
    close();
}

void FormatSettingsDialog::discardAndClose() { close(); }

void FormatSettingsDialog::reject() { close(); }

void FormatSettingsDialog::closeEvent(QCloseEvent *event)
{
    if (!closed_) {
        closed_ = true;
        // The sample settings are kept whatever the button, discard too.
        model_.close();
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
