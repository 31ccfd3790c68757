#include "ArchiveBytes.h"

#include <QtEndian>

namespace porkane::test {

namespace {
template <typename T>
void put(QByteArray &bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}
} // namespace

QByteArray rawHeader(const RawHeader &header)
{
    QByteArray bytes;
    put<qint16>(bytes, header.flag);
    put<qint32>(bytes, header.offset);
    put<qint32>(bytes, header.index);
    put<qint16>(bytes, header.nameLength.value_or(qint16(header.name.size())));
    bytes += header.name;
    put<qint32>(bytes, header.length);
    return bytes;
}

QByteArray packedArchive(const QList<QPair<QByteArray, QByteArray>> &members)
{
    QByteArray headers, data;
    qint32 offset = 0;
    for (qsizetype i = 0; i < members.size(); ++i) {
        const auto &[name, content] = members[i];
        headers += rawHeader({qint16(i + 1 == members.size() ? 1 : 0), offset, qint32(i), name, qint32(content.size())});
        offset += qint32(content.size());
        data += content;
        data += '\0';
    }
    return headers + data;
}

} // namespace porkane::test
