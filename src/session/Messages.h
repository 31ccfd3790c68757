#pragma once

// Texts more than one window shows. A CR starts a second line.

#include <QString>

namespace porkane {

inline const QString BrokenFileMessage =
    QStringLiteral("フォームファイルを正しく読み込めませんでした。\rファイルが壊れています。");
inline const QString OverwriteQuestion = QStringLiteral("ファイルを上書きしますか？");
inline const QString SaveFailedMessage = QStringLiteral("ファイルを保存できませんでした。");

} // namespace porkane
