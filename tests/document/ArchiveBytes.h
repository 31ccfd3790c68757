#pragma once

// Label-file bytes built field by field, the way any other writer of the
// format would, independent of our packer.

#include <optional>

#include <QByteArray>
#include <QList>
#include <QPair>

namespace porkane::test {

struct RawHeader {
    qint16 flag;
    qint32 offset;
    qint32 index;
    QByteArray name;
    qint32 length;
    std::optional<qint16> nameLength = {}; // none: the name's real length
};

QByteArray rawHeader(const RawHeader &header);

// A well-formed archive of the members (name, bytes), in order.
QByteArray packedArchive(const QList<QPair<QByteArray, QByteArray>> &members);

} // namespace porkane::test
