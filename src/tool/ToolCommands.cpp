#include "tool/ToolCommands.h"

#include <QFileInfo>

#include "core/Errors.h"
#include "document/LabelFile.h"
#include "sheet/TemplateFile.h"
#include "tool/DumpJson.h"

namespace porkane {

namespace {

const char *const Usage =
    "usage: porkane-tool dump FILE            print a .fhl or .fom file as JSON\n"
    "       porkane-tool resave IN.fhl OUT.fhl read a label file and save it again\n";

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
    } catch (const UserError &error) {
        err << "porkane-tool: " << file << ": " << error.message() << '\n';
        return 1;
    }
    err << Usage;
    return 2;
}

} // namespace porkane
