#include "data/EDataError.h"
#include "data/TKolekcjeDanych.h"
#include "data/TKopieZapasowe.h"
#include "data/TPolecenieZapisu.h"
#include "data/TProjektDB.h"
#include "data/TZapisKolekcji.h"
#include "data/TZapisTabeli.h"
#include "data/TekstBledu.h"
#include "data/sqlite/ESQLiteException.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "data/sqlite/TSQLiteTransaction.h"
#include "platform/Clock.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

// A total in whole cents.
long long Grosze(double stan) {
    return std::llround(stan * 100.0);
}

// No list of these tables holds unsaved changes (none does without collections).
bool Zapisane(const TKolekcjeDanych* kolekcje, std::initializer_list<TTabele> tabele) {
    return !kolekcje || std::none_of(tabele.begin(), tabele.end(), [&](TTabele tabela) {
        return kolekcje->ZmienionoINiezapisano(tabela);
    });
}

} // namespace

std::map<int32_t, QString>* TProjektDB::MapaZapisu(TTabele tabela) {
    switch (tabela) {
    case TTabele::Kategorie_Wydatki:
        return &fZapisKategoriWydatkow;
    case TTabele::Kategorie_Przychody:
        return &fZapisKategoriPrzychodow;
    case TTabele::Kategorie_Oszczednosci:
        return &fZapisKategoriOszczednosci;
    case TTabele::Osoby:
        return &fZapisOsob;
    default:
        return nullptr;
    }
}

// The statements are built before anything runs, so a value that cannot be
// written leaves the table untouched. A batch that fails is rolled back by
// the runner; the result tells the caller, whose records still carry their
// change marks and so are written again, once each, by the next save.
TWynikZapisu TProjektDB::ZapiszZawartoscKolekcjiDoBazy(TTabele tabela) {
    const TZapisTabeli zapis = PrzygotujZapis(tabela);
    TWynikZapisu wynik{zapis.Raport(), {}};
    if (!zapis.Polecenia().isEmpty())
        wynik.Polecenia = WykonajPoleceniaWTransakcji(zapis.Polecenia(), true);
    ZakonczZapis(tabela, zapis, wynik.Zapisano());
    return wynik;
}

TWynikZapisuList TProjektDB::ZapiszListyWJednejTransakcji(const std::vector<TTabele>& tabele) {
    std::vector<TZapisTabeli> zapisy;
    TWynikZapisuList wynik;
    for (TTabele tabela : tabele) {
        zapisy.push_back(PrzygotujZapis(tabela));
        wynik.Raport << zapisy.back().Raport();
    }
    if (fBaza->IsTransactionOpen()) {
        wynik.Polecenia.Stan = TWynikPolecenSQL::TStan::Pominieto;
        return wynik;
    }
    UtworzKopieZapasowa();
    try {
        TSQLiteTransaction transakcja(*fBaza);
        for (const TZapisTabeli& zapis : zapisy) {
            wynik.NiezapisanaLista = zapis.Caption();
            for (const QString& polecenie : zapis.Polecenia())
                fBaza->ExecSQL(polecenie);
        }
        // A failed commit is no one list's failure.
        wynik.NiezapisanaLista.clear();
        transakcja.Commit();
    } catch (const std::exception& blad) {
        const auto* sqlite = dynamic_cast<const ESQLiteException*>(&blad);
        wynik.Polecenia = {TWynikPolecenSQL::TStan::Blad, TekstBledu(blad),
                           sqlite ? sqlite->ExtendedCode() : 0};
    }
    fBaza->ParamsClear();
    for (size_t i = 0; i < tabele.size(); ++i)
        ZakonczZapis(tabele[i], zapisy[i], wynik.Zapisano());
    return wynik;
}

QString TProjektDB::UtworzKopieZapasowa() {
    const QString kopia = TKopieZapasowe(fPlikiDB->DataFile()).Utworz(*fBaza);
    fKopiaPrzedZmiana = true;
    return kopia;
}

TZapisTabeli TProjektDB::PrzygotujZapis(TTabele tabela) {
    const QString caption = fPlikiDB->PobierzCaptionTabeli(tabela);
    if (std::map<int32_t, QString>* mapa = MapaZapisu(tabela))
        mapa->clear();
    TZapisTabeli zapis(caption);
    try {
        TZapisKolekcji(*fKolekcje, *fPlikiDB, Now()).Zbuduj(tabela, zapis);
    } catch (const std::exception& blad) {
        throw EDataError(QStringLiteral("Nie udało się zapisać zawartości tabeli \"") + caption +
                         QStringLiteral("\" !!!\rPRZYCZYNA BŁĘDU:\r") + TekstBledu(blad));
    }
    return zapis;
}

// After a batch: the ids given to new categories and persons when it
// committed, and the recorded total of savings when amounts were to change.
void TProjektDB::ZakonczZapis(TTabele tabela, const TZapisTabeli& zapis, bool zapisano) {
    std::map<int32_t, QString>* mapa = MapaZapisu(tabela);
    if (mapa && zapisano)
        *mapa = zapis.Wstawione();
    if (zapis.AktualizujStanOszczednosci())
        AktualizujStanOszczednosci();
}

QString TProjektDB::PolecenieStanuOszczednosci() const {
    const bool oszczednosci = fKolekcje->KolekcjaZawieraOszczednosci();
    const bool lokaty = fKolekcje->KolekcjaZawieraAktywneLokaty();
    if (oszczednosci && lokaty)
        return QStringLiteral(
            "INSERT INTO StanOszczednosci (Stan) VALUES (((SELECT SUM(Oszczednosci.Ile) FROM "
            "Oszczednosci) + (SELECT SUM(Lokaty.Kwota) FROM Lokaty WHERE Aktywna = 1)));");
    if (oszczednosci)
        return QStringLiteral("INSERT INTO StanOszczednosci (Stan) VALUES ((SELECT "
                              "SUM(Oszczednosci.Ile) FROM Oszczednosci));");
    if (lokaty)
        return QStringLiteral("INSERT INTO StanOszczednosci (Stan) VALUES ((SELECT "
                              "SUM(Lokaty.Kwota) FROM Lokaty WHERE Aktywna = 1));");
    return QStringLiteral("INSERT INTO StanOszczednosci (Stan) VALUES (0);");
}

// Of every run of consecutive totals equal to the cent only the newest
// stays. The list is the one loaded before the new total was recorded,
// oldest first.
QStringList TProjektDB::PoleceniaUsunieciaPowtorzonychStanow() const {
    const auto& stany = fKolekcje->StanyOszczednosci();
    const QString& tabela = fPlikiDB->TabNameStanOszczednosci();
    QStringList polecenia;
    long long wzorzec = 0;
    for (auto it = stany.rbegin(); it != stany.rend(); ++it) {
        const long long grosze = Grosze((*it)->Stan());
        if (it != stany.rbegin() && grosze == wzorzec)
            polecenia << TPolecenieZapisu::Delete(tabela, TPolecenieZapisu::WarunekId((*it)->Id()));
        else
            wzorzec = grosze;
    }
    return polecenia;
}

void TProjektDB::AktualizujStanOszczednosci() {
    ZachowajBlad(WykonajPolecenieSQL(PolecenieStanuOszczednosci(), false));
    const QStringList usuniecia = PoleceniaUsunieciaPowtorzonychStanow();
    if (!usuniecia.isEmpty())
        ZachowajBlad(WykonajPoleceniaWTransakcji(usuniecia, true));
    WczytajDaneZTabeliDoKolekcji(TTabele::StanyOszczednosci);
}

bool TProjektDB::TabeleZKategoriamiZapisane() const {
    return Zapisane(fKolekcje.get(), {TTabele::Kategorie_Wydatki, TTabele::Kategorie_Przychody,
                                      TTabele::Kategorie_Oszczednosci, TTabele::Osoby});
}

bool TProjektDB::TabeleZapisane() const {
    return TabeleZKategoriamiZapisane() &&
           Zapisane(fKolekcje.get(),
                    {TTabele::Wydatki, TTabele::Przychody, TTabele::Oszczednosci,
                     TTabele::HistoriaPrzelewow, TTabele::ZleceniaStaleWydatki,
                     TTabele::ZleceniaStalePrzychody, TTabele::HistoriaZlecenStalychWydatki});
}

QString TProjektDB::EtykietyNiezapisanychTabel() const {
    QStringList etykiety;
    if (fKolekcje)
        for (TTabele tabela : fKolekcje->NiezapisaneTabele())
            etykiety << fPlikiDB->PobierzCaptionTabeli(tabela);
    return etykiety.isEmpty() ? QStringLiteral("(wszystkie tabele zapisane)")
                              : etykiety.join(QStringLiteral(", "));
}
