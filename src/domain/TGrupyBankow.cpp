#include "domain/TGrupyBankow.h"

#include "domain/PorownanieTekstow.h"

int TGrupyBankow::Grupa(const QString& bank) {
    if (fOstatniaGrupa >= 0 && bank == fOstatni)
        return fOstatniaGrupa;
    fOstatni = bank;
    fOstatniaGrupa = GrupaPisowni(bank);
    return fOstatniaGrupa;
}

int TGrupyBankow::GrupaPisowni(const QString& bank) {
    const auto znana = fPisownie.constFind(bank);
    if (znana != fPisownie.constEnd())
        return *znana;
    const QCollator& kolator = KolatorTekstow(TWielkoscLiter::Ignoruj);
    int grupa = -1;
    for (int i = 0; i < fNaglowki.size() && grupa < 0; ++i)
        if (kolator.compare(fNaglowki[i], bank) == 0)
            grupa = i;
    if (grupa < 0) {
        grupa = static_cast<int>(fNaglowki.size());
        fNaglowki.append(bank);
    }
    fPisownie.insert(bank, grupa);
    return grupa;
}
