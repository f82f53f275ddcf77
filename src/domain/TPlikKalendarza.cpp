#include "domain/TPlikKalendarza.h"

#include "format/Formatowanie.h"
#include "format/ZapisCalegoPliku.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kMaksymalnaDlugoscLinii = 75;

QString Data(TDateTime data) {
    return ToQDate(data).toString(QStringLiteral("yyyyMMdd"));
}

// A date the format can write: four-digit years, the day after included.
bool DataDoZapisu(TDateTime data) {
    const QDate dzien = ToQDate(data);
    return dzien.isValid() && dzien.year() >= 1 && dzien.addDays(1).year() <= 9999;
}

QString Opis(const TPozycjaKalendarza& p) {
    QString opis = QStringLiteral("Kwota: ") + FormatMoney(p.lokata->Kwota());
    if (p.oferta) {
        opis += QStringLiteral("\nLokata bankowa: ") + p.oferta->BankNazwaOprocentowanie() +
                QStringLiteral("\nSzacowany zysk: ") + FormatMoney(p.szacowanyZysk);
    } else {
        opis += QStringLiteral("\nLokata bankowa: brak (zysk nie jest szacowany)");
    }
    return opis;
}

void DodajWydarzenie(QByteArray& tekst, const TPozycjaKalendarza& p, const QString& plikDanych,
                     const QString& znacznikCzasu) {
    const QString podsumowanie =
        TPlikKalendarza::Zabezpiecz(QStringLiteral("Koniec lokaty: ") + p.lokata->Nazwa());
    const QStringList linie = {
        QStringLiteral("BEGIN:VEVENT"),
        QStringLiteral("UID:") + TPlikKalendarza::Uid(p.lokata->Id(), plikDanych),
        QStringLiteral("DTSTAMP:") + znacznikCzasu,
        QStringLiteral("DTSTART;VALUE=DATE:") + Data(p.dataZakonczenia),
        QStringLiteral("DTEND;VALUE=DATE:") + Data(DateOf(p.dataZakonczenia) + 1),
        QStringLiteral("SUMMARY:") + podsumowanie,
        QStringLiteral("DESCRIPTION:") + TPlikKalendarza::Zabezpiecz(Opis(p)),
        QStringLiteral("TRANSP:TRANSPARENT"),
        QStringLiteral("BEGIN:VALARM"),
        QStringLiteral("ACTION:DISPLAY"),
        QStringLiteral("DESCRIPTION:") + podsumowanie,
        QStringLiteral("TRIGGER:-P3D"),
        QStringLiteral("END:VALARM"),
        QStringLiteral("END:VEVENT"),
    };
    for (const QString& linia : linie)
        tekst += TPlikKalendarza::ZawinLinie(linia);
}

} // namespace

QByteArray TPlikKalendarza::Tekst(const TKalendarzLokat& kalendarz, const QString& plikDanych,
                                  TDateTime teraz) {
    TPominiete pominiete;
    return Tekst(kalendarz, plikDanych, teraz, pominiete);
}

QByteArray TPlikKalendarza::Tekst(const TKalendarzLokat& kalendarz, const QString& plikDanych,
                                  TDateTime teraz, TPominiete& pominiete) {
    pominiete = {};
    const QString znacznikCzasu =
        ToQDateTime(teraz).toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QByteArray tekst;
    for (const char* linia : {"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Brenvik//Talvora//PL",
                              "CALSCALE:GREGORIAN", "METHOD:PUBLISH"})
        tekst += ZawinLinie(QLatin1String(linia));
    for (const TMiesiacKalendarza& miesiac : kalendarz.Miesiace())
        if (!miesiac.poTerminie)
            for (const TPozycjaKalendarza& p : miesiac.lokaty) {
                if (p.lokata->Zmiany() == TTypModyfikacji::Dodano)
                    ++pominiete.niezapisane;
                else if (!DataDoZapisu(p.dataZakonczenia))
                    ++pominiete.poRoku9999;
                else
                    DodajWydarzenie(tekst, p, plikDanych, znacznikCzasu);
            }
    tekst += ZawinLinie(QStringLiteral("END:VCALENDAR"));
    return tekst;
}

QString TPlikKalendarza::Uid(int32_t idLokaty, const QString& plikDanych) {
    // The same file named through a link or a relative path is the same file.
    const QFileInfo info(plikDanych);
    const QString kanoniczna = info.canonicalFilePath();
    const QString sciezka =
        kanoniczna.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : kanoniczna;
    const QByteArray skrot =
        QCryptographicHash::hash(sciezka.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("lokata-%1-%2@talvora").arg(idLokaty).arg(QLatin1String(skrot));
}

QString TPlikKalendarza::Zabezpiecz(const QString& tekst) {
    QString wynik;
    wynik.reserve(tekst.size());
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar znak = tekst[i];
        switch (znak.unicode()) {
        case u'\\':
        case u';':
        case u',':
            wynik += QLatin1Char('\\');
            wynik += znak;
            break;
        case u'\r':
            // CR LF is one line break; a lone CR is one too.
            if (i + 1 < tekst.size() && tekst[i + 1] == u'\n')
                break;
            wynik += QStringLiteral("\\n");
            break;
        case u'\n':
            wynik += QStringLiteral("\\n");
            break;
        default:
            // The format forbids control characters other than the tab.
            wynik += (znak.unicode() < 0x20 && znak != u'\t') || znak.unicode() == 0x7F
                         ? QChar(u' ')
                         : znak;
        }
    }
    return wynik;
}

QByteArray TPlikKalendarza::ZawinLinie(const QString& linia) {
    const QByteArray utf8 = linia.toUtf8();
    QByteArray wynik;
    qsizetype poczatek = 0;
    // A continuation line starts with a blank, which counts in its 75 octets.
    int miejsce = kMaksymalnaDlugoscLinii;
    while (utf8.size() - poczatek > miejsce) {
        qsizetype koniec = poczatek + miejsce;
        // Never cut a character: step back from its continuation bytes.
        while ((static_cast<unsigned char>(utf8[koniec]) & 0xC0) == 0x80)
            --koniec;
        wynik += utf8.mid(poczatek, koniec - poczatek);
        wynik += "\r\n ";
        poczatek = koniec;
        miejsce = kMaksymalnaDlugoscLinii - 1;
    }
    wynik += utf8.mid(poczatek);
    wynik += "\r\n";
    return wynik;
}

QString TPlikKalendarza::Zapisz(const QString& sciezka, const QByteArray& bajty) {
    return ZapiszCalyPlik(sciezka, bajty);
}
