#pragma once
#include <QString>
#include <stdexcept>

// A failure of reading or writing an offer file. The reader's messages are
// the stream's own: "Invalid stream format", "Invalid property value",
// "Stream read error"; a file that cannot be opened or written says which
// path and why. what() gives the message as UTF-8.
class EPlikOfert : public std::runtime_error {
public:
    explicit EPlikOfert(const QString& message)
        : std::runtime_error(message.toStdString()), fMessage(message) {}

    const QString& Message() const { return fMessage; }

private:
    QString fMessage;
};
