#include "ui/TFormDodajEdytujLokate.h"

#include "format/Pomocnicze.h"
#include "format/TFormatSettings.h"
#include "ui/PolaEdytorow.h"
#include "ui/PomocOkien.h"
#include "ui/PrzyciskiDialogu.h"
#include "ui/TAMHSensitiveLabel.h"
#include "ui/THeaderPanel.h"
#include "ui/TKwotaEdit.h"
#include "ui/UkladDialogu.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

namespace {

constexpr int kWidoczneWiersze = 15;
constexpr int kMaksymalnaDlugoscNazwy = 255;
constexpr int kMaksymalnyOkres = 1000;
constexpr int kSzerokoscOkna = 374;

} // namespace

TFormDodajEdytujLokate::TFormDodajEdytujLokate(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("FormDodajEdytujLokate"));
    setWindowTitle(QStringLiteral("Dodaj lokatę"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    UtworzKontrolki();
    PolaczZdarzenia();
    ZmianaDanych();
    UstawKlawiszPomocy(this, StronyPomocy::Lokata);
}

void TFormDodajEdytujLokate::UtworzKontrolki() {
    pan_1 = new THeaderPanel(QString(), TObrazekNaglowka::Lokaty, this);
    lbl_AddL_Head = pan_1->HeadingLabel();
    lbl_AddL_Head->setObjectName(QStringLiteral("lbl_AddL_Head"));

    // Created in this order, which is also the order of the focus chain.
    QWidget* pola = UtworzPolaLokaty();
    QWidget* odnosniki = UtworzOdnosniki();
    QWidget* przyciski = UtworzPrzyciski();
    UlozDialog(this, pan_1, {pola, odnosniki}, przyciski, kSzerokoscOkna);
}

QWidget* TFormDodajEdytujLokate::UtworzPolaLokaty() {
    auto* pola = new QWidget(this);
    auto* siatka = new QGridLayout(pola);
    siatka->setContentsMargins(0, 0, 0, 0);
    siatka->setColumnStretch(1, 1);

    e_AddL_Nazwa = new QLineEdit(pola);
    e_AddL_Nazwa->setObjectName(QStringLiteral("e_AddL_Nazwa"));
    e_AddL_Nazwa->setMaxLength(kMaksymalnaDlugoscNazwy);
    e_AddL_Nazwa->installEventFilter(this);

    e_AddL_Ile = new TKwotaEdit(pola);
    e_AddL_Ile->setObjectName(QStringLiteral("e_AddL_Ile"));

    cb_AddL_Data = new QDateEdit(pola);
    cb_AddL_Data->setObjectName(QStringLiteral("cb_AddL_Data"));
    cb_AddL_Data->setCalendarPopup(true);
    cb_AddL_Data->setDisplayFormat(UstawieniaFormatow.ShortDateFormat);

    se_AddL_OkresLokaty = new QSpinBox(pola);
    se_AddL_OkresLokaty->setObjectName(QStringLiteral("se_AddL_OkresLokaty"));
    se_AddL_OkresLokaty->setRange(0, kMaksymalnyOkres);
    se_AddL_OkresLokaty->setAlignment(Qt::AlignRight);
    cb_AddL_JednostkaLokaty = ListaJednostek("cb_AddL_JednostkaLokaty", pola);
    auto* okres = new QHBoxLayout;
    okres->addWidget(se_AddL_OkresLokaty, 1);
    okres->addWidget(cb_AddL_JednostkaLokaty, 1);

    cb_AddL_HarmonogramLokatyBankowej = new QComboBox(pola);
    cb_AddL_HarmonogramLokatyBankowej->setObjectName(
        QStringLiteral("cb_AddL_HarmonogramLokatyBankowej"));
    cb_AddL_HarmonogramLokatyBankowej->setMaxVisibleItems(kWidoczneWiersze);
    cb_AddL_HarmonogramLokatyBankowej->setSizeAdjustPolicy(
        QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cb_AddL_HarmonogramLokatyBankowej->setMinimumContentsLength(20);
    cb_AddL_HarmonogramLokatyBankowej->installEventFilter(this);
    lbl_UstawPustaLokateBankowa =
        Odnosnik(QStringLiteral("[Kliknij tutaj, aby ustawić powyżej pustą lokatę bankową]"),
                 "lbl_UstawPustaLokateBankowa", false, pola);

    siatka->addWidget(Etykieta(QStringLiteral("Na&zwa lokaty:"), e_AddL_Nazwa, pola), 0, 0);
    siatka->addWidget(e_AddL_Nazwa, 0, 1);
    siatka->addWidget(Etykieta(QStringLiteral("&Kwota:"), e_AddL_Ile, pola), 1, 0);
    siatka->addWidget(e_AddL_Ile, 1, 1);
    siatka->addWidget(Etykieta(QStringLiteral("&Data rozpoczęcia:"), cb_AddL_Data, pola), 2, 0);
    siatka->addWidget(cb_AddL_Data, 2, 1);
    siatka->addWidget(Etykieta(QStringLiteral("Okres lokaty:"), se_AddL_OkresLokaty, pola), 3, 0);
    siatka->addLayout(okres, 3, 1);
    siatka->addWidget(
        Etykieta(QStringLiteral("Lokata bankowa:"), cb_AddL_HarmonogramLokatyBankowej, pola), 4, 0);
    siatka->addWidget(cb_AddL_HarmonogramLokatyBankowej, 4, 1);
    siatka->addWidget(lbl_UstawPustaLokateBankowa, 5, 0, 1, 2, Qt::AlignRight);
    return pola;
}

QWidget* TFormDodajEdytujLokate::UtworzOdnosniki() {
    const TOdnosnikiPartnerow odnosniki = UtworzOdnosnikiPartnerow(this);
    GridPanel1 = odnosniki.GridPanel1;
    _lbl1 = odnosniki._lbl1;
    _lbl4 = odnosniki._lbl4;
    _lbl3 = odnosniki._lbl3;
    return GridPanel1;
}

QWidget* TFormDodajEdytujLokate::UtworzPrzyciski() {
    return UtworzPrzyciskiDialogu(this, QStringLiteral("&OK"), QStringLiteral("&Anuluj"), btn_OK,
                                  btn_Cancel);
}

void TFormDodajEdytujLokate::PolaczZdarzenia() {
    connect(e_AddL_Nazwa, &QLineEdit::textChanged, this, &TFormDodajEdytujLokate::ZmianaDanych);
    connect(e_AddL_Ile, &TKwotaEdit::valueChanged, this, &TFormDodajEdytujLokate::ZmianaDanych);
    connect(cb_AddL_Data, &QDateEdit::dateChanged, this, &TFormDodajEdytujLokate::ZmianaDanych);
    connect(se_AddL_OkresLokaty, &QSpinBox::valueChanged, this,
            &TFormDodajEdytujLokate::ZmianaDanych);
    connect(cb_AddL_JednostkaLokaty, &QComboBox::currentIndexChanged, this,
            &TFormDodajEdytujLokate::ZmianaDanych);
    connect(cb_AddL_HarmonogramLokatyBankowej, &QComboBox::currentIndexChanged, this,
            &TFormDodajEdytujLokate::ZmianaDanych);
    connect(lbl_UstawPustaLokateBankowa, &TAMHSensitiveLabel::clicked, this,
            [this] { cb_AddL_HarmonogramLokatyBankowej->setCurrentIndex(-1); });
}

void TFormDodajEdytujLokate::UstawNaglowek(const QString& naglowek) {
    lbl_AddL_Head->setText(naglowek);
}

QString TFormDodajEdytujLokate::Naglowek() const {
    return lbl_AddL_Head->text();
}

void TFormDodajEdytujLokate::UstawOgraniczeniaKwoty(int maksymalnaDlugosc,
                                                    double maksymalnaWartosc) {
    e_AddL_Ile->setMaxLength(maksymalnaDlugosc);
    e_AddL_Ile->setMaximum(maksymalnaWartosc);
}

void TFormDodajEdytujLokate::WypelnijHarmonogramy(const QStringList& opisy) {
    cb_AddL_HarmonogramLokatyBankowej->clear();
    cb_AddL_HarmonogramLokatyBankowej->addItems(opisy);
    cb_AddL_HarmonogramLokatyBankowej->setCurrentIndex(-1);
}

void TFormDodajEdytujLokate::WybierzHarmonogram(const QString& opis) {
    const int pozycja = opis.isEmpty() ? -1
                                       : cb_AddL_HarmonogramLokatyBankowej->findText(
                                             opis, Qt::MatchExactly | Qt::MatchCaseSensitive);
    cb_AddL_HarmonogramLokatyBankowej->setCurrentIndex(pozycja);
}

QString TFormDodajEdytujLokate::WybranyHarmonogram() const {
    if (cb_AddL_HarmonogramLokatyBankowej->currentIndex() < 0)
        return {};
    return cb_AddL_HarmonogramLokatyBankowej->currentText();
}

void TFormDodajEdytujLokate::UstawJednostke(TJednostkaOkresu jednostka) {
    ::UstawJednostke(cb_AddL_JednostkaLokaty, jednostka);
}

TJednostkaOkresu TFormDodajEdytujLokate::Jednostka() const {
    return JednostkaZListy(cb_AddL_JednostkaLokaty);
}

void TFormDodajEdytujLokate::UstawDateRozpoczecia(TDateTime data) {
    fCzasRozpoczecia = TimeOf(data);
    cb_AddL_Data->setDate(ToQDate(data));
}

TDateTime TFormDodajEdytujLokate::DataRozpoczecia() const {
    return FromQDate(cb_AddL_Data->date()) + fCzasRozpoczecia;
}

void TFormDodajEdytujLokate::UstawLokate(const QString& nazwa, double kwota,
                                         TDateTime dataRozpoczecia, int okres,
                                         TJednostkaOkresu jednostka,
                                         const QString& opisHarmonogramu) {
    e_AddL_Nazwa->setText(nazwa);
    e_AddL_Ile->setValue(kwota);
    UstawDateRozpoczecia(dataRozpoczecia);
    se_AddL_OkresLokaty->setValue(okres);
    UstawJednostke(jednostka);
    WybierzHarmonogram(opisHarmonogramu);
}

TDaneLokaty TFormDodajEdytujLokate::Dane() const {
    TDaneLokaty dane;
    dane.nazwa = e_AddL_Nazwa->text();
    dane.tekstKwoty = e_AddL_Ile->text();
    dane.dataRozpoczecia = DataRozpoczecia();
    dane.okresLokaty = se_AddL_OkresLokaty->value();
    dane.jednostka = Jednostka();
    dane.opisHarmonogramu = WybranyHarmonogram();
    return dane;
}

// Any amount typed counts here, even one below a grosz: the check after OK
// then says what is wrong with it.
void TFormDodajEdytujLokate::ZmianaDanych() {
    btn_OK->setEnabled(!e_AddL_Nazwa->text().isEmpty() && KwotaZTekstu(e_AddL_Ile->text()) > 0 &&
                       se_AddL_OkresLokaty->value() > 0 &&
                       cb_AddL_JednostkaLokaty->currentIndex() >= 0);
}

void TFormDodajEdytujLokate::DopasujSzerokoscListyHarmonogramow() {
    QComboBox* lista = cb_AddL_HarmonogramLokatyBankowej;
    const QFontMetrics miara(lista->font());
    int szerokosc = lista->width();
    for (int i = 0; i < lista->count(); ++i) {
        const int szerokoscTekstu = miara.horizontalAdvance(lista->itemText(i));
        if (szerokoscTekstu > szerokosc)
            szerokosc = szerokoscTekstu + 8;
    }
    lista->view()->setMinimumWidth(szerokosc);
}

void TFormDodajEdytujLokate::showEvent(QShowEvent* event) {
    e_AddL_Ile->setCurrencySymbol(UstawieniaFormatow.CurrencyString);
    ZmianaDanych();
    QDialog::showEvent(event);
}

bool TFormDodajEdytujLokate::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == e_AddL_Nazwa && WpisujeZakazanyZnak(zdarzenie))
        return true;
    if (obiekt == cb_AddL_HarmonogramLokatyBankowej &&
        (zdarzenie->type() == QEvent::FocusIn || zdarzenie->type() == QEvent::MouseButtonPress))
        DopasujSzerokoscListyHarmonogramow();
    return QDialog::eventFilter(obiekt, zdarzenie);
}
