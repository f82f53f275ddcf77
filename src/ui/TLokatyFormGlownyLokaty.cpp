// Deposit commands of the deposits window: add, edit, new like the selected
// one, start, end and delete.
//
// A deposit refers to its offer by id, and offers added while the window is
// open get their ids only when they are saved. So while any offer is new,
// adding and editing first offer to save ("Zapisz", the window stays open).
#include "ui/TLokatyFormGlowny.h"

#include "app/Komunikaty.h"
#include "app/TDaneLokaty.h"
#include "data/TKolekcjeDanych.h"
#include "data/TekstBledu.h"
#include "domain/TGwarancjeBFG.h"
#include "format/Formatowanie.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "ui/TFormDodajEdytujLokate.h"
#include "ui/TFormDodajZyskZLokatyDoOszczednosci.h"
#include "ui/TFormPorownajOferty.h"
#include "ui/TKwotaEdit.h"
#include "ui/TListaRaportowa.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <exception>
#include <optional>

namespace {

const QString kOfertyNiezapisane = QStringLiteral(
    "Co najmniej jedna lokata bankowa została dodana lub zmieniona i nie jest zapisana. "
    "Zamknij najpierw ten moduł klikając w przycisk \"Zapisz i zamknij\" aby zapisać "
    "wprowadzone zmiany po czym uruchom go ponownie aby móc dodać nową lokatę.");
const QString kZapisacOferty = QStringLiteral(
    "Co najmniej jedna lokata bankowa została dodana lub zmieniona i nie jest zapisana, a lokata "
    "może wskazywać tylko zapisaną lokatę bankową. Czy zapisać teraz wszystkie zmiany? Okno "
    "pozostanie otwarte.");
const QString kTylkoDoOdczytu =
    QStringLiteral("Nie można założyć lokaty: plik danych jest otwarty w innym oknie programu, "
                   "to okno tylko go odczytuje.");
const QString kNieMoznaDodac = QStringLiteral("Nie można dodać nowej lokaty !!!\r");
const QString kNieMoznaEdytowac = QStringLiteral("Nie można edytować wybranej lokaty !!!\r");
const QString kNieMoznaDodacNaPodstawie =
    QStringLiteral("Nie można dodać nowej lokaty na podstawie lokaty wybranej!!!\r");

// The messages of the checks after OK, which differ only in their first line.
struct TKomunikatyEdytora {
    QString poczatek;

    QString Tekst(TBladDanychLokaty blad) const {
        switch (blad) {
        case TBladDanychLokaty::Kwota:
            return poczatek +
                   QStringLiteral("Upewnij się, że kwota lokaty została wpisana poprawnie.");
        case TBladDanychLokaty::Okres:
            return poczatek +
                   QStringLiteral("Upewnij się, że ilość miesięcy została wpisana poprawnie.");
        case TBladDanychLokaty::Nazwa:
            return poczatek +
                   QStringLiteral("Upewnij się, że nazwa lokaty została wpisana poprawnie.");
        case TBladDanychLokaty::Brak:
            break;
        }
        return {};
    }
};

const TKomunikatyEdytora kKomunikatyDodawania{kNieMoznaDodac};
const TKomunikatyEdytora kKomunikatyEdycji{kNieMoznaEdytowac};

struct TWynikEdytora {
    TDaneLokaty dane;
    TSprawdzoneDaneLokaty sprawdzone;
};

// The offer list, the amount limits and the deposit's values.
void PrzygotujEdytor(TFormDodajEdytujLokate& dialog, const TLokatyFormGlowny& okno,
                     TKolekcjeDanych& kolekcje) {
    dialog.UstawOgraniczeniaKwoty(okno.MaksymalnaDlugoscKwoty(),
                                  okno.MaksymalnaWartoscWProgramie());
    dialog.WypelnijHarmonogramy(
        kolekcje.PobierzOpisyKategorii(TTabele::HarmonogramyLokatBankowych, false, false, -1));
}

QString OpisHarmonogramu(const TKolekcjeDanych& kolekcje, int32_t idHarmonogramu) {
    return kolekcje.PobierzOpisKategoriiPoID(idHarmonogramu, TTabele::HarmonogramyLokatBankowych);
}

// Shows the editor; after OK runs the checks and shows the first that failed.
// Nothing comes back when the editor was cancelled or a check failed.
std::optional<TWynikEdytora> PokazEdytor(TFormDodajEdytujLokate& dialog,
                                         const TKomunikatyEdytora& komunikaty) {
    if (Platform::modalRunner().runModal(&dialog) != QDialog::Accepted)
        return std::nullopt;
    TWynikEdytora wynik{dialog.Dane(), {}};
    wynik.sprawdzone = SprawdzDaneLokaty(wynik.dane);
    if (wynik.sprawdzone.blad != TBladDanychLokaty::Kwota &&
        wynik.sprawdzone.blad != TBladDanychLokaty::Okres)
        dialog.e_AddL_Nazwa->setText(wynik.sprawdzone.nazwa);
    if (wynik.sprawdzone.blad != TBladDanychLokaty::Brak) {
        PokazBlad(komunikaty.Tekst(wynik.sprawdzone.blad));
        return std::nullopt;
    }
    return wynik;
}

int32_t IdHarmonogramu(const TKolekcjeDanych& kolekcje, const TDaneLokaty& dane) {
    if (dane.opisHarmonogramu.isEmpty())
        return -1;
    return kolekcje.PobierzIDKategoriiPoOpisie(dane.opisHarmonogramu,
                                               TTabele::HarmonogramyLokatBankowych);
}

void OznaczZmieniona(TLokata& lokata) {
    if (lokata.Zmiany() != TTypModyfikacji::Dodano)
        lokata.SetZmiany(TTypModyfikacji::Zmieniono);
}

// Appends a new deposit made of the checked values, marked added.
void DodajNowaLokate(TLokatyFormGlowny& okno, TKolekcjeDanych& kolekcje, const TWynikEdytora& wynik,
                     bool aktywna) {
    auto lokata = std::make_unique<TLokata>();
    lokata->SetId(okno.NoweIdLokaty());
    ZapiszDaneWLokacie(*lokata, wynik.dane, wynik.sprawdzone, IdHarmonogramu(kolekcje, wynik.dane));
    lokata->SetZmiany(TTypModyfikacji::Dodano);
    lokata->SetAktywna(aktywna);
    kolekcje.Lokaty().push_back(std::move(lokata));
    kolekcje.SetZmienionoINiezapisanoLokaty(true);
    okno.WypelnijListy(false);
    okno.PokazLokate(kolekcje.Lokaty().back().get());
}

QString TekstDni(TDateTime odKiedy, TDateTime doKiedy) {
    return QString::number(DaysBetween(odKiedy, doKiedy));
}

// Adds `znak` × the profit to its savings and to the profits waiting to be
// booked as income under the savings' category; false (the error shown) when
// the savings' arithmetic refuses.
bool ZmienOszczednosc(TKolekcjeDanych& kolekcje, const TLokatyFormGlowny::TZyskZakonczonej& zysk,
                      int znak) {
    try {
        const bool zmieniono =
            znak > 0 ? kolekcje.DodajDoOszczednosciWartosc(zysk.kwota, zysk.idOszczednosci, false)
                     : kolekcje.OdejmijZOszczednosciWartosc(zysk.kwota, zysk.idOszczednosci, false);
        if (!zmieniono)
            return false;
    } catch (const std::exception& blad) {
        PokazBlad(TekstBledu(blad));
        return false;
    }
    const int32_t idKategorii =
        kolekcje.PobierzIDKatOszczednosciDlaOszczednosci(zysk.idOszczednosci);
    kolekcje.ZyskiZLokatDoDodaniaJakoPrzychod()[idKategorii] += znak * zysk.kwota;
    return true;
}

using TZrodloZysku = TFormDodajZyskZLokatyDoOszczednosci::TZrodloZysku;

struct TPropozycjaZysku {
    TZrodloZysku zrodlo = TZrodloZysku::BezOferty;
    double kwota = 0;
    QString warunki;
};

// What goes into savings is money: at or after its end a deposit earns what
// the bank's exact schedule pays, net of tax; broken early it earns what the
// bank's terms leave, which only the user knows, so 0 is proposed.
TPropozycjaZysku ZaproponowanyZysk(const TLokata& lokata,
                                   const THarmonogramLokatyBankowej* oferta) {
    if (!oferta)
        return {};
    if (CompareDateTime(lokata.SzacowanaDataZakonczenia(), Now()) > 0)
        return {TZrodloZysku::PrzedTerminem, 0, oferta->WarunkiWczesniejszegoZerwaniaLokaty()};
    const std::optional<int64_t> netto = lokata.OdsetkiNettoWgBanku(oferta);
    if (!netto)
        return {TZrodloZysku::PozaZakresem, 0, {}};
    return {TZrodloZysku::Bank, static_cast<double>(*netto) / 100, {}};
}

// The profit dialog of an ended deposit; what was added to which savings (an
// amount of 0 when nothing was).
TLokatyFormGlowny::TZyskZakonczonej
ZaproponujDodanieZysku(TLokatyFormGlowny& okno, TKolekcjeDanych& kolekcje, const TLokata& lokata) {
    const TPropozycjaZysku propozycja = ZaproponowanyZysk(
        lokata, kolekcje.PobierzHarmonogramLokatyBankowejDlaID(lokata.IdHarmonogramLokaty()));
    TFormDodajZyskZLokatyDoOszczednosci dialog(&okno);
    dialog.lbl_AddZysk_Head->setText(QStringLiteral("Zysk z lokaty"));
    dialog.UstawInformacje(TFormDodajZyskZLokatyDoOszczednosci::TekstInformacji(
        lokata.Nazwa(), propozycja.zrodlo, propozycja.kwota, propozycja.warunki));
    dialog.UstawZysk(propozycja.kwota, okno.MaksymalnaDlugoscKwoty(),
                     okno.MaksymalnaWartoscWProgramie());
    dialog.WypelnijOszczednosci(kolekcje.UtworzTabliceOszczednosciZKwotami(false, -1));
    if (Platform::modalRunner().runModal(&dialog) != QDialog::Accepted || !dialog.kliknietoOK)
        return {};
    const TLokatyFormGlowny::TZyskZakonczonej zysk{dialog.IdWybranejOszczednosci(), dialog.Kwota()};
    return ZmienOszczednosc(kolekcje, zysk, 1) ? zysk : TLokatyFormGlowny::TZyskZakonczonej{};
}

// The deposit a start or end command works on: without the project or a
// selected row the connection message is shown; a row without a deposit gives
// null silently.
TLokata* LokataDoZmianyStanu(const TLokatyFormGlowny& okno) {
    if (!okno.Kolekcje() || !okno.WybranyWierszLokaty()) {
        TLokatyFormGlowny::PokazBrakPolaczeniaZBaza();
        return nullptr;
    }
    return okno.WybranaLokata();
}

} // namespace

int32_t TLokatyFormGlowny::NoweIdLokaty() const {
    TKolekcjeDanych* kolekcje = Kolekcje();
    return kolekcje ? ::NoweIdLokaty(kolekcje->Lokaty()) : 1;
}

void TLokatyFormGlowny::sbtn_DodajLokateClick() {
    TLokata nowa; // starts now
    nowa.SetOkresLokaty(12);
    nowa.fJednostkaLokaty = TJednostkaOkresu::Miesiac;
    DodajLokate(nowa);
}

void TLokatyFormGlowny::DodajLokate(const TLokata& wzor) {
    TKolekcjeDanych* kolekcje = KolekcjeLubKomunikat();
    if (!kolekcje)
        return;
    if (!OfertyZapisaneLubZapisz(kNieMoznaDodac))
        return;
    TFormDodajEdytujLokate dialog(this);
    dialog.setWindowTitle(QStringLiteral("Dodaj nową lokatę"));
    dialog.UstawNaglowek(QStringLiteral(" Dodaj nową lokatę"));
    PrzygotujEdytor(dialog, *this, *kolekcje);
    dialog.UstawLokate(wzor.Nazwa(), wzor.Kwota(), wzor.DataRozpoczecia(), wzor.OkresLokaty(),
                       wzor.fJednostkaLokaty,
                       wzor.IdHarmonogramLokaty() == -1
                           ? QString()
                           : OpisHarmonogramu(*kolekcje, wzor.IdHarmonogramLokaty()));

    const auto wynik = PokazEdytor(dialog, kKomunikatyDodawania);
    if (!wynik)
        return;
    // A deposit that starts in the future waits inactive until it is started.
    const bool aktywna = CompareDateTime(wynik->dane.dataRozpoczecia, Now()) <= 0;
    DodajNowaLokate(*this, *kolekcje, *wynik, aktywna);
}

void TLokatyFormGlowny::sbtn_PorownajOfertyClick() {
    TKolekcjeDanych* kolekcje = KolekcjeLubKomunikat();
    if (!kolekcje)
        return;
    TFormPorownajOferty dialog(kolekcje->HarmonogramyLokatBankowych(), this);
    dialog.UstawOgraniczeniaKwoty(MaksymalnaDlugoscKwoty(), MaksymalnaWartoscWProgramie());
    dialog.UstawProgNieaktualnosci(fDniDoNieaktualnosci);
    dialog.UstawGwarancje(TGwarancjeBFG(kolekcje->Lokaty(), kolekcje->HarmonogramyLokatBankowych(),
                                        fPolaczoneBanki, fKursEUR));
    if (Platform::modalRunner().runModal(&dialog) != QDialog::Accepted || !dialog.WybranaOferta())
        return;
    if (TylkoDoOdczytu()) {
        PokazBlad(kTylkoDoOdczytu);
        return;
    }
    // Saving reads the catalogue back: the chosen offer is found again.
    const QString kluczOferty = dialog.WybranaOferta()->BankNazwaOprocentowanie();
    if (!OfertyZapisaneLubZapisz(kNieMoznaDodac))
        return;
    const THarmonogramLokatyBankowej* wybrana =
        kolekcje->PobierzHarmonogramLokatyBankowejDlaBanikINazwa(kluczOferty);
    if (!wybrana)
        return;
    const THarmonogramLokatyBankowej& oferta = *wybrana;
    TLokata wzor;
    wzor.SetNazwa(oferta.Bank() + QStringLiteral(" - ") + oferta.NazwaWyswietlana());
    wzor.SetKwota(dialog.Kwota());
    wzor.SetDataRozpoczecia(dialog.DataRozpoczecia());
    wzor.SetOkresLokaty(static_cast<uint16_t>(oferta.OkresDepozytu()));
    wzor.fJednostkaLokaty = oferta.fJednostkaDepozytu;
    wzor.SetIdHarmonogramLokaty(oferta.Id());
    DodajLokate(wzor);
}

void TLokatyFormGlowny::sbtn_EdytujLokateClick() {
    TKolekcjeDanych* kolekcje = KolekcjeLubKomunikat();
    if (!kolekcje || !WybranyWierszLokaty() || TylkoDoOdczytu())
        return;
    if (!OfertyZapisaneLubZapisz(kNieMoznaEdytowac))
        return;
    TLokata* lokata = WybranaLokata();
    if (!lokata)
        return;
    if (!lokata->Aktywna()) {
        PokazBlad(QStringLiteral("Nie można edytować nieaktywnych lokat !!!"));
        return;
    }
    TFormDodajEdytujLokate dialog(this);
    dialog.setWindowTitle(QStringLiteral("Edytuj lokatę"));
    dialog.UstawNaglowek(QStringLiteral(" Edytuj lokatę"));
    PrzygotujEdytor(dialog, *this, *kolekcje);
    dialog.UstawLokate(lokata->Nazwa(), lokata->Kwota(), lokata->DataRozpoczecia(),
                       lokata->OkresLokaty(), lokata->fJednostkaLokaty,
                       OpisHarmonogramu(*kolekcje, lokata->IdHarmonogramLokaty()));

    const auto wynik = PokazEdytor(dialog, kKomunikatyEdycji);
    if (!wynik)
        return;
    ZapiszDaneWLokacie(*lokata, wynik->dane, wynik->sprawdzone,
                       IdHarmonogramu(*kolekcje, wynik->dane));
    lokata->SetAktywna(true);
    OznaczZmieniona(*lokata);
    kolekcje->SetZmienionoINiezapisanoLokaty(true);
    WypelnijListy(false);
}

void TLokatyFormGlowny::sbtn_RozpocznijJakoNowaLokateClick() {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje || !WybranyWierszLokaty()) {
        PokazBrakPolaczeniaZBaza();
        return;
    }
    if (!OfertyZapisaneLubZapisz(kNieMoznaDodacNaPodstawie))
        return;
    const TLokata* wzor = WybranaLokata();
    if (!wzor) {
        PokazBlad(QStringLiteral("Nie można dodać nowej lokaty na podstawie lokaty wybranej, "
                                 "wybierz najpierw lokatę !!!"));
        return;
    }
    TFormDodajEdytujLokate dialog(this);
    dialog.UstawNaglowek(QStringLiteral(" Dodaj lokatę"));
    PrzygotujEdytor(dialog, *this, *kolekcje);
    dialog.UstawLokate(wzor->Nazwa(), wzor->Kwota(), Now(), wzor->OkresLokaty(),
                       wzor->fJednostkaLokaty,
                       OpisHarmonogramu(*kolekcje, wzor->IdHarmonogramLokaty()));

    const auto wynik = PokazEdytor(dialog, kKomunikatyDodawania);
    if (!wynik)
        return;
    // The user starts it now, whatever start date was chosen.
    DodajNowaLokate(*this, *kolekcje, *wynik, true);
}

void TLokatyFormGlowny::sbtn_RozpocznijLokateClick() {
    TLokata* lokata = LokataDoZmianyStanu(*this);
    if (!lokata)
        return;
    const TDateTime teraz = Now();
    if (CompareDateTime(lokata->SzacowanaDataZakonczenia(), teraz) <= 0) {
        PokazBlad(QStringLiteral(
            "Czas zakończenia lokaty już minął, nie można jej ponownie aktywować !!!"));
        return;
    }
    if (CompareDateTime(lokata->DataRozpoczecia(), teraz) > 0) {
        const QString pytanie =
            QStringLiteral("Czy jesteś pewien że chcesz rozpocząć wybraną lokatę ????.\r"
                           "Data rozpoczęcia lokaty jeszcze nie minęła. Ilość dni do daty "
                           "rozpoczęcia lokaty: ") +
            TekstDni(teraz, lokata->DataRozpoczecia());
        if (!ZapytajTakNie(pytanie))
            return;
    } else if (!CofnijZyskPrzedRozpoczeciem(*lokata)) {
        return;
    }
    ZakonczLubRozpocznijLokate(lokata, true);
}

// A profit added to savings when the deposit was ended in this showing is
// taken back from the savings and from the income to be booked, so that ending
// it again does not count it twice. A deposit ended in an earlier showing may
// have had its profit booked then; that cannot be undone from here.
bool TLokatyFormGlowny::CofnijZyskPrzedRozpoczeciem(const TLokata& lokata) {
    TKolekcjeDanych* kolekcje = Kolekcje();
    const auto zakonczona = fZakonczoneWTymPokazaniu.find(lokata.Id());
    const QString poczatek =
        QStringLiteral("Czy jesteś pewien że chcesz ponownie rozpocząć lokatę \"%1\" ????.\r")
            .arg(lokata.Nazwa());
    if (zakonczona == fZakonczoneWTymPokazaniu.end()) {
        if (lokata.Zmiany() == TTypModyfikacji::Dodano)
            return true;
        return ZapytajTakNie(poczatek +
                             QStringLiteral("Lokata została zakończona wcześniej. Zysk dodany "
                                            "wtedy do oszczędności nie zostanie cofnięty: jeżeli "
                                            "go dodano, popraw kwotę oszczędności ręcznie."));
    }
    const TZyskZakonczonej zysk = zakonczona->second;
    if (zysk.kwota != 0 && kolekcje) {
        const QString oszczednosc = kolekcje->PobierzOpisKategoriiPoID(
            kolekcje->PobierzIDKatOszczednosciDlaOszczednosci(zysk.idOszczednosci),
            TTabele::Kategorie_Oszczednosci);
        if (!ZapytajPrzedUtrataDanych(
                poczatek +
                QStringLiteral("Zysk %1 dodany przy jej zakończeniu do oszczędności \"%2\" "
                               "zostanie z niej odjęty i nie zostanie zaksięgowany jako przychód.")
                    .arg(FormatMoney(zysk.kwota), oszczednosc)) ||
            !ZmienOszczednosc(*kolekcje, zysk, -1))
            return false;
    }
    fZakonczoneWTymPokazaniu.erase(zakonczona);
    return true;
}

void TLokatyFormGlowny::sbtn_ZakonczLokateClick() {
    TLokata* lokata = LokataDoZmianyStanu(*this);
    if (!lokata)
        return;
    const TDateTime teraz = Now();
    const TDateTime koniec = lokata->SzacowanaDataZakonczenia();
    if (CompareDateTime(koniec, teraz) > 0) {
        // Counted as the list's column counts the days left, so the two agree.
        const QString pytanie =
            QStringLiteral("Czy jesteś pewien że chcesz przerwać wybraną lokatę ????.\r"
                           "Ilość dni do końca lokaty: ") +
            QString::number(DaysBetween(teraz, koniec) + 1);
        if (!ZapytajPrzedUtrataDanych(pytanie))
            return;
    }
    ZakonczLubRozpocznijLokate(lokata, false);
}

void TLokatyFormGlowny::sbtn_UsunLokateClick() {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje || !WybranyWierszLokaty()) {
        PokazBrakPolaczeniaZBaza();
        return;
    }
    if (!ZapytajPrzedUtrataDanych(
            QStringLiteral("Czy jesteś pewien że chcesz usunąć wybraną lokatę ????.\r"
                           "Operacja jest nieodwracalna !!!")))
        return;
    TLokata* lokata = WybranaLokata();
    if (!lokata)
        return;
    // The deposit stays in the list, unlisted, until it is deleted from the database.
    lokata->SetZmiany(TTypModyfikacji::Usunieto);
    kolekcje->SetZmienionoINiezapisanoLokaty(true);
    WypelnijListy(false);
}

void TLokatyFormGlowny::ZakonczLubRozpocznijLokate(TLokata* lokata, bool aktywna) {
    if (!lokata) {
        WypelnijListy(false);
        return;
    }
    lokata->SetAktywna(aktywna);
    OznaczZmieniona(*lokata);
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje) {
        WypelnijListy(false);
        return;
    }
    if (!aktywna)
        fZakonczoneWTymPokazaniu[lokata->Id()] = ZaproponujDodanieZysku(*this, *kolekcje, *lokata);
    kolekcje->SetZmienionoINiezapisanoLokaty(true);
    WypelnijListy(false);
}

bool TLokatyFormGlowny::OfertyZapisaneLubZapisz(const QString& odmowa) {
    const TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje || kolekcje->HarmonogramyLokatBankowychSaZapisane())
        return true;
    if (!fZapisWMiejscu || TylkoDoOdczytu()) {
        PokazBlad(odmowa + kOfertyNiezapisane);
        return false;
    }
    return ZapytajTakNie(kZapisacOferty) && ZapiszWMiejscu();
}

void TLokatyFormGlowny::PokazLokate(const TLokata* lokata) {
    pgc_Zakladki->setCurrentWidget(ts_TwojeLokaty);
    lv_Lokaty->ZaznaczRekord(lokata);
    lv_Lokaty->setFocus();
    UstawPrzyciski();
}
