#include "HostTools.h"

#include "HouseholdSetup.h"

#include "app/BledyPolecen.h"
#include "data/EDataError.h"
#include "platform/DataFileLock.h"

#include "CommandLineOptions.h"

#include "data/TProjektDB.h"
#include "data/sqlite/TSQLiteDatabase.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

namespace {

const char* const kUzycie =
    "Użycie: talvora baza --db PLIK [--json]\n"
    "Otwiera plik danych tak jak okno programu: nowy plik zakłada razem z jego folderami i\n"
    "zapisuje w nim to, co okno przy pierwszym uruchomieniu (osobę, domyślne kategorie\n"
    "wydatków, przychodów i oszczędności oraz stan oszczędności 0 zł, do którego można\n"
    "dodać zysk z lokaty); plik w starszym układzie aktualizuje (najpierw robi kopię\n"
    "zapasową w folderze kopie/ obok pliku). Pokazuje wersję SQLite, ścieżkę pliku oraz\n"
    "każdą tabelę z liczbą wierszy.\n"
    "  --db PLIK  plik danych\n"
    "  --json     wynik jako JSON: {\"sqlite\": ..., \"plik\": ..., \"tabele\": {...}}\n"
    "  --help     ta pomoc\n";

using TTabeleIWiersze = std::vector<std::pair<QString, qint64>>;

TTabeleIWiersze PoliczWiersze(TSQLiteDatabase& baza) {
    QStringList nazwy;
    baza.GetTableStrings(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                        "AND name NOT LIKE 'sqlite_%' ORDER BY name"),
                         nazwy);
    TTabeleIWiersze tabele;
    for (const QString& nazwa : nazwy) {
        const QString wCudzyslowie = QString(nazwa).replace('"', QStringLiteral("\"\""));
        tabele.emplace_back(nazwa, baza.GetTableValue(QStringLiteral("SELECT count(*) FROM \"") +
                                                      wCudzyslowie + '"'));
    }
    return tabele;
}

// A text as a JSON string literal, quotes and escapes included.
QString JsonTekst(const QString& tekst) {
    const QByteArray tablica = QJsonDocument(QJsonArray{tekst}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(tablica.mid(1, tablica.size() - 2));
}

// Keys in the order "sqlite", "plik", "tabele"; tables by name.
void PiszJson(QTextStream& out, const QString& plik, const TTabeleIWiersze& tabele) {
    out << "{\n    \"sqlite\": " << JsonTekst(TSQLiteDatabase::Version()) << ",\n";
    out << "    \"plik\": " << JsonTekst(plik) << ",\n";
    out << "    \"tabele\": {";
    for (size_t i = 0; i < tabele.size(); ++i)
        out << (i == 0 ? "\n" : ",\n") << "        " << JsonTekst(tabele[i].first) << ": "
            << tabele[i].second;
    out << (tabele.empty() ? "}\n}\n" : "\n    }\n}\n");
}

void PiszTabele(QTextStream& out, const QString& plik, const TTabeleIWiersze& tabele) {
    int szerokosc = 0;
    for (const auto& tabela : tabele)
        szerokosc = std::max(szerokosc, static_cast<int>(tabela.first.size()));
    out << "SQLite: " << TSQLiteDatabase::Version() << "\n";
    out << "Plik:   " << plik << "\n";
    out << "Tabele (" << tabele.size() << "):\n";
    for (const auto& [nazwa, ile] : tabele)
        out << "  " << nazwa.leftJustified(szerokosc) << "  " << ile << "\n";
}

} // namespace

static int Run(const ToolCall& call) {
    QTextStream& out = call.out;
    const CommandLineOptions& opcje = call.options;
    const QString plik = QFileInfo(opcje.value(QStringLiteral("--db"))).absoluteFilePath();
    RequireRegularFile(plik);
    DataFileLock blokada(plik);
    if (!blokada.tryLock())
        throw EDataError(DataFileLock::heldMessage(plik, blokada.holder()));
    const bool nowy = IsNewDataFile(plik);
    const std::unique_ptr<TProjektDB> otwarty = OtworzProjektDB(plik);
    TProjektDB& projekt = *otwarty;
    if (nowy)
        AddHouseholdRecords(projekt);
    const TTabeleIWiersze tabele = PoliczWiersze(projekt.Baza());
    if (call.json())
        PiszJson(out, plik, tabele);
    else
        PiszTabele(out, plik, tabele);
    return 0;
}

Tool BazaTool() {
    return {QStringLiteral("baza"),
            QStringLiteral("zakłada lub aktualizuje plik danych i pokazuje jego tabele"),
            QString::fromUtf8(kUzycie),
            {QStringLiteral("--db")},
            {QStringLiteral("--json")},
            0,
            true,
            nullptr,
            Run};
}
