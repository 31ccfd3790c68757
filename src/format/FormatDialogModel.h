#pragma once

// What the format-settings dialog holds and the rules it follows, without
// the widgets: the values of its fields, spin buttons, boxes and swatches,
// the conversions between them, the effect boxes' exclusion, and what
// apply, set-as-default and closing do in each of its two modes.

#include <array>

#include <QObject>
#include <QString>
#include <QStringList>

#include "core/Colour.h"
#include "format/InputFormat.h"
#include "format/SampleSettingsFile.h"
#include "format/TextFormat.h"

namespace porkane {

class FormatDialogModel : public QObject {
    Q_OBJECT
public:
    // What the dialog edits (AppState::FormatForEditor 0 and 1).
    enum class Mode {
        DefaultFormat,     // opened from the main menu
        EditorInputFormat, // opened from the editor
    };

    // A text field with its spin button.
    enum Field {
        Width,           // Text1, UpDown1
        Height,          // Text2, UpDown2
        LetterSpacing,   // Text3, UpDown5
        LineSpacing,     // Text4, UpDown9
        CharRotation,    // Text5, UpDown6
        LineRotation,    // Text7, UpDown8
        ShiftVertical,   // Text8, UpDown4
        ShiftHorizontal, // Text9, UpDown10
        GridInterval,    // Text6, UpDown7
        FieldCount
    };
    // A tenths spin button holds millimetres x 10 and its field shows the
    // value / 10 as "0.0"; the others show their value itself.
    struct SpinRange {
        int minimum;
        int maximum;
        int step;
        bool tenths;
    };
    static SpinRange rangeOf(Field field);

    enum Style { Bold, Italic, Underline, StrikeOut, StyleCount };
    enum Effect { Shadow, ThreeDimensional, Outline, EffectCount };
    enum Colour { TextColour, ShadowColour, EffectColour, BackgroundColour, GridColour, ColourCount };

    static constexpr std::array<RgbValue, 9> Palette = {
        rgbValue(0, 0, 0),       // black
        rgbValue(255, 0, 0),     // red
        rgbValue(255, 255, 0),   // yellow
        rgbValue(0, 255, 255),   // cyan
        rgbValue(0, 255, 0),     // green
        rgbValue(0, 0, 192),     // dark blue
        rgbValue(192, 0, 192),   // purple
        rgbValue(255, 255, 255), // white
        rgbValue(255, 128, 0),   // orange
    };

    // On the default format, which apply changes.
    FormatDialogModel(TextFormat &defaultFormat, const QString &dataFolder, QObject *parent = nullptr);
    // On the editor's input format; the default format is only written to
    // DefMog.INI as it is by set-as-default.
    FormatDialogModel(TextFormat &defaultFormat, const InputFormat &input, const QString &dataFolder,
                      QObject *parent = nullptr);
    // Either, starting from `start` (the default format's own values in its
    // mode). The sample settings are read from Shiyosiki.INI in `dataFolder`.
    FormatDialogModel(Mode mode, TextFormat &defaultFormat, const InputFormat &start, const QString &dataFolder,
                      QObject *parent = nullptr);

    Mode mode() const { return mode_; }
    qint16 formatForEditor() const { return mode_ == Mode::EditorInputFormat ? 1 : 0; }

    QString text(Field field) const { return texts_[std::size_t(field)]; }
    int spinValue(Field field) const { return spins_[std::size_t(field)]; }
    // Typed text: the spin button follows (nearest, within its range); the
    // text stays as typed.
    void typeText(Field field, const QString &text);
    // The spin button moved to `value` (held to its range); the field shows
    // it. Nothing happens when the value stays as it is.
    void setSpinValue(Field field, int value);
    // One click of a spin button's arrow: the value moves by its step.
    void step(Field field, int direction);
    // The size spin button: width and height move together by 1, never
    // below 1 and not beyond their range.
    void stepSizes(int direction);

    QString faceName() const { return faceName_; }
    void setFaceName(const QString &faceName);

    bool style(Style style) const { return styles_[std::size_t(style)]; }
    void setStyle(Style style, bool on);
    bool weightListEnabled() const { return style(Bold); }
    QString weightText() const { return weightText_; }
    void setWeightText(const QString &text);
    // "100" to "900", and the weight the dialog started with in its place
    // among them when the list does not offer it.
    QStringList weightItems() const;

    bool effect(Effect effect) const { return effects_[std::size_t(effect)]; }
    // Shadow and three-dimensional exclude each other; the outline goes with
    // either.
    void setEffect(Effect effect, bool on);
    bool effectFrameEnabled() const;
    // The start colour means nothing to a shadow alone.
    bool effectColourEnabled() const;

    RgbValue colour(Colour colour) const { return colours_[std::size_t(colour)]; }
    void setColour(Colour colour, RgbValue value);
    void pickPaletteColour(int index);

    // The format the fields hold, as a typed character would get it.
    InputFormat format() const;
    // The same as the default format keeps it.
    TextFormat textFormat() const;
    // What apply hands the editor: spacings and shifts as its tenths spin
    // buttons hold them.
    InputFormat appliedInputFormat() const;
    // The sample settings the swatches and the grid field hold.
    SampleSettings sampleSettings() const;

    // The buttons. Apply changes the default format (and the sample settings
    // set-as-default writes) or hands the editor its input format.
    void apply();
    // Apply, then DefMog.INI and Shiyosiki.INI are written.
    void setAsDefault();
    // However the dialog closes, Shiyosiki.INI keeps the sample fields.
    void close();

signals:
    // The model rewrote a field (a spin click); its text and spin value are
    // to be shown.
    void fieldChanged(porkane::FormatDialogModel::Field field);
    void effectsChanged();
    void colourChanged(porkane::FormatDialogModel::Colour colour);
    // Something the sample shows changed.
    void changed();
    void defaultFormatApplied();
    void inputFormatApplied(const porkane::InputFormat &format);

private:
    void showValue(Field field, double value);
    void setSpinFromText(Field field);
    double number(Field field) const;

    const Mode mode_;
    TextFormat &defaultFormat_;
    const QString dataFolder_;
    SampleSettings sampleSettings_; // read when the dialog opens, changed by apply
    QString startWeight_;

    std::array<QString, FieldCount> texts_{};
    std::array<int, FieldCount> spins_{};
    QString faceName_;
    std::array<bool, StyleCount> styles_{};
    QString weightText_;
    std::array<bool, EffectCount> effects_{};
    std::array<RgbValue, ColourCount> colours_{};
};

} // namespace porkane
