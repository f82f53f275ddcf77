#include "format/TPlikCSV.h"

#include "format/Formatowanie.h"
#include "format/ZapisCalegoPliku.h"

#include <QRegularExpression>

namespace {

constexpr QChar kSeparator = u';';
const QString kKoniecLinii = QStringLiteral("\r\n");

// Recognises the amounts a cell shows as FormatMoney writes them with one
// set of formats: the currency placed as in a shown zero, the whole part
// grouped by threes, the decimals after the decimal separator.
class TRozpoznanieKwot {
public:
    explicit TRozpoznanieKwot(const TFormatSettings& fs) {
        const QString zero = FormatFixed(0, fs.CurrencyDecimals, fs);
        const QString wzor = FormatMoney(0, fs);
        const qsizetype miejsce = wzor.indexOf(zero);
        fPrzed = wzor.left(miejsce);
        fPo = wzor.mid(miejsce + zero.size());
        fSeparatorTysiecy = fs.ThousandSeparator;
        fLiczba.setPattern(QStringLiteral("^(\\d{1,3}(?:%1\\d{3})*)(?:%2(\\d+))?$")
                               .arg(QRegularExpression::escape(fSeparatorTysiecy),
                                    QRegularExpression::escape(fs.DecimalSeparator)));
    }

    // The plain number, or the cell itself when it shows no amount.
    QString Wartosc(const QString& komorka) const {
        QStringView kwota(komorka);
        const bool ujemna = kwota.startsWith(u'-');
        if (ujemna)
            kwota = kwota.mid(1);
        if (miejsceNaLiczbe(kwota) <= 0 || !kwota.startsWith(fPrzed) || !kwota.endsWith(fPo))
            return komorka;
        const QRegularExpressionMatch liczba =
            fLiczba.match(kwota.mid(fPrzed.size(), miejsceNaLiczbe(kwota)));
        if (!liczba.hasMatch())
            return komorka;
        QString wynik = ujemna ? QStringLiteral("-") : QString();
        wynik += liczba.captured(1).remove(fSeparatorTysiecy);
        if (liczba.hasCaptured(2))
            wynik += QLatin1Char(',') + liczba.captured(2);
        return wynik;
    }

private:
    qsizetype miejsceNaLiczbe(QStringView kwota) const {
        return kwota.size() - fPrzed.size() - fPo.size();
    }

    QString fPrzed;
    QString fPo;
    QString fSeparatorTysiecy;
    QRegularExpression fLiczba;
};

QString Linia(const QStringList& pola) {
    QString linia;
    for (qsizetype i = 0; i < pola.size(); ++i) {
        if (i > 0)
            linia += kSeparator;
        linia += TPlikCSV::Pole(pola[i]);
    }
    return linia + kKoniecLinii;
}

QStringList Naglowek(const TTabelaListy& tabela) {
    return tabela.grupy ? QStringList{TPlikCSV::kKolumnaGrupy} + tabela.kolumny : tabela.kolumny;
}

// A spreadsheet takes a cell that starts with "=", "+", "-", "@" or a control
// character for a formula, and texts come from web pages and offer files: such
// a text is opened with an apostrophe, which spreadsheets show as text. A
// plain number ("-10", "-5,00") stays a number.
QString BezFormuly(const QString& pole) {
    static const QRegularExpression liczba(QStringLiteral("^-?\\d+(?:,\\d+)?$"));
    if (pole.isEmpty() || liczba.match(pole).hasMatch())
        return pole;
    const QChar pierwszy = pole.front();
    const bool formula = pierwszy == u'=' || pierwszy == u'+' || pierwszy == u'-' ||
                         pierwszy == u'@' || pierwszy == u'\t' || pierwszy == u'\r';
    return formula ? QLatin1Char('\'') + pole : pole;
}

QStringList Pola(const TTabelaListy& tabela, const TTabelaListy::TWiersz& wiersz,
                 const TRozpoznanieKwot& kwoty) {
    QStringList pola;
    if (tabela.grupy)
        pola.append(BezFormuly(wiersz.grupa));
    for (const QString& komorka : wiersz.komorki)
        pola.append(BezFormuly(kwoty.Wartosc(komorka)));
    return pola;
}

} // namespace

const QString TPlikCSV::kKolumnaGrupy = QStringLiteral("Grupa");

QString TPlikCSV::Tekst(const TTabelaListy& tabela) {
    const TRozpoznanieKwot kwoty(FormatyProcesu());
    QString tekst(QChar(QChar::ByteOrderMark));
    tekst += Linia(Naglowek(tabela));
    for (const TTabelaListy::TWiersz& wiersz : tabela.wiersze)
        tekst += Linia(Pola(tabela, wiersz, kwoty));
    return tekst;
}

QByteArray TPlikCSV::Bajty(const TTabelaListy& tabela) {
    return Tekst(tabela).toUtf8();
}

QString TPlikCSV::Pole(const QString& tekst) {
    const bool wCudzyslowie = tekst.contains(kSeparator) || tekst.contains(u'"') ||
                              tekst.contains(u'\n') || tekst.contains(u'\r');
    if (!wCudzyslowie)
        return tekst;
    QString pole = tekst;
    pole.replace(u'"', QStringLiteral("\"\""));
    return QLatin1Char('"') + pole + QLatin1Char('"');
}

QString TPlikCSV::Wartosc(const QString& komorka, const TFormatSettings& fs) {
    return TRozpoznanieKwot(fs).Wartosc(komorka);
}

QString TPlikCSV::Zapisz(const QString& sciezka, const TTabelaListy& tabela) {
    return ZapiszCalyPlik(sciezka, Bajty(tabela));
}
