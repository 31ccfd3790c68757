#include "core/FileIO.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "core/Errors.h"

namespace porkane {

QByteArray readWholeFile(const QString &path, qint64 maximumSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("cannot open %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    if (file.size() > maximumSize)
        throw FileError(QStringLiteral("%1 is too large to be this kind of file (%2 bytes)")
                            .arg(QDir::toNativeSeparators(path))
                            .arg(file.size()));
    QByteArray bytes = file.read(maximumSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    if (bytes.size() > maximumSize)
        throw FileError(QStringLiteral("%1 is too large to be this kind of file").arg(QDir::toNativeSeparators(path)));
    return bytes;
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
}

QString joinPath(const QString &folder, const QString &fileName)
{
    if (folder.isEmpty())
        return fileName;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

} // namespace porkane
