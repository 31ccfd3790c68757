#pragma once

// Texts more than one window shows. A CR starts a second line.

#include <QCoreApplication>
#include <QString>

namespace porkane {

inline QString BrokenFileMessage()
{
    return QCoreApplication::translate("Messages", "フォームファイルを正しく読み込めませんでした。\rファイルが壊れています。");
}
inline QString OverwriteQuestion() { return QCoreApplication::translate("Messages", "ファイルを上書きしますか？"); }
inline QString SaveFailedMessage() { return QCoreApplication::translate("Messages", "ファイルを保存できませんでした。"); }

} // namespace porkane
