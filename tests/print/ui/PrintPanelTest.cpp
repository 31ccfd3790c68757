#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "session/AppState.h"
#include "session/Messages.h"
#include "widgets/BusyPointer.h"
#include "widgets/PictureButton.h"
#include "editor/EditorSettingsFile.h"
#include "widgets/OffsetSpinner.h"
#include "print/ui/PrintPanel.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

// The printer dialog of the script, which also changes the printer as a
// user would before confirming.
class PrinterDialogPrompts : public ScriptedPrompts {
public:
    bool choosePrinter(QPrinter &printer) override
    {
        const bool accepted = ScriptedPrompts::choosePrinter(printer);
        if (accepted && change)
            change(printer);
        return accepted;
    }
    std::function<void(QPrinter &)> change;
};

class PrintPanelTest : public ::testing::Test {
protected:
    PrintPanelTest() : state(folder.path())
    {
        state.prompts = &prompts;
        state.TwipsPerPixelX = 15;
        state.TwipsPerPixelY = 15;
        // A PDF printer, A4 portrait in colour, writing into the test's folder.
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setResolution(600);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageOrientation(QPageLayout::Portrait);
        printer->setColorMode(QPrinter::Color);
        printer->setOutputFileName(folder.file(QStringLiteral("printed.pdf")));
        state.printer = printer;

        SheetTemplate sheet;
        sheet.SheetWidth = 100;
        sheet.SheetHeight = 60;
        sheet.LabelCount = 1;
        sheet.LabelGeometry[1] = {5, 5, 50, 20, 2, 2};
        state.document = LabelDocument::fromTemplate(sheet);
        state.document.setLabelText(1, QStringLiteral("印刷"));
        for (int position = 1; position <= 2; ++position) {
            AttrRecord &record = state.document.CharAttr(1, position);
            record[TextColourSlot] = Variant(qint32(0));
            record[CharHeightSlot] = Variant(30.0);
            record[FaceNameSlot] = Variant(QStringLiteral("IPAGothic"));
        }

        editor.resize(900, 700);
        editor.show();
    }
    ~PrintPanelTest() override { BusyPointer::clear(); }

    PrintPanel &makePanel(const PrintOptions &options = {})
    {
        panel = std::make_unique<PrintPanel>(state, state.document, options,
                                             [this](const PrintOptions &stored) { this->stored.push_back(stored); },
                                             &editor);
        return *panel;
    }

    template <typename T = QWidget>
    T *control(const QString &name)
    {
        T *found = panel->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString shown(const QString &name) { return control<QLabel>(name)->text(); }
    OffsetSpinner *spinner(const QString &side) { return control<OffsetSpinner>(side + QStringLiteral("Spinner")); }
    QLineEdit *field(const QString &side) { return control<QLineEdit>(side + QStringLiteral("Field")); }
    void type(QLineEdit *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    // Typed and ended with Enter.
    void enter(QLineEdit *box, const QString &text)
    {
        type(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void click(const QString &button, QPoint at = QPoint(10, 10))
    {
        auto *picture = control<PictureButton>(button);
        QTest::mousePress(picture, Qt::LeftButton, {}, at);
        QTest::mouseRelease(picture, Qt::LeftButton, {}, at);
    }
    QString printedFile() const { return folder.file(QStringLiteral("printed.pdf")); }

    TempFolder folder;
    PrinterDialogPrompts prompts;
    AppState state;
    QWidget editor;
    std::unique_ptr<PrintPanel> panel;
    std::vector<PrintOptions> stored;
};

} // namespace

TEST_F(PrintPanelTest, ShowsTheCurrentPrintersSettings)
{
    PrintPanel &panel = makePanel();
    EXPECT_EQ(panel.objectName(), QStringLiteral("PrintPanel"));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(control<QGroupBox>(QStringLiteral("printerFrame"))->title(), QStringLiteral("現在のプリンタの設定"));
    for (const char *name : {"printerName", "paperSize", "orientation", "ink"})
        EXPECT_EQ(shown(QString::fromUtf8(name)), QStringLiteral("不明"));
    QStringList captions;
    for (const QLabel *label : control<QGroupBox>(QStringLiteral("printerFrame"))->findChildren<QLabel *>())
        captions << label->text();
    for (const char *caption : {"プリンタ名：", "用紙サイズ：", "印刷の向き：", "インク："})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;

    panel.showPanel();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(shown(QStringLiteral("printerName")), QStringLiteral("PDF"));
    EXPECT_EQ(shown(QStringLiteral("paperSize")), QStringLiteral("A4 (210 x 297 mm)"));
    EXPECT_EQ(shown(QStringLiteral("orientation")), QStringLiteral("縦"));
    EXPECT_EQ(shown(QStringLiteral("ink")), QStringLiteral("カラーインク"));
}

TEST_F(PrintPanelTest, RefreshesThePrinterAfterItsDialog)
{
    PrintPanel &panel = makePanel();
    panel.showPanel();
    prompts.change = [](QPrinter &printer) {
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setColorMode(QPrinter::GrayScale);
        printer.setPageSize(QPageSize(QPageSize::EnvelopeB6));
    };
    prompts.acceptPrinter();
    click(QStringLiteral("printerSetupButton"));
    EXPECT_EQ(prompts.last().kind, AskedPrompt::Printer);
    EXPECT_EQ(shown(QStringLiteral("orientation")), QStringLiteral("横"));
    EXPECT_EQ(shown(QStringLiteral("ink")), QStringLiteral("モノクロインク"));
    EXPECT_EQ(shown(QStringLiteral("paperSize")), QStringLiteral("封筒 B6 (176 x 125 mm)"));

    // A paper the table does not name leaves the previous text.
    prompts.change = [](QPrinter &printer) { printer.setPageSize(QPageSize(QPageSize::A10)); };
    prompts.acceptPrinter();
    click(QStringLiteral("printerSetupButton"));
    ASSERT_EQ(QPageSize(QPageSize::A10).windowsId(), 0);
    EXPECT_EQ(shown(QStringLiteral("paperSize")), QStringLiteral("封筒 B6 (176 x 125 mm)"));

    // Cancelled, nothing changes.
    prompts.change = [](QPrinter &printer) { printer.setPageOrientation(QPageLayout::Portrait); };
    prompts.cancelDialog();
    click(QStringLiteral("printerSetupButton"));
    EXPECT_EQ(shown(QStringLiteral("orientation")), QStringLiteral("横"));
    EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(PrintPanelTest, IsARoundedPanelCentredOnTheEditor)
{
    PrintPanel &panel = makePanel();
    QSignalSpy closed(&panel, &PrintPanel::closed);
    panel.showPanel();
    EXPECT_EQ(panel.parentWidget(), &editor);
    EXPECT_EQ(panel.geometry().center(), editor.rect().center());
    const QRegion shape = panel.mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(panel.width() - 1, panel.height() - 1)));
    EXPECT_TRUE(shape.contains(QPoint(10, 10)));
    EXPECT_TRUE(shape.contains(QPoint(panel.width() / 2, 0)));

    // The buttons act within 75 x 35 of their own.
    click(QStringLiteral("closeButton"), QPoint(76, 10));
    EXPECT_TRUE(panel.isVisible());
    click(QStringLiteral("closeButton"), QPoint(75, 35));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(panel.mask().isEmpty());
    EXPECT_EQ(closed.count(), 1);

    // Shown again, it is centred on the editor as it is now.
    editor.resize(1200, 500);
    panel.showPanel();
    EXPECT_EQ(panel.geometry().center(), editor.rect().center());
    EXPECT_FALSE(panel.mask().isEmpty());
}

TEST_F(PrintPanelTest, ShowsOffsetsInMillimetresAndHoldsTenths)
{
    PrintOptions options;
    options.offsetLeft = 10;
    options.offsetTop = -25;
    options.overflow = true;
    PrintPanel &panel = makePanel(options);
    EXPECT_EQ(field(QStringLiteral("offsetLeft"))->text(), QStringLiteral("1"));
    EXPECT_EQ(field(QStringLiteral("offsetTop"))->text(), QStringLiteral("-2.5"));
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("overflowOption"))->isChecked());
    EXPECT_EQ(control<QCheckBox>(QStringLiteral("overflowOption"))->text(),
              QStringLiteral("ラベルからはみ出した文字も強制的に印刷する。"));
    EXPECT_EQ(control<QGroupBox>(QStringLiteral("offsetFrame"))->title(), QStringLiteral("オフセット（mm）"));
    EXPECT_TRUE(stored.empty()); // showing the editor's values stores nothing
    panel.showPanel();

    // Typing sets the spinner to ten times the number, halves to even; the
    // box shows the spinner's value once typing ends.
    QLineEdit *left = field(QStringLiteral("offsetLeft"));
    type(left, QStringLiteral("12.35"));
    EXPECT_EQ(spinner(QStringLiteral("offsetLeft"))->value(), 124);
    EXPECT_EQ(left->text(), QStringLiteral("12.35"));
    QTest::keyClick(left, Qt::Key_Return);
    EXPECT_EQ(left->text(), QStringLiteral("12.4"));
    enter(left, QStringLiteral("0.25"));
    EXPECT_EQ(spinner(QStringLiteral("offsetLeft"))->value(), 2);
    EXPECT_EQ(left->text(), QStringLiteral("0.2"));
    // A minus sign typed first survives the "-0" on the way.
    type(left, QStringLiteral("-0.35"));
    EXPECT_EQ(left->text(), QStringLiteral("-0.35"));
    EXPECT_EQ(spinner(QStringLiteral("offsetLeft"))->value(), -4);

    // The spinner steps by a tenth and rewrites the box.
    QLineEdit *top = field(QStringLiteral("offsetTop"));
    QTest::mouseClick(spinner(QStringLiteral("offsetTop"))->upButton(), Qt::LeftButton);
    EXPECT_EQ(spinner(QStringLiteral("offsetTop"))->value(), -24);
    EXPECT_EQ(top->text(), QStringLiteral("-2.4"));
    QTest::keyClick(top, Qt::Key_Down);
    EXPECT_EQ(spinner(QStringLiteral("offsetTop"))->value(), -25);
    EXPECT_EQ(top->text(), QStringLiteral("-2.5"));

    // Within -100.0 to 100.0 mm.
    enter(top, QStringLiteral("150"));
    EXPECT_EQ(spinner(QStringLiteral("offsetTop"))->value(), 1000);
    EXPECT_EQ(top->text(), QStringLiteral("100"));
    QTest::mouseClick(spinner(QStringLiteral("offsetTop"))->upButton(), Qt::LeftButton);
    EXPECT_EQ(spinner(QStringLiteral("offsetTop"))->value(), 1000);
    enter(top, QStringLiteral("-100"));
    EXPECT_EQ(spinner(QStringLiteral("offsetTop"))->value(), -1000);
    QTest::mouseClick(spinner(QStringLiteral("offsetTop"))->downButton(), Qt::LeftButton);
    EXPECT_EQ(spinner(QStringLiteral("offsetTop"))->value(), -1000);
    EXPECT_EQ(top->text(), QStringLiteral("-100"));

    // Half-typed numbers leave the spinner alone; letters are not taken.
    type(top, QStringLiteral("-"));
    EXPECT_EQ(spinner(QStringLiteral("offsetTop"))->value(), -1000);
    QTest::keyClicks(top, QStringLiteral("x3"));
    EXPECT_EQ(top->text(), QStringLiteral("-3"));
    EXPECT_EQ(spinner(QStringLiteral("offsetTop"))->value(), -30);
    // An emptied box shows the value again when typing ends.
    type(top, QString());
    top->clear();
    QTest::keyClick(top, Qt::Key_Return);
    EXPECT_EQ(top->text(), QStringLiteral("-3"));

    // Every change went to the editor's settings, the last one included.
    ASSERT_FALSE(stored.empty());
    EXPECT_EQ(stored.back(), panel.options());

    const PrintOptions now = panel.options();
    EXPECT_EQ(now.offsetLeft, -4);
    EXPECT_EQ(now.offsetTop, -30);
    EXPECT_TRUE(now.overflow);
}

TEST_F(PrintPanelTest, EnteringAFieldSelectsItsText)
{
    PrintOptions options;
    options.offsetLeft = 125;
    makePanel(options).showPanel();
    editor.activateWindow();
    QLineEdit *box = field(QStringLiteral("offsetLeft"));
    box->deselect();
    box->setFocus(Qt::MouseFocusReason);
    // The selection is made once the focus event has been handled.
    EXPECT_TRUE(QTest::qWaitFor([&] { return box->selectedText() == QStringLiteral("12.5"); }, 2000))
        << box->selectedText().toStdString();
}

TEST_F(PrintPanelTest, KeepsOffsetsAndOptionInTheEditorSettings)
{
    // The editor's own settings, stored back through the panel's callback
    // and written to Shiyosiki2.ini as the editor does when it closes.
    EditorSettings settings = loadEditorSettings(state.dataFolder);
    settings.gridSpacing = 7;
    const auto toOptions = [](const EditorSettings &from) {
        PrintOptions options;
        options.offsetLeft = from.printOffsetLeft;
        options.offsetTop = from.printOffsetTop;
        options.overflow = from.forcePrintOverrun == 1;
        return options;
    };
    auto remember = [&settings](const PrintOptions &options) {
        settings.printOffsetLeft = options.offsetLeft;
        settings.printOffsetTop = options.offsetTop;
        settings.forcePrintOverrun = options.overflow ? 1 : 0;
    };
    {
        PrintPanel panel(state, state.document, toOptions(settings), remember, &editor);
        panel.showPanel();
        auto *left = panel.findChild<QLineEdit *>(QStringLiteral("offsetLeftField"));
        auto *top = panel.findChild<QLineEdit *>(QStringLiteral("offsetTopField"));
        ASSERT_TRUE(left && top);
        type(left, QStringLiteral("-3.5"));
        type(top, QStringLiteral("12"));
        QTest::mouseClick(panel.findChild<QCheckBox *>(QStringLiteral("overflowOption")), Qt::LeftButton);
    }
    EXPECT_EQ(settings.printOffsetLeft, -35);
    EXPECT_EQ(settings.printOffsetTop, 120);
    EXPECT_EQ(settings.forcePrintOverrun, 1);
    ASSERT_TRUE(saveEditorSettings(state.dataFolder, settings));

    const EditorSettings reread = loadEditorSettings(state.dataFolder);
    EXPECT_EQ(reread, settings);
    PrintPanel again(state, state.document, toOptions(reread), {}, &editor);
    EXPECT_EQ(again.findChild<QLineEdit *>(QStringLiteral("offsetLeftField"))->text(), QStringLiteral("-3.5"));
    EXPECT_EQ(again.findChild<QLineEdit *>(QStringLiteral("offsetTopField"))->text(), QStringLiteral("12"));
    EXPECT_TRUE(again.findChild<QCheckBox *>(QStringLiteral("overflowOption"))->isChecked());
}

TEST_F(PrintPanelTest, PrintsAndClosesWithTheEditorEnabledAgain)
{
    PrintPanel &panel = makePanel();
    QSignalSpy finished(&panel, &PrintPanel::jobFinished);
    panel.showPanel();
    click(QStringLiteral("printButton"));
    EXPECT_TRUE(readBytes(printedFile()).startsWith("%PDF"));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(editor.isEnabled());
    EXPECT_FALSE(BusyPointer::shown());
    EXPECT_TRUE(prompts.asked().empty());
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).value<PrintOutcome>(), PrintOutcome::Printed);
    EXPECT_EQ(state.printer->docName(), QStringLiteral("ぽるかね"));
}

TEST_F(PrintPanelTest, ShowsTheSeeThroughWorkWhileTheEditorIsDisabled)
{
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    state.document.addImage(picture, {10, 10, 1, qint32(0xFF00FF), 1});
    PrintPanel &panel = makePanel();
    panel.showPanel();

    struct Seen {
        bool editorEnabled = true;
        bool busy = false;
        bool progressShown = false;
        bool messageShown = false;
        bool optionShown = true;
        QString message;
    } seen;
    // Runs at the first moment the job lets events through: the behind
    // image's see-through preparation.
    QTimer::singleShot(0, &panel, [&] {
        seen.editorEnabled = editor.isEnabled();
        seen.busy = BusyPointer::shown();
        seen.progressShown = control<QProgressBar>(QStringLiteral("progressBar"))->isVisible();
        seen.messageShown = control<QLabel>(QStringLiteral("progressMessage"))->isVisible();
        seen.optionShown = control<QWidget>(QStringLiteral("overflowFrame"))->isVisible();
        seen.message = control<QLabel>(QStringLiteral("progressMessage"))->text();
    });
    panel.startPrinting();
    EXPECT_FALSE(seen.editorEnabled);
    EXPECT_TRUE(seen.busy);
    EXPECT_TRUE(seen.progressShown);
    EXPECT_TRUE(seen.messageShown);
    EXPECT_FALSE(seen.optionShown);
    EXPECT_EQ(seen.message, QStringLiteral("画像を透過処理しています。しばらくお待ちください．．．"));

    EXPECT_TRUE(editor.isEnabled());
    EXPECT_FALSE(BusyPointer::shown());
    EXPECT_EQ(control<QProgressBar>(QStringLiteral("progressBar"))->value(), 1000);
    panel.showPanel();
    EXPECT_TRUE(control<QWidget>(QStringLiteral("overflowFrame"))->isVisible());
    EXPECT_FALSE(control<QProgressBar>(QStringLiteral("progressBar"))->isVisible());
}

TEST_F(PrintPanelTest, AsksWhereAPdfGoesWhenThePrinterHasNoFile)
{
    // The current printer when the system has no print queue.
    auto pdfPrinter = std::make_shared<QPrinter>(QPrinter::HighResolution);
    pdfPrinter->setOutputFormat(QPrinter::PdfFormat);
    state.printer = pdfPrinter;
    PrintPanel &panel = makePanel();
    panel.showPanel();

    // Cancelled: nothing printed, the panel stays.
    prompts.cancelDialog();
    click(QStringLiteral("printButton"));
    EXPECT_EQ(prompts.last().kind, AskedPrompt::SaveFile);
    EXPECT_EQ(prompts.last().proposedName, QStringLiteral("ぽるかね.pdf"));
    EXPECT_TRUE(panel.isVisible());
    EXPECT_TRUE(editor.isEnabled());

    const QString chosen = folder.file(QStringLiteral("chosen.pdf"));
    prompts.chooseFile(chosen);
    click(QStringLiteral("printButton"));
    EXPECT_TRUE(readBytes(chosen).startsWith("%PDF"));
    EXPECT_FALSE(panel.isVisible());
    // The next job asks again, and about an existing file; a name without
    // a suffix is a PDF file's.
    EXPECT_TRUE(state.printer->outputFileName().isEmpty());
    EXPECT_EQ(state.printer->outputFormat(), QPrinter::PdfFormat);
    panel.showPanel();
    prompts.chooseFile(folder.file(QStringLiteral("chosen"))).answerNo();
    click(QStringLiteral("printButton"));
    EXPECT_EQ(prompts.last().text, OverwriteQuestion());
    EXPECT_EQ(prompts.last().preselect, Preselect::No);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(PrintPanelTest, ReportsAJobThatCannotPrint)
{
    state.printer->setOutputFileName(QStringLiteral("/nonexistent-folder/printed.pdf"));
    PrintPanel &panel = makePanel();
    QSignalSpy finished(&panel, &PrintPanel::jobFinished);
    panel.showPanel();
    click(QStringLiteral("printButton"));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages().constFirst(), printFailureMessage(PrintOutcome::CannotOpen));
    EXPECT_EQ(prompts.last().icon, PromptIcon::Exclamation);
    EXPECT_TRUE(editor.isEnabled());
    EXPECT_FALSE(BusyPointer::shown());
    EXPECT_FALSE(panel.isVisible());
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).value<PrintOutcome>(), PrintOutcome::CannotOpen);
}

TEST_F(PrintPanelTest, MakesTheCurrentPrinterWhenThereIsNone)
{
    state.printer.reset();
    PrintPanel &panel = makePanel();
    panel.showPanel();
    ASSERT_TRUE(state.printer);
    EXPECT_NE(shown(QStringLiteral("printerName")), QStringLiteral("不明"));
    EXPECT_EQ(shown(QStringLiteral("printerName")), readPrinterProperties(*state.printer).deviceName);
}
