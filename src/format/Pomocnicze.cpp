#include "format/Pomocnicze.h"

#include "format/ArytmetykaRozszerzona.h"
#include "format/Formatowanie.h"
#include "format/TLiczbaDziesietna.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <stdexcept>

namespace {

// Earliest and latest day a date-time can name (0001-01-01 and 9999-12-31).
constexpr TDateTime kPierwszyDzien = -693593.0;
constexpr TDateTime kOstatniDzien = 2958466.0;

bool JestZnakiemKontrolnym(char16_t znak) {
    switch (znak) {
    case 0x7F:
    case 0x81: // positions that the Windows-1250 code page leaves undefined
    case 0x83:
    case 0x88:
    case 0x90:
    case 0x98:
    case 0x2D9: // the dot above
        return true;
    default:
        return znak <= 0x1F;
    }
}

bool JestSmieciemNaPoczatku(char16_t znak) {
    return znak == u' ' || JestZnakiemKontrolnym(znak);
}

bool JestZnakiemZabronionym(char16_t znak) {
    return QStringView(u";\\/<>|*?:\"").contains(QChar(znak)) || JestZnakiemKontrolnym(znak);
}

// Runs of blanks collapsed to single blanks.
QString ScisnijSpacje(const QString& tekst) {
    QString wynik;
    wynik.reserve(tekst.size());
    for (QChar znak : tekst) {
        if (znak == u' ' && wynik.endsWith(u' '))
            continue;
        wynik += znak;
    }
    return wynik;
}

} // namespace

double KwotaZTekstu(const QString& tekst) {
    if (JestPustyTekst(tekst))
        return 0;
    const QChar separator = FormatyProcesu().DecimalSeparator;
    QString ujednolicony = tekst;
    ujednolicony.replace(u'.', separator).replace(u',', separator).remove(u' ');
    QString liczba;
    for (QChar znak : ujednolicony) {
        if ((znak >= u'0' && znak <= u'9') || znak == separator || znak == u'-')
            liczba += znak;
    }
    double wartosc = 0;
    return TryStrToFloat(liczba, wartosc) ? wartosc : 0;
}

double KwotaWGroszachZTekstu(const QString& tekst) {
    QString cyfry = tekst;
    cyfry.remove(FormatyProcesu().ThousandSeparator);
    const auto liczba = TLiczbaDziesietna::ZTekstu(cyfry.trimmed());
    const auto grosze = liczba ? liczba->WSkali(2) : std::nullopt;
    if (grosze)
        return static_cast<double>(*grosze) / 100;
    const auto zLiczby = TLiczbaDziesietna::ZLiczby(KwotaZTekstu(tekst));
    const auto zaokraglone = zLiczby ? zLiczby->WSkali(2) : std::nullopt;
    return zaokraglone ? static_cast<double>(*zaokraglone) / 100 : KwotaZTekstu(tekst);
}

QString OczyscTekst(const QString& tekst) {
    qsizetype poczatek = 0;
    while (poczatek < tekst.size() && JestSmieciemNaPoczatku(tekst[poczatek].unicode()))
        ++poczatek;
    const QStringView zrodlo = QStringView(tekst).mid(poczatek);
    QString wynik;
    wynik.reserve(zrodlo.size());
    for (QChar znak : zrodlo) {
        if (!JestZnakiemZabronionym(znak.unicode()))
            wynik += znak;
    }
    // Only a text typed with blanks in a row has its blanks collapsed.
    if (zrodlo.contains(u"  "))
        return ScisnijSpacje(wynik);
    return wynik;
}

QString UsunZnakiSpecjalne(const QString& tekst) {
    QString wynik = tekst;
    return wynik.remove(u'|').remove(u'\'').remove(u'"').remove(u';');
}

bool JestPustyTekst(const QString& tekst) {
    for (QChar znak : tekst) {
        if (znak.unicode() > 0x20)
            return false;
    }
    return true;
}

bool JestLiczbaCalkowita(const QString& tekst) {
    if (tekst.isEmpty())
        return false;
    for (QChar znak : tekst) {
        if (znak != u'-' && (znak < u'0' || znak > u'9'))
            return false;
    }
    bool ok = false;
    tekst.toInt(&ok);
    return ok;
}

double ZaokraglijDo(double wartosc, int8_t cyfra) {
    if (cyfra < kNajmniejszaPotega || cyfra > kNajwiekszaPotega)
        throw std::invalid_argument(
            QStringLiteral("ZaokraglijDo: wykładnik potęgi dziesięciu %1 leży poza zakresem od "
                           "-20 do 20.")
                .arg(cyfra)
                .toStdString());
    return ZaokraglijDoPotegi(wartosc, cyfra);
}

QString MiesiacRokTekst(TDateTime data) {
    if (!(data >= kPierwszyDzien && data < kOstatniDzien))
        return QString();
    return FormatDateTime(QStringLiteral("MMMM yyyy"), data, UstawieniaFormatow);
}

QString KatalogTymczasowy() {
    QString katalog = QDir::tempPath();
    if (katalog.isEmpty() || !QFileInfo(katalog).isDir())
        return katalog;
    const QString separator = QDir::separator();
    if (!katalog.endsWith(separator))
        katalog += separator;
    return katalog;
}

QStringList KolumnaTablicy(const TTabDwuwymiarowa& tablica, int32_t kolumna) {
    QStringList kolumnaTekstow;
    for (const QStringList& wiersz : tablica) {
        const QString tekst = wiersz.value(kolumna);
        if (!tekst.isEmpty())
            kolumnaTekstow << tekst;
    }
    return kolumnaTekstow;
}

QString BoolNaTekst(bool wartosc) {
    return wartosc ? QStringLiteral("1") : QStringLiteral("0");
}
