// Offer commands of the deposits window: the catalogue's add, edit, clone and
// deletions, the offer of a deposit, the offer file and the web import.
//
// New offers enter the catalogue only through DodajLubNadpiszHarmonogram, so
// one duplicate rule (bank, name with term code and rate, ignoring letter
// case) and one overwrite question apply to the editor, cloning and imports.
#include "ui/TLokatyFormGlowny.h"

#include "app/Komunikaty.h"
#include "app/WyborCeluEksportu.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/PlikOfert.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"
#include "format/EPlikOfert.h"
#include "import/PobieranieZInternetu.h"
#include "platform/Platform.h"
#include "platform/WebAddresses.h"
#include "ui/TFormDodajEdytujLokateBankowa.h"
#include "ui/TListaRaportowa.h"
#include "ui/import/TFormImportLokatBanki.h"
#include "ui/import/TFormParserLokatBankowych.h"
#include "ui/import/TFormPobieranieListyBankow.h"

#include <QFile>
#include <QPushButton>
#include <QTabWidget>

namespace {

using TEdytorOferty = TFormDodajEdytujLokateBankowa;

const QString kFiltrPlikuOfert = QStringLiteral("Lokaty bankowe (*.vq_lb)");
const QString kNazwaPlikuOfert = QStringLiteral("Lokaty bankowe");
const QString kOperacjaNieodwracalna = QStringLiteral("Operacja jest nieodwracalna !!!");

const QString kOfertaWUzyciu = QStringLiteral(
    "Nie udało się usunąć lokaty bankowej !!!\rLokata bankowa używana jest w co najmniej jednej "
    "Twojej lokacie. Usuń najpierw lokaty, które powiązane są z tą lokatą bankową lub ustaw im "
    "pustą lokatę bankową.\rJeżeli nie ma żadnych lokat używających tej lokaty bankowej (były "
    "ale są usunięte) zamknij ten moduł klikając w przycisk ZAPISZ po czym uruchom go ponownie "
    "i spróbuj usunąć niniejszą lokatę bankową jeszcze raz.");

QString PytanieONadpisanie(const THarmonogramLokatyBankowej& nowy) {
    return QStringLiteral("Wśród dostępnych lokat oferowanych przez banki znajduje się już "
                          "lokata o nazwie \"") +
           nowy.NazwaWyswietlana() + QStringLiteral("\" oferowana przez bank \"") + nowy.fBank +
           QStringLiteral(
               "\".\rCzy chcesz ją nadpisać dodawaną właśnie lokatą ???\r\r"
               "Nadpisanie jest nieodwracalne, zastąpi wszystkie informacje o istniejącej "
               "lokacie bankowej danymi z aktualnie dodawanej.\r"
               "Aby zachować istniejącą lokatę bankową należy kliknąć \"NIE\", przerwać import "
               "danych po czym zmienić nazwę istniejącej już lokacie bankowej. Nazwa powinna "
               "być unikalna.\r"
               "Po zmianie nazwy można wznowić import nie obawiając się nadpisania danych.\r"
               "Jeżeli jednak importujesz lokaty bankowe oferowane przez banki z Internetu "
               "należy nadpisać istniejącą lokatę. Sprawi to, że informacje o lokacie będą "
               "aktualne.");
}

// The editor with its caption and the bank names stored in the database.
void PrzygotujEdytor(TEdytorOferty& dialog, const QString& tytul, TProjektDB& projekt) {
    dialog.UstawTytul(tytul);
    dialog.WypelnijBanki(
        projekt.PobierzZawartoscKolumny(TTabele::HarmonogramyLokatBankowych, QStringLiteral("Bank"))
            .value_or(QStringList()));
}

// Shows the editor; after OK reads it into the offer. False when the editor
// was cancelled or a check refused the values (the offer is then untouched).
bool PokazEdytor(TEdytorOferty& dialog, THarmonogramLokatyBankowej& harmonogram) {
    return Platform::modalRunner().runModal(&dialog) == QDialog::Accepted &&
           dialog.ZapiszW(harmonogram);
}

// After OK a new offer, marked added, read from the editor goes into the
// catalogue (or overwrites its equal) and the lists are refilled.
void DodajZEdytora(TLokatyFormGlowny& okno, TEdytorOferty& dialog) {
    auto harmonogram = std::make_unique<THarmonogramLokatyBankowej>();
    if (!PokazEdytor(dialog, *harmonogram))
        return;
    harmonogram->fZmiany = TTypModyfikacji::Dodano;
    okno.DodajLubNadpiszHarmonogram(harmonogram);
    okno.WypelnijListy(true);
}

void OznaczZmieniony(THarmonogramLokatyBankowej& harmonogram) {
    if (harmonogram.fZmiany != TTypModyfikacji::Dodano)
        harmonogram.fZmiany = TTypModyfikacji::Zmieniono;
}

} // namespace

void TLokatyFormGlowny::DodajLubNadpiszHarmonogram(
    std::unique_ptr<THarmonogramLokatyBankowej>& harmonogram) {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!harmonogram || !kolekcje)
        return;
    THarmonogramLokatyBankowej* istniejacy =
        kolekcje->PobierzHarmonogramLokatyBankowejDlaBanikINazwa(
            harmonogram->BankNazwaOprocentowanie());
    if (!istniejacy) {
        kolekcje->HarmonogramyLokatBankowych().push_back(std::move(harmonogram));
        kolekcje->SetZmienionoINiezapisanoLokaty(true);
        return;
    }
    // An imported offer nobody changed is brought up to date silently, and a
    // deleted one is simply replaced. Overwriting the user's own offer cannot be
    // undone, so the question defaults to "Nie".
    const bool ofertaUzytkownika = istniejacy->fHarmonogramDodanyPrzezUzytkownika &&
                                   istniejacy->fZmiany != TTypModyfikacji::Usunieto;
    if (ofertaUzytkownika && !ZapytajPrzedUtrataDanych(PytanieONadpisanie(*harmonogram)))
        return;
    NadpiszHarmonogram(*harmonogram, *istniejacy);
    kolekcje->SetZmienionoINiezapisanoLokaty(true);
}

void TLokatyFormGlowny::NadpiszHarmonogram(const THarmonogramLokatyBankowej& zrodlo,
                                           THarmonogramLokatyBankowej& cel) {
    cel.fBank = zrodlo.fBank;
    cel.fNazwaHarmonogramu = zrodlo.fNazwaHarmonogramu;
    cel.fOkresDepozytu = zrodlo.fOkresDepozytu;
    cel.fJednostkaDepozytu = zrodlo.fJednostkaDepozytu;
    cel.fOprocentowanieStaleWCalymOkresieLokaty = zrodlo.fOprocentowanieStaleWCalymOkresieLokaty;
    cel.fOprocentowanieWSkaliRoku = zrodlo.fOprocentowanieWSkaliRoku;
    cel.fKapitalizacja = zrodlo.fKapitalizacja;
    cel.fKwotaMinimalna = zrodlo.fKwotaMinimalna;
    cel.fKwotaMaksymalna = zrodlo.fKwotaMaksymalna;
    cel.fWymaganeKontoOsobisteWTymBanku = zrodlo.fWymaganeKontoOsobisteWTymBanku;
    cel.fMozliwoscWczesniejszegoZerwaniaLokaty = zrodlo.fMozliwoscWczesniejszegoZerwaniaLokaty;
    cel.fWarunkiWczesniejszegoZerwaniaLokaty = zrodlo.fWarunkiWczesniejszegoZerwaniaLokaty;
    cel.fPozostaleInformacje = zrodlo.fPozostaleInformacje;
    cel.fHarmonogramDodanyPrzezUzytkownika = zrodlo.fHarmonogramDodanyPrzezUzytkownika;
    // An offer added and deleted in this run has no row yet: revived, it must
    // be inserted, as an update by its id would find nothing.
    if (cel.fId == -1)
        cel.fZmiany = TTypModyfikacji::Dodano;
    else
        OznaczZmieniony(cel);
}

void TLokatyFormGlowny::UsunHarmonogram(THarmonogramLokatyBankowej* harmonogram,
                                        bool odswiezListy) {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!harmonogram || !kolekcje)
        return;
    // Deposits deleted in this run still count: their rows are in the database.
    if (kolekcje->HarmonogramLokatyBankowejJestWUzyciu(harmonogram->fId)) {
        PokazBlad(kOfertaWUzyciu);
        return;
    }
    harmonogram->fZmiany = TTypModyfikacji::Usunieto;
    kolekcje->SetZmienionoINiezapisanoLokaty(true);
    if (odswiezListy)
        WypelnijListy(true);
}

void TLokatyFormGlowny::sbtn_DodajLokateBankowaClick() {
    if (!KolekcjeLubKomunikat())
        return;
    TEdytorOferty dialog(this);
    PrzygotujEdytor(dialog, QStringLiteral("Dodaj lokatę bankową"), *MyDB);
    dialog.UstawDomyslne();
    DodajZEdytora(*this, dialog);
}

void TLokatyFormGlowny::sbtn_EdytujLokateBankowaClick() {
    TKolekcjeDanych* kolekcje = KolekcjeLubKomunikat();
    THarmonogramLokatyBankowej* harmonogram = WybranyHarmonogram();
    if (!kolekcje || !harmonogram || TylkoDoOdczytu())
        return;
    if (!harmonogram->fHarmonogramDodanyPrzezUzytkownika &&
        !ZapytajTakNie(QStringLiteral(
            "Lokata bankowa, którą edytujesz została zaimportowana z pliku. Do tej pory nie była "
            "zmieniana. Czy na pewno chcesz edytować wybraną lokatę ???")))
        return;
    TEdytorOferty dialog(this);
    PrzygotujEdytor(dialog, QStringLiteral("Edytuj lokatę bankową"), *MyDB);
    dialog.UstawHarmonogram(*harmonogram);
    if (!PokazEdytor(dialog, *harmonogram))
        return;
    // Editing keeps the id and the date, and runs no duplicate check.
    OznaczZmieniony(*harmonogram);
    kolekcje->SetZmienionoINiezapisanoLokaty(true);
    WypelnijListy(true);
}

void TLokatyFormGlowny::Klonuj1Click() {
    if (!KolekcjeLubKomunikat())
        return;
    const THarmonogramLokatyBankowej* wzor = WybranyHarmonogram();
    if (!wzor)
        return;
    TEdytorOferty dialog(this);
    PrzygotujEdytor(dialog, QStringLiteral("Klonuj lokatę bankową"), *MyDB);
    dialog.UstawHarmonogram(*wzor);
    // Unchanged, the clone has the key of its model and overwrites it.
    DodajZEdytora(*this, dialog);
}

void TLokatyFormGlowny::sbtn_UsunLokateBankowaClick() {
    if (!Kolekcje() || !WybranyWierszHarmonogramu()) {
        PokazBrakPolaczeniaZBaza();
        return;
    }
    if (ZapytajPrzedUtrataDanych(QStringLiteral("Czy jesteś pewien że chcesz usunąć wybraną lokatę "
                                                "bankową ????.\r") +
                                 kOperacjaNieodwracalna))
        UsunHarmonogram(WybranyHarmonogram(), true);
}

void TLokatyFormGlowny::Usuwszystkieztegobanku1Click() {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje || !WybranyWierszHarmonogramu()) {
        PokazBrakPolaczeniaZBaza();
        return;
    }
    const THarmonogramLokatyBankowej* wybrany = WybranyHarmonogram();
    if (!wybrany)
        return;
    const QString bank = wybrany->fBank;
    if (!ZapytajPrzedUtrataDanych(
            QStringLiteral("Czy jesteś pewien że chcesz usunąć wszystkie lokaty z "
                           "banku \"") +
            bank + QStringLiteral("\" ????.\r") + kOperacjaNieodwracalna))
        return;
    for (const auto& harmonogram : kolekcje->HarmonogramyLokatBankowych())
        if (harmonogram->fBank.compare(bank, Qt::CaseInsensitive) == 0)
            UsunHarmonogram(harmonogram.get(), false);
    kolekcje->SetZmienionoINiezapisanoLokaty(true);
    WypelnijListy(true);
}

void TLokatyFormGlowny::Usuwszystkie1Click() {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje || !WybranyWierszHarmonogramu()) {
        PokazBrakPolaczeniaZBaza();
        return;
    }
    if (!WybranyHarmonogram())
        return;
    if (!ZapytajPrzedUtrataDanych(
            QStringLiteral("Czy jesteś pewien że chcesz usunąć wszystkie lokaty "
                           "bankowe ????.\r") +
            kOperacjaNieodwracalna))
        return;
    for (const auto& harmonogram : kolekcje->HarmonogramyLokatBankowych())
        UsunHarmonogram(harmonogram.get(), false);
    kolekcje->SetZmienionoINiezapisanoLokaty(true);
    WypelnijListy(true);
}

void TLokatyFormGlowny::Informacjeolokaciebankowej1Click() {
    if (!KolekcjeLubKomunikat())
        return;
    if (!WybranyWierszLokaty()) {
        PokazBlad(QStringLiteral("Nie wskazano lokaty !!!"));
        return;
    }
    const TLokata* lokata = WybranaLokata();
    if (!lokata) {
        PokazBlad(QStringLiteral("Wskazano nieprawidłową lokatę !!!"));
        return;
    }
    const int32_t id = lokata->IdHarmonogramLokaty();
    if (id == -1) {
        PokazBlad(QStringLiteral("Wybrana lokata nie ma ustawionej lokaty bankowej !!!"));
        return;
    }
    WypelnijOdlozonaListeHarmonogramow();
    const TWierszRaportu* znaleziony = nullptr;
    for (const TWierszRaportu* wiersz : lv_HarmonogramyLokatBankowych->Wiersze()) {
        const THarmonogramLokatyBankowej* harmonogram = HarmonogramWiersza(wiersz);
        if (harmonogram && harmonogram->fId == id) {
            znaleziony = wiersz;
            break;
        }
    }
    if (!znaleziony) {
        PokazBlad(QStringLiteral("Lokata bankowa została usunięta, nie ma jej na liście !!!"));
        return;
    }
    pgc_Zakladki->setCurrentWidget(ts_LokatyBankowe);
    lv_HarmonogramyLokatBankowych->setFocus();
    lv_HarmonogramyLokatBankowych->Zaznacz(*znaleziony);
    UstawPrzyciski();
}

TLokatyFormGlowny::TWylaczenieOkna::TWylaczenieOkna(TLokatyFormGlowny& okno) {
    for (QWidget* element : okno.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!element->isWindow() && element->isEnabled()) {
            element->setEnabled(false);
            fWylaczone.append(element);
        }
}

TLokatyFormGlowny::TWylaczenieOkna::~TWylaczenieOkna() {
    for (const QPointer<QWidget>& element : fWylaczone)
        if (element)
            element->setEnabled(true);
}

void TLokatyFormGlowny::btn_AktualizujLokatyClick() {
    const TWylaczenieOkna wylaczenie(*this);
    ImportujZWybranychBankow();
}

void TLokatyFormGlowny::ImportujZWybranychBankow() {
    const QString adresListy = WebAddresses::BankList();
    if (!JestPolaczenieZInternetem(adresListy)) {
        PokazBlad(QStringLiteral("Nie można pobrać informacji o lokatach bankowych.\r"
                                 "Nie jesteś połączony z Internetem."));
        return;
    }
    // The list comes in the background while a small window waits with a
    // moving bar and "Anuluj"; a user's cancel needs no message.
    TFormPobieranieListyBankow pobieranie(adresListy, WebAddresses::RatesSite(), this);
    if (Platform::modalRunner().runModal(&pobieranie) != QDialog::Accepted) {
        if (!pobieranie.Blad().isEmpty())
            PokazBlad(pobieranie.Blad());
        return;
    }
    const TMapaBankow& banki = pobieranie.Banki();
    if (banki.isEmpty())
        return;
    TFormImportLokatBanki dialog(this);
    dialog.WypelnijBanki(banki);
    if (Platform::modalRunner().runModal(&dialog) != QDialog::Accepted)
        return;
    const TMapaBankow wybrane = dialog.WybraneBanki();
    ImportujLokatyBankow(PosortowaneNazwyBankow(wybrane), wybrane);
}

void TLokatyFormGlowny::sbtn_OdczytajLokatyBankoweZPlikuClick() {
    if (!Kolekcje())
        return;
    const QString sciezka = openDialog();
    if (!sciezka.isEmpty())
        OdczytajLokatyBankoweZPliku(sciezka);
}

void TLokatyFormGlowny::OdczytajLokatyBankoweZPliku(const QString& sciezka) {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje)
        return;
    if (TylkoDoOdczytu()) {
        PokazBlad(QStringLiteral("Nie można dodać lokat bankowych z pliku ") + sciezka +
                  QStringLiteral(": plik danych jest otwarty tylko do odczytu."));
        return;
    }
    if (!QFile::exists(sciezka)) {
        PokazBlad(QStringLiteral("Nie można odczytać danych o lokatach bankowych, wskazany plik ") +
                  sciezka + QStringLiteral(" nie istnieje !!!"));
        return;
    }
    const TWylaczenieOkna wylaczenie(*this);
    TFormParserLokatBankowych okno(this);
    okno.AdresURLdoStronyZLokatami = sciezka; // no bank: file mode
    okno.UtworzKolumny(kolekcje->TabelaHarmonogramyLokatBankowych().TytulyKolumn());
    okno.btn_Odswiez->hide();
    okno.pan_Czekaj->hide();
    okno.lv_Parsuj_LokatyDlaBanku->show();
    if (Platform::modalRunner().runModal(&okno) != QDialog::Accepted)
        return;
    PrzejmijZaznaczone(okno);
    WypelnijListy(true);
}

void TLokatyFormGlowny::ImportujLokatyBankow(const QStringList& nazwy, const TMapaBankow& linki) {
    if (nazwy.isEmpty() || linki.isEmpty())
        return;
    {
        const TWylaczenieOkna wylaczenie(*this);
        for (const QString& nazwa : nazwy)
            ImportujLokatyBanku(nazwa, linki.value(nazwa));
    }
    WypelnijListy(true);
}

void TLokatyFormGlowny::ImportujLokatyBanku(const QString& bank, const QString& url) {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje || bank.trimmed().isEmpty() || url.trimmed().isEmpty())
        return;
    const TWylaczenieOkna wylaczenie(*this);
    TFormParserLokatBankowych okno(this);
    okno.AdresURLdoStronyZLokatami = url;
    okno.Bank = bank;
    okno.UtworzKolumny(kolekcje->TabelaHarmonogramyLokatBankowych().TytulyKolumn());
    if (Platform::modalRunner().runModal(&okno) == QDialog::Accepted)
        PrzejmijZaznaczone(okno);
}

void TLokatyFormGlowny::PrzejmijZaznaczone(TFormParserLokatBankowych& okno) {
    for (int i = 0; i < okno.IloscWierszy(); ++i)
        if (okno.WierszZaznaczony(i) && okno.OfertaWiersza(i))
            DodajLubNadpiszHarmonogram(okno.WezOferte(i));
}

QString TLokatyFormGlowny::saveDialog() const {
    return WybierzCelEksportu(QStringLiteral("Wskaż plik zapisu lokat bankowych"), kFiltrPlikuOfert,
                              kNazwaPlikuOfert, MyDB ? MyDB->PlikiDB().DataFile() : QString());
}

QString TLokatyFormGlowny::openDialog() const {
    return Platform::fileChooser().chooseFileToOpen(
        QStringLiteral("Wskaż plik z zapisanymi lokatami bankowymi"), kFiltrPlikuOfert);
}

void TLokatyFormGlowny::sbtn_EksportujDoplikuClick() {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje)
        return;
    const QString sciezka = saveDialog();
    if (sciezka.isEmpty())
        return;
    // The file is complete and closed before success is reported; a failure
    // leaves an existing file as it was.
    try {
        EksportujOfertyDoPliku(kolekcje->HarmonogramyLokatBankowych(), sciezka);
    } catch (const EPlikOfert& blad) {
        PokazBlad(blad.Message());
        return;
    }
    PokazInformacje(QStringLiteral("Informacja"),
                    QStringLiteral("Lokaty zostały pomyślnie zapisane do pliku \"") + sciezka +
                        QStringLiteral("\"."));
}
