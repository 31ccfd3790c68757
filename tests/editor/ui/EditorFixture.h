#pragma once

// What the editor window tests share: a data folder of their own, the
// process-wide state, scripted prompts, a hub that records what the editor
// asks of the other windows, and helpers that drive the window as a user
// does (keys, input-method commits, clicks).

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include "session/AppState.h"
#include "session/WindowHub.h"
#include "widgets/PictureButton.h"
#include "editor/ui/EditorWindow.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

class QPlainTextEdit;

namespace porkane::test {

struct EditorHub : WindowHub {
    bool openDesigner() override
    {
        ++designerOpened;
        return designerOpens;
    }
    void closeDesignerForEditor() override { ++designerClosedForEditor; }
    bool openEditor() override { return false; }
    void enableEditor() override
    {
        ++editorEnabled;
        if (editor) {
            editor->setEnabled(true);
            editor->resume();
        }
    }
    void showMainMenu() override { ++mainMenuShown; }
    void openFormatSettings() override {}
    bool closeWindowsForExit() override { return true; }
    void quit() override {}

    QPointer<EditorWindow> editor;
    bool designerOpens = true;
    int designerOpened = 0;
    int designerClosedForEditor = 0;
    int editorEnabled = 0;
    int mainMenuShown = 0;
};

// Label l of the sheets below lies at left l × 30, top 10, 25 × 20 mm.
SheetTemplate rowOfLabels(int count);
// A sheet of 20 labels, two columns of ten, on A4.
SheetTemplate twentyLabels();

class EditorTest : public ::testing::Test {
protected:
    EditorTest();
    ~EditorTest() override;

    // Opens the editor on a new document for the sheet (OpenMode 1).
    EditorWindow &openSheet(const SheetTemplate &sheet);
    // Saves the document as a label file and opens it (OpenMode 2).
    EditorWindow &openDocument(const LabelDocument &document);
    // Starts the editor with OpenMode and DocumentPath as they are.
    EditorWindow *start();

    template <typename T = QWidget>
    T *control(const QString &name)
    {
        T *found = editor->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QPlainTextEdit *textBox();
    PictureButton *toolButton(int index) { return editor->toolButton(index); }
    // Press inside, release at `releaseAt`.
    void clickButton(PictureButton *button, QPoint releaseAt = QPoint(10, 10));
    void clickButton(int index, QPoint releaseAt = QPoint(10, 10)) { clickButton(toolButton(index), releaseAt); }
    void clickWidget(QWidget *widget);
    // Picks a colour in the colour dialog of a swatch.
    void pickColour(const QString &swatch, RgbValue colour);

    void type(const QString &text);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void commit(const QString &text);
    void selectBox(int start, int end);
    void clickSheet(QPointF point, Qt::MouseButton button = Qt::LeftButton);
    // The sheet-view pixel of a point given in millimetres, at the zoom.
    QPointF atMillimetres(double x, double y) const;

    LabelDocument &document() { return state.document; }
    const AttrRecord &record(int position) { return state.document.CharAttr(editor->currentLabel(), position); }
    Variant slot0(int position) { return record(position)[TextColourSlot]; }
    QString labelText() { return state.document.LabelText(editor->currentLabel()); }
    QString settingsFile() const { return folder.file(QStringLiteral("Shiyosiki2.ini")); }

    TempFolder folder;
    ScriptedPrompts prompts;
    EditorHub hub;
    AppState state;
    EditorWindow *editor = nullptr;
};

} // namespace porkane::test
