#pragma once
#include "domain/TGrupyBankow.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// A pair of bank names the user declared one institution (two brands of one
// bank share one deposit guarantee).
using TParaBankow = std::pair<QString, QString>;

// Bank names sorted into institutions: names equal when letter case is
// ignored (as the offer list groups its banks) are one bank, and the user's
// pairs join banks into one institution, also through a chain of pairs (A
// with B and B with C joins A with C).
class TPolaczoneBanki {
public:
    explicit TPolaczoneBanki(const std::vector<TParaBankow>& pary = {});

    // The institution of the bank, a number shared by every name joined with
    // it; an unknown name starts an institution of its own.
    int Instytucja(const QString& bank);
    // Whether the two names are one institution.
    bool TaSamaInstytucja(const QString& a, const QString& b);

    // The pairs with blank names and pairs of one bank with itself left out,
    // each pair once (in either order), in the order given; names trimmed.
    static std::vector<TParaBankow> Uporzadkuj(const std::vector<TParaBankow>& pary);

private:
    int Korzen(int grupa);
    void Polacz(int a, int b);

    TGrupyBankow fGrupy;
    // The union-find parent of each group of fGrupy.
    std::vector<int> fRodzic;
};
