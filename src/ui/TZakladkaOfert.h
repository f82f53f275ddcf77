#pragma once
#include <QString>
#include <QWidget>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class TEtykietaSkracana;
class THarmonogramLokatyBankowej;
class TImportOfert;
class TKolekcjeDanych;
class TListaRaportowa;
class TLokata;
class TLokatyFormGlowny;
class TOknoEdytoraOferty;
class TPoleceniaOfert;
struct TTabelaListy;
struct TWierszRaportu;

// The deposits window's "Lokaty oferowane przez banki" tab: the catalogue of
// bank offers grouped by bank, old offers marked, with its menu and its side
// buttons. The commands are TPoleceniaOfert's; the tab passes them the
// selected offer and refills the window's lists when they say so.
//
// The list is filled only while the tab is in front: with ten thousand
// offers it costs more than the rest of the window's first showing. Hidden,
// it holds no rows and finds the offer selected before again by its key.
class TZakladkaOfert : public QWidget {
    Q_OBJECT

public:
    explicit TZakladkaOfert(TLokatyFormGlowny& okno);
    ~TZakladkaOfert() override;

    // The list's menu, made once the window's own menus exist: it shares
    // "Progi ostrzeżeń…" with the deposit list's menu.
    void UtworzMenu(QAction* progiOstrzezen);

    TPoleceniaOfert& Polecenia() { return *fPolecenia; }
    TImportOfert& Import() { return *fImport; }

    // Columns, run once as the window is shown (without collections none).
    void PrzygotujKolumny(TKolekcjeDanych* kolekcje);
    // Fills the list at once when the tab is in front (`naWierzchu`), else
    // when it is next shown; offers older than `dniDoNieaktualnosci` are
    // marked.
    void Wypelnij(TKolekcjeDanych& kolekcje, int dniDoNieaktualnosci, bool naWierzchu);
    void WypelnijOdlozonaListe();
    // The side buttons: `zapis` when the data file may be changed,
    // `naWierzchu` while the tab is in front.
    void UstawPrzyciski(bool zapis, bool naWierzchu);
    // The tab's caption with the number of offers in the catalogue.
    QString TytulZakladki() const;

    // The selected row (group headers are never selected) and its offer.
    const TWierszRaportu* WybranyWiersz() const;
    THarmonogramLokatyBankowej* WybranyHarmonogram() const;
    THarmonogramLokatyBankowej* HarmonogramWiersza(const TWierszRaportu* wiersz) const;
    void ZaznaczOferte(const THarmonogramLokatyBankowej* oferta);

    // Deletes the offer unless it is in use; the lists refilled when asked.
    void UsunHarmonogram(THarmonogramLokatyBankowej* harmonogram, bool odswiezListy);
    // Brings the offer of the deposit of the selected row into view.
    void PokazOferteLokaty(bool wskazano, const TLokata* lokata);

public slots:
    void sbtn_DodajLokateBankowaClick();
    void sbtn_EdytujLokateBankowaClick();
    void sbtn_UsunLokateBankowaClick();
    void Klonuj1Click();
    void Usuwszystkieztegobanku1Click();
    void Usuwszystkie1Click();
    void btn_AktualizujLokatyClick();
    void sbtn_OdczytajLokatyBankoweZPlikuClick();
    void sbtn_EksportujDoplikuClick();

signals:
    // The tab asks to be brought to the front.
    void NaWierzch();

protected:
    void changeEvent(QEvent* event) override;

private:
    void UtworzPrzyciski();
    void UtworzListe();
    // The column headers keep the theme's colours under the list's white.
    void UstawKoloryNaglowkow();
    void UlozKontrolki();
    void PolaczZdarzenia();
    void PolaczMenu();
    void pmenu_LokatyBankowePopup();
    void lv_HarmonogramyLokatBankowychColumnClick(int kolumna);
    void WypelnijListe(TKolekcjeDanych& kolekcje);
    void OdlozListe();
    int IloscOfert() const;
    // The list as shown, with its title and summary, for the CSV export and
    // the printout; the CSV export never overwrites the data file.
    TTabelaListy TabelaListy() const;
    QString PlikDanych() const;
    void OdswiezGdy(bool odswiezListy);

    TLokatyFormGlowny& fOkno;
    std::unique_ptr<TOknoEdytoraOferty> fEdytor;
    std::unique_ptr<TPoleceniaOfert> fPolecenia;
    std::unique_ptr<TImportOfert> fImport;
    int fDniDoNieaktualnosci = 30;
    bool fListaOdlozona = false;
    QString fKluczOdlozonejOferty;

    // Controls, named as on screen (object names are the same).
    QToolButton* sbtn_DodajLokateBankowa = nullptr;
    QToolButton* sbtn_EdytujLokateBankowa = nullptr;
    QToolButton* sbtn_UsunLokateBankowa = nullptr;
    QToolButton* sbtn_PorownajOferty = nullptr;
    QToolButton* btn_AktualizujLokaty = nullptr;
    QToolButton* sbtn_OdczytajLokatyBankoweZPliku = nullptr;
    QToolButton* sbtn_EksportujDopliku = nullptr;
    TListaRaportowa* lv_HarmonogramyLokatBankowych = nullptr;
    TEtykietaSkracana* lbl_IleOfert = nullptr;
    QLabel* Label2 = nullptr;

    QMenu* pmenu_LokatyBankowe = nullptr;
    QAction* Dodaj2 = nullptr;
    QAction* Edytuj2 = nullptr;
    QAction* Klonuj1 = nullptr;
    QAction* Usu2 = nullptr;
    QAction* Usuwszystkieztegobanku1 = nullptr;
    QAction* Usuwszystkie1 = nullptr;
    QAction* PorownajOferty1 = nullptr;
    QAction* Importujzpliku1 = nullptr;
    QAction* Eksportujdopliku1 = nullptr;
    QAction* PobierzzInternetu1 = nullptr;
    QAction* EksportujListe2 = nullptr;
    QAction* DrukujListe2 = nullptr;
};
