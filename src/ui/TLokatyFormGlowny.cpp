// The deposits window: its controls, events and the close flow. The lists are
// filled by the tabs: the deposits tab is TZakladkaLokat,
// the offers tab is TZakladkaOfert.
#include "ui/TLokatyFormGlowny.h"

#include "app/Komunikaty.h"
#include "app/TPoleceniaOfert.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TUstawieniaLokat.h"
#include "domain/TGwarancjeBFG.h"
#include "domain/TLokata.h"
#include "platform/BuildConfig.h"
#include "platform/Platform.h"
#include "platform/WebAddresses.h"
#include "ui/DopasowanieDoEkranu.h"
#include "ui/PomocOkien.h"
#include "ui/TEksportListy.h"
#include "ui/TEtykietaSkracana.h"
#include "ui/TFormPorownajOferty.h"
#include "ui/TFormProgiOstrzezen.h"
#include "ui/TFormSize.h"
#include "ui/THeaderPanel.h"
#include "ui/TIkonyLokat.h"
#include "ui/TImportOfert.h"
#include "ui/TListaRaportowa.h"
#include "ui/TPrzyciskBoczny.h"
#include "ui/TZakladkaKalendarza.h"
#include "ui/TZakladkaLokat.h"
#include "ui/TZakladkaOfert.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kWysokoscDolnegoPaska = 42;
constexpr int kNazwaPlikuWNaglowku = 48;

// "Lokaty — DataFile.dat": the window names the data file it shows.
QString TytulOkna(const QString& nazwaPliku, bool zapis) {
    const QString tytul =
        nazwaPliku.isEmpty() ? QStringLiteral("Lokaty") : QStringLiteral("Lokaty — ") + nazwaPliku;
    return zapis ? tytul : tytul + QStringLiteral(" (tylko do odczytu)");
}

// The header shows a very long file name shortened in the middle, so that it
// cannot widen the window; its tooltip holds the whole path.
QString NazwaWNaglowku(const QString& nazwaPliku) {
    if (nazwaPliku.size() <= kNazwaPlikuWNaglowku)
        return nazwaPliku;
    const int polowa = kNazwaPlikuWNaglowku / 2;
    return nazwaPliku.left(polowa) + QChar(0x2026) + nazwaPliku.right(polowa);
}

QPushButton* UtworzPrzycisk(const char* nazwa, const QString& tytul, const QString& podpowiedz,
                            QWidget* rodzic) {
    auto* przycisk = new QPushButton(tytul, rodzic);
    przycisk->setObjectName(QLatin1String(nazwa));
    przycisk->setToolTip(podpowiedz);
    przycisk->setAutoDefault(false);
    return przycisk;
}

} // namespace

TLokatyFormGlowny::TLokatyFormGlowny(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("LokatyFormGlowny"));
    setWindowTitle(QStringLiteral("Lokaty"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    setMinimumSize(800, 662);
    resize(800, 662);
    UtworzKontrolki();
    ts_LokatyBankowe->UtworzMenu(ProgiOstrzezen1);
    PolaczZdarzenia();
    UtworzZapisPolozenia();
}

TLokatyFormGlowny::~TLokatyFormGlowny() = default;

void TLokatyFormGlowny::UtworzKontrolki() {
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(UtworzNaglowek());

    pgc_Zakladki = new QTabWidget(this);
    pgc_Zakladki->setObjectName(QStringLiteral("pgc_Zakladki"));
    pgc_Zakladki->setIconSize(QSize(22, 22));
    pgc_Zakladki->setDocumentMode(false);
    ts_TwojeLokaty =
        new TZakladkaLokat(fDecyzjeZapisu, fMaksymalnaDlugoscKwoty, fMaksymalnaWartoscWProgramie);
    ts_TwojeLokaty->UstawKolorUwagi(palette());
    ProgiOstrzezen1 = ts_TwojeLokaty->AkcjaProgowOstrzezen();
    pgc_Zakladki->addTab(ts_TwojeLokaty, TIkonyLokat::Lokata(), QStringLiteral("&Lokaty"));
    ts_LokatyBankowe = new TZakladkaOfert(*this);
    pgc_Zakladki->addTab(ts_LokatyBankowe, TIkonyLokat::Bank(),
                         QStringLiteral("Lokaty &oferowane przez banki"));
    ts_Kalendarz = new TZakladkaKalendarza;
    ts_TwojeLokaty->UstawKalendarz(ts_Kalendarz);
    pgc_Zakladki->addTab(ts_Kalendarz, TIkonyLokat::Kalendarz(), QStringLiteral("&Kalendarz"));
    auto* obszar = new QVBoxLayout;
    obszar->setContentsMargins(6, 6, 6, 0);
    obszar->addWidget(pgc_Zakladki);
    uklad->addLayout(obszar, 1);
    uklad->addWidget(UtworzDolnyPasek());
}

QWidget* TLokatyFormGlowny::UtworzNaglowek() {
    pan_1 = new THeaderPanel(windowTitle(), TObrazekNaglowka::Lokaty, this);
    lbl_Head = pan_1->HeadingLabel();
    return pan_1;
}

void TLokatyFormGlowny::UtworzZapisPolozenia() {
    fFormSize = new TFormSize(this);
    fFormSize->SetLocation(TPersistLocation::plRegistry);
    fFormSize->SetSaveName(QStringLiteral("Software\\Brenvik\\Talvora\\FormSetting"));
    fFormSize->SetSaveKey(QStringLiteral("LokatyFormGlowny"));
    fFormSize->SetMagnetDistance(20);
    fFormSize->SetSaveUser(false);
    fFormSize->SetSaveMachine(false);
    TListaRaportowa::PamietajSzerokosciKolumn(*fFormSize);
}

QWidget* TLokatyFormGlowny::UtworzDolnyPasek() {
    pnl1 = new QWidget(this);
    pnl1->setObjectName(QStringLiteral("pnl1"));
    pnl1->setFixedHeight(kWysokoscDolnegoPaska);
    btn_Pomoc = UtworzPrzycisk("btn_Pomoc", QStringLiteral("&Pomoc"),
                               QStringLiteral("Kliknij, aby wyświetlić pomoc na temat tego modułu\n"
                                              "Talvora " TALVORA_VERSION),
                               pnl1);
    btn_ZestawienieLokat = UtworzPrzycisk(
        "btn_ZestawienieLokat", QStringLiteral("&Ranking lokat bankowych"),
        QStringLiteral("Kliknij, aby wyświetlić zestawienie najlepszych lokat bankowych"), pnl1);
    // Shown, as the web import, only for a site chosen while the program runs.
    btn_ZestawienieLokat->setVisible(WebAddresses::RatesSiteSetAtRunTime());
    btn_OK = UtworzPrzycisk(
        "btn_OK", QStringLiteral("&Zapisz i zamknij"),
        QStringLiteral("Kliknij, zaby zapisać dokonane zmiany i zamknąć to okno"), pnl1);
    btn_OK->setDefault(true);
    btn_Zapisz = UtworzPrzycisk(
        "btn_Zapisz", QStringLiteral("Zapi&sz"),
        QStringLiteral("Kliknij, aby zapisać dokonane zmiany i pracować dalej (Ctrl+S)"), pnl1);
    btn_Zapisz->hide();
    auto* uklad = new QHBoxLayout(pnl1);
    uklad->setContentsMargins(8, 0, 8, 0);
    uklad->setSpacing(0);
    uklad->addWidget(btn_Pomoc);
    uklad->addSpacing(20);
    uklad->addWidget(btn_ZestawienieLokat);
    uklad->addStretch(1);
    uklad->addWidget(btn_Zapisz);
    uklad->addSpacing(8);
    uklad->addWidget(btn_OK);
    return pnl1;
}

void TLokatyFormGlowny::PolaczZdarzenia() {
    using T = TLokatyFormGlowny;
    connect(ts_TwojeLokaty, &TZakladkaLokat::LokatyZmienione, this,
            [this] { WypelnijListy(false); });
    connect(ts_TwojeLokaty, &TZakladkaLokat::PokazLokate, this, &T::PokazLokate);
    connect(ts_TwojeLokaty, &TZakladkaLokat::WyborZmieniony, this, &T::UstawPrzyciski);
    connect(btn_Pomoc, &QPushButton::clicked, this, &T::btn_PomocClick);
    connect(btn_ZestawienieLokat, &QPushButton::clicked, this, &T::btn_ZestawienieLokatClick);
    connect(btn_OK, &QPushButton::clicked, this, &T::btn_OKClick);
    connect(btn_Zapisz, &QPushButton::clicked, this, &T::btn_ZapiszClick);

    connect(ts_TwojeLokaty->AkcjaInformacjiOOfercie(), &QAction::triggered, this,
            &T::Informacjeolokaciebankowej1Click);
    connect(ProgiOstrzezen1, &QAction::triggered, this, &T::ProgiOstrzezenClick);
    connect(pgc_Zakladki, &QTabWidget::currentChanged, this, [this](int zakladka) {
        if (pgc_Zakladki->widget(zakladka) == ts_LokatyBankowe)
            ts_LokatyBankowe->WypelnijOdlozonaListe();
        UstawPrzyciski();
    });
    connect(ts_LokatyBankowe, &TZakladkaOfert::NaWierzch, this,
            [this] { pgc_Zakladki->setCurrentWidget(ts_LokatyBankowe); });

    auto* pomoc = new QShortcut(QKeySequence(Qt::Key_F1), this);
    pomoc->setContext(Qt::WindowShortcut);
    connect(pomoc, &QShortcut::activated, this, &T::btn_PomocClick);
    auto* zapisz = new QShortcut(QKeySequence::Save, this);
    zapisz->setContext(Qt::WindowShortcut);
    connect(zapisz, &QShortcut::activated, this, [this] {
        if (btn_Zapisz->isVisible() && btn_Zapisz->isEnabled())
            btn_ZapiszClick();
    });
}

TKolekcjeDanych* TLokatyFormGlowny::Kolekcje() const {
    return MyDB ? &MyDB->Kolekcje() : nullptr;
}

TKolekcjeDanych* TLokatyFormGlowny::KolekcjeLubKomunikat() const {
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (!kolekcje)
        PokazBrakPolaczeniaZBaza();
    return kolekcje;
}

const QString& TLokatyFormGlowny::TekstBrakuPolaczeniaZBaza() {
    return ::TekstBrakuPolaczeniaZBaza();
}

void TLokatyFormGlowny::PokazBrakPolaczeniaZBaza() {
    ::PokazBrakPolaczeniaZBaza();
}

const TWierszRaportu* TLokatyFormGlowny::WybranyWierszLokaty() const {
    return ts_TwojeLokaty->WybranyWiersz();
}

TLokata* TLokatyFormGlowny::WybranaLokata() const {
    return LokataWiersza(WybranyWierszLokaty());
}

const TWierszRaportu* TLokatyFormGlowny::WybranyWierszHarmonogramu() const {
    return ts_LokatyBankowe->WybranyWiersz();
}

THarmonogramLokatyBankowej* TLokatyFormGlowny::WybranyHarmonogram() const {
    return ts_LokatyBankowe->WybranyHarmonogram();
}

TLokata* TLokatyFormGlowny::LokataWiersza(const TWierszRaportu* wiersz) const {
    return ts_TwojeLokaty->LokataWiersza(wiersz);
}

THarmonogramLokatyBankowej*
TLokatyFormGlowny::HarmonogramWiersza(const TWierszRaportu* wiersz) const {
    return ts_LokatyBankowe->HarmonogramWiersza(wiersz);
}

bool TLokatyFormGlowny::TylkoDoOdczytu() const {
    return fDecyzjeZapisu.TylkoDoOdczytu();
}

// A file open only to read offers the commands that read; every command that
// would change data is disabled, and so is "Zapisz i zamknij".
void TLokatyFormGlowny::UstawPrzyciski() {
    const bool zapis = !TylkoDoOdczytu();
    ts_TwojeLokaty->UstawPrzyciski(zapis && pgc_Zakladki->currentWidget() == ts_TwojeLokaty);

    ts_LokatyBankowe->UstawPrzyciski(zapis, pgc_Zakladki->currentWidget() == ts_LokatyBankowe);
    btn_OK->setEnabled(zapis);
    const TKolekcjeDanych* kolekcje = Kolekcje();
    btn_Zapisz->setVisible(fDecyzjeZapisu.JestZapisWMiejscu());
    btn_Zapisz->setEnabled(zapis && kolekcje && kolekcje->ZmienionoINiezapisanoLokaty());
    const QString plikDanych = MyDB ? MyDB->PlikiDB().DataFile() : QString();
    const QString nazwaPliku = QFileInfo(plikDanych).fileName();
    setWindowTitle(TytulOkna(nazwaPliku, zapis));
    if (pan_1) {
        pan_1->SetHeading(TytulOkna(NazwaWNaglowku(nazwaPliku), zapis));
        pan_1->setToolTip(QDir::toNativeSeparators(plikDanych));
    }

    pgc_Zakladki->setTabText(pgc_Zakladki->indexOf(ts_LokatyBankowe),
                             ts_LokatyBankowe->TytulZakladki());
}

// The page of the tab in front.
void TLokatyFormGlowny::btn_PomocClick() {
    const QWidget* zakladka = pgc_Zakladki->currentWidget();
    OtworzPomoc(zakladka == ts_LokatyBankowe ? StronyPomocy::Oferty
                : zakladka == ts_Kalendarz   ? StronyPomocy::Kalendarz
                                             : StronyPomocy::Lokaty);
}

// The deposit-rates site's front page, which ranks the banks' deposits.
void TLokatyFormGlowny::btn_ZestawienieLokatClick() {
    OtworzStroneWWW(WebAddresses::RatesSite());
}

void TLokatyFormGlowny::btn_OKClick() {
    fKliknietoOK = true;
    done(QDialog::Accepted);
}

void TLokatyFormGlowny::UstawZapisWMiejscu(TZapisWMiejscu zapis) {
    fDecyzjeZapisu.UstawZapisWMiejscu(std::move(zapis));
    UstawPrzyciski();
}

void TLokatyFormGlowny::btn_ZapiszClick() {
    ZapiszWMiejscu();
}

// The lists are read back from the file: every record is new, so the
// selection and the deposits ended in this showing are found again by id (a
// deposit added before the save by the id the file gave it) and the offer by
// its bank, name and rate.
bool TLokatyFormGlowny::ZapiszWMiejscu() {
    if (!fDecyzjeZapisu.MoznaZapisacWMiejscu())
        return false;
    const TLokata* lokata = WybranaLokata();
    const int32_t idLokaty = lokata ? lokata->Id() : -1;
    const THarmonogramLokatyBankowej* oferta = WybranyHarmonogram();
    const QString kluczOferty = oferta ? oferta->BankNazwaOprocentowanie() : QString();
    const std::optional<TDecyzjeZapisu::TNoweId> noweId = fDecyzjeZapisu.ZapiszWPliku();
    if (!noweId)
        return false;
    ts_TwojeLokaty->Polecenia().PoZapisie(*noweId);
    WypelnijListy(true);
    if (TKolekcjeDanych* kolekcje = Kolekcje()) {
        ts_TwojeLokaty->ZaznaczLokatePoId(TDecyzjeZapisu::IdPoZapisie(*noweId, idLokaty));
        ts_LokatyBankowe->ZaznaczOferte(
            kluczOferty.isEmpty()
                ? nullptr
                : kolekcje->PobierzHarmonogramLokatyBankowejDlaBanikINazwa(kluczOferty));
    }
    UstawPrzyciski();
    return true;
}

void TLokatyFormGlowny::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    PrzygotujOkno();
    ts_TwojeLokaty->NowePokazanie();
    fDniDoNieaktualnosci = TUstawieniaLokat::DniDoNieaktualnosci();
    WypelnijListy(true);
    if (!fFormSize->HasStoredPlacement())
        PokazWszystkieKolumnyLokat();
    DopasujDoEkranu(*this);
    DopasujPoOprawieniu(*this);
}

// At the first start (no placement kept yet) the window grows to show every
// column of the deposit list, as far as the screen's free area allows, and
// stands in the middle of that area.
void TLokatyFormGlowny::PokazWszystkieKolumnyLokat() {
    layout()->activate();
    const QRect obszar = screen()->availableGeometry();
    const int ramka = frameGeometry().width() - width();
    const int szerokosc =
        qMax(minimumWidth(),
             qMin(width() + ts_TwojeLokaty->BrakujacaSzerokoscListy(), obszar.width() - ramka));
    if (szerokosc <= width())
        return;
    const int lewa = obszar.x() + qMax(0, (obszar.width() - szerokosc - ramka) / 2);
    setGeometry(lewa, geometry().y(), szerokosc, height());
}

bool TLokatyFormGlowny::ZapytajOZamkniecieBezZapisu() const {
    return fDecyzjeZapisu.MoznaZamknac(fKliknietoOK);
}

void TLokatyFormGlowny::closeEvent(QCloseEvent* event) {
    if (!ZapytajOZamkniecieBezZapisu()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TLokatyFormGlowny::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && ts_TwojeLokaty)
        ts_TwojeLokaty->UstawKolorUwagi(palette());
    QDialog::changeEvent(event);
}

void TLokatyFormGlowny::keyPressEvent(QKeyEvent* event) {
    // The window has no cancel button: Esc does not close it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// --- The deposits tab's commands ------------------------------------------------

int32_t TLokatyFormGlowny::NoweIdLokaty() const {
    return ts_TwojeLokaty->Polecenia().NoweIdLokaty();
}

const std::map<int32_t, TLokatyFormGlowny::TZyskZakonczonej>&
TLokatyFormGlowny::ZakonczoneWTymPokazaniu() const {
    return ts_TwojeLokaty->Polecenia().ZakonczoneWTymPokazaniu();
}

void TLokatyFormGlowny::sbtn_DodajLokateClick() {
    ts_TwojeLokaty->sbtn_DodajLokateClick();
}

void TLokatyFormGlowny::DodajLokate(const TLokata& wzor) {
    ts_TwojeLokaty->DodajLokate(wzor);
}

void TLokatyFormGlowny::sbtn_EdytujLokateClick() {
    ts_TwojeLokaty->sbtn_EdytujLokateClick();
}

void TLokatyFormGlowny::sbtn_RozpocznijJakoNowaLokateClick() {
    ts_TwojeLokaty->sbtn_RozpocznijJakoNowaLokateClick();
}

void TLokatyFormGlowny::sbtn_RozpocznijLokateClick() {
    ts_TwojeLokaty->sbtn_RozpocznijLokateClick();
}

void TLokatyFormGlowny::sbtn_ZakonczLokateClick() {
    ts_TwojeLokaty->sbtn_ZakonczLokateClick();
}

void TLokatyFormGlowny::sbtn_UsunLokateClick() {
    ts_TwojeLokaty->sbtn_UsunLokateClick();
}

void TLokatyFormGlowny::ZakonczLubRozpocznijLokate(TLokata* lokata, bool aktywna) {
    ts_TwojeLokaty->ZakonczLubRozpocznijLokate(lokata, aktywna);
}

void TLokatyFormGlowny::PokazLokate(const TLokata* lokata) {
    pgc_Zakladki->setCurrentWidget(ts_TwojeLokaty);
    ts_TwojeLokaty->ZaznaczLokate(lokata);
    UstawPrzyciski();
}

// The offers ranked for an amount; the deposit chosen there is added.
void TLokatyFormGlowny::sbtn_PorownajOfertyClick() {
    TKolekcjeDanych* kolekcje = KolekcjeLubKomunikat();
    if (!kolekcje)
        return;
    TFormPorownajOferty dialog(kolekcje->HarmonogramyLokatBankowych(), this);
    dialog.UstawOgraniczeniaKwoty(MaksymalnaDlugoscKwoty(), MaksymalnaWartoscWProgramie());
    dialog.UstawProgNieaktualnosci(fDniDoNieaktualnosci);
    dialog.UstawGwarancje(ts_TwojeLokaty->Gwarancje(*kolekcje));
    if (Platform::modalRunner().runModal(&dialog) != QDialog::Accepted || !dialog.WybranaOferta())
        return;
    ts_TwojeLokaty->DodajZOferty(dialog.WybranaOferta()->BankNazwaOprocentowanie(), dialog.Kwota(),
                                 dialog.DataRozpoczecia());
}

// New thresholds take effect at once: the offers' marks and summary, the
// comparison, and the bar of deposits ending soon.
void TLokatyFormGlowny::ProgiOstrzezenClick() {
    TFormProgiOstrzezen okno(fDniDoNieaktualnosci, ts_TwojeLokaty->DniDoZakonczenia(), this);
    if (Platform::modalRunner().runModal(&okno) != QDialog::Accepted)
        return;
    TUstawieniaLokat::UstawDniDoNieaktualnosci(okno.DniDoNieaktualnosci());
    TUstawieniaLokat::UstawDniDoZakonczenia(okno.DniDoZakonczenia());
    fDniDoNieaktualnosci = TUstawieniaLokat::DniDoNieaktualnosci();
    ts_TwojeLokaty->UstawDniDoZakonczenia(TUstawieniaLokat::DniDoZakonczenia());
    WypelnijListy(true);
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

// The offer commands belong to the offers tab.

void TLokatyFormGlowny::DodajLubNadpiszHarmonogram(
    std::unique_ptr<THarmonogramLokatyBankowej>& harmonogram) {
    ts_LokatyBankowe->Polecenia().DodajLubNadpiszHarmonogram(harmonogram);
}

void TLokatyFormGlowny::NadpiszHarmonogram(const THarmonogramLokatyBankowej& zrodlo,
                                           THarmonogramLokatyBankowej& cel) {
    TPoleceniaOfert::NadpiszHarmonogram(zrodlo, cel);
}

void TLokatyFormGlowny::UsunHarmonogram(THarmonogramLokatyBankowej* harmonogram,
                                        bool odswiezListy) {
    ts_LokatyBankowe->UsunHarmonogram(harmonogram, odswiezListy);
}

QString TLokatyFormGlowny::saveDialog() const {
    return ts_LokatyBankowe->Polecenia().saveDialog();
}

QString TLokatyFormGlowny::openDialog() const {
    return ts_LokatyBankowe->Polecenia().openDialog();
}

void TLokatyFormGlowny::OdczytajLokatyBankoweZPliku(const QString& sciezka) {
    ts_LokatyBankowe->Import().OdczytajLokatyBankoweZPliku(sciezka);
}

void TLokatyFormGlowny::ImportujLokatyBankow(const QStringList& nazwy, const TMapaBankow& linki) {
    ts_LokatyBankowe->Import().ImportujLokatyBankow(nazwy, linki);
}

void TLokatyFormGlowny::ImportujLokatyBanku(const QString& bank, const QString& url) {
    ts_LokatyBankowe->Import().ImportujLokatyBanku(bank, url);
}

void TLokatyFormGlowny::sbtn_DodajLokateBankowaClick() {
    ts_LokatyBankowe->sbtn_DodajLokateBankowaClick();
}

void TLokatyFormGlowny::sbtn_EdytujLokateBankowaClick() {
    ts_LokatyBankowe->sbtn_EdytujLokateBankowaClick();
}

void TLokatyFormGlowny::sbtn_UsunLokateBankowaClick() {
    ts_LokatyBankowe->sbtn_UsunLokateBankowaClick();
}

void TLokatyFormGlowny::Klonuj1Click() {
    ts_LokatyBankowe->Klonuj1Click();
}

void TLokatyFormGlowny::Usuwszystkieztegobanku1Click() {
    ts_LokatyBankowe->Usuwszystkieztegobanku1Click();
}

void TLokatyFormGlowny::Usuwszystkie1Click() {
    ts_LokatyBankowe->Usuwszystkie1Click();
}

void TLokatyFormGlowny::Informacjeolokaciebankowej1Click() {
    ts_LokatyBankowe->PokazOferteLokaty(WybranyWierszLokaty() != nullptr, WybranaLokata());
}

void TLokatyFormGlowny::btn_AktualizujLokatyClick() {
    ts_LokatyBankowe->btn_AktualizujLokatyClick();
}

void TLokatyFormGlowny::sbtn_OdczytajLokatyBankoweZPlikuClick() {
    ts_LokatyBankowe->sbtn_OdczytajLokatyBankoweZPlikuClick();
}

void TLokatyFormGlowny::sbtn_EksportujDoplikuClick() {
    ts_LokatyBankowe->sbtn_EksportujDoplikuClick();
}
void TLokatyFormGlowny::PrzygotujOkno() {
    pan_1->SetHeading(windowTitle());
    ts_TwojeLokaty->PrzygotujPodsumowanie();
    pgc_Zakladki->setCurrentWidget(ts_TwojeLokaty);
    TKolekcjeDanych* kolekcje = Kolekcje();
    ts_TwojeLokaty->PrzygotujKolumny(kolekcje);
    ts_LokatyBankowe->PrzygotujKolumny(kolekcje);
}

void TLokatyFormGlowny::WypelnijListy(bool wypelnijHarmonogramy) {
    ts_TwojeLokaty->WyczyscPodsumowanie();
    TKolekcjeDanych* kolekcje = Kolekcje();
    if (kolekcje) {
        UstawWyswietlanaTabele();
        ts_TwojeLokaty->Wypelnij(*kolekcje, MyDB->PlikiDB().DataFile());
        ts_Kalendarz->Wypelnij(kolekcje, MyDB->PlikiDB().DataFile());
        if (wypelnijHarmonogramy)
            ts_LokatyBankowe->Wypelnij(*kolekcje, fDniDoNieaktualnosci,
                                       pgc_Zakladki->currentWidget() == ts_LokatyBankowe);
    }
    UstawPrzyciski();
}

void TLokatyFormGlowny::UstawWyswietlanaTabele() {
    MyDB->SetWyswietlanaTabela(TTabele::Lokaty);
}
