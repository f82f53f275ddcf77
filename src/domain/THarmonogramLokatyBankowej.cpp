#include "domain/THarmonogramLokatyBankowej.h"

#include "format/Formatowanie.h"
#include "format/TOdczytStrumienia.h"
#include "format/TZapisStrumienia.h"
#include "platform/Clock.h"

#include <charconv>

THarmonogramLokatyBankowej::THarmonogramLokatyBankowej() {
    Clear();
}

THarmonogramLokatyBankowej::THarmonogramLokatyBankowej(TDateTime chwila)
    : fDataDodaniaModyfikacji(chwila) {}

THarmonogramLokatyBankowej::~THarmonogramLokatyBankowej() = default;

void THarmonogramLokatyBankowej::Clear() {
    fId = -1;
    fNazwaHarmonogramu.clear();
    fBank.clear();
    fOkresDepozytu = 0;
    fJednostkaDepozytu = TJednostkaOkresu::Brak;
    fOprocentowanieStaleWCalymOkresieLokaty = false;
    fOprocentowanieWSkaliRoku = 0;
    fKapitalizacja = TKapitalizacja::Brak;
    fKwotaMinimalna = 0;
    fKwotaMaksymalna = 0;
    fWymaganeKontoOsobisteWTymBanku = false;
    fMozliwoscWczesniejszegoZerwaniaLokaty = false;
    fWarunkiWczesniejszegoZerwaniaLokaty.clear();
    fHarmonogramDodanyPrzezUzytkownika = false;
    fPozostaleInformacje.clear();
    fDataDodaniaModyfikacji = Now();
    fZmiany = TTypModyfikacji::BezZmian;
}

QString THarmonogramLokatyBankowej::NazwaDepozytu() const {
    QString nazwa;
    DopiszNazweDepozytu(nazwa);
    return nazwa;
}

void THarmonogramLokatyBankowej::DopiszNazweDepozytu(QString& tekst) const {
    int64_t ile = fOkresDepozytu;
    char jednostka = 0;
    switch (fJednostkaDepozytu) {
    case TJednostkaOkresu::Dzien:
        jednostka = 'D';
        break;
    case TJednostkaOkresu::Tydzien:
        ile *= 7;
        jednostka = 'D';
        break;
    case TJednostkaOkresu::Miesiac:
        jednostka = 'M';
        break;
    case TJednostkaOkresu::Rok:
        jednostka = 'R';
        break;
    default:
        return;
    }
    char cyfry[24];
    const auto koniec = std::to_chars(cyfry, cyfry + sizeof cyfry, ile).ptr;
    tekst.append(QLatin1StringView(cyfry, koniec - cyfry)).append(QLatin1Char(jednostka));
}

QString THarmonogramLokatyBankowej::NazwaWyswietlana() const {
    QString nazwa;
    nazwa.reserve(fNazwaHarmonogramu.size() + 8);
    nazwa.append(fNazwaHarmonogramu).append(QLatin1Char(' '));
    DopiszNazweDepozytu(nazwa);
    return nazwa;
}

QString THarmonogramLokatyBankowej::BankNazwaOprocentowanie() const {
    return BankNazwaOprocentowanie(FormatPercent(fOprocentowanieWSkaliRoku));
}

QString THarmonogramLokatyBankowej::BankNazwaOprocentowanie(QStringView procent) const {
    // Built in one buffer: the label is made for every offer at every listing.
    QString etykieta;
    etykieta.reserve(fBank.size() + fNazwaHarmonogramu.size() + procent.size() + 16);
    etykieta.append(fBank).append(QLatin1String(" - ")).append(fNazwaHarmonogramu);
    etykieta.append(QLatin1Char(' '));
    DopiszNazweDepozytu(etykieta);
    etykieta.append(QLatin1String(" (")).append(procent).append(QLatin1Char(')'));
    return etykieta;
}

QString THarmonogramLokatyBankowej::OkresLokaty() const {
    return OkresTekst(fOkresDepozytu, fJednostkaDepozytu);
}

uint32_t THarmonogramLokatyBankowej::OkresLokatyIloscDni() const {
    switch (fJednostkaDepozytu) {
    case TJednostkaOkresu::Tydzien:
        return fOkresDepozytu * 7;
    case TJednostkaOkresu::Miesiac:
        return fOkresDepozytu * 30;
    case TJednostkaOkresu::Rok:
        return fOkresDepozytu * 365;
    default:
        return fOkresDepozytu;
    }
}

QString THarmonogramLokatyBankowej::OprocentowanieStaleWCalymOkresieLokatyNazwa() const {
    return fOprocentowanieStaleWCalymOkresieLokaty ? QStringLiteral("Stałe")
                                                   : QStringLiteral("Zmienne");
}

QString THarmonogramLokatyBankowej::KapitalizacjaNazwa() const {
    switch (fKapitalizacja) {
    case TKapitalizacja::Dzienna:
        return QStringLiteral("Dzienna");
    case TKapitalizacja::Miesieczna:
        return QStringLiteral("Miesięczna");
    case TKapitalizacja::Roczna:
        return QStringLiteral("Roczna");
    case TKapitalizacja::Kwartalna:
        return QStringLiteral("Kwartalna");
    case TKapitalizacja::PoOkresieUmowy:
        return QStringLiteral("Po okresie umowy");
    case TKapitalizacja::Polroczna:
        return QStringLiteral("Półroczna");
    default:
        return QStringLiteral("(brak danych)");
    }
}

uint32_t THarmonogramLokatyBankowej::KapitalizacjaCoIleDni() const {
    switch (fKapitalizacja) {
    case TKapitalizacja::Dzienna:
        return 1;
    case TKapitalizacja::Miesieczna:
        return 30;
    case TKapitalizacja::Roczna:
        return 360;
    case TKapitalizacja::Kwartalna:
        return 90;
    case TKapitalizacja::PoOkresieUmowy:
        return OkresLokatyIloscDni();
    case TKapitalizacja::Polroczna:
        return 180;
    default:
        return 0;
    }
}

QString THarmonogramLokatyBankowej::KwotaMinimalnaString() const {
    return fKwotaMinimalna > 0 ? FormatMoney(fKwotaMinimalna, 2) : QStringLiteral("(brak)");
}

QString THarmonogramLokatyBankowej::KwotaMaksymalnaString() const {
    return fKwotaMaksymalna > 0 ? FormatMoney(fKwotaMaksymalna, 2)
                                : QStringLiteral("(brak górnego ograniczenia)");
}

QString THarmonogramLokatyBankowej::WymaganeKontoOsobisteWTymBankuNazwa() const {
    return fWymaganeKontoOsobisteWTymBanku ? QStringLiteral("Wymagane")
                                           : QStringLiteral("Niewymagane");
}

void THarmonogramLokatyBankowej::WriteToStream(TZapisStrumienia& writer) const {
    writer.WriteListBegin();
    writer.WriteString(fNazwaHarmonogramu);
    writer.WriteString(fBank);
    writer.WriteInt64(fOkresDepozytu);
    writer.WriteInteger(static_cast<int8_t>(fJednostkaDepozytu));
    writer.WriteBoolean(fOprocentowanieStaleWCalymOkresieLokaty);
    writer.WriteFloat(fOprocentowanieWSkaliRoku);
    writer.WriteInteger(static_cast<int8_t>(fKapitalizacja));
    writer.WriteFloat(fKwotaMinimalna);
    writer.WriteFloat(fKwotaMaksymalna);
    writer.WriteBoolean(fWymaganeKontoOsobisteWTymBanku);
    writer.WriteBoolean(fMozliwoscWczesniejszegoZerwaniaLokaty);
    writer.WriteBoolean(fHarmonogramDodanyPrzezUzytkownika);
    writer.WriteString(fWarunkiWczesniejszegoZerwaniaLokaty);
    writer.WriteString(fPozostaleInformacje);
    writer.WriteListEnd();
}

void THarmonogramLokatyBankowej::ReadFromStream(TOdczytStrumienia& reader) {
    ReadFromStream(reader, Now());
}

void THarmonogramLokatyBankowej::ReadFromStream(TOdczytStrumienia& reader, TDateTime chwila) {
    reader.ReadListBegin();
    fNazwaHarmonogramu = reader.ReadString();
    fBank = reader.ReadString();
    fOkresDepozytu = reader.ReadUInt32();
    // The unit and the capitalisation keep the low byte of what was stored.
    fJednostkaDepozytu = static_cast<TJednostkaOkresu>(static_cast<int8_t>(reader.ReadInteger()));
    fOprocentowanieStaleWCalymOkresieLokaty = reader.ReadBoolean();
    fOprocentowanieWSkaliRoku = reader.ReadFloat();
    fKapitalizacja = static_cast<TKapitalizacja>(static_cast<int8_t>(reader.ReadInteger()));
    fKwotaMinimalna = reader.ReadFloat();
    fKwotaMaksymalna = reader.ReadFloat();
    fWymaganeKontoOsobisteWTymBanku = reader.ReadBoolean();
    fMozliwoscWczesniejszegoZerwaniaLokaty = reader.ReadBoolean();
    fHarmonogramDodanyPrzezUzytkownika = reader.ReadBoolean();
    fWarunkiWczesniejszegoZerwaniaLokaty = reader.ReadString();
    fPozostaleInformacje = reader.ReadString();
    fDataDodaniaModyfikacji = chwila;
    fZmiany = TTypModyfikacji::Dodano;
    reader.ReadListEnd();
}
