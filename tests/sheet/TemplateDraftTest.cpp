#include <QSignalSpy>
#include <gtest/gtest.h>

#include "sheet/TemplateDraft.h"

using namespace porkane;

namespace {

const SheetTemplate::Geometry NewLabel = {0, 0, 20, 20, 0, 0};

SheetTemplate fiveLabelSheet()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 5;
    for (int label = 1; label <= 5; ++label)
        sheet.LabelGeometry[std::size_t(label)] = {qint16(label * 10), qint16(label), 30, 20, qint16(label % 3), 2};
    return sheet;
}

} // namespace

// --- Starting ----------------------------------------------------------------------

TEST(TemplateDraft, ANewDraftIsNewForm100By100WithOneLabel)
{
    const TemplateDraft draft;
    EXPECT_EQ(draft.name(), QStringLiteral("NewForm"));
    EXPECT_EQ(draft.sheetWidth(), 100);
    EXPECT_EQ(draft.sheetHeight(), 100);
    EXPECT_EQ(draft.labelCount(), 1);
    EXPECT_EQ(draft.currentLabel(), 1);
    EXPECT_EQ(draft.geometry(1), NewLabel);
    EXPECT_EQ(draft.zoom(), 2);
    EXPECT_FALSE(draft.isModified());
    EXPECT_FALSE(draft.canDeleteLabels());
    EXPECT_EQ(draft.toTemplate(), SheetTemplate::newTemplate());
}

TEST(TemplateDraft, ResetTakesTheTemplateAsItIsWithTheLastLabelCurrent)
{
    TemplateDraft draft;
    draft.addLabel();
    QSignalSpy replaced(&draft, &TemplateDraft::replaced);
    SheetTemplate sheet = fiveLabelSheet();
    sheet.SheetWidth = 1500; // beyond what the field takes: shown as it is
    sheet.LabelGeometry[2][TopOffset] = -4;
    draft.reset(sheet, QStringLiteral("address.fom"));

    EXPECT_EQ(replaced.count(), 1);
    EXPECT_EQ(draft.name(), QStringLiteral("address.fom"));
    EXPECT_EQ(draft.labelCount(), 5);
    EXPECT_EQ(draft.currentLabel(), 5);
    EXPECT_EQ(draft.sheetWidth(), 1500);
    EXPECT_EQ(draft.geometry(2)[TopOffset], -4);
    EXPECT_EQ(draft.toTemplate(), sheet);
    EXPECT_FALSE(draft.isModified());
    EXPECT_TRUE(draft.canDeleteLabels());

    // A count the designer cannot show: at least one label, at most 20.
    SheetTemplate empty = sheet;
    empty.LabelCount = 0;
    draft.reset(empty, QString());
    EXPECT_EQ(draft.labelCount(), 1);
    EXPECT_EQ(draft.geometry(1), NewLabel);
    SheetTemplate many = sheet;
    many.LabelCount = 30;
    draft.reset(many, QString());
    EXPECT_EQ(draft.labelCount(), 20);
    EXPECT_EQ(draft.currentLabel(), 20);
}

TEST(TemplateDraft, TheNameIsAnEditAndABlankNameIsNoName)
{
    TemplateDraft draft;
    draft.setName(QStringLiteral("NewForm"));
    EXPECT_FALSE(draft.isModified());
    draft.setName(QStringLiteral("   "));
    EXPECT_FALSE(draft.hasName());
    EXPECT_TRUE(draft.isModified());
    draft.setName(QStringLiteral("宛名"));
    EXPECT_TRUE(draft.hasName());
    draft.markSaved();
    EXPECT_FALSE(draft.isModified());
}

// --- Adding, deleting and selecting labels ------------------------------------------

TEST(TemplateDraft, NineteenAddsGiveTwentyLabelsAndTheNextAddChangesNothing)
{
    TemplateDraft draft;
    QSignalSpy added(&draft, &TemplateDraft::labelAdded);
    QSignalSpy current(&draft, &TemplateDraft::currentLabelChanged);
    draft.setItem(LabelWidth, 33);
    draft.markSaved();
    for (int i = 0; i < 19; ++i)
        ASSERT_TRUE(draft.addLabel()) << i;
    EXPECT_EQ(draft.labelCount(), 20);
    EXPECT_EQ(draft.currentLabel(), 20);
    EXPECT_EQ(added.count(), 19);
    EXPECT_EQ(added.back().at(0).toInt(), 20);
    EXPECT_EQ(current.back().at(0).toInt(), 20);
    EXPECT_EQ(draft.geometry(20), NewLabel);
    EXPECT_EQ(draft.geometry(1)[LabelWidth], 33);
    EXPECT_TRUE(draft.isModified());

    draft.markSaved();
    EXPECT_FALSE(draft.addLabel());
    EXPECT_EQ(draft.labelCount(), 20);
    EXPECT_EQ(added.count(), 19);
    EXPECT_FALSE(draft.isModified());
}

TEST(TemplateDraft, DeletingLabel3OfFiveMovesTheLaterLabelsDownAndSelectsLabel1)
{
    TemplateDraft draft;
    const SheetTemplate sheet = fiveLabelSheet();
    draft.reset(sheet, QStringLiteral("five.fom"));
    QSignalSpy deleted(&draft, &TemplateDraft::labelDeleted);
    draft.selectLabel(3);
    EXPECT_FALSE(draft.isModified()); // looking is not editing

    EXPECT_EQ(draft.deleteCurrentLabel(), TemplateDraft::Deletion::Deleted);
    ASSERT_EQ(deleted.count(), 1);
    EXPECT_EQ(deleted.front().at(0).toInt(), 3);
    EXPECT_EQ(draft.labelCount(), 4);
    EXPECT_EQ(draft.currentLabel(), 1);
    EXPECT_EQ(draft.geometry(1), sheet.LabelGeometry[1]);
    EXPECT_EQ(draft.geometry(2), sheet.LabelGeometry[2]);
    EXPECT_EQ(draft.geometry(3), sheet.LabelGeometry[4]);
    EXPECT_EQ(draft.geometry(4), sheet.LabelGeometry[5]);
    EXPECT_EQ(draft.geometry(5), sheet.LabelGeometry[6]); // the rows above move down too
    EXPECT_TRUE(draft.isModified());

    // Down to one label, deleting is over.
    for (int label = 4; label > 1; --label) {
        draft.selectLabel(label);
        EXPECT_EQ(draft.deleteCurrentLabel(), TemplateDraft::Deletion::Deleted);
    }
    EXPECT_EQ(draft.labelCount(), 1);
    EXPECT_FALSE(draft.canDeleteLabels());
}

TEST(TemplateDraft, Label1IsNeverDeletedNorAnyLabelOverTheEditor)
{
    TemplateDraft draft;
    draft.addLabel();
    draft.selectLabel(1);
    draft.markSaved();
    EXPECT_EQ(draft.deleteCurrentLabel(), TemplateDraft::Deletion::FirstLabel);
    EXPECT_EQ(draft.labelCount(), 2);
    EXPECT_FALSE(draft.isModified());

    draft.setKeepsLabels(true);
    EXPECT_FALSE(draft.canDeleteLabels());
    draft.selectLabel(2);
    EXPECT_EQ(draft.deleteCurrentLabel(), TemplateDraft::Deletion::LabelsKept);
    EXPECT_EQ(draft.labelCount(), 2);
    EXPECT_TRUE(draft.addLabel()); // adding stays possible
}

TEST(TemplateDraft, SelectingOutsideTheLabelsIsIgnored)
{
    TemplateDraft draft;
    draft.addLabel();
    QSignalSpy current(&draft, &TemplateDraft::currentLabelChanged);
    draft.selectLabel(0);
    draft.selectLabel(3);
    EXPECT_EQ(current.count(), 0);
    EXPECT_EQ(draft.currentLabel(), 2);
    draft.selectLabel(1);
    EXPECT_EQ(draft.currentLabel(), 1);
}

// --- Bounds --------------------------------------------------------------------------

TEST(TemplateDraft, SheetSizesAreHeldTo0To1000)
{
    TemplateDraft draft;
    EXPECT_EQ(draft.setSheetWidth(1200), 1000);
    EXPECT_EQ(draft.sheetWidth(), 1000);
    EXPECT_EQ(draft.itemMaximum(LeftOffset), 1000);
    EXPECT_EQ(draft.itemMaximum(LabelWidth), 1000);
    EXPECT_EQ(draft.setSheetHeight(-3), 0);
    EXPECT_EQ(draft.sheetHeight(), 0);
    EXPECT_EQ(draft.itemMaximum(TopOffset), 0);
    EXPECT_TRUE(draft.isModified());

    draft.markSaved();
    EXPECT_EQ(draft.setSheetHeight(0), 0);
    EXPECT_FALSE(draft.isModified()); // the value it had
}

TEST(TemplateDraft, GeometryIsHeldToTheSheetAndTheLabel)
{
    TemplateDraft draft; // 100 x 100 mm, one 20 x 20 mm label
    QSignalSpy changed(&draft, &TemplateDraft::geometryChanged);
    EXPECT_EQ(draft.setItem(LeftOffset, -5), 0);
    EXPECT_EQ(draft.setItem(TopOffset, 150), 100);
    EXPECT_EQ(draft.geometry(1)[TopOffset], 100);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_TRUE(draft.isModified());

    // The print starts stay inside the label.
    EXPECT_EQ(draft.setItem(VerticalPrintStart, 30), 20);
    draft.setItem(LabelHeight, 40);
    EXPECT_EQ(draft.itemMaximum(VerticalPrintStart), 40);
    EXPECT_EQ(draft.setItem(VerticalPrintStart, 30), 30);
    draft.setItem(LabelWidth, 12);
    EXPECT_EQ(draft.itemMaximum(HorizontalPrintStart), 12);
    EXPECT_EQ(draft.setItem(HorizontalPrintStart, 13), 12);
    // A smaller label leaves a print start already set where it is.
    draft.setItem(LabelHeight, 10);
    EXPECT_EQ(draft.geometry(1)[VerticalPrintStart], 30);
    EXPECT_EQ(draft.itemMaximum(VerticalPrintStart), 10);

    // The bounds are those of the current label.
    draft.addLabel();
    EXPECT_EQ(draft.itemMaximum(VerticalPrintStart), 20);
    EXPECT_EQ(draft.setItem(6, 5), 0); // no such item
    EXPECT_EQ(draft.geometry(2), NewLabel);
}

TEST(TemplateDraft, OnlyAValueThatDiffersIsAnEdit)
{
    TemplateDraft draft;
    draft.setItem(TopOffset, 100);
    draft.markSaved();
    draft.setItem(TopOffset, 100);
    EXPECT_FALSE(draft.isModified());
    // Typed beyond the bound and held to the value the label had: the user
    // changed the field all the same.
    draft.setItem(TopOffset, 150);
    EXPECT_TRUE(draft.isModified());
}

TEST(TemplateDraft, TheCommittedTemplateHoldsAllTwentyRows)
{
    TemplateDraft draft;
    SheetTemplate sheet = fiveLabelSheet();
    sheet.LabelCount = 2; // rows 3 to 5 stay behind the count
    draft.reset(sheet, QStringLiteral("two.fom"));
    draft.setSheetWidth(90);
    draft.selectLabel(2);
    draft.setItem(LabelHeight, 25);
    const SheetTemplate committed = draft.toTemplate();
    EXPECT_EQ(committed.SheetWidth, 90);
    EXPECT_EQ(committed.SheetHeight, 297);
    EXPECT_EQ(committed.LabelCount, 2);
    EXPECT_EQ(committed.LabelGeometry[2][LabelHeight], 25);
    EXPECT_EQ(committed.LabelGeometry[5], sheet.LabelGeometry[5]);
}

// --- Preview and dragging ---------------------------------------------------------------

TEST(TemplateDraft, ThePreviewShowsAMillimetreAsTenTwipsTimesTheZoom)
{
    TemplateDraft draft;
    // Zoom 2 at 15 twips a pixel: 100 mm are 2000 twips, 133.3 pixels.
    EXPECT_EQ(draft.sheetPreviewPixels(15, 15), QSize(133, 133));
    draft.setItem(LeftOffset, 30);
    draft.setItem(LabelWidth, 45);
    EXPECT_EQ(draft.labelPreviewPixels(1, 15, 15), QRect(40, 0, 60, 27));

    QSignalSpy zoomed(&draft, &TemplateDraft::zoomChanged);
    draft.markSaved();
    draft.setZoom(6);
    EXPECT_EQ(zoomed.count(), 1);
    EXPECT_EQ(draft.sheetPreviewPixels(15, 15), QSize(400, 400));
    EXPECT_EQ(draft.labelPreviewPixels(1, 15, 15), QRect(120, 0, 180, 80));
    draft.setZoom(0);
    EXPECT_EQ(draft.zoom(), 1);
    draft.setZoom(11);
    EXPECT_EQ(draft.zoom(), 10);
    EXPECT_FALSE(draft.isModified()); // looking closer is not editing

    // A sheet or label of no size still shows one pixel.
    draft.setSheetWidth(0);
    draft.setItem(LabelHeight, 0);
    EXPECT_EQ(draft.sheetPreviewPixels(15, 15).width(), 1);
    EXPECT_EQ(draft.labelPreviewPixels(1, 15, 15).height(), 1);
}

TEST(TemplateDraft, PreviewPixelsRoundHalvesToEven)
{
    TemplateDraft draft;
    draft.setZoom(1);
    // At 12 twips a pixel, 3 mm (30 twips) are 2.5 pixels and 9 mm 7.5.
    draft.setItem(LeftOffset, 3);
    draft.setItem(TopOffset, 9);
    const QRect place = draft.labelPreviewPixels(1, 12, 12);
    EXPECT_EQ(place.left(), 2);
    EXPECT_EQ(place.top(), 8);
}

TEST(TemplateDraft, DraggingALabel15mmDownAtZoom2)
{
    TemplateDraft draft;
    draft.setItem(TopOffset, 10);
    draft.addLabel();
    draft.markSaved();
    draft.beginDrag(1);
    EXPECT_EQ(draft.currentLabel(), 1); // grabbing makes the label current
    EXPECT_TRUE(draft.isDragging());
    EXPECT_EQ(draft.dragMillimetres(), QPoint(0, 10));

    // 300 twips at zoom 2 are 15 mm; at 15 twips a pixel that is 20 pixels.
    draft.dragBy(QPointF(0, 20), 15, 15);
    EXPECT_EQ(draft.dragMillimetres(), QPoint(0, 25));
    EXPECT_EQ(draft.geometry(1)[TopOffset], 10); // nothing is written while dragging
    EXPECT_FALSE(draft.isModified());

    draft.endDrag();
    EXPECT_FALSE(draft.isDragging());
    EXPECT_EQ(draft.geometry(1)[TopOffset], 25);
    EXPECT_EQ(draft.geometry(1)[LeftOffset], 0);
    EXPECT_TRUE(draft.isModified());
}

TEST(TemplateDraft, AGrabWithoutMovingChangesNothing)
{
    TemplateDraft draft;
    // 7 mm at zoom 2 is 140 twips, 9.33 pixels: the pixel grid must not shift it.
    draft.setItem(TopOffset, 7);
    draft.setItem(LeftOffset, 7);
    draft.markSaved();
    QSignalSpy changed(&draft, &TemplateDraft::geometryChanged);
    draft.beginDrag(1);
    draft.endDrag();
    EXPECT_EQ(draft.geometry(1)[TopOffset], 7);
    EXPECT_EQ(draft.geometry(1)[LeftOffset], 7);
    EXPECT_FALSE(draft.isModified());
    EXPECT_GE(changed.count(), 1); // the rectangle goes back to its place
}

TEST(TemplateDraft, DraggingTruncatesTowardsZeroAndStopsAtTheSheetsEdges)
{
    TemplateDraft draft;
    draft.addLabel();
    draft.setItem(TopOffset, 30);
    draft.beginDrag(2);
    // 5 pixels left: -75 twips, -3.75 mm, shown as -3.
    draft.dragBy(QPointF(-5, 0), 15, 15);
    EXPECT_EQ(draft.dragMillimetres(), QPoint(-3, 30));
    draft.dragBy(QPointF(-80, 400), 15, 15);
    draft.endDrag();
    EXPECT_EQ(draft.geometry(2)[LeftOffset], 0);
    EXPECT_EQ(draft.geometry(2)[TopOffset], 100);

    // Far off the sheet the numbers stay those a field can hold.
    draft.beginDrag(2);
    draft.dragBy(QPointF(1e9, -1e9), 15, 15);
    EXPECT_EQ(draft.dragMillimetres(), QPoint(32767, -32768));
    draft.endDrag();
    EXPECT_EQ(draft.geometry(2)[LeftOffset], 100);
    EXPECT_EQ(draft.geometry(2)[TopOffset], 0);

    // Nothing to drag: no label 3, and no drag without a grab.
    draft.beginDrag(3);
    EXPECT_FALSE(draft.isDragging());
    draft.dragBy(QPointF(10, 10), 15, 15);
    draft.endDrag();
    EXPECT_EQ(draft.geometry(2)[TopOffset], 0);
}

// --- A whole layout at once ----------------------------------------------------------

TEST(TemplateDraft, ReplacingTakesTheWholeLayoutAsAnEditWithLabel1Current)
{
    TemplateDraft draft;
    draft.reset(fiveLabelSheet(), QStringLiteral("five.fom"));
    QSignalSpy replaced(&draft, &TemplateDraft::replaced);
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.SheetWidth = 1200; // held to what the field takes
    sheet.SheetHeight = 297;
    sheet.LabelCount = 3;
    for (int label = 1; label <= 3; ++label)
        sheet.LabelGeometry[std::size_t(label)] = {qint16(label * 40), 7, 64, 38, 0, 0};

    ASSERT_EQ(draft.replaceTemplate(sheet), TemplateDraft::Replacement::Replaced);
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_TRUE(draft.isModified());
    EXPECT_EQ(draft.name(), QStringLiteral("five.fom")); // no name given: kept
    EXPECT_EQ(draft.sheetWidth(), 1000);
    EXPECT_EQ(draft.sheetHeight(), 297);
    EXPECT_EQ(draft.labelCount(), 3);
    EXPECT_EQ(draft.currentLabel(), 1);
    EXPECT_EQ(draft.geometry(3), (SheetTemplate::Geometry{120, 7, 64, 38, 0, 0}));
    // Rows above the count come from the new layout too, not the old labels.
    EXPECT_EQ(draft.geometry(4), SheetTemplate::Geometry{});
    EXPECT_TRUE(draft.canDeleteLabels());

    ASSERT_EQ(draft.replaceTemplate(sheet, QStringLiteral("Avery L7160")), TemplateDraft::Replacement::Replaced);
    EXPECT_EQ(draft.name(), QStringLiteral("Avery L7160"));
}

TEST(TemplateDraft, ALayoutWithoutLabelsOrWithFewerThanTheEditorsDocumentIsRefused)
{
    TemplateDraft draft;
    SheetTemplate empty = fiveLabelSheet();
    empty.LabelCount = 0;
    EXPECT_EQ(draft.replaceTemplate(empty), TemplateDraft::Replacement::NoLabels);
    empty.LabelCount = 21;
    EXPECT_EQ(draft.replaceTemplate(empty), TemplateDraft::Replacement::NoLabels);
    EXPECT_FALSE(draft.isModified());
    EXPECT_EQ(draft.minimumLabelCount(), 1);

    // Over the editor the document's five labels keep their texts.
    TemplateDraft overEditor;
    overEditor.setKeepsLabels(true);
    overEditor.reset(fiveLabelSheet(), QString());
    EXPECT_EQ(overEditor.minimumLabelCount(), 5);
    overEditor.addLabel(); // a sixth, not yet in the document
    SheetTemplate four = fiveLabelSheet();
    four.LabelCount = 4;
    four.SheetWidth = 100;
    EXPECT_EQ(overEditor.replaceTemplate(four, QStringLiteral("x")), TemplateDraft::Replacement::TooFewLabels);
    EXPECT_EQ(overEditor.labelCount(), 6);
    EXPECT_EQ(overEditor.sheetWidth(), 210);
    EXPECT_EQ(overEditor.name(), QString());
    EXPECT_TRUE(TemplateDraft::tooFewLabelsMessage(5).contains(QStringLiteral("5 面")));

    // As many as the document has will do, and the minimum stays the document's.
    SheetTemplate five = fiveLabelSheet();
    five.SheetWidth = 100;
    EXPECT_EQ(overEditor.replaceTemplate(five), TemplateDraft::Replacement::Replaced);
    EXPECT_EQ(overEditor.labelCount(), 5);
    EXPECT_EQ(overEditor.sheetWidth(), 100);
    EXPECT_EQ(overEditor.minimumLabelCount(), 5);
}
