#pragma once
#include "data/TMapowanieTabeli.h"

class TWydatek;
class TPrzychod;
class TOszczednosc;
class TOsoba;
class TKategoriaWydatki;
class TKategoriaPrzychody;
class TKategoriaOszczednosci;
class THistoriaPrzelewu;
class TZlecenieStale;
class TPlan;
class TOgraniczenie;
class TLokata;
class THarmonogramLokatyBankowej;

// The column mapping of each stored table: the loaders read with it and the
// savers build their commands with it.
class TKolumnyTabel {
public:
    static const TMapowanieTabeli<TWydatek>& Wydatki();
    static const TMapowanieTabeli<TPrzychod>& Przychody();
    static const TMapowanieTabeli<TOszczednosc>& Oszczednosci();
    static const TMapowanieTabeli<TOsoba>& Osoby();
    static const TMapowanieTabeli<TKategoriaWydatki>& KategorieWydatkow();
    static const TMapowanieTabeli<TKategoriaPrzychody>& KategoriePrzychodow();
    static const TMapowanieTabeli<TKategoriaOszczednosci>& KategorieOszczednosci();
    static const TMapowanieTabeli<THistoriaPrzelewu>& HistoriaPrzelewow();
    static const TMapowanieTabeli<TZlecenieStale>& ZleceniaStale();
    static const TMapowanieTabeli<TZlecenieStale>& HistoriaZlecenStalych();
    static const TMapowanieTabeli<TPlan>& Plany();
    static const TMapowanieTabeli<TOgraniczenie>& Ograniczenia();
    static const TMapowanieTabeli<TLokata>& Lokaty();
    static const TMapowanieTabeli<THarmonogramLokatyBankowej>& HarmonogramyLokat();
};
