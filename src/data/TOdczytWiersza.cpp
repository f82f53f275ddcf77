#include "data/TOdczytWiersza.h"

#include "data/EDataError.h"
#include "data/ESQLiteException.h"
#include "data/TSQLiteTable.h"
#include "domain/Formatting.h"
#include "domain/TFormatSettings.h"

#include <cmath>
#include <limits>

namespace {

// A stored value is echoed in a message box: a long one only by its start.
QString Poczatek(const QString& tekst) {
    constexpr qsizetype kDlugosc = 60;
    return tekst.size() <= kDlugosc ? tekst : tekst.left(kDlugosc) + QStringLiteral("…");
}

// " (wiersz o Id 5)"; nothing when the bad value is the Id itself or the
// result has no Id.
QString Wiersz(const TSQLiteTable& tabela, const QString& kolumna) {
    if (kolumna.compare(QLatin1String("Id"), Qt::CaseInsensitive) == 0)
        return {};
    try {
        return QStringLiteral(" (wiersz o Id ") + Poczatek(tabela.FieldAsStringByName("Id")) +
               QLatin1Char(')');
    } catch (const ESQLiteException&) {
        return {};
    }
}

} // namespace

// The column's name appears in several tables, so the table and the row are
// named too.
void TOdczytWiersza::Odrzuc(const QString& tekst, const QString& kolumna, const char* czym) const {
    const QString wiersz = Wiersz(fTabela, kolumna);
    throw EDataError(
        QStringLiteral("Wartość \"%1\" w kolumnie %2 tabeli %3%4 nie jest %5.")
            .arg(Poczatek(tekst), kolumna, fNazwaTabeli, wiersz, QString::fromUtf8(czym)));
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

// A sum that SQLite computed (the recorded total of savings) can exceed the
// largest double; the access layer renders it with the text of infinity,
// which is read back as that infinity.
double TOdczytWiersza::Kwota(const QString& kolumna) const {
    const QString tekst = fTabela.FieldAsStringByName(kolumna);
    double wartosc = 0;
    if (TryStrToFloat(tekst, wartosc, FormatyProcesu()))
        return wartosc;
    for (double nieskonczonosc : {HUGE_VAL, -HUGE_VAL})
        if (tekst == NonFiniteText(nieskonczonosc))
            return nieskonczonosc;
    Odrzuc(tekst, kolumna, "liczbą");
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
