#include "editor/ui/FormatPanels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "session/Prompts.h"
#include "editor/FormatPanelRules.h"
#include "render/FontCatalogue.h"
#include "editor/ui/EditorControls.h"

namespace porkane {

namespace {

constexpr int MaxCharSize = 1000;
const QStringList Weights = {QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("300"),
                             QStringLiteral("400"), QStringLiteral("500"), QStringLiteral("600"),
                             QStringLiteral("700"), QStringLiteral("800"), QStringLiteral("900")};

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("caption"));
    return label;
}

} // namespace

// --- What both panels share ------------------------------------------------------------

EditorFormatPanel::EditorFormatPanel(const QString &title, const QString &prefix, Prompts &prompts, QWidget *parent)
    : QGroupBox(title, parent), prefix_(prefix), prompts_(prompts)
{
    const auto name = [this](const char *role) { return prefix_ + QLatin1String(role); };

    textColour_ = newSwatch(this);
    textColour_->setObjectName(name("TextColour"));
    textColour_->setToolTip(tr("文字色"));

    font_ = new QComboBox(this);
    font_->setObjectName(name("Font"));
    font_->setMinimumWidth(150);
    font_->setMaxVisibleItems(20);
    font_->setPlaceholderText(tr("（指定なし）"));
    font_->installEventFilter(this);

    width_ = makeNumberField(this, name("Width"), 0, MaxCharSize, 1);
    height_ = makeNumberField(this, name("Height"), 0, MaxCharSize, 1);
    width_->setValue(1);
    height_->setValue(1);
    sizeBoth_ = new EditorUpDown(this);
    sizeBoth_->setObjectName(name("SizeBoth"));
    sizeBoth_->setRange(0, 10);
    sizeBoth_->setToolTip(tr("幅と高さを一緒に変えます"));
    connect(sizeBoth_, &EditorUpDown::stepped, this, [this](EditorUpDown::Direction direction) {
        for (QSpinBox *field : {width_, height_})
            field->setValue(sizeStepped(field->value(), direction == EditorUpDown::Up, field->maximum()));
    });

    letterSpacing_ = makeDecimalField(this, name("LetterSpacing"));
    lineSpacing_ = makeDecimalField(this, name("LineSpacing"));
    charRotation_ = makeNumberField(this, name("CharRotation"), 0, 359, 10);
    lineRotation_ = makeNumberField(this, name("LineRotation"), 0, 359, 10);

    boldWeight_ = new QComboBox(this);
    boldWeight_->setObjectName(name("BoldWeight"));
    boldWeight_->addItems(Weights);
    boldWeight_->setCurrentText(QStringLiteral("900"));
    boldWeight_->setToolTip(tr("ボールドウェイト"));
    boldWeight_->installEventFilter(this);

    shadow_ = new QCheckBox(tr("影文字"), this);
    shadow_->setObjectName(name("Shadow"));
    threeD_ = new QCheckBox(tr("３Ｄ文字"), this);
    threeD_->setObjectName(name("ThreeD"));
    outline_ = new QCheckBox(tr("文字輪郭付き"), this);
    outline_->setObjectName(name("Outline"));
    for (QCheckBox *box : {shadow_, threeD_, outline_})
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) { effectBoxToggled(box, on); });

    shadowColour_ = newSwatch(this);
    shadowColour_->setObjectName(name("ShadowColour"));
    effectColour_ = newSwatch(this);
    effectColour_->setObjectName(name("EffectColour"));
    shiftVertical_ = makeDecimalField(this, name("ShiftVertical"));
    shiftHorizontal_ = makeDecimalField(this, name("ShiftHorizontal"));

    for (ColourSwatch *swatch : {textColour_, shadowColour_, effectColour_})
        connect(swatch, &ColourSwatch::clicked, this, [this, swatch] { chooseColour(swatch); });

    effectGroup_ = new QWidget(this);
    effectGroup_->setObjectName(name("EffectGroup"));
    auto *effectRow = new QHBoxLayout(effectGroup_);
    effectRow->setContentsMargins(0, 0, 0, 0);
    effectRow->setSpacing(10);
    effectRow->addWidget(captioned(tr("影文字色"), shadowColour_));
    effectRow->addWidget(captioned(tr("３Ｄ開始・輪郭色"), effectColour_));
    effectRow->addWidget(captioned(tr("縦ずらし量"), shiftVertical_));
    effectRow->addWidget(captioned(tr("横ずらし量"), shiftHorizontal_));
}

QWidget *EditorFormatPanel::captioned(const QString &text, QWidget *control)
{
    auto *group = new QWidget(this);
    auto *column = new QVBoxLayout(group);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    column->addWidget(caption(text, group));
    column->addWidget(control, 0, Qt::AlignLeft);
    return group;
}

QWidget *EditorFormatPanel::row(std::initializer_list<QWidget *> widgets, bool stretch)
{
    auto *line = new QWidget(this);
    auto *layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    for (QWidget *widget : widgets)
        layout->addWidget(widget, 0, Qt::AlignBottom);
    if (stretch)
        layout->addStretch(1);
    return line;
}

void EditorFormatPanel::setFonts(const FontCatalogue &catalogue)
{
    const InputFormat shown = values();
    const QSignalBlocker blocker(font_);
    catalogue_ = &catalogue;
    font_->clear();
    for (int row = 0; row < catalogue.FontsListed(); ++row)
        font_->addItem(catalogue.row(row).shownName(), catalogue.row(row).faceName);
    setFace(shown.faceName);
}

void EditorFormatPanel::setFace(const QString &faceName)
{
    const QSignalBlocker blocker(font_);
    const int row = catalogue_ ? catalogue_->indexOf(faceName) : -1;
    int index = row >= 0 ? font_->findData(catalogue_->row(row).faceName) : -1;
    if (index < 0 && !faceName.trimmed().isEmpty()) {
        index = font_->findData(faceName);
        if (index < 0) {
            // A face the system lacks (a file made elsewhere) stays as it is.
            font_->insertItem(0, faceName, faceName);
            index = 0;
        }
    }
    unlistedFace_ = index < 0 ? faceName : QString();
    shownFace_ = faceName;
    shownFaceIndex_ = index;
    font_->setCurrentIndex(index);
}

void EditorFormatPanel::setWeight(double weight)
{
    const QString text = QString::number(weight);
    if (boldWeight_->findText(text) < 0)
        boldWeight_->addItem(text);
    boldWeight_->setCurrentText(text);
}

InputFormat EditorFormatPanel::values() const
{
    InputFormat format;
    format.textColour = textColour_->colour();
    format.charWidth = width_->value();
    format.charHeight = height_->value();
    format.letterSpacing = letterSpacing_->value();
    format.lineSpacing = lineSpacing_->value();
    format.charRotation = charRotation_->value();
    format.lineRotation = lineRotation_->value();
    format.boldWeight = boldWeight_->currentText().toDouble();
    const int font = font_->currentIndex();
    format.faceName = font >= 0 && font == shownFaceIndex_ ? shownFace_
                      : font >= 0                           ? font_->itemData(font).toString()
                      : unlistedFace_.isEmpty()             ? QStringLiteral(" ")
                                                            : unlistedFace_;
    format.effectCode = effectBoxes().effectCode();
    format.shadowColour = shadowColour_->colour();
    format.shiftVertical = shiftVertical_->value();
    format.shiftHorizontal = shiftHorizontal_->value();
    format.effectColour = effectColour_->colour();
    return format;
}

void EditorFormatPanel::showValues(const InputFormat &format)
{
    textColour_->setColour(format.textColour);
    width_->setValue(fieldNumber(format.charWidth, width_->minimum(), width_->maximum()));
    height_->setValue(fieldNumber(format.charHeight, height_->minimum(), height_->maximum()));
    letterSpacing_->setValue(format.letterSpacing);
    lineSpacing_->setValue(format.lineSpacing);
    charRotation_->setValue(fieldNumber(format.charRotation, charRotation_->minimum(), charRotation_->maximum()));
    lineRotation_->setValue(fieldNumber(format.lineRotation, lineRotation_->minimum(), lineRotation_->maximum()));
    shadowColour_->setColour(format.shadowColour);
    effectColour_->setColour(format.effectColour);
    shiftVertical_->setValue(format.shiftVertical);
    shiftHorizontal_->setValue(format.shiftHorizontal);
    setFace(format.faceName);
}

void EditorFormatPanel::chooseColour(ColourSwatch *swatch)
{
    if (const std::optional<qint32> colour = prompts_.chooseColour(swatch->colour()))
        swatch->setColour(*colour);
    emit focusBack();
}

EffectBoxes EditorFormatPanel::effectBoxes() const
{
    return {shadow_->isChecked(), threeD_->isChecked(), outline_->isChecked()};
}

void EditorFormatPanel::showEffectBoxes(const EffectBoxes &boxes)
{
    settingEffects_ = true;
    shadow_->setChecked(boxes.shadow);
    threeD_->setChecked(boxes.threeD);
    outline_->setChecked(boxes.outline);
    settingEffects_ = false;
}

void EditorFormatPanel::effectBoxToggled(QCheckBox *box, bool on)
{
    if (settingEffects_)
        return;
    const EffectBoxes::Box which = box == shadow_ ? EffectBoxes::Shadow
                                   : box == threeD_ ? EffectBoxes::ThreeD
                                                    : EffectBoxes::Outline;
    const EffectBoxes boxes = effectBoxes().clicked(which, on);
    showEffectBoxes(boxes);
    if (prefix_ == QLatin1String("input"))
        effectGroup_->setEnabled(boxes.anyTicked());
}

bool EditorFormatPanel::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in a list moves on to the next control, as Tab does.
    if (event->type() == QEvent::KeyPress && (watched == font_ || watched == boldWeight_)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

// --- 入力書式 -------------------------------------------------------------------------------

InputFormatPanel::InputFormatPanel(Prompts &prompts, QWidget *parent)
    : EditorFormatPanel(tr("入力書式"), QStringLiteral("input"), prompts, parent)
{
    setObjectName(QStringLiteral("inputFormatPanel"));
    const auto toggle = [this](const char *role, const QString &icon, const QString &tip) {
        auto *button = new PanelButton(icon, tip, this);
        button->setObjectName(prefix_ + QLatin1String(role));
        connect(button, &PictureButton::clicked, this, [this, button] { setToggle(button, !button->isOn()); });
        return button;
    };
    bold_ = toggle("Bold", QStringLiteral("format-bold"), tr("ボールド"));
    italic_ = toggle("Italic", QStringLiteral("format-italic"), tr("イタリック"));
    underline_ = toggle("Underline", QStringLiteral("format-underline"), tr("アンダーライン"));
    strikeOut_ = toggle("StrikeOut", QStringLiteral("format-strike-out"), tr("取り消し線"));

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(5);
    layout->addWidget(row({captioned(tr("文字色"), textColour_),
                           captioned(tr("フォント名"), font_)}));
    layout->addWidget(row({captioned(tr("文字サイズ"),
                                     row({caption(tr("幅："), this), width_,
                                          caption(tr("高："), this), height_, sizeBoth_},
                                         false)),
                           captioned(tr("文字飾り"),
                                     row({bold_, italic_, underline_, strikeOut_, boldWeight_}, false))}));
    layout->addWidget(row({captioned(tr("字間"), letterSpacing_),
                           captioned(tr("行間"), lineSpacing_),
                           captioned(tr("文字回転"), charRotation_),
                           captioned(tr("行回転角"), lineRotation_)}));
    layout->addWidget(row({shadow_, threeD_, outline_}));
    layout->addWidget(effectGroup_);
    layout->addStretch(1);
    updateEnabledControls();
}

void InputFormatPanel::setToggle(PanelButton *button, bool on)
{
    button->setOn(on);
    updateEnabledControls();
}

void InputFormatPanel::updateEnabledControls()
{
    boldWeight_->setEnabled(bold_->isOn());
    effectGroup_->setEnabled(effectBoxes().anyTicked());
}

InputFormat InputFormatPanel::values() const
{
    InputFormat format = EditorFormatPanel::values();
    format.bold = bold_->isOn();
    format.italic = italic_->isOn();
    format.underline = underline_->isOn();
    format.strikeOut = strikeOut_->isOn();
    return format;
}

void InputFormatPanel::setValues(const InputFormat &format)
{
    showValues(format);
    setWeight(format.boldWeight);
    bold_->setOn(format.bold);
    italic_->setOn(format.italic);
    underline_->setOn(format.underline);
    strikeOut_->setOn(format.strikeOut);
    showEffectBoxes(EffectBoxes::of(format.effectCode));
    updateEnabledControls();
}

// --- 書式変更 -------------------------------------------------------------------------------

ChangeFormatPanel::ChangeFormatPanel(Prompts &prompts, QWidget *parent)
    : EditorFormatPanel(tr("書式変更"), QStringLiteral("change"), prompts, parent)
{
    setObjectName(QStringLiteral("changeFormatPanel"));
    const auto apply = [this](FormatCommand command, const char *icon, const QString &caption) {
        return makeApplyButton(command, QLatin1String(icon), caption);
    };

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(5);
    layout->addWidget(row({captioned(tr("文字色"),
                                     row({textColour_, apply(ApplyColour, "apply", tr("文字色設定反映"))},
                                         false)),
                           captioned(tr("フォント名"),
                                     row({font_, apply(ApplyFont, "apply", tr("フォント設定反映"))},
                                         false))}));
    layout->addWidget(row(
        {captioned(tr("文字サイズ"),
                   row({caption(tr("幅："), this), width_, caption(tr("高："), this), height_,
                        sizeBoth_, apply(ApplySize, "apply", tr("文字サイズ設定反映"))},
                       false)),
         captioned(tr("文字飾り"),
                   row({apply(ApplyBold, "format-bold", tr("ボールド")),
                        apply(ApplyItalic, "format-italic", tr("イタリック")),
                        apply(ApplyUnderline, "format-underline", tr("アンダーライン")),
                        apply(ApplyStrikeOut, "format-strike-out", tr("取り消し線")),
                        apply(ApplyPlain, "format-plain", tr("ボールド（標準に戻す）")), boldWeight_},
                       false))}));
    layout->addWidget(row(
        {captioned(tr("字間"),
                   row({letterSpacing_, apply(ApplyLetterSpacing, "apply", tr("字間設定反映"))}, false)),
         captioned(tr("行間"),
                   row({lineSpacing_, apply(ApplyLineSpacing, "apply", tr("行間設定反映"))}, false)),
         captioned(tr("文字回転"),
                   row({charRotation_, apply(ApplyCharRotation, "apply", tr("文字回転設定反映"))}, false)),
         captioned(tr("行回転角"),
                   row({lineRotation_, apply(ApplyLineRotation, "apply", tr("行回転設定反映"))},
                       false))}));
    layout->addWidget(row(
        {captioned(tr("文字揃え"),
                   row({apply(AlignCharsTop, "align-chars-top", tr("文字上揃え")),
                        apply(AlignCharsCentre, "align-chars-centre", tr("文字センター揃え")),
                        apply(AlignCharsBottom, "align-chars-bottom", tr("文字下揃え"))},
                       false)),
         captioned(tr("行揃え"),
                   row({apply(AlignLinesTop, "align-lines-top", tr("行上揃え")),
                        apply(AlignLinesCentre, "align-lines-centre", tr("行センター揃え")),
                        apply(AlignLinesBottom, "align-lines-bottom", tr("行下揃え"))},
                       false))}));

    effectsShown_ = new QCheckBox(tr("影文字設定"), this);
    effectsShown_->setObjectName(QStringLiteral("changeEffectsShown"));
    layout->addWidget(effectsShown_);

    // The effect boxes, colours and shifts, applied together.
    auto *effects = new QWidget(this);
    effects->setObjectName(QStringLiteral("changeEffects"));
    auto *effectsLayout = new QVBoxLayout(effects);
    effectsLayout->setContentsMargins(12, 0, 0, 0);
    effectsLayout->setSpacing(4);
    effectsLayout->addWidget(row({shadow_, threeD_, outline_}));
    effectsLayout->addWidget(
        row({effectGroup_, apply(ApplyEffects, "apply", tr("影文字設定反映"))}));
    QSizePolicy keepRoom = effects->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    effects->setSizePolicy(keepRoom);
    effects->hide();
    layout->addWidget(effects);
    layout->addStretch(1);
    connect(effectsShown_, &QCheckBox::toggled, this, [this, effects](bool on) {
        effects->setVisible(on);
        emit focusBack();
    });
}

PanelButton *ChangeFormatPanel::makeApplyButton(FormatCommand command, const QString &icon, const QString &caption)
{
    auto *button = new PanelButton(icon, caption, this);
    button->setObjectName(QStringLiteral("apply%1").arg(int(command)));
    connect(button, &PictureButton::clicked, this, [this, command] { emit applyRequested(command); });
    applyButtons_[std::size_t(command)] = button;
    return button;
}

PanelButton *ChangeFormatPanel::applyButton(FormatCommand command) const
{
    return applyButtons_.at(std::size_t(command));
}

void ChangeFormatPanel::showAttributes(const InputFormat &format)
{
    showValues(format);
}

void ChangeFormatPanel::showSelection(const InputFormat &format)
{
    showValues(format);
    setWeight(format.boldWeight);
    showEffectBoxes(EffectBoxes::of(format.effectCode));
}

} // namespace porkane
