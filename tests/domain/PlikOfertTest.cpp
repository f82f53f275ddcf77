// The offer file: the writer's exact bytes, the tolerant reader, files cut
// short or made of random bytes, and the export to a path.
#include "domain/PlikOfert.h"

#include "common/ScopedClock.h"
#include "format/EPlikOfert.h"
#include "format/TOdczytStrumienia.h"
#include "format/TZapisStrumienia.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <thread>

namespace {

using J = TJednostkaOkresu;
using K = TKapitalizacja;

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

// The message the reading of these bytes fails with; empty when it succeeds.
QString BladOdczytu(QByteArrayView bajty) {
    try {
        OdczytajOfertyZBajtow(bajty);
    } catch (const EPlikOfert& blad) {
        return blad.Message();
    }
    return {};
}

std::unique_ptr<THarmonogramLokatyBankowej> OfertaZPrzykladu() {
    auto h = std::make_unique<THarmonogramLokatyBankowej>();
    h->fNazwaHarmonogramu = "Lokata";
    h->fBank = "Alfa";
    h->fOkresDepozytu = 3;
    h->fJednostkaDepozytu = J::Miesiac;
    h->fOprocentowanieStaleWCalymOkresieLokaty = true;
    h->fOprocentowanieWSkaliRoku = 4.5;
    h->fKapitalizacja = K::PoOkresieUmowy;
    h->fKwotaMinimalna = 1000;
    h->fMozliwoscWczesniejszegoZerwaniaLokaty = true;
    h->fHarmonogramDodanyPrzezUzytkownika = true;
    return h;
}

const char* const kPrzyklad =
    "54 50 46 30 01"
    "01 06 1A 54 48 61 72 6D 6F 6E 6F 67 72 61 6D 4C 6F 6B 61 74 79 42 61 6E 6B 6F 77 65 6A"
    "01 06 06 4C 6F 6B 61 74 61 06 04 41 6C 66 61"
    "02 03 02 02 09"
    "05 00 00 00 00 00 00 00 90 01 40"
    "02 04"
    "05 00 00 00 00 00 00 00 FA 08 40 05 00 00 00 00 00 00 00 00 00 00"
    "08 09 09"
    "12 00 00 00 00 12 00 00 00 00"
    "00 00 00";

TListaOfert Lista(std::unique_ptr<THarmonogramLokatyBankowej> h) {
    TListaOfert lista;
    lista.push_back(std::move(h));
    return lista;
}

// A file of one entry whose class name is followed by these record bytes.
QByteArray PlikZRekordami(const QByteArray& rekordy) {
    return Hex("54 50 46 30 01 01 06 01 54") + rekordy + Hex("00 00");
}

// The record of the worked example with one field's bytes replaced: the
// bytes are those of the example up to `od` and from `do_` on, counted from
// the record's start tag.
QByteArray RekordZmieniony(int od, int do_, const QByteArray& wstawka) {
    const QByteArray rekord = Hex(kPrzyklad).mid(34, 69);
    return rekord.left(od) + wstawka + rekord.mid(do_);
}

TEST(PlikOfert, WritesTheWorkedExampleAndAnEmptyCatalogueByteForByte) {
    EXPECT_EQ(ZapiszOfertyDoBajtow(Lista(OfertaZPrzykladu())).toHex(' '),
              Hex(kPrzyklad).toHex(' '));
    EXPECT_EQ(ZapiszOfertyDoBajtow({}), Hex("54 50 46 30 01 00"));
}

TEST(PlikOfert, ValuesTakeTheShortestTag) {
    const struct {
        std::function<void(TZapisStrumienia&)> zapisz;
        QByteArray bajty;
    } przypadki[] = {
        {[](auto& z) { z.WriteInteger(-128); }, Hex("02 80")},
        {[](auto& z) { z.WriteInteger(128); }, Hex("03 80 00")},
        {[](auto& z) { z.WriteInteger(-32769); }, Hex("04 FF 7F FF FF")},
        {[](auto& z) { z.WriteInt64(2147483647); }, Hex("04 FF FF FF 7F")},
        {[](auto& z) { z.WriteInt64(4294967295); }, Hex("13 FF FF FF FF 00 00 00 00")},
        {[](auto& z) { z.WriteFloat(0); }, Hex("05 00 00 00 00 00 00 00 00 00 00")},
        {[](auto& z) { z.WriteString(""); }, Hex("12 00 00 00 00")},
        {[](auto& z) { z.WriteString("Alfa"); }, Hex("06 04 41 6C 66 61")},
        {[](auto& z) { z.WriteString(QString(256, 'a')); },
         Hex("0C 00 01 00 00") + QByteArray(256, 'a')},
        {[](auto& z) { z.WriteString("łó"); }, Hex("12 02 00 00 00 42 01 F3 00")},
        {[](auto& z) { z.WriteString("Bank Śl"); }, Hex("14 08 00 00 00 42 61 6E 6B 20 C5 9A 6C")},
    };
    for (const auto& p : przypadki) {
        TZapisStrumienia zapis;
        p.zapisz(zapis);
        EXPECT_EQ(zapis.Bajty().toHex(' '), p.bajty.toHex(' '));
    }
}

// Every stored field survives a round trip; texts of Polish letters among
// plain ones go as UTF-8, texts of Polish letters only as UTF-16. A deleted
// offer comes back as a new one, and a term above 2^31 - 1 can be read back.
TEST(PlikOfert, RoundTripKeepsTheFourteenStoredFields) {
    const TDateTime teraz = EncodeDateTime(2026, 3, 1, 9, 30);
    ScopedClock zegar(teraz);
    TListaOfert oferty;
    auto a = OfertaZPrzykladu();
    a->fId = 17;
    a->fZmiany = TTypModyfikacji::Usunieto;
    a->fBank = "Bank Spółdzielczy w Łodzi";
    a->fNazwaHarmonogramu = "łóżźćęąś";
    a->fOkresDepozytu = 3000000000u;
    a->fJednostkaDepozytu = J::Brak;
    a->fOprocentowanieWSkaliRoku = 0.1;
    a->fKapitalizacja = K::Polroczna;
    a->fKwotaMinimalna = 1234.56;
    a->fKwotaMaksymalna = 1e11;
    a->fWymaganeKontoOsobisteWTymBanku = true;
    a->fWarunkiWczesniejszegoZerwaniaLokaty = QString(300, QChar(u'ż'));
    a->fPozostaleInformacje = "Odsetki; \"premia\" 'x'";
    oferty.push_back(std::move(a));
    oferty.push_back(std::make_unique<THarmonogramLokatyBankowej>());

    const TListaOfert odczytane = OdczytajOfertyZBajtow(ZapiszOfertyDoBajtow(oferty));
    ASSERT_EQ(odczytane.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const auto& z = *oferty[i];
        const auto& o = *odczytane[i];
        EXPECT_EQ(o.fNazwaHarmonogramu, z.fNazwaHarmonogramu);
        EXPECT_EQ(o.fBank, z.fBank);
        EXPECT_EQ(o.fOkresDepozytu, z.fOkresDepozytu);
        EXPECT_EQ(o.fJednostkaDepozytu, z.fJednostkaDepozytu);
        EXPECT_EQ(o.fOprocentowanieStaleWCalymOkresieLokaty,
                  z.fOprocentowanieStaleWCalymOkresieLokaty);
        EXPECT_EQ(o.fOprocentowanieWSkaliRoku, z.fOprocentowanieWSkaliRoku);
        EXPECT_EQ(o.fKapitalizacja, z.fKapitalizacja);
        EXPECT_EQ(o.fKwotaMinimalna, z.fKwotaMinimalna);
        EXPECT_EQ(o.fKwotaMaksymalna, z.fKwotaMaksymalna);
        EXPECT_EQ(o.fWymaganeKontoOsobisteWTymBanku, z.fWymaganeKontoOsobisteWTymBanku);
        EXPECT_EQ(o.fMozliwoscWczesniejszegoZerwaniaLokaty,
                  z.fMozliwoscWczesniejszegoZerwaniaLokaty);
        EXPECT_EQ(o.fHarmonogramDodanyPrzezUzytkownika, z.fHarmonogramDodanyPrzezUzytkownika);
        EXPECT_EQ(o.fWarunkiWczesniejszegoZerwaniaLokaty, z.fWarunkiWczesniejszegoZerwaniaLokaty);
        EXPECT_EQ(o.fPozostaleInformacje, z.fPozostaleInformacje);
        EXPECT_EQ(o.fId, -1);
        EXPECT_EQ(o.fZmiany, TTypModyfikacji::Dodano);
        EXPECT_EQ(o.fDataDodaniaModyfikacji, teraz);
    }
}

TEST(PlikOfert, ReaderAcceptsWhatOlderWritersStored) {
    // Rate as a double (0x15), minimum as an 8-bit integer, maximum as a
    // 64-bit integer, a Boolean byte 0x07, texts in the Polish Windows code
    // page, and a second record after the first in the same entry.
    const QByteArray rekord =
        Hex("01 06 03 B3 F3 BF 0C 03 00 00 00 A3 F3 64 02 03 02 02 07"
            "15 00 00 00 00 00 00 12 40 02 01 02 64 13 00 E4 0B 54 02 00 00 00"
            "08 09 08 12 00 00 00 00 12 00 00 00 00 00");
    const TListaOfert oferty = OdczytajOfertyZBajtow(PlikZRekordami(rekord + rekord));
    ASSERT_EQ(oferty.size(), 2u);
    const auto& o = *oferty[1];
    EXPECT_EQ(o.fNazwaHarmonogramu, "łóż");
    EXPECT_EQ(o.fBank, "Łód");
    EXPECT_EQ(o.fOkresDepozytu, 3u);
    EXPECT_FALSE(o.fOprocentowanieStaleWCalymOkresieLokaty);
    EXPECT_EQ(o.fOprocentowanieWSkaliRoku, 4.5);
    EXPECT_EQ(o.fKapitalizacja, K::Miesieczna);
    EXPECT_EQ(o.fKwotaMinimalna, 100);
    EXPECT_EQ(o.fKwotaMaksymalna, 1e10);
    EXPECT_TRUE(o.fMozliwoscWczesniejszegoZerwaniaLokaty);
}

TEST(PlikOfert, ReaderRefusesWhatDoesNotFit) {
    // Offsets in the record of the worked example (after its start tag).
    const struct {
        const char* opis;
        QByteArray plik;
        QString blad;
    } przypadki[] = {
        {"other signature", Hex("54 50 46 31 01 00"), "Invalid stream format"},
        {"no list", Hex("54 50 46 30 02 00"), "Invalid property value"},
        {"unit as 64-bit",
         PlikZRekordami(RekordZmieniony(17, 19, Hex("13 02 00 00 00 00 00 00 00"))),
         "Invalid property value"},
        {"term above 32 bits",
         PlikZRekordami(RekordZmieniony(15, 17, Hex("13 00 00 00 00 01 00 00 00"))),
         "Invalid property value"},
        {"negative 64-bit term",
         PlikZRekordami(RekordZmieniony(15, 17, Hex("13 FF FF FF FF FF FF FF FF"))),
         "Invalid property value"},
        {"name as a Boolean", PlikZRekordami(RekordZmieniony(1, 9, Hex("09"))),
         "Invalid property value"},
        {"rate as a text", PlikZRekordami(RekordZmieniony(20, 31, Hex("06 00"))),
         "Invalid property value"},
        {"text longer than the file", PlikZRekordami(RekordZmieniony(1, 9, Hex("0C FF FF FF 7F"))),
         "Stream read error"},
        {"wide text longer than the file",
         PlikZRekordami(RekordZmieniony(1, 9, Hex("12 FF FF FF FF"))), "Stream read error"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(BladOdczytu(p.plik), p.blad) << p.opis;
    EXPECT_EQ(BladOdczytu(Hex(kPrzyklad)), "");
}

TEST(PlikOfert, EveryFileCutShortFailsWithReadError) {
    const QByteArray plik = Hex(kPrzyklad);
    for (int dlugosc = 0; dlugosc < plik.size(); ++dlugosc)
        EXPECT_EQ(BladOdczytu(plik.left(dlugosc)), "Stream read error") << dlugosc;
}

// How far the reading of a file got: stopped at the signature, in the
// header (the lists' openings and the class name of the first entry), inside
// the records, or through the whole file.
struct TZasieg {
    int naSygnaturze = 0, wNaglowku = 0, wRekordach = 0, calyZOfertami = 0, calyBezOfert = 0;
};

// The signature, the list of entries, the first entry and its class name.
constexpr qsizetype kDlugoscNaglowka = 34;

void Policz(const QByteArray& plik, TZasieg& zasieg) {
    try {
        (OdczytajOfertyZBajtow(plik).empty() ? zasieg.calyBezOfert : zasieg.calyZOfertami)++;
        return;
    } catch (const EPlikOfert& blad) {
        if (blad.Message() == "Invalid stream format") {
            ++zasieg.naSygnaturze;
            return;
        }
    }
    // Its header is whole when it reads as a file of one empty entry once
    // both lists are closed right after it.
    const bool naglowekCaly = BladOdczytu(plik.left(kDlugoscNaglowka) + Hex("00 00")).isEmpty();
    ++(naglowekCaly ? zasieg.wRekordach : zasieg.wNaglowku);
}

TEST(PlikOfert, RandomBytesNeverCrashOrHang) {
    std::mt19937 los(11);
    const QByteArray przyklad = Hex(kPrzyklad);
    ASSERT_EQ(BladOdczytu(przyklad.left(kDlugoscNaglowka) + Hex("00 00")), "");
    TZasieg zasieg;
    const int kPrzypadki = 4500;
    for (int i = 0; i < kPrzypadki; ++i) {
        // A third are the example with some bytes changed, a third pure
        // noise after the signature, a third noise after the example's header.
        const int rodzaj = i % 3;
        QByteArray plik = rodzaj == 1 ? przyklad
                          : rodzaj == 0
                              ? Hex("54 50 46 30 01") + QByteArray(los() % 200, 0)
                              : przyklad.left(kDlugoscNaglowka) + QByteArray(los() % 200, 0);
        const qsizetype odKtorego = rodzaj == 0 ? 5 : kDlugoscNaglowka;
        const int zmiany = rodzaj == 1 ? 1 + los() % 4 : plik.size();
        for (int z = 0; z < zmiany; ++z) {
            const qsizetype pozycja = rodzaj == 1 ? los() % plik.size() : odKtorego + z;
            if (pozycja < plik.size())
                plik[pozycja] = static_cast<char>(los());
        }
        Policz(plik, zasieg);
    }
    // The cases reach every part of the reader, not only its first checks.
    SCOPED_TRACE(testing::Message()
                 << "signature " << zasieg.naSygnaturze << ", header " << zasieg.wNaglowku
                 << ", records " << zasieg.wRekordach << ", whole " << zasieg.calyZOfertami << " + "
                 << zasieg.calyBezOfert << " empty");
    EXPECT_GT(zasieg.naSygnaturze, 0);
    EXPECT_GT(zasieg.wNaglowku, kPrzypadki / 5);
    EXPECT_GT(zasieg.wRekordach, kPrzypadki / 5);
    EXPECT_GT(zasieg.calyZOfertami, kPrzypadki / 20);
}

class PlikOfertNaDysku : public testing::Test {
protected:
    QString Sciezka(const QString& nazwa) const { return QDir(katalog.path()).filePath(nazwa); }
    QStringList Pliki() const { return QDir(katalog.path()).entryList(QDir::Files); }

    QTemporaryDir katalog;
};

TEST_F(PlikOfertNaDysku, ExportReplacesAFileAndReadsBackFromAnyThread) {
    const QString sciezka = Sciezka("Lokaty bankowe.vq_lb");
    {
        QFile stary(sciezka);
        ASSERT_TRUE(stary.open(QIODevice::WriteOnly));
        stary.write(QByteArray(1000, 'x'));
    }
    EksportujOfertyDoPliku(Lista(OfertaZPrzykladu()), sciezka);
    QFile plik(sciezka);
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
    EXPECT_EQ(plik.readAll(), Hex(kPrzyklad));
    EXPECT_EQ(Pliki(), QStringList{"Lokaty bankowe.vq_lb"});

    std::size_t ile[2] = {};
    std::thread watki[2];
    for (int i = 0; i < 2; ++i)
        watki[i] = std::thread([&, i] { ile[i] = OdczytajOfertyZPliku(sciezka).size(); });
    for (auto& w : watki)
        w.join();
    EXPECT_EQ(ile[0], 1u);
    EXPECT_EQ(ile[1], 1u);
}

TEST_F(PlikOfertNaDysku, FailedExportNamesThePathAndLeavesNothingBehind) {
    ASSERT_TRUE(QDir(katalog.path()).mkdir("folder.vq_lb"));
    const QString sciezki[] = {Sciezka("folder.vq_lb"), Sciezka("brak/Lokaty bankowe.vq_lb")};
    for (const QString& sciezka : sciezki) {
        try {
            EksportujOfertyDoPliku(Lista(OfertaZPrzykladu()), sciezka);
            ADD_FAILURE() << "export to " << sciezka.toStdString() << " succeeded";
        } catch (const EPlikOfert& blad) {
            EXPECT_TRUE(
                blad.Message().startsWith("Nie udało się zapisać pliku \"" + sciezka + "\": "))
                << blad.Message().toStdString();
        }
    }
    EXPECT_TRUE(QFileInfo(sciezki[0]).isDir());
    EXPECT_TRUE(Pliki().isEmpty());
    EXPECT_TRUE(QDir(sciezki[0]).isEmpty());
}

TEST_F(PlikOfertNaDysku, MissingFileNamesThePath) {
    try {
        OdczytajOfertyZPliku(Sciezka("nie ma.vq_lb"));
        ADD_FAILURE();
    } catch (const EPlikOfert& blad) {
        EXPECT_TRUE(blad.Message().startsWith("Nie udało się odczytać pliku \"" +
                                              Sciezka("nie ma.vq_lb") + "\": "));
    }
}

// A file the reader refuses names itself and says what is wrong with it
// before the reader's own message.
TEST_F(PlikOfertNaDysku, ARefusedFileSaysWhichAndWhyBeforeTheReadersMessage) {
    const QByteArray dobry = ZapiszOfertyDoBajtow(Lista(OfertaZPrzykladu()));
    const struct {
        const char* nazwa;
        QByteArray tresc;
        QString opis;
        QString czytnik;
    } przypadki[] = {
        {"inny.vq_lb", "PK\x03\x04 archiwum", " nie jest plikiem lokat bankowych tego programu.",
         "Invalid stream format"},
        {"pusty.vq_lb", "", " nie jest plikiem lokat bankowych tego programu.",
         "Stream read error"},
        {"uciety.vq_lb", dobry.left(dobry.size() - 3),
         " jest uszkodzony lub niepełny; nie można odczytać zapisanych w nim lokat bankowych.",
         "Stream read error"},
    };
    for (const auto& p : przypadki) {
        const QString sciezka = Sciezka(p.nazwa);
        QFile plik(sciezka);
        ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
        plik.write(p.tresc);
        plik.close();
        try {
            OdczytajOfertyZPliku(sciezka);
            ADD_FAILURE() << p.nazwa << " was read";
        } catch (const EPlikOfert& blad) {
            EXPECT_EQ(blad.Message(), "Plik \"" + sciezka + "\"" + p.opis + "\r" + p.czytnik);
        }
    }
}

// Only regular files are read: a FIFO would wait for a writer forever and
// /dev/zero never ends.
TEST(PlikOfertRodzaj, WhatIsNoRegularFileIsRefusedAtOnce) {
    QTemporaryDir katalog;
    const QString kolejka = katalog.filePath("kolejka.vq_lb");
    ASSERT_EQ(::mkfifo(QFile::encodeName(kolejka).constData(), 0600), 0);
    for (const QString& sciezka : {kolejka, QStringLiteral("/dev/zero"), katalog.path()}) {
        SCOPED_TRACE(sciezka.toStdString());
        try {
            OdczytajOfertyZPliku(sciezka);
            ADD_FAILURE() << "read";
        } catch (const EPlikOfert& e) {
            EXPECT_TRUE(e.Message().endsWith("to nie jest zwykły plik"))
                << e.Message().toStdString();
        }
    }
}

} // namespace
