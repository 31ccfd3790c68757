#pragma once

#include <stdexcept>
#include <string>

#include <QString>

namespace porkane {

// An error whose message is meant for the user (or the tool's error line)
// and says what is wrong.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString &message() const { return message_; }

private:
    QString message_;
};

// A file that cannot be read or written as its format says.
class FileError : public UserError {
public:
    using UserError::UserError;
};

// A change the label document refuses because it would break its limits.
class DocumentError : public UserError {
public:
    using UserError::UserError;
};

// A number that does not fit the integer type it must become.
class ValueRangeError : public std::range_error {
public:
    using std::range_error::range_error;
};

} // namespace porkane
