#include "import/TSekcjaSzczegolow.h"

std::optional<TElementHTML> TSekcjaSzczegolow::Ramka(const QString& id) const {
    if (!fRamki) {
        fRamki.emplace();
        for (const TElementHTML& element : fSekcja.Elementy()) {
            if (!element.MaNazwe("div"))
                continue;
            const QString klucz = element.Atrybut("id").toCaseFolded();
            if (!fRamki->contains(klucz))
                fRamki->insert(klucz, element);
        }
    }
    const auto ramka = fRamki->constFind(id.toCaseFolded());
    if (ramka == fRamki->cend())
        return std::nullopt;
    return *ramka;
}
