#pragma once
#include "data/UstawGdyInna.h"
#include "domain/TTypModyfikacji.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>

// The total of all savings recorded on a day.
class TStanOszczednosci {
public:
    TStanOszczednosci(int32_t aId, double aStan, TDateTime aData, TTypModyfikacji aModyfikacja);
    TStanOszczednosci(const TStanOszczednosci&) = delete;
    TStanOszczednosci& operator=(const TStanOszczednosci&) = delete;

    void Clear();

    int32_t Id() const { return fId; }
    double Stan() const { return fStan; }
    TDateTime Data() const { return fData; }
    TTypModyfikacji Zmiany() const { return fZmiany; }

    // Each setter stores its value only when it differs; none touches fZmiany.
    void SetId(int32_t value) { UstawGdyInna(fId, value); }
    void SetStan(double value) { UstawGdyInna(fStan, value); }
    void SetData(TDateTime value) { UstawGdyInna(fData, value); }
    void SetZmiany(TTypModyfikacji value) { UstawGdyInna(fZmiany, value); }

    // "MMMM yyyy" of Data (month name and year).
    QString Miesiac() const;

private:
    int32_t fId = -1;
    double fStan = 0;
    TDateTime fData = 0;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
