#include <QGuiApplication>
#include <QTextStream>

#include "tool/ToolCommands.h"

int main(int argc, char *argv[])
{
    // Pictures and fonts need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    return porkane::runTool(arguments, out, err);
}
