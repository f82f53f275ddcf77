#pragma once
#include "domain/TKalendarzLokat.h"
#include "format/TFormatSettings.h"

#include "common/ScopedClock.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Deposits and offers for the calendar with today fixed at 2026-03-15 10:00.
// Every deposit runs 180 days, so one of 10000 at the 5 % offer (id 7,
// interest at the end of the term) earns 250 and, after tax, 202.
class KalendarzLokatFixture : public testing::Test {
protected:
    static constexpr int32_t kOferta = 7;

    void SetUp() override {
        UstawFormaty();
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fId = kOferta;
        oferta->fBank = QStringLiteral("Bank Północny");
        oferta->fNazwaHarmonogramu = QStringLiteral("Lokata Zimowa");
        oferta->fOprocentowanieWSkaliRoku = 5;
        oferta->fKapitalizacja = TKapitalizacja::PoOkresieUmowy;
        oferty.push_back(std::move(oferta));
    }

    TLokata& Dodaj(int32_t id, const QString& nazwa, double kwota, TDateTime koniec,
                   int32_t idOferty = kOferta, bool aktywna = true) {
        auto lokata = std::make_unique<TLokata>();
        lokata->SetId(id);
        lokata->SetNazwa(nazwa);
        lokata->SetKwota(kwota);
        lokata->SetDataRozpoczecia(koniec - 180);
        lokata->SetOkresLokaty(180);
        lokata->fJednostkaLokaty = TJednostkaOkresu::Dzien;
        lokata->SetIdHarmonogramLokaty(idOferty);
        lokata->SetAktywna(aktywna);
        lokaty.push_back(std::move(lokata));
        return *lokaty.back();
    }

    TKalendarzLokat Kalendarz() const { return TKalendarzLokat(lokaty, oferty, Now()); }

    ScopedClock zegar{EncodeDateTime(2026, 3, 15, 10, 0)};
    std::vector<std::unique_ptr<TLokata>> lokaty;
    std::vector<std::unique_ptr<THarmonogramLokatyBankowej>> oferty;
};
