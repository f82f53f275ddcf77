#include "data/TWartoscSQL.h"

#include "data/EDataError.h"
#include "domain/Formatting.h"
#include "domain/Pomocnicze.h"
#include "domain/TFormatSettings.h"

#include <cmath>

QString TWartoscSQL::Liczba(int64_t wartosc) {
    return QString::number(wartosc);
}

QString TWartoscSQL::Kwota(double wartosc) {
    if (!std::isfinite(wartosc))
        throw EDataError(
            QStringLiteral("Nie można zapisać w bazie kwoty, która nie jest liczbą (%1).")
                .arg(NonFiniteText(wartosc)));
    QString tekst = FloatToStr(ZaokraglijDo(wartosc, -2), UstawieniaFormatow);
    return tekst.replace(UstawieniaFormatow.DecimalSeparator, QLatin1Char('.'));
}

QString TWartoscSQL::Data(TDateTime wartosc) {
    const QString format =
        UstawieniaFormatow.ShortDateFormat + QLatin1Char(' ') + UstawieniaFormatow.ShortTimeFormat;
    return QLatin1Char('\'') + FormatDateTime(format, wartosc, UstawieniaFormatow) +
           QLatin1Char('\'');
}

QString TWartoscSQL::Flaga(bool wartosc) {
    return BoolNaTekst(wartosc);
}

QString TWartoscSQL::Tekst(const QString& tekst) {
    return QLatin1Char('\'') + UsunZnakiSpecjalne(tekst) + QLatin1Char('\'');
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
