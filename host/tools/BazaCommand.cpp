#include "tools/CommandLineOptions.h"
#include "tools/HostTools.h"
#include "tools/HouseholdSetup.h"
#include "tools/ToolRun.h"

#include "app/BledyPolecen.h"
#include "data/EDataError.h"
#include "data/TProjektDB.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "platform/DataFileLock.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <exception>
#include <memory>
#include <utility>
#include <vector>

namespace {

const char* const kUsage =
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

// The data file and each of its tables with the number of its rows, by name.
struct DataFileTables {
    QString file;
    std::vector<std::pair<QString, qint64>> tables;
};

std::vector<std::pair<QString, qint64>> CountRows(TSQLiteDatabase& database) {
    QStringList names;
    database.GetTableStrings(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                            "AND name NOT LIKE 'sqlite_%' ORDER BY name"),
                             names);
    std::vector<std::pair<QString, qint64>> tables;
    for (const QString& name : names) {
        const QString quoted = QString(name).replace('"', QStringLiteral("\"\""));
        tables.emplace_back(
            name, database.GetTableValue(QStringLiteral("SELECT count(*) FROM \"") + quoted + '"'));
    }
    return tables;
}

// A text as a JSON string literal, quotes and escapes included.
QString JsonString(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

// Keys in the order "sqlite", "plik", "tabele"; tables by name.
void WriteJson(QTextStream& out, const DataFileTables& data) {
    const auto& tables = data.tables;
    out << "{\n    \"sqlite\": " << JsonString(TSQLiteDatabase::Version()) << ",\n";
    out << "    \"plik\": " << JsonString(data.file) << ",\n";
    out << "    \"tabele\": {";
    for (size_t i = 0; i < tables.size(); ++i)
        out << (i == 0 ? "\n" : ",\n") << "        " << JsonString(tables[i].first) << ": "
            << tables[i].second;
    out << (tables.empty() ? "}\n}\n" : "\n    }\n}\n");
}

void WriteTable(QTextStream& out, const DataFileTables& data) {
    int width = 0;
    for (const auto& table : data.tables)
        width = std::max(width, static_cast<int>(table.first.size()));
    out << "SQLite: " << TSQLiteDatabase::Version() << "\n";
    out << "Plik:   " << data.file << "\n";
    out << "Tabele (" << data.tables.size() << "):\n";
    for (const auto& [name, count] : data.tables)
        out << "  " << name.leftJustified(width) << "  " << count << "\n";
}

int Run(const ToolCall& call) {
    const QString file = QFileInfo(call.options.value(QStringLiteral("--db"))).absoluteFilePath();
    RequireRegularFile(file);
    DataFileLock lock(file);
    if (!lock.tryLock())
        throw EDataError(DataFileLock::heldMessage(file, lock.holder()));
    const bool isNew = IsNewDataFile(file);
    const std::unique_ptr<TProjektDB> opened = OtworzProjektDB(file);
    TProjektDB& project = *opened;
    if (isNew)
        AddHouseholdRecords(project);
    return WriteResult(call, DataFileTables{file, CountRows(project.Baza())},
                       {WriteJson, WriteTable});
}

} // namespace

Tool BazaTool() {
    return {QStringLiteral("baza"),
            QStringLiteral("zakłada lub aktualizuje plik danych i pokazuje jego tabele"),
            QString::fromUtf8(kUsage),
            {QStringLiteral("--db")},
            {QStringLiteral("--json")},
            0,
            true,
            nullptr,
            Run};
}
