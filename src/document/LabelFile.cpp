#include "document/LabelFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include "core/Errors.h"
#include "document/BitmapFile.h"
#include "document/LabelArchive.h"
#include "document/TextDataFile.h"

namespace porkane {

namespace {

QString shownPath(const QString &path) { return QDir::toNativeSeparators(path); }

// The members are read in place, straight from the archive: no copies in a
// temporary folder, and the archive itself is only ever read.
LabelDocument readLabelFile(const QString &path)
{
    const QFileInfo info(path);
    const QString fileName = info.fileName();
    if (!info.exists())
        throw FileError(QStringLiteral("%1 does not exist").arg(shownPath(path)));
    if (!info.isFile())
        throw FileError(QStringLiteral("%1 is not a file").arg(shownPath(path)));

    // Unbuffered: the pictures are read in large bands straight into place.
    QFile archive(path);
    if (!archive.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw FileError(QStringLiteral("cannot open %1: %2").arg(shownPath(path), archive.errorString()));
    const qint64 size = archive.size();
    if (size == 0)
        throw FileError(QStringLiteral("%1 is empty").arg(fileName));
    const ArchiveDirectory directory = readArchiveDirectory(archive, size, fileName);
    QHash<QString, const ArchiveEntry *> members;
    for (const ArchiveEntry &entry : directory.entries)
        members.insert(entry.name, &entry);
    const auto seekTo = [&](const ArchiveEntry &entry) {
        if (!archive.seek(directory.dataStart + entry.offset + entry.index))
            throw FileError(QStringLiteral("cannot read %1 from %2").arg(entry.name, fileName));
    };

    const ArchiveEntry *textEntry = members.value(TextDataMemberName);
    if (textEntry == nullptr)
        throw FileError(QStringLiteral("%1 has no %2 member").arg(fileName, TextDataMemberName));
    if (textEntry->length > MaxTextDataBytes)
        throw FileError(QStringLiteral("%1 is damaged: its %2 holds %3 bytes, more than any label document needs")
                            .arg(fileName, TextDataMemberName)
                            .arg(textEntry->length));
    seekTo(*textEntry);
    QByteArray textData(textEntry->length, Qt::Uninitialized);
    if (archive.read(textData.data(), textEntry->length) != textEntry->length)
        throw FileError(QStringLiteral("cannot read %1 from %2").arg(TextDataMemberName, fileName));
    LabelDocument document = readTextData(textData);

    for (int number = 1; number <= document.ImageCount(); ++number) {
        const QString name = imageMemberName(number);
        const ArchiveEntry *entry = members.value(name);
        if (entry == nullptr)
            throw FileError(QStringLiteral("%1 has no %2 member for image %3").arg(fileName, name).arg(number));
        seekTo(*entry);
        document.setPicture(document.ImageSlot(number), readBmp(archive, entry->length, name));
    }
    return document;
}

void writeLabelFile(const LabelDocument &document, const QString &path)
{
    // Everything that could be refused is refused before the file is
    // touched: a text the format cannot store, a picture beyond the limits.
    const QByteArray textData = writeTextData(document);
    const int images = document.ImageSlot(1) != 0 ? document.ImageCount() : 0;

    std::vector<LinkMake::MemberWriter> members;
    members.push_back({TextDataMemberName, textData.size(), [&textData](QIODevice &out) {
                           if (out.write(textData) != textData.size())
                               throw FileError(QStringLiteral("cannot write %1: %2")
                                                   .arg(TextDataMemberName, out.errorString()));
                       }});
    for (int number = 1; number <= images; ++number) {
        const QImage &picture = document.picture(document.ImageSlot(number));
        const QString name = imageMemberName(number);
        if (picture.isNull())
            throw FileError(QStringLiteral("image %1 has no picture").arg(number));
        checkSavablePicture(picture, name);
        members.push_back({name, bmpFileSize(picture.width(), picture.height()),
                           [&picture, name](QIODevice &out) { writeBmp(out, picture, name); }});
    }
    // The members go straight into the archive, a band of rows at a time:
    // the same bytes as packing member files, without holding any of them.
    LinkMake::packStreamed(members, QFileInfo(path).absoluteFilePath());
}

} // namespace

LabelDocument openLabelFile(const QString &path)
{
    return withinMemory([&] { return readLabelFile(path); });
}

void saveLabelFile(const LabelDocument &document, const QString &path)
{
    withinMemory([&] { writeLabelFile(document, path); });
}

} // namespace porkane
