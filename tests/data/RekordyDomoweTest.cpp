// Defaults and derived values of the household records.
#include "data/TKategoriaOszczednosci.h"
#include "data/TKategoriaWydatki.h"
#include "data/TOgraniczenie.h"
#include "data/TOsoba.h"
#include "data/TOszczednosc.h"
#include "data/TPlan.h"
#include "data/TTabela.h"
#include "data/TWydatek.h"
#include "data/TZlecenieStale.h"
#include "format/TFormatSettings.h"

#include "common/ScopedClock.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using M = TTypModyfikacji;

class RekordyDomoweTest : public testing::Test {
protected:
    void SetUp() override { UstawFormaty(); }
    ScopedClock zegar{EncodeDateTime(2013, 3, 5, 14, 30)};
};

TEST_F(RekordyDomoweTest, NewRecordsTakeTheirDefaults) {
    const TKategoriaOszczednosci kategoria;
    EXPECT_EQ(kategoria.Id(), -1);
    EXPECT_TRUE(kategoria.Usuniety());
    EXPECT_EQ(kategoria.Waga(), 2147483647u);
    EXPECT_FALSE(kategoria.MoznaZaplacic());
    const TOsoba osoba;
    EXPECT_TRUE(osoba.Usuniety());
    EXPECT_EQ(osoba.Waga(), 2147483647u);

    const TWydatek wydatek;
    EXPECT_EQ(wydatek.Data(), Now());
    EXPECT_EQ(wydatek.IdKategoriaOszczednosci(), -1);
    const TOgraniczenie ograniczenie(3, 100, 1200, 2012, M::Dodano);
    EXPECT_EQ(ograniczenie.Id(), -1);
    EXPECT_EQ(ograniczenie.RokOgraniczenia(), 2012);
    EXPECT_EQ(TOgraniczenie().RokOgraniczenia(), 2013);
}

TEST_F(RekordyDomoweTest, ClearKeepsTheValuesItDoesNotOwn) {
    TOszczednosc oszczednosc(5, 2, 10, 0, "x", 2, M::Zmieniono);
    oszczednosc.SetWagaIdKatOszczednosci(7);
    oszczednosc.Clear();
    EXPECT_EQ(oszczednosc.WagaIdKatOszczednosci(), 7u);
    EXPECT_EQ(oszczednosc.fTypOszczednosci, 1);
    EXPECT_EQ(oszczednosc.Id(), -1);

    TZlecenieStale zlecenie(5, 11, 12, 13, 14, "Czynsz", 900, 2, 0, 0, true, "", M::Zmieniono);
    zlecenie.Clear();
    EXPECT_EQ(zlecenie.IdKategorii(), 11);
    EXPECT_EQ(zlecenie.IdZleceniaStalego(), 12);
    EXPECT_EQ(zlecenie.IdOszczednosci(), 13);
    EXPECT_EQ(zlecenie.IdOsoba(), 14);
    EXPECT_EQ(zlecenie.Id(), -1);
    EXPECT_EQ(zlecenie.fCzestotliwosc, -1);
    EXPECT_EQ(zlecenie.Data(), Now());
}

TEST_F(RekordyDomoweTest, TheDepositsBalanceNeverReportsAChange) {
    TOszczednosc oszczednosc;
    oszczednosc.SetZmiany(M::Zmieniono);
    EXPECT_EQ(oszczednosc.Zmiany(), M::Zmieniono);
    oszczednosc.SetOszczednoscZTabeliLokaty(true);
    EXPECT_TRUE(oszczednosc.IsReadOnly());
    EXPECT_EQ(oszczednosc.Zmiany(), M::BezZmian);
    oszczednosc.SetOszczednoscZTabeliLokaty(false);
    EXPECT_EQ(oszczednosc.Zmiany(), M::Zmieniono);
}

TEST_F(RekordyDomoweTest, DateTextsOfARecord) {
    TWydatek wydatek;
    wydatek.SetData(EncodeDateTime(2013, 5, 14, 17, 45));
    EXPECT_EQ(wydatek.Dzien(), EncodeDate(2013, 5, 14));
    EXPECT_EQ(wydatek.Miesiac(), "maj 2013");
    EXPECT_EQ(wydatek.Rok(), 2013);
}

TEST_F(RekordyDomoweTest, DaysToTheNextRunOfAnOrder) {
    struct Case {
        TCzestotliwosc czestotliwosc;
        int32_t dni;
        QString nazwa;
    } cases[] = {
        {-1, 0, "Nigdy"},
        {0, 1, "Codziennie"},
        {1, 7, "Co tydzień"},
        {2, 28, "Co miesiąc"}, // 2013-01-31 + 1 month lands on 02-28
        {3, 59, "Co dwa miesiące"},
        {4, 89, "Co kwartał"},
        {5, 181, "Co pół roku"},
        {6, 365, "Co rok"},
        {7, 2147483647, "Uruchamiane ręcznie"},
        {8, 0, ""},
    };
    TZlecenieStale zlecenie;
    zlecenie.SetData(EncodeDateTime(2013, 1, 31, 9, 0));
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.czestotliwosc));
        zlecenie.fCzestotliwosc = c.czestotliwosc;
        EXPECT_EQ(zlecenie.CzestotliwoscIloscDni(), c.dni);
        EXPECT_EQ(zlecenie.CzestotliwoscString(), c.nazwa);
    }
}

TEST_F(RekordyDomoweTest, DueDateAndDaysLeftOfAnOrder) {
    TZlecenieStale ostatnie;
    ostatnie.fCzestotliwosc = 2;
    ostatnie.SetData(EncodeDateTime(2013, 1, 31, 9, 0));
    // The day of the last run, at the current time of day, plus its days.
    EXPECT_EQ(ostatnie.PobierzDateDodaniaTegoZleceniaDoBazy(), EncodeDateTime(2013, 2, 28, 14, 30));

    TZlecenieStale zlecenie;
    EXPECT_TRUE(std::isnan(zlecenie.PobierzIloscDniDoWykonania(nullptr)));
    for (TCzestotliwosc reczne : {-1, 7}) {
        zlecenie.fCzestotliwosc = reczne;
        EXPECT_EQ(zlecenie.PobierzIloscDniDoWykonania(&ostatnie),
                  std::numeric_limits<double>::infinity());
    }
    zlecenie.fCzestotliwosc = 2;
    EXPECT_EQ(zlecenie.PobierzIloscDniDoWykonania(&ostatnie), -5); // due on 02-28
    ostatnie.fCzestotliwosc = 1;
    ostatnie.SetData(EncodeDateTime(2013, 3, 4, 23, 0));
    EXPECT_EQ(zlecenie.PobierzIloscDniDoWykonania(&ostatnie), 6);
}

TEST_F(RekordyDomoweTest, OrderTypeTextAndAmountTypedAtEachRun) {
    TZlecenieStale zlecenie;
    const QString typy[] = {"", "Wydatki", "Przychody", ""};
    for (int8_t typ = -1; typ <= 2; ++typ) {
        zlecenie.fTypZleceniaStalego = typ;
        EXPECT_EQ(zlecenie.TypZleceniaStalegoStr(), typy[typ + 1]);
    }
    for (double kwota : {-1.0, 0.0, 1.0, -1.5}) {
        zlecenie.SetKwota(kwota);
        EXPECT_EQ(zlecenie.KwotaMozeUlecZmianie(), kwota == -1.0) << kwota;
    }
}

TEST_F(RekordyDomoweTest, PlansAreGroupedByTheirDay) {
    struct Case {
        TDateTime data;
        bool wykonany;
        int32_t grupa;
        double dni;
    } cases[] = {
        {EncodeDateTime(2013, 3, 5, 8, 0), false, 0, -0.27},
        {EncodeDateTime(2013, 3, 6, 2, 0), false, 1, 0.48},
        {EncodeDateTime(2013, 3, 31, 14, 30), false, 1, 26},
        {EncodeDateTime(2013, 4, 5, 14, 30), false, 2, 31},
        {EncodeDateTime(2012, 3, 5, 14, 30), false, 2, -365},
        {EncodeDateTime(2013, 3, 5, 8, 0), true, -1, -0.27},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        TPlan plan(1, "Plan", 10, 1, c.wykonany, false, 0, c.data, "", M::BezZmian);
        EXPECT_EQ(plan.IdGrupy(), c.grupa);
        EXPECT_DOUBLE_EQ(plan.IloscDniDoWykonania(), c.dni);
    }
    TPlan plan;
    EXPECT_EQ(plan.TypPlanuStr(), "");
    plan.fTypPlanu = 1;
    EXPECT_EQ(plan.TypPlanuStr(), "Przychody");
}

TEST_F(RekordyDomoweTest, ColumnCountOfADescriptorLeavesOutTheKey) {
    TTabela tabela;
    EXPECT_EQ(tabela.IleKolumn(), -1);
    tabela.SetTytulyKolumn({"ID"});
    EXPECT_EQ(tabela.IleKolumn(), 0);
    tabela.SetTytulyKolumn({"ID", "Opis", "Waga"});
    EXPECT_EQ(tabela.IleKolumn(), 2);
    tabela.WyczyscNazwyKolumn();
    EXPECT_EQ(tabela.IleKolumn(), -1);
}

} // namespace
