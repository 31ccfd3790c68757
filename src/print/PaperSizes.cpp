#include "print/PaperSizes.h"

#include <array>
#include <utility>

namespace porkane {

namespace {

// The texts users of the program know, half-width katakana and spacing as
// they always were (code 40 has no blank before its size).
const std::array<std::pair<int, const char16_t *>, 42> PaperTable = {{
    {1, u"ﾚﾀｰ (8 1/2 x 11 ｲﾝﾁ)"},
    {2, u"ﾚﾀｰｽﾓｰﾙ (8 1/2 x 11 ｲﾝﾁ)"},
    {3, u"ﾀﾌﾞﾛｲﾄﾞ (11 x 17 ｲﾝﾁ)"},
    {4, u"ﾚｼﾞｬｰ (17 x 11 ｲﾝﾁ)"},
    {5, u"ﾘｰｶﾞﾙ (8 1/2 x 14 ｲﾝﾁ)"},
    {6, u"ｽﾃｰﾄﾒﾝﾄ (5 1/2 x 8 1/2 ｲﾝﾁ)"},
    {7, u"ｴｸﾞｾﾞｸﾃｨﾌﾞ (7 1/2 x 10 1/2 ｲﾝﾁ)"},
    {8, u"A3 (297 x 420 mm)"},
    {9, u"A4 (210 x 297 mm)"},
    {10, u"A4 Small (210 x 297 mm)"},
    {11, u"A5 (148 x 210 mm)"},
    {12, u"B4 (250 x 354 mm)"},
    {13, u"B5 (182 x 257 mm)"},
    {14, u"ﾌｫﾘｵ (8 1/2 x 13 ｲﾝﾁ)"},
    {15, u"ｸｫｰﾄ (215 x 275 mm)"},
    {16, u"10 x 14 ｲﾝﾁ"},
    {17, u"11 x 17 ｲﾝﾁ"},
    {18, u"ﾉｰﾄ (8 1/2 x 11 ｲﾝﾁ)"},
    {19, u"封筒 #9 (3 7/8 x 8 7/8 ｲﾝﾁ)"},
    {20, u"封筒 #10 (4 1/8 x 9 1/2 ｲﾝﾁ)"},
    {21, u"封筒 #11 (4 1/2 x 10 3/8 ｲﾝﾁ)"},
    {22, u"封筒 #12 (4 1/2 x 11 ｲﾝﾁ)"},
    {23, u"封筒 #14 (5 x 11 1/2 ｲﾝﾁ)"},
    {24, u"C ｻｲｽﾞｼｰﾄ"},
    {25, u"D ｻｲｽﾞｼｰﾄ"},
    {26, u"E ｻｲｽﾞｼｰﾄ"},
    {27, u"封筒 DL (110 x 220 mm)"},
    {28, u"封筒 C5 (162 x 229 mm)"},
    {29, u"封筒 C3 (324 x 458 mm)"},
    {30, u"封筒 C4 (229 x 324 mm)"},
    {31, u"封筒 C6 (114 x 162 mm)"},
    {32, u"封筒 C65 (114 x 229 mm)"},
    {33, u"封筒 B4 (250 x 353 mm)"},
    {34, u"封筒 B5 (176 x 250 mm)"},
    {35, u"封筒 B6 (176 x 125 mm)"},
    {36, u"封筒 (110 x 230 mm)"},
    {37, u"封筒 Monarch (3 7/8 x 7 1/2 ｲﾝﾁ)"},
    {38, u"封筒 (3 5/8 x 6 1/2 ｲﾝﾁ)"},
    {39, u"U.S. ｽﾀﾝﾀﾞｰﾄﾞ ﾌｧﾝﾌｫｰﾙﾄﾞ (14 7/8 x 11 ｲﾝﾁ)"},
    {40, u"ﾄﾞｲﾂ ｽﾀﾝﾀﾞｰﾄﾞ ﾌｧﾝﾌｫｰﾙﾄﾞ(8 1/2 x 12 ｲﾝﾁ)"},
    {41, u"ﾄﾞｲﾂ ﾘｰｶﾞﾙ ﾌｧﾝﾌｫｰﾙﾄﾞ (8 1/2 x 13 ｲﾝﾁ)"},
    {256, u"ユーザー定義のサイズ"},
}};

} // namespace

std::optional<QString> paperSizeText(int paperCode)
{
    for (const auto &[code, text] : PaperTable) {
        if (code == paperCode)
            return QString::fromUtf16(text);
    }
    return std::nullopt;
}

} // namespace porkane
