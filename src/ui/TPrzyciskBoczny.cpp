#include "ui/TPrzyciskBoczny.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {
constexpr int kSzerokosc = 60;
constexpr int kRozmiarIkony = 32;
} // namespace

TPrzyciskBoczny::TPrzyciskBoczny(const char* nazwa, const QString& tytul, const QString& podpowiedz,
                                 const QIcon& ikona, QWidget* parent)
    : QToolButton(parent) {
    setObjectName(QLatin1String(nazwa));
    setText(tytul);
    setToolTip(podpowiedz);
    setIcon(ikona);
    setIconSize(QSize(kRozmiarIkony, kRozmiarIkony));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setFixedWidth(kSzerokosc);
}

QString TPrzyciskBoczny::TekstNaEkranie(const QString& tytul) {
    QString tekst = tytul;
    tekst.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    tekst.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return tekst;
}

QSize TPrzyciskBoczny::sizeHint() const {
    QStyleOptionToolButton opcje;
    initStyleOption(&opcje);
    opcje.text = TekstNaEkranie(text());
    const QSize tekst = fontMetrics().size(Qt::TextShowMnemonic, opcje.text);
    const QSize zawartosc(qMax(iconSize().width(), tekst.width()),
                          iconSize().height() + 4 + tekst.height());
    const QSize rozmiar = style()->sizeFromContents(QStyle::CT_ToolButton, &opcje, zawartosc, this);
    return QSize(kSzerokosc, rozmiar.height());
}

void TPrzyciskBoczny::paintEvent(QPaintEvent*) {
    QStylePainter malarz(this);
    QStyleOptionToolButton opcje;
    initStyleOption(&opcje);
    opcje.text = TekstNaEkranie(opcje.text);
    malarz.drawComplexControl(QStyle::CC_ToolButton, opcje);
}
