#include "ui/TFormDodajZyskZLokatyDoOszczednosci.h"

#include "app/Komunikaty.h"
#include "format/Formatowanie.h"
#include "format/Pomocnicze.h"
#include "format/TFormatSettings.h"
#include "ui/PomocOkien.h"
#include "ui/PrzyciskiDialogu.h"
#include "ui/THeaderPanel.h"
#include "ui/TKwotaEdit.h"
#include "ui/UkladDialogu.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kWidoczneWiersze = 15;
constexpr int kSzerokoscOkna = 466;
constexpr int kKolumnaId = 0;
constexpr int kKolumnaOpisu = 1;
constexpr int kKolumnaKwoty = 2;

QString NaEkran(QString tekst) {
    return tekst.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString TekstAktualnejKwoty(double kwota) {
    return QStringLiteral("Aktualna kwota powyższej oszczędności: %1").arg(FormatMoney(kwota));
}

} // namespace

TFormDodajZyskZLokatyDoOszczednosci::TFormDodajZyskZLokatyDoOszczednosci(QWidget* owner)
    : QDialog(owner) {
    setObjectName(QStringLiteral("FormDodajZyskZLokatyDoOszczednosci"));
    setWindowTitle(QStringLiteral("Dodaj zysk z lokaty do oszczędności"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    UtworzKontrolki();
    connect(e_AddZysk_Ile, &QLineEdit::textChanged, this,
            &TFormDodajZyskZLokatyDoOszczednosci::ZmianaDanych);
    connect(cbb_AddZysk_Oszczednosc, &QComboBox::currentIndexChanged, this,
            &TFormDodajZyskZLokatyDoOszczednosci::ZmianaDanych);
    ZmianaDanych();
    UstawKlawiszPomocy(this, StronyPomocy::ZyskZLokaty);
}

void TFormDodajZyskZLokatyDoOszczednosci::UtworzKontrolki() {
    pan_1 = new THeaderPanel(QStringLiteral("Zysk z lokaty"), TObrazekNaglowka::Zysk, this);
    lbl_AddZysk_Head = pan_1->HeadingLabel();
    lbl_AddZysk_Head->setObjectName(QStringLiteral("lbl_AddZysk_Head"));

    lbl_Info = new QLabel(this);
    lbl_Info->setObjectName(QStringLiteral("lbl_Info"));
    lbl_Info->setWordWrap(true);
    lbl_Info->setTextFormat(Qt::PlainText);
    QFont czcionka = lbl_Info->font();
    czcionka.setPixelSize(13);
    lbl_Info->setFont(czcionka);

    lbl3 = new QLabel(QStringLiteral("Nowy typ oszczędności można dodać w głównym oknie "
                                     "programu na zakładce Oszczędności."),
                      this);
    lbl3->setObjectName(QStringLiteral("lbl3"));
    lbl3->setWordWrap(true);

    // Created in this order, which is also the order of the focus chain.
    QWidget* pola = UtworzPola();
    QWidget* przyciski = UtworzPrzyciski();
    UlozDialog(this, pan_1, {lbl_Info, pola, lbl3}, przyciski, kSzerokoscOkna);
}

QWidget* TFormDodajZyskZLokatyDoOszczednosci::UtworzPola() {
    auto* pola = new QWidget(this);
    auto* siatka = new QGridLayout(pola);
    siatka->setContentsMargins(0, 0, 0, 0);
    siatka->setColumnStretch(1, 1);

    e_AddZysk_Ile = new TKwotaEdit(pola);
    e_AddZysk_Ile->setObjectName(QStringLiteral("e_AddZysk_Ile"));
    lbl1 = new QLabel(QStringLiteral("Zysk z lokaty:"), pola);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->setBuddy(e_AddZysk_Ile);

    cbb_AddZysk_Oszczednosc = new QComboBox(pola);
    cbb_AddZysk_Oszczednosc->setObjectName(QStringLiteral("cbb_AddZysk_Oszczednosc"));
    cbb_AddZysk_Oszczednosc->setMaxVisibleItems(kWidoczneWiersze);
    lbl2 = new QLabel(QStringLiteral("Wpłać zarobione pieniądze na:"), pola);
    lbl2->setObjectName(QStringLiteral("lbl2"));
    lbl2->setBuddy(cbb_AddZysk_Oszczednosc);

    lbl_PrzelejL_Kwota = new QLabel(pola);
    lbl_PrzelejL_Kwota->setObjectName(QStringLiteral("lbl_PrzelejL_Kwota"));

    siatka->addWidget(lbl1, 0, 0);
    siatka->addWidget(e_AddZysk_Ile, 0, 1);
    siatka->addWidget(lbl2, 1, 0);
    siatka->addWidget(cbb_AddZysk_Oszczednosc, 1, 1);
    siatka->addWidget(lbl_PrzelejL_Kwota, 2, 1);
    return pola;
}

QWidget* TFormDodajZyskZLokatyDoOszczednosci::UtworzPrzyciski() {
    return UtworzPrzyciskiDialogu(this, QStringLiteral("&Dodaj"),
                                  QStringLiteral("&Nie dodawaj zysku z tej lokaty"), btn_OK,
                                  btn_Cancel);
}

QString TFormDodajZyskZLokatyDoOszczednosci::TekstInformacji(const QString& nazwaLokaty,
                                                             TZrodloZysku zrodlo, double zysk,
                                                             const QString& warunki) {
    QString tekst = QStringLiteral("Lokata \"%1\" została zakończona").arg(nazwaLokaty);
    switch (zrodlo) {
    case TZrodloZysku::BezOferty:
        tekst += QStringLiteral(".\rSzacowany zysk z lokaty nie został policzony, nie wybrano "
                                "lokaty bankowej.");
        break;
    case TZrodloZysku::Bank:
        tekst += QStringLiteral(".\rZysk wypłacany przez bank (odsetki po potrąceniu 19 % "
                                "podatku): ") +
                 FormatMoney(zysk);
        break;
    case TZrodloZysku::PrzedTerminem:
        tekst += QStringLiteral(" przed terminem.\rWarunki wcześniejszego zerwania lokaty: ") +
                 (warunki.trimmed().isEmpty() ? QStringLiteral("oferta ich nie podaje.")
                                              : warunki.trimmed()) +
                 QStringLiteral("\rO wypłaconych odsetkach decydują warunki banku: wpisz kwotę, "
                                "którą bank wypłacił.");
        break;
    case TZrodloZysku::PozaZakresem:
        tekst += QStringLiteral(".\rZysk z lokaty nie został policzony: kwota lub "
                                "oprocentowanie są poza zakresem dokładnych obliczeń.");
        break;
    }
    return tekst + QStringLiteral("\r\rCzy chcesz dodać zysk z lokaty do oszczędności ?");
}

void TFormDodajZyskZLokatyDoOszczednosci::UstawInformacje(const QString& tekst) {
    fInformacja = tekst;
    lbl_Info->setText(NaEkran(tekst));
}

void TFormDodajZyskZLokatyDoOszczednosci::UstawZysk(double zysk, int maksymalnaDlugosc,
                                                    double maksymalnaWartosc) {
    e_AddZysk_Ile->setMaxLength(maksymalnaDlugosc);
    e_AddZysk_Ile->setMaximum(maksymalnaWartosc);
    e_AddZysk_Ile->setValue(zysk);
}

double TFormDodajZyskZLokatyDoOszczednosci::Kwota() const {
    return e_AddZysk_Ile->value();
}

void TFormDodajZyskZLokatyDoOszczednosci::WypelnijOszczednosci(const TTabDwuwymiarowa& tablica) {
    tab_Oszczednosci = tablica;
    cbb_AddZysk_Oszczednosc->clear();
    for (int wiersz = 0; wiersz < tab_Oszczednosci.size(); ++wiersz) {
        const QStringList& komorki = tab_Oszczednosci[wiersz];
        if (komorki.size() > kKolumnaOpisu && !komorki[kKolumnaOpisu].isEmpty())
            cbb_AddZysk_Oszczednosc->addItem(komorki[kKolumnaOpisu], wiersz);
    }
    lbl_PrzelejL_Kwota->clear();
    cbb_AddZysk_Oszczednosc->setCurrentIndex(cbb_AddZysk_Oszczednosc->count() > 0 ? 0 : -1);
    ZmianaDanych();
}

const QStringList* TFormDodajZyskZLokatyDoOszczednosci::WierszWybranejOszczednosci() const {
    if (cbb_AddZysk_Oszczednosc->currentIndex() < 0)
        return nullptr;
    const int wiersz = cbb_AddZysk_Oszczednosc->currentData().toInt();
    if (wiersz < 0 || wiersz >= tab_Oszczednosci.size())
        return nullptr;
    return &tab_Oszczednosci[wiersz];
}

QString TFormDodajZyskZLokatyDoOszczednosci::WybranaOszczednosc() const {
    const QStringList* wiersz = WierszWybranejOszczednosci();
    return wiersz ? wiersz->value(kKolumnaOpisu) : QString();
}

// The id is taken from the chosen row itself, so that two savings shown under
// the same description are still told apart.
int32_t TFormDodajZyskZLokatyDoOszczednosci::IdWybranejOszczednosci() const {
    const QStringList* wiersz = WierszWybranejOszczednosci();
    if (!wiersz)
        return -1;
    bool liczba = false;
    const int32_t id = wiersz->value(kKolumnaId).toInt(&liczba);
    return liczba ? id : -1;
}

void TFormDodajZyskZLokatyDoOszczednosci::ZmianaDanych() {
    const QStringList* wiersz = WierszWybranejOszczednosci();
    btn_OK->setEnabled(wiersz && !e_AddZysk_Ile->text().isEmpty());
    if (wiersz)
        lbl_PrzelejL_Kwota->setText(
            TekstAktualnejKwoty(KwotaZTekstu(wiersz->value(kKolumnaKwoty))));
}

void TFormDodajZyskZLokatyDoOszczednosci::accept() {
    if (!(Kwota() > 0)) {
        kliknietoOK = false;
        PokazBlad(QStringLiteral("Podano nieprawidłową kwotę !!!"));
        return;
    }
    kliknietoOK = true;
    QDialog::accept();
}

void TFormDodajZyskZLokatyDoOszczednosci::reject() {
    kliknietoOK = false;
    QDialog::reject();
}

void TFormDodajZyskZLokatyDoOszczednosci::showEvent(QShowEvent* event) {
    e_AddZysk_Ile->setCurrencySymbol(UstawieniaFormatow.CurrencyString);
    ZmianaDanych();
    QDialog::showEvent(event);
}
