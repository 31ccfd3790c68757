#pragma once

// Texts more than one window shows. A CR starts a second line.

#include <QString>

namespace porkane {

inline const QString BrokenFileMessage =
    QStringLiteral("フォームファイルを正しく読み込めませんでした。\rファイルが壊れています。");
inline const QString OverwriteQuestion = QStringLiteral("ファイルを上書きしますか？");
inline const QString SaveFailedMessage = QStringLiteral("ファイルを保存できませんでした。");

// Shown while a window is not part of the program yet.
inline const QString EditorNotReadyMessage = QStringLiteral("文字入力画面は準備中です。");
inline const QString FormatSettingsNotReadyMessage = QStringLiteral("書式設定画面は準備中です。");

} // namespace porkane
