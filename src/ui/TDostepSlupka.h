#pragma once
#include <QAccessibleInterface>
#include <QPointer>

class TWykresKalendarza;

// One bar of the calendar chart as a screen reader sees it: its month, the
// number of deposits ending then, their amount and estimated profit.
class TDostepSlupka : public QAccessibleInterface {
public:
    TDostepSlupka(TWykresKalendarza* wykres, int indeks);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    QPointer<TWykresKalendarza> fWykres;
    int fIndeks;
};
