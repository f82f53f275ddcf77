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

// Many banks over the limit would push the deposit list out of the tab: the
// first lines are shown with a count of the rest, and the tooltip lists all.
void TEtykietaGwarancji::UstawLinie(const QStringList& linie) {
    fLinie = linie;
    QStringList widoczne = linie;
    QString podpowiedz = TGwarancjeBFG::PodpowiedzOstrzezen();
    if (linie.size() > kNajwiecejLinii) {
        widoczne = linie.mid(0, kNajwiecejLinii - 1);
        widoczne << QStringLiteral("…oraz w %1 innych bankach ponad gwarancję BFG (wszystkie "
                                   "w podpowiedzi)")
                        .arg(linie.size() - widoczne.size());
        podpowiedz = linie.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + podpowiedz;
    }
    setText(widoczne.join(QLatin1Char('\n')));
    setToolTip(podpowiedz);
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
