#pragma once

// What porkane-tool offers, in one table: the command-line parser takes each
// command's operands and options from it, and the --help text and the
// manual page are written from it, so the three cannot drift apart.

#include <QList>
#include <QString>
#include <QStringList>

namespace porkane {

// The bounds the options are checked against, told in their descriptions.
constexpr int MaxTwipsPerPixel = 1440;
constexpr int MaxOffsetTenths = 1000; // either way

struct ToolOption {
    QString name;      // without the leading dashes: "zoom"
    QString valueName; // "Z"; "W H" for an option of two values; empty for an option that takes no value
    QString description;

    bool takesValue() const { return !valueName.isEmpty(); }
    qsizetype valueCount() const { return takesValue() ? valueName.count(u' ') + 1 : 0; }
};

struct ToolCommand {
    QString name;
    QStringList operands; // the arguments it needs, in order: "FILE", "OUT.png"
    QString synopsis;     // the command line after "porkane-tool "
    QString description;  // one paragraph
    QList<ToolOption> options;
    QStringList examples; // whole command lines
    // After the operands; a last one ending in "..." takes any number.
    QStringList optionalOperands = {};
};

const QList<ToolCommand> &toolCommands();
const ToolCommand *toolCommandNamed(const QString &name);

// porkane-tool --help: every command; or one command's part of it.
QString toolHelp();
QString toolCommandHelp(const ToolCommand &command);

// porkane-tool(1) in troff's man macros.
QString toolManPage();

} // namespace porkane
