#pragma once

// Text in every file of the program is in code page 932 (Shift-JIS with the
// Windows extensions), so that files made on Japanese Windows open unchanged.

#include <optional>

#include <QByteArray>
#include <QString>

namespace porkane {

// The text in code page 932. Characters the code page cannot hold are left
// out of the result and listed, each once, in `unencodable` (when given).
QByteArray encodeCp932(const QString &text, QString *unencodable = nullptr);

// The text as code page 932, or nothing when some character cannot be held.
std::optional<QByteArray> tryEncodeCp932(const QString &text);

// True when every character of the text can be written in code page 932.
bool isCp932Encodable(const QString &text);

// The bytes read as code page 932; nothing when they are not valid
// (an unknown byte, a lead byte without its trail byte).
std::optional<QString> decodeCp932(const QByteArray &bytes);

} // namespace porkane
