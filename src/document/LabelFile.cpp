#include "document/LabelFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/Errors.h"
#include "core/FileIO.h"
#include "document/BitmapFile.h"
#include "document/LabelArchive.h"
#include "document/TextDataFile.h"

namespace porkane {

namespace {

QTemporaryDir makeMemberFolder()
{
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/porkane-XXXXXX"));
    if (!folder.isValid())
        throw FileError(QStringLiteral("cannot make a temporary folder: %1").arg(folder.errorString()));
    return folder;
}

// Pictures are decoded straight from the file's pages rather than from a
// copy: they make up nearly all of a label file.
QImage readMappedBmp(const QString &path, qint64 limit, const QString &name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("cannot open %1: %2").arg(name, file.errorString()));
    const qint64 size = file.size();
    if (size > limit)
        throw FileError(QStringLiteral("%1 is larger than its label file").arg(name));
    if (size == 0)
        return readBmp(QByteArray(), name);
    const uchar *pages = file.map(0, size);
    if (!pages)
        return readBmp(readWholeFile(path, limit), name);
    return readBmp(QByteArray::fromRawData(reinterpret_cast<const char *>(pages), size), name);
}

} // namespace

LabelDocument openLabelFile(const QString &path)
{
    const QString fileName = QFileInfo(path).fileName();
    const QFileInfo info(path);
    if (!info.exists())
        throw FileError(QStringLiteral("%1 does not exist").arg(QDir::toNativeSeparators(path)));
    if (!info.isFile())
        throw FileError(QStringLiteral("%1 is not a file").arg(QDir::toNativeSeparators(path)));

    QStringList memberList;
    if (!LinkMelut::list(path, memberList))
        throw FileError(QStringLiteral("%1 is empty").arg(fileName));

    const QTemporaryDir folder = makeMemberFolder();
    for (int position = 0; position < memberList.size(); ++position)
        LinkMelut::extract(path, folder.path(), position);

    // Members are no larger than the archive they came from.
    const qint64 limit = info.size();
    const QString textData = joinPath(folder.path(), TextDataMemberName);
    if (!QFileInfo::exists(textData))
        throw FileError(QStringLiteral("%1 has no %2 member").arg(fileName, TextDataMemberName));
    LabelDocument document = readTextData(readWholeFile(textData, limit));

    for (int number = 1; number <= document.ImageCount(); ++number) {
        const QString name = imageMemberName(number);
        const QString member = joinPath(folder.path(), name);
        if (!QFileInfo::exists(member))
            throw FileError(QStringLiteral("%1 has no %2 member for image %3").arg(fileName, name).arg(number));
        document.setPicture(document.ImageSlot(number), readMappedBmp(member, limit, name));
    }
    return document;
}

void saveLabelFile(const LabelDocument &document, const QString &path)
{
    // Build every member in memory first: a text the format cannot store is
    // refused before anything is written.
    const QByteArray textData = writeTextData(document);
    const int images = document.ImageSlot(1) != 0 ? document.ImageCount() : 0;

    // The members go straight into the archive: its bytes are the same as
    // packing them from files, without writing and reading them twice.
    std::vector<LinkMake::MemberBytes> members;
    members.push_back({TextDataMemberName, textData});
    for (int number = 1; number <= images; ++number) {
        const QImage &picture = document.picture(document.ImageSlot(number));
        if (picture.isNull())
            throw FileError(QStringLiteral("image %1 has no picture").arg(number));
        members.push_back({imageMemberName(number), writeBmp(picture)});
    }
    LinkMake::packBytes(members, QFileInfo(path).absoluteFilePath());
}

} // namespace porkane
