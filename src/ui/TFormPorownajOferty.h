#pragma once
#include "domain/TGwarancjeBFG.h"
#include "domain/TRankingOfert.h"

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;
class THeaderPanel;
class TKwotaEdit;

// "Porównaj oferty": the catalogue's offers ranked for an amount, a start
// day and optionally about a term, each with the estimate the deposit list
// shows beside the interest as the bank pays it, and the bank-exact schedule
// of the selected offer. The ranking follows every change of the criteria.
//
// "Załóż lokatę" (or a double click on an offer) closes the dialog with
// Accepted; the caller then adds a deposit for WybranaOferta() with Kwota()
// and DataRozpoczecia().
class TFormPorownajOferty : public QDialog {
    Q_OBJECT

public:
    using TKatalog = std::vector<std::unique_ptr<THarmonogramLokatyBankowej>>;

    // The offers are not owned; they stay in the catalogue while the dialog
    // is open.
    explicit TFormPorownajOferty(const TKatalog& oferty, QWidget* owner = nullptr);
    ~TFormPorownajOferty() override;

    // The household's sums per bank: an offer whose bank would go over the
    // deposit-guarantee limit with the amount (and its estimated profit) is
    // marked, with by how much as its tooltip.
    void UstawGwarancje(const TGwarancjeBFG& gwarancje);
    // Offers older than `dni` days are "nieaktualne"; "Pomiń nieaktualne" is
    // ticked when the catalogue has a current offer.
    void UstawProgNieaktualnosci(int dni);

    // The longest text and the largest value the amount takes.
    void UstawOgraniczeniaKwoty(int maksymalnaDlugosc, double maksymalnaWartosc);
    // Fills the criteria and ranks again.
    void UstawKryteria(const TKryteriaRankingu& kryteria);
    TKryteriaRankingu Kryteria() const;

    double Kwota() const;
    TDateTime DataRozpoczecia() const;
    // The offer of the selected row; null when none is selected.
    THarmonogramLokatyBankowej* WybranaOferta() const;

    // Ranks the offers for the criteria shown and fills the list; the first
    // offer is selected.
    void Uszereguj();
    // The period boxes follow the unit: disabled while it is "dowolny".
    void UstawPolaOkresu();

    // The form's controls (object names are the same).
    THeaderPanel* pan_1;
    TKwotaEdit* e_Kwota;
    QSpinBox* se_Okres;
    QComboBox* cb_Jednostka;
    QSpinBox* se_Tolerancja;
    QDateEdit* cb_Data;
    QCheckBox* chb_KontoOsobiste;
    QCheckBox* chb_PominNieaktualne;
    QTreeWidget* lv_Ranking;
    QLabel* lbl_BrakOfert;
    QTreeWidget* lv_Harmonogram;
    QLabel* lbl_Podsumowanie;
    QPushButton* btn_OK;
    QPushButton* btn_Cancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* UtworzKryteria();
    QWidget* UtworzRanking();
    QWidget* UtworzHarmonogram();
    void PolaczZdarzenia();
    void UstawDostepnosc();
    void PokazHarmonogram();
    const TPozycjaRankingu* WybranaPozycja() const;
    QTreeWidgetItem* WierszRankingu(const TPozycjaRankingu& pozycja) const;
    QString TekstNadwyzki(const TPozycjaRankingu& pozycja) const;

    const TKatalog& fOferty;
    std::unique_ptr<TRankingOfert> fRanking;
    std::optional<TGwarancjeBFG> fGwarancje;
    int fProgNieaktualnosci;
};
