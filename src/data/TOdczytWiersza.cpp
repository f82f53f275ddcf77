#include "data/TOdczytWiersza.h"

#include "data/EDataError.h"
#include "data/sqlite/ESQLiteException.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "data/sqlite/TSQLiteTable.h"
#include "format/Formatowanie.h"
#include "format/TFormatSettings.h"

#include <QDate>
#include <cmath>
#include <limits>
#include <sqlite3.h>

namespace {

// A stored value is echoed in a message box: a long one only by its start.
QString Poczatek(const QString& tekst) {
    constexpr qsizetype kDlugosc = 60;
    return tekst.size() <= kDlugosc ? tekst : tekst.left(kDlugosc) + QStringLiteral("…");
}

bool CyfryASCII(const unsigned char* tekst, std::initializer_list<int> pozycje) {
    for (int i : pozycje)
        if (tekst[i] < '0' || tekst[i] > '9')
            return false;
    return true;
}

int Liczba2(const unsigned char* tekst) {
    return (tekst[0] - '0') * 10 + (tekst[1] - '0');
}

// An amount of whole cents below 10^13 reads back from its text (15
// significant digits at most) as the very same double, so it needs no text.
bool KwotaWGroszach(double wartosc) {
    if (!(std::fabs(wartosc) < 1e13))
        return false;
    return std::nearbyint(wartosc * 100) / 100 == wartosc;
}

} // namespace

TOdczytWiersza::TOdczytWiersza(TSQLiteDatabase& baza, const QString& sql,
                               const QString& nazwaTabeli)
    : fBaza(baza), fSQL(sql), fNazwaTabeli(nazwaTabeli), fZapytanie(baza.PrepareStatement(sql)) {
    const int kolumny = sqlite3_column_count(fZapytanie.get());
    for (int i = 0; i < kolumny; ++i)
        fNazwy << QString::fromUtf8(sqlite3_column_name(fZapytanie.get(), i)).toUpper();
    fId = fNazwy.indexOf(QStringLiteral("ID"));
    const TFormatSettings& fs = UstawieniaFormatow;
    fDatyISO = fs.ShortDateFormat == QLatin1String("yyyy-MM-dd") &&
               fs.DateSeparator == QLatin1Char('-') && fs.TimeSeparator == QLatin1Char(':');
}

TOdczytWiersza::TKolumna TOdczytWiersza::Kolumna(const QString& nazwa) const {
    return {static_cast<int>(fNazwy.indexOf(nazwa.toUpper())), nazwa};
}

// A column without a declared type takes its type from the first row's cell,
// as in the buffered result.
bool TOdczytWiersza::Nastepny() {
    fWiersz = TSQLiteTable::Step(fBaza, fZapytanie.get(), fSQL);
    if (fWiersz && fTypy.empty())
        for (int i = 0; i < fNazwy.size(); ++i)
            fTypy.push_back(TSQLiteTable::ColumnType(fZapytanie.get(), i));
    return fWiersz;
}

int TOdczytWiersza::Komorka(const TKolumna& kolumna) const {
    if (kolumna.indeks < 0)
        throw ESQLiteException(QStringLiteral("Field not found in dataset: ") + kolumna.nazwa);
    if (!fWiersz)
        throw ESQLiteException(QStringLiteral("Table is at End of File"));
    return kolumna.indeks;
}

bool TOdczytWiersza::Pusta(int i) const {
    return sqlite3_column_type(fZapytanie.get(), i) == SQLITE_NULL;
}

// The text TSQLiteTable::FieldAsString gives for the cell.
QString TOdczytWiersza::TekstKomorki(int i) const {
    sqlite3_stmt* z = fZapytanie.get();
    if (fTypy[i] == TSQLiteTable::Text) {
        // No text for NULL.
        const auto* tekst = reinterpret_cast<const char*>(sqlite3_column_text(z, i));
        return tekst ? QString::fromUtf8(tekst, sqlite3_column_bytes(z, i)) : QString();
    }
    if (Pusta(i))
        return {};
    switch (fTypy[i]) {
    case TSQLiteTable::Integer:
        return QString::number(sqlite3_column_int64(z, i));
    case TSQLiteTable::Float:
        return FloatToStr(sqlite3_column_double(z, i), FormatyProcesu());
    case TSQLiteTable::Blob: {
        const auto* bajty = static_cast<const char*>(sqlite3_column_blob(z, i));
        return QString::fromUtf8(QByteArray(bajty, sqlite3_column_bytes(z, i)));
    }
    default:
        return {};
    }
}

// The column's name appears in several tables, so the table and the row are
// named too: " (wiersz o Id 5)", nothing when the bad value is the Id itself
// or the result has no Id.
void TOdczytWiersza::Odrzuc(const QString& tekst, const TKolumna& kolumna, const char* czym) const {
    QString wiersz;
    if (fId >= 0 && kolumna.nazwa.compare(QLatin1String("Id"), Qt::CaseInsensitive) != 0)
        wiersz = QStringLiteral(" (wiersz o Id ") + Poczatek(TekstKomorki(fId)) + QLatin1Char(')');
    throw EDataError(
        QStringLiteral("Wartość \"%1\" w kolumnie %2 tabeli %3%4 nie jest %5.")
            .arg(Poczatek(tekst), kolumna.nazwa, fNazwaTabeli, wiersz, QString::fromUtf8(czym)));
}

int32_t TOdczytWiersza::Liczba(const TKolumna& kolumna) const {
    const int i = Komorka(kolumna);
    if (fTypy[i] == TSQLiteTable::Integer) {
        const int64_t wartosc = sqlite3_column_int64(fZapytanie.get(), i);
        if (wartosc >= std::numeric_limits<int32_t>::min() &&
            wartosc <= std::numeric_limits<int32_t>::max() && (wartosc != 0 || !Pusta(i)))
            return static_cast<int32_t>(wartosc);
    }
    const QString tekst = TekstKomorki(i);
    bool ok = false;
    const int32_t wartosc = tekst.toInt(&ok);
    if (!ok)
        Odrzuc(tekst, kolumna, "liczbą całkowitą");
    return wartosc;
}

uint32_t TOdczytWiersza::LiczbaBezZnaku(const TKolumna& kolumna) const {
    const int i = Komorka(kolumna);
    const QString tekst = TekstKomorki(i);
    bool ok = false;
    const qlonglong wartosc = tekst.toLongLong(&ok);
    if (!ok || wartosc < std::numeric_limits<int32_t>::min() ||
        wartosc > std::numeric_limits<uint32_t>::max())
        Odrzuc(tekst, kolumna, "liczbą całkowitą");
    return static_cast<uint32_t>(wartosc);
}

int8_t TOdczytWiersza::Bajt(const TKolumna& kolumna) const {
    return static_cast<int8_t>(static_cast<uint8_t>(Liczba(kolumna) & 0xFF));
}

// A sum that SQLite computed (the recorded total of savings) can exceed the
// largest double; the access layer renders it with the text of infinity,
// which is read back as that infinity.
double TOdczytWiersza::Kwota(const TKolumna& kolumna) const {
    const int i = Komorka(kolumna);
    if (fTypy[i] == TSQLiteTable::Float) {
        const double wartosc = sqlite3_column_double(fZapytanie.get(), i);
        if (KwotaWGroszach(wartosc) && (wartosc != 0 || !Pusta(i)))
            return wartosc;
    } else if (fTypy[i] == TSQLiteTable::Integer) {
        constexpr int64_t kDokladne = int64_t{1} << 53;
        const int64_t wartosc = sqlite3_column_int64(fZapytanie.get(), i);
        if (wartosc >= -kDokladne && wartosc <= kDokladne && (wartosc != 0 || !Pusta(i)))
            return static_cast<double>(wartosc);
    }
    const QString tekst = TekstKomorki(i);
    double wartosc = 0;
    if (TryStrToFloat(tekst, wartosc, FormatyProcesu()))
        return wartosc;
    for (double nieskonczonosc : {HUGE_VAL, -HUGE_VAL})
        if (tekst == NonFiniteText(nieskonczonosc))
            return nieskonczonosc;
    Odrzuc(tekst, kolumna, "liczbą");
}

// "yyyy-MM-dd hh:mm" or "yyyy-MM-dd hh:mm:ss" exactly, read from the bytes of
// the cell's text (whatever the storage class, a text column reads as
// those bytes); anything else (other settings, blanks, a bad date) goes through
// the text.
bool TOdczytWiersza::DataBezTekstu(int i, TDateTime& wartosc) const {
    if (!fDatyISO || fTypy[i] != TSQLiteTable::Text)
        return false;
    const unsigned char* t = sqlite3_column_text(fZapytanie.get(), i);
    if (!t)
        return false;
    const int dlugosc = sqlite3_column_bytes(fZapytanie.get(), i);
    if ((dlugosc != 16 && dlugosc != 19) || t[4] != '-' || t[7] != '-' || t[10] != ' ' ||
        t[13] != ':' || !CyfryASCII(t, {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15}))
        return false;
    int sekunda = 0;
    if (dlugosc == 19) {
        if (t[16] != ':' || !CyfryASCII(t, {17, 18}))
            return false;
        sekunda = Liczba2(t + 17);
    }
    const int rok = Liczba2(t) * 100 + Liczba2(t + 2);
    const int miesiac = Liczba2(t + 5), dzien = Liczba2(t + 8);
    const int godzina = Liczba2(t + 11), minuta = Liczba2(t + 14);
    if (!QDate::isValid(rok, miesiac, dzien) || godzina > 23 || minuta > 59 || sekunda > 59)
        return false;
    wartosc = EncodeDate(rok, miesiac, dzien) + EncodeTime(godzina, minuta, sekunda, 0);
    return true;
}

TDateTime TOdczytWiersza::Data(const TKolumna& kolumna) const {
    const int i = Komorka(kolumna);
    TDateTime wartosc = 0;
    if (DataBezTekstu(i, wartosc))
        return wartosc;
    const QString tekst = TekstKomorki(i);
    if (!TryStrToDateTime(tekst, wartosc, UstawieniaFormatow))
        Odrzuc(tekst, kolumna, "datą");
    return wartosc;
}

// A stored integer reads as its decimal text, which converts exactly.
bool TOdczytWiersza::Flaga(const TKolumna& kolumna) const {
    const int i = Komorka(kolumna);
    const int typ = fTypy[i];
    if ((typ == TSQLiteTable::Integer && !Pusta(i)) ||
        (typ == TSQLiteTable::Text && sqlite3_column_type(fZapytanie.get(), i) == SQLITE_INTEGER))
        return sqlite3_column_int64(fZapytanie.get(), i) != 0;
    const QString tekst = TekstKomorki(i);
    bool ok = false;
    const qlonglong calkowita = tekst.toLongLong(&ok);
    if (ok)
        return calkowita != 0;
    double wartosc = 0;
    if (!TryStrToFloat(tekst, wartosc, FormatyProcesu()))
        Odrzuc(tekst, kolumna, "wartością logiczną (0 lub 1)");
    return wartosc != 0;
}

QString TOdczytWiersza::Tekst(const TKolumna& kolumna) const {
    const int i = Komorka(kolumna);
    sqlite3_stmt* z = fZapytanie.get();
    if (fTypy[i] != TSQLiteTable::Text || sqlite3_column_type(z, i) != SQLITE_TEXT)
        return TekstKomorki(i);
    const auto* tekst = reinterpret_cast<const char*>(sqlite3_column_text(z, i));
    const int dlugosc = sqlite3_column_bytes(z, i);
    if (!tekst || dlugosc == 0)
        return TekstKomorki(i);
    if (fTeksty.empty())
        fTeksty.resize(fNazwy.size());
    if (!fTeksty[i])
        fTeksty[i] = std::make_unique<TTekstyPowtarzane>();
    return fTeksty[i]->Tekst(tekst, dlugosc);
}
