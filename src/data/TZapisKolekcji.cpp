#include "data/TZapisKolekcji.h"

#include "data/TKolumnyTabel.h"

#include "data/EDataError.h"
#include "data/TKolekcjeDanych.h"
#include "data/TPlikiDB.h"
#include "data/TPolecenieZapisu.h"
#include "data/TWartoscSQL.h"
#include "data/TZapisTabeli.h"

#include <algorithm>

namespace {

using W = TWartoscSQL;
using TTyp = TTypModyfikacji;

const char16_t* const kNiepelnyZapis = u" • Nie udało się w pełni zapisać tabeli ";
const char16_t* const kKategorieTymczasowe =
    u". Tabela ta korzysta z kategorii, które nie są zapisane w bazie lecz dodane do danych "
    u"tymczasowych. Zapisz najpierw wszystkie zmodyfikowane kategorie";
const char16_t* const kMozeszWylaczyc = u". Możesz też wyłączyć widoczność tej pozycji w ";

// How the records of one table are written.
struct TSposobZapisu {
    QString tabela;
    // Between the pairs of an UPDATE.
    QStringView separator = u",";
    bool idUpdateWCudzyslowie = false;
    bool idDeleteWCudzyslowie = false;
    QStringView koniecKolumn = u")";
    // The kinds of statements after which the total of savings is recorded.
    bool kwotyPoUpdate = false;
    bool kwotyPoInsert = false;
    bool kwotyPoDelete = false;
};

QString Warunek(bool wCudzyslowie, int32_t id) {
    return wCudzyslowie ? TPolecenieZapisu::WarunekIdWCudzyslowie(id)
                        : TPolecenieZapisu::WarunekId(id);
}

// The columns of one record; a value that cannot be written names the record.
template <class F> TKolumnyZapisu KolumnyRekordu(int32_t id, F kolumny, bool insert) {
    try {
        return kolumny(insert);
    } catch (const EDataError& blad) {
        throw EDataError(blad.Message() + QStringLiteral(" Dotyczy rekordu o Id ") +
                         QString::number(id) + QLatin1Char('.'));
    }
}

// The statement of a changed record; `kolumny(insert)` gives its columns.
template <class F>
void DodajPolecenie(TZapisTabeli& zapis, const TSposobZapisu& s, TTyp zmiany, int32_t id,
                    F kolumny) {
    QString polecenie;
    bool zmieniaKwoty = false;
    switch (zmiany) {
    case TTyp::Zmieniono:
        polecenie = TPolecenieZapisu::Update(s.tabela, KolumnyRekordu(id, kolumny, false),
                                             s.separator, Warunek(s.idUpdateWCudzyslowie, id));
        zmieniaKwoty = s.kwotyPoUpdate;
        break;
    case TTyp::Dodano:
        polecenie =
            TPolecenieZapisu::Insert(s.tabela, KolumnyRekordu(id, kolumny, true), s.koniecKolumn);
        zmieniaKwoty = s.kwotyPoInsert;
        break;
    case TTyp::Usunieto:
        polecenie = TPolecenieZapisu::Delete(s.tabela, Warunek(s.idDeleteWCudzyslowie, id));
        zmieniaKwoty = s.kwotyPoDelete;
        break;
    case TTyp::BezZmian:
        return;
    }
    if (zmieniaKwoty)
        zapis.DodajPolecenieZmieniajaceKwoty(polecenie);
    else
        zapis.DodajPolecenie(polecenie);
}

enum class TKierunek : int8_t { OdPoczatku, OdKonca };

// Gives every record with a pending change to `f`, in the order asked, until
// `f` answers false.
template <class T, class F>
void PrzejdzZmienione(const TListaObiektow<T>& lista, TKierunek k, F f) {
    const auto zrob = [&](const T& rekord) {
        return rekord.Zmiany() == TTyp::BezZmian || f(rekord);
    };
    if (k == TKierunek::OdKonca) {
        for (auto it = lista.rbegin(); it != lista.rend(); ++it)
            if (!zrob(**it))
                return;
    } else {
        for (const auto& rekord : lista)
            if (!zrob(*rekord))
                return;
    }
}

template <class T> const T* ZnajdzPoId(const TListaObiektow<T>& lista, int32_t id) {
    const auto it = std::find_if(lista.begin(), lista.end(),
                                 [id](const auto& rekord) { return rekord->Id() == id; });
    return it == lista.end() ? nullptr : it->get();
}

bool JestWBazie(TTyp zmiany) {
    return zmiany != TTyp::Dodano && zmiany != TTyp::Usunieto;
}

// The record with that id is in the list and already stored as it is listed.
template <class T> bool Zapisany(const TListaObiektow<T>& lista, int32_t id) {
    const T* rekord = ZnajdzPoId(lista, id);
    return rekord && JestWBazie(rekord->Zmiany());
}

template <class T, class P> bool Uzywa(const TListaObiektow<T>& lista, P uzywa) {
    return std::any_of(lista.begin(), lista.end(),
                       [&](const auto& rekord) { return uzywa(*rekord); });
}

// The mapping of a category's own table.
const TMapowanieTabeli<TKategoriaWydatki>& MapowanieKategorii(const TKategoriaWydatki&) {
    return TKolumnyTabel::KategorieWydatkow();
}
const TMapowanieTabeli<TKategoriaPrzychody>& MapowanieKategorii(const TKategoriaPrzychody&) {
    return TKolumnyTabel::KategoriePrzychodow();
}

// A category or person is usable when it is neither deleted nor hidden.
template <class T> bool MaUzywalnyRekord(const TListaObiektow<T>& lista) {
    return Uzywa(lista, [](const T& r) { return r.Zmiany() != TTyp::Usunieto && !r.Usuniety(); });
}

} // namespace

TZapisKolekcji::TZapisKolekcji(TKolekcjeDanych& kolekcje, const TPlikiDB& plikiDB, TDateTime teraz)
    : fKolekcje(kolekcje), fPlikiDB(plikiDB), fTeraz(teraz) {}

void TZapisKolekcji::Zbuduj(TTabele tabela, TZapisTabeli& zapis) {
    switch (tabela) {
    case TTabele::Wydatki:
        return Wydatki(zapis);
    case TTabele::Przychody:
        return Przychody(zapis);
    case TTabele::Oszczednosci:
        return Oszczednosci(zapis);
    case TTabele::Osoby:
        return Osoby(zapis);
    case TTabele::Kategorie_Wydatki:
        return KategorieWydatkow(zapis);
    case TTabele::Kategorie_Przychody:
        return KategoriePrzychodow(zapis);
    case TTabele::Kategorie_Oszczednosci:
        return KategorieOszczednosci(zapis);
    case TTabele::HistoriaPrzelewow:
        return HistoriaPrzelewow(zapis, true);
    case TTabele::ZleceniaStaleWydatki:
    case TTabele::ZleceniaStalePrzychody:
        return ZleceniaStale(zapis, tabela);
    case TTabele::HistoriaZlecenStalychWydatki:
    case TTabele::HistoriaZlecenStalychPrzychody:
        return HistoriaZlecenStalych(zapis);
    case TTabele::StanyOszczednosci:
        return StanyOszczednosci(zapis);
    case TTabele::Plany:
        return Plany(zapis);
    case TTabele::Ograniczenia:
        return Ograniczenia(zapis);
    case TTabele::Lokaty:
        return Lokaty(zapis);
    case TTabele::HarmonogramyLokatBankowych:
        return HarmonogramyLokat(zapis);
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody:
        return;
    }
}

QString TZapisKolekcji::Caption(TTabele tabela) const {
    return fPlikiDB.PobierzCaptionTabeli(tabela);
}

QString TZapisKolekcji::CaptionyHistoriiZlecen() const {
    return Caption(TTabele::HistoriaZlecenStalychWydatki) + QStringLiteral("\"/\"") +
           Caption(TTabele::HistoriaZlecenStalychPrzychody);
}

// --- Expenses and incomes ----------------------------------------------------

// An expense or income needs its category, its savings category and its
// person to be stored already.
QString TZapisKolekcji::OdmowaTransakcji(int32_t idKategoriiOszczednosci, int32_t idOsoby,
                                         bool kategoriaZapisana, const QString& nazwaTabeli) const {
    if (kategoriaZapisana && Zapisany(fKolekcje.KategorieOszczednosci(), idKategoriiOszczednosci) &&
        Zapisany(fKolekcje.Osoby(), idOsoby))
        return {};
    return QString::fromUtf16(kNiepelnyZapis) + nazwaTabeli +
           QString::fromUtf16(kKategorieTymczasowe) +
           QStringLiteral(". Upewnij się też, że lista osób jest zapisana.");
}

void TZapisKolekcji::Wydatki(TZapisTabeli& zapis) {
    const TSposobZapisu s{
        .tabela = fPlikiDB.TabNameWydatki(), .kwotyPoUpdate = true, .kwotyPoInsert = true};
    PrzejdzZmienione(fKolekcje.Wydatki(), TKierunek::OdKonca, [&](const TWydatek& w) {
        if (w.Zmiany() != TTyp::Usunieto) {
            const QString odmowa = OdmowaTransakcji(
                w.IdKategoriaOszczednosci(), w.IdOsoba(),
                Zapisany(fKolekcje.KategorieWydatki(), w.IdKategoriaWydatki()), s.tabela);
            if (!odmowa.isEmpty()) {
                zapis.Odmow(odmowa);
                return true;
            }
        }
        DodajPolecenie(zapis, s, w.Zmiany(), w.Id(),
                       [&](bool insert) { return TKolumnyTabel::Wydatki().DoZapisu(w, insert); });
        return true;
    });
}

void TZapisKolekcji::Przychody(TZapisTabeli& zapis) {
    const TSposobZapisu s{
        .tabela = fPlikiDB.TabNamePrzychody(), .kwotyPoUpdate = true, .kwotyPoInsert = true};
    PrzejdzZmienione(fKolekcje.Przychody(), TKierunek::OdKonca, [&](const TPrzychod& p) {
        if (p.Zmiany() != TTyp::Usunieto) {
            const QString odmowa = OdmowaTransakcji(
                p.IdKategoriaOszczednosci(), p.IdOsoba(),
                Zapisany(fKolekcje.KategoriePrzychody(), p.IdKategoriaPrzychody()), s.tabela);
            if (!odmowa.isEmpty()) {
                zapis.Odmow(odmowa);
                return true;
            }
        }
        DodajPolecenie(zapis, s, p.Zmiany(), p.Id(),
                       [&](bool insert) { return TKolumnyTabel::Przychody().DoZapisu(p, insert); });
        return true;
    });
}

// --- Savings and transfers ---------------------------------------------------

QString TZapisKolekcji::OdmowaUsunieciaOszczednosci(int32_t idOszczednosci,
                                                    int32_t idKategoriiOszczednosci) const {
    const auto uzywa = [idOszczednosci](const TZlecenieStale& z) {
        return z.IdOszczednosci() == idOszczednosci;
    };
    QString lista;
    if (Uzywa(fKolekcje.ZleceniaStaleWydatki(), uzywa))
        lista = Caption(TTabele::ZleceniaStaleWydatki);
    else if (Uzywa(fKolekcje.ZleceniaStalePrzychody(), uzywa))
        lista = Caption(TTabele::ZleceniaStalePrzychody);
    else if (Uzywa(fKolekcje.HistoriaZlecenStalych(), uzywa))
        lista = CaptionyHistoriiZlecen();
    else
        return {};
    return QStringLiteral(" • Nie udało się usunąć oszczędności \"") +
           fKolekcje.PobierzOpisKategoriiPoID(idKategoriiOszczednosci,
                                              TTabele::Kategorie_Oszczednosci) +
           QStringLiteral("\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje o takiej "
                          "kategori oszczędnośąci z listy \"") +
           lista + QStringLiteral("\".");
}

void TZapisKolekcji::Oszczednosci(TZapisTabeli& zapis) {
    if (fKolekcje.IloscOszczednosciZMozliwosciaZaplaty() == 0) {
        zapis.Odmow(QString::fromUtf16(kNiepelnyZapis) + QLatin1Char('"') +
                    Caption(TTabele::Oszczednosci) +
                    QStringLiteral("\". Tabela musi posiadać co najmniej jedną oszczędność z "
                                   "możliwością zapłaty. Inaczej nie będzie można dodawać "
                                   "wydatków do programu ponieważ nie będzie z czego odejmować "
                                   "wpisanej kwoty !"));
        return;
    }
    const TSposobZapisu s{.tabela = fPlikiDB.TabNameOszczednosci(),
                          .kwotyPoUpdate = true,
                          .kwotyPoInsert = true,
                          .kwotyPoDelete = true};
    PrzejdzZmienione(fKolekcje.Oszczednosci(), TKierunek::OdKonca, [&](const TOszczednosc& o) {
        if (o.IsReadOnly())
            return true;
        QString odmowa;
        if (o.Zmiany() == TTyp::Usunieto)
            odmowa = OdmowaUsunieciaOszczednosci(o.Id(), o.IdKategoriaOszczednosci());
        else if (!Zapisany(fKolekcje.KategorieOszczednosci(), o.IdKategoriaOszczednosci()))
            odmowa = QString::fromUtf16(kNiepelnyZapis) + s.tabela +
                     QString::fromUtf16(kKategorieTymczasowe) + QLatin1Char('.');
        if (!odmowa.isEmpty()) {
            zapis.Odmow(odmowa);
            return true;
        }
        DodajPolecenie(zapis, s, o.Zmiany(), o.Id(), [&](bool insert) {
            return TKolumnyTabel::Oszczednosci().DoZapisu(o, insert);
        });
        return true;
    });
    HistoriaPrzelewow(zapis, false);
}

void TZapisKolekcji::HistoriaPrzelewow(TZapisTabeli& zapis, bool zmieniaKwoty) {
    const TSposobZapisu s{.tabela = fPlikiDB.TabNameHistoriaPrzelewow(),
                          .kwotyPoInsert = zmieniaKwoty};
    PrzejdzZmienione(fKolekcje.HistoriaPrzelewow(), TKierunek::OdPoczatku,
                     [&](const THistoriaPrzelewu& p) {
                         DodajPolecenie(zapis, s, p.Zmiany(), p.Id(), [&](bool insert) {
                             return TKolumnyTabel::HistoriaPrzelewow().DoZapisu(p, insert);
                         });
                         return true;
                     });
}

// --- Persons -----------------------------------------------------------------

QString TZapisKolekcji::OdmowaUsunieciaOsoby(const TOsoba& osoba) const {
    const int32_t id = osoba.Id();
    QString tabela;
    if (Uzywa(fKolekcje.Przychody(), [id](const TPrzychod& p) { return p.IdOsoba() == id; }))
        tabela = Caption(TTabele::Przychody);
    else if (Uzywa(fKolekcje.Wydatki(), [id](const TWydatek& w) { return w.IdOsoba() == id; }))
        tabela = Caption(TTabele::Wydatki);
    else if (Uzywa(fKolekcje.HistoriaZlecenStalych(),
                   [id](const TZlecenieStale& z) { return z.IdOsoba() == id; }))
        tabela = CaptionyHistoriiZlecen();
    else
        return {};
    const QString kto = osoba.Imie() + QLatin1Char(' ') + osoba.Nazwisko();
    return QStringLiteral(" • Nie udało się usunąć \"") + kto +
           QStringLiteral("\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje używające "
                          "tej osoby z tabeli \"") +
           tabela + QStringLiteral("\". Możesz też zmienić osobie \"") + kto +
           QStringLiteral("\" imię lub nazwisko na zakładce \"Osoby\".");
}

// A person without a first name or surname ends the walk: the persons not
// looked at yet stay unsaved, the statements built so far are run.
void TZapisKolekcji::Osoby(TZapisTabeli& zapis) {
    if (!MaUzywalnyRekord(fKolekcje.Osoby())) {
        zapis.Odmow(
            QString::fromUtf16(kNiepelnyZapis) + QLatin1Char('"') + Caption(TTabele::Osoby) +
            QStringLiteral("\". Tabela musi posiadać co najmniej jeden rekord i musi mieć on "
                           "włączoną widoczność !\rOznacza to, że w programie musi być "
                           "zdefiniowana co najmniej jedna osoba, która będzie miała włączoną "
                           "widoczność czyli będzie mogła dodawać wydatki/przychody i wykonywać "
                           "zlecenia stałe. Można też zmienić osobie imię i/lub nazwisko."));
        return;
    }
    const TSposobZapisu s{.tabela = fPlikiDB.TabNameOsoby(),
                          .separator = u", ",
                          .idUpdateWCudzyslowie = true,
                          .idDeleteWCudzyslowie = true};
    PrzejdzZmienione(fKolekcje.Osoby(), TKierunek::OdKonca, [&](const TOsoba& o) {
        const QString kto = o.Imie() + QLatin1Char(' ') + o.Nazwisko();
        if (o.Zmiany() == TTyp::Usunieto) {
            const QString odmowa = OdmowaUsunieciaOsoby(o);
            if (!odmowa.isEmpty()) {
                zapis.Odmow(odmowa);
                return true;
            }
        } else if (o.Imie().isEmpty() || o.Nazwisko().isEmpty()) {
            zapis.Odmow(o.Zmiany() == TTyp::Zmieniono
                            ? QStringLiteral(" • Nie udało się zapisać osoby \"") + kto +
                                  QStringLiteral("\" - Imię i Nazwisko nie może być puste.")
                            : QStringLiteral(" • Nie udało się dodać osoby \"") + kto +
                                  QStringLiteral("\" do bazy - Imię i Nazwisko nie może być "
                                                 "puste."));
            return false;
        }
        DodajPolecenie(zapis, s, o.Zmiany(), o.Id(),
                       [&](bool insert) { return TKolumnyTabel::Osoby().DoZapisu(o, insert); });
        if (o.Zmiany() == TTyp::Dodano)
            zapis.ZapamietajWstawiony(o.Id(), kto);
        return true;
    });
}

// --- Categories --------------------------------------------------------------

QString TZapisKolekcji::PowodUzyciaKategoriiWydatkow(int32_t id) const {
    if (Uzywa(fKolekcje.Wydatki(),
              [id](const TWydatek& w) { return w.IdKategoriaWydatki() == id; }))
        return QStringLiteral("\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje o "
                              "takiej nazwie z tabeli \"") +
               Caption(TTabele::Wydatki) + QLatin1Char('"') + QString::fromUtf16(kMozeszWylaczyc);
    if (Uzywa(fKolekcje.ZleceniaStaleWydatki(),
              [id](const TZlecenieStale& z) { return z.IdKategorii() == id; }))
        return QStringLiteral("\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje o "
                              "takiej nazwie kategori z listy zleceń stałych wydatków") +
               QString::fromUtf16(kMozeszWylaczyc);
    if (Uzywa(fKolekcje.Plany(),
              [id](const TPlan& p) { return p.fTypPlanu == 0 && p.IdKategorii() == id; }))
        return QStringLiteral("\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje o "
                              "takiej nazwie kategori z listy planowanych wydatków") +
               QString::fromUtf16(kMozeszWylaczyc);
    return {};
}

QString TZapisKolekcji::PowodUzyciaKategoriiPrzychodow(int32_t id) const {
    if (Uzywa(fKolekcje.Przychody(),
              [id](const TPrzychod& p) { return p.IdKategoriaPrzychody() == id; }))
        return QStringLiteral("\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje o "
                              "takiej nazwie z tabeli \"") +
               Caption(TTabele::Przychody) + QLatin1Char('"') + QString::fromUtf16(kMozeszWylaczyc);
    if (Uzywa(fKolekcje.ZleceniaStalePrzychody(),
              [id](const TZlecenieStale& z) { return z.IdKategorii() == id; }))
        return QStringLiteral("\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje o "
                              "takiej nazwie kategori z listy zleceń stałych przychodów") +
               QString::fromUtf16(kMozeszWylaczyc);
    if (Uzywa(fKolekcje.Plany(),
              [id](const TPlan& p) { return p.fTypPlanu == 1 && p.IdKategorii() == id; }))
        return QStringLiteral("\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje o "
                              "takiej nazwie kategori z listy planowanych przychodów") +
               QString::fromUtf16(kMozeszWylaczyc);
    return {};
}

QString TZapisKolekcji::PowodUzyciaKategoriiOszczednosci(int32_t id) const {
    QString tabela;
    if (Uzywa(fKolekcje.Oszczednosci(),
              [id](const TOszczednosc& o) { return o.IdKategoriaOszczednosci() == id; }))
        tabela = Caption(TTabele::Oszczednosci);
    else if (Uzywa(fKolekcje.Przychody(),
                   [id](const TPrzychod& p) { return p.IdKategoriaOszczednosci() == id; }))
        tabela = Caption(TTabele::Przychody);
    else if (Uzywa(fKolekcje.Wydatki(),
                   [id](const TWydatek& w) { return w.IdKategoriaOszczednosci() == id; }))
        tabela = Caption(TTabele::Wydatki);
    else if (Uzywa(fKolekcje.HistoriaPrzelewow(), [id](const THistoriaPrzelewu& p) {
                 return p.IdKategoriaOszczednosciFROM() == id ||
                        p.IdKategoriaOszczednosciTO() == id;
             }))
        tabela = Caption(TTabele::HistoriaPrzelewow);
    else
        return {};
    return QStringLiteral("\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje o takiej "
                          "nazwie z tabeli \"") +
           tabela + QLatin1Char('"') + QString::fromUtf16(kMozeszWylaczyc);
}

QString TZapisKolekcji::OdmowaUsunieciaKategorii(TTabele tabela, int32_t id,
                                                 const QString& opis) const {
    const QString powod = tabela == TTabele::Kategorie_Wydatki ? PowodUzyciaKategoriiWydatkow(id)
                          : tabela == TTabele::Kategorie_Przychody
                              ? PowodUzyciaKategoriiPrzychodow(id)
                              : PowodUzyciaKategoriiOszczednosci(id);
    if (powod.isEmpty())
        return {};
    return QStringLiteral(" • Nie udało się usunąć \"") + opis + powod + Caption(tabela) +
           QStringLiteral(", wówczas dodając nową pozycję do tabeli nie będzie można wybrać \"") +
           opis + QStringLiteral("\" z listy.");
}

template <class T> QString TZapisKolekcji::OdmowaKategorii(const T& lista, TTabele tabela) const {
    if (MaUzywalnyRekord(lista))
        return {};
    return QString::fromUtf16(kNiepelnyZapis) + QLatin1Char('"') + Caption(tabela) +
           QStringLiteral(
               "\". Tabela musi posiadać co najmniej jeden rekord lub co najmniej jedna "
               "z pozycji znajdujących się w tej tabeli musi mieć włączoną Widoczność !");
}

QString TZapisKolekcji::OdmowaKategoriiOszczednosci() const {
    const QString poczatek = QString::fromUtf16(kNiepelnyZapis) + QLatin1Char('"') +
                             Caption(TTabele::Kategorie_Oszczednosci);
    if (fKolekcje.IloscKategoriOszczednosciZMozliwosciaZaplaty() == 0)
        return poczatek +
               QStringLiteral(
                   "\". W programie musi być co najmniej jedną oszczędność z możliwością "
                   "zapłaty. Inaczej nie będzie można dodawać wydatków do programu "
                   "ponieważ nie będzie z czego odejmować wpisanej kwoty !");
    const QString odmowa =
        OdmowaKategorii(fKolekcje.KategorieOszczednosci(), TTabele::Kategorie_Oszczednosci);
    if (!odmowa.isEmpty())
        return odmowa;
    const bool widocznaMozeZaplacic =
        Uzywa(fKolekcje.KategorieOszczednosci(), [](const TKategoriaOszczednosci& k) {
            return k.Zmiany() != TTyp::Usunieto && !k.Usuniety() && k.MoznaZaplacic();
        });
    if (widocznaMozeZaplacic)
        return {};
    return poczatek + QStringLiteral("\". Tabela musi posiadać co najmniej jeden rekord lub co "
                                     "najmniej jedna z pozycji znajdujących się w tej tabeli musi "
                                     "mieć włączoną zarówno Widoczność jak i Możliwość zapłaty !");
}

void TZapisKolekcji::KategorieWydatkow(TZapisTabeli& zapis) {
    KategorieTransakcji(zapis, fKolekcje.KategorieWydatki(), TTabele::Kategorie_Wydatki);
}

void TZapisKolekcji::KategoriePrzychodow(TZapisTabeli& zapis) {
    KategorieTransakcji(zapis, fKolekcje.KategoriePrzychody(), TTabele::Kategorie_Przychody);
}

template <class T>
void TZapisKolekcji::KategorieTransakcji(TZapisTabeli& zapis, const T& lista, TTabele tabela) {
    const QString odmowa = OdmowaKategorii(lista, tabela);
    if (!odmowa.isEmpty())
        return zapis.Odmow(odmowa);
    const TSposobZapisu s{.tabela = fPlikiDB.PobierzNazweTabeli(tabela), .separator = u", "};
    PrzejdzZmienione(lista, TKierunek::OdPoczatku, [&](const auto& k) {
        const QString odmowaUsuniecia = k.Zmiany() == TTyp::Usunieto
                                            ? OdmowaUsunieciaKategorii(tabela, k.Id(), k.Opis())
                                            : QString();
        if (!odmowaUsuniecia.isEmpty()) {
            zapis.Odmow(odmowaUsuniecia);
            return true;
        }
        DodajPolecenie(zapis, s, k.Zmiany(), k.Id(),
                       [&](bool insert) { return MapowanieKategorii(k).DoZapisu(k, insert); });
        if (k.Zmiany() == TTyp::Dodano)
            zapis.ZapamietajWstawiony(k.Id(), k.Opis());
        return true;
    });
}

void TZapisKolekcji::KategorieOszczednosci(TZapisTabeli& zapis) {
    const QString odmowa = OdmowaKategoriiOszczednosci();
    if (!odmowa.isEmpty())
        return zapis.Odmow(odmowa);
    const TSposobZapisu s{.tabela = fPlikiDB.TabNameKategorieOszczednosci(),
                          .separator = u", ",
                          .idDeleteWCudzyslowie = true};
    PrzejdzZmienione(fKolekcje.KategorieOszczednosci(), TKierunek::OdPoczatku,
                     [&](const TKategoriaOszczednosci& k) {
                         const QString odmowaUsuniecia =
                             k.Zmiany() == TTyp::Usunieto
                                 ? OdmowaUsunieciaKategorii(TTabele::Kategorie_Oszczednosci, k.Id(),
                                                            k.Opis())
                                 : QString();
                         if (!odmowaUsuniecia.isEmpty()) {
                             zapis.Odmow(odmowaUsuniecia);
                             return true;
                         }
                         DodajPolecenie(zapis, s, k.Zmiany(), k.Id(), [&](bool insert) {
                             return TKolumnyTabel::KategorieOszczednosci().DoZapisu(k, insert);
                         });
                         if (k.Zmiany() == TTyp::Dodano)
                             zapis.ZapamietajWstawiony(k.Id(), k.Opis());
                         return true;
                     });
}

// --- Standing orders and their runs ------------------------------------------

// An order needs its savings balance, that balance's category and its own
// category to be stored already.
QString TZapisKolekcji::OdmowaZlecenia(const TZlecenieStale& zlecenie, TTabele tabela) const {
    const QString poczatek =
        QString::fromUtf16(kNiepelnyZapis) + QLatin1Char('"') + Caption(tabela) + QLatin1Char('"');
    const TOszczednosc* oszczednosc =
        ZnajdzPoId(fKolekcje.Oszczednosci(), zlecenie.IdOszczednosci());
    if (!oszczednosc || !JestWBazie(oszczednosc->Zmiany()) ||
        !Zapisany(fKolekcje.KategorieOszczednosci(), oszczednosc->IdKategoriaOszczednosci()))
        return poczatek + QString::fromUtf16(kKategorieTymczasowe) +
               QStringLiteral(" i/lub tabelę oszczędności.");
    const bool kategoriaZapisana =
        tabela == TTabele::ZleceniaStaleWydatki
            ? Zapisany(fKolekcje.KategorieWydatki(), zlecenie.IdKategorii())
            : Zapisany(fKolekcje.KategoriePrzychody(), zlecenie.IdKategorii());
    if (kategoriaZapisana)
        return {};
    return poczatek + QString::fromUtf16(kKategorieTymczasowe) + QLatin1Char('.');
}

QString TZapisKolekcji::OdmowaUsunieciaZlecenia(const TZlecenieStale& zlecenie,
                                                TTabele tabela) const {
    const int32_t id = zlecenie.Id();
    if (!Uzywa(fKolekcje.HistoriaZlecenStalych(),
               [id](const TZlecenieStale& z) { return z.IdZleceniaStalego() == id; }))
        return {};
    const QString historia =
        Caption(tabela == TTabele::ZleceniaStaleWydatki ? TTabele::HistoriaZlecenStalychWydatki
                                                        : TTabele::HistoriaZlecenStalychPrzychody);
    return QStringLiteral(" • Nie udało się usunąć \"") + zlecenie.Nazwa() +
           QStringLiteral("\" - zlecenie stałe jest w użyciu, usuń najpierw wszystkie pozycje o "
                          "takiej nazwie z tabeli \"") +
           historia +
           QStringLiteral("\". Możesz też wyłączyć aktywność tego zlecenia stałego w tabeli \"") +
           historia + QStringLiteral("\", wówczas zlecenie stałe \"") + zlecenie.Nazwa() +
           QStringLiteral("\" będzie wyłączone, stanie się nieaktywne.");
}

void TZapisKolekcji::ZleceniaStale(TZapisTabeli& zapis, TTabele tabela) {
    const TSposobZapisu s{
        .tabela = fPlikiDB.TabNameZleceniaStale(), .kwotyPoUpdate = true, .kwotyPoInsert = true};
    const auto& lista = tabela == TTabele::ZleceniaStaleWydatki
                            ? fKolekcje.ZleceniaStaleWydatki()
                            : fKolekcje.ZleceniaStalePrzychody();
    PrzejdzZmienione(lista, TKierunek::OdKonca, [&](const TZlecenieStale& z) {
        const QString odmowa = z.Zmiany() == TTyp::Usunieto ? OdmowaUsunieciaZlecenia(z, tabela)
                                                            : OdmowaZlecenia(z, tabela);
        if (!odmowa.isEmpty()) {
            zapis.Odmow(odmowa);
            return true;
        }
        DodajPolecenie(zapis, s, z.Zmiany(), z.Id(), [&](bool insert) {
            return TKolumnyTabel::ZleceniaStale().DoZapisu(z, insert);
        });
        return true;
    });
}

void TZapisKolekcji::HistoriaZlecenStalych(TZapisTabeli& zapis) {
    const TSposobZapisu s{.tabela = fPlikiDB.TabNameHistoriaZlecenStalych()};
    PrzejdzZmienione(fKolekcje.HistoriaZlecenStalych(), TKierunek::OdKonca,
                     [&](const TZlecenieStale& z) {
                         DodajPolecenie(zapis, s, z.Zmiany(), z.Id(), [&](bool insert) {
                             return TKolumnyTabel::HistoriaZlecenStalych().DoZapisu(z, insert);
                         });
                         return true;
                     });
}

// --- Totals, plans, limits ---------------------------------------------------

// Recorded totals are never edited: only their deletions are written.
void TZapisKolekcji::StanyOszczednosci(TZapisTabeli& zapis) {
    const QString& tabela = fPlikiDB.TabNameStanOszczednosci();
    for (const auto& stan : fKolekcje.StanyOszczednosci())
        if (stan->Zmiany() == TTyp::Usunieto)
            zapis.DodajPolecenie(
                TPolecenieZapisu::Delete(tabela, TPolecenieZapisu::WarunekId(stan->Id())));
}

void TZapisKolekcji::Plany(TZapisTabeli& zapis) {
    const TSposobZapisu s{.tabela = fPlikiDB.TabNamePlany()};
    PrzejdzZmienione(fKolekcje.Plany(), TKierunek::OdPoczatku, [&](const TPlan& p) {
        DodajPolecenie(zapis, s, p.Zmiany(), p.Id(),
                       [&](bool insert) { return TKolumnyTabel::Plany().DoZapisu(p, insert); });
        return true;
    });
}

void TZapisKolekcji::Ograniczenia(TZapisTabeli& zapis) {
    const TSposobZapisu s{.tabela = fPlikiDB.TabNameOgraniczenia()};
    PrzejdzZmienione(fKolekcje.Ograniczenia(), TKierunek::OdPoczatku, [&](const TOgraniczenie& o) {
        DodajPolecenie(zapis, s, o.Zmiany(), o.Id(), [&](bool insert) {
            return TKolumnyTabel::Ograniczenia().DoZapisu(o, insert);
        });
        return true;
    });
}

// --- Deposits and offers -----------------------------------------------------

void TZapisKolekcji::Lokaty(TZapisTabeli& zapis) {
    const TSposobZapisu s{.tabela = fPlikiDB.TabNameLokaty()};
    PrzejdzZmienione(fKolekcje.Lokaty(), TKierunek::OdPoczatku, [&](const TLokata& l) {
        DodajPolecenie(zapis, s, l.Zmiany(), l.Id(),
                       [&](bool insert) { return TKolumnyTabel::Lokaty().DoZapisu(l, insert); });
        return true;
    });
}

void TZapisKolekcji::HarmonogramyLokat(TZapisTabeli& zapis) {
    const TSposobZapisu s{.tabela = fPlikiDB.TabNameHarmonogramyLokat(), .koniecKolumn = u" )"};
    PrzejdzZmienione(fKolekcje.HarmonogramyLokatBankowych(), TKierunek::OdPoczatku,
                     [&](const THarmonogramLokatyBankowej& h) {
                         DodajPolecenie(zapis, s, h.Zmiany(), h.Id(), [&](bool insert) {
                             return TKolumnyTabel::HarmonogramyLokat().DoZapisu(h, insert, fTeraz);
                         });
                         return true;
                     });
}
