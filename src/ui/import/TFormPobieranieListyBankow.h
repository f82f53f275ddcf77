#pragma once
#include "import/ListaBankow.h"

#include <QDialog>
#include <QString>
#include <exception>
#include <memory>

class IBackgroundWorker;
class QLabel;
class QPushButton;
class TPasekOczekiwania;

// The small waiting window of the web import: it downloads the site's bank
// list on a background worker while its bar moves, so the program answers
// clicks and keys meanwhile. It closes by itself once the download has ended:
// accepted with the banks (Banki()), or rejected with the download's error
// (Blad()). "Anuluj", Esc or the close box stop the download at once and
// reject with no error.
class TFormPobieranieListyBankow : public QDialog {
    Q_OBJECT

public:
    // The list page and the site's base address its links are made absolute with.
    TFormPobieranieListyBankow(const QString& adresListy, const QString& adresStrony,
                               QWidget* owner = nullptr);
    // Stops the download and waits until its body has ended.
    ~TFormPobieranieListyBankow() override;

    const TMapaBankow& Banki() const { return fBanki; }
    // The message of a failed download; empty after a success or a cancel.
    const QString& Blad() const { return fBlad; }

    QLabel* lbl_TrwaPobieranie;
    TPasekOczekiwania* bar_TrwaPobieranie;
    QPushButton* btn_Cancel;

public slots:
    void done(int wynik) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void UruchomPobieranie();
    void PobieranieZakonczone(const std::exception_ptr& blad,
                              const std::shared_ptr<TMapaBankow>& banki);
    void Zatrzymaj();

    QString fAdresListy;
    QString fAdresStrony;
    TMapaBankow fBanki;
    QString fBlad;
    std::unique_ptr<IBackgroundWorker> fPobieranie;
    bool fPokazano = false;
    bool fZamknieto = false;
};
