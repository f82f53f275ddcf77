#pragma once
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>

class TSQLiteTable;

// Reads the cells of the current row of a buffered result by column name,
// each as text (a NULL cell reads as empty text), and converts them as the
// loaders store them. A cell that does not convert raises EDataError naming
// the value (cut to a readable length), the column, the table and the row's
// Id; a column the result lacks raises ESQLiteException.
class TOdczytWiersza {
public:
    TOdczytWiersza(const TSQLiteTable& tabela, const QString& nazwaTabeli)
        : fTabela(tabela), fNazwaTabeli(nazwaTabeli) {}

    // Decimal text to a 32-bit integer.
    int32_t Liczba(const QString& kolumna) const;
    // A 32-bit unsigned value (weights, periods), as the savers write it;
    // a negative 32-bit integer wraps around as in an assignment.
    uint32_t LiczbaBezZnaku(const QString& kolumna) const;
    // The low byte of the integer, signed: -1 stays -1.
    int8_t Bajt(const QString& kolumna) const;
    // A number written with the process's decimal separator, or the text of
    // an infinity that the access layer gives for a sum beyond the doubles.
    double Kwota(const QString& kolumna) const;
    // "yyyy-MM-dd hh:mm", with or without seconds, by UstawieniaFormatow.
    TDateTime Data(const QString& kolumna) const;
    // "0" false, any other number true.
    bool Flaga(const QString& kolumna) const;
    // The stored text; empty for NULL.
    QString Tekst(const QString& kolumna) const;

private:
    [[noreturn]] void Odrzuc(const QString& tekst, const QString& kolumna, const char* czym) const;

    const TSQLiteTable& fTabela;
    QString fNazwaTabeli;
};
