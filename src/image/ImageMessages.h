#pragma once

// Texts of the picture operations, shown by the image paste dialog.

#include <QCoreApplication>
#include <QString>

namespace porkane {

inline QString AngleRangeMessage()
{
    return QCoreApplication::translate("ImageMessages", "設定できる角度は、0～360度です。");
}
inline QString TurningMessage()
{
    return QCoreApplication::translate("ImageMessages", "画像を回転中です。しばらくお待ちください．．．");
}

// Status-line texts of loading; %1 is the file name.
inline QString CannotOpenPictureMessage()
{
    return QCoreApplication::translate("ImageMessages", "「%1」を開けませんでした。");
}
inline QString NotAPictureMessage()
{
    return QCoreApplication::translate("ImageMessages", "「%1」は読み込める画像ファイルではありません。");
}
inline QString DamagedPictureMessage()
{
    return QCoreApplication::translate("ImageMessages", "「%1」の画像は壊れているため読み込めません。");
}
// %1 × %2 are the picture's width and height in pixels.
inline QString PictureTooLargeMessage()
{
    return QCoreApplication::translate("ImageMessages",
        "画像が大きすぎます（%1 × %2 "
        "ピクセル）。これより小さな画像をお使いください。");
}
inline QString NoClipboardPictureMessage()
{
    return QCoreApplication::translate("ImageMessages", "クリップボードに画像がありません。");
}
inline QString NoPictureMessage() { return QCoreApplication::translate("ImageMessages", "画像がありません。"); }

} // namespace porkane
