#include "ui/import/TFormPobieranieListyBankow.h"

#include "platform/IBackgroundWork.h"
#include "platform/Platform.h"
#include "ui/import/TPasekOczekiwania.h"
#include "ui/import/WyborWierszy.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kSzerokosc = 380;

} // namespace

TFormPobieranieListyBankow::TFormPobieranieListyBankow(const QString& adresListy,
                                                       const QString& adresStrony, QWidget* owner)
    : QDialog(owner), fAdresListy(adresListy), fAdresStrony(adresStrony) {
    setObjectName(QStringLiteral("FormPobieranieListyBankow"));
    setWindowTitle(QStringLiteral("Import lokat"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    lbl_TrwaPobieranie =
        new QLabel(QStringLiteral("Trwa pobieranie listy banków ... proszę czekać"), this);
    lbl_TrwaPobieranie->setObjectName(QStringLiteral("lbl_TrwaPobieranie"));
    lbl_TrwaPobieranie->setAlignment(Qt::AlignCenter);
    bar_TrwaPobieranie = new TPasekOczekiwania(this);
    btn_Cancel = UtworzPrzycisk("btn_Cancel", QStringLiteral("&Anuluj"), this);
    connect(btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(btn_Cancel);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(lbl_TrwaPobieranie);
    uklad->addWidget(bar_TrwaPobieranie);
    uklad->addLayout(przyciski);
    setFixedWidth(kSzerokosc);

    fPobieranie =
        Platform::backgroundWork().createWorker(this, QStringLiteral("PobierzListeBankow"));
}

TFormPobieranieListyBankow::~TFormPobieranieListyBankow() {
    Zatrzymaj();
    fPobieranie.reset();
}

void TFormPobieranieListyBankow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (fPokazano)
        return;
    fPokazano = true;
    // Started from the window's event loop rather than from here: a download
    // that ended at once must close a window that is already running modally.
    QMetaObject::invokeMethod(
        this, [this] { UruchomPobieranie(); }, Qt::QueuedConnection);
}

void TFormPobieranieListyBankow::UruchomPobieranie() {
    if (fZamknieto)
        return;
    auto banki = std::make_shared<TMapaBankow>();
    try {
        fPobieranie->start(
            [adres = fAdresListy, strona = fAdresStrony, banki](const std::atomic<bool>& stop) {
                *banki = PobierzListeBankow(adres, strona, &stop);
            },
            [this, banki](const std::exception_ptr& blad) { PobieranieZakonczone(blad, banki); });
    } catch (const std::exception& blad) {
        fBlad = QString::fromUtf8(blad.what());
        reject();
    }
}

void TFormPobieranieListyBankow::PobieranieZakonczone(const std::exception_ptr& blad,
                                                      const std::shared_ptr<TMapaBankow>& banki) {
    if (fZamknieto)
        return;
    if (blad) {
        fBlad = BackgroundErrorMessage(blad);
        reject();
        return;
    }
    fBanki = std::move(*banki);
    accept();
}

void TFormPobieranieListyBankow::Zatrzymaj() {
    fPobieranie->requestStop();
    fPobieranie->waitForBody();
}

void TFormPobieranieListyBankow::done(int wynik) {
    // A window closed before the download ended stops it; a late finish
    // step then does nothing. (Closed by the finish step, it has nothing to
    // wait for.)
    fZamknieto = true;
    if (fPobieranie->isRunning())
        Zatrzymaj();
    QDialog::done(wynik);
}
