#include "HostileFiles.h"

#include <cstdio>

#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QSaveFile>

#include "ArchiveBytes.h"
#include "image/MetafileBytes.h"

namespace porkane::test {

namespace {

QByteArray printStyle(int value) { return (value < 0 ? "" : " ") + QByteArray::number(value) + " \r\n"; }

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

QByteArray hostileTextData(int labels, int size, int characters, const QByteArray &record)
{
    QByteArray bytes = printStyle(size) + printStyle(size) + printStyle(labels);
    for (int label = 0; label < labels; ++label)
        bytes += " 0  0 " + QByteArray::number(size) + "  " + QByteArray::number(size) + "  0  0 \r\n";
    for (int label = 0; label < labels; ++label)
        bytes += "\"" + QByteArray(characters, 'A') + "\"\r\n";
    for (int label = 0; label < labels; ++label)
        bytes += "0\r\n";
    for (int line = 0; line < labels * characters; ++line)
        bytes += record + "\r\n";
    return bytes + "0\r\n";
}

QByteArray shiftedRecord(double shift)
{
    const QByteArray amount = QByteArray::number(shift);
    return "0,30,40,0,0,0,0,400,#FALSE#,#FALSE#,#FALSE#,,,\"IPAGothic\",2,255," + amount + "," + amount + ",65280";
}

QByteArray labelFileOf(const QByteArray &textData) { return packedArchive({{"ptextdat.baf", textData}}); }

QByteArray manyMemberLabelFile(int members)
{
    QList<QPair<QByteArray, QByteArray>> list{{"ptextdat.baf", hostileTextData(1, 50, 1, shiftedRecord(1))}};
    for (int member = 1; member < members; ++member)
        list.append({"m" + QByteArray::number(member), "x"});
    return packedArchive(list);
}

QByteArray hugeTemplateFile(int size)
{
    QByteArray bytes = printStyle(size) + printStyle(size) + printStyle(20);
    for (int label = 0; label < 20; ++label)
        bytes += " 0  0 " + QByteArray::number(size) + "  " + QByteArray::number(size) + "  0  0 \r\n";
    return bytes;
}

QByteArray wmfFlood(int lines)
{
    WmfBytes wmf;
    wmf.setWindowOrg(0, 0).setWindowExt(1000, 1000).solidPen(colorRef(0, 0, 0)).selectObject(0);
    wmf.record(0x0214, {0, 0}); // MoveTo
    for (int line = 0; line < lines; ++line)
        wmf.record(0x0213, {quint16(line * 7 % 1000), quint16(line * 13 % 1000)}); // LineTo y, x
    return wmf.plain();
}

QByteArray emfFlood(int lines)
{
    EmfBytes emf;
    for (int line = 0; line < lines; ++line)
        emf.record(54, {quint32(line * 13 % 1000), quint32(line * 7 % 1000)}); // EMR_LINETO x, y
    return emf.bytes(QRect(0, 0, 1000, 1000), QRect(0, 0, 26458, 26458));
}

void writeSparseTextDataFile(const QString &path, qint64 claimed)
{
    const QByteArray header = rawHeader({1, 0, 0, "ptextdat.baf", qint32(claimed)});
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(header) != header.size() ||
        !file.resize(header.size() + claimed + 1))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

bool writeHostileFiles(const QString &folder)
{
    QDir().mkpath(folder);
    const QDir dir(folder);
    const QByteArray plain = "0,30,40,0,0,0,0,400,#FALSE#,#FALSE#,#FALSE#,,,\"IPAGothic\",0,0,0,0,0";
    bool ok = true;
    // Twenty labels of 10 m and of 2 m: each label's canvas alone would
    // take gigabytes.
    ok &= writeFile(dir.filePath("labels-10000mm.fhl"), labelFileOf(hostileTextData(20, 10000, 3, plain)));
    ok &= writeFile(dir.filePath("labels-2000mm.fhl"), labelFileOf(hostileTextData(20, 2000, 3, plain)));
    ok &= writeFile(dir.filePath("labels-10000mm.fom"), hugeTemplateFile(10000));
    // Three-dimensional text shifted 300 mm and 30 mm: thousands of copies
    // of every character on a printer.
    ok &= writeFile(dir.filePath("shift-300mm.fhl"), labelFileOf(hostileTextData(20, 200, 200, shiftedRecord(300))));
    ok &= writeFile(dir.filePath("shift-30mm.fhl"), labelFileOf(hostileTextData(20, 200, 200, shiftedRecord(30))));
    // The largest shift the editor allows, on every character of a full
    // sheet: a document of ours, which must print.
    ok &= writeFile(dir.filePath("shift-10mm.fhl"), labelFileOf(hostileTextData(20, 200, 200, shiftedRecord(10))));
    // Archives of thousands of members.
    ok &= writeFile(dir.filePath("members-4000.fhl"), manyMemberLabelFile(4000));
    ok &= writeFile(dir.filePath("members-10000.fhl"), manyMemberLabelFile(10000));
    // A text-data member of 1 GB.
    writeSparseTextDataFile(dir.filePath("text-data-1gb.fhl"), qint64(1) << 30);
    // An empty label file: refused, and still there afterwards.
    ok &= writeFile(dir.filePath("empty.fhl"), QByteArray());
    // Metafiles of millions of records.
    ok &= writeFile(dir.filePath("lines-2m.wmf"), wmfFlood(2'000'000));
    ok &= writeFile(dir.filePath("lines-1m.emf"), emfFlood(1'000'000));
    ok &= writeFile(dir.filePath("lines-4m.emf"), emfFlood(4'000'000));
    return ok;
}

} // namespace porkane::test
