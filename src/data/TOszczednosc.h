#pragma once
#include "data/UstawGdyInna.h"
#include "domain/TTypModyfikacji.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>

// One savings balance: the amount held in a savings category on a day. The
// synthetic balance of the active deposits (OszczednoscZTabeliLokaty) is
// read-only and never reports a change, so it is never saved.
class TOszczednosc {
public:
    TOszczednosc();
    TOszczednosc(int32_t aId, int32_t aIdKategoriaOszczednosci, double aIle, TDateTime aData,
                 const QString& aKomentarz, int8_t aTypOszczednosci, TTypModyfikacji aModyfikacja);
    TOszczednosc(const TOszczednosc&) = delete;
    TOszczednosc& operator=(const TOszczednosc&) = delete;

    // Every field to its default except WagaIdKatOszczednosci.
    void Clear();

    int32_t Id() const { return fId; }
    int32_t IdKategoriaOszczednosci() const { return fIdKategoriaOszczednosci; }
    double Ile() const { return fIle_; }
    TDateTime Data() const { return fData; }
    const QString& Komentarz() const { return fKomentarz; }
    uint32_t WagaIdKatOszczednosci() const { return fWagaIdKatOszczednosci; }
    bool OszczednoscZTabeliLokaty() const { return fOszczednoscZTabeliLokaty; }
    bool IsReadOnly() const { return fOszczednoscZTabeliLokaty; }
    // BezZmian for the read-only balance, whatever was written.
    TTypModyfikacji Zmiany() const;

    // Each setter stores its value only when it differs; none touches fZmiany.
    void SetId(int32_t value) { UstawGdyInna(fId, value); }
    void SetIdKategoriaOszczednosci(int32_t value) {
        UstawGdyInna(fIdKategoriaOszczednosci, value);
    }
    void SetIle(double value) { UstawGdyInna(fIle_, value); }
    void SetData(TDateTime value) { UstawGdyInna(fData, value); }
    void SetKomentarz(const QString& value) { UstawGdyInna(fKomentarz, value); }
    void SetWagaIdKatOszczednosci(uint32_t value) { UstawGdyInna(fWagaIdKatOszczednosci, value); }
    void SetOszczednoscZTabeliLokaty(bool value) { UstawGdyInna(fOszczednoscZTabeliLokaty, value); }
    void SetZmiany(TTypModyfikacji value) { UstawGdyInna(fZmiany, value); }

    // "MMMM yyyy" of Data (month name and year) and its year.
    QString Miesiac() const;
    uint16_t Rok() const;

    // The type of savings has no property: 1 ordinary, 2 counted with the
    // opposite sign in a debt category; other values are refused by the
    // savings arithmetic of the collections.
    int8_t fTypOszczednosci = 1;

private:
    int32_t fId = -1;
    int32_t fIdKategoriaOszczednosci = -1;
    double fIle_ = 0;
    TDateTime fData = 0;
    QString fKomentarz;
    uint32_t fWagaIdKatOszczednosci = 0;
    bool fOszczednoscZTabeliLokaty = false;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
