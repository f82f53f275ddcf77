#pragma once
#include <QLineEdit>

class QAction;
class TKalkulator;

// A calculator field for an amount of money.
//
// The field holds the number as the user typed it ("1234,5"): while it has the
// focus that plain number is edited, the currency symbol after it; without the
// focus it shows the amount
// formatted with two decimals, grouped thousands and the currency symbol after
// it ("1 234,50 zł"). Only digits and one decimal separator of the module's
// formats can be typed (Backspace, Delete and the cursor keys edit as usual);
// a typed text may not exceed the maximum value. The button at the right edge
// (or F4, Alt+Down) opens a small calculator whose result becomes the value.
//
// text() is the typed number; value() is that text read as an amount, rounded
// to the grosz as it is shown and stored.
class TKwotaEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TKwotaEdit(QWidget* parent = nullptr);

    // The typed text read as an amount rounded to the grosz half up
    // (KwotaWGroszachZTekstu), at most maximum(): what is shown and stored.
    double value() const;
    // Writes the value with two decimals, kept between 0 and maximum().
    void setValue(double value);

    double maximum() const { return fMaksimum; }
    void setMaximum(double maksimum);

    // The symbol shown after the amount when the field has no focus (the
    // display format "0.00 #.## %s"); empty shows the number alone.
    QString currencySymbol() const { return fSymbolWaluty; }
    void setCurrencySymbol(const QString& symbol);

    // The text the field shows while it has no focus: "1 234,50 zł".
    QString formattedText() const;

    // Opens the calculator under the field, starting from the current value.
    void showCalculator();
    TKalkulator* calculator() const { return fKalkulator; }

signals:
    void valueChanged(double value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PrzyjmijWynikKalkulatora(double wynik);
    QRect ObszarTekstu() const;
    int SzerokoscSymbolu() const;
    void PokazSymbolPrzyEdycji();

    double fMaksimum = 1e15;
    QString fSymbolWaluty;
    QAction* fAkcjaKalkulatora = nullptr;
    TKalkulator* fKalkulator = nullptr;
};
