#include "core/Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace porkane {

namespace {

// One conversion descriptor per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    iconv_t reset()
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return cd_;
    }

private:
    iconv_t cd_;
};

Converter &encoder()
{
    thread_local Converter converter("CP932", "UTF-16LE");
    return converter;
}

Converter &decoder()
{
    thread_local Converter converter("UTF-16LE", "CP932");
    return converter;
}

bool isAscii(const QByteArray &bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool isAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

QByteArray encodeCp932(const QString &text, QString *unencodable)
{
    if (isAscii(text))
        return text.toLatin1();

    iconv_t cd = encoder().reset();
    // UTF-16 code units in, at most two bytes out per unit.
    char *in = const_cast<char *>(reinterpret_cast<const char *>(text.utf16()));
    size_t inLeft = size_t(text.size()) * 2;
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char *outPtr = out.data();
    size_t outLeft = size_t(out.size());

    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        // Skip the character that has no code, a surrogate pair as a whole.
        const qsizetype unit = (reinterpret_cast<const char16_t *>(in) -
                                reinterpret_cast<const char16_t *>(text.utf16()));
        qsizetype width = 1;
        if (QChar::isHighSurrogate(text.at(unit).unicode()) && unit + 1 < text.size() &&
            QChar::isLowSurrogate(text.at(unit + 1).unicode()))
            width = 2;
        if (unencodable) {
            const QString character = text.mid(unit, width);
            if (!unencodable->contains(character))
                unencodable->append(character);
        }
        in += width * 2;
        inLeft -= size_t(width) * 2;
        cd = encoder().reset();
    }
    out.truncate(outPtr - out.data());
    return out;
}

std::optional<QByteArray> tryEncodeCp932(const QString &text)
{
    QString missing;
    QByteArray bytes = encodeCp932(text, &missing);
    if (!missing.isEmpty())
        return std::nullopt;
    return bytes;
}

bool isCp932Encodable(const QString &text) { return tryEncodeCp932(text).has_value(); }

std::optional<QString> decodeCp932(const QByteArray &bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);

    iconv_t cd = decoder().reset();
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    // Every byte becomes at most one UTF-16 unit.
    std::vector<char16_t> out(bytes.size() + 1);
    char *outPtr = reinterpret_cast<char *>(out.data());
    size_t outLeft = out.size() * 2;
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
        return std::nullopt;
    const qsizetype units = (out.size() * 2 - outLeft) / 2;
    return QString(reinterpret_cast<const QChar *>(out.data()), units);
}

} // namespace porkane
