#include "ui/TPrzyciskBoczny.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {

constexpr int kSzerokosc = 60;
constexpr int kRozmiarIkony = 32;

// A line broken at blanks into lines no wider than `szerokosc`; a word wider
// than that stays whole on its own line.
QStringList ZawinLinie(const QString& linia, const QFontMetrics& miara, int szerokosc) {
    QStringList wynik;
    QString biezaca;
    for (const QString& slowo : linia.split(u' ', Qt::SkipEmptyParts)) {
        const QString dluzsza = biezaca.isEmpty() ? slowo : biezaca + u' ' + slowo;
        if (!biezaca.isEmpty() && miara.horizontalAdvance(dluzsza) > szerokosc) {
            wynik.append(biezaca);
            biezaca = slowo;
        } else {
            biezaca = dluzsza;
        }
    }
    wynik.append(biezaca);
    return wynik;
}

int NajdluzszeSlowo(const QString& tekst, const QFontMetrics& miara) {
    int szerokosc = 0;
    for (const QString& linia : tekst.split(u'\n'))
        for (const QString& slowo : linia.split(u' ', Qt::SkipEmptyParts))
            szerokosc = qMax(szerokosc, miara.horizontalAdvance(slowo));
    return szerokosc;
}

} // namespace

TPrzyciskBoczny::TPrzyciskBoczny(const char* nazwa, const QString& tytul, const QString& podpowiedz,
                                 const QIcon& ikona, QWidget* parent)
    : QToolButton(parent) {
    setObjectName(QLatin1String(nazwa));
    setText(tytul);
    // Read as one line: a screen reader would glue the words at a line break.
    setAccessibleName(tytul.simplified());
    setToolTip(podpowiedz);
    setIcon(ikona);
    setIconSize(QSize(kRozmiarIkony, kRozmiarIkony));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(true);
    // Reached with Tab, pressed with Space, as any button.
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QString TPrzyciskBoczny::TekstNaEkranie(const QString& tytul) {
    QString tekst = tytul;
    tekst.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    tekst.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return tekst;
}

int TPrzyciskBoczny::Margines() const {
    QStyleOptionToolButton opcje;
    initStyleOption(&opcje);
    opcje.text.clear();
    return style()->sizeFromContents(QStyle::CT_ToolButton, &opcje, QSize(0, 0), this).width();
}

QString TPrzyciskBoczny::TekstZawiniety(int szerokosc) const {
    QStringList linie;
    for (const QString& linia : TekstNaEkranie(text()).split(u'\n'))
        linie += ZawinLinie(linia, fontMetrics(), szerokosc - Margines());
    return linie.join(u'\n');
}

QSize TPrzyciskBoczny::sizeHint() const {
    const int szerokosc =
        qMax(kSzerokosc, NajdluzszeSlowo(TekstNaEkranie(text()), fontMetrics()) + Margines());
    QStyleOptionToolButton opcje;
    initStyleOption(&opcje);
    opcje.text = TekstZawiniety(szerokosc);
    const QSize tekst = fontMetrics().size(Qt::TextShowMnemonic, opcje.text);
    const QSize zawartosc(qMax(iconSize().width(), tekst.width()),
                          iconSize().height() + 4 + tekst.height());
    const QSize rozmiar = style()->sizeFromContents(QStyle::CT_ToolButton, &opcje, zawartosc, this);
    return QSize(szerokosc, rozmiar.height());
}

void TPrzyciskBoczny::paintEvent(QPaintEvent*) {
    QStylePainter malarz(this);
    QStyleOptionToolButton opcje;
    initStyleOption(&opcje);
    opcje.text = TekstZawiniety(width());
    malarz.drawComplexControl(QStyle::CC_ToolButton, opcje);
}
