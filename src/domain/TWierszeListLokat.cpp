#include "domain/TWierszeListLokat.h"

#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"
#include "format/Formatowanie.h"

namespace {

// The cells of a deposit row in the calendar's order.
const QList<int> kKolumnyKalendarza = {0, 1, 5, 6, 7, 4};

QString Data(TDateTime wartosc) {
    return FormatDateTime(UstawieniaFormatow.ShortDateFormat, wartosc, UstawieniaFormatow);
}

} // namespace

QStringList TWierszeListLokat::NaglowkiGrup() {
    return {QStringLiteral("Lokaty aktywne"), QStringLiteral("Lokaty nieaktywne, zakończone")};
}

QStringList TWierszeListLokat::KolumnyKalendarza(const QStringList& komorkiLokaty) {
    QStringList wybrane;
    for (int i : kKolumnyKalendarza)
        wybrane.append(komorkiLokaty.value(i));
    return wybrane;
}

QList<bool> TWierszeListLokat::KalendarzDoPrawej() {
    QList<bool> doPrawej;
    for (int i : kKolumnyKalendarza)
        doPrawej.append(i != 0 && i != 4);
    return doPrawej;
}

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
