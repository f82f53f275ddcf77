#pragma once
#include "data/UstawGdyInna.h"
#include "domain/TTypModyfikacji.h"

#include <QString>
#include <cstdint>

// What every category of the household has in common: a name, a weight that
// orders the lists, and the withdrawal mark (Usuniety true hides it). A new
// category is hidden and weighs 2147483647, so it sorts after weighted ones.
// Only its concrete kinds are created and owned.
class TKategoria {
public:
    static constexpr uint32_t kWagaDomyslna = 2147483647;

    TKategoria(const TKategoria&) = delete;
    TKategoria& operator=(const TKategoria&) = delete;

    void Clear();

    int32_t Id() const { return fId; }
    const QString& Opis() const { return fOpis; }
    bool Usuniety() const { return fUsuniety; }
    uint32_t Waga() const { return fWaga; }
    TTypModyfikacji Zmiany() const { return fZmiany; }

    // Each setter stores its value only when it differs; none touches fZmiany.
    void SetId(int32_t value) { UstawGdyInna(fId, value); }
    void SetOpis(const QString& value) { UstawGdyInna(fOpis, value); }
    void SetUsuniety(bool value) { UstawGdyInna(fUsuniety, value); }
    void SetWaga(uint32_t value) { UstawGdyInna(fWaga, value); }
    void SetZmiany(TTypModyfikacji value) { UstawGdyInna(fZmiany, value); }

protected:
    TKategoria() = default;
    TKategoria(int32_t aId, const QString& aOpis, bool aUsuniety, TTypModyfikacji aModyfikacja,
               uint32_t aWaga);
    ~TKategoria() = default;

private:
    int32_t fId = -1;
    QString fOpis;
    bool fUsuniety = true;
    uint32_t fWaga = kWagaDomyslna;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
