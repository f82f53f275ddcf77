#pragma once
#include "data/UstawGdyInna.h"
#include "domain/TTypModyfikacji.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>

// A planned expense or income on a day.
class TPlan {
public:
    TPlan();
    TPlan(int32_t aId, const QString& aNazwa, double aKwota, int32_t aIdKategorii, bool aWykonany,
          bool aDodanyDoKolekcji, int8_t aTypPlanu, TDateTime aData, const QString& aKomentarz,
          TTypModyfikacji aModyfikacja);
    TPlan(const TPlan&) = delete;
    TPlan& operator=(const TPlan&) = delete;

    void Clear();

    int32_t Id() const { return fId; }
    const QString& Nazwa() const { return fNazwa; }
    double Kwota() const { return fKwota; }
    int32_t IdKategorii() const { return fIdKategorii; }
    bool Wykonany() const { return fWykonany; }
    bool DodanyDoKolekcji() const { return fDodanyDoKolekcji; }
    TDateTime Data() const { return fData; }
    const QString& Komentarz() const { return fKomentarz; }
    TTypModyfikacji Zmiany() const { return fZmiany; }

    // Each setter stores its value only when it differs; none touches fZmiany.
    void SetId(int32_t value) { UstawGdyInna(fId, value); }
    void SetNazwa(const QString& value) { UstawGdyInna(fNazwa, value); }
    void SetKwota(double value) { UstawGdyInna(fKwota, value); }
    void SetIdKategorii(int32_t value) { UstawGdyInna(fIdKategorii, value); }
    void SetWykonany(bool value) { UstawGdyInna(fWykonany, value); }
    void SetDodanyDoKolekcji(bool value) { UstawGdyInna(fDodanyDoKolekcji, value); }
    void SetData(TDateTime value) { UstawGdyInna(fData, value); }
    void SetKomentarz(const QString& value) { UstawGdyInna(fKomentarz, value); }
    void SetZmiany(TTypModyfikacji value) { UstawGdyInna(fZmiany, value); }

    // "Wydatki" for a planned expense, "Przychody" for a planned income.
    QString TypPlanuStr() const;
    // "MMMM yyyy" of Data (month name and year) and its year.
    QString Miesiac() const;
    uint16_t Rok() const;
    // Days from now to Data (two decimals), negative when Data is past.
    double IloscDniDoWykonania() const;
    // The group a plan is listed under: -1 carried out, 0 due today, 1 due
    // later this month, 2 in another month.
    int32_t IdGrupy() const;

    // The type (0 expense, 1 income, -1 not set) has no property: callers
    // read and write the field directly.
    int8_t fTypPlanu = -1;

private:
    int32_t fId = -1;
    QString fNazwa;
    double fKwota = 0;
    int32_t fIdKategorii = -1;
    bool fWykonany = false;
    bool fDodanyDoKolekcji = false;
    TDateTime fData = 0;
    QString fKomentarz;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
