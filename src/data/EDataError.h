#pragma once
#include <QString>
#include <stdexcept>

// A plain error of the household data layer, carrying a Polish message for
// the user. what() gives the message as UTF-8.
class EDataError : public std::runtime_error {
public:
    explicit EDataError(const QString& message)
        : std::runtime_error(message.toStdString()), fMessage(message) {}

    const QString& Message() const { return fMessage; }

private:
    QString fMessage;
};
