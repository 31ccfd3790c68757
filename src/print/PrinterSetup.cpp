#include "print/PrinterSetup.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QPrinterInfo>

#include "print/PaperSizes.h"

namespace porkane {

namespace {

// lupdate files these texts under the context the translator looks them up in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PrinterSetup)
};

// The code of the user-defined size: every printer-specific size has it,
// so it names none of them.
constexpr int UserDefinedPaperCode = 256;

// The paper table's code of a size, nothing when the table does not name it.
std::optional<int> tableCode(const QPageSize &size)
{
    if (!size.isValid() || size.id() == QPageSize::Custom)
        return std::nullopt;
    const int code = size.windowsId();
    if (code == UserDefinedPaperCode || !paperSizeText(code))
        return std::nullopt;
    return code;
}

// Sizes offered when a printer names none (a queue without a driver
// description): the usual ones here.
QList<QPageSize> commonPageSizes()
{
    QList<QPageSize> sizes;
    for (const QPageSize::PageSizeId id : {QPageSize::A3, QPageSize::A4, QPageSize::A5, QPageSize::JisB4,
                                           QPageSize::JisB5, QPageSize::Letter, QPageSize::Legal, QPageSize::Postcard})
        sizes.append(QPageSize(id));
    return sizes;
}

// The offered entry that is the same paper as `size`; -1 when none is.
qsizetype sameSizeIndex(const QList<QPageSize> &sizes, const QPageSize &size)
{
    if (!size.isValid())
        return -1;
    for (qsizetype index = 0; index < sizes.size(); ++index) {
        if (sizes.at(index).isEquivalentTo(size))
            return index;
    }
    return -1;
}

template <typename Value>
Value offeredOr(const QList<Value> &offered, Value wanted, Value fallback)
{
    if (offered.contains(wanted))
        return wanted;
    if (offered.contains(fallback))
        return fallback;
    return offered.isEmpty() ? fallback : offered.constFirst();
}

QString millimetres(const QPageSize &size)
{
    const QSizeF mm = size.size(QPageSize::Millimeter);
    return QStringLiteral("(%1 x %2 mm)").arg(qRound(mm.width())).arg(qRound(mm.height()));
}

// Names for sizes the paper table lacks, as they are known here.
QString ownName(const QPageSize &size)
{
    const QPageSize::PageSizeId id = size.id();
    if (id >= QPageSize::JisB0 && id <= QPageSize::JisB10)
        return QStringLiteral("JIS B%1").arg(int(id) - int(QPageSize::JisB0));
    if (id >= QPageSize::B0 && id <= QPageSize::B10)
        return QStringLiteral("ISO B%1").arg(int(id) - int(QPageSize::B0));
    switch (id) {
    case QPageSize::Postcard:
        return Texts::tr("はがき");
    case QPageSize::DoublePostcard:
        return Texts::tr("往復はがき");
    case QPageSize::EnvelopeChou3:
        return Texts::tr("長形3号");
    case QPageSize::EnvelopeChou4:
        return Texts::tr("長形4号");
    case QPageSize::EnvelopeKaku2:
        return Texts::tr("角形2号");
    case QPageSize::EnvelopeKaku3:
        return Texts::tr("角形3号");
    case QPageSize::EnvelopeYou4:
        return Texts::tr("洋形4号");
    default:
        break;
    }
    return size.name();
}

} // namespace

PrinterDescription describePrinter(const QPrinterInfo &info)
{
    PrinterDescription printer;
    printer.name = info.printerName();
    printer.description = info.description();
    printer.location = info.location();
    printer.makeAndModel = info.makeAndModel();
    printer.isDefault = info.isDefault();
    if (!info.isNull())
        printer.state = info.state();
    printer.pageSizes = info.supportedPageSizes();
    printer.defaultPageSize = info.defaultPageSize();
    printer.colourModes = info.supportedColorModes();
    printer.defaultColourMode = info.defaultColorMode();
    printer.duplexModes = info.supportedDuplexModes();
    printer.defaultDuplexMode = info.defaultDuplexMode();
#if defined(Q_OS_WIN)
    // Only a printer on the queue tells its sources.
    const QPrinter probe(info);
    printer.paperSources = probe.supportedPaperSources();
#endif
    return printer;
}

QList<PrinterDescription> systemPrinters()
{
    QList<PrinterDescription> printers;
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters())
        printers.append(describePrinter(info));
    return printers;
}

PrinterChoices readPrinterChoices(const QPrinter &printer)
{
    PrinterChoices choices;
    if (printer.outputFormat() == QPrinter::NativeFormat)
        choices.printerName = printer.printerName();
    const QPageLayout layout = printer.pageLayout();
    choices.pageSize = layout.pageSize();
    choices.orientation = layout.orientation();
    choices.colourMode = printer.colorMode();
    choices.duplex = printer.duplex();
    choices.paperSource = printer.paperSource();
    return choices;
}

// --- The dialog's state -------------------------------------------------------------

PrinterSetup::PrinterSetup(QList<PrinterDescription> printers, const PrinterChoices &current)
    : printers_(std::move(printers)), choices_(current)
{
    if (printers_.isEmpty())
        return;
    const auto named = [&](const QString &name) {
        return std::find_if(printers_.cbegin(), printers_.cend(),
                            [&](const PrinterDescription &printer) { return printer.name == name; });
    };
    auto chosen = current.printerName.isEmpty() ? printers_.cend() : named(current.printerName);
    if (chosen == printers_.cend())
        chosen = std::find_if(printers_.cbegin(), printers_.cend(),
                              [](const PrinterDescription &printer) { return printer.isDefault; });
    chosen_ = chosen == printers_.cend() ? 0 : int(chosen - printers_.cbegin());
    takeChoices(current);
}

const PrinterDescription *PrinterSetup::chosenPrinter() const
{
    return chosen_ >= 0 && chosen_ < printers_.size() ? &printers_.at(chosen_) : nullptr;
}

void PrinterSetup::choosePrinter(int index)
{
    if (index < 0 || index >= printers_.size() || index == chosen_)
        return;
    chosen_ = index;
    takeChoices(choices_);
}

void PrinterSetup::takeChoices(const PrinterChoices &wanted)
{
    const PrinterDescription *printer = chosenPrinter();
    if (!printer)
        return;
    PrinterChoices taken = wanted;
    taken.printerName = printer->name;

    const QList<QPageSize> sizes = pageSizes();
    qsizetype size = sameSizeIndex(sizes, wanted.pageSize);
    if (size < 0)
        size = sameSizeIndex(sizes, printer->defaultPageSize);
    if (size < 0 && !sizes.isEmpty())
        size = 0;
    if (size >= 0)
        taken.pageSize = sizes.at(size);

    taken.colourMode = offeredOr(colourModes(), wanted.colourMode, printer->defaultColourMode);
    taken.duplex = offeredOr(duplexModes(), wanted.duplex, printer->defaultDuplexMode);
    if (!printer->paperSources.isEmpty())
        taken.paperSource = offeredOr(paperSources(), wanted.paperSource, QPrinter::Auto);
    choices_ = taken;
}

QList<QPageSize> PrinterSetup::pageSizes() const
{
    const PrinterDescription *printer = chosenPrinter();
    if (!printer)
        return {};
    const QList<QPageSize> listed = printer->pageSizes.isEmpty() ? commonPageSizes() : printer->pageSizes;

    // Printers list one paper under several names (Letter and ANSI A);
    // the one Qt knows by its own key stays.
    QList<QPageSize> sizes;
    for (const QPageSize &size : listed) {
        if (!size.isValid())
            continue;
        const qsizetype same = sameSizeIndex(sizes, size);
        if (same < 0)
            sizes.append(size);
        else if (size.id() != QPageSize::Custom && size.key() == QPageSize::key(size.id()))
            sizes[same] = size;
    }
    // The table's sizes first, in its order, then the others as listed.
    std::stable_sort(sizes.begin(), sizes.end(), [](const QPageSize &left, const QPageSize &right) {
        const std::optional<int> leftCode = tableCode(left);
        const std::optional<int> rightCode = tableCode(right);
        if (leftCode && rightCode)
            return *leftCode < *rightCode;
        return leftCode.has_value() && !rightCode.has_value();
    });
    return sizes;
}

QList<QPrinter::ColorMode> PrinterSetup::colourModes() const
{
    const PrinterDescription *printer = chosenPrinter();
    if (!printer)
        return {};
    QList<QPrinter::ColorMode> modes;
    for (const QPrinter::ColorMode mode : {QPrinter::Color, QPrinter::GrayScale}) {
        if (printer->colourModes.contains(mode))
            modes.append(mode);
    }
    if (modes.isEmpty())
        modes.append(printer->defaultColourMode);
    return modes;
}

QList<QPrinter::DuplexMode> PrinterSetup::duplexModes() const
{
    const PrinterDescription *printer = chosenPrinter();
    if (!printer)
        return {};
    QList<QPrinter::DuplexMode> modes;
    for (const QPrinter::DuplexMode mode :
         {QPrinter::DuplexNone, QPrinter::DuplexLongSide, QPrinter::DuplexShortSide, QPrinter::DuplexAuto}) {
        if (printer->duplexModes.contains(mode))
            modes.append(mode);
    }
    // Every printer prints on one side.
    if (!modes.contains(QPrinter::DuplexNone))
        modes.prepend(QPrinter::DuplexNone);
    return modes;
}

QList<QPrinter::PaperSource> PrinterSetup::paperSources() const
{
    const PrinterDescription *printer = chosenPrinter();
    if (!printer)
        return {};
    QList<QPrinter::PaperSource> sources;
    for (const QPrinter::PaperSource source : printer->paperSources) {
        if (!sources.contains(source))
            sources.append(source);
    }
    return sources;
}

bool PrinterSetup::setPageSize(const QPageSize &size)
{
    const QList<QPageSize> sizes = pageSizes();
    const qsizetype index = sameSizeIndex(sizes, size);
    if (index < 0)
        return false;
    choices_.pageSize = sizes.at(index);
    return true;
}

void PrinterSetup::setOrientation(QPageLayout::Orientation orientation) { choices_.orientation = orientation; }

bool PrinterSetup::setColourMode(QPrinter::ColorMode mode)
{
    if (!colourModes().contains(mode))
        return false;
    choices_.colourMode = mode;
    return true;
}

bool PrinterSetup::setDuplex(QPrinter::DuplexMode mode)
{
    if (!duplexModes().contains(mode))
        return false;
    choices_.duplex = mode;
    return true;
}

bool PrinterSetup::setPaperSource(QPrinter::PaperSource source)
{
    if (!paperSources().contains(source))
        return false;
    choices_.paperSource = source;
    return true;
}

bool PrinterSetup::applyTo(QPrinter &printer) const
{
    const PrinterDescription *chosen = chosenPrinter();
    if (!chosen || !QPrinterInfo::availablePrinterNames().contains(chosen->name))
        return false;
    // A printer that wrote a PDF file prints on the queue from now on; an
    // output file left set would take the queue's pages instead.
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty())
        printer.setOutputFileName(QString());
    printer.setPrinterName(chosen->name);
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName() != chosen->name)
        return false;
    printer.setPageSize(choices_.pageSize);
    printer.setPageOrientation(choices_.orientation);
    printer.setColorMode(choices_.colourMode);
    printer.setDuplex(choices_.duplex);
    if (!chosen->paperSources.isEmpty())
        printer.setPaperSource(choices_.paperSource);
    return true;
}

// --- Words ----------------------------------------------------------------------------

QString printerStateName(std::optional<QPrinter::PrinterState> state)
{
    if (!state)
        return Texts::tr("不明");
    switch (*state) {
    case QPrinter::Idle:
        return Texts::tr("待機中");
    case QPrinter::Active:
        return Texts::tr("印刷中");
    case QPrinter::Aborted:
    case QPrinter::Error:
        return Texts::tr("エラー");
    }
    return Texts::tr("不明");
}

QString printerListName(const PrinterDescription &printer)
{
    if (printer.isDefault)
        return Texts::tr("%1（通常使うプリンタ）").arg(printer.name);
    return printer.name;
}

QString pageSizeName(const QPageSize &size)
{
    if (!size.isValid())
        return Texts::tr("不明");
    if (const std::optional<int> code = tableCode(size))
        return *paperSizeText(*code);
    return QStringLiteral("%1 %2").arg(ownName(size), millimetres(size));
}

QString orientationName(QPageLayout::Orientation orientation)
{
    return orientation == QPageLayout::Landscape ? Texts::tr("横") : Texts::tr("縦");
}

QString colourModeName(QPrinter::ColorMode mode)
{
    return mode == QPrinter::Color ? Texts::tr("カラー") : Texts::tr("モノクロ");
}

QString duplexName(QPrinter::DuplexMode mode)
{
    switch (mode) {
    case QPrinter::DuplexNone:
        return Texts::tr("片面");
    case QPrinter::DuplexLongSide:
        return Texts::tr("両面（長辺とじ）");
    case QPrinter::DuplexShortSide:
        return Texts::tr("両面（短辺とじ）");
    case QPrinter::DuplexAuto:
        return Texts::tr("両面（自動）");
    }
    return Texts::tr("不明");
}

QString paperSourceName(QPrinter::PaperSource source)
{
    switch (source) {
    case QPrinter::OnlyOne:
        return Texts::tr("上段トレイ");
    case QPrinter::Lower:
        return Texts::tr("下段トレイ");
    case QPrinter::Middle:
        return Texts::tr("中段トレイ");
    case QPrinter::Manual:
        return Texts::tr("手差し");
    case QPrinter::Envelope:
        return Texts::tr("封筒フィーダ");
    case QPrinter::EnvelopeManual:
        return Texts::tr("封筒手差し");
    case QPrinter::Auto:
        return Texts::tr("自動選択");
    case QPrinter::Tractor:
        return Texts::tr("トラクタ");
    case QPrinter::SmallFormat:
        return Texts::tr("小サイズ用");
    case QPrinter::LargeFormat:
        return Texts::tr("大サイズ用");
    case QPrinter::LargeCapacity:
        return Texts::tr("大容量トレイ");
    case QPrinter::Cassette:
        return Texts::tr("カセット");
    case QPrinter::FormSource:
        return Texts::tr("用紙フォーム");
    default:
        break;
    }
    return Texts::tr("プリンタ固有の給紙方法");
}

} // namespace porkane
