#include "document/LabelArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QtEndian>

#include <unistd.h>

#include "core/Cp932.h"
#include "core/Errors.h"
#include "core/FileIO.h"

namespace porkane {

namespace {

constexpr qint64 CopyChunk = 1 << 20;
constexpr int FixedHeaderBytes = 16; // without the name

QString shownPath(const QString &path) { return QDir::toNativeSeparators(path); }

FileError damaged(const QString &source, const QString &why)
{
    return FileError(QStringLiteral("%1 is damaged: %2").arg(source, why));
}

// Copies `length` bytes between devices in chunks; false on a short read or
// a failed write. Between two plain files the kernel copies them itself.
bool copyBytes(QIODevice &from, QIODevice &to, qint64 length)
{
    auto *fromFile = qobject_cast<QFileDevice *>(&from);
    auto *toFile = qobject_cast<QFileDevice *>(&to);
    if (fromFile && toFile && fromFile->handle() >= 0 && toFile->handle() >= 0 && toFile->flush()) {
        loff_t offset = fromFile->pos();
        qint64 left = length;
        while (left > 0) {
            const ssize_t copied = ::copy_file_range(fromFile->handle(), &offset, toFile->handle(), nullptr,
                                                     size_t(left), 0);
            if (copied <= 0)
                break;
            left -= copied;
        }
        if (left == 0)
            return fromFile->seek(offset) && toFile->seek(toFile->size());
        // Not supported here: fall back to copying through memory from where it stopped.
        if (!fromFile->seek(offset) || !toFile->seek(toFile->size()))
            return false;
        length = left;
    }
    QByteArray buffer(int(qMin(length, CopyChunk)), Qt::Uninitialized);
    while (length > 0) {
        const qint64 want = qMin(length, CopyChunk);
        const qint64 got = from.read(buffer.data(), want);
        if (got != want)
            return false;
        if (to.write(buffer.constData(), got) != got)
            return false;
        length -= got;
    }
    return true;
}

template <typename T>
void append(QByteArray &bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}

} // namespace

bool isPlainMemberName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            return false;
    }
    return true;
}

ArchiveDirectory readArchiveDirectory(QIODevice &archive, qint64 size, const QString &source)
{
    ArchiveDirectory directory;
    qint64 position = 0;
    const auto readExactly = [&](char *into, qint64 count) {
        if (size - position < count || archive.read(into, count) != count)
            throw damaged(source, QStringLiteral("it ends inside a member header"));
        position += count;
    };

    QSet<QString> names;
    bool last = false;
    while (!last) {
        if (position == size)
            throw damaged(source, QStringLiteral("it ends before its last member header"));
        if (directory.entries.size() == MaxArchiveMembers)
            throw damaged(source, QStringLiteral("it holds more than %1 members; a label file holds at most %1")
                                      .arg(MaxArchiveMembers));
        char fixed[12];
        readExactly(fixed, sizeof fixed);
        const qint16 flag = qFromLittleEndian<qint16>(fixed);
        const qint32 offset = qFromLittleEndian<qint32>(fixed + 2);
        const qint32 index = qFromLittleEndian<qint32>(fixed + 6);
        const qint16 nameLength = qFromLittleEndian<qint16>(fixed + 10);
        const qint32 ordinal = qint32(directory.entries.size());

        if (flag != 0 && flag != 1)
            throw damaged(source, QStringLiteral("member %1 has the flag %2").arg(ordinal).arg(flag));
        if (index != ordinal)
            throw damaged(source, QStringLiteral("member %1 carries the index %2").arg(ordinal).arg(index));
        if (nameLength <= 0 || nameLength > size - position - 4)
            throw damaged(source, QStringLiteral("member %1 has a name length of %2").arg(ordinal).arg(nameLength));

        QByteArray nameBytes(nameLength, Qt::Uninitialized);
        readExactly(nameBytes.data(), nameLength);
        char lengthBytes[4];
        readExactly(lengthBytes, sizeof lengthBytes);
        const qint32 length = qFromLittleEndian<qint32>(lengthBytes);

        const std::optional<QString> name = decodeCp932(nameBytes);
        if (!name || !isPlainMemberName(*name))
            throw damaged(source, QStringLiteral("member %1 is not named as a plain file").arg(ordinal));
        if (names.contains(*name))
            throw damaged(source, QStringLiteral("two members are named %1").arg(*name));
        names.insert(*name);
        if (offset < 0 || length < 0)
            throw damaged(source, QStringLiteral("member %1 has a negative offset or length").arg(ordinal));

        directory.entries.push_back({*name, offset, index, length});
        last = flag == 1;
    }
    directory.dataStart = position;

    // The data of member i starts i padding bytes after its offset, which
    // is the sum of the lengths before it: members never overlap, so what
    // they hold is never more than the file.
    qint64 runningOffset = 0;
    for (const ArchiveEntry &entry : directory.entries) {
        const qint64 start = directory.dataStart + entry.offset + entry.index;
        if (start > size || entry.length > size - start)
            throw damaged(source, QStringLiteral("member %1 (%2) lies beyond the end of the file")
                                      .arg(entry.index)
                                      .arg(entry.name));
        if (entry.offset != runningOffset)
            throw damaged(source, QStringLiteral("member %1 (%2) starts at %3 instead of after the member before it")
                                      .arg(entry.index)
                                      .arg(entry.name)
                                      .arg(entry.offset));
        runningOffset += entry.length;
    }
    return directory;
}

void extractMember(QIODevice &archive, const ArchiveDirectory &directory, int position, QIODevice &out,
                   const QString &source)
{
    if (position < 0 || position >= int(directory.entries.size()))
        throw FileError(QStringLiteral("%1 has no member %2").arg(source).arg(position));
    const ArchiveEntry &entry = directory.entries[position];
    if (!archive.seek(directory.dataStart + entry.offset + entry.index) || !copyBytes(archive, out, entry.length))
        throw FileError(QStringLiteral("cannot extract %1 from %2").arg(entry.name, source));
}

namespace LinkMake {

namespace {

// The member headers for members of the given names and lengths, in order.
QByteArray memberHeaders(const QStringList &names, const std::vector<qint64> &lengths, const QString &archivePath)
{
    const qsizetype count = names.size();
    if (count == 0)
        throw FileError(QStringLiteral("nothing to pack into %1").arg(shownPath(archivePath)));
    if (count > MaxArchiveMembers)
        throw FileError(QStringLiteral("a label file holds at most %1 members, not %2").arg(MaxArchiveMembers).arg(count));
    QByteArray headers;
    qint64 runningOffset = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const QString &name = names[i];
        const std::optional<QByteArray> nameBytes = tryEncodeCp932(name);
        if (!isPlainMemberName(name) || !nameBytes || nameBytes->size() > 0x7FFF)
            throw FileError(QStringLiteral("%1 cannot be named in a label file").arg(name));
        const qint64 length = lengths[std::size_t(i)];
        if (length > 0x7FFFFFFF || runningOffset + length > 0x7FFFFFFF)
            throw FileError(QStringLiteral("%1 is too large for a label file").arg(name));

        append<qint16>(headers, i == count - 1 ? 1 : 0);
        append<qint32>(headers, qint32(runningOffset));
        append<qint32>(headers, qint32(i));
        append<qint16>(headers, qint16(nameBytes->size()));
        headers += *nameBytes;
        append<qint32>(headers, qint32(length));
        runningOffset += length;
    }
    return headers;
}

FileError cannotWrite(const QString &archivePath, const QSaveFile &archive)
{
    return FileError(QStringLiteral("cannot write %1: %2").arg(shownPath(archivePath), archive.errorString()));
}

} // namespace

void pack(const QStringList &memberList, const QString &archiveName, const QString &archiveFolder,
          const QString &sourceFolder)
{
    const QString archivePath = joinPath(archiveFolder, archiveName);
    std::vector<QString> sources;
    std::vector<qint64> lengths;
    for (const QString &name : memberList) {
        const QString source = joinPath(sourceFolder, name);
        const QFileInfo info(source);
        if (!info.isFile())
            throw FileError(QStringLiteral("the member %1 to be packed is missing").arg(shownPath(source)));
        sources.push_back(source);
        lengths.push_back(info.size());
    }
    const QByteArray headers = memberHeaders(memberList, lengths, archivePath);

    QSaveFile archive(archivePath);
    if (!archive.open(QIODevice::WriteOnly) || archive.write(headers) != headers.size())
        throw cannotWrite(archivePath, archive);
    for (const QString &source : sources) {
        QFile member(source);
        if (!member.open(QIODevice::ReadOnly) || !copyBytes(member, archive, member.size()) ||
            !archive.putChar('\0'))
            throw FileError(QStringLiteral("cannot pack %1 into %2").arg(shownPath(source), shownPath(archivePath)));
    }
    if (!archive.commit())
        throw cannotWrite(archivePath, archive);
}

void packBytes(const std::vector<MemberBytes> &members, const QString &archivePath)
{
    std::vector<MemberWriter> writers;
    for (const MemberBytes &member : members) {
        const QByteArray &bytes = member.bytes;
        writers.push_back({member.name, bytes.size(), [&bytes, &archivePath](QIODevice &out) {
                               if (out.write(bytes) != bytes.size())
                                   throw FileError(QStringLiteral("cannot write %1: %2")
                                                       .arg(shownPath(archivePath), out.errorString()));
                           }});
    }
    packStreamed(writers, archivePath);
}

void packStreamed(const std::vector<MemberWriter> &members, const QString &archivePath)
{
    QStringList names;
    std::vector<qint64> lengths;
    for (const MemberWriter &member : members) {
        names.append(member.name);
        lengths.push_back(member.length);
    }
    const QByteArray headers = memberHeaders(names, lengths, archivePath);

    // Members arrive in large pieces: no buffer between us and the file.
    QSaveFile archive(archivePath);
    if (!archive.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || archive.write(headers) != headers.size())
        throw cannotWrite(archivePath, archive);
    for (const MemberWriter &member : members) {
        const qint64 start = archive.pos();
        member.write(archive);
        if (archive.pos() - start != member.length)
            throw FileError(QStringLiteral("%1 came out at %2 bytes instead of %3")
                                .arg(member.name)
                                .arg(archive.pos() - start)
                                .arg(member.length));
        if (!archive.putChar('\0'))
            throw cannotWrite(archivePath, archive);
    }
    if (!archive.commit())
        throw cannotWrite(archivePath, archive);
}

} // namespace LinkMake

namespace LinkMelut {

namespace {

void extractInto(QIODevice &archive, const ArchiveDirectory &directory, int position, const QString &targetFolder,
                 const QString &source)
{
    QFile member(joinPath(targetFolder, directory.entries[position].name));
    if (!member.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FileError(QStringLiteral("cannot write %1: %2").arg(shownPath(member.fileName()), member.errorString()));
    extractMember(archive, directory, position, member, source);
}

} // namespace

bool list(const QString &archivePath, QStringList &memberList)
{
    QFile archive(archivePath);
    if (!archive.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("cannot open %1: %2").arg(shownPath(archivePath), archive.errorString()));
    if (archive.size() == 0)
        return false;
    const ArchiveDirectory directory =
        readArchiveDirectory(archive, archive.size(), QFileInfo(archivePath).fileName());
    for (const ArchiveEntry &entry : directory.entries)
        memberList.append(QString::number(entry.index) + QLatin1Char('\t') + entry.name);
    return true;
}

void extract(const QString &archivePath, const QString &targetFolder, int position)
{
    QFile archive(archivePath);
    if (!archive.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("cannot open %1: %2").arg(shownPath(archivePath), archive.errorString()));
    if (archive.size() == 0)
        return;
    const QString source = QFileInfo(archivePath).fileName();
    const ArchiveDirectory directory = readArchiveDirectory(archive, archive.size(), source);
    if (position < 0 || position >= int(directory.entries.size()))
        throw FileError(QStringLiteral("%1 has no member %2").arg(source).arg(position));

    extractInto(archive, directory, position, targetFolder, source);
}

int extractAll(const QString &archivePath, const QString &targetFolder)
{
    QFile archive(archivePath);
    if (!archive.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("cannot open %1: %2").arg(shownPath(archivePath), archive.errorString()));
    if (archive.size() == 0)
        return 0;
    const QString source = QFileInfo(archivePath).fileName();
    const ArchiveDirectory directory = readArchiveDirectory(archive, archive.size(), source);
    for (int position = 0; position < int(directory.entries.size()); ++position)
        extractInto(archive, directory, position, targetFolder, source);
    return int(directory.entries.size());
}

} // namespace LinkMelut

} // namespace porkane
