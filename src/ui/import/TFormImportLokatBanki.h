#pragma once
#include "import/ListaBankow.h"

#include <QDialog>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class THeaderPanel;

// "Import lokat": the banks of the deposit-rates site, of which the user
// ticks those whose offers are to be fetched. The caller fills the rows
// (name and link) and, after OK, reads the ticked ones.
class TFormImportLokatBanki : public QDialog {
    Q_OBJECT

public:
    explicit TFormImportLokatBanki(QWidget* owner = nullptr);

    // Deletes the rows, then adds one unchecked row per bank, in the order
    // the bank choice shows them.
    void WypelnijBanki(const TMapaBankow& banki);
    // The ticked rows: name to link.
    TMapaBankow WybraneBanki() const;
    int IloscWierszy() const;
    int IloscZaznaczonych() const;

    void lv_ImportLBanki_BankiItemChecked();
    void AktualizujNaglowek();
    void Wybierzwszystkie1Click();
    void Pomiwszystkie1Click();
    void btn_WybierzPominWszystkieClick();

    // The form's controls (object names are the same).
    THeaderPanel* pan_1;
    QLabel* lbl_ImportLBanki_Head;
    QTreeWidget* lv_ImportLBanki_Banki;
    QLabel* lbl1;
    QPushButton* btn_WybierzPominWszystkie;
    QPushButton* btn_Cancel;
    QPushButton* btn_OK;
    QMenu* PopupMenu1;
    QAction* Wybierzwszystkie1;
    QAction* Pomiwszystkie1;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* UtworzDolnyPanel();
    void FormShow();
    void FormResize();
    void ZaznaczWszystkie(bool zaznacz);
};
