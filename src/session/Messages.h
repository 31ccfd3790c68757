#pragma once

// Texts more than one window shows. A CR starts a second line.

#include <QCoreApplication>
#include <QString>

#include "document/DocumentSource.h"

namespace porkane {

class UserError;

// "フォームファイルを正しく読み込めませんでした。" (for a label file
// "ラベルファイル…"), CR, "ファイルが壊れています。"; with a path, a line naming
// the file follows, and with a reason, a line giving it.
QString BrokenFileMessage(DocumentKind kind = DocumentKind::Template, const QString &path = QString(),
                          const QString &reason = QString());
// The message for a file of `kind` at `path` that could not be opened:
// BrokenFileMessage with the error's reason, except that memory running
// out is no damage of the file and says so instead.
QString OpenRefusedMessage(DocumentKind kind, const QString &path, const UserError &error);

inline QString OverwriteQuestion() { return QCoreApplication::translate("Messages", "ファイルを上書きしますか？"); }
inline QString SaveFailedMessage() { return QCoreApplication::translate("Messages", "ファイルを保存できませんでした。"); }

} // namespace porkane
