#include "domain/TWierszeListLokat.h"

#include "domain/Formatowanie.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"

namespace {

QString Data(TDateTime wartosc) {
    return FormatDateTime(UstawieniaFormatow.ShortDateFormat, wartosc, UstawieniaFormatow);
}

} // namespace

QString TWierszeListLokat::TekstBrakuLokatyBankowej() {
    return QStringLiteral("wybierz lokatę bankową aby policzyć szacowany zysk");
}

QString TWierszeListLokat::TekstNieaktywnejLokaty() {
    return QStringLiteral("Lokata nie jest aktywna");
}

QStringList TWierszeListLokat::KomorkiLokaty(const TLokata& lokata,
                                             const THarmonogramLokatyBankowej* harmonogram,
                                             double zysk) {
    const bool bezOferty = lokata.IdHarmonogramLokaty() == -1;
    const int32_t dni = lokata.IloscDniDoZakonczenia();
    return {lokata.Nazwa(),
            FormatMoney(lokata.Kwota()),
            Data(lokata.DataRozpoczecia()),
            lokata.OkresLokatyString(),
            bezOferty || !harmonogram ? QString() : harmonogram->BankNazwaOprocentowanie(),
            Data(lokata.SzacowanaDataZakonczenia()),
            bezOferty ? TekstBrakuLokatyBankowej() : FormatMoney(zysk),
            dni == TLokata::kDniNieaktywnej ? TekstNieaktywnejLokaty() : IntToStr(dni)};
}

QString TWierszeListLokat::Podsumowanie(int iloscAktywnych, double kwota, double zysk) {
    return QStringLiteral("Ilość aktywnych lokat: %1,   kwota na lokatach: %2,   szacowany zysk "
                          "z lokat: %3")
        .arg(iloscAktywnych)
        .arg(FormatMoney(kwota), FormatMoney(zysk));
}
