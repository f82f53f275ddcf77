#pragma once
#include "data/THistoriaPrzelewu.h"
#include "data/TKategoriaOszczednosci.h"
#include "data/TKategoriaPrzychody.h"
#include "data/TKategoriaWydatki.h"
#include "data/TOgraniczenie.h"
#include "data/TOsoba.h"
#include "data/TOszczednosc.h"
#include "data/TPlan.h"
#include "data/TPrzychod.h"
#include "data/TStanOszczednosci.h"
#include "data/TTabela.h"
#include "data/TTabele.h"
#include "data/TWydatek.h"
#include "data/TZbiorRekordow.h"
#include "data/TZlecenieStale.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"
#include "format/TTabDwuwymiarowa.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

// The in-memory copy of the household database: one owning list per table,
// a change flag per list (changed and not yet saved), the display descriptor
// of every table and the deposit profits waiting to be booked as income.
// Each list is kept with its flag and descriptors in one TZbiorRekordow; what
// is done to every list (clearing, the flags by table) is one loop over them.
//
// Records are never removed from a list by editing: a deleted record stays
// with Zmiany = Usunieto until the list is saved and reloaded. Operations
// that speak of records "not deleted" skip them; all others see them.
// Texts are compared by the collation of PorownanieTekstow.
class TKolekcjeDanych {
public:
    // The id under which the synthetic balance of the deposits is shown.
    static constexpr int32_t kIdKategoriiLokat = -1000;

    TKolekcjeDanych();
    ~TKolekcjeDanych();
    TKolekcjeDanych(const TKolekcjeDanych&) = delete;
    TKolekcjeDanych& operator=(const TKolekcjeDanych&) = delete;

    // WyczyscKolekcjeDanych, then empties every descriptor.
    void Clear();
    // Empties every list and the profit map and clears every change flag.
    void WyczyscKolekcjeDanych();
    // Fills every descriptor with the column titles of its table.
    void WypelnijTytulyKolumn();

    // --- Lists -------------------------------------------------------------
    TListaObiektow<TWydatek>& Wydatki() { return fWydatki.Rekordy(); }
    TListaObiektow<TPrzychod>& Przychody() { return fPrzychody.Rekordy(); }
    TListaObiektow<TOszczednosc>& Oszczednosci() { return fOszczednosci.Rekordy(); }
    TListaObiektow<TKategoriaWydatki>& KategorieWydatki() { return fKategorieWydatki.Rekordy(); }
    TListaObiektow<TKategoriaPrzychody>& KategoriePrzychody() {
        return fKategoriePrzychody.Rekordy();
    }
    TListaObiektow<TKategoriaOszczednosci>& KategorieOszczednosci() {
        return fKategorieOszczednosci.Rekordy();
    }
    TListaObiektow<TOsoba>& Osoby() { return fOsoby.Rekordy(); }
    TListaObiektow<THistoriaPrzelewu>& HistoriaPrzelewow() { return fHistoriaPrzelewow.Rekordy(); }
    TListaObiektow<TStanOszczednosci>& StanyOszczednosci() { return fStanyOszczednosci.Rekordy(); }
    TListaObiektow<TZlecenieStale>& ZleceniaStaleWydatki() {
        return fZleceniaStaleWydatki.Rekordy();
    }
    TListaObiektow<TZlecenieStale>& ZleceniaStalePrzychody() {
        return fZleceniaStalePrzychody.Rekordy();
    }
    TListaObiektow<TZlecenieStale>& HistoriaZlecenStalych() {
        return fHistoriaZlecenStalych.Rekordy();
    }
    TListaObiektow<TPlan>& Plany() { return fPlany.Rekordy(); }
    TListaObiektow<TOgraniczenie>& Ograniczenia() { return fOgraniczenia.Rekordy(); }
    TListaObiektow<TLokata>& Lokaty() { return fLokaty.Rekordy(); }
    TListaObiektow<THarmonogramLokatyBankowej>& HarmonogramyLokatBankowych() {
        return fHarmonogramyLokatBankowych.Rekordy();
    }
    // Savings-category id -> deposit profit to be booked as income.
    std::map<int32_t, double>& ZyskiZLokatDoDodaniaJakoPrzychod() {
        return fZyskiZLokatDoDodaniaJakoPrzychod;
    }

    // --- Change flags ------------------------------------------------------
    // ZmienionoINiezapisanoLokaty covers the deposits, the offers and the
    // profit map together. Each setter stores the value only when it differs.
    bool ZmienionoINiezapisanoWydatki() const { return fWydatki.Zmieniono(); }
    bool ZmienionoINiezapisanoPrzychody() const { return fPrzychody.Zmieniono(); }
    bool ZmienionoINiezapisanoOszczednosci() const { return fOszczednosci.Zmieniono(); }
    bool ZmienionoINiezapisanoKategorieWydatki() const { return fKategorieWydatki.Zmieniono(); }
    bool ZmienionoINiezapisanoKategoriePrzychody() const { return fKategoriePrzychody.Zmieniono(); }
    bool ZmienionoINiezapisanoKategorieOszczednosci() const {
        return fKategorieOszczednosci.Zmieniono();
    }
    bool ZmienionoINiezapisanoOsoby() const { return fOsoby.Zmieniono(); }
    bool ZmienionoINiezapisanoHistoriePrzelewow() const { return fHistoriaPrzelewow.Zmieniono(); }
    bool ZmienionoINiezapisanoStanyOszczednosci() const { return fStanyOszczednosci.Zmieniono(); }
    bool ZmienionoINiezapisanoHistorieZlecenStalych() const {
        return fHistoriaZlecenStalych.Zmieniono();
    }
    bool ZmienionoINiezapisanoZleceniaStaleWydatki() const {
        return fZleceniaStaleWydatki.Zmieniono();
    }
    bool ZmienionoINiezapisanoZleceniaStalePrzychody() const {
        return fZleceniaStalePrzychody.Zmieniono();
    }
    bool ZmienionoINiezapisanoPlany() const { return fPlany.Zmieniono(); }
    bool ZmienionoINiezapisanoOgraniczenia() const { return fOgraniczenia.Zmieniono(); }
    bool ZmienionoINiezapisanoLokaty() const { return fLokaty.Zmieniono(); }

    void SetZmienionoINiezapisanoWydatki(bool value) { fWydatki.SetZmieniono(value); }
    void SetZmienionoINiezapisanoPrzychody(bool value) { fPrzychody.SetZmieniono(value); }
    void SetZmienionoINiezapisanoOszczednosci(bool value) { fOszczednosci.SetZmieniono(value); }
    void SetZmienionoINiezapisanoKategorieWydatki(bool value) {
        fKategorieWydatki.SetZmieniono(value);
    }
    void SetZmienionoINiezapisanoKategoriePrzychody(bool value) {
        fKategoriePrzychody.SetZmieniono(value);
    }
    void SetZmienionoINiezapisanoKategorieOszczednosci(bool value) {
        fKategorieOszczednosci.SetZmieniono(value);
    }
    void SetZmienionoINiezapisanoOsoby(bool value) { fOsoby.SetZmieniono(value); }
    void SetZmienionoINiezapisanoHistoriePrzelewow(bool value) {
        fHistoriaPrzelewow.SetZmieniono(value);
    }
    void SetZmienionoINiezapisanoStanyOszczednosci(bool value) {
        fStanyOszczednosci.SetZmieniono(value);
    }
    void SetZmienionoINiezapisanoHistorieZlecenStalych(bool value) {
        fHistoriaZlecenStalych.SetZmieniono(value);
    }
    void SetZmienionoINiezapisanoZleceniaStaleWydatki(bool value) {
        fZleceniaStaleWydatki.SetZmieniono(value);
    }
    void SetZmienionoINiezapisanoZleceniaStalePrzychody(bool value) {
        fZleceniaStalePrzychody.SetZmieniono(value);
    }
    void SetZmienionoINiezapisanoPlany(bool value) { fPlany.SetZmieniono(value); }
    void SetZmienionoINiezapisanoOgraniczenia(bool value) { fOgraniczenia.SetZmieniono(value); }
    void SetZmienionoINiezapisanoLokaty(bool value) { fLokaty.SetZmieniono(value); }

    // The flag of the list shown as that table (the offers: the deposits'
    // flag); false and nothing set for Pusta and PrzychodyIRozchody.
    bool ZmienionoINiezapisano(TTabele tabela) const;
    void SetZmienionoINiezapisano(TTabele tabela, bool value);
    // The tables of the lists with unsaved changes, in the order of the
    // flags above; a flag that covers another list adds no table for it.
    std::vector<TTabele> NiezapisaneTabele() const;

    // --- Display descriptors -----------------------------------------------
    TTabela& TabelaWydatki() { return *Tabela(TTabele::Wydatki); }
    TTabela& TabelaPrzychody() { return *Tabela(TTabele::Przychody); }
    TTabela& TabelaOszczednosci() { return *Tabela(TTabele::Oszczednosci); }
    TTabela& TabelaKategorieWydatki() { return *Tabela(TTabele::Kategorie_Wydatki); }
    TTabela& TabelaKategoriePrzychody() { return *Tabela(TTabele::Kategorie_Przychody); }
    TTabela& TabelaKategorieOszczednosci() { return *Tabela(TTabele::Kategorie_Oszczednosci); }
    TTabela& TabelaOsoby() { return *Tabela(TTabele::Osoby); }
    TTabela& TabelaHistoriaPrzelewowOszczednosci() { return *Tabela(TTabele::HistoriaPrzelewow); }
    TTabela& TabelaStanyOszczednosci() { return *Tabela(TTabele::StanyOszczednosci); }
    TTabela& TabelaZleceniaStaleWydatki() { return *Tabela(TTabele::ZleceniaStaleWydatki); }
    TTabela& TabelaZleceniaStalePrzychody() { return *Tabela(TTabele::ZleceniaStalePrzychody); }
    TTabela& TabelaHistoriaZlecenStalychWydatki() {
        return *Tabela(TTabele::HistoriaZlecenStalychWydatki);
    }
    TTabela& TabelaHistoriaZlecenStalychPrzychody() {
        return *Tabela(TTabele::HistoriaZlecenStalychPrzychody);
    }
    TTabela& TabelaPlany() { return *Tabela(TTabele::Plany); }
    TTabela& TabelaOgraniczenia() { return *Tabela(TTabele::Ograniczenia); }
    TTabela& TabelaLokaty() { return *Tabela(TTabele::Lokaty); }
    TTabela& TabelaHarmonogramyLokatBankowych() {
        return *Tabela(TTabele::HarmonogramyLokatBankowych);
    }
    // The descriptor of a table; null for Pusta and PrzychodyIRozchody.
    TTabela* Tabela(TTabele tabela);

    // --- Deposit profits ---------------------------------------------------
    // Sets every profit to 0; the keys stay.
    void WyczyscZyskiZLokatBankowych();
    // True when some profit is not 0.
    bool JestZyskZLokat() const;

    // --- Offers ------------------------------------------------------------
    // The first offer with that id, deleted ones included; null for -1.
    THarmonogramLokatyBankowej* PobierzHarmonogramLokatyBankowejDlaID(int32_t id) const;
    // The first offer whose BankNazwaOprocentowanie equals the text ignoring
    // letter case, deleted ones included.
    THarmonogramLokatyBankowej*
    PobierzHarmonogramLokatyBankowejDlaBanikINazwa(const QString& bankNazwaOprocentowanie) const;
    // True when a deposit, deleted ones included, follows that offer.
    bool HarmonogramLokatyBankowejJestWUzyciu(int32_t idHarmonogramLokatyBankowej) const;
    // False while some offer is new (id -1 or Dodano).
    bool HarmonogramyLokatBankowychSaZapisane() const;
    // By bank, name, term in days, rate (within 0.005 a tie) and id.
    void PosortujHarmonogramy();

    // --- Deposits ----------------------------------------------------------
    // Each by its key, then by id.
    void PosortujLokatyPoNazwie();
    void PosortujLokatyPoKwocie();
    void PosortujLokatyPoDacieRozpoczecia();
    void PosortujLokatyPoCzasieTrwania();
    void PosortujLokatyPoDacieZakonczenia();
    // True when some deposit that is not deleted is active.
    bool KolekcjaZawieraAktywneLokaty() const;
    // The getter under the household program's name; no caller here.
    bool GetKolekcjaZawieraAktywneLokaty() const { return KolekcjaZawieraAktywneLokaty(); }
    // Every deposit (deleted ones included) at most ileDniDoKonca days from
    // its end or past it; the list does not own them.
    std::vector<TLokata*> PobierzLokatyKonczaceSieLubPoTerminie(uint16_t ileDniDoKonca) const;

    // --- Categories, persons and descriptions ------------------------------
    QString PobierzOpisKategoriiPoID(int32_t id, TTabele tabela) const;
    int32_t PobierzIDKategoriiPoOpisie(const QString& opis, TTabele tabela) const;
    // The texts a list of that table offers to choose from; raises EDataError
    // for Wydatki and Przychody.
    QStringList PobierzOpisyKategorii(TTabele tabela, bool filtrWidocznosci,
                                      bool filtrMoznaZaplacic, int32_t pomijaneID);
    uint32_t PobierzWageKategoriiPoID(int32_t id, TTabele tabela) const;
    void PosortujKategorieWydatkow();
    void PosortujKategoriePrzychodow();
    void PosortujKategorieOszczednosci();
    void PosortujOsoby();

    // --- Savings -----------------------------------------------------------
    // Rows of id, category description and balance ("%f") of the savings.
    TTabDwuwymiarowa UtworzTabliceOszczednosciZKwotami(bool filtrujMozliwoscZaplaty,
                                                       int32_t pominOszczednoscOID);
    int32_t PobierzIDOszczednosciPoOpisie(const QString& opis) const;
    // Adds (subtracts) the value, turned by the multiplier below, to the
    // balance's amount, dates it now and marks it changed; false when there
    // is no such balance. Raises EDataError for an unknown type of savings.
    bool DodajDoOszczednosciWartosc(double wartosc, int32_t idOszczednosci,
                                    bool dokonujeszPrzelewuMiedzyOszczednosciami);
    bool OdejmijZOszczednosciWartosc(double wartosc, int32_t idOszczednosci,
                                     bool dokonujeszPrzelewuMiedzyOszczednosciami);
    // -1 for a balance of type 2 in a debt category (outside transfers), else 1.
    double ObliczMnoznikDoDodawaniaOdejmowania(int32_t idOszczednosci,
                                               bool dokonujeszPrzelewuMiedzyOszczednosciami) const;
    int32_t PobierzIDKatOszczednosciDlaOszczednosci(int32_t idOszczednosci) const;
    // The balance's type of savings; 1 when there is no such balance.
    int8_t PobierzTypOszczednosciPoID(int32_t id) const;
    bool KategoriaOszczednosciMaCharakterDlugu(int32_t idKategoriiOszczednosci) const;
    bool KategoriaOszczednosciMaMozliwoscZaplaty(int32_t idKategoriiOszczednosci) const;
    bool OszczednoscMaMozliwoscZaplaty(int32_t idOszczednosci) const;
    int32_t IloscKategoriOszczednosciZMozliwosciaZaplaty() const;
    int32_t IloscOszczednosciZMozliwosciaZaplaty() const;
    // By the weight of the category, then by id descending.
    void PosortujOszczednosci();

    // --- Contents: true when the list holds a record that is not deleted ---
    bool KolekcjaZawieraWydatki() const { return fWydatki.ZawieraNieusuniete(); }
    bool KolekcjaZawieraPrzychody() const { return fPrzychody.ZawieraNieusuniete(); }
    bool KolekcjaZawieraOszczednosci() const { return fOszczednosci.ZawieraNieusuniete(); }
    bool KolekcjaZawieraKategorieWydatki() const { return fKategorieWydatki.ZawieraNieusuniete(); }
    bool KolekcjaZawieraKategoriePrzychody() const {
        return fKategoriePrzychody.ZawieraNieusuniete();
    }
    bool KolekcjaZawieraKategorieOszczednosci() const {
        return fKategorieOszczednosci.ZawieraNieusuniete();
    }
    bool KolekcjaZawieraOsoby() const { return fOsoby.ZawieraNieusuniete(); }
    bool KolekcjaZawieraHistoriaPrzelewow() const {
        return fHistoriaPrzelewow.ZawieraNieusuniete();
    }
    bool KolekcjaZawieraStanyOszczednosci() const {
        return fStanyOszczednosci.ZawieraNieusuniete();
    }
    bool KolekcjaZawieraZleceniaStaleWydatki() const {
        return fZleceniaStaleWydatki.ZawieraNieusuniete();
    }
    bool KolekcjaZawieraZleceniaStalePrzychody() const {
        return fZleceniaStalePrzychody.ZawieraNieusuniete();
    }
    bool KolekcjaZawieraHistoriaZlecenStalych() const {
        return fHistoriaZlecenStalych.ZawieraNieusuniete();
    }
    bool KolekcjaZawieraPlany() const { return fPlany.ZawieraNieusuniete(); }
    bool KolekcjaZawieraOgraniczenia() const { return fOgraniczenia.ZawieraNieusuniete(); }
    bool KolekcjaZawieraLokaty() const { return fLokaty.ZawieraNieusuniete(); }
    // True when a balance that is not deleted allows paying from it.
    bool KolekcjaZawieraOszczednosciZMozliwosciaZaplaty() const;

private:
    TKategoriaOszczednosci* KategoriaOszczednosciDlaID(int32_t id) const;
    TOszczednosc* OszczednoscDlaID(int32_t id) const;
    bool ZmienWartoscOszczednosci(double zmiana, int32_t idOszczednosci);
    void DodajWierszOszczednosci(TTabDwuwymiarowa& tablica, const TOszczednosc& oszczednosc) const;
    QStringList OpisyKategorii(TTabele tabela, bool filtrWidocznosci, bool filtrMoznaZaplacic,
                               int32_t pomijaneID);
    QStringList OpisyOszczednosci(bool filtrMoznaZaplacic);
    QStringList OpisyHarmonogramow(int32_t pomijaneID);

    // Calls f with every list, in the order of the change flags; the offers,
    // marked by the deposits' flag, last.
    template <class Kolekcje, class F> static void DlaKazdejListy(Kolekcje& kolekcje, F f) {
        f(kolekcje.fWydatki);
        f(kolekcje.fPrzychody);
        f(kolekcje.fOszczednosci);
        f(kolekcje.fKategorieWydatki);
        f(kolekcje.fKategoriePrzychody);
        f(kolekcje.fKategorieOszczednosci);
        f(kolekcje.fOsoby);
        f(kolekcje.fHistoriaPrzelewow);
        f(kolekcje.fStanyOszczednosci);
        f(kolekcje.fHistoriaZlecenStalych);
        f(kolekcje.fZleceniaStaleWydatki);
        f(kolekcje.fZleceniaStalePrzychody);
        f(kolekcje.fPlany);
        f(kolekcje.fOgraniczenia);
        f(kolekcje.fLokaty);
        f(kolekcje.fHarmonogramyLokatBankowych);
    }

    TZbiorRekordow<TWydatek> fWydatki{TTabele::Wydatki};
    TZbiorRekordow<TPrzychod> fPrzychody{TTabele::Przychody};
    TZbiorRekordow<TOszczednosc> fOszczednosci{TTabele::Oszczednosci};
    TZbiorRekordow<TKategoriaWydatki> fKategorieWydatki{TTabele::Kategorie_Wydatki};
    TZbiorRekordow<TKategoriaPrzychody> fKategoriePrzychody{TTabele::Kategorie_Przychody};
    TZbiorRekordow<TKategoriaOszczednosci> fKategorieOszczednosci{TTabele::Kategorie_Oszczednosci};
    TZbiorRekordow<TOsoba> fOsoby{TTabele::Osoby};
    TZbiorRekordow<THistoriaPrzelewu> fHistoriaPrzelewow{TTabele::HistoriaPrzelewow};
    TZbiorRekordow<TStanOszczednosci> fStanyOszczednosci{TTabele::StanyOszczednosci};
    TZbiorRekordow<TZlecenieStale> fZleceniaStaleWydatki{TTabele::ZleceniaStaleWydatki};
    TZbiorRekordow<TZlecenieStale> fZleceniaStalePrzychody{TTabele::ZleceniaStalePrzychody};
    TZbiorRekordow<TZlecenieStale> fHistoriaZlecenStalych{TTabele::HistoriaZlecenStalychWydatki,
                                                          TTabele::HistoriaZlecenStalychPrzychody};
    TZbiorRekordow<TPlan> fPlany{TTabele::Plany};
    TZbiorRekordow<TOgraniczenie> fOgraniczenia{TTabele::Ograniczenia};
    TZbiorRekordow<TLokata> fLokaty{TTabele::Lokaty};
    std::map<int32_t, double> fZyskiZLokatDoDodaniaJakoPrzychod;
    TZbiorRekordow<THarmonogramLokatyBankowej> fHarmonogramyLokatBankowych{
        {TTabele::HarmonogramyLokatBankowych}, fLokaty};
};
