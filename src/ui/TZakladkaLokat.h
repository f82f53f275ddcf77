#pragma once
#include "app/TPoleceniaLokat.h"

#include <QString>
#include <QWidget>
#include <memory>

class QAction;
class QMenu;
class QToolButton;
class TDecyzjeZapisu;
class TDialogiLokat;
class TGwarancjeBFG;
class TKolekcjeDanych;
class TListaRaportowa;
class TOstrzezeniaLokat;
class TPasekKonczacychSieLokat;
class TPodsumowanieLokat;
class TZakladkaKalendarza;
struct TTabelaListy;
struct TWierszRaportu;

// The deposits window's "Lokaty" tab: the user's deposits grouped as active
// and ended, with their estimates, the summary under the list, the lines of
// the banks over the deposit-guarantee limit and the bar of the deposits past
// or near their end. Its buttons and its list's menu run the deposit commands
// (TPoleceniaLokat); the window refills the lists when they changed.
class TZakladkaLokat : public QWidget {
    Q_OBJECT

public:
    TZakladkaLokat(TDecyzjeZapisu& zapis, int maksymalnaDlugoscKwoty, double maksymalnaWartosc,
                   QWidget* parent = nullptr);
    ~TZakladkaLokat() override;

    TPoleceniaLokat& Polecenia() { return *fPolecenia; }
    // The calendar's export is offered in the list's menu; a deposit opened
    // in the calendar is selected here and edited.
    void UstawKalendarz(TZakladkaKalendarza* kalendarz);
    // Stands in the offers' menu too.
    QAction* AkcjaProgowOstrzezen() const { return ProgiOstrzezen1; }
    QAction* AkcjaInformacjiOOfercie() const { return Informacjeolokaciebankowej1; }

    // At each showing of the window: the summary emptied with its room, the
    // guarantee settings and rate read (a newer rate is downloaded meanwhile),
    // the bar shown again.
    void PrzygotujPodsumowanie();
    void NowePokazanie();
    // The columns and the initial order (by end date).
    void PrzygotujKolumny(TKolekcjeDanych* kolekcje);
    void WyczyscPodsumowanie();
    // The rows of the deposits, the summary, the guarantee lines and the bar.
    void Wypelnij(TKolekcjeDanych& kolekcje, const QString& plikDanych);
    // `wybrana`: the tab is in front and the file may be changed.
    void UstawPrzyciski(bool wybrana);
    void UstawKolorUwagi(const QPalette& paletaOkna);
    // How much wider the list must be to show every column.
    int BrakujacaSzerokoscListy() const;

    const TWierszRaportu* WybranyWiersz() const;
    TLokata* WybranaLokata() const;
    TLokata* LokataWiersza(const TWierszRaportu* wiersz) const;
    void ZaznaczLokate(const TLokata* lokata);
    void ZaznaczLokatePoId(int32_t id);
    // The banks' sums against the guarantee, for a comparison of offers.
    TGwarancjeBFG Gwarancje(TKolekcjeDanych& kolekcje) const;
    // The deposits ending soon are counted with this many days.
    int DniDoZakonczenia() const;
    void UstawDniDoZakonczenia(int dni);

    void DodajLokate(const TLokata& wzor);
    void DodajZOferty(const QString& kluczOferty, double kwota, TDateTime dataRozpoczecia);
    void ZakonczLubRozpocznijLokate(TLokata* lokata, bool aktywna);

public slots:
    void sbtn_DodajLokateClick();
    void sbtn_EdytujLokateClick();
    void sbtn_RozpocznijJakoNowaLokateClick();
    void sbtn_RozpocznijLokateClick();
    void sbtn_ZakonczLokateClick();
    void sbtn_UsunLokateClick();

signals:
    // The deposits changed: the window refills its lists.
    void LokatyZmienione();
    // A deposit added is shown: the window brings the tab to the front.
    void PokazLokate(const TLokata* lokata);
    // The selection changed: the window sets its buttons.
    void WyborZmieniony();

private:
    void UtworzPrzyciski();
    void UtworzMenu();
    void PolaczZdarzenia();
    void Pokaz(const TPoleceniaLokat::TWynik& wynik);
    void pmenu_LokatyPopup();
    void lv_LokatyColumnClick(int kolumna);
    TTabelaListy TabelaListy() const;

    TDecyzjeZapisu& fZapis;
    std::unique_ptr<TDialogiLokat> fDialogi;
    std::unique_ptr<TPoleceniaLokat> fPolecenia;
    TZakladkaKalendarza* fKalendarz = nullptr;
    QString fPlikDanych;
    TOstrzezeniaLokat* fOstrzezenia = nullptr;

    // Controls, named as on screen (object names are the same).
    QToolButton* sbtn_DodajLokate = nullptr;
    QToolButton* sbtn_EdytujLokate = nullptr;
    QToolButton* sbtn_UsunLokate = nullptr;
    QToolButton* sbtn_ZakonczLokate = nullptr;
    QToolButton* sbtn_RozpocznijLokate = nullptr;
    QToolButton* sbtn_RozpocznijJakoNowaLokate = nullptr;
    TListaRaportowa* lv_Lokaty = nullptr;
    TPodsumowanieLokat* pan_LokatyBottom = nullptr;
    TPasekKonczacychSieLokat* pan_KonczaceSie = nullptr;

    QMenu* pmenu_Lokaty = nullptr;
    QAction* Dodaj1 = nullptr;
    QAction* Edytuj1 = nullptr;
    QAction* Usu1 = nullptr;
    QAction* PrzerwijZakoczlokate1 = nullptr;
    QAction* Rozpocznijlokate1 = nullptr;
    QAction* Utwrznowjakta1 = nullptr;
    QAction* Informacjeolokaciebankowej1 = nullptr;
    QAction* EksportujDoKalendarza1 = nullptr;
    QAction* EksportujListe1 = nullptr;
    QAction* DrukujListe1 = nullptr;
    QAction* BankiJednejInstytucji1 = nullptr;
    QAction* ProgiOstrzezen1 = nullptr;
};
