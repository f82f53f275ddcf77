#pragma once
#include <QHash>
#include <QString>
#include <cmath>

// Texts of numbers for a list whose rows repeat a few values (rates,
// amounts): each distinct value is formatted once. Values that are not finite
// are formatted every time (NaN equals nothing, not even itself).
class TTekstyLiczb {
public:
    template <class Formatowanie> QString Tekst(double wartosc, Formatowanie formatuj) {
        if (!std::isfinite(wartosc))
            return formatuj();
        auto it = fTeksty.constFind(wartosc);
        if (it == fTeksty.constEnd())
            it = fTeksty.insert(wartosc, formatuj());
        return *it;
    }

private:
    QHash<double, QString> fTeksty;
};
