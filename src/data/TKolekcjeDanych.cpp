#include "data/TKolekcjeDanych.h"

#include "data/EDataError.h"
#include "data/SortowanieListy.h"
#include "data/TZbiorTekstow.h"
#include "format/Formatowanie.h"
#include "format/Pomocnicze.h"
#include "format/PorownanieTekstow.h"
#include "format/TTekstyLiczb.h"
#include "platform/Clock.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace {

const char* const kBladOpisowTransakcji =
    "Nie można pobrać opisów wydatków, przychodów i oszczędności. Pobiera się opisy kategorii "
    "powiązanych z każdą z tych tabel. Jeżeli chodzi o oszczędności to pobiera się tablicę "
    "oszczędności z kwotami.";
const char* const kBladTypuOszczednosci = "Nieobsługiwany typ oszczędności !!!";

template <class T> bool JestUsuniety(const T& rekord) {
    return rekord.Zmiany() == TTypModyfikacji::Usunieto;
}

template <class T> bool ZawieraNieusuniete(const TListaObiektow<T>& lista) {
    return std::any_of(lista.begin(), lista.end(),
                       [](const std::unique_ptr<T>& rekord) { return !JestUsuniety(*rekord); });
}

// The first record with that id, deleted ones included.
template <class T> T* ZnajdzPoId(const TListaObiektow<T>& lista, int32_t id) {
    for (const auto& rekord : lista)
        if (rekord->Id() == id)
            return rekord.get();
    return nullptr;
}

// The id of the first record whose text equals the given one; -1 when none.
template <class T, class Tekst>
int32_t IdPoTekscie(const TListaObiektow<T>& lista, const QString& szukany, TWielkoscLiter tryb,
                    Tekst tekst) {
    const QCollator& kolator = KolatorTekstow(tryb);
    for (const auto& rekord : lista)
        if (kolator.compare(tekst(*rekord), szukany) == 0)
            return rekord->Id();
    return -1;
}

// Each text once (ignoring letter case), of the records that are not deleted,
// not skipped and accepted by the filter, in the list's order.
template <class T, class Filtr, class Tekst>
QStringList RozneTeksty(const TListaObiektow<T>& lista, int32_t pomijaneID, Filtr filtr,
                        Tekst tekst) {
    QStringList wynik;
    TZbiorTekstow widziane(TWielkoscLiter::Ignoruj);
    for (const auto& rekord : lista) {
        if (JestUsuniety(*rekord) || (pomijaneID != -1 && rekord->Id() == pomijaneID) ||
            !filtr(*rekord))
            continue;
        const QString opis = tekst(*rekord);
        if (widziane.Dodaj(opis))
            wynik.append(opis);
    }
    return wynik;
}

// By weight, then by the text ignoring letter case, then by id.
template <class T, class Tekst>
void PosortujPoWadzeITekscie(TListaObiektow<T>& lista, Tekst tekst) {
    std::vector<QString> teksty;
    teksty.reserve(lista.size());
    for (const auto& rekord : lista)
        teksty.push_back(tekst(*rekord));
    const std::vector<int32_t> rangi = RangiTekstow(teksty, TWielkoscLiter::Ignoruj);
    struct Klucz {
        uint32_t waga;
        int32_t tekst;
        int32_t id;
    };
    std::vector<Klucz> klucze;
    klucze.reserve(lista.size());
    for (size_t i = 0; i < lista.size(); ++i)
        klucze.push_back({lista[i]->Waga(), rangi[i], lista[i]->Id()});
    PosortujWedlugKluczy(lista, klucze, [](const Klucz& a, const Klucz& b) {
        return std::tie(a.waga, a.tekst, a.id) < std::tie(b.waga, b.tekst, b.id);
    });
}

// Deposits by a key compared with -1/0/1, then by id.
template <class Wartosc, class Porownaj>
void PosortujLokaty(TListaObiektow<TLokata>& lokaty, const std::vector<Wartosc>& wartosci,
                    Porownaj porownaj) {
    struct Klucz {
        Wartosc wartosc;
        int32_t id;
    };
    std::vector<Klucz> klucze;
    klucze.reserve(lokaty.size());
    for (size_t i = 0; i < lokaty.size(); ++i)
        klucze.push_back({wartosci[i], lokaty[i]->Id()});
    PosortujWedlugKluczy(lokaty, klucze, [&](const Klucz& a, const Klucz& b) {
        const int wynik = porownaj(a.wartosc, b.wartosc);
        return wynik != 0 ? wynik < 0 : a.id < b.id;
    });
}

template <class Wartosc, class Pobierz>
std::vector<Wartosc> WartosciLokat(const TListaObiektow<TLokata>& lokaty, Pobierz pobierz) {
    std::vector<Wartosc> wartosci;
    wartosci.reserve(lokaty.size());
    for (const auto& lokata : lokaty)
        wartosci.push_back(pobierz(*lokata));
    return wartosci;
}

int ZnakRoznicy(double a, double b) {
    const double roznica = a - b;
    return (roznica > 0) - (roznica < 0);
}

// Rates in hundredths of a percentage point; a difference that rounds (half
// to even) to zero is a tie.
int PorownajOprocentowanie(double a, double b) {
    const double roznica = std::nearbyint(a * 100 - b * 100);
    return (roznica > 0) - (roznica < 0);
}

} // namespace

TKolekcjeDanych::TKolekcjeDanych() {
    Clear();
}

TKolekcjeDanych::~TKolekcjeDanych() {
    Clear();
}

void TKolekcjeDanych::Clear() {
    WyczyscKolekcjeDanych();
    for (TTabele tabela = TTabele::Wydatki; tabela <= TTabele::HarmonogramyLokatBankowych;
         tabela = TTabele(static_cast<int>(tabela) + 1))
        if (TTabela* opis = Tabela(tabela))
            opis->Clear();
}

void TKolekcjeDanych::WyczyscKolekcjeDanych() {
    fWydatki.clear();
    fPrzychody.clear();
    fOszczednosci.clear();
    fKategorieWydatki.clear();
    fKategoriePrzychody.clear();
    fKategorieOszczednosci.clear();
    fOsoby.clear();
    fHistoriaPrzelewowOszczednosci.clear();
    fStanyOszczednosci.clear();
    fZleceniaStaleWydatki.clear();
    fZleceniaStalePrzychody.clear();
    fHistoriaZlecenStalych.clear();
    fPlany.clear();
    fOgraniczenia.clear();
    fLokaty.clear();
    fZyskiZLokatDoDodaniaJakoPrzychod.clear();
    fHarmonogramyLokatBankowych.clear();
    // Every list is empty now, so no list holds unsaved changes: a flag left
    // set would make the next load skip that list. This covers the two
    // standing-order flags too, although the clearing as first laid down
    // named every flag but those two: kept deliberately, since leaving them
    // set made every later load skip the standing orders for good.
    fZmienionoINiezapisanoWydatki = false;
    fZmienionoINiezapisanoPrzychody = false;
    fZmienionoINiezapisanoOszczednosci = false;
    fZmienionoINiezapisanoKategorieWydatki = false;
    fZmienionoINiezapisanoKategoriePrzychody = false;
    fZmienionoINiezapisanoKategorieOszczednosci = false;
    fZmienionoINiezapisanoOsoby = false;
    fZmienionoINiezapisanoHistoriePrzelewow = false;
    fZmienionoINiezapisanoStanyOszczednosci = false;
    fZmienionoINiezapisanoHistorieZlecenStalych = false;
    fZmienionoINiezapisanoZleceniaStaleWydatki = false;
    fZmienionoINiezapisanoZleceniaStalePrzychody = false;
    fZmienionoINiezapisanoPlany = false;
    fZmienionoINiezapisanoOgraniczenia = false;
    fZmienionoINiezapisanoLokaty = false;
}

void TKolekcjeDanych::WypelnijTytulyKolumn() {
    const auto ustaw = [](TTabela& tabela, const QStringList& tytuly) {
        tabela.SetTytulyKolumn(QStringList{QStringLiteral("ID")} + tytuly);
    };
    ustaw(fTabelaKategorieWydatki, {"Opis", "Widoczność", "Waga"});
    ustaw(fTabelaKategoriePrzychody, {"Opis", "Widoczność", "Waga"});
    ustaw(fTabelaKategorieOszczednosci,
          {"Opis", "Widoczność", "Możliwość zapłaty", "Charakter długu", "Waga"});
    ustaw(fTabelaOsoby,
          {"Imię", "Nazwisko", "Pseudonim", "Adres", "Telefon", "Waga", "Widoczność"});
    ustaw(fTabelaWydatki, {"Kwota", "Na co", "Czym zapłacono", "Kiedy", "Kto", "Komentarz"});
    ustaw(fTabelaPrzychody,
          {"Kwota", "Tytuł przychodu", "Wpłacono na", "Kiedy", "Kto", "Komentarz"});
    ustaw(fTabelaOszczednosci, {"Rodzaj", "Kwota", "Stan na dzień", "Komentarz"});
    ustaw(fTabelaHistoriaPrzelewowOszczednosci, {"Ile", "Z", "Na", "Data przelewu", "Komentarz"});
    ustaw(fTabelaZleceniaStaleWydatki, {"Nazwa", "Na co", "Czym zapłacono", "Kwota",
                                        "Częstotliwość", "Data dodania", "Aktywne"});
    ustaw(fTabelaZleceniaStalePrzychody, {"Nazwa", "Tytuł przychodu", "Wpłacono na", "Kwota",
                                          "Częstotliwość", "Data dodania", "Aktywne"});
    ustaw(fTabelaHistoriaZlecenStalychWydatki,
          {"Nazwa zlecenia", "Na co", "Czym zapłacono", "Kwota", "Częstotliwość", "Data", "Kto",
           "Komentarz"});
    ustaw(fTabelaHistoriaZlecenStalychPrzychody,
          {"Nazwa zlecenia", "Tytuł przychodu", "Wpłacono na", "Kwota", "Częstotliwość", "Data",
           "Kto", "Komentarz"});
    ustaw(fTabelaStanyOszczednosci, {"Stan", "Stan na dzień"});
    ustaw(fTabelaPlany, {"Wykonany", "Nazwa", "Kategoria", "Kwota", "Data", "Komentarz", "TypPlanu",
                         "DodanyDoKolekcji"});
    ustaw(fTabelaOgraniczenia, {"IdKategoriiWydatku", "Max na miesiąc", "Max na rok",
                                "Rok ograniczenia", "Data modyfikacji"});
    ustaw(fTabelaLokaty,
          {"Nazwa", "Kwota", "Data rozpoczęcia", "Czas trwania", "Lokata bankowa",
           "Szacowana data zakończenia", "Szacowany zysk", "Ilość dni do zakończenia"});
    ustaw(fTabelaHarmonogramyLokatBankowych,
          {"Bank", "Nazwa", "Okres lokaty", "% w skali roku", "Kapitalizacja", "Kwota minimalna",
           "Kwota maksymalna", "Oprocentowanie", "Posiadanie konta osobistego",
           "Warunki wcześniejszego zerwania umowy", "Pozostałe informacje"});
}

// --- Change flags ------------------------------------------------------------

void TKolekcjeDanych::SetZmienionoINiezapisanoWydatki(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoWydatki, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoPrzychody(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoPrzychody, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoOszczednosci(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoOszczednosci, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoKategorieWydatki(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoKategorieWydatki, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoKategoriePrzychody(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoKategoriePrzychody, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoKategorieOszczednosci(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoKategorieOszczednosci, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoOsoby(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoOsoby, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoHistoriePrzelewow(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoHistoriePrzelewow, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoStanyOszczednosci(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoStanyOszczednosci, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoHistorieZlecenStalych(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoHistorieZlecenStalych, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoZleceniaStaleWydatki(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoZleceniaStaleWydatki, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoZleceniaStalePrzychody(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoZleceniaStalePrzychody, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoPlany(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoPlany, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoOgraniczenia(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoOgraniczenia, value);
}
void TKolekcjeDanych::SetZmienionoINiezapisanoLokaty(bool value) {
    UstawGdyInna(fZmienionoINiezapisanoLokaty, value);
}

// --- Descriptors -------------------------------------------------------------

TTabela* TKolekcjeDanych::Tabela(TTabele tabela) {
    switch (tabela) {
    case TTabele::Wydatki:
        return &fTabelaWydatki;
    case TTabele::Przychody:
        return &fTabelaPrzychody;
    case TTabele::Oszczednosci:
        return &fTabelaOszczednosci;
    case TTabele::Osoby:
        return &fTabelaOsoby;
    case TTabele::Kategorie_Wydatki:
        return &fTabelaKategorieWydatki;
    case TTabele::Kategorie_Przychody:
        return &fTabelaKategoriePrzychody;
    case TTabele::Kategorie_Oszczednosci:
        return &fTabelaKategorieOszczednosci;
    case TTabele::HistoriaPrzelewow:
        return &fTabelaHistoriaPrzelewowOszczednosci;
    case TTabele::ZleceniaStaleWydatki:
        return &fTabelaZleceniaStaleWydatki;
    case TTabele::ZleceniaStalePrzychody:
        return &fTabelaZleceniaStalePrzychody;
    case TTabele::HistoriaZlecenStalychWydatki:
        return &fTabelaHistoriaZlecenStalychWydatki;
    case TTabele::HistoriaZlecenStalychPrzychody:
        return &fTabelaHistoriaZlecenStalychPrzychody;
    case TTabele::StanyOszczednosci:
        return &fTabelaStanyOszczednosci;
    case TTabele::Plany:
        return &fTabelaPlany;
    case TTabele::Ograniczenia:
        return &fTabelaOgraniczenia;
    case TTabele::Lokaty:
        return &fTabelaLokaty;
    case TTabele::HarmonogramyLokatBankowych:
        return &fTabelaHarmonogramyLokatBankowych;
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody:
        break;
    }
    return nullptr;
}

// --- Deposit profits ---------------------------------------------------------

void TKolekcjeDanych::WyczyscZyskiZLokatBankowych() {
    for (auto& zysk : fZyskiZLokatDoDodaniaJakoPrzychod)
        zysk.second = 0;
}

bool TKolekcjeDanych::JestZyskZLokat() const {
    return std::any_of(fZyskiZLokatDoDodaniaJakoPrzychod.begin(),
                       fZyskiZLokatDoDodaniaJakoPrzychod.end(),
                       [](const auto& zysk) { return zysk.second != 0; });
}

// --- Offers ------------------------------------------------------------------

THarmonogramLokatyBankowej*
TKolekcjeDanych::PobierzHarmonogramLokatyBankowejDlaID(int32_t id) const {
    if (id == -1)
        return nullptr;
    return ZnajdzPoId(fHarmonogramyLokatBankowych, id);
}

THarmonogramLokatyBankowej* TKolekcjeDanych::PobierzHarmonogramLokatyBankowejDlaBanikINazwa(
    const QString& bankNazwaOprocentowanie) const {
    const QCollator& kolator = KolatorTekstow(TWielkoscLiter::Ignoruj);
    for (const auto& harmonogram : fHarmonogramyLokatBankowych)
        if (kolator.compare(harmonogram->BankNazwaOprocentowanie(), bankNazwaOprocentowanie) == 0)
            return harmonogram.get();
    return nullptr;
}

bool TKolekcjeDanych::HarmonogramLokatyBankowejJestWUzyciu(
    int32_t idHarmonogramLokatyBankowej) const {
    if (idHarmonogramLokatyBankowej == -1)
        return false;
    return std::any_of(fLokaty.begin(), fLokaty.end(), [&](const std::unique_ptr<TLokata>& lokata) {
        return lokata->IdHarmonogramLokaty() == idHarmonogramLokatyBankowej;
    });
}

bool TKolekcjeDanych::HarmonogramyLokatBankowychSaZapisane() const {
    return std::none_of(fHarmonogramyLokatBankowych.begin(), fHarmonogramyLokatBankowych.end(),
                        [](const std::unique_ptr<THarmonogramLokatyBankowej>& harmonogram) {
                            return harmonogram->Id() == -1 ||
                                   harmonogram->Zmiany() == TTypModyfikacji::Dodano;
                        });
}

void TKolekcjeDanych::PosortujHarmonogramy() {
    auto& lista = fHarmonogramyLokatBankowych;
    std::vector<QString> banki, nazwy;
    banki.reserve(lista.size());
    nazwy.reserve(lista.size());
    for (const auto& harmonogram : lista) {
        banki.push_back(harmonogram->Bank());
        nazwy.push_back(harmonogram->NazwaHarmonogramu());
    }
    const std::vector<int32_t> rangiBankow = RangiTekstow(banki, TWielkoscLiter::Rozrozniaj);
    const std::vector<int32_t> rangiNazw = RangiTekstow(nazwy, TWielkoscLiter::Rozrozniaj);
    struct Klucz {
        int32_t bank;
        int32_t nazwa;
        uint32_t dni;
        double oprocentowanie;
        int32_t id;
    };
    std::vector<Klucz> klucze;
    klucze.reserve(lista.size());
    for (size_t i = 0; i < lista.size(); ++i)
        klucze.push_back({rangiBankow[i], rangiNazw[i], lista[i]->OkresLokatyIloscDni(),
                          lista[i]->OprocentowanieWSkaliRoku(), lista[i]->Id()});
    PosortujWedlugKluczy(lista, klucze, [](const Klucz& a, const Klucz& b) {
        if (std::tie(a.bank, a.nazwa, a.dni) != std::tie(b.bank, b.nazwa, b.dni))
            return std::tie(a.bank, a.nazwa, a.dni) < std::tie(b.bank, b.nazwa, b.dni);
        if (const int wynik = PorownajOprocentowanie(a.oprocentowanie, b.oprocentowanie))
            return wynik < 0;
        return a.id < b.id;
    });
}

// --- Deposits ----------------------------------------------------------------

void TKolekcjeDanych::PosortujLokatyPoNazwie() {
    const std::vector<int32_t> rangi =
        RangiTekstow(WartosciLokat<QString>(fLokaty, [](const TLokata& l) { return l.Nazwa(); }),
                     TWielkoscLiter::Rozrozniaj);
    PosortujLokaty(fLokaty, rangi, PorownajWartosci<int32_t>);
}

void TKolekcjeDanych::PosortujLokatyPoKwocie() {
    PosortujLokaty(fLokaty,
                   WartosciLokat<double>(fLokaty, [](const TLokata& l) { return l.Kwota(); }),
                   ZnakRoznicy);
}

void TKolekcjeDanych::PosortujLokatyPoDacieRozpoczecia() {
    PosortujLokaty(
        fLokaty,
        WartosciLokat<TDateTime>(fLokaty, [](const TLokata& l) { return l.DataRozpoczecia(); }),
        CompareDateTime);
}

void TKolekcjeDanych::PosortujLokatyPoCzasieTrwania() {
    PosortujLokaty(
        fLokaty,
        WartosciLokat<uint32_t>(fLokaty, [](const TLokata& l) { return l.OkresLokatyWDniach(); }),
        PorownajWartosci<uint32_t>);
}

void TKolekcjeDanych::PosortujLokatyPoDacieZakonczenia() {
    PosortujLokaty(fLokaty,
                   WartosciLokat<TDateTime>(
                       fLokaty, [](const TLokata& l) { return l.SzacowanaDataZakonczenia(); }),
                   CompareDateTime);
}

bool TKolekcjeDanych::KolekcjaZawieraAktywneLokaty() const {
    return std::any_of(fLokaty.begin(), fLokaty.end(), [](const std::unique_ptr<TLokata>& lokata) {
        return !JestUsuniety(*lokata) && lokata->Aktywna();
    });
}

std::vector<TLokata*>
TKolekcjeDanych::PobierzLokatyKonczaceSieLubPoTerminie(uint16_t ileDniDoKonca) const {
    std::vector<TLokata*> wynik;
    for (const auto& lokata : fLokaty) {
        const int32_t dni = lokata->IloscDniDoZakonczenia();
        if (dni != TLokata::kDniNieaktywnej && dni <= static_cast<int32_t>(ileDniDoKonca))
            wynik.push_back(lokata.get());
    }
    return wynik;
}

// --- Categories, persons and descriptions ------------------------------------

QString TKolekcjeDanych::PobierzOpisKategoriiPoID(int32_t id, TTabele tabela) const {
    switch (tabela) {
    case TTabele::Kategorie_Oszczednosci:
        if (id == kIdKategoriiLokat)
            return QStringLiteral("Lokaty");
        if (const auto* kategoria = ZnajdzPoId(fKategorieOszczednosci, id))
            return kategoria->Opis();
        break;
    case TTabele::Kategorie_Wydatki:
        if (const auto* kategoria = ZnajdzPoId(fKategorieWydatki, id))
            return kategoria->Opis();
        break;
    case TTabele::Kategorie_Przychody:
        if (const auto* kategoria = ZnajdzPoId(fKategoriePrzychody, id))
            return kategoria->Opis();
        break;
    case TTabele::Osoby:
        if (const auto* osoba = ZnajdzPoId(fOsoby, id))
            return osoba->ImieINazwisko();
        break;
    case TTabele::ZleceniaStaleWydatki:
        if (const auto* zlecenie = ZnajdzPoId(fZleceniaStaleWydatki, id))
            return zlecenie->Nazwa();
        break;
    case TTabele::ZleceniaStalePrzychody:
        if (const auto* zlecenie = ZnajdzPoId(fZleceniaStalePrzychody, id))
            return zlecenie->Nazwa();
        break;
    case TTabele::HarmonogramyLokatBankowych:
        if (const auto* harmonogram = ZnajdzPoId(fHarmonogramyLokatBankowych, id))
            return harmonogram->BankNazwaOprocentowanie();
        break;
    default:
        break;
    }
    return QString();
}

int32_t TKolekcjeDanych::PobierzIDKategoriiPoOpisie(const QString& opis, TTabele tabela) const {
    const auto opisKategorii = [](const TKategoria& kategoria) { return kategoria.Opis(); };
    switch (tabela) {
    case TTabele::Kategorie_Wydatki:
        return IdPoTekscie(fKategorieWydatki, opis, TWielkoscLiter::Rozrozniaj, opisKategorii);
    case TTabele::Kategorie_Przychody:
        return IdPoTekscie(fKategoriePrzychody, opis, TWielkoscLiter::Rozrozniaj, opisKategorii);
    case TTabele::Kategorie_Oszczednosci:
        return IdPoTekscie(fKategorieOszczednosci, opis, TWielkoscLiter::Rozrozniaj, opisKategorii);
    case TTabele::Osoby:
        return IdPoTekscie(fOsoby, opis, TWielkoscLiter::Ignoruj,
                           [](const TOsoba& osoba) { return osoba.ImieINazwisko(); });
    case TTabele::HarmonogramyLokatBankowych:
        return IdPoTekscie(fHarmonogramyLokatBankowych, opis, TWielkoscLiter::Rozrozniaj,
                           [](const THarmonogramLokatyBankowej& harmonogram) {
                               return harmonogram.BankNazwaOprocentowanie();
                           });
    default:
        return -1;
    }
}

QStringList TKolekcjeDanych::PobierzOpisyKategorii(TTabele tabela, bool filtrWidocznosci,
                                                   bool filtrMoznaZaplacic, int32_t pomijaneID) {
    if (tabela == TTabele::Wydatki || tabela == TTabele::Przychody)
        throw EDataError(QString::fromUtf8(kBladOpisowTransakcji));
    // A list that fails while being filled gives no texts rather than a part.
    try {
        return OpisyKategorii(tabela, filtrWidocznosci, filtrMoznaZaplacic, pomijaneID);
    } catch (const std::exception&) {
        return QStringList();
    }
}

QStringList TKolekcjeDanych::OpisyKategorii(TTabele tabela, bool filtrWidocznosci,
                                            bool filtrMoznaZaplacic, int32_t pomijaneID) {
    const auto opis = [](const TKategoria& kategoria) { return kategoria.Opis(); };
    const auto widoczna = [filtrWidocznosci](const auto& rekord) {
        return !filtrWidocznosci || !rekord.Usuniety();
    };
    const auto nazwa = [](const auto& rekord) { return rekord.Nazwa(); };
    const auto kazdy = [](const auto&) { return true; };
    switch (tabela) {
    case TTabele::Oszczednosci:
        return OpisyOszczednosci(filtrMoznaZaplacic);
    case TTabele::Kategorie_Wydatki:
        PosortujKategorieWydatkow();
        return RozneTeksty(fKategorieWydatki, pomijaneID, widoczna, opis);
    case TTabele::Kategorie_Przychody:
        PosortujKategoriePrzychodow();
        return RozneTeksty(fKategoriePrzychody, pomijaneID, widoczna, opis);
    case TTabele::Kategorie_Oszczednosci:
        PosortujKategorieOszczednosci();
        return RozneTeksty(
            fKategorieOszczednosci, pomijaneID,
            [&](const TKategoriaOszczednosci& kategoria) {
                return widoczna(kategoria) && (!filtrMoznaZaplacic || kategoria.MoznaZaplacic());
            },
            opis);
    case TTabele::Osoby:
        PosortujOsoby();
        return RozneTeksty(fOsoby, pomijaneID, widoczna,
                           [](const TOsoba& osoba) { return osoba.ImieINazwisko(); });
    case TTabele::ZleceniaStaleWydatki:
        return RozneTeksty(fZleceniaStaleWydatki, pomijaneID, kazdy, nazwa);
    case TTabele::ZleceniaStalePrzychody:
        return RozneTeksty(fZleceniaStalePrzychody, pomijaneID, kazdy, nazwa);
    case TTabele::Plany:
        return RozneTeksty(fPlany, pomijaneID, kazdy, nazwa);
    case TTabele::Lokaty:
        return RozneTeksty(fLokaty, pomijaneID, kazdy, nazwa);
    case TTabele::HarmonogramyLokatBankowych:
        return OpisyHarmonogramow(pomijaneID);
    default:
        return QStringList();
    }
}

QStringList TKolekcjeDanych::OpisyOszczednosci(bool filtrMoznaZaplacic) {
    return KolumnaTablicy(UtworzTabliceOszczednosciZKwotami(filtrMoznaZaplacic, -1), 1);
}

QStringList TKolekcjeDanych::OpisyHarmonogramow(int32_t pomijaneID) {
    PosortujHarmonogramy();
    // A catalogue repeats a few rates: each is formatted once.
    TTekstyLiczb procenty;
    return RozneTeksty(
        fHarmonogramyLokatBankowych, pomijaneID, [](const auto&) { return true; },
        [&procenty](const THarmonogramLokatyBankowej& harmonogram) {
            const double oprocentowanie = harmonogram.OprocentowanieWSkaliRoku();
            return harmonogram.BankNazwaOprocentowanie(procenty.Tekst(
                oprocentowanie, [oprocentowanie] { return FormatPercent(oprocentowanie); }));
        });
}

uint32_t TKolekcjeDanych::PobierzWageKategoriiPoID(int32_t id, TTabele tabela) const {
    const TKategoria* kategoria = nullptr;
    switch (tabela) {
    case TTabele::Osoby:
        if (const auto* osoba = ZnajdzPoId(fOsoby, id))
            return osoba->Waga();
        return 0;
    case TTabele::Kategorie_Wydatki:
        kategoria = ZnajdzPoId(fKategorieWydatki, id);
        break;
    case TTabele::Kategorie_Przychody:
        kategoria = ZnajdzPoId(fKategoriePrzychody, id);
        break;
    case TTabele::Kategorie_Oszczednosci:
        kategoria = ZnajdzPoId(fKategorieOszczednosci, id);
        break;
    default:
        break;
    }
    return kategoria ? kategoria->Waga() : 0;
}

void TKolekcjeDanych::PosortujKategorieWydatkow() {
    PosortujPoWadzeITekscie(fKategorieWydatki, [](const TKategoria& k) { return k.Opis(); });
}

void TKolekcjeDanych::PosortujKategoriePrzychodow() {
    PosortujPoWadzeITekscie(fKategoriePrzychody, [](const TKategoria& k) { return k.Opis(); });
}

void TKolekcjeDanych::PosortujKategorieOszczednosci() {
    PosortujPoWadzeITekscie(fKategorieOszczednosci, [](const TKategoria& k) { return k.Opis(); });
}

void TKolekcjeDanych::PosortujOsoby() {
    PosortujPoWadzeITekscie(fOsoby, [](const TOsoba& osoba) { return osoba.ImieINazwisko(); });
}

// --- Savings -----------------------------------------------------------------

TKategoriaOszczednosci* TKolekcjeDanych::KategoriaOszczednosciDlaID(int32_t id) const {
    return ZnajdzPoId(fKategorieOszczednosci, id);
}

TOszczednosc* TKolekcjeDanych::OszczednoscDlaID(int32_t id) const {
    return ZnajdzPoId(fOszczednosci, id);
}

TTabDwuwymiarowa TKolekcjeDanych::UtworzTabliceOszczednosciZKwotami(bool filtrujMozliwoscZaplaty,
                                                                    int32_t pominOszczednoscOID) {
    TTabDwuwymiarowa tablica;
    if (filtrujMozliwoscZaplaty && (IloscKategoriOszczednosciZMozliwosciaZaplaty() == 0 ||
                                    IloscOszczednosciZMozliwosciaZaplaty() == 0))
        return tablica;
    if (fOszczednosci.empty())
        return tablica;
    PosortujOszczednosci();
    for (const auto& oszczednosc : fOszczednosci) {
        if (oszczednosc->Id() == pominOszczednoscOID)
            continue;
        if (filtrujMozliwoscZaplaty) {
            const auto* kategoria =
                KategoriaOszczednosciDlaID(oszczednosc->IdKategoriaOszczednosci());
            if (!kategoria || !kategoria->MoznaZaplacic())
                continue;
        }
        DodajWierszOszczednosci(tablica, *oszczednosc);
    }
    return tablica;
}

void TKolekcjeDanych::DodajWierszOszczednosci(TTabDwuwymiarowa& tablica,
                                              const TOszczednosc& oszczednosc) const {
    tablica.append(QStringList{IntToStr(oszczednosc.Id()),
                               PobierzOpisKategoriiPoID(oszczednosc.IdKategoriaOszczednosci(),
                                                        TTabele::Kategorie_Oszczednosci),
                               FormatFixed(oszczednosc.Ile(), 2, UstawieniaFormatow)});
}

int32_t TKolekcjeDanych::PobierzIDOszczednosciPoOpisie(const QString& opis) const {
    const int32_t idKategorii = PobierzIDKategoriiPoOpisie(opis, TTabele::Kategorie_Oszczednosci);
    if (idKategorii == -1)
        return -1;
    for (const auto& oszczednosc : fOszczednosci)
        if (oszczednosc->IdKategoriaOszczednosci() == idKategorii)
            return oszczednosc->Id();
    return -1;
}

bool TKolekcjeDanych::DodajDoOszczednosciWartosc(double wartosc, int32_t idOszczednosci,
                                                 bool dokonujeszPrzelewuMiedzyOszczednosciami) {
    const double mnoznik = ObliczMnoznikDoDodawaniaOdejmowania(
        idOszczednosci, dokonujeszPrzelewuMiedzyOszczednosciami);
    return ZmienWartoscOszczednosci(wartosc * mnoznik, idOszczednosci);
}

bool TKolekcjeDanych::OdejmijZOszczednosciWartosc(double wartosc, int32_t idOszczednosci,
                                                  bool dokonujeszPrzelewuMiedzyOszczednosciami) {
    const double mnoznik = ObliczMnoznikDoDodawaniaOdejmowania(
        idOszczednosci, dokonujeszPrzelewuMiedzyOszczednosciami);
    return ZmienWartoscOszczednosci(-(wartosc * mnoznik), idOszczednosci);
}

bool TKolekcjeDanych::ZmienWartoscOszczednosci(double zmiana, int32_t idOszczednosci) {
    TOszczednosc* oszczednosc = OszczednoscDlaID(idOszczednosci);
    if (!oszczednosc)
        return false;
    oszczednosc->SetIle(oszczednosc->Ile() + zmiana);
    oszczednosc->SetData(Now());
    if (oszczednosc->Zmiany() != TTypModyfikacji::Dodano)
        oszczednosc->SetZmiany(TTypModyfikacji::Zmieniono);
    SetZmienionoINiezapisanoOszczednosci(true);
    return true;
}

double TKolekcjeDanych::ObliczMnoznikDoDodawaniaOdejmowania(
    int32_t idOszczednosci, bool dokonujeszPrzelewuMiedzyOszczednosciami) const {
    const bool dlug = KategoriaOszczednosciMaCharakterDlugu(
        PobierzIDKatOszczednosciDlaOszczednosci(idOszczednosci));
    const int8_t typ = PobierzTypOszczednosciPoID(idOszczednosci);
    if (dokonujeszPrzelewuMiedzyOszczednosciami || !dlug)
        return 1;
    if (typ == 1)
        return 1;
    if (typ == 2)
        return -1;
    throw EDataError(QString::fromUtf8(kBladTypuOszczednosci));
}

int32_t TKolekcjeDanych::PobierzIDKatOszczednosciDlaOszczednosci(int32_t idOszczednosci) const {
    const TOszczednosc* oszczednosc = OszczednoscDlaID(idOszczednosci);
    return oszczednosc ? oszczednosc->IdKategoriaOszczednosci() : -1;
}

int8_t TKolekcjeDanych::PobierzTypOszczednosciPoID(int32_t id) const {
    const TOszczednosc* oszczednosc = OszczednoscDlaID(id);
    return oszczednosc ? oszczednosc->fTypOszczednosci : 1;
}

bool TKolekcjeDanych::KategoriaOszczednosciMaCharakterDlugu(int32_t idKategoriiOszczednosci) const {
    if (!KolekcjaZawieraKategorieOszczednosci())
        return false;
    const auto* kategoria = KategoriaOszczednosciDlaID(idKategoriiOszczednosci);
    return kategoria && kategoria->CharakterDlugu();
}

bool TKolekcjeDanych::KategoriaOszczednosciMaMozliwoscZaplaty(
    int32_t idKategoriiOszczednosci) const {
    if (!KolekcjaZawieraKategorieOszczednosci())
        return false;
    const auto* kategoria = KategoriaOszczednosciDlaID(idKategoriiOszczednosci);
    return kategoria && kategoria->MoznaZaplacic();
}

bool TKolekcjeDanych::OszczednoscMaMozliwoscZaplaty(int32_t idOszczednosci) const {
    if (!KolekcjaZawieraOszczednosci())
        return false;
    const TOszczednosc* oszczednosc = OszczednoscDlaID(idOszczednosci);
    return oszczednosc &&
           KategoriaOszczednosciMaMozliwoscZaplaty(oszczednosc->IdKategoriaOszczednosci());
}

int32_t TKolekcjeDanych::IloscKategoriOszczednosciZMozliwosciaZaplaty() const {
    return static_cast<int32_t>(std::count_if(
        fKategorieOszczednosci.begin(), fKategorieOszczednosci.end(), [](const auto& kategoria) {
            return !kategoria->Usuniety() && kategoria->MoznaZaplacic();
        }));
}

int32_t TKolekcjeDanych::IloscOszczednosciZMozliwosciaZaplaty() const {
    if (IloscKategoriOszczednosciZMozliwosciaZaplaty() == 0 || fOszczednosci.empty() ||
        fKategorieOszczednosci.empty())
        return 0;
    return static_cast<int32_t>(
        std::count_if(fOszczednosci.begin(), fOszczednosci.end(), [this](const auto& oszczednosc) {
            const auto* kategoria =
                KategoriaOszczednosciDlaID(oszczednosc->IdKategoriaOszczednosci());
            return kategoria && kategoria->MoznaZaplacic();
        }));
}

void TKolekcjeDanych::PosortujOszczednosci() {
    struct Klucz {
        uint32_t waga;
        int32_t id;
    };
    std::vector<Klucz> klucze;
    klucze.reserve(fOszczednosci.size());
    for (const auto& oszczednosc : fOszczednosci)
        klucze.push_back({oszczednosc->WagaIdKatOszczednosci(), oszczednosc->Id()});
    PosortujWedlugKluczy(fOszczednosci, klucze, [](const Klucz& a, const Klucz& b) {
        return a.waga != b.waga ? a.waga < b.waga : a.id > b.id;
    });
}

// --- Contents ----------------------------------------------------------------

bool TKolekcjeDanych::KolekcjaZawieraWydatki() const {
    return ZawieraNieusuniete(fWydatki);
}
bool TKolekcjeDanych::KolekcjaZawieraPrzychody() const {
    return ZawieraNieusuniete(fPrzychody);
}
bool TKolekcjeDanych::KolekcjaZawieraOszczednosci() const {
    return ZawieraNieusuniete(fOszczednosci);
}
bool TKolekcjeDanych::KolekcjaZawieraKategorieWydatki() const {
    return ZawieraNieusuniete(fKategorieWydatki);
}
bool TKolekcjeDanych::KolekcjaZawieraKategoriePrzychody() const {
    return ZawieraNieusuniete(fKategoriePrzychody);
}
bool TKolekcjeDanych::KolekcjaZawieraKategorieOszczednosci() const {
    return ZawieraNieusuniete(fKategorieOszczednosci);
}
bool TKolekcjeDanych::KolekcjaZawieraOsoby() const {
    return ZawieraNieusuniete(fOsoby);
}
bool TKolekcjeDanych::KolekcjaZawieraHistoriaPrzelewow() const {
    return ZawieraNieusuniete(fHistoriaPrzelewowOszczednosci);
}
bool TKolekcjeDanych::KolekcjaZawieraStanyOszczednosci() const {
    return ZawieraNieusuniete(fStanyOszczednosci);
}
bool TKolekcjeDanych::KolekcjaZawieraZleceniaStaleWydatki() const {
    return ZawieraNieusuniete(fZleceniaStaleWydatki);
}
bool TKolekcjeDanych::KolekcjaZawieraZleceniaStalePrzychody() const {
    return ZawieraNieusuniete(fZleceniaStalePrzychody);
}
bool TKolekcjeDanych::KolekcjaZawieraHistoriaZlecenStalych() const {
    return ZawieraNieusuniete(fHistoriaZlecenStalych);
}
bool TKolekcjeDanych::KolekcjaZawieraPlany() const {
    return ZawieraNieusuniete(fPlany);
}
bool TKolekcjeDanych::KolekcjaZawieraOgraniczenia() const {
    return ZawieraNieusuniete(fOgraniczenia);
}
bool TKolekcjeDanych::KolekcjaZawieraLokaty() const {
    return ZawieraNieusuniete(fLokaty);
}

bool TKolekcjeDanych::KolekcjaZawieraOszczednosciZMozliwosciaZaplaty() const {
    return std::any_of(fOszczednosci.begin(), fOszczednosci.end(), [this](const auto& oszczednosc) {
        return !JestUsuniety(*oszczednosc) &&
               KategoriaOszczednosciMaMozliwoscZaplaty(oszczednosc->IdKategoriaOszczednosci());
    });
}
