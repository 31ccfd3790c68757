// A keystroke in the editor, from the key event to the repainted sheet
// view: a 20-label sheet whose current label holds 199 positions with a
// 3D and outline effect, one character typed or taken away per
// iteration.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QKeyEvent>

#include "session/AppState.h"
#include "session/Prompts.h"
#include "session/WindowHub.h"
#include "editor/ui/EditorWindow.h"

using namespace porkane;

namespace {

struct NoWindows : WindowHub {
    bool openDesigner() override { return false; }
    void closeDesignerForEditor() override {}
    bool openEditor() override { return false; }
    void enableEditor() override {}
    void showMainMenu() override {}
    void openFormatSettings() override {}
    bool closeWindowsForExit() override { return true; }
    void quit() override {}
};

struct SilentPrompts : Prompts {
    void tell(const QString &, PromptIcon) override {}
    bool ask(const QString &, PromptIcon, Preselect) override { return false; }
    std::optional<QString> openFileName(const QString &) override { return {}; }
    std::optional<QString> saveFileName(const QString &, const QString &) override { return {}; }
    std::optional<qint32> chooseColour(qint32) override { return {}; }
    bool choosePrinter(QPrinter &) override { return false; }
};

SheetTemplate twentyLabels()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 20;
    for (int label = 1; label <= 20; ++label) {
        const int column = (label - 1) % 2, row = (label - 1) / 2;
        sheet.LabelGeometry[label] = {qint16(13 + row * 27), qint16(12 + column * 96), 90, 25, 3, 4};
    }
    return sheet;
}

void Keystroke(benchmark::State &run)
{
    QTemporaryDir data;
    AppState state(data.path());
    NoWindows windows;
    SilentPrompts prompts;
    state.windows = &windows;
    state.prompts = &prompts;
    state.designerTemplate = twentyLabels();
    state.OpenMode = OpenNewTemplate;
    state.DefaultFormat.faceName = QStringLiteral("IPAGothic");
    state.DefaultFormat.charHeight = 14;
    state.DefaultFormat.charWidth = 0;
    state.DefaultFormat.effectCode = ThreeDEffect | OutlineEffect;
    state.DefaultFormat.shiftHorizontal = 0.5f;
    state.DefaultFormat.shiftVertical = 0.5f;
    state.DefaultFormat.effectColour = rgbValue(255, 192, 0);

    EditorWindow editor(state);
    editor.start();
    editor.show();
    auto *box = editor.findChild<QPlainTextEdit *>(QStringLiteral("Text14"));
    QWidget *view = editor.findChild<QWidget *>(QStringLiteral("Picture3"));
    QString text;
    for (int i = 0; i < 190; ++i)
        text += i % 20 == 19 ? QChar(u'\n') : QChar(char16_t(0x3042 + i % 40));
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(box, &commit);

    bool typing = true;
    for (auto _ : run) {
        const int key = typing ? Qt::Key_A : Qt::Key_Backspace;
        const QString keyText = typing ? QStringLiteral("A") : QString();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, keyText);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, keyText);
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
        view->repaint();
        typing = !typing;
    }
    run.counters["characters"] = double(state.document.LabelText(1).size());
}
BENCHMARK(Keystroke)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
