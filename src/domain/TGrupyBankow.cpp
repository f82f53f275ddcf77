#include "domain/TGrupyBankow.h"

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
    const auto [grupa, nowa] =
        fGrupyKluczy.try_emplace(TKluczTekstu(bank, fKolator), static_cast<int>(fNaglowki.size()));
    if (nowa)
        fNaglowki.append(bank);
    fPisownie.insert(bank, grupa->second);
    return grupa->second;
}
