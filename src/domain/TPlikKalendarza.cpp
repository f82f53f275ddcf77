#include "domain/TPlikKalendarza.h"

#include "format/Formatowanie.h"
#include "format/ICalendarWriter.h"
#include "format/ZapisCalegoPliku.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {

using Component = ICalendarWriter::Component;

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

// An all-day event on the end date that takes no time in the calendar, with
// a reminder three days before.
void DodajWydarzenie(ICalendarWriter& zapis, const TPozycjaKalendarza& p, const QString& plikDanych,
                     TDateTime teraz) {
    const QString podsumowanie = QStringLiteral("Koniec lokaty: ") + p.lokata->Nazwa();
    zapis.Begin(Component::Event);
    zapis.Property(QStringLiteral("UID"), TPlikKalendarza::Uid(p.lokata->Id(), plikDanych));
    zapis.UtcTime(QStringLiteral("DTSTAMP"), teraz);
    zapis.AllDay(p.dataZakonczenia);
    zapis.Text(QStringLiteral("SUMMARY"), podsumowanie);
    zapis.Text(QStringLiteral("DESCRIPTION"), Opis(p));
    zapis.Property(QStringLiteral("TRANSP"), QStringLiteral("TRANSPARENT"));
    zapis.Begin(Component::Alarm);
    zapis.Property(QStringLiteral("ACTION"), QStringLiteral("DISPLAY"));
    zapis.Text(QStringLiteral("DESCRIPTION"), podsumowanie);
    zapis.Property(QStringLiteral("TRIGGER"), QStringLiteral("-P3D"));
    zapis.End();
    zapis.End();
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
    ICalendarWriter zapis(QStringLiteral("-//Brenvik//Talvora//PL"));
    for (const TMiesiacKalendarza& miesiac : kalendarz.Miesiace())
        if (!miesiac.poTerminie)
            for (const TPozycjaKalendarza& p : miesiac.lokaty) {
                if (p.lokata->Zmiany() == TTypModyfikacji::Dodano)
                    ++pominiete.niezapisane;
                else if (!ICalendarWriter::CanWriteAllDay(p.dataZakonczenia))
                    ++pominiete.poRoku9999;
                else
                    DodajWydarzenie(zapis, p, plikDanych, teraz);
            }
    return zapis.Bytes();
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

QString TPlikKalendarza::Zapisz(const QString& sciezka, const QByteArray& bajty) {
    return ZapiszCalyPlik(sciezka, bajty);
}
