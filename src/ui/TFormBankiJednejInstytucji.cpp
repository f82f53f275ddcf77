#include "ui/TFormBankiJednejInstytucji.h"

#include "ui/PomocOkien.h"
#include "ui/PrzyciskiDialogu.h"
#include "ui/THeaderPanel.h"
#include "ui/UkladDialogu.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kSzerokoscOkna = 620;

QComboBox* PoleBanku(const QStringList& banki, const QString& bank) {
    auto* pole = new QComboBox;
    pole->setEditable(true);
    pole->addItems(banki);
    pole->setCurrentText(bank);
    pole->setInsertPolicy(QComboBox::NoInsert);
    return pole;
}

QString Nazwa(const QTableWidget* tabela, int wiersz, int kolumna) {
    const auto* pole = qobject_cast<const QComboBox*>(tabela->cellWidget(wiersz, kolumna));
    return pole ? pole->currentText().trimmed() : QString();
}

} // namespace

TFormBankiJednejInstytucji::TFormBankiJednejInstytucji(const std::vector<TParaBankow>& pary,
                                                       const QStringList& banki, QWidget* owner)
    : QDialog(owner), fBanki(banki) {
    setObjectName(QStringLiteral("FormBankiJednejInstytucji"));
    setWindowTitle(QStringLiteral("Banki jednej instytucji"));
    pan_1 = new THeaderPanel(QStringLiteral(" Które banki są jedną instytucją (gwarancja BFG)?"),
                             TObrazekNaglowka::LokatyBankowe, this);
    QWidget* tabela = UtworzTabele();
    QWidget* przyciski = UtworzPrzyciskiDialogu(this, QStringLiteral("OK"),
                                                QStringLiteral("Anuluj"), btn_OK, btn_Cancel);
    UlozDialog(this, pan_1, {tabela}, przyciski, kSzerokoscOkna);
    for (const auto& para : pary)
        DodajWiersz(para.first, para.second);
    UstawKlawiszPomocy(this, StronyPomocy::Lokaty);
}

QWidget* TFormBankiJednejInstytucji::UtworzTabele() {
    auto* tresc = new QWidget(this);
    auto* opis = new QLabel(
        QStringLiteral("Gwarancja Bankowego Funduszu Gwarancyjnego obejmuje wszystkie pieniądze "
                       "w jednym banku, także pod jego różnymi markami. Wpisz pary nazw, które "
                       "oznaczają ten sam bank; ich lokaty zostaną zsumowane."),
        tresc);
    opis->setWordWrap(true);
    tbl_Pary = new QTableWidget(0, 2, tresc);
    tbl_Pary->setObjectName(QStringLiteral("tbl_Pary"));
    tbl_Pary->setAccessibleName(QStringLiteral("Pary banków jednej instytucji"));
    tbl_Pary->setHorizontalHeaderLabels(
        {QStringLiteral("Bank"), QStringLiteral("Ten sam bank pod inną nazwą")});
    tbl_Pary->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tbl_Pary->verticalHeader()->hide();
    tbl_Pary->setSelectionBehavior(QAbstractItemView::SelectRows);
    tbl_Pary->setSelectionMode(QAbstractItemView::SingleSelection);
    tbl_Pary->setMinimumHeight(180);
    opis->setBuddy(tbl_Pary);
    btn_DodajPare = new QPushButton(QStringLiteral("&Dodaj parę"), tresc);
    btn_DodajPare->setObjectName(QStringLiteral("btn_DodajPare"));
    btn_UsunPare = new QPushButton(QStringLiteral("&Usuń parę"), tresc);
    btn_UsunPare->setObjectName(QStringLiteral("btn_UsunPare"));
    connect(btn_DodajPare, &QPushButton::clicked, this, [this] {
        DodajWiersz(QString(), QString());
        tbl_Pary->setCurrentCell(tbl_Pary->rowCount() - 1, 0);
        tbl_Pary->cellWidget(tbl_Pary->rowCount() - 1, 0)->setFocus();
    });
    connect(btn_UsunPare, &QPushButton::clicked, this, [this] {
        if (tbl_Pary->currentRow() >= 0)
            tbl_Pary->removeRow(tbl_Pary->currentRow());
    });
    auto* boczne = new QVBoxLayout;
    boczne->addWidget(btn_DodajPare);
    boczne->addWidget(btn_UsunPare);
    boczne->addStretch(1);
    auto* wiersz = new QHBoxLayout;
    wiersz->addWidget(tbl_Pary, 1);
    wiersz->addLayout(boczne);
    auto* uklad = new QVBoxLayout(tresc);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(opis);
    uklad->addLayout(wiersz, 1);
    return tresc;
}

void TFormBankiJednejInstytucji::DodajWiersz(const QString& bank, const QString& drugi) {
    const int wiersz = tbl_Pary->rowCount();
    tbl_Pary->insertRow(wiersz);
    for (int kolumna = 0; kolumna < 2; ++kolumna) {
        QComboBox* pole = PoleBanku(fBanki, kolumna == 0 ? bank : drugi);
        pole->setAccessibleName(
            QStringLiteral("%1, para %2")
                .arg(kolumna == 0 ? QStringLiteral("Bank") : QStringLiteral("Ten sam bank"))
                .arg(wiersz + 1));
        tbl_Pary->setCellWidget(wiersz, kolumna, pole);
    }
}

std::vector<TParaBankow> TFormBankiJednejInstytucji::Pary() const {
    std::vector<TParaBankow> pary;
    for (int wiersz = 0; wiersz < tbl_Pary->rowCount(); ++wiersz) {
        const QString bank = Nazwa(tbl_Pary, wiersz, 0);
        const QString drugi = Nazwa(tbl_Pary, wiersz, 1);
        if (!bank.isEmpty() && !drugi.isEmpty() && bank != drugi)
            pary.emplace_back(bank, drugi);
    }
    return pary;
}
