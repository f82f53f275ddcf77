#include "ui/TDostepWykresuKalendarza.h"

#include "ui/TDostepSlupka.h"
#include "ui/TWykresKalendarza.h"

namespace {

QAccessibleInterface* Fabryka(const QString& klasa, QObject* obiekt) {
    if (klasa == QLatin1String("TWykresKalendarza") && obiekt && obiekt->isWidgetType())
        return new TDostepWykresuKalendarza(static_cast<TWykresKalendarza*>(obiekt));
    return nullptr;
}

} // namespace

TDostepWykresuKalendarza::TDostepWykresuKalendarza(TWykresKalendarza* wykres)
    : QAccessibleWidget(wykres, QAccessible::Chart,
                        QStringLiteral("Wykres: kwoty i zyski lokat kończących się w "
                                       "kolejnych miesiącach")) {}

TDostepWykresuKalendarza::~TDostepWykresuKalendarza() {
    for (const QAccessible::Id id : fSlupki)
        QAccessible::deleteAccessibleInterface(id);
}

void TDostepWykresuKalendarza::ZainstalujFabryke() {
    static const bool zainstalowana = [] {
        QAccessible::installFactory(Fabryka);
        return true;
    }();
    (void)zainstalowana;
}

TWykresKalendarza* TDostepWykresuKalendarza::Wykres() const {
    return static_cast<TWykresKalendarza*>(widget());
}

int TDostepWykresuKalendarza::childCount() const {
    return Wykres()->IloscSlupkow();
}

QAccessibleInterface* TDostepWykresuKalendarza::child(int indeks) const {
    if (indeks < 0 || indeks >= childCount())
        return nullptr;
    while (static_cast<int>(fSlupki.size()) <= indeks)
        fSlupki.push_back(QAccessible::registerAccessibleInterface(
            new TDostepSlupka(Wykres(), static_cast<int>(fSlupki.size()))));
    return QAccessible::accessibleInterface(fSlupki[static_cast<std::size_t>(indeks)]);
}

int TDostepWykresuKalendarza::indexOfChild(const QAccessibleInterface* dziecko) const {
    for (std::size_t i = 0; i < fSlupki.size(); ++i)
        if (QAccessible::accessibleInterface(fSlupki[i]) == dziecko)
            return static_cast<int>(i);
    return -1;
}

QAccessibleInterface* TDostepWykresuKalendarza::focusChild() const {
    return Wykres()->hasFocus() ? child(Wykres()->WybranySlupek()) : nullptr;
}

QAccessibleInterface* TDostepWykresuKalendarza::childAt(int x, int y) const {
    return child(Wykres()->SlupekPod(Wykres()->mapFromGlobal(QPoint(x, y))));
}
