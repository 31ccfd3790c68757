// The format panels: what the input panel gives typed characters, what the
// change panel's buttons do to the selection, their controls' bounds and
// rules, and the label rotation box.

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "EditorFixture.h"
#include "core/Rounding.h"
#include "core/Units.h"
#include "editor/ui/EditorControls.h"
#include "editor/ui/FormatPanels.h"

using namespace porkane;
using namespace porkane::test;

namespace {

class EditorFormatTest : public EditorTest {
protected:
    EditorFormatTest()
    {
        state.fontCatalogue.begin(2);
        state.fontCatalogue.add(QStringLiteral("IPAGothic"), 128, 4);
        state.fontCatalogue.add(QStringLiteral("IPAMincho"), 128, 4);
    }
    void apply(FormatCommand command)
    {
        clickButton(control<PictureButton>(QStringLiteral("apply%1").arg(int(command))));
    }
    QCheckBox *box(const QString &name) { return control<QCheckBox>(name); }
    // A label holding "A" (height 20) and "B" (height 10), both selected.
    void typeTwoHeights()
    {
        control<QSpinBox>(QStringLiteral("inputHeight"))->setValue(20);
        type(QStringLiteral("A"));
        control<QSpinBox>(QStringLiteral("inputHeight"))->setValue(10);
        type(QStringLiteral("B"));
        selectBox(0, 2);
    }
};

TextFormat everyValueSet()
{
    TextFormat format;
    format.textColour = rgbValue(1, 2, 3);
    format.charWidth = 30;
    format.charHeight = 40;
    format.letterSpacing = 1.5f;
    format.lineSpacing = -0.5f;
    format.charRotation = 90;
    format.lineRotation = 10;
    format.bold = 1;
    format.boldWeight = 700;
    format.italic = 1;
    format.underline = 1;
    format.strikeOut = 1;
    format.faceName = QStringLiteral("IPAMincho");
    format.effectCode = 5;
    format.shadowColour = rgbValue(4, 5, 6);
    format.shiftVertical = 0.3f;
    format.shiftHorizontal = -0.2f;
    format.effectColour = rgbValue(7, 8, 9);
    return format;
}

} // namespace

// --- The input panel ----------------------------------------------------------------------------------

TEST_F(EditorFormatTest, TypedCharactersTakeEveryValueOfTheInputPanel)
{
    state.DefaultFormat = everyValueSet();
    openSheet(rowOfLabels(1));
    EXPECT_EQ(control<QComboBox>(QStringLiteral("inputFont"))->count(), 2);
    type(QStringLiteral("A"));
    const AttrRecord &typed = record(1);
    EXPECT_EQ(typed[TextColourSlot], Variant(qint32(rgbValue(1, 2, 3))));
    EXPECT_EQ(typed[CharWidthSlot], Variant(30.0));
    EXPECT_EQ(typed[CharHeightSlot], Variant(40.0));
    EXPECT_EQ(typed[LetterSpacingSlot], Variant(1.5));
    EXPECT_EQ(typed[LineSpacingSlot], Variant(-0.5));
    EXPECT_EQ(typed[CharRotationSlot], Variant(90.0));
    EXPECT_EQ(typed[LineRotationSlot], Variant(10.0));
    EXPECT_EQ(typed[FontWeightSlot], Variant(700.0));
    EXPECT_EQ(typed[ItalicSlot], Variant(true));
    EXPECT_EQ(typed[UnderlineSlot], Variant(true));
    EXPECT_EQ(typed[StrikeOutSlot], Variant(true));
    EXPECT_EQ(typed[FaceNameSlot], Variant(QStringLiteral("IPAMincho")));
    EXPECT_EQ(typed[EffectCodeSlot], Variant(qint16(5)));
    EXPECT_EQ(typed[ShadowColourSlot], Variant(qint32(rgbValue(4, 5, 6))));
    EXPECT_EQ(typed[ShiftVerticalSlot], Variant(0.3));
    EXPECT_EQ(typed[ShiftHorizontalSlot], Variant(-0.2));
    EXPECT_EQ(typed[EffectColourSlot], Variant(qint32(rgbValue(7, 8, 9))));
    EXPECT_TRUE(typed[CharAlignmentSlot].isEmpty());
}

TEST_F(EditorFormatTest, BoldTakesTheWeightListAndOtherwiseWeight400)
{
    openSheet(rowOfLabels(1));
    auto *weight = control<QComboBox>(QStringLiteral("inputBoldWeight"));
    auto *bold = control<PanelButton>(QStringLiteral("inputBold"));
    EXPECT_FALSE(weight->isEnabled());
    // Toggling the input format is no change to the document.
    clickButton(bold);
    clickButton(bold);
    EXPECT_FALSE(editor->isModified());
    type(QStringLiteral("A"));
    EXPECT_EQ(record(1)[FontWeightSlot], Variant(qint16(400)));

    clickButton(bold);
    EXPECT_TRUE(bold->isOn());
    EXPECT_TRUE(weight->isEnabled());
    weight->setCurrentText(QStringLiteral("600"));
    type(QStringLiteral("B"));
    EXPECT_EQ(record(2)[FontWeightSlot], Variant(600.0));
    clickButton(bold);
    EXPECT_FALSE(weight->isEnabled());
}

TEST_F(EditorFormatTest, BothPanelsKeepShadowAndThreeDApart)
{
    openSheet(rowOfLabels(1));
    for (const QString &prefix : {QStringLiteral("input"), QStringLiteral("change")}) {
        QCheckBox *shadow = box(prefix + QStringLiteral("Shadow"));
        shadow->click();
        box(prefix + QStringLiteral("Outline"))->click();
        box(prefix + QStringLiteral("ThreeD"))->click();
        EXPECT_FALSE(shadow->isChecked()) << prefix.toStdString();
    }
    EXPECT_EQ(editor->inputFormat().effectCode, 6);

    // The input panel's colours and shifts are there while any box is ticked.
    auto *group = control<QWidget>(QStringLiteral("inputEffectGroup"));
    EXPECT_TRUE(group->isEnabled());
    box(QStringLiteral("inputThreeD"))->click();
    EXPECT_TRUE(group->isEnabled());
    box(QStringLiteral("inputOutline"))->click();
    EXPECT_FALSE(group->isEnabled());
}

TEST_F(EditorFormatTest, TheControlsKeepTheirBoundsAndFormats)
{
    openSheet(rowOfLabels(1));
    auto *width = control<QSpinBox>(QStringLiteral("inputWidth"));
    EXPECT_EQ(width->minimum(), 0);
    EXPECT_EQ(width->maximum(), 1000);
    auto *rotation = control<QSpinBox>(QStringLiteral("changeCharRotation"));
    EXPECT_EQ(rotation->maximum(), 359);
    EXPECT_EQ(rotation->singleStep(), 10);
    auto *spacing = control<QDoubleSpinBox>(QStringLiteral("inputLetterSpacing"));
    EXPECT_EQ(spacing->text(), QStringLiteral("0.0"));
    spacing->stepBy(3);
    EXPECT_EQ(spacing->text(), QStringLiteral("0.3"));
    spacing->setValue(-25);
    EXPECT_EQ(spacing->text(), QStringLiteral("-10.0"));
    auto *grid = control<QSpinBox>(QStringLiteral("UpDown20"));
    EXPECT_EQ(grid->minimum(), 1);
    EXPECT_EQ(grid->maximum(), 10);
}

TEST_F(EditorFormatTest, TheThirdSizeSpinnerMovesWidthAndHeightTogether)
{
    openSheet(rowOfLabels(1));
    auto *width = control<QSpinBox>(QStringLiteral("inputWidth"));
    auto *height = control<QSpinBox>(QStringLiteral("inputHeight"));
    width->setValue(1);
    height->setValue(999);
    control<EditorUpDown>(QStringLiteral("inputSizeBoth"))->step(EditorUpDown::Up);
    EXPECT_EQ(width->value(), 2);
    EXPECT_EQ(height->value(), 1000);
}

TEST_F(EditorFormatTest, TheFormatDialogCanReadAndSetTheInputFormat)
{
    EditorWindow &window = openSheet(rowOfLabels(1));
    // Values the fields show exactly: whole numbers, spacings and shifts to one decimal.
    InputFormat format = InputFormat::from(everyValueSet());
    format.shiftVertical = 0.3;
    format.shiftHorizontal = -0.2;
    window.setInputFormat(format);
    EXPECT_EQ(window.inputFormat(), format);
    EXPECT_TRUE(control<QComboBox>(QStringLiteral("inputBoldWeight"))->isEnabled());
}

// --- The change panel ----------------------------------------------------------------------------------

TEST_F(EditorFormatTest, ColourAcrossALineBreakKeepsItsMarkersAndOneUndoTakesItBack)
{
    EditorWindow &window = openSheet(rowOfLabels(1));
    type(QStringLiteral("A"));
    key(Qt::Key_Return);
    type(QStringLiteral("B"));
    textBox()->selectAll();
    pickColour(QStringLiteral("changeTextColour"), rgbValue(255, 0, 0));
    apply(ApplyColour);
    const Variant red(qint32(rgbValue(255, 0, 0)));
    EXPECT_EQ(slot0(1), red);
    EXPECT_EQ(slot0(2), Variant("LF"));
    EXPECT_EQ(slot0(3), Variant("CR"));
    EXPECT_EQ(slot0(4), red);
    EXPECT_TRUE(window.isModified());
    // The selection stays, and with it the change panel.
    EXPECT_TRUE(textBox()->textCursor().hasSelection());

    clickButton(EditorWindow::UndoButton);
    EXPECT_EQ(slot0(1), Variant(qint32(0)));
    EXPECT_EQ(slot0(4), Variant(qint32(0)));
}

TEST_F(EditorFormatTest, CharacterCentreAlignmentOfHeights20And10Gives0And5)
{
    openSheet(rowOfLabels(1));
    typeTwoHeights();
    apply(AlignCharsCentre);
    EXPECT_EQ(record(1)[CharAlignmentSlot].toDouble(), 0.0);
    EXPECT_EQ(record(2)[CharAlignmentSlot].toDouble(), 5.0);
    apply(AlignCharsBottom);
    EXPECT_EQ(record(2)[CharAlignmentSlot].toDouble(), 10.0);
    apply(AlignCharsTop);
    EXPECT_EQ(record(2)[CharAlignmentSlot].toDouble(), 0.0);
}

TEST_F(EditorFormatTest, LineCentreAlignmentAppliesToTheWholeLabel)
{
    openSheet(rowOfLabels(1)); // labels 20 mm high
    control<QSpinBox>(QStringLiteral("inputHeight"))->setValue(20);
    type(QStringLiteral("ABC"));
    selectBox(1, 2);
    apply(AlignLinesCentre);
    // One line of height 20: its advance is nearest(20 / 72 × 1000 / 15).
    const double free = 20 * TwipsPerMillimetre / 15 - roundHalfEven(20.0 / 72 * 1000 / 15);
    for (int position = 1; position <= 3; ++position)
        EXPECT_DOUBLE_EQ(record(position)[LineAlignmentSlot].toDouble(), free / 2) << position;
    apply(AlignLinesBottom);
    EXPECT_DOUBLE_EQ(record(1)[LineAlignmentSlot].toDouble(), free);
}

TEST_F(EditorFormatTest, DecorationButtonsSetAndThePlainButtonClearsThem)
{
    openSheet(rowOfLabels(1));
    type(QStringLiteral("AB"));
    selectBox(0, 1);
    control<QComboBox>(QStringLiteral("changeBoldWeight"))->setCurrentText(QStringLiteral("800"));
    apply(ApplyBold);
    apply(ApplyItalic);
    apply(ApplyUnderline);
    apply(ApplyStrikeOut);
    EXPECT_EQ(record(1)[FontWeightSlot].toDouble(), 800);
    EXPECT_TRUE(record(1)[ItalicSlot].toBool());
    EXPECT_TRUE(record(1)[UnderlineSlot].toBool());
    EXPECT_TRUE(record(1)[StrikeOutSlot].toBool());
    EXPECT_EQ(record(2)[FontWeightSlot], Variant(qint16(400))); // not selected
    apply(ApplyPlain);
    EXPECT_EQ(record(1)[FontWeightSlot].toDouble(), 400);
    EXPECT_FALSE(record(1)[ItalicSlot].toBool());
    EXPECT_FALSE(record(1)[UnderlineSlot].toBool());
    EXPECT_FALSE(record(1)[StrikeOutSlot].toBool());
}

TEST_F(EditorFormatTest, TheValueButtonsApplyTheirFieldsToTheSelection)
{
    openSheet(rowOfLabels(1));
    type(QStringLiteral("AB"));
    selectBox(1, 2);
    control<QComboBox>(QStringLiteral("changeFont"))->setCurrentText(QStringLiteral("IPAGothic"));
    control<QSpinBox>(QStringLiteral("changeWidth"))->setValue(12);
    control<QSpinBox>(QStringLiteral("changeHeight"))->setValue(34);
    control<QDoubleSpinBox>(QStringLiteral("changeLetterSpacing"))->setValue(1.2);
    control<QDoubleSpinBox>(QStringLiteral("changeLineSpacing"))->setValue(-0.4);
    control<QSpinBox>(QStringLiteral("changeCharRotation"))->setValue(180);
    control<QSpinBox>(QStringLiteral("changeLineRotation"))->setValue(30);
    for (FormatCommand command : {ApplyFont, ApplySize, ApplyLetterSpacing, ApplyLineSpacing, ApplyCharRotation,
                                  ApplyLineRotation})
        apply(command);
    EXPECT_EQ(record(2)[FaceNameSlot], Variant(QStringLiteral("IPAGothic")));
    EXPECT_EQ(record(2)[CharWidthSlot].toDouble(), 12);
    EXPECT_EQ(record(2)[CharHeightSlot].toDouble(), 34);
    EXPECT_DOUBLE_EQ(record(2)[LetterSpacingSlot].toDouble(), 1.2);
    EXPECT_DOUBLE_EQ(record(2)[LineSpacingSlot].toDouble(), -0.4);
    EXPECT_EQ(record(2)[CharRotationSlot].toDouble(), 180);
    EXPECT_EQ(record(2)[LineRotationSlot].toDouble(), 30);
    EXPECT_EQ(record(1)[CharHeightSlot].toDouble(), 20); // outside the selection
}

TEST_F(EditorFormatTest, TheEffectSettingsShowOnRequestAndApplyTogether)
{
    openSheet(rowOfLabels(1));
    type(QStringLiteral("A"));
    selectBox(0, 1);
    auto *effects = control<QWidget>(QStringLiteral("changeEffects"));
    EXPECT_FALSE(effects->isVisible());
    box(QStringLiteral("changeEffectsShown"))->click();
    EXPECT_TRUE(effects->isVisible());
    box(QStringLiteral("changeThreeD"))->click();
    box(QStringLiteral("changeOutline"))->click();
    pickColour(QStringLiteral("changeShadowColour"), rgbValue(9, 9, 9));
    pickColour(QStringLiteral("changeEffectColour"), rgbValue(200, 0, 0));
    control<QDoubleSpinBox>(QStringLiteral("changeShiftVertical"))->setValue(0.5);
    control<QDoubleSpinBox>(QStringLiteral("changeShiftHorizontal"))->setValue(-0.7);
    apply(ApplyEffects);
    EXPECT_EQ(record(1)[EffectCodeSlot].toDouble(), 6);
    EXPECT_EQ(record(1)[ShadowColourSlot].toDouble(), rgbValue(9, 9, 9));
    EXPECT_EQ(record(1)[EffectColourSlot].toDouble(), rgbValue(200, 0, 0));
    EXPECT_DOUBLE_EQ(record(1)[ShiftVerticalSlot].toDouble(), 0.5);
    EXPECT_DOUBLE_EQ(record(1)[ShiftHorizontalSlot].toDouble(), -0.7);
}

TEST_F(EditorFormatTest, AttributeCopyShowsTheFirstSelectedCharactersFormat)
{
    openSheet(rowOfLabels(1));
    pickColour(QStringLiteral("inputTextColour"), rgbValue(255, 0, 0));
    control<QSpinBox>(QStringLiteral("inputWidth"))->setValue(30);
    control<QComboBox>(QStringLiteral("inputFont"))->setCurrentText(QStringLiteral("IPAMincho"));
    type(QStringLiteral("A"));
    pickColour(QStringLiteral("inputTextColour"), rgbValue(0, 0, 255));
    type(QStringLiteral("B"));
    selectBox(0, 1);
    clickButton(EditorWindow::AttributeCopyButton);
    EXPECT_EQ(control<ColourSwatch>(QStringLiteral("changeTextColour"))->colour(), rgbValue(255, 0, 0));
    EXPECT_EQ(control<QSpinBox>(QStringLiteral("changeWidth"))->value(), 30);
    EXPECT_EQ(control<QComboBox>(QStringLiteral("changeFont"))->currentText(), QStringLiteral("IPAMincho"));
    // Copying attributes changes nothing.
    EXPECT_EQ(slot0(2), Variant(qint32(rgbValue(0, 0, 255))));

    // Applied to another selection.
    selectBox(1, 2);
    apply(ApplyColour);
    EXPECT_EQ(slot0(2), Variant(qint32(rgbValue(255, 0, 0))));

    // Once applied, the next selection shows its own values again.
    pickColour(QStringLiteral("changeTextColour"), rgbValue(0, 255, 0));
    selectBox(2, 2);
    selectBox(1, 2);
    EXPECT_EQ(control<ColourSwatch>(QStringLiteral("changeTextColour"))->colour(), rgbValue(255, 0, 0));
}

TEST_F(EditorFormatTest, TheChangePanelStartsFromTheSelectionsOwnValues)
{
    openSheet(rowOfLabels(1));
    control<QSpinBox>(QStringLiteral("inputWidth"))->setValue(20);
    control<QSpinBox>(QStringLiteral("inputHeight"))->setValue(30);
    control<QComboBox>(QStringLiteral("inputFont"))->setCurrentText(QStringLiteral("IPAMincho"));
    box(QStringLiteral("inputShadow"))->click();
    type(QStringLiteral("AB"));
    control<QSpinBox>(QStringLiteral("inputHeight"))->setValue(50);
    type(QStringLiteral("C"));

    // Pressing "文字サイズ設定反映" without touching the fields changes nothing.
    selectBox(0, 2);
    EXPECT_EQ(control<QSpinBox>(QStringLiteral("changeWidth"))->value(), 20);
    EXPECT_EQ(control<QSpinBox>(QStringLiteral("changeHeight"))->value(), 30);
    EXPECT_EQ(control<QComboBox>(QStringLiteral("changeFont"))->currentText(), QStringLiteral("IPAMincho"));
    EXPECT_TRUE(box(QStringLiteral("changeShadow"))->isChecked());
    apply(ApplySize);
    apply(ApplyEffects);
    EXPECT_EQ(record(1)[CharWidthSlot].toDouble(), 20);
    EXPECT_EQ(record(2)[CharHeightSlot].toDouble(), 30);
    EXPECT_EQ(record(1)[EffectCodeSlot].toDouble(), ShadowEffect);

    // A value set by hand stays while the selection grows from the same start.
    control<QSpinBox>(QStringLiteral("changeHeight"))->setValue(12);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(control<QSpinBox>(QStringLiteral("changeHeight"))->value(), 12);
    // Another selection shows its own first character.
    selectBox(2, 2);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(control<QSpinBox>(QStringLiteral("changeHeight"))->value(), 50);
}

// --- The rotation box ----------------------------------------------------------------------------------

TEST_F(EditorFormatTest, TheRotationBoxBelongsToEachLabel)
{
    EditorWindow &window = openSheet(rowOfLabels(2));
    QCheckBox *rotate = box(QStringLiteral("rotateLabel"));
    EXPECT_EQ(rotate->text(), QStringLiteral("ラベルを１８０度回転する。"));
    rotate->click();
    EXPECT_EQ(document().LabelRotated(1), 1);
    EXPECT_TRUE(window.isModified());
    window.selectLabel(2);
    EXPECT_FALSE(rotate->isChecked());
    EXPECT_EQ(document().LabelRotated(2), 0);
    window.selectLabel(1);
    EXPECT_TRUE(rotate->isChecked());
    EXPECT_EQ(document().LabelRotated(1), 1);
}

TEST_F(EditorFormatTest, FontListsShowJapaneseNamesAndKeepTheNamesRecordsHold)
{
    state.fontCatalogue.begin(3);
    state.fontCatalogue.add(QStringLiteral("IPAGothic"), 128, 4, QStringLiteral("IPAゴシック"));
    state.fontCatalogue.add(QStringLiteral("IPAMincho"), 128, 4, QStringLiteral("IPA明朝"));
    state.fontCatalogue.add(QStringLiteral("Nimbus Sans"), 0, 4);
    state.DefaultFormat.faceName = QStringLiteral("Nimbus Sans [urw]"); // as an earlier list named it
    openSheet(rowOfLabels(1));
    auto *inputFont = control<QComboBox>(QStringLiteral("inputFont"));
    ASSERT_EQ(inputFont->count(), 3);
    EXPECT_EQ(inputFont->itemText(0), QStringLiteral("IPAゴシック"));
    EXPECT_EQ(inputFont->currentText(), QStringLiteral("Nimbus Sans"));

    // The name the format held goes on unchanged; a font chosen from the
    // list is stored under its face name.
    type(QStringLiteral("A"));
    EXPECT_EQ(record(1)[FaceNameSlot], Variant(QStringLiteral("Nimbus Sans [urw]")));
    inputFont->setCurrentText(QStringLiteral("IPA明朝"));
    type(QStringLiteral("B"));
    EXPECT_EQ(record(2)[FaceNameSlot], Variant(QStringLiteral("IPAMincho")));

    // A record holding the Japanese name shows its entry, and applying the
    // font untouched leaves it as it was.
    document().CharAttr(1, 1)[FaceNameSlot] = Variant(QStringLiteral("IPA明朝"));
    selectBox(0, 1);
    auto *changeFont = control<QComboBox>(QStringLiteral("changeFont"));
    EXPECT_EQ(changeFont->currentText(), QStringLiteral("IPA明朝"));
    apply(ApplyFont);
    EXPECT_EQ(record(1)[FaceNameSlot], Variant(QStringLiteral("IPA明朝")));
    changeFont->setCurrentText(QStringLiteral("IPAゴシック"));
    apply(ApplyFont);
    EXPECT_EQ(record(1)[FaceNameSlot], Variant(QStringLiteral("IPAGothic")));
}
