// The deposits window: its controls, events and the close flow. The lists are
// filled in TLokatyFormGlownyListy.cpp, the commands live in
// TLokatyFormGlownyLokaty.cpp and TLokatyFormGlownyOferty.cpp.
#include "ui/TLokatyFormGlowny.h"

#include "app/Komunikaty.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/TLokata.h"
#include "import/TAktualizacjaKursuEUR.h"
#include "platform/BuildConfig.h"
#include "platform/Platform.h"
#include "platform/WebAddresses.h"
#include "ui/DopasowanieDoEkranu.h"
#include "ui/KontrastTekstu.h"
#include "ui/PomocOkien.h"
#include "ui/TAMHFlashLabel.h"
#include "ui/TEksportListy.h"
#include "ui/TEtykietaGwarancji.h"
#include "ui/TEtykietaSkracana.h"
#include "ui/TFormSize.h"
#include "ui/THeaderPanel.h"
#include "ui/TIkonyLokat.h"
#include "ui/TListaRaportowa.h"
#include "ui/TPasekKonczacychSieLokat.h"
#include "ui/TPrzyciskBoczny.h"
#include "ui/TZakladkaKalendarza.h"

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

const QString kTekstUwagiOZysku = QStringLiteral(
    "Obliczony zysk z lokat bankowych ma charakter przybliżony i nie powinien stanowić "
    "podstawy do decyzji inwestycyjnych.");
const QString kTekstUwagiOWydajnosci = QStringLiteral(
    "Ilość lokat bankowych definitywnie wpływa na wydajność modułu. Ogranicz ilość lokat do "
    "niezbędnego minimum.");
const QString kPytanieOZamkniecie = QStringLiteral(
    "Lista lokat bankowych i(lub) lista lokat oferowanych przez banki zostały zmienione.\r"
    "Aby zapisać dokonane zmiany należy kliknąć w przycisk \"Zapisz i zamknij\", zamknięcie "
    "okna klikając w \"krzyżyk\" spowoduje utratę wprowadzonych zmian !!!\r\r"
    "Czy chcesz zamknąć to okno BEZ ZAPISANIA dokonanych zmian ???");

constexpr int kWysokoscDolnegoPaska = 42;
constexpr int kNazwaPlikuWNaglowku = 48;
constexpr int kSzerokoscKolumnyPrzyciskow = 66;
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

// The column keeps one width whichever of its buttons are shown: that of the
// widest button, hidden ones included. On a screen too low for all of its
// buttons the column scrolls (the focus brings a button into view).
QWidget* KolumnaPrzyciskow(QWidget* rodzic, const QList<QWidget*>& gora,
                           const QList<QWidget*>& dol) {
    auto* przewijanie = new QScrollArea(rodzic);
    przewijanie->setFrameShape(QFrame::NoFrame);
    przewijanie->setFocusPolicy(Qt::NoFocus);
    przewijanie->setWidgetResizable(true);
    przewijanie->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    przewijanie->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    przewijanie->viewport()->setAutoFillBackground(false);
    auto* kolumna = new QWidget(przewijanie);
    int szerokosc = kSzerokoscKolumnyPrzyciskow;
    for (const QWidget* w : gora + dol)
        szerokosc = qMax(szerokosc, w->sizeHint().width() + 6);
    przewijanie->setFixedWidth(szerokosc);
    przewijanie->setWidget(kolumna);
    // The tab's own background shows through, as without the scroll area.
    kolumna->setAutoFillBackground(false);
    auto* uklad = new QVBoxLayout(kolumna);
    uklad->setContentsMargins(3, 2, 3, 2);
    uklad->setSpacing(2);
    for (QWidget* w : gora)
        uklad->addWidget(w, 0, Qt::AlignHCenter);
    uklad->addStretch(1);
    for (QWidget* w : dol)
        uklad->addWidget(w, 0, Qt::AlignHCenter);
    return przewijanie;
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
    UtworzMenuHarmonogramow();
    PolaczZdarzenia();
    UtworzZapisPolozenia();
}

TLokatyFormGlowny::~TLokatyFormGlowny() {
    lv_Lokaty->WyczyscKolumny();
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
    pgc_Zakladki->addTab(UtworzZakladkeLokat(), TIkonyLokat::Lokata(), QStringLiteral("&Lokaty"));
    pgc_Zakladki->addTab(UtworzZakladkeHarmonogramow(), TIkonyLokat::Bank(),
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

QAction* TLokatyFormGlowny::DodajPozycjeMenu(QMenu* menu, QWidget* lista, const char* nazwa,
                                             const QString& tytul, const QKeySequence& skrot) {
    QAction* pozycja = menu->addAction(tytul);
    pozycja->setObjectName(QLatin1String(nazwa));
    pozycja->setShortcut(skrot);
    // The shortcut acts while the list has the focus, with the enabled state
    // the item took at the last opening of the menu.
    pozycja->setShortcutContext(Qt::WidgetShortcut);
    lista->addAction(pozycja);
    return pozycja;
}

void TLokatyFormGlowny::DodajSeparator(QMenu* menu, const char* nazwa) {
    menu->addSeparator()->setObjectName(QLatin1String(nazwa));
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
    connect(sbtn_DodajLokate, &QToolButton::clicked, this, &T::sbtn_DodajLokateClick);
    connect(sbtn_EdytujLokate, &QToolButton::clicked, this, &T::sbtn_EdytujLokateClick);
    connect(sbtn_UsunLokate, &QToolButton::clicked, this, &T::sbtn_UsunLokateClick);
    connect(sbtn_ZakonczLokate, &QToolButton::clicked, this, &T::sbtn_ZakonczLokateClick);
    connect(sbtn_RozpocznijLokate, &QToolButton::clicked, this, &T::sbtn_RozpocznijLokateClick);
    connect(sbtn_RozpocznijJakoNowaLokate, &QToolButton::clicked, this,
            &T::sbtn_RozpocznijJakoNowaLokateClick);
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

    connect(Dodaj1, &QAction::triggered, this, &T::sbtn_DodajLokateClick);
    connect(Edytuj1, &QAction::triggered, this, &T::sbtn_EdytujLokateClick);
    connect(Usu1, &QAction::triggered, this, &T::sbtn_UsunLokateClick);
    connect(PrzerwijZakoczlokate1, &QAction::triggered, this, &T::sbtn_ZakonczLokateClick);
    connect(Rozpocznijlokate1, &QAction::triggered, this, &T::sbtn_RozpocznijLokateClick);
    connect(Utwrznowjakta1, &QAction::triggered, this, &T::sbtn_RozpocznijJakoNowaLokateClick);
    connect(Informacjeolokaciebankowej1, &QAction::triggered, this,
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
    connect(EksportujDoKalendarza1, &QAction::triggered, ts_Kalendarz,
            &TZakladkaKalendarza::btn_EksportujDoKalendarzaClick);
    for (TListaRaportowa* lista : {lv_Lokaty, lv_HarmonogramyLokatBankowych}) {
        const bool lokaty = lista == lv_Lokaty;
        connect(lokaty ? EksportujListe1 : EksportujListe2, &QAction::triggered, this,
                [this, lista] { TEksportListy::EksportujDoCSV(TabelaListy(lista), PlikDanych()); });
        connect(lokaty ? DrukujListe1 : DrukujListe2, &QAction::triggered, this,
                [this, lista] { TEksportListy::Drukuj(TabelaListy(lista)); });
    }
    connect(BankiJednejInstytucji1, &QAction::triggered, this, &T::BankiJednejInstytucjiClick);
    connect(ProgiOstrzezen1, &QAction::triggered, this, &T::ProgiOstrzezenClick);
    connect(pan_KonczaceSie, &TPasekKonczacychSieLokat::PokazLokaty, this, &T::ZaznaczKonczaceSie);
    connect(pmenu_Lokaty, &QMenu::aboutToShow, this, &T::pmenu_LokatyPopup);
    connect(pmenu_LokatyBankowe, &QMenu::aboutToShow, this, &T::pmenu_LokatyBankowePopup);

    for (TListaRaportowa* lista : {lv_Lokaty, lv_HarmonogramyLokatBankowych}) {
        connect(lista->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &T::UstawPrzyciski);
        connect(lista, &QAbstractItemView::clicked, this, &T::UstawPrzyciski);
        lista->setContextMenuPolicy(Qt::CustomContextMenu);
    }
    connect(lv_Lokaty, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        pmenu_Lokaty->popup(lv_Lokaty->viewport()->mapToGlobal(p));
    });
    connect(lv_HarmonogramyLokatBankowych, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) {
                pmenu_LokatyBankowe->popup(
                    lv_HarmonogramyLokatBankowych->viewport()->mapToGlobal(p));
            });
    // A double click or Enter on a row opens it for editing.
    connect(lv_Lokaty, &TListaRaportowa::WierszZatwierdzony, this, &T::sbtn_EdytujLokateClick);
    connect(lv_HarmonogramyLokatBankowych, &TListaRaportowa::WierszZatwierdzony, this,
            &T::sbtn_EdytujLokateBankowaClick);
    connect(lv_Lokaty->header(), &QHeaderView::sectionClicked, this, &T::lv_LokatyColumnClick);
    connect(lv_HarmonogramyLokatBankowych->header(), &QHeaderView::sectionClicked, this,
            &T::lv_HarmonogramyLokatBankowychColumnClick);
    connect(pgc_Zakladki, &QTabWidget::currentChanged, this, [this](int zakladka) {
        if (pgc_Zakladki->widget(zakladka) == ts_LokatyBankowe)
            WypelnijOdlozonaListeHarmonogramow();
        UstawPrzyciski();
    });
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
    return lv_HarmonogramyLokatBankowych->WybranyWiersz();
}

THarmonogramLokatyBankowej* TLokatyFormGlowny::WybranyHarmonogram() const {
    return HarmonogramWiersza(WybranyWierszHarmonogramu());
}

TLokata* TLokatyFormGlowny::LokataWiersza(const TWierszRaportu* wiersz) const {
    if (!wiersz || !lv_Lokaty->IndeksWiersza(*wiersz).isValid())
        return nullptr;
    return static_cast<TLokata*>(wiersz->rekord);
}

THarmonogramLokatyBankowej*
TLokatyFormGlowny::HarmonogramWiersza(const TWierszRaportu* wiersz) const {
    if (!wiersz || !lv_HarmonogramyLokatBankowych->IndeksWiersza(*wiersz).isValid())
        return nullptr;
    return static_cast<THarmonogramLokatyBankowej*>(wiersz->rekord);
}

bool TLokatyFormGlowny::TylkoDoOdczytu() const {
    return MyDB && MyDB->OtwartyTylkoDoOdczytu();
}

// A file open only to read offers the commands that read; every command that
// would change data is disabled, and so is "Zapisz i zamknij".
void TLokatyFormGlowny::UstawPrzyciski() {
    const bool zapis = !TylkoDoOdczytu();
    const bool zakladkaLokat = zapis && pgc_Zakladki->currentWidget() == ts_TwojeLokaty;
    const bool zakladkaOfert = zapis && pgc_Zakladki->currentWidget() == ts_LokatyBankowe;
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

    const bool wierszOferty = zakladkaOfert && WybranyWierszHarmonogramu() != nullptr;
    sbtn_DodajLokateBankowa->setEnabled(zakladkaOfert);
    sbtn_EdytujLokateBankowa->setEnabled(wierszOferty);
    sbtn_UsunLokateBankowa->setEnabled(wierszOferty);
    for (QWidget* zmienia :
         {static_cast<QWidget*>(btn_AktualizujLokaty),
          static_cast<QWidget*>(sbtn_OdczytajLokatyBankoweZPliku), static_cast<QWidget*>(btn_OK)})
        zmienia->setEnabled(zapis);
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

    pgc_Zakladki->setTabText(
        pgc_Zakladki->indexOf(ts_LokatyBankowe),
        QStringLiteral("Lokaty &oferowane przez banki (%1)").arg(IloscOfert()));
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
