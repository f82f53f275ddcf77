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
    int grupa = fWKolejnosci ? GrupaWKolejnosci(bank) : -1;
    if (grupa < 0) {
        if (fWKolejnosci)
            ZapamietajKluczeGrup();
        grupa = GrupaWedlugKlucza(bank);
    }
    fPisownie.insert(bank, grupa);
    return grupa;
}

void TGrupyBankow::ZapamietajKluczeGrup() {
    fWKolejnosci = false;
    for (qsizetype i = 0; i < fNaglowki.size(); ++i)
        fGrupyKluczy.try_emplace(TKluczTekstu(fNaglowki[i], fKolator), static_cast<int>(i));
}

int TGrupyBankow::GrupaWKolejnosci(const QString& bank) {
    const int porownanie = fNaglowki.isEmpty() ? 1 : fKolator.compare(bank, fNaglowki.back());
    if (porownanie < 0)
        return -1;
    if (porownanie > 0)
        fNaglowki.append(bank);
    return static_cast<int>(fNaglowki.size()) - 1;
}

int TGrupyBankow::GrupaWedlugKlucza(const QString& bank) {
    const auto [grupa, nowa] =
        fGrupyKluczy.try_emplace(TKluczTekstu(bank, fKolator), static_cast<int>(fNaglowki.size()));
    if (nowa)
        fNaglowki.append(bank);
    return grupa->second;
}
