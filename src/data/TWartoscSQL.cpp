#include "data/TWartoscSQL.h"

#include "data/EDataError.h"
#include "format/Formatowanie.h"
#include "format/Pomocnicze.h"
#include "format/TFormatSettings.h"

#include <cmath>
#include <cstdlib>

namespace {

// Whether the moment is written with a four-digit year and read back as it
// was; before 0001-01-01 the text would be no date the loaders read.
bool DataDoZapisu(TDateTime wartosc) {
    static const TDateTime pierwsza = EncodeDate(1, 1, 1);
    static const TDateTime poOstatniej = EncodeDate(9999, 12, 31) + 1 - kOneMillisecond;
    return wartosc >= pierwsza && wartosc < poOstatniej;
}

// NUL would end the statement at that character, and a lone half of a
// surrogate pair has no UTF-8 form (it would become "?"): neither can be
// stored, so both are left out.
QString BezZnakowNiezapisywalnych(const QString& tekst) {
    QString wynik;
    wynik.reserve(tekst.size());
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar znak = tekst[i];
        if (znak.isHighSurrogate() && i + 1 < tekst.size() && tekst[i + 1].isLowSurrogate()) {
            wynik.append(znak).append(tekst[++i]);
        } else if (znak.unicode() != 0 && !znak.isSurrogate()) {
            wynik.append(znak);
        }
    }
    return wynik;
}

} // namespace

QString TWartoscSQL::Liczba(int64_t wartosc) {
    return QString::number(wartosc);
}

// Fifteen significant digits can round the largest doubles up past the
// largest one, a text that SQLite reads as infinity; such amounts are
// refused like the ones that are no number at all.
QString TWartoscSQL::Kwota(double wartosc) {
    if (!std::isfinite(wartosc))
        throw EDataError(
            QStringLiteral("Nie można zapisać w bazie kwoty, która nie jest liczbą (%1).")
                .arg(NonFiniteText(wartosc)));
    QString tekst = FloatToStr(ZaokraglijDo(wartosc, -2), UstawieniaFormatow);
    tekst.replace(UstawieniaFormatow.DecimalSeparator, QLatin1Char('.'));
    if (!std::isfinite(std::strtod(tekst.toLatin1().constData(), nullptr)))
        throw EDataError(
            QStringLiteral("Nie można zapisać w bazie kwoty, która jest zbyt duża (%1).")
                .arg(FloatToStr(wartosc)));
    return tekst;
}

QString TWartoscSQL::Data(TDateTime wartosc) {
    if (!DataDoZapisu(wartosc))
        throw EDataError(QStringLiteral("Nie można zapisać w bazie daty spoza zakresu od "
                                        "0001-01-01 do 9999-12-31."));
    const QString format =
        UstawieniaFormatow.ShortDateFormat + QLatin1Char(' ') + UstawieniaFormatow.ShortTimeFormat;
    return QLatin1Char('\'') + FormatDateTime(format, wartosc, UstawieniaFormatow) +
           QLatin1Char('\'');
}

QString TWartoscSQL::Flaga(bool wartosc) {
    return BoolNaTekst(wartosc);
}

QString TWartoscSQL::Tekst(const QString& tekst) {
    return QLatin1Char('\'') + UsunZnakiSpecjalne(BezZnakowNiezapisywalnych(tekst)) +
           QLatin1Char('\'');
}

QString TWartoscSQL::TekstLubNull(const QString& tekst) {
    return tekst.isEmpty() ? Null() : Tekst(tekst);
}

QString TWartoscSQL::TekstLubNullGdyPusty(const QString& tekst) {
    return JestPustyTekst(tekst) ? Null() : Tekst(tekst);
}

QString TWartoscSQL::Null() {
    return QStringLiteral("NULL");
}
