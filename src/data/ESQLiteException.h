#pragma once
#include <QString>
#include <stdexcept>

// The error of the SQLite access layer: an English message that carries
// SQLite's error code, its text and the statement. what() gives it as UTF-8.
class ESQLiteException : public std::runtime_error {
public:
    explicit ESQLiteException(const QString& message);
    const QString& Message() const { return fMessage; }

private:
    QString fMessage;
};
