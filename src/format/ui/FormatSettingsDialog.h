#pragma once

#include <array>

#include <QPointer>

#include "widgets/SkinnedWindow.h"
#include "format/InputFormat.h"
#include "format/SampleSettingsFile.h"
#include "format/TextFormat.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace porkane {

struct AppState;
class ColourSwatch;
class PictureButton;
class SampleView;
class SpinField;

// The format-settings dialog (Form1, "書式設定"): a complete text format
// with a live sample. It is an ordinary window; the window that opens it
// stays disabled while it is up.
//
// Two modes (AppState::FormatForEditor):
//   0  from the main menu: it edits AppState::DefaultFormat, which apply
//      changes and set-as-default also writes to DefMog.INI;
//   1  from the editor: it edits a copy of the editor's input format and
//      hands the applied result back through inputFormatApplied(); the
//      DefaultFormat stays as it is (set-as-default then writes it to
//      DefMog.INI unchanged).
// Closing, by any button or the window's close, writes Shiyosiki.INI from
// the sample fields, enables the opener again and sets FormatForEditor to 0.
//
// Controls carry the names the program has always used: ListView1, Label1,
// Text1 to Text9, UpDown1 to UpDown10, Check1 to Check4, Combo1, Label10,
// the palette Label2_0 to Label2_8, the effect boxes Check5_0 to Check5_2,
// Label13, Label15 to Label17, SampleView and the buttons Picture2_0 (apply),
// Picture2_1 (set as default), Picture2_2 (discard) and Picture2_8 (close).
class FormatSettingsDialog : public SkinnedWindow {
    Q_OBJECT
public:
    // Mode 0, on AppState::DefaultFormat.
    explicit FormatSettingsDialog(AppState &state, QWidget *opener = nullptr);
    // Mode 1, on the editor's input format (its four style toggles are its
    // bold, italic, underline and strikeOut).
    FormatSettingsDialog(AppState &state, const InputFormat &input, QWidget *opener = nullptr);
    ~FormatSettingsDialog() override;

    // Makes the dialog in its mode, deleted when it closes, and shows it
    // over the opener, which it disables until it closes.
    static FormatSettingsDialog *openOnDefaultFormat(AppState &state, QWidget *opener);
    static FormatSettingsDialog *openOnInputFormat(AppState &state, const InputFormat &input, QWidget *opener);

    bool forEditor() const { return forEditor_; }
    QWidget *opener() const { return opener_; }
    SampleView *sampleView() const { return sample_; }

    // The format the fields hold now, as a typed character would get it.
    InputFormat fieldsFormat() const;
    // The sample settings the swatches and the grid field hold now.
    SampleSettings fieldsSampleSettings() const;

    // The buttons' commands.
    void applyAndClose();        // Picture2_0
    void setAsDefaultAndClose(); // Picture2_1
    void discardAndClose();      // Picture2_2

signals:
    // Mode 1: apply took the fields; the editor sets its input panel and its
    // four style toggles from `format`.
    void inputFormatApplied(const porkane::InputFormat &format);
    // Mode 0: apply changed AppState::DefaultFormat.
    void defaultFormatApplied();
    // The dialog has closed: Shiyosiki.INI is written and the opener enabled.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A text field with its spin button. Tenths fields show the spin value
    // divided by 10 ("0.0"); the others show it as it is.
    struct NumberPair {
        QLineEdit *field = nullptr;
        SpinField *spin = nullptr;
        bool tenths = false;
    };
    enum Field {
        WidthField,         // Text1, UpDown1
        HeightField,        // Text2, UpDown2
        LetterSpacingField, // Text3, UpDown5
        LineSpacingField,   // Text4, UpDown9
        CharRotationField,  // Text5, UpDown6
        LineRotationField,  // Text7, UpDown8
        ShiftVerticalField, // Text8, UpDown4
        ShiftHorizontalField, // Text9, UpDown10
        GridIntervalField,  // Text6, UpDown7
        FieldCount
    };
    enum Effect { ShadowBox, ThreeDimensionalBox, OutlineBox };

    FormatSettingsDialog(AppState &state, bool forEditor, const InputFormat &input, QWidget *opener);

    void buildControls();
    QWidget *buildFontGroup();
    QWidget *buildSizeGroup();
    QWidget *buildSpacingGroup();
    QWidget *buildRotationGroup();
    QWidget *buildStyleGroup();
    QWidget *buildColourGroup();
    QWidget *buildEffectGroup();
    QWidget *buildSampleGroup();
    QWidget *buildButtonRow();
    SpinField *makeNumberPair(Field which, const QString &fieldName, const QString &spinName, int minimum,
                              int maximum, int step, bool tenths, QWidget *parent);

    void load(const InputFormat &format);
    void fillFontList(const QString &faceName);
    void showValue(Field which, double value);
    double fieldValue(Field which) const;

    void fieldEdited(Field which);
    void spinStepped(Field which);
    void sizeClicked(int direction);
    void effectBoxChanged(Effect which);
    void updateEffectControls();
    void boldChanged();
    void chooseColour(ColourSwatch *swatch);
    void changed();
    void redrawSample();

    void apply();
    TextFormat fieldsTextFormat() const;
    void placeOverOpener();

    AppState &state_;
    const bool forEditor_;
    QPointer<QWidget> opener_;
    bool loading_ = false;
    bool changingSizes_ = false;
    bool effectRuleActive_ = false;
    bool closed_ = false;
    SampleSettings sampleSettings_;

    QTreeWidget *fontList_ = nullptr;
    QLabel *faceNameLabel_ = nullptr;
    std::array<NumberPair, FieldCount> fields_{};
    SpinField *sizeSpin_ = nullptr;
    std::array<QCheckBox *, 4> styleBoxes_{}; // bold, italic, underline, strike-out
    QComboBox *weightList_ = nullptr;
    ColourSwatch *textColour_ = nullptr;
    std::array<ColourSwatch *, 9> palette_{};
    std::array<QCheckBox *, 3> effectBoxes_{};
    QWidget *effectFrame_ = nullptr;
    ColourSwatch *shadowColour_ = nullptr;
    ColourSwatch *effectColour_ = nullptr;
    QLabel *effectColourCaption_ = nullptr;
    ColourSwatch *backgroundColour_ = nullptr;
    ColourSwatch *gridColour_ = nullptr;
    SampleView *sample_ = nullptr;
    std::array<PictureButton *, 3> buttons_{};
};

} // namespace porkane
