#include "entry/TZapisLokat.h"

#include "app/BledyPolecen.h"
#include "app/Komunikaty.h"
#include "data/KomunikatyStartu.h"
#include "data/TKolekcjeDanych.h"
#include "data/TPlikiDB.h"
#include "data/TProjektDB.h"
#include "data/TWynikZapisuList.h"
#include "data/TekstBledu.h"
#include "data/sqlite/ESQLiteException.h"

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

const char* const kNicSieNieZmienilo = ". W pliku danych nie zmieniło się nic.\r";

// The lists named: "listy \"Lokaty\"", or "list \"Lokaty\" i \"Lokaty bankowe\"".
QString NazwyList(const QStringList& listy) {
    QStringList cytaty;
    for (const QString& lista : listy)
        cytaty << QLatin1Char('"') + lista + QLatin1Char('"');
    if (cytaty.size() == 1)
        return QStringLiteral("listy ") + cytaty.first();
    const QString ostatnia = cytaty.takeLast();
    return QStringLiteral("list ") + cytaty.join(QStringLiteral(", ")) + QStringLiteral(" i ") +
           ostatnia;
}

// The list that failed, or every list when the transaction as a whole did
// (it could not begin or commit); the cause in words chosen by SQLite's code,
// then SQLite's own line.
QString NieZapisano(const QStringList& listy, const TWynikZapisuList& wynik) {
    const TWynikPolecenSQL& polecenia = wynik.Polecenia;
    if (polecenia.Stan == TWynikPolecenSQL::TStan::Pominieto)
        return QStringLiteral("Nie udało się zapisać zmian: w pliku danych trwa inna operacja "
                              "zapisu. W pliku danych nie zmieniło się nic.\r");
    const QStringList niezapisane =
        wynik.NiezapisanaLista.isEmpty() ? listy : QStringList{wynik.NiezapisanaLista};
    return QStringLiteral("Nie udało się zapisać zmian: nie zapisano ") + NazwyList(niezapisane) +
           QStringLiteral(" (") + PrzyczynaBleduZapisu(polecenia.KodSQLite) + QLatin1Char(')') +
           QString::fromUtf8(kNicSieNieZmienilo) + polecenia.Blad + QLatin1Char('\r');
}

// An error raised before any statement ran (the backup, a statement that
// could not be built): every list named; our own errors carry a Polish
// sentence, which follows; SQLite's and any other get a cause in words.
QString NieZapisano(const QStringList& listy, const std::exception& blad) {
    QString przyczyna;
    if (const auto* sqlite = dynamic_cast<const ESQLiteException*>(&blad))
        przyczyna =
            QStringLiteral(" (") + PrzyczynaBleduZapisu(sqlite->ExtendedCode()) + QLatin1Char(')');
    else if (!dynamic_cast<const EMessageError*>(&blad))
        przyczyna = QStringLiteral(" (nieoczekiwany błąd programu)");
    return QStringLiteral("Nie udało się zapisać zmian: nie zapisano ") + NazwyList(listy) +
           przyczyna + QString::fromUtf8(kNicSieNieZmienilo) + TekstBledu(blad) + QLatin1Char('\r');
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
    QStringList listy;
    for (TTabele tabela : tabele)
        listy << fProjekt.PlikiDB().PobierzCaptionTabeli(tabela);
    QString niezapisano;
    try {
        const TWynikZapisuList wynik = fProjekt.ZapiszListyWJednejTransakcji(tabele);
        if (!wynik.Zapisano())
            niezapisano = NieZapisano(listy, wynik);
    } catch (const std::exception& blad) {
        niezapisano = NieZapisano(listy, blad);
    }
    // The recording of the total of savings after the save has its own
    // batches; their failures come first, as they happened first.
    PokazBledyPolecen(fProjekt.WezBledyPolecen());
    if (!niezapisano.isEmpty()) {
        PokazBlad(niezapisano + coDalej);
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
