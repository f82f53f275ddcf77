#include "data/EDataError.h"
#include "data/ESQLiteException.h"
#include "data/PorownanieTekstow.h"
#include "data/TKolekcjeDanych.h"
#include "data/TOdczytWiersza.h"
#include "data/TProjektDB.h"
#include "data/TSQLiteDatabase.h"
#include "data/TSQLiteTable.h"
#include "platform/AdresyWWW.h"
#include "platform/Clock.h"

#include <algorithm>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

const char* const kBrakKolekcji =
    "Nie udało się wczytać danych z bazy, Kolekcje Danych nie są poprawnie zainicjalizowane.";

// The sort weight of the synthetic deposits balance: after every category.
constexpr uint32_t kWagaLokatWOszczednosciach = 2147483647;

// The ranking of bank deposits on the partner site, linked from the
// synthetic deposits balance.
QString LinkRankinguLokat() {
    return QStringLiteral("<a href=\"") + AdresyWWW::RankingLokatBankowych() +
           QStringLiteral("\">Ranking lokat bankowych</a>");
}

// The buffered rows of a table's query and the table's name, which a value
// that does not convert names.
struct TWierszeTabeli {
    std::unique_ptr<TSQLiteTable> wynik;
    QString nazwa;
};

TWierszeTabeli WierszeTabeli(TProjektDB& projekt, TTabele tabela) {
    return {projekt.PobierzDaneZTabeli(tabela), projekt.PlikiDB().PobierzNazweTabeli(tabela)};
}

// Walks the rows from the first to the last, or from the last back to the
// first, handing each row's reader to `f`.
template <class F> void PrzejdzWiersze(const TWierszeTabeli& wiersze, bool odKonca, F f) {
    TSQLiteTable& tabela = *wiersze.wynik;
    const TOdczytWiersza wiersz(tabela, wiersze.nazwa);
    if (!odKonca) {
        for (tabela.MoveFirst(); !tabela.Eof(); tabela.Next())
            f(wiersz);
        return;
    }
    tabela.MoveLast();
    for (uint32_t i = 0; i < tabela.RowCount(); ++i) {
        f(wiersz);
        tabela.Previous();
    }
}

// Runs `f`, raising the errors of the access layer again as plain errors of
// the data layer with the same message.
template <class F> auto JakoBladDanych(F f) {
    try {
        return f();
    } catch (const ESQLiteException& blad) {
        throw EDataError(blad.Message());
    }
}

bool MniejszyBezWielkosciLiter(const QString& a, const QString& b) {
    const int bezWielkosci = PorownajTeksty(a, b, TWielkoscLiter::Ignoruj);
    if (bezWielkosci != 0)
        return bezWielkosci < 0;
    const int zWielkoscia = PorownajTeksty(a, b, TWielkoscLiter::Rozrozniaj);
    return zWielkoscia != 0 ? zWielkoscia < 0 : a < b;
}

} // namespace

// --- Queries -------------------------------------------------------------------

QString TProjektDB::ZapytanieTabeli(TTabele tabela) const {
    const TPlikiDB& p = *fPlikiDB;
    const auto wgDaty = [](const QString& nazwa) {
        return QStringLiteral("SELECT * FROM \"") + nazwa + QStringLiteral("\" ORDER BY \"Data\";");
    };
    const auto wgId = [](const QString& nazwa) {
        return QStringLiteral("SELECT * FROM \"") + nazwa + QStringLiteral("\" ORDER BY \"Id\";");
    };
    const auto kategorie = [](const QString& nazwa) {
        return QStringLiteral("SELECT * FROM \"") + nazwa +
               QStringLiteral("\" ORDER BY \"Waga\", \"Opis\";");
    };
    const auto zlecenia = [&p](char typ) {
        return QStringLiteral("SELECT * FROM \"") + p.TabNameZleceniaStale() +
               QStringLiteral("\" WHERE \"TypZleceniaStalego\"=\"") + QLatin1Char(typ) +
               QStringLiteral("\" ORDER BY \"Id\";");
    };
    switch (tabela) {
    case TTabele::Wydatki:
        return wgDaty(p.TabNameWydatki());
    case TTabele::Przychody:
        return wgDaty(p.TabNamePrzychody());
    case TTabele::Oszczednosci: {
        const QString& o = p.TabNameOszczednosci();
        const QString& k = p.TabNameKategorieOszczednosci();
        return QStringLiteral("SELECT ") + o + QStringLiteral(".*, ") + k +
               QStringLiteral(".Waga FROM ") + o + QStringLiteral(" INNER JOIN ") + k +
               QStringLiteral(" ON ") + o + QStringLiteral(".IdKategoriaOszczednosci=") + k +
               QStringLiteral(".Id ORDER BY \"Waga\", \"Opis\";");
    }
    case TTabele::Osoby:
        return QStringLiteral("SELECT * FROM \"") + p.TabNameOsoby() +
               QStringLiteral("\" ORDER BY \"Waga\", \"Imie\" || \"Nazwisko\";");
    case TTabele::Kategorie_Wydatki:
        return kategorie(p.TabNameKategorieWydatkow());
    case TTabele::Kategorie_Przychody:
        return kategorie(p.TabNameKategoriePrzychodow());
    case TTabele::Kategorie_Oszczednosci:
        return kategorie(p.TabNameKategorieOszczednosci());
    case TTabele::HistoriaPrzelewow:
        return wgDaty(p.TabNameHistoriaPrzelewow());
    case TTabele::ZleceniaStaleWydatki:
        return zlecenia('0');
    case TTabele::ZleceniaStalePrzychody:
        return zlecenia('1');
    case TTabele::HistoriaZlecenStalychWydatki:
    case TTabele::HistoriaZlecenStalychPrzychody:
        return wgDaty(p.TabNameHistoriaZlecenStalych());
    case TTabele::StanyOszczednosci:
        return wgDaty(p.TabNameStanOszczednosci());
    case TTabele::Plany:
        return wgDaty(p.TabNamePlany());
    case TTabele::Ograniczenia:
        return wgId(p.TabNameOgraniczenia());
    case TTabele::Lokaty:
        return wgId(p.TabNameLokaty());
    case TTabele::HarmonogramyLokatBankowych:
        return wgId(p.TabNameHarmonogramyLokat());
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody:
        break;
    }
    return {};
}

std::unique_ptr<TSQLiteTable> TProjektDB::PobierzDaneZTabeli(TTabele typTabeli) {
    return JakoBladDanych([&] { return fBaza->GetTable(ZapytanieTabeli(typTabeli)); });
}

std::unique_ptr<TSQLiteTable> TProjektDB::PobierzDaneZTabeli(const QString& nazwaTabeli) {
    return JakoBladDanych([&] {
        return fBaza->GetTable(QStringLiteral("SELECT * FROM \"") + nazwaTabeli + QLatin1Char('"'));
    });
}

// SQLite reads a double-quoted name that is no column as a text value, so a
// query on a missing column would answer the name itself: the column is
// looked up among the table's columns first (bound, never pasted in).
bool TProjektDB::KolumnaTabeli(TTabele tabela, const QString& nazwaKolumny) {
    return KolumnaWUkladzie(fPlikiDB->PobierzNazweTabeli(tabela), nazwaKolumny);
}

bool TProjektDB::KolumnaWUkladzie(const QString& tabela, const QString& kolumna) {
    fBaza->ParamsClear();
    fBaza->AddParamText(QStringLiteral(":tabela"), tabela);
    fBaza->AddParamText(QStringLiteral(":kolumna"), kolumna);
    return fBaza->GetTableValue(QStringLiteral("SELECT count(*) FROM pragma_table_info(:tabela) "
                                               "WHERE name = :kolumna COLLATE NOCASE")) > 0;
}

std::optional<QStringList> TProjektDB::PobierzZawartoscKolumny(TTabele tabela,
                                                               const QString& nazwaKolumny) {
    try {
        if (!KolumnaTabeli(tabela, nazwaKolumny))
            return std::nullopt;
        const QString kolumna = QLatin1Char('"') + nazwaKolumny + QLatin1Char('"');
        const auto wynik = fBaza->GetTable(
            QStringLiteral("SELECT DISTINCT ") + kolumna + QStringLiteral(" FROM \"") +
            fPlikiDB->PobierzNazweTabeli(tabela) + QStringLiteral("\" WHERE ") + kolumna +
            QStringLiteral(" NOT NULL order by ") + kolumna + QLatin1Char(';'));
        QStringList wartosci;
        for (; !wynik->Eof(); wynik->Next())
            wartosci << wynik->FieldAsString(0);
        std::stable_sort(wartosci.begin(), wartosci.end(), MniejszyBezWielkosciLiter);
        return wartosci;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// --- Entry points ----------------------------------------------------------------

bool TProjektDB::ZmienionoINiezapisano(TTabele tabela) const {
    const TKolekcjeDanych& k = *fKolekcje;
    switch (tabela) {
    case TTabele::Wydatki:
        return k.ZmienionoINiezapisanoWydatki();
    case TTabele::Przychody:
        return k.ZmienionoINiezapisanoPrzychody();
    case TTabele::Oszczednosci:
        return k.ZmienionoINiezapisanoOszczednosci();
    case TTabele::Osoby:
        return k.ZmienionoINiezapisanoOsoby();
    case TTabele::Kategorie_Wydatki:
        return k.ZmienionoINiezapisanoKategorieWydatki();
    case TTabele::Kategorie_Przychody:
        return k.ZmienionoINiezapisanoKategoriePrzychody();
    case TTabele::Kategorie_Oszczednosci:
        return k.ZmienionoINiezapisanoKategorieOszczednosci();
    case TTabele::HistoriaPrzelewow:
        return k.ZmienionoINiezapisanoHistoriePrzelewow();
    case TTabele::ZleceniaStaleWydatki:
        return k.ZmienionoINiezapisanoZleceniaStaleWydatki();
    case TTabele::ZleceniaStalePrzychody:
        return k.ZmienionoINiezapisanoZleceniaStalePrzychody();
    case TTabele::HistoriaZlecenStalychWydatki:
    case TTabele::HistoriaZlecenStalychPrzychody:
        return k.ZmienionoINiezapisanoHistorieZlecenStalych();
    case TTabele::StanyOszczednosci:
        return k.ZmienionoINiezapisanoStanyOszczednosci();
    case TTabele::Plany:
        return k.ZmienionoINiezapisanoPlany();
    case TTabele::Ograniczenia:
        return k.ZmienionoINiezapisanoOgraniczenia();
    case TTabele::Lokaty:
    case TTabele::HarmonogramyLokatBankowych:
        return k.ZmienionoINiezapisanoLokaty();
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody:
        break;
    }
    return false;
}

void TProjektDB::WczytajTabele(TTabele tabela) {
    switch (tabela) {
    case TTabele::Wydatki:
        return WczytajWydatki();
    case TTabele::Przychody:
        return WczytajPrzychody();
    case TTabele::Oszczednosci:
        return WczytajOszczednosci();
    case TTabele::Osoby:
        return WczytajOsoby();
    case TTabele::Kategorie_Wydatki:
        return WczytajKategorieWydatkow();
    case TTabele::Kategorie_Przychody:
        return WczytajKategoriePrzychodow();
    case TTabele::Kategorie_Oszczednosci:
        return WczytajKategorieOszczednosci();
    case TTabele::HistoriaPrzelewow:
        return WczytajHistoriePrzelewow();
    case TTabele::ZleceniaStaleWydatki:
    case TTabele::ZleceniaStalePrzychody:
        return WczytajZleceniaStale(tabela);
    case TTabele::HistoriaZlecenStalychWydatki:
    case TTabele::HistoriaZlecenStalychPrzychody:
        return WczytajHistorieZlecenStalych();
    case TTabele::StanyOszczednosci:
        return WczytajStanyOszczednosci();
    case TTabele::Plany:
        return WczytajPlany();
    case TTabele::Ograniczenia:
        return WczytajOgraniczenia();
    case TTabele::Lokaty:
        return WczytajLokaty();
    case TTabele::HarmonogramyLokatBankowych:
        return WczytajHarmonogramyLokat();
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody:
        return;
    }
}

void TProjektDB::WczytajDaneZTabeliDoKolekcji(TTabele kolekcja) {
    if (!fKolekcje)
        throw EDataError(QString::fromUtf8(kBrakKolekcji));
    if (!ZmienionoINiezapisano(kolekcja))
        JakoBladDanych([&] { WczytajTabele(kolekcja); });
}

void TProjektDB::OdswiezZawartoscKolekcji(TTabele kolekcja) {
    if (!fKolekcje)
        throw EDataError(QString::fromUtf8(kBrakKolekcji));
    JakoBladDanych([&] { WczytajTabele(kolekcja); });
}

// Categories come first: the savings take their sort weights from them.
void TProjektDB::WczytajDaneZTabelDoKolekcji(TTabele kolekcja) {
    if (!fKolekcje)
        throw EDataError(QString::fromUtf8(kBrakKolekcji));
    const auto wybrana = [&](std::initializer_list<TTabele> tabele) {
        return std::find(tabele.begin(), tabele.end(), kolekcja) != tabele.end();
    };
    const TTabele kolejnosc[] = {TTabele::Kategorie_Oszczednosci,
                                 TTabele::Kategorie_Przychody,
                                 TTabele::Kategorie_Wydatki,
                                 TTabele::Wydatki,
                                 TTabele::Przychody,
                                 TTabele::Oszczednosci,
                                 TTabele::Osoby,
                                 TTabele::HistoriaPrzelewow,
                                 TTabele::StanyOszczednosci,
                                 TTabele::ZleceniaStaleWydatki,
                                 TTabele::ZleceniaStalePrzychody,
                                 TTabele::HistoriaZlecenStalychWydatki,
                                 TTabele::Plany,
                                 TTabele::Ograniczenia};
    JakoBladDanych([&] {
        for (TTabele tabela : kolejnosc) {
            const bool wymuszona = tabela == TTabele::HistoriaZlecenStalychWydatki
                                       ? wybrana({TTabele::HistoriaZlecenStalychWydatki,
                                                  TTabele::HistoriaZlecenStalychPrzychody})
                                       : tabela == kolekcja;
            if (wymuszona || !ZmienionoINiezapisano(tabela))
                WczytajTabele(tabela);
        }
        if (wybrana({TTabele::Lokaty, TTabele::HarmonogramyLokatBankowych}) ||
            !fKolekcje->ZmienionoINiezapisanoLokaty()) {
            WczytajLokaty();
            WczytajHarmonogramyLokat();
        }
    });
}

bool TProjektDB::TabelaZapisana(TTabele tabela) const {
    if (!fKolekcje || tabela == TTabele::HarmonogramyLokatBankowych)
        return false;
    switch (tabela) {
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody:
        return false;
    default:
        return !ZmienionoINiezapisano(tabela);
    }
}

// --- The synthetic deposits balance -----------------------------------------------

void TProjektDB::SetPokazujLokatyWOszczednosciach(bool value) {
    fPokazujLokatyWOszczednosciach = value;
    if (!fKolekcje) {
        fPokazujLokatyWOszczednosciach = false;
        return;
    }
    auto& oszczednosci = fKolekcje->Oszczednosci();
    const auto stara = std::find_if(oszczednosci.begin(), oszczednosci.end(),
                                    [](const auto& o) { return o->OszczednoscZTabeliLokaty(); });
    if (stara != oszczednosci.end())
        oszczednosci.erase(stara);
    if (!value)
        return;
    double suma = 0;
    for (const auto& lokata : fKolekcje->Lokaty())
        if (lokata->Aktywna() && !lokata->Zakonczona() &&
            lokata->Zmiany() != TTypModyfikacji::Usunieto)
            suma += lokata->Kwota();
    auto lokaty = std::make_unique<TOszczednosc>();
    lokaty->SetIdKategoriaOszczednosci(TKolekcjeDanych::kIdKategoriiLokat);
    lokaty->SetIle(suma);
    lokaty->SetData(Now());
    lokaty->SetWagaIdKatOszczednosci(kWagaLokatWOszczednosciach);
    lokaty->SetOszczednoscZTabeliLokaty(true);
    lokaty->SetKomentarz(LinkRankinguLokat());
    oszczednosci.push_back(std::move(lokaty));
}

// --- Loaders -------------------------------------------------------------------------

void TProjektDB::WczytajWydatki() {
    const auto tabela = WierszeTabeli(*this, TTabele::Wydatki);
    auto& lista = fKolekcje->Wydatki();
    lista.clear();
    PrzejdzWiersze(tabela, true, [&](const TOdczytWiersza& w) {
        auto r = std::make_unique<TWydatek>();
        r->SetId(w.Liczba(u"Id"_s));
        r->SetIdKategoriaWydatki(w.Liczba(u"IdKategoriaWydatki"_s));
        r->SetIle(w.Kwota(u"Ile"_s));
        r->SetIdKategoriaOszczednosci(w.Liczba(u"IdKategoriaOszczednosci"_s));
        r->SetData(w.Data(u"Data"_s));
        r->SetIdOsoba(w.Liczba(u"IdOsoba"_s));
        r->SetKomentarz(w.Tekst(u"Komentarz"_s));
        r->SetZlecenieStale(w.Flaga(u"ZlecenieStale"_s));
        r->SetZalacznik(w.Tekst(u"Zalacznik"_s));
        lista.push_back(std::move(r));
    });
    fKolekcje->SetZmienionoINiezapisanoWydatki(false);
}

void TProjektDB::WczytajPrzychody() {
    const auto tabela = WierszeTabeli(*this, TTabele::Przychody);
    auto& lista = fKolekcje->Przychody();
    lista.clear();
    PrzejdzWiersze(tabela, true, [&](const TOdczytWiersza& w) {
        auto r = std::make_unique<TPrzychod>();
        r->SetId(w.Liczba(u"Id"_s));
        r->SetIdKategoriaPrzychody(w.Liczba(u"IdKategoriaPrzychody"_s));
        r->SetIle(w.Kwota(u"Ile"_s));
        r->SetIdKategoriaOszczednosci(w.Liczba(u"IdKategoriaOszczednosci"_s));
        r->SetData(w.Data(u"Data"_s));
        r->SetIdOsoba(w.Liczba(u"IdOsoba"_s));
        r->SetKomentarz(w.Tekst(u"Komentarz"_s));
        r->SetZlecenieStale(w.Flaga(u"ZlecenieStale"_s));
        lista.push_back(std::move(r));
    });
    fKolekcje->SetZmienionoINiezapisanoPrzychody(false);
}

// Each balance takes the sort weight of its loaded category; the synthetic
// deposits balance is added again afterwards when it is shown.
void TProjektDB::WczytajOszczednosci() {
    const auto tabela = WierszeTabeli(*this, TTabele::Oszczednosci);
    auto& lista = fKolekcje->Oszczednosci();
    lista.clear();
    PrzejdzWiersze(tabela, false, [&](const TOdczytWiersza& w) {
        auto r = std::make_unique<TOszczednosc>();
        r->SetId(w.Liczba(u"Id"_s));
        r->SetIdKategoriaOszczednosci(w.Liczba(u"IdKategoriaOszczednosci"_s));
        r->SetIle(w.Kwota(u"Ile"_s));
        r->SetData(w.Data(u"Data"_s));
        r->SetKomentarz(w.Tekst(u"Komentarz"_s));
        r->fTypOszczednosci = w.Bajt(u"TypOszczednosci"_s);
        r->SetWagaIdKatOszczednosci(fKolekcje->PobierzWageKategoriiPoID(
            r->IdKategoriaOszczednosci(), TTabele::Kategorie_Oszczednosci));
        lista.push_back(std::move(r));
    });
    SetPokazujLokatyWOszczednosciach(fPokazujLokatyWOszczednosciach);
    fKolekcje->SetZmienionoINiezapisanoOszczednosci(false);
}

void TProjektDB::WczytajOsoby() {
    const auto tabela = WierszeTabeli(*this, TTabele::Osoby);
    auto& lista = fKolekcje->Osoby();
    lista.clear();
    PrzejdzWiersze(tabela, false, [&](const TOdczytWiersza& w) {
        auto r = std::make_unique<TOsoba>();
        r->SetId(w.Liczba(u"Id"_s));
        r->SetImie(w.Tekst(u"Imie"_s));
        r->SetNazwisko(w.Tekst(u"Nazwisko"_s));
        r->SetPseudonim(w.Tekst(u"Pseudonim"_s));
        r->SetAdres(w.Tekst(u"Adres"_s));
        r->SetTelefon(w.Tekst(u"Telefon"_s));
        r->SetWaga(w.LiczbaBezZnaku(u"Waga"_s));
        r->SetUsuniety(w.Flaga(u"Usuniety"_s));
        lista.push_back(std::move(r));
    });
    fKolekcje->SetZmienionoINiezapisanoOsoby(false);
}

namespace {

template <class T> void CzytajKategorie(T& kategoria, const TOdczytWiersza& w) {
    kategoria.SetId(w.Liczba(u"Id"_s));
    kategoria.SetOpis(w.Tekst(u"Opis"_s));
    kategoria.SetUsuniety(w.Flaga(u"Usuniety"_s));
    kategoria.SetWaga(w.LiczbaBezZnaku(u"Waga"_s));
}

} // namespace

void TProjektDB::WczytajKategorieWydatkow() {
    const auto tabela = WierszeTabeli(*this, TTabele::Kategorie_Wydatki);
    auto& lista = fKolekcje->KategorieWydatki();
    lista.clear();
    PrzejdzWiersze(tabela, false, [&](const TOdczytWiersza& w) {
        auto r = std::make_unique<TKategoriaWydatki>();
        CzytajKategorie(*r, w);
        lista.push_back(std::move(r));
    });
    fKolekcje->SetZmienionoINiezapisanoKategorieWydatki(false);
}

void TProjektDB::WczytajKategoriePrzychodow() {
    const auto tabela = WierszeTabeli(*this, TTabele::Kategorie_Przychody);
    auto& lista = fKolekcje->KategoriePrzychody();
    lista.clear();
    PrzejdzWiersze(tabela, false, [&](const TOdczytWiersza& w) {
        auto r = std::make_unique<TKategoriaPrzychody>();
        CzytajKategorie(*r, w);
        lista.push_back(std::move(r));
    });
    fKolekcje->SetZmienionoINiezapisanoKategoriePrzychody(false);
}

// Every savings category gets a key in the map of deposit profits.
void TProjektDB::WczytajKategorieOszczednosci() {
    const auto tabela = WierszeTabeli(*this, TTabele::Kategorie_Oszczednosci);
    auto& lista = fKolekcje->KategorieOszczednosci();
    lista.clear();
    PrzejdzWiersze(tabela, false, [&](const TOdczytWiersza& w) {
        auto r = std::make_unique<TKategoriaOszczednosci>();
        CzytajKategorie(*r, w);
        r->SetMoznaZaplacic(w.Flaga(u"MoznaZaplacic"_s));
        r->SetCharakterDlugu(w.Flaga(u"Dlug"_s));
        lista.push_back(std::move(r));
    });
    auto& zyski = fKolekcje->ZyskiZLokatDoDodaniaJakoPrzychod();
    for (const auto& kategoria : lista)
        zyski.try_emplace(kategoria->Id(), 0.0);
    fKolekcje->SetZmienionoINiezapisanoKategorieOszczednosci(false);
}

void TProjektDB::WczytajHistoriePrzelewow() {
    const auto tabela = WierszeTabeli(*this, TTabele::HistoriaPrzelewow);
    auto& lista = fKolekcje->HistoriaPrzelewow();
    lista.clear();
    PrzejdzWiersze(tabela, false, [&](const TOdczytWiersza& w) {
        const double ile = w.Kwota(u"Ile"_s);
        const int32_t z = w.Liczba(u"IdKategoriaOszczednosciFrom"_s);
        const int32_t na = w.Liczba(u"IdKategoriaOszczednosciTo"_s);
        const TDateTime data = w.Data(u"Data"_s);
        const QString komentarz = w.Tekst(u"Komentarz"_s);
        const int32_t id = w.Liczba(u"Id"_s);
        lista.push_back(std::make_unique<THistoriaPrzelewu>(id, ile, z, na, data, komentarz,
                                                            TTypModyfikacji::BezZmian));
    });
    fKolekcje->SetZmienionoINiezapisanoHistoriePrzelewow(false);
}

void TProjektDB::WczytajStanyOszczednosci() {
    const auto tabela = WierszeTabeli(*this, TTabele::StanyOszczednosci);
    auto& lista = fKolekcje->StanyOszczednosci();
    lista.clear();
    PrzejdzWiersze(tabela, false, [&](const TOdczytWiersza& w) {
        const double stan = w.Kwota(u"Stan"_s);
        const TDateTime data = w.Data(u"Data"_s);
        const int32_t id = w.Liczba(u"Id"_s);
        lista.push_back(
            std::make_unique<TStanOszczednosci>(id, stan, data, TTypModyfikacji::BezZmian));
    });
    fKolekcje->SetZmienionoINiezapisanoStanyOszczednosci(false);
}

void TProjektDB::WczytajZleceniaStale(TTabele tabela) {
    const bool wydatki = tabela == TTabele::ZleceniaStaleWydatki;
    const auto wynik = WierszeTabeli(*this, tabela);
    auto& lista = wydatki ? fKolekcje->ZleceniaStaleWydatki() : fKolekcje->ZleceniaStalePrzychody();
    lista.clear();
    PrzejdzWiersze(wynik, false, [&](const TOdczytWiersza& w) {
        auto r = std::make_unique<TZlecenieStale>();
        r->SetId(w.Liczba(u"Id"_s));
        r->SetIdKategorii(w.Liczba(u"IdKategorii"_s));
        r->SetIdOszczednosci(w.Liczba(u"IdOszczednosci"_s));
        r->SetNazwa(w.Tekst(u"Nazwa"_s));
        r->SetKwota(w.Kwota(u"Kwota"_s));
        r->fCzestotliwosc = w.Bajt(u"Czestotliwosc"_s);
        r->fTypZleceniaStalego = w.Bajt(u"TypZleceniaStalego"_s);
        r->SetData(w.Data(u"Data"_s));
        r->SetAktywne(w.Flaga(u"Aktywne"_s));
        lista.push_back(std::move(r));
    });
    if (wydatki)
        fKolekcje->SetZmienionoINiezapisanoZleceniaStaleWydatki(false);
    else
        fKolekcje->SetZmienionoINiezapisanoZleceniaStalePrzychody(false);
}

void TProjektDB::WczytajHistorieZlecenStalych() {
    const auto tabela = WierszeTabeli(*this, TTabele::HistoriaZlecenStalychWydatki);
    auto& lista = fKolekcje->HistoriaZlecenStalych();
    lista.clear();
    PrzejdzWiersze(tabela, false, [&](const TOdczytWiersza& w) {
        auto r = std::make_unique<TZlecenieStale>();
        r->SetId(w.Liczba(u"Id"_s));
        r->SetIdKategorii(w.Liczba(u"IdKategorii"_s));
        r->SetIdZleceniaStalego(w.Liczba(u"IdZleceniaStalego"_s));
        r->SetIdOszczednosci(w.Liczba(u"IdOszczednosci"_s));
        r->SetKwota(w.Kwota(u"Kwota"_s));
        r->fCzestotliwosc = w.Bajt(u"Czestotliwosc"_s);
        r->fTypZleceniaStalego = w.Bajt(u"TypZleceniaStalego"_s);
        r->SetData(w.Data(u"Data"_s));
        r->SetKomentarz(w.Tekst(u"Komentarz"_s));
        r->SetIdOsoba(w.Liczba(u"IdOsoba"_s));
        lista.push_back(std::move(r));
    });
    fKolekcje->SetZmienionoINiezapisanoHistorieZlecenStalych(false);
}

void TProjektDB::WczytajPlany() {
    const auto tabela = WierszeTabeli(*this, TTabele::Plany);
    auto& lista = fKolekcje->Plany();
    lista.clear();
    PrzejdzWiersze(tabela, false, [&](const TOdczytWiersza& w) {
        auto r = std::make_unique<TPlan>();
        r->SetId(w.Liczba(u"Id"_s));
        r->SetNazwa(w.Tekst(u"Nazwa"_s));
        r->SetKwota(w.Kwota(u"Kwota"_s));
        r->SetIdKategorii(w.Liczba(u"IdKategorii"_s));
        r->SetWykonany(w.Flaga(u"Wykonany"_s));
        r->SetDodanyDoKolekcji(w.Flaga(u"DodanyDoKolekcji"_s));
        r->fTypPlanu = w.Bajt(u"TypPlanu"_s);
        r->SetData(w.Data(u"Data"_s));
        r->SetKomentarz(w.Tekst(u"Komentarz"_s));
        lista.push_back(std::move(r));
    });
    fKolekcje->SetZmienionoINiezapisanoPlany(false);
}

void TProjektDB::WczytajOgraniczenia() {
    const auto tabela = WierszeTabeli(*this, TTabele::Ograniczenia);
    auto& lista = fKolekcje->Ograniczenia();
    lista.clear();
    PrzejdzWiersze(tabela, false, [&](const TOdczytWiersza& w) {
        auto r = std::make_unique<TOgraniczenie>();
        r->SetId(w.Liczba(u"Id"_s));
        r->SetIdKategoriiWydatku(w.Liczba(u"IdKategoriiWydatku"_s));
        r->SetMaxMiesiac(w.Kwota(u"MaxMiesiac"_s));
        r->SetMaxRok(w.Kwota(u"MaxRok"_s));
        r->SetData(w.Data(u"Data"_s));
        r->SetRokOgraniczenia(static_cast<uint16_t>(w.Liczba(u"RokOgraniczenia"_s)));
        lista.push_back(std::move(r));
    });
    fKolekcje->SetZmienionoINiezapisanoOgraniczenia(false);
}

// A deposit runs from midnight of its start day.
void TProjektDB::WczytajLokaty() {
    const auto tabela = WierszeTabeli(*this, TTabele::Lokaty);
    auto& lista = fKolekcje->Lokaty();
    lista.clear();
    PrzejdzWiersze(tabela, false, [&](const TOdczytWiersza& w) {
        auto r = std::make_unique<TLokata>();
        r->SetId(w.Liczba(u"Id"_s));
        r->SetNazwa(w.Tekst(u"Nazwa"_s));
        r->SetKwota(w.Kwota(u"Kwota"_s));
        r->SetDataRozpoczecia(DateOf(w.Data(u"DataRozpoczecia"_s)));
        r->SetOkresLokaty(static_cast<uint16_t>(w.Liczba(u"OkresLokaty"_s)));
        r->fJednostkaLokaty = static_cast<TJednostkaOkresu>(w.Bajt(u"JednostkaLokaty"_s));
        r->SetIdHarmonogramLokaty(w.Liczba(u"IdHarmonogramLokaty"_s));
        r->SetAktywna(w.Flaga(u"Aktywna"_s));
        r->SetZmiany(TTypModyfikacji::BezZmian);
        lista.push_back(std::move(r));
    });
    fKolekcje->SetZmienionoINiezapisanoLokaty(false);
}

void TProjektDB::WczytajHarmonogramyLokat() {
    const auto tabela = WierszeTabeli(*this, TTabele::HarmonogramyLokatBankowych);
    auto& lista = fKolekcje->HarmonogramyLokatBankowych();
    lista.clear();
    PrzejdzWiersze(tabela, false, [&](const TOdczytWiersza& w) {
        auto r = std::make_unique<THarmonogramLokatyBankowej>();
        r->fId = w.Liczba(u"Id"_s);
        r->fNazwaHarmonogramu = w.Tekst(u"Nazwa"_s);
        r->fBank = w.Tekst(u"Bank"_s);
        r->fOkresDepozytu = w.LiczbaBezZnaku(u"OkresDepozytu"_s);
        r->fOprocentowanieStaleWCalymOkresieLokaty =
            w.Flaga(u"OprocentowanieStaleWCalymOkresieLokaty"_s);
        r->fWymaganeKontoOsobisteWTymBanku = w.Flaga(u"WymaganeKontoOsobisteWTymBanku"_s);
        r->fMozliwoscWczesniejszegoZerwaniaLokaty =
            w.Flaga(u"MozliwoscWczesniejszegoZerwaniaLokaty"_s);
        r->fWarunkiWczesniejszegoZerwaniaLokaty = w.Tekst(u"WarunkiWczesniejszegoZerwaniaLokaty"_s);
        r->fPozostaleInformacje = w.Tekst(u"PozostaleInformacje"_s);
        r->fDataDodaniaModyfikacji = w.Data(u"DataDodania"_s);
        r->fJednostkaDepozytu = static_cast<TJednostkaOkresu>(w.Bajt(u"JednostkaDepozytu"_s));
        r->fKapitalizacja = static_cast<TKapitalizacja>(w.Bajt(u"Kapitalizacja"_s));
        r->fOprocentowanieWSkaliRoku = w.Kwota(u"OprocentowanieWSkaliRoku"_s);
        r->fKwotaMinimalna = w.Kwota(u"KwotaMinimalna"_s);
        r->fKwotaMaksymalna = w.Kwota(u"KwotaMaksymalna"_s);
        r->fHarmonogramDodanyPrzezUzytkownika = w.Flaga(u"HarmonogramDodanyPrzezUzytkownika"_s);
        r->fZmiany = TTypModyfikacji::BezZmian;
        lista.push_back(std::move(r));
    });
    fKolekcje->SetZmienionoINiezapisanoLokaty(false);
}
