#include "tool/ToolCommands.h"

#include <cmath>
#include <optional>

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include "core/Errors.h"
#include "document/DocumentSource.h"
#include "document/LabelFile.h"
#include "editor/EditorSettingsFile.h"
#include "print/PrintJob.h"
#include "render/LabelCanvas.h"
#include "render/SheetImage.h"
#include "sheet/TemplateFile.h"
#include "tool/DumpJson.h"

namespace porkane {

namespace {

const char *const Usage =
    "usage: porkane-tool dump FILE            print a .fhl or .fom file as JSON\n"
    "       porkane-tool resave IN.fhl OUT.fhl read a label file and save it again\n"
    "       porkane-tool render FILE OUT.png [--zoom Z] [--grid MM] [--current N] [--twips-per-pixel T]\n"
    "                                          draw the sheet of a .fhl or .fom file as the editor shows it\n"
    "       porkane-tool print FILE.fhl (--pdf OUT.pdf | --printer NAME) [--offset-left T] [--offset-top T]\n"
    "                                [--overflow] [--paper NAME]\n"
    "                                          print the sheet on one page; offsets in tenths of a millimetre,\n"
    "                                          the paper a QPageSize name (a PDF is A4 portrait by default)\n";

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

// The options after `render FILE OUT.png`; a wrong one is described in
// `problem`.
std::optional<RenderOptions> parseRenderOptions(const QStringList &arguments, QString &problem)
{
    RenderOptions options;
    for (qsizetype index = 3; index < arguments.size(); index += 2) {
        const QString &name = arguments[index];
        if (index + 1 >= arguments.size()) {
            problem = QStringLiteral("%1 needs a value").arg(name);
            return std::nullopt;
        }
        const QString &value = arguments[index + 1];
        bool ok = false;
        if (name == QLatin1String("--zoom")) {
            options.zoom = value.toDouble(&ok);
            if (!ok || !std::isfinite(options.zoom) || options.zoom <= 0) {
                problem = QStringLiteral("--zoom needs a number above 0, not \"%1\"").arg(value);
                return std::nullopt;
            }
        } else if (name == QLatin1String("--grid")) {
            options.gridSpacing = value.toInt(&ok);
            if (!ok || options.gridSpacing < 1) {
                problem = QStringLiteral("--grid needs whole millimetres, 1 or more, not \"%1\"").arg(value);
                return std::nullopt;
            }
        } else if (name == QLatin1String("--current")) {
            options.currentLabel = value.toInt(&ok);
            if (!ok || options.currentLabel < 1 || options.currentLabel > LabelDocument::MaxLabels) {
                problem = QStringLiteral("--current needs a label number from 1 to %1, not \"%2\"")
                              .arg(LabelDocument::MaxLabels)
                              .arg(value);
                return std::nullopt;
            }
        } else if (name == QLatin1String("--twips-per-pixel")) {
            options.twipsPerPixel = value.toInt(&ok);
            if (!ok || options.twipsPerPixel < 1 || options.twipsPerPixel > 1440) {
                problem = QStringLiteral("--twips-per-pixel needs a whole number from 1 to 1440, not \"%1\"")
                              .arg(value);
                return std::nullopt;
            }
        } else {
            problem = QStringLiteral("unknown option %1").arg(name);
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

// The options after `print FILE`; a wrong one is described in `problem`.
std::optional<PrintCommand> parsePrintCommand(const QStringList &arguments, QString &problem)
{
    PrintCommand command;
    const auto offsetOf = [&](const QString &name, const QString &value, qint16 &offset) {
        bool ok = false;
        const int tenths = value.toInt(&ok);
        if (!ok || tenths < -1000 || tenths > 1000) {
            problem = QStringLiteral("%1 needs tenths of a millimetre from -1000 to 1000, not \"%2\"").arg(name, value);
            return false;
        }
        offset = qint16(tenths);
        return true;
    };
    for (qsizetype index = 2; index < arguments.size(); ++index) {
        const QString &name = arguments[index];
        if (name == QLatin1String("--overflow")) {
            command.options.overflow = true;
            continue;
        }
        if (index + 1 >= arguments.size()) {
            problem = QStringLiteral("%1 needs a value").arg(name);
            return std::nullopt;
        }
        const QString &value = arguments[++index];
        if (name == QLatin1String("--pdf")) {
            command.pdf = value;
        } else if (name == QLatin1String("--printer")) {
            command.printer = value;
        } else if (name == QLatin1String("--offset-left")) {
            if (!offsetOf(name, value, command.options.offsetLeft))
                return std::nullopt;
        } else if (name == QLatin1String("--offset-top")) {
            if (!offsetOf(name, value, command.options.offsetTop))
                return std::nullopt;
        } else if (name == QLatin1String("--paper")) {
            command.paper = pageSizeNamed(value);
            if (!command.paper) {
                problem = QStringLiteral("--paper needs a paper name such as A4, B5 or Letter, not \"%1\"").arg(value);
                return std::nullopt;
            }
        } else {
            problem = QStringLiteral("unknown option %1").arg(name);
            return std::nullopt;
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
    }
    return QString();
}

// The print job of the print panel, on a PDF file (600 dpi, the whole paper
// printable) or on a print queue with the queue's own settings.
int print(const QString &path, const PrintCommand &command)
{
    const LabelDocument document = openDocumentFile(path);
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

    const PrintOutcome outcome = printDocument(*printer, document, command.options, ScreenScale{15, 15});
    if (outcome != PrintOutcome::Printed)
        throw UserError(printFailure(outcome, command));
    return 0;
}

} // namespace

int runTool(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString command = arguments.value(0);
    QString file;
    try {
        if (command == QLatin1String("dump") && arguments.size() == 2) {
            file = arguments[1];
            return dump(file, out);
        }
        if (command == QLatin1String("resave") && arguments.size() == 3) {
            file = arguments[1];
            return resave(arguments[1], arguments[2]);
        }
        if (command == QLatin1String("render") && arguments.size() >= 3) {
            QString problem;
            const std::optional<RenderOptions> options = parseRenderOptions(arguments, problem);
            if (!options) {
                err << "porkane-tool: render: " << problem << '\n';
                return 2;
            }
            file = arguments[1];
            return render(arguments[1], arguments[2], *options, file);
        }
        if (command == QLatin1String("print") && arguments.size() >= 2) {
            QString problem;
            const std::optional<PrintCommand> printCommand = parsePrintCommand(arguments, problem);
            if (!printCommand) {
                err << "porkane-tool: print: " << problem << '\n';
                return 2;
            }
            file = arguments[1];
            return print(arguments[1], *printCommand);
        }
    } catch (const UserError &error) {
        err << "porkane-tool: " << file << ": " << error.message() << '\n';
        return 1;
    }
    err << Usage;
    return 2;
}

} // namespace porkane
