#pragma once
#include "domain/TKalendarzLokat.h"

#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

// The bar chart of the maturity calendar: one bar per month, the first being
// the current month (marked), with the amount that frees up in the module's
// header colour and the estimated profit stacked on top in green. Hovering a
// bar shows its month and amounts; clicking it reports the month. With the
// focus, the arrow keys (Home, End) choose a bar and report its month too;
// screen readers see the bars as the chart's children. Painted here, so it
// needs nothing beyond Qt Widgets.
class TWykresKalendarza : public QWidget {
    Q_OBJECT

public:
    explicit TWykresKalendarza(QWidget* parent = nullptr);

    void UstawMiesiace(std::vector<TMiesiacKalendarza> miesiace);
    int IloscSlupkow() const { return static_cast<int>(fMiesiace.size()); }
    const TMiesiacKalendarza& Miesiac(int indeks) const { return fMiesiace.at(indeks); }

    // The room of a bar's column (bar and its month label); empty for an index
    // out of range. The bar under a point, or -1.
    QRect ObszarSlupka(int indeks) const;
    int SlupekPod(const QPoint& punkt) const;
    // The hover text of a bar: the month, the amount and the profit.
    QString OpisSlupka(int indeks) const;
    // The month's name as the chart and the list show it ("marzec 2026").
    static QString NazwaMiesiaca(int rok, int miesiac);
    // The bar chosen with the keyboard, or -1.
    int WybranySlupek() const { return fWybrany; }

    QSize sizeHint() const override { return {600, 210}; }
    QSize minimumSizeHint() const override { return {360, 150}; }

signals:
    void SlupekKlikniety(int indeks);

protected:
    bool event(QEvent* zdarzenie) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // The chart follows the palette's base colour; its texts are chosen to be
    // read on it.
    QColor Tlo() const;
    QColor KolorTekstu() const;
    QRect Obszar() const;
    double Maksimum() const;
    void RysujLegende(QPainter& p) const;
    void RysujOsie(QPainter& p, const QRect& obszar, double maksimum) const;
    void RysujSlupek(QPainter& p, int indeks, double maksimum) const;

    std::vector<TMiesiacKalendarza> fMiesiace;
    void Wybierz(int indeks);

    int fPodMysza = -1;
    int fWybrany = -1;
};
