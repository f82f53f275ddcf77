#pragma once
#include "data/UstawGdyInna.h"
#include "domain/TTypModyfikacji.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>

// One income of the household: an amount of an income category paid into a
// savings category for a person on a day.
class TPrzychod {
public:
    TPrzychod();
    TPrzychod(int32_t aId, int32_t aIdKategoriaPrzychody, double aIle,
              int32_t aIdKategoriaOszczednosci, TDateTime aData, int32_t aIdOsoba,
              const QString& aOpis, TTypModyfikacji aModyfikacja, bool aZlecenieStale);
    TPrzychod(const TPrzychod&) = delete;
    TPrzychod& operator=(const TPrzychod&) = delete;

    void Clear();

    int32_t Id() const { return fId; }
    int32_t IdKategoriaPrzychody() const { return fIdKategoriaPrzychody; }
    double Ile() const { return fIle_; }
    int32_t IdKategoriaOszczednosci() const { return fIdKategoriaOszczednosci; }
    TDateTime Data() const { return fData; }
    int32_t IdOsoba() const { return fIdOsoba; }
    const QString& Komentarz() const { return fKomentarz; }
    bool ZlecenieStale() const { return fZlecenieStale; }
    TTypModyfikacji Zmiany() const { return fZmiany; }

    // Each setter stores its value only when it differs; none touches fZmiany.
    void SetId(int32_t value) { UstawGdyInna(fId, value); }
    void SetIdKategoriaPrzychody(int32_t value) { UstawGdyInna(fIdKategoriaPrzychody, value); }
    void SetIle(double value) { UstawGdyInna(fIle_, value); }
    void SetIdKategoriaOszczednosci(int32_t value) {
        UstawGdyInna(fIdKategoriaOszczednosci, value);
    }
    void SetData(TDateTime value) { UstawGdyInna(fData, value); }
    void SetIdOsoba(int32_t value) { UstawGdyInna(fIdOsoba, value); }
    void SetKomentarz(const QString& value) { UstawGdyInna(fKomentarz, value); }
    void SetZlecenieStale(bool value) { UstawGdyInna(fZlecenieStale, value); }
    void SetZmiany(TTypModyfikacji value) { UstawGdyInna(fZmiany, value); }

    // "MMMM yyyy" of Data (month name and year) and its year.
    QString Miesiac() const;
    uint16_t Rok() const;

private:
    int32_t fId = -1;
    int32_t fIdKategoriaPrzychody = -1;
    double fIle_ = 0;
    int32_t fIdKategoriaOszczednosci = -1;
    TDateTime fData = 0;
    int32_t fIdOsoba = -1;
    QString fKomentarz;
    bool fZlecenieStale = false;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
