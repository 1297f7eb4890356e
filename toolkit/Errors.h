#pragma once

#include <QString>
#include <stdexcept>

namespace teklifo {

// The one root of the program's errors. Handlers never catch them; the guard around every
// handler shows the message in the standard error box and skips the rest of the handler.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const noexcept { return m_message; }

private:
    QString m_message;
};

// A text that is not a number.
class ConvertError : public Error {
public:
    using Error::Error;
};

// Anything the catalogue database refused or could not do.
class DatabaseError : public Error {
public:
    using Error::Error;
};

// A file that could not be read or written.
class FileError : public Error {
public:
    using Error::Error;
};

} // namespace teklifo
