#pragma once
#include "domain/TPolaczoneBanki.h"

#include <QDialog>
#include <QStringList>
#include <vector>

class QPushButton;
class QTableWidget;
class THeaderPanel;

// Pairs of bank names that are one institution (brands of one bank): their
// deposits count together against the deposit-guarantee limit. Each row is a
// pair; the names are typed or chosen from the banks of the catalogue.
class TFormBankiJednejInstytucji : public QDialog {
    Q_OBJECT

public:
    TFormBankiJednejInstytucji(const std::vector<TParaBankow>& pary, const QStringList& banki,
                               QWidget* owner = nullptr);

    // The pairs as edited: names trimmed; rows with an empty name or the same
    // name twice left out.
    std::vector<TParaBankow> Pary() const;

    THeaderPanel* pan_1;
    QTableWidget* tbl_Pary;
    QPushButton* btn_DodajPare;
    QPushButton* btn_UsunPare;
    QPushButton* btn_OK;
    QPushButton* btn_Cancel;

private:
    QWidget* UtworzTabele();
    void DodajWiersz(const QString& bank, const QString& drugi);

    QStringList fBanki;
};
