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
    std::vector<size_t> kolejnosc(lista.size());
    for (size_t i = 0; i < kolejnosc.size(); ++i)
        kolejnosc[i] = i;
    std::stable_sort(kolejnosc.begin(), kolejnosc.end(),
                     [&](size_t a, size_t b) { return mniejszy(klucze[a], klucze[b]); });
    std::vector<std::unique_ptr<T>> posortowana;
    posortowana.reserve(lista.size());
    for (size_t indeks : kolejnosc)
        posortowana.push_back(std::move(lista[indeks]));
    lista.swap(posortowana);
}

// -1, 0 or 1 for two values of an ordered type.
template <class T> int PorownajWartosci(const T& a, const T& b) {
    return (b < a) - (a < b);
}
