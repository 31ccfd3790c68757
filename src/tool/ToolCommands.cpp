#include "tool/ToolCommands.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QCommandLineParser>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include "core/Errors.h"
#include "core/Version.h"
#include "document/DocumentSource.h"
#include "document/LabelFile.h"
#include "editor/EditorSettingsFile.h"
#include "image/Barcode.h"
#include "image/CustomerBarcode.h"
#include "print/PrintJob.h"
#include "print/PrintJobSetup.h"
#include "print/PrintPages.h"
#include "render/LabelCanvas.h"
#include "render/SheetImage.h"
#include "core/FileIO.h"
#include "sheet/ProductCatalogue.h"
#include "sheet/TemplateFile.h"
#include "tool/CommandTable.h"
#include "tool/DumpJson.h"

namespace porkane {

namespace {

int dump(const QString &path, QTextStream &out)
{
    switch (documentKindOf(path)) {
    case DocumentKind::Label:
        out << QString::fromUtf8(documentToJson(openLabelFile(path))) << '\n';
        return 0;
    case DocumentKind::Template:
        out << QString::fromUtf8(templateToJson(loadTemplateFile(path, SheetTemplate{}))) << '\n';
        return 0;
    case DocumentKind::Unknown:
        break;
    }
    throw FileError(QStringLiteral("not a label file (.fhl) or a template file (.fom)"));
}

int resave(const QString &in, const QString &outPath)
{
    saveLabelFile(openLabelFile(in), outPath);
    return 0;
}

struct RenderOptions {
    double zoom = 1.0;
    int gridSpacing = 0; // 0: no grid
    int currentLabel = 1;
    int twipsPerPixel = 15;
};

// The render options given; a wrong one is described in `problem`.
std::optional<RenderOptions> renderOptions(const QCommandLineParser &parser, QString &problem)
{
    RenderOptions options;
    bool ok = true;
    if (parser.isSet(QStringLiteral("zoom"))) {
        const QString value = parser.value(QStringLiteral("zoom"));
        options.zoom = value.toDouble(&ok);
        if (!ok || !std::isfinite(options.zoom) || options.zoom <= 0) {
            problem = QStringLiteral("--zoom needs a number above 0, not \"%1\"").arg(value);
            return std::nullopt;
        }
    }
    if (parser.isSet(QStringLiteral("grid"))) {
        const QString value = parser.value(QStringLiteral("grid"));
        options.gridSpacing = value.toInt(&ok);
        if (!ok || options.gridSpacing < 1) {
            problem = QStringLiteral("--grid needs whole millimetres, 1 or more, not \"%1\"").arg(value);
            return std::nullopt;
        }
    }
    if (parser.isSet(QStringLiteral("current"))) {
        const QString value = parser.value(QStringLiteral("current"));
        options.currentLabel = value.toInt(&ok);
        if (!ok || options.currentLabel < 1 || options.currentLabel > LabelDocument::MaxLabels) {
            problem = QStringLiteral("--current needs a label number from 1 to %1, not \"%2\"")
                          .arg(LabelDocument::MaxLabels)
                          .arg(value);
            return std::nullopt;
        }
    }
    if (parser.isSet(QStringLiteral("twips-per-pixel"))) {
        const QString value = parser.value(QStringLiteral("twips-per-pixel"));
        options.twipsPerPixel = value.toInt(&ok);
        if (!ok || options.twipsPerPixel < 1 || options.twipsPerPixel > MaxTwipsPerPixel) {
            problem = QStringLiteral("--twips-per-pixel needs a whole number from 1 to %1, not \"%2\"")
                          .arg(MaxTwipsPerPixel)
                          .arg(value);
            return std::nullopt;
        }
    }
    return options;
}

// Every label rendered and the sheet image written as a PNG, with the
// colours of the delivered editor settings.
int render(const QString &path, const QString &outPath, const RenderOptions &options, QString &file)
{
    LabelDocument document = openDocumentFile(path);
    const int labels = document.labelCount();
    if (options.currentLabel > std::max(labels, 1))
        throw UserError(QStringLiteral("there is no label %1: the sheet has %2").arg(options.currentLabel).arg(labels));

    const int tpp = options.twipsPerPixel;
    LabelCanvases canvases;
    canvases.reset(document.sheet(), tpp, tpp);
    renderAllLabels(document, canvases, TextScale::screen(tpp, tpp));

    const EditorSettings delivered;
    SheetViewStyle style;
    style.backgroundColour = delivered.backgroundColour;
    style.labelColour = delivered.labelColour;
    style.gridColour = delivered.gridColour;
    style.gridVisible = options.gridSpacing > 0;
    style.gridSpacing = options.gridSpacing > 0 ? options.gridSpacing : delivered.gridSpacing;
    SheetViewState state;
    state.currentLabel = options.currentLabel;
    state.zoom = options.zoom;
    state.twipsPerPixelX = tpp;
    state.twipsPerPixelY = tpp;

    SheetImage sheet;
    sheet.RePaint(document, canvases, style, state);
    if (sheet.view().isNull())
        throw UserError(QStringLiteral("the sheet of %1 x %2 mm cannot be drawn at this size")
                            .arg(document.sheet().SheetWidth)
                            .arg(document.sheet().SheetHeight));

    file = outPath;
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly) || !sheet.view().save(&out, "PNG") || !out.commit())
        throw FileError(QStringLiteral("cannot write the picture"));
    return 0;
}

struct PrintCommand {
    QString pdf;     // the PDF file to write, or
    QString printer; // the print queue to print on
    std::optional<QPageSize> paper;
    PrintOptions options;
    QString data; // the address list to merge, if any
    TextEncoding encoding = TextEncoding::Detect;
    int designLabel = 1;
    int startLabel = 1;
    int copies = 1;
};

// A page size by its QPageSize key or name ("A4", "Letter", "EnvB6",
// "Envelope B6"), in any case.
std::optional<QPageSize> pageSizeNamed(const QString &name)
{
    for (int id = 0; id <= int(QPageSize::LastPageSize); ++id) {
        const QPageSize size{QPageSize::PageSizeId(id)};
        if (size.isValid() && (size.key().compare(name, Qt::CaseInsensitive) == 0 ||
                               size.name().compare(name, Qt::CaseInsensitive) == 0))
            return size;
    }
    return std::nullopt;
}

// The print options given; a wrong one is described in `problem`.
std::optional<PrintCommand> printCommand(const QCommandLineParser &parser, QString &problem)
{
    PrintCommand command;
    const auto offsetOf = [&](const QString &name, qint16 &offset) {
        if (!parser.isSet(name))
            return true;
        const QString value = parser.value(name);
        bool ok = false;
        const int tenths = value.toInt(&ok);
        if (!ok || tenths < -MaxOffsetTenths || tenths > MaxOffsetTenths) {
            problem = QStringLiteral("--%1 needs tenths of a millimetre from -%2 to %2, not \"%3\"")
                          .arg(name)
                          .arg(MaxOffsetTenths)
                          .arg(value);
            return false;
        }
        offset = qint16(tenths);
        return true;
    };
    command.pdf = parser.value(QStringLiteral("pdf"));
    command.printer = parser.value(QStringLiteral("printer"));
    command.options.overflow = parser.isSet(QStringLiteral("overflow"));
    if (!offsetOf(QStringLiteral("offset-left"), command.options.offsetLeft) ||
        !offsetOf(QStringLiteral("offset-top"), command.options.offsetTop))
        return std::nullopt;
    if (parser.isSet(QStringLiteral("paper"))) {
        const QString value = parser.value(QStringLiteral("paper"));
        command.paper = pageSizeNamed(value);
        if (!command.paper) {
            problem = QStringLiteral("--paper needs a paper name such as A4, B5 or Letter, not \"%1\"").arg(value);
            return std::nullopt;
        }
    }
    const auto numberOf = [&](const QString &name, int &number, int most) {
        if (!parser.isSet(name))
            return true;
        const QString value = parser.value(name);
        bool ok = false;
        number = value.toInt(&ok);
        if (!ok || number < 1 || number > most) {
            problem = QStringLiteral("--%1 needs a whole number from 1 to %2, not \"%3\"").arg(name).arg(most).arg(value);
            return false;
        }
        return true;
    };
    if (!numberOf(QStringLiteral("design-label"), command.designLabel, LabelDocument::MaxLabels) ||
        !numberOf(QStringLiteral("start"), command.startLabel, LabelDocument::MaxLabels) ||
        !numberOf(QStringLiteral("copies"), command.copies, PrintPlan::MaxCopies))
        return std::nullopt;
    command.data = parser.value(QStringLiteral("data"));
    if (parser.isSet(QStringLiteral("encoding"))) {
        const QString value = parser.value(QStringLiteral("encoding")).toLower();
        if (value == QLatin1String("utf-8") || value == QLatin1String("utf8")) {
            command.encoding = TextEncoding::Utf8;
        } else if (value == QLatin1String("cp932") || value == QLatin1String("shift-jis") ||
                   value == QLatin1String("sjis")) {
            command.encoding = TextEncoding::Cp932;
        } else {
            problem = QStringLiteral("--encoding is utf-8 or cp932, not \"%1\"").arg(parser.value(QStringLiteral("encoding")));
            return std::nullopt;
        }
    }
    if (command.data.isEmpty()) {
        for (const char *merging : {"encoding", "design-label"}) {
            if (parser.isSet(QString::fromLatin1(merging))) {
                problem = QStringLiteral("--%1 goes with --data LIST.csv").arg(QString::fromLatin1(merging));
                return std::nullopt;
            }
        }
    }
    if (command.pdf.isEmpty() == command.printer.isEmpty()) {
        problem = QStringLiteral("give either --pdf OUT.pdf or --printer NAME");
        return std::nullopt;
    }
    return command;
}

QString printFailure(PrintOutcome outcome, const PrintCommand &command)
{
    switch (outcome) {
    case PrintOutcome::Printed:
        break;
    case PrintOutcome::NoPrinter:
        return QStringLiteral("there is no printer named %1").arg(command.printer);
    case PrintOutcome::CannotOpen:
        return command.pdf.isEmpty() ? QStringLiteral("the printer %1 cannot be opened").arg(command.printer)
                                     : QStringLiteral("cannot write %1").arg(command.pdf);
    case PrintOutcome::Failed:
        return command.pdf.isEmpty() ? QStringLiteral("printing on %1 failed").arg(command.printer)
                                     : QStringLiteral("writing %1 failed").arg(command.pdf);
    case PrintOutcome::OutOfMemory:
        return QStringLiteral("there is not enough memory to print");
    case PrintOutcome::Cancelled:
        return QStringLiteral("printing was cancelled");
    case PrintOutcome::NothingToPrint:
        return QStringLiteral("there is no page to print");
    }
    return QString();
}

// A message of the engine on one line of standard error.
QString oneLine(const QString &message)
{
    QString line = message;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

// The print job of the print panel, on a PDF file (600 dpi, the whole paper
// printable) or on a print queue with the queue's own settings; with an
// address list, every page it fills. Rows that cannot be merged are each
// told on a line of their own and left out; then the exit status is 3.
int print(const QString path, const PrintCommand &command, QString &file, QTextStream &err)
{
    const LabelDocument document = openDocumentFile(path);
    PrintJobSetup setup(document);
    setup.setCopies(command.copies);
    const int labels = document.labelCount();
    for (const auto &[name, label] : {std::pair{"start", command.startLabel}, {"design-label", command.designLabel}}) {
        if (label > std::max(labels, 1))
            throw UserError(QStringLiteral("--%1 %2: the sheet has %3 labels").arg(QString::fromLatin1(name)).arg(label).arg(labels));
    }
    setup.setStartLabel(command.startLabel);
    setup.setDesignLabel(command.designLabel);
    if (!command.data.isEmpty()) {
        file = command.data;
        setup.setMode(PrintPlan::Mode::Merge);
        try {
            setup.loadData(command.data, command.encoding);
        } catch (const FileError &error) {
            // The list's messages start with its name; the error line names it already.
            QString message = error.message();
            const QString name = QFileInfo(command.data).fileName() + QStringLiteral(": ");
            if (message.startsWith(name))
                message.remove(0, name.size());
            throw FileError(oneLine(message));
        }
    }
    const PrintJobSetup::Check check = setup.check();
    for (const MergeProblem &problem : check.problems)
        err << "porkane-tool: " << command.data << ": " << oneLine(problem.text()) << '\n';
    if (!check.canPrint())
        throw UserError(oneLine(check.refusal));
    const PrintPages pages = setup.pages(check);

    file = path;
    std::unique_ptr<QPrinter> printer;
    if (!command.pdf.isEmpty()) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setResolution(600);
        printer->setFullPage(true);
        printer->setPageOrientation(QPageLayout::Portrait);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setOutputFileName(command.pdf);
    } else {
        const QPrinterInfo queue = QPrinterInfo::printerInfo(command.printer);
        if (queue.isNull())
            throw UserError(printFailure(PrintOutcome::NoPrinter, command));
        printer = std::make_unique<QPrinter>(queue, QPrinter::HighResolution);
    }
    if (command.paper && !printer->setPageSize(*command.paper))
        throw UserError(QStringLiteral("the printer cannot take paper %1").arg(command.paper->name()));

    const PrintOutcome outcome = printJob(*printer, pages, command.options, ScreenScale{15, 15});
    if (outcome != PrintOutcome::Printed)
        throw UserError(printFailure(outcome, command));
    return check.problems.empty() ? 0 : 3;
}

ProductCatalogue installedProducts()
{
    return ProductCatalogue::load(ProductCatalogue::installedCatalogueFolders(),
                                  ProductCatalogue::userProductFolder(standardDataFolder()));
}

int listProducts(const QString &search, QTextStream &out, QTextStream &err)
{
    const ProductCatalogue catalogue = installedProducts();
    if (catalogue.catalogueMissing())
        err << "porkane-tool: note: the label catalogue is not installed (Debian package glabels-data)\n";
    for (const LabelProduct *product : catalogue.search(search))
        out << product->maker << '\t' << product->code << '\t' << product->paperName << '\t'
            << product->labelCount() << '\t' << product->labelSizeText() << " mm\n";
    return 0;
}

int writeProductTemplate(const QString &maker, const QString &code, const QString &outPath, QTextStream &err)
{
    const ProductCatalogue catalogue = installedProducts();
    const LabelProduct *product = catalogue.find(maker, code);
    if (!product)
        throw UserError(catalogue.catalogueMissing()
                            ? QStringLiteral("no product %1 %2: the label catalogue is not installed (Debian "
                                             "package glabels-data)")
                                  .arg(maker, code)
                            : QStringLiteral("no product %1 %2 in the catalogue").arg(maker, code));
    int leftOut = 0;
    saveTemplateFile(outPath, templateFromProduct(*product, &leftOut));
    if (leftOut > 0)
        err << "porkane-tool: note: " << product->displayName() << " has " << product->labelCount()
            << " labels; the template holds the first " << SheetTemplate::MaxLabels << '\n';
    return 0;
}

struct BarcodeCommand {
    BarcodeRequest request;
    int dpi = 600;
    QString out;
};

// The barcode command's operands and options; a wrong one is described in
// `problem`. The data itself is checked when drawn.
std::optional<BarcodeCommand> barcodeCommand(const QStringList &operands, const QCommandLineParser &parser,
                                             QString &problem)
{
    Symbology symbology;
    if (!symbologyForKey(operands[0], symbology)) {
        QStringList keys;
        for (const Symbology each : allSymbologies())
            keys << symbologyKey(each);
        problem =
            QStringLiteral("SYMBOLOGY is one of %1, not \"%2\"").arg(keys.join(QStringLiteral(", ")), operands[0]);
        return std::nullopt;
    }
    BarcodeCommand command;
    command.request = defaultBarcodeRequest(symbology);
    command.request.data = operands[1];
    command.out = operands[2];
    const QString suffix = QFileInfo(command.out).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
        problem = QStringLiteral("the picture is written as OUT.png or OUT.svg, not \"%1\"").arg(command.out);
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("dpi"))) {
        const QString value = parser.value(QStringLiteral("dpi"));
        bool ok = false;
        command.dpi = value.toInt(&ok);
        if (!ok || command.dpi < MinBarcodeDpi || command.dpi > MaxBarcodeDpi) {
            problem = QStringLiteral("--dpi needs a whole number from %1 to %2, not \"%3\"")
                          .arg(MinBarcodeDpi)
                          .arg(MaxBarcodeDpi)
                          .arg(value);
            return std::nullopt;
        }
    }
    if (parser.isSet(QStringLiteral("mm"))) {
        const QString value = parser.value(QStringLiteral("mm"));
        const QStringList sizes = value.split(u' ', Qt::SkipEmptyParts);
        bool widthOk = false;
        bool heightOk = false;
        command.request.widthMm = sizes.value(0).toDouble(&widthOk);
        command.request.heightMm = sizes.value(1).toDouble(&heightOk);
        const auto fine = [](double mm) { return std::isfinite(mm) && mm > 0 && mm <= 1000; };
        if (sizes.size() != 2 || !widthOk || !heightOk || !fine(command.request.widthMm) || !fine(command.request.heightMm)) {
            problem =
                QStringLiteral("--mm needs a width and a height in millimetres above 0 and up to 1000, not \"%1\"")
                    .arg(value);
            return std::nullopt;
        }
        command.request.sizing = BarcodeSizing::OverallSize;
    }
    return command;
}

// The picture drawn before OUT is opened, so refused data writes nothing.
int writeBarcode(const BarcodeCommand &command, QTextStream &out)
{
    const BarcodePicture picture = drawBarcode(command.request, command.dpi);
    const bool svg = command.out.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    const QByteArray drawing = svg ? barcodeSvg(command.request, command.dpi) : QByteArray();
    QSaveFile file(command.out);
    if (!file.open(QIODevice::WriteOnly) ||
        !(svg ? file.write(drawing) == drawing.size() : picture.image.save(&file, "PNG")) || !file.commit())
        throw FileError(QStringLiteral("cannot write the picture"));
    out << QStringLiteral("%1: %2, module %3 mm (%4 dots at %5 dpi), %6 x %7 mm\n")
               .arg(command.out, symbologyName(command.request.symbology))
               .arg(picture.moduleMm, 0, 'f', 3)
               .arg(picture.dotsPerModule)
               .arg(picture.dpi)
               .arg(picture.widthMm, 0, 'f', 2)
               .arg(picture.heightMm, 0, 'f', 2);
    return 0;
}

// An option of several values ("--mm W H") becomes one ("--mm=W H") for
// QCommandLineParser, which takes one value an option.
QStringList joinedOptionValues(const QStringList &arguments, const QList<ToolOption> &options, QString &problem)
{
    QStringList joined;
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        const QString &argument = arguments[index];
        if (argument == QLatin1String("--")) {
            joined += arguments.mid(index);
            break;
        }
        const auto option = std::find_if(options.begin(), options.end(), [&](const ToolOption &each) {
            return each.valueCount() > 1 && argument == QLatin1String("--") + each.name;
        });
        if (option == options.end()) {
            joined << argument;
            continue;
        }
        const qsizetype count = option->valueCount();
        if (index + count >= arguments.size()) {
            problem = QStringLiteral("%1 needs %2").arg(argument, option->valueName);
            return {};
        }
        joined << argument + u'=' + arguments.mid(index + 1, count).join(u' ');
        index += count;
    }
    return joined;
}

// QCommandLineParser words its own errors; ours name the option as scripts
// have always seen them. The parser has already refused `arguments`: find
// the first argument it cannot take, the way it reads them.
QString parseProblem(const QStringList &arguments, const QList<ToolOption> &options, const QString &qtProblem)
{
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString &argument = arguments[index];
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(u'-') || argument == QLatin1String("-"))
            continue;
        if (!argument.startsWith(QLatin1String("--"))) {
            if (argument != QLatin1String("-h"))
                return QStringLiteral("unknown option %1").arg(argument);
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString written = argument.left(equals);
        const QString name = written.mid(2);
        const auto option =
            std::find_if(options.begin(), options.end(), [&](const ToolOption &each) { return each.name == name; });
        if (option == options.end()) {
            if (name == QLatin1String("help"))
                continue;
            return QStringLiteral("unknown option %1").arg(written);
        }
        if (!option->takesValue() && equals >= 0)
            return QStringLiteral("%1 takes no value").arg(written);
        if (option->takesValue() && equals < 0 && ++index >= arguments.size())
            return QStringLiteral("%1 needs a value").arg(written);
    }
    return qtProblem;
}

int usageError(QTextStream &err, const QString &problem)
{
    err << "porkane-tool: " << problem << '\n';
    return 2;
}

} // namespace

int runTool(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString program = QStringLiteral("porkane-tool");
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version(QStringLiteral("version"), QString());
    const QCommandLineOption man(QStringLiteral("man"), QString()); // for the build, not listed

    // First the options before the command; what follows it is the command's.
    QCommandLineParser top;
    top.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    top.addOptions({help, version, man});
    const QStringList topArguments = QStringList{program} + arguments;
    if (!top.parse(topArguments)) {
        const QList<ToolOption> topOptions{{QStringLiteral("version"), {}, {}}, {QStringLiteral("man"), {}, {}}};
        return usageError(err, parseProblem(topArguments, topOptions, top.errorText()));
    }
    if (top.isSet(help)) {
        out << toolHelp();
        return 0;
    }
    if (top.isSet(version)) {
        out << program << ' ' << ProgramVersion << '\n';
        return 0;
    }
    if (top.isSet(man)) {
        out << toolManPage();
        return 0;
    }
    const QStringList commandLine = top.positionalArguments();
    if (commandLine.isEmpty())
        return usageError(err, QStringLiteral("no command given; porkane-tool --help lists them"));
    const QString &name = commandLine.first();
    if (name == QLatin1String("help")) {
        if (commandLine.size() == 1) {
            out << toolHelp();
            return 0;
        }
        const ToolCommand *command = toolCommandNamed(commandLine[1]);
        if (!command || commandLine.size() > 2) {
            QStringList names;
            for (const ToolCommand &each : toolCommands())
                names << each.name;
            return usageError(err, QStringLiteral("help: give one command: %1").arg(names.join(QStringLiteral(", "))));
        }
        out << toolCommandHelp(*command);
        return 0;
    }
    const ToolCommand *command = toolCommandNamed(name);
    if (!command)
        return usageError(err, QStringLiteral("unknown command %1; porkane-tool --help lists them").arg(name));

    QCommandLineParser parser;
    parser.addOption(help);
    for (const ToolOption &option : command->options)
        parser.addOption(QCommandLineOption(option.name, option.description, option.valueName));
    QString joinProblem;
    const QStringList commandArguments =
        joinedOptionValues(QStringList{program} + commandLine, command->options, joinProblem);
    if (!joinProblem.isEmpty())
        return usageError(err, name + QStringLiteral(": ") + joinProblem);
    if (!parser.parse(commandArguments))
        return usageError(err, name + QStringLiteral(": ") +
                                   parseProblem(commandArguments, command->options, parser.errorText()));
    if (parser.isSet(help)) {
        out << toolCommandHelp(*command);
        return 0;
    }
    const QStringList operands = parser.positionalArguments().mid(1);
    if (operands.size() < command->operands.size())
        return usageError(err, QStringLiteral("%1: missing %2").arg(name, command->operands[operands.size()]));
    const qsizetype mostOperands = command->operands.size() + command->optionalOperands.size();
    const bool anyNumber =
        !command->optionalOperands.isEmpty() && command->optionalOperands.last().endsWith(QLatin1String("..."));
    if (operands.size() > mostOperands && !anyNumber)
        return usageError(err, QStringLiteral("%1: unexpected argument %2").arg(name, operands[mostOperands]));

    QString file = operands.value(0);
    try {
        if (name == QLatin1String("dump"))
            return dump(file, out);
        if (name == QLatin1String("products"))
            return listProducts(operands.join(u' '), out, err);
        if (name == QLatin1String("product-fom")) {
            file = operands[2];
            return writeProductTemplate(operands[0], operands[1], operands[2], err);
        }
        if (name == QLatin1String("resave"))
            return resave(file, operands[1]);
        if (name == QLatin1String("render")) {
            QString problem;
            const std::optional<RenderOptions> options = renderOptions(parser, problem);
            if (!options)
                return usageError(err, QStringLiteral("render: ") + problem);
            return render(file, operands[1], *options, file);
        }
        if (name == QLatin1String("print")) {
            QString problem;
            const std::optional<PrintCommand> options = printCommand(parser, problem);
            if (!options)
                return usageError(err, QStringLiteral("print: ") + problem);
            return print(file, *options, file, err);
        }
        if (name == QLatin1String("barcode")) {
            QString problem;
            const std::optional<BarcodeCommand> command = barcodeCommand(operands, parser, problem);
            if (!command)
                return usageError(err, QStringLiteral("barcode: ") + problem);
            file = command->out;
            return writeBarcode(*command, out);
        }
        if (name == QLatin1String("customer-data")) {
            file = name;
            out << customerBarcodeData(operands[0], operands[1]) << '\n';
            return 0;
        }
    } catch (const UserError &error) {
        err << "porkane-tool: " << file << ": " << error.message() << '\n';
        return 1;
    }
    return usageError(err, QStringLiteral("%1 is in the command table but not carried out").arg(name));
}

} // namespace porkane
