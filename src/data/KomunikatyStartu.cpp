#include "data/KomunikatyStartu.h"

#include "data/TKopieZapasowe.h"

#include <sqlite3.h>

namespace {

const char* const kBazaTylkoDoOdczytu =
    "Nie można utworzyć i pracować na bazie danych, lokalizacja w której znajdują się pliki z "
    "danymi jest tylko-do-odczytu lub sam plik z danymi może mieć atrybut tylko do odczytu, baza "
    "w tym przypadku nie może poprawnie funkcjonować. Upewnij się również że żaden inny program "
    "nie blokuje do niej dostępu tzn nie używa jej. Przenieś program wraz ze wszystkimi plikami w "
    "inne miejsce lub sprawdź atrybuty pliku \"%1\".";

const char* const kPelnyDysk =
    "Nie można zapisać danych w pliku \"%1\", na dysku zabrakło miejsca. Zwolnij miejsce na "
    "dysku i uruchom program ponownie.";

const char* const kUszkodzonyPlik =
    "Plik z danymi \"%1\" jest uszkodzony lub nie jest plikiem bazy danych, program nie może na "
    "nim pracować. Odtwórz plik z kopii zapasowej lub wskaż inny plik z danymi.";

const char* const kZablokowanyPlik =
    "Plik z danymi \"%1\" jest zablokowany przez inny program, który właśnie z niego korzysta. "
    "Zamknij ten program lub poczekaj aż skończy pracę i uruchom program ponownie.";

const char* const kObcyPlik =
    "Plik \"%1\" nie jest plikiem z danymi programu, zawiera tabele innego programu (%2). Plik "
    "pozostawiono bez zmian. Wskaż właściwy plik z danymi lub nowy plik.";

QString ZPrzyczyna(const char* tekst, const QString& plik, const QString& przyczyna) {
    return QString::fromUtf8(tekst).arg(plik) + QLatin1Char('\r') + przyczyna;
}

} // namespace

bool KodUszkodzonegoPliku(int kodSQLite) {
    const int kod = kodSQLite & 0xFF;
    return kod == SQLITE_CORRUPT || kod == SQLITE_NOTADB;
}

// The newest backup is named, so the user knows what to restore.
QString KomunikatUszkodzonegoPliku(const QString& plik, const QString& przyczyna) {
    QString tekst = QString::fromUtf8(kUszkodzonyPlik).arg(plik);
    if (const auto kopia = TKopieZapasowe(plik).Najnowsza())
        tekst += QStringLiteral(" Najnowsza kopia zapasowa: ") + kopia->Sciezka +
                 QStringLiteral(" (talvora kopie --db PLIK --przywroc ") + kopia->Nazwa +
                 QStringLiteral(").");
    return tekst + QLatin1Char('\r') + przyczyna;
}

QString PrzyczynaBleduZapisu(int kodSQLite) {
    switch (kodSQLite & 0xFF) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return QStringLiteral("plik danych lub jego folder jest tylko do odczytu");
    case SQLITE_FULL:
        return QStringLiteral("na dysku zabrakło miejsca");
    case SQLITE_CORRUPT:
        return QStringLiteral("plik danych jest uszkodzony");
    case SQLITE_NOTADB:
        return QStringLiteral("plik danych nie jest już plikiem bazy danych");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("plik danych jest zablokowany przez inny program");
    case SQLITE_IOERR:
        return QStringLiteral("błąd odczytu lub zapisu na dysku");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("zmiany naruszają reguły danych w pliku");
    default:
        return QStringLiteral("baza danych zgłosiła błąd");
    }
}

QString KomunikatBrakuZapisu(int kodSQLite, const QString& plik, const QString& przyczyna) {
    if (KodUszkodzonegoPliku(kodSQLite))
        return KomunikatUszkodzonegoPliku(plik, przyczyna);
    switch (kodSQLite & 0xFF) {
    case SQLITE_FULL:
        return ZPrzyczyna(kPelnyDysk, plik, przyczyna);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ZPrzyczyna(kZablokowanyPlik, plik, przyczyna);
    default:
        return ZPrzyczyna(kBazaTylkoDoOdczytu, plik, przyczyna);
    }
}

// A few of the tables are enough to recognise the program.
QString KomunikatObcegoPliku(const QString& plik, const QStringList& tabele) {
    constexpr qsizetype kIleTabel = 5;
    QString nazwy = tabele.mid(0, kIleTabel).join(QStringLiteral(", "));
    if (tabele.size() > kIleTabel)
        nazwy += QStringLiteral(", …");
    return QString::fromUtf8(kObcyPlik).arg(plik, nazwy);
}
