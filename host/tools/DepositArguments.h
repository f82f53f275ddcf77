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
#include <cstdint>
#include <optional>

// dzien, tydzien, miesiac, rok (also with Polish letters) and brak.
std::optional<TJednostkaOkresu> UnitFromName(const QString& nazwa);

// dzienna, miesieczna, kwartalna, polroczna, roczna, po-okresie-umowy, brak.
std::optional<TKapitalizacja> CapitalisationFromName(const QString& nazwa);

// A number as a person types it: digits, blanks between them, one decimal
// comma or point, an optional leading minus.
bool ReadNumber(const QString& tekst, double& wartosc);

// An amount above zero in whole grosze, read exactly ("10 000,50"); a third
// decimal rounds half up.
bool ReadCents(const QString& tekst, int64_t& grosze);

// A whole number from 0 to 65535.
bool ReadPeriod(const QString& tekst, uint16_t& okres);

// A day written yyyy-MM-dd.
bool ReadDate(const QString& tekst, TDateTime& data);

// One option of a tool: whether it must be given, how its value is read
// into the tool's data, and the words of the message when it cannot be.
template <class Dane> struct ToolArgument {
    QString opcja;
    bool wymagany;
    bool (*czytaj)(const QString&, Dane&);
    const char* co;
    const char* oczekiwano;
};

// Reads the options given, in the table's order; false with `blad` set for
// the first one missing or unreadable.
template <class Dane, size_t N>
bool ReadToolArguments(const CommandLineOptions& opcje, const ToolArgument<Dane> (&argumenty)[N],
                       Dane& dane, QString& blad) {
    for (const auto& argument : argumenty) {
        if (argument.wymagany && !opcje.has(argument.opcja)) {
            blad = QStringLiteral("Brak wymaganego argumentu %1.").arg(argument.opcja);
            return false;
        }
    }
    for (const auto& argument : argumenty) {
        const QString tekst = opcje.value(argument.opcja);
        if (opcje.has(argument.opcja) && !argument.czytaj(tekst, dane)) {
            blad = QStringLiteral("Nie można odczytać %1: \"%2\" (%3).")
                       .arg(QString::fromUtf8(argument.co), tekst,
                            QString::fromUtf8(argument.oczekiwano));
            return false;
        }
    }
    return true;
}
