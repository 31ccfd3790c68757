// Writes the hostile files into the folder given, for the bounded runs.
#include <cstdio>

#include <QCoreApplication>

#include "HostileFiles.h"

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_hostile_files FOLDER\n");
        return 2;
    }
    return porkane::test::writeHostileFiles(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
