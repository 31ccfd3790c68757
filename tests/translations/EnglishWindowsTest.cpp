// Every window in English, opened as a user opens it, with no text cut off:
// each label, button caption, check box, radio button and group title must
// fit its widget as laid out.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTest>

#include "session/AppState.h"
#include "session/InterfaceLanguage.h"
#include "widgets/Artwork.h"
#include "widgets/PictureButton.h"
#include "app/AboutDialog.h"
#include "app/MainMenuWindow.h"
#include "app/ProgramWindows.h"
#include "app/SplashWindow.h"
#include "editor/ui/EditorWindow.h"
#include "format/ui/FormatSettingsDialog.h"
#include "image/ui/BarcodeDialog.h"
#include "image/ui/ImagePasteDialog.h"
#include "print/PrintPages.h"
#include "print/ui/PrintPanel.h"
#include "print/ui/PrintPreviewDialog.h"
#include "print/ui/PrinterSetupDialog.h"
#include "sheet/ui/LabelGridDialog.h"
#include "sheet/ui/ProductChooserDialog.h"
#include "sheet/ui/ProductSaveDialog.h"
#include "sheet/ui/TemplateDesignerWindow.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

QString describe(const QWidget *widget)
{
    QString path;
    for (const QWidget *at = widget; at; at = at->parentWidget()) {
        const QString name = at->objectName().isEmpty() ? QString::fromLatin1(at->metaObject()->className())
                                                        : at->objectName();
        path = path.isEmpty() ? name : name + QLatin1Char('/') + path;
        if (at->isWindow())
            break;
    }
    return path;
}

// What does not fit, one line per text: where, the text, the room it needs
// and the room it has.
QStringList clippedTexts(QWidget *window)
{
    QStringList clipped;
    const auto report = [&](const QWidget *widget, const QString &text, QSize needed, QSize room) {
        if (needed.width() > room.width() || needed.height() > room.height())
            clipped << QStringLiteral("%1 \"%2\": needs %3 × %4, has %5 × %6")
                           .arg(describe(widget), text)
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(room.width())
                           .arg(room.height());
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        if (widget != window && !widget->isVisibleTo(window))
            continue;
        const QFontMetrics metrics(widget->font());
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->text().isEmpty() || !label->pixmap().isNull())
                continue;
            const QRect room = label->contentsRect().marginsRemoved(
                QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
            const int indent = label->indent() < 0 && label->frameWidth() > 0 ? metrics.horizontalAdvance(u'x') / 2
                                                                                 : qMax(label->indent(), 0);
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height())
                    report(label, label->text(), QSize(label->width(), label->heightForWidth(label->width())),
                           label->size());
                continue;
            }
            const QSize text = metrics.size(Qt::TextShowMnemonic | Qt::TextExpandTabs, label->text());
            report(label, label->text(), QSize(text.width() + indent, text.height()), room.size());
        } else if (auto *button = qobject_cast<PictureButton *>(widget)) {
            if (button->caption().isEmpty())
                continue;
            report(button, button->caption(),
                   QSize(metrics.horizontalAdvance(button->caption()), metrics.height()),
                   QSize(button->width(), PictureButton::CaptionHeight));
        } else if (auto *box = qobject_cast<QAbstractButton *>(widget)) {
            // Check boxes, radio buttons, push buttons: their size hint is
            // the indicator or frame plus the text.
            if (box->text().isEmpty())
                continue;
            report(box, box->text(), QSize(box->sizeHint().width(), 0), QSize(box->width(), 0));
        }
        if (auto *group = qobject_cast<QGroupBox *>(widget); group && !group->title().isEmpty()) {
            // The title sits in from the frame's left edge and must end
            // before the right one.
            const int inset = 2 * metrics.averageCharWidth();
            report(group, group->title(), QSize(metrics.horizontalAdvance(group->title()) + inset, 0),
                   QSize(group->width(), 0));
        }
    }
    return clipped;
}

template <typename Window>
Window *topLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

void click(PictureButton *button)
{
    ASSERT_NE(button, nullptr);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
}

class EnglishWindowsTest : public ::testing::Test {
protected:
    EnglishWindowsTest() : state(folder.path()), windows(state, [] {})
    {
        state.prompts = &prompts;
        state.windows = &windows;
        state.TwipsPerPixelX = 15;
        state.TwipsPerPixelY = 15;
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setOutputFileName(folder.file(QStringLiteral("printed.pdf")));
        state.printer = printer;
        state.fontCatalogue.begin(2);
        state.fontCatalogue.add(QStringLiteral("IPAGothic"), 128, 4);
        state.fontCatalogue.add(QStringLiteral("IPAMincho"), 128, 4);
    }

    static void SetUpTestSuite()
    {
        // The translation the program loads when run from the build tree.
        ASSERT_TRUE(translators().install(InterfaceLanguage::English, QCoreApplication::applicationDirPath()));
    }
    static void TearDownTestSuite() { translators().remove(); }
    static InterfaceTranslators &translators()
    {
        static InterfaceTranslators english;
        return english;
    }

    void expectNoClippedText(QWidget *window)
    {
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        const QStringList clipped = clippedTexts(window);
        EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QLatin1Char('\n')).toStdString();
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TempFolder folder;
    ScriptedPrompts prompts;
    AppState state;
    ProgramWindows windows;
};

} // namespace

TEST_F(EnglishWindowsTest, TheSplashWindow)
{
    SplashWindow splash(state);
    splash.show();
    expectNoClippedText(&splash);
}

TEST_F(EnglishWindowsTest, TheMainMenuItsAboutBoxAndTheFormatDialog)
{
    MainMenuWindow *menu = windows.startMainMenu();
    EXPECT_EQ(menu->button(1)->caption(), QStringLiteral("New"));
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("Porkane  ver1.35"));
    expectNoClippedText(menu);

    click(menu->button(7));
    expectNoClippedText(menu->aboutDialog());
    menu->aboutDialog()->close();
    settle();

    click(menu->button(4));
    FormatSettingsDialog *format = topLevel<FormatSettingsDialog>();
    expectNoClippedText(format);
    format->close();
    settle();
}

TEST_F(EnglishWindowsTest, PicturesWithWordsHaveTheirEnglishWords)
{
    artwork::picture(QStringLiteral("printer-direction-1"), QSize(150, 64));
    for (const char *name : {"printer-direction-1", "printer-direction-2"}) {
        QFile picture(QStringLiteral(":/porkane/%1.svg").arg(QLatin1String(name)));
        ASSERT_TRUE(picture.open(QIODevice::ReadOnly)) << name;
        const QString words = QString::fromUtf8(picture.readAll());
        EXPECT_TRUE(words.contains(QLatin1String(">Top<"))) << name;
        EXPECT_FALSE(words.contains(QStringLiteral("上"))) << name;
    }
}

TEST_F(EnglishWindowsTest, TheDesignerTheEditorAndWhatTheEditorOpens)
{
    state.OpenMode = OpenNewTemplate;
    ASSERT_TRUE(windows.openDesigner());
    TemplateDesignerWindow *designer = windows.designer();
    // A file name, not a text of the interface.
    EXPECT_EQ(designer->findChild<QLineEdit *>(QStringLiteral("formName"))->text(), QStringLiteral("NewForm"));
    expectNoClippedText(designer);

    click(designer->findChild<PictureButton *>(QStringLiteral("toolButton1")));
    settle();
    EditorWindow *editor = windows.editor();
    ASSERT_NE(editor, nullptr);
    expectNoClippedText(editor);

    // Selected text brings the panel that changes formats, with its effects.
    auto *text = editor->findChild<QPlainTextEdit *>(QStringLiteral("Text14"));
    ASSERT_NE(text, nullptr);
    QTest::keyClicks(text, QStringLiteral("Label"));
    // A character Shift-JIS lacks is refused under the text box.
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("鷗"));
    QCoreApplication::sendEvent(text, &typed);
    auto *status = editor->findChild<QLabel *>(QStringLiteral("statusLine"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(), QStringLiteral("\"鷗\" cannot be typed on a label."));
    expectNoClippedText(editor);
    text->selectAll();
    if (auto *effects = editor->findChild<QCheckBox *>(QStringLiteral("changeEffectsShown")))
        effects->setChecked(true);
    expectNoClippedText(editor);

    click(editor->toolButton(EditorWindow::FormatSettingsButton));
    FormatSettingsDialog *format = topLevel<FormatSettingsDialog>();
    expectNoClippedText(format);
    format->close();
    settle();

    click(editor->toolButton(EditorWindow::PasteImageButton));
    ImagePasteDialog *pictures = topLevel<ImagePasteDialog>();
    expectNoClippedText(pictures);
    pictures->close();
    settle();

    click(editor->toolButton(EditorWindow::PrintButton));
    ASSERT_NE(editor->printPanel(), nullptr);
    expectNoClippedText(editor);
    // The merge settings, enabled.
    auto *merge = editor->printPanel()->findChild<QRadioButton *>(QStringLiteral("mergeMode"));
    ASSERT_NE(merge, nullptr);
    merge->setChecked(true);
    expectNoClippedText(editor);
}

TEST_F(EnglishWindowsTest, TheDesignersDialogsTheBarcodeDialogAndThePrintPreview)
{
    ProductChooserDialog chooser(state, 1);
    chooser.show();
    expectNoClippedText(&chooser);

    SheetTemplate sheet = SheetTemplate::newTemplate();
    LabelGridDialog grid(sheet, 1);
    grid.show();
    expectNoClippedText(&grid);

    ProductSaveDialog save(QStringLiteral("A-ONE"), QStringLiteral("28171"));
    save.show();
    expectNoClippedText(&save);

    BarcodeDialog barcode;
    barcode.show();
    expectNoClippedText(&barcode);

    PrintPreviewDialog preview(PrintPages::asIs(LabelDocument::fromTemplate(sheet)), {}, ScreenScale{15, 15});
    preview.show();
    expectNoClippedText(&preview);
}

TEST_F(EnglishWindowsTest, ThePrinterSetupDialog)
{
    PrinterDescription office;
    office.name = QStringLiteral("Office");
    office.description = QStringLiteral("Office printer");
    office.location = QStringLiteral("Second floor");
    office.makeAndModel = QStringLiteral("Label printer LP-1");
    office.isDefault = true;
    office.state = QPrinter::Idle;
    office.pageSizes = {QPageSize(QPageSize::A4), QPageSize(QPageSize::Postcard)};
    office.defaultPageSize = QPageSize(QPageSize::A4);
    office.colourModes = {QPrinter::GrayScale, QPrinter::Color};
    office.duplexModes = {QPrinter::DuplexNone, QPrinter::DuplexLongSide, QPrinter::DuplexShortSide};
    PrinterChoices choices;
    choices.pageSize = QPageSize(QPageSize::A4);

    PrinterSetupDialog withPrinter(PrinterSetup({office}, choices));
    withPrinter.show();
    expectNoClippedText(&withPrinter);

    PrinterSetupDialog withoutPrinter(PrinterSetup({}, choices));
    withoutPrinter.show();
    expectNoClippedText(&withoutPrinter);
}
