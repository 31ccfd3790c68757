#pragma once

// The system's data folders (XDG_DATA_DIRS, XDG_DATA_HOME) pointed at one
// folder for a test, so that a copy of the program installed on the machine
// is not found; restored afterwards.

#include <QByteArray>
#include <QString>

namespace porkane::test {

class DataFoldersOnly {
public:
    explicit DataFoldersOnly(const QString &folder)
    {
        for (Saved &saved : saved_) {
            saved.wasSet = qEnvironmentVariableIsSet(saved.name);
            saved.value = qgetenv(saved.name);
            qputenv(saved.name, folder.toUtf8());
        }
    }
    ~DataFoldersOnly()
    {
        for (const Saved &saved : saved_) {
            if (saved.wasSet)
                qputenv(saved.name, saved.value);
            else
                qunsetenv(saved.name);
        }
    }
    DataFoldersOnly(const DataFoldersOnly &) = delete;
    DataFoldersOnly &operator=(const DataFoldersOnly &) = delete;

private:
    struct Saved {
        const char *name;
        bool wasSet = false;
        QByteArray value;
    };
    Saved saved_[2] = {{"XDG_DATA_DIRS"}, {"XDG_DATA_HOME"}};
};

} // namespace porkane::test
