#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>

#include "FormatDialogFixture.h"
#include "format/DefaultFormatFile.h"
#include "format/SampleSettingsFile.h"

using namespace porkane;
using namespace porkane::test;

namespace {

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
    format.faceName = TestFace;
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
    input.bold = false;
    input.boldWeight = 600;
    input.faceName = QStringLiteral("IPAMincho");
    input.effectCode = 5;
    input.shadowColour = rgbValue(0, 255, 0);
    input.effectColour = rgbValue(0, 0, 255);
    input.shiftVertical = 0.5;
    input.shiftHorizontal = -0.4;
    return input;
}

QList<QByteArray> fileLines(const QString &path)
{
    QList<QByteArray> lines = readBytes(path).split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(line.endsWith('\r') ? 1 : 0);
    return lines;
}

} // namespace

// --- Loading -----------------------------------------------------------------------

TEST_F(FormatDialogTest, FirstRunWithoutDefMogShowsTheBuiltInFormat)
{
    ASSERT_FALSE(QFile::exists(dataFile(DefaultFormatFileName)));
    openOnDefault();
    EXPECT_EQ(field(1)->text(), QStringLiteral("30"));
    EXPECT_EQ(field(2)->text(), QStringLiteral("40"));
    EXPECT_FALSE(box(QStringLiteral("Check1"))->isChecked());
    EXPECT_EQ(weightList()->currentText(), QStringLiteral("900"));
    EXPECT_FALSE(weightList()->isEnabled());
    for (int index = 0; index < 3; ++index)
        EXPECT_FALSE(effectBox(index)->isChecked());
    EXPECT_FALSE(control(QStringLiteral("effectFrame"))->isEnabled());
    EXPECT_EQ(swatch(QStringLiteral("Label10"))->colour(), 0);
    EXPECT_EQ(swatch(QStringLiteral("Label16"))->colour(), 0);
    EXPECT_EQ(swatch(QStringLiteral("Label17"))->colour(), 0);
    EXPECT_EQ(faceName(), QStringLiteral(" "));
    EXPECT_EQ(field(3)->text(), QStringLiteral("0.0"));
    EXPECT_EQ(field(8)->text(), QStringLiteral("0.0"));
    // Without Shiyosiki.INI the sample has its built-in settings.
    EXPECT_EQ(swatch(QStringLiteral("Label15"))->colour(), rgbValue(255, 255, 255));
    EXPECT_EQ(swatch(QStringLiteral("Label13"))->colour(), rgbValue(213, 242, 255));
    EXPECT_EQ(field(6)->text(), QStringLiteral("5"));
    EXPECT_EQ(dialog->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(state.FormatForEditor, 0);
    EXPECT_EQ(state.ModalMode, ModalNone);
}

TEST_F(FormatDialogTest, TheDefaultFormatFillsEveryField)
{
    state.DefaultFormat = someDefaultFormat();
    SampleSettings sample;
    sample.backgroundColour = rgbValue(250, 240, 230);
    sample.gridColour = rgbValue(200, 0, 0);
    sample.gridInterval = 12;
    ASSERT_TRUE(saveSampleSettings(folder.path(), sample));
    openOnDefault();

    EXPECT_EQ(faceName(), TestFace);
    EXPECT_EQ(fontList()->currentItem()->text(0), TestFace);
    EXPECT_EQ(swatch(QStringLiteral("Label10"))->colour(), rgbValue(0, 0, 192));
    EXPECT_EQ(field(1)->text(), QStringLiteral("32"));
    EXPECT_EQ(field(2)->text(), QStringLiteral("48"));
    EXPECT_EQ(field(3)->text(), QStringLiteral("1.5"));
    EXPECT_EQ(spin(5)->value(), 15);
    EXPECT_EQ(field(4)->text(), QStringLiteral("-0.5"));
    EXPECT_EQ(spin(9)->value(), -5);
    EXPECT_EQ(field(5)->text(), QStringLiteral("90"));
    EXPECT_EQ(field(7)->text(), QStringLiteral("45"));
    EXPECT_TRUE(box(QStringLiteral("Check1"))->isChecked());
    EXPECT_TRUE(box(QStringLiteral("Check2"))->isChecked());
    EXPECT_TRUE(box(QStringLiteral("Check3"))->isChecked());
    EXPECT_FALSE(box(QStringLiteral("Check4"))->isChecked());
    EXPECT_EQ(weightList()->currentText(), QStringLiteral("700"));
    EXPECT_TRUE(weightList()->isEnabled());
    // Code 6: three-dimensional and outline.
    EXPECT_FALSE(effectBox(0)->isChecked());
    EXPECT_TRUE(effectBox(1)->isChecked());
    EXPECT_TRUE(effectBox(2)->isChecked());
    EXPECT_EQ(swatch(QStringLiteral("Label16"))->colour(), rgbValue(128, 128, 128));
    EXPECT_EQ(swatch(QStringLiteral("Label17"))->colour(), rgbValue(255, 128, 0));
    EXPECT_EQ(field(8)->text(), QStringLiteral("-2.5"));
    EXPECT_EQ(spin(4)->value(), -25);
    EXPECT_EQ(field(9)->text(), QStringLiteral("0.7"));
    EXPECT_EQ(swatch(QStringLiteral("Label15"))->colour(), sample.backgroundColour);
    EXPECT_EQ(swatch(QStringLiteral("Label13"))->colour(), sample.gridColour);
    EXPECT_EQ(field(6)->text(), QStringLiteral("12"));

    // Applying without a change gives the same format back.
    click(QStringLiteral("Picture2_0"));
    EXPECT_EQ(state.DefaultFormat, someDefaultFormat());
}

TEST_F(FormatDialogTest, AWeightTheListDoesNotOfferIsShownAndKept)
{
    state.DefaultFormat.bold = 1;
    state.DefaultFormat.boldWeight = 650;
    openOnDefault();
    EXPECT_EQ(weightList()->currentText(), QStringLiteral("650"));
    EXPECT_EQ(weightList()->itemText(weightList()->currentIndex() - 1), QStringLiteral("600"));
    EXPECT_EQ(weightList()->itemText(weightList()->currentIndex() + 1), QStringLiteral("700"));
    click(QStringLiteral("Picture2_0"));
    EXPECT_EQ(state.DefaultFormat.boldWeight, 650);
}

TEST_F(FormatDialogTest, TheSampleIsDrawnOnceAfterLoadingNotForEveryField)
{
    state.DefaultFormat = someDefaultFormat();
    openOnDefault();
    EXPECT_EQ(dialog->sampleView()->drawCount(), 1);
}

// --- The font list -------------------------------------------------------------------

TEST_F(FormatDialogTest, TheFontListShowsTheCatalogueInItsThreeColumns)
{
    openOnDefault();
    QTreeWidget *list = fontList();
    ASSERT_EQ(list->columnCount(), 3);
    EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("フォント名"));
    EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("CharSet"));
    EXPECT_EQ(list->headerItem()->text(2), QStringLiteral("data"));
    ASSERT_EQ(list->topLevelItemCount(), state.fontCatalogue.FontsListed());
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const FontCatalogueRow &font = state.fontCatalogue.row(row);
        EXPECT_EQ(list->topLevelItem(row)->text(0), font.faceName);
        EXPECT_EQ(list->topLevelItem(row)->text(1), QString::number(font.charSet));
        EXPECT_EQ(list->topLevelItem(row)->text(2), QString::number(font.trueType));
    }
    // "tt" for the TrueType fonts, "aa" for the others.
    const auto picture = [&](int row) {
        return list->topLevelItem(row)->icon(0).pixmap(16, 16).toImage();
    };
    EXPECT_FALSE(picture(0).isNull());
    EXPECT_EQ(picture(0), picture(1));
    EXPECT_NE(picture(0), picture(2));
}

TEST_F(FormatDialogTest, ClickingAFontMakesItTheFaceAndRedrawsTheSample)
{
    openOnDefault();
    const int drawn = dialog->sampleView()->drawCount();
    selectFace(QStringLiteral("IPAMincho"));
    EXPECT_EQ(faceName(), QStringLiteral("IPAMincho"));
    EXPECT_GT(dialog->sampleView()->drawCount(), drawn);
    click(QStringLiteral("Picture2_0"));
    EXPECT_EQ(state.DefaultFormat.faceName, QStringLiteral("IPAMincho"));
}

TEST_F(FormatDialogTest, AFaceNameWithACommaSurvivesSetAsDefault)
{
    openOnDefault();
    selectFace(QStringLiteral("Font, Bold"));
    type(field(1), QStringLiteral("44"));
    click(QStringLiteral("Picture2_1"));
    // The name is written in quotes, so the comma no longer ends it and the
    // values after it stay in their places.
    const TextFormat read = loadDefaultFormat(folder.path());
    EXPECT_EQ(read.faceName, QStringLiteral("Font, Bold"));
    EXPECT_EQ(read.charWidth, 44);
    EXPECT_EQ(read, state.DefaultFormat);
}

// --- Fields and spin buttons -----------------------------------------------------------

TEST_F(FormatDialogTest, TenthsFieldsAndTheirSpinButtonsFollowEachOther)
{
    openOnDefault();
    clickSpin(spin(5), +1);
    clickSpin(spin(5), +1);
    EXPECT_EQ(field(3)->text(), QStringLiteral("0.2"));
    clickSpin(spin(9), -1);
    EXPECT_EQ(field(4)->text(), QStringLiteral("-0.1"));

    // Typing sets the spin button to nearest(value * 10) and leaves the
    // text as typed.
    type(field(3), QStringLiteral("1.25"));
    EXPECT_EQ(spin(5)->value(), 12);
    EXPECT_EQ(field(3)->text(), QStringLiteral("1.25"));
    clickSpin(spin(5), +1);
    EXPECT_EQ(field(3)->text(), QStringLiteral("1.3"));
    EXPECT_EQ(spin(5)->value(), 13);
}

TEST_F(FormatDialogTest, SpinButtonsTakeTheirRangesFromTheModel)
{
    openOnDefault();
    const std::array<int, FormatDialogModel::FieldCount> spinNumbers = {1, 2, 5, 9, 6, 8, 4, 10, 7};
    for (int which = 0; which < FormatDialogModel::FieldCount; ++which) {
        const FormatDialogModel::SpinRange range = FormatDialogModel::rangeOf(FormatDialogModel::Field(which));
        SpinField *box = spin(spinNumbers[std::size_t(which)]);
        EXPECT_EQ(box->minimum(), range.minimum) << which;
        EXPECT_EQ(box->maximum(), range.maximum) << which;
        EXPECT_EQ(box->singleStep(), range.step) << which;
    }
    // Rotations step by 10 and stop at 359.
    type(field(7), QStringLiteral("355"));
    clickSpin(spin(8), +1);
    EXPECT_EQ(field(7)->text(), QStringLiteral("359"));
    EXPECT_EQ(spin(8)->value(), 359);
}

TEST_F(FormatDialogTest, TheSizeSpinButtonMovesBothSizesOnceAndNotBelowOne)
{
    openOnDefault();
    int drawn = dialog->sampleView()->drawCount();
    clickSpin(spin(3), +1);
    EXPECT_EQ(field(1)->text(), QStringLiteral("31"));
    EXPECT_EQ(field(2)->text(), QStringLiteral("41"));
    EXPECT_EQ(dialog->sampleView()->drawCount(), drawn + 1);

    type(field(1), QStringLiteral("1"));
    type(field(2), QStringLiteral("3"));
    drawn = dialog->sampleView()->drawCount();
    // Its own value is 1 now; further clicks down still act on the sizes.
    clickSpin(spin(3), -1);
    clickSpin(spin(3), -1);
    clickSpin(spin(3), -1);
    EXPECT_EQ(field(1)->text(), QStringLiteral("1"));
    EXPECT_EQ(field(2)->text(), QStringLiteral("1"));
    EXPECT_EQ(spin(2)->value(), 1);
    EXPECT_EQ(dialog->sampleView()->drawCount(), drawn + 3);
}

TEST_F(FormatDialogTest, EveryTypedCharacterRedrawsTheSample)
{
    openOnDefault();
    const int drawn = dialog->sampleView()->drawCount();
    type(field(2), QStringLiteral("64"));
    // Clearing the field and the two keys.
    EXPECT_EQ(dialog->sampleView()->drawCount(), drawn + 3);
}

TEST_F(FormatDialogTest, TextFromAnInputMethodReachesTheFormat)
{
    openOnDefault();
    commit(field(5), QStringLiteral("９０"));
    EXPECT_EQ(dialog->model().text(FormatDialogModel::CharRotation), QStringLiteral("９０"));
    click(QStringLiteral("Picture2_0"));
    EXPECT_EQ(state.DefaultFormat.charRotation, 90);
}

TEST_F(FormatDialogTest, EnterMovesToTheNextFieldAndFocusSelectsTheText)
{
    openOnDefault();
    QApplication::setActiveWindow(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    spin(1)->setFocus();
    // The selection is made once the focus event has been handled.
    EXPECT_TRUE(QTest::qWaitFor([&] { return field(1)->selectedText() == QStringLiteral("30"); }, 2000));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(field(1)->text(), QStringLiteral("30"));
    EXPECT_EQ(QApplication::focusWidget(), spin(2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return field(2)->selectedText() == QStringLiteral("40"); }, 2000));
    // The arrow keys step the field's spin button.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(field(2)->text(), QStringLiteral("41"));
}

// --- Effects, bold and colours -------------------------------------------------------

TEST_F(FormatDialogTest, ShadowAndThreeDimensionalExcludeEachOther)
{
    openOnDefault();
    effectBox(1)->click();
    effectBox(0)->click();
    EXPECT_TRUE(effectBox(0)->isChecked());
    EXPECT_FALSE(effectBox(1)->isChecked());
    effectBox(2)->click();
    effectBox(1)->click();
    EXPECT_FALSE(effectBox(0)->isChecked());
    EXPECT_TRUE(effectBox(1)->isChecked());
    EXPECT_TRUE(effectBox(2)->isChecked());
}

TEST_F(FormatDialogTest, TheEffectFrameAndTheStartColourFollowTheBoxes)
{
    openOnDefault();
    QWidget *frame = control(QStringLiteral("effectFrame"));
    QWidget *startColour = swatch(QStringLiteral("Label17"));
    QWidget *startCaption = control(QStringLiteral("effectColourCaption"));
    EXPECT_FALSE(frame->isEnabled());

    effectBox(0)->click(); // shadow alone
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_TRUE(field(8)->isEnabled());
    EXPECT_TRUE(swatch(QStringLiteral("Label16"))->isEnabled());
    EXPECT_FALSE(startColour->isEnabled());
    EXPECT_FALSE(startCaption->isEnabled());

    effectBox(2)->click(); // shadow and outline
    EXPECT_TRUE(startColour->isEnabled());
    EXPECT_TRUE(startCaption->isEnabled());

    effectBox(0)->click();
    effectBox(2)->click(); // none
    EXPECT_FALSE(frame->isEnabled());
    EXPECT_FALSE(field(9)->isEnabled());
}

TEST_F(FormatDialogTest, BoldEnablesItsWeightList)
{
    openOnDefault();
    EXPECT_FALSE(weightList()->isEnabled());
    box(QStringLiteral("Check1"))->click();
    EXPECT_TRUE(weightList()->isEnabled());
    QStringList items;
    for (int index = 0; index < weightList()->count(); ++index)
        items.append(weightList()->itemText(index));
    EXPECT_EQ(items, QStringList({QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("300"),
                                  QStringLiteral("400"), QStringLiteral("500"), QStringLiteral("600"),
                                  QStringLiteral("700"), QStringLiteral("800"), QStringLiteral("900")}));
    weightList()->setCurrentText(QStringLiteral("500"));
    box(QStringLiteral("Check1"))->click();
    EXPECT_FALSE(weightList()->isEnabled());
    click(QStringLiteral("Picture2_0"));
    EXPECT_EQ(state.DefaultFormat.bold, 0);
    EXPECT_EQ(state.DefaultFormat.boldWeight, 500);
}

TEST_F(FormatDialogTest, PaletteSwatchesSetTheTextColour)
{
    const std::array<RgbValue, 9> palette = {rgbValue(0, 0, 0),     rgbValue(255, 0, 0),     rgbValue(255, 255, 0),
                                             rgbValue(0, 255, 255), rgbValue(0, 255, 0),     rgbValue(0, 0, 192),
                                             rgbValue(192, 0, 192), rgbValue(255, 255, 255), rgbValue(255, 128, 0)};
    openOnDefault();
    for (std::size_t index = palette.size(); index-- > 0;) {
        clickSwatch(QStringLiteral("Label2_%1").arg(index));
        EXPECT_EQ(swatch(QStringLiteral("Label10"))->colour(), palette[index]) << index;
    }
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(FormatDialogTest, ColourSwatchesAskTheColourDialog)
{
    openOnDefault();
    effectBox(1)->click();
    prompts.pickColour(rgbValue(1, 2, 3))
        .pickColour(rgbValue(4, 5, 6))
        .pickColour(rgbValue(7, 8, 9))
        .pickColour(rgbValue(10, 11, 12))
        .pickColour(rgbValue(13, 14, 15))
        .cancelDialog();
    for (const char *name : {"Label10", "Label16", "Label17", "Label15", "Label13"})
        clickSwatch(QString::fromLatin1(name));
    // Cancelled: the colour stays.
    clickSwatch(QStringLiteral("Label10"));
    EXPECT_TRUE(prompts.allAnswersUsed());
    EXPECT_EQ(prompts.asked().size(), 6u);
    EXPECT_EQ(prompts.last().kind, AskedPrompt::Colour);

    click(QStringLiteral("Picture2_0"));
    EXPECT_EQ(state.DefaultFormat.textColour, rgbValue(1, 2, 3));
    EXPECT_EQ(state.DefaultFormat.shadowColour, rgbValue(4, 5, 6));
    EXPECT_EQ(state.DefaultFormat.effectColour, rgbValue(7, 8, 9));
    const SampleSettings sample = loadSampleSettings(folder.path());
    EXPECT_EQ(sample.backgroundColour, rgbValue(10, 11, 12));
    EXPECT_EQ(sample.gridColour, rgbValue(13, 14, 15));
}

TEST_F(FormatDialogTest, ADisabledStartColourOpensNoDialog)
{
    openOnDefault();
    effectBox(0)->click();
    clickSwatch(QStringLiteral("Label17"));
    EXPECT_TRUE(prompts.asked().empty());
}

// --- Buttons ---------------------------------------------------------------------

TEST_F(FormatDialogTest, ApplySetsTheDefaultFormatFromTheFieldsWithoutWritingIt)
{
    openOnDefault();
    QSignalSpy appliedSpy(dialog, &FormatSettingsDialog::defaultFormatApplied);
    selectFace(TestFace);
    type(field(1), QStringLiteral("32"));
    type(field(2), QStringLiteral("20"));
    type(field(3), QStringLiteral("1.55"));
    type(field(4), QStringLiteral("2"));
    type(field(5), QStringLiteral("30"));
    type(field(7), QStringLiteral("15"));
    box(QStringLiteral("Check2"))->click();
    box(QStringLiteral("Check4"))->click();
    clickSwatch(QStringLiteral("Label2_8"));
    effectBox(0)->click();
    type(field(8), QStringLiteral("1"));
    type(field(9), QStringLiteral("-0.5"));
    click(QStringLiteral("Picture2_0"));

    TextFormat expected;
    expected.faceName = TestFace;
    expected.charWidth = 32;
    expected.charHeight = 20;
    expected.letterSpacing = 1.55f;
    expected.lineSpacing = 2;
    expected.charRotation = 30;
    expected.lineRotation = 15;
    expected.italic = 1;
    expected.strikeOut = 1;
    expected.textColour = rgbValue(255, 128, 0);
    expected.effectCode = 1;
    expected.shiftVertical = 1;
    expected.shiftHorizontal = -0.5f;
    EXPECT_EQ(state.DefaultFormat, expected);
    EXPECT_EQ(appliedSpy.count(), 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(QFile::exists(dataFile(DefaultFormatFileName)));
    EXPECT_TRUE(QFile::exists(dataFile(SampleSettingsFileName)));
}

TEST_F(FormatDialogTest, SetAsDefaultWritesAllEighteenLinesAndTheSampleSettings)
{
    openOnDefault();
    selectFace(TestFace);
    type(field(1), QStringLiteral("28"));
    type(field(3), QStringLiteral("0.5"));
    box(QStringLiteral("Check1"))->click();
    weightList()->setCurrentText(QStringLiteral("800"));
    effectBox(1)->click();
    effectBox(2)->click();
    type(field(6), QStringLiteral("8"));
    click(QStringLiteral("Picture2_1"));

    EXPECT_FALSE(dialog->isVisible());
    const QList<QByteArray> lines = fileLines(dataFile(DefaultFormatFileName));
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines[1], " 28 ");
    EXPECT_EQ(lines[3], " .5 ");
    EXPECT_EQ(lines[7], " 1 ");
    EXPECT_EQ(lines[11], TestFace.toLatin1());
    EXPECT_EQ(lines[12], " 800 ");
    EXPECT_EQ(lines[17], " 6 ");
    EXPECT_EQ(readBytes(dataFile(DefaultFormatFileName)), writeDefaultFormat(state.DefaultFormat));
    EXPECT_EQ(loadSampleSettings(folder.path()).gridInterval, 8);
}

TEST_F(FormatDialogTest, DiscardKeepsTheFormatButWritesTheGridInterval)
{
    state.DefaultFormat = someDefaultFormat();
    openOnDefault();
    type(field(1), QStringLiteral("99"));
    effectBox(0)->click();
    type(field(6), QStringLiteral("10"));
    click(QStringLiteral("Picture2_2"));

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(state.DefaultFormat, someDefaultFormat());
    EXPECT_FALSE(QFile::exists(dataFile(DefaultFormatFileName)));
    const QList<QByteArray> lines = fileLines(dataFile(SampleSettingsFileName));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], " 16777215 ");
    EXPECT_EQ(lines[1], " 16773845 "); // RGB(213, 242, 255)
    EXPECT_EQ(lines[2].trimmed(), "10");
}

TEST_F(FormatDialogTest, TheWindowsCloseAndAnyCloseWriteTheSampleSettings)
{
    openOnDefault();
    type(field(6), QStringLiteral("7"));
    click(QStringLiteral("Picture2_8"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(loadSampleSettings(folder.path()).gridInterval, 7);
    delete dialog;

    openOnDefault();
    EXPECT_EQ(field(6)->text(), QStringLiteral("7"));
    type(field(6), QStringLiteral("3"));
    dialog->close();
    EXPECT_EQ(loadSampleSettings(folder.path()).gridInterval, 3);
}

TEST_F(FormatDialogTest, ButtonsActOnlyWhenReleasedInside)
{
    openOnDefault();
    type(field(1), QStringLiteral("50"));
    releaseAt(QStringLiteral("Picture2_0"), QPoint(36, 10));
    EXPECT_TRUE(dialog->isVisible());
    releaseAt(QStringLiteral("Picture2_0"), QPoint(35, 35));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(state.DefaultFormat.charWidth, 50);
    EXPECT_EQ(control<PictureButton>(QStringLiteral("Picture2_1"))->toolTip(),
              QStringLiteral("設定を規定値に設定にしこのウインドウを閉じます。"));
}

// --- The opener ----------------------------------------------------------------------

TEST_F(FormatDialogTest, TheOpenerIsDisabledWhileTheDialogIsUp)
{
    QWidget opener;
    opener.show();
    state.FormatForEditor = 1;
    openOnDefault(&opener);
    QSignalSpy closedSpy(dialog, &FormatSettingsDialog::closed);
    EXPECT_EQ(state.FormatForEditor, 0);
    EXPECT_FALSE(opener.isEnabled());
    click(QStringLiteral("Picture2_2"));
    EXPECT_TRUE(opener.isEnabled());
    dialog->close();
    EXPECT_EQ(closedSpy.count(), 1);
}

TEST_F(FormatDialogTest, EscapeDiscardsAndClosesAsTheDiscardButtonDoes)
{
    QWidget opener;
    opener.show();
    openOnDefault(&opener);
    QSignalSpy closedSpy(dialog, &FormatSettingsDialog::closed);
    type(field(1), QStringLiteral("77"));
    type(field(6), QStringLiteral("6"));
    QTest::keyClick(field(1), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(closedSpy.count(), 1);
    EXPECT_TRUE(opener.isEnabled());
    EXPECT_EQ(state.DefaultFormat, TextFormat{});
    EXPECT_EQ(loadSampleSettings(folder.path()).gridInterval, 6);
}

TEST_F(FormatDialogTest, OpenedForTheEditorItSetsFormatForEditorUntilItCloses)
{
    QWidget editor;
    editor.show();
    openOnInput(InputFormat{}, &editor);
    EXPECT_EQ(state.FormatForEditor, 1);
    EXPECT_TRUE(dialog->forEditor());
    EXPECT_FALSE(editor.isEnabled());
    click(QStringLiteral("Picture2_8"));
    EXPECT_EQ(state.FormatForEditor, 0);
    EXPECT_TRUE(editor.isEnabled());
    EXPECT_TRUE(applied.empty());
}

TEST_F(FormatDialogTest, OpenedByItsOwnerItIsDeletedWhenClosed)
{
    QWidget menu;
    menu.show();
    QPointer<FormatSettingsDialog> opened = FormatSettingsDialog::openOnDefaultFormat(state, &menu);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(opened->isVisible());
    EXPECT_FALSE(menu.isEnabled());
    opened->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(opened);
    EXPECT_TRUE(menu.isEnabled());
}

// --- The editor's mode ---------------------------------------------------------------

TEST_F(FormatDialogTest, TheEditorsInputFormatFillsTheFieldsAndComesBackUnchanged)
{
    state.DefaultFormat = someDefaultFormat();
    const InputFormat input = someInputFormat();
    openOnInput(input);
    EXPECT_EQ(faceName(), QStringLiteral("IPAMincho"));
    EXPECT_EQ(field(1)->text(), QStringLiteral("25"));
    EXPECT_EQ(field(3)->text(), QStringLiteral("0.3"));
    EXPECT_EQ(field(4)->text(), QStringLiteral("1.2"));
    EXPECT_EQ(field(8)->text(), QStringLiteral("0.5"));
    EXPECT_EQ(field(9)->text(), QStringLiteral("-0.4"));
    EXPECT_EQ(weightList()->currentText(), QStringLiteral("600"));
    EXPECT_FALSE(weightList()->isEnabled());
    EXPECT_TRUE(effectBox(0)->isChecked());
    EXPECT_FALSE(effectBox(1)->isChecked());
    EXPECT_TRUE(effectBox(2)->isChecked());

    click(QStringLiteral("Picture2_0"));
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied.front(), input);
    EXPECT_EQ(state.DefaultFormat, someDefaultFormat());
}

TEST_F(FormatDialogTest, FontsAreListedUnderTheirJapaneseNamesAndChosenByTheirFaceNames)
{
    state.fontCatalogue.begin(2);
    state.fontCatalogue.add(TestFace, 128, 4);
    state.fontCatalogue.add(QStringLiteral("IPAMincho"), 128, 4, QStringLiteral("IPA明朝"));
    // The default format names the font as an earlier file did.
    state.DefaultFormat.faceName = QStringLiteral("IPA明朝");
    openOnDefault();
    EXPECT_EQ(fontList()->topLevelItem(1)->text(0), QStringLiteral("IPA明朝"));
    EXPECT_EQ(fontList()->currentItem(), fontList()->topLevelItem(1));
    EXPECT_EQ(faceName(), QStringLiteral("IPA明朝"));

    // Chosen, the face name goes into the format.
    selectFace(TestFace);
    selectFace(QStringLiteral("IPA明朝"));
    EXPECT_EQ(faceName(), QStringLiteral("IPA明朝"));
    click(QStringLiteral("Picture2_0"));
    EXPECT_EQ(state.DefaultFormat.faceName, QStringLiteral("IPAMincho"));
}
