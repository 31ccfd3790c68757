#include "core/FileIO.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "core/Errors.h"

namespace porkane {

QByteArray readWholeFile(const QString &path, qint64 maximumSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("cannot open %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    const qint64 size = file.size();
    if (size > maximumSize)
        throw FileError(QStringLiteral("%1 is too large to be this kind of file (%2 bytes)")
                            .arg(QDir::toNativeSeparators(path))
                            .arg(size));
    QByteArray bytes(size, Qt::Uninitialized);
    if (file.read(bytes.data(), size) != size)
        throw FileError(QStringLiteral("cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
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

QString standardDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/porkane");
}

} // namespace porkane
