#include "tools/HostTools.h"
#include "tools/JsonWriter.h"
#include "tools/TextTable.h"
#include "tools/ToolRun.h"

#include "data/EDataError.h"
#include "data/TKopieZapasowe.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "platform/DataFileLock.h"

#include <QFileInfo>
#include <vector>

namespace {

const QString kDb = QStringLiteral("--db");
const QString kJson = QStringLiteral("--json");
const QString kRestore = QStringLiteral("--przywroc");

// One backup with the counts of what it holds.
struct Backup {
    TKopiaZapasowa copy;
    int64_t deposits = -1; // -1: the backup cannot be read
    int64_t offers = -1;
};

// The backups of a data file and the folder they are in.
struct Backups {
    std::vector<Backup> list;
    QString folder;
};

std::vector<Backup> ListOf(const TKopieZapasowe& backups) {
    std::vector<Backup> result;
    for (const TKopiaZapasowa& k : backups.Lista()) {
        Backup backup{k};
        try {
            TSQLiteDatabase database(k.Sciezka, TSQLiteDatabase::TTryb::TylkoOdczyt);
            backup.deposits = database.GetTableValue(QStringLiteral("SELECT count(*) FROM Lokaty"));
            backup.offers =
                database.GetTableValue(QStringLiteral("SELECT count(*) FROM HarmonogramyLokat"));
        } catch (const std::exception&) {
        }
        result.push_back(backup);
    }
    return result;
}

QString Count(int64_t count) {
    return count < 0 ? QStringLiteral("?") : QString::number(count);
}

void WriteTable(QTextStream& out, const Backups& backups) {
    if (backups.list.empty()) {
        out << QStringLiteral("Brak kopii zapasowych w folderze %1.\n").arg(backups.folder);
        return;
    }
    std::vector<QStringList> rows{{"Kopia", "Data", "Rozmiar (B)", "Lokaty", "Oferty"}};
    for (const Backup& b : backups.list)
        rows.push_back({b.copy.Nazwa, b.copy.Data.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                        QString::number(b.copy.Rozmiar), Count(b.deposits), Count(b.offers)});
    WriteTextTable(out, rows, FirstColumnLeft(5));
}

void WriteJson(QTextStream& out, const Backups& backups) {
    JsonWriter json;
    json.beginArray();
    for (const Backup& b : backups.list) {
        json.beginObject()
            .key(u"Nazwa")
            .string(b.copy.Nazwa)
            .key(u"Sciezka")
            .string(b.copy.Sciezka)
            .key(u"Data")
            .string(b.copy.Data.toString(Qt::ISODate))
            .key(u"Rozmiar")
            .integer(b.copy.Rozmiar);
        json.key(u"Lokaty");
        b.deposits < 0 ? json.null() : json.integer(b.deposits);
        json.key(u"Oferty");
        b.offers < 0 ? json.null() : json.integer(b.offers);
        json.endObject();
    }
    json.endArray();
    out << json.text() << u'\n';
}

QString Check(const CommandLineOptions& options) {
    if (options.has(kRestore) && options.value(kRestore).isEmpty())
        return QStringLiteral("Podaj nazwę kopii: --przywroc NAZWA (talvora kopie --db PLIK "
                              "pokazuje kopie).");
    if (options.has(kRestore) && options.has(kJson))
        return QStringLiteral("--json nie dotyczy przywracania (--przywroc).");
    return {};
}

int Restore(QTextStream& out, const QString& file, const QString& name) {
    if (!QFileInfo(file).isFile())
        throw EDataError(QStringLiteral("Nie ma pliku danych %1.").arg(file));
    DataFileLock lock(file);
    if (!lock.tryLock())
        throw EDataError(DataFileLock::heldMessage(file, lock.holder()));
    const QString previous = TKopieZapasowe(file).Przywroc(name);
    out << QStringLiteral("Przywrócono %1 z kopii %2. Stan sprzed przywrócenia zapisano w kopii "
                          "%3.\n")
               .arg(file, name, QFileInfo(previous).fileName());
    return 0;
}

int Run(const ToolCall& call) {
    const QString file = QFileInfo(call.options.value(kDb)).absoluteFilePath();
    if (call.options.has(kRestore))
        return Restore(call.out, file, call.options.value(kRestore));
    const TKopieZapasowe backups(file);
    return WriteResult(call, Backups{ListOf(backups), backups.Folder()}, {WriteJson, WriteTable});
}

QString Help() {
    return QStringLiteral(
        "Użycie: talvora kopie --db PLIK [--json]\n"
        "       talvora kopie --db PLIK --przywroc NAZWA\n"
        "\n"
        "Kopie zapasowe pliku danych: program robi je sam w folderze kopie/ obok pliku\n"
        "przed każdym zapisem okna i przed aktualizacją starszego układu pliku\n"
        "(PLIK-RRRRMMDD-GGMMSS.dat, zostaje 10 najnowszych).\n"
        "\n"
        "  --db PLIK          plik danych\n"
        "  --json             lista jako JSON: Nazwa, Sciezka, Data, Rozmiar, Lokaty, Oferty\n"
        "  --przywroc NAZWA   przywraca plik danych z kopii o tej nazwie; obecny stan pliku\n"
        "                     trafia najpierw do nowej kopii, więc i to można cofnąć\n"
        "  -h, --help         ten opis\n"
        "\n"
        "Bez --przywroc wypisuje kopie od najnowszej: nazwę, datę, rozmiar oraz liczbę\n"
        "lokat i ofert w każdej. Przywracanie zastępuje plik w całości naraz (zapis obok,\n"
        "utrwalenie na dysku, zmiana nazwy); zamknij wcześniej okno programu.\n");
}

} // namespace

Tool KopieTool() {
    return {QStringLiteral("kopie"),
            QStringLiteral("kopie zapasowe pliku danych i ich przywracanie (--help: argumenty)"),
            Help(),
            {kDb, kRestore},
            {kJson},
            0,
            true,
            Check,
            Run};
}
