#pragma once
#include <QString>
#include <stdexcept>

// Raised when a TFormSize cannot be placed on the widget it was given.
class EFormSizeError : public std::runtime_error {
public:
    explicit EFormSizeError(const QString& message)
        : std::runtime_error(message.toStdString()), fMessage(message) {}
    const QString& Message() const { return fMessage; }

private:
    QString fMessage;
};
