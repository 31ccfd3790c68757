#pragma once

// The subcommands of porkane-tool, callable from tests. Each returns the
// process exit code and writes to the given streams.

#include <QStringList>
#include <QTextStream>

namespace porkane {

// porkane-tool <command> <arguments...>
int runTool(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace porkane
