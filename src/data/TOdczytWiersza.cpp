#include "data/TOdczytWiersza.h"

#include "data/EDataError.h"
#include "data/TSQLiteTable.h"
#include "domain/Formatting.h"
#include "domain/TFormatSettings.h"

#include <limits>

void TOdczytWiersza::Odrzuc(const QString& tekst, const QString& kolumna, const char* czym) {
    throw EDataError(QStringLiteral("Wartość \"%1\" w kolumnie %2 nie jest %3.")
                         .arg(tekst, kolumna, QString::fromUtf8(czym)));
}

int32_t TOdczytWiersza::Liczba(const QString& kolumna) const {
    const QString tekst = fTabela.FieldAsStringByName(kolumna);
    bool ok = false;
    const int32_t wartosc = tekst.toInt(&ok);
    if (!ok)
        Odrzuc(tekst, kolumna, "liczbą całkowitą");
    return wartosc;
}

uint32_t TOdczytWiersza::LiczbaBezZnaku(const QString& kolumna) const {
    const QString tekst = fTabela.FieldAsStringByName(kolumna);
    bool ok = false;
    const qlonglong wartosc = tekst.toLongLong(&ok);
    if (!ok || wartosc < std::numeric_limits<int32_t>::min() ||
        wartosc > std::numeric_limits<uint32_t>::max())
        Odrzuc(tekst, kolumna, "liczbą całkowitą");
    return static_cast<uint32_t>(wartosc);
}

int8_t TOdczytWiersza::Bajt(const QString& kolumna) const {
    return static_cast<int8_t>(static_cast<uint8_t>(Liczba(kolumna) & 0xFF));
}

double TOdczytWiersza::Kwota(const QString& kolumna) const {
    const QString tekst = fTabela.FieldAsStringByName(kolumna);
    double wartosc = 0;
    if (!TryStrToFloat(tekst, wartosc, FormatyProcesu()))
        Odrzuc(tekst, kolumna, "liczbą");
    return wartosc;
}

TDateTime TOdczytWiersza::Data(const QString& kolumna) const {
    const QString tekst = fTabela.FieldAsStringByName(kolumna);
    TDateTime wartosc = 0;
    if (!TryStrToDateTime(tekst, wartosc, UstawieniaFormatow))
        Odrzuc(tekst, kolumna, "datą");
    return wartosc;
}

bool TOdczytWiersza::Flaga(const QString& kolumna) const {
    const QString tekst = fTabela.FieldAsStringByName(kolumna);
    bool ok = false;
    const qlonglong calkowita = tekst.toLongLong(&ok);
    if (ok)
        return calkowita != 0;
    double wartosc = 0;
    if (!TryStrToFloat(tekst, wartosc, FormatyProcesu()))
        Odrzuc(tekst, kolumna, "wartością logiczną (0 lub 1)");
    return wartosc != 0;
}

QString TOdczytWiersza::Tekst(const QString& kolumna) const {
    return fTabela.FieldAsStringByName(kolumna);
}
