#include "entry/TZapisLokat.h"

#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TekstBledu.h"
#include "domain/Komunikaty.h"

#include <exception>

namespace {

const char* const kZmianyZostaja =
    "Zmiany nie zostały utracone: pozostają w programie i będą widoczne po ponownym otwarciu "
    "modułu. Aby je zapisać, kliknij w nim jeszcze raz w przycisk \"Zapisz i zamknij\"; "
    "zamknięcie okna \"krzyżykiem\" odrzuci te zmiany.";

const char* const kNieZapisanoLokat =
    "Nie udało się zapisać listy lokat !!!\rNie zapisano więc również listy lokat oferowanych "
    "przez banki - w bazie danych nie zmieniło się nic.\r";

const char* const kNieZapisanoOfert =
    "Nie udało się zapisać listy lokat oferowanych przez banki !!!\rLista lokat została "
    "zapisana, ale zmiany na liście lokat oferowanych przez banki nie trafiły do bazy danych.\r";

void PokazNiezapisane(const char* poczatek) {
    PokazBlad(QString::fromUtf8(poczatek) + QString::fromUtf8(kZmianyZostaja));
}

} // namespace

TZapisLokat::TZapisLokat(TProjektDB& projekt) : fProjekt(projekt) {}

void TZapisLokat::Zapisz() {
    if (!ZapiszTabele(TTabele::Lokaty)) {
        PokazNiezapisane(kNieZapisanoLokat);
        return;
    }
    if (!ZapiszTabele(TTabele::HarmonogramyLokatBankowych)) {
        PrzeczytajZapisaneLokaty();
        PokazNiezapisane(kNieZapisanoOfert);
        return;
    }
    Porzuc();
}

void TZapisLokat::OdrzucZmiany() {
    Porzuc();
    TKolekcjeDanych& kolekcje = fProjekt.Kolekcje();
    kolekcje.WyczyscZyskiZLokatBankowych();
    if (kolekcje.ZmienionoINiezapisanoOszczednosci())
        fProjekt.OdswiezZawartoscKolekcji(TTabele::Oszczednosci);
}

void TZapisLokat::Porzuc() {
    TKolekcjeDanych& kolekcje = fProjekt.Kolekcje();
    kolekcje.Lokaty().clear();
    kolekcje.HarmonogramyLokatBankowych().clear();
    kolekcje.SetZmienionoINiezapisanoLokaty(false);
}

bool TZapisLokat::ZapiszTabele(TTabele tabela) {
    try {
        return fProjekt.ZapiszZawartoscKolekcjiDoBazy(tabela).Zapisano();
    } catch (const std::exception& blad) {
        PokazBlad(TekstBledu(blad));
        return false;
    }
}

// The loader clears the flag, which goes back on for the offers that still
// wait. Should the reading fail, the list is emptied rather than left with
// rows that would be written a second time.
void TZapisLokat::PrzeczytajZapisaneLokaty() {
    TKolekcjeDanych& kolekcje = fProjekt.Kolekcje();
    try {
        fProjekt.OdswiezZawartoscKolekcji(TTabele::Lokaty);
    } catch (const std::exception& blad) {
        kolekcje.Lokaty().clear();
        PokazBlad(TekstBledu(blad));
    }
    kolekcje.SetZmienionoINiezapisanoLokaty(true);
}
