// The lists of the deposits window written out as shown: "Eksportuj do CSV…"
// through the scripted file chooser, "Drukuj…" through a scripted printer
// that writes PDF, and the printout's pages.
#include "ui/TEksportListy.h"

#include "common/CsvReader.h"
#include "common/ScopedClock.h"
#include "common/ScriptedFileChooser.h"
#include "common/ScriptedMessageBoxes.h"
#include "common/widgets/ListInTest.h"
#include "common/widgets/ScriptedPrinter.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "format/TFormatSettings.h"
#include "ui/TLokatyFormGlowny.h"
#include "ui/TWydrukListy.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

using J = TJednostkaOkresu;

QByteArray Zawartosc(const QString& sciezka) {
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
}

// The pages of a PDF file: its page objects, not the page tree ("/Pages").
int IloscStronPdf(const QString& sciezka) {
    static const QRegularExpression strona(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(Zawartosc(sciezka)).count(strona));
}

// A list's rows as the user sees them, written as the CSV should hold them:
// the group's heading first, the name without its indent, an amount
// without "zł" and blanks.
std::vector<QStringList> WierszeNaEkranie(const QTreeView& lista) {
    std::vector<QStringList> wiersze{QStringList{"Grupa"} + ListInTest::ColumnTitles(lista)};
    for (const QModelIndex& wiersz : ListInTest::Rows(lista)) {
        QStringList komorki = ListInTest::Cells(lista, wiersz);
        komorki.first() = komorki.first().trimmed();
        for (QString& k : komorki)
            if (k.endsWith(" zł") && !k.contains(u'('))
                k = k.chopped(3).remove(u' ');
        wiersze.push_back(QStringList{wiersz.parent().data().toString()} + komorki);
    }
    return wiersze;
}

class EksportListyTest : public testing::Test {
protected:
    EksportListyTest()
        : zegar(EncodeDateTime(2024, 3, 10, 12, 0)), projekt(katalog.filePath("DataFile.dat")) {
        UstawFormaty();
        TKolekcjeDanych& k = projekt.Kolekcje();
        const auto oferta = [&k](int32_t id, const QString& bank, double procent) {
            auto h = std::make_unique<THarmonogramLokatyBankowej>();
            h->fId = id;
            h->fBank = bank;
            h->fNazwaHarmonogramu = "Lokata";
            h->fOkresDepozytu = 3;
            h->fJednostkaDepozytu = J::Miesiac;
            h->fOprocentowanieWSkaliRoku = procent;
            h->fKwotaMinimalna = 1000;
            k.HarmonogramyLokatBankowych().push_back(std::move(h));
        };
        oferta(1, "Alfa", 4.5);
        oferta(2, "Beta; \"Bank\"", 5);
        const auto lokata = [&k](int32_t id, const QString& nazwa, double kwota, TDateTime start,
                                 int32_t idOferty, bool aktywna) {
            k.Lokaty().push_back(std::make_unique<TLokata>(id, nazwa, kwota, start, 3, J::Miesiac,
                                                           idOferty, aktywna,
                                                           TTypModyfikacji::BezZmian));
        };
        lokata(10, "Lokata A", 300000, EncodeDate(2024, 1, 10), 1, true);
        lokata(20, "Na \"wakacje\";\nlato", 2500.5, EncodeDate(2024, 2, 20), 2, true);
        lokata(30, "Stara", 1000, EncodeDate(2023, 1, 1), -1, false);
    }

    TLokatyFormGlowny& pokaz() {
        okno = std::make_unique<TLokatyFormGlowny>();
        okno->MyDB = &projekt;
        okno->show();
        return *okno;
    }

    // Opens the list's menu (which sets the items' states) and picks the item.
    void wybierz(const char* menu, const char* pozycja) {
        emit okno->findChild<QMenu*>(QLatin1String(menu))->aboutToShow();
        auto* akcja = okno->findChild<QAction*>(QLatin1String(pozycja));
        ASSERT_NE(akcja, nullptr) << pozycja;
        ASSERT_TRUE(akcja->isEnabled()) << pozycja;
        akcja->trigger();
    }

    ScopedClock zegar;
    QTemporaryDir katalog;
    TProjektDB projekt;
    ScriptedMessageBoxes komunikaty;
    ScriptedFileChooser pliki;
    std::unique_ptr<TLokatyFormGlowny> okno;
};

// Each list's "Eksportuj do CSV…" writes exactly the rows it shows, group by
// group, read back by a strict CSV reader.
TEST_F(EksportListyTest, EachListWritesTheRowsItShows) {
    const struct {
        int zakladka;
        const char* lista;
        const char* menu;
        const char* pozycja;
        QString nazwa;
    } listy[] = {
        {0, "lv_Lokaty", "pmenu_Lokaty", "EksportujListe1", "Lokaty.csv"},
        {1, "lv_HarmonogramyLokatBankowych", "pmenu_LokatyBankowe", "EksportujListe2",
         "Lokaty oferowane przez banki.csv"},
        {2, "lv_Kalendarz", "pmenu_Kalendarz", "EksportujListe3", "Kalendarz.csv"},
    };
    pokaz();
    for (const auto& l : listy) {
        SCOPED_TRACE(l.lista);
        okno->findChild<QTabWidget*>("pgc_Zakladki")->setCurrentIndex(l.zakladka);
        const QString cel = katalog.filePath(l.nazwa);
        pliki.answers = {cel};
        pliki.requests.clear();
        wybierz(l.menu, l.pozycja);
        ASSERT_EQ(pliki.requests.size(), 1);
        EXPECT_TRUE(pliki.requests[0].save);
        EXPECT_EQ(pliki.requests[0].filter, "Plik CSV (*.csv)");
        EXPECT_EQ(pliki.requests[0].suggestedName, l.nazwa);
        const QByteArray bajty = Zawartosc(cel);
        EXPECT_TRUE(bajty.startsWith("\xEF\xBB\xBF"));
        const auto wiersze = CsvReader::Read(QString::fromUtf8(bajty));
        ASSERT_TRUE(wiersze.has_value()) << bajty.toStdString();
        const QTreeView* lista = ListInTest::FindList(*okno, l.lista);
        EXPECT_EQ(*wiersze, WierszeNaEkranie(*lista));
        EXPECT_EQ(wiersze->size(), ListInTest::Rows(*lista).size() + 1u);
    }
    EXPECT_TRUE(komunikaty.messages.isEmpty()) << komunikaty.texts().join('\n').toStdString();
}

TEST_F(EksportListyTest, DepositRowsKeepTheirGroupQuotesAndPlainAmounts) {
    pokaz();
    const QString cel = katalog.filePath("lokaty.csv");
    // The data file itself is refused; the chooser opens again.
    pliki.answers = {projekt.PlikiDB().DataFile(), cel};
    const QByteArray bazaPrzed = Zawartosc(projekt.PlikiDB().DataFile());
    wybierz("pmenu_Lokaty", "EksportujListe1");
    EXPECT_EQ(pliki.requests.size(), 2);
    EXPECT_EQ(komunikaty.messages.size(), 1);
    EXPECT_EQ(Zawartosc(projekt.PlikiDB().DataFile()), bazaPrzed);

    const auto wiersze = CsvReader::Read(QString::fromUtf8(Zawartosc(cel)));
    ASSERT_TRUE(wiersze.has_value());
    ASSERT_EQ(wiersze->size(), 4u);
    EXPECT_EQ((*wiersze)[1].mid(0, 5),
              QStringList({"Lokaty aktywne", "Lokata A", "300000,00", "2024-01-10", "3 miesiące"}));
    EXPECT_EQ((*wiersze)[2].mid(0, 3),
              QStringList({"Lokaty aktywne", "Na \"wakacje\";\nlato", "2500,50"}));
    EXPECT_EQ((*wiersze)[3].mid(0, 3),
              QStringList({"Lokaty nieaktywne, zakończone", "Stara", "1000,00"}));
    EXPECT_EQ((*wiersze)[3][7], "wybierz lokatę bankową aby policzyć szacowany zysk");
}

TEST_F(EksportListyTest, PrintGoesToThePrinterAndACancelLeavesNothing) {
    pokaz();
    ScriptedPrinter drukarka;
    wybierz("pmenu_Lokaty", "DrukujListe1");
    EXPECT_EQ(drukarka.documents, QStringList{"Lokaty"});

    drukarka.pdfFile = katalog.filePath("lokaty.pdf");
    okno->findChild<QTabWidget*>("pgc_Zakladki")->setCurrentIndex(1);
    wybierz("pmenu_LokatyBankowe", "DrukujListe2");
    EXPECT_EQ(drukarka.documents, QStringList({"Lokaty", "Lokaty oferowane przez banki"}));
    EXPECT_EQ(IloscStronPdf(drukarka.pdfFile), 1);
    EXPECT_TRUE(Zawartosc(drukarka.pdfFile).startsWith("%PDF-"));
    EXPECT_TRUE(komunikaty.messages.isEmpty());
}

TEST_F(EksportListyTest, AnEmptyListOffersNeitherExportNorPrint) {
    projekt.Kolekcje().Lokaty().clear();
    pokaz();
    emit okno->findChild<QMenu*>("pmenu_Lokaty")->aboutToShow();
    EXPECT_FALSE(okno->findChild<QAction*>("EksportujListe1")->isEnabled());
    EXPECT_FALSE(okno->findChild<QAction*>("DrukujListe1")->isEnabled());
    emit okno->findChild<QMenu*>("pmenu_Kalendarz")->aboutToShow();
    EXPECT_FALSE(okno->findChild<QAction*>("EksportujListe3")->isEnabled());
}

// 200 rows in two groups spread over several A4 pages: each row on exactly
// one page, in order, and the PDF has as many pages as the layout.
TEST(WydrukListy, LongListsFillSeveralPagesWithEveryRowOnce) {
    QTemporaryDir katalog;
    UstawFormaty();
    const auto tabela = [](int ile) {
        TTabelaListy t;
        t.tytul = "Lokaty";
        t.kolumny = {"Nazwa", "Kwota", "Uwagi"};
        t.doPrawej = {false, true, false};
        t.grupy = true;
        for (int i = 0; i < ile; ++i)
            t.wiersze.push_back({i < ile / 2 ? "Lokaty aktywne" : "Lokaty nieaktywne",
                                 {QStringLiteral("Lokata %1").arg(i), "1 000,00 zł",
                                  QString(i % 7 == 0 ? 300 : 5, u'x')}});
        t.podsumowanie = "Ilość aktywnych lokat: 100";
        return t;
    };
    for (const int ile : {3, 200}) {
        SCOPED_TRACE(ile);
        const TTabelaListy t = tabela(ile);
        const QString sciezka = katalog.filePath(QStringLiteral("lista%1.pdf").arg(ile));
        std::vector<std::vector<int>> strony;
        {
            QPdfWriter pdf(sciezka);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageOrientation(QPageLayout::Landscape);
            const TWydrukListy wydruk(t, EncodeDateTime(2024, 3, 10, 12, 0));
            strony = wydruk.Strony(pdf);
            ASSERT_TRUE(wydruk.Drukuj(pdf));
        }
        std::vector<int> wszystkie;
        for (const auto& strona : strony)
            wszystkie.insert(wszystkie.end(), strona.begin(), strona.end());
        std::vector<int> kolejne(static_cast<std::size_t>(ile));
        std::iota(kolejne.begin(), kolejne.end(), 0);
        EXPECT_EQ(wszystkie, kolejne);
        EXPECT_EQ(IloscStronPdf(sciezka), static_cast<int>(strony.size()));
        if (ile == 3)
            EXPECT_EQ(strony.size(), 1u);
        else
            EXPECT_GE(strony.size(), 4u) << "about 40 rows fit an A4 landscape page";
    }
}

} // namespace
