#pragma once
#include "domain/TJednostkaOkresu.h"
#include "domain/TKapitalizacja.h"
#include "domain/TTypModyfikacji.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>

class TOdczytStrumienia;
class TZapisStrumienia;

// One deposit offer of a bank in the user's catalogue. Its properties read and
// write the fields directly (no change checks); it also makes the texts under
// which the offer is shown everywhere. Offers are not copied as a whole.
class THarmonogramLokatyBankowej {
public:
    THarmonogramLokatyBankowej();
    // An empty offer dated `chwila` instead of now.
    explicit THarmonogramLokatyBankowej(TDateTime chwila);
    ~THarmonogramLokatyBankowej();
    THarmonogramLokatyBankowej(const THarmonogramLokatyBankowej&) = delete;
    THarmonogramLokatyBankowej& operator=(const THarmonogramLokatyBankowej&) = delete;

    // Every field to its default except fIloscOkresowKapitalizacji.
    void Clear();

    // The offer's record in an offer file: its fourteen stored fields between
    // a list start and a list end (id, capitalisation periods, date and
    // change kind are not stored).
    void WriteToStream(TZapisStrumienia& writer) const;
    // Reads a record written by WriteToStream into this offer, which then
    // counts as new: dated now and marked Dodano. Fails with EPlikOfert.
    void ReadFromStream(TOdczytStrumienia& reader);
    // The same, dated `chwila`: the offers of one file share the moment it
    // was read, which the clock gives once instead of for every offer.
    void ReadFromStream(TOdczytStrumienia& reader, TDateTime chwila);

    int32_t Id() const { return fId; }
    const QString& NazwaHarmonogramu() const { return fNazwaHarmonogramu; }
    const QString& Bank() const { return fBank; }
    uint32_t OkresDepozytu() const { return fOkresDepozytu; }
    bool OprocentowanieStaleWCalymOkresieLokaty() const {
        return fOprocentowanieStaleWCalymOkresieLokaty;
    }
    double OprocentowanieWSkaliRoku() const { return fOprocentowanieWSkaliRoku; }
    double KwotaMinimalna() const { return fKwotaMinimalna; }
    double KwotaMaksymalna() const { return fKwotaMaksymalna; }
    bool WymaganeKontoOsobisteWTymBanku() const { return fWymaganeKontoOsobisteWTymBanku; }
    bool MozliwoscWczesniejszegoZerwaniaLokaty() const {
        return fMozliwoscWczesniejszegoZerwaniaLokaty;
    }
    const QString& WarunkiWczesniejszegoZerwaniaLokaty() const {
        return fWarunkiWczesniejszegoZerwaniaLokaty;
    }
    const QString& PozostaleInformacje() const { return fPozostaleInformacje; }
    double IloscOkresowKapitalizacji() const { return fIloscOkresowKapitalizacji; }
    bool HarmonogramDodanyPrzezUzytkownika() const { return fHarmonogramDodanyPrzezUzytkownika; }
    TDateTime DataDodaniaModyfikacji() const { return fDataDodaniaModyfikacji; }
    TTypModyfikacji Zmiany() const { return fZmiany; }

    // The term as "<days>D", "<months>M" or "<years>R"; empty without a unit.
    QString NazwaDepozytu() const;
    void DopiszNazweDepozytu(QString& tekst) const;
    QString NazwaWyswietlana() const;
    QString BankNazwaOprocentowanie() const;
    // The same with the rate's text given, as FormatPercent makes it.
    QString BankNazwaOprocentowanie(QStringView procent) const;
    QString OkresLokaty() const;
    uint32_t OkresLokatyIloscDni() const;
    QString OprocentowanieStaleWCalymOkresieLokatyNazwa() const;
    QString KapitalizacjaNazwa() const;
    uint32_t KapitalizacjaCoIleDni() const;
    QString KwotaMinimalnaString() const;
    QString KwotaMaksymalnaString() const;
    QString WymaganeKontoOsobisteWTymBankuNazwa() const;

    // Widest first, so that no padding lies between the fields: a catalogue
    // or an offer file holds many offers.
    QString fNazwaHarmonogramu;
    QString fBank;
    QString fWarunkiWczesniejszegoZerwaniaLokaty;
    QString fPozostaleInformacje;
    double fOprocentowanieWSkaliRoku = 0;
    double fKwotaMinimalna = 0;
    double fKwotaMaksymalna = 0;
    double fIloscOkresowKapitalizacji = 0;
    TDateTime fDataDodaniaModyfikacji = 0;
    int32_t fId = -1;
    uint32_t fOkresDepozytu = 0;
    TJednostkaOkresu fJednostkaDepozytu = TJednostkaOkresu::Brak;
    TKapitalizacja fKapitalizacja = TKapitalizacja::Brak;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
    bool fOprocentowanieStaleWCalymOkresieLokaty = false;
    bool fWymaganeKontoOsobisteWTymBanku = false;
    bool fMozliwoscWczesniejszegoZerwaniaLokaty = false;
    bool fHarmonogramDodanyPrzezUzytkownika = false;
};
