#include "ui/KontrastTekstu.h"

#include <algorithm>
#include <cmath>

namespace {

double Kanal(double wartosc) {
    return wartosc <= 0.04045 ? wartosc / 12.92 : std::pow((wartosc + 0.055) / 1.055, 2.4);
}

double Luminancja(const QColor& kolor) {
    const QColor rgb = kolor.toRgb();
    return 0.2126 * Kanal(rgb.redF()) + 0.7152 * Kanal(rgb.greenF()) + 0.0722 * Kanal(rgb.blueF());
}

} // namespace

double WspolczynnikKontrastu(const QColor& a, const QColor& b) {
    const double la = Luminancja(a);
    const double lb = Luminancja(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor KolorCzytelnyNa(const QColor& tlo, std::initializer_list<QColor> kandydaci) {
    for (const QColor& kolor : kandydaci)
        if (kolor.isValid() && WspolczynnikKontrastu(kolor, tlo) >= kMinimalnyKontrast)
            return kolor;
    const QColor czarny(Qt::black);
    const QColor bialy(Qt::white);
    return WspolczynnikKontrastu(czarny, tlo) >= WspolczynnikKontrastu(bialy, tlo) ? czarny : bialy;
}

QColor KolorOstrzezeniaNa(const QPalette& paleta) {
    return KolorCzytelnyNa(
        paleta.color(QPalette::Window),
        {QColor(192, 0, 0), QColor(255, 128, 128), paleta.color(QPalette::WindowText)});
}
