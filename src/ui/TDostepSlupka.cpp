#include "ui/TDostepSlupka.h"

#include "ui/TWykresKalendarza.h"

#include <QWidget>

TDostepSlupka::TDostepSlupka(TWykresKalendarza* wykres, int indeks)
    : fWykres(wykres), fIndeks(indeks) {}

bool TDostepSlupka::isValid() const {
    return fWykres && fIndeks < fWykres->IloscSlupkow();
}

QWindow* TDostepSlupka::window() const {
    return fWykres ? fWykres->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TDostepSlupka::parent() const {
    return QAccessible::queryAccessibleInterface(fWykres.data());
}

QString TDostepSlupka::text(QAccessible::Text t) const {
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Description))
        return {};
    QString opis = fWykres->OpisSlupka(fIndeks);
    return t == QAccessible::Name ? opis.replace(QLatin1Char('\n'), QStringLiteral(", ")) : opis;
}

QRect TDostepSlupka::rect() const {
    if (!isValid())
        return {};
    const QRect obszar = fWykres->ObszarSlupka(fIndeks);
    return QRect(fWykres->mapToGlobal(obszar.topLeft()), obszar.size());
}

QAccessible::State TDostepSlupka::state() const {
    QAccessible::State stan;
    stan.focusable = true;
    stan.selectable = true;
    stan.focused = isValid() && fWykres->hasFocus() && fWykres->WybranySlupek() == fIndeks;
    stan.selected = isValid() && fWykres->WybranySlupek() == fIndeks;
    return stan;
}
