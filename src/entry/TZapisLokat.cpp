#include "entry/TZapisLokat.h"

#include "data/KomunikatyStartu.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TekstBledu.h"
#include "domain/Komunikaty.h"

#include <exception>
#include <vector>

namespace {

const char* const kZmianyZostaja =
    "Zmiany nie zostały utracone: pozostają w programie i będą widoczne po ponownym otwarciu "
    "modułu. Aby je zapisać, kliknij w nim jeszcze raz w przycisk \"Zapisz i zamknij\"; "
    "zamknięcie okna \"krzyżykiem\" odrzuci te zmiany.";

// The list named, the cause in words chosen by SQLite's code, then
// SQLite's own line.
QString NieZapisano(const QString& lista, const TWynikPolecenSQL& wynik) {
    if (wynik.Stan == TWynikPolecenSQL::TStan::Pominieto)
        return QStringLiteral("Nie udało się zapisać zmian: w pliku danych trwa inna operacja "
                              "zapisu. W pliku danych nie zmieniło się nic.\r");
    return QStringLiteral("Nie udało się zapisać zmian: nie zapisano listy \"") + lista +
           QStringLiteral("\" (") + PrzyczynaBleduZapisu(wynik.KodSQLite) +
           QStringLiteral("). W pliku danych nie zmieniło się nic.\r") + wynik.Blad +
           QLatin1Char('\r');
}

void PokazNiezapisane(const QString& poczatek) {
    PokazBlad(poczatek + QString::fromUtf8(kZmianyZostaja));
}

} // namespace

TZapisLokat::TZapisLokat(TProjektDB& projekt) : fProjekt(projekt) {}

// The deposits, the offers and the savings a profit went to are written in
// one transaction: the file holds all of them or, after any failure, none.
void TZapisLokat::Zapisz() {
    // A file open in another window is never written from this one.
    if (fProjekt.OtwartyTylkoDoOdczytu())
        return OdrzucZmiany();
    TKolekcjeDanych& kolekcje = fProjekt.Kolekcje();
    std::vector<TTabele> tabele{TTabele::Lokaty, TTabele::HarmonogramyLokatBankowych};
    const bool oszczednosci = kolekcje.ZmienionoINiezapisanoOszczednosci();
    if (oszczednosci)
        tabele.push_back(TTabele::Oszczednosci);
    try {
        const TWynikZapisuList wynik = fProjekt.ZapiszListyWJednejTransakcji(tabele);
        if (!wynik.Zapisano()) {
            PokazNiezapisane(NieZapisano(wynik.NiezapisanaLista, wynik.Polecenia));
            return;
        }
    } catch (const std::exception& blad) {
        PokazNiezapisane(TekstBledu(blad) + QLatin1Char('\r'));
        return;
    }
    if (oszczednosci)
        OdswiezPoZapisie(TTabele::Oszczednosci);
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

// The saver leaves the change marks as they were; the stored rows replace them.
void TZapisLokat::OdswiezPoZapisie(TTabele tabela) {
    try {
        fProjekt.OdswiezZawartoscKolekcji(tabela);
    } catch (const std::exception& blad) {
        PokazBlad(TekstBledu(blad));
    }
}
