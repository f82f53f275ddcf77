#pragma once
#include <QAccessibleWidget>
#include <vector>

class TWykresKalendarza;

// The calendar chart for screen readers: a chart whose children are its bars
// (TDostepSlupka), the bar chosen with the arrow keys being the focused one.
class TDostepWykresuKalendarza : public QAccessibleWidget {
public:
    explicit TDostepWykresuKalendarza(TWykresKalendarza* wykres);
    ~TDostepWykresuKalendarza() override;

    // Installed once: gives the chart this interface.
    static void ZainstalujFabryke();

    int childCount() const override;
    QAccessibleInterface* child(int indeks) const override;
    int indexOfChild(const QAccessibleInterface* dziecko) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    TWykresKalendarza* Wykres() const;

    mutable std::vector<QAccessible::Id> fSlupki;
};
