#pragma once
#include <QString>
#include <stdexcept>

// A plain error of the household data layer, with a Polish message for the
// user. what() gives the message as UTF-8.
class EBladDanych : public std::runtime_error {
public:
    explicit EBladDanych(const QString& message);
    QString message() const { return fMessage; }

private:
    QString fMessage;
};
