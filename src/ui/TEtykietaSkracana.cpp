#include "ui/TEtykietaSkracana.h"

#include <QPainter>
#include <QStyle>

TEtykietaSkracana::TEtykietaSkracana(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void TEtykietaSkracana::UstawTekst(const QString& tekst) {
    setText(tekst);
    setToolTip(tekst);
}

QString TEtykietaSkracana::TekstNaEkranie() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize TEtykietaSkracana::minimumSizeHint() const {
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("…")),
                 QLabel::minimumSizeHint().height());
}

void TEtykietaSkracana::paintEvent(QPaintEvent*) {
    QPainter malarz(this);
    style()->drawItemText(&malarz, contentsRect(), static_cast<int>(alignment()), palette(),
                          isEnabled(), TekstNaEkranie(), foregroundRole());
}
