#include "domain/TPlikKalendarza.h"
#include "KalendarzLokatFixture.h"
#include "format/Formatowanie.h"
#include "format/ICalendarWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using PlikKalendarzaTest = KalendarzLokatFixture;

QList<QByteArray> Linie(const QByteArray& tekst) {
    QList<QByteArray> linie = tekst.split('\n');
    if (!linie.isEmpty() && linie.last().isEmpty())
        linie.removeLast();
    return linie;
}

// Undoes the folding: a line break followed by a blank joins the lines.
QByteArray Rozwin(QByteArray tekst) {
    return tekst.replace("\r\n ", "");
}

TEST_F(PlikKalendarzaTest, OneAllDayEventWithAlarmPerDepositEndingTodayOrLater) {
    Dodaj(11, QStringLiteral("Wakacje, Zakopane; żółć \\ ĄĘŚ i bardzo długa nazwa lokaty"), 10000,
          EncodeDate(2026, 4, 30));
    Dodaj(12, "Dziś", 3000, EncodeDate(2026, 3, 15), -1);
    Dodaj(13, "Po terminie", 2000, EncodeDate(2026, 3, 14));
    const QString plik = QStringLiteral("/home/ala/.local/share/Talvora/DataFile.dat");
    const QByteArray tekst = TPlikKalendarza::Tekst(Kalendarz(), plik, Now());

    EXPECT_TRUE(tekst.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
    EXPECT_TRUE(tekst.endsWith("END:VCALENDAR\r\n"));
    EXPECT_EQ(tekst.count("\n"), tekst.count("\r\n"));
    for (const QByteArray& linia : Linie(tekst))
        EXPECT_LE(linia.size() - 1, 75) << linia.toStdString();

    const QString rozwiniety = QString::fromUtf8(Rozwin(tekst));
    EXPECT_EQ(rozwiniety.count("BEGIN:VEVENT"), 2);
    EXPECT_EQ(rozwiniety.count("BEGIN:VALARM"), 2);
    EXPECT_EQ(rozwiniety.count("TRIGGER:-P3D\r\n"), 2);
    EXPECT_FALSE(rozwiniety.contains("Po terminie"));
    EXPECT_TRUE(rozwiniety.contains(
        "SUMMARY:Koniec lokaty: Wakacje\\, Zakopane\\; żółć \\\\ ĄĘŚ i bardzo długa nazwa "
        "lokaty\r\n"));
    EXPECT_TRUE(
        rozwiniety.contains("DTSTART;VALUE=DATE:20260430\r\nDTEND;VALUE=DATE:20260501\r\n"));
    EXPECT_TRUE(rozwiniety.contains("DTSTART;VALUE=DATE:20260315\r\n"));
    EXPECT_TRUE(rozwiniety.contains(
        "DESCRIPTION:" +
        ICalendarWriter::EscapeText("Kwota: " + FormatMoney(10000) +
                                    "\nLokata bankowa: " + oferty[0]->BankNazwaOprocentowanie() +
                                    "\nSzacowany zysk: " + FormatMoney(202)) +
        "\r\n"));
    EXPECT_TRUE(rozwiniety.contains("UID:" + TPlikKalendarza::Uid(11, plik) + "\r\n"));
    EXPECT_TRUE(rozwiniety.contains(QStringLiteral("DTSTAMP:")));
}

// The whole file for one deposit without an offer, byte for byte: the long
// lines folded by hand at 75 octets, the UID's hash the first 16 hex digits
// of the SHA-1 of "/dane.dat" (as sha1sum gives it).
TEST_F(PlikKalendarzaTest, TheFileOfOneDepositByteForByte) {
    Dodaj(21, QStringLiteral("Wakacje, Zakopane; żółć \\ i bardzo długa nazwa lokaty"), 500,
          EncodeDate(2026, 4, 30), /*idOferty=*/0);
    // The stamp is the local 2026-03-15 10:00 in UTC, whatever the zone.
    const QByteArray znacznik = QDateTime(QDate(2026, 3, 15), QTime(10, 0))
                                    .toUTC()
                                    .toString("yyyyMMdd'T'HHmmss'Z'")
                                    .toLatin1();
    const QByteArray oczekiwany =
        "BEGIN:VCALENDAR\r\n"
        "VERSION:2.0\r\n"
        "PRODID:-//Brenvik//Talvora//PL\r\n"
        "CALSCALE:GREGORIAN\r\n"
        "METHOD:PUBLISH\r\n"
        "BEGIN:VEVENT\r\n"
        "UID:lokata-21-20db564b7201c84c@talvora\r\n"
        "DTSTAMP:" +
        znacznik +
        "\r\n"
        "DTSTART;VALUE=DATE:20260430\r\n"
        "DTEND;VALUE=DATE:20260501\r\n"
        "SUMMARY:Koniec lokaty: Wakacje\\, Zakopane\\; żółć \\\\ i bardzo długa naz\r\n"
        " wa lokaty\r\n"
        "DESCRIPTION:Kwota: 500\\,00 zł\\nLokata bankowa: brak (zysk nie jest szacowa\r\n"
        " ny)\r\n"
        "TRANSP:TRANSPARENT\r\n"
        "BEGIN:VALARM\r\n"
        "ACTION:DISPLAY\r\n"
        "DESCRIPTION:Koniec lokaty: Wakacje\\, Zakopane\\; żółć \\\\ i bardzo długa\r\n"
        "  nazwa lokaty\r\n"
        "TRIGGER:-P3D\r\n"
        "END:VALARM\r\n"
        "END:VEVENT\r\n"
        "END:VCALENDAR\r\n";
    EXPECT_EQ(TPlikKalendarza::Tekst(Kalendarz(), QStringLiteral("/dane.dat"), Now()), oczekiwany);
}

// A deposit ending after 9999 cannot be written; one not saved yet has a
// provisional id, and its event would come back under another UID once saved.
TEST_F(PlikKalendarzaTest, DepositsEndingAfterTheYear9999OrNotSavedAreLeftOutAndCounted) {
    Dodaj(11, "Zwykła", 1000, EncodeDate(2026, 4, 30));
    Dodaj(12, "Za daleko", 1000, EncodeDate(9999, 12, 31));
    Dodaj(1013, "Niezapisana", 1000, EncodeDate(2026, 5, 30)).SetZmiany(TTypModyfikacji::Dodano);
    TPlikKalendarza::TPominiete pominiete;
    pominiete.niezapisane = 7; // counted afresh
    const QByteArray tekst =
        TPlikKalendarza::Tekst(Kalendarz(), QStringLiteral("/dane.dat"), Now(), pominiete);
    EXPECT_EQ(pominiete.poRoku9999, 1);
    EXPECT_EQ(pominiete.niezapisane, 1);
    EXPECT_EQ(tekst.count("BEGIN:VEVENT"), 1);
    EXPECT_TRUE(tekst.contains("DTSTART;VALUE=DATE:20260430"));
}

TEST_F(PlikKalendarzaTest, UidsStayTheSameAcrossExportsAndDifferByDataFile) {
    Dodaj(11, "A", 10000, EncodeDate(2026, 4, 30));
    Dodaj(12, "B", 10000, EncodeDate(2026, 5, 30));
    const auto uidy = [](const QByteArray& tekst) {
        QStringList wynik;
        for (const QByteArray& linia : Linie(Rozwin(tekst)))
            if (linia.startsWith("UID:"))
                wynik << QString::fromUtf8(linia.trimmed());
        return wynik;
    };
    const QString plik = QStringLiteral("/tmp/a/DataFile.dat");
    const QStringList pierwszy = uidy(TPlikKalendarza::Tekst(Kalendarz(), plik, Now()));
    zegar.set(EncodeDateTime(2026, 4, 2, 8, 30));
    const QStringList drugi = uidy(
        TPlikKalendarza::Tekst(Kalendarz(), QStringLiteral("/tmp/a/../a/DataFile.dat"), Now()));
    ASSERT_EQ(pierwszy.size(), 2);
    EXPECT_NE(pierwszy[0], pierwszy[1]);
    EXPECT_EQ(pierwszy, drugi);
    EXPECT_NE(TPlikKalendarza::Uid(11, plik), TPlikKalendarza::Uid(11, "/tmp/b/DataFile.dat"));
}

TEST(PlikKalendarza, WritesTheWholeFileOrReportsThePathAndLeavesNothing) {
    QTemporaryDir katalog;
    ASSERT_TRUE(katalog.isValid());
    const QString cel = katalog.filePath("lokaty.ics");
    {
        QFile stary(cel);
        ASSERT_TRUE(stary.open(QIODevice::WriteOnly));
        stary.write("stary");
    }
    EXPECT_EQ(TPlikKalendarza::Zapisz(cel, "BEGIN:VCALENDAR\r\n"), QString());
    QFile nowy(cel);
    ASSERT_TRUE(nowy.open(QIODevice::ReadOnly));
    EXPECT_EQ(nowy.readAll(), "BEGIN:VCALENDAR\r\n");

    for (const QString& zly : {katalog.path(), katalog.filePath("brak/lokaty.ics")}) {
        const QString blad = TPlikKalendarza::Zapisz(zly, "x");
        EXPECT_TRUE(blad.startsWith("Nie udało się zapisać pliku \"" + zly + "\": "))
            << blad.toStdString();
        EXPECT_GT(blad.size(), QString("Nie udało się zapisać pliku \"" + zly + "\": ").size());
    }
    EXPECT_EQ(QDir(katalog.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"lokaty.ics"});
}

} // namespace
