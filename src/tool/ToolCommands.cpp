#include "tool/ToolCommands.h"

#include <cmath>
#include <optional>

#include <QFileInfo>
#include <QSaveFile>

#include "core/Errors.h"
#include "document/LabelFile.h"
#include "editor/EditorSettingsFile.h"
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
    "                                          draw the sheet of a .fhl or .fom file as the editor shows it\n";

enum class FileKind { Label, Template, Unknown };

FileKind kindOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("fhl"))
        return FileKind::Label;
    if (suffix == QLatin1String("fom"))
        return FileKind::Template;
    return FileKind::Unknown;
}

int dump(const QString &path, QTextStream &out)
{
    switch (kindOf(path)) {
    case FileKind::Label:
        out << QString::fromUtf8(documentToJson(openLabelFile(path))) << '\n';
        return 0;
    case FileKind::Template:
        out << QString::fromUtf8(templateToJson(loadTemplateFile(path, SheetTemplate{}))) << '\n';
        return 0;
    case FileKind::Unknown:
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

LabelDocument documentOf(const QString &path)
{
    switch (kindOf(path)) {
    case FileKind::Label:
        return openLabelFile(path);
    case FileKind::Template:
        return LabelDocument::fromTemplate(loadTemplateFile(path, SheetTemplate{}));
    case FileKind::Unknown:
        break;
    }
    throw FileError(QStringLiteral("not a label file (.fhl) or a template file (.fom)"));
}

// Every label rendered and the sheet image written as a PNG, with the
// colours of the delivered editor settings.
int render(const QString &path, const QString &outPath, const RenderOptions &options, QString &file)
{
    LabelDocument document = documentOf(path);
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
    } catch (const UserError &error) {
        err << "porkane-tool: " << file << ": " << error.message() << '\n';
        return 1;
    }
    err << Usage;
    return 2;
}

} // namespace porkane
