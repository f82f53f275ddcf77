#include "ui/TEtykietaGwarancji.h"

#include "domain/TGwarancjeBFG.h"
#include "ui/KontrastTekstu.h"

#include <QEvent>

TEtykietaGwarancji::TEtykietaGwarancji(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("lbl_GwarancjaBFG"));
    setWordWrap(true);
    setToolTip(TGwarancjeBFG::PodpowiedzOstrzezen());
    setAccessibleName(QStringLiteral("Lokaty ponad gwarancję BFG"));
    UstawKolor();
    hide();
}

void TEtykietaGwarancji::UstawLinie(const QStringList& linie) {
    fLinie = linie;
    setText(linie.join(QLatin1Char('\n')));
    setVisible(!linie.isEmpty());
}

void TEtykietaGwarancji::UstawKolor() {
    const QColor kolor = KolorOstrzezeniaNa(parentWidget() ? parentWidget()->palette() : palette());
    if (palette().color(QPalette::WindowText) == kolor)
        return;
    QPalette paleta = palette();
    paleta.setColor(QPalette::WindowText, kolor);
    setPalette(paleta);
}

// Kept readable when the desktop switches between a light and a dark palette.
void TEtykietaGwarancji::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        UstawKolor();
    QLabel::changeEvent(event);
}
