#include "print/PaperSizes.h"

#include <array>
#include <utility>

#include <QCoreApplication>

namespace porkane {

namespace {

// The texts users of the program know, half-width katakana and spacing as
// they always were (code 40 has no blank before its size); the English
// interface shows its own.
const std::array<std::pair<int, const char *>, 42> PaperTable = {{
    {1, QT_TRANSLATE_NOOP("PaperSizes", "ﾚﾀｰ (8 1/2 x 11 ｲﾝﾁ)")},
    {2, QT_TRANSLATE_NOOP("PaperSizes", "ﾚﾀｰｽﾓｰﾙ (8 1/2 x 11 ｲﾝﾁ)")},
    {3, QT_TRANSLATE_NOOP("PaperSizes", "ﾀﾌﾞﾛｲﾄﾞ (11 x 17 ｲﾝﾁ)")},
    {4, QT_TRANSLATE_NOOP("PaperSizes", "ﾚｼﾞｬｰ (17 x 11 ｲﾝﾁ)")},
    {5, QT_TRANSLATE_NOOP("PaperSizes", "ﾘｰｶﾞﾙ (8 1/2 x 14 ｲﾝﾁ)")},
    {6, QT_TRANSLATE_NOOP("PaperSizes", "ｽﾃｰﾄﾒﾝﾄ (5 1/2 x 8 1/2 ｲﾝﾁ)")},
    {7, QT_TRANSLATE_NOOP("PaperSizes", "ｴｸﾞｾﾞｸﾃｨﾌﾞ (7 1/2 x 10 1/2 ｲﾝﾁ)")},
    {8, QT_TRANSLATE_NOOP("PaperSizes", "A3 (297 x 420 mm)")},
    {9, QT_TRANSLATE_NOOP("PaperSizes", "A4 (210 x 297 mm)")},
    {10, QT_TRANSLATE_NOOP("PaperSizes", "A4 Small (210 x 297 mm)")},
    {11, QT_TRANSLATE_NOOP("PaperSizes", "A5 (148 x 210 mm)")},
    {12, QT_TRANSLATE_NOOP("PaperSizes", "B4 (250 x 354 mm)")},
    {13, QT_TRANSLATE_NOOP("PaperSizes", "B5 (182 x 257 mm)")},
    {14, QT_TRANSLATE_NOOP("PaperSizes", "ﾌｫﾘｵ (8 1/2 x 13 ｲﾝﾁ)")},
    {15, QT_TRANSLATE_NOOP("PaperSizes", "ｸｫｰﾄ (215 x 275 mm)")},
    {16, QT_TRANSLATE_NOOP("PaperSizes", "10 x 14 ｲﾝﾁ")},
    {17, QT_TRANSLATE_NOOP("PaperSizes", "11 x 17 ｲﾝﾁ")},
    {18, QT_TRANSLATE_NOOP("PaperSizes", "ﾉｰﾄ (8 1/2 x 11 ｲﾝﾁ)")},
    {19, QT_TRANSLATE_NOOP("PaperSizes", "封筒 #9 (3 7/8 x 8 7/8 ｲﾝﾁ)")},
    {20, QT_TRANSLATE_NOOP("PaperSizes", "封筒 #10 (4 1/8 x 9 1/2 ｲﾝﾁ)")},
    {21, QT_TRANSLATE_NOOP("PaperSizes", "封筒 #11 (4 1/2 x 10 3/8 ｲﾝﾁ)")},
    {22, QT_TRANSLATE_NOOP("PaperSizes", "封筒 #12 (4 1/2 x 11 ｲﾝﾁ)")},
    {23, QT_TRANSLATE_NOOP("PaperSizes", "封筒 #14 (5 x 11 1/2 ｲﾝﾁ)")},
    {24, QT_TRANSLATE_NOOP("PaperSizes", "C ｻｲｽﾞｼｰﾄ")},
    {25, QT_TRANSLATE_NOOP("PaperSizes", "D ｻｲｽﾞｼｰﾄ")},
    {26, QT_TRANSLATE_NOOP("PaperSizes", "E ｻｲｽﾞｼｰﾄ")},
    {27, QT_TRANSLATE_NOOP("PaperSizes", "封筒 DL (110 x 220 mm)")},
    {28, QT_TRANSLATE_NOOP("PaperSizes", "封筒 C5 (162 x 229 mm)")},
    {29, QT_TRANSLATE_NOOP("PaperSizes", "封筒 C3 (324 x 458 mm)")},
    {30, QT_TRANSLATE_NOOP("PaperSizes", "封筒 C4 (229 x 324 mm)")},
    {31, QT_TRANSLATE_NOOP("PaperSizes", "封筒 C6 (114 x 162 mm)")},
    {32, QT_TRANSLATE_NOOP("PaperSizes", "封筒 C65 (114 x 229 mm)")},
    {33, QT_TRANSLATE_NOOP("PaperSizes", "封筒 B4 (250 x 353 mm)")},
    {34, QT_TRANSLATE_NOOP("PaperSizes", "封筒 B5 (176 x 250 mm)")},
    {35, QT_TRANSLATE_NOOP("PaperSizes", "封筒 B6 (176 x 125 mm)")},
    {36, QT_TRANSLATE_NOOP("PaperSizes", "封筒 (110 x 230 mm)")},
    {37, QT_TRANSLATE_NOOP("PaperSizes", "封筒 Monarch (3 7/8 x 7 1/2 ｲﾝﾁ)")},
    {38, QT_TRANSLATE_NOOP("PaperSizes", "封筒 (3 5/8 x 6 1/2 ｲﾝﾁ)")},
    {39, QT_TRANSLATE_NOOP("PaperSizes", "U.S. ｽﾀﾝﾀﾞｰﾄﾞ ﾌｧﾝﾌｫｰﾙﾄﾞ (14 7/8 x 11 ｲﾝﾁ)")},
    {40, QT_TRANSLATE_NOOP("PaperSizes", "ﾄﾞｲﾂ ｽﾀﾝﾀﾞｰﾄﾞ ﾌｧﾝﾌｫｰﾙﾄﾞ(8 1/2 x 12 ｲﾝﾁ)")},
    {41, QT_TRANSLATE_NOOP("PaperSizes", "ﾄﾞｲﾂ ﾘｰｶﾞﾙ ﾌｧﾝﾌｫｰﾙﾄﾞ (8 1/2 x 13 ｲﾝﾁ)")},
    {256, QT_TRANSLATE_NOOP("PaperSizes", "ユーザー定義のサイズ")},
}};

} // namespace

std::optional<QString> paperSizeText(int paperCode)
{
    for (const auto &[code, text] : PaperTable) {
        if (code == paperCode)
            return QCoreApplication::translate("PaperSizes", text);
    }
    return std::nullopt;
}

} // namespace porkane
