#pragma once

// porkane-tool run as a script runs it.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

namespace porkane::test {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline ToolRun runTool(const QStringList &arguments, const QString &workingFolder = QString())
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(PORKANE_TOOL), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace porkane::test
