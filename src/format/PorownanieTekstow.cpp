#include "format/PorownanieTekstow.h"

#include "format/TFormatSettings.h"
#include "format/TKluczTekstu.h"

#include <QLocale>
#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace {

struct TKolatory {
    QLocale lokalizacja;
    std::optional<QCollator> rozrozniajacy;
    std::optional<QCollator> ignorujacy;
};

QCollator UtworzKolator(const QLocale& lokalizacja, Qt::CaseSensitivity wielkosc) {
    QCollator kolator(lokalizacja);
    kolator.setCaseSensitivity(wielkosc);
    kolator.setNumericMode(false);
    kolator.setIgnorePunctuation(false);
    return kolator;
}

int Znak(int wynik) {
    return (wynik > 0) - (wynik < 0);
}

std::u16string_view Widok(const QString& tekst) {
    return {reinterpret_cast<const char16_t*>(tekst.utf16()), static_cast<size_t>(tekst.size())};
}

} // namespace

const QCollator& KolatorTekstow(TWielkoscLiter tryb) {
    // A collator is not safe to share between threads; each thread keeps its own.
    thread_local TKolatory kolatory;
    const QLocale baza = LokalizacjaBazowa();
    if (!kolatory.rozrozniajacy || kolatory.lokalizacja != baza) {
        kolatory.lokalizacja = baza;
        kolatory.rozrozniajacy = UtworzKolator(baza, Qt::CaseSensitive);
        kolatory.ignorujacy = UtworzKolator(baza, Qt::CaseInsensitive);
    }
    return tryb == TWielkoscLiter::Ignoruj ? *kolatory.ignorujacy : *kolatory.rozrozniajacy;
}

int PorownajTeksty(const QString& a, const QString& b, TWielkoscLiter tryb) {
    return Znak(KolatorTekstow(tryb).compare(a, b));
}

bool TekstyRowne(const QString& a, const QString& b, TWielkoscLiter tryb) {
    return PorownajTeksty(a, b, tryb) == 0;
}

std::vector<int32_t> RangiTekstow(const std::vector<QString>& teksty, TWielkoscLiter tryb) {
    // Identical texts are collated once: each text gets the index of its
    // first occurrence among the distinct ones.
    std::unordered_map<std::u16string_view, int32_t> indeksy;
    indeksy.reserve(teksty.size());
    std::vector<const QString*> rozne;
    std::vector<int32_t> indeksTekstu(teksty.size());
    for (size_t i = 0; i < teksty.size(); ++i) {
        const auto [it, nowy] =
            indeksy.try_emplace(Widok(teksty[i]), static_cast<int32_t>(rozne.size()));
        if (nowy)
            rozne.push_back(&teksty[i]);
        indeksTekstu[i] = it->second;
    }

    const QCollator& kolator = KolatorTekstow(tryb);
    std::vector<TKluczTekstu> klucze;
    klucze.reserve(rozne.size());
    for (const QString* tekst : rozne)
        klucze.emplace_back(*tekst, kolator);
    std::vector<int32_t> kolejnosc(rozne.size());
    for (size_t i = 0; i < kolejnosc.size(); ++i)
        kolejnosc[i] = static_cast<int32_t>(i);
    std::sort(kolejnosc.begin(), kolejnosc.end(), [&](int32_t a, int32_t b) {
        return klucze[static_cast<size_t>(a)] < klucze[static_cast<size_t>(b)];
    });

    std::vector<int32_t> rangaRoznego(rozne.size());
    int32_t ranga = -1;
    for (size_t i = 0; i < kolejnosc.size(); ++i) {
        const auto biezacy = static_cast<size_t>(kolejnosc[i]);
        if (i == 0 || klucze[static_cast<size_t>(kolejnosc[i - 1])].Porownaj(klucze[biezacy]) != 0)
            ++ranga;
        rangaRoznego[biezacy] = ranga;
    }

    std::vector<int32_t> rangi(teksty.size());
    for (size_t i = 0; i < teksty.size(); ++i)
        rangi[i] = rangaRoznego[static_cast<size_t>(indeksTekstu[i])];
    return rangi;
}
