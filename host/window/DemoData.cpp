#include "window/DemoData.h"

#include "data/EDataError.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "platform/Clock.h"
#include "tools/NewRecords.h"

#include <memory>

namespace {

using J = TJednostkaOkresu;
using K = TKapitalizacja;

struct Offer {
    const char* bank;
    const char* name;
    uint32_t term;
    J unit;
    double rate;
    K capitalisation;
    double minimum;
    double maximum;
    bool needsAccount;
    const char* breakingConditions;
};

const Offer kOffers[] = {
    {"Bank Łąkowy S.A.", "Lokata Złota", 3, J::Miesiac, 5.6, K::PoOkresieUmowy, 1000, 100000, true,
     "Utrata odsetek"},
    {"Bank Łąkowy S.A.", "Lokata Miesięczna", 12, J::Miesiac, 5.2, K::Miesieczna, 500, 0, false,
     "Odsetki za pełne miesiące"},
    {"Bank Łąkowy S.A.", "Lokata Codzienna", 30, J::Dzien, 4.1, K::Dzienna, 0, 0, false, ""},
    {"Żółty Bank Spółdzielczy", "Lokata Roczna", 1, J::Rok, 6.0, K::Roczna, 5000, 0, true,
     "Zwrot 50% odsetek"},
    {"Żółty Bank Spółdzielczy", "Lokata Kwartalna", 6, J::Miesiac, 5.4, K::Kwartalna, 1000, 50000,
     false, ""},
    {"Śląski Bank Oszczędności", "Lokata Półroczna", 2, J::Rok, 5.75, K::Polroczna, 2000, 0, false,
     "Utrata odsetek"},
    {"ŚLĄSKI BANK OSZCZĘDNOŚCI", "Lokata Tygodniowa", 4, J::Tydzien, 3.5, K::PoOkresieUmowy, 100,
     20000, false, ""},
};

struct Deposit {
    const char* name;
    double amount;
    int startMonthsAgo;
    int startDaysAgo;
    uint16_t term;
    J unit;
    int offer; // index into kOffers, -1 for none
    bool active;
};

// The second ends in about four days (highlighted); the third ended ten days
// ago and is still active; the fourth has been ended.
const Deposit kDeposits[] = {
    {"Lokata na wakacje", 10000, 2, 0, 12, J::Miesiac, 1, true},
    {"Poduszka finansowa", 25000, 3, -4, 3, J::Miesiac, 0, true},
    {"Oszczędności na samochód", 15000, 0, 40, 30, J::Dzien, 2, true},
    {"Stara lokata", 5000, 18, 0, 1, J::Rok, 3, false},
    {"Lokata w skarpecie", 2000, 0, 30, 6, J::Miesiac, -1, true},
    {"Lokata półroczna", 8000, 5, 0, 2, J::Rok, 5, true},
};

void AddOffers(TKolekcjeDanych& collections) {
    int32_t id = -2;
    for (const Offer& o : kOffers) {
        auto offer = std::make_unique<THarmonogramLokatyBankowej>();
        offer->fId = id--;
        offer->fBank = QString::fromUtf8(o.bank);
        offer->fNazwaHarmonogramu = QString::fromUtf8(o.name);
        offer->fOkresDepozytu = o.term;
        offer->fJednostkaDepozytu = o.unit;
        offer->fOprocentowanieStaleWCalymOkresieLokaty = true;
        offer->fOprocentowanieWSkaliRoku = o.rate;
        offer->fKapitalizacja = o.capitalisation;
        offer->fKwotaMinimalna = o.minimum;
        offer->fKwotaMaksymalna = o.maximum;
        offer->fWymaganeKontoOsobisteWTymBanku = o.needsAccount;
        offer->fMozliwoscWczesniejszegoZerwaniaLokaty = *o.breakingConditions != '\0';
        offer->fWarunkiWczesniejszegoZerwaniaLokaty = QString::fromUtf8(o.breakingConditions);
        offer->fHarmonogramDodanyPrzezUzytkownika = true;
        offer->fDataDodaniaModyfikacji = Now();
        offer->fZmiany = TTypModyfikacji::Dodano;
        collections.HarmonogramyLokatBankowych().push_back(std::move(offer));
    }
    collections.SetZmienionoINiezapisanoLokaty(true);
}

// The stored id of a sample offer, found by its bank and name.
int32_t StoredOfferId(TKolekcjeDanych& collections, int index) {
    if (index < 0)
        return -1;
    for (const auto& offer : collections.HarmonogramyLokatBankowych())
        if (offer->Bank() == QString::fromUtf8(kOffers[index].bank) &&
            offer->NazwaHarmonogramu() == QString::fromUtf8(kOffers[index].name))
            return offer->Id();
    throw EDataError(QStringLiteral("Nie znaleziono zapisanej oferty ") +
                     QString::fromUtf8(kOffers[index].name));
}

void AddDeposits(TKolekcjeDanych& collections) {
    const TDateTime today = Today();
    int32_t id = -2;
    for (const Deposit& d : kDeposits) {
        const TDateTime start = IncMonth(today, -d.startMonthsAgo) - d.startDaysAgo;
        collections.Lokaty().push_back(std::make_unique<TLokata>(
            id--, QString::fromUtf8(d.name), d.amount, start, d.term, d.unit,
            StoredOfferId(collections, d.offer), d.active, TTypModyfikacji::Dodano));
    }
    collections.SetZmienionoINiezapisanoLokaty(true);
}

} // namespace

void AddDemoData(TProjektDB& project) {
    TKolekcjeDanych& collections = project.Kolekcje();
    AddOffers(collections);
    SaveNewRecords(project, {TTabele::HarmonogramyLokatBankowych});
    AddDeposits(collections);
    SaveNewRecords(project, {TTabele::Lokaty});
}
