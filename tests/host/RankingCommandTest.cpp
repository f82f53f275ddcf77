#include "OfertyWDniach.h"
#include "UruchomPolecenie.h"
#include "common/CsvReader.h"
#include "common/ScopedClock.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TempDatabaseFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

struct Oferta {
    const char* bank;
    uint32_t okres;
    TJednostkaOkresu jednostka;
    double oprocentowanie;
    TKapitalizacja kapitalizacja;
    double maksimum;
    bool konto;
};

QByteArray Skrot(const QString& sciezka) {
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(plik.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

// A data file with four offers written through the project's own saver.
class RankingCommandTest : public testing::Test {
protected:
    void SetUp() override {
        TProjektDB projekt(plik.path());
        const Oferta oferty[] = {
            {"mBank", 6, TJednostkaOkresu::Miesiac, 5, TKapitalizacja::PoOkresieUmowy, 0, false},
            {"Bank B", 3, TJednostkaOkresu::Miesiac, 6, TKapitalizacja::PoOkresieUmowy, 5000,
             false},
            {"Bank C", 6, TJednostkaOkresu::Miesiac, 5.5, TKapitalizacja::Miesieczna, 0, true},
            {"Bank D", 1, TJednostkaOkresu::Rok, 4, TKapitalizacja::Roczna, 0, false},
        };
        for (const Oferta& o : oferty) {
            auto h = std::make_unique<THarmonogramLokatyBankowej>();
            h->fBank = o.bank;
            h->fNazwaHarmonogramu = "Lokata";
            h->fOkresDepozytu = o.okres;
            h->fJednostkaDepozytu = o.jednostka;
            h->fOprocentowanieWSkaliRoku = o.oprocentowanie;
            h->fKapitalizacja = o.kapitalizacja;
            h->fKwotaMaksymalna = o.maksimum;
            h->fWymaganeKontoOsobisteWTymBanku = o.konto;
            h->fZmiany = TTypModyfikacji::Dodano;
            projekt.Kolekcje().HarmonogramyLokatBankowych().push_back(std::move(h));
        }
        ASSERT_TRUE(
            projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych).Zapisano());
    }

    TWynikPolecenia Uruchom(const QStringList& argumenty) {
        return UruchomPolecenie("ranking", QStringList{"--db", plik.path(), "--start", "2025-01-01",
                                                       "--kwota", "10 000"} +
                                               argumenty);
    }

    std::vector<int> Identyfikatory(const QStringList& argumenty) {
        const TWynikPolecenia wynik = Uruchom(argumenty + QStringList{"--json"});
        EXPECT_EQ(wynik.kod, 0) << wynik.err.toStdString();
        std::vector<int> id;
        for (const QJsonValue& v : QJsonDocument::fromJson(wynik.out.toUtf8()).array())
            id.push_back(v.toObject().value("Id").toInt());
        return id;
    }

    ScriptedMessageBoxes boxes;
    TempDatabaseFile plik;
};

TEST_F(RankingCommandTest, JsonRanksTheOffersThatTakeTheAmount) {
    const QByteArray przed = Skrot(plik.path());
    const TWynikPolecenia wynik = Uruchom({"--json"});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    const QJsonArray ranking = QJsonDocument::fromJson(wynik.out.toUtf8()).array();
    ASSERT_EQ(ranking.size(), 3); // Bank B takes at most 5 000 zł
    EXPECT_EQ(ranking[0].toObject().value("Id").toInt(), 3);
    EXPECT_EQ(QJsonDocument(ranking[1].toObject()).toJson(QJsonDocument::Compact),
              R"j({"BankNazwaOprocentowanie":"mBank - Lokata 6M (5,00%)","DataZakonczenia":)j"
              R"("2025-07-01","Id":1,"KwotaKoncowa":10200.83,"OdsetkiNetto":200.83,)"
              R"("RentownoscNettoRoczna":4.049886740331492,"SzacowanyZysk":202})");
    EXPECT_EQ(ranking[2].toObject().value("Id").toInt(), 4);
    EXPECT_EQ(Skrot(plik.path()), przed); // read, never written
}

// The CSV has the text table's columns and the JSON's offers in its order.
TEST_F(RankingCommandTest, CsvHasTheColumnsOfTheTableAndTheRowsOfTheJson) {
    const TWynikPolecenia csv = Uruchom({"--csv"});
    ASSERT_EQ(csv.kod, 0) << csv.err.toStdString();
    const auto wiersze = CsvReader::Read(csv.out);
    ASSERT_TRUE(wiersze.has_value()) << csv.out.toStdString();
    const QJsonArray ranking = QJsonDocument::fromJson(Uruchom({"--json"}).out.toUtf8()).array();
    ASSERT_EQ(wiersze->size(), ranking.size() + 1u);
    EXPECT_EQ(wiersze->front(),
              QStringList({"Oferta", "Okres", "Kapitalizacja", "Szacowany zysk", "Odsetki netto",
                           "Kwota końcowa", "Rentowność netto", "Koniec"}));
    for (qsizetype i = 0; i < ranking.size(); ++i) {
        const QJsonObject p = ranking[i].toObject();
        const QStringList& w = (*wiersze)[static_cast<std::size_t>(i) + 1];
        EXPECT_EQ(w[0], p["BankNazwaOprocentowanie"].toString());
        EXPECT_EQ(QString(w[4]).replace(u',', u'.').toDouble(), p["OdsetkiNetto"].toDouble());
        EXPECT_EQ(QString(w[5]).replace(u',', u'.').toDouble(), p["KwotaKoncowa"].toDouble());
        EXPECT_EQ(w[7], p["DataZakonczenia"].toString());
    }
    EXPECT_EQ((*wiersze)[2].mid(3, 3), QStringList({"202,00", "200,83", "10200,83"}));

    const TWynikPolecenia pusty = Uruchom({"--okres", "2", "--jednostka", "tydzien", "--csv"});
    EXPECT_EQ(CsvReader::Read(pusty.out)->size(), 1u) << "the captions only";
}

TEST_F(RankingCommandTest, TermToleranceAndAccountFilter) {
    EXPECT_EQ(Identyfikatory({"--okres", "6", "--jednostka", "miesiac"}), (std::vector<int>{3, 1}));
    EXPECT_EQ(Identyfikatory({"--okres", "6", "--jednostka", "miesiac", "--tolerancja", "6"}),
              (std::vector<int>{3, 1, 4}));
    EXPECT_EQ(Identyfikatory({"--bez-konta"}), (std::vector<int>{1, 4}));
    EXPECT_EQ(Identyfikatory({"--okres", "2", "--jednostka", "tydzien"}), std::vector<int>{});
}

// An offer is dated when it is saved: each is saved again on its own day.
TEST_F(RankingCommandTest, OffersOlderThanTheMaximumAgeAreLeftOut) {
    ScopedClock zegar(0);
    ZapiszOfertyWDniach(plik.path(), zegar,
                        {EncodeDate(2026, 11, 9), EncodeDate(2026, 1, 1), EncodeDate(2026, 11, 10),
                         EncodeDate(2026, 12, 10)});
    zegar.set(EncodeDateTime(2026, 12, 10, 10, 0));
    EXPECT_EQ(Identyfikatory({}), (std::vector<int>{3, 1, 4}));
    EXPECT_EQ(Identyfikatory({"--maks-wiek", "30"}), (std::vector<int>{3, 4}));
    EXPECT_EQ(Identyfikatory({"--maks-wiek", "0"}), (std::vector<int>{4}));
    const TWynikPolecenia pusty =
        Uruchom({"--maks-wiek", "0", "--bez-konta", "--okres", "6", "--jednostka", "miesiac"});
    EXPECT_EQ(pusty.kod, 0);
    EXPECT_EQ(pusty.out, "Każda pasująca oferta ma dane starsze niż 0 dni (sprawdź aktualne "
                         "oferty banków).\n");
}

TEST_F(RankingCommandTest, TextTableOrSaysWhyNothingFits) {
    const TWynikPolecenia tabela = Uruchom({"--bez-konta"});
    EXPECT_EQ(tabela.kod, 0);
    const QStringList wiersze = tabela.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(wiersze.size(), 3);
    EXPECT_TRUE(wiersze[0].startsWith("Oferta")) << wiersze[0].toStdString();
    QStringList komorki;
    for (const QString& komorka : wiersze[1].split("  ", Qt::SkipEmptyParts))
        komorki << komorka.trimmed();
    EXPECT_EQ(komorki,
              QStringList({"mBank - Lokata 6M (5,00%)", "6 miesięcy", "Po okresie umowy",
                           "202,00 zł", "200,83 zł", "10 200,83 zł", "4,05%", "2025-07-01"}));

    const TWynikPolecenia pusty = Uruchom({"--okres", "2", "--jednostka", "tydzien"});
    EXPECT_EQ(pusty.kod, 0);
    EXPECT_EQ(pusty.out, "Żadna oferta przyjmująca kwotę 10 000,00 zł nie trwa 2 tygodnie.\n");
}

TEST(RankingCommand, ArgumentsAndMissingFile) {
    ScriptedMessageBoxes boxes;
    TempDatabaseFile brak;
    SprawdzBledyIPomoc(
        "ranking",
        {
            {{"--kwota", "100"}, 2, "Brak wymaganego argumentu --db."},
            {{"--db", "x.dat"}, 2, "Brak wymaganego argumentu --kwota."},
            {{"--db", "x.dat", "--kwota", "0"}, 2, "Nie można odczytać kwoty: \"0\""},
            {{"--db", "x.dat", "--kwota", "100", "--json", "--csv"},
             2,
             "Argumenty --json i --csv wykluczają się."},
            {{"--db", "x.dat", "--kwota", "100", "--okres", "6"},
             2,
             "Okres podaj razem z jednostką"},
            {{"--db", "x.dat", "--kwota", "100", "--tolerancja", "1"},
             2,
             "Argument --tolerancja wymaga argumentów --okres i --jednostka."},
            {{"--db", "x.dat", "--kwota", "100", "--okres", "6", "--jednostka", "brak"},
             2,
             "Nie można odczytać jednostki okresu"},
            {{"--db", "x.dat", "--kwota", "100", "--maks-wiek", "miesiąc"},
             2,
             "Nie można odczytać maksymalnego wieku oferty"},
            {{"--db", brak.path(), "--kwota", "100"}, 1, "Nie ma pliku danych"},
        },
        "Użycie: talvora ranking");
    EXPECT_FALSE(QFile::exists(brak.path())); // not created
}

} // namespace
