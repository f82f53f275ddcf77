#pragma once
#include "data/UstawGdyInna.h"
#include "domain/TCzestotliwosc.h"
#include "domain/TTypModyfikacji.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>

// A standing order (an expense or income repeated at a frequency), or one
// recorded run of such an order.
class TZlecenieStale {
public:
    TZlecenieStale();
    TZlecenieStale(int32_t aId, int32_t aIdKategorii, int32_t aIdZleceniaStalego,
                   int32_t aIdOszczednosci, int32_t aIdOsoba, const QString& aNazwa, double aKwota,
                   TCzestotliwosc aCzestotliwosc, int8_t aTypZleceniaStalego, TDateTime aData,
                   bool aAktywne, const QString& aKomentarz, TTypModyfikacji aModyfikacja);
    TZlecenieStale(const TZlecenieStale&) = delete;
    TZlecenieStale& operator=(const TZlecenieStale&) = delete;

    // Every field to its default except the four reference ids
    // (IdKategorii, IdZleceniaStalego, IdOszczednosci, IdOsoba).
    void Clear();

    int32_t Id() const { return fId; }
    int32_t IdKategorii() const { return fIdKategorii; }
    int32_t IdZleceniaStalego() const { return fIdZleceniaStalego; }
    int32_t IdOszczednosci() const { return fIdOszczednosci; }
    int32_t IdOsoba() const { return fIdOsoba; }
    const QString& Nazwa() const { return fNazwa; }
    double Kwota() const { return fKwota; }
    TDateTime Data() const { return fData; }
    bool Aktywne() const { return fAktywne; }
    const QString& Komentarz() const { return fKomentarz; }
    TTypModyfikacji Zmiany() const { return fZmiany; }

    // Each setter stores its value only when it differs; none touches fZmiany.
    void SetId(int32_t value) { UstawGdyInna(fId, value); }
    void SetIdKategorii(int32_t value) { UstawGdyInna(fIdKategorii, value); }
    void SetIdZleceniaStalego(int32_t value) { UstawGdyInna(fIdZleceniaStalego, value); }
    void SetIdOszczednosci(int32_t value) { UstawGdyInna(fIdOszczednosci, value); }
    void SetIdOsoba(int32_t value) { UstawGdyInna(fIdOsoba, value); }
    void SetNazwa(const QString& value) { UstawGdyInna(fNazwa, value); }
    void SetKwota(double value) { UstawGdyInna(fKwota, value); }
    void SetData(TDateTime value) { UstawGdyInna(fData, value); }
    void SetAktywne(bool value) { UstawGdyInna(fAktywne, value); }
    void SetKomentarz(const QString& value) { UstawGdyInna(fKomentarz, value); }
    void SetZmiany(TTypModyfikacji value) { UstawGdyInna(fZmiany, value); }

    // The frequency's name ("Co miesiąc", ...).
    QString CzestotliwoscString() const;
    // Days from Data to the next run: 1 daily, 7 weekly, calendar days for
    // the month-based frequencies and the year, 2147483647 for an order run
    // by hand, 0 for "Nigdy" and any unknown value.
    int32_t CzestotliwoscIloscDni() const;
    // "Wydatki" for an expense order, "Przychody" for an income one.
    QString TypZleceniaStalegoStr() const;
    // An amount of -1 means the amount is typed at each run.
    bool KwotaMozeUlecZmianie() const { return fKwota == -1; }

    // The due date of the next run: the day of Data at the current time of
    // day, plus CzestotliwoscIloscDni days.
    TDateTime PobierzDateDodaniaTegoZleceniaDoBazy() const;
    // Days from now to the due date that follows the given last run (two
    // decimals, negative when past); not-a-number without a last run, plus
    // infinity when this order never runs by itself.
    double PobierzIloscDniDoWykonania(const TZlecenieStale* ostatnioWykonaneZlecenieTegoTypu) const;

    // The frequency and the type (0 expense, 1 income, -1 not set) have no
    // property: callers read and write the fields directly.
    TCzestotliwosc fCzestotliwosc = TCzestotliwosc(-1);
    int8_t fTypZleceniaStalego = -1;

private:
    int32_t fId = -1;
    int32_t fIdKategorii = 0;
    int32_t fIdZleceniaStalego = 0;
    int32_t fIdOszczednosci = 0;
    int32_t fIdOsoba = 0;
    QString fNazwa;
    double fKwota = 0;
    TDateTime fData = 0;
    bool fAktywne = false;
    QString fKomentarz;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
