#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QUrl>
#include <gtest/gtest.h>

namespace porkane::test {

TempFolder::TempFolder() { EXPECT_TRUE(dir_.isValid()); }

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QString testDataPath(const QString &name)
{
#ifdef PORKANE_TEST_DATA
    return QStringLiteral(PORKANE_TEST_DATA "/") + name;
#else
    return name;
#endif
}

QByteArray crlf(std::initializer_list<const char *> lines)
{
    QByteArray bytes;
    for (const char *line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

bool inRecentFiles(const QString &path)
{
    QFile list(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/recently-used.xbel"));
    if (!list.open(QIODevice::ReadOnly))
        return false;
    const QByteArray href = "href=\"" + QUrl::fromLocalFile(QDir::cleanPath(path)).toEncoded() + '"';
    return list.readAll().contains(href);
}

} // namespace porkane::test
