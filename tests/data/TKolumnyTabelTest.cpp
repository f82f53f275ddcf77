// The column mapping and the schema cannot drift apart: every column a
// loader reads or a save writes exists in the table a new file gets.
#include "data/TKolumnyTabel.h"
#include "TempDatabaseFile.h"
#include "ZrzutBazy.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TProjektDB.h"
#include "data/sqlite/TSQLiteDatabase.h"

#include <gtest/gtest.h>

namespace {

template <class R> QStringList Nazwy(const TMapowanieTabeli<R>& m) {
    QStringList nazwy;
    for (const auto& k : m.Kolumny())
        nazwy << QString::fromLatin1(k.nazwa);
    return nazwy;
}

TEST(TKolumnyTabel, EveryMappedColumnIsInTheSchema) {
    ScriptedMessageBoxes boxes;
    TempDatabaseFile plik;
    TProjektDB projekt(plik.path());
    const std::pair<const char*, QStringList> tabele[] = {
        {"Wydatki", Nazwy(TKolumnyTabel::Wydatki())},
        {"Przychody", Nazwy(TKolumnyTabel::Przychody())},
        {"Oszczednosci", Nazwy(TKolumnyTabel::Oszczednosci())},
        {"Osoby", Nazwy(TKolumnyTabel::Osoby())},
        {"KategorieWydatkow", Nazwy(TKolumnyTabel::KategorieWydatkow())},
        {"KategoriePrzychodow", Nazwy(TKolumnyTabel::KategoriePrzychodow())},
        {"KategorieOszczednosci", Nazwy(TKolumnyTabel::KategorieOszczednosci())},
        {"HistoriaPrzelewow", Nazwy(TKolumnyTabel::HistoriaPrzelewow())},
        {"ZleceniaStale", Nazwy(TKolumnyTabel::ZleceniaStale())},
        {"HistoriaZlecenStalych", Nazwy(TKolumnyTabel::HistoriaZlecenStalych())},
        {"Plany", Nazwy(TKolumnyTabel::Plany())},
        {"Ograniczenia", Nazwy(TKolumnyTabel::Ograniczenia())},
        {"Lokaty", Nazwy(TKolumnyTabel::Lokaty())},
        {"HarmonogramyLokat", Nazwy(TKolumnyTabel::HarmonogramyLokat())},
    };
    for (const auto& [tabela, kolumny] : tabele) {
        SCOPED_TRACE(tabela);
        const QStringList wSchemacie = Wiersze(
            projekt.Baza(), QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(tabela));
        ASSERT_FALSE(wSchemacie.isEmpty());
        for (const QString& kolumna : kolumny)
            EXPECT_TRUE(wSchemacie.contains(kolumna)) << kolumna.toStdString();
    }
}

} // namespace
