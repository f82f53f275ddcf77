#include "ui/import/TFormImportLokatBanki.h"

#include "platform/WebAddresses.h"
#include "ui/PomocOkien.h"
#include "ui/THeaderPanel.h"
#include "ui/import/WyborWierszy.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kSzerokoscKlienta = 394;
constexpr int kWysokoscKlienta = 429;
constexpr int kWysokoscDolnegoPanelu = 48;
constexpr int kKolumnaAdresu = 1;

} // namespace

TFormImportLokatBanki::TFormImportLokatBanki(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("FormImportLokatBanki"));
    setWindowTitle(QStringLiteral("Import lokat"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setMinimumSize(400, 240);
    pan_1 = new THeaderPanel(QString(), TObrazekNaglowka::Import, this);
    lbl_ImportLBanki_Head = pan_1->HeadingLabel();
    lbl_ImportLBanki_Head->setObjectName(QStringLiteral("lbl_ImportLBanki_Head"));

    lv_ImportLBanki_Banki = new QTreeWidget(this);
    lv_ImportLBanki_Banki->setAccessibleName(QStringLiteral("Banki"));
    lv_ImportLBanki_Banki->setObjectName(QStringLiteral("lv_ImportLBanki_Banki"));
    lv_ImportLBanki_Banki->setRootIsDecorated(false);
    lv_ImportLBanki_Banki->setUniformRowHeights(true);
    lv_ImportLBanki_Banki->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv_ImportLBanki_Banki->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv_ImportLBanki_Banki->setHeaderLabels(
        {QStringLiteral("Nazwa banku"), QStringLiteral("Adres URL")});
    lv_ImportLBanki_Banki->header()->setStretchLastSection(false);
    PopupMenu1 = UtworzMenuWyboru(*lv_ImportLBanki_Banki, *this, Wybierzwszystkie1, Pomiwszystkie1);

    lbl1 = new QLabel(QStringLiteral("Zestawienie lokat bankowych pochodzi ze strony ") +
                          WebAddresses::RatesSite(),
                      this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->setAlignment(Qt::AlignCenter);
    lbl1->setWordWrap(true);
    lbl1->setContentsMargins(4, 4, 4, 4);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(pan_1);
    uklad->addWidget(lv_ImportLBanki_Banki, 1);
    uklad->addWidget(lbl1);
    uklad->addWidget(UtworzDolnyPanel());
    resize(kSzerokoscKlienta, kWysokoscKlienta);

    connect(lv_ImportLBanki_Banki, &QTreeWidget::itemChanged, this,
            [this] { lv_ImportLBanki_BankiItemChecked(); });
    connect(Wybierzwszystkie1, &QAction::triggered, this,
            &TFormImportLokatBanki::Wybierzwszystkie1Click);
    connect(Pomiwszystkie1, &QAction::triggered, this, &TFormImportLokatBanki::Pomiwszystkie1Click);
    UstawKlawiszPomocy(this, StronyPomocy::WyborBankow);
}

QWidget* TFormImportLokatBanki::UtworzDolnyPanel() {
    auto* pnl2 = new QWidget(this);
    pnl2->setObjectName(QStringLiteral("pnl2"));
    pnl2->setFixedHeight(kWysokoscDolnegoPanelu);
    btn_WybierzPominWszystkie = UtworzPrzycisk("btn_WybierzPominWszystkie",
                                               QStringLiteral("&Wybierz/Pomiń\r\nwszystkie"), pnl2);
    btn_Cancel = UtworzPrzycisk("btn_Cancel", QStringLiteral("&Anuluj"), pnl2);
    btn_OK = UtworzPrzycisk("btn_OK", QStringLiteral("&OK"), pnl2);
    btn_OK->setToolTip(QStringLiteral(
        "Kliknij, aby pobrać informacje o lokatach dla wybranych z powyższej listy banków"));
    btn_OK->setDefault(true);
    btn_OK->setAutoDefault(true);
    for (QPushButton* przycisk : {btn_WybierzPominWszystkie, btn_Cancel, btn_OK})
        przycisk->setMinimumHeight(kWysokoscDolnegoPanelu - 8);
    auto* uklad = new QHBoxLayout(pnl2);
    uklad->setContentsMargins(6, 4, 6, 4);
    uklad->addWidget(btn_WybierzPominWszystkie);
    uklad->addStretch(1);
    uklad->addWidget(btn_Cancel);
    uklad->addWidget(btn_OK);
    connect(btn_WybierzPominWszystkie, &QPushButton::clicked, this,
            &TFormImportLokatBanki::btn_WybierzPominWszystkieClick);
    connect(btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    return pnl2;
}

void TFormImportLokatBanki::WypelnijBanki(const TMapaBankow& banki) {
    const QSignalBlocker cicho(lv_ImportLBanki_Banki);
    lv_ImportLBanki_Banki->clear();
    QList<QTreeWidgetItem*> wiersze;
    for (const QString& nazwa : PosortowaneNazwyBankow(banki)) {
        auto* wiersz = new QTreeWidgetItem(QStringList{nazwa, banki.value(nazwa)});
        wiersz->setFlags(wiersz->flags() | Qt::ItemIsUserCheckable);
        wiersz->setCheckState(0, Qt::Unchecked);
        wiersze.append(wiersz);
    }
    lv_ImportLBanki_Banki->addTopLevelItems(wiersze);
    AktualizujNaglowek();
}

TMapaBankow TFormImportLokatBanki::WybraneBanki() const {
    TMapaBankow wybrane;
    for (int i = 0; i < IloscWierszy(); ++i) {
        const QTreeWidgetItem* wiersz = lv_ImportLBanki_Banki->topLevelItem(i);
        if (wiersz->checkState(0) == Qt::Checked)
            wybrane.insert(wiersz->text(0), wiersz->text(kKolumnaAdresu));
    }
    return wybrane;
}

int TFormImportLokatBanki::IloscWierszy() const {
    return lv_ImportLBanki_Banki->topLevelItemCount();
}

int TFormImportLokatBanki::IloscZaznaczonych() const {
    return IloscZaznaczonychWierszy(*lv_ImportLBanki_Banki);
}

void TFormImportLokatBanki::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFormImportLokatBanki::FormShow() {
    // The link column is kept out of sight and cannot be widened.
    QHeaderView* naglowek = lv_ImportLBanki_Banki->header();
    naglowek->setMinimumSectionSize(0);
    naglowek->setSectionResizeMode(kKolumnaAdresu, QHeaderView::Fixed);
    lv_ImportLBanki_Banki->setColumnHidden(kKolumnaAdresu, true);
    FormResize();
    btn_OK->setEnabled(false);
    AktualizujNaglowek();
    lv_ImportLBanki_Banki->setFocus();
}

void TFormImportLokatBanki::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

void TFormImportLokatBanki::FormResize() {
    lv_ImportLBanki_Banki->setColumnWidth(0, lv_ImportLBanki_Banki->viewport()->width() - 2);
}

void TFormImportLokatBanki::lv_ImportLBanki_BankiItemChecked() {
    btn_OK->setEnabled(IloscZaznaczonych() > 0);
    AktualizujNaglowek();
}

void TFormImportLokatBanki::AktualizujNaglowek() {
    QString tekst = QStringLiteral("Wybierz banki, których lokaty chcesz zaimportować");
    if (IloscWierszy() > 0)
        tekst += QStringLiteral(" (%1/%2)").arg(IloscZaznaczonych()).arg(IloscWierszy());
    lbl_ImportLBanki_Head->setText(tekst);
}

void TFormImportLokatBanki::ZaznaczWszystkie(bool zaznacz) {
    // The check handler runs for every row.
    ZaznaczWszystkieWiersze(*lv_ImportLBanki_Banki, zaznacz);
}

void TFormImportLokatBanki::Wybierzwszystkie1Click() {
    ZaznaczWszystkie(true);
}

void TFormImportLokatBanki::Pomiwszystkie1Click() {
    ZaznaczWszystkie(false);
}

void TFormImportLokatBanki::btn_WybierzPominWszystkieClick() {
    ZaznaczWszystkie(PrzelaczWyborWszystkich(*btn_WybierzPominWszystkie));
}
