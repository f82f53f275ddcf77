#include "domain/TKonczaceSieLokaty.h"

#include <algorithm>
#include <cmath>

namespace {

bool WczesniejKonczaca(const TLokata* a, const TLokata* b) {
    const int porownanie = CompareDateTime(DateOf(a->SzacowanaDataZakonczenia()),
                                           DateOf(b->SzacowanaDataZakonczenia()));
    return porownanie != 0 ? porownanie < 0 : a->Id() < b->Id();
}

} // namespace

TKonczaceSieLokaty::TKonczaceSieLokaty(const std::vector<std::unique_ptr<TLokata>>& lokaty,
                                       TDateTime dzis, int dni)
    : fDni(std::max(0, dni)) {
    for (const auto& lokata : lokaty) {
        if (!lokata || !lokata->Aktywna() || lokata->Zmiany() == TTypModyfikacji::Usunieto)
            continue;
        const int doKonca = DniDoKonca(*lokata, dzis);
        if (doKonca < 0)
            fPoTerminie.push_back(lokata.get());
        else if (doKonca <= fDni)
            fKonczace.push_back(lokata.get());
    }
    std::sort(fPoTerminie.begin(), fPoTerminie.end(), WczesniejKonczaca);
    std::sort(fKonczace.begin(), fKonczace.end(), WczesniejKonczaca);
}

std::vector<const TLokata*> TKonczaceSieLokaty::Wszystkie() const {
    std::vector<const TLokata*> wszystkie = fPoTerminie;
    wszystkie.insert(wszystkie.end(), fKonczace.begin(), fKonczace.end());
    return wszystkie;
}

int TKonczaceSieLokaty::DniDoKonca(const TLokata& lokata, TDateTime dzis) {
    return static_cast<int>(std::floor(DateOf(lokata.SzacowanaDataZakonczenia())) -
                            std::floor(DateOf(dzis)));
}

QString TKonczaceSieLokaty::WCiaguDni() const {
    return fDni == 1 ? QStringLiteral("w ciągu 1 dnia")
                     : QStringLiteral("w ciągu %1 dni").arg(fDni);
}

QString TKonczaceSieLokaty::Tekst() const {
    if (Puste())
        return {};
    return QStringLiteral("Lokaty po terminie: %1,   kończące się %2: %3")
        .arg(fPoTerminie.size())
        .arg(WCiaguDni())
        .arg(fKonczace.size());
}

QString TKonczaceSieLokaty::TekstBraku() const {
    return QStringLiteral("Brak lokat po terminie i kończących się %1.").arg(WCiaguDni());
}
