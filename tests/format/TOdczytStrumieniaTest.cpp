// The offer reader shares a text repeated from record to record rather than
// decoding it again: what it reads must still be exactly what was stored,
// whatever texts meet in its memory of texts read.
#include "domain/PlikOfert.h"

#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

// Many more distinct texts than the reader remembers, of one length and one
// byte apart, each also repeated in another field of the next record, in
// every encoding the writer uses (ASCII, long ASCII, UTF-8, UTF-16), and an
// empty one.
TEST(TOdczytStrumienia, RepeatedAndNearlyEqualTextsReadBackExactly) {
    const QString dlugi(300, QLatin1Char('x'));
    TListaOfert oferty;
    for (int i = 0; i < 600; ++i) {
        auto o = std::make_unique<THarmonogramLokatyBankowej>();
        o->fNazwaHarmonogramu = QStringLiteral("Lokata %1").arg(i, 3, 10, QLatin1Char('0'));
        o->fBank = i % 3 == 0 ? QStringLiteral("Bank Śląski %1").arg(i % 7)
                              : QStringLiteral("銀行 %1").arg(i % 5);
        o->fWarunkiWczesniejszegoZerwaniaLokaty =
            i > 0 ? oferty.back()->fNazwaHarmonogramu : QString();
        // Long texts alike at both ends, one byte apart at the end or in the
        // middle.
        o->fPozostaleInformacje = i % 3 == 0   ? dlugi
                                  : i % 3 == 1 ? dlugi.left(299) + QLatin1Char('y')
                                               : QString(dlugi).replace(150, 1, QLatin1Char('y'));
        oferty.push_back(std::move(o));
    }
    const TListaOfert odczytane = OdczytajOfertyZBajtow(ZapiszOfertyDoBajtow(oferty));
    ASSERT_EQ(odczytane.size(), oferty.size());
    for (std::size_t i = 0; i < oferty.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(odczytane[i]->fNazwaHarmonogramu, oferty[i]->fNazwaHarmonogramu);
        EXPECT_EQ(odczytane[i]->fBank, oferty[i]->fBank);
        EXPECT_EQ(odczytane[i]->fWarunkiWczesniejszegoZerwaniaLokaty,
                  oferty[i]->fWarunkiWczesniejszegoZerwaniaLokaty);
        EXPECT_EQ(odczytane[i]->fPozostaleInformacje, oferty[i]->fPozostaleInformacje);
    }
}

// A remembered text is told from a new one of the same length by its ends
// and what lies between them: a text of every length from 1 to 56 is read
// right after the same text with any one of its bytes changed, and the other
// way round.
TEST(TOdczytStrumienia, ATextOneByteApartFromTheLastIsNeverTakenForIt) {
    TListaOfert oferty;
    for (int dlugosc = 1; dlugosc <= 56; ++dlugosc) {
        QString tekst;
        for (int i = 0; i < dlugosc; ++i)
            tekst += QLatin1Char(static_cast<char>('a' + i % 26));
        for (int i = 0; i < dlugosc; ++i) {
            const QString inny = QString(tekst).replace(i, 1, QLatin1Char('#'));
            auto o = std::make_unique<THarmonogramLokatyBankowej>();
            o->fNazwaHarmonogramu = tekst;
            o->fBank = inny;
            o->fWarunkiWczesniejszegoZerwaniaLokaty = tekst;
            o->fPozostaleInformacje = inny;
            oferty.push_back(std::move(o));
        }
    }
    const TListaOfert odczytane = OdczytajOfertyZBajtow(ZapiszOfertyDoBajtow(oferty));
    ASSERT_EQ(odczytane.size(), oferty.size());
    for (std::size_t i = 0; i < oferty.size(); ++i) {
        SCOPED_TRACE(oferty[i]->fBank.toStdString());
        EXPECT_EQ(odczytane[i]->fNazwaHarmonogramu, oferty[i]->fNazwaHarmonogramu);
        EXPECT_EQ(odczytane[i]->fBank, oferty[i]->fBank);
        EXPECT_EQ(odczytane[i]->fWarunkiWczesniejszegoZerwaniaLokaty,
                  oferty[i]->fWarunkiWczesniejszegoZerwaniaLokaty);
        EXPECT_EQ(odczytane[i]->fPozostaleInformacje, oferty[i]->fPozostaleInformacje);
    }
}

// The same bytes under two tags are two texts: C5 82 is "Ĺ‚" in the Windows
// code page and "ł" in UTF-8.
TEST(TOdczytStrumienia, SameBytesUnderAnotherTagAreDecodedByTheirOwnTag) {
    const QByteArray rekord =
        Hex("01 06 02 C5 82 14 02 00 00 00 C5 82 02 03 02 02 08 02 01 02 01 02 01 02 01"
            "08 08 08 06 02 C5 82 14 02 00 00 00 C5 82 00");
    const TListaOfert oferty =
        OdczytajOfertyZBajtow(Hex("54 50 46 30 01 01 06 01 54") + rekord + Hex("00 00"));
    ASSERT_EQ(oferty.size(), 1u);
    const QString windows = QStringLiteral("\u0139\u201A");
    EXPECT_EQ(oferty[0]->fNazwaHarmonogramu, windows);
    EXPECT_EQ(oferty[0]->fBank, QStringLiteral("ł"));
    EXPECT_EQ(oferty[0]->fWarunkiWczesniejszegoZerwaniaLokaty, windows);
    EXPECT_EQ(oferty[0]->fPozostaleInformacje, QStringLiteral("ł"));
}

} // namespace
