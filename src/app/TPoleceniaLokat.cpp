#include "app/TPoleceniaLokat.h"

#include "app/IEdytorLokaty.h"
#include "app/Komunikaty.h"
#include "app/TDaneLokaty.h"
#include "app/TDecyzjeZapisu.h"
#include "data/TKolekcjeDanych.h"
#include "data/TekstBledu.h"
#include "format/Formatowanie.h"
#include "platform/Clock.h"

#include <exception>

namespace {

const QString kTylkoDoOdczytu =
    QStringLiteral("Nie można założyć lokaty: plik danych jest otwarty w innym oknie programu, "
                   "to okno tylko go odczytuje.");
const QString kNieMoznaDodac = QStringLiteral("Nie można dodać nowej lokaty !!!\r");
const QString kNieMoznaEdytowac = QStringLiteral("Nie można edytować wybranej lokaty !!!\r");
const QString kNieMoznaDodacNaPodstawie =
    QStringLiteral("Nie można dodać nowej lokaty na podstawie lokaty wybranej!!!\r");

// The messages of the checks after OK, which differ only in their first line.
QString TekstOdmowy(const QString& poczatek, TBladDanychLokaty blad) {
    switch (blad) {
    case TBladDanychLokaty::Kwota:
        return poczatek + QStringLiteral("Upewnij się, że kwota lokaty została wpisana poprawnie.");
    case TBladDanychLokaty::Okres:
        return poczatek +
               QStringLiteral("Upewnij się, że ilość miesięcy została wpisana poprawnie.");
    case TBladDanychLokaty::Nazwa:
        return poczatek + QStringLiteral("Upewnij się, że nazwa lokaty została wpisana poprawnie.");
    case TBladDanychLokaty::Brak:
        break;
    }
    return {};
}

QString OpisHarmonogramu(const TKolekcjeDanych& kolekcje, int32_t idHarmonogramu) {
    return kolekcje.PobierzOpisKategoriiPoID(idHarmonogramu, TTabele::HarmonogramyLokatBankowych);
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

QString TekstDni(TDateTime odKiedy, TDateTime doKiedy) {
    return QString::number(DaysBetween(odKiedy, doKiedy));
}

// Adds `znak` × the profit to its savings and to the profits waiting to be
// booked as income under the savings' category; false (the error shown) when
// the savings' arithmetic refuses.
bool ZmienOszczednosc(TKolekcjeDanych& kolekcje, const TZyskZakonczonej& zysk, int znak) {
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

} // namespace

struct TPoleceniaLokat::TWynikEdytora {
    TDaneLokaty dane;
    TSprawdzoneDaneLokaty sprawdzone;
};

TPoleceniaLokat::TPoleceniaLokat(TDecyzjeZapisu& zapis, IEdytorLokaty& edytor,
                                 IDialogZyskuZLokaty& dialogZysku, TWybrana wybrana)
    : fZapis(zapis), fEdytor(edytor), fDialogZysku(dialogZysku), fWybrana(std::move(wybrana)) {}

TKolekcjeDanych* TPoleceniaLokat::Kolekcje() const {
    return fZapis.Kolekcje();
}

int32_t TPoleceniaLokat::NoweIdLokaty() const {
    TKolekcjeDanych* kolekcje = Kolekcje();
    return kolekcje ? ::NoweIdLokaty(kolekcje->Lokaty()) : 1;
}

// The editor's offer list, the deposit's values and its start.
TWypelnienieEdytoraLokaty TPoleceniaLokat::Wypelnienie(TKolekcjeDanych& kolekcje,
                                                       const TLokata& lokata,
                                                       TDateTime dataRozpoczecia) const {
    TWypelnienieEdytoraLokaty wypelnienie;
    wypelnienie.opisyHarmonogramow =
        kolekcje.PobierzOpisyKategorii(TTabele::HarmonogramyLokatBankowych, false, false, -1);
    wypelnienie.nazwa = lokata.Nazwa();
    wypelnienie.kwota = lokata.Kwota();
    wypelnienie.dataRozpoczecia = dataRozpoczecia;
    wypelnienie.okres = lokata.OkresLokaty();
    wypelnienie.jednostka = lokata.fJednostkaLokaty;
    wypelnienie.opisHarmonogramu = OpisHarmonogramu(kolekcje, lokata.IdHarmonogramLokaty());
    return wypelnienie;
}

// Shows the editor; after OK runs the checks and shows the first that failed.
// Nothing comes back when the editor was cancelled or a check failed.
std::optional<TPoleceniaLokat::TWynikEdytora>
TPoleceniaLokat::PokazEdytor(const TWypelnienieEdytoraLokaty& wypelnienie, const QString& odmowa) {
    const std::optional<TDaneLokaty> dane = fEdytor.Pokaz(wypelnienie);
    if (!dane)
        return std::nullopt;
    TWynikEdytora wynik{*dane, SprawdzDaneLokaty(*dane)};
    if (wynik.sprawdzone.blad != TBladDanychLokaty::Brak) {
        PokazBlad(TekstOdmowy(odmowa, wynik.sprawdzone.blad));
        return std::nullopt;
    }
    return wynik;
}

// Appends a new deposit made of the checked values, marked added.
TPoleceniaLokat::TWynik TPoleceniaLokat::DodajNowaLokate(TKolekcjeDanych& kolekcje,
                                                         const TWynikEdytora& wynik, bool aktywna) {
    auto lokata = std::make_unique<TLokata>();
    lokata->SetId(NoweIdLokaty());
    ZapiszDaneWLokacie(*lokata, wynik.dane, wynik.sprawdzone, IdHarmonogramu(kolekcje, wynik.dane));
    lokata->SetZmiany(TTypModyfikacji::Dodano);
    lokata->SetAktywna(aktywna);
    kolekcje.Lokaty().push_back(std::move(lokata));
    kolekcje.SetZmienionoINiezapisanoLokaty(true);
    return {true, kolekcje.Lokaty().back().get()};
}

TPoleceniaLokat::TWynik TPoleceniaLokat::Dodaj() {
    TLokata nowa; // starts now
    nowa.SetOkresLokaty(12);
    nowa.fJednostkaLokaty = TJednostkaOkresu::Miesiac;
    return DodajLokate(nowa);
}

TPoleceniaLokat::TWynik TPoleceniaLokat::DodajLokate(const TLokata& wzor) {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje) {
        PokazBrakPolaczeniaZBaza();
        return {};
    }
    if (!fZapis.OfertyZapisaneLubZapisz(kNieMoznaDodac))
        return {};
    TWypelnienieEdytoraLokaty wypelnienie = Wypelnienie(*kolekcje, wzor, wzor.DataRozpoczecia());
    wypelnienie.tytul = QStringLiteral("Dodaj nową lokatę");
    wypelnienie.naglowek = QStringLiteral(" Dodaj nową lokatę");
    if (wzor.IdHarmonogramLokaty() == -1)
        wypelnienie.opisHarmonogramu.clear();
    const auto wynik = PokazEdytor(wypelnienie, kNieMoznaDodac);
    if (!wynik)
        return {};
    // A deposit that starts in the future waits inactive until it is started.
    const bool aktywna = CompareDateTime(wynik->dane.dataRozpoczecia, Now()) <= 0;
    return DodajNowaLokate(*kolekcje, *wynik, aktywna);
}

TPoleceniaLokat::TWynik TPoleceniaLokat::DodajZOferty(const QString& kluczOferty, double kwota,
                                                      TDateTime dataRozpoczecia) {
    if (fZapis.TylkoDoOdczytu()) {
        PokazBlad(kTylkoDoOdczytu);
        return {};
    }
    // Saving reads the catalogue back: the chosen offer is found again.
    if (!fZapis.OfertyZapisaneLubZapisz(kNieMoznaDodac))
        return {};
    TKolekcjeDanych* kolekcje = Kolekcje();
    const THarmonogramLokatyBankowej* oferta =
        kolekcje ? kolekcje->PobierzHarmonogramLokatyBankowejDlaBanikINazwa(kluczOferty) : nullptr;
    if (!oferta)
        return {};
    TLokata wzor;
    wzor.SetNazwa(oferta->Bank() + QStringLiteral(" - ") + oferta->NazwaWyswietlana());
    wzor.SetKwota(kwota);
    wzor.SetDataRozpoczecia(dataRozpoczecia);
    wzor.SetOkresLokaty(static_cast<uint16_t>(oferta->OkresDepozytu()));
    wzor.fJednostkaLokaty = oferta->fJednostkaDepozytu;
    wzor.SetIdHarmonogramLokaty(oferta->Id());
    return DodajLokate(wzor);
}

TPoleceniaLokat::TWynik TPoleceniaLokat::Edytuj() {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje) {
        PokazBrakPolaczeniaZBaza();
        return {};
    }
    if (!fWybrana().wiersz || fZapis.TylkoDoOdczytu())
        return {};
    if (!fZapis.OfertyZapisaneLubZapisz(kNieMoznaEdytowac))
        return {};
    TLokata* lokata = fWybrana().lokata;
    if (!lokata)
        return {};
    if (!lokata->Aktywna()) {
        PokazBlad(QStringLiteral("Nie można edytować nieaktywnych lokat !!!"));
        return {};
    }
    TWypelnienieEdytoraLokaty wypelnienie =
        Wypelnienie(*kolekcje, *lokata, lokata->DataRozpoczecia());
    wypelnienie.tytul = QStringLiteral("Edytuj lokatę");
    wypelnienie.naglowek = QStringLiteral(" Edytuj lokatę");
    const auto wynik = PokazEdytor(wypelnienie, kNieMoznaEdytowac);
    if (!wynik)
        return {};
    ZapiszDaneWLokacie(*lokata, wynik->dane, wynik->sprawdzone,
                       IdHarmonogramu(*kolekcje, wynik->dane));
    lokata->SetAktywna(true);
    OznaczZmieniona(*lokata);
    kolekcje->SetZmienionoINiezapisanoLokaty(true);
    return {true, nullptr};
}

TPoleceniaLokat::TWynik TPoleceniaLokat::NowaJakWybrana() {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje || !fWybrana().wiersz) {
        PokazBrakPolaczeniaZBaza();
        return {};
    }
    if (!fZapis.OfertyZapisaneLubZapisz(kNieMoznaDodacNaPodstawie))
        return {};
    const TLokata* wzor = fWybrana().lokata;
    if (!wzor) {
        PokazBlad(QStringLiteral("Nie można dodać nowej lokaty na podstawie lokaty wybranej, "
                                 "wybierz najpierw lokatę !!!"));
        return {};
    }
    // The editor keeps its own caption.
    TWypelnienieEdytoraLokaty wypelnienie = Wypelnienie(*kolekcje, *wzor, Now());
    wypelnienie.naglowek = QStringLiteral(" Dodaj lokatę");
    const auto wynik = PokazEdytor(wypelnienie, kNieMoznaDodac);
    if (!wynik)
        return {};
    // The user starts it now, whatever start date was chosen.
    return DodajNowaLokate(*kolekcje, *wynik, true);
}

// The deposit a start or end command works on: without the project or a
// selected row the connection message is shown; a row without a deposit gives
// null silently.
TLokata* TPoleceniaLokat::LokataDoZmianyStanu() const {
    const TWybor wybor = fWybrana();
    if (!Kolekcje() || !wybor.wiersz) {
        PokazBrakPolaczeniaZBaza();
        return nullptr;
    }
    return wybor.lokata;
}

TPoleceniaLokat::TWynik TPoleceniaLokat::Rozpocznij() {
    TLokata* lokata = LokataDoZmianyStanu();
    if (!lokata)
        return {};
    const TDateTime teraz = Now();
    if (CompareDateTime(lokata->SzacowanaDataZakonczenia(), teraz) <= 0) {
        PokazBlad(QStringLiteral(
            "Czas zakończenia lokaty już minął, nie można jej ponownie aktywować !!!"));
        return {};
    }
    if (CompareDateTime(lokata->DataRozpoczecia(), teraz) > 0) {
        const QString pytanie =
            QStringLiteral("Czy jesteś pewien że chcesz rozpocząć wybraną lokatę ????.\r"
                           "Data rozpoczęcia lokaty jeszcze nie minęła. Ilość dni do daty "
                           "rozpoczęcia lokaty: ") +
            TekstDni(teraz, lokata->DataRozpoczecia());
        if (!ZapytajTakNie(pytanie))
            return {};
    } else if (!CofnijZyskPrzedRozpoczeciem(*lokata)) {
        return {};
    }
    return ZakonczLubRozpocznijLokate(lokata, true);
}

// A profit added to savings when the deposit was ended in this showing is
// taken back from the savings and from the income to be booked, so that ending
// it again does not count it twice. A deposit ended in an earlier showing may
// have had its profit booked then; that cannot be undone from here.
bool TPoleceniaLokat::CofnijZyskPrzedRozpoczeciem(const TLokata& lokata) {
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

TPoleceniaLokat::TWynik TPoleceniaLokat::Zakoncz() {
    TLokata* lokata = LokataDoZmianyStanu();
    if (!lokata)
        return {};
    const TDateTime teraz = Now();
    const TDateTime koniec = lokata->SzacowanaDataZakonczenia();
    if (CompareDateTime(koniec, teraz) > 0) {
        // Counted as the list's column counts the days left, so the two agree.
        const QString pytanie =
            QStringLiteral("Czy jesteś pewien że chcesz przerwać wybraną lokatę ????.\r"
                           "Ilość dni do końca lokaty: ") +
            QString::number(DaysBetween(teraz, koniec) + 1);
        if (!ZapytajPrzedUtrataDanych(pytanie))
            return {};
    }
    return ZakonczLubRozpocznijLokate(lokata, false);
}

TPoleceniaLokat::TWynik TPoleceniaLokat::Usun() {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje || !fWybrana().wiersz) {
        PokazBrakPolaczeniaZBaza();
        return {};
    }
    if (!ZapytajPrzedUtrataDanych(
            QStringLiteral("Czy jesteś pewien że chcesz usunąć wybraną lokatę ????.\r"
                           "Operacja jest nieodwracalna !!!")))
        return {};
    TLokata* lokata = fWybrana().lokata;
    if (!lokata)
        return {};
    // The deposit stays in the list, unlisted, until it is deleted from the database.
    lokata->SetZmiany(TTypModyfikacji::Usunieto);
    kolekcje->SetZmienionoINiezapisanoLokaty(true);
    return {true, nullptr};
}

TPoleceniaLokat::TWynik TPoleceniaLokat::ZakonczLubRozpocznijLokate(TLokata* lokata, bool aktywna) {
    if (!lokata)
        return {true, nullptr};
    lokata->SetAktywna(aktywna);
    OznaczZmieniona(*lokata);
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje)
        return {true, nullptr};
    if (!aktywna)
        fZakonczoneWTymPokazaniu[lokata->Id()] = ZaproponujDodanieZysku(*kolekcje, *lokata);
    kolekcje->SetZmienionoINiezapisanoLokaty(true);
    return {true, nullptr};
}

// The profit dialog of an ended deposit; what was added to which savings (an
// amount of 0 when nothing was).
TZyskZakonczonej TPoleceniaLokat::ZaproponujDodanieZysku(TKolekcjeDanych& kolekcje,
                                                         const TLokata& lokata) {
    const TPropozycjaZysku propozycja = ZaproponowanyZysk(
        lokata, kolekcje.PobierzHarmonogramLokatyBankowejDlaID(lokata.IdHarmonogramLokaty()));
    const std::optional<TZyskZakonczonej> zysk = fDialogZysku.Pokaz(
        lokata.Nazwa(), propozycja, kolekcje.UtworzTabliceOszczednosciZKwotami(false, -1));
    if (!zysk)
        return {};
    return ZmienOszczednosc(kolekcje, *zysk, 1) ? *zysk : TZyskZakonczonej{};
}

// The lists are read back from the file after an in-place save: the deposits
// ended in this showing are found again by id (a deposit added before the
// save by the id the file gave it).
void TPoleceniaLokat::PoZapisie(const std::map<int32_t, int32_t>& noweId) {
    std::map<int32_t, TZyskZakonczonej> zakonczone;
    for (const auto& [id, zysk] : fZakonczoneWTymPokazaniu)
        zakonczone[TDecyzjeZapisu::IdPoZapisie(noweId, id)] = zysk;
    fZakonczoneWTymPokazaniu = std::move(zakonczone);
}
