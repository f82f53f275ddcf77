#include "data/EDataError.h"
#include "data/TKolekcjeDanych.h"
#include "data/TKolumnyTabel.h"
#include "data/TOdczytWiersza.h"
#include "data/TProjektDB.h"
#include "data/sqlite/ESQLiteException.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "data/sqlite/TSQLiteTable.h"
#include "format/PorownanieTekstow.h"
#include "platform/Clock.h"
#include "platform/WebAddresses.h"

#include <algorithm>
#include <limits>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const char* const kBrakKolekcji =
    "Nie udało się wczytać danych z bazy, Kolekcje Danych nie są poprawnie zainicjalizowane.";

// The sort weight of the synthetic deposits balance: after every category.
constexpr uint32_t kWagaLokatWOszczednosciach = 2147483647;

// The ranking of bank deposits on the partner site, linked from the
// synthetic deposits balance.
QString LinkRankinguLokat() {
    return QStringLiteral("<a href=\"") + WebAddresses::DepositRanking() +
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

// Without regard to letter case, then with it, then by the code units; each
// text is collated once, not in every comparison.
QStringList PosortowaneBezWielkosciLiter(const QStringList& wartosci) {
    const std::vector<QString> teksty(wartosci.begin(), wartosci.end());
    const std::vector<int32_t> bezWielkosci = RangiTekstow(teksty, TWielkoscLiter::Ignoruj);
    const std::vector<int32_t> zWielkoscia = RangiTekstow(teksty, TWielkoscLiter::Rozrozniaj);
    std::vector<size_t> kolejnosc(teksty.size());
    for (size_t i = 0; i < kolejnosc.size(); ++i)
        kolejnosc[i] = i;
    std::stable_sort(kolejnosc.begin(), kolejnosc.end(), [&](size_t a, size_t b) {
        if (bezWielkosci[a] != bezWielkosci[b])
            return bezWielkosci[a] < bezWielkosci[b];
        if (zWielkoscia[a] != zWielkoscia[b])
            return zWielkoscia[a] < zWielkoscia[b];
        return teksty[a] < teksty[b];
    });
    QStringList wynik;
    wynik.reserve(wartosci.size());
    for (size_t i : kolejnosc)
        wynik.append(teksty[i]);
    return wynik;
}

// Every row of the query, read through the table's column mapping into a
// list emptied first.
template <class R>
void CzytajWiersze(TOdczytWiersza&& w, const TMapowanieTabeli<R>& m, TListaObiektow<R>& lista) {
    const auto komorki = m.Znajdz(w);
    lista.clear();
    while (w.Nastepny()) {
        auto r = std::make_unique<R>();
        m.Czytaj(*r, w, komorki);
        lista.push_back(std::move(r));
    }
}

// Expenses and incomes are kept newest first.
template <class R>
void CzytajOdNajnowszych(TOdczytWiersza&& w, const TMapowanieTabeli<R>& m,
                         TListaObiektow<R>& lista) {
    CzytajWiersze(std::move(w), m, lista);
    std::reverse(lista.begin(), lista.end());
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
        return PosortowaneBezWielkosciLiter(wartosci);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// --- Entry points ----------------------------------------------------------------

// The loader of the table, then its list's flag is cleared (the offers'
// loader clears the deposits' flag, which marks both lists).
void TProjektDB::WczytajTabele(TTabele tabela) {
    TKolekcjeDanych& k = *fKolekcje;
    switch (tabela) {
    case TTabele::Wydatki:
        CzytajOdNajnowszych(OdczytTabeli(tabela), TKolumnyTabel::Wydatki(), k.Wydatki());
        break;
    case TTabele::Przychody:
        CzytajOdNajnowszych(OdczytTabeli(tabela), TKolumnyTabel::Przychody(), k.Przychody());
        break;
    case TTabele::Oszczednosci:
        WczytajOszczednosci();
        break;
    case TTabele::Osoby:
        CzytajWiersze(OdczytTabeli(tabela), TKolumnyTabel::Osoby(), k.Osoby());
        break;
    case TTabele::Kategorie_Wydatki:
        CzytajWiersze(OdczytTabeli(tabela), TKolumnyTabel::KategorieWydatkow(),
                      k.KategorieWydatki());
        break;
    case TTabele::Kategorie_Przychody:
        CzytajWiersze(OdczytTabeli(tabela), TKolumnyTabel::KategoriePrzychodow(),
                      k.KategoriePrzychody());
        break;
    case TTabele::Kategorie_Oszczednosci:
        WczytajKategorieOszczednosci();
        break;
    case TTabele::HistoriaPrzelewow:
        CzytajWiersze(OdczytTabeli(tabela), TKolumnyTabel::HistoriaPrzelewow(),
                      k.HistoriaPrzelewow());
        break;
    case TTabele::ZleceniaStaleWydatki:
        CzytajWiersze(OdczytTabeli(tabela), TKolumnyTabel::ZleceniaStale(),
                      k.ZleceniaStaleWydatki());
        break;
    case TTabele::ZleceniaStalePrzychody:
        CzytajWiersze(OdczytTabeli(tabela), TKolumnyTabel::ZleceniaStale(),
                      k.ZleceniaStalePrzychody());
        break;
    case TTabele::HistoriaZlecenStalychWydatki:
    case TTabele::HistoriaZlecenStalychPrzychody:
        CzytajWiersze(OdczytTabeli(TTabele::HistoriaZlecenStalychWydatki),
                      TKolumnyTabel::HistoriaZlecenStalych(), k.HistoriaZlecenStalych());
        break;
    case TTabele::StanyOszczednosci:
        WczytajStanyOszczednosci();
        break;
    case TTabele::Plany:
        CzytajWiersze(OdczytTabeli(tabela), TKolumnyTabel::Plany(), k.Plany());
        break;
    case TTabele::Ograniczenia:
        CzytajWiersze(OdczytTabeli(tabela), TKolumnyTabel::Ograniczenia(), k.Ograniczenia());
        break;
    case TTabele::Lokaty:
        CzytajWiersze(OdczytTabeli(tabela), TKolumnyTabel::Lokaty(), k.Lokaty());
        break;
    case TTabele::HarmonogramyLokatBankowych:
        CzytajWiersze(OdczytTabeli(tabela), TKolumnyTabel::HarmonogramyLokat(),
                      k.HarmonogramyLokatBankowych());
        break;
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody:
        return;
    }
    k.SetZmienionoINiezapisano(tabela, false);
}

void TProjektDB::WczytajDaneZTabeliDoKolekcji(TTabele kolekcja) {
    if (!fKolekcje)
        throw EDataError(QString::fromUtf8(kBrakKolekcji));
    if (!fKolekcje->ZmienionoINiezapisano(kolekcja))
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
            if (wymuszona || !fKolekcje->ZmienionoINiezapisano(tabela))
                WczytajTabele(tabela);
        }
        if (wybrana({TTabele::Lokaty, TTabele::HarmonogramyLokatBankowych}) ||
            !fKolekcje->ZmienionoINiezapisanoLokaty()) {
            WczytajTabele(TTabele::Lokaty);
            WczytajTabele(TTabele::HarmonogramyLokatBankowych);
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
        return !fKolekcje->ZmienionoINiezapisano(tabela);
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

// Each balance takes the sort weight of its loaded category; the synthetic
// deposits balance is added again afterwards when it is shown.
void TProjektDB::WczytajOszczednosci() {
    auto& lista = fKolekcje->Oszczednosci();
    CzytajWiersze(OdczytTabeli(TTabele::Oszczednosci), TKolumnyTabel::Oszczednosci(), lista);
    for (const auto& r : lista)
        r->SetWagaIdKatOszczednosci(fKolekcje->PobierzWageKategoriiPoID(
            r->IdKategoriaOszczednosci(), TTabele::Kategorie_Oszczednosci));
    SetPokazujLokatyWOszczednosciach(fPokazujLokatyWOszczednosciach);
}

// Every savings category gets a key in the map of deposit profits.
void TProjektDB::WczytajKategorieOszczednosci() {
    auto& lista = fKolekcje->KategorieOszczednosci();
    CzytajWiersze(OdczytTabeli(TTabele::Kategorie_Oszczednosci),
                  TKolumnyTabel::KategorieOszczednosci(), lista);
    auto& zyski = fKolekcje->ZyskiZLokatDoDodaniaJakoPrzychod();
    for (const auto& kategoria : lista)
        zyski.try_emplace(kategoria->Id(), 0.0);
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
}
