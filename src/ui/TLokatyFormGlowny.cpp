// The deposits window: its controls, events and the close flow. The lists are
// filled in TLokatyFormGlownyListy.cpp, the deposit commands live in
// TLokatyFormGlownyLokaty.cpp; the offers tab is TZakladkaOfert.
#include "ui/TLokatyFormGlowny.h"

#include "app/Komunikaty.h"
#include "app/TPoleceniaOfert.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/TLokata.h"
#include "import/TAktualizacjaKursuEUR.h"
#include "platform/BuildConfig.h"
#include "platform/Platform.h"
#include "platform/WebAddresses.h"
#include "ui/DopasowanieDoEkranu.h"
#include "ui/KolumnaPrzyciskow.h"
#include "ui/KontrastTekstu.h"
#include "ui/PomocOkien.h"
#include "ui/PozycjeMenu.h"
#include "ui/TAMHFlashLabel.h"
#include "ui/TEksportListy.h"
#include "ui/TEtykietaGwarancji.h"
#include "ui/TEtykietaSkracana.h"
#include "ui/TFormSize.h"
#include "ui/THeaderPanel.h"
#include "ui/TIkonyLokat.h"
#include "ui/TImportOfert.h"
#include "ui/TListaRaportowa.h"
#include "ui/TPasekKonczacychSieLokat.h"
#include "ui/TPrzyciskBoczny.h"
#include "ui/TZakladkaKalendarza.h"
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

const QString kTekstUwagiOZysku = QStringLiteral(
    "Obliczony zysk z lokat bankowych ma charakter przybliżony i nie powinien stanowić "
    "podstawy do decyzji inwestycyjnych.");
const QString kPytanieOZamkniecie = QStringLiteral(
    "Lista lokat bankowych i(lub) lista lokat oferowanych przez banki zostały zmienione.\r"
    "Aby zapisać dokonane zmiany należy kliknąć w przycisk \"Zapisz i zamknij\", zamknięcie "
    "okna klikając w \"krzyżyk\" spowoduje utratę wprowadzonych zmian !!!\r\r"
    "Czy chcesz zamknąć to okno BEZ ZAPISANIA dokonanych zmian ???");

constexpr int kWysokoscDolnegoPaska = 42;
constexpr int kNazwaPlikuWNaglowku = 48;
constexpr int kOdstepPodsumowania = 70;
constexpr int kOkresMigania = 900;

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
    UtworzMenuLokat();
    ts_LokatyBankowe->UtworzMenu(ProgiOstrzezen1);
    PolaczZdarzenia();
    UtworzZapisPolozenia();
}

TLokatyFormGlowny::~TLokatyFormGlowny() {
    lv_Lokaty->WyczyscKolumny();
}

void TLokatyFormGlowny::UtworzKontrolki() {
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(UtworzNaglowek());

    pgc_Zakladki = new QTabWidget(this);
    pgc_Zakladki->setObjectName(QStringLiteral("pgc_Zakladki"));
    pgc_Zakladki->setIconSize(QSize(22, 22));
    pgc_Zakladki->setDocumentMode(false);
    pgc_Zakladki->addTab(UtworzZakladkeLokat(), TIkonyLokat::Lokata(), QStringLiteral("&Lokaty"));
    ts_LokatyBankowe = new TZakladkaOfert(*this);
    pgc_Zakladki->addTab(ts_LokatyBankowe, TIkonyLokat::Bank(),
                         QStringLiteral("Lokaty &oferowane przez banki"));
    ts_Kalendarz = new TZakladkaKalendarza;
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

QWidget* TLokatyFormGlowny::UtworzZakladkeLokat() {
    ts_TwojeLokaty = new QWidget;
    ts_TwojeLokaty->setObjectName(QStringLiteral("ts_TwojeLokaty"));
    sbtn_DodajLokate =
        new TPrzyciskBoczny("sbtn_DodajLokate", QStringLiteral("Dodaj"),
                            QStringLiteral("Kliknij, aby dodać nową lokatę do listy"),
                            TIkonyLokat::Dodaj(), ts_TwojeLokaty);
    sbtn_EdytujLokate = new TPrzyciskBoczny("sbtn_EdytujLokate", QStringLiteral("Edytuj"),
                                            QStringLiteral("Kliknij, aby edytować wybraną lokatę"),
                                            TIkonyLokat::Edytuj(), ts_TwojeLokaty);
    sbtn_UsunLokate = new TPrzyciskBoczny("sbtn_UsunLokate", QStringLiteral("Usuń"),
                                          QStringLiteral("Kliknij, aby usunąć wybraną lokatę"),
                                          TIkonyLokat::Usun(), ts_TwojeLokaty);
    sbtn_ZakonczLokate = new TPrzyciskBoczny(
        "sbtn_ZakonczLokate", QStringLiteral("Zakończ\rlokatę"),
        QStringLiteral("Kliknij, aby zakończyć lokatę"), TIkonyLokat::Zakoncz(), ts_TwojeLokaty);
    sbtn_RozpocznijLokate = new TPrzyciskBoczny(
        "sbtn_RozpocznijLokate", QStringLiteral("Rozpocznij\rlokatę"),
        QStringLiteral("Kliknij, aby rozpocząć lokatę"), TIkonyLokat::Rozpocznij(), ts_TwojeLokaty);
    sbtn_RozpocznijJakoNowaLokate = new TPrzyciskBoczny(
        "sbtn_RozpocznijJakoNowaLokate", QStringLiteral("Utworz\r\nnową jak ta"),
        QStringLiteral("Kliknij, aby dodać do listy nową lokatę na bazie lokaty zaznaczonej"),
        TIkonyLokat::NowaJakTa(), ts_TwojeLokaty);

    lv_Lokaty = new TListaRaportowa("lv_Lokaty", ts_TwojeLokaty);
    lv_Lokaty->setAccessibleName(QStringLiteral("Twoje lokaty"));

    pan_LokatyBottom = new QWidget(ts_TwojeLokaty);
    pan_LokatyBottom->setObjectName(QStringLiteral("pan_LokatyBottom"));
    // Large sums may not fit: the line then ends with "…" and shows whole as a tooltip.
    lbl_IleLokat = new TEtykietaSkracana(pan_LokatyBottom);
    lbl_IleLokat->setObjectName(QStringLiteral("lbl_IleLokat"));
    QFont pogrubiona = lbl_IleLokat->font();
    pogrubiona.setBold(true);
    lbl_IleLokat->setFont(pogrubiona);
    lbl_GwarancjaBFG = new TEtykietaGwarancji(pan_LokatyBottom);
    Label1 = new TAMHFlashLabel(kTekstUwagiOZysku, pan_LokatyBottom);
    Label1->setObjectName(QStringLiteral("Label1"));
    UstawKolorUwagi();
    Label1->SetInterval(kOkresMigania);
    // At the window's smallest width the notice is wider than the panel.
    Label1->setWordWrap(true);
    auto* dol = new QVBoxLayout(pan_LokatyBottom);
    dol->setContentsMargins(kOdstepPodsumowania, 4, 4, 4);
    dol->setSpacing(4);
    dol->addWidget(lbl_IleLokat);
    dol->addWidget(lbl_GwarancjaBFG);
    dol->addWidget(Label1);
    dol->addStretch(1);
    // Its wrapped lines need another height when its width changes.
    pan_LokatyBottom->installEventFilter(this);

    pan_KonczaceSie = new TPasekKonczacychSieLokat(ts_TwojeLokaty);

    auto* gora = new QHBoxLayout;
    gora->setContentsMargins(0, 0, 0, 0);
    gora->addWidget(
        KolumnaPrzyciskow(ts_TwojeLokaty,
                          {sbtn_DodajLokate, sbtn_EdytujLokate, sbtn_UsunLokate, sbtn_ZakonczLokate,
                           sbtn_RozpocznijLokate, sbtn_RozpocznijJakoNowaLokate},
                          {}));
    gora->addWidget(lv_Lokaty, 1);
    // The bottom panel runs under the buttons and the list.
    auto* uklad = new QVBoxLayout(ts_TwojeLokaty);
    uklad->setContentsMargins(2, 4, 4, 2);
    uklad->setSpacing(0);
    uklad->addWidget(pan_KonczaceSie);
    uklad->addLayout(gora, 1);
    uklad->addWidget(pan_LokatyBottom);
    return ts_TwojeLokaty;
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

void TLokatyFormGlowny::UtworzMenuLokat() {
    pmenu_Lokaty = new QMenu(this);
    pmenu_Lokaty->setObjectName(QStringLiteral("pmenu_Lokaty"));
    QMenu* m = pmenu_Lokaty;
    QWidget* l = lv_Lokaty;
    Dodaj1 = DodajPozycjeMenu(m, l, "Dodaj1", QStringLiteral("&Dodaj"), QKeySequence("Ctrl+D"));
    Edytuj1 = DodajPozycjeMenu(m, l, "Edytuj1", QStringLiteral("&Edytuj"), QKeySequence("Ctrl+E"));
    DodajSeparator(m, "N1");
    Usu1 = DodajPozycjeMenu(m, l, "Usu1", QStringLiteral("&Usuń"), QKeySequence(Qt::Key_Delete));
    DodajSeparator(m, "N2");
    PrzerwijZakoczlokate1 =
        DodajPozycjeMenu(m, l, "PrzerwijZakoczlokate1", QStringLiteral("&Przerwij/Zakończ lokatę"),
                         QKeySequence("Ctrl+B"));
    Rozpocznijlokate1 = DodajPozycjeMenu(
        m, l, "Rozpocznijlokate1", QStringLiteral("&Rozpocznij lokatę"), QKeySequence("Ctrl+G"));
    Utwrznowjakta1 = DodajPozycjeMenu(m, l, "Utwrznowjakta1", QStringLiteral("U&twórz nową jak ta"),
                                      QKeySequence("Ctrl+C"));
    DodajSeparator(m, "N5");
    Informacjeolokaciebankowej1 = DodajPozycjeMenu(m, l, "Informacjeolokaciebankowej1",
                                                   QStringLiteral("&Informacje o lokacie bankowej"),
                                                   QKeySequence("Ctrl+Space"));
    DodajSeparator(m, "N8");
    EksportujDoKalendarza1 =
        DodajPozycjeMenu(m, l, "EksportujDoKalendarza1",
                         QStringLiteral("Eksportuj do &kalendarza…"), QKeySequence());
    DodajSeparator(m, "N10");
    EksportujListe1 =
        DodajPozycjeMenu(m, l, "EksportujListe1", TEksportListy::TytulEksportu(), QKeySequence());
    DrukujListe1 =
        DodajPozycjeMenu(m, l, "DrukujListe1", TEksportListy::TytulDruku(), QKeySequence());
    DodajSeparator(m, "N11");
    BankiJednejInstytucji1 = DodajPozycjeMenu(
        m, l, "BankiJednejInstytucji1", QStringLiteral("&Banki jednej instytucji (gwarancja BFG)…"),
        QKeySequence());
    ProgiOstrzezen1 = DodajPozycjeMenu(m, l, "ProgiOstrzezen1", QStringLiteral("Pro&gi ostrzeżeń…"),
                                       QKeySequence());
}

void TLokatyFormGlowny::PolaczZdarzenia() {
    using T = TLokatyFormGlowny;
    connect(sbtn_DodajLokate, &QToolButton::clicked, this, &T::sbtn_DodajLokateClick);
    connect(sbtn_EdytujLokate, &QToolButton::clicked, this, &T::sbtn_EdytujLokateClick);
    connect(sbtn_UsunLokate, &QToolButton::clicked, this, &T::sbtn_UsunLokateClick);
    connect(sbtn_ZakonczLokate, &QToolButton::clicked, this, &T::sbtn_ZakonczLokateClick);
    connect(sbtn_RozpocznijLokate, &QToolButton::clicked, this, &T::sbtn_RozpocznijLokateClick);
    connect(sbtn_RozpocznijJakoNowaLokate, &QToolButton::clicked, this,
            &T::sbtn_RozpocznijJakoNowaLokateClick);
    connect(btn_Pomoc, &QPushButton::clicked, this, &T::btn_PomocClick);
    connect(btn_ZestawienieLokat, &QPushButton::clicked, this, &T::btn_ZestawienieLokatClick);
    connect(btn_OK, &QPushButton::clicked, this, &T::btn_OKClick);
    connect(btn_Zapisz, &QPushButton::clicked, this, &T::btn_ZapiszClick);

    connect(Dodaj1, &QAction::triggered, this, &T::sbtn_DodajLokateClick);
    connect(Edytuj1, &QAction::triggered, this, &T::sbtn_EdytujLokateClick);
    connect(Usu1, &QAction::triggered, this, &T::sbtn_UsunLokateClick);
    connect(PrzerwijZakoczlokate1, &QAction::triggered, this, &T::sbtn_ZakonczLokateClick);
    connect(Rozpocznijlokate1, &QAction::triggered, this, &T::sbtn_RozpocznijLokateClick);
    connect(Utwrznowjakta1, &QAction::triggered, this, &T::sbtn_RozpocznijJakoNowaLokateClick);
    connect(Informacjeolokaciebankowej1, &QAction::triggered, this,
            &T::Informacjeolokaciebankowej1Click);
    connect(EksportujDoKalendarza1, &QAction::triggered, ts_Kalendarz,
            &TZakladkaKalendarza::btn_EksportujDoKalendarzaClick);
    connect(EksportujListe1, &QAction::triggered, this,
            [this] { TEksportListy::EksportujDoCSV(TabelaListy(lv_Lokaty), PlikDanych()); });
    connect(DrukujListe1, &QAction::triggered, this,
            [this] { TEksportListy::Drukuj(TabelaListy(lv_Lokaty)); });
    connect(BankiJednejInstytucji1, &QAction::triggered, this, &T::BankiJednejInstytucjiClick);
    connect(ProgiOstrzezen1, &QAction::triggered, this, &T::ProgiOstrzezenClick);
    connect(pan_KonczaceSie, &TPasekKonczacychSieLokat::PokazLokaty, this, &T::ZaznaczKonczaceSie);
    connect(pmenu_Lokaty, &QMenu::aboutToShow, this, &T::pmenu_LokatyPopup);

    connect(lv_Lokaty->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &T::UstawPrzyciski);
    connect(lv_Lokaty, &QAbstractItemView::clicked, this, &T::UstawPrzyciski);
    lv_Lokaty->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lv_Lokaty, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        pmenu_Lokaty->popup(lv_Lokaty->viewport()->mapToGlobal(p));
    });
    // A double click or Enter on a row opens it for editing.
    connect(lv_Lokaty, &TListaRaportowa::WierszZatwierdzony, this, &T::sbtn_EdytujLokateClick);
    connect(lv_Lokaty->header(), &QHeaderView::sectionClicked, this, &T::lv_LokatyColumnClick);
    connect(pgc_Zakladki, &QTabWidget::currentChanged, this, [this](int zakladka) {
        if (pgc_Zakladki->widget(zakladka) == ts_LokatyBankowe)
            ts_LokatyBankowe->WypelnijOdlozonaListe();
        UstawPrzyciski();
    });
    connect(ts_LokatyBankowe, &TZakladkaOfert::NaWierzch, this,
            [this] { pgc_Zakladki->setCurrentWidget(ts_LokatyBankowe); });
    connect(ts_Kalendarz, &TZakladkaKalendarza::OtworzLokate, this, &T::OtworzLokateZKalendarza);

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

// The calendar opens a deposit as the deposits tab does: selected, then edited.
void TLokatyFormGlowny::OtworzLokateZKalendarza(TLokata* lokata) {
    lv_Lokaty->ZaznaczRekord(lokata);
    sbtn_EdytujLokateClick();
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
    static const QString tekst = QStringLiteral(
        "Nie udało się nawiązać połączenia z bazą danych !!!\rUpewnij się że program znajduje "
        "się w lokalizacji, w której zapis jest możliwy lub że masz wystarczająco dużo miejsca "
        "na dysku do utworzenia bazy.");
    return tekst;
}

void TLokatyFormGlowny::PokazBrakPolaczeniaZBaza() {
    PokazBlad(TekstBrakuPolaczeniaZBaza());
}

const TWierszRaportu* TLokatyFormGlowny::WybranyWierszLokaty() const {
    return lv_Lokaty->WybranyWiersz();
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
    if (!wiersz || !lv_Lokaty->IndeksWiersza(*wiersz).isValid())
        return nullptr;
    return static_cast<TLokata*>(wiersz->rekord);
}

THarmonogramLokatyBankowej*
TLokatyFormGlowny::HarmonogramWiersza(const TWierszRaportu* wiersz) const {
    return ts_LokatyBankowe->HarmonogramWiersza(wiersz);
}

bool TLokatyFormGlowny::TylkoDoOdczytu() const {
    return MyDB && MyDB->OtwartyTylkoDoOdczytu();
}

// A file open only to read offers the commands that read; every command that
// would change data is disabled, and so is "Zapisz i zamknij".
void TLokatyFormGlowny::UstawPrzyciski() {
    const bool zapis = !TylkoDoOdczytu();
    const bool zakladkaLokat = zapis && pgc_Zakladki->currentWidget() == ts_TwojeLokaty;
    const bool wierszLokaty = zakladkaLokat && WybranyWierszLokaty() != nullptr;
    const TLokata* lokata = zakladkaLokat ? WybranaLokata() : nullptr;
    const bool aktywna = lokata && lokata->Aktywna();
    const bool nieaktywna = lokata && !lokata->Aktywna();

    sbtn_DodajLokate->setEnabled(zakladkaLokat);
    sbtn_EdytujLokate->setEnabled(aktywna);
    sbtn_UsunLokate->setEnabled(wierszLokaty);
    sbtn_RozpocznijLokate->setEnabled(nieaktywna);
    sbtn_RozpocznijLokate->setVisible(nieaktywna);
    sbtn_ZakonczLokate->setEnabled(aktywna);
    sbtn_ZakonczLokate->setVisible(!nieaktywna);
    sbtn_RozpocznijJakoNowaLokate->setEnabled(lokata != nullptr);
    sbtn_RozpocznijJakoNowaLokate->setVisible(lokata != nullptr);

    ts_LokatyBankowe->UstawPrzyciski(zapis, pgc_Zakladki->currentWidget() == ts_LokatyBankowe);
    btn_OK->setEnabled(zapis);
    const TKolekcjeDanych* kolekcje = Kolekcje();
    btn_Zapisz->setVisible(static_cast<bool>(fZapisWMiejscu));
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

void TLokatyFormGlowny::pmenu_LokatyPopup() {
    Dodaj1->setEnabled(sbtn_DodajLokate->isEnabled());
    Edytuj1->setEnabled(sbtn_EdytujLokate->isEnabled());
    Usu1->setEnabled(sbtn_UsunLokate->isEnabled());
    PrzerwijZakoczlokate1->setEnabled(sbtn_ZakonczLokate->isEnabled());
    Rozpocznijlokate1->setEnabled(sbtn_RozpocznijLokate->isEnabled());
    Utwrznowjakta1->setEnabled(sbtn_RozpocznijJakoNowaLokate->isEnabled());
    EksportujDoKalendarza1->setEnabled(ts_Kalendarz->MoznaEksportowac());
    EksportujListe1->setEnabled(lv_Lokaty->IloscWierszy() > 0);
    DrukujListe1->setEnabled(lv_Lokaty->IloscWierszy() > 0);
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
    fZapisWMiejscu = std::move(zapis);
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
    if (!fZapisWMiejscu || TylkoDoOdczytu())
        return false;
    const TLokata* lokata = WybranaLokata();
    const int32_t idLokaty = lokata ? lokata->Id() : -1;
    const THarmonogramLokatyBankowej* oferta = WybranyHarmonogram();
    const QString kluczOferty = oferta ? oferta->BankNazwaOprocentowanie() : QString();
    const std::optional<std::map<int32_t, int32_t>> noweId = fZapisWMiejscu();
    if (!noweId)
        return false;
    const auto PoZapisie = [&noweId](int32_t id) {
        const auto nowe = noweId->find(id);
        return nowe == noweId->end() ? id : nowe->second;
    };
    std::map<int32_t, TZyskZakonczonej> zakonczone;
    for (const auto& [id, zysk] : fZakonczoneWTymPokazaniu)
        zakonczone[PoZapisie(id)] = zysk;
    fZakonczoneWTymPokazaniu = std::move(zakonczone);
    WypelnijListy(true);
    if (TKolekcjeDanych* kolekcje = Kolekcje()) {
        const TLokata* wybrana = nullptr;
        for (const auto& zapisana : kolekcje->Lokaty())
            if (zapisana->Id() == PoZapisie(idLokaty))
                wybrana = zapisana.get();
        lv_Lokaty->ZaznaczRekord(wybrana);
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
    WczytajUstawieniaGwarancji();
    pan_KonczaceSie->NowePokazanie();
    WypelnijListy(true);
    if (!fFormSize->HasStoredPlacement())
        PokazWszystkieKolumnyLokat();
    DopasujDoEkranu(*this);
}

// At the first start (no placement kept yet) the window grows to show every
// column of the deposit list, as far as the screen's free area allows, and
// stands in the middle of that area.
void TLokatyFormGlowny::PokazWszystkieKolumnyLokat() {
    layout()->activate();
    const int lista = 2 * lv_Lokaty->frameWidth() +
                      lv_Lokaty->verticalScrollBar()->sizeHint().width() +
                      lv_Lokaty->NaturalnaSzerokosc();
    const QRect obszar = screen()->availableGeometry();
    const int ramka = frameGeometry().width() - width();
    const int szerokosc =
        qMax(minimumWidth(), qMin(width() - lv_Lokaty->width() + lista, obszar.width() - ramka));
    if (szerokosc <= width())
        return;
    const int lewa = obszar.x() + qMax(0, (obszar.width() - szerokosc - ramka) / 2);
    setGeometry(lewa, geometry().y(), szerokosc, height());
}

bool TLokatyFormGlowny::ZapytajOZamkniecieBezZapisu() const {
    const TKolekcjeDanych* kolekcje = Kolekcje();
    if (fKliknietoOK || !kolekcje || !kolekcje->ZmienionoINiezapisanoLokaty())
        return true;
    TMessage pytanie;
    // Unlike the other questions this one is captioned "BŁĄD !!!" on purpose.
    pytanie.caption = kTytulBledu;
    pytanie.text = kPytanieOZamkniecie;
    pytanie.icon = TMessageIcon::Warning;
    pytanie.buttons = TMessageButtons::YesNo;
    pytanie.defaultNo = true;
    return Platform::messageBoxes().show(pytanie) == TMessageResult::Yes;
}

void TLokatyFormGlowny::closeEvent(QCloseEvent* event) {
    if (!ZapytajOZamkniecieBezZapisu()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

// The notice is red: dark red on a light window, light red on a dark one.
void TLokatyFormGlowny::UstawKolorUwagi() {
    QPalette paleta = Label1->palette();
    paleta.setColor(QPalette::WindowText, KolorOstrzezeniaNa(palette()));
    Label1->setPalette(paleta);
}

void TLokatyFormGlowny::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && Label1)
        UstawKolorUwagi();
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
