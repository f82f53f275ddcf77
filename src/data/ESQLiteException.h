#pragma once
#include <QString>
#include <stdexcept>

// The error of the SQLite access layer: an English message that carries
// SQLite's error code, its text and the statement. what() gives it as UTF-8.
class ESQLiteException : public std::runtime_error {
public:
    explicit ESQLiteException(const QString& message);
    QString message() const { return fMessage; }

private:
    QString fMessage;
};
