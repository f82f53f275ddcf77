// The offers tab: its controls, menu and events, and the commands passed on
// to TPoleceniaOfert. The list's filling is in TZakladkaOfertLista.cpp.
#include "ui/TZakladkaOfert.h"

#include "app/TPoleceniaOfert.h"
#include "data/TProjektDB.h"
#include "platform/WebAddresses.h"
#include "ui/KolumnaPrzyciskow.h"
#include "ui/PozycjeMenu.h"
#include "ui/TEksportListy.h"
#include "ui/TEtykietaSkracana.h"
#include "ui/TIkonyLokat.h"
#include "ui/TImportOfert.h"
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"
#include "ui/TOknoEdytoraOferty.h"
#include "ui/TPrzyciskBoczny.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

namespace {

const QString kTekstUwagiOWydajnosci = QStringLiteral(
    "Ilość lokat bankowych definitywnie wpływa na wydajność modułu. Ogranicz ilość lokat do "
    "niezbędnego minimum.");

} // namespace

TZakladkaOfert::TZakladkaOfert(TLokatyFormGlowny& okno)
    : fOkno(okno), fEdytor(std::make_unique<TOknoEdytoraOferty>(&okno)),
      fPolecenia(std::make_unique<TPoleceniaOfert>(
          [&okno] { return okno.MyDB; }, &TLokatyFormGlowny::PokazBrakPolaczeniaZBaza, *fEdytor)),
      fImport(std::make_unique<TImportOfert>(okno, *fPolecenia)) {
    setObjectName(QStringLiteral("ts_LokatyBankowe"));
    UtworzPrzyciski();
    UtworzListe();
    UlozKontrolki();
    PolaczZdarzenia();
}

TZakladkaOfert::~TZakladkaOfert() {
    lv_HarmonogramyLokatBankowych->WyczyscKolumny();
}

void TZakladkaOfert::UtworzPrzyciski() {
    sbtn_DodajLokateBankowa =
        new TPrzyciskBoczny("sbtn_DodajLokateBankowa", QStringLiteral("Dodaj"),
                            QStringLiteral("Kliknij, aby dodać nową lokatę bankową do listy"),
                            TIkonyLokat::Dodaj(), this);
    sbtn_EdytujLokateBankowa =
        new TPrzyciskBoczny("sbtn_EdytujLokateBankowa", QStringLiteral("Edytuj"),
                            QStringLiteral("Kliknij, aby edytować wybraną lokatę bankową"),
                            TIkonyLokat::Edytuj(), this);
    sbtn_UsunLokateBankowa = new TPrzyciskBoczny(
        "sbtn_UsunLokateBankowa", QStringLiteral("Usuń"),
        QStringLiteral("Kliknij, aby usunąć wybraną lokatę bankową"), TIkonyLokat::Usun(), this);
    sbtn_PorownajOferty = new TPrzyciskBoczny(
        "sbtn_PorownajOferty", QStringLiteral("Porównaj\r\noferty"),
        QStringLiteral("Kliknij, aby zobaczyć, która oferta da najwięcej z Twojej kwoty"),
        TIkonyLokat::Lokata(), this);
    btn_AktualizujLokaty = new TPrzyciskBoczny(
        "btn_AktualizujLokaty",
        QStringLiteral("Pobierz\r\ninformacje\r\no lokatach\r\nz Internetu"),
        QStringLiteral("Pobierz informacje o lokatach bankowych z Internetu.\rDane pochodzą ze "
                       "strony ") +
            WebAddresses::RatesSite() + QStringLiteral(".\rWymagane jest połączenie z Internetem."),
        TIkonyLokat::Internet(), this);
    btn_AktualizujLokaty->setToolTip(
        TPrzyciskBoczny::TekstNaEkranie(btn_AktualizujLokaty->toolTip()));
    // Hidden unless the user pointed the import at a site while the program
    // runs (TALVORA_STRONA_LOKAT): the configured site is not offered.
    btn_AktualizujLokaty->setVisible(WebAddresses::RatesSiteSetAtRunTime());
    sbtn_OdczytajLokatyBankoweZPliku = new TPrzyciskBoczny(
        "sbtn_OdczytajLokatyBankoweZPliku", QStringLiteral("Importuj\r\nz pliku"),
        QStringLiteral("Importuj lokaty bankowe z pliku"), TIkonyLokat::Importuj(), this);
    sbtn_EksportujDopliku =
        new TPrzyciskBoczny("sbtn_EksportujDopliku", QStringLiteral("Eksportuj\r\ndo pliku"),
                            QStringLiteral("Eksportuj widoczne lokaty bankowe do pliku"),
                            TIkonyLokat::Eksportuj(), this);
}

// A style that paints the column headers on the base colour (Adwaita) would
// put a dark theme's light header text on the list's white.
void TZakladkaOfert::UstawKoloryNaglowkow() {
    QPalette naglowki = lv_HarmonogramyLokatBankowych->header()->palette();
    naglowki.setColor(QPalette::Base, palette().color(QPalette::Base));
    naglowki.setColor(QPalette::Text, palette().color(QPalette::Text));
    lv_HarmonogramyLokatBankowych->header()->setPalette(naglowki);
}

void TZakladkaOfert::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && lv_HarmonogramyLokatBankowych)
        UstawKoloryNaglowkow();
}

void TZakladkaOfert::UtworzListe() {
    lv_HarmonogramyLokatBankowych = new TListaRaportowa("lv_HarmonogramyLokatBankowych", this);
    lv_HarmonogramyLokatBankowych->setAccessibleName(
        QStringLiteral("Lokaty oferowane przez banki"));
    QPalette biala = lv_HarmonogramyLokatBankowych->palette();
    biala.setColor(QPalette::Base, Qt::white);
    biala.setColor(QPalette::Text, Qt::black);
    lv_HarmonogramyLokatBankowych->setPalette(biala);
    UstawKoloryNaglowkow();
    lbl_IleOfert = new TEtykietaSkracana(this);
    lbl_IleOfert->setObjectName(QStringLiteral("lbl_IleOfert"));
    lbl_IleOfert->setContentsMargins(2, 4, 2, 0);
    Label2 = new QLabel(kTekstUwagiOWydajnosci, this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setContentsMargins(2, 4, 2, 4);
}

void TZakladkaOfert::UlozKontrolki() {
    auto* prawa = new QVBoxLayout;
    prawa->setContentsMargins(0, 0, 0, 0);
    prawa->addWidget(lv_HarmonogramyLokatBankowych, 1);
    prawa->addWidget(lbl_IleOfert);
    prawa->addWidget(Label2);
    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(2, 4, 4, 2);
    uklad->addWidget(
        KolumnaPrzyciskow(this,
                          {sbtn_DodajLokateBankowa, sbtn_EdytujLokateBankowa,
                           sbtn_UsunLokateBankowa, sbtn_PorownajOferty, btn_AktualizujLokaty},
                          {sbtn_OdczytajLokatyBankoweZPliku, sbtn_EksportujDopliku}));
    uklad->addLayout(prawa, 1);
}

void TZakladkaOfert::UtworzMenu(QAction* progiOstrzezen) {
    pmenu_LokatyBankowe = new QMenu(&fOkno);
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
    m->addAction(progiOstrzezen);
    PolaczMenu();
}

void TZakladkaOfert::PolaczZdarzenia() {
    using T = TZakladkaOfert;
    connect(sbtn_DodajLokateBankowa, &QToolButton::clicked, this, &T::sbtn_DodajLokateBankowaClick);
    connect(sbtn_EdytujLokateBankowa, &QToolButton::clicked, this,
            &T::sbtn_EdytujLokateBankowaClick);
    connect(sbtn_UsunLokateBankowa, &QToolButton::clicked, this, &T::sbtn_UsunLokateBankowaClick);
    connect(btn_AktualizujLokaty, &QToolButton::clicked, this, &T::btn_AktualizujLokatyClick);
    connect(sbtn_OdczytajLokatyBankoweZPliku, &QToolButton::clicked, this,
            &T::sbtn_OdczytajLokatyBankoweZPlikuClick);
    connect(sbtn_EksportujDopliku, &QToolButton::clicked, this, &T::sbtn_EksportujDoplikuClick);
    // The comparison adds a deposit: the window's command.
    connect(sbtn_PorownajOferty, &QToolButton::clicked, &fOkno,
            &TLokatyFormGlowny::sbtn_PorownajOfertyClick);

    TListaRaportowa* lista = lv_HarmonogramyLokatBankowych;
    connect(lista->selectionModel(), &QItemSelectionModel::selectionChanged, &fOkno,
            &TLokatyFormGlowny::UstawPrzyciski);
    connect(lista, &QAbstractItemView::clicked, &fOkno, &TLokatyFormGlowny::UstawPrzyciski);
    lista->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lista, &QWidget::customContextMenuRequested, this, [this, lista](const QPoint& p) {
        pmenu_LokatyBankowe->popup(lista->viewport()->mapToGlobal(p));
    });
    // A double click or Enter on a row opens it for editing.
    connect(lista, &TListaRaportowa::WierszZatwierdzony, this, &T::sbtn_EdytujLokateBankowaClick);
    connect(lista->header(), &QHeaderView::sectionClicked, this,
            &T::lv_HarmonogramyLokatBankowychColumnClick);
}

void TZakladkaOfert::PolaczMenu() {
    using T = TZakladkaOfert;
    connect(Dodaj2, &QAction::triggered, this, &T::sbtn_DodajLokateBankowaClick);
    connect(Edytuj2, &QAction::triggered, this, &T::sbtn_EdytujLokateBankowaClick);
    connect(Klonuj1, &QAction::triggered, this, &T::Klonuj1Click);
    connect(Usu2, &QAction::triggered, this, &T::sbtn_UsunLokateBankowaClick);
    connect(Usuwszystkieztegobanku1, &QAction::triggered, this, &T::Usuwszystkieztegobanku1Click);
    connect(Usuwszystkie1, &QAction::triggered, this, &T::Usuwszystkie1Click);
    connect(PorownajOferty1, &QAction::triggered, &fOkno,
            &TLokatyFormGlowny::sbtn_PorownajOfertyClick);
    connect(Importujzpliku1, &QAction::triggered, this, &T::sbtn_OdczytajLokatyBankoweZPlikuClick);
    connect(Eksportujdopliku1, &QAction::triggered, this, &T::sbtn_EksportujDoplikuClick);
    connect(PobierzzInternetu1, &QAction::triggered, this, &T::btn_AktualizujLokatyClick);
    connect(EksportujListe2, &QAction::triggered, this,
            [this] { TEksportListy::EksportujDoCSV(TabelaListy(), PlikDanych()); });
    connect(DrukujListe2, &QAction::triggered, this,
            [this] { TEksportListy::Drukuj(TabelaListy()); });
    connect(pmenu_LokatyBankowe, &QMenu::aboutToShow, this, &T::pmenu_LokatyBankowePopup);
}

void TZakladkaOfert::UstawPrzyciski(bool zapis, bool naWierzchu) {
    const bool zakladkaOfert = zapis && naWierzchu;
    const bool wierszOferty = zakladkaOfert && WybranyWiersz() != nullptr;
    sbtn_DodajLokateBankowa->setEnabled(zakladkaOfert);
    sbtn_EdytujLokateBankowa->setEnabled(wierszOferty);
    sbtn_UsunLokateBankowa->setEnabled(wierszOferty);
    btn_AktualizujLokaty->setEnabled(zapis);
    sbtn_OdczytajLokatyBankoweZPliku->setEnabled(zapis);
}

void TZakladkaOfert::pmenu_LokatyBankowePopup() {
    Usuwszystkieztegobanku1->setEnabled(!fOkno.TylkoDoOdczytu());
    Usuwszystkie1->setEnabled(!fOkno.TylkoDoOdczytu());
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

void TZakladkaOfert::OdswiezGdy(bool odswiezListy) {
    if (odswiezListy)
        fOkno.WypelnijListy(true);
}

void TZakladkaOfert::sbtn_DodajLokateBankowaClick() {
    OdswiezGdy(fPolecenia->Dodaj().odswiezListy);
}

void TZakladkaOfert::sbtn_EdytujLokateBankowaClick() {
    OdswiezGdy(fPolecenia->Edytuj(WybranyHarmonogram()).odswiezListy);
}

void TZakladkaOfert::Klonuj1Click() {
    OdswiezGdy(fPolecenia->Klonuj(WybranyHarmonogram()).odswiezListy);
}

void TZakladkaOfert::sbtn_UsunLokateBankowaClick() {
    OdswiezGdy(fPolecenia->Usun(WybranyHarmonogram()).odswiezListy);
}

void TZakladkaOfert::Usuwszystkieztegobanku1Click() {
    OdswiezGdy(fPolecenia->UsunZBanku(WybranyHarmonogram()).odswiezListy);
}

void TZakladkaOfert::Usuwszystkie1Click() {
    OdswiezGdy(fPolecenia->UsunWszystkie(WybranyHarmonogram()).odswiezListy);
}

void TZakladkaOfert::UsunHarmonogram(THarmonogramLokatyBankowej* harmonogram, bool odswiezListy) {
    OdswiezGdy(fPolecenia->UsunHarmonogram(harmonogram) && odswiezListy);
}

void TZakladkaOfert::PokazOferteLokaty(bool wskazano, const TLokata* lokata) {
    const THarmonogramLokatyBankowej* oferta =
        fPolecenia->OfertaLokaty(wskazano, lokata).doPokazania;
    if (!oferta)
        return;
    WypelnijOdlozonaListe();
    emit NaWierzch();
    lv_HarmonogramyLokatBankowych->setFocus();
    lv_HarmonogramyLokatBankowych->ZaznaczRekord(oferta);
    fOkno.UstawPrzyciski();
}

void TZakladkaOfert::btn_AktualizujLokatyClick() {
    fImport->btn_AktualizujLokatyClick();
}

void TZakladkaOfert::sbtn_OdczytajLokatyBankoweZPlikuClick() {
    if (!fPolecenia->Kolekcje())
        return;
    const QString sciezka = fPolecenia->openDialog();
    if (!sciezka.isEmpty())
        fImport->OdczytajLokatyBankoweZPliku(sciezka);
}

void TZakladkaOfert::sbtn_EksportujDoplikuClick() {
    fPolecenia->EksportujDoPliku();
}

QString TZakladkaOfert::PlikDanych() const {
    return fOkno.MyDB ? fOkno.MyDB->PlikiDB().DataFile() : QString();
}
