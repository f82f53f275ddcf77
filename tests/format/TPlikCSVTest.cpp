#include "format/TPlikCSV.h"

#include "common/CsvReader.h"
#include "format/Formatowanie.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PlikCSVTest : public testing::Test {
protected:
    PlikCSVTest() { UstawFormaty(); }
};

TEST_F(PlikCSVTest, FieldsAreQuotedOnlyWhenTheyMustBe) {
    const struct {
        QString tekst, pole;
    } przypadki[] = {
        {"Lokata roczna", "Lokata roczna"},
        {"", ""},
        {"1234,56", "1234,56"},
        {"Żółta, zielona", "Żółta, zielona"},
        {"a;b", "\"a;b\""},
        {"Bank \"Nowy\"", "\"Bank \"\"Nowy\"\"\""},
        {"dwie\nlinie", "\"dwie\nlinie\""},
        {"dwie\r\nlinie\r", "\"dwie\r\nlinie\r\""},
        {"\"", "\"\"\"\""},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(TPlikCSV::Pole(p.tekst), p.pole) << p.tekst.toStdString();
}

TEST_F(PlikCSVTest, AmountsAsShownBecomePlainNumbersOtherTextsStay) {
    const struct {
        QString komorka, wartosc;
    } przypadki[] = {
        {FormatMoney(1234.56), "1234,56"},
        {FormatMoney(-1234567.5), "-1234567,50"},
        {FormatMoney(0), "0,00"},
        {FormatMoney(300000), "300000,00"},
        {FormatMoney(999.99), "999,99"},
        {FormatMoney(1e15), "1000000000000000,00"},
        // Not amounts as the list shows them: kept as they are.
        {"4,50%", "4,50%"},
        {"(brak)", "(brak)"},
        {"1234,56", "1234,56"},
        {"2024-03-10", "2024-03-10"},
        {"45", "45"},
        {"zł", "zł"},
        {"-", "-"},
        {"Lokata " + FormatMoney(100), "Lokata " + FormatMoney(100)},
        {FormatMoney(100) + " i więcej", FormatMoney(100) + " i więcej"},
        {FormatMoney(std::numeric_limits<double>::infinity()),
         FormatMoney(std::numeric_limits<double>::infinity())},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(TPlikCSV::Wartosc(p.komorka), p.wartosc) << p.komorka.toStdString();

    // The currency's place and the separators come from the formats.
    TFormatSettings dolary = FormatyProcesu();
    dolary.CurrencyString = "$";
    dolary.CurrencyFormat = 0;
    dolary.ThousandSeparator = u',';
    dolary.DecimalSeparator = u'.';
    EXPECT_EQ(TPlikCSV::Wartosc("$1,234,567.89", dolary), "1234567,89");
    EXPECT_EQ(TPlikCSV::Wartosc("-$0.50", dolary), "-0,50");
    EXPECT_EQ(TPlikCSV::Wartosc("$12,34.00", dolary), "$12,34.00");
    EXPECT_EQ(TPlikCSV::Wartosc("1,234.00", dolary), "1,234.00");
}

TEST_F(PlikCSVTest, AReaderGetsTheCaptionsAndTheRowsAsShown) {
    TTabelaListy tabela;
    tabela.kolumny = {"Nazwa", "Kwota", "Uwagi"};
    tabela.grupy = true;
    tabela.wiersze = {
        {"Lokaty aktywne", {"Wakacje; \"nad morzem\"", FormatMoney(10000.55), "dwie\r\nlinie"}},
        {"Lokaty aktywne", {"Żółw", FormatMoney(-5), ""}},
        {"Grupa; \"druga\"", {"", FormatMoney(1234567), "4,50%"}},
    };
    const QString tekst = TPlikCSV::Tekst(tabela);
    EXPECT_TRUE(tekst.startsWith(QChar(QChar::ByteOrderMark)));
    EXPECT_TRUE(tekst.endsWith("\r\n"));
    EXPECT_EQ(TPlikCSV::Bajty(tabela).left(3), QByteArray("\xEF\xBB\xBF"));
    EXPECT_EQ(TPlikCSV::Bajty(tabela), tekst.toUtf8());

    const auto wiersze = CsvReader::Read(tekst);
    ASSERT_TRUE(wiersze.has_value()) << tekst.toStdString();
    const std::vector<QStringList> oczekiwane = {
        {"Grupa", "Nazwa", "Kwota", "Uwagi"},
        {"Lokaty aktywne", "Wakacje; \"nad morzem\"", "10000,55", "dwie\r\nlinie"},
        {"Lokaty aktywne", "Żółw", "-5,00", ""},
        {"Grupa; \"druga\"", "", "1234567,00", "4,50%"},
    };
    EXPECT_EQ(*wiersze, oczekiwane);

    // A list without groups has no group column; an empty list keeps its captions.
    tabela.grupy = false;
    tabela.wiersze.resize(1);
    EXPECT_EQ(*CsvReader::Read(TPlikCSV::Tekst(tabela)),
              (std::vector<QStringList>{{"Nazwa", "Kwota", "Uwagi"},
                                        {"Wakacje; \"nad morzem\"", "10000,55", "dwie\r\nlinie"}}));
    tabela.wiersze.clear();
    EXPECT_EQ(TPlikCSV::Tekst(tabela),
              QString(QChar(QChar::ByteOrderMark)) + "Nazwa;Kwota;Uwagi\r\n");
}

// Texts from web pages and offer files must not become formulas in a
// spreadsheet; numbers stay numbers.
TEST_F(PlikCSVTest, TextsThatLookLikeFormulasAreKeptAsText) {
    TTabelaListy tabela;
    tabela.kolumny = {"Nazwa", "Dni"};
    for (const char* nazwa : {"=HYPERLINK(\"x\")", "+1+1", "-1+cmd", "@SUM(A1)", "\tx", "Zwykła"})
        tabela.wiersze.push_back({{}, {QString::fromUtf8(nazwa), "-10"}});
    tabela.wiersze.push_back({{}, {"Ujemna", FormatMoney(-5)}});
    const auto wiersze = CsvReader::Read(TPlikCSV::Tekst(tabela));
    ASSERT_TRUE(wiersze.has_value());
    QStringList nazwy;
    for (std::size_t i = 1; i < wiersze->size(); ++i)
        nazwy << (*wiersze)[i][0];
    EXPECT_EQ(nazwy, (QStringList{"'=HYPERLINK(\"x\")", "'+1+1", "'-1+cmd", "'@SUM(A1)", "'\tx",
                                  "Zwykła", "Ujemna"}));
    EXPECT_EQ((*wiersze)[1][1], "-10");
    EXPECT_EQ(wiersze->back()[1], "-5,00");
}

TEST_F(PlikCSVTest, WritesTheWholeFileOrSaysWhyNot) {
    QTemporaryDir katalog;
    TTabelaListy tabela;
    tabela.kolumny = {"Nazwa"};
    tabela.wiersze = {{QString(), {"Żółw"}}};
    const QString sciezka = katalog.filePath("lista.csv");
    ASSERT_EQ(TPlikCSV::Zapisz(sciezka, tabela), QString());
    QFile plik(sciezka);
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
    EXPECT_EQ(plik.readAll(), TPlikCSV::Bajty(tabela));

    const QString blad = TPlikCSV::Zapisz(katalog.path(), tabela);
    EXPECT_TRUE(blad.startsWith("Nie udało się zapisać pliku")) << blad.toStdString();
    EXPECT_EQ(QDir(katalog.path()).entryList(QDir::Files), QStringList{"lista.csv"});
}

} // namespace
