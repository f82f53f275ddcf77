#pragma once
#include "domain/TJednostkaOkresu.h"
#include "domain/TTypModyfikacji.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>
#include <limits>
#include <optional>

class THarmonogramLokatyBankowej;

// One bank deposit of the user: a named amount placed for a term from a start
// day, following a bank offer (by id). Knows its end date, length, days left,
// term text and the estimated net interest.
class TLokata {
public:
    TLokata();
    TLokata(int32_t id, const QString& nazwa, double kwota, TDateTime dataRozpoczecia,
            uint16_t okresLokaty, TJednostkaOkresu jednostkaLokaty, int32_t idHarmonogramLokaty,
            bool aktywna, TTypModyfikacji zmiany);
    ~TLokata();
    TLokata(const TLokata&) = delete;
    TLokata& operator=(const TLokata&) = delete;

    void Clear();

    int32_t Id() const { return fId; }
    const QString& Nazwa() const { return fNazwa; }
    double Kwota() const { return fKwota; }
    TDateTime DataRozpoczecia() const { return fDataRozpoczecia; }
    uint16_t OkresLokaty() const { return fOkresLokaty; }
    int32_t IdHarmonogramLokaty() const { return fIdHarmonogramLokaty; }
    bool Aktywna() const { return fAktywna; }
    TTypModyfikacji Zmiany() const { return fZmiany; }

    // Each setter stores its value only when it differs; none touches fZmiany.
    void SetId(int32_t value);
    void SetNazwa(const QString& value);
    void SetKwota(double value);
    void SetDataRozpoczecia(TDateTime value);
    void SetOkresLokaty(uint16_t value);
    void SetIdHarmonogramLokaty(int32_t value);
    void SetAktywna(bool value);
    void SetZmiany(TTypModyfikacji value);

    uint32_t OkresLokatyWDniach() const;
    QString OkresLokatyString() const;
    TDateTime SzacowanaDataZakonczenia() const;
    // Days left for an inactive deposit: no count, the largest int32.
    static constexpr int32_t kDniNieaktywnej = std::numeric_limits<int32_t>::max();
    int32_t IloscDniDoZakonczenia() const;
    bool Zakonczona() const;
    // The getter under the household program's name; no caller here.
    int32_t GetIloscDniDoZakonczenia() const { return IloscDniDoZakonczenia(); }

    // Estimated net interest of the whole term with the offer's rate and
    // capitalisation (0 without an offer); stores the number of capitalisation
    // periods in the offer. The last estimate is kept with the values it was
    // computed from (amount, term, rate, capitalisation, rounding mode), so
    // asking again before the deposit or its offer changes costs nothing: a
    // refill of the deposit list never repeats a long estimate.
    double ObliczSzacowanyZyskZLokaty(THarmonogramLokatyBankowej* harmonogram) const;

    // The net interest the bank pays at the end of the term, in grosze: the
    // offer's exact schedule for this deposit's amount, start and term, 19 %
    // tax rounded up in every period. Nothing without an offer or when the
    // schedule cannot be computed exactly.
    std::optional<int64_t> OdsetkiNettoWgBanku(const THarmonogramLokatyBankowej* oferta) const;

    // The unit has no property: callers read and write it directly.
    TJednostkaOkresu fJednostkaLokaty = TJednostkaOkresu::Brak;

private:
    // The inputs of one estimate and its result.
    struct TSzacunek {
        uint64_t kwota;
        uint64_t stopa;
        uint32_t dni;
        uint32_t dlugoscOkresu;
        int zaokraglanie;
        double zysk;
        bool TeSameDane(const TSzacunek& inny) const;
    };

    int32_t fId = -1;
    QString fNazwa;
    double fKwota = 0;
    TDateTime fDataRozpoczecia = 0;
    uint16_t fOkresLokaty = 0;
    int32_t fIdHarmonogramLokaty = -1;
    bool fAktywna = false;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
    // Used from the window thread only, like the record itself.
    mutable std::optional<TSzacunek> fOstatniSzacunek;
};
