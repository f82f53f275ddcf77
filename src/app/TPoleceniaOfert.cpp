#include "app/TPoleceniaOfert.h"

#include "app/IEdytorOferty.h"
#include "app/Komunikaty.h"
#include "app/WyborCeluEksportu.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/PlikOfert.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"
#include "format/EPlikOfert.h"
#include "platform/Platform.h"

#include <QFile>

namespace {

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

void OznaczZmieniony(THarmonogramLokatyBankowej& harmonogram) {
    if (harmonogram.fZmiany != TTypModyfikacji::Dodano)
        harmonogram.fZmiany = TTypModyfikacji::Zmieniono;
}

constexpr TPoleceniaOfert::TZmiana kOdswiez{true, nullptr};

} // namespace

TPoleceniaOfert::TPoleceniaOfert(std::function<TProjektDB*()> projekt,
                                 std::function<void()> brakPolaczenia, IEdytorOferty& edytor)
    : fProjekt(std::move(projekt)), fBrakPolaczenia(std::move(brakPolaczenia)), fEdytor(edytor) {}

TKolekcjeDanych* TPoleceniaOfert::Kolekcje() const {
    TProjektDB* projekt = fProjekt();
    return projekt ? &projekt->Kolekcje() : nullptr;
}

TKolekcjeDanych* TPoleceniaOfert::KolekcjeLubKomunikat() const {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje)
        fBrakPolaczenia();
    return kolekcje;
}

bool TPoleceniaOfert::TylkoDoOdczytu() const {
    const TProjektDB* projekt = fProjekt();
    return projekt && projekt->OtwartyTylkoDoOdczytu();
}

// The editor lists the bank names stored in the database.
bool TPoleceniaOfert::PokazEdytor(const QString& tytul, const THarmonogramLokatyBankowej* wzor,
                                  THarmonogramLokatyBankowej& cel) {
    const QStringList banki =
        fProjekt()
            ->PobierzZawartoscKolumny(TTabele::HarmonogramyLokatBankowych, QStringLiteral("Bank"))
            .value_or(QStringList());
    return fEdytor.Edytuj(tytul, banki, wzor, cel);
}

TPoleceniaOfert::TZmiana TPoleceniaOfert::DodajZEdytora(const QString& tytul,
                                                        const THarmonogramLokatyBankowej* wzor) {
    auto harmonogram = std::make_unique<THarmonogramLokatyBankowej>();
    if (!PokazEdytor(tytul, wzor, *harmonogram))
        return {};
    harmonogram->fZmiany = TTypModyfikacji::Dodano;
    DodajLubNadpiszHarmonogram(harmonogram);
    return kOdswiez;
}

TPoleceniaOfert::TZmiana TPoleceniaOfert::Dodaj() {
    if (!KolekcjeLubKomunikat())
        return {};
    return DodajZEdytora(QStringLiteral("Dodaj lokatę bankową"), nullptr);
}

TPoleceniaOfert::TZmiana TPoleceniaOfert::Edytuj(THarmonogramLokatyBankowej* wybrany) {
    TKolekcjeDanych* kolekcje = KolekcjeLubKomunikat();
    if (!kolekcje || !wybrany || TylkoDoOdczytu())
        return {};
    if (!wybrany->fHarmonogramDodanyPrzezUzytkownika &&
        !ZapytajTakNie(QStringLiteral(
            "Lokata bankowa, którą edytujesz została zaimportowana z pliku. Do tej pory nie była "
            "zmieniana. Czy na pewno chcesz edytować wybraną lokatę ???")))
        return {};
    if (!PokazEdytor(QStringLiteral("Edytuj lokatę bankową"), wybrany, *wybrany))
        return {};
    // Editing keeps the id and the date, and runs no duplicate check.
    OznaczZmieniony(*wybrany);
    kolekcje->SetZmienionoINiezapisanoLokaty(true);
    return kOdswiez;
}

TPoleceniaOfert::TZmiana TPoleceniaOfert::Klonuj(const THarmonogramLokatyBankowej* wybrany) {
    if (!KolekcjeLubKomunikat() || !wybrany)
        return {};
    return DodajZEdytora(QStringLiteral("Klonuj lokatę bankową"), wybrany);
}

TPoleceniaOfert::TZmiana TPoleceniaOfert::Usun(THarmonogramLokatyBankowej* wybrany) {
    if (!Kolekcje() || !wybrany) {
        fBrakPolaczenia();
        return {};
    }
    if (!ZapytajPrzedUtrataDanych(QStringLiteral("Czy jesteś pewien że chcesz usunąć wybraną "
                                                 "lokatę bankową ????.\r") +
                                  kOperacjaNieodwracalna))
        return {};
    return {UsunHarmonogram(wybrany), nullptr};
}

TPoleceniaOfert::TZmiana TPoleceniaOfert::UsunZBanku(const THarmonogramLokatyBankowej* wybrany) {
    if (!Kolekcje() || !wybrany) {
        fBrakPolaczenia();
        return {};
    }
    const QString bank = wybrany->fBank;
    return UsunWiele(QStringLiteral("Czy jesteś pewien że chcesz usunąć wszystkie lokaty z "
                                    "banku \"") +
                         bank + QStringLiteral("\" ????.\r") + kOperacjaNieodwracalna,
                     [&bank](const THarmonogramLokatyBankowej& harmonogram) {
                         return harmonogram.fBank.compare(bank, Qt::CaseInsensitive) == 0;
                     });
}

TPoleceniaOfert::TZmiana TPoleceniaOfert::UsunWszystkie(const THarmonogramLokatyBankowej* wybrany) {
    if (!Kolekcje() || !wybrany) {
        fBrakPolaczenia();
        return {};
    }
    return UsunWiele(QStringLiteral("Czy jesteś pewien że chcesz usunąć wszystkie lokaty "
                                    "bankowe ????.\r") +
                         kOperacjaNieodwracalna,
                     [](const THarmonogramLokatyBankowej&) { return true; });
}

// Offers deleted before are deleted again; those in use stay, each with its
// message, and the rest goes on.
TPoleceniaOfert::TZmiana
TPoleceniaOfert::UsunWiele(const QString& pytanie,
                           const std::function<bool(const THarmonogramLokatyBankowej&)>& usun) {
    if (!ZapytajPrzedUtrataDanych(pytanie))
        return {};
    TKolekcjeDanych& kolekcje = *Kolekcje();
    for (const auto& harmonogram : kolekcje.HarmonogramyLokatBankowych())
        if (harmonogram && usun(*harmonogram))
            UsunHarmonogram(harmonogram.get());
    kolekcje.SetZmienionoINiezapisanoLokaty(true);
    return kOdswiez;
}

TPoleceniaOfert::TZmiana TPoleceniaOfert::OfertaLokaty(bool wskazano, const TLokata* lokata) {
    TKolekcjeDanych* kolekcje = KolekcjeLubKomunikat();
    if (!kolekcje)
        return {};
    if (!wskazano) {
        PokazBlad(QStringLiteral("Nie wskazano lokaty !!!"));
        return {};
    }
    if (!lokata) {
        PokazBlad(QStringLiteral("Wskazano nieprawidłową lokatę !!!"));
        return {};
    }
    const int32_t id = lokata->IdHarmonogramLokaty();
    if (id == -1) {
        PokazBlad(QStringLiteral("Wybrana lokata nie ma ustawionej lokaty bankowej !!!"));
        return {};
    }
    // Only offers not deleted are listed.
    for (const auto& harmonogram : kolekcje->HarmonogramyLokatBankowych())
        if (harmonogram && harmonogram->fId == id &&
            harmonogram->fZmiany != TTypModyfikacji::Usunieto)
            return {false, harmonogram.get()};
    PokazBlad(QStringLiteral("Lokata bankowa została usunięta, nie ma jej na liście !!!"));
    return {};
}

void TPoleceniaOfert::DodajLubNadpiszHarmonogram(TOferta& harmonogram) {
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

void TPoleceniaOfert::NadpiszHarmonogram(const THarmonogramLokatyBankowej& zrodlo,
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

bool TPoleceniaOfert::UsunHarmonogram(THarmonogramLokatyBankowej* harmonogram) {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!harmonogram || !kolekcje)
        return false;
    // Deposits deleted in this run still count: their rows are in the database.
    if (kolekcje->HarmonogramLokatyBankowejJestWUzyciu(harmonogram->fId)) {
        PokazBlad(kOfertaWUzyciu);
        return false;
    }
    harmonogram->fZmiany = TTypModyfikacji::Usunieto;
    kolekcje->SetZmienionoINiezapisanoLokaty(true);
    return true;
}

void TPoleceniaOfert::PrzejmijZaznaczone(const std::vector<TOferta*>& zaznaczone) {
    for (TOferta* oferta : zaznaczone)
        if (oferta && *oferta)
            DodajLubNadpiszHarmonogram(*oferta);
}

bool TPoleceniaOfert::MoznaImportowacZPliku(const QString& sciezka) const {
    if (!Kolekcje())
        return false;
    if (TylkoDoOdczytu()) {
        PokazBlad(QStringLiteral("Nie można dodać lokat bankowych z pliku ") + sciezka +
                  QStringLiteral(": plik danych jest otwarty tylko do odczytu."));
        return false;
    }
    if (!QFile::exists(sciezka)) {
        PokazBlad(QStringLiteral("Nie można odczytać danych o lokatach bankowych, wskazany plik ") +
                  sciezka + QStringLiteral(" nie istnieje !!!"));
        return false;
    }
    return true;
}

QString TPoleceniaOfert::saveDialog() const {
    const TProjektDB* projekt = fProjekt();
    return WybierzCelEksportu(QStringLiteral("Wskaż plik zapisu lokat bankowych"), kFiltrPlikuOfert,
                              kNazwaPlikuOfert,
                              projekt ? projekt->PlikiDB().DataFile() : QString());
}

QString TPoleceniaOfert::openDialog() const {
    return Platform::fileChooser().chooseFileToOpen(
        QStringLiteral("Wskaż plik z zapisanymi lokatami bankowymi"), kFiltrPlikuOfert);
}

void TPoleceniaOfert::EksportujDoPliku() {
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
