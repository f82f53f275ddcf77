#pragma once
#include "app/IDialogZyskuZLokaty.h"
#include "app/TDecyzjeZapisu.h"
#include "import/ListaBankow.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;
class TEtykietaSkracana;
class TFormSize;
class THeaderPanel;
class TKolekcjeDanych;
class TLokata;
class THarmonogramLokatyBankowej;
class TListaRaportowa;
struct TWierszRaportu;
struct TTabelaListy;
class TProjektDB;
class TZakladkaKalendarza;
class TZakladkaLokat;
class TZakladkaOfert;

// The deposits window: the user's deposits with their estimates on the first
// tab, the catalogue of bank offers on the second. Every command works on the
// collections of MyDB and refills the lists through WypelnijListy; nothing is
// written to the database while the window is open.
//
// Shown modally; the result is 1 (Accepted) only when the user closed it with
// "Zapisz i zamknij" (btn_OK).
class TLokatyFormGlowny : public QDialog {
    Q_OBJECT

public:
    explicit TLokatyFormGlowny(QWidget* owner = nullptr);
    ~TLokatyFormGlowny() override;

    // The host's database project; not owned. Set before the window is shown.
    TProjektDB* MyDB = nullptr;

    // Rebuilds the deposit list and its summary; with the flag also the offer
    // list. Always ends with UstawPrzyciski.
    void WypelnijListy(bool wypelnijHarmonogramy);
    // The data file is open in another window: nothing may be changed here.
    bool TylkoDoOdczytu() const;
    // Enabled and visible state of the side buttons, the offers tab caption.
    void UstawPrzyciski();
    // Header, columns and initial order; run once as the window is shown.
    void PrzygotujOkno();

    // The save that keeps the window open ("Zapisz"): it returns the ids the
    // file gave the deposits added since the last save, by their provisional
    // ids, or nothing when it failed (the user was told). Without it the
    // button is hidden and an unsaved offer still blocks adding deposits.
    using TZapisWMiejscu = TDecyzjeZapisu::TZapisWMiejscu;
    void UstawZapisWMiejscu(TZapisWMiejscu zapis);

    bool KliknietoOK() const { return fKliknietoOK; }
    double MaksymalnaWartoscWProgramie() const { return fMaksymalnaWartoscWProgramie; }
    int MaksymalnaDlugoscKwoty() const { return fMaksymalnaDlugoscKwoty; }

    // The collections of MyDB, or null when the project or its collections
    // are missing.
    TKolekcjeDanych* Kolekcje() const;
    // As Kolekcje, but shows the connection error when they are missing.
    TKolekcjeDanych* KolekcjeLubKomunikat() const;
    static void PokazBrakPolaczeniaZBaza();
    static const QString& TekstBrakuPolaczeniaZBaza();

    // The selected row of each list (group headers are never selected) and
    // the record it carries; null when nothing is selected.
    const TWierszRaportu* WybranyWierszLokaty() const;
    TLokata* WybranaLokata() const;
    const TWierszRaportu* WybranyWierszHarmonogramu() const;
    THarmonogramLokatyBankowej* WybranyHarmonogram() const;
    // The record a row carries (null for a row of another list).
    TLokata* LokataWiersza(const TWierszRaportu* wiersz) const;
    THarmonogramLokatyBankowej* HarmonogramWiersza(const TWierszRaportu* wiersz) const;

    // Deposit operations (TZakladkaLokat, TPoleceniaLokat).
    int32_t NoweIdLokaty() const;
    // Opens the deposit editor filled from `wzor` (name, amount, start, term
    // and offer) and adds the deposit that passes the editor's checks;
    // refused, as every adding is, while an offer is not saved.
    void DodajLokate(const TLokata& wzor);
    void ZakonczLubRozpocznijLokate(TLokata* lokata, bool aktywna);
    // Shows the deposits tab with this deposit selected.
    void PokazLokate(const TLokata* lokata);
    // Where the profit of a deposit ended in this showing went; an amount of
    // 0 when none was added.
    using TZyskZakonczonej = ::TZyskZakonczonej;
    // The deposits ended in this showing, by id.
    const std::map<int32_t, TZyskZakonczonej>& ZakonczoneWTymPokazaniu() const;

    // Offer operations (the offers tab's commands). The offer passes into
    // the catalogue when it is appended (the pointer is then empty); in every
    // other outcome it stays with the caller.
    void DodajLubNadpiszHarmonogram(std::unique_ptr<THarmonogramLokatyBankowej>& harmonogram);
    void NadpiszHarmonogram(const THarmonogramLokatyBankowej& zrodlo,
                            THarmonogramLokatyBankowej& cel);
    void UsunHarmonogram(THarmonogramLokatyBankowej* harmonogram, bool odswiezListy);
    // The offer file to write and to read, through the platform's file
    // chooser; empty when the user cancelled.
    QString saveDialog() const;
    QString openDialog() const;
    // The offer-file import on a chosen file: the import window reads it and
    // the offers ticked there are merged. Refused, with a message, while the
    // data file is open only to read.
    void OdczytajLokatyBankoweZPliku(const QString& sciezka);

    // The web import: the import window for each bank in list order, then
    // the lists refilled.
    void ImportujLokatyBankow(const QStringList& nazwy, const TMapaBankow& linki);
    // The import window for one bank's page; the ticked offers are merged.
    void ImportujLokatyBanku(const QString& bank, const QString& url);

    // While it lives the window's own contents are disabled (its dialogs
    // are not); then they are as they were.
    class TWylaczenieOkna {
    public:
        explicit TWylaczenieOkna(TLokatyFormGlowny& okno);
        ~TWylaczenieOkna();
        TWylaczenieOkna(const TWylaczenieOkna&) = delete;
        TWylaczenieOkna& operator=(const TWylaczenieOkna&) = delete;

    private:
        QList<QPointer<QWidget>> fWylaczone;
    };

public slots:
    // Deposit commands (TZakladkaLokat).
    void sbtn_DodajLokateClick();
    void sbtn_EdytujLokateClick();
    void sbtn_RozpocznijJakoNowaLokateClick();
    void sbtn_RozpocznijLokateClick();
    void sbtn_ZakonczLokateClick();
    void sbtn_UsunLokateClick();
    // The offers ranked for an amount; a deposit can be added from there.
    void sbtn_PorownajOfertyClick();

    // Offer commands, passed on to the offers tab.
    void sbtn_DodajLokateBankowaClick();
    void sbtn_EdytujLokateBankowaClick();
    void sbtn_UsunLokateBankowaClick();
    void Klonuj1Click();
    void Usuwszystkieztegobanku1Click();
    void Usuwszystkie1Click();
    void Informacjeolokaciebankowej1Click();
    void btn_AktualizujLokatyClick();
    void sbtn_OdczytajLokatyBankoweZPlikuClick();
    void sbtn_EksportujDoplikuClick();

    // Window commands.
    void btn_PomocClick();
    void btn_ZestawienieLokatClick();
    void btn_OKClick();
    void btn_ZapiszClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void UtworzKontrolki();
    QWidget* UtworzNaglowek();
    void UtworzZapisPolozenia();
    QWidget* UtworzDolnyPasek();
    void PolaczZdarzenia();

    void UstawWyswietlanaTabele();

    void PokazWszystkieKolumnyLokat();
    // The thresholds of the offers' age and of the deposits ending soon.
    void ProgiOstrzezenClick();

    bool ZapytajOZamkniecieBezZapisu() const;

    // "Zapisz": the lists come back with the stored ids, the selection kept.
    bool ZapiszWMiejscu();

    bool fKliknietoOK = false;
    // The in-place save and the decisions around saving.
    TDecyzjeZapisu fDecyzjeZapisu{MyDB, [this] { return ZapiszWMiejscu(); }};
    double fMaksymalnaWartoscWProgramie = 1e15;
    int fMaksymalnaDlugoscKwoty = 15;

    TFormSize* fFormSize = nullptr;
    int fDniDoNieaktualnosci = 30;

    // Controls, named as on screen (object names are the same).
    THeaderPanel* pan_1 = nullptr;
    QLabel* lbl_Head = nullptr;
    QTabWidget* pgc_Zakladki = nullptr;
    TZakladkaLokat* ts_TwojeLokaty = nullptr;
    TZakladkaOfert* ts_LokatyBankowe = nullptr;
    TZakladkaKalendarza* ts_Kalendarz = nullptr;
    QWidget* pnl1 = nullptr;
    QPushButton* btn_Pomoc = nullptr;
    QPushButton* btn_ZestawienieLokat = nullptr;
    QPushButton* btn_OK = nullptr;
    QPushButton* btn_Zapisz = nullptr;

    // The deposits tab's item, in the offers' menu too.
    QAction* ProgiOstrzezen1 = nullptr;
};
