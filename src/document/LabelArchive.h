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

#include <functional>
#include <vector>

#include <QIODevice>
#include <QString>
#include <QStringList>

namespace porkane {

// A label file holds its text data and at most 20 pictures.
inline constexpr int MaxArchiveMembers = 21;

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
// flags 0 then one final 1, indices 0, 1, 2, ..., plain names, at most 21
// members, every member's data inside the file, after the one before it. Throws FileError naming
// `source` otherwise. The headers are read once, in one pass.
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

// The same archive with every member written straight into it by its
// writer, which must put exactly `length` bytes: nothing of the archive is
// held in memory. The archive replaces an earlier file only when complete;
// whatever a writer throws leaves the earlier file as it was.
struct MemberWriter {
    QString name;
    qint64 length = 0;
    std::function<void(QIODevice &out)> write;
};
void packStreamed(const std::vector<MemberWriter> &members, const QString &archivePath);
} // namespace LinkMake

namespace LinkMelut {
// Fills `memberList` with one entry per member: its index, a TAB and its
// name. An archive of length 0 gives false; it is left where it is (the
// file is the user's, and reading never changes it). Throws FileError for a
// damaged archive.
bool list(const QString &archivePath, QStringList &memberList);

// Writes member `position` into `targetFolder` under its recorded name, as
// a new file. An archive of length 0 does nothing. Throws FileError.
void extract(const QString &archivePath, const QString &targetFolder, int position);

// Writes every member into `targetFolder`, reading the headers once: the
// time taken follows the archive's size. Returns the number of members (0
// for an archive of length 0). Throws FileError.
int extractAll(const QString &archivePath, const QString &targetFolder);
} // namespace LinkMelut

} // namespace porkane
