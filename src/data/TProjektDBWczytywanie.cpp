#include "data/EDataError.h"
#include "data/TKolekcjeDanych.h"
#include "data/TOdczytWiersza.h"
#include "data/TProjektDB.h"
#include "data/sqlite/ESQLiteException.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "data/sqlite/TSQLiteTable.h"
#include "domain/AdresyWWW.h"
#include "domain/PorownanieTekstow.h"
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

TOdczytWiersza TProjektDB::OdczytTabeli(TTabele tabela) {
    return TOdczytWiersza(*fBaza, ZapytanieTabeli(tabela), fPlikiDB->PobierzNazweTabeli(tabela));
}

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
    TOdczytWiersza w = OdczytTabeli(TTabele::Wydatki);
    const auto kId = w.Kolumna(u"Id"_s);
    const auto kIdKategoriaWydatki = w.Kolumna(u"IdKategoriaWydatki"_s);
    const auto kIle = w.Kolumna(u"Ile"_s);
    const auto kIdKategoriaOszczednosci = w.Kolumna(u"IdKategoriaOszczednosci"_s);
    const auto kData = w.Kolumna(u"Data"_s);
    const auto kIdOsoba = w.Kolumna(u"IdOsoba"_s);
    const auto kKomentarz = w.Kolumna(u"Komentarz"_s);
    const auto kZlecenieStale = w.Kolumna(u"ZlecenieStale"_s);
    const auto kZalacznik = w.Kolumna(u"Zalacznik"_s);
    auto& lista = fKolekcje->Wydatki();
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<TWydatek>();
        r->SetId(w.Liczba(kId));
        r->SetIdKategoriaWydatki(w.Liczba(kIdKategoriaWydatki));
        r->SetIle(w.Kwota(kIle));
        r->SetIdKategoriaOszczednosci(w.Liczba(kIdKategoriaOszczednosci));
        r->SetData(w.Data(kData));
        r->SetIdOsoba(w.Liczba(kIdOsoba));
        r->SetKomentarz(w.Tekst(kKomentarz));
        r->SetZlecenieStale(w.Flaga(kZlecenieStale));
        r->SetZalacznik(w.Tekst(kZalacznik));
        lista.push_back(std::move(r));
    }
    std::reverse(lista.begin(), lista.end());
    fKolekcje->SetZmienionoINiezapisanoWydatki(false);
}

void TProjektDB::WczytajPrzychody() {
    TOdczytWiersza w = OdczytTabeli(TTabele::Przychody);
    const auto kId = w.Kolumna(u"Id"_s);
    const auto kIdKategoriaPrzychody = w.Kolumna(u"IdKategoriaPrzychody"_s);
    const auto kIle = w.Kolumna(u"Ile"_s);
    const auto kIdKategoriaOszczednosci = w.Kolumna(u"IdKategoriaOszczednosci"_s);
    const auto kData = w.Kolumna(u"Data"_s);
    const auto kIdOsoba = w.Kolumna(u"IdOsoba"_s);
    const auto kKomentarz = w.Kolumna(u"Komentarz"_s);
    const auto kZlecenieStale = w.Kolumna(u"ZlecenieStale"_s);
    auto& lista = fKolekcje->Przychody();
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<TPrzychod>();
        r->SetId(w.Liczba(kId));
        r->SetIdKategoriaPrzychody(w.Liczba(kIdKategoriaPrzychody));
        r->SetIle(w.Kwota(kIle));
        r->SetIdKategoriaOszczednosci(w.Liczba(kIdKategoriaOszczednosci));
        r->SetData(w.Data(kData));
        r->SetIdOsoba(w.Liczba(kIdOsoba));
        r->SetKomentarz(w.Tekst(kKomentarz));
        r->SetZlecenieStale(w.Flaga(kZlecenieStale));
        lista.push_back(std::move(r));
    }
    std::reverse(lista.begin(), lista.end());
    fKolekcje->SetZmienionoINiezapisanoPrzychody(false);
}

// Each balance takes the sort weight of its loaded category; the synthetic
// deposits balance is added again afterwards when it is shown.
void TProjektDB::WczytajOszczednosci() {
    TOdczytWiersza w = OdczytTabeli(TTabele::Oszczednosci);
    const auto kId = w.Kolumna(u"Id"_s);
    const auto kIdKategoriaOszczednosci = w.Kolumna(u"IdKategoriaOszczednosci"_s);
    const auto kIle = w.Kolumna(u"Ile"_s);
    const auto kData = w.Kolumna(u"Data"_s);
    const auto kKomentarz = w.Kolumna(u"Komentarz"_s);
    const auto kTypOszczednosci = w.Kolumna(u"TypOszczednosci"_s);
    auto& lista = fKolekcje->Oszczednosci();
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<TOszczednosc>();
        r->SetId(w.Liczba(kId));
        r->SetIdKategoriaOszczednosci(w.Liczba(kIdKategoriaOszczednosci));
        r->SetIle(w.Kwota(kIle));
        r->SetData(w.Data(kData));
        r->SetKomentarz(w.Tekst(kKomentarz));
        r->fTypOszczednosci = w.Bajt(kTypOszczednosci);
        r->SetWagaIdKatOszczednosci(fKolekcje->PobierzWageKategoriiPoID(
            r->IdKategoriaOszczednosci(), TTabele::Kategorie_Oszczednosci));
        lista.push_back(std::move(r));
    }
    SetPokazujLokatyWOszczednosciach(fPokazujLokatyWOszczednosciach);
    fKolekcje->SetZmienionoINiezapisanoOszczednosci(false);
}

void TProjektDB::WczytajOsoby() {
    TOdczytWiersza w = OdczytTabeli(TTabele::Osoby);
    const auto kId = w.Kolumna(u"Id"_s);
    const auto kImie = w.Kolumna(u"Imie"_s);
    const auto kNazwisko = w.Kolumna(u"Nazwisko"_s);
    const auto kPseudonim = w.Kolumna(u"Pseudonim"_s);
    const auto kAdres = w.Kolumna(u"Adres"_s);
    const auto kTelefon = w.Kolumna(u"Telefon"_s);
    const auto kWaga = w.Kolumna(u"Waga"_s);
    const auto kUsuniety = w.Kolumna(u"Usuniety"_s);
    auto& lista = fKolekcje->Osoby();
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<TOsoba>();
        r->SetId(w.Liczba(kId));
        r->SetImie(w.Tekst(kImie));
        r->SetNazwisko(w.Tekst(kNazwisko));
        r->SetPseudonim(w.Tekst(kPseudonim));
        r->SetAdres(w.Tekst(kAdres));
        r->SetTelefon(w.Tekst(kTelefon));
        r->SetWaga(w.LiczbaBezZnaku(kWaga));
        r->SetUsuniety(w.Flaga(kUsuniety));
        lista.push_back(std::move(r));
    }
    fKolekcje->SetZmienionoINiezapisanoOsoby(false);
}

namespace {

// The columns every table of categories has.
struct TKolumnyKategorii {
    explicit TKolumnyKategorii(const TOdczytWiersza& w)
        : id(w.Kolumna(u"Id"_s)), opis(w.Kolumna(u"Opis"_s)), usuniety(w.Kolumna(u"Usuniety"_s)),
          waga(w.Kolumna(u"Waga"_s)) {}

    template <class T> void Czytaj(T& kategoria, const TOdczytWiersza& w) const {
        kategoria.SetId(w.Liczba(id));
        kategoria.SetOpis(w.Tekst(opis));
        kategoria.SetUsuniety(w.Flaga(usuniety));
        kategoria.SetWaga(w.LiczbaBezZnaku(waga));
    }

    TOdczytWiersza::TKolumna id, opis, usuniety, waga;
};

} // namespace

void TProjektDB::WczytajKategorieWydatkow() {
    TOdczytWiersza w = OdczytTabeli(TTabele::Kategorie_Wydatki);
    const TKolumnyKategorii kategorie(w);
    auto& lista = fKolekcje->KategorieWydatki();
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<TKategoriaWydatki>();
        kategorie.Czytaj(*r, w);
        lista.push_back(std::move(r));
    }
    fKolekcje->SetZmienionoINiezapisanoKategorieWydatki(false);
}

void TProjektDB::WczytajKategoriePrzychodow() {
    TOdczytWiersza w = OdczytTabeli(TTabele::Kategorie_Przychody);
    const TKolumnyKategorii kategorie(w);
    auto& lista = fKolekcje->KategoriePrzychody();
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<TKategoriaPrzychody>();
        kategorie.Czytaj(*r, w);
        lista.push_back(std::move(r));
    }
    fKolekcje->SetZmienionoINiezapisanoKategoriePrzychody(false);
}

// Every savings category gets a key in the map of deposit profits.
void TProjektDB::WczytajKategorieOszczednosci() {
    TOdczytWiersza w = OdczytTabeli(TTabele::Kategorie_Oszczednosci);
    const TKolumnyKategorii kategorie(w);
    const auto kMoznaZaplacic = w.Kolumna(u"MoznaZaplacic"_s);
    const auto kDlug = w.Kolumna(u"Dlug"_s);
    auto& lista = fKolekcje->KategorieOszczednosci();
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<TKategoriaOszczednosci>();
        kategorie.Czytaj(*r, w);
        r->SetMoznaZaplacic(w.Flaga(kMoznaZaplacic));
        r->SetCharakterDlugu(w.Flaga(kDlug));
        lista.push_back(std::move(r));
    }
    auto& zyski = fKolekcje->ZyskiZLokatDoDodaniaJakoPrzychod();
    for (const auto& kategoria : lista)
        zyski.try_emplace(kategoria->Id(), 0.0);
    fKolekcje->SetZmienionoINiezapisanoKategorieOszczednosci(false);
}

void TProjektDB::WczytajHistoriePrzelewow() {
    TOdczytWiersza w = OdczytTabeli(TTabele::HistoriaPrzelewow);
    const auto kIle = w.Kolumna(u"Ile"_s);
    const auto kIdKategoriaOszczednosciFrom = w.Kolumna(u"IdKategoriaOszczednosciFrom"_s);
    const auto kIdKategoriaOszczednosciTo = w.Kolumna(u"IdKategoriaOszczednosciTo"_s);
    const auto kData = w.Kolumna(u"Data"_s);
    const auto kKomentarz = w.Kolumna(u"Komentarz"_s);
    const auto kId = w.Kolumna(u"Id"_s);
    auto& lista = fKolekcje->HistoriaPrzelewow();
    lista.clear();
    while (w.Nastepny()) {
        const double ile = w.Kwota(kIle);
        const int32_t z = w.Liczba(kIdKategoriaOszczednosciFrom);
        const int32_t na = w.Liczba(kIdKategoriaOszczednosciTo);
        const TDateTime data = w.Data(kData);
        const QString komentarz = w.Tekst(kKomentarz);
        const int32_t id = w.Liczba(kId);
        lista.push_back(std::make_unique<THistoriaPrzelewu>(id, ile, z, na, data, komentarz,
                                                            TTypModyfikacji::BezZmian));
    }
    fKolekcje->SetZmienionoINiezapisanoHistoriePrzelewow(false);
}

void TProjektDB::WczytajStanyOszczednosci() {
    TOdczytWiersza w = OdczytTabeli(TTabele::StanyOszczednosci);
    const auto kStan = w.Kolumna(u"Stan"_s);
    const auto kData = w.Kolumna(u"Data"_s);
    const auto kId = w.Kolumna(u"Id"_s);
    auto& lista = fKolekcje->StanyOszczednosci();
    lista.clear();
    while (w.Nastepny()) {
        const double stan = w.Kwota(kStan);
        const TDateTime data = w.Data(kData);
        const int32_t id = w.Liczba(kId);
        lista.push_back(
            std::make_unique<TStanOszczednosci>(id, stan, data, TTypModyfikacji::BezZmian));
    }
    fKolekcje->SetZmienionoINiezapisanoStanyOszczednosci(false);
}

void TProjektDB::WczytajZleceniaStale(TTabele tabela) {
    const bool wydatki = tabela == TTabele::ZleceniaStaleWydatki;
    TOdczytWiersza w = OdczytTabeli(tabela);
    const auto kId = w.Kolumna(u"Id"_s);
    const auto kIdKategorii = w.Kolumna(u"IdKategorii"_s);
    const auto kIdOszczednosci = w.Kolumna(u"IdOszczednosci"_s);
    const auto kNazwa = w.Kolumna(u"Nazwa"_s);
    const auto kKwota = w.Kolumna(u"Kwota"_s);
    const auto kCzestotliwosc = w.Kolumna(u"Czestotliwosc"_s);
    const auto kTypZleceniaStalego = w.Kolumna(u"TypZleceniaStalego"_s);
    const auto kData = w.Kolumna(u"Data"_s);
    const auto kAktywne = w.Kolumna(u"Aktywne"_s);
    auto& lista = wydatki ? fKolekcje->ZleceniaStaleWydatki() : fKolekcje->ZleceniaStalePrzychody();
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<TZlecenieStale>();
        r->SetId(w.Liczba(kId));
        r->SetIdKategorii(w.Liczba(kIdKategorii));
        r->SetIdOszczednosci(w.Liczba(kIdOszczednosci));
        r->SetNazwa(w.Tekst(kNazwa));
        r->SetKwota(w.Kwota(kKwota));
        r->fCzestotliwosc = w.Bajt(kCzestotliwosc);
        r->fTypZleceniaStalego = w.Bajt(kTypZleceniaStalego);
        r->SetData(w.Data(kData));
        r->SetAktywne(w.Flaga(kAktywne));
        lista.push_back(std::move(r));
    }
    if (wydatki)
        fKolekcje->SetZmienionoINiezapisanoZleceniaStaleWydatki(false);
    else
        fKolekcje->SetZmienionoINiezapisanoZleceniaStalePrzychody(false);
}

void TProjektDB::WczytajHistorieZlecenStalych() {
    TOdczytWiersza w = OdczytTabeli(TTabele::HistoriaZlecenStalychWydatki);
    const auto kId = w.Kolumna(u"Id"_s);
    const auto kIdKategorii = w.Kolumna(u"IdKategorii"_s);
    const auto kIdZleceniaStalego = w.Kolumna(u"IdZleceniaStalego"_s);
    const auto kIdOszczednosci = w.Kolumna(u"IdOszczednosci"_s);
    const auto kKwota = w.Kolumna(u"Kwota"_s);
    const auto kCzestotliwosc = w.Kolumna(u"Czestotliwosc"_s);
    const auto kTypZleceniaStalego = w.Kolumna(u"TypZleceniaStalego"_s);
    const auto kData = w.Kolumna(u"Data"_s);
    const auto kKomentarz = w.Kolumna(u"Komentarz"_s);
    const auto kIdOsoba = w.Kolumna(u"IdOsoba"_s);
    auto& lista = fKolekcje->HistoriaZlecenStalych();
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<TZlecenieStale>();
        r->SetId(w.Liczba(kId));
        r->SetIdKategorii(w.Liczba(kIdKategorii));
        r->SetIdZleceniaStalego(w.Liczba(kIdZleceniaStalego));
        r->SetIdOszczednosci(w.Liczba(kIdOszczednosci));
        r->SetKwota(w.Kwota(kKwota));
        r->fCzestotliwosc = w.Bajt(kCzestotliwosc);
        r->fTypZleceniaStalego = w.Bajt(kTypZleceniaStalego);
        r->SetData(w.Data(kData));
        r->SetKomentarz(w.Tekst(kKomentarz));
        r->SetIdOsoba(w.Liczba(kIdOsoba));
        lista.push_back(std::move(r));
    }
    fKolekcje->SetZmienionoINiezapisanoHistorieZlecenStalych(false);
}

void TProjektDB::WczytajPlany() {
    TOdczytWiersza w = OdczytTabeli(TTabele::Plany);
    const auto kId = w.Kolumna(u"Id"_s);
    const auto kNazwa = w.Kolumna(u"Nazwa"_s);
    const auto kKwota = w.Kolumna(u"Kwota"_s);
    const auto kIdKategorii = w.Kolumna(u"IdKategorii"_s);
    const auto kWykonany = w.Kolumna(u"Wykonany"_s);
    const auto kDodanyDoKolekcji = w.Kolumna(u"DodanyDoKolekcji"_s);
    const auto kTypPlanu = w.Kolumna(u"TypPlanu"_s);
    const auto kData = w.Kolumna(u"Data"_s);
    const auto kKomentarz = w.Kolumna(u"Komentarz"_s);
    auto& lista = fKolekcje->Plany();
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<TPlan>();
        r->SetId(w.Liczba(kId));
        r->SetNazwa(w.Tekst(kNazwa));
        r->SetKwota(w.Kwota(kKwota));
        r->SetIdKategorii(w.Liczba(kIdKategorii));
        r->SetWykonany(w.Flaga(kWykonany));
        r->SetDodanyDoKolekcji(w.Flaga(kDodanyDoKolekcji));
        r->fTypPlanu = w.Bajt(kTypPlanu);
        r->SetData(w.Data(kData));
        r->SetKomentarz(w.Tekst(kKomentarz));
        lista.push_back(std::move(r));
    }
    fKolekcje->SetZmienionoINiezapisanoPlany(false);
}

void TProjektDB::WczytajOgraniczenia() {
    TOdczytWiersza w = OdczytTabeli(TTabele::Ograniczenia);
    const auto kId = w.Kolumna(u"Id"_s);
    const auto kIdKategoriiWydatku = w.Kolumna(u"IdKategoriiWydatku"_s);
    const auto kMaxMiesiac = w.Kolumna(u"MaxMiesiac"_s);
    const auto kMaxRok = w.Kolumna(u"MaxRok"_s);
    const auto kData = w.Kolumna(u"Data"_s);
    const auto kRokOgraniczenia = w.Kolumna(u"RokOgraniczenia"_s);
    auto& lista = fKolekcje->Ograniczenia();
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<TOgraniczenie>();
        r->SetId(w.Liczba(kId));
        r->SetIdKategoriiWydatku(w.Liczba(kIdKategoriiWydatku));
        r->SetMaxMiesiac(w.Kwota(kMaxMiesiac));
        r->SetMaxRok(w.Kwota(kMaxRok));
        r->SetData(w.Data(kData));
        r->SetRokOgraniczenia(static_cast<uint16_t>(w.Liczba(kRokOgraniczenia)));
        lista.push_back(std::move(r));
    }
    fKolekcje->SetZmienionoINiezapisanoOgraniczenia(false);
}

// A deposit runs from midnight of its start day.
void TProjektDB::WczytajLokaty() {
    TOdczytWiersza w = OdczytTabeli(TTabele::Lokaty);
    const auto kId = w.Kolumna(u"Id"_s);
    const auto kNazwa = w.Kolumna(u"Nazwa"_s);
    const auto kKwota = w.Kolumna(u"Kwota"_s);
    const auto kDataRozpoczecia = w.Kolumna(u"DataRozpoczecia"_s);
    const auto kOkresLokaty = w.Kolumna(u"OkresLokaty"_s);
    const auto kJednostkaLokaty = w.Kolumna(u"JednostkaLokaty"_s);
    const auto kIdHarmonogramLokaty = w.Kolumna(u"IdHarmonogramLokaty"_s);
    const auto kAktywna = w.Kolumna(u"Aktywna"_s);
    auto& lista = fKolekcje->Lokaty();
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<TLokata>();
        r->SetId(w.Liczba(kId));
        r->SetNazwa(w.Tekst(kNazwa));
        r->SetKwota(w.Kwota(kKwota));
        r->SetDataRozpoczecia(DateOf(w.Data(kDataRozpoczecia)));
        r->SetOkresLokaty(static_cast<uint16_t>(w.Liczba(kOkresLokaty)));
        r->fJednostkaLokaty = static_cast<TJednostkaOkresu>(w.Bajt(kJednostkaLokaty));
        r->SetIdHarmonogramLokaty(w.Liczba(kIdHarmonogramLokaty));
        r->SetAktywna(w.Flaga(kAktywna));
        r->SetZmiany(TTypModyfikacji::BezZmian);
        lista.push_back(std::move(r));
    }
    fKolekcje->SetZmienionoINiezapisanoLokaty(false);
}

void TProjektDB::WczytajHarmonogramyLokat() {
    TOdczytWiersza w = OdczytTabeli(TTabele::HarmonogramyLokatBankowych);
    const auto kId = w.Kolumna(u"Id"_s);
    const auto kNazwa = w.Kolumna(u"Nazwa"_s);
    const auto kBank = w.Kolumna(u"Bank"_s);
    const auto kOkresDepozytu = w.Kolumna(u"OkresDepozytu"_s);
    const auto kOprocentowanieStaleWCalymOkresieLokaty =
        w.Kolumna(u"OprocentowanieStaleWCalymOkresieLokaty"_s);
    const auto kWymaganeKontoOsobisteWTymBanku = w.Kolumna(u"WymaganeKontoOsobisteWTymBanku"_s);
    const auto kMozliwoscWczesniejszegoZerwaniaLokaty =
        w.Kolumna(u"MozliwoscWczesniejszegoZerwaniaLokaty"_s);
    const auto kWarunkiWczesniejszegoZerwaniaLokaty =
        w.Kolumna(u"WarunkiWczesniejszegoZerwaniaLokaty"_s);
    const auto kPozostaleInformacje = w.Kolumna(u"PozostaleInformacje"_s);
    const auto kDataDodania = w.Kolumna(u"DataDodania"_s);
    const auto kJednostkaDepozytu = w.Kolumna(u"JednostkaDepozytu"_s);
    const auto kKapitalizacja = w.Kolumna(u"Kapitalizacja"_s);
    const auto kOprocentowanieWSkaliRoku = w.Kolumna(u"OprocentowanieWSkaliRoku"_s);
    const auto kKwotaMinimalna = w.Kolumna(u"KwotaMinimalna"_s);
    const auto kKwotaMaksymalna = w.Kolumna(u"KwotaMaksymalna"_s);
    const auto kHarmonogramDodanyPrzezUzytkownika =
        w.Kolumna(u"HarmonogramDodanyPrzezUzytkownika"_s);
    auto& lista = fKolekcje->HarmonogramyLokatBankowych();
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<THarmonogramLokatyBankowej>();
        r->fId = w.Liczba(kId);
        r->fNazwaHarmonogramu = w.Tekst(kNazwa);
        r->fBank = w.Tekst(kBank);
        r->fOkresDepozytu = w.LiczbaBezZnaku(kOkresDepozytu);
        r->fOprocentowanieStaleWCalymOkresieLokaty =
            w.Flaga(kOprocentowanieStaleWCalymOkresieLokaty);
        r->fWymaganeKontoOsobisteWTymBanku = w.Flaga(kWymaganeKontoOsobisteWTymBanku);
        r->fMozliwoscWczesniejszegoZerwaniaLokaty = w.Flaga(kMozliwoscWczesniejszegoZerwaniaLokaty);
        r->fWarunkiWczesniejszegoZerwaniaLokaty = w.Tekst(kWarunkiWczesniejszegoZerwaniaLokaty);
        r->fPozostaleInformacje = w.Tekst(kPozostaleInformacje);
        r->fDataDodaniaModyfikacji = w.Data(kDataDodania);
        r->fJednostkaDepozytu = static_cast<TJednostkaOkresu>(w.Bajt(kJednostkaDepozytu));
        r->fKapitalizacja = static_cast<TKapitalizacja>(w.Bajt(kKapitalizacja));
        r->fOprocentowanieWSkaliRoku = w.Kwota(kOprocentowanieWSkaliRoku);
        r->fKwotaMinimalna = w.Kwota(kKwotaMinimalna);
        r->fKwotaMaksymalna = w.Kwota(kKwotaMaksymalna);
        r->fHarmonogramDodanyPrzezUzytkownika = w.Flaga(kHarmonogramDodanyPrzezUzytkownika);
        r->fZmiany = TTypModyfikacji::BezZmian;
        lista.push_back(std::move(r));
    }
    fKolekcje->SetZmienionoINiezapisanoLokaty(false);
}
