#pragma once
#include "TempDatabaseFile.h"
#include "ZrzutBazy.h"
#include "common/ScopedClock.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

// Records the text of every statement sent to a connection while it lives.
class PodsluchSQL {
public:
    explicit PodsluchSQL(TSQLiteDatabase& baza) : fBaza(baza) {
        fBaza.SetOnQuery([this](TSQLiteDatabase&, const QString& sql) { polecenia << sql; });
    }
    ~PodsluchSQL() { fBaza.SetOnQuery({}); }
    PodsluchSQL(const PodsluchSQL&) = delete;
    PodsluchSQL& operator=(const PodsluchSQL&) = delete;

    // The statements that change data: reads and the transaction frame left out.
    QStringList Zmiany() const {
        QStringList zmiany;
        for (const QString& p : polecenia)
            if (!p.startsWith("SELECT") && p != "BEGIN TRANSACTION" && p != "COMMIT")
                zmiany << p;
        return zmiany;
    }

    QStringList polecenia;

private:
    TSQLiteDatabase& fBaza;
};

// A fresh data file with a fixed clock, a project on it and helpers to put
// rows in and to reload every list.
class ProjektDBZapisFixture : public testing::Test {
protected:
    void SetUp() override { projekt = std::make_unique<TProjektDB>(plik.path()); }

    void Wykonaj(std::initializer_list<const char*> polecenia) {
        baza().BeginTransaction();
        for (const char* polecenie : polecenia)
            baza().ExecSQL(QString::fromUtf8(polecenie));
        baza().Commit();
    }
    // Every list as the file holds it, unsaved changes dropped.
    void WczytajWszystko() {
        for (int t = 0; t <= static_cast<int>(TTabele::HarmonogramyLokatBankowych); ++t)
            projekt->OdswiezZawartoscKolekcji(static_cast<TTabele>(t));
    }
    QStringList Tabela(const char* sql) { return Wiersze(baza(), QString::fromUtf8(sql)); }

    TSQLiteDatabase& baza() { return projekt->Baza(); }
    TKolekcjeDanych& k() { return projekt->Kolekcje(); }

    ScriptedMessageBoxes boxes;
    ScopedClock zegar{EncodeDateTime(2013, 6, 1, 12, 0, 30)};
    TempDatabaseFile plik;
    std::unique_ptr<TProjektDB> projekt;
};
