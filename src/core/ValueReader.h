#pragma once

// Sequential reader of the settings and data files, for both value styles:
// it takes one value at a time, skipping leading spaces; a value ends at a
// comma or a line end (a number also at a space), a quoted string at its
// closing quote and may span lines. Any value that does not convert to the
// type asked for, or a file that ends too soon, throws FileError naming the
// file and the line.

#include <QByteArray>
#include <QString>

#include "core/Variant.h"

namespace porkane {

class ValueReader {
public:
    // `source` names the file in error messages.
    ValueReader(QByteArray data, QString source);

    qint16 int16();
    qint32 int32();
    double number();
    float single();
    QString string();
    // Quoted text is a string, #TRUE#/#FALSE# a boolean, nothing is empty,
    // a whole number a 16- or 32-bit integer when it fits, else a double.
    Variant variant();

    // True when only spaces and line ends are left.
    bool atEnd() const;
    int line() const { return line_; }

    [[noreturn]] void fail(int line, const QString &problem) const;

private:
    struct Token {
        QByteArray bytes;
        bool quoted = false;
        int line = 0;
    };
    Token next(bool numberContext);
    double numberFrom(const Token &token, const char *expected);
    void skipSpaces();
    void consumeDelimiter();
    QString shown(const Token &token) const;

    QByteArray data_;
    QString source_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

} // namespace porkane
