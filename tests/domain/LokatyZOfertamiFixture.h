#pragma once
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"
#include "format/TFormatSettings.h"

#include "common/ScopedClock.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Deposits and offers with today fixed at 2026-12-10 10:00. Offers pay 0 %
// unless given a rate, so a deposit's sum is its amount; every deposit runs a
// number of days up to the end date it is given.
class LokatyZOfertamiFixture : public testing::Test {
protected:
    void SetUp() override { UstawFormaty(); }

    THarmonogramLokatyBankowej& Oferta(int32_t id, const QString& bank, double procent = 0,
                                       TDateTime dataDodania = 0) {
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fId = id;
        oferta->fBank = bank;
        oferta->fNazwaHarmonogramu = QStringLiteral("Lokata %1").arg(id);
        oferta->fOprocentowanieWSkaliRoku = procent;
        oferta->fKapitalizacja = TKapitalizacja::PoOkresieUmowy;
        oferta->fDataDodaniaModyfikacji = dataDodania;
        oferty.push_back(std::move(oferta));
        return *oferty.back();
    }

    TLokata& Lokata(int32_t id, double kwota, int32_t idOferty, TDateTime koniec = 0,
                    bool aktywna = true, uint16_t dni = 180) {
        if (koniec == 0)
            koniec = EncodeDate(2027, 3, 1);
        auto lokata = std::make_unique<TLokata>();
        lokata->SetId(id);
        lokata->SetNazwa(QStringLiteral("Lokata %1").arg(id));
        lokata->SetKwota(kwota);
        lokata->SetDataRozpoczecia(koniec - dni);
        lokata->SetOkresLokaty(dni);
        lokata->fJednostkaLokaty = TJednostkaOkresu::Dzien;
        lokata->SetIdHarmonogramLokaty(idOferty);
        lokata->SetAktywna(aktywna);
        lokaty.push_back(std::move(lokata));
        return *lokaty.back();
    }

    ScopedClock zegar{EncodeDateTime(2026, 12, 10, 10, 0)};
    std::vector<std::unique_ptr<TLokata>> lokaty;
    std::vector<std::unique_ptr<THarmonogramLokatyBankowej>> oferty;
};
