#pragma once

// The text-data member of a label file (ptextdat.baf): the template block in
// print style, then in list style the label texts, the rotation flags, one
// line of 19 slots per text position, the image count and one placement line
// per image. The pictures themselves are separate members, prnbmp<N>.baf.

#include <QByteArray>
#include <QString>

#include "document/LabelDocument.h"

namespace porkane {

inline const QString TextDataMemberName = QStringLiteral("ptextdat.baf");

// The largest text data a document can need: 20 labels of 201 record lines,
// each far below 1 kB (19 values of at most two dozen characters and a
// face name), with room for the texts, the template and the placements.
// Anything larger is not a label document's; it is refused unread.
inline constexpr qint64 MaxRecordLineBytes = 1024;
inline constexpr qint64 MaxTextDataBytes =
    64 * 1024 + qint64(LabelDocument::MaxLabels) * LabelDocument::MaxPositions * MaxRecordLineBytes;
// "prnbmp1.baf", "prnbmp2.baf", ...
QString imageMemberName(int imageNumber);

// Throws FileError for a text or slot the format cannot store (a double
// quote, a character outside code page 932, a slot beyond its range) or
// for text data larger than MaxTextDataBytes: what is written always reads
// back.
QByteArray writeTextData(const LabelDocument &document);

// The document the bytes describe, with its image placements but without
// pictures (the caller loads them from the image members). Throws FileError
// for anything damaged or beyond the model's limits: more bytes than
// MaxTextDataBytes, a sheet or label beyond 1000 mm, a slot beyond its
// range (slotOutOfRange).
LabelDocument readTextData(const QByteArray &bytes);

} // namespace porkane
