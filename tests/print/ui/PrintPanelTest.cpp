#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
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
#include "core/Cp932.h"
#include "print/ui/PrintPanel.h"
#include "print/ui/PrintPreviewDialog.h"
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
        editorField = new QLineEdit(&editor);
        editorField->setObjectName(QStringLiteral("editorField"));
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
    QLineEdit *editorField = nullptr; // one of the editor's own controls
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
    EXPECT_TRUE(editorField->isEnabled());
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
        bool printButtonEnabled = true;
        bool cancelEnabled = false;
        bool busy = false;
        bool progressShown = false;
        bool messageShown = false;
        bool optionShown = true;
        QString message;
    } seen;
    // Runs while the behind image's see-through copy is prepared. The
    // editor's controls take no input meanwhile (the editor itself stays
    // enabled, or the panel on it could not offer its cancel button).
    auto *bar = control<QProgressBar>(QStringLiteral("progressBar"));
    bool looked = false;
    QObject::connect(bar, &QProgressBar::valueChanged, &panel, [&](int value) {
        if (looked || value == 0)
            return;
        looked = true;
        seen.editorEnabled = editorField->isEnabled();
        seen.printButtonEnabled = control<QWidget>(QStringLiteral("printButton"))->isEnabled();
        seen.cancelEnabled = control<QWidget>(QStringLiteral("cancelButton"))->isEnabled();
        seen.busy = BusyPointer::shown();
        seen.progressShown = bar->isVisible();
        seen.messageShown = control<QLabel>(QStringLiteral("progressMessage"))->isVisible();
        seen.optionShown = control<QWidget>(QStringLiteral("overflowFrame"))->isVisible();
        seen.message = control<QLabel>(QStringLiteral("progressMessage"))->text();
    });
    panel.startPrinting();
    ASSERT_TRUE(looked);
    EXPECT_FALSE(seen.editorEnabled);
    EXPECT_FALSE(seen.printButtonEnabled);
    EXPECT_TRUE(seen.cancelEnabled);
    EXPECT_TRUE(seen.busy);
    EXPECT_TRUE(seen.progressShown);
    EXPECT_TRUE(seen.messageShown);
    EXPECT_FALSE(seen.optionShown);
    EXPECT_EQ(seen.message, QStringLiteral("画像を透過処理しています。しばらくお待ちください．．．"));

    EXPECT_TRUE(editorField->isEnabled());
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
    EXPECT_TRUE(editorField->isEnabled());

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
    EXPECT_TRUE(editorField->isEnabled());
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

namespace {

// A 12-label A4 sheet whose label 1 holds the address design.
LabelDocument addressSheet()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 12;
    for (int label = 1; label <= 12; ++label)
        sheet.LabelGeometry[label] = {qint16(20 + (label - 1) / 2 * 42), qint16(15 + (label - 1) % 2 * 94), 86, 40, 4, 4};
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    const QString text = QStringLiteral("〒《郵便番号》\r\n《住所》\r\n《氏名》 様");
    document.setLabelText(1, text);
    for (int position = 1; position <= text.size(); ++position) {
        AttrRecord &record = document.CharAttr(1, position);
        record[TextColourSlot] = Variant(qint32(0));
        record[CharHeightSlot] = Variant(16.0);
        record[FaceNameSlot] = Variant(QStringLiteral("IPAGothic"));
    }
    for (int position = 1; position < text.size(); ++position) {
        if (text[position - 1] == QLatin1Char('\r')) {
            document.CharAttr(1, position)[TextColourSlot] = Variant(LineBreakMarkerAtCr);
            document.CharAttr(1, position + 1)[TextColourSlot] = Variant(LineBreakMarkerAtLf);
        }
    }
    return document;
}

QString addressList(int rows)
{
    QString csv = QStringLiteral("氏名,住所,郵便番号\r\n");
    for (int row = 1; row <= rows; ++row)
        csv += QStringLiteral("氏名%1,東京都港区%1,105-0011\r\n").arg(row);
    return csv;
}

int pagesOf(const QString &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(readBytes(pdf)).count(page));
}

} // namespace

class MergePanelTest : public PrintPanelTest {
protected:
    MergePanelTest() { state.document = addressSheet(); }

    QString list(const QString &name, const QByteArray &bytes)
    {
        const QString path = folder.file(name);
        writeBytes(path, bytes);
        return path;
    }
    // 差し込み印刷 with the list chosen through the file dialog.
    void chooseList(const QString &path)
    {
        QTest::mouseClick(control<QRadioButton>(QStringLiteral("mergeMode")), Qt::LeftButton);
        prompts.chooseFile(path);
        QTest::mouseClick(control<QPushButton>(QStringLiteral("chooseDataFile")), Qt::LeftButton);
    }
    QString summary() { return shown(QStringLiteral("jobSummary")); }
};

TEST_F(MergePanelTest, MergesAnAddressListFromAStartingLabelInCopiesAndSavesItAsPdf)
{
    PrintPanel &panel = makePanel();
    panel.showPanel();
    EXPECT_TRUE(control<QRadioButton>(QStringLiteral("asIsMode"))->isChecked());
    EXPECT_EQ(control<QRadioButton>(QStringLiteral("asIsMode"))->text(), QStringLiteral("各ラベルそのまま"));
    EXPECT_EQ(control<QRadioButton>(QStringLiteral("mergeMode"))->text(), QStringLiteral("差し込み印刷"));
    EXPECT_FALSE(control<QWidget>(QStringLiteral("mergeControls"))->isEnabled());
    EXPECT_EQ(summary(), QStringLiteral("全 1 ページ"));
    EXPECT_EQ(control<QSpinBox>(QStringLiteral("startLabel"))->maximum(), 12);
    EXPECT_EQ(control<QSpinBox>(QStringLiteral("designLabel"))->value(), 1);

    chooseList(list(QStringLiteral("list.csv"), addressList(25).toUtf8()));
    EXPECT_EQ(prompts.asked().front().kind, AskedPrompt::OpenFile);
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("dataFile"))->text(), QStringLiteral("list.csv"));
    EXPECT_TRUE(control<QWidget>(QStringLiteral("mergeControls"))->isEnabled());
    EXPECT_EQ(summary(), QStringLiteral("25 件（UTF-8）・全 3 ページ"));
    control<QSpinBox>(QStringLiteral("startLabel"))->setValue(5);
    EXPECT_EQ(summary(), QStringLiteral("25 件（UTF-8）・全 3 ページ"));
    control<QSpinBox>(QStringLiteral("copies"))->setValue(2);
    EXPECT_EQ(summary(), QStringLiteral("25 件（UTF-8）・全 6 ページ"));
    EXPECT_EQ(panel.jobSetup().startLabel(), 5);

    const QString pdf = folder.file(QStringLiteral("addresses.pdf"));
    prompts.chooseFile(pdf);
    QSignalSpy finished(&panel, &PrintPanel::jobFinished);
    click(QStringLiteral("pdfButton"));
    EXPECT_EQ(prompts.last().kind, AskedPrompt::SaveFile);
    EXPECT_EQ(prompts.last().proposedName, QStringLiteral("ぽるかね.pdf"));
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(panel.lastOutcome(), PrintOutcome::Printed);
    EXPECT_EQ(pagesOf(pdf), 6);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(prompts.allAnswersUsed());
    // The current printer was not used.
    EXPECT_FALSE(QFile::exists(printedFile()));
}

TEST_F(MergePanelTest, ListsTheRowsThatCannotBeMergedBeforeAnythingPrints)
{
    PrintPanel &panel = makePanel();
    panel.showPanel();
    chooseList(list(QStringLiteral("list.csv"),
                    (addressList(3) + QStringLiteral("🍣,東京,100-0001\r\n") + addressList(2).section(u'\n', 1))
                        .toUtf8()));
    EXPECT_EQ(summary(), QStringLiteral("5 件（UTF-8）・差し込めない行 1・全 1 ページ"));

    // No: nothing is printed and the panel stays.
    prompts.answerNo();
    click(QStringLiteral("printButton"));
    const AskedPrompt question = prompts.last();
    EXPECT_EQ(question.kind, AskedPrompt::AskAboutList);
    EXPECT_EQ(question.preselect, Preselect::No);
    EXPECT_EQ(question.items, QStringList{QStringLiteral("5 行目「氏名」: 「🍣」はラベルに使えない文字です（Shift-JIS にありません）")});
    EXPECT_TRUE(question.text.contains(QStringLiteral("差し込める 5 行だけで続けますか")));
    EXPECT_FALSE(QFile::exists(printedFile()));
    EXPECT_TRUE(panel.isVisible());

    // Yes: the rows that merge are printed.
    prompts.answerYes();
    click(QStringLiteral("printButton"));
    EXPECT_EQ(pagesOf(printedFile()), 1);
    EXPECT_EQ(panel.lastOutcome(), PrintOutcome::Printed);
    EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(MergePanelTest, RefusesAMergeWithoutAListOrWithAListItCannotRead)
{
    PrintPanel &panel = makePanel();
    panel.showPanel();
    QTest::mouseClick(control<QRadioButton>(QStringLiteral("mergeMode")), Qt::LeftButton);
    EXPECT_EQ(summary(), QStringLiteral("差し込むデータファイルを選んでください。"));
    click(QStringLiteral("previewButton"));
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("差し込むデータファイルを選んでください。")});
    EXPECT_EQ(panel.preview(), nullptr);

    // Shift-JIS is found out; read as UTF-8 it is refused with its row and field.
    prompts.clear();
    const QString sjis = list(QStringLiteral("sjis.csv"), encodeCp932(QStringLiteral("氏名,住所,郵便番号\r\n髙橋,﨑町,100\r\n")));
    chooseList(sjis);
    EXPECT_EQ(summary(), QStringLiteral("1 件（Shift-JIS）・全 1 ページ"));
    control<QComboBox>(QStringLiteral("dataEncoding"))->setCurrentIndex(1); // UTF-8
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages().front().startsWith(QStringLiteral("sjis.csv: 1 行目の")))
        << prompts.messages().front().toStdString();
    EXPECT_EQ(prompts.last().icon, PromptIcon::Exclamation);
    EXPECT_EQ(panel.jobSetup().data(), nullptr);
    control<QComboBox>(QStringLiteral("dataEncoding"))->setCurrentIndex(2); // Shift-JIS
    EXPECT_EQ(summary(), QStringLiteral("1 件（Shift-JIS）・全 1 ページ"));

    // A list without a field the design uses.
    prompts.clear();
    chooseList(list(QStringLiteral("names.csv"), "氏名\r\n山田\r\n"));
    click(QStringLiteral("printButton"));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages().front().contains(QStringLiteral("《郵便番号》、《住所》")));
    EXPECT_FALSE(QFile::exists(printedFile()));
}

TEST_F(MergePanelTest, PreviewsEveryPageOfTheJob)
{
    PrintPanel &panel = makePanel();
    panel.showPanel();
    chooseList(list(QStringLiteral("list.csv"), addressList(30).toUtf8()));
    click(QStringLiteral("previewButton"));
    PrintPreviewDialog *preview = panel.preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("印刷プレビュー"));
    EXPECT_EQ(preview->pageCount(), 3);
    EXPECT_EQ(preview->findChild<QLabel *>(QStringLiteral("pageCount"))->text(), QStringLiteral("/ 3 ページ"));
    EXPECT_FALSE(preview->findChild<QToolButton *>(QStringLiteral("previousPage"))->isEnabled());

    QTest::mouseClick(preview->findChild<QToolButton *>(QStringLiteral("nextPage")), Qt::LeftButton);
    EXPECT_EQ(preview->currentPage(), 1);
    EXPECT_EQ(preview->findChild<QSpinBox *>(QStringLiteral("pageNumber"))->value(), 2);
    const QImage expected = previewPage(panel.jobSetup().pages(), 1, panel.options(),
                                        ScreenScale{state.TwipsPerPixelX, state.TwipsPerPixelY}, preview->zoom());
    EXPECT_EQ(preview->shownPage(), expected);

    preview->findChild<QSpinBox *>(QStringLiteral("pageNumber"))->setValue(3);
    EXPECT_EQ(preview->currentPage(), 2);
    EXPECT_FALSE(preview->findChild<QToolButton *>(QStringLiteral("nextPage"))->isEnabled());
    QTest::keyClick(preview, Qt::Key_Home);
    EXPECT_EQ(preview->currentPage(), 0);

    const int width = preview->shownPage().width();
    const double zoom = preview->zoom();
    auto *zoomBox = preview->findChild<QComboBox *>(QStringLiteral("zoom"));
    zoomBox->setCurrentIndex(zoomBox->findData(zoom * 2) >= 0 ? zoomBox->findData(zoom * 2) : zoomBox->count() - 1);
    EXPECT_NEAR(preview->shownPage().width(), width * preview->zoom() / zoom, 2);
    preview->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel.preview() == nullptr; }, 2000));
}

TEST_F(MergePanelTest, CancellingAJobLeavesNoPdfAndTheEditorUsable)
{
    PrintPanel &panel = makePanel();
    panel.showPanel();
    chooseList(list(QStringLiteral("list.csv"), addressList(240).toUtf8()));
    const QString pdf = folder.file(QStringLiteral("long.pdf"));
    prompts.chooseFile(pdf);
    QString message;
    // The first moment the job lets events through is its first page.
    QTimer::singleShot(0, &panel, [&] {
        message = shown(QStringLiteral("pageProgressMessage"));
        EXPECT_FALSE(editorField->isEnabled());
        QTest::mouseClick(control<QPushButton>(QStringLiteral("cancelButton")), Qt::LeftButton);
    });
    click(QStringLiteral("pdfButton"));
    EXPECT_EQ(message, QStringLiteral("1 / 20 ページ目を作成しています"));
    EXPECT_EQ(panel.lastOutcome(), PrintOutcome::Cancelled);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("*.pdf*"), QStringLiteral(".*.pdf*")}, QDir::Files | QDir::Hidden),
              QStringList());
    // The panel stays for another try; nothing was said about it.
    EXPECT_TRUE(panel.isVisible());
    EXPECT_TRUE(editorField->isEnabled());
    EXPECT_FALSE(BusyPointer::shown());
    EXPECT_EQ(prompts.messages(), QStringList());
    EXPECT_FALSE(panel.isPrinting());
}

TEST_F(MergePanelTest, SavesAPdfFromTheEditorWithThePanelHidden)
{
    PrintPanel &panel = makePanel();
    const QString pdf = folder.file(QStringLiteral("sheet"));
    prompts.chooseFile(pdf);
    state.DocumentPath = folder.file(QStringLiteral("宛名.fhl"));
    panel.exportPdf();
    EXPECT_EQ(prompts.last().proposedName, QStringLiteral("宛名.pdf"));
    // Without a list it is the sheet as it is, on one page of its paper.
    EXPECT_EQ(pagesOf(pdf + QStringLiteral(".pdf")), 1);
    EXPECT_FALSE(panel.isVisible());
}
