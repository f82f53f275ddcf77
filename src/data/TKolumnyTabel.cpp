#include "data/TKolumnyTabel.h"

#include "data/THistoriaPrzelewu.h"
#include "data/TKategoriaOszczednosci.h"
#include "data/TKategoriaPrzychody.h"
#include "data/TKategoriaWydatki.h"
#include "data/TOgraniczenie.h"
#include "data/TOsoba.h"
#include "data/TOszczednosc.h"
#include "data/TPlan.h"
#include "data/TPrzychod.h"
#include "data/TWydatek.h"
#include "data/TZlecenieStale.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"

namespace {

using O = TOdczytWiersza;
using W = TWartoscSQL;
using K = TOdczytWiersza::TKolumna;

// The columns of every table of categories; savings categories add theirs
// between Usuniety and Waga.
template <class R>
std::vector<typename TMapowanieTabeli<R>::TKolumna>
KolumnyKategorii(std::vector<typename TMapowanieTabeli<R>::TKolumna> dodatkowe = {}) {
    std::vector<typename TMapowanieTabeli<R>::TKolumna> k{
        KolumnaId<R>(), Kolumna<R>("Opis", &O::Tekst, &W::Tekst, &R::Opis, &R::SetOpis),
        Kolumna<R>("Usuniety", &O::Flaga, &W::Flaga, &R::Usuniety, &R::SetUsuniety)};
    k.insert(k.end(), dodatkowe.begin(), dodatkowe.end());
    k.push_back(Kolumna<R>("Waga", &O::LiczbaBezZnaku, &W::Liczba, &R::Waga, &R::SetWaga));
    return k;
}

} // namespace

// Expenses: UPDATE writes Zalacznik before ZlecenieStale, INSERT after it.
const TMapowanieTabeli<TWydatek>& TKolumnyTabel::Wydatki() {
    using R = TWydatek;
    static const TMapowanieTabeli<R> m(
        {KolumnaId<R>(),
         Kolumna<R>("IdKategoriaWydatki", &O::Liczba, &W::Liczba, &R::IdKategoriaWydatki,
                    &R::SetIdKategoriaWydatki),
         Kolumna<R>("Ile", &O::Kwota, &W::Kwota, &R::Ile, &R::SetIle),
         Kolumna<R>("IdKategoriaOszczednosci", &O::Liczba, &W::Liczba, &R::IdKategoriaOszczednosci,
                    &R::SetIdKategoriaOszczednosci),
         Kolumna<R>("Data", &O::Data, &W::Data, &R::Data, &R::SetData),
         Kolumna<R>("IdOsoba", &O::Liczba, &W::Liczba, &R::IdOsoba, &R::SetIdOsoba),
         Kolumna<R>("Komentarz", &O::Tekst, &W::TekstLubNull, &R::Komentarz, &R::SetKomentarz),
         Kolumna<R>("Zalacznik", &O::Tekst, &W::TekstLubNull, &R::Zalacznik, &R::SetZalacznik),
         Kolumna<R>("ZlecenieStale", &O::Flaga, &W::Flaga, &R::ZlecenieStale,
                    &R::SetZlecenieStale)},
        true);
    return m;
}

const TMapowanieTabeli<TPrzychod>& TKolumnyTabel::Przychody() {
    using R = TPrzychod;
    static const TMapowanieTabeli<R> m(
        {KolumnaId<R>(),
         Kolumna<R>("IdKategoriaPrzychody", &O::Liczba, &W::Liczba, &R::IdKategoriaPrzychody,
                    &R::SetIdKategoriaPrzychody),
         Kolumna<R>("Ile", &O::Kwota, &W::Kwota, &R::Ile, &R::SetIle),
         Kolumna<R>("IdKategoriaOszczednosci", &O::Liczba, &W::Liczba, &R::IdKategoriaOszczednosci,
                    &R::SetIdKategoriaOszczednosci),
         Kolumna<R>("Data", &O::Data, &W::Data, &R::Data, &R::SetData),
         Kolumna<R>("IdOsoba", &O::Liczba, &W::Liczba, &R::IdOsoba, &R::SetIdOsoba),
         Kolumna<R>("Komentarz", &O::Tekst, &W::TekstLubNull, &R::Komentarz, &R::SetKomentarz),
         Kolumna<R>("ZlecenieStale", &O::Flaga, &W::Flaga, &R::ZlecenieStale,
                    &R::SetZlecenieStale)});
    return m;
}

// Savings: UPDATE writes TypOszczednosci before Komentarz, INSERT after it.
const TMapowanieTabeli<TOszczednosc>& TKolumnyTabel::Oszczednosci() {
    using R = TOszczednosc;
    static const TMapowanieTabeli<R> m(
        {KolumnaId<R>(),
         Kolumna<R>("IdKategoriaOszczednosci", &O::Liczba, &W::Liczba, &R::IdKategoriaOszczednosci,
                    &R::SetIdKategoriaOszczednosci),
         Kolumna<R>("Ile", &O::Kwota, &W::Kwota, &R::Ile, &R::SetIle),
         Kolumna<R>("Data", &O::Data, &W::Data, &R::Data, &R::SetData),
         Pole<R>("TypOszczednosci", &O::Bajt, &W::Liczba, &R::fTypOszczednosci),
         Kolumna<R>("Komentarz", &O::Tekst, &W::TekstLubNull, &R::Komentarz, &R::SetKomentarz)},
        true);
    return m;
}

// Persons: UPDATE writes Usuniety before Waga, INSERT after it.
const TMapowanieTabeli<TOsoba>& TKolumnyTabel::Osoby() {
    using R = TOsoba;
    static const TMapowanieTabeli<R> m(
        {KolumnaId<R>(), Kolumna<R>("Imie", &O::Tekst, &W::Tekst, &R::Imie, &R::SetImie),
         Kolumna<R>("Nazwisko", &O::Tekst, &W::Tekst, &R::Nazwisko, &R::SetNazwisko),
         Kolumna<R>("Pseudonim", &O::Tekst, &W::TekstLubNull, &R::Pseudonim, &R::SetPseudonim),
         Kolumna<R>("Adres", &O::Tekst, &W::TekstLubNull, &R::Adres, &R::SetAdres),
         Kolumna<R>("Telefon", &O::Tekst, &W::TekstLubNull, &R::Telefon, &R::SetTelefon),
         Kolumna<R>("Usuniety", &O::Flaga, &W::Flaga, &R::Usuniety, &R::SetUsuniety),
         Kolumna<R>("Waga", &O::LiczbaBezZnaku, &W::Liczba, &R::Waga, &R::SetWaga)},
        true);
    return m;
}

const TMapowanieTabeli<TKategoriaWydatki>& TKolumnyTabel::KategorieWydatkow() {
    static const TMapowanieTabeli<TKategoriaWydatki> m(KolumnyKategorii<TKategoriaWydatki>());
    return m;
}

const TMapowanieTabeli<TKategoriaPrzychody>& TKolumnyTabel::KategoriePrzychodow() {
    static const TMapowanieTabeli<TKategoriaPrzychody> m(KolumnyKategorii<TKategoriaPrzychody>());
    return m;
}

const TMapowanieTabeli<TKategoriaOszczednosci>& TKolumnyTabel::KategorieOszczednosci() {
    using R = TKategoriaOszczednosci;
    static const TMapowanieTabeli<R> m(KolumnyKategorii<R>(
        {Kolumna<R>("MoznaZaplacic", &O::Flaga, &W::Flaga, &R::MoznaZaplacic, &R::SetMoznaZaplacic),
         Kolumna<R>("Dlug", &O::Flaga, &W::Flaga, &R::CharakterDlugu, &R::SetCharakterDlugu)}));
    return m;
}

const TMapowanieTabeli<THistoriaPrzelewu>& TKolumnyTabel::HistoriaPrzelewow() {
    using R = THistoriaPrzelewu;
    static const TMapowanieTabeli<R> m(
        {KolumnaId<R>(), Kolumna<R>("Ile", &O::Kwota, &W::Kwota, &R::Ile, &R::SetIle),
         Kolumna<R>("IdKategoriaOszczednosciFrom", &O::Liczba, &W::Liczba,
                    &R::IdKategoriaOszczednosciFROM, &R::SetIdKategoriaOszczednosciFROM),
         Kolumna<R>("IdKategoriaOszczednosciTo", &O::Liczba, &W::Liczba,
                    &R::IdKategoriaOszczednosciTO, &R::SetIdKategoriaOszczednosciTO),
         Kolumna<R>("Data", &O::Data, &W::Data, &R::Data, &R::SetData),
         Kolumna<R>("Komentarz", &O::Tekst, &W::TekstLubNull, &R::Komentarz, &R::SetKomentarz)});
    return m;
}

const TMapowanieTabeli<TZlecenieStale>& TKolumnyTabel::ZleceniaStale() {
    using R = TZlecenieStale;
    static const TMapowanieTabeli<R> m(
        {KolumnaId<R>(),
         Kolumna<R>("IdKategorii", &O::Liczba, &W::Liczba, &R::IdKategorii, &R::SetIdKategorii),
         Kolumna<R>("IdOszczednosci", &O::Liczba, &W::Liczba, &R::IdOszczednosci,
                    &R::SetIdOszczednosci),
         Kolumna<R>("Nazwa", &O::Tekst, &W::Tekst, &R::Nazwa, &R::SetNazwa),
         Kolumna<R>("Kwota", &O::Kwota, &W::Kwota, &R::Kwota, &R::SetKwota),
         Pole<R>("Czestotliwosc", &O::Bajt, &W::Liczba, &R::fCzestotliwosc),
         Pole<R>("TypZleceniaStalego", &O::Bajt, &W::Liczba, &R::fTypZleceniaStalego),
         Kolumna<R>("Data", &O::Data, &W::Data, &R::Data, &R::SetData),
         Kolumna<R>("Aktywne", &O::Flaga, &W::Flaga, &R::Aktywne, &R::SetAktywne)});
    return m;
}

// The runs of standing orders keep their own columns: the order they ran
// for, the comment and the person, but no name and no active flag.
const TMapowanieTabeli<TZlecenieStale>& TKolumnyTabel::HistoriaZlecenStalych() {
    using R = TZlecenieStale;
    static const TMapowanieTabeli<R> m(
        {KolumnaId<R>(),
         Kolumna<R>("IdKategorii", &O::Liczba, &W::Liczba, &R::IdKategorii, &R::SetIdKategorii),
         Kolumna<R>("IdZleceniaStalego", &O::Liczba, &W::Liczba, &R::IdZleceniaStalego,
                    &R::SetIdZleceniaStalego),
         Kolumna<R>("IdOszczednosci", &O::Liczba, &W::Liczba, &R::IdOszczednosci,
                    &R::SetIdOszczednosci),
         Kolumna<R>("Kwota", &O::Kwota, &W::Kwota, &R::Kwota, &R::SetKwota),
         Pole<R>("Czestotliwosc", &O::Bajt, &W::Liczba, &R::fCzestotliwosc),
         Pole<R>("TypZleceniaStalego", &O::Bajt, &W::Liczba, &R::fTypZleceniaStalego),
         Kolumna<R>("Data", &O::Data, &W::Data, &R::Data, &R::SetData),
         Kolumna<R>("Komentarz", &O::Tekst, &W::Tekst, &R::Komentarz, &R::SetKomentarz),
         Kolumna<R>("IdOsoba", &O::Liczba, &W::Liczba, &R::IdOsoba, &R::SetIdOsoba)});
    return m;
}

const TMapowanieTabeli<TPlan>& TKolumnyTabel::Plany() {
    using R = TPlan;
    static const TMapowanieTabeli<R> m(
        {KolumnaId<R>(), Kolumna<R>("Nazwa", &O::Tekst, &W::Tekst, &R::Nazwa, &R::SetNazwa),
         Kolumna<R>("Kwota", &O::Kwota, &W::Kwota, &R::Kwota, &R::SetKwota),
         Kolumna<R>("IdKategorii", &O::Liczba, &W::Liczba, &R::IdKategorii, &R::SetIdKategorii),
         Kolumna<R>("Wykonany", &O::Flaga, &W::Flaga, &R::Wykonany, &R::SetWykonany),
         Kolumna<R>("DodanyDoKolekcji", &O::Flaga, &W::Flaga, &R::DodanyDoKolekcji,
                    &R::SetDodanyDoKolekcji),
         Pole<R>("TypPlanu", &O::Bajt, &W::Liczba, &R::fTypPlanu),
         Kolumna<R>("Data", &O::Data, &W::Data, &R::Data, &R::SetData),
         Kolumna<R>("Komentarz", &O::Tekst, &W::Tekst, &R::Komentarz, &R::SetKomentarz)});
    return m;
}

const TMapowanieTabeli<TOgraniczenie>& TKolumnyTabel::Ograniczenia() {
    using R = TOgraniczenie;
    static const TMapowanieTabeli<R> m(
        {KolumnaId<R>(),
         Kolumna<R>("IdKategoriiWydatku", &O::Liczba, &W::Liczba, &R::IdKategoriiWydatku,
                    &R::SetIdKategoriiWydatku),
         Kolumna<R>("MaxMiesiac", &O::Kwota, &W::Kwota, &R::MaxMiesiac, &R::SetMaxMiesiac),
         Kolumna<R>("MaxRok", &O::Kwota, &W::Kwota, &R::MaxRok, &R::SetMaxRok),
         {"RokOgraniczenia",
          [](R& r, const O& w, const K& k) {
              r.SetRokOgraniczenia(static_cast<uint16_t>(w.Liczba(k)));
          },
          [](const R& r, TDateTime) { return W::Liczba(r.RokOgraniczenia()); }},
         Kolumna<R>("Data", &O::Data, &W::Data, &R::Data, &R::SetData)});
    return m;
}

// A deposit runs from midnight of its start day, and is written so.
const TMapowanieTabeli<TLokata>& TKolumnyTabel::Lokaty() {
    using R = TLokata;
    static const TMapowanieTabeli<R> m(
        {KolumnaId<R>(),
         Kolumna<R>("Nazwa", &O::Tekst, &W::Tekst, &R::Nazwa, &R::SetNazwa),
         Kolumna<R>("Kwota", &O::Kwota, &W::Kwota, &R::Kwota, &R::SetKwota),
         {"DataRozpoczecia",
          [](R& r, const O& w, const K& k) { r.SetDataRozpoczecia(DateOf(w.Data(k))); },
          [](const R& r, TDateTime) { return W::Data(DateOf(r.DataRozpoczecia())); }},
         {"OkresLokaty",
          [](R& r, const O& w, const K& k) {
              r.SetOkresLokaty(static_cast<uint16_t>(w.Liczba(k)));
          },
          [](const R& r, TDateTime) { return W::Liczba(r.OkresLokaty()); }},
         {"JednostkaLokaty",
          [](R& r, const O& w, const K& k) {
              r.fJednostkaLokaty = static_cast<TJednostkaOkresu>(w.Bajt(k));
          },
          [](const R& r, TDateTime) { return W::Liczba(static_cast<int8_t>(r.fJednostkaLokaty)); }},
         Kolumna<R>("IdHarmonogramLokaty", &O::Liczba, &W::Liczba, &R::IdHarmonogramLokaty,
                    &R::SetIdHarmonogramLokaty),
         Kolumna<R>("Aktywna", &O::Flaga, &W::Flaga, &R::Aktywna, &R::SetAktywna)});
    return m;
}

// An offer carries the moment of its save as the date it was added or changed.
const TMapowanieTabeli<THarmonogramLokatyBankowej>& TKolumnyTabel::HarmonogramyLokat() {
    using R = THarmonogramLokatyBankowej;
    const auto wyliczenie = [](const char* nazwa, auto R::*pole) {
        using T = std::remove_reference_t<decltype(std::declval<R>().*pole)>;
        return typename TMapowanieTabeli<R>::TKolumna{
            nazwa, [pole](R& r, const O& w, const K& k) { r.*pole = static_cast<T>(w.Bajt(k)); },
            [pole](const R& r, TDateTime) { return W::Liczba(static_cast<int8_t>(r.*pole)); }};
    };
    static const TMapowanieTabeli<R> m(
        {{"Id", [](R& r, const O& w, const K& k) { r.fId = w.Liczba(k); }, {}},
         Pole<R>("Bank", &O::Tekst, &W::Tekst, &R::fBank),
         Pole<R>("Nazwa", &O::Tekst, &W::Tekst, &R::fNazwaHarmonogramu),
         Pole<R>("OkresDepozytu", &O::LiczbaBezZnaku, &W::Liczba, &R::fOkresDepozytu),
         wyliczenie("JednostkaDepozytu", &R::fJednostkaDepozytu),
         Pole<R>("OprocentowanieStaleWCalymOkresieLokaty", &O::Flaga, &W::Flaga,
                 &R::fOprocentowanieStaleWCalymOkresieLokaty),
         Pole<R>("OprocentowanieWSkaliRoku", &O::Kwota, &W::Kwota, &R::fOprocentowanieWSkaliRoku),
         wyliczenie("Kapitalizacja", &R::fKapitalizacja),
         Pole<R>("KwotaMinimalna", &O::Kwota, &W::Kwota, &R::fKwotaMinimalna),
         Pole<R>("KwotaMaksymalna", &O::Kwota, &W::Kwota, &R::fKwotaMaksymalna),
         Pole<R>("WymaganeKontoOsobisteWTymBanku", &O::Flaga, &W::Flaga,
                 &R::fWymaganeKontoOsobisteWTymBanku),
         Pole<R>("MozliwoscWczesniejszegoZerwaniaLokaty", &O::Flaga, &W::Flaga,
                 &R::fMozliwoscWczesniejszegoZerwaniaLokaty),
         Pole<R>("WarunkiWczesniejszegoZerwaniaLokaty", &O::Tekst, &W::TekstLubNullGdyPusty,
                 &R::fWarunkiWczesniejszegoZerwaniaLokaty),
         Pole<R>("PozostaleInformacje", &O::Tekst, &W::TekstLubNullGdyPusty,
                 &R::fPozostaleInformacje),
         Pole<R>("HarmonogramDodanyPrzezUzytkownika", &O::Flaga, &W::Flaga,
                 &R::fHarmonogramDodanyPrzezUzytkownika),
         {"DataDodania",
          [](R& r, const O& w, const K& k) { r.fDataDodaniaModyfikacji = w.Data(k); },
          [](const R&, TDateTime teraz) { return W::Data(teraz); }}});
    return m;
}
