#include "image/CustomerBarcode.h"

#include <optional>

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>

#include "core/Errors.h"

namespace porkane {

namespace {

// lupdate files these texts under the context the translator looks them up in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CustomerBarcode)
};

// Code points, so characters beyond the BMP count as one.
using Text = QList<uint>;

QString toQString(const Text &text)
{
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(text.constData()), text.size());
}

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool isLetter(char32_t c) { return c >= U'A' && c <= U'Z'; }

// Full-width letters, digits and signs as half-width ones, the ideographic
// space as a blank, dashes as the hyphen, lower case as upper case (rule 1).
char32_t normalised(char32_t c)
{
    if (c >= 0xFF01 && c <= 0xFF5E)
        c = c - 0xFF01 + 0x21;
    else if (c == 0x3000)
        c = U' ';
    else if ((c >= 0x2010 && c <= 0x2015) || c == 0x2212)
        c = U'-';
    if (c >= U'a' && c <= U'z')
        c = c - U'a' + U'A';
    return c;
}

// Rule 2: "&", "/", "・" and "." are taken out and the rest closes up.
bool isRemoved(char32_t c) { return c == U'&' || c == U'/' || c == U'.' || c == 0x30FB || c == 0xFF65; }

bool isBlank(char32_t c) { return c == U' ' || c == U'\t'; }

bool isKana(char32_t c)
{
    return (c >= 0x3041 && c <= 0x309F) || (c >= 0x30A0 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
           (c >= 0xFF66 && c <= 0xFF9F);
}

bool isKanji(char32_t c)
{
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0x20000 && c <= 0x3FFFF) || c == 0x3005 || c == 0x3006 || c == 0x3007;
}

// Kanji numerals: the digit's value, or -1.
int kanjiDigit(char32_t c)
{
    switch (c) {
    case U'〇':
    case U'零':
        return 0;
    case U'一':
    case U'壱':
        return 1;
    case U'二':
    case U'弐':
        return 2;
    case U'三':
    case U'参':
        return 3;
    case U'四':
        return 4;
    case U'五':
        return 5;
    case U'六':
        return 6;
    case U'七':
        return 7;
    case U'八':
        return 8;
    case U'九':
        return 9;
    default:
        return -1;
    }
}

// Kanji numeral units: 10, 100, 1000, 10000, or 0.
int kanjiUnit(char32_t c)
{
    switch (c) {
    case U'十':
    case U'拾':
        return 10;
    case U'百':
        return 100;
    case U'千':
        return 1000;
    case U'万':
        return 10000;
    default:
        return 0;
    }
}

bool isKanjiNumeral(char32_t c) { return kanjiDigit(c) >= 0 || kanjiUnit(c) > 0; }

// A run of kanji numerals as a number: "二十一" 21, "百五" 105, "一〇五"
// 105 (digit by digit); nothing for a run that is no number ("十十").
std::optional<QString> kanjiNumber(const Text &run)
{
    bool units = false;
    for (const char32_t c : run)
        units = units || kanjiUnit(c) > 0;
    if (!units) {
        QString digits;
        for (const char32_t c : run)
            digits += QChar(u'0' + kanjiDigit(c));
        return digits;
    }
    qint64 total = 0;
    qint64 section = 0;
    int digit = -1;
    int lastUnit = 10000; // units within a section fall: 千, 百, 十
    bool tenThousands = false;
    for (const char32_t c : run) {
        const int value = kanjiDigit(c);
        const int unit = kanjiUnit(c);
        if (value >= 0) {
            if (digit >= 0 || value == 0)
                return std::nullopt;
            digit = value;
        } else if (unit == 10000) {
            section += digit >= 0 ? digit : 0;
            if (tenThousands || section == 0)
                return std::nullopt;
            total = section * 10000;
            section = 0;
            digit = -1;
            lastUnit = 10000;
            tenThousands = true;
        } else {
            if (unit >= lastUnit)
                return std::nullopt;
            section += qint64(digit >= 0 ? digit : 1) * unit;
            digit = -1;
            lastUnit = unit;
        }
    }
    total += section + (digit >= 0 ? digit : 0);
    return QString::number(total);
}

// Supplementary rule 1: kanji numerals before 丁目, 丁, 番地, 番, 号, 地割,
// 線, の or ノ become arabic numerals.
Text withKanjiNumbersConverted(const Text &text)
{
    const auto beforeMarker = [&text](qsizetype at) {
        if (at >= text.size())
            return false;
        const char32_t c = text[at];
        if (c == U'丁' || c == U'番' || c == U'号' || c == U'線' || c == U'の' || c == U'ノ')
            return true;
        return c == U'地' && at + 1 < text.size() && text[at + 1] == U'割';
    };
    Text result;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isKanjiNumeral(text[i])) {
            result.append(text[i++]);
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && isKanjiNumeral(text[end]))
            ++end;
        const Text run = text.mid(i, end - i);
        if (beforeMarker(end)) {
            const std::optional<QString> number = kanjiNumber(run);
            if (!number)
                throw UserError(Texts::tr("住所Bの漢数字「%1」を数字に直せません").arg(toQString(run)));
            result.append(number->toUcs4());
        } else {
            result.append(run);
        }
        i = end;
    }
    return result;
}

enum class Kind { Digits, Hyphen, Letter, FloorF, Other };

struct Piece {
    Kind kind;
    QString text;
};

} // namespace

QString addressDisplayNumber(const QString &addressB)
{
    // Rules 1 and 2.
    Text text;
    for (char32_t c : addressB.toUcs4()) {
        c = normalised(c);
        if (isRemoved(c))
            continue;
        const bool known = isDigit(c) || isLetter(c) || c == U'-' || isBlank(c) || isKana(c) || isKanji(c);
        if (!known)
            throw UserError(
                Texts::tr("住所Bの「%1」はバーコードの抜き出し規則にない文字のため、住所表示番号を決められません")
                    .arg(toQString(Text{c})));
        text.append(c);
    }
    text = withKanjiNumbersConverted(text);

    // Rule 3: digits, hyphens and single letters are taken; kanji, kana,
    // blanks and runs of two letters or more are not.
    QList<Piece> pieces;
    qsizetype i = 0;
    while (i < text.size()) {
        const char32_t c = text[i];
        qsizetype end = i + 1;
        Kind kind = Kind::Other;
        if (isDigit(c)) {
            while (end < text.size() && isDigit(text[end]))
                ++end;
            kind = Kind::Digits;
        } else if (c == U'-') {
            kind = Kind::Hyphen;
        } else if (isLetter(c)) {
            while (end < text.size() && isLetter(text[end]))
                ++end;
            // Supplementary rule 2: an "F" after digits (a floor) is not taken.
            if (end - i >= 2)
                kind = Kind::Other;
            else if (c == U'F' && i > 0 && isDigit(text[i - 1]))
                kind = Kind::FloorF;
            else
                kind = Kind::Letter;
        } else {
            while (end < text.size() && !isDigit(text[end]) && text[end] != U'-' && !isLetter(text[end]))
                ++end;
        }
        pieces.append({kind, toQString(text.mid(i, end - i))});
        i = end;
    }

    // Rule 4 and supplementary rule 3: what is not taken becomes one hyphen
    // when something taken follows it, and is dropped otherwise.
    QString number;
    bool takenAfter = false;
    for (qsizetype p = pieces.size() - 1; p >= 0; --p) {
        const Piece &piece = pieces[p];
        const bool taken = piece.kind == Kind::Digits || piece.kind == Kind::Hyphen || piece.kind == Kind::Letter;
        if (taken)
            number.prepend(piece.text);
        else if (takenAfter)
            number.prepend(u'-');
        takenAfter = takenAfter || taken;
    }

    // Rule 5: hyphens that meet become one; rule 6: none at the start.
    QString joined;
    for (const QChar c : number) {
        if (c == u'-' && (joined.isEmpty() || joined.back() == u'-'))
            continue;
        joined += c;
    }
    // Supplementary rules 4 and 5: no hyphen beside a letter, and letters
    // that meet then stay as they are.
    QString result;
    for (qsizetype at = 0; at < joined.size(); ++at) {
        if (joined[at] == u'-' &&
            ((at > 0 && joined[at - 1].isLetter()) || (at + 1 < joined.size() && joined[at + 1].isLetter())))
            continue;
        result += joined[at];
    }
    return result;
}

QString normalisedPostcode(const QString &postcode)
{
    QString text;
    for (const char32_t c : postcode.trimmed().toUcs4())
        text += toQString(Text{normalised(c)});
    static const QRegularExpression form(QStringLiteral("^([0-9]{3})-?([0-9]{4})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        throw UserError(Texts::tr("郵便番号は数字7桁（123-4567）で入力してください（「%1」）").arg(postcode));
    return match.captured(1) + match.captured(2);
}

CustomerDataCut cutCustomerData(const QString &uncut)
{
    CustomerDataCut cut;
    int digits = 0;
    for (const QChar c : uncut) {
        const int width = c.isLetter() ? 2 : 1;
        if (digits + width > 20) {
            if (width == 2 && digits == 19)
                cut.danglingLetter = c;
            break;
        }
        cut.data += c;
        digits += width;
    }
    return cut;
}

QString customerBarcodeData(const QString &postcode, const QString &addressB)
{
    const QString code = normalisedPostcode(postcode);
    if (code.endsWith(QLatin1String("00")))
        throw UserError(Texts::tr("郵便番号 %1-%2 は下2けたが00の代表の郵便番号のため、カスタマバーコードを付けません")
                            .arg(code.left(3), code.mid(3)));
    const CustomerDataCut cut = cutCustomerData(code + addressDisplayNumber(addressB));
    if (!cut.danglingLetter.isNull())
        throw UserError(Texts::tr("住所表示番号が20けたを超え、20けた目が英字「%1」の途中で切れるため、"
                                  "カスタマバーコードを作れません")
                            .arg(cut.danglingLetter));
    return cut.data;
}

} // namespace porkane
