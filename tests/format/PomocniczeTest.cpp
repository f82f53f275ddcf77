#include "format/Pomocnicze.h"
#include "domain/TCzestotliwosc.h"

#include "format/Formatowanie.h"

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class PomocniczeTest : public testing::Test {
protected:
    void SetUp() override { UstawFormaty(); }
};

TEST_F(PomocniczeTest, KwotaZTekstuReadsTypedAndDownloadedAmounts) {
    struct Case {
        QString tekst;
        double kwota;
    } cases[] = {
        {"1 234,56 zł", 1234.56},
        {"5,10%", 5.1},
        {"4.5", 4.5},
        {"-12", -12},
        {"abc", 0},
        {"1,2,3", 0},
        {"1.2,3", 0},
        {" \t ", 0},
        {"", 0},
        {"1 000", 1000},
        {"0,005", 0.005},
        {"-0,5", -0.5},
        {"5-", 0},
        {"-", 0},
        {"10 000,00 zł", 10000},
        {"1\u00A0234,5", 1234.5},
        {"+7", 7},
        {"1e3", 13},
        {",5", 0.5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KwotaZTekstu(c.tekst), c.kwota) << c.tekst.toStdString();
    }
}

TEST_F(PomocniczeTest, OczyscTekstCleansTypedNames) {
    struct Case {
        QString tekst, wynik;
    } cases[] = {
        {"", ""},
        {" \t\r\n\u0001 ", ""},
        {"Lokata\tletnia", "Lokataletnia"},
        {"Bank/Oddział: 2", "BankOddział 2"},
        {"  Alfa  Bank", "Alfa Bank"},
        {"x ; y", "x  y"},    // the source had no two blanks in a row
        {"x  ; y", "x y"},    // it had: all runs collapse
        {"a   b   ", "a b "}, // trailing blanks survive as one
        {"a ", "a "},
        {"\u02D9\u0098 Zł<o>ty|*?\"\\", "Złoty"},
        {"a      b", "a b"}, // a run of six blanks
        {"Łódź\u00A0Bank", "Łódź\u00A0Bank"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OczyscTekst(c.tekst), c.wynik) << c.tekst.toStdString();
    }
}

TEST_F(PomocniczeTest, UsunZnakiSpecjalneAndBlankTest) {
    EXPECT_EQ(UsunZnakiSpecjalne("O'Brien \"Bank\"; a|b <c>"), "OBrien Bank ab <c>");
    EXPECT_TRUE(JestPustyTekst(""));
    EXPECT_TRUE(JestPustyTekst("\t  "));
    EXPECT_TRUE(JestPustyTekst(QString(QChar(0x20)) + QChar(0x01)));
    EXPECT_FALSE(JestPustyTekst("\u00A0"));
    EXPECT_FALSE(JestPustyTekst("  x "));
}

TEST_F(PomocniczeTest, JestLiczbaCalkowitaAcceptsOnlySigned32BitNumbers) {
    struct Case {
        QString tekst;
        bool liczba;
    } cases[] = {
        {"", false},          {"-", false},          {"12", true},          {"-12", true},
        {"007", true},        {"1-2", false},        {"12-", false},        {"--1", false},
        {"+5", false},        {" 12", false},        {"1.0", false},        {"12a", false},
        {"2147483647", true}, {"2147483648", false}, {"-2147483648", true}, {"-2147483649", false},
        {"\u0661", false}, // an Arabic-Indic digit is not a decimal digit 0-9 here
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JestLiczbaCalkowita(c.tekst), c.liczba) << c.tekst.toStdString();
    }
}

TEST_F(PomocniczeTest, ZaokraglijDoRoundsHalfToEvenInExtendedPrecision) {
    struct Case {
        double wartosc;
        int8_t cyfra;
        double wynik;
    } cases[] = {
        {2.675, -2, 2.67},                    // the double nearest 2.675 lies below it
        {0.125, -2, 0.12},                    // an exact half goes to even
        {0.375, -2, 0.38}, {1.055, -2, 1.05}, // the double lies just below 1.055
        {0.135, -2, 0.14},                    // the double lies just above 0.135
        {-2.5, 0, -2},     {3.5, 0, 4},        {1235, 1, 1240},  {1245, 1, 1240},
        {7.22, 0, 7},      {1e300, -2, 1e300}, {123.456, 20, 0}, {1.5e-20, -20, 2e-20},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZaokraglijDo(c.wartosc, c.cyfra), c.wynik) << c.wartosc << " to " << int(c.cyfra);
    }
    EXPECT_TRUE(std::isinf(ZaokraglijDo(INFINITY, -2)));
}

TEST_F(PomocniczeTest, ZaokraglijDoRefusesDigitsOutsideTheRange) {
    for (int8_t cyfra : {int8_t(-21), int8_t(21), int8_t(-128), int8_t(127)}) {
        try {
            ZaokraglijDo(1.5, cyfra);
            ADD_FAILURE() << "no error for " << int(cyfra);
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()),
                      QString("ZaokraglijDo: wykładnik potęgi dziesięciu %1 leży poza zakresem "
                              "od -20 do 20.")
                          .arg(cyfra));
        }
    }
}

TEST_F(PomocniczeTest, MiesiacRokTekstUsesPolishMonthNames) {
    EXPECT_EQ(MiesiacRokTekst(EncodeDateTime(2013, 12, 15, 13, 0)), "grudzień 2013");
    EXPECT_EQ(MiesiacRokTekst(EncodeDate(2024, 2, 29)), "luty 2024");
    EXPECT_EQ(MiesiacRokTekst(EncodeDate(1, 1, 1)), "styczeń 0001");
    EXPECT_EQ(MiesiacRokTekst(std::nan("")), "");
    EXPECT_EQ(MiesiacRokTekst(1e12), "");
    EXPECT_EQ(MiesiacRokTekst(-1e12), "");
}

// Sets TMPDIR for one scope (QDir::tempPath reads it on Unix).
class ScopedTmpDir {
public:
    explicit ScopedTmpDir(const QString& path) : fPrevious(qgetenv("TMPDIR")) {
        qputenv("TMPDIR", path.toLocal8Bit());
    }
    ~ScopedTmpDir() {
        if (fPrevious.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", fPrevious);
    }

private:
    QByteArray fPrevious;
};

TEST_F(PomocniczeTest, KatalogTymczasowyEndsInTheSeparatorWhenItExists) {
    const QString systemowy = KatalogTymczasowy();
    EXPECT_TRUE(systemowy.endsWith(QDir::separator())) << systemowy.toStdString();
    EXPECT_FALSE(systemowy.endsWith("\\"));
    EXPECT_TRUE(QDir(systemowy).exists());

    QTemporaryDir katalog;
    ASSERT_TRUE(katalog.isValid());
    {
        ScopedTmpDir tmp(katalog.path());
        EXPECT_EQ(KatalogTymczasowy(), katalog.path() + "/");
    }
    {
        // A directory that does not exist gets no separator appended.
        ScopedTmpDir tmp(katalog.path() + "/brak");
        EXPECT_FALSE(KatalogTymczasowy().endsWith(QDir::separator()));
    }
}

TEST_F(PomocniczeTest, KolumnaTablicyKeepsNonEmptyCellsInOrder) {
    const TTabDwuwymiarowa tablica = {
        {"1", "Konto", "100"}, {},    {"2", "", "50"}, {"3", "Skarbonka", "0"},
        {"4", "Konto", "7"},   {"5"}, // too short for column 1: nothing
    };
    EXPECT_EQ(KolumnaTablicy(tablica, 1), QStringList({"Konto", "Skarbonka", "Konto"}));
    EXPECT_EQ(KolumnaTablicy(tablica, 0), QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_TRUE(KolumnaTablicy(tablica, -1).isEmpty());
    EXPECT_TRUE(KolumnaTablicy({}, 0).isEmpty());
}

TEST_F(PomocniczeTest, BooleansAndFrequencyNames) {
    EXPECT_EQ(BoolNaTekst(true), "1");
    EXPECT_EQ(BoolNaTekst(false), "0");
    const QMap<TCzestotliwosc, QString> nazwy = NazwyCzestotliwosci();
    EXPECT_EQ(nazwy.keys(), (QList<TCzestotliwosc>{-1, 0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(nazwy.value(-1), "Nigdy");
    EXPECT_EQ(nazwy.value(0), "Codziennie");
    EXPECT_EQ(nazwy.value(1), "Co tydzień");
    EXPECT_EQ(nazwy.value(3), "Co dwa miesiące");
    EXPECT_EQ(nazwy.value(4), "Co kwartał");
    EXPECT_EQ(nazwy.value(5), "Co pół roku");
    EXPECT_EQ(nazwy.value(7), "Uruchamiane ręcznie");
}

} // namespace
