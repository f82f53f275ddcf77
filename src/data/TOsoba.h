#pragma once
#include "data/UstawGdyInna.h"
#include "domain/TTypModyfikacji.h"

#include <QString>
#include <cstdint>

// A person of the household. Like a category, a new person is hidden
// (Usuniety true) and weighs 2147483647.
class TOsoba {
public:
    static constexpr uint32_t kWagaDomyslna = 2147483647;

    TOsoba();
    TOsoba(int32_t aId, const QString& aImie, const QString& aNazwisko, const QString& aPseudonim,
           const QString& aAdres, const QString& aTelefon, bool aUsuniety,
           TTypModyfikacji aModyfikacja, uint32_t aWaga);
    TOsoba(const TOsoba&) = delete;
    TOsoba& operator=(const TOsoba&) = delete;

    void Clear();

    int32_t Id() const { return fId; }
    const QString& Imie() const { return fImie; }
    const QString& Nazwisko() const { return fNazwisko; }
    const QString& Pseudonim() const { return fPseudonim; }
    const QString& Adres() const { return fAdres; }
    const QString& Telefon() const { return fTelefon; }
    uint32_t Waga() const { return fWaga; }
    bool Usuniety() const { return fUsuniety; }
    TTypModyfikacji Zmiany() const { return fZmiany; }

    // Each setter stores its value only when it differs; none touches fZmiany.
    void SetId(int32_t value) { UstawGdyInna(fId, value); }
    void SetImie(const QString& value) { UstawGdyInna(fImie, value); }
    void SetNazwisko(const QString& value) { UstawGdyInna(fNazwisko, value); }
    void SetPseudonim(const QString& value) { UstawGdyInna(fPseudonim, value); }
    void SetAdres(const QString& value) { UstawGdyInna(fAdres, value); }
    void SetTelefon(const QString& value) { UstawGdyInna(fTelefon, value); }
    void SetWaga(uint32_t value) { UstawGdyInna(fWaga, value); }
    void SetUsuniety(bool value) { UstawGdyInna(fUsuniety, value); }
    void SetZmiany(TTypModyfikacji value) { UstawGdyInna(fZmiany, value); }

    // Imie + " " + Nazwisko: how a person is listed and looked up.
    QString ImieINazwisko() const;

private:
    int32_t fId = -1;
    QString fImie;
    QString fNazwisko;
    QString fPseudonim;
    QString fAdres;
    QString fTelefon;
    uint32_t fWaga = kWagaDomyslna;
    bool fUsuniety = true;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
