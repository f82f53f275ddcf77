#include "OfertyWDniach.h"
#include "UruchomPolecenie.h"
#include "common/CsvReader.h"
#include "common/ScopedClock.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TempDatabaseFile.h"
#include "domain/PlikOfert.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

using TWynik = TWynikPolecenia;

TWynik Uruchom(const QStringList& argumenty) {
    return UruchomPolecenie("oferty", argumenty);
}

QByteArray Bajty(const QString& sciezka) {
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
}

void Zapisz(const QString& sciezka, const QByteArray& bajty) {
    QFile plik(sciezka);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.write(bajty);
}

// A data file with two stored offers and one that was stored and deleted.
class OfertyCommandTest : public testing::Test {
protected:
    void SetUp() override {
        TProjektDB projekt(plik.path());
        TListaOfert& oferty = projekt.Kolekcje().HarmonogramyLokatBankowych();
        const auto dodaj = [&](const QString& bank, double oprocentowanie) {
            auto h = std::make_unique<THarmonogramLokatyBankowej>();
            h->fBank = bank;
            h->fNazwaHarmonogramu = "Lokata roczna";
            h->fOkresDepozytu = 12;
            h->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
            h->fOprocentowanieWSkaliRoku = oprocentowanie;
            h->fKwotaMaksymalna = 100000.01;
            h->fHarmonogramDodanyPrzezUzytkownika = true;
            h->fPozostaleInformacje = "dla nowych klientów";
            h->fZmiany = TTypModyfikacji::Dodano;
            oferty.push_back(std::move(h));
        };
        dodaj("Bank Śląski", 5.1);
        dodaj("mBank", 4.5);
        dodaj("Usunięty", 1);
        ASSERT_TRUE(
            projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych).Zapisano());
        projekt.OdswiezZawartoscKolekcji(TTabele::HarmonogramyLokatBankowych);
        oferty.back()->fZmiany = TTypModyfikacji::Usunieto;
        ASSERT_TRUE(
            projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych).Zapisano());
    }

    QString Sciezka(const QString& nazwa) const { return QDir(plik.folder()).filePath(nazwa); }

    ScriptedMessageBoxes boxes;
    TempDatabaseFile plik;
};

TEST_F(OfertyCommandTest, JsonListsTheCatalogueWithExactValues) {
    const TWynik wynik = Uruchom({"--db", plik.path(), "--json"});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    const QJsonArray oferty = QJsonDocument::fromJson(wynik.out.toUtf8()).array();
    ASSERT_EQ(oferty.size(), 2);
    const QStringList klucze = {"Id",
                                "Bank",
                                "NazwaHarmonogramu",
                                "OkresDepozytu",
                                "JednostkaDepozytu",
                                "Kapitalizacja",
                                "OprocentowanieStaleWCalymOkresieLokaty",
                                "OprocentowanieWSkaliRoku",
                                "KwotaMinimalna",
                                "KwotaMaksymalna",
                                "WymaganeKontoOsobisteWTymBanku",
                                "MozliwoscWczesniejszegoZerwaniaLokaty",
                                "HarmonogramDodanyPrzezUzytkownika",
                                "WarunkiWczesniejszegoZerwaniaLokaty",
                                "PozostaleInformacje",
                                "BankNazwaOprocentowanie",
                                "NazwaWyswietlana",
                                "OkresLokaty",
                                "KapitalizacjaNazwa",
                                "DataDodaniaModyfikacji",
                                "DniOdAktualizacji"};
    const QJsonObject pierwsza = oferty[0].toObject();
    EXPECT_EQ(pierwsza.size(), klucze.size());
    qsizetype poprzedni = -1;
    for (const QString& klucz : klucze) {
        const qsizetype pozycja = wynik.out.indexOf('"' + klucz + "\":");
        EXPECT_GT(pozycja, poprzedni) << "key order: " << klucz.toStdString();
        poprzedni = pozycja;
    }
    EXPECT_GT(pierwsza["Id"].toInt(), 0);
    EXPECT_EQ(pierwsza["Bank"].toString(), "Bank Śląski");
    EXPECT_EQ(pierwsza["JednostkaDepozytu"].toInt(), 2);
    EXPECT_EQ(pierwsza["Kapitalizacja"].toInt(), -1);
    EXPECT_EQ(pierwsza["OprocentowanieWSkaliRoku"].toDouble(), 5.1);
    EXPECT_EQ(pierwsza["KwotaMaksymalna"].toDouble(), 100000.01);
    EXPECT_EQ(pierwsza["HarmonogramDodanyPrzezUzytkownika"].toBool(), true);
    EXPECT_EQ(pierwsza["PozostaleInformacje"].toString(), "dla nowych klientów");
    EXPECT_EQ(pierwsza["BankNazwaOprocentowanie"].toString(),
              "Bank Śląski - Lokata roczna 12M (5,10%)");
    EXPECT_EQ(pierwsza["OkresLokaty"].toString(), "12 miesięcy");
    EXPECT_EQ(pierwsza["KapitalizacjaNazwa"].toString(), "(brak danych)");
}

// The day an offer was typed or imported and its age today, across a year end.
TEST_F(OfertyCommandTest, JsonGivesEachOffersDayAndAge) {
    ScopedClock zegar(0);
    ZapiszOfertyWDniach(plik.path(), zegar,
                        {EncodeDateTime(2026, 7, 20, 15, 30), EncodeDateTime(2026, 12, 31, 23, 0)});
    zegar.set(EncodeDateTime(2027, 1, 1, 0, 30));
    const TWynik wynik = Uruchom({"--db", plik.path(), "--json"});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    const QJsonArray oferty = QJsonDocument::fromJson(wynik.out.toUtf8()).array();
    ASSERT_EQ(oferty.size(), 2);
    EXPECT_EQ(oferty[0].toObject()["DataDodaniaModyfikacji"].toString(), "2026-07-20");
    EXPECT_EQ(oferty[0].toObject()["DniOdAktualizacji"].toInt(), 165);
    EXPECT_EQ(oferty[1].toObject()["DataDodaniaModyfikacji"].toString(), "2026-12-31");
    EXPECT_EQ(oferty[1].toObject()["DniOdAktualizacji"].toInt(), 1);
}

// A number as the CSV writes it: digits with a decimal comma, nothing else.
double LiczbaCSV(const QString& pole) {
    bool poprawna = false;
    const double liczba = QString(pole).replace(u',', u'.').toDouble(&poprawna);
    EXPECT_TRUE(poprawna && !pole.contains(u' ') && !pole.contains(u'.')) << pole.toStdString();
    return liczba;
}

// The CSV, read back by a strict reader, has the offers of the JSON in the
// same order (the window's: bank after bank), each in the offer list's
// columns under its bank's group.
TEST_F(OfertyCommandTest, CsvReadsBackToTheRowsOfTheJson) {
    {
        TProjektDB projekt(plik.path());
        TListaOfert& oferty = projekt.Kolekcje().HarmonogramyLokatBankowych();
        auto h = std::make_unique<THarmonogramLokatyBankowej>();
        h->fBank = "MBANK";
        h->fNazwaHarmonogramu = "Lokata; \"nocna\"";
        h->fOkresDepozytu = 3;
        h->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
        h->fOprocentowanieWSkaliRoku = 6.25;
        h->fKapitalizacja = TKapitalizacja::Miesieczna;
        h->fKwotaMinimalna = 300000;
        h->fOprocentowanieStaleWCalymOkresieLokaty = true;
        h->fWymaganeKontoOsobisteWTymBanku = true;
        h->fWarunkiWczesniejszegoZerwaniaLokaty = "utrata odsetek;\r\nbez opłat";
        h->fZmiany = TTypModyfikacji::Dodano;
        oferty.insert(oferty.begin(), std::move(h));
        ASSERT_TRUE(
            projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych).Zapisano());
    }
    const TWynik csv = Uruchom({"--db", plik.path(), "--csv"});
    ASSERT_EQ(csv.kod, 0) << csv.err.toStdString();
    const auto wiersze = CsvReader::Read(csv.out);
    ASSERT_TRUE(wiersze.has_value()) << csv.out.toStdString();
    const QJsonArray oferty =
        QJsonDocument::fromJson(Uruchom({"--db", plik.path(), "--json"}).out.toUtf8()).array();
    ASSERT_EQ(oferty.size(), 3);
    ASSERT_EQ(wiersze->size(), 4u);
    EXPECT_EQ(wiersze->front(),
              QStringList({"Grupa", "Bank", "Nazwa", "Okres lokaty", "% w skali roku",
                           "Kapitalizacja", "Kwota minimalna", "Kwota maksymalna", "Oprocentowanie",
                           "Posiadanie konta osobistego", "Warunki wcześniejszego zerwania umowy",
                           "Pozostałe informacje"}));

    QStringList banki;
    for (qsizetype i = 0; i < oferty.size(); ++i) {
        const QJsonObject o = oferty[i].toObject();
        const QStringList& w = (*wiersze)[static_cast<std::size_t>(i) + 1];
        ASSERT_EQ(w.size(), 12) << i;
        banki << o["Bank"].toString();
        EXPECT_EQ(w[0].compare(o["Bank"].toString(), Qt::CaseInsensitive), 0) << w[0].toStdString();
        EXPECT_EQ(w[1], o["Bank"].toString());
        EXPECT_EQ(w[2], o["NazwaWyswietlana"].toString());
        EXPECT_EQ(w[3], o["OkresLokaty"].toString());
        ASSERT_TRUE(w[4].endsWith(u'%'));
        EXPECT_NEAR(LiczbaCSV(w[4].chopped(1)), o["OprocentowanieWSkaliRoku"].toDouble(), 0.005);
        EXPECT_EQ(w[5], o["KapitalizacjaNazwa"].toString());
        const double minimalna = o["KwotaMinimalna"].toDouble();
        const double maksymalna = o["KwotaMaksymalna"].toDouble();
        if (minimalna > 0)
            EXPECT_EQ(LiczbaCSV(w[6]), minimalna);
        else
            EXPECT_EQ(w[6], "(brak)");
        if (maksymalna > 0)
            EXPECT_EQ(LiczbaCSV(w[7]), maksymalna);
        else
            EXPECT_EQ(w[7], "(brak górnego ograniczenia)");
        EXPECT_EQ(w[8], o["OprocentowanieStaleWCalymOkresieLokaty"].toBool() ? "Stałe" : "Zmienne");
        EXPECT_EQ(w[9], o["WymaganeKontoOsobisteWTymBanku"].toBool() ? "Wymagane" : "Niewymagane");
        EXPECT_EQ(w[10], o["WarunkiWczesniejszegoZerwaniaLokaty"].toString());
        EXPECT_EQ(w[11], o["PozostaleInformacje"].toString());
    }
    // Both spellings of one bank form one group after the other bank.
    EXPECT_EQ(banki.first(), "Bank Śląski");
    EXPECT_EQ((*wiersze)[2][0], (*wiersze)[3][0]);
    // The line break stays in its field (the data file drops ";" and quotes).
    EXPECT_EQ((*wiersze)[3][6], "300000,00");
    EXPECT_EQ((*wiersze)[3][10], "utrata odsetek\r\nbez opłat");
}

TEST_F(OfertyCommandTest, ExportWritesWhatTheWindowWritesAndTheFileListsBack) {
    const QString cel = Sciezka("oferty.vq_lb");
    const TWynik eksport = Uruchom({"--db", plik.path(), "--eksportuj", cel});
    ASSERT_EQ(eksport.kod, 0) << eksport.err.toStdString();
    EXPECT_TRUE(eksport.out.contains(cel)) << eksport.out.toStdString();
    {
        TProjektDB projekt(plik.path());
        projekt.WczytajDaneZTabeliDoKolekcji(TTabele::HarmonogramyLokatBankowych);
        EXPECT_EQ(Bajty(cel),
                  ZapiszOfertyDoBajtow(projekt.Kolekcje().HarmonogramyLokatBankowych()));
    }

    const TWynik json = Uruchom({"--plik", cel, "--json"});
    ASSERT_EQ(json.kod, 0) << json.err.toStdString();
    const QJsonArray oferty = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_EQ(oferty.size(), 2);
    EXPECT_EQ(oferty[0].toObject()["Id"].toInt(), -1);
    EXPECT_EQ(oferty[1].toObject()["Bank"].toString(), "mBank");

    const TWynik tabela = Uruchom({"--plik=" + cel});
    ASSERT_EQ(tabela.kod, 0);
    const QStringList wiersze = tabela.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(wiersze.size(), 3);
    EXPECT_TRUE(wiersze[0].startsWith("Id  Bank "));
    EXPECT_TRUE(wiersze[1].startsWith("-1  Bank Śląski")) << wiersze[1].toStdString();
    EXPECT_TRUE(wiersze[2].contains("4,50%")) << wiersze[2].toStdString();
}

TEST_F(OfertyCommandTest, BadFilesFailWithTheReadersMessage) {
    const QByteArray dobry = ZapiszOfertyDoBajtow({});
    Zapisz(Sciezka("inny.vq_lb"), "PK\x03\x04 not an offer file");
    Zapisz(Sciezka("uciety.vq_lb"), dobry.left(5));
    const struct {
        QString plik;
        QString blad;
    } przypadki[] = {
        {Sciezka("inny.vq_lb"),
         "Plik \"" + Sciezka("inny.vq_lb") +
             "\" nie jest plikiem lokat bankowych tego programu.\nInvalid stream format"},
        {Sciezka("uciety.vq_lb"), "Plik \"" + Sciezka("uciety.vq_lb") +
                                      "\" jest uszkodzony lub niepełny; nie można odczytać "
                                      "zapisanych w nim lokat bankowych.\nStream read error"},
        {Sciezka("brak.vq_lb"), "Nie udało się odczytać pliku"},
    };
    for (const auto& p : przypadki) {
        const TWynik wynik = Uruchom({"--plik", p.plik});
        EXPECT_EQ(wynik.kod, 1);
        EXPECT_TRUE(wynik.err.startsWith(p.blad)) << wynik.err.toStdString();
        EXPECT_TRUE(wynik.out.isEmpty());
    }
}

TEST_F(OfertyCommandTest, WrongArgumentsAndMissingDataFile) {
    const QString brak = Sciezka("brak.dat");
    SprawdzBledyIPomoc("oferty",
                       {
                           {{}, 2, "Podaj albo plik danych"},
                           {{"--db", plik.path(), "--plik", "x.vq_lb"}, 2, "Podaj albo"},
                           {{"--plik", "x.vq_lb", "--eksportuj", "y.vq_lb"}, 2, "--eksportuj"},
                           {{"--db", plik.path(), "--eksportuj", "y", "--json"}, 2, "--json"},
                           {{"--db", plik.path(), "--eksportuj", "y", "--csv"}, 2, "--csv"},
                           {{"--db", plik.path(), "--csv", "--json"},
                            2,
                            "Argumenty --json i --csv wykluczają się."},
                           {{"--db", plik.path(), "--nowy"}, 2, ""},
                           {{"--db", brak}, 1, "Nie ma pliku danych"},
                       },
                       "Użycie: talvora oferty");
    EXPECT_FALSE(QFile::exists(brak));
}

} // namespace
