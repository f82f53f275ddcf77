#include "data/TPlikiDB.h"
#include "common/ScopedClock.h"

#include <gtest/gtest.h>

namespace {

TEST(TPlikiDB, NamesAndCaptionsOfEveryTable) {
    const TPlikiDB pliki("/dane/DataFile.dat");
    EXPECT_EQ(pliki.DataFile(), "/dane/DataFile.dat");
    struct Case {
        TTabele tabela;
        const char* nazwa;
        const char* caption;
    };
    const Case cases[] = {
        {TTabele::Wydatki, "Wydatki", "Wydatki"},
        {TTabele::Oszczednosci, "Oszczednosci", "Oszczędności"},
        {TTabele::Kategorie_Wydatki, "KategorieWydatkow", "Kategorie wydatków"},
        {TTabele::Pusta, "", ""},
        {TTabele::HistoriaPrzelewow, "HistoriaPrzelewow", "Historia przelewów oszczędności"},
        {TTabele::ZleceniaStalePrzychody, "ZleceniaStale", "Zlecenia stałe - przychody"},
        {TTabele::HistoriaZlecenStalychWydatki, "HistoriaZlecenStalych",
         "Historia zleceń stałych - wydatki"},
        {TTabele::StanyOszczednosci, "StanOszczednosci", "Stany oszczędności"},
        {TTabele::PrzychodyIRozchody, "", ""},
        {TTabele::Lokaty, "Lokaty", "Lokaty"},
        {TTabele::HarmonogramyLokatBankowych, "HarmonogramyLokat", "Lokaty bankowe"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pliki.PobierzNazweTabeli(c.tabela), QString::fromUtf8(c.nazwa)) << c.nazwa;
        EXPECT_EQ(pliki.PobierzCaptionTabeli(c.tabela), QString::fromUtf8(c.caption)) << c.nazwa;
    }
    EXPECT_EQ(pliki.TabNameHarmonogramyLokat(), "HarmonogramyLokat");
    EXPECT_EQ(pliki.TabNameCzestotliwosci(), "Czestotliwosci");
    EXPECT_EQ(
        pliki.NazwyUzywanychTabel(),
        QStringList({"Wydatki", "Przychody", "Oszczędności", "Historia przelewów oszczędności",
                     "Stany oszczędności", "Kategorie wydatków", "Kategorie przychodów",
                     "Kategorie oszczędności", "Osoby", "Zlecenia stałe - wydatki",
                     "Zlecenia stałe - przychody", "Historia zleceń stałych - wydatki",
                     "Historia zleceń stałych - przychody", "Plany", "Ograniczenia", "Lokaty",
                     "Lokaty bankowe"}));
}

TEST(TPlikiDB, ExportFileNames) {
    const ScopedClock clock(EncodeDateTime(2013, 5, 14, 17, 45, 9));
    const TPlikiDB pliki("DataFile.dat");
    struct Case {
        TTabele tabela;
        const char* nazwa;
    };
    const Case cases[] = {
        {TTabele::Lokaty, "Lokaty_2013-05-14_17-45-09.csv"},
        {TTabele::Oszczednosci, "Oszczędności_2013-05-14_17-45-09.csv"},
        {TTabele::PrzychodyIRozchody, "Przychody i rozchody_2013-05-14_17-45-09.csv"},
        {TTabele::HistoriaZlecenStalychWydatki, "Zlecenia stałe - wydatki_2013-05-14_17-45-09.csv"},
        {TTabele::HistoriaZlecenStalychPrzychody,
         "Zlecenia stałe - przychody_2013-05-14_17-45-09.csv"},
        {TTabele::HistoriaPrzelewow, ""},
        {TTabele::Pusta, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pliki.WygenerujNazwePlikuDoExportu(c.tabela, "csv"), QString::fromUtf8(c.nazwa));
}

} // namespace
