#pragma once
#include <QFrame>
#include <QString>

class QLabel;

// The small calculator that drops down from an amount field: digits, the
// decimal separator, + − × ÷, "=", Backspace and "C". The keys of the keyboard
// work as on the buttons (Enter takes the result, Esc closes without it).
// "OK" (or Enter) computes what is pending and hands the result over.
class TKalkulator : public QFrame {
    Q_OBJECT

public:
    explicit TKalkulator(QWidget* parent = nullptr);

    // Starts from the value and shows the calculator as a popup whose top left
    // corner lies at the global point, at least as wide as given.
    void Otworz(double wartosc, const QPoint& gdzie, int minimalnaSzerokosc = 0);
    // Starts a new calculation from the value.
    void Ustaw(double wartosc);

    // One key: "0".."9", the decimal separator, "+", "-", "*", "/", "=", "C",
    // "<" (Backspace) or "OK". Unknown keys do nothing.
    void Wcisnij(const QString& klawisz);

    QString TekstWyswietlacza() const;
    // The number on the display (0 after an error).
    double Wartosc() const;

signals:
    void wynikPrzyjety(double wynik);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UtworzPrzyciski();
    void WpiszZnak(QChar znak);
    void Cofnij();
    void UstawOperacje(QChar operacja);
    void Oblicz();
    void Przyjmij();
    void Wyczysc();
    void Odswiez();

    QLabel* fWyswietlacz = nullptr;
    QString fWpis;          // the number being typed; empty while the result is shown
    double fAkumulator = 0; // the result so far
    QChar fOperacja;        // the pending operation, null when none
    bool fBlad = false;     // division by zero or an overflow
};
