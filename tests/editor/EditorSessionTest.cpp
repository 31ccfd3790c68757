// The editing state of the open document without a window: opening by
// origin with the settings file, the one command guard, typing into the
// current label, undo and redo, the editor's clipboard, the format commands,
// the rotation, saving and closing, and what the session signals.

#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "core/Errors.h"
#include "document/LabelFile.h"
#include "editor/EditorSession.h"
#include "editor/TextEditing.h"
#include "sheet/TemplateFile.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const Variant Red = Variant(qint32(rgbValue(255, 0, 0)));
const Variant Blue = Variant(qint32(rgbValue(0, 0, 255)));

// Label l lies at left l × 30, top 10, 25 × 20 mm.
SheetTemplate rowOfLabels(int count)
{
    SheetTemplate sheet;
    sheet.SheetWidth = 200;
    sheet.SheetHeight = 100;
    sheet.LabelCount = qint16(count);
    for (int label = 1; label <= count; ++label)
        sheet.LabelGeometry[std::size_t(label)] = {10, qint16(label * 30), 25, 20, 0, 0};
    return sheet;
}

InputFormat coloured(RgbValue colour)
{
    InputFormat format;
    format.textColour = colour;
    return format;
}

class EditorSessionTest : public ::testing::Test {
protected:
    EditorSessionTest() : session(document, [this] { return busy; }, 15, 15) {}

    void openOn(const SheetTemplate &sheet)
    {
        session.open(DocumentOrigin::DesignersTemplate, QString(), sheet, folder.path());
    }
    // What the window does for a key: the undo copy, then the box's new text
    // with the caret after it.
    void type(const QString &boxText, const InputFormat &format = {})
    {
        session.takeUndoCopy();
        session.typed(boxText, int(boxText.size()), format);
    }
    QString text() const { return document.LabelText(session.currentLabel()); }
    Variant slot0(int position) const { return document.CharAttr(session.currentLabel(), position)[TextColourSlot]; }

    TempFolder folder;
    LabelDocument document;
    bool busy = false;
    EditorSession session;
};

} // namespace

// --- Opening and closing ------------------------------------------------------------------------------

TEST_F(EditorSessionTest, OpensEachOriginOnLabelOneUnmodified)
{
    const QString templatePath = folder.file(QStringLiteral("card.fom"));
    saveTemplateFile(templatePath, rowOfLabels(2));
    LabelDocument stored = LabelDocument::fromTemplate(rowOfLabels(3));
    applyTextChange(stored, 2, {0, 0, QStringLiteral("two")}, {});
    stored.addImage(QImage(4, 4, QImage::Format_RGB32), {1, 2, 0, 0, 0});
    const QString labelPath = folder.file(QStringLiteral("sheet.fhl"));
    saveLabelFile(stored, labelPath);

    QSignalSpy shown(&session, &EditorSession::documentChanged);
    openOn(rowOfLabels(4));
    EXPECT_TRUE(session.isOpen());
    EXPECT_EQ(document.labelCount(), 4);
    EXPECT_EQ(session.currentLabel(), 1);
    EXPECT_FALSE(session.isModified());
    EXPECT_FALSE(session.images().imagesFirst());
    EXPECT_EQ(shown.count(), 1);

    EditorSession fromTemplate(document, [] { return false; }, 15, 15);
    fromTemplate.open(DocumentOrigin::TemplateFile, templatePath, SheetTemplate{}, folder.path());
    EXPECT_EQ(document.sheet(), rowOfLabels(2));
    EXPECT_TRUE(document.LabelText(1).isEmpty());

    EditorSession fromLabelFile(document, [] { return false; }, 15, 15);
    fromLabelFile.open(DocumentOrigin::LabelFile, labelPath, SheetTemplate{}, folder.path());
    EXPECT_EQ(document.LabelText(2), QStringLiteral("two"));
    EXPECT_EQ(document.ImageCount(), 1);
    // A document with images has them tested first.
    EXPECT_TRUE(fromLabelFile.images().imagesFirst());
}

TEST_F(EditorSessionTest, AFileThatCannotBeReadChangesNothingAndDamagedSettingsGiveWay)
{
    openOn(rowOfLabels(1));
    type(QStringLiteral("A"));
    const QString broken = folder.file(QStringLiteral("broken.fhl"));
    writeBytes(broken, QByteArray("PK\x03\x04 not really an archive"));

    EditorSession other(document, [] { return false; }, 15, 15);
    EXPECT_THROW(other.open(DocumentOrigin::LabelFile, broken, SheetTemplate{}, folder.path()), UserError);
    EXPECT_THROW(other.open(DocumentOrigin::TemplateFile, broken, SheetTemplate{}, folder.path()), UserError);
    EXPECT_FALSE(other.isOpen());
    EXPECT_EQ(document.LabelText(1), QStringLiteral("A"));

    // A damaged settings file does not stop a document: the delivered
    // values hold, and the session says why. A file that cannot be read
    // leaves even the settings alone.
    writeBytes(folder.file(EditorSettingsFileName), crlf({" 1 ", " 16777215 "}));
    EXPECT_THROW(other.open(DocumentOrigin::LabelFile, broken, SheetTemplate{}, folder.path()), UserError);
    EXPECT_EQ(document.labelCount(), 1);
    const QString problem = other.open(DocumentOrigin::DesignersTemplate, QString(), rowOfLabels(5), folder.path());
    EXPECT_EQ(problem, damagedEditorSettingsMessage(folder.file(EditorSettingsFileName)));
    EXPECT_EQ(other.settings(), EditorSettings{});
    EXPECT_EQ(document.labelCount(), 5);
    // Still damaged until the settings are saved, which closing does.
    EXPECT_FALSE(other.open(DocumentOrigin::DesignersTemplate, QString(), rowOfLabels(2), folder.path()).isEmpty());
    other.close();
    EXPECT_TRUE(other.open(DocumentOrigin::DesignersTemplate, QString(), rowOfLabels(2), folder.path()).isEmpty());
}

TEST_F(EditorSessionTest, SettingsAreShownWithinTheViewsRangesAndWrittenOnClose)
{
    EditorSettings stored;
    stored.gridVisible = 7;
    stored.gridSpacing = 40;
    stored.printOffsetLeft = -12;
    stored.forcePrintOverrun = 1;
    writeBytes(folder.file(EditorSettingsFileName), writeEditorSettings(stored));
    openOn(rowOfLabels(1));
    EXPECT_EQ(session.settings().gridVisible, 1);
    EXPECT_EQ(session.settings().gridSpacing, EditorSession::MaxGridSpacing);
    EXPECT_EQ(session.settings().printOffsetLeft, -12);

    EditorSettings changed = session.settings();
    changed.gridSpacing = 0;
    changed.labelColour = rgbValue(200, 255, 200);
    session.setSettings(changed);
    EXPECT_EQ(session.settings().gridSpacing, EditorSession::MinGridSpacing);

    type(QStringLiteral("A"));
    session.close();
    EXPECT_FALSE(session.isOpen());
    EXPECT_EQ(document.labelCount(), 0);
    EXPECT_TRUE(document.LabelText(1).isEmpty());
    const EditorSettings written = loadEditorSettings(folder.path());
    EXPECT_EQ(written.gridSpacing, 1);
    EXPECT_EQ(written.labelColour, rgbValue(200, 255, 200));
    EXPECT_EQ(written.forcePrintOverrun, 1);

    // Closed, nothing edits the (empty) document any more.
    session.typed(QStringLiteral("B"), 1, {});
    session.selectLabel(1);
    EXPECT_TRUE(document.LabelText(1).isEmpty());
}

TEST_F(EditorSessionTest, ATemplateChangedUnderTheDocumentIsAChangeAndKeepsAValidLabel)
{
    openOn(rowOfLabels(3));
    session.selectLabel(3);
    QSignalSpy shown(&session, &EditorSession::documentChanged);
    document.sheet().LabelCount = 2; // the designer dropped label 3
    session.templateChanged();
    EXPECT_TRUE(session.isModified());
    EXPECT_EQ(session.currentLabel(), 1);
    EXPECT_EQ(shown.count(), 1);
}

// --- The guard --------------------------------------------------------------------------------------

TEST_F(EditorSessionTest, WhileAnotherWindowHoldsTheDocumentNoCommandChangesIt)
{
    openOn(rowOfLabels(2));
    type(QStringLiteral("A"));
    session.copy(0, 1);
    busy = true; // the image paste dialog is up
    EXPECT_FALSE(session.canEdit());
    type(QStringLiteral("AB"));
    EXPECT_EQ(text(), QStringLiteral("A"));
    EXPECT_TRUE(slot0(2).isEmpty());
    session.undo();
    session.paste(1);
    session.cut(0, 1);
    session.applyFormat(ApplyColour, 0, 1, coloured(rgbValue(255, 0, 0)));
    EXPECT_EQ(text(), QStringLiteral("A"));
    EXPECT_EQ(slot0(1), Variant(qint32(0)));

    // Once the dialog is gone the next change brings the label up to the box.
    busy = false;
    type(QStringLiteral("ABC"));
    EXPECT_EQ(text(), QStringLiteral("ABC"));
    EXPECT_FALSE(slot0(2).isEmpty());
    EXPECT_FALSE(slot0(3).isEmpty());
}

// --- Typing ---------------------------------------------------------------------------------------------

TEST_F(EditorSessionTest, TypingGivesEveryCharacterItsRecordAndMarksTheDocumentModified)
{
    openOn(rowOfLabels(1));
    QSignalSpy modified(&session, &EditorSession::modifiedChanged);
    QSignalSpy edited(&session, &EditorSession::labelEdited);
    type(QStringLiteral("A"), coloured(rgbValue(255, 0, 0)));
    type(QStringLiteral("A\n"));
    type(QStringLiteral("A\nB"), coloured(rgbValue(0, 0, 255)));
    EXPECT_EQ(text(), QStringLiteral("A\r\nB"));
    EXPECT_EQ(slot0(1), Red);
    EXPECT_EQ(slot0(2), Variant("LF"));
    EXPECT_EQ(slot0(3), Variant("CR"));
    EXPECT_EQ(slot0(4), Blue);
    EXPECT_TRUE(session.isModified());
    EXPECT_EQ(modified.count(), 1);
    ASSERT_EQ(edited.count(), 3);
    EXPECT_EQ(edited.last().at(0).toInt(), 1);
}

TEST_F(EditorSessionTest, ATextBeyondThePositionsOrWithCharactersTheFilesCannotHoldIsRefused)
{
    openOn(rowOfLabels(1));
    QSignalSpy replaced(&session, &EditorSession::boxTextReplaced);
    QSignalSpy status(&session, &EditorSession::statusMessage);
    type(QString(199, QLatin1Char('x')) + QLatin1Char('\n')); // a line break takes two positions: 201
    EXPECT_EQ(text().size(), 201);
    type(QString(199, QLatin1Char('x')) + QStringLiteral("\ny"));
    EXPECT_EQ(text().size(), 201);
    EXPECT_EQ(slot0(201), Variant("CR"));
    // The box goes back to the label's text, the caret where the change was.
    ASSERT_EQ(replaced.count(), 1);
    EXPECT_EQ(replaced.last().at(0).toString(), QString(199, QLatin1Char('x')) + QLatin1Char('\n'));
    EXPECT_EQ(replaced.last().at(1).toInt(), 200);
    EXPECT_FALSE(status.last().at(0).toString().isEmpty());

    session.typed(QString(199, QLatin1Char('x')), 199, {});
    session.typed(QString(199, QLatin1Char('x')) + QStringLiteral("😀"), 201, {});
    EXPECT_TRUE(status.last().at(0).toString().contains(QStringLiteral("😀")));
    EXPECT_EQ(text().size(), 199);
    // The next accepted change clears the message.
    session.typed(QString(198, QLatin1Char('x')), 198, {});
    EXPECT_TRUE(status.last().at(0).toString().isEmpty());
}

TEST_F(EditorSessionTest, ADoubleQuoteEntersAsTheFullWidthOneAndTheBoxFollows)
{
    openOn(rowOfLabels(1));
    QSignalSpy replaced(&session, &EditorSession::boxTextReplaced);
    session.typed(QStringLiteral("a\"b"), 2, {});
    EXPECT_EQ(text(), QStringLiteral("a＂b"));
    ASSERT_EQ(replaced.count(), 1);
    EXPECT_EQ(replaced.last().at(0).toString(), QStringLiteral("a＂b"));
    EXPECT_EQ(replaced.last().at(1).toInt(), 2);
    EXPECT_FALSE(slot0(3).isEmpty());
}

// --- Undo and redo ----------------------------------------------------------------------------------------

TEST_F(EditorSessionTest, UndoAndRedoGoOneStepAndANewEditLeavesNothingToRedo)
{
    openOn(rowOfLabels(1));
    type(QStringLiteral("A"));
    type(QStringLiteral("AB"));
    QSignalSpy replaced(&session, &EditorSession::boxTextReplaced);
    session.undo();
    EXPECT_EQ(text(), QStringLiteral("A"));
    EXPECT_TRUE(slot0(2).isEmpty());
    EXPECT_TRUE(session.canRedo());
    ASSERT_EQ(replaced.count(), 1);
    EXPECT_EQ(replaced.last().at(0).toString(), QStringLiteral("A"));
    EXPECT_EQ(replaced.last().at(1).toInt(), 1);

    // A second undo without a key between restores the same state, so redo changes nothing.
    session.undo();
    EXPECT_EQ(text(), QStringLiteral("A"));
    session.redo();
    EXPECT_EQ(text(), QStringLiteral("A"));

    type(QStringLiteral("AX"));
    session.undo();
    EXPECT_TRUE(session.canRedo());
    type(QStringLiteral("XY"));
    EXPECT_FALSE(session.canRedo());
    session.redo();
    EXPECT_EQ(text(), QStringLiteral("XY"));
}

TEST_F(EditorSessionTest, UndoAfterSwitchingLabelsGoesBackToItsOwnLabel)
{
    openOn(rowOfLabels(2));
    type(QStringLiteral("A"));
    type(QStringLiteral("AB"));
    session.selectLabel(2);
    QSignalSpy selected(&session, &EditorSession::labelSelected);
    session.undo();
    EXPECT_EQ(session.currentLabel(), 1);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.last().at(0).toInt(), 1);
    EXPECT_EQ(document.LabelText(1), QStringLiteral("A"));
    EXPECT_TRUE(document.LabelText(2).isEmpty());
}

// --- The editor's clipboard -------------------------------------------------------------------------------

TEST_F(EditorSessionTest, RedAndBlueCopiedFromOneLabelArePastedRedAndBlueIntoAnother)
{
    openOn(rowOfLabels(2));
    type(QStringLiteral("A"), coloured(rgbValue(255, 0, 0)));
    type(QStringLiteral("AB"), coloured(rgbValue(0, 0, 255)));
    EXPECT_FALSE(session.hasClipboard());
    session.copy(0, 2);
    EXPECT_TRUE(session.hasClipboard());

    session.selectLabel(2);
    type(QStringLiteral("xy"), coloured(rgbValue(0, 255, 0)));
    QSignalSpy replaced(&session, &EditorSession::boxTextReplaced);
    session.paste(1);
    EXPECT_EQ(text(), QStringLiteral("xABy"));
    EXPECT_EQ(slot0(2), Red);
    EXPECT_EQ(slot0(3), Blue);
    EXPECT_EQ(slot0(4), Variant(qint32(rgbValue(0, 255, 0))));
    EXPECT_EQ(replaced.last().at(1).toInt(), 3); // the caret after the pasted text
    EXPECT_EQ(document.LabelText(1), QStringLiteral("AB"));
}

TEST_F(EditorSessionTest, CuttingAndPastingKeepLineBreaksWholeAndUndoTakesEachBack)
{
    openOn(rowOfLabels(1));
    type(QStringLiteral("A"), coloured(rgbValue(255, 0, 0)));
    type(QStringLiteral("A\n"));
    type(QStringLiteral("A\nB"), coloured(rgbValue(255, 0, 0)));
    session.cut(0, 3); // box positions: the whole text
    EXPECT_TRUE(text().isEmpty());
    EXPECT_TRUE(slot0(1).isEmpty());
    session.undo();
    EXPECT_EQ(text(), QStringLiteral("A\r\nB"));

    session.cut(0, 3);
    session.paste(0);
    EXPECT_EQ(text(), QStringLiteral("A\r\nB"));
    EXPECT_EQ(slot0(1), Red);
    EXPECT_EQ(slot0(2), Variant("LF"));
    EXPECT_EQ(slot0(3), Variant("CR"));
    EXPECT_EQ(slot0(4), Red);
    session.undo(); // takes the paste back
    EXPECT_TRUE(text().isEmpty());

    // Cutting nothing is no edit: the paste can still be redone.
    session.cut(0, 0);
    EXPECT_TRUE(session.canRedo());
}

TEST_F(EditorSessionTest, APasteThatWouldOverrunTheLabelOrFromAnEmptyClipboardChangesNothing)
{
    openOn(rowOfLabels(1));
    type(QStringLiteral("A"));
    session.paste(1);
    EXPECT_EQ(text(), QStringLiteral("A"));

    type(QString(150, QLatin1Char('x')));
    session.copy(0, 100);
    QSignalSpy status(&session, &EditorSession::statusMessage);
    session.paste(150);
    EXPECT_EQ(text(), QString(150, QLatin1Char('x')));
    EXPECT_FALSE(status.last().at(0).toString().isEmpty());
    EXPECT_TRUE(slot0(151).isEmpty());
}

TEST_F(EditorSessionTest, TheSystemClipboardGetsTheTextAndOnlyTheEditorsOwnCopyBringsItsRecords)
{
    openOn(rowOfLabels(1));
    type(QStringLiteral("A"), coloured(rgbValue(255, 0, 0)));
    type(QStringLiteral("A\n"));
    type(QStringLiteral("A\nB"), coloured(rgbValue(0, 0, 255)));
    EXPECT_EQ(session.systemClipboardData(), nullptr);
    session.cut(0, 3);
    std::unique_ptr<QMimeData> own = session.systemClipboardData();
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->text(), QStringLiteral("A\nB")); // as the box shows it
    EXPECT_TRUE(session.canPaste(own.get()));

    // What the editor put there: text and records.
    session.paste(0, 0, own.get(), coloured(rgbValue(0, 255, 0)));
    EXPECT_EQ(text(), QStringLiteral("A\r\nB"));
    EXPECT_EQ(slot0(1), Red);
    EXPECT_EQ(slot0(3), Variant("CR"));
    EXPECT_EQ(slot0(4), Blue);

    // Text another program copied since: typed with the input format.
    QMimeData foreign;
    foreign.setText(QStringLiteral("x\"y"));
    session.paste(3, 3, &foreign, coloured(rgbValue(0, 255, 0)));
    EXPECT_EQ(text(), QStringLiteral("A\r\nBx＂y"));
    for (int position : {5, 6, 7})
        EXPECT_EQ(slot0(position), Variant(qint32(rgbValue(0, 255, 0)))) << position;
    session.undo(); // one step
    EXPECT_EQ(text(), QStringLiteral("A\r\nB"));

    // A mark of an earlier copy is someone else's text by now; a clipboard
    // without text leaves the editor's own.
    session.copy(0, 1);
    session.paste(3, 3, own.get(), coloured(rgbValue(0, 255, 0)));
    EXPECT_EQ(text(), QStringLiteral("A\r\nBA\r\nB"));
    EXPECT_EQ(slot0(5), Variant(qint32(rgbValue(0, 255, 0))));
    QMimeData empty;
    session.paste(0, 0, &empty, {});
    EXPECT_EQ(slot0(1), Red);
    EXPECT_TRUE(text().startsWith(QStringLiteral("AA\r\n")));
}

TEST_F(EditorSessionTest, APasteReplacesTheSelectionAsOneStep)
{
    openOn(rowOfLabels(1));
    type(QStringLiteral("AB"), coloured(rgbValue(255, 0, 0)));
    type(QStringLiteral("ABCD"), coloured(rgbValue(0, 0, 255)));
    session.copy(0, 1); // the red A
    session.paste(1, 3);
    EXPECT_EQ(text(), QStringLiteral("AAD"));
    EXPECT_EQ(slot0(2), Red);
    EXPECT_EQ(slot0(3), Blue);
    EXPECT_TRUE(slot0(4).isEmpty());
    session.undo();
    EXPECT_EQ(text(), QStringLiteral("ABCD"));
    EXPECT_EQ(slot0(3), Blue);
}

TEST_F(EditorSessionTest, TextDraggedWithinTheLabelKeepsItsRecords)
{
    openOn(rowOfLabels(1));
    type(QStringLiteral("AB"), coloured(rgbValue(255, 0, 0)));
    type(QStringLiteral("AB\nCD"), coloured(rgbValue(0, 0, 255)));
    // The red B moved to the end, the line break and all staying whole.
    session.dropText(1, 2, 5, true);
    EXPECT_EQ(text(), QStringLiteral("A\r\nCDB"));
    EXPECT_EQ(slot0(2), Variant("LF"));
    EXPECT_EQ(slot0(3), Variant("CR"));
    EXPECT_EQ(slot0(4), Blue);
    EXPECT_EQ(slot0(6), Red);
    EXPECT_TRUE(slot0(7).isEmpty());
    session.undo();
    EXPECT_EQ(text(), QStringLiteral("AB\r\nCD"));

    // Copied (Ctrl held) to the front, across the line break.
    session.dropText(1, 4, 0, false);
    EXPECT_EQ(text(), QStringLiteral("B\r\nCAB\r\nCD"));
    EXPECT_EQ(slot0(1), Red);
    EXPECT_EQ(slot0(2), Variant("LF"));
    EXPECT_EQ(slot0(4), Blue);

    // Onto itself: nothing.
    const QString before = text();
    session.dropText(0, 2, 1, true);
    EXPECT_EQ(text(), before);
}

TEST_F(EditorSessionTest, ADroppedFileReplacesTheDocumentButKeepsTheSettings)
{
    openOn(rowOfLabels(1));
    EditorSettings settings = session.settings();
    settings.gridSpacing = 3;
    session.setSettings(settings);
    type(QStringLiteral("A"));
    const QString templatePath = folder.file(QStringLiteral("card.fom"));
    saveTemplateFile(templatePath, rowOfLabels(4));
    const QString broken = folder.file(QStringLiteral("broken.fhl"));
    writeBytes(broken, QByteArray("not an archive"));

    EXPECT_THROW(session.openAnother(DocumentOrigin::LabelFile, broken), UserError);
    EXPECT_EQ(text(), QStringLiteral("A"));
    EXPECT_TRUE(session.isModified());

    QSignalSpy changed(&session, &EditorSession::documentChanged);
    session.openAnother(DocumentOrigin::TemplateFile, templatePath);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(document.labelCount(), 4);
    EXPECT_TRUE(text().isEmpty());
    EXPECT_FALSE(session.isModified());
    EXPECT_FALSE(session.canUndo());
    EXPECT_EQ(session.settings().gridSpacing, 3);
}

// --- Format commands and attribute copy -------------------------------------------------------------------

TEST_F(EditorSessionTest, AFormatCommandIsOneStepOfUndoAndAttributeCopyReadsTheFirstSelectedCharacter)
{
    openOn(rowOfLabels(1));
    type(QStringLiteral("A"), coloured(rgbValue(255, 0, 0)));
    type(QStringLiteral("A\n"));
    type(QStringLiteral("A\nB"));
    QSignalSpy edited(&session, &EditorSession::labelEdited);
    session.applyFormat(ApplyColour, 0, 3, coloured(rgbValue(0, 0, 255)));
    EXPECT_EQ(slot0(1), Blue);
    EXPECT_EQ(slot0(2), Variant("LF"));
    EXPECT_EQ(slot0(4), Blue);
    EXPECT_EQ(edited.count(), 1);
    session.undo();
    EXPECT_EQ(slot0(1), Red);
    EXPECT_EQ(slot0(4), Variant(qint32(0)));

    const std::optional<InputFormat> copied = session.attributesOf(0, 1);
    ASSERT_TRUE(copied.has_value());
    EXPECT_EQ(copied->textColour, rgbValue(255, 0, 0));
    EXPECT_FALSE(session.attributesOf(1, 1).has_value());
    // A selection starting at a line break shows the character after it.
    type(QStringLiteral("A\nB"), coloured(rgbValue(0, 0, 255)));
    session.applyFormat(ApplyColour, 2, 3, coloured(rgbValue(0, 0, 255)));
    EXPECT_EQ(session.attributesOf(1, 3)->textColour, rgbValue(0, 0, 255));
}

TEST_F(EditorSessionTest, TheRotationBelongsToTheCurrentLabelAndIsAChange)
{
    openOn(rowOfLabels(2));
    QSignalSpy edited(&session, &EditorSession::labelEdited);
    session.setLabelRotated(true);
    EXPECT_EQ(document.LabelRotated(1), 1);
    EXPECT_TRUE(session.isModified());
    EXPECT_EQ(edited.count(), 1);
    session.selectLabel(2);
    EXPECT_EQ(document.LabelRotated(2), 0);
    session.setLabelRotated(false);
    EXPECT_EQ(document.LabelRotated(1), 1);
    // The history keeps texts, not rotations.
    EXPECT_FALSE(session.canUndo());
}

// --- Saving -------------------------------------------------------------------------------------------------

TEST_F(EditorSessionTest, SavingProposesTheLabelsTextAndClearsTheModifiedFlag)
{
    openOn(rowOfLabels(2));
    type(QStringLiteral("ABC\n123"));
    EXPECT_EQ(session.proposedFileName(), QStringLiteral("ABC123.fhl"));
    EXPECT_EQ(EditorSession::saveTarget(folder.file(QStringLiteral("label.old"))).path,
              folder.file(QStringLiteral("label.fhl")));
    // A dangling link is followed to where the bytes would go, and asked about.
    const QString elsewhere = folder.file(QStringLiteral("elsewhere.fhl"));
    ASSERT_TRUE(QFile::link(elsewhere, folder.file(QStringLiteral("link.fhl"))));
    const SaveTarget throughLink = EditorSession::saveTarget(folder.file(QStringLiteral("link")));
    EXPECT_EQ(throughLink.path, elsewhere);
    EXPECT_TRUE(throughLink.needsQuestion());

    EXPECT_THROW(session.save(folder.file(QStringLiteral("no-such-folder/label.fhl"))), UserError);
    EXPECT_TRUE(session.isModified());
    const QString target = folder.file(QStringLiteral("label.fhl"));
    session.save(target);
    EXPECT_FALSE(session.isModified());
    EXPECT_EQ(openLabelFile(target).LabelText(1), QStringLiteral("ABC\r\n123"));
}
