#include "ui/TZakladkaKalendarza.h"

#include "app/Komunikaty.h"
#include "app/WyborCeluEksportu.h"
#include "data/TKolekcjeDanych.h"
#include "domain/TKalendarzLokat.h"
#include "domain/TPlikKalendarza.h"
#include "domain/TWierszeListLokat.h"
#include "format/Formatowanie.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "ui/TEksportListy.h"
#include "ui/TIkonyLokat.h"
#include "ui/TKoloryWierszyLokat.h"
#include "ui/TListaRaportowa.h"
#include "ui/TPrzyciskBoczny.h"
#include "ui/TWykresKalendarza.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kBrakLokat = QStringLiteral(
    "Nie masz aktywnych lokat.\r\rDodaj lokatę na zakładce \"Lokaty\", a tutaj zobaczysz, "
    "w którym miesiącu wrócą Twoje pieniądze i ile na nich zarobisz.");

} // namespace

TZakladkaKalendarza::TZakladkaKalendarza(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ts_Kalendarz"));
    btn_EksportujDoKalendarza = new TPrzyciskBoczny(
        "btn_EksportujDoKalendarza", QStringLiteral("Eksportuj do kalendarza"),
        QStringLiteral("Zapisz daty zakończenia lokat do pliku kalendarza (iCalendar) z "
                       "przypomnieniem trzy dni wcześniej"),
        TIkonyLokat::Eksportuj(), this);
    connect(btn_EksportujDoKalendarza, &QToolButton::clicked, this,
            &TZakladkaKalendarza::btn_EksportujDoKalendarzaClick);

    auto* przyciski = new QVBoxLayout;
    przyciski->setContentsMargins(3, 2, 3, 2);
    przyciski->addStretch(1);
    przyciski->addWidget(btn_EksportujDoKalendarza, 0, Qt::AlignHCenter);
    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(2, 4, 4, 2);
    uklad->addLayout(przyciski);
    uklad->addWidget(UtworzWidokKalendarza(), 1);
    UtworzMenuKalendarza();
}

TZakladkaKalendarza::~TZakladkaKalendarza() = default;

QWidget* TZakladkaKalendarza::UtworzWidokKalendarza() {
    pnl_Kalendarz = new QStackedWidget(this);
    pnl_Kalendarz->setObjectName(QStringLiteral("pnl_Kalendarz"));

    auto* kalendarz = new QWidget(pnl_Kalendarz);
    wyk_Kalendarz = new TWykresKalendarza(kalendarz);
    lv_Kalendarz = new TListaRaportowa("lv_Kalendarz", kalendarz);
    lv_Kalendarz->setAccessibleName(QStringLiteral("Lokaty według miesiąca zakończenia"));
    lv_Kalendarz->UstawIkone(TIkonyLokat::Lokata());
    lv_Kalendarz->UstawKolory([this](const TWierszRaportu& wiersz) {
        return std::optional(TKoloryWierszyLokat::Lokaty(static_cast<const TLokata*>(wiersz.rekord),
                                                         lv_Kalendarz->palette()));
    });
    auto* pionowy = new QVBoxLayout(kalendarz);
    pionowy->setContentsMargins(0, 0, 0, 0);
    pionowy->addWidget(wyk_Kalendarz, 2);
    pionowy->addWidget(lv_Kalendarz, 3);

    lbl_BrakLokat = new QLabel(TPrzyciskBoczny::TekstNaEkranie(kBrakLokat), pnl_Kalendarz);
    lbl_BrakLokat->setObjectName(QStringLiteral("lbl_BrakLokat"));
    lbl_BrakLokat->setAlignment(Qt::AlignCenter);
    lbl_BrakLokat->setWordWrap(true);
    lbl_BrakLokat->setMargin(40);

    pnl_Kalendarz->addWidget(kalendarz);
    pnl_Kalendarz->addWidget(lbl_BrakLokat);

    connect(wyk_Kalendarz, &TWykresKalendarza::SlupekKlikniety, this,
            &TZakladkaKalendarza::PokazMiesiac);
    connect(lv_Kalendarz, &TListaRaportowa::WierszZatwierdzony, this,
            [this](const TWierszRaportu& wiersz) {
                if (auto* lokata = static_cast<TLokata*>(wiersz.rekord))
                    emit OtworzLokate(lokata);
            });
    return pnl_Kalendarz;
}

void TZakladkaKalendarza::UtworzMenuKalendarza() {
    pmenu_Kalendarz = new QMenu(this);
    pmenu_Kalendarz->setObjectName(QStringLiteral("pmenu_Kalendarz"));
    const auto dodaj = [this](const char* nazwa, const QString& tytul) {
        QAction* pozycja = pmenu_Kalendarz->addAction(tytul);
        pozycja->setObjectName(QLatin1String(nazwa));
        return pozycja;
    };
    EksportujDoKalendarza2 =
        dodaj("EksportujDoKalendarza2", QStringLiteral("Eksportuj do &kalendarza…"));
    pmenu_Kalendarz->addSeparator();
    EksportujListe3 = dodaj("EksportujListe3", TEksportListy::TytulEksportu());
    DrukujListe3 = dodaj("DrukujListe3", TEksportListy::TytulDruku());
    connect(EksportujDoKalendarza2, &QAction::triggered, this,
            &TZakladkaKalendarza::btn_EksportujDoKalendarzaClick);
    connect(EksportujListe3, &QAction::triggered, this,
            [this] { TEksportListy::EksportujDoCSV(TabelaListy(), fPlikDanych); });
    connect(DrukujListe3, &QAction::triggered, this,
            [this] { TEksportListy::Drukuj(TabelaListy()); });
    connect(pmenu_Kalendarz, &QMenu::aboutToShow, this, &TZakladkaKalendarza::pmenu_KalendarzPopup);
    lv_Kalendarz->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lv_Kalendarz, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        pmenu_Kalendarz->popup(lv_Kalendarz->viewport()->mapToGlobal(p));
    });
}

void TZakladkaKalendarza::pmenu_KalendarzPopup() {
    EksportujDoKalendarza2->setEnabled(MoznaEksportowac());
    EksportujListe3->setEnabled(lv_Kalendarz->IloscWierszy() > 0);
    DrukujListe3->setEnabled(lv_Kalendarz->IloscWierszy() > 0);
}

TTabelaListy TZakladkaKalendarza::TabelaListy() const {
    int ilosc = 0;
    double kwota = 0;
    double zysk = 0;
    if (fKalendarz)
        for (const TMiesiacKalendarza& m : fKalendarz->Miesiace()) {
            ilosc += m.Ilosc();
            kwota += m.kwota;
            zysk += m.szacowanyZysk;
        }
    return TEksportListy::Tabela(*lv_Kalendarz, QStringLiteral("Kalendarz"),
                                 TWierszeListLokat::Podsumowanie(ilosc, kwota, zysk));
}

void TZakladkaKalendarza::Wypelnij(TKolekcjeDanych* kolekcje, const QString& plikDanych) {
    fPlikDanych = plikDanych;
    lv_Kalendarz->Wyczysc();
    fKalendarz.reset();
    if (kolekcje) {
        fKalendarz = std::make_unique<TKalendarzLokat>(
            kolekcje->Lokaty(), kolekcje->HarmonogramyLokatBankowych(), Today());
        WypelnijListe(*kolekcje);
    }
    const bool pusty = !fKalendarz || fKalendarz->Pusty();
    wyk_Kalendarz->UstawMiesiace(pusty ? std::vector<TMiesiacKalendarza>()
                                       : fKalendarz->KolejneMiesiace(kMiesiaceWykresu));
    pnl_Kalendarz->setCurrentWidget(pusty ? static_cast<QWidget*>(lbl_BrakLokat)
                                          : wyk_Kalendarz->parentWidget());
    btn_EksportujDoKalendarza->setEnabled(fKalendarz && fKalendarz->IloscNadchodzacych() > 0);
}

void TZakladkaKalendarza::WypelnijListe(TKolekcjeDanych& kolekcje) {
    const QStringList tytuly = kolekcje.TabelaLokaty().TytulyKolumn().mid(1);
    QList<Qt::Alignment> wyrownania;
    for (bool doPrawej : TWierszeListLokat::KalendarzDoPrawej())
        wyrownania.append(doPrawej ? Qt::AlignRight : Qt::AlignLeft);
    lv_Kalendarz->UstawKolumny(TWierszeListLokat::KolumnyKalendarza(tytuly), wyrownania);
    QStringList grupy;
    std::vector<TWierszRaportu> wiersze;
    for (const TMiesiacKalendarza& m : fKalendarz->Miesiace()) {
        for (const TPozycjaKalendarza& p : m.lokaty)
            wiersze.push_back(
                {TWierszeListLokat::KolumnyKalendarza(TListaRaportowa::WcietaNazwa(
                     TWierszeListLokat::KomorkiLokaty(*p.lokata, p.oferta, p.szacowanyZysk))),
                 p.lokata, static_cast<int>(grupy.size())});
        grupy.append(m.Naglowek());
    }
    lv_Kalendarz->Wypelnij(grupy, std::move(wiersze));
    lv_Kalendarz->DopasujSzerokoscKolumn();
}

void TZakladkaKalendarza::PokazMiesiac(int indeks) {
    if (indeks < 0 || indeks >= wyk_Kalendarz->IloscSlupkow())
        return;
    const QString naglowek = wyk_Kalendarz->Miesiac(indeks).Naglowek();
    const QStringList grupy = lv_Kalendarz->Grupy();
    const int grupa = static_cast<int>(grupy.indexOf(naglowek));
    for (const TWierszRaportu* wiersz : lv_Kalendarz->Wiersze())
        if (grupa >= 0 && wiersz->grupa == grupa) {
            lv_Kalendarz->Zaznacz(*wiersz);
            lv_Kalendarz->scrollTo(lv_Kalendarz->IndeksWiersza(*wiersz).parent(),
                                   QAbstractItemView::PositionAtTop);
            return;
        }
    lv_Kalendarz->clearSelection();
}

bool TZakladkaKalendarza::MoznaEksportowac() const {
    return btn_EksportujDoKalendarza->isEnabled();
}

void TZakladkaKalendarza::btn_EksportujDoKalendarzaClick() {
    if (!fKalendarz)
        return;
    const QString sciezka = WybierzCelEksportu(QStringLiteral("Eksportuj do kalendarza"),
                                               QStringLiteral("Kalendarz iCalendar (*.ics)"),
                                               QStringLiteral("Lokaty.ics"), fPlikDanych);
    if (sciezka.isEmpty())
        return;
    TPlikKalendarza::TPominiete pominiete;
    const QByteArray tekst = TPlikKalendarza::Tekst(*fKalendarz, fPlikDanych, Now(), pominiete);
    const QString blad = TPlikKalendarza::Zapisz(sciezka, tekst);
    if (!blad.isEmpty()) {
        PokazBlad(blad);
        return;
    }
    QString informacja =
        QStringLiteral("Daty zakończenia lokat (%1) zostały zapisane do pliku \"%2\". "
                       "Otwórz go w swoim kalendarzu; ponowny eksport zaktualizuje "
                       "te same wydarzenia.")
            .arg(fKalendarz->IloscNadchodzacych() - pominiete.Razem())
            .arg(sciezka);
    if (pominiete.poRoku9999 > 0)
        informacja += QStringLiteral(" Pominięto lokaty kończące się po roku 9999: %1.")
                          .arg(pominiete.poRoku9999);
    if (pominiete.niezapisane > 0)
        informacja += QStringLiteral(" Pominięto lokaty jeszcze niezapisane: %1; zapisz zmiany "
                                     "i wyeksportuj kalendarz ponownie.")
                          .arg(pominiete.niezapisane);
    PokazInformacje(QStringLiteral("Informacja"), informacja);
}
