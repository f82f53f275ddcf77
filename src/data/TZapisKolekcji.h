#pragma once
#include "data/TTabele.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>

class TKolekcjeDanych;
class TPlikiDB;
class TZapisTabeli;
class TOsoba;
class TZlecenieStale;

// Builds the statements that write the pending changes of one list of the
// collections to its table: an UPDATE for a record marked Zmieniono, an
// INSERT for Dodano, a DELETE for Usunieto, nothing for BezZmian. Records
// whose statement would break the data (a reference to something not yet
// stored, a deletion of something still in use) are left out and reported;
// a table that would be left without a usable record is not written at all.
// Nothing here touches the database or changes a record.
class TZapisKolekcji {
public:
    // `teraz`: the moment written as the date an offer was added or changed.
    TZapisKolekcji(TKolekcjeDanych& kolekcje, const TPlikiDB& plikiDB, TDateTime teraz);

    // Fills `zapis` for the list of `tabela`; Pusta and PrzychodyIRozchody
    // give nothing. Raises when a value cannot be written (EDataError).
    void Zbuduj(TTabele tabela, TZapisTabeli& zapis);

private:
    void Wydatki(TZapisTabeli& zapis);
    void Przychody(TZapisTabeli& zapis);
    void Oszczednosci(TZapisTabeli& zapis);
    void HistoriaPrzelewow(TZapisTabeli& zapis, bool zmieniaKwoty);
    void Osoby(TZapisTabeli& zapis);
    void KategorieWydatkow(TZapisTabeli& zapis);
    void KategoriePrzychodow(TZapisTabeli& zapis);
    // Expense and income categories: written alike, each to its own table.
    template <class T>
    void KategorieTransakcji(TZapisTabeli& zapis, const T& lista, TTabele tabela);
    void KategorieOszczednosci(TZapisTabeli& zapis);
    void ZleceniaStale(TZapisTabeli& zapis, TTabele tabela);
    void HistoriaZlecenStalych(TZapisTabeli& zapis);
    void StanyOszczednosci(TZapisTabeli& zapis);
    void Plany(TZapisTabeli& zapis);
    void Ograniczenia(TZapisTabeli& zapis);
    void Lokaty(TZapisTabeli& zapis);
    void HarmonogramyLokat(TZapisTabeli& zapis);

    // The refusal that keeps a record from being written; empty when none.
    QString OdmowaTransakcji(int32_t idKategoriiOszczednosci, int32_t idOsoby,
                             bool kategoriaZapisana, const QString& nazwaTabeli) const;
    QString OdmowaUsunieciaOszczednosci(int32_t idOszczednosci,
                                        int32_t idKategoriiOszczednosci) const;
    QString OdmowaUsunieciaOsoby(const TOsoba& osoba) const;
    QString OdmowaUsunieciaKategorii(TTabele tabela, int32_t id, const QString& opis) const;
    QString PowodUzyciaKategoriiWydatkow(int32_t id) const;
    QString PowodUzyciaKategoriiPrzychodow(int32_t id) const;
    QString PowodUzyciaKategoriiOszczednosci(int32_t id) const;
    QString OdmowaZlecenia(const TZlecenieStale& zlecenie, TTabele tabela) const;
    QString OdmowaUsunieciaZlecenia(const TZlecenieStale& zlecenie, TTabele tabela) const;
    // The table must keep a usable record; the refusal when it would not.
    QString OdmowaKategoriiOszczednosci() const;
    template <class T> QString OdmowaKategorii(const T& lista, TTabele tabela) const;

    QString Caption(TTabele tabela) const;
    QString CaptionyHistoriiZlecen() const;

    TKolekcjeDanych& fKolekcje;
    const TPlikiDB& fPlikiDB;
    TDateTime fTeraz;
};
