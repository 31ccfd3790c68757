#include <memory>

#include <QAction>
#include <QPrinter>
#include <QShortcut>
#include <gtest/gtest.h>

#include "widgets/HelpGuide.h"
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
#include "app/AboutDialog.h"
#include "app/MainMenuWindow.h"
#include "ShellFixture.h"

using namespace porkane;
using namespace porkane::test;

namespace {

class HelpKeysTest : public ShellTest {
protected:
    HelpKeysTest()
    {
        HelpGuide::use(UserGuide(QStringLiteral("/guide")), [this](const QUrl &url) {
            opened.append(url);
            return true;
        });
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dataFile(QStringLiteral("out.pdf")));
        state.printer = printer;
        SheetTemplate sheet;
        sheet.SheetWidth = 100;
        sheet.SheetHeight = 60;
        sheet.LabelCount = 2;
        sheet.LabelGeometry[1] = {5, 5, 40, 20, 2, 2};
        sheet.LabelGeometry[2] = {50, 5, 40, 20, 2, 2};
        state.designerTemplate = sheet;
        state.document = LabelDocument::fromTemplate(sheet);
    }
    ~HelpKeysTest() override { HelpGuide::reset(); }

    // Presses the window's F1 as the shortcut map would: the window must
    // hold exactly one, or Qt would find the key ambiguous and do nothing.
    QString pressF1(QWidget &window)
    {
        QList<QShortcut *> keys;
        for (QShortcut *key : window.findChildren<QShortcut *>())
            if (key->key() == QKeySequence(Qt::Key_F1))
                keys.append(key);
        EXPECT_EQ(keys.size(), 1) << window.objectName().toStdString();
        // An action on F1 as well would make the key ambiguous.
        for (QAction *action : window.findChildren<QAction *>())
            EXPECT_FALSE(action->shortcuts().contains(QKeySequence(Qt::Key_F1)))
                << window.objectName().toStdString() << ": " << action->objectName().toStdString();
        if (keys.size() != 1)
            return QString();
        const qsizetype before = opened.size();
        emit keys.front()->activated();
        if (opened.size() != before + 1)
            return QString();
        return opened.back().fileName() + QLatin1Char('#') + opened.back().fragment();
    }

    QList<QUrl> opened;
};

} // namespace

TEST_F(HelpKeysTest, F1InEveryWindowOpensThatWindowsSection)
{
    MainMenuWindow menu(state);
    EXPECT_EQ(pressF1(menu), QStringLiteral("main-menu.html#main-menu"));
    AboutDialog about;
    EXPECT_EQ(pressF1(about), QStringLiteral("index.html#contents"));

    state.OpenMode = OpenNewTemplate;
    TemplateDesignerWindow designer(state);
    EXPECT_EQ(pressF1(designer), QStringLiteral("designer.html#designer"));
    ProductChooserDialog chooser(state, 1);
    EXPECT_EQ(pressF1(chooser), QStringLiteral("designer.html#products"));
    LabelGridDialog grid(state.designerTemplate, 1);
    EXPECT_EQ(pressF1(grid), QStringLiteral("designer.html#grid"));
    ProductSaveDialog save(QStringLiteral("A-ONE"), QStringLiteral("28171"));
    EXPECT_EQ(pressF1(save), QStringLiteral("designer.html#save-product"));

    FormatSettingsDialog format(state);
    EXPECT_EQ(pressF1(format), QStringLiteral("format.html#format"));
    ImagePasteDialog paste(state);
    EXPECT_EQ(pressF1(paste), QStringLiteral("pictures.html#pictures"));
    BarcodeDialog barcode;
    EXPECT_EQ(pressF1(barcode), QStringLiteral("pictures.html#barcodes"));

    PrintPanel alone(state, state.document, {}, {}, nullptr);
    EXPECT_EQ(pressF1(alone), QStringLiteral("print.html#print"));
    PrintPreviewDialog preview(PrintPages::asIs(state.document), {}, ScreenScale{15, 15});
    EXPECT_EQ(pressF1(preview), QStringLiteral("print.html#print-preview"));
    PrinterSetupDialog setup(PrinterSetup({}, PrinterChoices{}));
    EXPECT_EQ(pressF1(setup), QStringLiteral("print.html#printer-setup"));
}

TEST_F(HelpKeysTest, TheEditorsF1FollowsItsPrintPanel)
{
    state.OpenMode = OpenNewTemplate;
    EditorWindow editor(state);
    editor.show();
    EXPECT_EQ(pressF1(editor), QStringLiteral("editor.html#editor"));
    editor.showPrintPanel();
    ASSERT_NE(editor.printPanel(), nullptr);
    ASSERT_TRUE(editor.printPanel()->isVisible());
    EXPECT_EQ(pressF1(editor), QStringLiteral("print.html#print"));
    editor.printPanel()->close();
    EXPECT_EQ(pressF1(editor), QStringLiteral("editor.html#editor"));
}
