#include "import/ParserStronyLokat.h"
#include "common/Fixtures.h"
#include "import/EImportError.h"
#include "import/TDokumentHTML.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kBank = QStringLiteral("Bank Przykładowy");

// The offers of a page and the error that stopped it (empty when none).
struct TWynikStrony {
    TListaOfert oferty;
    QString blad;
    int wiersze = 0;
};

TWynikStrony Parsuj(const QByteArray& tresc) {
    TWynikStrony wynik;
    try {
        ParsujTrescStrony(
            tresc, kBank, [&](TOferta o) { wynik.oferty.push_back(std::move(o)); },
            [&] { ++wynik.wiersze; });
    } catch (const EImportError& e) {
        wynik.blad = e.Message();
    }
    return wynik;
}

struct TOczekiwana {
    const char* nazwa;
    uint32_t okres;
    TJednostkaOkresu jednostka;
    double minimum;
    double maksimum;
    bool stale;
    double procent;
    TKapitalizacja kapitalizacja;
    bool zerwanie;
    const char* warunki;
    bool konto;
    const char* informacje;
};

void Sprawdz(const THarmonogramLokatyBankowej& o, const TOczekiwana& e) {
    SCOPED_TRACE(e.nazwa);
    EXPECT_EQ(o.fNazwaHarmonogramu, QString::fromUtf8(e.nazwa));
    EXPECT_EQ(o.fBank, kBank);
    EXPECT_EQ(o.fOkresDepozytu, e.okres);
    EXPECT_EQ(o.fJednostkaDepozytu, e.jednostka);
    EXPECT_EQ(o.fKwotaMinimalna, e.minimum);
    EXPECT_EQ(o.fKwotaMaksymalna, e.maksimum);
    EXPECT_EQ(o.fOprocentowanieStaleWCalymOkresieLokaty, e.stale);
    EXPECT_DOUBLE_EQ(o.fOprocentowanieWSkaliRoku, e.procent);
    EXPECT_EQ(o.fKapitalizacja, e.kapitalizacja);
    EXPECT_EQ(o.fMozliwoscWczesniejszegoZerwaniaLokaty, e.zerwanie);
    EXPECT_EQ(o.fWarunkiWczesniejszegoZerwaniaLokaty, QString::fromUtf8(e.warunki));
    EXPECT_EQ(o.fWymaganeKontoOsobisteWTymBanku, e.konto);
    EXPECT_EQ(o.fPozostaleInformacje, QString::fromUtf8(e.informacje));
    EXPECT_FALSE(o.fHarmonogramDodanyPrzezUzytkownika);
    EXPECT_EQ(o.fZmiany, TTypModyfikacji::Dodano);
    EXPECT_EQ(o.fId, -1);
}

using J = TJednostkaOkresu;
using K = TKapitalizacja;

// The offers of strona_lokat.html: the worked example first, savings rows
// left out, then the second "lokaty" table.
const TOczekiwana kOfertyStrony[] = {
    {"Lokata na start", 6, J::Miesiac, 1000, 100000, true, 5.10, K::PoOkresieUmowy, true,
     "utrata odsetek", false, "tylko dla nowych klientów"},
    {"Lokata & bonus", 2, J::Rok, 500, 50000.5, false, 4.0, K::Dzienna, false, "nie dotyczy", true,
     "tylko online, R&D"},
    {"Łatwa lokata", 3, J::Tydzien, 2000, 20000, true, 3.25, K::Roczna, true, "", false, ""},
    {"Lokata krótka", 10, J::Dzien, 100, 10000, true, 2.5, K::Roczna, true, "", false, ""},
    {"Lokata roczna", 1, J::Rok, 10000, 1000000, true, 6.0, K::Miesieczna, true, "", false, ""},
};

TEST(ParserStronyLokatTest, BankPageGivesItsOffersInPageOrder) {
    const TWynikStrony wynik = Parsuj(CzytajFixture("strona_lokat.html"));
    EXPECT_TRUE(wynik.blad.isEmpty()) << wynik.blad.toStdString();
    ASSERT_EQ(wynik.oferty.size(), std::size(kOfertyStrony));
    for (size_t i = 0; i < wynik.oferty.size(); ++i)
        Sprawdz(*wynik.oferty[i], kOfertyStrony[i]);
    // Every row with a class of both tables, the two savings rows included.
    EXPECT_EQ(wynik.wiersze, 7);
}

TEST(ParserStronyLokatTest, UpperCaseTagsAndQuotedAttributesGiveTheSameOffers) {
    const TWynikStrony wynik = Parsuj(CzytajFixture("strona_lokat_wielkie_litery.html"));
    EXPECT_TRUE(wynik.blad.isEmpty()) << wynik.blad.toStdString();
    ASSERT_EQ(wynik.oferty.size(), std::size(kOfertyStrony));
    for (size_t i = 0; i < wynik.oferty.size(); ++i)
        Sprawdz(*wynik.oferty[i], kOfertyStrony[i]);
}

TEST(ParserStronyLokatTest, PolishLegacyEncodingsAreDecoded) {
    for (const char* nazwa : {"strona_lokat_iso8859-2.html", "strona_lokat_windows-1250.html"}) {
        const TWynikStrony wynik = Parsuj(CzytajFixture(nazwa));
        ASSERT_EQ(wynik.oferty.size(), 1u) << nazwa;
        Sprawdz(*wynik.oferty[0],
                {"Świąteczna łąka", 3, J::Miesiac, 1000, 5000, true, 4.2, K::Miesieczna, true,
                 "utrata połowy odsetek", false, "Żółta ścieżka, źródło"});
    }
}

TEST(ParserStronyLokatTest, MissingFileGivesNoOffersAndNoError) {
    int oferty = 0;
    EXPECT_NO_THROW(ParsujStroneZLokatami(QStringLiteral("/nie/ma/takiej/strony.html"), kBank,
                                          [&](TOferta) { ++oferty; }));
    EXPECT_EQ(oferty, 0);
}

TEST(ParserStronyLokatTest, FileOnDiskIsParsedLikeThePageInMemory) {
    int oferty = 0;
    ParsujStroneZLokatami(SciezkaFixture("strona_lokat.html"), kBank, [&](TOferta) { ++oferty; });
    EXPECT_EQ(oferty, 5);
}

// A page of one table "lokaty" with the given rows, with or without the
// hidden section holding the box "b1".
QByteArray Strona(const QString& wiersze, bool zSekcja = true,
                  const QString& idTabeli = QStringLiteral("lokaty")) {
    const QString sekcja =
        zSekcja ? QStringLiteral("<div class=\"hidden\"><div id=\"b1\"><div class=\"lokata\">"
                                 "<b>Informacje dodatkowe:</b> x</div></div></div>")
                : QString();
    return (QStringLiteral("<html><body>") + sekcja + QStringLiteral("<table id=\"") + idTabeli +
            QStringLiteral("\">") + wiersze + QStringLiteral("</table></body></html>"))
        .toUtf8();
}

QString Wiersz(const QString& okres, const QString& stawka, const QString& maksimum = "5 000 zł") {
    return QStringLiteral("<tr class=\"r1\"><td>-</td><td>%1</td><td>%2</td><td>100 zł</td>"
                          "<td>%3</td><td>lokata</td><td>stałe</td><td>-</td></tr>")
        .arg(okres, stawka, maksimum);
}

const QString kDobraStawka = QStringLiteral("<b>3%</b><div>kapitalizacja miesięczna</div>");

TEST(ParserStronyLokatTest, PageErrorsStopThePageAndKeepTheOffersBefore) {
    struct TPrzypadek {
        QByteArray strona;
        size_t oferty;
        QString blad;
    };
    const TPrzypadek przypadki[] = {
        {Strona(Wiersz("3 M", kDobraStawka), false), 0,
         "Strona WWW ma zmienioną strukturę, nie można pobrać sekcji \"hidden\""},
        {Strona(Wiersz("3 M", kDobraStawka) + Wiersz("6 M", kDobraStawka, "") +
                Wiersz("9 M", kDobraStawka)),
         1,
         "Strona WWW ma zmienioną strukturę, nie można sparsować wiersza tabeli, zmieniła się "
         "ilość kolumn"},
        {Strona(Wiersz("3 M", kDobraStawka) +
                Wiersz("6 M", "<b>3%</b><div>Kapitalizacja tygodniowa</div>")),
         1, "Nie można pobrać kapitalizacji\rkapitalizacja tygodniowa"},
        {Strona(Wiersz("3 M", "<b>3%</b>kapitalizacja miesięczna")), 0,
         "Nie można pobrać kapitalizacji\r<b>3%</b>kapitalizacja miesięczna"},
        {Strona(Wiersz("3 M", "<b>BRAK</b><div>x</div>")), 0,
         "Nie można pobrać oprocentowania\r<b>brak</b><div>x</div>"},
        {Strona(Wiersz("kilka", kDobraStawka)), 0, "Nie można pobrać jednostki depozytu\rkilka"},
        {Strona(Wiersz("3 M", kDobraStawka), true, "oferty"), 0, ""},
        {"<html><body><div class=hidden></div></body></html>", 0, ""},
    };
    for (const TPrzypadek& p : przypadki) {
        const TWynikStrony wynik = Parsuj(p.strona);
        EXPECT_EQ(wynik.blad, p.blad) << p.strona.toStdString();
        EXPECT_EQ(wynik.oferty.size(), p.oferty) << p.strona.toStdString();
    }
}

TEST(ParserStronyLokatTest, PeriodCellsGiveNumberAndUnit) {
    struct TOkres {
        const char* komorka;
        uint32_t okres;
        TJednostkaOkresu jednostka;
    };
    const TOkres przypadki[] = {
        {"3 M", 3, J::Miesiac},   {"24 M", 2, J::Rok},        {"12 M", 1, J::Rok},
        {"21 D", 3, J::Tydzien},  {"10 D", 10, J::Dzien},     {"1 R", 1, J::Rok},
        {"? D", 0, J::Tydzien},   {"? M", 0, J::Rok},         {"2,5 M", 2, J::Miesiac},
        {"3,5 m", 4, J::Miesiac}, {"dni: 14", 2, J::Tydzien},
    };
    for (const TOkres& p : przypadki) {
        const QString komorka = QString::fromUtf8(p.komorka);
        EXPECT_EQ(PobierzOkresDepozytu(komorka), p.okres) << p.komorka;
        EXPECT_EQ(PobierzJednostkeDepozytu(komorka), p.jednostka) << p.komorka;
    }
    for (const char* zla : {"", "  ", "42"}) {
        EXPECT_THROW(PobierzOkresDepozytu(QString::fromUtf8(zla)), EImportError) << zla;
        EXPECT_THROW(PobierzJednostkeDepozytu(QString::fromUtf8(zla)), EImportError) << zla;
    }
}

TEST(ParserStronyLokatTest, RateCellsGiveRateAndCapitalisation) {
    struct TStawka {
        const char* komorka;
        double procent;
        TKapitalizacja kapitalizacja;
    };
    const TStawka przypadki[] = {
        {"<b>5,10%</b><div>kapitalizacja po okresie</div>", 5.10, K::PoOkresieUmowy},
        {"<b>1%</b><div>kapitalizacja codzienna</div>", 1, K::Dzienna},
        {"<b>1%</b><div>kapitalizacja półroczna</div>", 1, K::Roczna},
        {"<b>1%</b><div>kapitalizacja na rachunek</div>", 1, K::Roczna},
        {"<b>1%</b><div>po roku</div>", 1, K::Roczna},
        {"<b>1%</b><div>kwartalna</div>", 1, K::Kwartalna},
        {"<b>1%</b><div>co miesiąc, miesięczna</div>", 1, K::Miesieczna},
        // Without "<b>" the number is read from the second character on.
        {"14,50%<div>kwartalna</div>", 4.5, K::Kwartalna},
        {"<b>oko</b> 7%<div>kwartalna</div>", 7, K::Kwartalna},
    };
    for (const TStawka& p : przypadki) {
        const QString komorka = QString::fromUtf8(p.komorka);
        EXPECT_DOUBLE_EQ(PobierzOprocentowanie(komorka), p.procent) << p.komorka;
        EXPECT_EQ(PobierzKapitalizacje(komorka), p.kapitalizacja) << p.komorka;
    }
}

TEST(ParserStronyLokatTest, DetailBoxIdIsTheQuotedArgumentOfTagToTip) {
    const std::pair<const char*, const char*> przypadki[] = {
        {R"x(<a onmouseover="TagToTip(`lok17`);">x</a>)x", "lok17"},
        {R"x(<a onmouseover="tagtotip(`A-1`);">x</a>)x", "A-1"},
        {R"x(<a onmouseover="TagToTip(`lok17`)">x</a>)x", ""},
        {R"x(<a onmouseover=x>TagToTip</a>)x", ""},
        {R"x();"<a onmouseover="TagToTip(`lok17`);">)x", ""},
        {"", ""},
    };
    for (const auto& [komorka, id] : przypadki)
        EXPECT_EQ(PobierzIdPodpowiedzi(QString::fromUtf8(komorka)), QString::fromUtf8(id))
            << komorka;
}

TEST(ParserStronyLokatTest, SavingsAccountsAndBlankRowsGiveNoOffer) {
    const TDokumentHTML dokument("<body><div class=hidden></div></body>");
    const TSekcjaSzczegolow sekcja(*dokument.Body());
    EXPECT_TRUE(ParsujWierszTabeli(QStringLiteral(" \r\n "), kBank, sekcja).empty());
    const QString oszczednosci =
        QStringLiteral("<td>-</td><td>1 M</td><td>x</td><td>1</td><td>2</td>"
                       "<td>eKonto Oszczędnościowe</td><td>stałe</td><td>-</td>");
    EXPECT_TRUE(ParsujWierszTabeli(oszczednosci, kBank, sekcja).empty());
    EXPECT_FALSE(JestLokata(QStringLiteral("Rachunek Oszczędzam")));
    EXPECT_TRUE(JestLokata(QStringLiteral("lokata oszczędnościowa")));
}

} // namespace
