#pragma once
#include "data/UstawGdyInna.h"
#include "domain/TTypModyfikacji.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>

// One expense of the household: an amount of an expense category paid from a
// savings category by a person on a day.
class TWydatek {
public:
    TWydatek();
    TWydatek(int32_t aId, int32_t aIdKategoriaWydatki, double aIle,
             int32_t aIdKategoriaOszczednosci, TDateTime aData, int32_t aIdOsoba,
             const QString& aOpis, TTypModyfikacji aModyfikacja, const QString& aZalacznik,
             bool aZlecenieStale);
    TWydatek(const TWydatek&) = delete;
    TWydatek& operator=(const TWydatek&) = delete;

    void Clear();

    int32_t Id() const { return fId; }
    int32_t IdKategoriaWydatki() const { return fIdKategoriaWydatki; }
    double Ile() const { return fIle_; }
    int32_t IdKategoriaOszczednosci() const { return fIdKategoriaOszczednosci; }
    TDateTime Data() const { return fData; }
    int32_t IdOsoba() const { return fIdOsoba; }
    const QString& Komentarz() const { return fKomentarz; }
    bool ZlecenieStale() const { return fZlecenieStale; }
    const QString& Zalacznik() const { return fZalacznik; }
    TTypModyfikacji Zmiany() const { return fZmiany; }

    // Each setter stores its value only when it differs; none touches fZmiany.
    void SetId(int32_t value) { UstawGdyInna(fId, value); }
    void SetIdKategoriaWydatki(int32_t value) { UstawGdyInna(fIdKategoriaWydatki, value); }
    void SetIle(double value) { UstawGdyInna(fIle_, value); }
    void SetIdKategoriaOszczednosci(int32_t value) {
        UstawGdyInna(fIdKategoriaOszczednosci, value);
    }
    void SetData(TDateTime value) { UstawGdyInna(fData, value); }
    void SetIdOsoba(int32_t value) { UstawGdyInna(fIdOsoba, value); }
    void SetKomentarz(const QString& value) { UstawGdyInna(fKomentarz, value); }
    void SetZlecenieStale(bool value) { UstawGdyInna(fZlecenieStale, value); }
    void SetZalacznik(const QString& value) { UstawGdyInna(fZalacznik, value); }
    void SetZmiany(TTypModyfikacji value) { UstawGdyInna(fZmiany, value); }

    // "MMMM yyyy" of Data (month name and year); the year; Data at midnight.
    QString Miesiac() const;
    uint16_t Rok() const;
    TDateTime Dzien() const;

private:
    int32_t fId = -1;
    int32_t fIdKategoriaWydatki = -1;
    double fIle_ = 0;
    int32_t fIdKategoriaOszczednosci = -1;
    TDateTime fData = 0;
    int32_t fIdOsoba = -1;
    QString fKomentarz;
    bool fZlecenieStale = false;
    QString fZalacznik;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
