#pragma once
#include "data/TTekstyPowtarzane.h"
#include "data/sqlite/TSQLiteStatement.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class TSQLiteDatabase;

// Walks the rows of one query straight from its statement, nothing buffered,
// and converts the cells of the current row as the loaders store them. The
// columns are found by name once, when the statement is prepared; each cell
// reads as the text that the buffered result (TSQLiteTable) gives for it, so
// every check and message is that of reading the text (a NULL cell reads as
// empty text), while the common cells (integers, amounts in cents, dates of
// the saved layout) are converted without making the text. A cell that does
// not convert raises EDataError naming the value (cut to a readable length),
// the column, the table and the row's Id; reading a column the result lacks
// raises ESQLiteException, on the first row that reads it.
class TOdczytWiersza {
public:
    // A column of the result: its index (-1 when the result has none of
    // that name) and its name as the loader spelled it, for the messages.
    struct TKolumna {
        int indeks;
        QString nazwa;
    };

    TOdczytWiersza(TSQLiteDatabase& baza, const QString& sql, const QString& nazwaTabeli);

    // The first column of the result with the name, compared without case.
    TKolumna Kolumna(const QString& nazwa) const;
    // Steps to the next row; answers whether there is one.
    bool Nastepny();

    // Decimal text to a 32-bit integer.
    int32_t Liczba(const TKolumna& kolumna) const;
    // A 32-bit unsigned value (weights, periods), as the savers write it;
    // a negative 32-bit integer wraps around as in an assignment.
    uint32_t LiczbaBezZnaku(const TKolumna& kolumna) const;
    // The low byte of the integer, signed: -1 stays -1.
    int8_t Bajt(const TKolumna& kolumna) const;
    // A number written with the process's decimal separator, or the text of
    // an infinity that the access layer gives for a sum beyond the doubles.
    double Kwota(const TKolumna& kolumna) const;
    // "yyyy-MM-dd hh:mm", with or without seconds, by UstawieniaFormatow.
    TDateTime Data(const TKolumna& kolumna) const;
    // "0" false, any other number true.
    bool Flaga(const TKolumna& kolumna) const;
    // The stored text; empty for NULL. A text that repeats in the column is
    // shared with the records read before (TTekstyPowtarzane).
    QString Tekst(const TKolumna& kolumna) const;

private:
    // The index of the column's cell in the current row, checked.
    int Komorka(const TKolumna& kolumna) const;
    bool Pusta(int i) const;
    QString TekstKomorki(int i) const;
    bool DataBezTekstu(int i, TDateTime& wartosc) const;
    [[noreturn]] void Odrzuc(const QString& tekst, const TKolumna& kolumna, const char* czym) const;

    TSQLiteDatabase& fBaza;
    QString fSQL;
    QString fNazwaTabeli;
    TSQLiteStatement fZapytanie;
    QStringList fNazwy;
    // The type codes of TSQLiteTable, set on the first row.
    std::vector<int> fTypy;
    int fId = -1;
    bool fWiersz = false;
    // Dates are written as "yyyy-MM-dd hh:mm[:ss]" in the current settings.
    bool fDatyISO = false;
    // The texts read by Tekst, per column; made on its first text.
    mutable std::vector<std::unique_ptr<TTekstyPowtarzane>> fTeksty;
};
