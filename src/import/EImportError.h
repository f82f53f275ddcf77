#pragma once
#include <QString>
#include <stdexcept>

// An error of the offer import (download, page structure, page contents),
// carrying the message the user reads. what() gives the message as UTF-8.
class EImportError : public std::runtime_error {
public:
    explicit EImportError(const QString& message)
        : std::runtime_error(message.toStdString()), fMessage(message) {}

    const QString& Message() const { return fMessage; }

private:
    QString fMessage;
};
