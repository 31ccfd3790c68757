#pragma once

// The packed label file (.fhl): one header per member (flag, offset, index,
// name length, name, length; little-endian, signed), then every member's
// bytes followed by one padding byte of 0.
//
// LinkMake packs member files of a folder into an archive; LinkMelut lists
// an archive's members and extracts one of them into a folder. Every header
// is checked against the archive's size before anything is allocated or
// written, and member names must be plain file names, so no archive can
// make us write outside the target folder.

#include <vector>

#include <QIODevice>
#include <QString>
#include <QStringList>

namespace porkane {

struct ArchiveEntry {
    QString name;
    qint64 offset = 0; // sum of the lengths of the members before it
    qint32 index = 0;
    qint64 length = 0;
};

struct ArchiveDirectory {
    std::vector<ArchiveEntry> entries;
    qint64 dataStart = 0; // position just after the last header
};

// The headers of an archive of `size` bytes, checked: every header whole,
// flags 0 then one final 1, indices 0, 1, 2, ..., plain names, and every
// member's data inside the file. Throws FileError naming `source` otherwise.
ArchiveDirectory readArchiveDirectory(QIODevice &archive, qint64 size, const QString &source);

// Copies member `position` of the archive the directory was read from into
// `out`. Throws FileError.
void extractMember(QIODevice &archive, const ArchiveDirectory &directory, int position, QIODevice &out,
                   const QString &source);

// True for a name without folder parts that can be created in a folder.
bool isPlainMemberName(const QString &name);

namespace LinkMake {
// Packs the files named in `memberList`, read from `sourceFolder`, into
// `archiveFolder`/`archiveName`. The archive replaces an earlier file only
// when it is complete. Throws FileError.
void pack(const QStringList &memberList, const QString &archiveName, const QString &archiveFolder,
          const QString &sourceFolder);

// The same archive from members already in memory, in their order.
struct MemberBytes {
    QString name;
    QByteArray bytes;
};
void packBytes(const std::vector<MemberBytes> &members, const QString &archivePath);
} // namespace LinkMake

namespace LinkMelut {
// Fills `memberList` with one entry per member: its index, a TAB and its
// name. An archive of length 0 is deleted and gives false. Throws FileError
// for a damaged archive.
bool list(const QString &archivePath, QStringList &memberList);

// Writes member `position` into `targetFolder` under its recorded name, as
// a new file. An archive of length 0 does nothing. Throws FileError.
void extract(const QString &archivePath, const QString &targetFolder, int position);
} // namespace LinkMelut

} // namespace porkane
