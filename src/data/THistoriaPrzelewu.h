#pragma once
#include "data/UstawGdyInna.h"
#include "domain/TTypModyfikacji.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>

// One transfer of an amount from one savings category to another.
class THistoriaPrzelewu {
public:
    THistoriaPrzelewu();
    THistoriaPrzelewu(int32_t id, double ile, int32_t idKategoriaOszczednosciFROM,
                      int32_t idKategoriaOszczednosciTO, TDateTime data, const QString& komentarz,
                      TTypModyfikacji modyfikacja);
    THistoriaPrzelewu(const THistoriaPrzelewu&) = delete;
    THistoriaPrzelewu& operator=(const THistoriaPrzelewu&) = delete;

    void Clear();

    int32_t Id() const { return fId; }
    double Ile() const { return fKwota; }
    int32_t IdKategoriaOszczednosciFROM() const { return fIdKategoriaOszczednosciFROM; }
    int32_t IdKategoriaOszczednosciTO() const { return fIdKategoriaOszczednosciTO; }
    TDateTime Data() const { return fData; }
    const QString& Komentarz() const { return fKomentarz; }
    TTypModyfikacji Zmiany() const { return fZmiany; }

    // Each setter stores its value only when it differs; none touches fZmiany.
    void SetId(int32_t value) { UstawGdyInna(fId, value); }
    void SetIle(double value) { UstawGdyInna(fKwota, value); }
    void SetIdKategoriaOszczednosciFROM(int32_t value) {
        UstawGdyInna(fIdKategoriaOszczednosciFROM, value);
    }
    void SetIdKategoriaOszczednosciTO(int32_t value) {
        UstawGdyInna(fIdKategoriaOszczednosciTO, value);
    }
    void SetData(TDateTime value) { UstawGdyInna(fData, value); }
    void SetKomentarz(const QString& value) { UstawGdyInna(fKomentarz, value); }
    void SetZmiany(TTypModyfikacji value) { UstawGdyInna(fZmiany, value); }

    // "MMMM yyyy" of Data (month name and year).
    QString Miesiac() const;

private:
    int32_t fId = -1;
    double fKwota = 0;
    int32_t fIdKategoriaOszczednosciFROM = -1;
    int32_t fIdKategoriaOszczednosciTO = -1;
    TDateTime fData = 0;
    QString fKomentarz;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
