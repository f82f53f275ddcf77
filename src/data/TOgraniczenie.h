#pragma once
#include "data/UstawGdyInna.h"
#include "domain/TTypModyfikacji.h"
#include "platform/DateTimeUtils.h"

#include <cstdint>

// A spending limit of one expense category for one year: per month and per year.
class TOgraniczenie {
public:
    TOgraniczenie();
    // Leaves Id at -1.
    TOgraniczenie(int32_t aIdKategoriiWydatku, double aMaxMiesiac, double aMaxRok, uint16_t aRok,
                  TTypModyfikacji aModyfikacja);
    TOgraniczenie(const TOgraniczenie&) = delete;
    TOgraniczenie& operator=(const TOgraniczenie&) = delete;

    void Clear();

    int32_t Id() const { return fId; }
    int32_t IdKategoriiWydatku() const { return fIdKategoriiWydatku; }
    double MaxMiesiac() const { return fMaxMiesiac; }
    double MaxRok() const { return fMaxRok; }
    TDateTime Data() const { return fData; }
    uint16_t RokOgraniczenia() const { return fRok; }
    TTypModyfikacji Zmiany() const { return fZmiany; }

    // Each setter stores its value only when it differs; none touches fZmiany.
    void SetId(int32_t value) { UstawGdyInna(fId, value); }
    void SetIdKategoriiWydatku(int32_t value) { UstawGdyInna(fIdKategoriiWydatku, value); }
    void SetMaxMiesiac(double value) { UstawGdyInna(fMaxMiesiac, value); }
    void SetMaxRok(double value) { UstawGdyInna(fMaxRok, value); }
    void SetData(TDateTime value) { UstawGdyInna(fData, value); }
    void SetRokOgraniczenia(uint16_t value) { UstawGdyInna(fRok, value); }
    void SetZmiany(TTypModyfikacji value) { UstawGdyInna(fZmiany, value); }

private:
    int32_t fId = -1;
    int32_t fIdKategoriiWydatku = -1;
    double fMaxMiesiac = 0;
    double fMaxRok = 0;
    TDateTime fData = 0;
    uint16_t fRok = 0;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
