// The deposits window: its controls, events and the close flow. The lists are
// filled in TLokatyFormGlownyListy.cpp, the deposits tab is TZakladkaLokat,
// the offer commands live in TLokatyFormGlownyOferty.cpp.
#include "ui/TLokatyFormGlowny.h"

#include "app/Komunikaty.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TUstawieniaLokat.h"
#include "domain/TGwarancjeBFG.h"
#include "domain/TLokata.h"
#include "platform/BuildConfig.h"
#include "platform/Platform.h"
#include "platform/WebAddresses.h"
#include "ui/DopasowanieDoEkranu.h"
#include "ui/ElementyZakladek.h"
#include "ui/PomocOkien.h"
#include "ui/TEksportListy.h"
#include "ui/TEtykietaSkracana.h"
#include "ui/TFormPorownajOferty.h"
#include "ui/TFormProgiOstrzezen.h"
#include "ui/TFormSize.h"
#include "ui/THeaderPanel.h"
#include "ui/TIkonyLokat.h"
#include "ui/TKwotaEdit.h"
#include "ui/TListaRaportowa.h"
#include "ui/TPrzyciskBoczny.h"
#include "ui/TZakladkaKalendarza.h"
#include "ui/TZakladkaLokat.h"

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
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kTekstUwagiOWydajnosci = QStringLiteral(
    "Ilość lokat bankowych definitywnie wpływa na wydajność modułu. Ogranicz ilość lokat do "
    "niezbędnego minimum.");

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
    UtworzMenuHarmonogramow();
    PolaczZdarzenia();
    UtworzZapisPolozenia();
}

TLokatyFormGlowny::~TLokatyFormGlowny() {
    lv_HarmonogramyLokatBankowych->WyczyscKolumny();
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
    ts_TwojeLokaty =
        new TZakladkaLokat(fDecyzjeZapisu, fMaksymalnaDlugoscKwoty, fMaksymalnaWartoscWProgramie);
    ts_TwojeLokaty->UstawKolorUwagi(palette());
    ProgiOstrzezen1 = ts_TwojeLokaty->AkcjaProgowOstrzezen();
    pgc_Zakladki->addTab(ts_TwojeLokaty, TIkonyLokat::Lokata(), QStringLiteral("&Lokaty"));
    pgc_Zakladki->addTab(UtworzZakladkeHarmonogramow(), TIkonyLokat::Bank(),
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

QWidget* TLokatyFormGlowny::UtworzZakladkeHarmonogramow() {
    ts_LokatyBankowe = new QWidget;
    ts_LokatyBankowe->setObjectName(QStringLiteral("ts_LokatyBankowe"));
    QWidget* t = ts_LokatyBankowe;
    sbtn_DodajLokateBankowa = new TPrzyciskBoczny(
        "sbtn_DodajLokateBankowa", QStringLiteral("Dodaj"),
        QStringLiteral("Kliknij, aby dodać nową lokatę bankową do listy"), TIkonyLokat::Dodaj(), t);
    sbtn_EdytujLokateBankowa = new TPrzyciskBoczny(
        "sbtn_EdytujLokateBankowa", QStringLiteral("Edytuj"),
        QStringLiteral("Kliknij, aby edytować wybraną lokatę bankową"), TIkonyLokat::Edytuj(), t);
    sbtn_UsunLokateBankowa = new TPrzyciskBoczny(
        "sbtn_UsunLokateBankowa", QStringLiteral("Usuń"),
        QStringLiteral("Kliknij, aby usunąć wybraną lokatę bankową"), TIkonyLokat::Usun(), t);
    sbtn_PorownajOferty = new TPrzyciskBoczny(
        "sbtn_PorownajOferty", QStringLiteral("Porównaj\r\noferty"),
        QStringLiteral("Kliknij, aby zobaczyć, która oferta da najwięcej z Twojej kwoty"),
        TIkonyLokat::Lokata(), t);
    btn_AktualizujLokaty = new TPrzyciskBoczny(
        "btn_AktualizujLokaty",
        QStringLiteral("Pobierz\r\ninformacje\r\no lokatach\r\nz Internetu"),
        QStringLiteral("Pobierz informacje o lokatach bankowych z Internetu.\rDane pochodzą ze "
                       "strony ") +
            WebAddresses::RatesSite() + QStringLiteral(".\rWymagane jest połączenie z Internetem."),
        TIkonyLokat::Internet(), t);
    btn_AktualizujLokaty->setToolTip(
        TPrzyciskBoczny::TekstNaEkranie(btn_AktualizujLokaty->toolTip()));
    // Hidden unless the user pointed the import at a site while the program
    // runs (TALVORA_STRONA_LOKAT): the configured site is not offered.
    btn_AktualizujLokaty->setVisible(WebAddresses::RatesSiteSetAtRunTime());
    sbtn_OdczytajLokatyBankoweZPliku = new TPrzyciskBoczny(
        "sbtn_OdczytajLokatyBankoweZPliku", QStringLiteral("Importuj\r\nz pliku"),
        QStringLiteral("Importuj lokaty bankowe z pliku"), TIkonyLokat::Importuj(), t);
    sbtn_EksportujDopliku = new TPrzyciskBoczny(
        "sbtn_EksportujDopliku", QStringLiteral("Eksportuj\r\ndo pliku"),
        QStringLiteral("Eksportuj widoczne lokaty bankowe do pliku"), TIkonyLokat::Eksportuj(), t);

    lv_HarmonogramyLokatBankowych = new TListaRaportowa("lv_HarmonogramyLokatBankowych", t);
    lv_HarmonogramyLokatBankowych->setAccessibleName(
        QStringLiteral("Lokaty oferowane przez banki"));
    QPalette biala = lv_HarmonogramyLokatBankowych->palette();
    biala.setColor(QPalette::Base, Qt::white);
    biala.setColor(QPalette::Text, Qt::black);
    lv_HarmonogramyLokatBankowych->setPalette(biala);
    lbl_IleOfert = new TEtykietaSkracana(t);
    lbl_IleOfert->setObjectName(QStringLiteral("lbl_IleOfert"));
    lbl_IleOfert->setContentsMargins(2, 4, 2, 0);
    Label2 = new QLabel(kTekstUwagiOWydajnosci, t);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setContentsMargins(2, 4, 2, 4);

    auto* prawa = new QVBoxLayout;
    prawa->setContentsMargins(0, 0, 0, 0);
    prawa->addWidget(lv_HarmonogramyLokatBankowych, 1);
    prawa->addWidget(lbl_IleOfert);
    prawa->addWidget(Label2);
    auto* uklad = new QHBoxLayout(t);
    uklad->setContentsMargins(2, 4, 4, 2);
    uklad->addWidget(
        KolumnaPrzyciskow(t,
                          {sbtn_DodajLokateBankowa, sbtn_EdytujLokateBankowa,
                           sbtn_UsunLokateBankowa, sbtn_PorownajOferty, btn_AktualizujLokaty},
                          {sbtn_OdczytajLokatyBankoweZPliku, sbtn_EksportujDopliku}));
    uklad->addLayout(prawa, 1);
    return t;
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

void TLokatyFormGlowny::UtworzMenuHarmonogramow() {
    pmenu_LokatyBankowe = new QMenu(this);
    pmenu_LokatyBankowe->setObjectName(QStringLiteral("pmenu_LokatyBankowe"));
    QMenu* m = pmenu_LokatyBankowe;
    QWidget* l = lv_HarmonogramyLokatBankowych;
    Dodaj2 = DodajPozycjeMenu(m, l, "Dodaj2", QStringLiteral("&Dodaj"), QKeySequence("Ctrl+D"));
    Edytuj2 = DodajPozycjeMenu(m, l, "Edytuj2", QStringLiteral("&Edytuj"), QKeySequence("Ctrl+E"));
    DodajSeparator(m, "N6");
    Klonuj1 = DodajPozycjeMenu(m, l, "Klonuj1", QStringLiteral("&Klonuj"), QKeySequence());
    DodajSeparator(m, "N3");
    Usu2 = DodajPozycjeMenu(m, l, "Usu2", QStringLiteral("&Usuń"), QKeySequence(Qt::Key_Delete));
    Usuwszystkieztegobanku1 =
        DodajPozycjeMenu(m, l, "Usuwszystkieztegobanku1",
                         QStringLiteral("Usuń wszystkie z &tego banku"), QKeySequence());
    DodajSeparator(m, "N4");
    Usuwszystkie1 =
        DodajPozycjeMenu(m, l, "Usuwszystkie1", QStringLiteral("Usuń &wszystkie"), QKeySequence());
    DodajSeparator(m, "N7");
    PorownajOferty1 = DodajPozycjeMenu(m, l, "PorownajOferty1", QStringLiteral("&Porównaj oferty"),
                                       QKeySequence());
    DodajSeparator(m, "N9");
    Importujzpliku1 = DodajPozycjeMenu(m, l, "Importujzpliku1",
                                       QStringLiteral("&Importuj z pliku…"), QKeySequence());
    Eksportujdopliku1 = DodajPozycjeMenu(m, l, "Eksportujdopliku1",
                                         QStringLiteral("Eksp&ortuj do pliku…"), QKeySequence());
    PobierzzInternetu1 = DodajPozycjeMenu(m, l, "PobierzzInternetu1",
                                          QStringLiteral("Pobierz z I&nternetu…"), QKeySequence());
    DodajSeparator(m, "N11");
    EksportujListe2 =
        DodajPozycjeMenu(m, l, "EksportujListe2", TEksportListy::TytulEksportu(), QKeySequence());
    DrukujListe2 =
        DodajPozycjeMenu(m, l, "DrukujListe2", TEksportListy::TytulDruku(), QKeySequence());
    // The age after which offers are marked is set here too, where they are listed.
    DodajSeparator(m, "N12");
    m->addAction(ProgiOstrzezen1);
}

void TLokatyFormGlowny::PolaczZdarzenia() {
    using T = TLokatyFormGlowny;
    connect(ts_TwojeLokaty, &TZakladkaLokat::LokatyZmienione, this,
            [this] { WypelnijListy(false); });
    connect(ts_TwojeLokaty, &TZakladkaLokat::PokazLokate, this, &T::PokazLokate);
    connect(ts_TwojeLokaty, &TZakladkaLokat::WyborZmieniony, this, &T::UstawPrzyciski);
    connect(sbtn_DodajLokateBankowa, &QToolButton::clicked, this, &T::sbtn_DodajLokateBankowaClick);
    connect(sbtn_EdytujLokateBankowa, &QToolButton::clicked, this,
            &T::sbtn_EdytujLokateBankowaClick);
    connect(sbtn_UsunLokateBankowa, &QToolButton::clicked, this, &T::sbtn_UsunLokateBankowaClick);
    connect(btn_AktualizujLokaty, &QToolButton::clicked, this, &T::btn_AktualizujLokatyClick);
    connect(sbtn_OdczytajLokatyBankoweZPliku, &QToolButton::clicked, this,
            &T::sbtn_OdczytajLokatyBankoweZPlikuClick);
    connect(sbtn_EksportujDopliku, &QToolButton::clicked, this, &T::sbtn_EksportujDoplikuClick);
    connect(btn_Pomoc, &QPushButton::clicked, this, &T::btn_PomocClick);
    connect(btn_ZestawienieLokat, &QPushButton::clicked, this, &T::btn_ZestawienieLokatClick);
    connect(btn_OK, &QPushButton::clicked, this, &T::btn_OKClick);
    connect(btn_Zapisz, &QPushButton::clicked, this, &T::btn_ZapiszClick);

    connect(ts_TwojeLokaty->AkcjaInformacjiOOfercie(), &QAction::triggered, this,
            &T::Informacjeolokaciebankowej1Click);
    connect(Dodaj2, &QAction::triggered, this, &T::sbtn_DodajLokateBankowaClick);
    connect(Edytuj2, &QAction::triggered, this, &T::sbtn_EdytujLokateBankowaClick);
    connect(Klonuj1, &QAction::triggered, this, &T::Klonuj1Click);
    connect(Usu2, &QAction::triggered, this, &T::sbtn_UsunLokateBankowaClick);
    connect(Usuwszystkieztegobanku1, &QAction::triggered, this, &T::Usuwszystkieztegobanku1Click);
    connect(Usuwszystkie1, &QAction::triggered, this, &T::Usuwszystkie1Click);
    connect(sbtn_PorownajOferty, &QToolButton::clicked, this, &T::sbtn_PorownajOfertyClick);
    connect(PorownajOferty1, &QAction::triggered, this, &T::sbtn_PorownajOfertyClick);
    connect(Importujzpliku1, &QAction::triggered, this, &T::sbtn_OdczytajLokatyBankoweZPlikuClick);
    connect(Eksportujdopliku1, &QAction::triggered, this, &T::sbtn_EksportujDoplikuClick);
    connect(PobierzzInternetu1, &QAction::triggered, this, &T::btn_AktualizujLokatyClick);
    for (TListaRaportowa* lista : {lv_HarmonogramyLokatBankowych}) {
        connect(EksportujListe2, &QAction::triggered, this,
                [this, lista] { TEksportListy::EksportujDoCSV(TabelaListy(lista), PlikDanych()); });
        connect(DrukujListe2, &QAction::triggered, this,
                [this, lista] { TEksportListy::Drukuj(TabelaListy(lista)); });
    }
    connect(ProgiOstrzezen1, &QAction::triggered, this, &T::ProgiOstrzezenClick);
    connect(pmenu_LokatyBankowe, &QMenu::aboutToShow, this, &T::pmenu_LokatyBankowePopup);

    for (TListaRaportowa* lista : {lv_HarmonogramyLokatBankowych}) {
        connect(lista->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &T::UstawPrzyciski);
        connect(lista, &QAbstractItemView::clicked, this, &T::UstawPrzyciski);
        lista->setContextMenuPolicy(Qt::CustomContextMenu);
    }
    connect(lv_HarmonogramyLokatBankowych, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) {
                pmenu_LokatyBankowe->popup(
                    lv_HarmonogramyLokatBankowych->viewport()->mapToGlobal(p));
            });
    // A double click or Enter on a row opens it for editing.
    connect(lv_HarmonogramyLokatBankowych, &TListaRaportowa::WierszZatwierdzony, this,
            &T::sbtn_EdytujLokateBankowaClick);
    connect(lv_HarmonogramyLokatBankowych->header(), &QHeaderView::sectionClicked, this,
            &T::lv_HarmonogramyLokatBankowychColumnClick);
    connect(pgc_Zakladki, &QTabWidget::currentChanged, this, [this](int zakladka) {
        if (pgc_Zakladki->widget(zakladka) == ts_LokatyBankowe)
            WypelnijOdlozonaListeHarmonogramow();
        UstawPrzyciski();
    });

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
    return lv_HarmonogramyLokatBankowych->WybranyWiersz();
}

THarmonogramLokatyBankowej* TLokatyFormGlowny::WybranyHarmonogram() const {
    return HarmonogramWiersza(WybranyWierszHarmonogramu());
}

TLokata* TLokatyFormGlowny::LokataWiersza(const TWierszRaportu* wiersz) const {
    return ts_TwojeLokaty->LokataWiersza(wiersz);
}

THarmonogramLokatyBankowej*
TLokatyFormGlowny::HarmonogramWiersza(const TWierszRaportu* wiersz) const {
    if (!wiersz || !lv_HarmonogramyLokatBankowych->IndeksWiersza(*wiersz).isValid())
        return nullptr;
    return static_cast<THarmonogramLokatyBankowej*>(wiersz->rekord);
}

bool TLokatyFormGlowny::TylkoDoOdczytu() const {
    return fDecyzjeZapisu.TylkoDoOdczytu();
}

// A file open only to read offers the commands that read; every command that
// would change data is disabled, and so is "Zapisz i zamknij".
void TLokatyFormGlowny::UstawPrzyciski() {
    const bool zapis = !TylkoDoOdczytu();
    const bool zakladkaOfert = zapis && pgc_Zakladki->currentWidget() == ts_LokatyBankowe;
    ts_TwojeLokaty->UstawPrzyciski(zapis && pgc_Zakladki->currentWidget() == ts_TwojeLokaty);

    const bool wierszOferty = zakladkaOfert && WybranyWierszHarmonogramu() != nullptr;
    sbtn_DodajLokateBankowa->setEnabled(zakladkaOfert);
    sbtn_EdytujLokateBankowa->setEnabled(wierszOferty);
    sbtn_UsunLokateBankowa->setEnabled(wierszOferty);
    for (QWidget* zmienia :
         {static_cast<QWidget*>(btn_AktualizujLokaty),
          static_cast<QWidget*>(sbtn_OdczytajLokatyBankoweZPliku), static_cast<QWidget*>(btn_OK)})
        zmienia->setEnabled(zapis);
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

    pgc_Zakladki->setTabText(
        pgc_Zakladki->indexOf(ts_LokatyBankowe),
        QStringLiteral("Lokaty &oferowane przez banki (%1)").arg(IloscOfert()));
}

void TLokatyFormGlowny::pmenu_LokatyBankowePopup() {
    Usuwszystkieztegobanku1->setEnabled(!TylkoDoOdczytu());
    Usuwszystkie1->setEnabled(!TylkoDoOdczytu());
    Dodaj2->setEnabled(sbtn_DodajLokateBankowa->isEnabled());
    Edytuj2->setEnabled(sbtn_EdytujLokateBankowa->isEnabled());
    Usu2->setEnabled(sbtn_UsunLokateBankowa->isEnabled());
    Klonuj1->setEnabled(sbtn_UsunLokateBankowa->isEnabled());
    Importujzpliku1->setEnabled(sbtn_OdczytajLokatyBankoweZPliku->isEnabled());
    Eksportujdopliku1->setEnabled(sbtn_EksportujDopliku->isEnabled());
    PobierzzInternetu1->setEnabled(btn_AktualizujLokaty->isEnabled());
    EksportujListe2->setEnabled(lv_HarmonogramyLokatBankowych->IloscWierszy() > 0);
    DrukujListe2->setEnabled(lv_HarmonogramyLokatBankowych->IloscWierszy() > 0);
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
        lv_HarmonogramyLokatBankowych->ZaznaczRekord(
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
