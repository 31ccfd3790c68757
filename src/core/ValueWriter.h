#pragma once

// Writers of the two value styles the settings and data files use. Both add
// to a byte buffer in code page 932; every line ends in CR LF.
//
// Print style: a number is a space (or "-"), its digits and one trailing
// space; numbers on one line follow each other without separator; text is
// written as it is.
//
// List style: values separated by commas, strings in double quotes without
// escaping, numbers plain, booleans #TRUE# and #FALSE#, an empty value as
// nothing at all.

#include <QByteArray>
#include <QString>

#include "core/Variant.h"

namespace porkane {

class PrintStyleWriter {
public:
    void integer(qint64 value);
    void number(double value);
    void single(float value);
    // Throws FileError when the text has characters code page 932 cannot hold.
    void text(const QString &value);
    void endLine();

    const QByteArray &bytes() const { return bytes_; }

private:
    void signedMagnitude(bool negative, const QByteArray &digits);

    QByteArray bytes_;
};

class ListStyleWriter {
public:
    void integer(qint64 value);
    void number(double value);
    void boolean(bool value);
    // Throws FileError when the text holds a double quote (it has no escape
    // in this style) or characters code page 932 cannot hold.
    void string(const QString &value);
    void empty();
    void value(const Variant &value);
    void endLine();

    const QByteArray &bytes() const { return bytes_; }

private:
    void separate();

    QByteArray bytes_;
    bool lineHasValue_ = false;
};

// The text in code page 932, or FileError naming the characters it cannot hold.
QByteArray encodeForFile(const QString &text);

} // namespace porkane
