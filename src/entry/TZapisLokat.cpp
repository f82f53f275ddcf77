#include "entry/TZapisLokat.h"

#include "data/KomunikatyStartu.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TekstBledu.h"
#include "domain/Komunikaty.h"

#include <algorithm>
#include <exception>
#include <set>
#include <vector>

namespace {

const char* const kZmianyZostajaDoZamkniecia =
    "Zmiany nie zostały utracone: pozostają w programie i będą widoczne po ponownym otwarciu "
    "modułu. Aby je zapisać, kliknij w nim jeszcze raz w przycisk \"Zapisz i zamknij\"; "
    "zamknięcie okna \"krzyżykiem\" odrzuci te zmiany.";
const char* const kZmianyZostajaWOknie =
    "Zmiany nie zostały utracone: pozostają w oknie. Aby je zapisać, kliknij jeszcze raz w "
    "przycisk \"Zapisz\" lub \"Zapisz i zamknij\".";

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

// The provisional id of each deposit added since the last save, in list
// order, and the ids of the deposits the file keeps.
struct TIdPrzedZapisem {
    std::vector<int32_t> dodane;
    std::set<int32_t> zostaja;
};

TIdPrzedZapisem IdPrzedZapisem(const TListaObiektow<TLokata>& lokaty) {
    TIdPrzedZapisem id;
    for (const auto& lokata : lokaty) {
        if (lokata->Zmiany() == TTypModyfikacji::Dodano)
            id.dodane.push_back(lokata->Id());
        else if (lokata->Zmiany() != TTypModyfikacji::Usunieto)
            id.zostaja.insert(lokata->Id());
    }
    return id;
}

// The file numbers inserted rows upwards in the order they were written,
// which is the list order: the ids that are new after the save belong, in
// ascending order, to the added deposits in list order.
std::map<int32_t, int32_t> NoweId(const TIdPrzedZapisem& przed,
                                  const TListaObiektow<TLokata>& lokaty) {
    std::vector<int32_t> nowe;
    for (const auto& lokata : lokaty)
        if (!przed.zostaja.contains(lokata->Id()))
            nowe.push_back(lokata->Id());
    std::sort(nowe.begin(), nowe.end());
    std::map<int32_t, int32_t> mapa;
    for (size_t i = 0; i < przed.dodane.size() && i < nowe.size(); ++i)
        mapa[przed.dodane[i]] = nowe[i];
    return mapa;
}

} // namespace

TZapisLokat::TZapisLokat(TProjektDB& projekt) : fProjekt(projekt) {}

void TZapisLokat::Zapisz() {
    // A file open in another window is never written from this one.
    if (fProjekt.OtwartyTylkoDoOdczytu())
        return OdrzucZmiany();
    if (ZapiszListy(QString::fromUtf8(kZmianyZostajaDoZamkniecia)))
        Porzuc();
}

std::optional<std::map<int32_t, int32_t>> TZapisLokat::ZapiszIZostaw() {
    if (fProjekt.OtwartyTylkoDoOdczytu())
        return std::nullopt;
    TKolekcjeDanych& kolekcje = fProjekt.Kolekcje();
    const TIdPrzedZapisem przed = IdPrzedZapisem(kolekcje.Lokaty());
    if (!ZapiszListy(QString::fromUtf8(kZmianyZostajaWOknie)))
        return std::nullopt;
    kolekcje.SetZmienionoINiezapisanoLokaty(false);
    OdswiezPoZapisie(TTabele::Lokaty);
    OdswiezPoZapisie(TTabele::HarmonogramyLokatBankowych);
    fZapisaneZyski = kolekcje.ZyskiZLokatDoDodaniaJakoPrzychod();
    return NoweId(przed, kolekcje.Lokaty());
}

// The deposits, the offers and the savings a profit went to are written in
// one transaction: the file holds all of them or, after any failure, none.
bool TZapisLokat::ZapiszListy(const QString& coDalej) {
    TKolekcjeDanych& kolekcje = fProjekt.Kolekcje();
    std::vector<TTabele> tabele{TTabele::Lokaty, TTabele::HarmonogramyLokatBankowych};
    const bool oszczednosci = kolekcje.ZmienionoINiezapisanoOszczednosci();
    if (oszczednosci)
        tabele.push_back(TTabele::Oszczednosci);
    try {
        const TWynikZapisuList wynik = fProjekt.ZapiszListyWJednejTransakcji(tabele);
        if (!wynik.Zapisano()) {
            PokazBlad(NieZapisano(wynik.NiezapisanaLista, wynik.Polecenia) + coDalej);
            return false;
        }
    } catch (const std::exception& blad) {
        PokazBlad(TekstBledu(blad) + QLatin1Char('\r') + coDalej);
        return false;
    }
    if (oszczednosci)
        OdswiezPoZapisie(TTabele::Oszczednosci);
    return true;
}

void TZapisLokat::OdrzucZmiany() {
    Porzuc();
    TKolekcjeDanych& kolekcje = fProjekt.Kolekcje();
    if (fZapisaneZyski)
        kolekcje.ZyskiZLokatDoDodaniaJakoPrzychod() = *fZapisaneZyski;
    else
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
