#include "ui/TFormPorownajOferty.h"

#include "data/TekstBledu.h"
#include "domain/TWiekOferty.h"
#include "format/Formatowanie.h"
#include "format/TFormatSettings.h"
#include "platform/Clock.h"
#include "ui/PomocOkien.h"
#include "ui/PrzyciskiDialogu.h"
#include "ui/THeaderPanel.h"
#include "ui/TKwotaEdit.h"
#include "ui/UkladDialogu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <stdexcept>

namespace {

// "Dowolny" first, then the units in the order of TJednostkaOkresu.
const QStringList kJednostki = {QStringLiteral("dowolny"), QStringLiteral("dni"),
                                QStringLiteral("tygodni"), QStringLiteral("miesięcy"),
                                QStringLiteral("lat")};
constexpr int kSzerokoscOkna = 1000;
constexpr int kMaksymalnyOkres = 1000;
constexpr double kDomyslnaKwota = 10000;

const QStringList kKolumnyRankingu = {
    QStringLiteral("Bank"),           QStringLiteral("Oferta"),        QStringLiteral("Okres"),
    QStringLiteral("Oprocentowanie"), QStringLiteral("Kapitalizacja"), QStringLiteral("Szacunek"),
    QStringLiteral("Zysk netto"),     QStringLiteral("Rentowność"),    QStringLiteral("Koniec"),
    QStringLiteral("Dane sprzed")};
const QStringList kKolumnyHarmonogramu = {
    QStringLiteral("Od"),      QStringLiteral("Do"),
    QStringLiteral("Dni"),     QStringLiteral("Odsetki brutto"),
    QStringLiteral("Podatek"), QStringLiteral("Odsetki netto"),
    QStringLiteral("Kapitał")};

QLabel* Etykieta(const QString& tekst, QWidget* pole, QWidget* rodzic) {
    auto* etykieta = new QLabel(tekst, rodzic);
    etykieta->setBuddy(pole);
    return etykieta;
}

QTreeWidget* Lista(const char* nazwa, const QStringList& kolumny, int wysokosc, QWidget* rodzic) {
    auto* lista = new QTreeWidget(rodzic);
    lista->setObjectName(QLatin1String(nazwa));
    lista->setRootIsDecorated(false);
    lista->setAlternatingRowColors(true);
    lista->setUniformRowHeights(true);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->setHeaderLabels(kolumny);
    lista->header()->setStretchLastSection(false);
    lista->setMinimumHeight(wysokosc);
    return lista;
}

// Texts are left-aligned (the columns in `tekstowe`), numbers and dates right.
QTreeWidgetItem* Wiersz(const QStringList& komorki, std::initializer_list<int> tekstowe) {
    auto* wiersz = new QTreeWidgetItem(komorki);
    for (int i = 0; i < komorki.size(); ++i)
        if (std::find(tekstowe.begin(), tekstowe.end(), i) == tekstowe.end())
            wiersz->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
    return wiersz;
}

QString Kwota(double zlote) {
    return FormatMoney(zlote, 2);
}

QString Grosze(int64_t grosze) {
    return Kwota(static_cast<double>(grosze) / 100);
}

QString Data(TDateTime data) {
    return FormatDateTime(UstawieniaFormatow.ShortDateFormat, data);
}

QStringList KomorkiRankingu(const TPozycjaRankingu& p, const QString& wiek) {
    const THarmonogramLokatyBankowej& o = *p.oferta;
    QStringList komorki{o.Bank(),
                        o.NazwaWyswietlana(),
                        o.OkresLokaty(),
                        FormatPercent(o.OprocentowanieWSkaliRoku()),
                        o.KapitalizacjaNazwa(),
                        Kwota(p.szacowanyZysk)};
    if (!p.dokladnie)
        return komorki << QStringLiteral("poza zakresem") << QString() << QString() << wiek;
    return komorki << Grosze(p.dokladnie->OdsetkiNetto()) << FormatPercent(p.rentownosc)
                   << Data(p.dokladnie->DataZakonczenia()) << wiek;
}

void DopasujKolumny(QTreeWidget* lista) {
    for (int i = 0; i < lista->columnCount(); ++i)
        lista->resizeColumnToContents(i);
}

} // namespace

TFormPorownajOferty::TFormPorownajOferty(const TKatalog& oferty, QWidget* owner)
    : QDialog(owner), fOferty(oferty), fProgNieaktualnosci(TWiekOferty::kDomyslnyProg) {
    setObjectName(QStringLiteral("FormPorownajOferty"));
    setWindowTitle(QStringLiteral("Porównaj oferty"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    pan_1 = new THeaderPanel(
        QStringLiteral(" Która oferta da najwięcej z Twojej kwoty? Porównaj oferty z katalogu"),
        TObrazekNaglowka::LokatyBankowe, this);
    QWidget* kryteria = UtworzKryteria();
    QWidget* ranking = UtworzRanking();
    QWidget* harmonogram = UtworzHarmonogram();
    QWidget* przyciski = UtworzPrzyciskiDialogu(this, QStringLiteral("&Załóż lokatę"),
                                                QStringLiteral("Za&mknij"), btn_OK, btn_Cancel);
    btn_OK->setToolTip(QStringLiteral("Kliknij, aby dodać lokatę według wybranej oferty"));
    UlozDialog(this, pan_1, {kryteria, ranking, harmonogram}, przyciski, kSzerokoscOkna);

    // No stored placement: the dialog opens centred on the window it belongs to.
    TKryteriaRankingu poczatkowe;
    poczatkowe.kwota = kDomyslnaKwota;
    poczatkowe.start = Today();
    UstawProgNieaktualnosci(fProgNieaktualnosci);
    UstawKryteria(poczatkowe);
    PolaczZdarzenia();
    UstawKlawiszPomocy(this, StronyPomocy::PorownajOferty);
}

TFormPorownajOferty::~TFormPorownajOferty() = default;

QWidget* TFormPorownajOferty::UtworzKryteria() {
    auto* pola = new QWidget(this);
    auto* siatka = new QGridLayout(pola);
    siatka->setContentsMargins(0, 0, 0, 0);

    e_Kwota = new TKwotaEdit(pola);
    e_Kwota->setObjectName(QStringLiteral("e_Kwota"));
    se_Okres = new QSpinBox(pola);
    se_Okres->setAccessibleName(QStringLiteral("Okres"));
    se_Okres->setObjectName(QStringLiteral("se_Okres"));
    se_Okres->setRange(1, kMaksymalnyOkres);
    se_Okres->setAlignment(Qt::AlignRight);
    cb_Jednostka = new QComboBox(pola);
    cb_Jednostka->setObjectName(QStringLiteral("cb_Jednostka"));
    cb_Jednostka->addItems(kJednostki);
    se_Tolerancja = new QSpinBox(pola);
    se_Tolerancja->setAccessibleName(QStringLiteral("Tolerancja okresu"));
    se_Tolerancja->setObjectName(QStringLiteral("se_Tolerancja"));
    se_Tolerancja->setRange(0, kMaksymalnyOkres);
    se_Tolerancja->setAlignment(Qt::AlignRight);
    se_Tolerancja->setPrefix(QStringLiteral("± "));
    se_Tolerancja->setToolTip(QStringLiteral("O ile jednostek okres oferty może się różnić"));
    cb_Data = new QDateEdit(pola);
    cb_Data->setObjectName(QStringLiteral("cb_Data"));
    cb_Data->setCalendarPopup(true);
    cb_Data->setDisplayFormat(UstawieniaFormatow.ShortDateFormat);
    chb_KontoOsobiste =
        new QCheckBox(QStringLiteral("Pokaż też oferty wymagające konta osobistego w banku"), pola);
    chb_KontoOsobiste->setObjectName(QStringLiteral("chb_KontoOsobiste"));
    chb_PominNieaktualne = new QCheckBox(pola);
    chb_PominNieaktualne->setObjectName(QStringLiteral("chb_PominNieaktualne"));

    auto* okres = new QHBoxLayout;
    okres->addWidget(cb_Jednostka);
    okres->addWidget(se_Okres);
    okres->addWidget(se_Tolerancja);
    okres->addStretch(1);
    siatka->addWidget(Etykieta(QStringLiteral("&Kwota:"), e_Kwota, pola), 0, 0);
    siatka->addWidget(e_Kwota, 0, 1);
    siatka->addWidget(Etykieta(QStringLiteral("&Data rozpoczęcia:"), cb_Data, pola), 0, 2);
    siatka->addWidget(cb_Data, 0, 3);
    siatka->addWidget(Etykieta(QStringLiteral("&Okres około:"), cb_Jednostka, pola), 1, 0);
    siatka->addLayout(okres, 1, 1);
    siatka->addWidget(chb_KontoOsobiste, 1, 2, 1, 2);
    siatka->addWidget(chb_PominNieaktualne, 2, 2, 1, 2);
    siatka->setColumnStretch(1, 1);
    siatka->setColumnStretch(3, 1);
    return pola;
}

QWidget* TFormPorownajOferty::UtworzRanking() {
    auto* panel = new QWidget(this);
    auto* uklad = new QVBoxLayout(panel);
    uklad->setContentsMargins(0, 0, 0, 0);
    lv_Ranking = Lista("lv_Ranking", kKolumnyRankingu, 220, panel);
    lv_Ranking->setAccessibleName(QStringLiteral("Ranking ofert"));
    lv_Ranking->setToolTip(QStringLiteral("Od najwyższej rentowności netto w skali roku"));
    lv_Ranking->headerItem()->setToolTip(
        5, QStringLiteral("Szacowany zysk netto, tak jak liczy go lista lokat"));
    lv_Ranking->headerItem()->setToolTip(
        6, QStringLiteral("Odsetki netto co do grosza, tak jak wypłaca je bank "
                          "(podatek 19% zaokrąglany w górę)"));
    lv_Ranking->headerItem()->setToolTip(
        7, QStringLiteral("Rentowność netto w skali roku: odsetki netto / kwota × 365 / dni"));
    lbl_BrakOfert = new QLabel(panel);
    lbl_BrakOfert->setObjectName(QStringLiteral("lbl_BrakOfert"));
    lbl_BrakOfert->setAlignment(Qt::AlignCenter);
    lbl_BrakOfert->setWordWrap(true);
    QFont pogrubiona = lbl_BrakOfert->font();
    pogrubiona.setBold(true);
    lbl_BrakOfert->setFont(pogrubiona);
    uklad->addWidget(lv_Ranking);
    uklad->addWidget(lbl_BrakOfert);
    return panel;
}

QWidget* TFormPorownajOferty::UtworzHarmonogram() {
    auto* panel = new QWidget(this);
    auto* uklad = new QVBoxLayout(panel);
    uklad->setContentsMargins(0, 0, 0, 0);
    auto* tytul = new QLabel(QStringLiteral("Harmonogram odsetek wybranej oferty:"), panel);
    lv_Harmonogram = Lista("lv_Harmonogram", kKolumnyHarmonogramu, 150, panel);
    lv_Harmonogram->setAccessibleName(QStringLiteral("Harmonogram odsetek wybranej oferty"));
    lv_Harmonogram->setSelectionMode(QAbstractItemView::NoSelection);
    lbl_Podsumowanie = new QLabel(panel);
    lbl_Podsumowanie->setObjectName(QStringLiteral("lbl_Podsumowanie"));
    lbl_Podsumowanie->setWordWrap(true);
    uklad->addWidget(tytul);
    uklad->addWidget(lv_Harmonogram);
    uklad->addWidget(lbl_Podsumowanie);
    return panel;
}

void TFormPorownajOferty::PolaczZdarzenia() {
    using T = TFormPorownajOferty;
    connect(e_Kwota, &TKwotaEdit::valueChanged, this, &T::Uszereguj);
    connect(se_Okres, &QSpinBox::valueChanged, this, &T::Uszereguj);
    connect(cb_Jednostka, &QComboBox::currentIndexChanged, this, &T::Uszereguj);
    connect(cb_Jednostka, &QComboBox::currentIndexChanged, this, &T::UstawPolaOkresu);
    connect(se_Tolerancja, &QSpinBox::valueChanged, this, &T::Uszereguj);
    connect(cb_Data, &QDateEdit::dateChanged, this, &T::Uszereguj);
    connect(chb_KontoOsobiste, &QCheckBox::toggled, this, &T::Uszereguj);
    connect(chb_PominNieaktualne, &QCheckBox::toggled, this, &T::Uszereguj);
    connect(lv_Ranking, &QTreeWidget::itemSelectionChanged, this, &T::PokazHarmonogram);
    connect(lv_Ranking, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (WybranaOferta())
            accept();
    });
}

void TFormPorownajOferty::UstawGwarancje(const TGwarancjeBFG& gwarancje) {
    fGwarancje = gwarancje;
    Uszereguj();
}

void TFormPorownajOferty::UstawProgNieaktualnosci(int dni) {
    fProgNieaktualnosci = dni;
    chb_PominNieaktualne->setText(
        QStringLiteral("Pomiń &nieaktualne (dane starsze niż %1 dni)").arg(dni));
    const TDateTime dzis = Now();
    const bool saAktualne = std::any_of(fOferty.begin(), fOferty.end(), [&](const auto& o) {
        return o && o->fZmiany != TTypModyfikacji::Usunieto &&
               !TWiekOferty::Nieaktualna(*o, dzis, dni);
    });
    const QSignalBlocker blokada(chb_PominNieaktualne);
    chb_PominNieaktualne->setChecked(saAktualne);
    Uszereguj();
}

void TFormPorownajOferty::UstawOgraniczeniaKwoty(int maksymalnaDlugosc, double maksymalnaWartosc) {
    e_Kwota->setMaxLength(maksymalnaDlugosc);
    e_Kwota->setMaximum(maksymalnaWartosc);
}

void TFormPorownajOferty::UstawKryteria(const TKryteriaRankingu& kryteria) {
    const QSignalBlocker blokady[] = {QSignalBlocker(e_Kwota),
                                      QSignalBlocker(se_Okres),
                                      QSignalBlocker(cb_Jednostka),
                                      QSignalBlocker(se_Tolerancja),
                                      QSignalBlocker(cb_Data),
                                      QSignalBlocker(chb_KontoOsobiste),
                                      QSignalBlocker(chb_PominNieaktualne)};
    e_Kwota->setValue(kryteria.kwota);
    cb_Jednostka->setCurrentIndex(static_cast<int>(kryteria.jednostka) + 1);
    se_Okres->setValue(std::max<int>(kryteria.okres, 1));
    se_Tolerancja->setValue(kryteria.tolerancja);
    cb_Data->setDate(ToQDate(kryteria.start));
    chb_KontoOsobiste->setChecked(kryteria.kontoOsobisteDozwolone);
    if (kryteria.maksymalnyWiekOferty)
        chb_PominNieaktualne->setChecked(true);
    UstawPolaOkresu();
    Uszereguj();
}

// With the period "dowolny" its length and tolerance mean nothing.
void TFormPorownajOferty::UstawPolaOkresu() {
    const bool okres = cb_Jednostka->currentIndex() > 0;
    se_Okres->setEnabled(okres);
    se_Tolerancja->setEnabled(okres);
}

TKryteriaRankingu TFormPorownajOferty::Kryteria() const {
    TKryteriaRankingu kryteria;
    kryteria.kwota = Kwota();
    kryteria.start = DataRozpoczecia();
    kryteria.jednostka = static_cast<TJednostkaOkresu>(cb_Jednostka->currentIndex() - 1);
    if (kryteria.jednostka != TJednostkaOkresu::Brak) {
        kryteria.okres = static_cast<uint16_t>(se_Okres->value());
        kryteria.tolerancja = static_cast<uint16_t>(se_Tolerancja->value());
    }
    kryteria.kontoOsobisteDozwolone = chb_KontoOsobiste->isChecked();
    if (chb_PominNieaktualne->isChecked())
        kryteria.maksymalnyWiekOferty = fProgNieaktualnosci;
    return kryteria;
}

double TFormPorownajOferty::Kwota() const {
    return e_Kwota->value();
}

TDateTime TFormPorownajOferty::DataRozpoczecia() const {
    return FromQDate(cb_Data->date());
}

void TFormPorownajOferty::Uszereguj() {
    lv_Ranking->clear();
    const TKryteriaRankingu kryteria = Kryteria();
    if (kryteria.kwota > 0) {
        fRanking = std::make_unique<TRankingOfert>(fOferty, kryteria);
        for (size_t i = 0; i < fRanking->Pozycje().size(); ++i) {
            QTreeWidgetItem* wiersz = WierszRankingu(fRanking->Pozycje()[i]);
            wiersz->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
            lv_Ranking->addTopLevelItem(wiersz);
        }
        lbl_BrakOfert->setText(fRanking->PowodBrakuOfert());
    } else {
        fRanking.reset();
        lbl_BrakOfert->setText(QStringLiteral("Wpisz kwotę, którą chcesz ulokować."));
    }
    DopasujKolumny(lv_Ranking);
    lbl_BrakOfert->setVisible(!lbl_BrakOfert->text().isEmpty());
    if (lv_Ranking->topLevelItemCount() > 0)
        lv_Ranking->setCurrentItem(lv_Ranking->topLevelItem(0));
    PokazHarmonogram();
}

// How much the offer's bank would be over the guarantee limit with this
// deposit (its amount and estimated profit); empty when it stays within it.
QString TFormPorownajOferty::TekstNadwyzki(const TPozycjaRankingu& pozycja) const {
    if (!fGwarancje)
        return {};
    return fGwarancje->TekstNadwyzkiPoDodaniu(pozycja.oferta->Bank(),
                                              Kwota() + pozycja.szacowanyZysk);
}

QTreeWidgetItem* TFormPorownajOferty::WierszRankingu(const TPozycjaRankingu& pozycja) const {
    const THarmonogramLokatyBankowej& oferta = *pozycja.oferta;
    const TDateTime dzis = Now();
    QTreeWidgetItem* wiersz =
        Wiersz(KomorkiRankingu(
                   pozycja, TWiekOferty::TekstWieku(TWiekOferty::DniOdAktualizacji(oferta, dzis))),
               {0, 1, 4});
    if (const QString nadwyzka = TekstNadwyzki(pozycja); !nadwyzka.isEmpty()) {
        wiersz->setIcon(0, style()->standardIcon(QStyle::SP_MessageBoxWarning));
        wiersz->setToolTip(0, nadwyzka);
    }
    if (TWiekOferty::Nieaktualna(oferta, dzis, fProgNieaktualnosci))
        wiersz->setToolTip(kKolumnyRankingu.size() - 1, TWiekOferty::Podpowiedz(oferta, dzis));
    return wiersz;
}

const TPozycjaRankingu* TFormPorownajOferty::WybranaPozycja() const {
    const QList<QTreeWidgetItem*> wybrane = lv_Ranking->selectedItems();
    if (!fRanking || wybrane.isEmpty())
        return nullptr;
    const auto indeks = wybrane.first()->data(0, Qt::UserRole).toULongLong();
    return indeks < fRanking->Pozycje().size() ? &fRanking->Pozycje()[indeks] : nullptr;
}

THarmonogramLokatyBankowej* TFormPorownajOferty::WybranaOferta() const {
    const TPozycjaRankingu* pozycja = WybranaPozycja();
    return pozycja ? pozycja->oferta : nullptr;
}

void TFormPorownajOferty::PokazHarmonogram() {
    lv_Harmonogram->clear();
    lbl_Podsumowanie->clear();
    const TPozycjaRankingu* pozycja = WybranaPozycja();
    btn_OK->setEnabled(pozycja != nullptr);
    const auto parametry =
        pozycja ? TRankingOfert::Parametry(*pozycja->oferta, Kryteria()) : std::nullopt;
    if (!parametry)
        return;
    try {
        const THarmonogramOdsetek h = THarmonogramOdsetek::Oblicz(*parametry, true);
        for (const TOkresOdsetkowy& o : h.Okresy())
            lv_Harmonogram->addTopLevelItem(
                Wiersz({Data(o.od), Data(o.do_), IntToStr(o.dni), Grosze(o.odsetkiBrutto),
                        Grosze(o.podatek), Grosze(o.odsetkiNetto), Grosze(o.kapital)},
                       {0, 1}));
        lbl_Podsumowanie->setText(
            QStringLiteral("Odsetki brutto %1, podatek %2, odsetki netto %3. Po %4 dniach, "
                           "%5, wypłata %6 (rentowność netto %7 w skali roku).")
                .arg(Grosze(h.OdsetkiBrutto()), Grosze(h.Podatek()), Grosze(h.OdsetkiNetto()),
                     IntToStr(h.Dni()), Data(h.DataZakonczenia()), Grosze(h.KwotaKoncowa()),
                     FormatPercent(h.RentownoscNettoRoczna())));
        if (const QString nadwyzka = TekstNadwyzki(*pozycja); !nadwyzka.isEmpty())
            lbl_Podsumowanie->setText(lbl_Podsumowanie->text() + QLatin1Char('\n') + nadwyzka);
    } catch (const std::exception& blad) {
        lbl_Podsumowanie->setText(TekstBledu(blad));
    }
    DopasujKolumny(lv_Harmonogram);
}

void TFormPorownajOferty::showEvent(QShowEvent* event) {
    e_Kwota->setCurrencySymbol(UstawieniaFormatow.CurrencyString);
    QDialog::showEvent(event);
}
