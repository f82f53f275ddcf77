#include "domain/TPolaczoneBanki.h"

#include "format/PorownanieTekstow.h"

TPolaczoneBanki::TPolaczoneBanki(const std::vector<TParaBankow>& pary) {
    for (const TParaBankow& para : pary)
        Polacz(Instytucja(para.first.trimmed()), Instytucja(para.second.trimmed()));
}

int TPolaczoneBanki::Instytucja(const QString& bank) {
    const int grupa = fGrupy.Grupa(bank);
    while (static_cast<int>(fRodzic.size()) <= grupa)
        fRodzic.push_back(static_cast<int>(fRodzic.size()));
    return Korzen(grupa);
}

bool TPolaczoneBanki::TaSamaInstytucja(const QString& a, const QString& b) {
    return Instytucja(a) == Instytucja(b);
}

int TPolaczoneBanki::Korzen(int grupa) {
    while (fRodzic[grupa] != grupa) {
        fRodzic[grupa] = fRodzic[fRodzic[grupa]];
        grupa = fRodzic[grupa];
    }
    return grupa;
}

// The smaller root stays, so an institution is numbered by its first name.
void TPolaczoneBanki::Polacz(int a, int b) {
    const int ka = Korzen(a);
    const int kb = Korzen(b);
    if (ka < kb)
        fRodzic[kb] = ka;
    else
        fRodzic[ka] = kb;
}

std::vector<TParaBankow> TPolaczoneBanki::Uporzadkuj(const std::vector<TParaBankow>& pary) {
    const QCollator& kolator = KolatorTekstow(TWielkoscLiter::Ignoruj);
    const auto rowne = [&](const QString& a, const QString& b) {
        return kolator.compare(a, b) == 0;
    };
    std::vector<TParaBankow> wynik;
    for (const TParaBankow& para : pary) {
        const QString a = para.first.trimmed();
        const QString b = para.second.trimmed();
        if (a.isEmpty() || b.isEmpty() || rowne(a, b))
            continue;
        bool znana = false;
        for (const TParaBankow& p : wynik)
            znana = znana || (rowne(p.first, a) && rowne(p.second, b)) ||
                    (rowne(p.first, b) && rowne(p.second, a));
        if (!znana)
            wynik.emplace_back(a, b);
    }
    return wynik;
}
