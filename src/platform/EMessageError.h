#pragma once
#include <QString>
#include <stdexcept>

// The one error class that carries a message as the user reads it: the data
// layer, the SQLite access layer, the offer file, the import and the window
// placement derive their errors from it. what() gives the message as UTF-8.
class EMessageError : public std::runtime_error {
public:
    explicit EMessageError(const QString& message)
        : std::runtime_error(message.toStdString()), fMessage(message) {}

    const QString& Message() const { return fMessage; }

private:
    QString fMessage;
};
