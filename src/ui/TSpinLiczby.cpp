#include "ui/TSpinLiczby.h"

#include "format/Formatowanie.h"
#include "format/Pomocnicze.h"

TSpinLiczby::TSpinLiczby(TRodzaj rodzaj, QWidget* parent)
    : QDoubleSpinBox(parent), fRodzaj(rodzaj) {
    setDecimals(2);
    setAlignment(Qt::AlignRight);
    setGroupSeparatorShown(rodzaj == TRodzaj::Kwota);
    if (rodzaj == TRodzaj::Procent)
        setSuffix(QStringLiteral(" %"));
}

void TSpinLiczby::UstawWalute(const QString& symbol) {
    setSuffix(symbol.isEmpty() ? QString() : QLatin1Char(' ') + symbol);
}

QString TSpinLiczby::textFromValue(double value) const {
    if (fRodzaj == TRodzaj::Procent)
        return FormatFixed(value, 2, UstawieniaFormatow);
    TFormatSettings formaty = UstawieniaFormatow;
    formaty.CurrencyString.clear();
    formaty.CurrencyFormat = 3;
    return FormatMoney(value, 2, formaty).trimmed();
}

double TSpinLiczby::valueFromText(const QString& text) const {
    QString liczba = text;
    if (!suffix().isEmpty() && liczba.endsWith(suffix()))
        liczba.chop(suffix().size());
    return fRodzaj == TRodzaj::Kwota ? KwotaWGroszachZTekstu(liczba) : KwotaZTekstu(liczba);
}

QValidator::State TSpinLiczby::validate(QString& input, int&) const {
    QString liczba = input;
    if (!suffix().isEmpty() && liczba.endsWith(suffix()))
        liczba.chop(suffix().size());
    liczba.remove(UstawieniaFormatow.ThousandSeparator).remove(QLatin1Char(' '));
    if (liczba.isEmpty())
        return QValidator::Intermediate;
    if (fMaksymalnaDlugosc > 0 && liczba.size() > fMaksymalnaDlugosc)
        return QValidator::Invalid;
    int separatory = 0;
    for (const QChar znak : liczba) {
        if (znak == u',' || znak == u'.') {
            if (++separatory > 1)
                return QValidator::Invalid;
        } else if (znak < u'0' || znak > u'9') {
            return QValidator::Invalid;
        }
    }
    const double wartosc = valueFromText(input);
    if (wartosc > maximum())
        return QValidator::Invalid;
    return wartosc < minimum() ? QValidator::Intermediate : QValidator::Acceptable;
}
