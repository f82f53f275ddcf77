#pragma once
// The euro's mid rate from the National Bank of Poland's web API (table A),
// for the deposit guarantee's limit in złoty.
#include "domain/TKursEUR.h"
#include "import/PobieranieZInternetu.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <optional>

// The rate is a small answer: a server that keeps it waiting gives up soon,
// so neither a window nor a tool waits long for it.
inline constexpr TLimityPobierania kLimityKursuNBP{std::chrono::milliseconds(5000),
                                                   std::chrono::milliseconds(5000),
                                                   std::chrono::milliseconds(15000), 64 * 1024};

// The rate of the API's answer
// {"table":"A","currency":"euro","code":"EUR","rates":[{"no":"…",
// "effectiveDate":"YYYY-MM-DD","mid":4.2630}]}: the last entry of "rates",
// with its day, source NBP. Nothing for an answer that is not such JSON,
// names another currency, has no valid day, or a rate outside 1 … 20.
std::optional<TKursEUR> KursZOdpowiedziNBP(const QByteArray& odpowiedz);

// Downloads the answer from `adres` and reads it. Nothing when the download
// fails (no connection, a time-out, an HTTP error status) or is stopped, or
// the answer is not a rate. May run on any thread.
std::optional<TKursEUR> PobierzKursNBP(const QString& adres, const std::atomic<bool>* zatrzymaj,
                                       const TLimityPobierania& limity = kLimityKursuNBP);

// What may be downloaded now (WebAddresses::NbpEuroRate()): nothing when a
// download was already tried today or the platform reports no connection to
// that address; otherwise today is noted as the day of the last try. Runs on
// the window thread (it reads the settings and the platform).
std::optional<QString> AdresPobraniaKursuNaDzis();

// A downloaded rate goes to the settings; the one to use next. Window thread.
TKursEUR ZapiszPobranyKurs(const TKursEUR& kurs);

// For the tools: downloads the rate now when it is due (as above) and stores
// it; answers the rate to use, the downloaded one (NBP) or the stored or the
// built-in one when nothing new came.
TKursEUR KursEURDoUzycia(const TLimityPobierania& limity = kLimityKursuNBP);
