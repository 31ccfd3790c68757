#pragma once

#include <array>

#include <QPointer>

#include "widgets/SkinnedWindow.h"
#include "format/FormatDialogModel.h"
#include "format/InputFormat.h"
#include "format/SampleSettingsFile.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace porkane {

struct AppState;
class ColourSwatch;
class FontList;
class PictureButton;
class SampleView;
class SpinField;

// The format-settings dialog (Form1, "書式設定"): a complete text format
// with a live sample. It is shown without modality; the window that opens
// it stays disabled while it is up. Its values and rules are the
// FormatDialogModel; the dialog shows them and passes the user's edits in.
//
// Two modes (AppState::FormatForEditor):
//   0  from the main menu: it edits AppState::DefaultFormat, which apply
//      changes and set-as-default also writes to DefMog.INI;
//   1  from the editor: it edits a copy of the editor's input format and
//      hands the applied result back through inputFormatApplied(); the
//      DefaultFormat stays as it is (set-as-default then writes it to
//      DefMog.INI unchanged).
// Closing, by any button, Escape or the window's close, writes
// Shiyosiki.INI from the sample fields, enables the opener again and sets
// FormatForEditor to 0.
//
// Controls carry the names the program has always used: ListView1, Label1,
// Text1 to Text9, UpDown1 to UpDown10, Check1 to Check4, Combo1, Label10,
// the palette Label2_0 to Label2_8, the effect boxes Check5_0 to Check5_2,
// Label13, Label15 to Label17, SampleView and the buttons Picture2_0 (apply),
// Picture2_1 (set as default), Picture2_2 (discard) and Picture2_8 (close).
class FormatSettingsDialog : public SkinnedDialog {
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

    bool forEditor() const { return model_.mode() == FormatDialogModel::Mode::EditorInputFormat; }
    QWidget *opener() const { return opener_; }
    SampleView *sampleView() const { return sample_; }
    const FormatDialogModel &model() const { return model_; }

    // The format the fields hold now, as a typed character would get it.
    InputFormat fieldsFormat() const { return model_.format(); }
    // The sample settings the swatches and the grid field hold now.
    SampleSettings fieldsSampleSettings() const { return model_.sampleSettings(); }

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
    // Escape discards as "取消" does, through the same close.
    void reject() override;

private:
    using Field = FormatDialogModel::Field;
    using Colour = FormatDialogModel::Colour;
    struct PairRow {
        QString caption;
        Field field;
        const char *fieldName;
        const char *spinName;
    };

    FormatSettingsDialog(AppState &state, bool forEditor, const InputFormat &input, QWidget *opener);
    static FormatSettingsDialog *showOpened(FormatSettingsDialog *dialog);

    void buildControls();
    QWidget *buildFontGroup();
    QWidget *buildSizeGroup();
    // A group of two number fields with their captions and one unit.
    QWidget *buildPairGroup(const QString &title, const std::array<PairRow, 2> &rows, const QString &unit);
    QWidget *buildStyleGroup();
    QWidget *buildColourGroup();
    QWidget *buildEffectGroup();
    QWidget *buildSampleGroup();
    QWidget *buildButtonRow();
    SpinField *makeNumberPair(Field which, const QString &fieldName, const QString &spinName, QWidget *parent);
    ColourSwatch *makeSwatch(Colour which, const QString &name, QSize size, QWidget *parent);
    void connectModel();

    void showModel();
    void showField(Field which);
    void showEffects();
    void chooseColour(Colour which);
    void redrawSample();
    void placeOverOpener();

    AppState &state_;
    FormatDialogModel model_;
    QPointer<QWidget> opener_;
    bool showingValues_ = false; // the widgets are being set from the model: no edit
    bool closed_ = false;

    FontList *fontList_ = nullptr;
    QLabel *faceNameLabel_ = nullptr;
    std::array<SpinField *, FormatDialogModel::FieldCount> fields_{};
    SpinField *sizeSpin_ = nullptr;
    std::array<QCheckBox *, FormatDialogModel::StyleCount> styleBoxes_{};
    QComboBox *weightList_ = nullptr;
    std::array<ColourSwatch *, FormatDialogModel::ColourCount> swatches_{};
    std::array<QCheckBox *, FormatDialogModel::EffectCount> effectBoxes_{};
    QWidget *effectFrame_ = nullptr;
    QLabel *effectColourCaption_ = nullptr;
    SampleView *sample_ = nullptr;
    std::array<PictureButton *, 3> buttons_{};
};

} // namespace porkane
