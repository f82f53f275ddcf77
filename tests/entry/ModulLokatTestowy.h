#pragma once
// A data file with one offer and one deposit, opened by a project as the host
// opens it, and the real module loaded from libVQ.Lokaty.so the way the host
// loads it. A journal table, filled by triggers, records the order in which
// the module's statements reached the two tables.
#include "common/ScriptedMessageBoxes.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TempDatabaseFile.h"
#include "data/ZrzutBazy.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "window/ModuleLibrary.h"

#include <gtest/gtest.h>
#include <memory>

inline const ModuleLibrary& ModulLokat() {
    static ModuleLibrary modul;
    if (!modul.IsLoaded()) {
        QString blad;
        EXPECT_TRUE(modul.Load(ModuleLibrary::DefaultPath(), blad)) << blad.toStdString();
    }
    return modul;
}

class ModulLokatTestowy : public testing::Test {
protected:
    ModulLokatTestowy() {
        projekt = std::make_unique<TProjektDB>(plik.path());
        for (const char* polecenie : kDaneStartowe)
            Baza().ExecSQL(QString::fromUtf8(polecenie));
        projekt->OdswiezZawartoscKolekcji(TTabele::Lokaty);
        projekt->OdswiezZawartoscKolekcji(TTabele::HarmonogramyLokatBankowych);
    }

    TSQLiteDatabase& Baza() { return projekt->Baza(); }
    TKolekcjeDanych& Kolekcje() { return projekt->Kolekcje(); }
    QStringList Dziennik() { return Wiersze(Baza(), "SELECT Wpis FROM Dziennik ORDER BY Nr"); }
    QStringList Lokaty() {
        return Wiersze(Baza(), "SELECT Nazwa, Kwota, IdHarmonogramLokaty FROM Lokaty ORDER BY Id");
    }
    QStringList Oferty() {
        return Wiersze(Baza(), "SELECT Bank, Nazwa FROM HarmonogramyLokat ORDER BY Id");
    }

    // The user's work in the window, done in memory before the showing: the
    // stored deposit changed, a deposit and an offer added; the flag is set
    // when asked.
    void ZmienWPamieci(bool ustawFlage) {
        TKolekcjeDanych& k = Kolekcje();
        TLokata& lokata = *k.Lokaty().at(0);
        lokata.SetKwota(12000);
        lokata.SetZmiany(TTypModyfikacji::Zmieniono);
        k.Lokaty().push_back(std::make_unique<TLokata>(
            -2, QStringLiteral("Nowa lokata"), 3000, EncodeDate(2024, 3, 1), 6,
            TJednostkaOkresu::Miesiac, 1, true, TTypModyfikacji::Dodano));
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fId = -2;
        oferta->fBank = QStringLiteral("Żółty Bank");
        oferta->fNazwaHarmonogramu = QStringLiteral("Lokata Srebrna");
        oferta->fOkresDepozytu = 6;
        oferta->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
        oferta->fOprocentowanieWSkaliRoku = 5;
        oferta->fKapitalizacja = TKapitalizacja::Miesieczna;
        oferta->fZmiany = TTypModyfikacji::Dodano;
        k.HarmonogramyLokatBankowych().push_back(std::move(oferta));
        k.SetZmienionoINiezapisanoLokaty(ustawFlage);
    }

    static inline const QStringList kLokatyPrzed{"Lokata na wakacje|10000.0|1"};
    static inline const QStringList kLokatyPo{"Lokata na wakacje|12000.0|1",
                                              "Nowa lokata|3000.0|1"};
    static inline const QStringList kOfertyPrzed{"Bank Łąkowy|Lokata Złota"};
    static inline const QStringList kOfertyPo{"Bank Łąkowy|Lokata Złota",
                                              "Żółty Bank|Lokata Srebrna"};

    ScriptedMessageBoxes komunikaty;
    TempDatabaseFile plik;
    std::unique_ptr<TProjektDB> projekt;

private:
    static constexpr const char* kDaneStartowe[] = {
        "INSERT INTO HarmonogramyLokat (Bank, Nazwa, OkresDepozytu, JednostkaDepozytu, "
        "OprocentowanieStaleWCalymOkresieLokaty, OprocentowanieWSkaliRoku, Kapitalizacja, "
        "WymaganeKontoOsobisteWTymBanku, MozliwoscWczesniejszegoZerwaniaLokaty, "
        "HarmonogramDodanyPrzezUzytkownika) VALUES ('Bank Łąkowy', 'Lokata Złota', 3, 2, 1, 5.6, "
        "4, 0, 0, 1)",
        "INSERT INTO Lokaty (Nazwa, Kwota, DataRozpoczecia, OkresLokaty, JednostkaLokaty, "
        "IdHarmonogramLokaty, Aktywna) VALUES ('Lokata na wakacje', 10000, '2024-01-10 00:00', 3, "
        "2, 1, 1)",
        "CREATE TABLE Dziennik (Nr INTEGER PRIMARY KEY AUTOINCREMENT, Wpis TEXT)",
        "CREATE TRIGGER DziennikLokat AFTER INSERT ON Lokaty BEGIN INSERT INTO Dziennik (Wpis) "
        "VALUES ('Lokaty: ' || NEW.Nazwa); END",
        "CREATE TRIGGER DziennikZmianLokat AFTER UPDATE ON Lokaty BEGIN INSERT INTO Dziennik "
        "(Wpis) VALUES ('Lokaty: ' || NEW.Nazwa); END",
        "CREATE TRIGGER DziennikOfert AFTER INSERT ON HarmonogramyLokat BEGIN INSERT INTO "
        "Dziennik (Wpis) VALUES ('HarmonogramyLokat: ' || NEW.Nazwa); END",
    };
};
