#pragma once
#include "app/TPropozycjaZysku.h"
#include "format/TTabDwuwymiarowa.h"

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;
class THeaderPanel;
class TKwotaEdit;

// Offered when a deposit has been ended: the profit (what the bank pays, which
// the user may change) can be added to one of the user's savings. "Dodaj" closes
// only with an amount above 0; the other button and the close box close
// without adding anything.
class TFormDodajZyskZLokatyDoOszczednosci : public QDialog {
    Q_OBJECT

public:
    explicit TFormDodajZyskZLokatyDoOszczednosci(QWidget* owner = nullptr);

    // How the profit offered was found.
    using TZrodloZysku = ::TZrodloZysku;
    // The information about the ended deposit, its lines broken by "\r";
    // `warunki` are the offer's early-break terms (used when broken early).
    static QString TekstInformacji(const QString& nazwaLokaty, TZrodloZysku zrodlo, double zysk,
                                   const QString& warunki = {});
    void UstawInformacje(const QString& tekst);
    QString Informacja() const { return fInformacja; }

    void UstawZysk(double zysk, int maksymalnaDlugosc, double maksymalnaWartosc);
    // The typed profit read as an amount.
    double Kwota() const;

    // Keeps the table (rows of id, description, amount) and lists the rows
    // that have a description, in row order; the first is chosen.
    void WypelnijOszczednosci(const TTabDwuwymiarowa& tablica);
    // The chosen savings: its description and its id; empty and -1 when none.
    QString WybranaOszczednosc() const;
    int32_t IdWybranejOszczednosci() const;

    // "Dodaj" follows the values, the label shows the chosen savings' amount.
    void ZmianaDanych();

    // "Dodaj": refused with a message while the amount is not above 0.
    void accept() override;
    void reject() override;

    bool kliknietoOK = false;
    // The savings offered: id, description of the category, amount ("%f").
    TTabDwuwymiarowa tab_Oszczednosci;

    // The form's controls, named as on screen (object names are the same).
    THeaderPanel* pan_1;
    QLabel* lbl_AddZysk_Head;
    QLabel* lbl_Info;
    QLabel* lbl1;
    TKwotaEdit* e_AddZysk_Ile;
    QLabel* lbl2;
    QComboBox* cbb_AddZysk_Oszczednosc;
    QLabel* lbl_PrzelejL_Kwota;
    QLabel* lbl3;
    QPushButton* btn_Cancel;
    QPushButton* btn_OK;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void UtworzKontrolki();
    QWidget* UtworzPola();
    QWidget* UtworzPrzyciski();
    const QStringList* WierszWybranejOszczednosci() const;

    QString fInformacja;
};
