#include "ui/import/TFormParserLokatBankowych.h"

#include "app/Komunikaty.h"
#include "data/SortowanieListy.h"
#include "domain/PlikOfert.h"
#include "domain/TKomorkiHarmonogramow.h"
#include "format/Pomocnicze.h"
#include "format/PorownanieTekstow.h"
#include "import/EImportError.h"
#include "import/ParserStronyLokat.h"
#include "import/PobieranieZInternetu.h"
#include "platform/Clock.h"
#include "platform/IBackgroundWork.h"
#include "platform/Platform.h"
#include "ui/PomocOkien.h"
#include "ui/TFormSize.h"
#include "ui/THeaderPanel.h"
#include "ui/TListaRaportowa.h"
#include "ui/TekstNaEkranie.h"
#include "ui/import/TPasekOczekiwania.h"
#include "ui/import/WyborWierszy.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace {

constexpr int kSzerokoscKlienta = 930;
constexpr int kWysokoscKlienta = 396;
constexpr int kWysokoscDolnegoPanelu = 53;

const QString kCzekaj = QStringLiteral("Trwa pobieranie danych ... proszę czekać");
const QString kNieUdaloSieBank =
    QStringLiteral("Nie udało się pobrać informacji o lokatach dla tego banku.\r");
const QString kNieUdaloSiePlik =
    QStringLiteral("Nie udało się pobrać informacji o lokatach z pliku.\r");
const QString kKliknijOdswiez =
    QStringLiteral("Kliknij w przycisk \"Odśwież\" aby pobrać dane ponownie");

QPushButton* Przycisk(const char* nazwa, const QString& tekst, const QString& podpowiedz,
                      QWidget* rodzic) {
    QPushButton* przycisk = UtworzPrzycisk(nazwa, tekst, rodzic);
    przycisk->setToolTip(podpowiedz);
    return przycisk;
}

// The order of the offers of a file: bank, then name, both without regard to
// letter case; then the period in days; then the rate in whole points (halves
// to even), so rates less than half a point apart compare equal. Banks and
// names are compared by their ranks in the collation, each text collated once.
void PosortujJakWPliku(TFormParserLokatBankowych::TListaOfert& oferty) {
    std::vector<QString> banki, nazwy;
    banki.reserve(oferty.size());
    nazwy.reserve(oferty.size());
    for (const auto& oferta : oferty) {
        banki.push_back(oferta->fBank);
        nazwy.push_back(oferta->fNazwaHarmonogramu);
    }
    const std::vector<int32_t> rangiBankow = RangiTekstow(banki, TWielkoscLiter::Ignoruj);
    const std::vector<int32_t> rangiNazw = RangiTekstow(nazwy, TWielkoscLiter::Ignoruj);
    struct Klucz {
        int32_t bank;
        int32_t nazwa;
        uint32_t dni;
        double oprocentowanie;
    };
    std::vector<Klucz> klucze;
    klucze.reserve(oferty.size());
    for (size_t i = 0; i < oferty.size(); ++i)
        klucze.push_back({rangiBankow[i], rangiNazw[i], oferty[i]->OkresLokatyIloscDni(),
                          oferty[i]->fOprocentowanieWSkaliRoku});
    // A stable merge sort stays safe with the rate comparison, which is not
    // transitive.
    PosortujWedlugKluczy(oferty, klucze, [](const Klucz& a, const Klucz& b) {
        if (std::tie(a.bank, a.nazwa, a.dni) != std::tie(b.bank, b.nazwa, b.dni))
            return std::tie(a.bank, a.nazwa, a.dni) < std::tie(b.bank, b.nazwa, b.dni);
        return std::nearbyint(a.oprocentowanie - b.oprocentowanie) < 0;
    });
}

// Reads the offer file (nothing when it is gone) and sorts its offers. May
// run on any thread.
void OdczytajIPosortuj(const QString& sciezka, TFormParserLokatBankowych::TListaOfert& wynik) {
    if (!QFile::exists(sciezka))
        return;
    wynik = OdczytajOfertyZPliku(sciezka);
    PosortujJakWPliku(wynik);
}

} // namespace

TFormParserLokatBankowych::TFormParserLokatBankowych(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("FormParserLokatBankowych"));
    setWindowTitle(QStringLiteral("Informacje o lokatach bankowych"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setMinimumSize(570, 400);
    pan_1 = new THeaderPanel(QString(), TObrazekNaglowka::Import, this);
    lbl_Parsuj_Head = pan_1->HeadingLabel();
    lbl_Parsuj_Head->setObjectName(QStringLiteral("lbl_Parsuj_Head"));
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(pan_1);
    uklad->addWidget(UtworzSrodek(), 1);
    uklad->addWidget(UtworzDolnyPanel());
    resize(kSzerokoscKlienta, kWysokoscKlienta);

    fFormSize = new TFormSize(this);
    fFormSize->SetLocation(TPersistLocation::plRegistry);
    fFormSize->SetSaveName(QStringLiteral("Software\\Brenvik\\Talvora\\FormSetting"));
    fFormSize->SetSaveKey(QStringLiteral("FormParserLokatBankowych"));
    TListaRaportowa::PamietajSzerokosciKolumn(*fFormSize);

    jvThreadInternet =
        Platform::backgroundWork().createWorker(this, QStringLiteral("PobierzDaneZInternetu"));
    jvThreadPlik =
        Platform::backgroundWork().createWorker(this, QStringLiteral("PobierzDaneZPliku"));
    UstawKlawiszPomocy(this, [this] {
        return TrybPliku() ? StronyPomocy::ImportZPliku : StronyPomocy::ImportZeStrony;
    });
}

TFormParserLokatBankowych::~TFormParserLokatBankowych() {
    ZatrzymajPrace();
    UsunStrone();
    // The workers go before the rows: a finish step never sees a half-destroyed window.
    jvThreadInternet.reset();
    jvThreadPlik.reset();
}

void TFormParserLokatBankowych::ZatrzymajPrace() {
    jvThreadInternet->requestStop();
    jvThreadPlik->requestStop();
    jvThreadInternet->waitForBody();
    jvThreadPlik->waitForBody();
}

void TFormParserLokatBankowych::UsunStrone() {
    // A page that cannot be deleted stays; nothing depends on it any more.
    if (!fSciezkaDoPlikuHTML.isEmpty() && QFile::exists(fSciezkaDoPlikuHTML))
        QFile::remove(fSciezkaDoPlikuHTML);
}

QWidget* TFormParserLokatBankowych::UtworzSrodek() {
    auto* srodek = new QWidget(this);
    auto* uklad = new QVBoxLayout(srodek);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);

    pan_Czekaj = new QWidget(srodek);
    pan_Czekaj->setObjectName(QStringLiteral("pan_Czekaj"));
    bar_TrwaPobieranie = new TPasekOczekiwania(pan_Czekaj);
    lbl_TrwaPobieranie = new QLabel(kCzekaj, pan_Czekaj);
    lbl_TrwaPobieranie->setObjectName(QStringLiteral("lbl_TrwaPobieranie"));
    lbl_TrwaPobieranie->setAlignment(Qt::AlignCenter);
    lbl_TrwaPobieranie->setWordWrap(true);
    QFont czcionka(QStringLiteral("Tahoma"));
    czcionka.setPixelSize(13);
    czcionka.setBold(true);
    lbl_TrwaPobieranie->setFont(czcionka);
    auto* czekaj = new QVBoxLayout(pan_Czekaj);
    czekaj->setContentsMargins(0, 0, 0, 0);
    czekaj->addWidget(bar_TrwaPobieranie);
    czekaj->addWidget(lbl_TrwaPobieranie, 1);
    pan_Czekaj->hide();

    lv_Parsuj_LokatyDlaBanku = new TListaRaportowa("lv_Parsuj_LokatyDlaBanku", srodek);
    lv_Parsuj_LokatyDlaBanku->setAccessibleName(QStringLiteral("Lokaty do zaimportowania"));
    lv_Parsuj_LokatyDlaBanku->setIconSize(QSize());
    lv_Parsuj_LokatyDlaBanku->UstawPolaWyboru(true);
    lv_Parsuj_LokatyDlaBanku->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lv_Parsuj_LokatyDlaBanku->setFrameShape(QFrame::NoFrame);
    PopupMenu1 =
        UtworzMenuWyboru(*lv_Parsuj_LokatyDlaBanku, *this, Wybierzwszystkie1, Pomiwszystkie1);
    connect(Wybierzwszystkie1, &QAction::triggered, this,
            &TFormParserLokatBankowych::Wybierzwszystkie1Click);
    connect(Pomiwszystkie1, &QAction::triggered, this,
            &TFormParserLokatBankowych::Pomiwszystkie1Click);

    uklad->addWidget(pan_Czekaj, 1);
    uklad->addWidget(lv_Parsuj_LokatyDlaBanku, 1);
    return srodek;
}

QWidget* TFormParserLokatBankowych::UtworzDolnyPanel() {
    auto* pnl1 = new QWidget(this);
    pnl1->setObjectName(QStringLiteral("pnl1"));
    pnl1->setFixedHeight(kWysokoscDolnegoPanelu);
    btn_WybierzPominWszystkie = Przycisk("btn_WybierzPominWszystkie",
                                         QStringLiteral("&Wybierz/Pomiń\r\nwszystkie"), {}, pnl1);
    btn_WybierzPominWszystkie->hide();
    btn_Odswiez = Przycisk(
        "btn_Odswiez", QStringLiteral("O&dśwież"),
        QStringLiteral("Kliknij, aby dane dla tego banku odświeżyć lub pobrać ponownie"), pnl1);
    btn_Cancel = Przycisk("btn_Cancel", QStringLiteral("&Anuluj"), {}, pnl1);
    btn_OK = Przycisk("btn_OK", QStringLiteral("&OK, importuj wybrane lokaty"),
                      QStringLiteral("Kliknij, aby zaimportować do bazy danych wybrane powyżej "
                                     "lokaty bankowe"),
                      pnl1);
    btn_OK->setDefault(true);
    btn_OK->setAutoDefault(true);
    for (QPushButton* przycisk : {btn_WybierzPominWszystkie, btn_Odswiez, btn_Cancel, btn_OK})
        przycisk->setMinimumHeight(kWysokoscDolnegoPanelu - 8);
    auto* uklad = new QHBoxLayout(pnl1);
    uklad->setContentsMargins(6, 4, 6, 4);
    uklad->addWidget(btn_WybierzPominWszystkie);
    uklad->addWidget(btn_Odswiez);
    uklad->addStretch(1);
    uklad->addWidget(btn_Cancel);
    uklad->addWidget(btn_OK);
    connect(btn_WybierzPominWszystkie, &QPushButton::clicked, this,
            &TFormParserLokatBankowych::btn_WybierzPominWszystkieClick);
    connect(btn_Odswiez, &QPushButton::clicked, this,
            &TFormParserLokatBankowych::UruchomPobieranie);
    connect(btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    return pnl1;
}

void TFormParserLokatBankowych::UtworzKolumny(const QStringList& tytulyTabeli) {
    const int pierwsza = TrybPliku() ? 1 : 2;
    QStringList tytuly;
    QList<Qt::Alignment> wyrownania;
    for (int i = pierwsza; i < tytulyTabeli.size(); ++i) {
        tytuly.append(tytulyTabeli.at(i));
        wyrownania.append(i >= 3 && i <= 7 ? Qt::AlignRight : Qt::AlignLeft); // Bank, Nazwa left
    }
    WyczyscListe();
    lv_Parsuj_LokatyDlaBanku->UstawKolumny(tytuly, wyrownania);
}

void TFormParserLokatBankowych::WyczyscListe() {
    lv_Parsuj_LokatyDlaBanku->Wyczysc();
    fOfertyWierszy.clear();
}

void TFormParserLokatBankowych::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!fPokazano) {
        fPokazano = true;
        FormShow();
    }
}

void TFormParserLokatBankowych::FormShow() {
    // A private folder of this window's own, so no other process can plant
    // or read the page; it goes with the window.
    fKatalogPobran =
        std::make_unique<QTemporaryDir>(KatalogTymczasowy() + QStringLiteral("talvora-XXXXXX"));
    fSciezkaDoPlikuHTML = fKatalogPobran->filePath(
        QStringLiteral("plik_%1.html")
            .arg(ToQDateTime(Now()).toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"))));
    fListaHarmonogramow.clear();
    btn_OK->setEnabled(false);
    AktualizujNaglowek();
    if (!TrybPliku())
        UruchomPobieranie();
    else if (QFile::exists(AdresURLdoStronyZLokatami))
        UruchomOdczytPliku();
}

void TFormParserLokatBankowych::PokazOczekiwanie() {
    btn_WybierzPominWszystkie->hide();
    btn_OK->setEnabled(false);
    OdepnijObsluge();
    WyczyscListe();
    lv_Parsuj_LokatyDlaBanku->hide();
    bar_TrwaPobieranie->show();
    lbl_TrwaPobieranie->setText(kCzekaj);
    pan_Czekaj->show();
    AktualizujNaglowek();
    Odmaluj();
}

void TFormParserLokatBankowych::UruchomPobieranie() {
    PokazOczekiwanie();
    const QString url = AdresURLdoStronyZLokatami;
    const QString sciezka = fSciezkaDoPlikuHTML;
    try {
        // A start while the download runs is ignored: that download fills the list.
        jvThreadInternet->start(
            [url, sciezka](const std::atomic<bool>& stop) {
                PobierzPlikZInternetu(url, sciezka, &stop);
            },
            [this](const std::exception_ptr& blad) { jvThreadInternetFinish(blad); });
    } catch (const std::exception& blad) {
        PokazNiepowodzenie(kNieUdaloSieBank, QString::fromUtf8(blad.what()));
    }
}

void TFormParserLokatBankowych::UruchomOdczytPliku() {
    fListaHarmonogramow.clear();
    PokazOczekiwanie();
    const QString sciezka = AdresURLdoStronyZLokatami;
    auto odczytane = std::make_shared<TListaOfert>();
    try {
        jvThreadPlik->start(
            [sciezka, odczytane](const std::atomic<bool>&) {
                OdczytajIPosortuj(sciezka, *odczytane);
            },
            [this, odczytane](const std::exception_ptr& blad) {
                jvThreadPlikFinish(blad, odczytane);
            });
    } catch (const std::exception& blad) {
        PokazNiepowodzenie(kNieUdaloSiePlik, QString::fromUtf8(blad.what()));
    }
}

void TFormParserLokatBankowych::jvThreadInternetFinish(const std::exception_ptr& blad) {
    if (fZamknieto)
        return;
    if (blad)
        PokazBlad(BackgroundErrorMessage(blad));
    // The offers read before a fault in the page are shown too; all of them
    // go into the list at once.
    TListaOfert oferty;
    QString bladStrony;
    try {
        ParsujStroneZLokatami(fSciezkaDoPlikuHTML, Bank,
                              [&oferty](TOferta oferta) { oferty.push_back(std::move(oferta)); });
    } catch (const EImportError& e) {
        bladStrony = e.Message();
    }
    DodajDoListy(std::move(oferty), false);
    lv_Parsuj_LokatyDlaBanku->DopasujSzerokoscKolumn();
    PokazListe();
    if (!bladStrony.isEmpty())
        PokazNiepowodzenie(kNieUdaloSieBank, bladStrony);
}

void TFormParserLokatBankowych::jvThreadPlikFinish(const std::exception_ptr& blad,
                                                   const std::shared_ptr<TListaOfert>& odczytane) {
    if (fZamknieto)
        return;
    if (blad)
        PokazBlad(BackgroundErrorMessage(blad));
    fListaHarmonogramow = std::move(*odczytane);
    // The rows own the offers now.
    DodajDoListy(std::exchange(fListaHarmonogramow, {}), true);
    lv_Parsuj_LokatyDlaBanku->DopasujSzerokoscKolumn();
    PokazListe();
}

void TFormParserLokatBankowych::PokazListe() {
    PrzypnijObsluge();
    lv_Parsuj_LokatyDlaBanku->show();
    lv_Parsuj_LokatyDlaBankuItemChecked();
    pan_Czekaj->hide();
    lv_Parsuj_LokatyDlaBanku->setFocus();
    bar_TrwaPobieranie->hide();
    btn_WybierzPominWszystkie->show();
    Odmaluj();
}

// The failure text in place of the waiting text, the bar hidden; the list
// keeps the rows it has and shows only when there are some.
void TFormParserLokatBankowych::PokazNiepowodzenie(const QString& poczatek, const QString& blad) {
    lbl_TrwaPobieranie->setText(
        TekstNaEkranie(poczatek + blad + QStringLiteral("!!!\r") + kKliknijOdswiez));
    bar_TrwaPobieranie->hide();
    pan_Czekaj->show();
    lv_Parsuj_LokatyDlaBanku->setVisible(IloscWierszy() > 0);
}

void TFormParserLokatBankowych::DodajDoListy(TListaOfert oferty, bool zBankiem) {
    std::vector<TWierszRaportu> wiersze;
    wiersze.reserve(oferty.size());
    fOfertyWierszy.reserve(fOfertyWierszy.size() + oferty.size());
    TKomorkiHarmonogramow komorki;
    for (TOferta& oferta : oferty)
        if (oferta)
            wiersze.push_back(UtworzWiersz(std::move(oferta), zBankiem, komorki));
    lv_Parsuj_LokatyDlaBanku->Dopisz(std::move(wiersze));
}

TWierszRaportu TFormParserLokatBankowych::UtworzWiersz(TOferta oferta, bool zBankiem,
                                                       TKomorkiHarmonogramow& komorki) {
    // The offer list's cells; the bank column only in file mode.
    QStringList teksty = komorki.Komorki(*oferta);
    if (!zBankiem)
        teksty.removeFirst();
    // The rows keep the order they were added in, so a row's index is that of
    // its offer.
    TWierszRaportu wiersz{std::move(teksty), oferta.get()};
    fOfertyWierszy.push_back(std::move(oferta));
    return wiersz;
}

THarmonogramLokatyBankowej* TFormParserLokatBankowych::OfertaWiersza(int wiersz) const {
    return wiersz >= 0 && wiersz < IloscWierszy() ? fOfertyWierszy[wiersz].get() : nullptr;
}

TFormParserLokatBankowych::TOferta& TFormParserLokatBankowych::WezOferte(int wiersz) {
    return fOfertyWierszy.at(static_cast<std::size_t>(wiersz));
}

bool TFormParserLokatBankowych::WierszZaznaczony(int wiersz) const {
    const auto& wiersze = lv_Parsuj_LokatyDlaBanku->Model().Wiersze();
    return wiersz >= 0 && wiersz < IloscWierszy() &&
           wiersze[static_cast<std::size_t>(wiersz)].zaznaczony;
}

int TFormParserLokatBankowych::IloscWierszy() const {
    return lv_Parsuj_LokatyDlaBanku->IloscWierszy();
}

int TFormParserLokatBankowych::IloscZaznaczonych() const {
    return lv_Parsuj_LokatyDlaBanku->Model().IloscZaznaczonych();
}

void TFormParserLokatBankowych::AktualizujNaglowek() {
    QString tekst =
        TrybPliku() ? QStringLiteral("Lokaty odczytane z pliku \"") +
                          QFileInfo(AdresURLdoStronyZLokatami).completeBaseName() + QLatin1Char('"')
                    : QStringLiteral("Lokaty bankowe oferowane przez \"") + Bank + QLatin1Char('"');
    if (IloscWierszy() > 0)
        tekst += QStringLiteral(" (%1/%2)").arg(IloscZaznaczonych()).arg(IloscWierszy());
    lbl_Parsuj_Head->setText(tekst);
}

void TFormParserLokatBankowych::lv_Parsuj_LokatyDlaBankuItemChecked() {
    btn_OK->setEnabled(IloscZaznaczonych() > 0);
    AktualizujNaglowek();
}

void TFormParserLokatBankowych::PrzypnijObsluge() {
    OdepnijObsluge();
    fObslugaZaznaczenia =
        connect(&lv_Parsuj_LokatyDlaBanku->Model(), &TModelRaportu::ZaznaczenieZmienione, this,
                [this] { lv_Parsuj_LokatyDlaBankuItemChecked(); });
}

void TFormParserLokatBankowych::OdepnijObsluge() {
    disconnect(fObslugaZaznaczenia);
}

void TFormParserLokatBankowych::ZaznaczWszystkie(bool zaznacz) {
    OdepnijObsluge();
    lv_Parsuj_LokatyDlaBanku->Model().ZaznaczWszystkie(zaznacz);
    PrzypnijObsluge();
    lv_Parsuj_LokatyDlaBankuItemChecked();
}

void TFormParserLokatBankowych::Wybierzwszystkie1Click() {
    ZaznaczWszystkie(true);
}

void TFormParserLokatBankowych::Pomiwszystkie1Click() {
    ZaznaczWszystkie(false);
}

void TFormParserLokatBankowych::btn_WybierzPominWszystkieClick() {
    ZaznaczWszystkie(PrzelaczWyborWszystkich(*btn_WybierzPominWszystkie));
}

void TFormParserLokatBankowych::done(int wynik) {
    // Closing asks a running download to stop and waits for it, so the page
    // is not written again once it has been deleted; a late finish step does
    // nothing.
    fZamknieto = true;
    ZatrzymajPrace();
    fFormSize->SaveFormSettings();
    UsunStrone();
    QDialog::done(wynik);
}

void TFormParserLokatBankowych::Odmaluj() {
    if (isVisible())
        repaint();
}
