#pragma once
#include "domain/THarmonogramLokatyBankowej.h"
#include <QTemporaryDir>
#include <memory>

#include <QDialog>
#include <QMetaObject>
#include <QString>
#include <exception>
#include <memory>
#include <vector>

class IBackgroundWorker;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;
class TFormSize;
class THeaderPanel;
class TKomorkiHarmonogramow;
class TListaRaportowa;
class TPasekOczekiwania;
struct TWierszRaportu;

// The import window: the offers of one source, of which the user ticks those
// to take into the catalogue. Download mode (Bank set) fetches the bank's
// offer page from AdresURLdoStronyZLokatami and parses it; file mode (Bank
// empty) reads the offer file at AdresURLdoStronyZLokatami. Both run their
// slow part on a background worker while the window shows the waiting panel.
//
// The rows own their offers. After OK the opener takes the ticked ones with
// WezOferte; every offer left is released with the window.
class TFormParserLokatBankowych : public QDialog {
    Q_OBJECT

public:
    using TOferta = std::unique_ptr<THarmonogramLokatyBankowej>;
    using TListaOfert = std::vector<TOferta>;

    explicit TFormParserLokatBankowych(QWidget* owner = nullptr);
    // Stops both workers and waits until no body of them runs.
    ~TFormParserLokatBankowych() override;

    // The bank whose offers are shown; empty selects file mode.
    QString Bank;
    // Download mode: the bank's offer page; file mode: the offer file.
    QString AdresURLdoStronyZLokatami;

    bool TrybPliku() const { return Bank.trimmed().isEmpty(); }
    // The columns of the mode from the offer table's titles ("ID" first):
    // download mode titles 2 to 11, file mode 1 to 11; the numbers on the right.
    void UtworzKolumny(const QStringList& tytulyTabeli);
    // Deletes the rows (and their offers) and the columns.
    void WyczyscListe();

    // Adds the offers as unchecked rows in list order, inserted into the list
    // at once; with the bank column in file mode.
    void DodajDoListy(TListaOfert oferty, bool zBankiem);
    // The offer a row carries (index in row order); null once taken.
    THarmonogramLokatyBankowej* OfertaWiersza(int wiersz) const;
    // The owning pointer of a row's offer: the merge moves it out.
    TOferta& WezOferte(int wiersz);
    bool WierszZaznaczony(int wiersz) const;
    int IloscWierszy() const;
    int IloscZaznaczonych() const;

    // The temporary file the page is downloaded into.
    const QString& SciezkaDoPlikuHTML() const { return fSciezkaDoPlikuHTML; }

    void PokazOczekiwanie();
    void UruchomPobieranie();
    void UruchomOdczytPliku();
    void AktualizujNaglowek();
    void lv_Parsuj_LokatyDlaBankuItemChecked();
    void Wybierzwszystkie1Click();
    void Pomiwszystkie1Click();
    void btn_WybierzPominWszystkieClick();

    // The form's controls (object names are the same).
    THeaderPanel* pan_1;
    QLabel* lbl_Parsuj_Head;
    TListaRaportowa* lv_Parsuj_LokatyDlaBanku;
    QWidget* pan_Czekaj;
    TPasekOczekiwania* bar_TrwaPobieranie;
    QLabel* lbl_TrwaPobieranie;
    QPushButton* btn_WybierzPominWszystkie;
    QPushButton* btn_Odswiez;
    QPushButton* btn_Cancel;
    QPushButton* btn_OK;
    QMenu* PopupMenu1;
    QAction* Wybierzwszystkie1;
    QAction* Pomiwszystkie1;

public slots:
    void done(int wynik) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* UtworzSrodek();
    QWidget* UtworzDolnyPanel();
    void FormShow();
    void jvThreadInternetFinish(const std::exception_ptr& blad);
    void jvThreadPlikFinish(const std::exception_ptr& blad,
                            const std::shared_ptr<TListaOfert>& odczytane);
    // A new unchecked row for the offer, which it then owns (not yet in the list).
    TWierszRaportu UtworzWiersz(TOferta oferta, bool zBankiem, TKomorkiHarmonogramow& komorki);
    void PokazListe();
    void PokazNiepowodzenie(const QString& poczatek, const QString& blad);
    void PrzypnijObsluge();
    void OdepnijObsluge();
    void ZaznaczWszystkie(bool zaznacz);
    void Odmaluj();
    // Asks both workers to stop and waits until no body of them runs.
    void ZatrzymajPrace();
    // Deletes the downloaded page, if there is one.
    void UsunStrone();

    std::unique_ptr<QTemporaryDir> fKatalogPobran;
    QString fSciezkaDoPlikuHTML;
    TListaOfert fListaHarmonogramow;
    // The offers of the rows, by row index.
    TListaOfert fOfertyWierszy;
    std::unique_ptr<IBackgroundWorker> jvThreadInternet;
    std::unique_ptr<IBackgroundWorker> jvThreadPlik;
    QMetaObject::Connection fObslugaZaznaczenia;
    TFormSize* fFormSize = nullptr;
    bool fPokazano = false;
    bool fZamknieto = false;
};
