#include "session/RecentFiles.h"

#include <climits>

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include "core/Errors.h"
#include "core/FileIO.h"

namespace porkane {

namespace {

const QString ListFileName = QStringLiteral("recently-used.xbel");
const QString BookmarkNamespace = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString MimeNamespace = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
// GLib reads only the metadata of this owner.
const QString MetadataOwner = QStringLiteral("http://freedesktop.org");
const QString ApplicationName = QStringLiteral("porkane");
// GLib keeps the command shell-quoted and unquotes it when reading.
const QString ApplicationExec = QStringLiteral("'porkane %u'");
// Lists grow with every program's entries, but not to this.
constexpr qint64 MaxListSize = 32 * 1024 * 1024;

// GLib's form: UTC with microseconds.
QString timeStamp(const QDateTime &when)
{
    return when.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'000Z'"));
}

QDomElement childNamed(const QDomElement &parent, const QString &tagName, const QString &attribute = QString(),
                       const QString &value = QString())
{
    for (QDomElement child = parent.firstChildElement(tagName); !child.isNull();
         child = child.nextSiblingElement(tagName)) {
        if (attribute.isEmpty() || child.attribute(attribute) == value)
            return child;
    }
    return {};
}

QDomElement appendChild(QDomDocument &document, QDomElement &parent, const QString &tagName)
{
    QDomElement child = document.createElement(tagName);
    parent.appendChild(child);
    return child;
}

QDomDocument newList()
{
    QDomDocument document;
    document.appendChild(
        document.createProcessingInstruction(QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    QDomElement root = document.createElement(QStringLiteral("xbel"));
    root.setAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    document.appendChild(root);
    return document;
}

// Compared as local paths, so an entry another program wrote with other but
// equivalent escapes is still ours to refresh.
bool namesFile(const QString &href, const QString &absolutePath)
{
    const QUrl url(href, QUrl::StrictMode);
    return url.isValid() && url.isLocalFile() && QDir::cleanPath(url.toLocalFile()) == absolutePath;
}

} // namespace

QString RecentFiles::standardListPath()
{
    return joinPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), ListFileName);
}

QString RecentFiles::mimeTypeOf(const QString &filePath)
{
    const QString suffix = QFileInfo(filePath).suffix().toLower();
    if (suffix == QLatin1String("fhl"))
        return QStringLiteral("application/x-porkane-label");
    if (suffix == QLatin1String("fom"))
        return QStringLiteral("application/x-porkane-form");
    return QStringLiteral("application/octet-stream");
}

RecentFiles::RecentFiles(QString listPath)
    : listPath_(std::move(listPath))
{
}

bool RecentFiles::add(const QString &filePath, const QDateTime &when)
{
    error_.clear();
    const QString absolutePath = QDir::cleanPath(QFileInfo(filePath).absoluteFilePath());
    const QString stamp = timeStamp(when);

    QDomDocument document;
    const bool existed = QFileInfo(listPath_).size() > 0;
    try {
        if (existed) {
            QString message;
            int line = 0;
            int column = 0;
            if (!document.setContent(readWholeFile(listPath_, MaxListSize), false, &message, &line, &column))
                throw FileError(QStringLiteral("%1 is not a recent-files list (line %2, column %3: %4)")
                                    .arg(QDir::toNativeSeparators(listPath_))
                                    .arg(line)
                                    .arg(column)
                                    .arg(message));
            if (document.documentElement().tagName() != QLatin1String("xbel"))
                throw FileError(QStringLiteral("%1 is not a recent-files list (its root is <%2>)")
                                    .arg(QDir::toNativeSeparators(listPath_), document.documentElement().tagName()));
        } else {
            document = newList();
        }

        QDomElement root = document.documentElement();
        // The prefixes below are the ones GLib writes and reads.
        if (!root.hasAttribute(QStringLiteral("xmlns:bookmark")))
            root.setAttribute(QStringLiteral("xmlns:bookmark"), BookmarkNamespace);
        if (!root.hasAttribute(QStringLiteral("xmlns:mime")))
            root.setAttribute(QStringLiteral("xmlns:mime"), MimeNamespace);

        QDomElement bookmark;
        for (QDomElement each = root.firstChildElement(QStringLiteral("bookmark")); !each.isNull();
             each = each.nextSiblingElement(QStringLiteral("bookmark"))) {
            if (namesFile(each.attribute(QStringLiteral("href")), absolutePath)) {
                bookmark = each;
                break;
            }
        }
        if (bookmark.isNull()) {
            bookmark = appendChild(document, root, QStringLiteral("bookmark"));
            bookmark.setAttribute(QStringLiteral("href"),
                                  QString::fromLatin1(QUrl::fromLocalFile(absolutePath).toEncoded()));
            bookmark.setAttribute(QStringLiteral("added"), stamp);
        }
        bookmark.setAttribute(QStringLiteral("modified"), stamp);
        bookmark.setAttribute(QStringLiteral("visited"), stamp);

        QDomElement info = childNamed(bookmark, QStringLiteral("info"));
        if (info.isNull())
            info = appendChild(document, bookmark, QStringLiteral("info"));
        QDomElement metadata = childNamed(info, QStringLiteral("metadata"), QStringLiteral("owner"), MetadataOwner);
        if (metadata.isNull()) {
            metadata = appendChild(document, info, QStringLiteral("metadata"));
            metadata.setAttribute(QStringLiteral("owner"), MetadataOwner);
        }
        QDomElement mimeType = childNamed(metadata, QStringLiteral("mime:mime-type"));
        if (mimeType.isNull()) {
            mimeType = document.createElement(QStringLiteral("mime:mime-type"));
            metadata.insertBefore(mimeType, metadata.firstChild());
        }
        mimeType.setAttribute(QStringLiteral("type"), mimeTypeOf(absolutePath));
        QDomElement applications = childNamed(metadata, QStringLiteral("bookmark:applications"));
        if (applications.isNull())
            applications = appendChild(document, metadata, QStringLiteral("bookmark:applications"));
        QDomElement application =
            childNamed(applications, QStringLiteral("bookmark:application"), QStringLiteral("name"), ApplicationName);
        if (application.isNull()) {
            application = appendChild(document, applications, QStringLiteral("bookmark:application"));
            application.setAttribute(QStringLiteral("name"), ApplicationName);
        }
        bool counted = false;
        const int count = application.attribute(QStringLiteral("count")).toInt(&counted);
        application.setAttribute(QStringLiteral("exec"), ApplicationExec);
        application.setAttribute(QStringLiteral("modified"), stamp);
        application.setAttribute(QStringLiteral("count"), counted && count > 0 && count < INT_MAX ? count + 1 : 1);

        if (!existed) {
            // The list tells what the user worked on: theirs alone to read,
            // as GTK keeps it. The renamed-over file keeps these rights.
            QDir().mkpath(QFileInfo(listPath_).absolutePath());
            QFile created(listPath_);
            created.open(QIODevice::WriteOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        writeFileAtomically(listPath_, document.toByteArray(2));
    } catch (const FileError &error) {
        error_ = error.message();
        return false;
    }
    return true;
}

void noteRecentlyUsed(const QString &filePath)
{
    RecentFiles list;
    list.add(filePath);
}

} // namespace porkane
