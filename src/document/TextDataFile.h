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
// "prnbmp1.baf", "prnbmp2.baf", ...
QString imageMemberName(int imageNumber);

// Throws FileError for a text or slot the format cannot store (a double
// quote, a character outside code page 932).
QByteArray writeTextData(const LabelDocument &document);

// The document the bytes describe, with its image placements but without
// pictures (the caller loads them from the image members). Throws FileError
// for anything damaged or beyond the model's limits.
LabelDocument readTextData(const QByteArray &bytes);

} // namespace porkane
