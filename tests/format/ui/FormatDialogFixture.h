#pragma once

// What the format dialog's tests share: a data folder of their own, the
// process-wide state with a small font catalogue, scripted prompts, and the
// label canvas the editor would draw for a format, to hold the sample to.

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "session/AppState.h"
#include "widgets/PictureButton.h"
#include "document/LabelDocument.h"
#include "format/InputFormat.h"
#include "widgets/ColourSwatch.h"
#include "format/ui/FormatSettingsDialog.h"
#include "format/ui/SampleView.h"
#include "widgets/SpinField.h"
#include "render/LabelCanvas.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

namespace porkane::test {

// The face every drawing test uses; fonts-ipafont is installed with the
// program's packages.
inline const QString TestFace = QStringLiteral("IPAGothic");

// The sample's three lines as the editor holds them when typed: each line
// ended by CR LF, both positions carrying the line-break markers.
inline QImage editorCanvas(const InputFormat &format, int twipsPerPixelX, int twipsPerPixelY)
{
    SheetTemplate sheet;
    sheet.SheetWidth = 200;
    sheet.SheetHeight = 100;
    sheet.LabelCount = 1;
    sheet.LabelGeometry[1] = {0, 0, 180, 70, 0, 0};
    LabelDocument document = LabelDocument::fromTemplate(sheet);

    const QStringList lines = {format.faceName + QStringLiteral("あア亜いイ井"), QStringLiteral("abcdＡＢＣＤ"),
                               QStringLiteral("123１２３")};
    QString text;
    const AttrRecord record = typedRecord(format);
    std::vector<AttrRecord> records;
    for (const QString &line : lines) {
        for (int index = 0; index < line.size(); ++index)
            records.push_back(record);
        text += line + QStringLiteral("\r\n");
        records.push_back(record);
        records.back()[TextColourSlot] = Variant(LineBreakMarkerAtCr);
        records.push_back(record);
        records.back()[TextColourSlot] = Variant(LineBreakMarkerAtLf);
    }
    document.setLabelText(1, text);
    for (std::size_t index = 0; index < records.size(); ++index)
        document.CharAttr(1, int(index) + 1) = records[index];

    QImage canvas = makeLabelCanvas(sheet, 1, twipsPerPixelX, twipsPerPixelY);
    RenderLabel(document, 1, canvas, TextScale::screen(twipsPerPixelX, twipsPerPixelY));
    return canvas;
}

// Points of `picture` whose colour is `colour`.
inline int countColour(const QImage &picture, RgbValue colour, const QRect &area = QRect())
{
    const QRect region = area.isNull() ? picture.rect() : area.intersected(picture.rect());
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            count += fromQRgb(picture.pixel(x, y)) == colour ? 1 : 0;
    return count;
}

class FormatDialogTest : public ::testing::Test {
protected:
    FormatDialogTest() : state(folder.path())
    {
        state.prompts = &prompts;
        state.TwipsPerPixelX = 15;
        state.TwipsPerPixelY = 15;
        state.fontCatalogue.begin(4);
        state.fontCatalogue.add(TestFace, 128, 4);
        state.fontCatalogue.add(QStringLiteral("IPAMincho"), 128, 4);
        state.fontCatalogue.add(QStringLiteral("Fixed"), 0, 0);
        state.fontCatalogue.add(QStringLiteral("Font, Bold"), 0, 4);
    }
    ~FormatDialogTest() override { delete dialog; }

    FormatSettingsDialog &openOnDefault(QWidget *opener = nullptr)
    {
        dialog = new FormatSettingsDialog(state, opener);
        dialog->show();
        return *dialog;
    }
    FormatSettingsDialog &openOnInput(const InputFormat &input, QWidget *opener = nullptr)
    {
        dialog = new FormatSettingsDialog(state, input, opener);
        QObject::connect(dialog, &FormatSettingsDialog::inputFormatApplied,
                         [this](const InputFormat &format) { applied.push_back(format); });
        dialog->show();
        return *dialog;
    }

    template <typename T = QWidget>
    T *control(const QString &name)
    {
        T *found = dialog->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit *field(int number) { return control<QLineEdit>(QStringLiteral("Text%1").arg(number)); }
    SpinField *spin(int number) { return control<SpinField>(QStringLiteral("UpDown%1").arg(number)); }
    QCheckBox *box(const QString &name) { return control<QCheckBox>(name); }
    QCheckBox *effectBox(int index) { return box(QStringLiteral("Check5_%1").arg(index)); }
    ColourSwatch *swatch(const QString &name) { return control<ColourSwatch>(name); }
    QComboBox *weightList() { return control<QComboBox>(QStringLiteral("Combo1")); }
    QTreeWidget *fontList() { return control<QTreeWidget>(QStringLiteral("ListView1")); }
    QString faceName() { return control<QLabel>(QStringLiteral("Label1"))->text(); }

    // Replaces a field's text as the user types it.
    void type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        edit->del();
        QTest::keyClicks(edit, text);
    }
    // Replaces a field's text as an input method commits it.
    void commit(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(edit, &event);
    }
    void releaseAt(const QString &button, QPoint at)
    {
        auto *picture = control<PictureButton>(button);
        QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(picture, Qt::LeftButton, {}, at);
    }
    void click(const QString &button) { releaseAt(button, QPoint(10, 10)); }
    void clickSwatch(const QString &name) { QTest::mouseClick(swatch(name), Qt::LeftButton); }
    // Up (+1) or down (-1) on a spin button's arrows, as the user clicks.
    void clickSpin(SpinField *box, int direction)
    {
        const QPoint at(box->width() - 6, direction > 0 ? 4 : box->height() - 5);
        QTest::mouseClick(box, Qt::LeftButton, {}, at);
    }
    void selectFace(const QString &face)
    {
        const QList<QTreeWidgetItem *> rows = fontList()->findItems(face, Qt::MatchExactly);
        ASSERT_EQ(rows.size(), 1);
        const QRect cell = fontList()->visualItemRect(rows.front());
        QTest::mouseClick(fontList()->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QString dataFile(const QString &name) const { return folder.file(name); }

    TempFolder folder;
    ScriptedPrompts prompts;
    AppState state;
    FormatSettingsDialog *dialog = nullptr;
    std::vector<InputFormat> applied;
};

} // namespace porkane::test
