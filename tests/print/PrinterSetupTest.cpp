// The printer-setup rules on made-up printers, on the system's list as it
// is (often empty), and on a real queue when there is one: the queue named
// by PORKANE_TEST_PRINT_QUEUE, else the system's first (tests/print/
// start-cups-pdf.sh sets one up). Nothing is printed.
#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include "print/CurrentPrinter.h"
#include "print/PrinterSetup.h"

using namespace porkane;

namespace {

// A colour printer with two-sided printing and the sizes of a Japanese
// office; A4 by default.
PrinterDescription colourPrinter(const QString &name, bool isDefault = false)
{
    PrinterDescription printer;
    printer.name = name;
    printer.description = name + QStringLiteral(" の説明");
    printer.isDefault = isDefault;
    printer.state = QPrinter::Idle;
    printer.pageSizes = {QPageSize(QPageSize::A5), QPageSize(QPageSize::A4), QPageSize(QPageSize::Postcard),
                         QPageSize(QPageSize::JisB5), QPageSize(QPageSize::Letter)};
    printer.defaultPageSize = QPageSize(QPageSize::A4);
    printer.colourModes = {QPrinter::GrayScale, QPrinter::Color};
    printer.defaultColourMode = QPrinter::Color;
    printer.duplexModes = {QPrinter::DuplexNone, QPrinter::DuplexLongSide, QPrinter::DuplexShortSide,
                           QPrinter::DuplexAuto};
    return printer;
}

// A monochrome printer on one side only, with Letter by default and no A5.
PrinterDescription plainPrinter(const QString &name)
{
    PrinterDescription printer;
    printer.name = name;
    printer.pageSizes = {QPageSize(QPageSize::Letter), QPageSize(QPageSize::A4)};
    printer.defaultPageSize = QPageSize(QPageSize::Letter);
    printer.colourModes = {QPrinter::GrayScale};
    printer.defaultColourMode = QPrinter::GrayScale;
    printer.duplexModes = {QPrinter::DuplexNone};
    return printer;
}

PrinterChoices choicesOn(const QString &printer, QPageSize::PageSizeId size = QPageSize::A4,
                         QPageLayout::Orientation orientation = QPageLayout::Portrait,
                         QPrinter::ColorMode colour = QPrinter::Color,
                         QPrinter::DuplexMode duplex = QPrinter::DuplexNone)
{
    PrinterChoices choices;
    choices.printerName = printer;
    choices.pageSize = QPageSize(size);
    choices.orientation = orientation;
    choices.colourMode = colour;
    choices.duplex = duplex;
    return choices;
}

// The program's printer when the system has none: a PDF file printer.
void makePdfPrinter(QPrinter &printer, const QString &file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::B5));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setOutputFileName(file);
}

QString testQueue()
{
    const QString named = qEnvironmentVariable("PORKANE_TEST_PRINT_QUEUE");
    const QStringList queues = QPrinterInfo::availablePrinterNames();
    if (!named.isEmpty())
        return queues.contains(named) ? named : QString();
    return queues.isEmpty() ? QString() : queues.constFirst();
}

} // namespace

// ---- which printer ----

TEST(PrinterSetup, StartsOnTheCurrentPrinterElseTheDefaultElseTheFirst)
{
    const QList<PrinterDescription> printers{colourPrinter(QStringLiteral("事務所")),
                                             colourPrinter(QStringLiteral("既定"), true),
                                             plainPrinter(QStringLiteral("倉庫"))};
    EXPECT_EQ(PrinterSetup(printers, choicesOn(QStringLiteral("倉庫"))).chosenIndex(), 2);
    // A PDF file printer, or a queue that has gone: the system's default.
    EXPECT_EQ(PrinterSetup(printers, choicesOn(QString())).chosenIndex(), 1);
    EXPECT_EQ(PrinterSetup(printers, choicesOn(QStringLiteral("撤去済み"))).chosenIndex(), 1);

    const QList<PrinterDescription> noDefault{plainPrinter(QStringLiteral("一")), plainPrinter(QStringLiteral("二"))};
    const PrinterSetup first(noDefault, choicesOn(QString()));
    EXPECT_EQ(first.chosenIndex(), 0);
    EXPECT_EQ(first.choices().printerName, QStringLiteral("一"));
}

TEST(PrinterSetup, WithoutPrintersChoosesNothingAndLeavesThePdfPrinterAsItWas)
{
    QPrinter printer(QPrinter::HighResolution);
    makePdfPrinter(printer, QStringLiteral("/tmp/porkane-setup-test.pdf"));
    PrinterSetup setup({}, readPrinterChoices(printer));
    EXPECT_FALSE(setup.hasPrinters());
    EXPECT_EQ(setup.chosenIndex(), -1);
    EXPECT_EQ(setup.chosenPrinter(), nullptr);
    EXPECT_TRUE(setup.pageSizes().isEmpty());
    EXPECT_TRUE(setup.colourModes().isEmpty());
    EXPECT_FALSE(setup.setPageSize(QPageSize(QPageSize::A4)));
    setup.choosePrinter(0);
    EXPECT_EQ(setup.chosenIndex(), -1);

    EXPECT_FALSE(setup.applyTo(printer));
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), QStringLiteral("/tmp/porkane-setup-test.pdf"));
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::B5);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
}

TEST(PrinterSetup, AQueueThatIsNotThereChangesNothing)
{
    QPrinter printer(QPrinter::HighResolution);
    makePdfPrinter(printer, QStringLiteral("/tmp/porkane-setup-test.pdf"));
    const PrinterSetup setup({colourPrinter(QStringLiteral("porkane-no-such-queue"))}, readPrinterChoices(printer));
    ASSERT_TRUE(setup.hasPrinters());
    EXPECT_FALSE(setup.applyTo(printer));
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), QStringLiteral("/tmp/porkane-setup-test.pdf"));
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::B5);
}

// ---- which settings ----

TEST(PrinterSetup, StartsFromTheCurrentSettingsWhereThePrinterOffersThem)
{
    const QList<PrinterDescription> printers{colourPrinter(QStringLiteral("カラー機")),
                                             plainPrinter(QStringLiteral("白黒機"))};
    const PrinterSetup same(printers,
                            choicesOn(QStringLiteral("カラー機"), QPageSize::A5, QPageLayout::Landscape,
                                      QPrinter::GrayScale, QPrinter::DuplexShortSide));
    EXPECT_EQ(same.choices().printerName, QStringLiteral("カラー機"));
    EXPECT_EQ(same.choices().pageSize.id(), QPageSize::A5);
    EXPECT_EQ(same.choices().orientation, QPageLayout::Landscape);
    EXPECT_EQ(same.choices().colourMode, QPrinter::GrayScale);
    EXPECT_EQ(same.choices().duplex, QPrinter::DuplexShortSide);

    // The monochrome printer has no A5, no colour, no second side: its
    // own defaults stand in; the orientation stays.
    const PrinterSetup other(printers,
                             choicesOn(QStringLiteral("白黒機"), QPageSize::A5, QPageLayout::Landscape, QPrinter::Color,
                                       QPrinter::DuplexLongSide));
    EXPECT_EQ(other.choices().pageSize.id(), QPageSize::Letter);
    EXPECT_EQ(other.choices().orientation, QPageLayout::Landscape);
    EXPECT_EQ(other.choices().colourMode, QPrinter::GrayScale);
    EXPECT_EQ(other.choices().duplex, QPrinter::DuplexNone);
}

TEST(PrinterSetup, ChoosingAnotherPrinterKeepsWhatItOffersAndTakesItsDefaultsForTheRest)
{
    PrinterSetup setup({colourPrinter(QStringLiteral("カラー機")), plainPrinter(QStringLiteral("白黒機"))},
                       choicesOn(QStringLiteral("カラー機")));
    ASSERT_TRUE(setup.setPageSize(QPageSize(QPageSize::A4)));
    setup.setOrientation(QPageLayout::Landscape);
    ASSERT_TRUE(setup.setDuplex(QPrinter::DuplexLongSide));

    setup.choosePrinter(1);
    EXPECT_EQ(setup.chosenPrinter()->name, QStringLiteral("白黒機"));
    EXPECT_EQ(setup.choices().printerName, QStringLiteral("白黒機"));
    EXPECT_EQ(setup.choices().pageSize.id(), QPageSize::A4);
    EXPECT_EQ(setup.choices().orientation, QPageLayout::Landscape);
    EXPECT_EQ(setup.choices().colourMode, QPrinter::GrayScale);
    EXPECT_EQ(setup.choices().duplex, QPrinter::DuplexNone);

    setup.choosePrinter(7);
    EXPECT_EQ(setup.chosenIndex(), 1);
}

TEST(PrinterSetup, RefusesWhatTheChosenPrinterDoesNotOffer)
{
    PrinterSetup setup({plainPrinter(QStringLiteral("白黒機"))}, choicesOn(QString()));
    const PrinterChoices before = setup.choices();
    EXPECT_FALSE(setup.setPageSize(QPageSize(QPageSize::A3)));
    EXPECT_FALSE(setup.setColourMode(QPrinter::Color));
    EXPECT_FALSE(setup.setDuplex(QPrinter::DuplexLongSide));
    // CUPS lets a program choose no paper source.
    EXPECT_TRUE(setup.paperSources().isEmpty());
    EXPECT_FALSE(setup.setPaperSource(QPrinter::Manual));
    EXPECT_EQ(setup.choices().pageSize, before.pageSize);
    EXPECT_EQ(setup.choices().colourMode, before.colourMode);
    EXPECT_EQ(setup.choices().duplex, before.duplex);
    EXPECT_EQ(setup.choices().paperSource, before.paperSource);

    EXPECT_TRUE(setup.setPageSize(QPageSize(QPageSize::A4)));
    EXPECT_EQ(setup.choices().pageSize.id(), QPageSize::A4);
}

TEST(PrinterSetup, OffersPaperSourcesWhereThePlatformListsThem)
{
    PrinterDescription printer = colourPrinter(QStringLiteral("トレイ付き"));
    printer.paperSources = {QPrinter::Auto, QPrinter::Manual, QPrinter::Lower, QPrinter::Manual};
    PrinterSetup setup({printer}, choicesOn(QString()));
    EXPECT_EQ(setup.paperSources(), (QList<QPrinter::PaperSource>{QPrinter::Auto, QPrinter::Manual, QPrinter::Lower}));
    EXPECT_EQ(setup.choices().paperSource, QPrinter::Auto);
    EXPECT_TRUE(setup.setPaperSource(QPrinter::Manual));
    EXPECT_EQ(setup.choices().paperSource, QPrinter::Manual);
}

TEST(PrinterSetup, ListsEachPaperOnceWithTheTablesSizesFirst)
{
    PrinterDescription printer = colourPrinter(QStringLiteral("事務所"));
    printer.pageSizes = {QPageSize(QSizeF(50, 30), QPageSize::Millimeter, QStringLiteral("宛名ラベル")),
                         QPageSize(QPageSize::Postcard),
                         QPageSize(QPageSize::A4),
                         QPageSize(QSizeF(215.9, 279.4), QPageSize::Millimeter, QStringLiteral("ANSI A")),
                         QPageSize(QPageSize::A5),
                         QPageSize(QPageSize::Letter),
                         QPageSize(QPageSize::A4)};
    const PrinterSetup setup({printer}, choicesOn(QString()));
    const QList<QPageSize> sizes = setup.pageSizes();
    ASSERT_EQ(sizes.size(), 5);
    EXPECT_EQ(sizes.at(0).windowsId(), 1); // Letter
    EXPECT_EQ(sizes.at(1).id(), QPageSize::A4);
    EXPECT_EQ(sizes.at(2).id(), QPageSize::A5);
    EXPECT_EQ(sizes.at(3).name(), QStringLiteral("宛名ラベル"));
    EXPECT_EQ(sizes.at(4).id(), QPageSize::Postcard);

    // A printer naming no sizes still has the usual ones.
    printer.pageSizes.clear();
    PrinterSetup bare({printer}, choicesOn(QString()));
    EXPECT_EQ(bare.choices().pageSize.id(), QPageSize::A4);
    EXPECT_TRUE(bare.setPageSize(QPageSize(QPageSize::JisB5)));
    EXPECT_TRUE(bare.setPageSize(QPageSize(QPageSize::Postcard)));
}

TEST(PrinterSetup, OrdersColourAndDuplexAndAlwaysOffersOneSide)
{
    PrinterDescription printer = colourPrinter(QStringLiteral("両面機"));
    printer.duplexModes = {QPrinter::DuplexAuto, QPrinter::DuplexShortSide, QPrinter::DuplexLongSide};
    const PrinterSetup setup({printer}, choicesOn(QString()));
    EXPECT_EQ(setup.colourModes(), (QList<QPrinter::ColorMode>{QPrinter::Color, QPrinter::GrayScale}));
    EXPECT_EQ(setup.duplexModes(),
              (QList<QPrinter::DuplexMode>{QPrinter::DuplexNone, QPrinter::DuplexLongSide, QPrinter::DuplexShortSide,
                                           QPrinter::DuplexAuto}));
}

// ---- words ----

TEST(PrinterSetupWords, NameStatesModesAndSizesInJapanese)
{
    EXPECT_EQ(printerStateName(QPrinter::Idle), QStringLiteral("待機中"));
    EXPECT_EQ(printerStateName(QPrinter::Active), QStringLiteral("印刷中"));
    EXPECT_EQ(printerStateName(QPrinter::Error), QStringLiteral("エラー"));
    EXPECT_EQ(printerStateName(QPrinter::Aborted), QStringLiteral("エラー"));
    EXPECT_EQ(printerStateName(std::nullopt), QStringLiteral("不明"));

    EXPECT_EQ(printerListName(colourPrinter(QStringLiteral("事務所"), true)),
              QStringLiteral("事務所（通常使うプリンタ）"));
    EXPECT_EQ(printerListName(colourPrinter(QStringLiteral("事務所"))), QStringLiteral("事務所"));

    EXPECT_EQ(orientationName(QPageLayout::Portrait), QStringLiteral("縦"));
    EXPECT_EQ(orientationName(QPageLayout::Landscape), QStringLiteral("横"));
    EXPECT_EQ(colourModeName(QPrinter::Color), QStringLiteral("カラー"));
    EXPECT_EQ(colourModeName(QPrinter::GrayScale), QStringLiteral("モノクロ"));
    EXPECT_EQ(duplexName(QPrinter::DuplexNone), QStringLiteral("片面"));
    EXPECT_EQ(duplexName(QPrinter::DuplexLongSide), QStringLiteral("両面（長辺とじ）"));
    EXPECT_EQ(duplexName(QPrinter::DuplexShortSide), QStringLiteral("両面（短辺とじ）"));
    EXPECT_EQ(paperSourceName(QPrinter::Manual), QStringLiteral("手差し"));
    EXPECT_EQ(paperSourceName(QPrinter::Auto), QStringLiteral("自動選択"));
}

TEST(PrinterSetupWords, PaperSizesUseTheTableAndOtherwiseANameWithMillimetres)
{
    // The paper table's texts, as the print panel shows them.
    EXPECT_EQ(pageSizeName(QPageSize(QPageSize::A4)), QStringLiteral("A4 (210 x 297 mm)"));
    EXPECT_EQ(pageSizeName(QPageSize(QPageSize::Letter)), QStringLiteral("ﾚﾀｰ (8 1/2 x 11 ｲﾝﾁ)"));
    EXPECT_EQ(pageSizeName(QPageSize(QPageSize::JisB5)), QStringLiteral("B5 (182 x 257 mm)"));
    // Sizes the table lacks.
    EXPECT_EQ(pageSizeName(QPageSize(QPageSize::Postcard)), QStringLiteral("はがき (100 x 148 mm)"));
    EXPECT_EQ(pageSizeName(QPageSize(QPageSize::EnvelopeChou3)), QStringLiteral("長形3号 (120 x 235 mm)"));
    EXPECT_EQ(pageSizeName(QPageSize(QPageSize::JisB6)), QStringLiteral("JIS B6 (128 x 182 mm)"));
    EXPECT_EQ(pageSizeName(QPageSize(QPageSize::A6)), QStringLiteral("A6 (105 x 148 mm)"));
    // A printer's own size is not "user-defined": it has its own name.
    EXPECT_EQ(pageSizeName(QPageSize(QSizeF(50, 30), QPageSize::Millimeter, QStringLiteral("宛名ラベル"))),
              QStringLiteral("宛名ラベル (50 x 30 mm)"));
}

// ---- the printer ----

TEST(PrinterSetup, ReadsThePrintersSettings)
{
    QPrinter printer(QPrinter::HighResolution);
    makePdfPrinter(printer, QStringLiteral("/tmp/porkane-setup-test.pdf"));
    printer.setColorMode(QPrinter::GrayScale);
    const PrinterChoices choices = readPrinterChoices(printer);
    EXPECT_TRUE(choices.printerName.isEmpty());
    EXPECT_EQ(choices.pageSize.id(), QPageSize::B5);
    EXPECT_EQ(choices.orientation, QPageLayout::Landscape);
    EXPECT_EQ(choices.colourMode, QPrinter::GrayScale);
}

TEST(PrinterSetup, TheSystemsListHasEveryQueue)
{
    const QList<PrinterDescription> printers = systemPrinters();
    QStringList names;
    for (const PrinterDescription &printer : printers)
        names.append(printer.name);
    EXPECT_EQ(names, QPrinterInfo::availablePrinterNames());
    const PrinterSetup setup(printers, choicesOn(QString()));
    EXPECT_EQ(setup.hasPrinters(), !names.isEmpty());
}

TEST(PrinterSetup, PutsTheChoicesOnAQueue)
{
    const QString queue = testQueue();
    if (queue.isEmpty())
        GTEST_SKIP() << "no print queue here: run tests/print/start-cups-pdf.sh as root to set one up";

    // The program's printer as it is when the system had no printer at
    // start: it wrote a PDF file.
    QPrinter printer(QPrinter::HighResolution);
    makePdfPrinter(printer, QStringLiteral("/tmp/porkane-setup-test.pdf"));
    PrinterSetup setup(systemPrinters(), readPrinterChoices(printer));
    const QList<PrinterDescription> &printers = setup.printers();
    const auto found = std::find_if(printers.cbegin(), printers.cend(),
                                    [&](const PrinterDescription &each) { return each.name == queue; });
    ASSERT_NE(found, printers.cend());
    setup.choosePrinter(int(found - printers.cbegin()));
    if (!setup.setPageSize(QPageSize(QPageSize::A5)))
        GTEST_SKIP() << "the queue " << queue.toStdString() << " has no A5";
    setup.setOrientation(QPageLayout::Landscape);
    const bool hasMonochrome = setup.setColourMode(QPrinter::GrayScale);

    ASSERT_TRUE(setup.applyTo(printer));
    EXPECT_EQ(printer.outputFormat(), QPrinter::NativeFormat);
    EXPECT_EQ(printer.printerName(), queue);
    // A file name left set would send the queue's pages to the file.
    EXPECT_TRUE(printer.outputFileName().isEmpty());
    const PrinterProperties properties = readPrinterProperties(printer);
    EXPECT_EQ(properties.deviceName, queue);
    EXPECT_EQ(properties.paperCode, 11);
    EXPECT_EQ(properties.orientation, LandscapeOrientation);
    if (hasMonochrome) {
        EXPECT_EQ(properties.colourMode, MonochromeMode);
    }

    // Opened again, the dialog starts where the user left it.
    const PrinterSetup again(systemPrinters(), readPrinterChoices(printer));
    EXPECT_EQ(again.choices().printerName, queue);
    EXPECT_EQ(again.choices().pageSize.id(), QPageSize::A5);
    EXPECT_EQ(again.choices().orientation, QPageLayout::Landscape);
}
