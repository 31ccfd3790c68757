// The designer's label-sheet commands: choosing a product, laying out a
// grid and saving the template as a product, through their dialogs as a
// user works them.

#include <functional>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "session/AppState.h"
#include "session/Messages.h"
#include "session/WindowHub.h"
#include "widgets/MillimetreField.h"
#include "widgets/NumberField.h"
#include "widgets/PictureButton.h"
#include "sheet/ProductCatalogue.h"
#include "sheet/TemplateDraft.h"
#include "sheet/ui/LabelGridDialog.h"
#include "sheet/ui/ProductChooserDialog.h"
#include "sheet/ui/ProductSaveDialog.h"
#include "sheet/ui/SheetSketch.h"
#include "sheet/ui/TemplateDesignerWindow.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

using Geometry = SheetTemplate::Geometry;

struct QuietHub : WindowHub {
    bool openDesigner() override { return true; }
    void closeDesignerForEditor() override {}
    bool openEditor() override { return false; }
    void enableEditor() override {}
    void showMainMenu() override {}
    void openFormatSettings() override {}
    bool closeWindowsForExit() override { return true; }
    void quit() override {}
};

class LabelSheetTest : public ::testing::Test {
protected:
    LabelSheetTest() : state(folder.path())
    {
        state.prompts = &prompts;
        state.windows = &hub;
    }
    ~LabelSheetTest() override
    {
        if (designer) {
            designer->closeForEditor();
            delete designer;
        }
    }

    TemplateDesignerWindow &open(qint16 openMode)
    {
        state.OpenMode = openMode;
        designer = new TemplateDesignerWindow(state);
        EXPECT_TRUE(designer->start());
        designer->show();
        return *designer;
    }

    // Presses a designer button and works the dialog it opens with `act`,
    // which ends by pressing one of the dialog's buttons. Whatever `act`
    // leaves open is cancelled, so a failing check cannot hang the test.
    template <typename Dialog>
    void pressAndWork(const QString &button, const std::function<void(Dialog &)> &act)
    {
        bool worked = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            if (!dialog || worked)
                return;
            worked = true;
            poll.stop();
            act(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        poll.start();
        press(designer, button);
        EXPECT_TRUE(worked) << button.toStdString();
    }

    static void press(QWidget *window, const QString &button)
    {
        auto *picture = window->findChild<PictureButton *>(button);
        ASSERT_NE(picture, nullptr) << button.toStdString();
        QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(10, 10));
    }
    template <typename T>
    static T *control(QWidget *window, const QString &name)
    {
        T *found = window->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static void typeInto(QWidget *field, const QString &text)
    {
        field->setFocus();
        if (auto *line = qobject_cast<QLineEdit *>(field))
            line->selectAll();
        else if (auto *box = qobject_cast<QAbstractSpinBox *>(field))
            box->selectAll();
        typeMore(field, text);
    }
    // QTest types only ASCII; other characters come as the text of a key
    // press, as an input method gives them.
    static void typeMore(QWidget *field, const QString &text)
    {
        for (const QChar ch : text) {
            if (ch.unicode() < 128) {
                QTest::keyClick(field, char(ch.unicode()));
            } else {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
                QCoreApplication::sendEvent(field, &press);
            }
        }
    }
    static QString statusOf(QWidget *dialog)
    {
        return control<QLabel>(dialog, QStringLiteral("statusLine"))->property("wholeText").toString();
    }
    static bool acceptEnabled(QWidget *dialog)
    {
        return control<PictureButton>(dialog, QStringLiteral("acceptButton"))->isEnabled();
    }
    // Types `query` into the product dialog's search field.
    static void search(ProductChooserDialog &dialog, const QString &query)
    {
        typeInto(control<QLineEdit>(&dialog, QStringLiteral("searchField")), query);
    }
    static int rowsShown(ProductChooserDialog &dialog)
    {
        return control<QTableView>(&dialog, QStringLiteral("productTable"))->model()->rowCount();
    }

    QString userFolder() const { return ProductCatalogue::userProductFolder(state.dataFolder); }

    TempFolder folder;
    ScriptedPrompts prompts;
    QuietHub hub;
    AppState state;
    TemplateDesignerWindow *designer = nullptr;
};

SheetTemplate fiveLabelSheet()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 5;
    for (int label = 1; label <= 5; ++label)
        sheet.LabelGeometry[std::size_t(label)] = {qint16(label * 10), qint16(label), 30, 20, 0, 0};
    return sheet;
}

} // namespace

// --- 製品から選ぶ ------------------------------------------------------------------

TEST_F(LabelSheetTest, TypingL7160ChoosesAveryL7160AndOKFillsTheDesignerWithTwentyLabels)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    pressAndWork<ProductChooserDialog>(QStringLiteral("chooseProductButton"), [&](ProductChooserDialog &dialog) {
        const int all = rowsShown(dialog);
        EXPECT_GT(all, 1000); // the whole installed catalogue before typing
        search(dialog, QStringLiteral("L7160"));
        EXPECT_LT(rowsShown(dialog), 10);
        ASSERT_NE(dialog.chosenProduct(), nullptr);
        EXPECT_EQ(dialog.chosenProduct()->displayName(), QStringLiteral("Avery L7160"));
        EXPECT_EQ(control<QLabel>(&dialog, QStringLiteral("matchCount"))->text(),
                  QStringLiteral("%1 件").arg(rowsShown(dialog)));
        // The picture shows all 21 labels, the 21st greyed as left out.
        const auto *sketch = control<SheetSketch>(&dialog, QStringLiteral("sheetSketch"));
        EXPECT_EQ(sketch->paper(), QSizeF(210, 297));
        ASSERT_EQ(sketch->labels().size(), 21u);
        EXPECT_TRUE(sketch->labels()[19].used);
        EXPECT_FALSE(sketch->labels()[20].used);
        EXPECT_NEAR(sketch->labels()[0].millimetres.width(), 64.0, 0.1); // 181.4 pt
        EXPECT_TRUE(control<QLabel>(&dialog, QStringLiteral("productSummary"))->text().contains(QStringLiteral("21 面")));
        EXPECT_EQ(control<QLabel>(&dialog, QStringLiteral("productNote"))->text(),
                  QStringLiteral("この製品は 21 面です。最初の 20 面を使います。"));
        EXPECT_TRUE(acceptEnabled(&dialog));
        press(&dialog, QStringLiteral("acceptButton"));
    });

    EXPECT_EQ(window.draft().name(), QStringLiteral("Avery L7160"));
    EXPECT_EQ(control<QLineEdit>(&window, QStringLiteral("formName"))->text(), QStringLiteral("Avery L7160"));
    EXPECT_EQ(control<NumberField>(&window, QStringLiteral("sheetWidth"))->value(), 210);
    EXPECT_EQ(control<NumberField>(&window, QStringLiteral("sheetHeight"))->value(), 297);
    EXPECT_EQ(window.labelCount(), 20);
    EXPECT_EQ(window.workingGeometry(1), (Geometry{15, 7, 64, 39, 0, 0}));
    EXPECT_EQ(window.workingGeometry(20), (Geometry{244, 74, 64, 38, 0, 0}));
    ASSERT_NE(window.labelRectangle(20), nullptr);
    EXPECT_EQ(window.labelRectangle(21), nullptr);
    EXPECT_EQ(window.currentLabel(), 1);
    EXPECT_EQ(control<NumberField>(&window, QStringLiteral("geometryField2"))->value(), 64);
    EXPECT_TRUE(window.isModified());
    // The label left out is told about, and answered with OK.
    ASSERT_EQ(prompts.messages(), QStringList{QStringLiteral("この製品は 21 面です。最初の 20 面を使います。")});
    EXPECT_EQ(prompts.last().icon, PromptIcon::Information);

    // Filled as if typed: closing asks about the changes.
    prompts.answerNo();
    window.close();
    EXPECT_EQ(prompts.last().kind, AskedPrompt::Ask);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(LabelSheetTest, SearchingNarrowsAsTypedAndCancelChangesNothing)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    pressAndWork<ProductChooserDialog>(QStringLiteral("chooseProductButton"), [&](ProductChooserDialog &dialog) {
        search(dialog, QStringLiteral("12面"));
        const int twelve = rowsShown(dialog);
        ASSERT_GT(twelve, 0);
        auto *table = control<QTableView>(&dialog, QStringLiteral("productTable"));
        for (int row = 0; row < twelve; ++row)
            EXPECT_EQ(table->model()->index(row, ProductTableModel::CountColumn).data().toInt(), 12);
        typeMore(control<QLineEdit>(&dialog, QStringLiteral("searchField")), QStringLiteral(" A4"));
        const int a4 = rowsShown(dialog);
        EXPECT_GT(a4, 0);
        EXPECT_LT(a4, twelve);
        for (int row = 0; row < a4; ++row)
            EXPECT_EQ(table->model()->index(row, ProductTableModel::PaperColumn).data().toString(),
                      QStringLiteral("A4"));

        // Down in the search field moves through the list.
        const LabelProduct *first = dialog.chosenProduct();
        QTest::keyClick(control<QLineEdit>(&dialog, QStringLiteral("searchField")), Qt::Key_Down);
        EXPECT_NE(dialog.chosenProduct(), first);
        EXPECT_EQ(dialog.chosenProduct(), static_cast<ProductTableModel *>(table->model())->product(1));

        // Nothing matches: nothing to accept.
        search(dialog, QStringLiteral("no-such-product-xyz"));
        EXPECT_EQ(rowsShown(dialog), 0);
        EXPECT_EQ(dialog.chosenProduct(), nullptr);
        EXPECT_FALSE(acceptEnabled(&dialog));
        EXPECT_EQ(control<QLabel>(&dialog, QStringLiteral("productNote"))->text(),
                  QStringLiteral("一致する製品はありません。"));
        EXPECT_TRUE(control<SheetSketch>(&dialog, QStringLiteral("sheetSketch"))->labels().empty());
        dialog.accept(); // refused
        EXPECT_TRUE(dialog.isVisible());

        search(dialog, QStringLiteral("ELM006"));
        ASSERT_NE(dialog.chosenProduct(), nullptr);
        press(&dialog, QStringLiteral("cancelButton"));
    });
    EXPECT_EQ(window.draft().toTemplate(), SheetTemplate::newTemplate());
    EXPECT_EQ(window.draft().name(), QStringLiteral("NewForm"));
    EXPECT_FALSE(window.isModified());
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(LabelSheetTest, TheCatalogueIsReadOnceAndItsProblemsOrAbsenceAreShown)
{
    // A damaged file of the user's is named in the status line; the rest
    // is listed.
    QDir().mkpath(userFolder());
    writeBytes(QDir(userFolder()).filePath(QStringLiteral("broken.xml")), "<Glabels-templates><Template brand=");
    open(OpenNewTemplate);
    EXPECT_EQ(state.productCatalogue, nullptr); // not before the dialog opens
    pressAndWork<ProductChooserDialog>(QStringLiteral("chooseProductButton"), [&](ProductChooserDialog &dialog) {
        EXPECT_TRUE(statusOf(&dialog).startsWith(QStringLiteral("読み込めなかったカタログファイルがあります: ")));
        EXPECT_TRUE(statusOf(&dialog).contains(QStringLiteral("broken.xml")));
        EXPECT_GT(rowsShown(dialog), 1000);
    });
    const std::shared_ptr<const ProductCatalogue> read = state.productCatalogue;
    ASSERT_NE(read, nullptr);
    pressAndWork<ProductChooserDialog>(QStringLiteral("chooseProductButton"), [](ProductChooserDialog &) {});
    EXPECT_EQ(state.productCatalogue, read); // kept for the next opening

    // Without glabels-data: an empty list and a hint, not an error.
    forgetProductCatalogue(state);
    QFile::remove(QDir(userFolder()).filePath(QStringLiteral("broken.xml")));
    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", folder.path().toLocal8Bit());
    pressAndWork<ProductChooserDialog>(QStringLiteral("chooseProductButton"), [&](ProductChooserDialog &dialog) {
        EXPECT_EQ(rowsShown(dialog), 0);
        EXPECT_TRUE(statusOf(&dialog).startsWith(QStringLiteral("製品カタログ（glabels-data）がインストールされていません。")));
        EXPECT_FALSE(acceptEnabled(&dialog));
    });
    if (dataDirs.isNull())
        qunsetenv("XDG_DATA_DIRS");
    else
        qputenv("XDG_DATA_DIRS", dataDirs);
    EXPECT_TRUE(prompts.asked().empty());
}

// --- 格子で配置 -------------------------------------------------------------------------

TEST_F(LabelSheetTest, AGridOf3By6ReplacesTheLabelsAndThePitchFollowsTheSizeUntilChanged)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    pressAndWork<LabelGridDialog>(QStringLiteral("labelGridButton"), [&](LabelGridDialog &dialog) {
        // It starts from the template: one 20 x 20 label on 100 x 100.
        EXPECT_EQ(control<QSpinBox>(&dialog, QStringLiteral("columns"))->value(), 1);
        EXPECT_EQ(control<QSpinBox>(&dialog, QStringLiteral("sheetWidth"))->value(), 100);
        EXPECT_EQ(control<MillimetreField>(&dialog, QStringLiteral("columnPitch"))->value(), 20);

        typeInto(control<QSpinBox>(&dialog, QStringLiteral("sheetWidth")), QStringLiteral("210"));
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("sheetHeight")), QStringLiteral("297"));
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("columns")), QStringLiteral("3"));
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("rows")), QStringLiteral("6"));
        typeInto(control<MillimetreField>(&dialog, QStringLiteral("labelWidth")), QStringLiteral("63.5"));
        typeInto(control<MillimetreField>(&dialog, QStringLiteral("labelHeight")), QStringLiteral("46.6"));
        EXPECT_DOUBLE_EQ(control<MillimetreField>(&dialog, QStringLiteral("columnPitch"))->value(), 63.5);
        EXPECT_DOUBLE_EQ(control<MillimetreField>(&dialog, QStringLiteral("rowPitch"))->value(), 46.6);
        typeInto(control<MillimetreField>(&dialog, QStringLiteral("columnPitch")), QStringLiteral("66"));
        typeInto(control<MillimetreField>(&dialog, QStringLiteral("labelWidth")), QStringLiteral("64"));
        // The pitch typed stays; the other still follows.
        EXPECT_DOUBLE_EQ(control<MillimetreField>(&dialog, QStringLiteral("columnPitch"))->value(), 66);
        typeInto(control<MillimetreField>(&dialog, QStringLiteral("labelHeight")), QStringLiteral("46.5"));
        EXPECT_DOUBLE_EQ(control<MillimetreField>(&dialog, QStringLiteral("rowPitch"))->value(), 46.5);
        typeInto(control<MillimetreField>(&dialog, QStringLiteral("topMargin")), QStringLiteral("8.8"));
        typeInto(control<MillimetreField>(&dialog, QStringLiteral("leftMargin")), QStringLiteral("7.2"));

        EXPECT_EQ(dialog.problem(), QString());
        EXPECT_TRUE(acceptEnabled(&dialog));
        EXPECT_EQ(control<QLabel>(&dialog, QStringLiteral("gridSummary"))->text(),
                  QStringLiteral("3 列 × 6 行 = 18 面"));
        const auto *sketch = control<SheetSketch>(&dialog, QStringLiteral("sheetSketch"));
        ASSERT_EQ(sketch->labels().size(), 18u);
        EXPECT_EQ(sketch->labels()[5].millimetres, QRectF(7.2 + 2 * 66, 8.8 + 46.5, 64, 46.5));
        press(&dialog, QStringLiteral("acceptButton"));
    });

    EXPECT_EQ(window.labelCount(), 18);
    EXPECT_EQ(window.draft().sheetWidth(), 210);
    EXPECT_EQ(window.draft().sheetHeight(), 297);
    EXPECT_EQ(window.workingGeometry(1), (Geometry{9, 7, 64, 46, 0, 0}));   // 8.8 to 55.3, 7.2 to 70.7
    EXPECT_EQ(window.workingGeometry(2), (Geometry{9, 73, 64, 46, 0, 0}));  // 73.2
    EXPECT_EQ(window.workingGeometry(18), (Geometry{241, 139, 64, 47, 0, 0})); // 241.3 to 287.8, 139.2
    EXPECT_EQ(window.draft().name(), QStringLiteral("NewForm"));
    EXPECT_TRUE(window.isModified());
    EXPECT_TRUE(prompts.asked().empty());

    // Opened again, the dialog shows the grid the labels form.
    pressAndWork<LabelGridDialog>(QStringLiteral("labelGridButton"), [&](LabelGridDialog &dialog) {
        EXPECT_EQ(dialog.grid().columns, 3);
        EXPECT_EQ(dialog.grid().rows, 6);
        EXPECT_EQ(dialog.grid().columnPitch, 66);
        EXPECT_DOUBLE_EQ(dialog.grid().rowPitch, 46.4); // as whole millimetres left the labels
        // A pitch other than the size stays when the size changes.
        typeInto(control<MillimetreField>(&dialog, QStringLiteral("labelWidth")), QStringLiteral("60"));
        EXPECT_EQ(dialog.grid().columnPitch, 66);
        typeInto(control<MillimetreField>(&dialog, QStringLiteral("labelHeight")), QStringLiteral("40"));
        EXPECT_DOUBLE_EQ(dialog.grid().rowPitch, 46.4);
    });
    EXPECT_EQ(window.workingGeometry(1), (Geometry{9, 7, 64, 46, 0, 0})); // cancelled
}

TEST_F(LabelSheetTest, AGridOffTheSheetOrOfMoreThanTwentyLabelsIsRefusedLive)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    pressAndWork<LabelGridDialog>(QStringLiteral("labelGridButton"), [&](LabelGridDialog &dialog) {
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("columns")), QStringLiteral("5"));
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("rows")), QStringLiteral("5"));
        EXPECT_EQ(statusOf(&dialog), QStringLiteral("ラベルは 20 面までです（5 列 × 5 行 = 25 面）。"));
        EXPECT_FALSE(acceptEnabled(&dialog));
        // The picture still shows what was typed, past the 20th greyed.
        const auto *sketch = control<SheetSketch>(&dialog, QStringLiteral("sheetSketch"));
        ASSERT_EQ(sketch->labels().size(), 25u);
        EXPECT_FALSE(sketch->labels()[20].used);
        press(&dialog, QStringLiteral("acceptButton"));
        EXPECT_TRUE(dialog.isVisible());

        typeInto(control<QSpinBox>(&dialog, QStringLiteral("rows")), QStringLiteral("4")); // 20 of 20 x 20 mm
        EXPECT_EQ(statusOf(&dialog), QString());
        EXPECT_TRUE(acceptEnabled(&dialog));
        typeInto(control<MillimetreField>(&dialog, QStringLiteral("labelHeight")), QStringLiteral("26"));
        EXPECT_TRUE(statusOf(&dialog).startsWith(QStringLiteral("下端のラベルが用紙からはみ出します")));
        EXPECT_FALSE(acceptEnabled(&dialog));
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        press(&dialog, QStringLiteral("cancelButton"));
    });
    EXPECT_EQ(window.draft().toTemplate(), SheetTemplate::newTemplate());
    EXPECT_FALSE(window.isModified());
}

// --- Over the editor ------------------------------------------------------------------------

TEST_F(LabelSheetTest, OverTheEditorALayoutNeedsAsManyLabelsAsTheDocumentHas)
{
    state.document = LabelDocument::fromTemplate(fiveLabelSheet());
    state.DesignerFromEditor = true;
    TemplateDesignerWindow &window = open(OpenFromTemplate);
    const QString tooFew = TemplateDraft::tooFewLabelsMessage(5);
    pressAndWork<ProductChooserDialog>(QStringLiteral("chooseProductButton"), [&](ProductChooserDialog &dialog) {
        search(dialog, QStringLiteral("DataBecker 0562")); // three CDs
        ASSERT_NE(dialog.chosenProduct(), nullptr);
        EXPECT_EQ(dialog.chosenProduct()->labelCount(), 3);
        EXPECT_FALSE(acceptEnabled(&dialog));
        EXPECT_EQ(control<QLabel>(&dialog, QStringLiteral("productNote"))->text(), tooFew);
        EXPECT_TRUE(control<SheetSketch>(&dialog, QStringLiteral("sheetSketch"))->labels()[0].round);
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        search(dialog, QStringLiteral("ELM006"));
        // Clicking the product itself (others name it as their equal).
        const LabelProduct *hisago =
            productCatalogue(state)->find(QStringLiteral("Hisago"), QStringLiteral("ELM006"));
        ASSERT_TRUE(dialog.choose(hisago));
        EXPECT_EQ(hisago->labelCount(), 10);
        EXPECT_TRUE(acceptEnabled(&dialog));
        press(&dialog, QStringLiteral("acceptButton"));
    });
    EXPECT_EQ(window.labelCount(), 10);
    EXPECT_EQ(window.draft().name(), QStringLiteral("Hisago ELM006"));

    pressAndWork<LabelGridDialog>(QStringLiteral("labelGridButton"), [&](LabelGridDialog &dialog) {
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("columns")), QStringLiteral("2"));
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("rows")), QStringLiteral("2"));
        EXPECT_EQ(statusOf(&dialog), tooFew);
        EXPECT_FALSE(acceptEnabled(&dialog));
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("rows")), QStringLiteral("3"));
        EXPECT_EQ(statusOf(&dialog), QString());
        press(&dialog, QStringLiteral("acceptButton"));
    });
    EXPECT_EQ(window.labelCount(), 6);

    // A product with fewer labels given straight to the designer is refused too.
    const LabelProduct *cds = productCatalogue(state)->find(QStringLiteral("DataBecker"), QStringLiteral("0562"));
    ASSERT_NE(cds, nullptr);
    EXPECT_FALSE(window.useProduct(*cds));
    EXPECT_EQ(prompts.messages(), QStringList{tooFew});
    EXPECT_EQ(window.labelCount(), 6);
}

// --- 製品として保存 ------------------------------------------------------------------------------

TEST_F(LabelSheetTest, ATemplateSavedAsAProductIsChosenInTheListNextTime)
{
    TemplateDesignerWindow &window = open(OpenNewTemplate);
    pressAndWork<LabelGridDialog>(QStringLiteral("labelGridButton"), [&](LabelGridDialog &dialog) {
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("sheetWidth")), QStringLiteral("210"));
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("sheetHeight")), QStringLiteral("297"));
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("columns")), QStringLiteral("3"));
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("rows")), QStringLiteral("6"));
        typeInto(control<MillimetreField>(&dialog, QStringLiteral("labelWidth")), QStringLiteral("70"));
        typeInto(control<MillimetreField>(&dialog, QStringLiteral("labelHeight")), QStringLiteral("42"));
        typeInto(control<MillimetreField>(&dialog, QStringLiteral("topMargin")), QStringLiteral("22"));
        press(&dialog, QStringLiteral("acceptButton"));
    });
    const SheetTemplate laid = window.draft().toTemplate();
    ASSERT_EQ(laid.LabelCount, 18);
    std::ignore = productCatalogue(state); // read before the save: it must be read again after

    pressAndWork<ProductSaveDialog>(QStringLiteral("saveProductButton"), [&](ProductSaveDialog &dialog) {
        EXPECT_EQ(control<QLineEdit>(&dialog, QStringLiteral("codeField"))->text(), QStringLiteral("NewForm"));
        EXPECT_FALSE(acceptEnabled(&dialog)); // no maker yet
        typeInto(control<QLineEdit>(&dialog, QStringLiteral("makerField")), QStringLiteral("自作"));
        typeInto(control<QLineEdit>(&dialog, QStringLiteral("codeField")), QStringLiteral("QR-3x6"));
        typeInto(control<QLineEdit>(&dialog, QStringLiteral("descriptionField")), QStringLiteral("宛名 18面"));
        EXPECT_TRUE(acceptEnabled(&dialog));
        press(&dialog, QStringLiteral("acceptButton"));
    });
    EXPECT_TRUE(QFileInfo::exists(QDir(userFolder()).filePath(QStringLiteral("自作-QR-3x6.xml"))));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.last().icon, PromptIcon::Information);
    EXPECT_TRUE(prompts.messages().front().contains(QStringLiteral("自作 QR-3x6")));
    EXPECT_EQ(state.productCatalogue, nullptr); // read again next time

    // A new template, then the saved product chosen from the list.
    pressAndWork<LabelGridDialog>(QStringLiteral("labelGridButton"), [&](LabelGridDialog &dialog) {
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("rows")), QStringLiteral("1"));
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("columns")), QStringLiteral("1"));
        press(&dialog, QStringLiteral("acceptButton"));
    });
    ASSERT_EQ(window.labelCount(), 1);
    pressAndWork<ProductChooserDialog>(QStringLiteral("chooseProductButton"), [&](ProductChooserDialog &dialog) {
        search(dialog, QStringLiteral("qr-3x6"));
        ASSERT_EQ(rowsShown(dialog), 1);
        ASSERT_NE(dialog.chosenProduct(), nullptr);
        EXPECT_TRUE(dialog.chosenProduct()->fromUser);
        EXPECT_EQ(dialog.chosenProduct()->description, QStringLiteral("宛名 18面"));
        search(dialog, QStringLiteral("18面 自作"));
        EXPECT_EQ(rowsShown(dialog), 1);
        // Enter in the search field takes the product chosen.
        QTest::keyClick(control<QLineEdit>(&dialog, QStringLiteral("searchField")), Qt::Key_Return);
    });
    EXPECT_EQ(window.draft().name(), QStringLiteral("自作 QR-3x6"));
    EXPECT_EQ(window.draft().toTemplate(), laid);

    // Saving under the same name again asks first; No keeps the file.
    const QString path = QDir(userFolder()).filePath(QStringLiteral("自作-QR-3x6.xml"));
    const QByteArray before = readBytes(path);
    pressAndWork<LabelGridDialog>(QStringLiteral("labelGridButton"), [&](LabelGridDialog &dialog) {
        typeInto(control<QSpinBox>(&dialog, QStringLiteral("rows")), QStringLiteral("2"));
        press(&dialog, QStringLiteral("acceptButton"));
    });
    prompts.clear();
    prompts.answerNo();
    pressAndWork<ProductSaveDialog>(QStringLiteral("saveProductButton"), [&](ProductSaveDialog &dialog) {
        typeInto(control<QLineEdit>(&dialog, QStringLiteral("makerField")), QStringLiteral("自作"));
        typeInto(control<QLineEdit>(&dialog, QStringLiteral("codeField")), QStringLiteral("QR-3x6"));
        press(&dialog, QStringLiteral("acceptButton"));
    });
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.last().kind, AskedPrompt::Ask);
    EXPECT_EQ(prompts.last().preselect, Preselect::No);
    EXPECT_EQ(readBytes(path), before);
}

TEST_F(LabelSheetTest, AProductThatCannotBeWrittenIsReported)
{
    open(OpenNewTemplate);
    // A file where the product folder should be.
    writeBytes(userFolder(), "not a folder");
    pressAndWork<ProductSaveDialog>(QStringLiteral("saveProductButton"), [&](ProductSaveDialog &dialog) {
        typeInto(control<QLineEdit>(&dialog, QStringLiteral("makerField")), QStringLiteral("Mine"));
        press(&dialog, QStringLiteral("acceptButton"));
    });
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages().front().startsWith(SaveFailedMessage()));
    EXPECT_EQ(prompts.last().icon, PromptIcon::Critical);
}
