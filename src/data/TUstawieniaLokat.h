#pragma once
#include "domain/TKursEUR.h"
#include "domain/TPolaczoneBanki.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <optional>
#include <vector>

// The module's own settings in the per-user store (organisation "Brenvik",
// application "Talvora", ~/.config/Brenvik/Talvora.conf), read and written
// without windows. Keys:
//   Gwarancje/PolaczoneBanki    the user's pairs of bank names that are one
//                               institution (an array of Bank / TenSamCo)
//   Gwarancje/KursEUR           the last euro rate downloaded (a number)
//   Gwarancje/DataKursu         its table's day ("yyyy-MM-dd")
//   Gwarancje/OstatniePobranie  the day of the last download tried ("yyyy-MM-dd")
//   Oferty/DniDoNieaktualnosci  the age in days over which an offer is marked (30)
//   Lokaty/DniDoZakonczenia     "ending soon" means within this many days (7)
// A value that is missing or unreadable reads as its default; numbers out
// of their range are brought into it.
class TUstawieniaLokat {
public:
    static constexpr int kNajwiecejDni = 3650;

    static std::vector<TParaBankow> PolaczoneBanki();
    // Stores the pairs as TPolaczoneBanki::Uporzadkuj leaves them.
    static void UstawPolaczoneBanki(const std::vector<TParaBankow>& pary);

    // 1 … kNajwiecejDni, TWiekOferty::kDomyslnyProg by default.
    static int DniDoNieaktualnosci();
    static void UstawDniDoNieaktualnosci(int dni);

    // 1 … kNajwiecejDni, TKonczaceSieLokaty::kDomyslnieDni by default.
    static int DniDoZakonczenia();
    static void UstawDniDoZakonczenia(int dni);

    // The stored rate (source Zapisany); nothing when none is stored or the
    // stored one is out of the valid range or has no date.
    static std::optional<TKursEUR> ZapisanyKurs();
    // The stored rate, else the built-in one.
    static TKursEUR KursDoUzycia();
    // Stores a rate of a download (only a valid one; false otherwise).
    static bool ZapiszKurs(double kurs, TDateTime dataKursu);

    static std::optional<TDateTime> OstatniePobranieKursu();
    static void UstawOstatniePobranieKursu(TDateTime dzien);

    static const QString kPolaczoneBanki;
    static const QString kKursEUR;
    static const QString kDataKursu;
    static const QString kOstatniePobranie;
    static const QString kDniDoNieaktualnosci;
    static const QString kDniDoZakonczenia;
};
