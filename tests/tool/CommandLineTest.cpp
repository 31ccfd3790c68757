#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

#include "ToolRun.h"
#include "core/Version.h"
#include "support/TestFiles.h"
#include "tool/CommandTable.h"

using namespace porkane;
using namespace porkane::test;

namespace {

QString dashed(const ToolOption &option) { return QStringLiteral("--") + option.name; }

// How troff source spells a text with minus signs.
QString roffDashed(const QString &text)
{
    QString escaped = text;
    return escaped.replace(u'-', QStringLiteral("\\-"));
}

} // namespace

TEST(ToolCommandTable, EachCommandNamesItsOperandsAndOptionsAndHasAWorkingExample)
{
    QSet<QString> names;
    for (const ToolCommand &command : toolCommands()) {
        SCOPED_TRACE(command.name.toStdString());
        EXPECT_FALSE(names.contains(command.name));
        names.insert(command.name);
        EXPECT_TRUE(command.synopsis.startsWith(command.name + u' '));
        for (const QString &operand : command.operands)
            EXPECT_TRUE(command.synopsis.contains(u' ' + operand)) << operand.toStdString();
        for (const ToolOption &option : command.options) {
            const QString written = option.takesValue() ? dashed(option) + u' ' + option.valueName : dashed(option);
            EXPECT_TRUE(command.synopsis.contains(written)) << written.toStdString();
            EXPECT_FALSE(option.description.isEmpty());
        }
        EXPECT_FALSE(command.description.isEmpty());
        ASSERT_FALSE(command.examples.isEmpty());

        // Every example is a command line the tool takes, never a usage
        // error (exit 2): in an empty folder the file it reads is missing
        // (exit 1) and nothing is written, or it needs no file and works.
        for (const QString &example : command.examples) {
            QStringList words = example.split(u' ', Qt::SkipEmptyParts);
            ASSERT_GE(words.size(), 2);
            EXPECT_EQ(words.takeFirst(), QStringLiteral("porkane-tool"));
            EXPECT_EQ(words.first(), command.name);
            TempFolder folder;
            const ToolRun run = runTool(words, folder.path());
            EXPECT_NE(run.exitCode, 2) << example.toStdString() << ": " << run.err.constData();
            if (run.exitCode != 0) {
                EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
            }
        }
    }
    EXPECT_EQ(names, (QSet<QString>{"dump", "resave", "render", "print", "products", "product-fom", "barcode",
                                    "customer-data"}));
}

TEST(ToolCommandLine, HelpGoesToStandardOutputAndDescribesEveryCommand)
{
    const ToolRun help = runTool({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.err.isEmpty()) << help.err.constData();
    const QString text = QString::fromUtf8(help.out);
    for (const ToolCommand &command : toolCommands()) {
        SCOPED_TRACE(command.name.toStdString());
        EXPECT_TRUE(text.contains(QStringLiteral("\n  ") + command.name + u' '));
        for (const ToolOption &option : command.options)
            EXPECT_TRUE(text.contains(dashed(option) + u' ')) << option.name.toStdString();
        for (const QString &example : command.examples)
            EXPECT_TRUE(text.contains(example)) << example.toStdString();
    }
    for (const QString &line : text.split(u'\n'))
        EXPECT_LE(line.size(), 79) << line.toStdString();

    for (const QString &other : {QStringLiteral("-h"), QStringLiteral("help")}) {
        const ToolRun same = runTool({other});
        EXPECT_EQ(same.exitCode, 0) << other.toStdString();
        EXPECT_EQ(same.out, help.out) << other.toStdString();
        EXPECT_TRUE(same.err.isEmpty());
    }
}

TEST(ToolCommandLine, HelpOnOneCommandShowsThatCommandOnly)
{
    for (const QStringList &arguments :
         {QStringList{"help", "render"}, QStringList{"render", "--help"}, QStringList{"render", "-h"},
          QStringList{"render", "some.fhl", "--zoom", "2", "--help"}}) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.exitCode, 0) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(run.out.startsWith("usage: porkane-tool render FILE OUT.png")) << run.out.constData();
        EXPECT_TRUE(run.out.contains("--twips-per-pixel T"));
        EXPECT_FALSE(run.out.contains("--pdf"));
        EXPECT_FALSE(run.out.contains("dump"));
        EXPECT_TRUE(run.err.isEmpty());
    }
}

TEST(ToolCommandLine, VersionIsTheProgramVersion)
{
    const ToolRun run = runTool({QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, (QStringLiteral("porkane-tool ") + ProgramVersion + u'\n').toUtf8());
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(ToolCommandLine, UsageErrorsAreOneLineOnStandardErrorAndExitTwo)
{
    const struct {
        QStringList arguments;
        QByteArray line;
    } errors[] = {
        {{}, "porkane-tool: no command given; porkane-tool --help lists them\n"},
        {{"frobnicate", "a.fhl"}, "porkane-tool: unknown command frobnicate; porkane-tool --help lists them\n"},
        {{"--frobnicate"}, "porkane-tool: unknown option --frobnicate\n"},
        {{"help", "frobnicate"},
         "porkane-tool: help: give one command: dump, resave, render, print, products, product-fom, barcode, "
         "customer-data\n"},
        {{"dump"}, "porkane-tool: dump: missing FILE\n"},
        {{"dump", "a.fhl", "b.fhl"}, "porkane-tool: dump: unexpected argument b.fhl\n"},
        {{"resave", "a.fhl"}, "porkane-tool: resave: missing OUT.fhl\n"},
        {{"render", "a.fhl", "out.png", "--zoom"}, "porkane-tool: render: --zoom needs a value\n"},
        {{"render", "a.fhl", "out.png", "-x"}, "porkane-tool: render: unknown option -x\n"},
        {{"render", "a.fhl", "out.png", "--grid=none"},
         "porkane-tool: render: --grid needs whole millimetres, 1 or more, not \"none\"\n"},
        {{"print", "a.fhl", "--pdf", "a.pdf", "--overflow=yes"}, "porkane-tool: print: --overflow takes no value\n"},
        {{"print", "a.fhl", "--pdf", "a.pdf", "--dump"}, "porkane-tool: print: unknown option --dump\n"},
    };
    for (const auto &error : errors) {
        const ToolRun run = runTool(error.arguments);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(error.arguments.join(' '));
        EXPECT_EQ(run.err, error.line);
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(ToolManPage, TheBuiltPageIsTheToolsOwnAndDescribesEveryCommand)
{
    const QByteArray built = readBytes(QStringLiteral(PORKANE_TOOL_MAN_PAGE));
    const ToolRun run = runTool({QStringLiteral("--man")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(built, run.out);

    const QString page = QString::fromUtf8(built);
    EXPECT_TRUE(page.startsWith(QStringLiteral(".TH PORKANE\\-TOOL 1 \"\" \"porkane\\-tool %1\"").arg(ProgramVersion)));
    for (const ToolCommand &command : toolCommands()) {
        SCOPED_TRACE(command.name.toStdString());
        EXPECT_TRUE(page.contains(QStringLiteral("\n.SS ") + command.name + u'\n'));
        for (const ToolOption &option : command.options)
            EXPECT_TRUE(page.contains(roffDashed(dashed(option)))) << option.name.toStdString();
        for (const QString &example : command.examples)
            EXPECT_TRUE(page.contains(u'\n' + roffDashed(example) + u'\n')) << example.toStdString();
    }

    // groff's warnings catch a page man would show wrongly.
    const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
    if (groff.isEmpty())
        GTEST_SKIP() << "groff is not installed";
    QProcess process;
    process.start(groff, {QStringLiteral("-man"), QStringLiteral("-Tutf8"), QStringLiteral("-ww"),
                          QStringLiteral("-z"), QStringLiteral(PORKANE_TOOL_MAN_PAGE)});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardError(), QByteArray());
}
