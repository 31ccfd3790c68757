#include "print/MergeData.h"

#include <csv.h>

#include <algorithm>
#include <optional>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "core/Cp932.h"
#include "core/Errors.h"

namespace porkane {

namespace {

// An address list larger than this is not a list of labels.
constexpr qint64 LargestList = 256 * 1024 * 1024;

// lupdate files these texts under the context the translator looks them up in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MergeData)
};

// The bytes as UTF-8, or nothing when they are not UTF-8. A stateless
// decoder keeps no error state, and a stateful one holds back a cut-off
// sequence at the end without calling it an error; valid UTF-8 is exactly
// what survives the way there and back.
std::optional<QString> fromUtf8(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        return std::nullopt;
    return text;
}

bool isUtf8(const QByteArray &bytes) { return fromUtf8(bytes).has_value(); }

// UTF-8 when the bytes are UTF-8, Shift-JIS when they are that. A list
// that is neither is damaged: it is read as the encoding more of its lines
// are in, UTF-8 when as many, so the refusal names the faulty field rather
// than a field name turned to nonsense by the wrong encoding.
TextEncoding guessEncoding(const QByteArray &bytes)
{
    if (isUtf8(bytes))
        return TextEncoding::Utf8;
    if (decodeCp932(bytes))
        return TextEncoding::Cp932;
    int utf8Lines = 0;
    int shiftJisLines = 0;
    for (const QByteArray &line : bytes.split('\n')) {
        if (std::all_of(line.begin(), line.end(), [](char c) { return uchar(c) < 0x80; }))
            continue;
        utf8Lines += isUtf8(line);
        shiftJisLines += decodeCp932(line).has_value();
    }
    return shiftJisLines > utf8Lines ? TextEncoding::Cp932 : TextEncoding::Utf8;
}

struct Collected {
    std::vector<std::vector<QByteArray>> rows;
    std::vector<QByteArray> row;
};

void onField(void *text, size_t length, void *data)
{
    auto *collected = static_cast<Collected *>(data);
    collected->row.emplace_back(static_cast<const char *>(text), qsizetype(length));
}

void onRowEnd(int, void *data)
{
    auto *collected = static_cast<Collected *>(data);
    collected->rows.push_back(std::move(collected->row));
    collected->row.clear();
}

class CsvParser {
public:
    explicit CsvParser(bool tabSeparated)
    {
        csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
        if (tabSeparated)
            csv_set_delim(&parser_, '\t');
    }
    ~CsvParser() { csv_free(&parser_); }
    CsvParser(const CsvParser &) = delete;
    CsvParser &operator=(const CsvParser &) = delete;

    // False when the bytes are not CSV; the rows up to the fault are kept.
    bool parse(const QByteArray &bytes, Collected &collected)
    {
        if (csv_parse(&parser_, bytes.constData(), size_t(bytes.size()), onField, onRowEnd, &collected) !=
            size_t(bytes.size()))
            return false;
        return csv_fini(&parser_, onField, onRowEnd, &collected) == 0;
    }
    int error() { return csv_error(&parser_); }

private:
    csv_parser parser_{};
};

} // namespace

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Detect:
        return Texts::tr("自動判別");
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Cp932:
        return Texts::tr("Shift-JIS");
    }
    return {};
}

MergeData parseMergeData(const QByteArray &input, const QString &name, TextEncoding encoding, bool tabSeparated)
{
    QByteArray bytes = input;
    const bool byteOrderMark = bytes.startsWith("\xEF\xBB\xBF");
    if (byteOrderMark)
        bytes.remove(0, 3);
    if (bytes.trimmed().isEmpty())
        throw FileError(Texts::tr("%1: データがありません（空のファイルです）。").arg(name));

    if (encoding == TextEncoding::Detect)
        encoding = byteOrderMark ? TextEncoding::Utf8 : guessEncoding(bytes);
    else if (encoding == TextEncoding::Cp932 && byteOrderMark)
        throw FileError(Texts::tr("%1: UTF-8 のファイルです（先頭に BOM があります）。").arg(name));

    // Every byte of a quote, comma, tab or line end is that character in
    // both encodings (Shift-JIS trail bytes start at 0x40), so the bytes are
    // split first and each field decoded on its own.
    Collected collected;
    CsvParser parser(tabSeparated);
    if (!parser.parse(bytes, collected)) {
        const int row = int(collected.rows.size()) + 1;
        if (parser.error() == CSV_ENOMEM || parser.error() == CSV_ETOOBIG)
            throw FileError(Texts::tr("%1: %2 行目が大きすぎて読めません。").arg(name).arg(row));
        throw FileError(Texts::tr("%1: %2 行目の引用符（\"）の使い方が正しくありません。").arg(name).arg(row));
    }

    MergeData data;
    data.file = name;
    data.encoding = encoding;
    const auto decode = [&](const QByteArray &field, int row, const QString &fieldName) {
        if (encoding == TextEncoding::Utf8) {
            if (std::optional<QString> text = fromUtf8(field))
                return *text;
        } else if (const std::optional<QString> text = decodeCp932(field)) {
            return *text;
        }
        throw FileError(Texts::tr("%1: %2 行目の「%3」: %4 として読めない文字があります。")
                            .arg(name)
                            .arg(row)
                            .arg(fieldName, encodingName(encoding)));
    };

    const std::vector<QByteArray> &names = collected.rows.front();
    for (std::size_t column = 0; column < names.size(); ++column) {
        const QString fieldName = decode(names[column], 1, Texts::tr("%1 列目").arg(column + 1)).trimmed();
        if (fieldName.isEmpty())
            throw FileError(Texts::tr("%1: 1 行目（項目名）の %2 列目が空です。").arg(name).arg(column + 1));
        if (data.fieldNames.contains(fieldName))
            throw FileError(Texts::tr("%1: 1 行目（項目名）に「%2」が二つあります。").arg(name, fieldName));
        data.fieldNames << fieldName;
    }
    data.rows.reserve(collected.rows.size() - 1);
    for (std::size_t index = 1; index < collected.rows.size(); ++index) {
        const std::vector<QByteArray> &fields = collected.rows[index];
        const int row = int(index) + 1;
        if (fields.size() != names.size())
            throw FileError(Texts::tr("%1: %2 行目の項目が %3 個あります（項目名は %4 個です）。")
                                .arg(name)
                                .arg(row)
                                .arg(fields.size())
                                .arg(names.size()));
        QStringList values;
        values.reserve(qsizetype(fields.size()));
        for (std::size_t column = 0; column < fields.size(); ++column)
            values << decode(fields[column], row, data.fieldNames[qsizetype(column)]);
        data.rows.push_back(std::move(values));
    }
    if (data.rows.empty())
        throw FileError(Texts::tr("%1: 項目名の行のほかにデータがありません。").arg(name));
    return data;
}

MergeData readMergeData(const QString &path, TextEncoding encoding)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(Texts::tr("%1: 開けません（%2）。").arg(name, file.errorString()));
    if (file.size() > LargestList)
        throw FileError(Texts::tr("%1: 大きすぎます（%2 MB まで）。").arg(name).arg(LargestList / (1024 * 1024)));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(Texts::tr("%1: 読めません（%2）。").arg(name, file.errorString()));
    const QString suffix = info.suffix().toLower();
    bool tabs = suffix == QLatin1String("tsv") || suffix == QLatin1String("tab");
    if (!tabs && suffix != QLatin1String("csv")) {
        const QByteArray firstLine = bytes.left(bytes.indexOf('\n'));
        tabs = firstLine.contains('\t') && !firstLine.contains(',');
    }
    return parseMergeData(bytes, name, encoding, tabs);
}

} // namespace porkane
