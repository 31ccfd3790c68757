#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/QtPrompts.h"
#include "print/ui/PrinterSetupDialog.h"
#include "widgets/PictureButton.h"

using namespace porkane;

namespace {

// Runs `inspect` on the modal dialog the prompt shows, which it must close.
template <typename Dialog, typename Inspect>
void whenShown(Inspect inspect)
{
    QTimer::singleShot(0, [inspect] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no dialog was shown";
            QApplication::activeModalWidget()->close();
            return;
        }
        inspect(dialog);
    });
}

QPushButton *buttonWithText(QMessageBox *box, const QString &text)
{
    for (QAbstractButton *button : box->buttons()) {
        if (button->text() == text)
            return qobject_cast<QPushButton *>(button);
    }
    return nullptr;
}

} // namespace

TEST(QtPrompts, QuestionsAreTitledWithTheProgramAndPreselectNoWhenAsked)
{
    QtPrompts prompts;
    whenShown<QMessageBox>([](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("ぽるかね"));
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->text(), QStringLiteral("データが編集されています。\nこのまま終了しますか？"));
        QPushButton *no = buttonWithText(box, QStringLiteral("いいえ(&N)"));
        ASSERT_NE(no, nullptr);
        EXPECT_EQ(box->defaultButton(), no);
        no->click();
    });
    EXPECT_FALSE(prompts.ask(QStringLiteral("データが編集されています。\rこのまま終了しますか？"), PromptIcon::Question,
                             Preselect::No));

    whenShown<QMessageBox>([](QMessageBox *box) {
        QPushButton *yes = buttonWithText(box, QStringLiteral("はい(&Y)"));
        ASSERT_NE(yes, nullptr);
        EXPECT_EQ(box->defaultButton(), yes);
        yes->click();
    });
    EXPECT_TRUE(prompts.ask(QStringLiteral("?"), PromptIcon::Question, Preselect::Yes));
}

TEST(QtPrompts, MessagesShowTheirIcon)
{
    QtPrompts prompts;
    const std::pair<PromptIcon, QMessageBox::Icon> icons[] = {
        {PromptIcon::Information, QMessageBox::Information},
        {PromptIcon::Exclamation, QMessageBox::Warning},
        {PromptIcon::Critical, QMessageBox::Critical},
    };
    for (const auto &[icon, shown] : icons) {
        whenShown<QMessageBox>([shown = shown](QMessageBox *box) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("ぽるかね"));
            EXPECT_EQ(box->icon(), shown);
            box->buttons().front()->click();
        });
        prompts.tell(QStringLiteral("フォーム名を入力してください。"), icon);
    }
}

TEST(QtPrompts, TheSaveDialogLeavesOverwritingToTheCallerAndAddsTheExtension)
{
    QtPrompts prompts;
    whenShown<QFileDialog>([](QFileDialog *dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("fom"));
        EXPECT_EQ(dialog->nameFilters(), QStringList{TemplateFileFilter});
        dialog->reject();
    });
    EXPECT_EQ(prompts.saveFileName(TemplateFileFilter, QStringLiteral("NewForm")), std::nullopt);

    whenShown<QFileDialog>([](QFileDialog *dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        dialog->reject();
    });
    EXPECT_EQ(prompts.openFileName(LabelFileFilter), std::nullopt);
}

TEST(QtPrompts, ThePrinterDialogIsTheProgramsPrinterSetup)
{
    QtPrompts prompts;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::B5));
    const auto pressWhenShown = [](const char *button) {
        whenShown<PrinterSetupDialog>([button](PrinterSetupDialog *dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("プリンタの設定"));
            auto *pressed = dialog->findChild<PictureButton *>(QLatin1String(button));
            if (!pressed) {
                ADD_FAILURE() << "no " << button;
                dialog->reject();
                return;
            }
            pressed->click();
        });
    };

    pressWhenShown("cancelButton");
    EXPECT_FALSE(prompts.choosePrinter(printer));
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::B5);

    // OK: the printer chosen (the system's default at first), or without
    // any printer the PDF file printer as it was.
    pressWhenShown("okButton");
    EXPECT_TRUE(prompts.choosePrinter(printer));
    const QStringList queues = QPrinterInfo::availablePrinterNames();
    if (queues.isEmpty()) {
        EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
        EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::B5);
    } else {
        EXPECT_EQ(printer.outputFormat(), QPrinter::NativeFormat);
        EXPECT_TRUE(queues.contains(printer.printerName())) << printer.printerName().toStdString();
    }
}

TEST(QtPrompts, TextAndFilterHelpers)
{
    EXPECT_EQ(shownMessageText(QStringLiteral("a\rb\r\nc")), QStringLiteral("a\nb\nc"));
    EXPECT_EQ(filterExtension(LabelFileFilter), QStringLiteral("fhl"));
    EXPECT_EQ(filterExtension(TemplateFileFilter), QStringLiteral("fom"));
    EXPECT_EQ(filterExtension(QStringLiteral("すべて (*)")), QString());
}
