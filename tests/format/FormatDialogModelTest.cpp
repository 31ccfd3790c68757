#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "format/DefaultFormatFile.h"
#include "format/FormatDialogModel.h"
#include "format/SampleSettingsFile.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

using Model = FormatDialogModel;

// A format unlike the built-in one in every value.
TextFormat someDefaultFormat()
{
    TextFormat format;
    format.textColour = rgbValue(0, 0, 192);
    format.charWidth = 32;
    format.charHeight = 48;
    format.letterSpacing = 1.5f;
    format.lineSpacing = -0.5f;
    format.charRotation = 90;
    format.lineRotation = 45;
    format.bold = 1;
    format.italic = 1;
    format.underline = 1;
    format.strikeOut = 0;
    format.faceName = QStringLiteral("IPAGothic");
    format.boldWeight = 700;
    format.shadowColour = rgbValue(128, 128, 128);
    format.effectColour = rgbValue(255, 128, 0);
    format.shiftHorizontal = 0.7f;
    format.shiftVertical = -2.5f;
    format.effectCode = 6;
    return format;
}

InputFormat someInputFormat()
{
    InputFormat input;
    input.textColour = rgbValue(255, 0, 0);
    input.charWidth = 25;
    input.charHeight = 35;
    input.letterSpacing = 0.3;
    input.lineSpacing = 1.2;
    input.charRotation = 10;
    input.lineRotation = 20;
    input.boldWeight = 600;
    input.faceName = QStringLiteral("IPAMincho");
    input.effectCode = 5;
    input.shadowColour = rgbValue(0, 255, 0);
    input.effectColour = rgbValue(0, 0, 255);
    input.shiftVertical = 0.5;
    input.shiftHorizontal = -0.4;
    return input;
}

class FormatDialogModelTest : public ::testing::Test {
protected:
    QString dataFile(const QString &name) const { return folder.file(name); }
    // Clicks an effect box: it changes to the other state.
    static void click(Model &model, Model::Effect effect) { model.setEffect(effect, !model.effect(effect)); }

    TempFolder folder;
    TextFormat defaults;
};

} // namespace

// --- Loading -----------------------------------------------------------------------

TEST_F(FormatDialogModelTest, FirstRunShowsTheBuiltInFormat)
{
    const Model model(defaults, folder.path());
    EXPECT_EQ(model.mode(), Model::Mode::DefaultFormat);
    EXPECT_EQ(model.formatForEditor(), 0);
    EXPECT_EQ(model.text(Model::Width), QStringLiteral("30"));
    EXPECT_EQ(model.text(Model::Height), QStringLiteral("40"));
    EXPECT_EQ(model.text(Model::LetterSpacing), QStringLiteral("0.0"));
    EXPECT_EQ(model.text(Model::ShiftVertical), QStringLiteral("0.0"));
    EXPECT_FALSE(model.style(Model::Bold));
    EXPECT_EQ(model.weightText(), QStringLiteral("900"));
    EXPECT_FALSE(model.weightListEnabled());
    EXPECT_FALSE(model.effectFrameEnabled());
    EXPECT_EQ(model.faceName(), QStringLiteral(" "));
    for (Model::Colour colour : {Model::TextColour, Model::ShadowColour, Model::EffectColour})
        EXPECT_EQ(model.colour(colour), 0);
    // Without Shiyosiki.INI the sample has its built-in settings.
    EXPECT_EQ(model.sampleSettings(), SampleSettings{});
    EXPECT_EQ(model.text(Model::GridInterval), QStringLiteral("5"));
    // Nothing changed, nothing different.
    EXPECT_EQ(model.textFormat(), TextFormat{});
}

TEST_F(FormatDialogModelTest, TheDefaultFormatFillsEveryFieldAndComesBackUnchanged)
{
    defaults = someDefaultFormat();
    const SampleSettings sample{rgbValue(250, 240, 230), rgbValue(200, 0, 0), 12};
    ASSERT_TRUE(saveSampleSettings(folder.path(), sample));
    Model model(defaults, folder.path());

    EXPECT_EQ(model.text(Model::LetterSpacing), QStringLiteral("1.5"));
    EXPECT_EQ(model.spinValue(Model::LetterSpacing), 15);
    EXPECT_EQ(model.text(Model::LineSpacing), QStringLiteral("-0.5"));
    EXPECT_EQ(model.spinValue(Model::LineSpacing), -5);
    EXPECT_EQ(model.text(Model::ShiftVertical), QStringLiteral("-2.5"));
    EXPECT_EQ(model.spinValue(Model::ShiftVertical), -25);
    EXPECT_EQ(model.text(Model::CharRotation), QStringLiteral("90"));
    EXPECT_TRUE(model.weightListEnabled());
    // Code 6: three-dimensional and outline.
    EXPECT_FALSE(model.effect(Model::Shadow));
    EXPECT_TRUE(model.effect(Model::ThreeDimensional));
    EXPECT_TRUE(model.effect(Model::Outline));
    EXPECT_EQ(model.sampleSettings(), sample);
    EXPECT_EQ(model.text(Model::GridInterval), QStringLiteral("12"));

    QSignalSpy applied(&model, &Model::defaultFormatApplied);
    defaults = TextFormat{};
    model.apply();
    EXPECT_EQ(defaults, someDefaultFormat());
    EXPECT_EQ(applied.count(), 1);
}

TEST_F(FormatDialogModelTest, AWholeNumberBeyondItsSpinButtonIsShownAsItIs)
{
    defaults.charWidth = 2000;
    defaults.charRotation = -30;
    const Model model(defaults, folder.path());
    EXPECT_EQ(model.text(Model::Width), QStringLiteral("2000"));
    EXPECT_EQ(model.spinValue(Model::Width), 1000);
    EXPECT_EQ(model.text(Model::CharRotation), QStringLiteral("-30"));
    EXPECT_EQ(model.spinValue(Model::CharRotation), 0);
    EXPECT_EQ(model.textFormat().charWidth, 2000);
}

TEST_F(FormatDialogModelTest, AWeightTheListDoesNotOfferIsKeptInItsPlace)
{
    defaults.bold = 1;
    defaults.boldWeight = 650;
    const Model model(defaults, folder.path());
    EXPECT_EQ(model.weightItems(), QStringList({"100", "200", "300", "400", "500", "600", "650", "700", "800", "900"}));
    EXPECT_EQ(model.format().boldWeight, 650);

    defaults.boldWeight = 50;
    EXPECT_EQ(Model(defaults, folder.path()).weightItems().front(), QStringLiteral("50"));
    defaults.boldWeight = 500;
    EXPECT_EQ(Model(defaults, folder.path()).weightItems().size(), 9);
}

TEST_F(FormatDialogModelTest, ACodeWithShadowAndThreeDimensionalLoadsAsThreeDimensional)
{
    defaults.effectCode = 7;
    const Model model(defaults, folder.path());
    EXPECT_FALSE(model.effect(Model::Shadow));
    EXPECT_TRUE(model.effect(Model::ThreeDimensional));
    EXPECT_TRUE(model.effect(Model::Outline));
    EXPECT_EQ(model.format().effectCode, 6);
}

// --- Fields and spin buttons -----------------------------------------------------------

TEST_F(FormatDialogModelTest, TenthsFieldsAndTheirSpinButtonsFollowEachOther)
{
    Model model(defaults, folder.path());
    QSignalSpy fieldChanged(&model, &Model::fieldChanged);
    model.step(Model::LetterSpacing, +1);
    model.step(Model::LetterSpacing, +1);
    EXPECT_EQ(model.text(Model::LetterSpacing), QStringLiteral("0.2"));
    EXPECT_EQ(fieldChanged.count(), 2);
    model.step(Model::LineSpacing, -1);
    EXPECT_EQ(model.text(Model::LineSpacing), QStringLiteral("-0.1"));

    // Typing sets the spin button to nearest(value * 10) and leaves the
    // text as typed.
    model.typeText(Model::LetterSpacing, QStringLiteral("1.25"));
    EXPECT_EQ(model.spinValue(Model::LetterSpacing), 12);
    EXPECT_EQ(model.text(Model::LetterSpacing), QStringLiteral("1.25"));
    model.step(Model::LetterSpacing, +1);
    EXPECT_EQ(model.text(Model::LetterSpacing), QStringLiteral("1.3"));

    // Shifts stop at 10.0 mm, spacings at 100.0 mm.
    model.typeText(Model::ShiftVertical, QStringLiteral("9.9"));
    model.step(Model::ShiftVertical, +1);
    model.step(Model::ShiftVertical, +1);
    EXPECT_EQ(model.text(Model::ShiftVertical), QStringLiteral("10.0"));
    model.typeText(Model::LineSpacing, QStringLiteral("-250"));
    EXPECT_EQ(model.spinValue(Model::LineSpacing), -1000);
    EXPECT_EQ(model.text(Model::LineSpacing), QStringLiteral("-250"));
    // At the bound a click moves nothing and leaves the text as typed.
    const int before = fieldChanged.count();
    model.step(Model::LineSpacing, -1);
    EXPECT_EQ(model.text(Model::LineSpacing), QStringLiteral("-250"));
    EXPECT_EQ(fieldChanged.count(), before);
}

TEST_F(FormatDialogModelTest, WholeNumberFieldsStepWithinTheirRanges)
{
    Model model(defaults, folder.path());
    model.step(Model::Width, +1);
    EXPECT_EQ(model.text(Model::Width), QStringLiteral("31"));
    model.typeText(Model::Height, QStringLiteral("1000"));
    model.step(Model::Height, +1);
    EXPECT_EQ(model.text(Model::Height), QStringLiteral("1000"));

    // Rotations step by 10 and stop at 359.
    model.step(Model::CharRotation, +1);
    EXPECT_EQ(model.text(Model::CharRotation), QStringLiteral("10"));
    model.typeText(Model::LineRotation, QStringLiteral("355"));
    model.step(Model::LineRotation, +1);
    EXPECT_EQ(model.text(Model::LineRotation), QStringLiteral("359"));
    model.step(Model::LineRotation, -1);
    EXPECT_EQ(model.text(Model::LineRotation), QStringLiteral("349"));

    // The grid interval runs from 1 to 100.
    model.typeText(Model::GridInterval, QStringLiteral("1"));
    model.step(Model::GridInterval, -1);
    EXPECT_EQ(model.text(Model::GridInterval), QStringLiteral("1"));
    model.typeText(Model::GridInterval, QStringLiteral("abc"));
    EXPECT_EQ(model.spinValue(Model::GridInterval), 1);

    // A spin button moved by the keyboard or the wheel is held to its range too.
    model.setSpinValue(Model::Width, 5000);
    EXPECT_EQ(model.text(Model::Width), QStringLiteral("1000"));
    model.setSpinValue(Model::ShiftHorizontal, -7);
    EXPECT_EQ(model.text(Model::ShiftHorizontal), QStringLiteral("-0.7"));

    const Model::SpinRange rotation = Model::rangeOf(Model::CharRotation);
    EXPECT_EQ(rotation.step, 10);
    EXPECT_FALSE(rotation.tenths);
    EXPECT_TRUE(Model::rangeOf(Model::ShiftHorizontal).tenths);
}

TEST_F(FormatDialogModelTest, TheSizeButtonMovesBothSizesOnceAndNotBelowOne)
{
    Model model(defaults, folder.path());
    QSignalSpy changed(&model, &Model::changed);
    model.stepSizes(+1);
    EXPECT_EQ(model.text(Model::Width), QStringLiteral("31"));
    EXPECT_EQ(model.text(Model::Height), QStringLiteral("41"));
    EXPECT_EQ(changed.count(), 1); // the sample is drawn once for both

    model.typeText(Model::Width, QStringLiteral("1"));
    model.typeText(Model::Height, QStringLiteral("3"));
    for (int i = 0; i < 3; ++i)
        model.stepSizes(-1);
    EXPECT_EQ(model.text(Model::Width), QStringLiteral("1"));
    EXPECT_EQ(model.text(Model::Height), QStringLiteral("1"));

    model.typeText(Model::Width, QStringLiteral("1000"));
    model.stepSizes(+1);
    EXPECT_EQ(model.text(Model::Width), QStringLiteral("1000"));
    EXPECT_EQ(model.text(Model::Height), QStringLiteral("2"));

    // It moves the spin value, not the typed text.
    model.typeText(Model::Width, QStringLiteral("1.6"));
    model.stepSizes(+1);
    EXPECT_EQ(model.text(Model::Width), QStringLiteral("3"));
}

TEST_F(FormatDialogModelTest, NonNumericTextReadsAsZeroAndSizesRoundHalvesToEven)
{
    Model model(defaults, folder.path());
    model.typeText(Model::Width, QStringLiteral("abc"));
    model.typeText(Model::LetterSpacing, QStringLiteral("x"));
    model.typeText(Model::CharRotation, QStringLiteral("９０"));
    model.typeText(Model::Height, QStringLiteral("20.5"));
    model.typeText(Model::LineRotation, QStringLiteral("99999999"));
    const TextFormat format = model.textFormat();
    EXPECT_EQ(format.charWidth, 0);
    EXPECT_EQ(format.letterSpacing, 0.0f);
    // Full-width digits from an input method are numbers all the same.
    EXPECT_EQ(format.charRotation, 90);
    EXPECT_EQ(format.charHeight, 20);
    // Held to what a 16-bit value holds rather than failing.
    EXPECT_EQ(format.lineRotation, 32767);
}

// --- Effects, styles and colours -----------------------------------------------------

TEST_F(FormatDialogModelTest, EffectCodesOfTheBoxes)
{
    const auto codeFor = [&](std::initializer_list<Model::Effect> clicked) {
        Model model(defaults, folder.path());
        for (Model::Effect effect : clicked)
            click(model, effect);
        return model.format().effectCode;
    };
    EXPECT_EQ(codeFor({Model::ThreeDimensional, Model::Outline}), 6);
    EXPECT_EQ(codeFor({Model::Shadow}), 1);
    EXPECT_EQ(codeFor({Model::Outline}), 4);
    EXPECT_EQ(codeFor({}), 0);
    // Ticking "影文字" under "３Ｄ文字" clears "３Ｄ文字", and the other way.
    EXPECT_EQ(codeFor({Model::ThreeDimensional, Model::Shadow}), 1);
    EXPECT_EQ(codeFor({Model::ThreeDimensional, Model::Outline, Model::Shadow}), 5);
    EXPECT_EQ(codeFor({Model::Shadow, Model::ThreeDimensional}), 2);
}

TEST_F(FormatDialogModelTest, TheEffectFrameAndTheStartColourFollowTheBoxes)
{
    Model model(defaults, folder.path());
    QSignalSpy effectsChanged(&model, &Model::effectsChanged);
    click(model, Model::Shadow); // shadow alone
    EXPECT_TRUE(model.effectFrameEnabled());
    EXPECT_FALSE(model.effectColourEnabled());
    click(model, Model::Outline); // shadow and outline
    EXPECT_TRUE(model.effectColourEnabled());
    click(model, Model::Shadow); // outline alone
    EXPECT_TRUE(model.effectColourEnabled());
    click(model, Model::Outline); // none
    EXPECT_FALSE(model.effectFrameEnabled());
    click(model, Model::ThreeDimensional);
    EXPECT_TRUE(model.effectFrameEnabled());
    EXPECT_TRUE(model.effectColourEnabled());
    EXPECT_EQ(effectsChanged.count(), 5);
    // Setting a box to what it shows is no change.
    model.setEffect(Model::ThreeDimensional, true);
    EXPECT_EQ(effectsChanged.count(), 5);
}

TEST_F(FormatDialogModelTest, BoldEnablesTheWeightListAndPaletteSwatchesSetTheTextColour)
{
    Model model(defaults, folder.path());
    model.setStyle(Model::Bold, true);
    EXPECT_TRUE(model.weightListEnabled());
    model.setWeightText(QStringLiteral("500"));
    model.setStyle(Model::Bold, false);
    EXPECT_FALSE(model.weightListEnabled());
    EXPECT_EQ(model.textFormat().bold, 0);
    EXPECT_EQ(model.textFormat().boldWeight, 500);

    QSignalSpy colourChanged(&model, &Model::colourChanged);
    for (int index = 0; index < int(Model::Palette.size()); ++index) {
        model.pickPaletteColour(index);
        EXPECT_EQ(model.colour(Model::TextColour), Model::Palette[std::size_t(index)]) << index;
    }
    EXPECT_EQ(model.colour(Model::TextColour), rgbValue(255, 128, 0));
    model.pickPaletteColour(9);
    EXPECT_EQ(colourChanged.count(), 9);
    // A swatch holds no top byte.
    model.setColour(Model::GridColour, qint32(0x7F000000) | rgbValue(1, 2, 3));
    EXPECT_EQ(model.sampleSettings().gridColour, rgbValue(1, 2, 3));
}

// --- Apply, set as default and close --------------------------------------------------------

TEST_F(FormatDialogModelTest, ApplySetsTheDefaultFormatFromTheFieldsWithoutWritingIt)
{
    Model model(defaults, folder.path());
    model.setFaceName(QStringLiteral("IPAGothic"));
    model.typeText(Model::Width, QStringLiteral("32"));
    model.typeText(Model::Height, QStringLiteral("20.5")); // nearest, halves to even
    model.typeText(Model::LetterSpacing, QStringLiteral("1.55"));
    model.typeText(Model::LineSpacing, QStringLiteral("2"));
    model.typeText(Model::CharRotation, QStringLiteral("30"));
    model.typeText(Model::LineRotation, QStringLiteral("15"));
    model.setStyle(Model::Italic, true);
    model.setStyle(Model::StrikeOut, true);
    model.pickPaletteColour(8);
    click(model, Model::Shadow);
    model.typeText(Model::ShiftVertical, QStringLiteral("1"));
    model.typeText(Model::ShiftHorizontal, QStringLiteral("-0.5"));
    model.typeText(Model::GridInterval, QStringLiteral("9"));
    model.apply();

    TextFormat expected;
    expected.faceName = QStringLiteral("IPAGothic");
    expected.charWidth = 32;
    expected.charHeight = 20;
    expected.letterSpacing = 1.55f; // the field's number, not the spin button's tenths
    expected.lineSpacing = 2;
    expected.charRotation = 30;
    expected.lineRotation = 15;
    expected.italic = 1;
    expected.strikeOut = 1;
    expected.textColour = rgbValue(255, 128, 0);
    expected.effectCode = 1;
    expected.shiftVertical = 1;
    expected.shiftHorizontal = -0.5f;
    EXPECT_EQ(defaults, expected);
    EXPECT_FALSE(QFile::exists(dataFile(DefaultFormatFileName)));
    EXPECT_FALSE(QFile::exists(dataFile(SampleSettingsFileName)));

    // Set as default writes both files from what apply took.
    model.setAsDefault();
    EXPECT_EQ(loadDefaultFormat(folder.path()), expected);
    EXPECT_EQ(loadSampleSettings(folder.path()).gridInterval, 9);
}

TEST_F(FormatDialogModelTest, InEditorModeApplyHandsBackTheInputFormatInTenths)
{
    defaults = someDefaultFormat();
    Model model(defaults, someInputFormat(), folder.path());
    EXPECT_EQ(model.mode(), Model::Mode::EditorInputFormat);
    EXPECT_EQ(model.formatForEditor(), 1);
    QSignalSpy applied(&model, &Model::inputFormatApplied);
    QSignalSpy defaultApplied(&model, &Model::defaultFormatApplied);

    // Unchanged, the input format comes back as it was.
    model.apply();
    ASSERT_EQ(applied.count(), 1);
    EXPECT_EQ(applied.back().at(0).value<InputFormat>(), someInputFormat());

    model.typeText(Model::LetterSpacing, QStringLiteral("1.26"));
    model.typeText(Model::ShiftHorizontal, QStringLiteral("-0.25"));
    model.typeText(Model::LineSpacing, QStringLiteral("500"));
    model.setStyle(Model::StrikeOut, true);
    model.apply();
    ASSERT_EQ(applied.count(), 2);
    const InputFormat input = applied.back().at(0).value<InputFormat>();
    EXPECT_DOUBLE_EQ(input.letterSpacing, 1.3);
    EXPECT_DOUBLE_EQ(input.shiftHorizontal, -0.2);
    EXPECT_DOUBLE_EQ(input.lineSpacing, 100.0);
    // Only strike-out is ticked: the editor turns on that toggle alone.
    EXPECT_TRUE(input.strikeOut);
    EXPECT_FALSE(input.underline || input.bold || input.italic);
    EXPECT_EQ(defaults, someDefaultFormat());
    EXPECT_EQ(defaultApplied.count(), 0);
}

TEST_F(FormatDialogModelTest, SetAsDefaultInEditorModeWritesTheDefaultsAsTheyWere)
{
    defaults = someDefaultFormat();
    const SampleSettings opened{rgbValue(9, 9, 9), rgbValue(8, 8, 8), 4};
    ASSERT_TRUE(saveSampleSettings(folder.path(), opened));
    Model model(defaults, someInputFormat(), folder.path());
    QSignalSpy applied(&model, &Model::inputFormatApplied);
    model.typeText(Model::Width, QStringLiteral("60"));
    model.typeText(Model::GridInterval, QStringLiteral("20"));
    model.setAsDefault();

    ASSERT_EQ(applied.count(), 1);
    EXPECT_EQ(applied.front().at(0).value<InputFormat>().charWidth, 60);
    EXPECT_EQ(defaults, someDefaultFormat());
    EXPECT_EQ(readBytes(dataFile(DefaultFormatFileName)), writeDefaultFormat(someDefaultFormat()));
    // Apply takes no sample settings in this mode; closing then writes the fields.
    EXPECT_EQ(loadSampleSettings(folder.path()), opened);
    model.close();
    EXPECT_EQ(loadSampleSettings(folder.path()).gridInterval, 20);
}

TEST_F(FormatDialogModelTest, ClosingKeepsTheSampleFieldsWhateverTheButton)
{
    Model model(defaults, folder.path());
    model.typeText(Model::Width, QStringLiteral("99"));
    model.typeText(Model::GridInterval, QStringLiteral("10"));
    model.setColour(Model::BackgroundColour, rgbValue(1, 1, 1));
    model.close();
    EXPECT_EQ(defaults, TextFormat{}); // closing is not applying
    EXPECT_FALSE(QFile::exists(dataFile(DefaultFormatFileName)));
    EXPECT_EQ(readBytes(dataFile(SampleSettingsFileName)), crlf({" 65793 ", " 16773845 ", " 10 "}));

    // An interval that is no number is written as 0, so the file still reads.
    Model again(defaults, folder.path());
    EXPECT_EQ(again.text(Model::GridInterval), QStringLiteral("10"));
    again.typeText(Model::GridInterval, QStringLiteral("abc"));
    again.close();
    const SampleSettings read = readSampleSettings(readBytes(dataFile(SampleSettingsFileName)));
    EXPECT_EQ(read.backgroundColour, rgbValue(1, 1, 1));
    EXPECT_EQ(read.gridInterval, 0);
}
