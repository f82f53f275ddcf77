#pragma once
#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

// Reorders an owning list by keys computed beforehand, one per record, so a
// costly key (a collation rank, an estimated end date) is computed once, not
// in every comparison. The comparison need only be deterministic: some orders
// tie values that are merely close (moments within a millisecond, rates
// within half a hundredth), which is not transitive, and a merge sort stays
// within its range whatever the comparison answers.
template <class T, class Klucz, class Mniejszy>
void PosortujWedlugKluczy(std::vector<std::unique_ptr<T>>& lista, const std::vector<Klucz>& klucze,
                          Mniejszy mniejszy) {
    struct Pozycja {
        Klucz klucz;
        size_t indeks;
    };
    std::vector<Pozycja> pozycje;
    pozycje.reserve(lista.size());
    for (size_t i = 0; i < lista.size(); ++i)
        pozycje.push_back({klucze[i], i});
    std::stable_sort(pozycje.begin(), pozycje.end(), [&](const Pozycja& a, const Pozycja& b) {
        return mniejszy(a.klucz, b.klucz);
    });
    std::vector<std::unique_ptr<T>> posortowana;
    posortowana.reserve(lista.size());
    for (const Pozycja& pozycja : pozycje)
        posortowana.push_back(std::move(lista[pozycja.indeks]));
    lista.swap(posortowana);
}

// -1, 0 or 1 for two values of an ordered type.
template <class T> int PorownajWartosci(const T& a, const T& b) {
    return (b < a) - (a < b);
}
