#include "ui/TFormDodajEdytujLokateBankowa.h"

#include "app/Komunikaty.h"
#include "app/TDaneLokaty.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "format/Pomocnicze.h"
#include "format/TFormatSettings.h"
#include "ui/PolaEdytorow.h"
#include "ui/PomocOkien.h"
#include "ui/PrzyciskiDialogu.h"
#include "ui/THeaderPanel.h"
#include "ui/TSpinLiczby.h"
#include "ui/UkladDialogu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <array>

namespace {

const QStringList kNazwyKapitalizacji = {QStringLiteral("Dzienna"), QStringLiteral("Miesięczna"),
                                         QStringLiteral("Kwartalna"), QStringLiteral("Roczna"),
                                         QStringLiteral("Po okresie umowy")};
// The capitalisation of each item of the list above.
constexpr std::array<TKapitalizacja, 5> kKapitalizacje = {
    TKapitalizacja::Dzienna, TKapitalizacja::Miesieczna, TKapitalizacja::Kwartalna,
    TKapitalizacja::Roczna, TKapitalizacja::PoOkresieUmowy};

constexpr int kWidoczneWiersze = 15;
constexpr int kMaksymalnaDlugoscNazwy = 255;
constexpr int kMaksymalnyOkres = 100000;
constexpr double kMaksymalneOprocentowanie = 100;
constexpr double kMaksymalnaKwota = 100000000000.0;
constexpr int kMaksymalnaDlugoscKwoty = 10;
constexpr int kSzerokoscOkna = 378;

const QString kNieMoznaEdytowac = QStringLiteral("Nie można edytować lokaty bankowej !!!\r");

QLabel* Uwaga(const char* nazwa, const QString& tekst, QWidget* rodzic) {
    auto* uwaga =
        new QLabel(QString(tekst).replace(QLatin1String("\r\n"), QLatin1String("\n")), rodzic);
    uwaga->setObjectName(QLatin1String(nazwa));
    uwaga->setWordWrap(true);
    return uwaga;
}

QCheckBox* Pole(const char* nazwa, const QString& tekst, QWidget* rodzic) {
    auto* pole = new QCheckBox(tekst, rodzic);
    pole->setObjectName(QLatin1String(nazwa));
    return pole;
}

TSpinLiczby* PoleKwoty(const char* nazwa, QWidget* rodzic) {
    auto* pole = new TSpinLiczby(TSpinLiczby::TRodzaj::Kwota, rodzic);
    pole->setObjectName(QLatin1String(nazwa));
    pole->setRange(0, kMaksymalnaKwota);
    pole->UstawMaksymalnaDlugosc(kMaksymalnaDlugoscKwoty);
    return pole;
}

QLineEdit* PoleTekstu(const char* nazwa, QWidget* rodzic) {
    auto* pole = new QLineEdit(rodzic);
    pole->setObjectName(QLatin1String(nazwa));
    return pole;
}

} // namespace

TFormDodajEdytujLokateBankowa::TFormDodajEdytujLokateBankowa(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("FormDodajEdytujLokateBankowa"));
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(8);
    setFont(tahoma);
    UtworzKontrolki();
    PolaczZdarzenia();
    UstawWalute();
    ZmianaDanych();
    UstawKlawiszPomocy(this, StronyPomocy::Oferta);
}

void TFormDodajEdytujLokateBankowa::UtworzKontrolki() {
    pan_1 = new THeaderPanel(QString(), TObrazekNaglowka::Lokaty, this);
    lbl_LB_Head = pan_1->HeadingLabel();
    lbl_LB_Head->setObjectName(QStringLiteral("lbl_LB_Head"));

    // Created in this order, which is also the order of the focus chain.
    QWidget* pola = UtworzPola();
    QWidget* odnosniki = UtworzOdnosniki();
    QWidget* przyciski = UtworzPrzyciskiDialogu(this, QStringLiteral("&OK"),
                                                QStringLiteral("&Anuluj"), btn_OK, btn_Cancel);
    UlozDialog(this, pan_1, {pola, odnosniki}, przyciski, kSzerokoscOkna);
}

// One grid for all fields, so that they line up.
QWidget* TFormDodajEdytujLokateBankowa::UtworzPola() {
    auto* pola = new QWidget(this);
    auto* siatka = new QGridLayout(pola);
    siatka->setContentsMargins(0, 0, 0, 0);
    siatka->setColumnStretch(1, 1);
    UtworzPolaOferty(siatka, pola);
    UtworzPolaWarunkow(siatka, pola);
    return pola;
}

void TFormDodajEdytujLokateBankowa::UtworzPolaOferty(QGridLayout* siatka, QWidget* pola) {

    cb_AddLB_Bank = new QComboBox(pola);
    cb_AddLB_Bank->setObjectName(QStringLiteral("cb_AddLB_Bank"));
    cb_AddLB_Bank->setEditable(true);
    cb_AddLB_Bank->setInsertPolicy(QComboBox::NoInsert);
    cb_AddLB_Bank->setMaxVisibleItems(kWidoczneWiersze);
    cb_AddLB_Bank->lineEdit()->setMaxLength(kMaksymalnaDlugoscNazwy);
    cb_AddLB_Bank->lineEdit()->installEventFilter(this);
    e_AddLB_Nazwa = PoleTekstu("e_AddLB_Nazwa", pola);
    e_AddLB_Nazwa->setMaxLength(kMaksymalnaDlugoscNazwy);
    e_AddLB_Nazwa->installEventFilter(this);

    se_AddLB_OkresDepozytu = new QSpinBox(pola);
    se_AddLB_OkresDepozytu->setObjectName(QStringLiteral("se_AddLB_OkresDepozytu"));
    se_AddLB_OkresDepozytu->setRange(1, kMaksymalnyOkres);
    se_AddLB_OkresDepozytu->setAlignment(Qt::AlignRight);
    cb_AddLB_JednostkaDepozytu = ListaJednostek("cb_AddLB_JednostkaDepozytu", pola);

    se_OprocentowanieWSkaliRoku = new TSpinLiczby(TSpinLiczby::TRodzaj::Procent, pola);
    se_OprocentowanieWSkaliRoku->setObjectName(QStringLiteral("se_OprocentowanieWSkaliRoku"));
    se_OprocentowanieWSkaliRoku->setRange(0, kMaksymalneOprocentowanie);
    se_OprocentowanieWSkaliRoku->setSingleStep(0.1);
    chk_addLB_OprocentowanieStale =
        Pole("chk_addLB_OprocentowanieStale",
             QStringLiteral("Oprocentowanie stałe w całym okresie lokaty"), pola);
    lbl1 = Uwaga(
        "lbl1",
        QStringLiteral("Czy oprocentowanie jest stałe lub zmienne w całym okresie lokaty ma "
                       "charakter czysto informacyjny.\r\nJeżeli lokata ma oprocentowanie zmienne "
                       "(np. różne w każdym miesiącu) należy odznaczyć powyższe pole wyboru a w "
                       "pole tekstowe \"Oprocentowanie w skali roku\" należy wprowadzić średnie "
                       "oprocentowanie w skali roku."),
        pola);
    cb_AddLB_Kapitalizacja = new QComboBox(pola);
    cb_AddLB_Kapitalizacja->setObjectName(QStringLiteral("cb_AddLB_Kapitalizacja"));
    cb_AddLB_Kapitalizacja->addItems(kNazwyKapitalizacji);

    int w = 0;
    siatka->addWidget(Etykieta(QStringLiteral("Bank:"), cb_AddLB_Bank, pola), w, 0);
    siatka->addWidget(cb_AddLB_Bank, w++, 1);
    siatka->addWidget(Etykieta(QStringLiteral("Nazwa:"), e_AddLB_Nazwa, pola), w, 0);
    siatka->addWidget(e_AddLB_Nazwa, w++, 1);
    siatka->addWidget(Etykieta(QStringLiteral("Okres depozytu:"), se_AddLB_OkresDepozytu, pola), w,
                      0);
    siatka->addWidget(se_AddLB_OkresDepozytu, w++, 1);
    siatka->addWidget(Etykieta(QStringLiteral("Jednostka:"), cb_AddLB_JednostkaDepozytu, pola), w,
                      0);
    siatka->addWidget(cb_AddLB_JednostkaDepozytu, w++, 1);
    siatka->addWidget(
        Etykieta(QStringLiteral("Oprocentowanie w skali roku:"), se_OprocentowanieWSkaliRoku, pola),
        w, 0);
    siatka->addWidget(se_OprocentowanieWSkaliRoku, w++, 1);
    siatka->addWidget(chk_addLB_OprocentowanieStale, w++, 0, 1, 2);
    siatka->addWidget(lbl1, w++, 0, 1, 2);
    siatka->addWidget(Etykieta(QStringLiteral("Kapitalizacja:"), cb_AddLB_Kapitalizacja, pola), w,
                      0);
    siatka->addWidget(cb_AddLB_Kapitalizacja, w++, 1);
}

void TFormDodajEdytujLokateBankowa::UtworzPolaWarunkow(QGridLayout* siatka, QWidget* pola) {

    se_KwotaMinimalna = PoleKwoty("se_KwotaMinimalna", pola);
    se_KwotaMaksymalna = PoleKwoty("se_KwotaMaksymalna", pola);
    lbl2 = Uwaga("lbl2",
                 QStringLiteral("W obu powyższych przypadkach 0 (zero) oznacza brak ograniczenia"),
                 pola);
    chk_WymaganeKontoOsobiste =
        Pole("chk_WymaganeKontoOsobiste",
             QStringLiteral("Wymagane konto osobiste w tym samym banku"), pola);
    chk_MozliwoscWczesniejszegoZerwania =
        Pole("chk_MozliwoscWczesniejszegoZerwania",
             QStringLiteral("Możliwość wcześniejszego zerwania lokaty"), pola);
    e_WarunkiWczesniejszegoZerwania = PoleTekstu("e_WarunkiWczesniejszegoZerwania", pola);
    e_WarunkiWczesniejszegoZerwania->installEventFilter(this);
    e_PozostaleInformacje = PoleTekstu("e_PozostaleInformacje", pola);
    e_PozostaleInformacje->installEventFilter(this);

    int w = siatka->rowCount();
    siatka->addWidget(Etykieta(QStringLiteral("Kwota minimalna:"), se_KwotaMinimalna, pola), w, 0);
    siatka->addWidget(se_KwotaMinimalna, w++, 1);
    siatka->addWidget(Etykieta(QStringLiteral("Kwota maksymalna:"), se_KwotaMaksymalna, pola), w,
                      0);
    siatka->addWidget(se_KwotaMaksymalna, w++, 1);
    siatka->addWidget(lbl2, w++, 0, 1, 2);
    siatka->addWidget(chk_WymaganeKontoOsobiste, w++, 0, 1, 2);
    siatka->addWidget(chk_MozliwoscWczesniejszegoZerwania, w++, 0, 1, 2);
    siatka->addWidget(Etykieta(QStringLiteral("Warunki wcześniejszego zerwania lokaty:"),
                               e_WarunkiWczesniejszegoZerwania, pola),
                      w++, 0, 1, 2);
    siatka->addWidget(e_WarunkiWczesniejszegoZerwania, w++, 0, 1, 2);
    siatka->addWidget(
        Etykieta(QStringLiteral("Pozostałe informacje:"), e_PozostaleInformacje, pola), w++, 0, 1,
        2);
    siatka->addWidget(e_PozostaleInformacje, w++, 0, 1, 2);
}

QWidget* TFormDodajEdytujLokateBankowa::UtworzOdnosniki() {
    const TOdnosnikiPartnerow odnosniki = UtworzOdnosnikiPartnerow(this);
    GridPanel1 = odnosniki.GridPanel1;
    _lbl1 = odnosniki._lbl1;
    _lbl4 = odnosniki._lbl4;
    _lbl3 = odnosniki._lbl3;
    return GridPanel1;
}

void TFormDodajEdytujLokateBankowa::PolaczZdarzenia() {
    using T = TFormDodajEdytujLokateBankowa;
    connect(cb_AddLB_Bank, &QComboBox::editTextChanged, this, &T::ZmianaDanych);
    connect(e_AddLB_Nazwa, &QLineEdit::textChanged, this, &T::ZmianaDanych);
    connect(se_AddLB_OkresDepozytu, &QSpinBox::valueChanged, this, &T::ZmianaDanych);
    connect(cb_AddLB_JednostkaDepozytu, &QComboBox::currentIndexChanged, this, &T::ZmianaDanych);
    connect(se_OprocentowanieWSkaliRoku, &QDoubleSpinBox::valueChanged, this, &T::ZmianaDanych);
    connect(cb_AddLB_Kapitalizacja, &QComboBox::currentIndexChanged, this, &T::ZmianaDanych);
    connect(se_KwotaMinimalna, &QDoubleSpinBox::valueChanged, this, &T::ZmianaDanych);
    connect(se_KwotaMaksymalna, &QDoubleSpinBox::valueChanged, this, &T::ZmianaDanych);
}

void TFormDodajEdytujLokateBankowa::UstawTytul(const QString& tytul) {
    setWindowTitle(tytul);
    lbl_LB_Head->setText(QLatin1Char(' ') + tytul);
}

QString TFormDodajEdytujLokateBankowa::Naglowek() const {
    return lbl_LB_Head->text();
}

void TFormDodajEdytujLokateBankowa::WypelnijBanki(const QStringList& banki) {
    cb_AddLB_Bank->clear();
    cb_AddLB_Bank->addItems(banki);
    cb_AddLB_Bank->setCurrentIndex(-1);
    cb_AddLB_Bank->clearEditText();
}

void TFormDodajEdytujLokateBankowa::UstawDomyslne() {
    cb_AddLB_Bank->setCurrentIndex(-1);
    cb_AddLB_Bank->clearEditText();
    e_AddLB_Nazwa->clear();
    se_AddLB_OkresDepozytu->setValue(1);
    UstawJednostke(TJednostkaOkresu::Miesiac);
    se_OprocentowanieWSkaliRoku->setValue(0);
    chk_addLB_OprocentowanieStale->setChecked(true);
    UstawKapitalizacje(TKapitalizacja::PoOkresieUmowy);
    se_KwotaMinimalna->setValue(0);
    se_KwotaMaksymalna->setValue(0);
    chk_WymaganeKontoOsobiste->setChecked(false);
    chk_MozliwoscWczesniejszegoZerwania->setChecked(false);
    e_WarunkiWczesniejszegoZerwania->clear();
    e_PozostaleInformacje->clear();
}

void TFormDodajEdytujLokateBankowa::UstawHarmonogram(const THarmonogramLokatyBankowej& h) {
    const int bank = cb_AddLB_Bank->findText(h.fBank, Qt::MatchExactly | Qt::MatchCaseSensitive);
    cb_AddLB_Bank->setCurrentIndex(bank);
    if (bank < 0)
        cb_AddLB_Bank->setEditText(h.fBank);
    e_AddLB_Nazwa->setText(h.fNazwaHarmonogramu);
    se_AddLB_OkresDepozytu->setValue(
        static_cast<int>(std::min<uint32_t>(h.fOkresDepozytu, kMaksymalnyOkres)));
    UstawJednostke(h.fJednostkaDepozytu);
    se_OprocentowanieWSkaliRoku->setValue(h.fOprocentowanieWSkaliRoku);
    chk_addLB_OprocentowanieStale->setChecked(h.fOprocentowanieStaleWCalymOkresieLokaty);
    UstawKapitalizacje(h.fKapitalizacja);
    se_KwotaMinimalna->setValue(h.fKwotaMinimalna);
    se_KwotaMaksymalna->setValue(h.fKwotaMaksymalna);
    chk_WymaganeKontoOsobiste->setChecked(h.fWymaganeKontoOsobisteWTymBanku);
    chk_MozliwoscWczesniejszegoZerwania->setChecked(h.fMozliwoscWczesniejszegoZerwaniaLokaty);
    e_WarunkiWczesniejszegoZerwania->setText(h.fWarunkiWczesniejszegoZerwaniaLokaty);
    e_PozostaleInformacje->setText(h.fPozostaleInformacje);
}

void TFormDodajEdytujLokateBankowa::UstawJednostke(TJednostkaOkresu jednostka) {
    ::UstawJednostke(cb_AddLB_JednostkaDepozytu, jednostka);
}

TJednostkaOkresu TFormDodajEdytujLokateBankowa::Jednostka() const {
    return JednostkaZListy(cb_AddLB_JednostkaDepozytu);
}

void TFormDodajEdytujLokateBankowa::UstawKapitalizacje(TKapitalizacja kapitalizacja) {
    const auto pozycja = std::find(kKapitalizacje.begin(), kKapitalizacje.end(), kapitalizacja);
    cb_AddLB_Kapitalizacja->setCurrentIndex(
        pozycja == kKapitalizacje.end() ? -1 : static_cast<int>(pozycja - kKapitalizacje.begin()));
}

TKapitalizacja TFormDodajEdytujLokateBankowa::Kapitalizacja() const {
    const int pozycja = cb_AddLB_Kapitalizacja->currentIndex();
    if (pozycja < 0 || pozycja >= static_cast<int>(kKapitalizacje.size()))
        return TKapitalizacja::Brak;
    return kKapitalizacje[static_cast<std::size_t>(pozycja)];
}

bool TFormDodajEdytujLokateBankowa::ZapiszW(THarmonogramLokatyBankowej& h) {
    const QString bank = OczyscNazwe(cb_AddLB_Bank->currentText());
    cb_AddLB_Bank->setEditText(bank);
    if (JestPustyTekst(bank)) {
        PokazBlad(kNieMoznaEdytowac +
                  QStringLiteral("Upewnij się, że nazwa banku została wpisana poprawnie."));
        return false;
    }
    const QString nazwa = OczyscNazwe(e_AddLB_Nazwa->text());
    e_AddLB_Nazwa->setText(nazwa);
    if (JestPustyTekst(nazwa)) {
        PokazBlad(kNieMoznaEdytowac + QStringLiteral("Upewnij się, że nazwa lokaty bankowej "
                                                     "została wpisana poprawnie."));
        return false;
    }
    h.fBank = bank;
    h.fNazwaHarmonogramu = nazwa;
    h.fOkresDepozytu = static_cast<uint32_t>(se_AddLB_OkresDepozytu->value());
    h.fJednostkaDepozytu = Jednostka();
    h.fKapitalizacja = Kapitalizacja();
    h.fOprocentowanieWSkaliRoku = se_OprocentowanieWSkaliRoku->value();
    h.fKwotaMinimalna = se_KwotaMinimalna->value();
    h.fKwotaMaksymalna = se_KwotaMaksymalna->value();
    h.fOprocentowanieStaleWCalymOkresieLokaty = chk_addLB_OprocentowanieStale->isChecked();
    h.fWymaganeKontoOsobisteWTymBanku = chk_WymaganeKontoOsobiste->isChecked();
    h.fMozliwoscWczesniejszegoZerwaniaLokaty = chk_MozliwoscWczesniejszegoZerwania->isChecked();
    h.fWarunkiWczesniejszegoZerwaniaLokaty = e_WarunkiWczesniejszegoZerwania->text();
    h.fPozostaleInformacje = e_PozostaleInformacje->text();
    h.fHarmonogramDodanyPrzezUzytkownika = true;
    return true;
}

void TFormDodajEdytujLokateBankowa::ZmianaDanych() {
    btn_OK->setEnabled(
        !cb_AddLB_Bank->currentText().isEmpty() && !e_AddLB_Nazwa->text().isEmpty() &&
        se_AddLB_OkresDepozytu->value() > 0 && cb_AddLB_JednostkaDepozytu->currentIndex() >= 0 &&
        se_OprocentowanieWSkaliRoku->value() > 0 && cb_AddLB_Kapitalizacja->currentIndex() >= 0);
}

void TFormDodajEdytujLokateBankowa::UstawWalute() {
    se_KwotaMinimalna->UstawWalute(UstawieniaFormatow.CurrencyString);
    se_KwotaMaksymalna->UstawWalute(UstawieniaFormatow.CurrencyString);
}

void TFormDodajEdytujLokateBankowa::showEvent(QShowEvent* event) {
    UstawWalute();
    ZmianaDanych();
    QDialog::showEvent(event);
}

bool TFormDodajEdytujLokateBankowa::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    return WpisujeZakazanyZnak(zdarzenie) || QDialog::eventFilter(obiekt, zdarzenie);
}
