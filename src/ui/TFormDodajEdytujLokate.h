#pragma once
#include "app/TDaneLokaty.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TAMHSensitiveLabel;
class THeaderPanel;
class TKwotaEdit;

// The editor of one deposit: name, amount, start date, period with its unit
// and the bank offer it follows. It only collects the values; the command
// that opened it checks them after it closed with OK.
//
// "OK" is enabled while the name is not empty, the amount and the period are
// above 0 and a unit is chosen; the offer is optional.
class TFormDodajEdytujLokate : public QDialog {
    Q_OBJECT

public:
    explicit TFormDodajEdytujLokate(QWidget* owner = nullptr);

    void UstawNaglowek(const QString& naglowek);
    QString Naglowek() const;

    // The longest text and the largest value the amount takes.
    void UstawOgraniczeniaKwoty(int maksymalnaDlugosc, double maksymalnaWartosc);

    // The offers to choose from (their display texts); nothing is chosen.
    void WypelnijHarmonogramy(const QStringList& opisy);
    // Chooses the offer with exactly this text; none when no item has it.
    void WybierzHarmonogram(const QString& opis);
    // The chosen offer's text; empty when none is chosen.
    QString WybranyHarmonogram() const;

    // The unit's item is selected; any other value leaves none selected.
    void UstawJednostke(TJednostkaOkresu jednostka);
    TJednostkaOkresu Jednostka() const;

    // The picker shows the date; the time of day is kept with the value.
    void UstawDateRozpoczecia(TDateTime data);
    TDateTime DataRozpoczecia() const;

    // Fills every field; the offer is chosen by its text (none when empty).
    void UstawLokate(const QString& nazwa, double kwota, TDateTime dataRozpoczecia, int okres,
                     TJednostkaOkresu jednostka, const QString& opisHarmonogramu);
    // The values as the user left them.
    TDaneLokaty Dane() const;

    // "OK" follows the values; runs on every change and when the dialog shows.
    void ZmianaDanych();
    // Widens the drop-down part of the offer list to its longest text.
    void DopasujSzerokoscListyHarmonogramow();

    // The form's controls, named as on screen (object names are the same).
    THeaderPanel* pan_1;
    QLabel* lbl_AddL_Head;
    QLineEdit* e_AddL_Nazwa;
    TKwotaEdit* e_AddL_Ile;
    QDateEdit* cb_AddL_Data;
    QSpinBox* se_AddL_OkresLokaty;
    QComboBox* cb_AddL_JednostkaLokaty;
    QComboBox* cb_AddL_HarmonogramLokatyBankowej;
    TAMHSensitiveLabel* lbl_UstawPustaLokateBankowa;
    QWidget* GridPanel1;
    QLabel* _lbl1;
    TAMHSensitiveLabel* _lbl4;
    TAMHSensitiveLabel* _lbl3;
    QPushButton* btn_Cancel;
    QPushButton* btn_OK;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void UtworzKontrolki();
    QWidget* UtworzPolaLokaty();
    QWidget* UtworzOdnosniki();
    QWidget* UtworzPrzyciski();
    void PolaczZdarzenia();

    TDateTime fCzasRozpoczecia = 0; // the time of day the picker does not show
};
