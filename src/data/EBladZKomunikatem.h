#pragma once
#include <QString>
#include <stdexcept>

// The common base of the errors of the data layer and of its SQLite access
// layer: a message as the user reads it. what() gives it as UTF-8.
class EBladZKomunikatem : public std::runtime_error {
public:
    explicit EBladZKomunikatem(const QString& message)
        : std::runtime_error(message.toStdString()), fMessage(message) {}

    const QString& Message() const { return fMessage; }

private:
    QString fMessage;
};
