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

// An owning list of records.
template <class T> using TListaObiektow = std::vector<std::unique_ptr<T>>;

// The in-memory copy of the household database: one owning list per table,
// a change flag per list (changed and not yet saved), the display descriptor
// of every table and the deposit profits waiting to be booked as income.
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
    TListaObiektow<TWydatek>& Wydatki() { return fWydatki; }
    TListaObiektow<TPrzychod>& Przychody() { return fPrzychody; }
    TListaObiektow<TOszczednosc>& Oszczednosci() { return fOszczednosci; }
    TListaObiektow<TKategoriaWydatki>& KategorieWydatki() { return fKategorieWydatki; }
    TListaObiektow<TKategoriaPrzychody>& KategoriePrzychody() { return fKategoriePrzychody; }
    TListaObiektow<TKategoriaOszczednosci>& KategorieOszczednosci() {
        return fKategorieOszczednosci;
    }
    TListaObiektow<TOsoba>& Osoby() { return fOsoby; }
    TListaObiektow<THistoriaPrzelewu>& HistoriaPrzelewow() {
        return fHistoriaPrzelewowOszczednosci;
    }
    TListaObiektow<TStanOszczednosci>& StanyOszczednosci() { return fStanyOszczednosci; }
    TListaObiektow<TZlecenieStale>& ZleceniaStaleWydatki() { return fZleceniaStaleWydatki; }
    TListaObiektow<TZlecenieStale>& ZleceniaStalePrzychody() { return fZleceniaStalePrzychody; }
    TListaObiektow<TZlecenieStale>& HistoriaZlecenStalych() { return fHistoriaZlecenStalych; }
    TListaObiektow<TPlan>& Plany() { return fPlany; }
    TListaObiektow<TOgraniczenie>& Ograniczenia() { return fOgraniczenia; }
    TListaObiektow<TLokata>& Lokaty() { return fLokaty; }
    TListaObiektow<THarmonogramLokatyBankowej>& HarmonogramyLokatBankowych() {
        return fHarmonogramyLokatBankowych;
    }
    // Savings-category id -> deposit profit to be booked as income.
    std::map<int32_t, double>& ZyskiZLokatDoDodaniaJakoPrzychod() {
        return fZyskiZLokatDoDodaniaJakoPrzychod;
    }

    // --- Change flags ------------------------------------------------------
    // ZmienionoINiezapisanoLokaty covers the deposits, the offers and the
    // profit map together. Each setter stores the value only when it differs.
    bool ZmienionoINiezapisanoWydatki() const { return fZmienionoINiezapisanoWydatki; }
    bool ZmienionoINiezapisanoPrzychody() const { return fZmienionoINiezapisanoPrzychody; }
    bool ZmienionoINiezapisanoOszczednosci() const { return fZmienionoINiezapisanoOszczednosci; }
    bool ZmienionoINiezapisanoKategorieWydatki() const {
        return fZmienionoINiezapisanoKategorieWydatki;
    }
    bool ZmienionoINiezapisanoKategoriePrzychody() const {
        return fZmienionoINiezapisanoKategoriePrzychody;
    }
    bool ZmienionoINiezapisanoKategorieOszczednosci() const {
        return fZmienionoINiezapisanoKategorieOszczednosci;
    }
    bool ZmienionoINiezapisanoOsoby() const { return fZmienionoINiezapisanoOsoby; }
    bool ZmienionoINiezapisanoHistoriePrzelewow() const {
        return fZmienionoINiezapisanoHistoriePrzelewow;
    }
    bool ZmienionoINiezapisanoStanyOszczednosci() const {
        return fZmienionoINiezapisanoStanyOszczednosci;
    }
    bool ZmienionoINiezapisanoHistorieZlecenStalych() const {
        return fZmienionoINiezapisanoHistorieZlecenStalych;
    }
    bool ZmienionoINiezapisanoZleceniaStaleWydatki() const {
        return fZmienionoINiezapisanoZleceniaStaleWydatki;
    }
    bool ZmienionoINiezapisanoZleceniaStalePrzychody() const {
        return fZmienionoINiezapisanoZleceniaStalePrzychody;
    }
    bool ZmienionoINiezapisanoPlany() const { return fZmienionoINiezapisanoPlany; }
    bool ZmienionoINiezapisanoOgraniczenia() const { return fZmienionoINiezapisanoOgraniczenia; }
    bool ZmienionoINiezapisanoLokaty() const { return fZmienionoINiezapisanoLokaty; }

    void SetZmienionoINiezapisanoWydatki(bool value);
    void SetZmienionoINiezapisanoPrzychody(bool value);
    void SetZmienionoINiezapisanoOszczednosci(bool value);
    void SetZmienionoINiezapisanoKategorieWydatki(bool value);
    void SetZmienionoINiezapisanoKategoriePrzychody(bool value);
    void SetZmienionoINiezapisanoKategorieOszczednosci(bool value);
    void SetZmienionoINiezapisanoOsoby(bool value);
    void SetZmienionoINiezapisanoHistoriePrzelewow(bool value);
    void SetZmienionoINiezapisanoStanyOszczednosci(bool value);
    void SetZmienionoINiezapisanoHistorieZlecenStalych(bool value);
    void SetZmienionoINiezapisanoZleceniaStaleWydatki(bool value);
    void SetZmienionoINiezapisanoZleceniaStalePrzychody(bool value);
    void SetZmienionoINiezapisanoPlany(bool value);
    void SetZmienionoINiezapisanoOgraniczenia(bool value);
    void SetZmienionoINiezapisanoLokaty(bool value);

    // --- Display descriptors -----------------------------------------------
    TTabela& TabelaWydatki() { return fTabelaWydatki; }
    TTabela& TabelaPrzychody() { return fTabelaPrzychody; }
    TTabela& TabelaOszczednosci() { return fTabelaOszczednosci; }
    TTabela& TabelaKategorieWydatki() { return fTabelaKategorieWydatki; }
    TTabela& TabelaKategoriePrzychody() { return fTabelaKategoriePrzychody; }
    TTabela& TabelaKategorieOszczednosci() { return fTabelaKategorieOszczednosci; }
    TTabela& TabelaOsoby() { return fTabelaOsoby; }
    TTabela& TabelaHistoriaPrzelewowOszczednosci() { return fTabelaHistoriaPrzelewowOszczednosci; }
    TTabela& TabelaStanyOszczednosci() { return fTabelaStanyOszczednosci; }
    TTabela& TabelaZleceniaStaleWydatki() { return fTabelaZleceniaStaleWydatki; }
    TTabela& TabelaZleceniaStalePrzychody() { return fTabelaZleceniaStalePrzychody; }
    TTabela& TabelaHistoriaZlecenStalychWydatki() { return fTabelaHistoriaZlecenStalychWydatki; }
    TTabela& TabelaHistoriaZlecenStalychPrzychody() {
        return fTabelaHistoriaZlecenStalychPrzychody;
    }
    TTabela& TabelaPlany() { return fTabelaPlany; }
    TTabela& TabelaOgraniczenia() { return fTabelaOgraniczenia; }
    TTabela& TabelaLokaty() { return fTabelaLokaty; }
    TTabela& TabelaHarmonogramyLokatBankowych() { return fTabelaHarmonogramyLokatBankowych; }
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
    bool KolekcjaZawieraWydatki() const;
    bool KolekcjaZawieraPrzychody() const;
    bool KolekcjaZawieraOszczednosci() const;
    bool KolekcjaZawieraKategorieWydatki() const;
    bool KolekcjaZawieraKategoriePrzychody() const;
    bool KolekcjaZawieraKategorieOszczednosci() const;
    bool KolekcjaZawieraOsoby() const;
    bool KolekcjaZawieraHistoriaPrzelewow() const;
    bool KolekcjaZawieraStanyOszczednosci() const;
    bool KolekcjaZawieraZleceniaStaleWydatki() const;
    bool KolekcjaZawieraZleceniaStalePrzychody() const;
    bool KolekcjaZawieraHistoriaZlecenStalych() const;
    bool KolekcjaZawieraPlany() const;
    bool KolekcjaZawieraOgraniczenia() const;
    bool KolekcjaZawieraLokaty() const;
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

    TListaObiektow<TWydatek> fWydatki;
    TListaObiektow<TPrzychod> fPrzychody;
    TListaObiektow<TOszczednosc> fOszczednosci;
    TListaObiektow<TKategoriaWydatki> fKategorieWydatki;
    TListaObiektow<TKategoriaPrzychody> fKategoriePrzychody;
    TListaObiektow<TKategoriaOszczednosci> fKategorieOszczednosci;
    TListaObiektow<TOsoba> fOsoby;
    TListaObiektow<THistoriaPrzelewu> fHistoriaPrzelewowOszczednosci;
    TListaObiektow<TStanOszczednosci> fStanyOszczednosci;
    TListaObiektow<TZlecenieStale> fZleceniaStaleWydatki;
    TListaObiektow<TZlecenieStale> fZleceniaStalePrzychody;
    TListaObiektow<TZlecenieStale> fHistoriaZlecenStalych;
    TListaObiektow<TPlan> fPlany;
    TListaObiektow<TOgraniczenie> fOgraniczenia;
    TListaObiektow<TLokata> fLokaty;
    std::map<int32_t, double> fZyskiZLokatDoDodaniaJakoPrzychod;
    TListaObiektow<THarmonogramLokatyBankowej> fHarmonogramyLokatBankowych;

    bool fZmienionoINiezapisanoWydatki = false;
    bool fZmienionoINiezapisanoPrzychody = false;
    bool fZmienionoINiezapisanoOszczednosci = false;
    bool fZmienionoINiezapisanoKategorieWydatki = false;
    bool fZmienionoINiezapisanoKategoriePrzychody = false;
    bool fZmienionoINiezapisanoKategorieOszczednosci = false;
    bool fZmienionoINiezapisanoOsoby = false;
    bool fZmienionoINiezapisanoHistoriePrzelewow = false;
    bool fZmienionoINiezapisanoStanyOszczednosci = false;
    bool fZmienionoINiezapisanoHistorieZlecenStalych = false;
    bool fZmienionoINiezapisanoZleceniaStaleWydatki = false;
    bool fZmienionoINiezapisanoZleceniaStalePrzychody = false;
    bool fZmienionoINiezapisanoPlany = false;
    bool fZmienionoINiezapisanoOgraniczenia = false;
    bool fZmienionoINiezapisanoLokaty = false;

    TTabela fTabelaWydatki;
    TTabela fTabelaPrzychody;
    TTabela fTabelaOszczednosci;
    TTabela fTabelaKategorieWydatki;
    TTabela fTabelaKategoriePrzychody;
    TTabela fTabelaKategorieOszczednosci;
    TTabela fTabelaOsoby;
    TTabela fTabelaHistoriaPrzelewowOszczednosci;
    TTabela fTabelaStanyOszczednosci;
    TTabela fTabelaZleceniaStaleWydatki;
    TTabela fTabelaZleceniaStalePrzychody;
    TTabela fTabelaHistoriaZlecenStalychWydatki;
    TTabela fTabelaHistoriaZlecenStalychPrzychody;
    TTabela fTabelaPlany;
    TTabela fTabelaOgraniczenia;
    TTabela fTabelaLokaty;
    TTabela fTabelaHarmonogramyLokatBankowych;
};
