#pragma once
// An offer is dated when it is saved: the data file's offers are saved again
// one by one, offer i on daty[i].
#include "common/ScopedClock.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"

#include <QString>
#include <gtest/gtest.h>
#include <vector>

inline void ZapiszOfertyWDniach(const QString& plik, ScopedClock& zegar,
                                const std::vector<TDateTime>& daty) {
    TProjektDB projekt(plik);
    auto& oferty = projekt.Kolekcje().HarmonogramyLokatBankowych();
    ASSERT_LE(daty.size(), oferty.size());
    for (size_t i = 0; i < daty.size(); ++i) {
        zegar.set(daty[i]);
        for (const auto& oferta : oferty)
            oferta->fZmiany = TTypModyfikacji::BezZmian;
        oferty[i]->fZmiany = TTypModyfikacji::Zmieniono;
        ASSERT_TRUE(
            projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych).Zapisano());
    }
}
