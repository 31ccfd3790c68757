#pragma once

// The two format panels of the editor window, shown in the same place:
// "入力書式", the format newly typed characters take, and "書式変更", shown
// over it while text is selected, which applies one attribute at a time to
// the selection through its "…設定反映" buttons.

#include <array>

#include <QGroupBox>
#include <QStringList>

#include "editor/ApplyFormat.h"
#include "editor/FormatPanelRules.h"
#include "format/InputFormat.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace porkane {

class ColourSwatch;
class FontCatalogue;
class PanelButton;
class Prompts;
class EditorUpDown;

// What both panels hold: the colour, size, spacing, rotation, font, weight
// and effect controls. Object names start with "input" or "change".
class EditorFormatPanel : public QGroupBox {
    Q_OBJECT
public:
    // The font list: the catalogue's families under the names it shows.
    // The catalogue outlives the panel.
    void setFonts(const FontCatalogue &catalogue);

    // The values the controls show, in the input format's terms.
    virtual InputFormat values() const;

signals:
    // A colour was chosen or the panel is done with the keyboard: the text
    // box takes the focus again.
    void focusBack();

protected:
    EditorFormatPanel(const QString &title, const QString &prefix, Prompts &prompts, QWidget *parent);

    // Puts the values into the controls (the toggles are the subclass's).
    void showValues(const InputFormat &format);
    void setFace(const QString &faceName);
    void setWeight(double weight);
    EffectBoxes effectBoxes() const;
    void showEffectBoxes(const EffectBoxes &boxes);

    // The controls, built by the constructor.
    QString prefix_;
    Prompts &prompts_;
    ColourSwatch *textColour_ = nullptr;
    QComboBox *font_ = nullptr;
    QSpinBox *width_ = nullptr;
    QSpinBox *height_ = nullptr;
    EditorUpDown *sizeBoth_ = nullptr;
    QDoubleSpinBox *letterSpacing_ = nullptr;
    QDoubleSpinBox *lineSpacing_ = nullptr;
    QSpinBox *charRotation_ = nullptr;
    QSpinBox *lineRotation_ = nullptr;
    QComboBox *boldWeight_ = nullptr;
    QCheckBox *shadow_ = nullptr;
    QCheckBox *threeD_ = nullptr;
    QCheckBox *outline_ = nullptr;
    ColourSwatch *shadowColour_ = nullptr;
    ColourSwatch *effectColour_ = nullptr;
    QDoubleSpinBox *shiftVertical_ = nullptr;
    QDoubleSpinBox *shiftHorizontal_ = nullptr;
    QWidget *effectGroup_ = nullptr; // colours and shifts

    // Caption and control side by side.
    QWidget *captioned(const QString &caption, QWidget *control);
    QWidget *row(std::initializer_list<QWidget *> widgets, bool stretch = true);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void chooseColour(ColourSwatch *swatch);
    void effectBoxToggled(QCheckBox *box, bool on);
    bool settingEffects_ = false; // unticking the other box is no click of the user's
    const FontCatalogue *catalogue_ = nullptr;
    QString unlistedFace_; // a face the catalogue does not hold (or " ")
    // The face last shown and its entry: while that entry stays chosen the
    // name goes back unchanged, as the file or the format held it.
    QString shownFace_;
    int shownFaceIndex_ = -1;
};

// "入力書式": every control feeds the record typed characters get.
class InputFormatPanel : public EditorFormatPanel {
    Q_OBJECT
public:
    InputFormatPanel(Prompts &prompts, QWidget *parent = nullptr);

    InputFormat values() const override;
    void setValues(const InputFormat &format);

private:
    void setToggle(PanelButton *button, bool on);
    void updateEnabledControls();

    PanelButton *bold_ = nullptr;
    PanelButton *italic_ = nullptr;
    PanelButton *underline_ = nullptr;
    PanelButton *strikeOut_ = nullptr;
};

// "書式変更": the same controls, each group with its apply button, plus the
// decoration, plain and alignment buttons.
class ChangeFormatPanel : public EditorFormatPanel {
    Q_OBJECT
public:
    ChangeFormatPanel(Prompts &prompts, QWidget *parent = nullptr);

    // Attribute copy: the copied character's format shown in the controls.
    void showAttributes(const InputFormat &format);
    // A new selection: its first character's format in every control, the
    // weight and the effect boxes too.
    void showSelection(const InputFormat &format);
    // The apply button of a command code ("apply<code>").
    PanelButton *applyButton(FormatCommand command) const;

signals:
    void applyRequested(porkane::FormatCommand command);

private:
    PanelButton *makeApplyButton(FormatCommand command, const QString &icon, const QString &caption);
    QCheckBox *effectsShown_ = nullptr;
    std::array<PanelButton *, 26> applyButtons_{};
};

} // namespace porkane
