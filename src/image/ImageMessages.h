#pragma once

// Texts of the picture operations, shown by the image paste dialog.

#include <QString>

namespace porkane {

inline const QString AngleRangeMessage = QStringLiteral("設定できる角度は、0～360度です。");
inline const QString TurningMessage = QStringLiteral("画像を回転中です。しばらくお待ちください．．．");

// Status-line texts of loading; %1 is the file name.
inline const QString CannotOpenPictureMessage = QStringLiteral("「%1」を開けませんでした。");
inline const QString NotAPictureMessage = QStringLiteral("「%1」は読み込める画像ファイルではありません。");
inline const QString DamagedPictureMessage = QStringLiteral("「%1」の画像は壊れているため読み込めません。");
// %1 × %2 are the picture's width and height in pixels.
inline const QString PictureTooLargeMessage =
    QStringLiteral("画像が大きすぎます（%1 × %2 ピクセル）。これより小さな画像をお使いください。");
inline const QString NoClipboardPictureMessage = QStringLiteral("クリップボードに画像がありません。");
inline const QString NoPictureMessage = QStringLiteral("画像がありません。");

} // namespace porkane
