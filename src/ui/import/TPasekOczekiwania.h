#pragma once
#include <QTimer>
#include <QWidget>

// The band that shows work going on: a 100-pixel gradient ending in navy that
// moves from left to right every 15 ms and starts again at the left edge. It
// moves only while it is visible.
class TPasekOczekiwania : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWysokosc = 25;
    static constexpr int kSzerokoscSmugi = 100;
    static constexpr int kOdstepMs = 15;

    explicit TPasekOczekiwania(QWidget* parent = nullptr);

    // The left edge of the band; it starts outside the widget on the left.
    int Pozycja() const { return fPozycja; }
    bool Porusza() const { return fZegar.isActive(); }
    // One step of the band (the timer's tick).
    void Krok();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer fZegar;
    int fPozycja = -kSzerokoscSmugi;
};
