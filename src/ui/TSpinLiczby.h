#pragma once
#include <QDoubleSpinBox>

// A decimal spin field that writes and reads its numbers with the module's
// formats: the decimal comma (a point is read as well), two decimals, for an
// amount the thousands grouped ("1 234,56 zł"), for a rate none ("4,50 %").
// The unit follows the number as the suffix.
class TSpinLiczby : public QDoubleSpinBox {
    Q_OBJECT

public:
    enum class TRodzaj { Kwota, Procent };

    explicit TSpinLiczby(TRodzaj rodzaj, QWidget* parent = nullptr);

    // The symbol after an amount (" zł" for "zł").
    void UstawWalute(const QString& symbol);
    // The most characters of the number itself (separators included, the
    // grouping blanks and the unit not) that can be typed; 0 for no limit.
    void UstawMaksymalnaDlugosc(int dlugosc) { fMaksymalnaDlugosc = dlugosc; }

    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;

private:
    TRodzaj fRodzaj;
    int fMaksymalnaDlugosc = 0;
};
