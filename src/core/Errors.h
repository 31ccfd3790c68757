#pragma once

#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include <QCoreApplication>
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

// The memory a step needs cannot be had: the step is refused and what was
// open stays as it was, rather than the program ending.
class OutOfMemoryError : public UserError {
public:
    OutOfMemoryError() : UserError(defaultMessage()) {}
    using UserError::UserError;
    static QString defaultMessage()
    {
        return QCoreApplication::translate("porkane", "メモリが足りないため、処理を続けられませんでした。");
    }
};

// Runs `step`; an allocation that fails inside it (std::bad_alloc) becomes
// an OutOfMemoryError, which callers already handle like any refusal.
template <typename Step>
decltype(auto) withinMemory(Step &&step)
{
    try {
        return std::forward<Step>(step)();
    } catch (const std::bad_alloc &) {
        throw OutOfMemoryError();
    }
}

// A number that does not fit the integer type it must become.
class ValueRangeError : public std::range_error {
public:
    using std::range_error::range_error;
};

} // namespace porkane
