#pragma once
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>
#include <optional>

// Where the euro rate of the guarantee limit came from.
enum class TZrodloKursu : int8_t {
    NBP,       // downloaded from the National Bank of Poland just now
    Zapisany,  // the rate of an earlier download, kept in the settings
    Wbudowany, // the rate built into the program (no download has succeeded yet)
    Podany     // given by the user (the tool's --kurs-eur)
};

// The euro's mid rate (the National Bank of Poland's table A) that turns the
// deposit guarantee of 100,000 EUR per depositor and bank into złoty, with the
// day it was published and where it came from.
struct TKursEUR {
    // A rate outside this range is a faulty answer, never a rate to use.
    static constexpr double kNajnizszy = 1;
    static constexpr double kNajwyzszy = 20;
    // The rate the program carries for the time before its first download.
    static constexpr double kWbudowany = 4.2730;
    static constexpr int kRokWbudowanego = 2024;
    static constexpr int kMiesiacWbudowanego = 12;
    static constexpr int kDzienWbudowanego = 31;

    double kurs = kWbudowany;
    // The day of the table the rate belongs to (midnight).
    TDateTime data = 0;
    TZrodloKursu zrodlo = TZrodloKursu::Wbudowany;

    static TKursEUR Wbudowany();
    // The rate kept in the settings when there is one, else the built-in one.
    static TKursEUR DoUzycia(const std::optional<TKursEUR>& zapisany);
    // A finite rate within kNajnizszy … kNajwyzszy.
    static bool Prawidlowy(double kurs);
    // Whether a download is due: at most one a day, so none when the last
    // one was tried today (`ostatniePobranie` is the day of that try).
    static bool PobranieNalezne(const std::optional<TDateTime>& ostatniePobranie, TDateTime dzis);

    // "NBP", "zapisany", "wbudowany" or "podany".
    QString NazwaZrodla() const;
    // The rate's day as "2026-12-09".
    QString DataISO() const;
    // How the rate is named beside the limit: "kurs NBP z 2026-12-09", for the
    // built-in rate "kurs NBP z 2024-12-31 (brak połączenia)", for a rate the
    // user gave "kurs podany 4,2630".
    QString Opis() const;
};

// A day as "2026-12-09", whatever the date separator of the formats.
QString DataWFormacieISO(TDateTime data);
