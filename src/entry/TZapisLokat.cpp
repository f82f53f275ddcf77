#include "entry/TZapisLokat.h"

#include "data/KomunikatyStartu.h"
#include "data/TKolekcjeDanych.h"
#include "data/TPlikiDB.h"
#include "data/TProjektDB.h"
#include "data/TWynikZapisuList.h"
#include "data/TekstBledu.h"
#include "data/sqlite/ESQLiteException.h"
#include "domain/Komunikaty.h"

#include <exception>
#include <vector>

namespace {

const char* const kZmianyZostaja =
    "Zmiany nie zostały utracone: pozostają w programie i będą widoczne po ponownym otwarciu "
    "modułu. Aby je zapisać, kliknij w nim jeszcze raz w przycisk \"Zapisz i zamknij\"; "
    "zamknięcie okna \"krzyżykiem\" odrzuci te zmiany.";

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
        przyczyna = QStringLiteral(" (") + PrzyczynaBleduZapisu(sqlite->KodRozszerzony()) +
                    QLatin1Char(')');
    else if (!dynamic_cast<const EMessageError*>(&blad))
        przyczyna = QStringLiteral(" (nieoczekiwany błąd programu)");
    return QStringLiteral("Nie udało się zapisać zmian: nie zapisano ") + NazwyList(listy) +
           przyczyna + QString::fromUtf8(kNicSieNieZmienilo) + TekstBledu(blad) + QLatin1Char('\r');
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
    QStringList listy;
    for (TTabele tabela : tabele)
        listy << fProjekt.PlikiDB().PobierzCaptionTabeli(tabela);
    try {
        const TWynikZapisuList wynik = fProjekt.ZapiszListyWJednejTransakcji(tabele);
        if (!wynik.Zapisano()) {
            PokazNiezapisane(NieZapisano(listy, wynik));
            return;
        }
    } catch (const std::exception& blad) {
        PokazNiezapisane(NieZapisano(listy, blad));
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
