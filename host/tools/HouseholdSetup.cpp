#include "tools/HouseholdSetup.h"

#include "data/EDataError.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "platform/Clock.h"
#include "tools/NewRecords.h"

#include <QFileInfo>
#include <QStringList>
#include <memory>

namespace {

using M = TTypModyfikacji;

const QStringList kExpenseCategories = {
    QStringLiteral("Jedzenie"), QStringLiteral("Mieszkanie"),  QStringLiteral("Transport"),
    QStringLiteral("Zdrowie"),  QStringLiteral("Ubrania"),     QStringLiteral("Rozrywka"),
    QStringLiteral("Edukacja"), QStringLiteral("Inne wydatki")};

const QStringList kIncomeCategories = {QStringLiteral("Wynagrodzenie"),
                                       QStringLiteral("Odsetki z lokat"),
                                       QStringLiteral("Inne przychody")};

struct SavingsCategory {
    const char* name;
    bool mayPay;
};

// The first one may pay and holds the balance.
const SavingsCategory kSavingsCategories[] = {
    {"Konto osobiste", true}, {"Gotówka", true}, {"Konto oszczędnościowe", false}};

// Provisional ids of new records: negative, so that they meet no stored id.
int32_t NewId(std::size_t index) {
    return -2 - static_cast<int32_t>(index);
}

void AddCategories(TKolekcjeDanych& collections) {
    for (int i = 0; i < kExpenseCategories.size(); ++i)
        collections.KategorieWydatki().push_back(std::make_unique<TKategoriaWydatki>(
            NewId(i), kExpenseCategories[i], false, M::Dodano, i + 1));
    for (int i = 0; i < kIncomeCategories.size(); ++i)
        collections.KategoriePrzychody().push_back(std::make_unique<TKategoriaPrzychody>(
            NewId(i), kIncomeCategories[i], false, M::Dodano, i + 1));
    for (std::size_t i = 0; i < std::size(kSavingsCategories); ++i)
        collections.KategorieOszczednosci().push_back(std::make_unique<TKategoriaOszczednosci>(
            NewId(i), QString::fromUtf8(kSavingsCategories[i].name), false,
            kSavingsCategories[i].mayPay, false, M::Dodano, i + 1));
    collections.SetZmienionoINiezapisanoKategorieWydatki(true);
    collections.SetZmienionoINiezapisanoKategoriePrzychody(true);
    collections.SetZmienionoINiezapisanoKategorieOszczednosci(true);
}

void AddPerson(TKolekcjeDanych& collections) {
    collections.Osoby().push_back(
        std::make_unique<TOsoba>(NewId(0), QStringLiteral("Jan"), QStringLiteral("Kowalski"),
                                 QString(), QString(), QString(), false, M::Dodano, 1));
    collections.SetZmienionoINiezapisanoOsoby(true);
}

// The balance goes into the stored category, so the categories come first.
void AddSavingsBalance(TKolekcjeDanych& collections) {
    const int32_t category = collections.PobierzIDKategoriiPoOpisie(
        QString::fromUtf8(kSavingsCategories[0].name), TTabele::Kategorie_Oszczednosci);
    if (category < 0)
        throw EDataError(QStringLiteral("Nie znaleziono zapisanej kategorii oszczędności."));
    collections.Oszczednosci().push_back(
        std::make_unique<TOszczednosc>(NewId(0), category, 0.0, Now(), QString(), 1, M::Dodano));
    collections.SetZmienionoINiezapisanoOszczednosci(true);
}

} // namespace

void AddHouseholdRecords(TProjektDB& project) {
    TKolekcjeDanych& collections = project.Kolekcje();
    AddCategories(collections);
    AddPerson(collections);
    SaveNewRecords(project, {TTabele::Kategorie_Wydatki, TTabele::Kategorie_Przychody,
                             TTabele::Kategorie_Oszczednosci, TTabele::Osoby});
    AddSavingsBalance(collections);
    SaveNewRecords(project, {TTabele::Oszczednosci});
}

bool IsNewDataFile(const QString& path) {
    const QFileInfo file(path);
    return !file.exists() || file.size() == 0;
}

void RequireRegularFile(const QString& path) {
    const QFileInfo file(path);
    if (file.exists() && !file.isFile())
        throw EDataError(QStringLiteral("\"%1\" nie jest plikiem danych: to nie jest zwykły plik "
                                        "(folder, kolejka lub urządzenie). Wskaż plik danych.")
                             .arg(path));
}
