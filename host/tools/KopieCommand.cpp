#include "tools/HostTools.h"

#include "tools/JsonWriter.h"
#include "tools/TextTable.h"

#include "data/EDataError.h"
#include "data/TKopieZapasowe.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "platform/DataFileLock.h"

#include <QFileInfo>
#include <vector>

namespace {

const QString kDb = QStringLiteral("--db");
const QString kJson = QStringLiteral("--json");
const QString kPrzywroc = QStringLiteral("--przywroc");

// One backup with the counts of what it holds.
struct Kopia {
    TKopiaZapasowa kopia;
    int64_t lokaty = -1; // -1: the backup cannot be read
    int64_t oferty = -1;
};

std::vector<Kopia> Kopie(const TKopieZapasowe& kopie) {
    std::vector<Kopia> wynik;
    for (const TKopiaZapasowa& k : kopie.Lista()) {
        Kopia pozycja{k};
        try {
            TSQLiteDatabase baza(k.Sciezka, TSQLiteDatabase::TTryb::TylkoOdczyt);
            pozycja.lokaty = baza.GetTableValue(QStringLiteral("SELECT count(*) FROM Lokaty"));
            pozycja.oferty =
                baza.GetTableValue(QStringLiteral("SELECT count(*) FROM HarmonogramyLokat"));
        } catch (const std::exception&) {
        }
        wynik.push_back(pozycja);
    }
    return wynik;
}

QString Ilosc(int64_t ile) {
    return ile < 0 ? QStringLiteral("?") : QString::number(ile);
}

void PiszTabele(QTextStream& out, const std::vector<Kopia>& kopie, const QString& folder) {
    if (kopie.empty()) {
        out << QStringLiteral("Brak kopii zapasowych w folderze %1.\n").arg(folder);
        return;
    }
    std::vector<QStringList> wiersze{{"Kopia", "Data", "Rozmiar (B)", "Lokaty", "Oferty"}};
    for (const Kopia& k : kopie)
        wiersze.push_back({k.kopia.Nazwa,
                           k.kopia.Data.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                           QString::number(k.kopia.Rozmiar), Ilosc(k.lokaty), Ilosc(k.oferty)});
    WriteTextTable(out, wiersze, FirstColumnLeft(5));
}

void PiszJson(QTextStream& out, const std::vector<Kopia>& kopie) {
    JsonWriter json;
    json.beginArray();
    for (const Kopia& k : kopie) {
        json.beginObject()
            .key(u"Nazwa")
            .string(k.kopia.Nazwa)
            .key(u"Sciezka")
            .string(k.kopia.Sciezka)
            .key(u"Data")
            .string(k.kopia.Data.toString(Qt::ISODate))
            .key(u"Rozmiar")
            .integer(k.kopia.Rozmiar);
        json.key(u"Lokaty");
        k.lokaty < 0 ? json.null() : json.integer(k.lokaty);
        json.key(u"Oferty");
        k.oferty < 0 ? json.null() : json.integer(k.oferty);
        json.endObject();
    }
    json.endArray();
    out << json.text() << u'\n';
}

QString Sprawdz(const CommandLineOptions& opcje) {
    if (opcje.has(kPrzywroc) && opcje.value(kPrzywroc).isEmpty())
        return QStringLiteral("Podaj nazwę kopii: --przywroc NAZWA (talvora kopie --db PLIK "
                              "pokazuje kopie).");
    if (opcje.has(kPrzywroc) && opcje.has(kJson))
        return QStringLiteral("--json nie dotyczy przywracania (--przywroc).");
    return {};
}

int Przywroc(QTextStream& out, const QString& plik, const QString& nazwa) {
    if (!QFileInfo(plik).isFile())
        throw EDataError(QStringLiteral("Nie ma pliku danych %1.").arg(plik));
    DataFileLock blokada(plik);
    if (!blokada.tryLock())
        throw EDataError(DataFileLock::heldMessage(plik, blokada.holder()));
    const QString poprzedni = TKopieZapasowe(plik).Przywroc(nazwa);
    out << QStringLiteral("Przywrócono %1 z kopii %2. Stan sprzed przywrócenia zapisano w kopii "
                          "%3.\n")
               .arg(plik, nazwa, QFileInfo(poprzedni).fileName());
    return 0;
}

int Run(const ToolCall& call) {
    const QString plik = QFileInfo(call.options.value(kDb)).absoluteFilePath();
    if (call.options.has(kPrzywroc))
        return Przywroc(call.out, plik, call.options.value(kPrzywroc));
    const TKopieZapasowe kopie(plik);
    const std::vector<Kopia> lista = Kopie(kopie);
    if (call.json())
        PiszJson(call.out, lista);
    else
        PiszTabele(call.out, lista, kopie.Folder());
    return 0;
}

QString Pomoc() {
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
            Pomoc(),
            {kDb, kPrzywroc},
            {kJson},
            0,
            true,
            Sprawdz,
            Run};
}
