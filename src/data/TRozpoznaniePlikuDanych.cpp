#include "data/TRozpoznaniePlikuDanych.h"

#include "data/TSchematBazy.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "data/sqlite/TSQLiteUniTable.h"

#include <QHash>
#include <QSet>

namespace {

using TKolumnyTabel = QHash<QString, QSet<QString>>;

QSet<QString> KolumnyTabeli(TSQLiteDatabase& baza, const QString& tabela) {
    QSet<QString> kolumny;
    baza.AddParamText(QStringLiteral(":tabela"), tabela);
    const auto info =
        baza.GetUniTable(QStringLiteral("SELECT name FROM pragma_table_info(:tabela)"));
    for (; !info->Eof(); info->Next())
        kolumny.insert(info->FieldAsString(0).toLower());
    return kolumny;
}

// The columns of every table of ours, by lower-cased name: the current
// layout, read from the tables created in memory, and the columns that only
// old layouts had.
const TKolumnyTabel& NaszeKolumny() {
    static const TKolumnyTabel kolumny = [] {
        TSQLiteDatabase pamiec(QStringLiteral(":memory:"));
        TKolumnyTabel wynik;
        for (const QString& tabela : TSchematBazy::NazwyTabel()) {
            pamiec.ExecSQL(TSchematBazy::PolecenieTworzeniaTabeli(tabela));
            wynik.insert(tabela.toLower(), KolumnyTabeli(pamiec, tabela));
        }
        for (const TSchematBazy::TStaryUklad& stary : TSchematBazy::StareUklady())
            wynik[stary.tabela.toLower()].insert(stary.kolumna.toLower());
        return wynik;
    }();
    return kolumny;
}

// A table of ours keeps its key and at least one more column of our layout
// through every layout this program has written.
bool NaszUklad(const QSet<QString>& kolumny, const QSet<QString>& nasze) {
    if (!kolumny.contains(QStringLiteral("id")))
        return false;
    for (const QString& kolumna : kolumny)
        if (kolumna != QLatin1String("id") && nasze.contains(kolumna))
            return true;
    return false;
}

} // namespace

TRozpoznaniePlikuDanych::TRozpoznaniePlikuDanych(TSQLiteDatabase& baza) {
    QStringList tabele;
    baza.GetTableStrings(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                        "name NOT LIKE 'sqlite_%' ORDER BY name"),
                         tabele);
    const TKolumnyTabel& nasze = NaszeKolumny();
    bool jestNasza = false;
    for (const QString& tabela : tabele) {
        const auto it = nasze.find(tabela.toLower());
        if (it == nasze.end())
            continue;
        jestNasza = true;
        if (!NaszUklad(KolumnyTabeli(baza, tabela), *it))
            fNieNasze << tabela;
    }
    if (!jestNasza)
        fNieNasze = tabele;
}
