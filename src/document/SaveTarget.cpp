#include "document/SaveTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/Errors.h"

namespace porkane {

namespace {
// As the kernel: a longer chain of links is taken for a loop.
constexpr int MaxLinksFollowed = 40;
} // namespace

SaveTarget resolveSaveTarget(const QString &chosen)
{
    SaveTarget target;
    target.chosen = chosen;
    QString path = QFileInfo(chosen).absoluteFilePath();
    target.throughLink = QFileInfo(path).isSymLink();
    for (int followed = 0;; ++followed) {
        // The folder's own links are followed too, so the path shown is
        // the real one.
        const QFileInfo info(path);
        const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
        if (!folder.isEmpty())
            path = QDir(folder).filePath(info.fileName());
        const QFileInfo resolved(path);
        if (!resolved.isSymLink())
            break;
        if (followed == MaxLinksFollowed)
            throw FileError(QStringLiteral("%1 leads through a loop of symbolic links").arg(QDir::toNativeSeparators(chosen)));
        path = resolved.symLinkTarget();
    }
    target.path = path;
    target.exists = QFileInfo::exists(path);
    return target;
}

QString overwriteQuestionFor(const SaveTarget &target)
{
    return QCoreApplication::translate("porkane", "ファイルを上書きしますか？") + QLatin1Char('\r') +
           QDir::toNativeSeparators(target.path);
}

} // namespace porkane
