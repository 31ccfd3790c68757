#include "EditorFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QPlainTextEdit>

#include "document/LabelFile.h"
#include "editor/ui/EditorControls.h"

namespace porkane::test {

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

SheetTemplate twentyLabels()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 20;
    for (int label = 1; label <= 20; ++label) {
        const int column = (label - 1) % 2;
        const int row = (label - 1) / 2;
        sheet.LabelGeometry[std::size_t(label)] = {qint16(12 + row * 27), qint16(12 + column * 96), 90, 25, 3, 4};
    }
    return sheet;
}

EditorTest::EditorTest() : state(folder.path())
{
    state.prompts = &prompts;
    state.windows = &hub;
    state.TwipsPerPixelX = 15;
    state.TwipsPerPixelY = 15;
    state.DefaultFormat.charWidth = 0;
    state.DefaultFormat.charHeight = 20;
    // Nothing another test copied is there to paste.
    QGuiApplication::clipboard()->clear();
}

EditorTest::~EditorTest()
{
    if (editor) {
        // No questions on the way out.
        delete editor;
    }
    EXPECT_TRUE(prompts.allAnswersUsed());
}

EditorWindow *EditorTest::start()
{
    auto *window = new EditorWindow(state);
    if (!window->start()) {
        delete window;
        return nullptr;
    }
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    editor = window;
    hub.editor = window;
    return window;
}

EditorWindow &EditorTest::openSheet(const SheetTemplate &sheet)
{
    state.designerTemplate = sheet;
    state.OpenMode = OpenNewTemplate;
    EditorWindow *window = start();
    EXPECT_NE(window, nullptr);
    return *window;
}

EditorWindow &EditorTest::openDocument(const LabelDocument &document)
{
    const QString path = folder.file(QStringLiteral("opened.fhl"));
    saveLabelFile(document, path);
    state.DocumentPath = path;
    state.OpenMode = OpenExistingFile;
    EditorWindow *window = start();
    EXPECT_NE(window, nullptr);
    return *window;
}

QPlainTextEdit *EditorTest::textBox() { return control<QPlainTextEdit>(QStringLiteral("Text14")); }

void EditorTest::clickButton(PictureButton *button, QPoint releaseAt)
{
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, releaseAt);
}

void EditorTest::clickWidget(QWidget *widget)
{
    const QPoint middle = widget->rect().center();
    QTest::mousePress(widget, Qt::LeftButton, {}, middle);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, middle);
}

void EditorTest::pickColour(const QString &swatch, RgbValue colour)
{
    prompts.pickColour(colour);
    clickWidget(control<ColourSwatch>(swatch));
}

void EditorTest::type(const QString &text) { QTest::keyClicks(textBox(), text); }

void EditorTest::key(Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(textBox(), key, modifiers); }

void EditorTest::commit(const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(textBox(), &event);
}

void EditorTest::selectBox(int start, int end)
{
    QTextCursor cursor = textBox()->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    textBox()->setTextCursor(cursor);
}

QPointF EditorTest::atMillimetres(double x, double y) const
{
    const double scale = 56.7 / state.TwipsPerPixelX * editor->zoom();
    return QPointF(x * scale, y * scale);
}

void EditorTest::clickSheet(QPointF point, Qt::MouseButton button)
{
    QWidget *picture = editor->findChild<QWidget *>(QStringLiteral("Picture3"));
    ASSERT_NE(picture, nullptr);
    QMouseEvent press(QEvent::MouseButtonPress, point, picture->mapToGlobal(point), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, picture->mapToGlobal(point), button, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &release);
}

} // namespace porkane::test
