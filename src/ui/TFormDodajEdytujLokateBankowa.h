#pragma once
#include "domain/TJednostkaOkresu.h"
#include "domain/TKapitalizacja.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TAMHSensitiveLabel;
class THarmonogramLokatyBankowej;
class THeaderPanel;
class TSpinLiczby;

// The editor of one bank offer: bank, name, term with its unit, annual rate,
// capitalisation, amount limits, conditions and notes. It only collects the
// values; the command that opened it reads them back after it closed with OK
// (ZapiszW), where the cleaned bank and name are checked.
//
// "OK" is enabled while the bank and the name are not empty, the term and the
// rate are above 0 and a unit and a capitalisation are chosen.
class TFormDodajEdytujLokateBankowa : public QDialog {
    Q_OBJECT

public:
    explicit TFormDodajEdytujLokateBankowa(QWidget* owner = nullptr);

    // The window's caption; the header shows it after a blank.
    void UstawTytul(const QString& tytul);
    QString Naglowek() const;

    // The bank names to choose from; none is chosen and the text is empty.
    void WypelnijBanki(const QStringList& banki);
    // The values of a new offer: one month, fixed rate, capitalised after the
    // term, everything else empty.
    void UstawDomyslne();
    // Every field from the offer; the bank's item is chosen when the list
    // has it, else the bank is typed in.
    void UstawHarmonogram(const THarmonogramLokatyBankowej& harmonogram);

    // The unit's or capitalisation's item is selected; a value without an
    // item (Brak, Polroczna) leaves none selected.
    void UstawJednostke(TJednostkaOkresu jednostka);
    TJednostkaOkresu Jednostka() const;
    void UstawKapitalizacje(TKapitalizacja kapitalizacja);
    TKapitalizacja Kapitalizacja() const;

    // Reads the dialog into the offer, after OK. The bank and the name are
    // cleaned and written back; when either is blank its refusal is shown
    // and false comes back with the offer untouched. Otherwise every editable
    // field is set and the offer becomes the user's own.
    bool ZapiszW(THarmonogramLokatyBankowej& harmonogram);

    // "OK" follows the values; runs on every change and when the dialog shows.
    void ZmianaDanych();

    // The form's controls, named as on screen (object names are the same).
    THeaderPanel* pan_1;
    QLabel* lbl_LB_Head;
    QComboBox* cb_AddLB_Bank;
    QLineEdit* e_AddLB_Nazwa;
    QSpinBox* se_AddLB_OkresDepozytu;
    QComboBox* cb_AddLB_JednostkaDepozytu;
    TSpinLiczby* se_OprocentowanieWSkaliRoku;
    QCheckBox* chk_addLB_OprocentowanieStale;
    QLabel* lbl1;
    QComboBox* cb_AddLB_Kapitalizacja;
    TSpinLiczby* se_KwotaMinimalna;
    TSpinLiczby* se_KwotaMaksymalna;
    QLabel* lbl2;
    QCheckBox* chk_WymaganeKontoOsobiste;
    QCheckBox* chk_MozliwoscWczesniejszegoZerwania;
    QLineEdit* e_WarunkiWczesniejszegoZerwania;
    QLineEdit* e_PozostaleInformacje;
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
    QWidget* UtworzPola();
    void UtworzPolaOferty(QGridLayout* siatka, QWidget* pola);
    void UtworzPolaWarunkow(QGridLayout* siatka, QWidget* pola);
    QWidget* UtworzOdnosniki();
    void PolaczZdarzenia();
    void UstawWalute();
};
