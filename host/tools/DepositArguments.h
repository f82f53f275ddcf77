#pragma once
// Reading the arguments that describe a deposit, shared by the tools that
// take them: names of units and capitalisation kinds, numbers as a person
// types them, and a table of options read one after another with one style
// of messages.
#include "tools/CommandLineOptions.h"

#include "platform/DateTimeUtils.h"

#include "domain/TJednostkaOkresu.h"
#include "domain/TKapitalizacja.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>

// dzien, tydzien, miesiac, rok (also with Polish letters) and brak.
std::optional<TJednostkaOkresu> UnitFromName(const QString& name);

// dzienna, miesieczna, kwartalna, polroczna, roczna, po-okresie-umowy, brak.
std::optional<TKapitalizacja> CapitalisationFromName(const QString& name);

// A number as a person types it: digits, blanks between them, one decimal
// comma or point, an optional leading minus.
bool ReadNumber(const QString& text, double& value);

// An amount above zero in whole grosze, read exactly ("10 000,50"); a third
// decimal rounds half up.
bool ReadCents(const QString& text, int64_t& cents);

// A whole number from 0 to 65535.
bool ReadPeriod(const QString& text, uint16_t& period);

// A day written yyyy-MM-dd.
bool ReadDate(const QString& text, TDateTime& date);

// One option of a tool: whether it must be given, how its value is read
// into the tool's data, and the words of the message when it cannot be.
template <class Data> struct ToolArgument {
    QString option;
    bool required;
    bool (*read)(const QString&, Data&);
    const char* what;
    const char* expected;
};

// Reads the options given, in the table's order; false with `error` set for
// the first one missing or unreadable.
template <class Data, std::size_t N>
bool ReadToolArguments(const CommandLineOptions& options, const ToolArgument<Data> (&arguments)[N],
                       Data& data, QString& error) {
    for (const auto& argument : arguments) {
        if (argument.required && !options.has(argument.option)) {
            error = QStringLiteral("Brak wymaganego argumentu %1.").arg(argument.option);
            return false;
        }
    }
    for (const auto& argument : arguments) {
        const QString text = options.value(argument.option);
        if (options.has(argument.option) && !argument.read(text, data)) {
            error = QStringLiteral("Nie można odczytać %1: \"%2\" (%3).")
                        .arg(QString::fromUtf8(argument.what), text,
                             QString::fromUtf8(argument.expected));
            return false;
        }
    }
    return true;
}
