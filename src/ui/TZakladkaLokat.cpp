#include "ui/TZakladkaLokat.h"

#include "app/TDecyzjeZapisu.h"
#include "data/TKolekcjeDanych.h"
#include "domain/TGwarancjeBFG.h"
#include "domain/TWierszeListLokat.h"
#include "ui/KolumnaPrzyciskow.h"
#include "ui/PozycjeMenu.h"
#include "ui/TDialogiLokat.h"
#include "ui/TEksportListy.h"
#include "ui/TIkonyLokat.h"
#include "ui/TKoloryWierszyLokat.h"
#include "ui/TListaRaportowa.h"
#include "ui/TOstrzezeniaLokat.h"
#include "ui/TPasekKonczacychSieLokat.h"
#include "ui/TPodsumowanieLokat.h"
#include "ui/TPrzyciskBoczny.h"
#include "ui/TZakladkaKalendarza.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// Column titles of a descriptor without its first entry, "ID".
QStringList TytulyBezID(const TTabela& tabela) {
    QStringList tytuly;
    for (int i = 1; i <= tabela.IleKolumn(); ++i)
        tytuly.append(tabela.TytulyKolumn().at(i));
    return tytuly;
}

// Offers by id, the first of the catalogue order for each id (deleted ones
// included), as the collections' lookup by id finds them.
QHash<int32_t, THarmonogramLokatyBankowej*>
IndeksHarmonogramow(const TListaObiektow<THarmonogramLokatyBankowej>& harmonogramy) {
    QHash<int32_t, THarmonogramLokatyBankowej*> indeks;
    indeks.reserve(static_cast<qsizetype>(harmonogramy.size()));
    for (const auto& h : harmonogramy)
        if (h && h->fId != -1 && !indeks.contains(h->fId))
            indeks.insert(h->fId, h.get());
    return indeks;
}

} // namespace

TZakladkaLokat::TZakladkaLokat(TDecyzjeZapisu& zapis, int maksymalnaDlugoscKwoty,
                               double maksymalnaWartosc, QWidget* parent)
    : QWidget(parent), fZapis(zapis),
      fDialogi(std::make_unique<TDialogiLokat>(*this, maksymalnaDlugoscKwoty, maksymalnaWartosc)) {
    setObjectName(QStringLiteral("ts_TwojeLokaty"));
    fPolecenia = std::make_unique<TPoleceniaLokat>(fZapis, *fDialogi, *fDialogi, [this] {
        return TPoleceniaLokat::TWybor{WybranyWiersz() != nullptr, WybranaLokata()};
    });
    UtworzPrzyciski();
    lv_Lokaty = new TListaRaportowa("lv_Lokaty", this);
    lv_Lokaty->setAccessibleName(QStringLiteral("Twoje lokaty"));
    pan_LokatyBottom = new TPodsumowanieLokat(this);
    pan_KonczaceSie = new TPasekKonczacychSieLokat(this);
    fOstrzezenia =
        new TOstrzezeniaLokat(fZapis, *pan_LokatyBottom, *pan_KonczaceSie, *lv_Lokaty, this);

    auto* gora = new QHBoxLayout;
    gora->setContentsMargins(0, 0, 0, 0);
    gora->addWidget(
        KolumnaPrzyciskow(this,
                          {sbtn_DodajLokate, sbtn_EdytujLokate, sbtn_UsunLokate, sbtn_ZakonczLokate,
                           sbtn_RozpocznijLokate, sbtn_RozpocznijJakoNowaLokate},
                          {}));
    gora->addWidget(lv_Lokaty, 1);
    // The bottom panel runs under the buttons and the list.
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(2, 4, 4, 2);
    uklad->setSpacing(0);
    uklad->addWidget(pan_KonczaceSie);
    uklad->addLayout(gora, 1);
    uklad->addWidget(pan_LokatyBottom);
    UtworzMenu();
    PolaczZdarzenia();
}

TZakladkaLokat::~TZakladkaLokat() {
    lv_Lokaty->WyczyscKolumny();
}

void TZakladkaLokat::UtworzPrzyciski() {
    sbtn_DodajLokate = new TPrzyciskBoczny(
        "sbtn_DodajLokate", QStringLiteral("Dodaj"),
        QStringLiteral("Kliknij, aby dodać nową lokatę do listy"), TIkonyLokat::Dodaj(), this);
    sbtn_EdytujLokate = new TPrzyciskBoczny("sbtn_EdytujLokate", QStringLiteral("Edytuj"),
                                            QStringLiteral("Kliknij, aby edytować wybraną lokatę"),
                                            TIkonyLokat::Edytuj(), this);
    sbtn_UsunLokate = new TPrzyciskBoczny("sbtn_UsunLokate", QStringLiteral("Usuń"),
                                          QStringLiteral("Kliknij, aby usunąć wybraną lokatę"),
                                          TIkonyLokat::Usun(), this);
    sbtn_ZakonczLokate = new TPrzyciskBoczny(
        "sbtn_ZakonczLokate", QStringLiteral("Zakończ\rlokatę"),
        QStringLiteral("Kliknij, aby zakończyć lokatę"), TIkonyLokat::Zakoncz(), this);
    sbtn_RozpocznijLokate = new TPrzyciskBoczny(
        "sbtn_RozpocznijLokate", QStringLiteral("Rozpocznij\rlokatę"),
        QStringLiteral("Kliknij, aby rozpocząć lokatę"), TIkonyLokat::Rozpocznij(), this);
    sbtn_RozpocznijJakoNowaLokate = new TPrzyciskBoczny(
        "sbtn_RozpocznijJakoNowaLokate", QStringLiteral("Utworz\r\nnową jak ta"),
        QStringLiteral("Kliknij, aby dodać do listy nową lokatę na bazie lokaty zaznaczonej"),
        TIkonyLokat::NowaJakTa(), this);
}

void TZakladkaLokat::UtworzMenu() {
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

void TZakladkaLokat::PolaczZdarzenia() {
    using T = TZakladkaLokat;
    for (const auto& [przycisk, pozycja, polecenie] :
         {std::tuple{sbtn_DodajLokate, Dodaj1, &T::sbtn_DodajLokateClick},
          std::tuple{sbtn_EdytujLokate, Edytuj1, &T::sbtn_EdytujLokateClick},
          std::tuple{sbtn_UsunLokate, Usu1, &T::sbtn_UsunLokateClick},
          std::tuple{sbtn_ZakonczLokate, PrzerwijZakoczlokate1, &T::sbtn_ZakonczLokateClick},
          std::tuple{sbtn_RozpocznijLokate, Rozpocznijlokate1, &T::sbtn_RozpocznijLokateClick},
          std::tuple{sbtn_RozpocznijJakoNowaLokate, Utwrznowjakta1,
                     &T::sbtn_RozpocznijJakoNowaLokateClick}}) {
        connect(przycisk, &QToolButton::clicked, this, polecenie);
        connect(pozycja, &QAction::triggered, this, polecenie);
    }
    connect(EksportujListe1, &QAction::triggered, this,
            [this] { TEksportListy::EksportujDoCSV(TabelaListy(), fPlikDanych); });
    connect(DrukujListe1, &QAction::triggered, this,
            [this] { TEksportListy::Drukuj(TabelaListy()); });
    connect(BankiJednejInstytucji1, &QAction::triggered, this,
            [this] { fOstrzezenia->BankiJednejInstytucji(window()); });
    connect(pmenu_Lokaty, &QMenu::aboutToShow, this, &T::pmenu_LokatyPopup);
    connect(lv_Lokaty->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &T::WyborZmieniony);
    connect(lv_Lokaty, &QAbstractItemView::clicked, this, &T::WyborZmieniony);
    lv_Lokaty->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lv_Lokaty, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        pmenu_Lokaty->popup(lv_Lokaty->viewport()->mapToGlobal(p));
    });
    // A double click or Enter on a row opens it for editing.
    connect(lv_Lokaty, &TListaRaportowa::WierszZatwierdzony, this, &T::sbtn_EdytujLokateClick);
    connect(lv_Lokaty->header(), &QHeaderView::sectionClicked, this, &T::lv_LokatyColumnClick);
}

void TZakladkaLokat::UstawKalendarz(TZakladkaKalendarza* kalendarz) {
    fKalendarz = kalendarz;
    connect(EksportujDoKalendarza1, &QAction::triggered, kalendarz,
            &TZakladkaKalendarza::btn_EksportujDoKalendarzaClick);
    // The calendar opens a deposit as this tab does: selected, then edited.
    connect(kalendarz, &TZakladkaKalendarza::OtworzLokate, this, [this](TLokata* lokata) {
        lv_Lokaty->ZaznaczRekord(lokata);
        sbtn_EdytujLokateClick();
    });
}

void TZakladkaLokat::PrzygotujPodsumowanie() {
    pan_LokatyBottom->UstawTekst(QString());
    pan_LokatyBottom->UstawWysokosc();
}

void TZakladkaLokat::NowePokazanie() {
    fOstrzezenia->NowePokazanie();
}

void TZakladkaLokat::PrzygotujKolumny(TKolekcjeDanych* kolekcje) {
    lv_Lokaty->WyczyscKolumny();
    lv_Lokaty->UstawIkone(TIkonyLokat::Lokata());
    lv_Lokaty->UstawKolory([this](const TWierszRaportu& wiersz) {
        return std::optional(TKoloryWierszyLokat::Lokaty(static_cast<const TLokata*>(wiersz.rekord),
                                                         lv_Lokaty->palette()));
    });
    if (kolekcje) {
        const QStringList tytuly = TytulyBezID(kolekcje->TabelaLokaty());
        QList<Qt::Alignment> wyrownania;
        for (int i = 0; i < tytuly.size(); ++i)
            wyrownania.append(i == 0 ? Qt::AlignLeft : Qt::AlignRight);
        lv_Lokaty->UstawKolumny(tytuly, wyrownania);
        // "Lokata bankowa" and "Szacowany zysk" (whose hint without an offer is
        // long) give way first, so that the days left stay in view.
        lv_Lokaty->UstawKolumnyElastyczne({4, 6});
        kolekcje->PosortujLokatyPoDacieZakonczenia();
    }
    lv_Lokaty->DopasujSzerokoscKolumn();
}

void TZakladkaLokat::WyczyscPodsumowanie() {
    pan_LokatyBottom->UstawTekst(QString());
}

void TZakladkaLokat::Wypelnij(TKolekcjeDanych& kolekcje, const QString& plikDanych) {
    fPlikDanych = plikDanych;
    enum { kAktywne, kNieaktywne };
    int iloscAktywnych = 0;
    double kwota = 0;
    double zysk = 0;
    // After a command the same deposit stays selected.
    const TLokata* wybrana = WybranaLokata();
    const auto harmonogramy = IndeksHarmonogramow(kolekcje.HarmonogramyLokatBankowych());
    std::vector<TWierszRaportu> wiersze;
    wiersze.reserve(kolekcje.Lokaty().size());
    for (const auto& lokata : kolekcje.Lokaty()) {
        if (!lokata || lokata->Zmiany() == TTypModyfikacji::Usunieto)
            continue;
        THarmonogramLokatyBankowej* harmonogram =
            harmonogramy.value(lokata->IdHarmonogramLokaty(), nullptr);
        const double zyskLokaty = lokata->ObliczSzacowanyZyskZLokaty(harmonogram);
        wiersze.push_back({TListaRaportowa::WcietaNazwa(
                               TWierszeListLokat::KomorkiLokaty(*lokata, harmonogram, zyskLokaty)),
                           lokata.get(), lokata->Aktywna() ? kAktywne : kNieaktywne});
        if (lokata->Aktywna()) {
            ++iloscAktywnych;
            kwota += lokata->Kwota();
            zysk += zyskLokaty;
        }
    }
    lv_Lokaty->Wypelnij(TWierszeListLokat::NaglowkiGrup(), std::move(wiersze));
    lv_Lokaty->ZaznaczRekord(wybrana);
    lv_Lokaty->DopasujSzerokoscKolumn();
    pan_LokatyBottom->UstawTekst(TWierszeListLokat::Podsumowanie(iloscAktywnych, kwota, zysk));
    fOstrzezenia->Pokaz(kolekcje);
}

// A file open only to read offers the commands that read; every command that
// would change data is disabled.
void TZakladkaLokat::UstawPrzyciski(bool wybrana) {
    const bool wiersz = wybrana && WybranyWiersz() != nullptr;
    const TLokata* lokata = wybrana ? WybranaLokata() : nullptr;
    const bool aktywna = lokata && lokata->Aktywna();
    const bool nieaktywna = lokata && !lokata->Aktywna();

    sbtn_DodajLokate->setEnabled(wybrana);
    sbtn_EdytujLokate->setEnabled(aktywna);
    sbtn_UsunLokate->setEnabled(wiersz);
    sbtn_RozpocznijLokate->setEnabled(nieaktywna);
    sbtn_RozpocznijLokate->setVisible(nieaktywna);
    sbtn_ZakonczLokate->setEnabled(aktywna);
    sbtn_ZakonczLokate->setVisible(!nieaktywna);
    sbtn_RozpocznijJakoNowaLokate->setEnabled(lokata != nullptr);
    sbtn_RozpocznijJakoNowaLokate->setVisible(lokata != nullptr);
}

void TZakladkaLokat::UstawKolorUwagi(const QPalette& paletaOkna) {
    pan_LokatyBottom->UstawKolorUwagi(paletaOkna);
}

int TZakladkaLokat::BrakujacaSzerokoscListy() const {
    const int lista = 2 * lv_Lokaty->frameWidth() +
                      lv_Lokaty->verticalScrollBar()->sizeHint().width() +
                      lv_Lokaty->NaturalnaSzerokosc();
    return lista - lv_Lokaty->width();
}

void TZakladkaLokat::pmenu_LokatyPopup() {
    Dodaj1->setEnabled(sbtn_DodajLokate->isEnabled());
    Edytuj1->setEnabled(sbtn_EdytujLokate->isEnabled());
    Usu1->setEnabled(sbtn_UsunLokate->isEnabled());
    PrzerwijZakoczlokate1->setEnabled(sbtn_ZakonczLokate->isEnabled());
    Rozpocznijlokate1->setEnabled(sbtn_RozpocznijLokate->isEnabled());
    Utwrznowjakta1->setEnabled(sbtn_RozpocznijJakoNowaLokate->isEnabled());
    EksportujDoKalendarza1->setEnabled(fKalendarz && fKalendarz->MoznaEksportowac());
    EksportujListe1->setEnabled(lv_Lokaty->IloscWierszy() > 0);
    DrukujListe1->setEnabled(lv_Lokaty->IloscWierszy() > 0);
}

void TZakladkaLokat::lv_LokatyColumnClick(int kolumna) {
    TKolekcjeDanych* kolekcje = fZapis.Kolekcje();
    if (!kolekcje)
        return;
    switch (kolumna) {
    case 0:
        kolekcje->PosortujLokatyPoNazwie();
        break;
    case 1:
        kolekcje->PosortujLokatyPoKwocie();
        break;
    case 2:
        kolekcje->PosortujLokatyPoDacieRozpoczecia();
        break;
    case 3:
        kolekcje->PosortujLokatyPoCzasieTrwania();
        break;
    case 5:
    case 7:
        kolekcje->PosortujLokatyPoDacieZakonczenia();
        break;
    default:
        break;
    }
    emit LokatyZmienione();
}

// The list as shown, with its title and summary, for the CSV export and the
// printout.
TTabelaListy TZakladkaLokat::TabelaListy() const {
    return TEksportListy::Tabela(*lv_Lokaty, QStringLiteral("Lokaty"), pan_LokatyBottom->Tekst());
}

const TWierszRaportu* TZakladkaLokat::WybranyWiersz() const {
    return lv_Lokaty->WybranyWiersz();
}

TLokata* TZakladkaLokat::WybranaLokata() const {
    return LokataWiersza(WybranyWiersz());
}

TLokata* TZakladkaLokat::LokataWiersza(const TWierszRaportu* wiersz) const {
    if (!wiersz || !lv_Lokaty->IndeksWiersza(*wiersz).isValid())
        return nullptr;
    return static_cast<TLokata*>(wiersz->rekord);
}

void TZakladkaLokat::ZaznaczLokate(const TLokata* lokata) {
    lv_Lokaty->ZaznaczRekord(lokata);
    lv_Lokaty->setFocus();
}

// No deposit has the id: no row stays selected.
void TZakladkaLokat::ZaznaczLokatePoId(int32_t id) {
    const TLokata* wybrana = nullptr;
    if (TKolekcjeDanych* kolekcje = fZapis.Kolekcje())
        for (const auto& lokata : kolekcje->Lokaty())
            if (lokata->Id() == id)
                wybrana = lokata.get();
    lv_Lokaty->ZaznaczRekord(wybrana);
}

int TZakladkaLokat::DniDoZakonczenia() const {
    return fOstrzezenia->DniDoZakonczenia();
}

void TZakladkaLokat::UstawDniDoZakonczenia(int dni) {
    fOstrzezenia->UstawDniDoZakonczenia(dni);
}

TGwarancjeBFG TZakladkaLokat::Gwarancje(TKolekcjeDanych& kolekcje) const {
    return fOstrzezenia->Gwarancje(kolekcje);
}

// --- Commands ---------------------------------------------------------------------

// The lists are refilled after a change; a deposit added is shown selected.
void TZakladkaLokat::Pokaz(const TPoleceniaLokat::TWynik& wynik) {
    if (wynik.wypelnijListy)
        emit LokatyZmienione();
    if (wynik.pokaz)
        emit PokazLokate(wynik.pokaz);
}

void TZakladkaLokat::sbtn_DodajLokateClick() {
    Pokaz(fPolecenia->Dodaj());
}

void TZakladkaLokat::DodajLokate(const TLokata& wzor) {
    Pokaz(fPolecenia->DodajLokate(wzor));
}

void TZakladkaLokat::DodajZOferty(const QString& kluczOferty, double kwota,
                                  TDateTime dataRozpoczecia) {
    Pokaz(fPolecenia->DodajZOferty(kluczOferty, kwota, dataRozpoczecia));
}

void TZakladkaLokat::sbtn_EdytujLokateClick() {
    Pokaz(fPolecenia->Edytuj());
}

void TZakladkaLokat::sbtn_RozpocznijJakoNowaLokateClick() {
    Pokaz(fPolecenia->NowaJakWybrana());
}

void TZakladkaLokat::sbtn_RozpocznijLokateClick() {
    Pokaz(fPolecenia->Rozpocznij());
}

void TZakladkaLokat::sbtn_ZakonczLokateClick() {
    Pokaz(fPolecenia->Zakoncz());
}

void TZakladkaLokat::sbtn_UsunLokateClick() {
    Pokaz(fPolecenia->Usun());
}

void TZakladkaLokat::ZakonczLubRozpocznijLokate(TLokata* lokata, bool aktywna) {
    Pokaz(fPolecenia->ZakonczLubRozpocznijLokate(lokata, aktywna));
}
