#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "print/ui/PrinterSetupDialog.h"
#include "widgets/PictureButton.h"

using namespace porkane;

namespace {

PrinterDescription printer(const QString &name, std::optional<QPrinter::PrinterState> state, bool isDefault = false)
{
    PrinterDescription description;
    description.name = name;
    description.description = name + QStringLiteral(" (2 階)");
    description.location = QStringLiteral("2 階");
    description.makeAndModel = QStringLiteral("ラベルプリンタ LP-1");
    description.isDefault = isDefault;
    description.state = state;
    description.pageSizes = {QPageSize(QPageSize::A4), QPageSize(QPageSize::A5), QPageSize(QPageSize::Postcard)};
    description.defaultPageSize = QPageSize(QPageSize::A4);
    description.colourModes = {QPrinter::GrayScale, QPrinter::Color};
    description.duplexModes = {QPrinter::DuplexNone, QPrinter::DuplexLongSide};
    return description;
}

PrinterDescription monochrome(const QString &name)
{
    PrinterDescription description = printer(name, QPrinter::Idle);
    description.colourModes = {QPrinter::GrayScale};
    description.defaultColourMode = QPrinter::GrayScale;
    description.duplexModes = {QPrinter::DuplexNone};
    return description;
}

QList<PrinterDescription> officePrinters()
{
    return {printer(QStringLiteral("事務所"), QPrinter::Idle), printer(QStringLiteral("受付"), QPrinter::Active, true),
            printer(QStringLiteral("倉庫"), QPrinter::Error), printer(QStringLiteral("会議室"), std::nullopt),
            monochrome(QStringLiteral("白黒"))};
}

PrinterChoices pdfPrinterChoices()
{
    PrinterChoices choices;
    choices.pageSize = QPageSize(QPageSize::A4);
    return choices;
}

template <typename Widget>
Widget *child(const QWidget &dialog, const char *name)
{
    auto *found = dialog.findChild<Widget *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QStringList itemsOf(const QComboBox *box)
{
    QStringList items;
    for (int index = 0; index < box->count(); ++index)
        items.append(box->itemText(index));
    return items;
}

void press(PictureButton *button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 15)); }

} // namespace

TEST(PrinterSetupDialog, ListsThePrintersWithTheirStateAndStartsOnTheDefault)
{
    PrinterSetupDialog dialog(PrinterSetup(officePrinters(), pdfPrinterChoices()));
    EXPECT_EQ(dialog.objectName(), QStringLiteral("PrinterSetupDialog"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("プリンタの設定"));
    auto *list = child<QTreeWidget>(dialog, "printerList");
    ASSERT_EQ(list->topLevelItemCount(), 5);
    const QStringList names{QStringLiteral("事務所"), QStringLiteral("受付（通常使うプリンタ）"),
                            QStringLiteral("倉庫"), QStringLiteral("会議室"), QStringLiteral("白黒")};
    const QStringList states{QStringLiteral("待機中"), QStringLiteral("印刷中"), QStringLiteral("エラー"),
                             QStringLiteral("不明"), QStringLiteral("待機中")};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(list->topLevelItem(row)->text(0), names.at(row));
        EXPECT_EQ(list->topLevelItem(row)->text(1), states.at(row));
    }
    EXPECT_EQ(list->currentItem(), list->topLevelItem(1));
    EXPECT_EQ(child<QLabel>(dialog, "printerModel")->text(), QStringLiteral("ラベルプリンタ LP-1"));
    EXPECT_EQ(child<QLabel>(dialog, "printerLocation")->text(), QStringLiteral("2 階"));
    EXPECT_EQ(child<QLabel>(dialog, "printerComment")->text(), QStringLiteral("受付 (2 階)"));
    EXPECT_TRUE(child<QLabel>(dialog, "noPrinterMessage")->isHidden());
}

TEST(PrinterSetupDialog, ShowsWhatTheChosenPrinterOffersAndFollowsAnotherChoice)
{
    PrinterSetupDialog dialog(PrinterSetup(officePrinters(), pdfPrinterChoices()));
    auto *paper = child<QComboBox>(dialog, "paperSize");
    auto *colour = child<QComboBox>(dialog, "colourMode");
    auto *duplex = child<QComboBox>(dialog, "duplex");
    auto *source = child<QComboBox>(dialog, "paperSource");
    EXPECT_EQ(itemsOf(paper),
              (QStringList{QStringLiteral("A4 (210 x 297 mm)"), QStringLiteral("A5 (148 x 210 mm)"),
                           QStringLiteral("はがき (100 x 148 mm)")}));
    EXPECT_EQ(paper->currentText(), QStringLiteral("A4 (210 x 297 mm)"));
    EXPECT_EQ(itemsOf(colour), (QStringList{QStringLiteral("カラー"), QStringLiteral("モノクロ")}));
    EXPECT_EQ(colour->currentText(), QStringLiteral("カラー"));
    EXPECT_EQ(itemsOf(duplex), (QStringList{QStringLiteral("片面"), QStringLiteral("両面（長辺とじ）")}));
    // CUPS lets a program choose no source: the printer's own setting holds.
    EXPECT_FALSE(source->isEnabled());
    EXPECT_EQ(source->currentText(), QStringLiteral("プリンタの設定に従う"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "portrait")->isChecked());

    auto *list = child<QTreeWidget>(dialog, "printerList");
    list->setCurrentItem(list->topLevelItem(4));
    EXPECT_EQ(dialog.setup().choices().printerName, QStringLiteral("白黒"));
    EXPECT_EQ(itemsOf(colour), QStringList{QStringLiteral("モノクロ")});
    EXPECT_FALSE(colour->isEnabled());
    EXPECT_EQ(itemsOf(duplex), QStringList{QStringLiteral("片面")});
    EXPECT_EQ(dialog.setup().choices().colourMode, QPrinter::GrayScale);
    EXPECT_EQ(child<QLabel>(dialog, "printerComment")->text(), QStringLiteral("白黒 (2 階)"));
}

TEST(PrinterSetupDialog, TheUsersChoicesReachTheSetup)
{
    PrinterSetupDialog dialog(PrinterSetup(officePrinters(), pdfPrinterChoices()));
    dialog.show();
    child<QComboBox>(dialog, "paperSize")->setCurrentIndex(2);
    QTest::mouseClick(child<QRadioButton>(dialog, "landscape"), Qt::LeftButton);
    child<QComboBox>(dialog, "colourMode")->setCurrentIndex(1);
    child<QComboBox>(dialog, "duplex")->setCurrentIndex(1);

    const PrinterChoices &choices = dialog.setup().choices();
    EXPECT_EQ(choices.printerName, QStringLiteral("受付"));
    EXPECT_EQ(choices.pageSize.id(), QPageSize::Postcard);
    EXPECT_EQ(choices.orientation, QPageLayout::Landscape);
    EXPECT_EQ(choices.colourMode, QPrinter::GrayScale);
    EXPECT_EQ(choices.duplex, QPrinter::DuplexLongSide);
    // The page picture turns with the choice.
    EXPECT_GT(child<QLabel>(dialog, "orientationPicture")->pixmap().width(),
              child<QLabel>(dialog, "orientationPicture")->pixmap().height());
}

TEST(PrinterSetupDialog, PaperSourcesAreOfferedWhereThePlatformListsThem)
{
    PrinterDescription trays = printer(QStringLiteral("トレイ付き"), QPrinter::Idle);
    trays.paperSources = {QPrinter::Auto, QPrinter::Manual, QPrinter::Lower};
    PrinterSetupDialog dialog(PrinterSetup({trays}, pdfPrinterChoices()));
    auto *source = child<QComboBox>(dialog, "paperSource");
    EXPECT_TRUE(source->isEnabled());
    EXPECT_EQ(itemsOf(source),
              (QStringList{QStringLiteral("自動選択"), QStringLiteral("手差し"), QStringLiteral("下段トレイ")}));
    source->setCurrentIndex(1);
    EXPECT_EQ(dialog.setup().choices().paperSource, QPrinter::Manual);
}

TEST(PrinterSetupDialog, OkAcceptsAndCancelRejects)
{
    {
        PrinterSetupDialog dialog(PrinterSetup(officePrinters(), pdfPrinterChoices()));
        dialog.show();
        auto *ok = child<PictureButton>(dialog, "okButton");
        EXPECT_EQ(ok->caption(), QStringLiteral("OK"));
        press(ok);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    {
        PrinterSetupDialog dialog(PrinterSetup(officePrinters(), pdfPrinterChoices()));
        dialog.show();
        auto *cancel = child<PictureButton>(dialog, "cancelButton");
        EXPECT_EQ(cancel->caption(), QStringLiteral("キャンセル"));
        press(cancel);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        PrinterSetupDialog dialog(PrinterSetup(officePrinters(), pdfPrinterChoices()));
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    {
        PrinterSetupDialog dialog(PrinterSetup(officePrinters(), pdfPrinterChoices()));
        dialog.show();
        QTest::keyClick(child<QTreeWidget>(dialog, "printerList"), Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
}

TEST(PrinterSetupDialog, ItChoosesAPrinterAndDoesNotPoseAsPrinting)
{
    PrinterSetupDialog dialog(PrinterSetup(officePrinters(), pdfPrinterChoices()));
    // The only commands are OK, キャンセル and the title bar's close.
    QStringList captions;
    for (const PictureButton *button : dialog.findChildren<PictureButton *>()) {
        if (!button->caption().isEmpty())
            captions.append(button->caption());
    }
    captions.sort();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("OK"), QStringLiteral("キャンセル")}));
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
        EXPECT_FALSE(button->text().contains(QStringLiteral("印刷"))) << button->text().toStdString();
}

TEST(PrinterSetupDialog, WithoutPrintersItSaysSoAndOkChangesNothing)
{
    PrinterSetupDialog dialog(PrinterSetup({}, pdfPrinterChoices()));
    dialog.show();
    auto *message = child<QLabel>(dialog, "noPrinterMessage");
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(message->text().startsWith(QStringLiteral("プリンタが見つかりません。")));
    EXPECT_FALSE(child<QTreeWidget>(dialog, "printerList")->isVisible());
    for (const char *group : {"paperGroup", "orientationGroup", "printGroup"})
        EXPECT_FALSE(child<QGroupBox>(dialog, group)->isVisible()) << group;
    EXPECT_TRUE(child<PictureButton>(dialog, "cancelButton")->isVisible());
    auto *ok = child<PictureButton>(dialog, "okButton");
    EXPECT_TRUE(ok->isVisible());
    press(ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.setup().chosenPrinter(), nullptr);
}
