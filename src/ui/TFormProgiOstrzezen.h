#pragma once
#include <QDialog>

class QPushButton;
class QSpinBox;
class THeaderPanel;

// The two thresholds of the window's warnings: after how many days an
// offer's data count as possibly out of date, and within how many days a
// deposit's end counts as near.
class TFormProgiOstrzezen : public QDialog {
    Q_OBJECT

public:
    TFormProgiOstrzezen(int dniDoNieaktualnosci, int dniDoZakonczenia, QWidget* owner = nullptr);

    int DniDoNieaktualnosci() const;
    int DniDoZakonczenia() const;

    THeaderPanel* pan_1;
    QSpinBox* se_DniDoNieaktualnosci;
    QSpinBox* se_DniDoZakonczenia;
    QPushButton* btn_OK;
    QPushButton* btn_Cancel;

private:
    QWidget* UtworzPola();
};
