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
    DlaKazdejListy(*this, [](auto& lista) { lista.WyczyscTabele(); });
}

// Every list is empty afterwards, so no list holds unsaved changes: a flag
// left set would make the next load skip its list. The standing-order flags
// are cleared as well, although the clearing as first laid down named every
// flag but those two: kept deliberately, since leaving them set made every
// later load skip the standing orders for good. One loop over the lists
// leaves no flag out.
void TKolekcjeDanych::WyczyscKolekcjeDanych() {
    DlaKazdejListy(*this, [](auto& lista) { lista.Wyczysc(); });
    fZyskiZLokatDoDodaniaJakoPrzychod.clear();
}

void TKolekcjeDanych::WypelnijTytulyKolumn() {
    const auto ustaw = [](TTabela& tabela, const QStringList& tytuly) {
        tabela.SetTytulyKolumn(QStringList{QStringLiteral("ID")} + tytuly);
    };
    ustaw(TabelaKategorieWydatki(), {"Opis", "Widoczność", "Waga"});
    ustaw(TabelaKategoriePrzychody(), {"Opis", "Widoczność", "Waga"});
    ustaw(TabelaKategorieOszczednosci(),
          {"Opis", "Widoczność", "Możliwość zapłaty", "Charakter długu", "Waga"});
    ustaw(TabelaOsoby(),
          {"Imię", "Nazwisko", "Pseudonim", "Adres", "Telefon", "Waga", "Widoczność"});
    ustaw(TabelaWydatki(), {"Kwota", "Na co", "Czym zapłacono", "Kiedy", "Kto", "Komentarz"});
    ustaw(TabelaPrzychody(),
          {"Kwota", "Tytuł przychodu", "Wpłacono na", "Kiedy", "Kto", "Komentarz"});
    ustaw(TabelaOszczednosci(), {"Rodzaj", "Kwota", "Stan na dzień", "Komentarz"});
    ustaw(TabelaHistoriaPrzelewowOszczednosci(), {"Ile", "Z", "Na", "Data przelewu", "Komentarz"});
    ustaw(TabelaZleceniaStaleWydatki(), {"Nazwa", "Na co", "Czym zapłacono", "Kwota",
                                         "Częstotliwość", "Data dodania", "Aktywne"});
    ustaw(TabelaZleceniaStalePrzychody(), {"Nazwa", "Tytuł przychodu", "Wpłacono na", "Kwota",
                                           "Częstotliwość", "Data dodania", "Aktywne"});
    ustaw(TabelaHistoriaZlecenStalychWydatki(),
          {"Nazwa zlecenia", "Na co", "Czym zapłacono", "Kwota", "Częstotliwość", "Data", "Kto",
           "Komentarz"});
    ustaw(TabelaHistoriaZlecenStalychPrzychody(),
          {"Nazwa zlecenia", "Tytuł przychodu", "Wpłacono na", "Kwota", "Częstotliwość", "Data",
           "Kto", "Komentarz"});
    ustaw(TabelaStanyOszczednosci(), {"Stan", "Stan na dzień"});
    ustaw(TabelaPlany(), {"Wykonany", "Nazwa", "Kategoria", "Kwota", "Data", "Komentarz",
                          "TypPlanu", "DodanyDoKolekcji"});
    ustaw(TabelaOgraniczenia(), {"IdKategoriiWydatku", "Max na miesiąc", "Max na rok",
                                 "Rok ograniczenia", "Data modyfikacji"});
    ustaw(TabelaLokaty(),
          {"Nazwa", "Kwota", "Data rozpoczęcia", "Czas trwania", "Lokata bankowa",
           "Szacowana data zakończenia", "Szacowany zysk", "Ilość dni do zakończenia"});
    ustaw(TabelaHarmonogramyLokatBankowych(),
          {"Bank", "Nazwa", "Okres lokaty", "% w skali roku", "Kapitalizacja", "Kwota minimalna",
           "Kwota maksymalna", "Oprocentowanie", "Posiadanie konta osobistego",
           "Warunki wcześniejszego zerwania umowy", "Pozostałe informacje"});
}

// --- Change flags and descriptors by table ----------------------------------

bool TKolekcjeDanych::ZmienionoINiezapisano(TTabele tabela) const {
    bool zmieniono = false;
    DlaKazdejListy(*this, [&](const auto& lista) {
        if (lista.Obejmuje(tabela))
            zmieniono = lista.Zmieniono();
    });
    return zmieniono;
}

void TKolekcjeDanych::SetZmienionoINiezapisano(TTabele tabela, bool value) {
    DlaKazdejListy(*this, [&](auto& lista) {
        if (lista.Obejmuje(tabela))
            lista.SetZmieniono(value);
    });
}

std::vector<TTabele> TKolekcjeDanych::NiezapisaneTabele() const {
    std::vector<TTabele> tabele;
    DlaKazdejListy(*this, [&](const auto& lista) {
        if (lista.MaWlasnaFlage() && lista.Zmieniono())
            for (TTabele tabela : lista.Tabele())
                tabele.push_back(tabela);
    });
    return tabele;
}

TTabela* TKolekcjeDanych::Tabela(TTabele tabela) {
    TTabela* opis = nullptr;
    DlaKazdejListy(*this, [&](auto& lista) {
        if (TTabela* t = lista.Tabela(tabela))
            opis = t;
    });
    return opis;
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
    return ZnajdzPoId(fHarmonogramyLokatBankowych.Rekordy(), id);
}

THarmonogramLokatyBankowej* TKolekcjeDanych::PobierzHarmonogramLokatyBankowejDlaBanikINazwa(
    const QString& bankNazwaOprocentowanie) const {
    const QCollator& kolator = KolatorTekstow(TWielkoscLiter::Ignoruj);
    for (const auto& harmonogram : fHarmonogramyLokatBankowych.Rekordy())
        if (kolator.compare(harmonogram->BankNazwaOprocentowanie(), bankNazwaOprocentowanie) == 0)
            return harmonogram.get();
    return nullptr;
}

bool TKolekcjeDanych::HarmonogramLokatyBankowejJestWUzyciu(
    int32_t idHarmonogramLokatyBankowej) const {
    if (idHarmonogramLokatyBankowej == -1)
        return false;
    return std::any_of(fLokaty.Rekordy().begin(), fLokaty.Rekordy().end(),
                       [&](const std::unique_ptr<TLokata>& lokata) {
                           return lokata->IdHarmonogramLokaty() == idHarmonogramLokatyBankowej;
                       });
}

bool TKolekcjeDanych::HarmonogramyLokatBankowychSaZapisane() const {
    return std::none_of(
        fHarmonogramyLokatBankowych.Rekordy().begin(), fHarmonogramyLokatBankowych.Rekordy().end(),
        [](const std::unique_ptr<THarmonogramLokatyBankowej>& harmonogram) {
            return harmonogram->Id() == -1 || harmonogram->Zmiany() == TTypModyfikacji::Dodano;
        });
}

void TKolekcjeDanych::PosortujHarmonogramy() {
    auto& lista = fHarmonogramyLokatBankowych.Rekordy();
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
    const std::vector<int32_t> rangi = RangiTekstow(
        WartosciLokat<QString>(fLokaty.Rekordy(), [](const TLokata& l) { return l.Nazwa(); }),
        TWielkoscLiter::Rozrozniaj);
    PosortujLokaty(fLokaty.Rekordy(), rangi, PorownajWartosci<int32_t>);
}

void TKolekcjeDanych::PosortujLokatyPoKwocie() {
    PosortujLokaty(
        fLokaty.Rekordy(),
        WartosciLokat<double>(fLokaty.Rekordy(), [](const TLokata& l) { return l.Kwota(); }),
        ZnakRoznicy);
}

void TKolekcjeDanych::PosortujLokatyPoDacieRozpoczecia() {
    PosortujLokaty(fLokaty.Rekordy(),
                   WartosciLokat<TDateTime>(fLokaty.Rekordy(),
                                            [](const TLokata& l) { return l.DataRozpoczecia(); }),
                   CompareDateTime);
}

void TKolekcjeDanych::PosortujLokatyPoCzasieTrwania() {
    PosortujLokaty(fLokaty.Rekordy(),
                   WartosciLokat<uint32_t>(fLokaty.Rekordy(),
                                           [](const TLokata& l) { return l.OkresLokatyWDniach(); }),
                   PorownajWartosci<uint32_t>);
}

void TKolekcjeDanych::PosortujLokatyPoDacieZakonczenia() {
    PosortujLokaty(
        fLokaty.Rekordy(),
        WartosciLokat<TDateTime>(fLokaty.Rekordy(),
                                 [](const TLokata& l) { return l.SzacowanaDataZakonczenia(); }),
        CompareDateTime);
}

bool TKolekcjeDanych::KolekcjaZawieraAktywneLokaty() const {
    return std::any_of(fLokaty.Rekordy().begin(), fLokaty.Rekordy().end(),
                       [](const std::unique_ptr<TLokata>& lokata) {
                           return !JestUsuniety(*lokata) && lokata->Aktywna();
                       });
}

std::vector<TLokata*>
TKolekcjeDanych::PobierzLokatyKonczaceSieLubPoTerminie(uint16_t ileDniDoKonca) const {
    std::vector<TLokata*> wynik;
    for (const auto& lokata : fLokaty.Rekordy()) {
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
        if (const auto* kategoria = ZnajdzPoId(fKategorieOszczednosci.Rekordy(), id))
            return kategoria->Opis();
        break;
    case TTabele::Kategorie_Wydatki:
        if (const auto* kategoria = ZnajdzPoId(fKategorieWydatki.Rekordy(), id))
            return kategoria->Opis();
        break;
    case TTabele::Kategorie_Przychody:
        if (const auto* kategoria = ZnajdzPoId(fKategoriePrzychody.Rekordy(), id))
            return kategoria->Opis();
        break;
    case TTabele::Osoby:
        if (const auto* osoba = ZnajdzPoId(fOsoby.Rekordy(), id))
            return osoba->ImieINazwisko();
        break;
    case TTabele::ZleceniaStaleWydatki:
        if (const auto* zlecenie = ZnajdzPoId(fZleceniaStaleWydatki.Rekordy(), id))
            return zlecenie->Nazwa();
        break;
    case TTabele::ZleceniaStalePrzychody:
        if (const auto* zlecenie = ZnajdzPoId(fZleceniaStalePrzychody.Rekordy(), id))
            return zlecenie->Nazwa();
        break;
    case TTabele::HarmonogramyLokatBankowych:
        if (const auto* harmonogram = ZnajdzPoId(fHarmonogramyLokatBankowych.Rekordy(), id))
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
        return IdPoTekscie(fKategorieWydatki.Rekordy(), opis, TWielkoscLiter::Rozrozniaj,
                           opisKategorii);
    case TTabele::Kategorie_Przychody:
        return IdPoTekscie(fKategoriePrzychody.Rekordy(), opis, TWielkoscLiter::Rozrozniaj,
                           opisKategorii);
    case TTabele::Kategorie_Oszczednosci:
        return IdPoTekscie(fKategorieOszczednosci.Rekordy(), opis, TWielkoscLiter::Rozrozniaj,
                           opisKategorii);
    case TTabele::Osoby:
        return IdPoTekscie(fOsoby.Rekordy(), opis, TWielkoscLiter::Ignoruj,
                           [](const TOsoba& osoba) { return osoba.ImieINazwisko(); });
    case TTabele::HarmonogramyLokatBankowych:
        return IdPoTekscie(fHarmonogramyLokatBankowych.Rekordy(), opis, TWielkoscLiter::Rozrozniaj,
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
        return RozneTeksty(fKategorieWydatki.Rekordy(), pomijaneID, widoczna, opis);
    case TTabele::Kategorie_Przychody:
        PosortujKategoriePrzychodow();
        return RozneTeksty(fKategoriePrzychody.Rekordy(), pomijaneID, widoczna, opis);
    case TTabele::Kategorie_Oszczednosci:
        PosortujKategorieOszczednosci();
        return RozneTeksty(
            fKategorieOszczednosci.Rekordy(), pomijaneID,
            [&](const TKategoriaOszczednosci& kategoria) {
                return widoczna(kategoria) && (!filtrMoznaZaplacic || kategoria.MoznaZaplacic());
            },
            opis);
    case TTabele::Osoby:
        PosortujOsoby();
        return RozneTeksty(fOsoby.Rekordy(), pomijaneID, widoczna,
                           [](const TOsoba& osoba) { return osoba.ImieINazwisko(); });
    case TTabele::ZleceniaStaleWydatki:
        return RozneTeksty(fZleceniaStaleWydatki.Rekordy(), pomijaneID, kazdy, nazwa);
    case TTabele::ZleceniaStalePrzychody:
        return RozneTeksty(fZleceniaStalePrzychody.Rekordy(), pomijaneID, kazdy, nazwa);
    case TTabele::Plany:
        return RozneTeksty(fPlany.Rekordy(), pomijaneID, kazdy, nazwa);
    case TTabele::Lokaty:
        return RozneTeksty(fLokaty.Rekordy(), pomijaneID, kazdy, nazwa);
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
        fHarmonogramyLokatBankowych.Rekordy(), pomijaneID, [](const auto&) { return true; },
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
        if (const auto* osoba = ZnajdzPoId(fOsoby.Rekordy(), id))
            return osoba->Waga();
        return 0;
    case TTabele::Kategorie_Wydatki:
        kategoria = ZnajdzPoId(fKategorieWydatki.Rekordy(), id);
        break;
    case TTabele::Kategorie_Przychody:
        kategoria = ZnajdzPoId(fKategoriePrzychody.Rekordy(), id);
        break;
    case TTabele::Kategorie_Oszczednosci:
        kategoria = ZnajdzPoId(fKategorieOszczednosci.Rekordy(), id);
        break;
    default:
        break;
    }
    return kategoria ? kategoria->Waga() : 0;
}

void TKolekcjeDanych::PosortujKategorieWydatkow() {
    PosortujPoWadzeITekscie(fKategorieWydatki.Rekordy(),
                            [](const TKategoria& k) { return k.Opis(); });
}

void TKolekcjeDanych::PosortujKategoriePrzychodow() {
    PosortujPoWadzeITekscie(fKategoriePrzychody.Rekordy(),
                            [](const TKategoria& k) { return k.Opis(); });
}

void TKolekcjeDanych::PosortujKategorieOszczednosci() {
    PosortujPoWadzeITekscie(fKategorieOszczednosci.Rekordy(),
                            [](const TKategoria& k) { return k.Opis(); });
}

void TKolekcjeDanych::PosortujOsoby() {
    PosortujPoWadzeITekscie(fOsoby.Rekordy(),
                            [](const TOsoba& osoba) { return osoba.ImieINazwisko(); });
}

// --- Savings -----------------------------------------------------------------

TKategoriaOszczednosci* TKolekcjeDanych::KategoriaOszczednosciDlaID(int32_t id) const {
    return ZnajdzPoId(fKategorieOszczednosci.Rekordy(), id);
}

TOszczednosc* TKolekcjeDanych::OszczednoscDlaID(int32_t id) const {
    return ZnajdzPoId(fOszczednosci.Rekordy(), id);
}

TTabDwuwymiarowa TKolekcjeDanych::UtworzTabliceOszczednosciZKwotami(bool filtrujMozliwoscZaplaty,
                                                                    int32_t pominOszczednoscOID) {
    TTabDwuwymiarowa tablica;
    if (filtrujMozliwoscZaplaty && (IloscKategoriOszczednosciZMozliwosciaZaplaty() == 0 ||
                                    IloscOszczednosciZMozliwosciaZaplaty() == 0))
        return tablica;
    if (fOszczednosci.Rekordy().empty())
        return tablica;
    PosortujOszczednosci();
    for (const auto& oszczednosc : fOszczednosci.Rekordy()) {
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
    for (const auto& oszczednosc : fOszczednosci.Rekordy())
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
    return static_cast<int32_t>(
        std::count_if(fKategorieOszczednosci.Rekordy().begin(),
                      fKategorieOszczednosci.Rekordy().end(), [](const auto& kategoria) {
                          return !kategoria->Usuniety() && kategoria->MoznaZaplacic();
                      }));
}

int32_t TKolekcjeDanych::IloscOszczednosciZMozliwosciaZaplaty() const {
    if (IloscKategoriOszczednosciZMozliwosciaZaplaty() == 0 || fOszczednosci.Rekordy().empty() ||
        fKategorieOszczednosci.Rekordy().empty())
        return 0;
    return static_cast<int32_t>(
        std::count_if(fOszczednosci.Rekordy().begin(), fOszczednosci.Rekordy().end(),
                      [this](const auto& oszczednosc) {
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
    klucze.reserve(fOszczednosci.Rekordy().size());
    for (const auto& oszczednosc : fOszczednosci.Rekordy())
        klucze.push_back({oszczednosc->WagaIdKatOszczednosci(), oszczednosc->Id()});
    PosortujWedlugKluczy(fOszczednosci.Rekordy(), klucze, [](const Klucz& a, const Klucz& b) {
        return a.waga != b.waga ? a.waga < b.waga : a.id > b.id;
    });
}

// --- Contents ----------------------------------------------------------------

bool TKolekcjeDanych::KolekcjaZawieraOszczednosciZMozliwosciaZaplaty() const {
    return std::any_of(fOszczednosci.Rekordy().begin(), fOszczednosci.Rekordy().end(),
                       [this](const auto& oszczednosc) {
                           return !JestUsuniety(*oszczednosc) &&
                                  KategoriaOszczednosciMaMozliwoscZaplaty(
                                      oszczednosc->IdKategoriaOszczednosci());
                       });
}
