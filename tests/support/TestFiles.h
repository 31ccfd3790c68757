#pragma once

// Small helpers for tests that read and write files.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace porkane::test {

// A fresh folder removed after the test.
class TempFolder {
public:
    TempFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

// A file of tests/data.
QString testDataPath(const QString &name);

// Lines joined with CR LF, each line ended by one: crlf({"a", "b"}) == "a\r\nb\r\n".
QByteArray crlf(std::initializer_list<const char *> lines);

// Whether the desktop's recent-files list names the file: the list of the
// test run's own XDG_DATA_HOME, which the test mains make.
bool inRecentFiles(const QString &path);

} // namespace porkane::test
